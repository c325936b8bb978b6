#include "statform.h"

#include "paintkit.h"

#include <QLabel>
#include <QPushButton>

namespace {

struct Row {
    const char* labelName;
    const char* text;
    QRect label;
};

// In the order of the value fields StaticText1..6.
const Row kRows[6] = {
    {"Label1", "number of moves", {160, 24, 98, 16}},
    {"Label6", "time (secs.)", {184, 56, 69, 16}},
    {"Label2", "trial moves", {192, 88, 62, 16}},
    {"Label3", "Forward history buffer length", {88, 120, 163, 16}},
    {"Label4", "Backward buffer hits", {136, 152, 117, 16}},
    {"Label5", "Forward buffer hits", {144, 184, 106, 16}},
};

} // namespace

TStatForm::TStatForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("StatForm"));
    setWindowTitle(QStringLiteral("TRULP statistics"));
    setFixedSize(396, 279);
    setSizeGripEnabled(false);

    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setFont(trulp::Arial(13));

    const QFont valueFont = trulp::Arial(15);
    for (int i = 0; i < 6; ++i) {
        // Right-aligned so that the text always ends just left of its value
        // field, whatever the font's exact widths; bottom-aligned so that it
        // sits on about the same line as the value.
        auto* label = new QLabel(QString::fromLatin1(kRows[i].text), this);
        label->setObjectName(QString::fromLatin1(kRows[i].labelName));
        label->setGeometry(kRows[i].label);
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);

        auto* field = new QLabel(this);
        field->setObjectName(QStringLiteral("StaticText%1").arg(i + 1));
        field->setGeometry(272, 24 + 32 * i, 81, 21);
        field->setFont(valueFont);
        field->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setIndent(1);
        field->setFocusPolicy(Qt::NoFocus);
        field->setTextInteractionFlags(Qt::NoTextInteraction);
        m_fields[i] = field;
    }

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(168, 232, 75, 33);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    for (int i = 0; i + 1 < 6; ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(m_fields[5], m_ok);
}

void TStatForm::FillCounters(const trulp::SearchCounters& counters) {
    const uint32_t values[6] = {counters.moves,         counters.seconds,      counters.trialMoves,
                                counters.forwardLength, counters.backwardHits, counters.forwardHits};
    for (int i = 0; i < 6; ++i)
        m_fields[i]->setText(QString::number(values[i]));
}

QPoint TStatForm::CentredPosition(const QRect& mainFrame, const QSize& dialogFrame) {
    // C++ integer division truncates toward zero, as wanted for both signs.
    return {mainFrame.left() + (mainFrame.width() - dialogFrame.width()) / 2,
            mainFrame.top() + (mainFrame.height() - dialogFrame.height()) / 2};
}

QSize TStatForm::frameSizeFor(const QWidget* mainWindow) const {
    // Until the dialog has been shown once the window manager has not told
    // us its frame; take the main window's frame margins as the best guess.
    if (testAttribute(Qt::WA_WState_Created) && frameGeometry().size() != size())
        return frameGeometry().size();
    if (mainWindow == nullptr)
        return size();
    const QSize margins = mainWindow->frameGeometry().size() - mainWindow->size();
    return size() + margins;
}

void TStatForm::ShowStatistics(const trulp::SearchCounters& counters, const QWidget* mainWindow) {
    if (mainWindow != nullptr)
        move(CentredPosition(mainWindow->frameGeometry(), frameSizeFor(mainWindow)));
    FillCounters(counters);
    exec();
}
