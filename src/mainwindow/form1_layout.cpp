// The window itself: creation, the layout of its controls, its own painting
// (frames around the paint boxes) and closing.
#include "chart.h"
#include "form1.h"
#include "maker.h"
#include "paintkit.h"
#include "puzzlesdialog.h"
#include "toolbar_pictures.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
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

void SetTextColour(QWidget* w, const QColor& c) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::ButtonText, c);
    pal.setColor(QPalette::WindowText, c);
    w->setPalette(pal);
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& g, const QString& caption,
                        const QColor* colour) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(g);
    b->setFont(Arial(13, true));
    // Keys belong to the puzzle (Space, Return, arrows, letters), so no
    // button keeps the keyboard focus.
    b->setFocusPolicy(Qt::NoFocus);
    if (colour)
        SetTextColour(b, *colour);
    return b;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& g, const QString& text, int cell = 12) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    l->setFont(Arial(cell));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

// A number in a sunken field, centred.
QLabel* MakeValueField(QWidget* parent, const char* name, const QRect& g) {
    auto* l = new QLabel(parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(g);
    l->setFont(Arial(13));
    l->setAlignment(Qt::AlignCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return l;
}

// The move pointer: a red triangle pointing right, 10 x 18, column 0 empty;
// at the screen's density, so that it stays sharp.
QImage MakePointerPicture(qreal dpr) {
    QImage img(QSize(10, 18) * dpr, QImage::Format_ARGB32);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    QPainter canvas(&img);
    for (int row = 0; row < 18; ++row)
        canvas.fillRect(1, row, std::min(row, 17 - row) + 1, 1, QColor(0xFF, 0, 0));
    return img;
}

// The step box as a screen reader sees it: a check box over all of its
// place (the stock one covers only its box and its caption).
class StepBoxAccessible : public QAccessibleWidget {
public:
    explicit StepBoxAccessible(QCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? box()->text() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = box()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return QAccessibleWidget::actionNames() << toggleAction(); }
    void doAction(const QString& action) override {
        if (action == toggleAction())
            box()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QCheckBox* box() const { return static_cast<QCheckBox*>(widget()); }
};

QAccessibleInterface* StepBoxFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("QCheckBox") && object->objectName() == QLatin1String("stepcheck"))
        return new StepBoxAccessible(static_cast<QCheckBox*>(object));
    return nullptr;
}

} // namespace

TForm1::TForm1(Puzzle& puzzle, QWidget* parent)
    : QWidget(parent), session_(puzzle), control_(session_, *this) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("TRULP puzzel"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);
    move(298, 123);
    setFont(Arial(11));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    InitPictures();
    static const bool factoryInstalled = (QAccessible::installFactory(StepBoxFactory), true);
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
    desktop_.choosePuzzle = [this] { return puzzlesForm_->choose(); };

    buildLayout();
    connectHandlers();
    FormCreate();
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
    icon->setPixmap(ToolbarPicture(picture, devicePixelRatioF()));
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

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(288, 8, 125, 30);
    Image2->setPixmap(ToolbarPicture(QStringLiteral(":/icons/logo"), devicePixelRatioF()));

    Label7 = new HookLabel(this);
    Label7->setObjectName(QStringLiteral("Label7"));
    Label7->setText(QString::fromLatin1(kMakerWebAddress));
    Label7->setGeometry(288, 40, 86, 15);
    Label7->setFont(Arial(12));
    // Sized to its text, like the other labels, so the address shows whole.
    Label7->resize(std::max(86, Label7->sizeHint().width()), 15);
    Label7->setCursor(Qt::PointingHandCursor);
    SetTextColour(Label7, kBlue);

    helpBtn = MakeButton(this, "helpBtn", {488, 8, 65, 28}, QStringLiteral("help"), nullptr);
    Label3 = MakeLabel(this, "Label3", {432, 27, 37, 15}, QStringLiteral("moves"));

    PaintBox3 = new PaintBox(this);
    PaintBox3->setObjectName(QStringLiteral("PaintBox3"));
    PaintBox3->setGeometry(432, 48, 120, 600);
    PaintBox2 = new PaintBox(this);
    PaintBox2->setObjectName(QStringLiteral("PaintBox2"));
    PaintBox2->setGeometry(352, 64, 60, 75);

    Label1 = MakeLabel(this, "Label1", {296, 93, 49, 15}, QStringLiteral("shift until"));
    Label5 = MakeLabel(this, "Label5", {304, 110, 39, 15}, QStringLiteral("block X"));
    Label2 = MakeLabel(this, "Label2", {304, 126, 38, 15}, QStringLiteral("is here"));
    Label4 = MakeLabel(this, "Label4", {16, 65, 56, 15}, QStringLiteral("max.move"));

    maxmovetext = MakeValueField(this, "maxmovetext", {16, 83, 41, 22});
    maxmoveUpDown = new UpDown(this, kMinMoveLimit, kMaxMoveLimit, kDefaultMoveLimit);
    maxmoveUpDown->setObjectName(QStringLiteral("maxmoveUpDown"));
    maxmoveUpDown->setGeometry(57, 83, 18, 22);
    maxmoveUpDown->setBoundLabel(maxmovetext);

    // Named before its caption is set: the caption brings about its
    // accessible face, which is made for it by name.
    stepcheck = new QCheckBox(this);
    stepcheck->setObjectName(QStringLiteral("stepcheck"));
    stepcheck->setText(QStringLiteral("step"));
    stepcheck->setGeometry(80, 80, 49, 17);
    stepcheck->setFont(Arial(12));
    stepcheck->setFocusPolicy(Qt::NoFocus);

    playBtn = MakeButton(this, "playBtn", {16, 112, 65, 28}, QStringLiteral("play"), &kGreen);
    playBtn->setToolTip(QStringLiteral("find solutions yourself"));
    replayBtn = MakeButton(this, "replayBtn", {88, 112, 65, 28}, QStringLiteral("replay"), &kNavy);
    replayBtn->setToolTip(QStringLiteral("replay moves"));
    searchBtn = MakeButton(this, "searchBtn", {160, 112, 65, 28}, QStringLiteral("search"), &kPurple);
    searchBtn->setToolTip(QStringLiteral("let computer search for solutions"));
    for (QPushButton* b : {playBtn, replayBtn, searchBtn})
        b->setCheckable(true);

    PaintBox1 = new PaintBox(this);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setGeometry(16, 148, 400, 500);
    PaintBox1->setMouseTracking(true);

    pointerPicture_ = MakePointerPicture(devicePixelRatioF());
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(64, 160, 10, 18);
    Image1->setPixmap(QPixmap::fromImage(pointerPicture_));
    Image1->hide();

    msgtext = new QLabel(this);
    msgtext->setObjectName(QStringLiteral("msgtext"));
    msgtext->setGeometry(16, 658, 537, 25);
    msgtext->setFont(Arial(16, true));
    msgtext->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    resetBtn = MakeButton(this, "resetBtn", {16, 696, 65, 28}, QStringLiteral("reset"), &kRed);
    BackBtn = MakeButton(this, "BackBtn", {288, 696, 57, 28}, QStringLiteral("back"), &kGreen);
    goBtn = MakeButton(this, "goBtn", {360, 696, 57, 28}, QStringLiteral("GO"), &kGreen);
    statBtn = MakeButton(this, "statBtn", {472, 696, 75, 28}, QStringLiteral("statistics"), &kNavy);

    // The coach, in the free space beside the move limit and the buttons.
    Label8 = MakeLabel(this, "Label8", {144, 65, 40, 15}, QStringLiteral("to go"));
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    togotext = MakeValueField(this, "togotext", {144, 83, 41, 22});
    hintBtn = MakeButton(this, "hintBtn", {96, 696, 65, 28}, QStringLiteral("hint"), &kOchre);
    hintBtn->setToolTip(QStringLiteral("show the best next move"));
    solveBtn = MakeButton(this, "solveBtn", {168, 696, 65, 28}, QStringLiteral("solve"), &kTeal);
    solveBtn->setToolTip(QStringLiteral("play the shortest way to the goal"));
    chart_image = makeIcon("chart_image", 5, {234, 16, 46, 37}, QStringLiteral("game chart"),
                           QStringLiteral(":/icons/chart"));
    chartForm_ = new GameChart(this);

    // The puzzles: the one played is named beside the moves to go, and a
    // picture below it opens the collection.
    Label9 = MakeLabel(this, "Label9", {196, 65, 90, 15}, QStringLiteral("puzzle"));
    Label9->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    puzzletext = MakeValueField(this, "puzzletext", {196, 83, 90, 22});
    puzzles_image = makeIcon("puzzles_image", 6, {238, 111, 44, 32}, QStringLiteral("puzzles"),
                             QStringLiteral(":/icons/puzzles"));
    puzzlesForm_ = new PuzzlesDialog(this);
    // Setting up a puzzle takes the coach's place in the bottom row.
    setupDoneBtn = MakeButton(this, "setupDoneBtn", {96, 696, 65, 28}, QStringLiteral("play it"), &kGreen);
    setupDoneBtn->setToolTip(QStringLiteral("play the position set up"));
    setupCancelBtn = MakeButton(this, "setupCancelBtn", {168, 696, 65, 28}, QStringLiteral("cancel"), &kRed);
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

    Label7->onEnter = [this] { Label7MouseEnter(); };
    Label7->onLeave = [this] { Label7MouseLeave(); };
    Label7->onMouseDown = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            Label7Click();
    };

    PaintBox1->onPaint = [this](QPainter& canvas, const QRect& r) { DrawImagePart(canvas, r, boardImage_); };
    PaintBox2->onPaint = [this](QPainter& canvas, const QRect&) {
        DrawImagePart(canvas, PaintBox2->rect(), targetImage_);
    };
    PaintBox3->onPaint = [this](QPainter& canvas, const QRect&) { PaintMovesPanel(canvas); };
    PaintBox1->onMouseMove = [this](QMouseEvent* e) {
        PaintBox1MouseMove(e->position().toPoint().x(), e->position().toPoint().y());
    };
    PaintBox1->onMouseDown = [this](QMouseEvent* e) {
        PaintBox1MouseDown(e->position().toPoint().x(), e->position().toPoint().y());
    };
    PaintBox1->onMouseUp = [this](QMouseEvent* e) {
        PaintBox1MouseUp(e->position().toPoint().x(), e->position().toPoint().y());
    };
}

void TForm1::FormCreate() {
    creating_ = true;
    boardImage_ = ScreenImage(PaintBox1->size(), devicePixelRatioF());
    targetImage_ = ScreenImage(PaintBox2->size(), devicePixelRatioF());
    dirtyRect_ = PaintBox1->rect();
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
// of the toolbar icon under the pointer.
void TForm1::FormPaint(QPainter& canvas) {
    for (const QWidget* box : {static_cast<QWidget*>(PaintBox1), static_cast<QWidget*>(PaintBox2),
                               static_cast<QWidget*>(PaintBox3)}) {
        Bevel(canvas, box->geometry().adjusted(-2, -2, 2, 2), 2, Qt::black, QColor(0xC0, 0xC0, 0xC0));
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
}

// What the session answered, shown: the board reset, the list, the words,
// GO's caption, the controls of the mode, the selection ring, and a slide.
void TForm1::showReply(const Reply& r) {
    if (r.board || r.drawn) {
        ClearRect(PaintBox1->rect());
        ringBlock_ = session_.selected();
        for (int b = 1; b <= kBlocks; ++b)
            DrawBlock(b);
        PaintBox1->update();
        ShowPosition();
    }
    if (r.board) {
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
    if (r.list)
        DrawMovesPanel();
    ShowSelection();
    if (r.slide.made)
        StartAnimation(r.slide);
}

} // namespace trulp
