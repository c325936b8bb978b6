#include "puzzlesdialog.h"

#include "words.h"

#include "paintkit.h"
#include "print_page.h"
#include "puzzles.h"
#include "screenfit.h"
#include "start.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSpinBox>
#include <QVBoxLayout>

namespace trulp {

namespace {
constexpr int kThumbField = 10; // a 40 x 50 picture: nine puzzles or more in sight
constexpr int kFarthest = 126;
// Its size where the screen has room; on a small screen it is made smaller
// as a whole and the list shows fewer puzzles.
constexpr QSize kSize{460, 520};
const char* const kByNumber = QT_TRANSLATE_NOOP("Puzzles", "moves");
} // namespace

QImage StartPicture(const Block (&start)[kBlocks + 1], int field, qreal devicePixelRatio) {
    QImage image = ScreenImage(QSize(4 * field, 5 * field), devicePixelRatio);
    QPainter canvas(&image);
    // The printed page's small board, a field being 0.75 r there.
    PrintPosition(canvas, 0, 0, start, float(field) / 0.75f);
    return image;
}

QString PuzzleLine(const QString& name, int shortest, const Record* record) {
    if (record == nullptr)
        return PuzzlesDialog::tr("%1\nshortest %2").arg(name).arg(shortest);
    // Solved: a check mark before the name.
    //: %1 the puzzle, %2 the player's record, %3 the shortest solution.
    return PuzzlesDialog::tr("%1\nyour best %2 \u00B7 shortest %3")
        .arg(QStringLiteral("\u2713 ") + name)
        .arg(record->moves)
        .arg(shortest);
}

QString GeneratedName(const QString& difficulty, uint32_t seed) {
    return QStringLiteral("%1 #%2").arg(difficulty).arg(seed);
}

PuzzlesDialog::PuzzlesDialog(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), difficulty_(new QComboBox(this)),
      moves_(new QSpinBox(this)), seed_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("puzzleform"));
    setWindowTitle(tr("TRULP puzzles"));
    setFont(Arial(13));

    list_->setObjectName(QStringLiteral("puzzleList"));
    list_->setIconSize(QSize(4 * kThumbField, 5 * kThumbField));
    list_->setSpacing(2);
    list_->setAccessibleName(tr("puzzles"));
    const qreal dpr = devicePixelRatioF();
    for (const PuzzleInfo& p : Collection()) {
        // The picture stays as it is when the row is chosen.
        QIcon picture;
        const QPixmap start = QPixmap::fromImage(StartPicture(p.start, kThumbField, dpr));
        picture.addPixmap(start, QIcon::Normal);
        picture.addPixmap(start, QIcon::Selected);
        auto* item = new QListWidgetItem(picture, Wording::puzzleName(p.name), list_);
        item->setData(Qt::UserRole, QString::fromStdString(p.name));
    }
    list_->setCurrentRow(0);
    connect(list_, &QListWidget::itemActivated, this, [this] { playSelected(); });

    auto* play = new QPushButton(tr("play"), this);
    play->setObjectName(QStringLiteral("playPuzzleBtn"));
    play->setDefault(true);
    connect(play, &QPushButton::clicked, this, &PuzzlesDialog::playSelected);

    // A new puzzle: a difficulty or a number of moves, and the seed.
    auto* fresh = new QGroupBox(tr("new puzzle"), this);
    for (const Difficulty& d : kDifficulties)
        difficulty_->addItem(Wording::puzzleName(std::string(d.name)));
    difficulty_->addItem(Wording::puzzleName(kByNumber));
    difficulty_->setObjectName(QStringLiteral("difficulty"));
    difficulty_->setAccessibleName(tr("difficulty"));
    moves_->setObjectName(QStringLiteral("movesBox"));
    moves_->setAccessibleName(tr("moves to the goal"));
    moves_->setRange(1, kFarthest);
    moves_->setValue(50);
    moves_->setEnabled(false);
    connect(difficulty_, &QComboBox::currentIndexChanged, this,
            [this](int i) { moves_->setEnabled(i == difficulty_->count() - 1); });
    seed_->setObjectName(QStringLiteral("seedEdit"));
    seed_->setAccessibleName(tr("seed"));
    seed_->setValidator(new QIntValidator(1, 99999, seed_));
    seed_->setText(QString::number(QRandomGenerator::global()->bounded(1, 10000)));
    connect(seed_, &QLineEdit::textEdited, this, [this] { seedTyped_ = true; });
    auto* draw = new QPushButton(tr("new puzzle"), fresh);
    draw->setObjectName(QStringLiteral("newPuzzleBtn"));
    connect(draw, &QPushButton::clicked, this, &PuzzlesDialog::drawNew);
    auto* grid = new QGridLayout(fresh);
    grid->addWidget(difficulty_, 0, 0);
    grid->addWidget(moves_, 0, 1);
    grid->addWidget(new QLabel(tr("seed"), fresh), 1, 0, Qt::AlignRight);
    grid->addWidget(seed_, 1, 1);
    grid->addWidget(draw, 2, 0, 1, 2);

    auto* own = new QPushButton(tr("set up your own"), this);
    own->setObjectName(QStringLiteral("setUpBtn"));
    connect(own, &QPushButton::clicked, this, [this] {
        choice_.kind = PuzzleChoice::SetUp;
        accept();
    });
    auto* close = new QPushButton(tr("close"), this);
    close->setObjectName(QStringLiteral("closeBtn"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(play);
    side->addSpacing(12);
    side->addWidget(fresh);
    side->addSpacing(12);
    side->addWidget(own);
    side->addStretch();
    side->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);
    resize(kSize);
}

PuzzleChoice PuzzlesDialog::choose(const Records& records, const BlockTable* current) {
    choice_ = {};
    for (int row = 0; row < list_->count(); ++row) {
        QListWidgetItem* item = list_->item(row);
        const PuzzleInfo* p = FindPuzzle(item->data(Qt::UserRole).toString().toStdString());
        if (!p)
            continue;
        item->setText(PuzzleLine(Wording::puzzleName(p->name), p->shortest, records.Find(p->start)));
        if (current != nullptr && SameStart(*current, p->start))
            list_->setCurrentRow(row);
    }
    list_->scrollToItem(list_->currentItem(), QAbstractItemView::PositionAtCenter);
    if (parentWidget() != nullptr)
        FitToScreenOver(*this, kSize, *parentWidget()->window());
    exec();
    return choice_;
}

void PuzzlesDialog::playSelected() {
    const QListWidgetItem* item = list_->currentItem();
    const PuzzleInfo* p = item ? FindPuzzle(item->data(Qt::UserRole).toString().toStdString()) : nullptr;
    if (!p)
        return;
    choice_.kind = PuzzleChoice::Play;
    std::copy(p->start, p->start + kBlocks + 1, choice_.start);
    choice_.name = QString::fromStdString(p->name);
    accept();
}

void PuzzlesDialog::drawNew() {
    // A new puzzle each time; the seed box shows the one used.
    if (!seedTyped_)
        seed_->setText(QString::number(QRandomGenerator::global()->bounded(1, 10000)));
    bool ok = false;
    const uint32_t seed = seed_->text().toUInt(&ok);
    if (!ok || seed == 0)
        return;
    seedTyped_ = false;
    const int index = difficulty_->currentIndex();
    const bool byNumber = index == difficulty_->count() - 1;
    const GeneratedPuzzle g =
        byNumber ? GeneratePuzzle(moves_->value(), seed) : GeneratePuzzle(kDifficulties[index], seed);
    choice_.kind = PuzzleChoice::Play;
    std::copy(g.start, g.start + kBlocks + 1, choice_.start);
    choice_.name =
        GeneratedName(byNumber ? QString::number(moves_->value()) : difficulty_->currentText(), seed);
    accept();
}

} // namespace trulp
