#include "helpform.h"

#include "helptext.h"
#include "theme.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

namespace trulp {

namespace {

constexpr QSize kClientSize{824, 704};
constexpr QPoint kScreenPosition{239, 127};
constexpr QRect kHelpBoxPlace{8, 56, 800, 610};
const QColor kPageNumberBackground{240, 240, 192};
const QColor kTitleColour{0, 0, 255};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    // plain text: "<ECS>" and the titles must never be taken for markup
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    return label;
}

} // namespace

HelpBox::HelpBox(Thelpform& form, QWidget* parent) : QWidget(parent), m_form(form) {
    setObjectName(QStringLiteral("helpbox"));
    // The whole box is painted by the form; nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void HelpBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    m_form.helpboxPaint(painter);
}

Thelpform::Thelpform(QWidget* parent)
    : QDialog(parent), m_layout(*this, kClientSize, DesignFont{11}),
      m_renderer([this](const QString& title) { subtitle->setText(title); }) {
    setObjectName(QStringLiteral("helpform"));
    setWindowTitle(tr("TRULP help"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    move(kScreenPosition);
    // The window takes the keys itself; none of its controls takes the focus.
    setFocusPolicy(Qt::StrongFocus);

    buildControls();
    FollowPalette(*this, [this] { recolour(); });
    ListBox1 = loadHelpText();
}

void Thelpform::recolour() {
    SetButtonFace(*this);
    SetTextColour(subtitle, kTitleColour);
}

void Thelpform::buildControls() {
    subtitle = makeLabel(this, "subtitle", QString(), QRect(8, 16, 609, 30));
    subtitle->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    subtitle->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_layout.add(subtitle, {19});

    Label1 = makeLabel(this, "Label1", tr("page"), QRect(624, 24, 24, 13));
    Label2 = makeLabel(this, "Label2", tr("UP"), QRect(656, 16, 15, 13));
    Label3 = makeLabel(this, "Label3", tr("DOWN"), QRect(656, 32, 35, 13));
    Label4 = makeLabel(this, "Label4", tr("<ECS> close page"), QRect(16, 680, 88, 13));
    // Longer words in another language take the room up to their neighbours.
    m_layout.add(Label1, {11}, QRect(619, 24, 35, 13));
    m_layout.add(Label2, {11}, QRect(656, 16, 46, 13));
    m_layout.add(Label3, {11}, QRect(656, 32, 46, 13));
    m_layout.add(Label4, {11}, QRect(16, 680, 300, 13));

    page1btn = new QPushButton(QStringLiteral("1"), this);
    page1btn->setObjectName(QStringLiteral("page1btn"));
    page1btn->setGeometry(704, 16, 33, 33);
    m_layout.add(page1btn, {15, true});
    page1btn->setFocusPolicy(Qt::NoFocus);
    // Return must not click it: a dialog would make it the default button.
    page1btn->setAutoDefault(false);
    connect(page1btn, &QPushButton::clicked, this, &Thelpform::page1btnClick);

    pageNrDisplay = makeLabel(this, "pageNrDisplay", QStringLiteral("1"), QRect(744, 16, 58, 33));
    pageNrDisplay->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pageNrDisplay->setAlignment(Qt::AlignCenter);
    m_layout.add(pageNrDisplay, {21, true});
    pageNrDisplay->setAutoFillBackground(true);
    pageNrDisplay->installEventFilter(this);

    helpbox = new HelpBox(*this, this);
    helpbox->setGeometry(kHelpBoxPlace);
    m_layout.add(helpbox);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &Thelpform::Timer1Timer);
}

void Thelpform::ShowHelp() {
    if (!m_placed) {
        // Where the user puts it later, it stays for the rest of the run.
        FitToScreen(*this, kClientSize, kScreenPosition);
        m_placed = true;
    }
    HelpPage = 1;
    QPalette numberPalette = pageNrDisplay->palette();
    numberPalette.setColor(QPalette::Window, kPageNumberBackground);
    pageNrDisplay->setPalette(numberPalette);
    SetTextColour(pageNrDisplay, Qt::black);
    pageNrDisplay->setText(QStringLiteral("1"));
    HelpPageCount = trulp::HelpPageCount(ListBox1.size());
    showTitle();
    exec();
}

void Thelpform::done(int result) {
    // A button still held on the page number must not turn pages of a closed window.
    Timer1->stop();
    QDialog::done(result);
}

void Thelpform::showTitle() {
    // The title need not wait for the box to be painted; the paint sets it again.
    const qsizetype first = qsizetype(HelpPage - 1) * kHelpPageLines;
    if (first < ListBox1.size()) {
        subtitle->setText(ListBox1.at(first));
    }
}

void Thelpform::redrawPage() {
    showTitle();
    m_pageTurn = true;
    // The inside of the box, its bevel left out, at the scale it is shown.
    const int bevel = int(5 * m_layout.scale());
    helpbox->repaint(helpbox->rect().adjusted(bevel, bevel, -bevel, -bevel));
    m_pageTurn = false;
}

void Thelpform::StepHelpPage(int direction) {
    if (direction != 0) {
        PageDirection = direction;
    }
    if (PageDirection == 1 && HelpPage < HelpPageCount) {
        ++HelpPage;
    } else if (PageDirection == 2 && HelpPage > 1) {
        --HelpPage;
    } else {
        return;
    }
    pageNrDisplay->setText(QString::number(HelpPage));
    redrawPage();
}

void Thelpform::FirstHelpPage() {
    HelpPage = 1;
    pageNrDisplay->setText(QStringLiteral("1"));
    redrawPage();
}

void Thelpform::helpboxPaint(QPainter& painter) {
    // The page is drawn at its design size, scaled to the box as shown.
    const QSize box = kHelpBoxPlace.size();
    ScaleToDesign(painter, helpbox->size(), box);
    if (m_pageTurn) {
        HelpRenderer::ClearHelpPage(painter, box);
    } else {
        HelpRenderer::paintBackground(painter, box);
    }
    m_renderer.WriteHelpPage(painter, ListBox1, HelpPage);
}

void Thelpform::pageNrDisplayMouseDown(QMouseEvent* event) {
    StepHelpPage(event->button() == Qt::RightButton ? 2 : 1);
    Timer1->start();
}

void Thelpform::pageNrDisplayMouseUp() {
    Timer1->stop();
}

void Thelpform::Timer1Timer() {
    StepHelpPage(0);
}

void Thelpform::page1btnClick() {
    FirstHelpPage();
}

bool Thelpform::eventFilter(QObject* watched, QEvent* event) {
    if (watched == pageNrDisplay) {
        // A double click arrives as a press followed by a double-click event;
        // only the press turns a page, as for any other click.
        if (event->type() == QEvent::MouseButtonPress) {
            pageNrDisplayMouseDown(static_cast<QMouseEvent*>(event));
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            pageNrDisplayMouseUp();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void Thelpform::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_PageUp:
        StepHelpPage(2);
        break;
    case Qt::Key_PageDown:
        StepHelpPage(1);
        break;
    case Qt::Key_Home:
        FirstHelpPage();
        break;
    case Qt::Key_Escape:
        accept();
        break;
    default:
        // Not QDialog's handler: Return must not press a button here.
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace trulp
