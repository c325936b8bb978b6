#include "cellfont.h"

#include <QFontMetrics>
#include <QHash>

namespace trulp {

QFont CellFont(const QString& family, int cell, bool bold, bool italic) {
    static QHash<QString, int> cache;
    const QString key = family + QLatin1Char('/') + QString::number(cell) + (bold ? u'b' : u'-') +
                        (italic ? u'i' : u'-');
    QFont f(family);
    f.setBold(bold);
    f.setItalic(italic);
    f.setStyleStrategy(QFont::NoSubpixelAntialias);
    auto it = cache.constFind(key);
    if (it != cache.constEnd()) {
        f.setPixelSize(*it);
        return f;
    }
    int best = 1;
    for (int px = 1; px <= cell; ++px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).height() <= cell)
            best = px;
        else
            break;
    }
    f.setPixelSize(best);
    cache.insert(key, best);
    return f;
}

} // namespace trulp
