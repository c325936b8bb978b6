#include "theme.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <cmath>
#include <utility>

namespace trulp {

namespace {

// Relative luminance of a colour as shown, eight bits a channel.
double Luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QRgb rgb = colour.rgb();
    return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}

class PaletteWatcher : public QObject {
public:
    PaletteWatcher(QWidget& window, std::function<void()> recolour)
        : QObject(&window), m_recolour(std::move(recolour)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ApplicationPaletteChange)
            m_recolour();
        return false;
    }

private:
    std::function<void()> m_recolour;
};

} // namespace

bool IsDarkPalette(const QPalette& palette) {
    return Luminance(palette.color(QPalette::Window)) < Luminance(palette.color(QPalette::WindowText));
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableColour(const QColor& design, const QColor& background, const QPalette& palette) {
    if (!IsDarkPalette(palette) || ContrastRatio(design, background) >= kMinimumContrast)
        return design;
    const QColor hsl = design.toHsl();
    if (hsl.hslHue() < 0) {
        // No hue to keep: the desktop's own text colour reads best.
        const QColor text = palette.color(QPalette::WindowText);
        if (ContrastRatio(text, background) >= kMinimumContrast)
            return text;
    }
    // Lighter in the same hue and saturation; luminance grows with lightness,
    // so the least lightness that reads is found by halving.
    const auto tint = [&hsl](double lightness) {
        return QColor(QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), lightness).rgb());
    };
    double dark = hsl.lightnessF(), light = 1.0;
    if (ContrastRatio(tint(light), background) < kMinimumContrast)
        return tint(light); // a background too light for any tint: white is the most there is
    for (int i = 0; i < 24; ++i) {
        const double mid = (dark + light) / 2;
        (ContrastRatio(tint(mid), background) >= kMinimumContrast ? light : dark) = mid;
    }
    return tint(light);
}

void SetTextColour(QWidget* control, const QColor& design) {
    QPalette pal = control->palette();
    const bool button = qobject_cast<QAbstractButton*>(control) != nullptr;
    const QColor background = pal.color(button ? QPalette::Button : QPalette::Window);
    const QColor colour = ReadableColour(design, background, QApplication::palette());
    pal.setColor(QPalette::ButtonText, colour);
    pal.setColor(QPalette::WindowText, colour);
    control->setPalette(pal);
}

void SetButtonFace(QWidget& window) {
    QPalette face = window.palette();
    face.setColor(QPalette::Window, QApplication::palette(&window).color(QPalette::Button));
    window.setPalette(face);
    window.setAutoFillBackground(true);
}

void FollowPalette(QWidget& window, std::function<void()> recolour) {
    recolour();
    new PaletteWatcher(window, std::move(recolour));
}

} // namespace trulp
