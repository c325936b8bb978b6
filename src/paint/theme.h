// Text colours in light and dark desktop styles. The program's colours are
// made for a light style and stay exactly so there; when the desktop's
// palette is dark, a coloured text shows as a lighter tint of its own hue
// that stays readable on its background. Pictures (board, panel, target,
// help box, chart) keep their own light backgrounds and colours.
#pragma once

#include <QColor>
#include <QPalette>

#include <functional>

class QWidget;

namespace trulp {

// The least contrast of any text with its background.
inline constexpr double kMinimumContrast = 4.5;

// Whether a palette is dark: its window is darker than the text on it.
bool IsDarkPalette(const QPalette& palette);

// The contrast ratio of two colours as the web's accessibility guidelines
// define it: 1 (the same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The colour to show for a design colour on `background`. In a light
// palette, and wherever it is readable already, the design colour itself;
// otherwise the least lighter tint of its hue that reaches kMinimumContrast,
// and for black or grey the palette's own text colour where that is
// readable.
QColor ReadableColour(const QColor& design, const QColor& background, const QPalette& palette);

// Gives a control's text (window and button text roles) the readable colour
// of `design` in the application's palette, on the control's background:
// for push and tool buttons their face as the style paints it (its lightest
// part), for everything else the window colour. While the control is
// disabled its text is the desktop's disabled grey.
void SetTextColour(QWidget* control, const QColor& design);

// Gives a window the desktop's button-face colour as its background, as the
// program's windows are designed; autofilled.
void SetButtonFace(QWidget& window);

// Runs `recolour` now and again whenever the application's palette changes
// (the desktop switched between light and dark), for as long as `window`
// lives; it must be a window, as only windows hear of the change.
void FollowPalette(QWidget& window, std::function<void()> recolour);

} // namespace trulp
