// The main window: it composes the board, the moves panel, the target and
// the toolbar with the buttons, turns what the player does into input for
// the game session and shows what the session answers. The session decides
// what every input means; the window wires, and runs the dialogs it is asked.
#pragma once

#include "coach.h"
#include "desktop.h"
#include "runcontrol.h"
#include "screenfit.h"
#include "session.h"
#include "store.h"

#include <QWidget>

#include <array>
#include <deque>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class TStatForm;

namespace trulp {

class BoardView;
class ControlBar;
class GameChart;
class MovesPanel;
class Printing;
class PuzzlesDialog;
class TargetView;
class Thelpform;
class ToolBar;
class UpDown;
struct PuzzleChoice;

class TForm1 : public QWidget, private RunHost {
    Q_OBJECT
public:
    static constexpr int kClientWidth = 564;
    static constexpr int kClientHeight = 730;

    // The coach and the store are the program's, made before the window.
    TForm1(Puzzle& puzzle, Coach& coach, Store& store, QWidget* parent = nullptr);
    ~TForm1() override;

    // The dialogs are created after the main window.
    void setDialogs(TStatForm* statForm, Thelpform* helpForm);
    const Desktop& desktop() const { return desktop_; }
    void setDesktop(Desktop desktop) { desktop_ = std::move(desktop); }

    const Session& session() const { return session_; }
    const RunControl& runs() const { return control_; }
    const BoardView& board() const { return *board_; }
    const MovesPanel& panel() const { return *panel_; }
    const TargetView& target() const { return *target_; }
    const ToolBar& toolbar() const { return *toolbar_; }
    GameChart& chart() const { return *chartForm_; }
    Printing& printing() const { return *printing_; }
    QAction* action(Act act) const { return actions_[size_t(act)]; }

    // One input, as the player gave it: shown, or kept until the slide
    // under way has ended.
    void feed(const Input& in);
    // A file named when the program starts, opened as the open picture opens one.
    void OpenFile(const QString& path);
    // What a file or the clipboard held, opened.
    void open(const OpenedFile& file);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // RunHost: every answer of the session, shown.
    void showReply(const Reply& reply) override;

    void buildLayout();
    void connectHandlers();
    // Every function as an action with its key; the buttons and pictures
    // show the key in their tool tips.
    void makeActions();
    void setMessage(QLabel* line, const QString& text);
    void placeMessages();
    void runDialog(Dialog dialog);
    void SaveMoves();
    void OpenMoves();
    void ShowPuzzles();
    void Paste();
    void askCoach();
    void slideEnded();

    Session session_;
    RunControl control_;
    Coach& coach_;
    Store& store_;
    // Every control and drawing at one scale of the design.
    ScaledLayout layout_;
    Desktop desktop_;
    TStatForm* statForm_ = nullptr;
    Thelpform* helpForm_ = nullptr;
    GameChart* chartForm_ = nullptr;
    PuzzlesDialog* puzzlesForm_ = nullptr;
    std::unique_ptr<Printing> printing_;
    QString lastFolder_; // of the moves files, in this run
    std::deque<Input> waiting_;
    View view_; // as the last reply left it

    BoardView* board_ = nullptr;
    MovesPanel* panel_ = nullptr;
    TargetView* target_ = nullptr;
    ToolBar* toolbar_ = nullptr;
    ControlBar* controls_ = nullptr;
    std::array<QAction*, kActs> actions_{};
    QLabel* msgtext = nullptr;
    QLabel* recordtext = nullptr;
};

} // namespace trulp
