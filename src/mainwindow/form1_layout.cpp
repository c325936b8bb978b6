// The window itself: creation, the layout of its controls, its own painting
// (frames around the paint boxes) and closing.
#include "chart.h"
#include "form1.h"
#include "maker.h"
#include "paintkit.h"
#include "puzzlesdialog.h"
#include "theme.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
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

QLabel* MakeLabel(ScaledLayout& layout, const char* name, const QRect& g, const QString& text,
                  const DesignFont& font = {12}) {
    auto* l = new QLabel(text, &layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    layout.add(l, font);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A number in a sunken field, centred.
QLabel* MakeValueField(ScaledLayout& layout, const char* name, const QRect& g) {
    auto* l = new QLabel(&layout.window());
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    layout.add(l, {13});
    return l;
}

PaintBox* MakePaintBox(ScaledLayout& layout, const char* name, const QRect& g) {
    auto* box = new PaintBox(&layout.window());
    box->setObjectName(QLatin1String(name));
    box->setGeometry(g);
    layout.add(box);
    return box;
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

} // namespace

TForm1::TForm1(Puzzle& puzzle, QWidget* parent)
    : QWidget(parent), session_(puzzle), control_(session_, *this),
      layout_(*this, {kClientWidth, kClientHeight}, DesignFont{11}) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TRULP puzzel"));
    // Resizable: the content scales with the window.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    InitPictures();
    static const bool factoryInstalled = (QAccessible::installFactory(AccessibleFactory), true);
    (void)factoryInstalled;

    desktop_.chooseSaveFile = [this] { return QFileDialog::getSaveFileName(this); };
    desktop_.chooseOpenFile = [this] { return QFileDialog::getOpenFileName(this); };
    // The dialog asks before it lets a file be replaced.
    desktop_.choosePdfFile = [this](const QString& proposed) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Print to PDF file"), proposed,
                                            QStringLiteral("PDF files (*.pdf)"));
    };
    desktop_.runPrinterSetup = [this] {
        PrinterSetup();
        return true;
    };
    desktop_.reportError = [this](const QString& text) { QMessageBox::critical(this, windowTitle(), text); };
    desktop_.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    desktop_.runChart = [this](const ChartData& chart) { chartForm_->ShowChart(chart); };
    desktop_.choosePuzzle = [this] { return puzzlesForm_->choose(session_.records()); };

    buildLayout();
    connectHandlers();
    FormCreate();
    setRecordsFile(QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                       .filePath(QStringLiteral("records")));
    FitToScreen(*this, {kClientWidth, kClientHeight}, {298, 123});
}

TForm1::~TForm1() {
    // FormDestroy: the images go with the window; a slide or run must not
    // outlive it.
    Timer1->stop();
    control_.abortRun();
}

void TForm1::setDialogs(TStatForm* statForm, Thelpform* helpForm) {
    statForm_ = statForm;
    helpForm_ = helpForm;
}

HookLabel* TForm1::makeIcon(const char* name, int tag, const QRect& geometry, const QString& hint,
                            const QString& picture) {
    auto* icon = new HookLabel(this);
    icon->setObjectName(QLatin1String(name));
    icon->tag = tag;
    icon->setGeometry(geometry);
    icon->setToolTip(hint);
    icon->setCursor(Qt::PointingHandCursor);
    icon->setMouseTracking(true);
    icon->setPicture(picture);
    layout_.add(icon);
    icon->onMouseMove = [this, tag](QMouseEvent*) { open_imageMouseMove(tag); };
    icon->onMouseDown = [this](QMouseEvent*) { open_imageMouseDown(); };
    return icon;
}

void TForm1::buildLayout() {
    open_image =
        makeIcon("open_image", 1, {16, 5, 50, 46}, QStringLiteral("open"), QStringLiteral(":/icons/open"));
    save_image =
        makeIcon("save_image", 2, {72, 12, 49, 40}, QStringLiteral("save"), QStringLiteral(":/icons/save"));
    pr_image =
        makeIcon("pr_image", 3, {128, 16, 43, 37}, QStringLiteral("print"), QStringLiteral(":/icons/print"));
    pr_setup = makeIcon("pr_setup", 4, {176, 24, 49, 26}, QStringLiteral("printer setup"),
                        QStringLiteral(":/icons/printer_setup"));

    auto* logo = new HookLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setGeometry(288, 8, 125, 30);
    layout_.add(logo);
    // The maker's name is dark: in a dark style the logo keeps its own
    // light background, as pictures do.
    FollowPalette(*this, [logo] {
        logo->setPicture(QStringLiteral(":/icons/logo"), !IsDarkPalette(QApplication::palette()));
    });
    Image2 = logo;

    Label7 = new HookLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setText(QString::fromLatin1(kMakerWebAddress));
    const DesignFont linkFont{12};
    Label7->setFont(ScaledFont(linkFont, 1));
    // Sized to its text, like the other labels, so the address shows whole;
    // with a little room, so that it still does in a scaled font.
    Label7->setGeometry(288, 40, std::max(86, Label7->sizeHint().width() + 4), 15);
    layout_.add(Label7, linkFont);
    Label7->setCursor(Qt::PointingHandCursor);

    helpBtn = MakeButton(layout_, "helpBtn", {488, 8, 65, 28}, QStringLiteral("help"), nullptr);
    Label3 = MakeLabel(layout_, "Label3", {432, 27, 37, 15}, QStringLiteral("moves"));

    PaintBox3 = MakePaintBox(layout_, "PaintBox3", {432, 48, 120, 600});
    PaintBox2 = MakePaintBox(layout_, "PaintBox2", {352, 64, 60, 75});

    Label1 = MakeLabel(layout_, "Label1", {296, 93, 49, 15}, QStringLiteral("shift until"));
    Label5 = MakeLabel(layout_, "Label5", {304, 110, 39, 15}, QStringLiteral("block X"));
    Label2 = MakeLabel(layout_, "Label2", {304, 126, 38, 15}, QStringLiteral("is here"));
    Label4 = MakeLabel(layout_, "Label4", {16, 65, 56, 15}, QStringLiteral("max.move"));

    maxmovetext = MakeValueField(layout_, "maxmovetext", {16, 83, 41, 22});
    maxmoveUpDown = new UpDown(this, kMinMoveLimit, kMaxMoveLimit, kDefaultMoveLimit);
    maxmoveUpDown->setObjectName(QStringLiteral("maxmoveUpDown"));
    maxmoveUpDown->setGeometry(57, 83, 18, 22);
    layout_.add(maxmoveUpDown);
    maxmoveUpDown->setBoundLabel(maxmovetext);

    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    stepcheck = new QCheckBox(this);
    stepcheck->setObjectName(QStringLiteral("stepcheck"));
    stepcheck->setText(QStringLiteral("step"));
    stepcheck->setGeometry(80, 80, 49, 17);
    layout_.add(stepcheck, {12});
    ScaleWithHeight(stepcheck);
    stepcheck->setFocusPolicy(Qt::NoFocus);

    playBtn = MakeButton(layout_, "playBtn", {16, 112, 65, 28}, QStringLiteral("play"), &kGreen);
    playBtn->setToolTip(QStringLiteral("find solutions yourself"));
    replayBtn = MakeButton(layout_, "replayBtn", {88, 112, 65, 28}, QStringLiteral("replay"), &kNavy);
    replayBtn->setToolTip(QStringLiteral("replay moves"));
    searchBtn = MakeButton(layout_, "searchBtn", {160, 112, 65, 28}, QStringLiteral("search"), &kPurple);
    searchBtn->setToolTip(QStringLiteral("let computer search for solutions"));
    for (QPushButton* b : {playBtn, replayBtn, searchBtn})
        b->setCheckable(true);

    PaintBox1 = MakePaintBox(layout_, "PaintBox1", {16, 148, 400, 500});
    PaintBox1->setMouseTracking(true);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(64, 160, 10, 18);
    layout_.add(Image1);
    Image1->hide();

    msgtext = MakeLabel(layout_, "msgtext", {16, 658, 537, 25}, QString(), {16, true});
    msgtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A new record is announced at the end of the message line, beside the
    // words that greet the goal.
    recordtext = MakeLabel(layout_, "recordtext", {296, 658, 257, 25}, QString(), {13, true});
    recordtext->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FollowColour(recordtext, kPurple);
    recordtext->hide();

    resetBtn = MakeButton(layout_, "resetBtn", {16, 696, 65, 28}, QStringLiteral("reset"), &kRed);
    BackBtn = MakeButton(layout_, "BackBtn", {288, 696, 57, 28}, QStringLiteral("back"), &kGreen);
    goBtn = MakeButton(layout_, "goBtn", {360, 696, 57, 28}, QStringLiteral("GO"), &kGreen);
    statBtn = MakeButton(layout_, "statBtn", {472, 696, 75, 28}, QStringLiteral("statistics"), &kNavy);

    // The coach, in the free space beside the move limit and the buttons.
    Label8 = MakeLabel(layout_, "Label8", {144, 65, 40, 15}, QStringLiteral("to go"));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    togotext = MakeValueField(layout_, "togotext", {144, 83, 41, 22});
    hintBtn = MakeButton(layout_, "hintBtn", {96, 696, 65, 28}, QStringLiteral("hint"), &kOchre);
    hintBtn->setToolTip(QStringLiteral("show the best next move"));
    solveBtn = MakeButton(layout_, "solveBtn", {168, 696, 65, 28}, QStringLiteral("solve"), &kTeal);
    solveBtn->setToolTip(QStringLiteral("play the shortest way to the goal"));
    chart_image = makeIcon("chart_image", 5, {234, 16, 46, 37}, QStringLiteral("game chart"),
                           QStringLiteral(":/icons/chart"));
    chartForm_ = new GameChart(this);

    // The puzzles: the one played is named beside the moves to go, and a
    // picture below it opens the collection.
    Label9 = MakeLabel(layout_, "Label9", {196, 65, 90, 15}, QStringLiteral("puzzle"));
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    puzzletext = MakeValueField(layout_, "puzzletext", {196, 83, 90, 22});
    puzzles_image = makeIcon("puzzles_image", 6, {238, 111, 44, 32}, QStringLiteral("puzzles"),
                             QStringLiteral(":/icons/puzzles"));
    puzzlesForm_ = new PuzzlesDialog(this);
    // Setting up a puzzle takes the coach's place in the bottom row.
    setupDoneBtn = MakeButton(layout_, "setupDoneBtn", {96, 696, 65, 28}, QStringLiteral("play it"), &kGreen);
    setupDoneBtn->setToolTip(QStringLiteral("play the position set up"));
    setupCancelBtn =
        MakeButton(layout_, "setupCancelBtn", {168, 696, 65, 28}, QStringLiteral("cancel"), &kRed);
    setupDoneBtn->hide();
    setupCancelBtn->hide();

    // What a screen reader says of the controls without a caption.
    const std::pair<QWidget*, const char*> names[] = {{open_image, "open moves file"},
                                                      {save_image, "save moves"},
                                                      {pr_image, "print"},
                                                      {pr_setup, "printer setup"},
                                                      {chart_image, "game chart"},
                                                      {puzzles_image, "puzzles"},
                                                      {Image2, "Quorvel"},
                                                      {PaintBox1, "board"},
                                                      {PaintBox2, "target"},
                                                      {PaintBox3, "moves"},
                                                      {maxmoveUpDown, "max.move"},
                                                      {maxmoveUpDown->upButton(), "raise the move limit"},
                                                      {maxmoveUpDown->downButton(), "lower the move limit"}};
    for (const auto& [widget, name] : names)
        widget->setAccessibleName(QString::fromLatin1(name));
    PaintBox2->setAccessibleDescription(
        QStringLiteral("block X must stand on the two centre fields of the two bottom rows"));
    togotext->setAccessibleDescription(QStringLiteral("moves to go"));
    puzzletext->setAccessibleDescription(QStringLiteral("puzzle"));
    maxmovetext->setAccessibleDescription(QStringLiteral("max.move"));

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(10);
    Timer1->setTimerType(Qt::PreciseTimer);
}

void TForm1::connectHandlers() {
    for (QPushButton* b : {playBtn, replayBtn, searchBtn})
        connect(b, &QPushButton::clicked, this, [this, b] { playBtnClick(b); });
    connect(resetBtn, &QPushButton::clicked, this, &TForm1::resetBtnClick);
    connect(BackBtn, &QPushButton::clicked, this, &TForm1::BackBtnClick);
    connect(goBtn, &QPushButton::clicked, this, &TForm1::goBtnClick);
    connect(statBtn, &QPushButton::clicked, this, &TForm1::statBtnClick);
    connect(hintBtn, &QPushButton::clicked, this, &TForm1::hintBtnClick);
    connect(solveBtn, &QPushButton::clicked, this, &TForm1::solveBtnClick);
    connect(setupDoneBtn, &QPushButton::clicked, this,
            [this] { showReply(session_.EndSetup(true, maxmoveUpDown->position())); });
    connect(setupCancelBtn, &QPushButton::clicked, this,
            [this] { showReply(session_.EndSetup(false, maxmoveUpDown->position())); });
    connect(helpBtn, &QPushButton::clicked, this, &TForm1::helpBtnClick);
    connect(stepcheck, &QCheckBox::clicked, this, &TForm1::stepcheckClick);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    maxmoveUpDown->onMouseUp = [this] { maxmoveUpDownMouseUp(); };

    // Blue, and red while the pointer is on it, as the colour rule shows them.
    const auto linkColour = [this] { SetTextColour(Label7, Label7->underMouse() ? kRed : kBlue); };
    FollowPalette(*this, linkColour);
    Label7->onEnter = [this] { Label7MouseEnter(); };
    Label7->onLeave = [this] { Label7MouseLeave(); };
    Label7->onMouseDown = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            Label7Click();
    };

    // The surfaces are drawn in design pixels at the window's scale: the
    // pictures are made at that scale and copied one to one, the panel is
    // painted on a scaled painter, and the pointer on the board is taken
    // back to design pixels, so that every rule of play holds at any scale.
    PaintBox1->onPaint = [this](QPainter& canvas, const QRect& r) {
        DrawImagePart(canvas, r, boardImage_, devicePixelRatioF());
    };
    PaintBox2->onPaint = [this](QPainter& canvas, const QRect&) {
        DrawImagePart(canvas, PaintBox2->rect(), targetImage_, devicePixelRatioF());
    };
    PaintBox3->onPaint = [this](QPainter& canvas, const QRect&) {
        canvas.scale(layout_.scale(), layout_.scale());
        PaintMovesPanel(canvas);
    };
    const auto onBoard = [this](QMouseEvent* e) { return (e->position() / layout_.scale()).toPoint(); };
    PaintBox1->onMouseMove = [this, onBoard](QMouseEvent* e) {
        const QPoint at = onBoard(e);
        PaintBox1MouseMove(at.x(), at.y());
    };
    PaintBox1->onMouseDown = [this, onBoard](QMouseEvent* e) {
        const QPoint at = onBoard(e);
        PaintBox1MouseDown(at.x(), at.y());
    };
    PaintBox1->onMouseUp = [this, onBoard](QMouseEvent* e) {
        const QPoint at = onBoard(e);
        PaintBox1MouseUp(at.x(), at.y());
    };
}

void TForm1::FormCreate() {
    creating_ = true;
    MakeSurfaces();
    dirtyRect_ = kBoardArea;
    dirtyPending_ = true;
    DrawTarget();
    hoverIcon_ = 0;
    creating_ = false;
    showReply(session_.Start(maxmoveUpDown->position()));
    control_.CalibrateClock();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter canvas(this);
    FormPaint(canvas);
}

// Sunken two-pixel frames just outside the three paint boxes, and the frame
// of the toolbar icon under the pointer, in design pixels at the scale.
void TForm1::FormPaint(QPainter& canvas) {
    layout_.scalePainter(canvas);
    for (const QWidget* box : {static_cast<QWidget*>(PaintBox1), static_cast<QWidget*>(PaintBox2),
                               static_cast<QWidget*>(PaintBox3)}) {
        Bevel(canvas, layout_.designOf(box).adjusted(-2, -2, 2, 2), 2, Qt::black, QColor(0xC0, 0xC0, 0xC0));
    }
    if (hoverIcon_ != 0) {
        const QRect f = IconFrameRect(hoverIcon_);
        canvas.setPen(QPen(QColor(0, 0, 255), 2));
        canvas.setBrush(Qt::NoBrush);
        canvas.drawRect(QRectF(f).adjusted(1, 1, -1, -1));
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    // Closing during a slide or a run ends it as STOP would.
    if (Timer1->isActive()) {
        Timer1->stop();
        animating_ = false;
    }
    queuedKeys_ = 0;
    control_.abortRun();
    if (session_.editing())
        session_.EndSetup(false, maxmoveUpDown->position());
    dragging_ = false;
    e->accept();
}

void TForm1::setMessage(const QString& text) {
    msgtext->setText(text);
    // A screen reader announces the new words of the message line.
    QAccessibleEvent changed(msgtext, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TForm1::setBackEnabled(bool enabled) {
    BackBtn->setEnabled(enabled);
}

void TForm1::redrawSearchView() {
    DrawMovesPanel();
    RedrawBoard();
    FollowChart();
}

// What the session answered, shown: the board reset, the list, the words,
// GO's caption, the controls of the mode, the selection ring, and a slide.
void TForm1::showReply(const Reply& r) {
    if (r.board || r.drawn) {
        ClearRect(kBoardArea);
        ringBlock_ = session_.selected();
        for (int b = 1; b <= kBlocks; ++b)
            DrawBlock(b);
        PaintBox1->update();
        ShowPosition();
    }
    if (r.board) {
        recordtext->hide();
        control_.resetSearch();
        puzzletext->setText(QString::fromStdString(session_.puzzleName()));
    }
    if (r.said.words != Words::Keep)
        setMessage(QString::fromStdString(Text(r.said)));
    if (r.go != GoCaption::Keep)
        goBtn->setText(QLatin1String(CaptionText(r.go)));
    if (r.controls) {
        const std::pair<Control, QWidget*> controls[] = {
            {Control::MoveLimit, maxmoveUpDown}, {Control::Back, BackBtn},   {Control::Go, goBtn},
            {Control::Statistics, statBtn},      {Control::Step, stepcheck}, {Control::Hint, hintBtn},
            {Control::Solve, solveBtn}};
        for (const auto& [control, widget] : controls)
            widget->setEnabled(session_.controls() & Bit(control));
        playBtn->setChecked(session_.mode() == kPlay);
        replayBtn->setChecked(session_.mode() == kReplay);
        searchBtn->setChecked(session_.mode() == kSearch);
        // While a puzzle is set up, only the set-up takes input.
        const bool editing = session_.editing();
        for (QWidget* w : {static_cast<QWidget*>(playBtn), static_cast<QWidget*>(replayBtn),
                           static_cast<QWidget*>(searchBtn), static_cast<QWidget*>(resetBtn),
                           static_cast<QWidget*>(helpBtn)})
            w->setEnabled(!editing);
        hintBtn->setVisible(!editing);
        solveBtn->setVisible(!editing);
        setupDoneBtn->setVisible(editing);
        setupCancelBtn->setVisible(editing);
    }
    // Anything that changes the board ends a celebration at once.
    if (r.list || r.board || r.drawn || r.slide.made)
        EndCelebration();
    if (r.list)
        DrawMovesPanel();
    ShowSelection();
    ShowRecord(r);
    if (r.list || r.board || r.record.words != Words::Keep)
        FollowChart();
    if (r.slide.made)
        StartAnimation(r.slide);
    if (r.celebrate) {
        if (animating_)
            celebrateAfterSlide_ = true;
        else
            StartCelebration();
    }
}

} // namespace trulp
