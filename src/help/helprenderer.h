// Draws help text rows and pages on any QPainter: the help box on screen,
// a QImage in the tests.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>

class QPainter;

namespace trulp {

inline constexpr int kHelpPageLines = 25; // title plus 24 rows
inline constexpr int kHelpRowHeight = 24;
inline constexpr int kHelpBoxWidth = 800;
inline constexpr int kHelpLeftMargin = 10;
inline constexpr int kHelpTabWidth = 150;
inline constexpr int kHelpFrameGap = 5; // from a frame edge to the text beside it
inline constexpr int kHelpMaxLineLength = 255;

inline constexpr int kHelpNormalHeight = 20;
inline constexpr int kHelpSmallHeight = 17;
inline constexpr int kHelpLargeHeight = 24;

inline const QColor kHelpPageColour{255, 255, 224};
inline const QColor kHelpTextColour{0, 0, 0};
inline const QColor kHelpFrameColour{96, 96, 96};
inline const QColor kHelpBevelDark{0, 0, 0};
inline const QColor kHelpBevelLight{240, 240, 240};

// Pages hold 25 lines; the count is not rounded up, so a text whose length
// is a multiple of 25 ends with a page that has no line.
inline int HelpPageCount(qsizetype lineCount) {
    return static_cast<int>(lineCount / kHelpPageLines) + 1;
}

enum class HelpStyle { Normal, Bold, Italic };

class HelpRenderer {
public:
    enum class FrameMode { Close, Edge, Extend };

    // Receives row 0 of a page, the title, verbatim.
    using TitleSink = std::function<void(const QString&)>;

    explicit HelpRenderer(TitleSink titleSink = {});

    // The font of a row at a given cell height and style, as drawn.
    const QFont& font(int cellHeight, HelpStyle style) const;

    // Row 0 goes to the title sink; rows 1 to 24 are drawn at y = row * 24.
    void WriteHelpLine(QPainter& painter, const QString& line, int row);
    // Title and rows of a page (1-based); a page past the text draws nothing.
    void WriteHelpPage(QPainter& painter, const QStringList& lines, int helpPage);
    void SetLineDefaults(QPainter& painter);
    void FrameEdge(QPainter& painter, FrameMode mode, int& x, int y);

    // The inside of the box, bevel excluded.
    static void ClearHelpPage(QPainter& painter, QSize box);
    // Page colour and the sunken bevel; the page itself is drawn on top.
    static void paintBackground(QPainter& painter, QSize box);

private:
    struct RowState {
        int x = kHelpLeftMargin;
        int y = 0;
        int offset = 0;
        bool escapePending = false;
        int fontHeight = kHelpNormalHeight;
        HelpStyle style = HelpStyle::Normal;
    };

    void applyCode(QPainter& painter, char code);
    void drawCharacter(QPainter& painter, QChar c);
    // Right to left, a line is laid out from the right edge: the text
    // between two codes is drawn as one run, so that its letters join and
    // read in their order, and frames are drawn mirrored.
    void flushRun(QPainter& painter);
    void frameEdge(QPainter& painter, FrameMode mode);

    const QFont& face(int cellHeight, HelpStyle style) const;

    TitleSink m_titleSink;
    RowState m_row;
    bool m_rightToLeft = false;
    QString m_run;
    bool FrameOpen = false;
    int FrameStartX = 0;
    // normal, small and large, each in three styles
    std::array<QFont, 9> m_faces;
};

} // namespace trulp
