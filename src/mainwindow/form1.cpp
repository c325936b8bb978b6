#include "form1.h"

#include "boardview.h"
#include "chart.h"
#include "distance.h"
#include "helpform.h"
#include "hooklabel.h"
#include "maker.h"
#include "movesio.h"
#include "movespanel.h"
#include "paintkit.h"
#include "print_page.h"
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
#include <QCloseEvent>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
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

bool IsGoKey(int key) {
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The cursor key's direction, 0 for any other key.
unsigned DirectionOfKey(int key) {
    return key == Qt::Key_Left    ? Left
           : key == Qt::Key_Up    ? Up
           : key == Qt::Key_Right ? Right
           : key == Qt::Key_Down  ? Down
                                  : 0;
}

} // namespace

TForm1::TForm1(Puzzle& puzzle, QWidget* parent)
    : QWidget(parent), session_(puzzle), control_(session_, *this),
      layout_(*this, {kClientWidth, kClientHeight}, DesignFont{11}) {
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
        const QString filters =
            tr("TRULP moves (TRULP_* TRULP+*)") + QStringLiteral(";;") + tr("All files (*)");
        if (lastFolder_.isEmpty()) {
            lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (lastFolder_.isEmpty() || !QDir(lastFolder_).exists())
                lastFolder_ = QDir::homePath();
        }
        const QString path =
            save ? QFileDialog::getSaveFileName(this, tr("TRULP: save moves"), lastFolder_, filters)
                 : QFileDialog::getOpenFileName(this, tr("TRULP: open moves file"), lastFolder_, filters);
        if (!path.isEmpty())
            lastFolder_ = QFileInfo(path).absolutePath();
        return path;
    };
    desktop_.chooseSaveFile = [movesDialog] { return movesDialog(true); };
    desktop_.chooseOpenFile = [movesDialog] { return movesDialog(false); };
    // The dialog asks before it lets a file be replaced.
    desktop_.choosePdfFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, tr("Print to PDF file"), proposed, tr("PDF files (*.pdf)"));
    };
    desktop_.runPrinterSetup = [this] {
        PrinterSetup();
        return true;
    };
    desktop_.reportError = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
    desktop_.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    desktop_.runChart = [this](const ChartData& chart) { chartForm_->ShowChart(chart); };
    desktop_.choosePuzzle = [this] {
        return puzzlesForm_->choose(session_.records(), &session_.puzzle().start());
    };

    creating_ = true;
    buildLayout();
    connectHandlers();
    makeActions();
    showReply(session_.Start(moveLimit()));
    creating_ = false;
    setRecordsFile(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                       .filePath(QStringLiteral("records")));
    // After the welcome, the game of the last run where there is one.
    ResumeGame();
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

bool TForm1::busy() const {
    return board_->sliding() || control_.running() || creating_ || session_.editing();
}

QPushButton* TForm1::button(Control c) const {
    return static_cast<QPushButton*>(controls_[size_t(c)]);
}

int32_t TForm1::moveLimit() const {
    return static_cast<UpDown*>(controls_[size_t(Control::MoveLimit)])->position();
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
    // Sized to its text, like the other labels, so the address shows whole;
    // with a little room, so that it still does in a scaled font.
    link->setGeometry(288, 40, std::max(86, link->sizeHint().width() + 4), 15);
    layout_.add(link, linkFont);
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
    helpBtn = MakeButton(layout_, "helpBtn", {488, 8, 65, 28}, tr("help"), nullptr);
    //: Above the moves list.
    MakeLabel(layout_, "Label3", {432, 27, 37, 15}, tr("moves"));

    panel_ = Place(layout_, new MovesPanel(session_.puzzle(), this), {432, 48, 120, 600});
    target_ = Place(layout_, new TargetView(this), {352, 64, 60, 75});

    //: Beside the target, three lines: "shift until" / "block X" / "is here".
    MakeLabel(layout_, "Label1", {296, 93, 49, 15}, tr("shift until"), {12}, {288, 93, 62, 15});
    MakeLabel(layout_, "Label5", {304, 110, 39, 15}, tr("block X"), {12}, {288, 110, 62, 15});
    MakeLabel(layout_, "Label2", {304, 126, 38, 15}, tr("is here"), {12}, {288, 126, 62, 15});
    //: The move limit of the search, above its number. Short: about 9 letters.
    const QString limitName = tr("max.move");
    MakeLabel(layout_, "Label4", {16, 65, 56, 15}, limitName);

    QLabel* maxmovetext = MakeValueField(layout_, "maxmovetext", {16, 83, 41, 22}, limitName);
    auto* maxmoveUpDown = new UpDown(this, kMinMoveLimit, kMaxMoveLimit, kDefaultMoveLimit);
    maxmoveUpDown->setObjectName(QStringLiteral("maxmoveUpDown"));
    maxmoveUpDown->setAccessibleName(limitName);
    maxmoveUpDown->upButton()->setAccessibleName(tr("raise the move limit"));
    maxmoveUpDown->downButton()->setAccessibleName(tr("lower the move limit"));
    Place(layout_, maxmoveUpDown, {57, 83, 18, 22});
    maxmoveUpDown->setBoundLabel(maxmovetext);
    controls_[size_t(Control::MoveLimit)] = maxmoveUpDown;

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
    controls_[size_t(Control::Step)] = stepcheck;

    //: Mode button: the player moves the blocks. Short: about 8 letters.
    modeBtns_[kPlay] = MakeButton(layout_, "playBtn", {16, 112, 65, 28}, tr("play"), &kGreen);
    modeBtns_[kPlay]->setToolTip(tr("find solutions yourself"));
    //: Mode button: the moves list played again. Short: about 8 letters.
    modeBtns_[kReplay] = MakeButton(layout_, "replayBtn", {88, 112, 65, 28}, tr("replay"), &kNavy);
    modeBtns_[kReplay]->setToolTip(tr("replay moves"));
    //: Mode button: the computer searches. Short: about 8 letters.
    modeBtns_[kSearch] = MakeButton(layout_, "searchBtn", {160, 112, 65, 28}, tr("search"), &kPurple);
    modeBtns_[kSearch]->setToolTip(tr("let computer search for solutions"));
    for (QPushButton* b : modeBtns_)
        b->setCheckable(true);

    board_ = Place(layout_, new BoardView(session_, this), {16, 148, 400, 500});

    msgtext = MakeLabel(layout_, "msgtext", {16, 658, 537, 25}, QString(), {16, true});
    msgtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A new record is announced at the end of the message line, beside the
    // words that greet the goal.
    recordtext = MakeLabel(layout_, "recordtext", {296, 658, 257, 25}, QString(), {13, true});
    recordtext->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FollowColour(recordtext, kPurple);
    recordtext->hide();

    //: Puts the blocks back at the start. Short: about 8 letters.
    resetBtn = MakeButton(layout_, "resetBtn", {16, 696, 65, 28}, tr("reset"), &kRed);
    //: Takes the last move back. Short: about 7 letters.
    controls_[size_t(Control::Back)] =
        MakeButton(layout_, "BackBtn", {288, 696, 57, 28}, tr("back"), &kGreen);
    controls_[size_t(Control::Back)]->setToolTip(tr("take the last move back (Backspace)"));
    controls_[size_t(Control::Go)] =
        MakeButton(layout_, "goBtn", {360, 696, 57, 28}, Wording::caption(GoCaption::Go), &kGreen);
    //: Opens the search's statistics. Short: about 10 letters.
    controls_[size_t(Control::Statistics)] =
        MakeButton(layout_, "statBtn", {472, 696, 75, 28}, tr("statistics"), &kNavy);

    // The coach, in the free space beside the move limit and the buttons.
    //: Above the number of moves still needed to reach the goal.
    MakeLabel(layout_, "Label8", {144, 65, 40, 15}, tr("to go"))
        ->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    togotext = MakeValueField(layout_, "togotext", {144, 83, 41, 22}, tr("moves to go"));
    //: The coach's hint. Short: about 8 letters.
    controls_[size_t(Control::Hint)] = MakeButton(layout_, "hintBtn", {96, 696, 65, 28}, tr("hint"), &kOchre);
    controls_[size_t(Control::Hint)]->setToolTip(tr("show the best next move"));
    //: The coach plays the rest of the way. Short: about 8 letters.
    controls_[size_t(Control::Solve)] =
        MakeButton(layout_, "solveBtn", {168, 696, 65, 28}, tr("solve"), &kTeal);
    controls_[size_t(Control::Solve)]->setToolTip(tr("play the shortest way to the goal"));
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
    setupBtns_[0] = MakeButton(layout_, "setupDoneBtn", {96, 696, 65, 28}, tr("play it"), &kGreen);
    setupBtns_[0]->setToolTip(tr("play the position set up"));
    setupBtns_[1] = MakeButton(layout_, "setupCancelBtn", {168, 696, 65, 28}, tr("cancel"), &kRed);
    for (QPushButton* b : setupBtns_)
        b->hide();
}

void TForm1::connectHandlers() {
    for (const Mode mode : {kPlay, kReplay, kSearch})
        connect(modeBtns_[mode], &QPushButton::clicked, this, [this, mode] { modeBtnClick(mode); });
    connect(resetBtn, &QPushButton::clicked, this, [this] {
        if (!busy())
            showReply(session_.Reset(moveLimit()));
    });
    connect(button(Control::Back), &QPushButton::clicked, this, [this] {
        if (!busy())
            showReply(session_.Back());
    });
    connect(button(Control::Go), &QPushButton::clicked, this, [this] { control_.goBtnClick(busy()); });
    connect(button(Control::Statistics), &QPushButton::clicked, this, [this] {
        if (!busy() && statForm_)
            statForm_->ShowStatistics(session_.puzzle().counters(), this);
    });
    connect(button(Control::Hint), &QPushButton::clicked, this, &TForm1::hintBtnClick);
    connect(button(Control::Solve), &QPushButton::clicked, this, &TForm1::solveBtnClick);
    for (const bool use : {true, false})
        connect(setupBtns_[use ? 0 : 1], &QPushButton::clicked, this,
                [this, use] { showReply(session_.EndSetup(use, moveLimit())); });
    connect(helpBtn, &QPushButton::clicked, this, [this] {
        if (!busy() && helpForm_)
            helpForm_->ShowHelp();
    });
    auto* stepcheck = static_cast<QCheckBox*>(controls_[size_t(Control::Step)]);
    connect(stepcheck, &QCheckBox::clicked, this, [this, stepcheck] {
        session_.SetStepMode(stepcheck->isChecked());
        setFocus(); // no control keeps the keyboard focus
    });
    auto* limit = static_cast<UpDown*>(controls_[size_t(Control::MoveLimit)]);
    limit->onMouseUp = [this, limit] {
        if (busy())
            return;
        // Never below the moves already made: the control shows the limit that holds.
        const Reply r = session_.SetMoveLimit(limit->position());
        limit->setPosition(r.view.moveLimit);
        showReply(r);
    };

    toolbar_->refusing = [this] { return busy(); };
    connect(toolbar_, &ToolBar::activated, this, &TForm1::runPicture);

    board_->refusing = [this] { return control_.running() || creating_; };
    connect(board_, &BoardView::pressed, this, [this] {
        session_.Deselect();
        board_->showSelection(0);
        board_->endCelebration();
    });
    connect(board_, &BoardView::dragged, this,
            [this](int block, unsigned d) { showReply(session_.Drag(block, d)); });
    connect(board_, &BoardView::taken, this, [this](int block) {
        showReply(session_.Letter(char32_t(startTable[block].letter - 'A' + 'a')));
    });
    connect(board_, &BoardView::placed, this,
            [this](int block, int field) { showReply(session_.Place(block, field)); });
    connect(board_, &BoardView::keyTyped, this, &TForm1::handleKey);
    connect(board_, &BoardView::slideFinished, this, [this] { control_.slideFinished(); });
}

void TForm1::makeActions() {
    // A button's action clicks it, so that it does only what the button may.
    const auto press = [](QAbstractButton* b) {
        return [b] {
            if (b->isEnabled() && b->isVisible())
                b->click();
        };
    };
    const auto unlessBusy = [this](void (TForm1::*handler)()) {
        return [this, handler] {
            if (!busy())
                (this->*handler)();
        };
    };
    // The desktop's keys for a standard function; ours where it has none.
    const auto standard = [](QKeySequence::StandardKey key, QKeySequence ours) {
        const QList<QKeySequence> keys = QKeySequence::keyBindings(key);
        return keys.isEmpty() ? QList<QKeySequence>{ours} : keys;
    };
    struct Function {
        QList<QKeySequence> keys;
        QString name;
        std::function<void()> run;
        QWidget* shows; // the control whose tool tip names the key
    };
    const Function functions[] = {
        {standard(QKeySequence::Open, Qt::CTRL | Qt::Key_O),
         toolbar_->picture(ToolBar::Open)->accessibleName(), unlessBusy(&TForm1::OpenMoves),
         toolbar_->picture(ToolBar::Open)},
        {standard(QKeySequence::Save, Qt::CTRL | Qt::Key_S),
         toolbar_->picture(ToolBar::Save)->accessibleName(), unlessBusy(&TForm1::SaveMoves),
         toolbar_->picture(ToolBar::Save)},
        {standard(QKeySequence::Print, Qt::CTRL | Qt::Key_P),
         toolbar_->picture(ToolBar::Print)->accessibleName(), unlessBusy(&TForm1::PrintMoves),
         toolbar_->picture(ToolBar::Print)},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)},
         toolbar_->picture(ToolBar::PrinterSetup)->accessibleName(),
         [this] {
             if (!busy())
                 desktop_.runPrinterSetup();
         },
         toolbar_->picture(ToolBar::PrinterSetup)},
        {{QKeySequence(Qt::CTRL | Qt::Key_G)},
         toolbar_->picture(ToolBar::Chart)->accessibleName(),
         [this] { runPicture(ToolBar::Chart); },
         toolbar_->picture(ToolBar::Chart)},
        {{QKeySequence(Qt::CTRL | Qt::Key_L)},
         toolbar_->picture(ToolBar::Puzzles)->accessibleName(),
         unlessBusy(&TForm1::ShowPuzzles),
         toolbar_->picture(ToolBar::Puzzles)},
        {standard(QKeySequence::HelpContents, Qt::Key_F1), tr("help"), press(helpBtn), helpBtn},
        {standard(QKeySequence::Undo, Qt::CTRL | Qt::Key_Z), tr("undo"),
         [this] {
             if (!busy())
                 showReply(session_.Undo());
         },
         nullptr},
        {standard(QKeySequence::Redo, Qt::CTRL | Qt::SHIFT | Qt::Key_Z), tr("redo"),
         [this] {
             if (!busy())
                 showReply(session_.Redo());
         },
         nullptr},
        {{QKeySequence(Qt::CTRL | Qt::Key_1)}, tr("play"), press(modeBtns_[kPlay]), modeBtns_[kPlay]},
        {{QKeySequence(Qt::CTRL | Qt::Key_2)}, tr("replay"), press(modeBtns_[kReplay]), modeBtns_[kReplay]},
        {{QKeySequence(Qt::CTRL | Qt::Key_3)}, tr("search"), press(modeBtns_[kSearch]), modeBtns_[kSearch]},
        {{QKeySequence(Qt::CTRL | Qt::Key_R)}, tr("reset"), press(resetBtn), resetBtn},
        {{QKeySequence(Qt::CTRL | Qt::Key_H)},
         tr("hint"),
         press(button(Control::Hint)),
         button(Control::Hint)},
        {{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H)},
         tr("solve"),
         press(button(Control::Solve)),
         button(Control::Solve)},
        {{QKeySequence(Qt::CTRL | Qt::Key_I)},
         tr("statistics"),
         press(button(Control::Statistics)),
         button(Control::Statistics)},
        {{QKeySequence(Qt::CTRL | Qt::Key_N)},
         tr("next puzzle without a record"),
         [this] {
             if (!busy())
                 showReply(session_.NextPuzzle(moveLimit()));
         },
         nullptr},
        {standard(QKeySequence::FullScreen, Qt::Key_F11), tr("full screen"),
         [this] { setWindowState(windowState() ^ Qt::WindowFullScreen); }, nullptr},
        {standard(QKeySequence::Quit, Qt::CTRL | Qt::Key_Q), tr("quit"), [this] { close(); }, nullptr},
    };
    for (const Function& s : functions) {
        auto* action = new QAction(s.name, this);
        action->setShortcuts(s.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, s.run);
        addAction(action);
        if (s.shows != nullptr && !s.keys.isEmpty()) {
            const QString tip = s.shows->toolTip().isEmpty() ? s.name : s.shows->toolTip();
            //: A tool tip with its key: "save moves (Ctrl+S)".
            s.shows->setToolTip(tr("%1 (%2)").arg(tip, s.keys.front().toString(QKeySequence::NativeText)));
        }
    }
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (DistanceTable::SharedBuilt())
        return;
    // The window first: the coach's table is built once it has been shown.
    QTimer::singleShot(0, this, [this] {
        DistanceTable::Shared();
        showReply(session_.CoachReady());
    });
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

void TForm1::closeEvent(QCloseEvent* e) {
    // Closing during a slide or a run ends it as STOP would.
    board_->abandon();
    control_.abortRun();
    if (session_.editing())
        session_.EndSetup(false, moveLimit());
    // The game is kept for the next start; quietly, as the records are.
    if (const QString path = gameFile(); !path.isEmpty()) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const std::string text = session_.GameText();
        WriteFileAtomically(QFile::encodeName(path).toStdString(), text.data(), text.size());
    }
    e->accept();
}

QString TForm1::gameFile() const {
    return recordsFile_.isEmpty() ? QString()
                                  : QFileInfo(recordsFile_).dir().filePath(QStringLiteral("game"));
}

void TForm1::ResumeGame() {
    const QString path = gameFile();
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly))
        return; // a fresh home starts as ever
    const QByteArray text = file.read(64 * 1024);
    file.close();
    if (session_.Resume(std::string_view(text.constData(), size_t(text.size())), moveLimit())) {
        showReply(session_.Whole());
        return;
    }
    // Damaged: set aside, and the program starts fresh without a word.
    QFile::remove(path + QStringLiteral(".damaged"));
    QFile::rename(path, path + QStringLiteral(".damaged"));
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

// What the session answered, shown: the words, GO's caption, the controls of
// the mode, the board, the list, the puzzle, to go, a slide and a record.
void TForm1::showReply(const Reply& r) {
    const View& v = r.view;
    if (r.newGame) {
        recordtext->hide();
        control_.resetSearch();
    }
    if (r.said.words != Words::Keep)
        setMessage(msgtext, Text(r.said));
    if (r.go != GoCaption::Keep) {
        button(Control::Go)->setText(Wording::caption(r.go));
        layout_.refit(button(Control::Go));
    }
    for (int c = 0; c < kModeControls; ++c)
        controls_[size_t(c)]->setEnabled(v.controls & Bit(Control(c)));
    for (const Mode mode : {kPlay, kReplay, kSearch})
        modeBtns_[mode]->setChecked(v.mode == mode);
    // While a puzzle is set up, only the set-up takes input.
    for (QWidget* w : {static_cast<QWidget*>(modeBtns_[kPlay]), static_cast<QWidget*>(modeBtns_[kReplay]),
                       static_cast<QWidget*>(modeBtns_[kSearch]), static_cast<QWidget*>(resetBtn),
                       static_cast<QWidget*>(helpBtn)})
        w->setEnabled(!v.editing);
    button(Control::Hint)->setVisible(!v.editing);
    button(Control::Solve)->setVisible(!v.editing);
    for (QPushButton* b : setupBtns_)
        b->setVisible(v.editing);
    if (const QString name = Wording::puzzleName(v.puzzleName); puzzletext->text() != name) {
        puzzletext->setText(name);
        layout_.refit(puzzletext);
    }
    const QString toGo = v.toGo >= 0 && v.toGo != kNoDistance ? QLocale().toString(v.toGo) : QString();
    if (togotext->text() != toGo)
        setMessage(togotext, toGo);

    // Anything that changes the board ends a celebration at once.
    if (r.list || r.board || r.slide.made)
        board_->endCelebration();
    board_->showBoard(v.selected);
    if (r.list)
        panel_->showList();
    if (r.record.words != Words::Keep) {
        setMessage(recordtext, Text(r.record));
        recordtext->show();
        undoHint_ = r.record.words == Words::MovesCleared;
        if (r.recordsChanged)
            keepRecords();
    } else if (undoHint_ && (r.list || r.board)) {
        // Said once: the next change of the game takes it away.
        recordtext->hide();
        undoHint_ = false;
    }
    if ((r.list || r.board || r.record.words != Words::Keep) && chartForm_->isVisible())
        chartForm_->Follow(ChartOf(session_));
    if (r.slide.made)
        board_->slide(r.slide);
    if (r.celebrate)
        board_->celebrate();
}

void TForm1::keyPressEvent(QKeyEvent* e) {
    e->ignore(); // the focused control, if any, sees the key too
    if (session_.editing()) {
        if (!board_->dragging())
            setupKey(e->key(), e->text());
        return;
    }
    if (IsGoKey(e->key())) {
        control_.goBtnClick(busy());
        return;
    }
    // Digits typed on the move limit set it.
    auto* limit = static_cast<UpDown*>(controls_[size_t(Control::MoveLimit)]);
    if (e->key() >= Qt::Key_0 && e->key() <= Qt::Key_9 && limit->pointerOn()) {
        if (!busy())
            limit->typeDigit(e->key() - Qt::Key_0);
        return;
    }
    board_->typeKey(e->key(), e->text(), e->isAutoRepeat(), control_.running());
}

void TForm1::handleKey(int key, const QString& text) {
    // A drag in progress owns the board until it is released.
    if (busy() || board_->dragging())
        return;
    if (key == Qt::Key_Backspace) {
        if (session_.mode() == kPlay)
            session_.Deselect();
        showReply(session_.Back());
    } else if (session_.mode() == kPlay) {
        showReply(session_.Key(DirectionOfKey(key)));
    }
    // The character it types: a block's letter selects it.
    if (!text.isEmpty() && !busy())
        showReply(session_.Letter(text.at(0).unicode()));
}

void TForm1::setupKey(int key, const QString& text) {
    // Return plays the position, Escape gives it up.
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
        showReply(session_.EndSetup(key != Qt::Key_Escape, moveLimit()));
        return;
    }
    const unsigned d = DirectionOfKey(key);
    if (d != 0)
        showReply(session_.Key(d));
    else if (!text.isEmpty())
        showReply(session_.Letter(text.at(0).unicode()));
}

void TForm1::modeBtnClick(Mode mode) {
    QPushButton* sender = modeBtns_[mode];
    if (busy()) {
        // The mode never changes during a slide or a run.
        sender->setChecked(session_.mode() == mode);
        return;
    }
    showReply(session_.ChooseMode(mode, sender->isChecked(), moveLimit()));
}

void TForm1::hintBtnClick() {
    if (!busy())
        showReply(session_.Hint());
}

void TForm1::solveBtnClick() {
    control_.startSolve(busy());
}

void TForm1::runPicture(int picture) {
    switch (picture) {
    case ToolBar::Open:
        OpenMoves();
        break;
    case ToolBar::Save:
        SaveMoves();
        break;
    case ToolBar::Print:
        PrintMoves();
        break;
    case ToolBar::PrinterSetup:
        desktop_.runPrinterSetup();
        break;
    case ToolBar::Chart:
        desktop_.runChart(ChartOf(session_));
        break;
    case ToolBar::Puzzles:
        ShowPuzzles();
        break;
    default:
        break;
    }
}

void TForm1::ShowPuzzles() {
    // With the records other windows have set meanwhile.
    if (!recordsFile_.isEmpty()) {
        Records records = session_.records();
        records.Merge(LoadRecordsFile(QFile::encodeName(recordsFile_).toStdString()).records);
        session_.SetRecords(std::move(records));
    }
    const PuzzleChoice choice = desktop_.choosePuzzle();
    if (choice.kind == PuzzleChoice::Play)
        showReply(session_.ChoosePuzzle(choice.start, choice.name.toStdString(), moveLimit()));
    else if (choice.kind == PuzzleChoice::SetUp)
        showReply(session_.BeginSetup());
}

// --- records -----------------------------------------------------------------

void TForm1::setRecordsFile(const QString& path) {
    recordsFile_ = path;
    session_.SetRecords(path.isEmpty() ? Records()
                                       : LoadRecordsFile(QFile::encodeName(path).toStdString()).records);
}

void TForm1::keepRecords() {
    if (recordsFile_.isEmpty())
        return;
    // Kept quietly: a failure costs this record its lasting, not the game.
    // Another window may have set records since this one read them: under
    // the lock the file is read again and both are kept.
    QDir().mkpath(QFileInfo(recordsFile_).absolutePath());
    QLockFile lock(recordsFile_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000); // a crashed program's lock is taken over
    if (!lock.tryLock(3000))
        return;
    Records records = session_.records();
    MergeIntoRecordsFile(QFile::encodeName(recordsFile_).toStdString(), records);
    session_.SetRecords(std::move(records));
}

// --- the moves file ------------------------------------------------------------

void TForm1::SaveMoves() {
    const QString path = desktop_.chooseSaveFile();
    if (path.isEmpty())
        return;
    const Puzzle& p = session_.puzzle();
    const SavedFile saved =
        WriteMovesFile(QFile::encodeName(path).toStdString(), p.movesList(), p.lastMove(), p.start());
    if (!saved.error.empty()) {
        desktop_.reportError(QFile::decodeName(saved.error.c_str()));
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
    const MovesFileBytes file = ReadMovesFile(QFile::encodeName(path).toStdString());
    if (!file.error.empty()) {
        desktop_.reportError(QFile::decodeName(file.error.c_str()));
        return;
    }
    showReply(session_.Open(DecodeMovesRecord(file.record.data(), file.size)));
}

// --- printing ------------------------------------------------------------------
// Without a printer the page goes to a PDF file that the user chooses, so
// printing always gives a page and never replaces a file unasked.

QPrinter& TForm1::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty())
            printer_->setOutputFormat(QPrinter::PdfFormat); // the file is asked for at printing
        printer_->setDocName(QStringLiteral("TRULP puzzle"));
    }
    return *printer_;
}

QString TForm1::ProposedPdfPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("TRULP puzzle.pdf"));
}

void TForm1::PrintMoves() {
    QPrinter& device = printer();
    // A PDF file not chosen in the printer setup is asked for each time.
    const bool askForFile = device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty();
    if (askForFile) {
        const QString path = desktop_.choosePdfFile(ProposedPdfPath());
        if (path.isEmpty())
            return;
        device.setOutputFileName(path);
    }
    printPage(device);
    if (askForFile)
        device.setOutputFileName(QString());
}

void TForm1::printPage(QPrinter& device) {
    QPainter canvas;
    const bool toFile = device.outputFormat() == QPrinter::PdfFormat;
    if (!canvas.begin(&device)) {
        desktop_.reportError(tr("The print job could not be started on %1.")
                                 .arg(toFile ? device.outputFileName() : device.printerName()));
        return;
    }
    const Puzzle& p = session_.puzzle();
    const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString puzzle = p.isClassic() ? QString() : Wording::puzzleName(session_.puzzleName());
    PaintMovesPage(canvas, device.width(), {p.movesList(), p.lastMove(), p.blockTable(), p.start(), puzzle},
                   date);
    canvas.end();
    showReply(session_.Printed(toFile ? QDir::toNativeSeparators(device.outputFileName()).toStdString()
                                      : std::string()));
}

void TForm1::PrinterSetup() {
    QPrinter& device = printer();
    // Printing to a file not yet named: propose the file printing proposes.
    // Left to itself the dialog proposes a folder on some platforms, and
    // printing into a folder fails.
    const bool propose = device.outputFormat() == QPrinter::PdfFormat && device.outputFileName().isEmpty();
    if (propose)
        device.setOutputFileName(ProposedPdfPath());
    QPrintDialog dialog(&device, this);
    dialog.setWindowTitle(tr("Printer setup"));
    dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
    if (dialog.exec() != QDialog::Accepted && propose) {
        // Cancelled: printing asks for the file again. An empty name also
        // means the native format, so the PDF format is set back.
        device.setOutputFileName(QString());
        device.setOutputFormat(QPrinter::PdfFormat);
    }
}

} // namespace trulp
