#include "form1.h"

#include "boardview.h"
#include "chart.h"
#include "controlbar.h"
#include "helpform.h"
#include "movesio.h"
#include "movespanel.h"
#include "paintkit.h"
#include "printing.h"
#include "puzzlefile.h"
#include "puzzlesdialog.h"
#include "statform.h"
#include "targetview.h"
#include "toolbar.h"
#include "updown.h"
#include "windowparts.h"
#include "words.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QTimer>
#include <QUrl>

// The pictures live in a static library, so their resource is brought in
// by hand; Q_INIT_RESOURCE must be used outside any namespace.
static void InitPictures() {
    Q_INIT_RESOURCE(icons);
}

namespace trulp {

namespace {

// What each toolbar picture asks, by picture.
constexpr Act kPictureActs[ToolBar::Count] = {Act::Key,          Act::Open,  Act::Save,   Act::Print,
                                              Act::PrinterSetup, Act::Chart, Act::Puzzles};

// Inputs typed during a slide wait for it; a whole line of moves may.
constexpr size_t kWaitingInputs = 2 * kMaxMoves;
const QRect kMessageLine{16, 658, 537, 25};

Input Acting(Act act, bool on = false) {
    Input in;
    in.act = act;
    in.on = on;
    return in;
}

int64_t Milliseconds() {
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

TForm1::TForm1(Puzzle& puzzle, Coach& coach, Store& store, QWidget* parent)
    : QWidget(parent), session_(puzzle, Milliseconds), control_(session_, *this), coach_(coach),
      store_(store), layout_(*this, {kClientWidth, kClientHeight}, DesignFont{11}),
      printing_(std::make_unique<Printing>(*this)) {
    setObjectName(QStringLiteral("Form1"));
    //: The main window's title.
    setWindowTitle(tr("TRULP puzzel"));
    // Resizable: the content scales with the window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    InitPictures();
    InstallAccessibleFaces();

    desktop_ = DesktopDialogs(*this);
    desktop_.runPrinterSetup = [this] { printing_->setup(); };
    desktop_.choosePuzzle = [this] {
        return puzzlesForm_->choose(session_.records(), session_.puzzle().def(), session_.puzzleName());
    };
    printing_->choosePdfFile = [this](const QString& proposed) { return desktop_.choosePdfFile(proposed); };

    buildLayout();
    connectHandlers();
    makeActions();
    connect(&coach_, &Coach::ready, this, [this](std::shared_ptr<const DistanceTable> table) {
        showReply(session_.CoachReady(std::move(table)));
    });
    connect(&coach_, &Coach::progress, this, [this](qint64 positions) {
        //: The coach works out every position of the puzzle; %1 so far.
        controls_->toGo()->setToolTip(
            tr("the coach is counting the positions: %1").arg(QLocale().toString(positions)));
    });
    connect(&store_, &Store::kept, this, [this](const Records& r) { showReply(session_.RecordsKept(r)); });
    connect(&store_, &Store::setAside, this, [this](const QString& path) {
        setMessage(recordtext,
                   Text(Said(path.endsWith(QStringLiteral("records.damaged")) ? Words::RecordsSetAside
                                                                              : Words::GameSetAside,
                             0, 0, 0, QDir::toNativeSeparators(path).toStdString())));
        recordtext->show();
        placeMessages();
    });

    showReply(session_.Start(kDefaultMoveLimit));
    showReply(session_.SetRecords(store_.loadRecords()));
    // After the welcome, the game of the last run where there is one.
    if (const std::optional<KeptGame> kept = store_.loadGame()) {
        bool resumed = false;
        const Reply r = session_.Resume(*kept, resumed);
        if (resumed)
            showReply(r);
    }
    FitToScreen(*this, {kClientWidth, kClientHeight}, {298, 123});
}

TForm1::~TForm1() {
    // A slide or run must not outlive the window.
    board_->abandon();
    control_.abortRun();
}

void TForm1::setDialogs(TStatForm* statForm, Thelpform* helpForm) {
    statForm_ = statForm;
    helpForm_ = helpForm;
}

void TForm1::buildLayout() {
    toolbar_ = new ToolBar(layout_);
    MakeMakerMarks(layout_, [this](const QUrl& url) { desktop_.openUrl(url); });
    //: Above the moves list.
    const QString movesCaption = tr("moves");
    MakeLabel(layout_, "Label3", {432, 27, 37, 15}, movesCaption);
    panel_ = Place(layout_, new MovesPanel(this), {432, 48, 120, 600});
    target_ = Place(layout_, new TargetView(this), {352, 64, 60, 75});
    controls_ = new ControlBar(layout_);
    board_ = Place(layout_, new BoardView(this), {16, 148, 400, 500});

    msgtext = MakeLabel(layout_, "msgtext", kMessageLine, QString(), {16, true});
    msgtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A new record, how to undo, or why an input waits: at the end of the
    // message line, beside the message, never over it.
    recordtext = MakeLabel(layout_, "recordtext", {296, 658, 257, 25}, QString(), {13, true});
    recordtext->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FollowColour(recordtext, kPurple);
    recordtext->hide();
    chartForm_ = new GameChart(this);
    puzzlesForm_ = new PuzzlesDialog(this);
}

void TForm1::connectHandlers() {
    connect(controls_, &ControlBar::input, this, [this](const Input& in) {
        feed(in);
        setFocus(); // no control keeps the keyboard focus
    });
    connect(toolbar_, &ToolBar::activated, this, [this](int picture) {
        if (picture > ToolBar::None && picture < ToolBar::Count)
            feed(Acting(kPictureActs[picture]));
    });
    connect(board_, &BoardView::input, this, [this](const Input& in) { feed(in); });
    connect(board_, &BoardView::slideFinished, this, &TForm1::slideEnded);
}

void TForm1::makeActions() {
    // The desktop's keys for a standard function; ours where it has none.
    const auto standard = [](QKeySequence::StandardKey key, QKeySequence ours) {
        const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        return keys.isEmpty() ? QList<QKeySequence>{ours} : keys;
    };
    struct Function {
        Act act;
        QList<QKeySequence> keys;
        QString name;
    };
    const auto picture = [this](int p) { return toolbar_->picture(ToolBar::Picture(p))->accessibleName(); };
    const Function functions[] = {
        {Act::Open, standard(QKeySequence::Open, Qt::CTRL | Qt::Key_O), picture(ToolBar::Open)},
        {Act::Save, standard(QKeySequence::Save, Qt::CTRL | Qt::Key_S), picture(ToolBar::Save)},
        {Act::Print, standard(QKeySequence::Print, Qt::CTRL | Qt::Key_P), picture(ToolBar::Print)},
        {Act::PrinterSetup, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)}, picture(ToolBar::PrinterSetup)},
        {Act::Chart, {QKeySequence(Qt::CTRL | Qt::Key_G)}, picture(ToolBar::Chart)},
        {Act::Puzzles, {QKeySequence(Qt::CTRL | Qt::Key_L)}, picture(ToolBar::Puzzles)},
        {Act::Help, standard(QKeySequence::HelpContents, Qt::Key_F1), tr("help")},
        {Act::Undo, standard(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z), tr("undo")},
        {Act::Redo, standard(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z), tr("redo")},
        {Act::Play, {QKeySequence(Qt::CTRL | Qt::Key_1)}, tr("play")},
        {Act::Replay, {QKeySequence(Qt::CTRL | Qt::Key_2)}, tr("replay")},
        {Act::Search, {QKeySequence(Qt::CTRL | Qt::Key_3)}, tr("search")},
        {Act::Reset, {QKeySequence(Qt::CTRL | Qt::Key_R)}, tr("reset")},
        {Act::Hint, {QKeySequence(Qt::CTRL | Qt::Key_H)}, tr("hint")},
        {Act::Solve, {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)}, tr("solve")},
        {Act::Statistics, {QKeySequence(Qt::CTRL | Qt::Key_I)}, tr("statistics")},
        {Act::NextPuzzle, {QKeySequence(Qt::CTRL | Qt::Key_N)}, tr("next puzzle without a record")},
        {Act::Copy, standard(QKeySequence::Copy, Qt::CTRL | Qt::Key_C), tr("copy the puzzle as text")},
        {Act::Paste, standard(QKeySequence::Paste, Qt::CTRL | Qt::Key_V), tr("paste a puzzle text")},
    };
    for (const Function& f : functions) {
        auto* action = new QAction(f.name, this);
        action->setObjectName(QStringLiteral("action%1").arg(int(f.act)));
        action->setShortcuts(f.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        const Act act = f.act;
        connect(action, &QAction::triggered, this, [this, act] {
            // A mode's key presses its button, as a click does.
            const auto* toggle = qobject_cast<QAbstractButton*>(controls_->control(act));
            feed(Acting(act, toggle && toggle->isCheckable() ? !toggle->isChecked() : false));
        });
        addAction(action);
        actions_[size_t(act)] = action;
        QWidget* shows = controls_->control(act);
        for (int p = ToolBar::Open; p < ToolBar::Count && shows == nullptr; ++p)
            if (kPictureActs[p] == act)
                shows = toolbar_->picture(ToolBar::Picture(p));
        if (shows != nullptr && !f.keys.isEmpty()) {
            const QString tip = shows->toolTip().isEmpty() ? f.name : shows->toolTip();
            //: A tool tip with its key: "save moves (Ctrl+S)".
            shows->setToolTip(
                tr("%1 (%2)").arg(tip, Wording::keyName(f.keys.front().toString(QKeySequence::NativeText))));
        }
    }
    // The actions are the window's menu too, where a screen reader finds
    // which can act now.
    setContextMenuPolicy(Qt::ActionsContextMenu);
    // Sentences name the keys as the desktop does.
    Wording::setKey(Wording::KeyOf::Undo,
                    actions_[size_t(Act::Undo)]->shortcut().toString(QKeySequence::NativeText));
    Wording::setKey(Wording::KeyOf::NextPuzzle,
                    actions_[size_t(Act::NextPuzzle)]->shortcut().toString(QKeySequence::NativeText));
    for (const auto& [keys, name, run] :
         {std::tuple{standard(QKeySequence::FullScreen, Qt::Key_F11), tr("full screen"),
                     std::function<void()>([this] { setWindowState(windowState() ^ Qt::WindowFullScreen); })},
          std::tuple{standard(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), tr("quit"),
                     std::function<void()>([this] { close(); })}}) {
        auto* action = new QAction(name, this);
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, run);
        addAction(action);
    }
}

void TForm1::feed(const Input& in) {
    const Reply r = session_.Input(in);
    if (r.wait) {
        // Never dropped: kept in order until the slide under way ends,
        // which then hurries.
        if (waiting_.size() < kWaitingInputs)
            waiting_.push_back(in);
        board_->hurry();
    }
    showReply(r);
}

void TForm1::slideEnded() {
    showReply(session_.Input(Acting(Act::SlideEnded)));
    control_.slideFinished();
    // The inputs that waited, in order, until one starts another slide.
    while (!waiting_.empty() && !board_->sliding()) {
        const Input in = waiting_.front();
        waiting_.pop_front();
        feed(in);
    }
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    showReply(session_.Input(Acting(Act::Shown, true)));
    // The window first: the coach's table is built once it has been shown.
    QTimer::singleShot(0, this, &TForm1::askCoach);
}

void TForm1::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    showReply(session_.Input(Acting(Act::Shown, false)));
}

void TForm1::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    // The game's time stands while the window is minimised.
    if (e->type() == QEvent::WindowStateChange)
        showReply(session_.Input(Acting(Act::Shown, !isMinimized() && isVisible())));
}

void TForm1::askCoach() {
    if (!isVisible())
        return;
    if (const std::shared_ptr<const PuzzleDef> def = session_.CoachWants())
        if (std::shared_ptr<const DistanceTable> table = coach_.want(def))
            showReply(session_.CoachReady(std::move(table)));
}

void TForm1::paintEvent(QPaintEvent*) {
    // Sunken two-pixel frames just outside the three pictures, and the frame
    // of the toolbar picture under the pointer, in design pixels at the scale.
    QPainter canvas(this);
    layout_.scalePainter(canvas);
    for (const QWidget* box :
         {static_cast<QWidget*>(board_), static_cast<QWidget*>(target_), static_cast<QWidget*>(panel_)})
        Bevel(canvas, layout_.designOf(box).adjusted(-2, -2, 2, 2), 2, Qt::black, QColor(0xC0, 0xC0, 0xC0));
    toolbar_->paintFrame(canvas);
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    // Moves over a child control reach the window too; only the bare
    // background takes the frame away.
    if (childAt(e->position().toPoint()) == nullptr)
        toolbar_->pointerLeft();
    QWidget::mouseMoveEvent(e);
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    e->ignore(); // the focused control, if any, sees the key too
    // Digits typed on the move limit set it.
    UpDown* limit = controls_->limit();
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9 && limit->pointerOn() && limit->isEnabled()) {
        limit->typeDigit(e->key() - Qt::Key_0);
        return;
    }
    // A key held with Ctrl, Alt or Meta is a shortcut (one of a disabled
    // action's, say), and a modifier alone is no key: neither is board input.
    if ((e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0 ||
        e->key() == Qt::Key_Control || e->key() == Qt::Key_Shift || e->key() == Qt::Key_Alt ||
        e->key() == Qt::Key_Meta || e->key() == Qt::Key_AltGr)
        return;
    Input in;
    in.act = Act::Key;
    in.key = NameOfKey(e->key());
    in.text = e->text().isEmpty() ? 0 : char32_t(e->text().at(0).unicode());
    in.autoRepeat = e->isAutoRepeat();
    feed(in);
}

void TForm1::closeEvent(QCloseEvent* e) {
    // Closing during a slide or a run ends it as STOP would; a set-up is
    // given up; the game is kept for the next start.
    board_->abandon();
    control_.abortRun();
    waiting_.clear();
    session_.Input(Acting(Act::SlideEnded));
    if (session_.editing())
        showReply(session_.Input(Acting(Act::SetupCancel)));
    store_.keepGame(session_.Kept());
    e->accept();
}

void TForm1::setMessage(QLabel* line, const QString& text) {
    line->setText(text);
    layout_.refit(line); // a longer sentence in a smaller type, rather than cut
    // Painted with the reply that changed it, not when the event loop gets round to it.
    line->repaint();
    // A screen reader announces the new words.
    QAccessibleEvent changed(line, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

// The message and the words beside it share the line: the words beside it
// take what they need, up to half, and the message the rest.
void TForm1::placeMessages() {
    QRect message = kMessageLine;
    if (recordtext->isVisible() && !recordtext->text().isEmpty()) {
        const QFontMetrics fm(ScaledFont({13, true}, 1));
        const int need = std::min(fm.horizontalAdvance(recordtext->text()) + 8, kMessageLine.width() / 2);
        const QRect aside(kMessageLine.right() + 1 - need, kMessageLine.top(), need, kMessageLine.height());
        layout_.setDesign(recordtext, aside);
        message.setRight(aside.left() - 6);
    }
    layout_.setDesign(msgtext, message);
}

// What the session answered, shown: the words, the controls, the board, the
// list, the puzzle, to go, a slide; then what it asks of the window.
void TForm1::showReply(const Reply& r) {
    const View& v = r.view;
    const bool puzzleChanged =
        !view_.puzzleName.empty() && r.shownBoard.def && board_->shown().def.get() != r.shownBoard.def.get();
    view_ = v;
    if (r.newGame) {
        recordtext->hide();
        control_.resetSearch();
    }
    if (r.said.words != Words::Keep)
        setMessage(msgtext, Text(r.said));
    if (r.aside.words != Words::Keep) {
        setMessage(recordtext, Text(r.aside));
        recordtext->show();
    } else if (r.list && !r.newGame && recordtext->isVisible() && !r.recordsChanged && !r.celebrate &&
               r.said.words != Words::Keep) {
        // Said once: the next change of the game takes it away.
        recordtext->hide();
    }
    placeMessages();

    controls_->show(v);
    for (int a = 0; a < kActs; ++a)
        if (actions_[size_t(a)] != nullptr)
            actions_[size_t(a)]->setEnabled(v.enabled.test(size_t(a)));

    // Anything that changes the board ends a celebration at once.
    if (r.board || r.newGame || r.slide.made)
        board_->endCelebration();
    board_->show(r.shownBoard);
    board_->setHand(v.hand);
    if (puzzleChanged || target_ == nullptr || r.newGame)
        target_->show(r.shownBoard.def);
    if (r.list) {
        panel_->show(r.shownList);
        if (chartForm_->isVisible())
            chartForm_->Follow(r.chart);
    }
    if (r.slide.made) {
        board_->slide(r.slide);
        // Input still waiting hurries this slide too.
        if (!waiting_.empty())
            board_->hurry();
    }
    if (r.celebrate)
        board_->celebrate();
    if (r.recordsChanged)
        store_.keep(session_.lastSolve());
    if (r.run != RunOrder::None)
        control_.order(r.run);
    if (session_.CoachWants() && isVisible())
        QTimer::singleShot(0, this, &TForm1::askCoach);
    if (r.dialog != Dialog::None) {
        const Dialog d = r.dialog;
        if (d == Dialog::Chart)
            chartForm_->ShowChart(r.chart);
        else if (d == Dialog::GameStatistics && statForm_)
            statForm_->ShowGame(r.game, this);
        else
            runDialog(d);
    }
}

void TForm1::runDialog(Dialog dialog) {
    switch (dialog) {
    case Dialog::Statistics:
        if (statForm_)
            statForm_->ShowStatistics(session_.puzzle().counters(), this);
        break;
    case Dialog::Help:
        if (helpForm_)
            helpForm_->ShowHelp();
        break;
    case Dialog::Open:
        OpenMoves();
        break;
    case Dialog::Save:
        SaveMoves();
        break;
    case Dialog::Print: {
        const Reply r = session_.Whole();
        const Printing::Result done = printing_->print(
            {r.shownList, r.shownBoard,
             session_.puzzle().isClassic() ? QString() : Wording::puzzleName(session_.puzzleName())},
            QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
        if (!done.error.isEmpty())
            desktop_.reportError(done.error);
        else if (done.printed)
            showReply(session_.Printed(QDir::toNativeSeparators(done.file).toStdString()));
        break;
    }
    case Dialog::PrinterSetup:
        desktop_.runPrinterSetup();
        break;
    case Dialog::Puzzles:
        ShowPuzzles();
        break;
    case Dialog::Copy: {
        const BoardShown b = session_.Whole().shownBoard;
        QApplication::clipboard()->setText(QString::fromStdString(PuzzleText(*b.def, b.anchors.data())));
        break;
    }
    case Dialog::Paste:
        Paste();
        break;
    default:
        break;
    }
}

void TForm1::ShowPuzzles() {
    // With the records other windows have kept meanwhile.
    showReply(session_.SetRecords(store_.loadRecords()));
    const PuzzleChoice choice = desktop_.choosePuzzle();
    if (choice.kind == PuzzleChoice::Play)
        showReply(session_.ChoosePuzzle(choice.def, choice.name.toStdString()));
    else if (choice.kind == PuzzleChoice::SetUp)
        showReply(session_.BeginSetup());
}

void TForm1::SaveMoves() {
    const QString path = desktop_.chooseSaveFile();
    if (path.isEmpty())
        return;
    const Puzzle& p = session_.puzzle();
    const SavedFile saved =
        WriteMovesFile(QFile::encodeName(path).toStdString(), p.movesList(), p.lastMove(), p.def());
    if (!saved.ok()) {
        desktop_.reportError(Text(saved.error));
        return;
    }
    showReply(session_.Saved(QFile::decodeName(saved.name.c_str()).toStdString()));
}

void TForm1::OpenMoves() {
    const QString path = desktop_.chooseOpenFile();
    if (!path.isEmpty())
        OpenFile(path);
}

void TForm1::OpenFile(const QString& path) {
    Said error;
    const OpenedFile file = ReadFileAt(path, error);
    if (error.words != Words::Keep)
        desktop_.reportError(Text(error));
    else
        open(file);
}

void TForm1::open(const OpenedFile& file) {
    showReply(session_.Open(file));
}

void TForm1::Paste() {
    open(ReadPastedText(QApplication::clipboard()->text()));
}

} // namespace trulp
