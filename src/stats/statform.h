// The statistics dialog: shows the six search counters, modally, centred over
// the main window. It only reads the counters.
#pragma once

#include "puzzle.h"
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

    // Writes the counters into the six value fields.
    void FillCounters(const trulp::SearchCounters& counters);

    // Top left of a dialog frame of the given size centred over a main window
    // frame; the halves are truncated toward zero, also when the dialog is
    // the larger of the two.
    static QPoint CentredPosition(const QRect& mainFrame, const QSize& dialogFrame);

private:
    trulp::ScaledLayout m_layout;
    QLabel* m_fields[6];
    QPushButton* m_ok;
};
