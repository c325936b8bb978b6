// The toolbar icons: a blue frame while the pointer is on one, and a
// click that runs the framed icon's operation.
#include "form1.h"

#include <QMouseEvent>

namespace trulp {

QRect TForm1::IconFrameRect(int tag) const {
    const HookLabel* icons[] = {nullptr,  open_image,  save_image,   pr_image,
                                pr_setup, chart_image, puzzles_image};
    return layout_.designOf(icons[tag]).adjusted(-2, -2, 2, 2);
}

namespace {
// The window's pixels under a frame at the window's scale.
QRect FramePixels(const ScaledLayout& layout, const QRect& frame) {
    return CoveringRect(frame, layout.scale(), layout.offset());
}
} // namespace

// The frame is part of the window's painting while hoverIcon_ is set; this
// makes it appear or go at once.
void TForm1::DrawIconFrame() {
    if (hoverIcon_ != 0)
        repaint(FramePixels(layout_, IconFrameRect(hoverIcon_)));
}

// Moves the frame: the old one goes, the new one (if any) comes.
void TForm1::setHoverIcon(int tag) {
    const uint8_t old = hoverIcon_;
    hoverIcon_ = uint8_t(tag);
    if (old != 0)
        repaint(FramePixels(layout_, IconFrameRect(old)));
    DrawIconFrame();
}

void TForm1::open_imageMouseMove(int tag) {
    if (!busy() && tag != hoverIcon_)
        setHoverIcon(tag);
}

void TForm1::FormMouseMove() {
    if (hoverIcon_ != 0)
        setHoverIcon(0);
}

void TForm1::mouseMoveEvent(QMouseEvent* e) {
    // Moves over a child control reach the window too; only the bare
    // background takes the frame away.
    if (childAt(e->position().toPoint()) == nullptr)
        FormMouseMove();
    QWidget::mouseMoveEvent(e);
}

void TForm1::open_imageMouseDown() {
    if (busy() || hoverIcon_ == 0)
        return;
    switch (hoverIcon_) {
    case 1:
        OpenMoves();
        break;
    case 2:
        SaveMoves();
        break;
    case 3:
        PrintMoves();
        break;
    case 4:
        desktop_.runPrinterSetup();
        break;
    case 5:
        ShowChart();
        break;
    case 6:
        ShowPuzzles();
        break;
    default:
        break;
    }
    FormMouseMove();
}

} // namespace trulp
