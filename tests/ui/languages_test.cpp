// Every language the program speaks, through its real windows: each text
// fits its control, window titles keep TRULP first, and in the pseudo-
// language (accented, 40 % longer) no English is left on screen. The
// catalogues are complete with their placeholders, and each help text has
// the English help's pages.
#include "form_fixture.h"
#include "helpform.h"
#include "helprenderer.h"
#include "puzzles.h"
#include "puzzlesdialog.h"
#include "screenfit.h"
#include "statform.h"
#include "trulp_version.h"
#include "words.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLibraryInfo>
#include <QPainter>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace trulp;

namespace {

// The catalogues the program carries, and the pseudo-language built for the tests.
QStringList Catalogues() {
    QStringList files;
    for (const QString& name : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("trulp_*.qm")}))
        files << QStringLiteral(":/i18n/") + name;
    files << QStringLiteral(TRULP_PSEUDO_QM);
    return files;
}

// The windows a player sees, made anew in the language installed.
struct Windows {
    FormFixture fx;
    TStatForm stats{fx.form.get()};
    Thelpform help{fx.form.get()};
    PuzzlesDialog puzzles{fx.form.get()};
    Windows() {
        for (QWidget* w : std::initializer_list<QWidget*>{&stats, &help, &puzzles})
            w->show();
        (void)QTest::qWaitForWindowExposed(&puzzles);
    }
    QList<QWidget*> all() { return {fx.form.get(), &stats, &help, &puzzles}; }
};

// The visible texts of a window's labels and buttons, with their controls.
QList<QWidget*> TextControls(QWidget* window) {
    QList<QWidget*> found;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisibleTo(window) && (qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w)))
            found << w;
    return found;
}

QString TextOf(const QWidget* w) {
    if (const auto* l = qobject_cast<const QLabel*>(w))
        return l->text();
    return static_cast<const QAbstractButton*>(w)->text();
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("catalogue");
        for (const QString& file : Catalogues())
            QTest::newRow(qPrintable(QFileInfo(file).baseName())) << file;
    }
    void everyTextFitsItsControl() {
        QFETCH(QString, catalogue);
        QTranslator translator;
        QVERIFY(translator.load(catalogue));
        QCoreApplication::installTranslator(&translator);
        {
            Windows w;
            QStringList cut;
            for (QWidget* window : w.all()) {
                QVERIFY2(window->windowTitle().startsWith(QStringLiteral("TRULP")),
                         qPrintable(window->windowTitle()));
                for (QWidget* c : TextControls(window))
                    if (TextRoomLeft(*c) < 0)
                        cut << QStringLiteral("%1 \"%2\" (%3 px short)")
                                   .arg(c->objectName(), TextOf(c))
                                   .arg(-TextRoomLeft(*c));
            }
            QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        }
        QCoreApplication::removeTranslator(&translator);
    }

    // On a right-to-left desktop the keys and file names in tool tips and
    // sentences stay whole: the desktop's key text opens an embedding that
    // must not carry the rest of the sentence, its closing bracket included,
    // and a path with a Hebrew name keeps its order.
    void keysAndNamesStayWholeRightToLeft() {
        // Qt's own Hebrew catalogue writes the keys, as on a Hebrew desktop.
        QTranslator qt;
        QVERIFY(qt.load(QLocale(QLocale::Hebrew), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&qt);
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        {
            FormFixture fx;
            const auto leftOpen = [](const QString& t) {
                return std::any_of(t.begin(), t.end(),
                                   [](QChar c) { return c >= u'\u202A' && c <= u'\u202E'; });
            };
            QVERIFY(fx.playBtn()->toolTip().endsWith(QStringLiteral("(\u2066Ctrl+1\u2069)")));
            for (const QWidget* w : fx.form->findChildren<QWidget*>())
                QVERIFY2(!leftOpen(w->toolTip()), qPrintable(w->objectName()));
            const QString said = Text(Said(Words::NextOffered, 0, 0, 0, "corners"));
            QVERIFY2(said.endsWith(QStringLiteral("(\u2066Ctrl+N\u2069)")), qPrintable(said));
            const QString path = QStringLiteral("/tmp/\u05D7\u05D9\u05D3\u05EA TRULP.pdf");
            QVERIFY(Text(Said(Words::Printed, 0, 0, 0, path.toStdString()))
                        .contains(QChar(0x2068) + path + QChar(0x2069)));
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        QCoreApplication::removeTranslator(&qt);
    }

    // In the pseudo-language every word on screen is accented: a run of
    // plain letters is a text that escaped translation.
    void noEnglishLeftInThePseudoLanguage() {
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(TRULP_PSEUDO_QM)));
        QCoreApplication::installTranslator(&translator);
        {
            Windows w;
            const QRegularExpression english(QStringLiteral("[A-Za-z]{4,}"));
            // Names, and keys as the keyboard shows them.
            const QStringList names = {QStringLiteral("TRULP"), QStringLiteral("Quorvel"),
                                       QStringLiteral("www.quorvel.example"), QStringLiteral("Ctrl"),
                                       QStringLiteral("Shift")};
            QStringList left;
            for (QWidget* window : w.all()) {
                QList<QWidget*> seen = TextControls(window);
                // The help's own pages come in each language's help text.
                seen.removeIf([](QWidget* c) { return c->objectName() == QLatin1String("subtitle"); });
                seen << window;
                for (QWidget* c : seen) {
                    for (QString text : {c == window ? c->windowTitle() : TextOf(c), c->toolTip(),
                                         c->accessibleName(), c->accessibleDescription()}) {
                        for (const QString& n : names)
                            text.remove(n);
                        if (english.match(text).hasMatch())
                            left << QStringLiteral("%1: %2").arg(c->objectName(), text);
                    }
                }
            }
            QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral("; "))));
        }
        QCoreApplication::removeTranslator(&translator);
    }

    // Every catalogue: each message translated, with the placeholders of
    // its source; each help text: the English help's lines and page titles.
    void cataloguesCompleteAndHelpPagesWhole() {
        const QDir dir(QStringLiteral(TRULP_TRANSLATIONS_DIR));
        const QRegularExpression placeholder(QStringLiteral("%(n|\\d)"));
        const auto placeholders = [&](const QString& text) {
            QStringList found;
            for (auto it = placeholder.globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            found.removeDuplicates();
            return found;
        };
        QFile english(QStringLiteral(":/help/helptext.txt"));
        QVERIFY(english.open(QIODevice::ReadOnly));
        const QList<QByteArray> englishLines = english.readAll().split('\n');
        const QStringList files = dir.entryList({QStringLiteral("trulp_*.ts")});
        QCOMPARE(files.size(), 13);
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(file.readAll());
            QString source, context;
            QSet<QString> puzzleTexts;
            int messages = 0;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name")) {
                    context = xml.readElementText();
                } else if (xml.name() == QLatin1String("source")) {
                    source = xml.readElementText();
                    if (context == QLatin1String("Puzzles"))
                        puzzleTexts.insert(source);
                } else if (xml.name() == QLatin1String("translation")) {
                    ++messages;
                    QVERIFY2(xml.attributes().value(QLatin1String("type")).isEmpty(),
                             qPrintable(name + QStringLiteral(": unfinished: ") + source));
                    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                    QVERIFY2(!text.isEmpty(), qPrintable(name + QStringLiteral(": empty: ") + source));
                    if (source != QLatin1String("QT_LAYOUT_DIRECTION"))
                        QVERIFY2(
                            placeholders(text) == placeholders(source),
                            qPrintable(name + QStringLiteral(": ") + source + QStringLiteral(" / ") + text));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
            QVERIFY(messages > 200);
            // The collection's names and notes are in every catalogue.
            for (const trulp::PuzzleInfo& p : trulp::Collection())
                for (const std::string& text : {p.def->name(), p.def->note()})
                    QVERIFY2(text.empty() || puzzleTexts.contains(QString::fromStdString(text)),
                             qPrintable(name + QStringLiteral(": no ") + QString::fromStdString(text)));
            if (name == QLatin1String("trulp_en.ts"))
                continue;
            const QString language = name.mid(6, name.size() - 9);
            QFile help(dir.filePath(QStringLiteral("help/helptext_%1.txt").arg(language)));
            QVERIFY2(help.open(QIODevice::ReadOnly), qPrintable(help.fileName()));
            const QList<QByteArray> lines = help.readAll().split('\n');
            QCOMPARE(lines.size(), englishLines.size());
            // A page's first line is its title: never empty, where the English has one.
            for (int i = 0; i < lines.size(); i += 25)
                QVERIFY2(lines[i].isEmpty() == englishLines[i].isEmpty(), qPrintable(help.fileName()));
        }
    }

    // Every line of the help, in every language, stays inside its page's
    // bevel, at the design size and shrunk as on a laptop's screen, where
    // rounded glyphs make a line relatively wider.
    void helpLinesStayOnThePage() {
        const QDir dir(QStringLiteral(TRULP_TRANSLATIONS_DIR "/help"));
        QStringList files{QStringLiteral(":/help/helptext.txt")};
        for (const QString& name : dir.entryList({QStringLiteral("helptext_*.txt")}))
            files << dir.filePath(name);
        trulp::HelpRenderer renderer;
        QStringList off;
        constexpr int kPad = 100, kBevel = 5;
        for (const QString& path : files) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QStringList lines =
                QString::fromUtf8(file.readAll())
                    .replace(QStringLiteral("@TRULP_VERSION@"), QStringLiteral(TRULP_VERSION))
                    .split(u'\n');
            const bool rightToLeft = path.endsWith(QLatin1String("_he.txt"));
            for (int i = 0; i < lines.size(); ++i) {
                if (i % trulp::kHelpPageLines == 0)
                    continue; // the title goes to its own field
                for (const double scale : {1.0, 0.95, 0.8}) {
                    QImage image(int(scale * (trulp::kHelpBoxWidth + 2 * kPad)),
                                 int(scale * 2 * trulp::kHelpRowHeight), QImage::Format_RGB32);
                    image.fill(Qt::white);
                    QPainter painter(&image);
                    painter.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
                    painter.scale(scale, scale);
                    painter.translate(kPad, -trulp::kHelpRowHeight / 2);
                    renderer.WriteHelpLine(painter, lines[i], 1);
                    painter.end();
                    int left = image.width(), right = -1;
                    for (int y = 0; y < image.height(); ++y) {
                        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
                        for (int x = 0; x < image.width(); ++x)
                            if (row[x] != qRgb(255, 255, 255)) {
                                left = std::min(left, x);
                                right = std::max(right, x);
                            }
                    }
                    if (right >= 0 && (left < scale * (kPad + kBevel) ||
                                       right >= scale * (kPad + trulp::kHelpBoxWidth - kBevel))) {
                        off << QStringLiteral("%1 line %2 at %3: %4")
                                   .arg(QFileInfo(path).fileName())
                                   .arg(i + 1)
                                   .arg(scale)
                                   .arg(lines[i]);
                        break;
                    }
                }
            }
        }
        for (const QString& line : off)
            qWarning("off the page: %s", qPrintable(line));
        QVERIFY(off.isEmpty());
    }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
