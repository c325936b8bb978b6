// The statistics dialog: shows the six search counters, or in play the
// game's own counts, modally, centred over the main window. It only reads.
#pragma once

#include "puzzle.h"
#include "session.h"
#include "screenfit.h"

#include <QDialog>
#include <QPoint>
#include <QRect>
#include <QSize>

class QLabel;
class QPushButton;

class TStatForm : public QDialog {
    Q_OBJECT

public:
    explicit TStatForm(QWidget* parent = nullptr);

    // Centres, fills and shows the dialog; returns when it is closed.
    void ShowStatistics(const trulp::SearchCounters& counters, const QWidget* mainWindow);

    // The same for a game played: its moves, piece moves, the coach's
    // moves, time, the way to go and the player's best.
    void ShowGame(const trulp::GameShown& game, const QWidget* mainWindow);
    void FillGame(const trulp::GameShown& game);

    // Writes the counters into the six value fields.
    void FillCounters(const trulp::SearchCounters& counters);

    // Top left of a dialog frame of the given size centred over a main window
    // frame; the halves are truncated toward zero, also when the dialog is
    // the larger of the two.
    static QPoint CentredPosition(const QRect& mainFrame, const QSize& dialogFrame);

private:
    void showOver(const QWidget* mainWindow);
    void setLabels(bool game);

    trulp::ScaledLayout m_layout;
    QLabel* m_labels[6];
    QLabel* m_fields[6];
    QPushButton* m_ok;
};
