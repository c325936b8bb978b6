#include "form1.h"

#include "boardview.h"
#include "chart.h"
#include "helpform.h"
#include "hooklabel.h"
#include "maker.h"
#include "movesio.h"
#include "movespanel.h"
#include "paintkit.h"
#include "printing.h"
#include "puzzlefile.h"
#include "puzzlesdialog.h"
#include "statform.h"
#include "targetview.h"
#include "theme.h"
#include "toolbar.h"
#include "updown.h"
#include "words.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

// The pictures live in a static library, so their resource is brought in
// by hand; Q_INIT_RESOURCE must be used outside any namespace.
static void InitPictures() {
    Q_INIT_RESOURCE(icons);
}

namespace trulp {

namespace {

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kGreen(0x00, 0x80, 0x00);
const QColor kPurple(0x80, 0x00, 0x80);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
const QColor kOchre(0x80, 0x60, 0x00);
const QColor kTeal(0x00, 0x80, 0x80);
constexpr size_t kWaitingInputs = 400;
const QRect kMessageLine{16, 658, 537, 25};

// A coloured text in the colour that reads on its background, now and
// whenever the desktop's palette changes.
void FollowColour(QWidget* w, const QColor& design) {
    FollowPalette(*w->window(), [w, design] { SetTextColour(w, design); });
}

// Every control is made at its design place and handed to the layout,
// which scales its place and its font with the window.
QPushButton* MakeButton(ScaledLayout& layout, const char* name, const QRect& g, const QString& caption,
                        const QColor* colour) {
    auto* b = new QPushButton(&layout.window());
    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    b->setObjectName(QLatin1String(name));
    b->setText(caption);
    b->setGeometry(g);
    layout.add(b, {13, true});
    // Keys belong to the puzzle (Space, Return, arrows, letters), so no
    // button keeps the keyboard focus.
    b->setFocusPolicy(Qt::NoFocus);
    if (colour)
        FollowColour(b, *colour);
    return b;
}

// Where a longer text must, it takes `room`, a place around its own.
QLabel* MakeLabel(ScaledLayout& layout, const char* name, const QRect& g, const QString& text,
                  const DesignFont& font = {12}, const QRect& room = {}) {
    auto* l = new QLabel(text, &layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    layout.add(l, font, room);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A number in a sunken field, centred.
QLabel* MakeValueField(ScaledLayout& layout, const char* name, const QRect& g, const QString& spoken) {
    auto* l = new QLabel(&layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAccessibleDescription(spoken);
    layout.add(l, {13});
    return l;
}

template <class View> View* Place(ScaledLayout& layout, View* view, const QRect& g) {
    view->setGeometry(g);
    layout.add(view);
    return view;
}

// The step box and the mode buttons as a screen reader sees them: a check
// box or a toggle button over all of its place, whose action clicks it as
// the mouse does. The stock faces cover only the step box's box and caption,
// and their action only flips a mode button, leaving the mode as it was.
class ToggleAccessible : public QAccessibleWidget {
public:
    ToggleAccessible(QAbstractButton* button, QAccessible::Role role) : QAccessibleWidget(button, role) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? button()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (button()->isEnabled())
            names << toggleAction() << pressAction();
        return names;
    }
    void doAction(const QString& action) override {
        if (action == toggleAction() || action == pressAction())
            button()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

QAccessibleInterface* AccessibleFactory(const QString& className, QObject* object) {
    const QString name = object->objectName();
    if (className == QLatin1String("QCheckBox") && name == QLatin1String("stepcheck"))
        return new ToggleAccessible(static_cast<QCheckBox*>(object), QAccessible::CheckBox);
    if (className == QLatin1String("QPushButton") &&
        (name == QLatin1String("playBtn") || name == QLatin1String("replayBtn") ||
         name == QLatin1String("searchBtn")))
        return new ToggleAccessible(static_cast<QPushButton*>(object), QAccessible::Button);
    return nullptr;
}

KeyName NameOfKey(int key) {
    switch (key) {
    case Qt::Key_Left:
        return KeyName::Left;
    case Qt::Key_Right:
        return KeyName::Right;
    case Qt::Key_Up:
        return KeyName::Up;
    case Qt::Key_Down:
        return KeyName::Down;
    case Qt::Key_Space:
        return KeyName::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyName::Return;
    case Qt::Key_Backspace:
        return KeyName::Backspace;
    case Qt::Key_Escape:
        return KeyName::Escape;
    default:
        return KeyName::Other;
    }
}

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
    static const bool factoryInstalled = (QAccessible::installFactory(AccessibleFactory), true);
    (void)factoryInstalled;

    // The moves files first, in the folder used last in this run, else
    // Documents, else home.
    const auto movesDialog = [this](bool save) {
        const QString filters = tr("TRULP moves and puzzles (TRULP_* TRULP+* *.trulp)") +
                                QStringLiteral(";;") + tr("All files (*)");
        if (lastFolder_.isEmpty())
            lastFolder_ = QFileInfo(Printing::ProposedPdfPath()).absolutePath();
        const QString path =
            save ? QFileDialog::getSaveFileName(this, tr("TRULP: save moves"), lastFolder_, filters)
                 : QFileDialog::getOpenFileName(this, tr("TRULP: open moves file"), lastFolder_, filters);
        if (!path.isEmpty())
            lastFolder_ = QFileInfo(path).absolutePath();
        return path;
    };
    desktop_.chooseSaveFile = [movesDialog] { return movesDialog(true); };
    desktop_.chooseOpenFile = [movesDialog] { return movesDialog(false); };
    desktop_.choosePdfFile = [this](const QString& proposed) {
        // The dialog asks before it lets a file be replaced.
        return QFileDialog::getSaveFileName(this, tr("Print to PDF file"), proposed, tr("PDF files (*.pdf)"));
    };
    desktop_.runPrinterSetup = [this] { printing_->setup(); };
    desktop_.reportError = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
    desktop_.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
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
        togotext->setToolTip(
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

    auto* logo = new HookLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setAccessibleName(QStringLiteral("Quorvel"));
    logo->setGeometry(288, 8, 125, 30);
    layout_.add(logo);
    // The maker's name is dark: in a dark style the logo keeps its own
    // light background, as pictures do.
    FollowPalette(*this, [logo] {
        logo->setPicture(QStringLiteral(":/icons/logo"), !IsDarkPalette(QApplication::palette()));
    });

    // The maker's web address: blue, red and underlined under the pointer.
    auto* link = new HookLabel(this);
    link->setObjectName(QStringLiteral("Label7"));
    link->setText(QString::fromLatin1(kMakerWebAddress));
    const DesignFont linkFont{12};
    link->setFont(ScaledFont(linkFont, 1));
    // Sized to its text, with room to spare so that it still shows whole
    // in a scaled font.
    link->setGeometry(288, 40, std::max(86, link->sizeHint().width() + 8), 15);
    layout_.add(link, linkFont, {288, 40, 140, 15});
    link->setCursor(Qt::PointingHandCursor);
    const auto linkLook = [link](bool hover) {
        QFont f = link->font();
        f.setUnderline(hover);
        link->setFont(f);
        SetTextColour(link, hover ? kRed : kBlue);
    };
    FollowPalette(*this, [link] { SetTextColour(link, link->underMouse() ? kRed : kBlue); });
    link->onEnter = [linkLook] { linkLook(true); };
    link->onLeave = [linkLook] { linkLook(false); };
    link->onMouseDown = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            desktop_.openUrl(QUrl(QString::fromLatin1(kMakerUrl)));
    };

    //: The button that opens the help window.
    controls_[size_t(Act::Help)] = MakeButton(layout_, "helpBtn", {488, 8, 65, 28}, tr("help"), nullptr);
    //: Above the moves list.
    MakeLabel(layout_, "Label3", {432, 27, 37, 15}, tr("moves"));

    panel_ = Place(layout_, new MovesPanel(this), {432, 48, 120, 600});
    target_ = Place(layout_, new TargetView(this), {352, 64, 60, 75});

    //: Beside the target, the first of three lines read together: "shift until" / "block X" / "is here".
    MakeLabel(layout_, "Label1", {296, 93, 49, 15}, tr("shift until"), {12}, {288, 93, 62, 15});
    //: The second of the three lines beside the target: "shift until" / "block X" / "is here".
    MakeLabel(layout_, "Label5", {304, 110, 39, 15}, tr("block X"), {12}, {288, 110, 62, 15});
    //: The third of the three lines beside the target: "shift until" / "block X" / "is here".
    MakeLabel(layout_, "Label2", {304, 126, 38, 15}, tr("is here"), {12}, {288, 126, 62, 15});
    //: The move limit of the search, above its number. Short: about 9 letters.
    const QString limitName = tr("max.move");
    MakeLabel(layout_, "Label4", {16, 65, 56, 15}, limitName, {12}, {8, 65, 72, 15});

    QLabel* maxmovetext = MakeValueField(layout_, "maxmovetext", {16, 83, 41, 22}, limitName);
    auto* maxmoveUpDown = new UpDown(this, kMinMoveLimit, kMaxMoveLimit, kDefaultMoveLimit);
    maxmoveUpDown->setObjectName(QStringLiteral("maxmoveUpDown"));
    maxmoveUpDown->setAccessibleName(limitName);
    maxmoveUpDown->upButton()->setAccessibleName(tr("raise the move limit"));
    maxmoveUpDown->downButton()->setAccessibleName(tr("lower the move limit"));
    Place(layout_, maxmoveUpDown, {57, 83, 18, 22});
    maxmoveUpDown->setBoundLabel(maxmovetext);
    controls_[size_t(Act::MoveLimit)] = maxmoveUpDown;

    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    auto* stepcheck = new QCheckBox(this);
    stepcheck->setObjectName(QStringLiteral("stepcheck"));
    //: The check box for one move at a time. Short: about 6 letters.
    stepcheck->setText(tr("step"));
    stepcheck->setGeometry(80, 80, 49, 17);
    layout_.add(stepcheck, {12});
    ScaleWithHeight(stepcheck);
    stepcheck->setFocusPolicy(Qt::NoFocus);
    controls_[size_t(Act::Step)] = stepcheck;

    //: Mode button: the player moves the blocks. Short: about 8 letters.
    auto* play = MakeButton(layout_, "playBtn", {16, 112, 65, 28}, tr("play"), &kGreen);
    play->setToolTip(tr("find solutions yourself"));
    //: Mode button: the moves list played again. Short: about 8 letters.
    auto* replay = MakeButton(layout_, "replayBtn", {88, 112, 65, 28}, tr("replay"), &kNavy);
    replay->setToolTip(tr("replay moves"));
    //: Mode button: the computer searches. Short: about 8 letters.
    auto* search = MakeButton(layout_, "searchBtn", {160, 112, 65, 28}, tr("search"), &kPurple);
    search->setToolTip(tr("let computer search for solutions"));
    for (QPushButton* b : {play, replay, search})
        b->setCheckable(true);
    controls_[size_t(Act::Play)] = play;
    controls_[size_t(Act::Replay)] = replay;
    controls_[size_t(Act::Search)] = search;

    board_ = Place(layout_, new BoardView(this), {16, 148, 400, 500});

    msgtext = MakeLabel(layout_, "msgtext", kMessageLine, QString(), {16, true});
    msgtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A new record, how to undo, or why an input waits: at the end of the
    // message line, beside the message, never over it.
    recordtext = MakeLabel(layout_, "recordtext", {296, 658, 257, 25}, QString(), {13, true});
    recordtext->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FollowColour(recordtext, kPurple);
    recordtext->hide();

    //: Puts the blocks back at the start. Short: about 8 letters.
    controls_[size_t(Act::Reset)] = MakeButton(layout_, "resetBtn", {16, 696, 65, 28}, tr("reset"), &kRed);
    //: Takes the last move back. Short: about 7 letters.
    controls_[size_t(Act::Back)] = MakeButton(layout_, "BackBtn", {288, 696, 57, 28}, tr("back"), &kGreen);
    controls_[size_t(Act::Back)]->setToolTip(tr("take the last move back (Backspace)"));
    controls_[size_t(Act::Go)] =
        MakeButton(layout_, "goBtn", {360, 696, 57, 28}, Wording::caption(GoCaption::Go), &kGreen);
    //: Opens the search's statistics. Short: about 10 letters.
    controls_[size_t(Act::Statistics)] =
        MakeButton(layout_, "statBtn", {472, 696, 75, 28}, tr("statistics"), &kNavy);

    // The coach, in the free space beside the move limit and the buttons.
    //: Above the number of moves still needed to reach the goal.
    MakeLabel(layout_, "Label8", {144, 65, 40, 15}, tr("to go"))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    togotext = MakeValueField(layout_, "togotext", {144, 83, 41, 22}, tr("moves to go"));
    //: The coach's hint. Short: about 8 letters.
    controls_[size_t(Act::Hint)] = MakeButton(layout_, "hintBtn", {96, 696, 65, 28}, tr("hint"), &kOchre);
    //: The coach plays the rest of the way. Short: about 8 letters.
    controls_[size_t(Act::Solve)] = MakeButton(layout_, "solveBtn", {168, 696, 65, 28}, tr("solve"), &kTeal);
    chartForm_ = new GameChart(this);

    // The puzzles: the one played is named beside the moves to go, and a
    // picture below it opens the collection.
    //: Above the name of the puzzle being played.
    MakeLabel(layout_, "Label9", {196, 65, 90, 15}, tr("puzzle"))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    puzzletext = MakeValueField(layout_, "puzzletext", {196, 83, 90, 22}, tr("puzzle"));
    puzzlesForm_ = new PuzzlesDialog(this);
    // Setting up a puzzle takes the coach's place in the bottom row.
    //: Ends setting up a puzzle and plays it. Short: about 8 letters.
    controls_[size_t(Act::SetupDone)] =
        MakeButton(layout_, "setupDoneBtn", {96, 696, 65, 28}, tr("play it"), &kGreen);
    controls_[size_t(Act::SetupDone)]->setToolTip(tr("play the position set up"));
    //: Gives up setting up a puzzle. Short: about 8 letters.
    controls_[size_t(Act::SetupCancel)] =
        MakeButton(layout_, "setupCancelBtn", {168, 696, 65, 28}, tr("cancel"), &kRed);
    controls_[size_t(Act::SetupDone)]->hide();
    controls_[size_t(Act::SetupCancel)]->hide();
}

void TForm1::connectHandlers() {
    for (const Act act : {Act::Play, Act::Replay, Act::Search, Act::Step}) {
        auto* b = static_cast<QAbstractButton*>(controls_[size_t(act)]);
        connect(b, &QAbstractButton::clicked, this, [this, act](bool on) {
            feed(Acting(act, on));
            setFocus(); // no control keeps the keyboard focus
        });
    }
    for (const Act act : {Act::Reset, Act::Back, Act::Go, Act::Statistics, Act::Hint, Act::Solve,
                          Act::SetupDone, Act::SetupCancel, Act::Help})
        connect(static_cast<QPushButton*>(controls_[size_t(act)]), &QPushButton::clicked, this,
                [this, act] { feed(Acting(act)); });
    auto* limit = static_cast<UpDown*>(controls_[size_t(Act::MoveLimit)]);
    limit->onMouseUp = [this, limit] {
        Input in = Acting(Act::MoveLimit);
        in.value = limit->position();
        feed(in);
    };
    connect(toolbar_, &ToolBar::activated, this, [this](int picture) {
        static constexpr Act kPictures[ToolBar::Count] = {
            Act::Key, Act::Open, Act::Save, Act::Print, Act::PrinterSetup, Act::Chart, Act::Puzzles};
        if (picture > ToolBar::None && picture < ToolBar::Count)
            feed(Acting(kPictures[picture]));
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
            const auto* toggle = qobject_cast<QAbstractButton*>(controls_[size_t(act)]);
            feed(Acting(act, toggle && toggle->isCheckable() ? !toggle->isChecked() : false));
        });
        addAction(action);
        actions_[size_t(act)] = action;
        QWidget* shows = controls_[size_t(act)];
        if (shows == nullptr && act >= Act::Open && act <= Act::Puzzles)
            shows = toolbar_->picture(act == Act::Open           ? ToolBar::Open
                                      : act == Act::Save         ? ToolBar::Save
                                      : act == Act::Print        ? ToolBar::Print
                                      : act == Act::PrinterSetup ? ToolBar::PrinterSetup
                                      : act == Act::Chart        ? ToolBar::Chart
                                                                 : ToolBar::Puzzles);
        if (shows != nullptr && !f.keys.isEmpty()) {
            const QString tip = shows->toolTip().isEmpty() ? f.name : shows->toolTip();
            //: A tool tip with its key: "save moves (Ctrl+S)".
            shows->setToolTip(tr("%1 (%2)").arg(tip, f.keys.front().toString(QKeySequence::NativeText)));
        }
    }
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
    auto* limit = static_cast<UpDown*>(controls_[size_t(Act::MoveLimit)]);
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9 && limit->pointerOn() && limit->isEnabled()) {
        limit->typeDigit(e->key() - Qt::Key_0);
        return;
    }
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

    auto* go = static_cast<QPushButton*>(controls_[size_t(Act::Go)]);
    if (const QString caption = Wording::caption(v.go); go->text() != caption) {
        go->setText(caption);
        layout_.refit(go);
    }
    for (int a = 0; a < kActs; ++a) {
        const bool on = v.enabled.test(size_t(a));
        if (controls_[size_t(a)] != nullptr)
            controls_[size_t(a)]->setEnabled(on);
        if (actions_[size_t(a)] != nullptr)
            actions_[size_t(a)]->setEnabled(on);
    }
    for (const auto& [act, mode] :
         {std::pair{Act::Play, kPlay}, {Act::Replay, kReplay}, {Act::Search, kSearch}})
        static_cast<QPushButton*>(controls_[size_t(act)])->setChecked(v.mode == mode);
    static_cast<QCheckBox*>(controls_[size_t(Act::Step)])->setChecked(v.stepMode);
    // While a puzzle is set up, its two buttons take the coach's places.
    controls_[size_t(Act::Hint)]->setVisible(!v.editing);
    controls_[size_t(Act::Solve)]->setVisible(!v.editing);
    controls_[size_t(Act::SetupDone)]->setVisible(v.editing);
    controls_[size_t(Act::SetupCancel)]->setVisible(v.editing);
    const QString coachTip = v.coach == CoachState::TooLarge ? Wording::coachUnknown() : QString();
    controls_[size_t(Act::Hint)]->setToolTip(coachTip.isEmpty() ? tr("show the best next move") : coachTip);
    controls_[size_t(Act::Solve)]->setToolTip(coachTip.isEmpty() ? tr("play the shortest way to the goal")
                                                                 : coachTip);

    auto* limit = static_cast<UpDown*>(controls_[size_t(Act::MoveLimit)]);
    limit->setRange(kMinMoveLimit, v.moveLimitCeiling);
    limit->setPosition(v.moveLimit);
    if (const QString name = Wording::puzzleName(v.puzzleName); puzzletext->text() != name) {
        puzzletext->setText(name);
        layout_.refit(puzzletext);
    }
    const QString toGo = v.toGo >= 0                      ? QLocale().toString(v.toGo)
                         : v.coach == CoachState::Waiting ? QStringLiteral("\u2026")
                                                          : QString();
    if (togotext->text() != toGo)
        setMessage(togotext, toGo);
    if (v.coach != CoachState::Waiting)
        togotext->setToolTip(coachTip);

    // Anything that changes the board ends a celebration at once.
    if (r.list || r.slide.made)
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
    if (r.slide.made)
        board_->slide(r.slide);
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
    const FileBytes file = ReadFileStart(QFile::encodeName(path).toStdString(), kLargestPuzzleText);
    if (!file.ok()) {
        desktop_.reportError(Text(file.error));
        return;
    }
    open(ReadOpenedFile(file.bytes));
}

void TForm1::open(const OpenedFile& file) {
    showReply(session_.Open(file));
}

void TForm1::Paste() {
    const std::string text = QApplication::clipboard()->text().toStdString();
    OpenedFile opened = ReadOpenedFile(text);
    // Only a puzzle or a game of one comes in as text.
    if (opened.kind == OpenedFile::Kind::Game && !opened.ownPuzzle)
        opened = {};
    if (opened.kind == OpenedFile::Kind::Refused && opened.error.words == Words::ReadError)
        opened.error = Said(Words::PuzzleNoMagic, 1, 0, 0, std::string(kPuzzleMark));
    open(opened);
}

} // namespace trulp
