#include "statform.h"

#include "theme.h"
#include "words.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>

namespace {

constexpr QSize kClientSize{396, 279};

using trulp::Wording;

struct Row {
    const char* labelName;
    Wording::Counter counter;
    Wording::Counter game; // the row's label in play
    QRect label;
};

// In the order of the value fields StaticText1..6.
const Row kRows[6] = {
    {"Label1", Wording::Counter::Moves, Wording::Counter::Moves, {160, 24, 98, 16}},
    {"Label6", Wording::Counter::Seconds, Wording::Counter::PieceMoves, {184, 56, 69, 16}},
    {"Label2", Wording::Counter::TrialMoves, Wording::Counter::CoachMoves, {192, 88, 62, 16}},
    {"Label3", Wording::Counter::ForwardLength, Wording::Counter::TimePlayed, {88, 120, 163, 16}},
    {"Label4", Wording::Counter::BackwardHits, Wording::Counter::ToGo, {136, 152, 117, 16}},
    {"Label5", Wording::Counter::ForwardHits, Wording::Counter::Best, {144, 184, 106, 16}},
};

} // namespace

TStatForm::TStatForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_layout(*this, kClientSize, trulp::DesignFont{13}) {
    setObjectName(QStringLiteral("StatForm"));
    setWindowTitle(tr("TRULP statistics"));
    setSizeGripEnabled(false);
    trulp::FollowPalette(*this, [this] { trulp::SetButtonFace(*this); });

    // Right to left, each label stands right of its value: the design mirrored.
    const bool mirrored = layoutDirection() == Qt::RightToLeft;
    const auto place = [mirrored](const QRect& r) {
        return mirrored ? QRect(kClientSize.width() - r.right() - 1, r.top(), r.width(), r.height()) : r;
    };
    for (int i = 0; i < 6; ++i) {
        // Right-aligned so that the text always ends just left of its value
        // field, whatever the font's exact widths; bottom-aligned so that it
        // sits on about the same line as the value.
        auto* label = new QLabel(Wording::counterLabel(kRows[i].counter), this);
        label->setObjectName(QString::fromLatin1(kRows[i].labelName));
        label->setGeometry(place(kRows[i].label));
        label->setAlignment(Qt::AlignRight | Qt::AlignBottom);
        m_labels[i] = label;
        // A longer text in another language grows to the left, still ending
        // at its value.
        const QRect r = kRows[i].label;
        m_layout.add(label, {13}, place(QRect(QPoint(8, r.top()), r.bottomRight())));

        auto* field = new QLabel(this);
        field->setObjectName(QStringLiteral("StaticText%1").arg(i + 1));
        field->setGeometry(place(QRect(272, 24 + 32 * i, 81, 21)));
        field->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        m_layout.add(field, {15});
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setIndent(1);
        field->setFocusPolicy(Qt::NoFocus);
        field->setTextInteractionFlags(Qt::NoTextInteraction);
        m_fields[i] = field;
    }

    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("Button1"));
    m_ok->setGeometry(place(QRect(168, 232, 75, 33)));
    m_ok->setDefault(true);
    m_layout.add(m_ok);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    // Where one label must shrink in some language, all six do.
    m_layout.group({m_labels[0], m_labels[1], m_labels[2], m_labels[3], m_labels[4], m_labels[5]});

    for (int i = 0; i + 1 < 6; ++i)
        setTabOrder(m_fields[i], m_fields[i + 1]);
    setTabOrder(m_fields[5], m_ok);
}

void TStatForm::setLabels(bool game) {
    for (int i = 0; i < 6; ++i) {
        m_labels[i]->setText(Wording::counterLabel(game ? kRows[i].game : kRows[i].counter));
        m_layout.refit(m_labels[i]);
    }
}

void TStatForm::FillGame(const trulp::GameShown& game) {
    setLabels(true);
    // A count the coach does not know yet shows as a question, no way at all as a dash.
    const auto pair = [](int moves, int pieceMoves) {
        if (moves == trulp::kNoDistance)
            return QStringLiteral("\u2013");
        if (moves < 0)
            return QStringLiteral("?");
        return Wording::movesPair(moves, pieceMoves);
    };
    const QString values[6] = {
        QString::number(game.moves),
        QString::number(game.pieceMoves),
        QString::number(game.coached),
        Wording::playTime(int(game.playedMs / 1000)),
        pair(game.toGo, game.toGoPieces),
        game.bestMoves > 0 ? Wording::movesPair(game.bestMoves, game.bestPieceMoves) : QStringLiteral("\u2013"),
    };
    for (int i = 0; i < 6; ++i)
        m_fields[i]->setText(values[i]);
}

void TStatForm::FillCounters(const trulp::SearchCounters& counters) {
    setLabels(false);
    const uint32_t values[6] = {counters.moves,         counters.seconds,      counters.trialMoves,
                                counters.forwardLength, counters.backwardHits, counters.forwardHits};
    // The locale's digits; without grouping, so that ten of them fit the field.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    for (int i = 0; i < 6; ++i)
        m_fields[i]->setText(locale.toString(values[i]));
}

QPoint TStatForm::CentredPosition(const QRect& mainFrame, const QSize& dialogFrame) {
    return trulp::CentredOver(mainFrame, dialogFrame);
}

void TStatForm::showOver(const QWidget* mainWindow) {
    // Centred over the main window, at its design size where that fits.
    if (mainWindow != nullptr)
        trulp::FitToScreenOver(*this, kClientSize, *mainWindow);
    exec();
}

void TStatForm::ShowStatistics(const trulp::SearchCounters& counters, const QWidget* mainWindow) {
    FillCounters(counters);
    showOver(mainWindow);
}

void TStatForm::ShowGame(const trulp::GameShown& game, const QWidget* mainWindow) {
    FillGame(game);
    showOver(mainWindow);
}
