#include "theme.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
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

// Tints aim a little above the least contrast: the thin strokes of small
// anti-aliased text seldom show their full colour.
constexpr double kTintContrast = kMinimumContrast + 0.25;

// The lightest colour of a button's face as its style paints it, raised,
// under the pointer and pressed: styles paint faces in gradients lighter
// than the palette's button colour, and a caption must read on all of them.
QColor PaintedFace(const QWidget& button) {
    const QSize size(48, 28);
    const int frame = 4;
    QColor lightest = button.palette().color(QPalette::Button);
    const QStyle::State states[] = {QStyle::State_Raised, QStyle::State_Raised | QStyle::State_MouseOver,
                                    QStyle::State_Sunken | QStyle::State_On};
    for (const QStyle::State state : states) {
        QStyleOptionButton option;
        option.initFrom(&button);
        option.rect = QRect(QPoint(), size);
        option.state = QStyle::State_Enabled | state;
        QImage face(size, QImage::Format_ARGB32_Premultiplied);
        face.fill(Qt::transparent);
        QPainter painter(&face);
        button.style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, &button);
        painter.end();
        for (int y = frame; y < size.height() - frame; ++y)
            for (int x = frame; x < size.width() - frame; ++x) {
                const QRgb pixel = face.pixel(x, y);
                if (qAlpha(pixel) == 255 && Luminance(QColor(pixel)) > Luminance(lightest))
                    lightest = QColor(pixel);
            }
    }
    return lightest;
}

class PaletteWatcher : public QObject {
public:
    PaletteWatcher(QWidget& window, std::function<void()> recolour)
        : QObject(&window), m_recolour(std::move(recolour)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        // Only windows hear of the change, before they and their controls
        // take the new palette; the colours are measured once they have.
        if (event->type() == QEvent::ApplicationPaletteChange)
            QMetaObject::invokeMethod(
                this, [this] { m_recolour(); }, Qt::QueuedConnection);
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
    if (ContrastRatio(tint(light), background) < kTintContrast)
        return tint(light); // a background too light for any tint: white is the most there is
    for (int i = 0; i < 24; ++i) {
        const double mid = (dark + light) / 2;
        (ContrastRatio(tint(mid), background) >= kTintContrast ? light : dark) = mid;
    }
    return tint(light);
}

void SetTextColour(QWidget* control, const QColor& design) {
    QPalette pal = control->palette();
    // A check box's caption stands on the window, a button's on its face.
    const bool button =
        qobject_cast<QPushButton*>(control) != nullptr || qobject_cast<QToolButton*>(control) != nullptr;
    const QPalette& desktop = QApplication::palette();
    // In a light style every colour stays as designed: no face to measure.
    const QColor background = !button                  ? pal.color(QPalette::Window)
                              : IsDarkPalette(desktop) ? PaintedFace(*control)
                                                       : pal.color(QPalette::Button);
    const QColor colour = ReadableColour(design, background, desktop);
    // A disabled control keeps the desktop's grey, so that it looks disabled.
    for (const QPalette::ColorRole role : {QPalette::ButtonText, QPalette::WindowText}) {
        pal.setColor(QPalette::Active, role, colour);
        pal.setColor(QPalette::Inactive, role, colour);
        pal.setColor(QPalette::Disabled, role, desktop.color(QPalette::Disabled, role));
    }
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
