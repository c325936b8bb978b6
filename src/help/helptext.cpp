#include "helptext.h"

#include "trulp_version.h"

#include <QFile>
#include <QLocale>

// Q_INIT_RESOURCE must be called from the global namespace.
static void initHelpResource() {
    // A resource in a static library is only linked in when referenced.
    Q_INIT_RESOURCE(help);
}

namespace trulp {

QStringList loadHelpText() {
    initHelpResource();
    // The help in the player's language, English where it has none.
    QFile file(QStringLiteral(":/help/helptext.txt"));
    for (QString language : QLocale().uiLanguages()) {
        language.replace(u'-', u'_');
        const QString translated = QStringLiteral(":/help/helptext_%1.txt").arg(language);
        if (QFile::exists(translated)) {
            file.setFileName(translated);
            break;
        }
    }
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.remove(u'\r');
    text.replace(QStringLiteral("@TRULP_VERSION@"), QStringLiteral(TRULP_VERSION));
    // Every line ends with a newline, the last one too; trailing spaces count.
    if (text.endsWith(u'\n')) {
        text.chop(1);
    }
    return text.split(u'\n');
}

} // namespace trulp
