#include "puzzlesdialog.h"

#include "words.h"

#include "paintkit.h"
#include "print_page.h"
#include "puzzles.h"
#include "screenfit.h"
#include "tenblocktable.h"

#include <QCheckBox>
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

#include <algorithm>
#include <cmath>

namespace trulp {

namespace {
constexpr int kThumbField = 10; // a 40 x 50 picture: nine puzzles or more in sight
constexpr int kFarthest = 126;
constexpr int kPuzzleRole = Qt::UserRole;
// Its size where the screen has room; on a small screen it is made smaller
// as a whole and the list shows fewer puzzles.
constexpr QSize kSize{560, 560};
const char* const kByNumber = QT_TRANSLATE_NOOP("Puzzles", "moves");
// The packs' names, for the catalogue.
[[maybe_unused]] const char* const kPackNames[] = {
    //: A pack of puzzles: the ten blocks of the classic from other starts.
    QT_TRANSLATE_NOOP("Puzzles", "the ten blocks"),
    //: A pack of puzzles: the famous ones of the puzzle literature.
    QT_TRANSLATE_NOOP("Puzzles", "the classics"),
    //: A pack of puzzles: larger boards and long solutions.
    QT_TRANSLATE_NOOP("Puzzles", "the large ones"),
};
QString PackName(const std::string& pack) {
    const char* name = pack == "tenblock"   ? kPackNames[0]
                       : pack == "classics" ? kPackNames[1]
                                            : kPackNames[2];
    return QCoreApplication::translate("Puzzles", name);
}
} // namespace

QImage StartPicture(const PuzzleDef& def, int field, qreal devicePixelRatio) {
    // As large as the printed page draws the board (a larger board keeps
    // within the classic's 4 by 5 fields), and not a field more.
    const double unit = std::min({1.0, 4.0 / def.columns(), 5.0 / def.rows()});
    QImage image = ScreenImage(QSize(int(std::lround(def.columns() * unit * field)),
                                     int(std::lround(def.rows() * unit * field))),
                               devicePixelRatio);
    QPainter canvas(&image);
    uint8_t start[kMaxPieces + 1] = {};
    for (int p = 1; p <= def.pieceCount(); ++p)
        start[p] = def.piece(p).start;
    // The printed page's small board, a field being 0.75 r there.
    PrintPosition(canvas, 0, 0, def, start, float(field) / 0.75f);
    return image;
}

QString PuzzleLine(const QString& name, const PuzzleInfo& p, const Record* r) {
    //: The shortest lines of a puzzle: %1 as moves / piece moves.
    const QString shortest = PuzzlesDialog::tr("shortest %1").arg(Wording::movesPair(p.shortest, p.shortestPieces));
    if (r == nullptr || r->solved == 0)
        //: A puzzle not solved yet: its name, and its shortest lines.
        return PuzzlesDialog::tr("%1\nnot solved yet \u00B7 %2").arg(name, shortest);
    if (!r->alone())
        //: A puzzle solved only with the coach's help: %n times.
        return PuzzlesDialog::tr("\u2713 %1\nsolved %n times, with help \u00B7 %2", nullptr, r->solved)
            .arg(name, shortest);
    // Solved alone: a star when in the fewest moves.
    const QString mark = r->moves <= p.shortest ? QStringLiteral("\u2605 ") : QStringLiteral("\u2713 ");
    //: %1 the puzzle; the player's best: %2 moves, %3 piece moves; %4 the shortest lines; %5 best time;
    //: solved %n times.
    return PuzzlesDialog::tr("%1\nyour best %2 / %3 \u00B7 %4\nbest time %5 \u00B7 solved %n times", nullptr,
                             r->solved)
        .arg(mark + name)
        .arg(r->moves)
        .arg(r->pieceMoves > 0 ? QString::number(r->pieceMoves) : QStringLiteral("\u2013"))
        .arg(shortest, r->seconds > 0 ? Wording::playTime(r->seconds) : QStringLiteral("\u2013"));
}

QString PackLine(const std::string& pack, int puzzles, int solved, int fewest) {
    //: A pack's heading: %1 its name, %2 solved of %3, %4 of them in the fewest moves.
    return PuzzlesDialog::tr("%1: %2 of %3 solved, %4 in the fewest moves")
        .arg(PackName(pack))
        .arg(solved)
        .arg(puzzles)
        .arg(fewest);
}

QString GeneratedName(const QString& difficulty, uint32_t seed) {
    return QStringLiteral("%1 #%2").arg(difficulty).arg(seed);
}

PuzzlesDialog::PuzzlesDialog(QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)), unsolvedFirst_(new QCheckBox(this)),
      difficulty_(new QComboBox(this)), moves_(new QSpinBox(this)), seed_(new QLineEdit(this)) {
    setObjectName(QStringLiteral("puzzleform"));
    setWindowTitle(tr("TRULP puzzles"));
    setFont(Arial(13));

    list_->setObjectName(QStringLiteral("puzzleList"));
    list_->setIconSize(QSize(4 * kThumbField, 5 * kThumbField));
    list_->setSpacing(2);
    list_->setWordWrap(true);
    list_->setAccessibleName(tr("puzzles"));
    connect(list_, &QListWidget::itemActivated, this, [this] { playSelected(); });

    unsolvedFirst_->setObjectName(QStringLiteral("unsolvedFirst"));
    //: Sorts each pack with the puzzles not solved yet at its top.
    unsolvedFirst_->setText(tr("unsolved first"));
    connect(unsolvedFirst_, &QCheckBox::toggled, this, &PuzzlesDialog::fill);

    auto* play = new QPushButton(tr("play"), this);
    play->setObjectName(QStringLiteral("playPuzzleBtn"));
    play->setDefault(true);
    connect(play, &QPushButton::clicked, this, &PuzzlesDialog::playSelected);
    // Only a puzzle chosen can be played: a heading or nothing is no choice.
    connect(list_, &QListWidget::currentItemChanged, this, [this, play](QListWidgetItem* item) {
        play->setEnabled(item != nullptr && !item->data(kPuzzleRole).isNull());
    });

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
    side->addWidget(unsolvedFirst_);
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

PuzzlesDialog::~PuzzlesDialog() = default;

void PuzzlesDialog::fill() {
    list_->clear();
    const qreal dpr = devicePixelRatioF();
    const std::vector<PuzzleInfo>& all = Collection();
    QListWidgetItem* current = nullptr;
    for (const std::string& pack : Packs()) {
        std::vector<const PuzzleInfo*> puzzles;
        int solved = 0, fewest = 0;
        for (const PuzzleInfo& p : all)
            if (p.pack == pack) {
                puzzles.push_back(&p);
                const Record* r = records_.Find(*p.def);
                solved += r != nullptr && r->solved > 0;
                fewest += r != nullptr && r->alone() && r->moves <= p.shortest;
            }
        if (unsolvedFirst_->isChecked())
            std::stable_sort(
                puzzles.begin(), puzzles.end(), [this](const PuzzleInfo* a, const PuzzleInfo* b) {
                    const Record* ra = records_.Find(*a->def);
                    const Record* rb = records_.Find(*b->def);
                    return (ra == nullptr || ra->solved == 0) > (rb == nullptr || rb->solved == 0);
                });
        // The pack's heading: read aloud, never chosen.
        auto* heading = new QListWidgetItem(PackLine(pack, int(puzzles.size()), solved, fewest), list_);
        heading->setFlags(Qt::ItemIsEnabled);
        QFont bold = list_->font();
        bold.setBold(true);
        heading->setFont(bold);
        for (const PuzzleInfo* p : puzzles) {
            // The picture stays as it is when the row is chosen.
            QIcon picture;
            const QPixmap start = QPixmap::fromImage(StartPicture(*p->def, kThumbField, dpr));
            picture.addPixmap(start, QIcon::Normal);
            picture.addPixmap(start, QIcon::Selected);
            const QString text = PuzzleLine(Wording::puzzleName(p->name()), *p, records_.Find(*p->def));
            auto* item = new QListWidgetItem(picture, text, list_);
            item->setData(kPuzzleRole, QString::fromStdString(p->id));
            item->setData(Qt::AccessibleTextRole, QString(text).replace(u'\n', QStringLiteral(", ")));
            const QString about = Wording::puzzleAbout(p->def->by(), p->def->note());
            if (!about.isEmpty()) {
                item->setToolTip(about);
                item->setData(Qt::AccessibleDescriptionRole, about);
            }
            if (current_ && p->def->SameStart(*current_))
                current = item;
        }
    }
    // At the puzzle played; a puzzle not in the collection leaves none chosen.
    list_->setCurrentItem(current);
    if (current)
        list_->scrollToItem(current, QAbstractItemView::PositionAtCenter);
}

PuzzleChoice PuzzlesDialog::choose(const Records& records, const PuzzleDef& current, const std::string&) {
    choice_ = {};
    records_ = records;
    current_ = std::make_shared<const PuzzleDef>(current);
    fill();
    if (!seedTyped_)
        seed_->setText(QString::number(QRandomGenerator::global()->bounded(1, 10000)));
    if (parentWidget() != nullptr)
        FitToScreenOver(*this, kSize, *parentWidget()->window());
    list_->setFocus();
    exec();
    return choice_;
}

void PuzzlesDialog::playSelected() {
    const QListWidgetItem* item = list_->currentItem();
    const PuzzleInfo* p = item ? FindPuzzle(item->data(kPuzzleRole).toString().toStdString()) : nullptr;
    if (!p)
        return;
    choice_.kind = PuzzleChoice::Play;
    choice_.def = p->def;
    choice_.name = QString::fromStdString(p->name());
    accept();
}

void PuzzlesDialog::drawNew() {
    bool ok = false;
    const uint32_t seed = seed_->text().toUInt(&ok);
    if (!ok || seed == 0)
        return;
    if (!placements_)
        placements_ = std::make_unique<TenBlockTable>();
    const int index = difficulty_->currentIndex();
    const bool byNumber = index == difficulty_->count() - 1;
    const GeneratedPuzzle g = byNumber ? GeneratePuzzle(*placements_, moves_->value(), seed)
                                       : GeneratePuzzle(*placements_, kDifficulties[index], seed);
    choice_.kind = PuzzleChoice::Play;
    choice_.def = std::make_shared<const PuzzleDef>(g.def);
    choice_.name =
        GeneratedName(byNumber ? QString::number(moves_->value()) : difficulty_->currentText(), seed);
    // The next draw takes a new seed, shown when the window opens again.
    seedTyped_ = false;
    accept();
}

} // namespace trulp
