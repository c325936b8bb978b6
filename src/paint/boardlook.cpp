#include "boardlook.h"

namespace trulp {

QColor ShapeColour(int shape) {
    return shape == 4 ? QColor(0xFF, 0x00, 0x00) : QColor(0x00, 0x60, 0xFF);
}

QRect BlockRect(const Block& b, int field) {
    const BlockShape& s = shapeTable[b.shape];
    return QRect((b.field % kColumns) * field, (b.field / kColumns) * field, s.width * field,
                 s.height * field);
}

BlockLook BoardLook(int shape) {
    const QColor c = ShapeColour(shape);
    return {c,
            QColor(c.red() | 0xA0, c.green() | 0xA0, c.blue() | 0xA0),
            QColor(c.red() & 0xC0, c.green() & 0xC0, c.blue() & 0xC0),
            4,
            Arial(40, true),
            2};
}

} // namespace trulp
