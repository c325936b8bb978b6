// Saving and opening moves files through the window, the toolbar's hover
// frame and dispatch, and printing from the print icon.
#include "chart.h"
#include "form_fixture.h"
#include "movesfile.h"
#include "printing.h"
#include "puzzlesdialog.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace trulp;

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

void ThreeMoves(FormFixture& fx) {
    fx.click(fx.playBtn());
    fx.drag(7, 0, 80); // F down
    fx.drag(8, 0, 80); // G down
    fx.drag(5, 0, 80); // D down
}

// Moves the pointer onto a toolbar icon, as the mouse would.
void HoverIcon(FormFixture&, QWidget* icon) {
    QTest::mouseMove(icon, QPoint(5, 5));
    QTest::mouseMove(icon, QPoint(10, 10));
}

void HoverBackground(FormFixture& fx) {
    QTest::mouseMove(&fx.f(), QPoint(250, 80));
    QTest::mouseMove(&fx.f(), QPoint(252, 82));
}

bool FrameShown(FormFixture& fx, int tag) {
    const QRect r = fx.f().toolbar().frameRect(tag);
    const QImage w = fx.f().grab().toImage();
    return w.pixel(r.left(), r.center().y()) == qRgb(0, 0, 255) &&
           w.pixel(r.center().x(), r.bottom()) == qRgb(0, 0, 255);
}

// While it lives, this process obeys file permissions even as root (its
// effective capabilities lose the right to override them).
class ObeyingPermissions {
public:
    ObeyingPermissions() {
        if (syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        dropped_ = syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~ObeyingPermissions() {
        if (dropped_)
            syscall(SYS_capset, &header_, saved_);
    }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
    bool dropped_ = false;
};

// What a failed file operation must leave as it was.
struct Snapshot {
    QString message;
    int moveNr, lastMove;
    std::vector<uint8_t> list, board;
    explicit Snapshot(FormFixture& fx)
        : message(fx.message()), moveNr(fx.p().moveNr()), lastMove(fx.p().lastMove()) {
        for (int i = 1; i <= lastMove; ++i)
            list.insert(list.end(), {fx.p().movesList()[i].block, fx.p().movesList()[i].direction});
        for (int b = 1; b <= fx.p().def().pieceCount(); ++b)
            board.push_back(uint8_t(fx.p().board().anchor(b)));
    }
    bool operator==(const Snapshot&) const = default;
};

} // namespace

class FileToolbarTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesTheRecordUnderItsStoredName() {
        QTemporaryDir dir;
        FormFixture fx;
        ThreeMoves(fx);
        QCOMPARE(fx.p().lastMove(), 3);
        fx.nextSavePath = dir.filePath(QStringLiteral("abc"));
        fx.action(Act::Save)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("puzzle saved as: TRULP_ abc"));
        const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("TRULP_ abc")));
        QCOMPARE(bytes.size(), 250);
        QCOMPARE(int(uint8_t(bytes[0])), 10);
        QCOMPARE(bytes.mid(1, 10), QByteArray("TRULP_ abc"));
        QCOMPARE(int(uint8_t(bytes[11])), 3);
        QCOMPARE(int(uint8_t(bytes[12])), 0x78); // F down
        QCOMPARE(int(uint8_t(bytes[13])), 0x88); // G down
        QCOMPARE(int(uint8_t(bytes[14])), 0x58); // D down
        QCOMPARE(bytes.mid(15), QByteArray(235, '\0'));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("abc"))));
    }

    void longAndForeignNames() {
        QTemporaryDir dir;
        FormFixture fx;
        fx.nextSavePath = dir.filePath(QStringLiteral("a-rather-long-file-name.trulp"));
        fx.action(Act::Save)->trigger();
        const QString stored = QStringLiteral("TRULP_ a-rather-long-file");
        QCOMPARE(stored.size(), 25);
        QVERIFY(QFile::exists(dir.filePath(stored)));
        // A saved file always opens again, whatever the length of its name.
        fx.nextOpenPath = dir.filePath(stored);
        fx.action(Act::Open)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("puzzle  a-rather-long-file opened"));

        // Outside Latin-1: '?' inside the file, the typed name on disk.
        fx.nextSavePath = dir.filePath(QStringLiteral("zug\u0141"));
        fx.action(Act::Save)->trigger();
        const QByteArray bytes = ReadAll(dir.filePath(QStringLiteral("TRULP_ zug\u0141")));
        QCOMPARE(bytes.mid(1, 11), QByteArray("TRULP_ zug?"));
    }

    void windowAndCommandLineNameTheSameFile_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("abc");
        QTest::newRow("long") << QStringLiteral("a-rather-long-file-name.trulp");
        QTest::newRow("beyond Latin-1") << QStringLiteral("zug\u0141");
        QTest::newRow("long, beyond Latin-1") << QString(17, u'a') + QStringLiteral("\u20ac\u20ac");
    }
    void windowAndCommandLineNameTheSameFile() {
        QFETCH(QString, name);
        QTemporaryDir byWindow, byCommand;
        FormFixture fx;
        fx.nextSavePath = byWindow.filePath(name);
        fx.action(Act::Save)->trigger();
        QProcess solve;
        solve.start(QStringLiteral(TRULP_SOLVE_PATH),
                    {QStringLiteral("--optimal"), QStringLiteral("--save"), byCommand.filePath(name)});
        QVERIFY(solve.waitForFinished(30000));
        QCOMPARE(solve.exitCode(), 0);
        const QStringList saved = QDir(byWindow.path()).entryList(QDir::Files);
        QCOMPARE(saved.size(), 1);
        QCOMPARE(QDir(byCommand.path()).entryList(QDir::Files), saved);
        QCOMPARE(fx.message(), QStringLiteral("puzzle saved as: ") + saved.front());
    }

    // The list and the board in step: a list opened puts the board at its start.
    void openReplacesTheListAndTheBoardGoesToItsStart() {
        QTemporaryDir dir;
        FormFixture fx;
        ThreeMoves(fx);
        fx.nextSavePath = dir.filePath(QStringLiteral("three"));
        fx.action(Act::Save)->trigger();
        fx.drag(2, 0, 80); // X down into D's old fields
        QCOMPARE(fx.p().lastMove(), 4);
        const int lastBefore = fx.p().lastMove();

        // Bad files change nothing.
        WriteAll(dir.filePath(QStringLiteral("short")), QByteArray(249, '\0'));
        fx.nextOpenPath = dir.filePath(QStringLiteral("short"));
        fx.action(Act::Open)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("read error"));
        QByteArray wrong = ReadAll(dir.filePath(QStringLiteral("TRULP_ three")));
        wrong[1] = 't';
        WriteAll(dir.filePath(QStringLiteral("wrong")), wrong);
        fx.nextOpenPath = dir.filePath(QStringLiteral("wrong"));
        fx.action(Act::Open)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("wrong file"));
        fx.nextOpenPath = dir.filePath(QStringLiteral("missing"));
        fx.action(Act::Open)->trigger();
        QCOMPARE(fx.errors.size(), 1);
        QCOMPARE(fx.message(), QStringLiteral("wrong file"));
        QCOMPARE(fx.p().lastMove(), lastBefore);

        // Renamed on disk, it still opens under its stored name.
        QFile::rename(dir.filePath(QStringLiteral("TRULP_ three")), dir.filePath(QStringLiteral("game1")));
        fx.nextOpenPath = dir.filePath(QStringLiteral("game1"));
        fx.action(Act::Open)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("puzzle  three opened"));
        QCOMPARE(fx.p().lastMove(), 3);
        QCOMPARE(fx.p().moveNr(), 1);
        QCOMPARE(fx.p().movesList()[2].block, 8);
        QCOMPARE(fx.p().movesList()[2].direction, Down);
        QCOMPARE(fx.f().session().mode(), kPlay);
        QVERIFY(fx.p().board() == Board(fx.p().def()));
        QCOMPARE(fx.togotext()->text(), QStringLiteral("116"));

        // Replay from the start plays the opened list.
        fx.click(fx.replayBtn());
        fx.click(fx.goBtn());
        QVERIFY(fx.waitIdle());
        QCOMPARE(fx.message(), QStringLiteral("end of list"));
        QCOMPARE(fx.p().board().anchor(7), 17);
        QVERIFY(fx.boardSound());
    }

    void filesThatFightBack_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("systemText");
        QTest::newRow("open without permission") << "unreadable"
                                                 << "Permission denied";
        QTest::newRow("open a folder") << "folder"
                                       << "not a file";
        QTest::newRow("open a file that vanished") << "vanished"
                                                   << "No such file or directory";
        QTest::newRow("save into a folder without write permission") << "read-only folder"
                                                                     << "Permission denied";
        QTest::newRow("save onto a full disk") << "full disk"
                                               << "No space left on device";
    }
    void filesThatFightBack() {
        QFETCH(QString, kind);
        QFETCH(QString, systemText);
        QTemporaryDir dir;
        FormFixture fx;
        ThreeMoves(fx);
        fx.msgtext()->setText(QStringLiteral("before"));
        const QString target = dir.filePath(QStringLiteral("target"));
        QVERIFY(QDir().mkdir(target));
        const QString good = target + QStringLiteral("/TRULP_ keep");
        fx.nextSavePath = target + QStringLiteral("/keep");
        fx.action(Act::Save)->trigger(); // a good file that a failed save must not replace
        const QByteArray goodBytes = ReadAll(good);
        QCOMPARE(goodBytes.size(), 250);
        fx.drag(2, 0, 80); // and a list that is not the saved one
        fx.msgtext()->setText(QStringLiteral("before"));
        const Snapshot before(fx);
        ObeyingPermissions obeying;
        const auto umountLater = [](QString* path) {
            ::umount(qPrintable(*path));
            delete path;
        };
        std::unique_ptr<QString, decltype(umountLater)> unmount(nullptr, umountLater);

        if (kind == QLatin1String("unreadable")) {
            QVERIFY(QFile::setPermissions(good, {}));
            fx.nextOpenPath = good;
            fx.action(Act::Open)->trigger();
        } else if (kind == QLatin1String("folder")) {
            fx.nextOpenPath = target;
            fx.action(Act::Open)->trigger();
        } else if (kind == QLatin1String("vanished")) {
            const QString gone = dir.filePath(QStringLiteral("gone"));
            QVERIFY(QFile::copy(good, gone));
            fx.desktop([&](Desktop& d) { d.chooseOpenFile = [&] { return QFile::remove(gone), gone; }; });
            fx.action(Act::Open)->trigger();
        } else if (kind == QLatin1String("read-only folder")) {
            QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
            fx.action(Act::Save)->trigger();
        } else {
            // A small disk of its own, with the good file on it and no room left.
            if (::mount("tmpfs", qPrintable(target), "tmpfs", 0, "size=64k") != 0)
                QSKIP("cannot mount a small tmpfs here");
            unmount.reset(new QString(target));
            QFile keep(target + QStringLiteral("/TRULP_ keep"));
            QVERIFY(keep.open(QIODevice::WriteOnly));
            keep.write(goodBytes);
            keep.close();
            FILE* fill = std::fopen(qPrintable(target + QStringLiteral("/fill")), "wb");
            QVERIFY(fill != nullptr);
            while (std::fputc('x', fill) != EOF && std::fflush(fill) == 0) {
            }
            std::fclose(fill);
            fx.action(Act::Save)->trigger();
        }
        QCOMPARE(fx.errors.size(), 1);
        QVERIFY2(fx.errors.front().contains(systemText, Qt::CaseInsensitive), qPrintable(fx.errors.front()));
        QVERIFY(Snapshot(fx) == before);
        QFile::setPermissions(target,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(good, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (kind != QLatin1String("vanished") && kind != QLatin1String("folder")) {
            // Nothing partial in place of the good file, and nothing left beside it.
            QCOMPARE(ReadAll(good), goodBytes);
            QStringList left = QDir(target).entryList(QDir::Files | QDir::Hidden);
            left.removeAll(QStringLiteral("fill"));
            QCOMPARE(left, QStringList{QStringLiteral("TRULP_ keep")});
        }
    }

    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        FormFixture fx;
        fx.nextSavePath = dir.filePath(QStringLiteral("keep"));
        fx.action(Act::Save)->trigger();
        const QByteArray good = ReadAll(dir.filePath(QStringLiteral("TRULP_ keep")));
        fx.msgtext()->setText(QStringLiteral("before"));
        fx.nextSavePath = dir.filePath(QStringLiteral("no-such-folder/keep"));
        fx.action(Act::Save)->trigger();
        QCOMPARE(fx.errors.size(), 1);
        QCOMPARE(fx.message(), QStringLiteral("before"));
        QCOMPARE(ReadAll(dir.filePath(QStringLiteral("TRULP_ keep"))), good);
        fx.nextSavePath.clear(); // cancel: nothing, no message
        fx.action(Act::Save)->trigger();
        QCOMPARE(fx.message(), QStringLiteral("before"));
    }

    void hoverFrameAppearsAndGoesAtTheRightMoments() {
        FormFixture fx;
        QCOMPARE(fx.f().toolbar().framed(), 0);
        HoverIcon(fx, fx.open_image());
        QCOMPARE(fx.f().toolbar().framed(), 1);
        QVERIFY(FrameShown(fx, 1));
        HoverIcon(fx, fx.save_image()); // straight onto the next icon
        QCOMPARE(fx.f().toolbar().framed(), 2);
        QVERIFY(FrameShown(fx, 2));
        QVERIFY(!FrameShown(fx, 1));
        // Onto another control without crossing the background: stays.
        QTest::mouseMove(fx.Label7(), QPoint(5, 5));
        QTest::mouseMove(fx.PaintBox1(), QPoint(50, 50));
        QCOMPARE(fx.f().toolbar().framed(), 2);
        HoverBackground(fx);
        QCOMPARE(fx.f().toolbar().framed(), 0);
        QVERIFY(!FrameShown(fx, 2));

        // Cancelling the open dialog still takes the frame away.
        HoverIcon(fx, fx.open_image());
        fx.nextOpenPath.clear();
        QTest::mouseClick(fx.open_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(fx.f().toolbar().framed(), 0);
        QVERIFY(!FrameShown(fx, 1));

        // During a run a click does nothing but say why; the background
        // still removes the frame.
        fx.click(fx.searchBtn());
        fx.click(fx.stepcheck()); // a slow search keeps the window busy
        fx.click(fx.goBtn());
        QVERIFY(fx.f().runs().running());
        int setups = 0;
        fx.desktop([&](Desktop& d) { d.runPrinterSetup = [&] { ++setups; }; });
        HoverIcon(fx, fx.pr_setup());
        QTest::mouseClick(fx.pr_setup(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(setups, 0);
        QCOMPARE(fx.aside(), QStringLiteral("the search is running: STOP first"));
        HoverBackground(fx);
        QCOMPARE(fx.f().toolbar().framed(), 0);
        fx.click(fx.goBtn()); // STOP
        QVERIFY(fx.waitIdle());
        HoverIcon(fx, fx.pr_setup());
        QTest::mouseClick(fx.pr_setup(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(setups, 1);
    }

    void iconClickSavesAndDoubleClickPrintsOnePage() {
        QTemporaryDir dir;
        FormFixture fx;
        fx.nextSavePath = dir.filePath(QStringLiteral("viaicon"));
        HoverIcon(fx, fx.save_image());
        QTest::mouseClick(fx.save_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("TRULP_ viaicon"))));

        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        fx.f().printing().printer().setOutputFormat(QPrinter::PdfFormat);
        fx.nextPdfPath = pdf;
        HoverIcon(fx, fx.pr_image());
        // A double click, as the desktop delivers it: a click, then the
        // second press as a double click.
        QTest::mouseClick(fx.pr_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseDClick(fx.pr_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(fx.message(), QStringLiteral("page written to ") + pdf);
        QCOMPARE(fx.f().toolbar().framed(), 0);
        const QByteArray doc = ReadAll(pdf);
        QVERIFY(doc.startsWith("%PDF"));
        QCOMPARE(doc.count("/Type /Page\n") + doc.count("/Type /Page\r") + doc.count("/Type /Page "), 1);
        // The double click printed once; a click of its own prints again,
        // with no pointer motion before it.
        QVERIFY(QFile::remove(pdf));
        fx.msgtext()->setText(QString());
        QTest::mouseClick(fx.pr_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(fx.message(), QStringLiteral("page written to ") + pdf);
        QVERIFY(ReadAll(pdf).startsWith("%PDF"));
    }

    void withoutAPrinterThePageGoesToAChosenFile() {
        if (!QPrinterInfo::availablePrinters().isEmpty())
            QSKIP("a printer is installed here");
        QTemporaryDir dir;
        FormFixture fx;
        fx.nextPdfPath = dir.filePath(QStringLiteral("game.pdf"));
        HoverIcon(fx, fx.pr_image());
        QTest::mouseClick(fx.pr_image(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(fx.proposedPdf.endsWith(QStringLiteral("/TRULP puzzle.pdf")));
        const QString folder = QFileInfo(fx.proposedPdf).absolutePath();
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(folder == QDir(documents).absolutePath() || folder == QDir::homePath());
        QCOMPARE(fx.message(), QStringLiteral("page written to ") + fx.nextPdfPath);
        QVERIFY(ReadAll(fx.nextPdfPath).startsWith("%PDF"));

        // Cancelled: nothing printed, nothing changed; the next print asks again.
        fx.proposedPdf.clear();
        fx.nextPdfPath.clear();
        fx.msgtext()->setText(QStringLiteral("before"));
        fx.action(Act::Print)->trigger();
        QVERIFY(!fx.proposedPdf.isEmpty());
        QCOMPARE(fx.message(), QStringLiteral("before"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.pdf")});
    }

    void printerFailureIsReported() {
        FormFixture fx;
        fx.f().printing().printer().setOutputFormat(QPrinter::PdfFormat);
        fx.nextPdfPath = QStringLiteral("/nonexistent-folder/x/page.pdf");
        fx.msgtext()->setText(QStringLiteral("before"));
        fx.action(Act::Print)->trigger();
        QCOMPARE(fx.errors.size(), 1);
        QCOMPARE(fx.message(), QStringLiteral("before"));
    }

    // Every function's key, through the window as the desktop delivers keys:
    // each runs its function (the desktop's dialogs are recorded here).
    void aKeyForEveryFunction() {
        FormFixture fx;
        QStringList ran;
        fx.desktop([&](Desktop& d) {
            d.chooseOpenFile = [&] { return ran << QStringLiteral("open"), QString(); };
            d.chooseSaveFile = [&] { return ran << QStringLiteral("save"), QString(); };
            d.choosePdfFile = [&](const QString&) { return ran << QStringLiteral("print"), QString(); };
            d.runPrinterSetup = [&] { ran << QStringLiteral("setup"); };
            d.choosePuzzle = [&] { return ran << QStringLiteral("puzzles"), PuzzleChoice(); };
        });
        const auto press = [&](QKeyCombination keys) {
            QTest::keyClick(fx.form.get(), keys.key(), keys.keyboardModifiers());
            QVERIFY(fx.waitIdle());
        };
        fx.f().printing().printer().setOutputFormat(QPrinter::PdfFormat);
        const struct {
            QKeyCombination keys;
            const char* runs;
        } dialogs[] = {{Qt::CTRL | Qt::Key_O, "open"},  {Qt::CTRL | Qt::Key_S, "save"},
                       {Qt::CTRL | Qt::Key_P, "print"}, {Qt::CTRL | Qt::SHIFT | Qt::Key_P, "setup"},
                       {Qt::CTRL | Qt::Key_L, "puzzles"}};
        for (const auto& d : dialogs) {
            press(d.keys);
            QCOMPARE(ran.value(ran.size() - 1), QLatin1String(d.runs));
        }
        QCOMPARE(ran.size(), 5);
        press(Qt::CTRL | Qt::Key_G);
        QVERIFY(fx.f().chart().isVisible());
        fx.f().chart().close(); // the keys belong to the main window again
        fx.form->activateWindow();

        press(Qt::CTRL | Qt::Key_1); // play
        QCOMPARE(fx.f().session().mode(), kPlay);
        fx.type('h');
        fx.key(Qt::Key_Right);
        QVERIFY(fx.waitIdle());
        press(Qt::CTRL | Qt::Key_Z); // undo: the move goes back
        QCOMPARE(fx.p().lastMove(), 0);
        press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z); // redo: it comes again
        QCOMPARE(fx.p().lastMove(), 1);
        QCOMPARE(fx.p().board().anchor(9), 17);
        press(Qt::CTRL | Qt::Key_H); // hint
        QVERIFY(fx.message().startsWith(QStringLiteral("hint: ")));
        press(Qt::CTRL | Qt::Key_R); // reset
        QCOMPARE(fx.p().lastMove(), 0);
        press(Qt::CTRL | Qt::Key_3); // search
        QCOMPARE(fx.f().session().mode(), kSearch);
        QVERIFY(fx.searchBtn()->toolTip().endsWith(QStringLiteral("(Ctrl+3)")));
        press(Qt::CTRL | Qt::Key_Q); // quit
        QVERIFY(!fx.form->isVisible());
    }
};

QTEST_MAIN(FileToolbarTest)
#include "file_toolbar_test.moc"
