// The puzzles: the collection with a picture of each start and its shortest
// solution, a new puzzle by difficulty from a seed that is shown, and the
// way to set up one's own. It only chooses; the main window plays.
#pragma once

#include "position.h"
#include "records.h"

#include <QDialog>
#include <QString>

class QComboBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

namespace trulp {

struct PuzzleChoice {
    enum Kind { None, Play, SetUp } kind = None;
    BlockTable start{};
    QString name;
};

// A small picture of a start, fields `field` pixels wide, at the density.
QImage StartPicture(const Block (&start)[kBlocks + 1], int field, qreal devicePixelRatio);

// What the list says of a puzzle: its name, the record if there is one and
// its shortest solution.
QString PuzzleLine(const QString& name, int shortest, const Record* record);

// The name of a puzzle drawn at random: its difficulty and the seed that
// draws it again.
QString GeneratedName(const QString& difficulty, uint32_t seed);

class PuzzlesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PuzzlesDialog(QWidget* parent);
    // Modal, with the player's records beside the shortest solutions; the
    // choice made, or None when closed.
    // It opens at the puzzle being played (`current`, its start), and marks
    // the solved ones.
    PuzzleChoice choose(const Records& records, const BlockTable* current = nullptr);

private:
    void playSelected();
    void drawNew();

    QListWidget* list_;
    QComboBox* difficulty_;
    QSpinBox* moves_;
    QLineEdit* seed_;
    // The seed shown was typed by the player: the next puzzle is drawn from
    // it; otherwise each draw takes a new one.
    bool seedTyped_ = false;
    PuzzleChoice choice_;
};

} // namespace trulp
