// The main window: board, target indicator and moves panel, play by mouse
// and keyboard, the modes with replay, the moves file, printing and the
// toolbar. One class; its code is split into files by concern. The game
// session decides what a click or key means; the window turns input into
// session calls and shows what they answer.
#pragma once

#include "screenfit.h"
#include "searchcontrol.h"
#include "session.h"
#include "widgets.h"

#include <QImage>
#include <QPushButton>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class QTimer;
class TStatForm;

namespace trulp {

class GameChart;
struct ChartData;
class Thelpform;
class PuzzlesDialog;
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
    // The board's picture, in board pixels whatever the scale it is shown at.
    static constexpr QRect kBoardArea{0, 0, kColumns* kFieldPixels, kRows* kFieldPixels};
    static constexpr int kSlideTicks = 25;
    static constexpr int kSlideStep = 4;
    // Keys typed during a slide wait for it, a few at most.
    static constexpr int kKeyQueue = 3;

    explicit TForm1(Puzzle& puzzle, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window.
    void setDialogs(TStatForm* statForm, Thelpform* helpForm);
    const Desktop& desktop() const { return desktop_; }
    void setDesktop(Desktop desktop) { desktop_ = std::move(desktop); }

    const Session& session() const { return session_; }
    const SearchControl& runs() const { return control_; }
    // Handlers that change the puzzle or open a dialog refuse while busy.
    bool busy() const { return animating_ || control_.running() || creating_ || session_.editing(); }
    bool sliding() const { return animating_; }

    // Board drawing, through the off-screen picture and its dirty rectangle.
    const QImage& boardPicture() const { return boardImage_; }
    const QImage& targetPicture() const { return targetImage_; }
    // Paints the whole moves panel (background, grid, rows, pointer).
    void PaintMovesPanel(QPainter& canvas) const;
    bool flushPending() const { return dirtyPending_; }
    QRect dirtyArea() const { return dirtyRect_; }
    void FlushBoard();
    void DrawBlockAt(int x, int y, int block);
    void ClearRect(const QRect& rect);
    void RedrawBoard();
    void DrawMovesPanel();
    QRect BlockRect(int block) const;
    int BlockAt(int x, int y) const;
    int hoverBlock() const { return hoverBlock_; }
    int hoverIcon() const { return hoverIcon_; }

    // Handlers of the controls.
    void maxmoveUpDownMouseUp();
    void hintBtnClick();
    void solveBtnClick();
    void SaveMoves();
    void OpenMoves();
    void PrintMoves();
    void PrinterSetup();
    void ShowPuzzles();
    void setMessage(const QString& text);
    // Where the records are kept (read from there at once); empty keeps none.
    void setRecordsFile(const QString& path);
    bool celebrating() const;
    void Label7Click();
    void Label7MouseEnter();
    void Label7MouseLeave();
    // The frame drawn around a toolbar icon under the pointer, in design pixels.
    QRect IconFrameRect(int tag) const;

    // Where a PDF goes by default: "TRULP puzzle.pdf" in Documents, or home.
    static QString ProposedPdfPath();
    QPrinter& printer();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Pictures are made again for the scale the window is shown at.
    void resizeEvent(QResizeEvent* e) override;

private:
    struct QueuedKey {
        int key;
        QString text;
    };

    // RunHost
    void showReply(const Reply& reply) override;
    void setBackEnabled(bool enabled) override;
    void redrawSearchView() override;

    const Puzzle& p() const { return session_.puzzle(); }

    // Creation and layout.
    void FormCreate();
    void FormPaint(QPainter& canvas);
    void buildLayout();
    void connectHandlers();
    HookLabel* makeIcon(const char* name, int tag, const QRect& geometry, const QString& hint,
                        const QString& picture);

    // Rendering.
    void AddDirty(const QRect& rect);
    void DrawBlock(int block);
    // The ring follows the session's selection.
    void ShowSelection();
    void DrawTarget();
    // The off-screen pictures at the scale and density the window is shown at.
    void MakeSurfaces();
    void ShowPosition();
    void ShowToGo();
    // The moment of success: X glows on the goal for about a second.
    void StartCelebration();
    void CelebrationTick();
    void EndCelebration();
    void ShowRecord(const Reply& reply);
    QString BoardDescription() const;
    QString PanelDescription() const;

    // Play input.
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseUp(int x, int y);
    void FinishDrag();
    // Setting up a puzzle: a block dragged anywhere, keys, and the two buttons.
    void SetupMouseMove(int x, int y);
    void SetupMouseUp();
    void SetupKey(int key, const QString& text);
    void DrawSetupBoard(int floating, QPoint at);
    void handleKey(int key, const QString& text);
    void FormKeyPress(QChar c);
    void FormKeyDown(int key);
    void StartAnimation(const StepMade& step);
    void Timer1Timer();

    // Modes and buttons.
    void playBtnClick(QPushButton* sender);
    void resetBtnClick();
    void BackBtnClick();
    void goBtnClick();
    void statBtnClick();
    void helpBtnClick();
    void stepcheckClick();
    void ShowChart();
    // An open chart follows the game move by move.
    void FollowChart();
    void PrintPage(QPrinter& device);

    // Toolbar.
    void DrawIconFrame();
    void setHoverIcon(int tag);
    void open_imageMouseMove(int tag);
    void FormMouseMove();
    void open_imageMouseDown();

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

    // Controls, named as their objectName.
    HookLabel* open_image = nullptr;
    HookLabel* save_image = nullptr;
    HookLabel* pr_image = nullptr;
    HookLabel* pr_setup = nullptr;
    HookLabel* chart_image = nullptr;
    HookLabel* puzzles_image = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* puzzletext = nullptr;
    QPushButton* setupDoneBtn = nullptr;
    QPushButton* setupCancelBtn = nullptr;
    QLabel* Image2 = nullptr;
    HookLabel* Label7 = nullptr;
    QPushButton* helpBtn = nullptr;
    QLabel* Label3 = nullptr;
    PaintBox* PaintBox3 = nullptr;
    PaintBox* PaintBox2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* maxmovetext = nullptr;
    UpDown* maxmoveUpDown = nullptr;
    QCheckBox* stepcheck = nullptr;
    QPushButton* playBtn = nullptr;
    QPushButton* replayBtn = nullptr;
    QPushButton* searchBtn = nullptr;
    PaintBox* PaintBox1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* msgtext = nullptr;
    QLabel* recordtext = nullptr;
    QPushButton* resetBtn = nullptr;
    QPushButton* BackBtn = nullptr;
    QPushButton* goBtn = nullptr;
    QPushButton* statBtn = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* togotext = nullptr;
    QPushButton* hintBtn = nullptr;
    QPushButton* solveBtn = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* celebrateTimer_ = nullptr;
    int celebrateTicks_ = 0;
    bool celebrateAfterSlide_ = false;
    QString recordsFile_;

    bool animating_ = false; // a block slides
    bool creating_ = false;  // the window is being built

    // Board and panel rendering.
    QImage boardImage_;
    QImage targetImage_;
    QImage pointerPicture_; // Image1's picture, white already transparent
    QRect dirtyRect_;       // QRect of the pixels, not right/bottom exclusive
    bool dirtyPending_ = false;
    int ringBlock_ = 0; // the block drawn with the selection ring

    // The pointer on the board.
    uint8_t hoverBlock_ = 0;
    uint8_t dragDirs_ = 0; // where the dragged block may go
    bool dragging_ = false;
    int grabX_ = 0;
    int grabY_ = 0;
    QRect dragRect_;

    // The slide.
    uint8_t animBlock_ = 0;
    QRect animRect_;
    int animDX_ = 0;
    int animDY_ = 0;
    uint8_t animTicks_ = 0;
    QueuedKey keyQueue_[kKeyQueue];
    int queuedKeys_ = 0;

    uint8_t hoverIcon_ = 0;
};

} // namespace trulp
