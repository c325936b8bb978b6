// The help window: pages through the help text, 25 lines a page.
#pragma once

#include "helprenderer.h"
#include "screenfit.h"

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;

namespace trulp {

class Thelpform;

// The paint surface of the help box; everything is handled by the form.
class HelpBox : public QWidget {
    Q_OBJECT
public:
    explicit HelpBox(Thelpform& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Thelpform& m_form;
};

class Thelpform : public QDialog {
    Q_OBJECT
public:
    explicit Thelpform(QWidget* parent = nullptr);

    // Opens modally at page 1; returns when the window is closed.
    void ShowHelp();

    int currentPage() const { return HelpPage; }
    int pageCount() const { return HelpPageCount; }
    int pageDirection() const { return PageDirection; }
    const QStringList& lines() const { return ListBox1; }

    // Called by the help box.
    void helpboxPaint(QPainter& painter);

public slots:
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    // Text colours for the desktop's palette, light or dark.
    void recolour();
    // direction 0 repeats the last one, 1 is the next page, 2 the previous
    void StepHelpPage(int direction);
    void FirstHelpPage();
    // Clears the inside of the help box and draws the page on show, at once.
    void redrawPage();
    void showTitle();
    void pageNrDisplayMouseDown(QMouseEvent* event);
    void pageNrDisplayMouseUp();
    void Timer1Timer();
    void page1btnClick();

    QLabel* subtitle = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* page1btn = nullptr;
    QLabel* pageNrDisplay = nullptr;
    HelpBox* helpbox = nullptr;
    QTimer* Timer1 = nullptr;
    QStringList ListBox1;

    ScaledLayout m_layout;
    bool m_placed = false;
    HelpRenderer m_renderer;
    int HelpPage = 1;
    int HelpPageCount = 1;
    int PageDirection = 0;
    // The next paint of the help box turns a page: its inside only.
    bool m_pageTurn = false;
};

} // namespace trulp
