// The main window: it composes the board, the moves panel, the target and
// the toolbar with the buttons, connects them to the game session and shows
// what the session answers. The session decides what a click or key means.
#pragma once

#include "screenfit.h"
#include "searchcontrol.h"
#include "session.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class QPushButton;
class TStatForm;

namespace trulp {

class BoardView;
class GameChart;
class MovesPanel;
class PuzzlesDialog;
class TargetView;
class Thelpform;
class ToolBar;
class UpDown;
struct ChartData;
struct PuzzleChoice;

// Where the window meets the desktop; tests replace these.
struct Desktop {
    std::function<QString()> chooseSaveFile;
    std::function<QString()> chooseOpenFile;
    // Asks where to write the page when there is no printer (a proposed path in).
    std::function<QString(const QString&)> choosePdfFile;
    std::function<bool()> runPrinterSetup;
    std::function<void(const QString&)> reportError;
    std::function<void(const QUrl&)> openUrl;
    std::function<void(const ChartData&)> runChart;
    // The puzzles dialog: which puzzle to play, if any.
    std::function<PuzzleChoice()> choosePuzzle;
};

class TForm1 : public QWidget, private RunHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 564;
    static constexpr int kClientHeight = 730;

    explicit TForm1(Puzzle& puzzle, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window.
    void setDialogs(TStatForm* statForm, Thelpform* helpForm);
    const Desktop& desktop() const { return desktop_; }
    void setDesktop(Desktop desktop) { desktop_ = std::move(desktop); }

    const Session& session() const { return session_; }
    const SearchControl& runs() const { return control_; }
    const BoardView& board() const { return *board_; }
    const MovesPanel& panel() const { return *panel_; }
    const TargetView& target() const { return *target_; }
    const ToolBar& toolbar() const { return *toolbar_; }
    // Handlers that change the puzzle or open a dialog refuse while busy.
    bool busy() const;

    // Handlers of the controls.
    void hintBtnClick();
    void solveBtnClick();
    void SaveMoves();
    void OpenMoves();
    void PrintMoves();
    void PrinterSetup();
    void ShowPuzzles();
    // The game kept when the window closed, and the file it is kept in.
    void ResumeGame();
    QString gameFile() const;
    // A moves file named when the program starts, opened as the open
    // picture opens one.
    void OpenFile(const QString& path);
    // Where the records are kept (read from there at once); empty keeps none.
    void setRecordsFile(const QString& path);

    // Where a PDF goes by default: "TRULP puzzle.pdf" in Documents, or home.
    static QString ProposedPdfPath();
    QPrinter& printer();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    // RunHost: every answer of the session, shown.
    void showReply(const Reply& reply) override;

    void buildLayout();
    void connectHandlers();
    // Every function as an action with its key; the buttons and pictures
    // show the key in their tool tips.
    void makeActions();
    void setMessage(QLabel* line, const QString& text);
    void keepRecords();
    // Play and set-up keys: the key as pressed, then the character it types.
    void handleKey(int key, const QString& text);
    void setupKey(int key, const QString& text);
    void modeBtnClick(Mode mode);
    void runPicture(int picture);
    void printPage(QPrinter& device);
    QPushButton* button(Control c) const;
    int32_t moveLimit() const;

    Session session_;
    SearchControl control_;
    // Every control and drawing at one scale of the design.
    ScaledLayout layout_;
    Desktop desktop_;
    TStatForm* statForm_ = nullptr;
    Thelpform* helpForm_ = nullptr;
    GameChart* chartForm_ = nullptr;
    PuzzlesDialog* puzzlesForm_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    QString recordsFile_;
    QString lastFolder_; // of the moves files, in this run

    // The pictures.
    BoardView* board_ = nullptr;
    MovesPanel* panel_ = nullptr;
    TargetView* target_ = nullptr;
    ToolBar* toolbar_ = nullptr;

    // The controls the session enables by mode, by Control.
    std::array<QWidget*, kModeControls> controls_{};
    // play, replay, search, by Mode.
    std::array<QPushButton*, 3> modeBtns_{};
    // Setting up a puzzle: play it and cancel, in the coach's places.
    std::array<QPushButton*, 2> setupBtns_{};
    QPushButton* resetBtn = nullptr;
    QPushButton* helpBtn = nullptr;
    QLabel* msgtext = nullptr;
    QLabel* recordtext = nullptr;
    QLabel* togotext = nullptr;
    QLabel* puzzletext = nullptr;
    bool creating_ = false; // the window is being built
    bool undoHint_ = false; // the record line says how to undo, until the next change
};

} // namespace trulp
