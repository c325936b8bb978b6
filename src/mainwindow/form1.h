// The main window: board, target indicator and moves panel, play by mouse
// and keyboard, the modes with replay, the moves file, printing and the
// toolbar. One class; its code is split into files by concern.
#pragma once

#include "puzzle.h"
#include "searchcontrol.h"
#include "widgets.h"

#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QPrinter;
class TStatForm;

namespace trulp {

class GameChart;
struct ChartData;
class Thelpform;

class TForm1 : public QWidget, public RunHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 564;
    static constexpr int kClientHeight = 730;
    static constexpr int kSlideTicks = 25;
    static constexpr int kSlideStep = 4;

    explicit TForm1(Puzzle& puzzle, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window.
    void setDialogs(TStatForm* statForm, Thelpform* helpForm);

    // Controls, named as their objectName.
    HookLabel* open_image;
    HookLabel* save_image;
    HookLabel* pr_image;
    HookLabel* pr_setup;
    QLabel* Image2;
    HookLabel* Label7;
    QPushButton* helpBtn;
    QLabel* Label3;
    PaintBox* PaintBox3;
    PaintBox* PaintBox2;
    QLabel* Label1;
    QLabel* Label5;
    QLabel* Label2;
    QLabel* Label4;
    QLabel* maxmovetext;
    UpDown* maxmoveUpDown;
    QCheckBox* stepcheck;
    QPushButton* playBtn;
    QPushButton* replayBtn;
    QPushButton* searchBtn;
    PaintBox* PaintBox1;
    QLabel* Image1;
    QLabel* msgtext;
    QPushButton* resetBtn;
    QPushButton* BackBtn;
    QPushButton* goBtn;
    QPushButton* statBtn;
    // The coach.
    QLabel* Label8;
    QLabel* togotext;
    QPushButton* hintBtn;
    QPushButton* solveBtn;
    HookLabel* chart_image;
    QTimer Timer1;

    // The puzzle is read here and changed only through its operations.
    const Puzzle& p;
    SearchControl control;

    struct Flags {
        uint8_t mode = kNoMode;
        bool animating = false; // a block slides
        bool creating = false;  // the window is being built
    } flags;
    // Handlers that change the puzzle or open a dialog refuse while busy.
    bool busy() const { return flags.animating || control.running() || flags.creating; }

    // Board and panel rendering.
    QImage boardImage;
    QImage targetImage;
    QImage pointerPicture; // Image1's picture, white already transparent
    QRect dirtyRect;       // QRect of the pixels, not right/bottom exclusive
    bool dirtyPending = false;
    int selectedBlock = 0;

    void AddDirty(const QRect& rect);
    void FlushBoard();
    void DrawBlockAt(int x, int y, int block);
    void DrawBlock(int block);
    void ClearRect(const QRect& rect);
    void SelectBlock(int block);
    void RedrawBoard();
    void DrawTarget();
    void DrawMovesPanel();
    // What the position shows besides the board: the moves to go, and for a
    // screen reader the board and the panel in words.
    void ShowPosition();
    QString BoardDescription() const;
    QString PanelDescription() const;
    // Paints the whole moves panel (background, grid, rows, pointer).
    void PaintMovesPanel(QPainter& canvas) const;
    QRect BlockRect(int block) const;

    // Play input.
    uint8_t hoverBlock = 0;
    uint8_t openDirs = 0;
    bool dragging = false;
    int grabX = 0;
    int grabY = 0;
    QRect dragRect;
    uint8_t animBlock = 0;
    QRect animRect;
    int animDX = 0;
    int animDY = 0;
    uint8_t animTicks = 0;
    bool solvedFromStart = false;

    int BlockAt(int x, int y) const;
    void PaintBox1MouseMove(int x, int y);
    void PaintBox1MouseDown(int x, int y);
    void PaintBox1MouseUp(int x, int y);
    void FinishDrag();
    void FormKeyPress(QChar c);
    void FormKeyDown(int key);
    void KeyMove(int block, uint8_t direction);
    // Slides a block the puzzle has just moved, from where it stood.
    void StartAnimation(const StepMade& step);
    void Timer1Timer();

    // Modes, buttons and replay.
    void ResetBoard();
    void playBtnClick(QPushButton* sender);
    void EnterPlayMode();
    void EnterReplayMode();
    void EnterSearchMode();
    void resetBtnClick();
    void BackBtnClick();
    void statBtnClick();
    void helpBtnClick();
    void stepcheckClick();
    void maxmoveUpDownMouseUp();
    void Label7Click();
    void Label7MouseEnter();
    void Label7MouseLeave();
    void goBtnClick() { control.goBtnClick(Mode(flags.mode), busy()); }
    void StepBack();

    // Coach: moves to go, a hint in two stages, solve from here, the chart.
    void ShowToGo();
    void hintBtnClick();
    void solveBtnClick();
    void ShowChart();
    int hintBlock = 0;  // the block of a hint that stands, 0 for none
    BoardKey hintKey{}; // the position it was given for

    // Moves file.
    void SaveMoves();
    void OpenMoves();

    // Printing.
    void PrintMoves();
    void PrinterSetup();
    // Where a PDF goes by default: "TRULP puzzle.pdf" in Documents, or home.
    static QString ProposedPdfPath();
    QPrinter& printer();

    // Toolbar.
    uint8_t hoverIcon = 0;
    QRect IconFrameRect(int tag) const;
    void DrawIconFrame();
    void open_imageMouseMove(int tag);
    void FormMouseMove();
    void open_imageMouseDown();

    // Where the window meets the desktop; tests replace these.
    std::function<QString()> chooseSaveFile;
    std::function<QString()> chooseOpenFile;
    // Asks where to write the page when there is no printer (a proposed path in).
    std::function<QString(const QString&)> choosePdfFile;
    std::function<bool()> runPrinterSetup;
    std::function<void(const QString&)> reportError;
    std::function<void(const QUrl&)> openUrl;
    std::function<void(const ChartData&)> runChart;

    // RunHost
    void setMessage(const QString& text) override;
    void setGoCaption(const QString& caption) override;
    void setBackEnabled(bool enabled) override;
    void redrawSearchView() override;
    void slideBlock(const StepMade& step) override;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormCreate();
    void FormPaint(QPainter& canvas);
    void buildLayout();
    void connectHandlers();
    void showGoalMessage();
    void PrintPage(QPrinter& device);
    void setHoverIcon(int tag);
    HookLabel* makeIcon(const char* name, int tag, const QRect& geometry, const QString& hint,
                        const QString& picture);

    Puzzle& puzzle_; // the one handle that changes it
    TStatForm* statForm_ = nullptr;
    Thelpform* helpForm_ = nullptr;
    GameChart* chartForm_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace trulp
