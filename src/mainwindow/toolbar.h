// The toolbar's pictures: open, save, print, printer setup, chart and
// puzzles. A blue frame stands around the one under the pointer, and a click
// or tap runs the picture it lands on.
#pragma once

#include "hooklabel.h"

#include <QObject>
#include <QRect>

#include <array>
#include <functional>

class QPainter;

namespace trulp {

class ScaledLayout;

class ToolBar : public QObject {
    Q_OBJECT
public:
    enum Picture { None, Open, Save, Print, PrinterSetup, Chart, Puzzles, Count };

    explicit ToolBar(ScaledLayout& layout);

    HookLabel* picture(Picture p) const { return pictures_[p]; }
    int framed() const { return framed_; }
    // The frame around a picture, in design pixels.
    QRect frameRect(int picture) const;
    // The frame of the picture under the pointer, as the window paints it.
    void paintFrame(QPainter& canvas) const;
    // The pointer left the pictures for the bare window.
    void pointerLeft();

signals:
    void activated(int picture);

private:
    void setFramed(int picture);

    ScaledLayout& layout_;
    std::array<HookLabel*, Count> pictures_{};
    int framed_ = None;
};

} // namespace trulp
