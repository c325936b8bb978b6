// Draws the toolbar icons, the logo and the application icon. The pictures
// are committed; run this only to remake them:
//
//   g++ -std=c++20 -fPIC make_icons.cpp $(pkg-config --cflags --libs Qt6Gui) -o /tmp/make_icons
//   QT_QPA_PLATFORM=offscreen /tmp/make_icons resources/icons
//
// Every picture is 24-bit on the almost-white background colour, which the
// program makes transparent: it must stay in the bottom-left pixel.
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <string>

namespace {

const QColor kBackground(250, 250, 252);

// The toolbar pictures and the logo are drawn once at their size and once
// at twice it, for screens of twice the density.
double gScale = 1;

QImage Canvas(int w, int h) {
    QImage image(int(w * gScale), int(h * gScale), QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

QPen Outline(const QColor& c, double width = 1.2) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// An open folder: the back with its tab, a sheet of paper, the front flap
// tilted toward the viewer.
QImage OpenFolder() {
    QImage image = Canvas(50, 46);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    const QColor edge(139, 94, 18);

    QPainterPath back;
    back.moveTo(4, 40);
    back.lineTo(4, 9);
    back.quadTo(4, 7, 6, 7);
    back.lineTo(16, 7);
    back.lineTo(19.5, 11);
    back.lineTo(38, 11);
    back.quadTo(40, 11, 40, 13);
    back.lineTo(40, 40);
    back.closeSubpath();
    p.setPen(Outline(edge));
    p.setBrush(Vertical(7, 40, QColor(236, 178, 52), QColor(206, 140, 28)));
    p.drawPath(back);

    p.setPen(Outline(QColor(150, 150, 160), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(9.5, 4.5, 25, 26));
    p.setPen(QPen(QColor(150, 170, 210), 1.4));
    for (int y = 10; y <= 22; y += 4)
        p.drawLine(QPointF(13, y), QPointF(31, y));

    QPainterPath front;
    front.moveTo(4, 40.5);
    front.lineTo(11, 19.5);
    front.lineTo(47.5, 19.5);
    front.lineTo(40, 40.5);
    front.closeSubpath();
    p.setPen(Outline(edge));
    p.setBrush(Vertical(19.5, 40.5, QColor(255, 226, 120), QColor(242, 182, 52)));
    p.drawPath(front);
    p.setPen(QPen(QColor(255, 244, 190), 1.2));
    p.drawLine(QPointF(12.2, 21.2), QPointF(45.3, 21.2));
    return image;
}

// A hard disk drive seen from above and in front: a metal box with a
// platter on its lid and a green light.
QImage HardDisk() {
    QImage image = Canvas(49, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    const QColor edge(62, 68, 82);
    p.setPen(Outline(edge));

    QPolygonF top({{11, 5}, {46, 5}, {38, 16}, {3, 16}});
    p.setBrush(Vertical(5, 16, QColor(236, 239, 245), QColor(198, 204, 215)));
    p.drawPolygon(top);
    QPolygonF side({{38, 16}, {46, 5}, {46, 24}, {38, 35}});
    p.setBrush(Vertical(5, 35, QColor(150, 157, 172), QColor(108, 115, 130)));
    p.drawPolygon(side);
    p.setBrush(Vertical(16, 35, QColor(184, 191, 204), QColor(140, 148, 162)));
    p.drawRect(QRectF(3, 16, 35, 19));

    // Platter on the lid, foreshortened.
    p.setPen(Outline(QColor(120, 128, 145), 1.0));
    p.setBrush(QColor(214, 219, 229));
    p.drawEllipse(QPointF(24.5, 10.5), 10, 3.6);
    p.setBrush(QColor(160, 168, 184));
    p.drawEllipse(QPointF(24.5, 10.5), 2.4, 0.9);

    // Front: a groove, a vent and the activity light.
    p.setPen(QPen(QColor(104, 112, 128), 1.2));
    p.drawLine(QPointF(6, 22), QPointF(35, 22));
    p.setPen(QPen(QColor(215, 220, 230), 1.0));
    p.drawLine(QPointF(6, 23.2), QPointF(35, 23.2));
    p.setPen(QPen(QColor(96, 104, 120), 1.3));
    for (double x = 7; x <= 19; x += 3)
        p.drawLine(QPointF(x, 27), QPointF(x, 31));
    QRadialGradient led(QPointF(31.5, 28.5), 3.2);
    led.setColorAt(0, QColor(170, 255, 150));
    led.setColorAt(1, QColor(20, 160, 40));
    p.setPen(Outline(QColor(20, 90, 30), 0.8));
    p.setBrush(led);
    p.drawEllipse(QPointF(31.5, 29), 2.6, 2.6);
    return image;
}

// A desk printer with a sheet going in at the back and a printed one coming
// out at the front.
QImage Printer() {
    QImage image = Canvas(43, 37);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    const QColor edge(58, 64, 78);

    p.setPen(Outline(QColor(140, 140, 150), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(11.5, 2.5, 20, 12));

    QPainterPath body;
    body.addRoundedRect(QRectF(2.5, 12.5, 38, 15), 3, 3);
    p.setPen(Outline(edge));
    p.setBrush(Vertical(12.5, 27.5, QColor(206, 212, 224), QColor(132, 140, 156)));
    p.drawPath(body);
    p.setPen(QPen(QColor(70, 76, 90), 1.6));
    p.drawLine(QPointF(9, 16.5), QPointF(34, 16.5));

    QRadialGradient led(QPointF(35, 20.5), 2.6);
    led.setColorAt(0, QColor(170, 255, 150));
    led.setColorAt(1, QColor(20, 160, 40));
    p.setPen(Outline(QColor(20, 90, 30), 0.8));
    p.setBrush(led);
    p.drawEllipse(QPointF(35, 21), 2.1, 2.1);

    p.setPen(Outline(QColor(140, 140, 150), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(9.5, 23.5, 24, 11));
    p.setPen(QPen(QColor(70, 74, 90), 1.0));
    p.drawLine(QPointF(13, 26.5), QPointF(30, 26.5));
    p.drawLine(QPointF(13, 29.5), QPointF(30, 29.5));
    p.drawLine(QPointF(13, 32.5), QPointF(23, 32.5));
    return image;
}

// A brass key lying on its side.
QImage Key() {
    QImage image = Canvas(49, 26);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    const QColor edge(122, 82, 10);

    QPainterPath key;
    key.addEllipse(QPointF(11.5, 12.5), 9, 9);
    key.addRect(QRectF(19, 10.5, 27, 5));
    key.addRect(QRectF(35, 15, 3.5, 5));
    key.addRect(QRectF(40.5, 15, 5, 7));
    key = key.simplified();
    QPainterPath hole;
    hole.addEllipse(QPointF(9, 12.5), 3.4, 3.4);
    key = key.subtracted(hole);

    p.setPen(Outline(edge));
    p.setBrush(Vertical(3, 22, QColor(255, 222, 112), QColor(204, 146, 24)));
    p.drawPath(key);
    p.setPen(QPen(QColor(255, 240, 180), 1.1));
    p.drawLine(QPointF(21, 12), QPointF(44.5, 12));
    return image;
}

// The maker's mark: four small tiles, one of them red, and the name.
QImage Logo() {
    QImage image = Canvas(125, 30);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    const QColor blue(0, 96, 255), red(230, 20, 20);
    const QRectF tiles[4] = {{3, 3, 11, 11}, {15, 3, 11, 11}, {3, 15, 11, 11}, {15, 15, 11, 11}};
    for (int i = 0; i < 4; ++i) {
        const QColor c = i == 3 ? red : blue;
        p.setPen(Outline(c.darker(150), 1.0));
        p.setBrush(Vertical(tiles[i].top(), tiles[i].bottom(), c.lighter(125), c));
        p.drawRoundedRect(tiles[i], 2, 2);
    }

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(23);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.4);
    const QString name = QStringLiteral("Quorvel");
    const QFontMetricsF fm(font, &image);
    const double x = 32, baseline = 15 + (fm.ascent() - fm.descent()) / 2 + 1;
    QPainterPath text;
    text.addText(QPointF(x, baseline), font, name);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(baseline - fm.ascent(), baseline, QColor(30, 50, 150), QColor(0, 16, 96)));
    p.drawPath(text);
    return image;
}

// The game chart: a falling line of moves to go, one step of it going the
// wrong way in red, on a sheet with two axes.
QImage Chart() {
    QImage image = Canvas(46, 37);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    p.setPen(Outline(QColor(140, 140, 150), 1.0));
    p.setBrush(QColor(255, 255, 255));
    p.drawRoundedRect(QRectF(2.5, 2.5, 41, 32), 2, 2);
    p.setPen(Outline(QColor(60, 64, 80), 1.4));
    p.drawLine(QPointF(8, 6), QPointF(8, 29));
    p.drawLine(QPointF(8, 29), QPointF(40, 29));
    p.setPen(QPen(QColor(160, 170, 190), 1.0, Qt::DashLine));
    p.drawLine(QPointF(9, 8), QPointF(39, 28));
    const QPointF points[] = {{9, 8}, {15, 13}, {20, 11}, {26, 18}, {32, 23}, {38, 28}};
    for (int i = 0; i + 1 < 6; ++i) {
        p.setPen(Outline(i == 1 ? QColor(220, 30, 30) : QColor(0, 70, 200), 2.2));
        p.drawLine(points[i], points[i + 1]);
    }
    return image;
}

// The puzzles: a stack of cards, each a small board; the front one shows
// the blue blocks and the red X.
QImage Puzzles() {
    QImage image = Canvas(44, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(gScale, gScale);
    for (int card = 2; card >= 0; --card) {
        const QRectF r(4.5 + card * 6, 1.5 + card * 1.5, 24, 28);
        p.setPen(Outline(QColor(120, 124, 140), 1.0));
        p.setBrush(card == 0 ? QColor(255, 255, 255) : QColor(226, 228, 236));
        p.drawRoundedRect(r, 2, 2);
    }
    struct B {
        int col, row, w, h;
    };
    const B blocks[10] = {{0, 0, 1, 2}, {1, 0, 2, 2}, {3, 0, 1, 2}, {0, 2, 1, 2}, {1, 2, 2, 1},
                          {3, 2, 1, 2}, {1, 3, 1, 1}, {2, 3, 1, 1}, {0, 4, 1, 1}, {3, 4, 1, 1}};
    const double field = 5, x0 = 6.5, y0 = 3.5;
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const B& b = blocks[i];
        p.setBrush(i == 1 ? QColor(230, 20, 20) : QColor(0, 96, 255));
        p.drawRect(
            QRectF(x0 + b.col * field + 0.4, y0 + b.row * field + 0.4, b.w * field - 0.8, b.h * field - 0.8));
    }
    return image;
}

// The application icon: the puzzle in its start position on a dark tile,
// with the goal of the red block marked; no letters, so it reads when small.
// On the background colour, or with real transparency for the desktop,
// whose panels may be dark. Drawn at 256 px and scaled as a drawing, not as
// a picture, so that the small sizes of the icon theme stay sharp.
QImage AppIcon(bool transparent = false, int size = 256) {
    QImage image = Canvas(size, size);
    if (transparent) {
        image = QImage(size, size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(10, 6, 236, 244), 34, 34);
    p.setPen(Outline(QColor(30, 34, 48), 2));
    p.setBrush(Vertical(6, 250, QColor(74, 84, 108), QColor(40, 46, 62)));
    p.drawPath(tile);

    const double field = 44, x0 = 40, y0 = 18;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(28, 32, 44));
    p.drawRoundedRect(QRectF(x0 - 4, y0 - 4, 4 * field + 8, 5 * field + 8), 10, 10);

    // Where X has to go.
    QPen goal(QColor(255, 120, 120), 3, Qt::DashLine);
    goal.setDashPattern({2.5, 2});
    p.setPen(goal);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(x0 + field + 5, y0 + 3 * field + 5, 2 * field - 10, 2 * field - 10), 6, 6);

    struct B {
        int col, row, w, h;
    };
    const B blocks[10] = {{0, 0, 1, 2}, {1, 0, 2, 2}, {3, 0, 1, 2}, {0, 2, 1, 2}, {1, 2, 2, 1},
                          {3, 2, 1, 2}, {1, 3, 1, 1}, {2, 3, 1, 1}, {0, 4, 1, 1}, {3, 4, 1, 1}};
    for (int i = 0; i < 10; ++i) {
        const B& b = blocks[i];
        const QRectF r(x0 + b.col * field + 2.5, y0 + b.row * field + 2.5, b.w * field - 5, b.h * field - 5);
        const bool x = i == 1;
        const QColor top = x ? QColor(255, 92, 76) : QColor(70, 150, 255);
        const QColor bottom = x ? QColor(214, 0, 0) : QColor(0, 80, 230);
        p.setPen(Outline(x ? QColor(130, 0, 0) : QColor(0, 40, 140), 2));
        p.setBrush(Vertical(r.top(), r.bottom(), top, bottom));
        p.drawRoundedRect(r, 7, 7);
        // A soft highlight along the top edge gives the blocks some relief.
        p.setPen(QPen(QColor(255, 255, 255, 110), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(r.left() + 8, r.top() + 4), QPointF(r.right() - 8, r.top() + 4));
    }
    return image;
}

bool Save(const QImage& image, const QDir& dir, const char* name) {
    if (image.pixel(0, image.height() - 1) != kBackground.rgb()) {
        std::fprintf(stderr, "%s: the bottom-left pixel is not the background\n", name);
        return false;
    }
    const QString path = dir.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    bool ok = true;
    for (const char* suffix : {"", "@2x"}) {
        gScale = *suffix ? 2 : 1;
        const auto name = [&](const char* base) { return std::string(base) + suffix + ".png"; };
        ok = ok && Save(OpenFolder(), dir, name("open").c_str()) &&
             Save(HardDisk(), dir, name("save").c_str()) && Save(Printer(), dir, name("print").c_str()) &&
             Save(Key(), dir, name("printer_setup").c_str()) && Save(Logo(), dir, name("logo").c_str()) &&
             Save(Chart(), dir, name("chart").c_str()) && Save(Puzzles(), dir, name("puzzles").c_str());
    }
    gScale = 1;
    ok = ok && Save(AppIcon(), dir, "trulp.png") &&
         AppIcon(true).save(dir.filePath(QStringLiteral("trulp-desktop.png")), "PNG");
    // The smaller sizes of the desktop icon for the icon theme; 256 px is
    // trulp-desktop.png itself.
    for (int size : {16, 24, 32, 48, 64, 128}) {
        const QString name = QStringLiteral("trulp-desktop-%1.png").arg(size);
        ok = ok && AppIcon(true, size).save(dir.filePath(name), "PNG");
    }
    return ok ? 0 : 1;
}
