// The puzzles: the collection in its packs, each with the player's progress
// (solved or not, alone or with help, best moves and piece moves beside the
// shortest, best time, how often), a new start of the ten blocks drawn by
// difficulty from a seed that is shown, and the way to set up one's own. It
// only chooses; the main window plays.
#pragma once

#include "puzzledef.h"
#include "records.h"

#include <QDialog>
#include <QString>

#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace trulp {

struct PuzzleInfo;
class TenBlockTable;

struct PuzzleChoice {
    enum Kind { None, Play, SetUp } kind = None;
    std::shared_ptr<const PuzzleDef> def;
    QString name;
};

// A small picture of a puzzle's start, fields `field` pixels wide (smaller
// for a board of more than 4 x 5 fields), at the density.
QImage StartPicture(const PuzzleDef& def, int field, qreal devicePixelRatio);

// What the list says of a puzzle: its name and the player's progress
// beside its shortest lines.
QString PuzzleLine(const QString& name, const PuzzleInfo& puzzle, const Record* record);
// A pack's heading: its name, how many are solved and how many in the fewest moves.
QString PackLine(const std::string& pack, int puzzles, int solved, int fewest);
// A time of play, as minutes and seconds (hours where it takes them).
QString PlayTime(int seconds);

// The name of a puzzle drawn at random: its difficulty and the seed that
// draws it again.
QString GeneratedName(const QString& difficulty, uint32_t seed);

class PuzzlesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PuzzlesDialog(QWidget* parent);
    ~PuzzlesDialog() override;
    // Modal, with the player's progress; the choice made, or None when
    // closed. It opens at the puzzle being played, if the collection has it.
    PuzzleChoice choose(const Records& records, const PuzzleDef& current, const std::string& currentName);

private:
    void fill();
    void playSelected();
    void drawNew();

    QListWidget* list_;
    QCheckBox* unsolvedFirst_;
    QComboBox* difficulty_;
    QSpinBox* moves_;
    QLineEdit* seed_;
    Records records_;
    std::shared_ptr<const PuzzleDef> current_;
    std::unique_ptr<TenBlockTable> placements_; // made when a puzzle is first drawn
    // The seed shown was typed by the player: the next puzzle is drawn from
    // it; otherwise each draw takes a new one.
    bool seedTyped_ = false;
    PuzzleChoice choice_;
};

} // namespace trulp
