// Fonts chosen by the height of their character cell in pixels, the measure
// the window's layout is given in.
#pragma once

#include <QFont>

namespace trulp {

// The largest face of `family` whose cell (ascent + descent) fits `cell`.
QFont CellFont(const QString& family, int cell, bool bold = false, bool italic = false);

// The plain sans-serif face of the window and the face of the arrows.
inline QFont Arial(int cell, bool bold = false) { return CellFont(QStringLiteral("Arial"), cell, bold); }
inline QFont ArrowFont(int cell) { return CellFont(QStringLiteral("DejaVu Sans"), cell); }

} // namespace trulp
