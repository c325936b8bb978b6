// A seeded monkey on the real window: random presses, drags, keys, buttons,
// dialogs, files and closes, with the invariants a user relies on checked
// after every event. TRULP_MONKEY_SEED replays a run, TRULP_MONKEY_EVENTS and
// TRULP_MONKEY_SECONDS bound it (whichever comes first).
#include "form_fixture.h"
#include "helpform.h"
#include "movesfile.h"
#include "puzzles.h"
#include "puzzlesdialog.h"
#include "statform.h"
#include "tenblocktable.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <random>

using namespace trulp;

namespace {

constexpr int kHistory = 40; // events shown when an invariant breaks

class Monkey {
public:
    explicit Monkey(uint32_t seed) : rng(seed), seed_(seed) { renew(); }

    // One random event; false when an invariant broke (see failure()).
    bool step() {
        ++events;
        act();
        QCoreApplication::processEvents();
        if (chance(12))
            QTest::qWait(pick(1, 40)); // let slides and runs go on
        return check();
    }

    bool busy() const { return fx->f().session().busy() || fx->f().runs().running(); }

    // Stops whatever runs and waits; false when the window stays busy.
    bool settle() {
        if (!busy() && !fx->f().session().editing())
            return check();
        log(QStringLiteral("settle"));
        // GO, STOP, STEP: every run stops; Escape gives up a set-up.
        QTest::keyClick(&fx->f(), fx->f().session().editing() ? Qt::Key_Escape : Qt::Key_Space);
        const bool idle = QTest::qWaitFor([&] { return !busy(); }, 3000);
        if (!idle)
            return fail(QStringLiteral("still busy 3 s after the run was stopped"));
        return check();
    }

    // The last events go to the log line by line: a test's own message is cut
    // short, and the last events are the ones that matter.
    QString failure() const {
        qWarning("last events:");
        for (const QString& e : history)
            qWarning("  %s", qPrintable(e));
        return QStringLiteral("seed %1, event %2: %3").arg(seed_).arg(events).arg(failure_);
    }

    long events = 0;
    long checks = 0;
    int closes[4] = {}; // while idle, in a slide, in a search, in a replay or solve
    int longestList = 0, opened = 0, solved = 0;

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    bool chance(int percent) { return pick(1, 100) <= percent; }
    void log(const QString& e) {
        history.push_back(e);
        if (history.size() > size_t(kHistory))
            history.pop_front();
    }

    // A fresh window on a fresh puzzle, its dialogs real but closed soon.
    void renew() {
        fx = std::make_unique<FormFixture>();
        fx->Timer1()->setInterval(1); // slides in 25 ms: more of everything
        fx->f().setDialogs(&stats, &help);
        fx->desktop([this](Desktop& d) {
            d.runPrinterSetup = [] {};
            // Now and then another puzzle, drawn or from the collection, or a set-up.
            d.choosePuzzle = [this] {
                PuzzleChoice c;
                const int kind = pick(0, 4);
                if (kind >= 3) {
                    c.kind = kind == 3 ? PuzzleChoice::Play : PuzzleChoice::SetUp;
                    const GeneratedPuzzle g =
                        GeneratePuzzle(placements, pick(1, 126), uint64_t(pick(1, 9999)));
                    c.def = std::make_shared<const PuzzleDef>(g.def);
                    c.name = QStringLiteral("drawn");
                } else if (kind >= 1) {
                    const PuzzleInfo& p = Collection()[size_t(pick(0, int(Collection().size()) - 1))];
                    c.kind = PuzzleChoice::Play;
                    c.def = p.def;
                    c.name = QString::fromStdString(p.name());
                }
                return c;
            };
        });
        fx->nextSavePath.clear();
        log(QStringLiteral("new window"));
    }

    QPoint onBoard() { return {pick(-20, 420), pick(-20, 520)}; }

    void act() {
        TForm1& f = fx->f();
        switch (pick(0, 19)) {
        case 0:
        case 1:
        case 2: { // a drag, released anywhere, even off the window
            const QPoint from = onBoard();
            const int dx = pick(-160, 160), dy = pick(-160, 160);
            log(QStringLiteral("drag %1,%2 by %3,%4").arg(from.x()).arg(from.y()).arg(dx).arg(dy));
            QTest::mouseMove(fx->PaintBox1(), from + QPoint(1, 1));
            QTest::mouseMove(fx->PaintBox1(), from);
            QTest::mousePress(fx->PaintBox1(), chance(85) ? Qt::LeftButton : Qt::RightButton, {}, from);
            for (int i = 1, n = pick(1, 5); i <= n; ++i)
                QTest::mouseMove(fx->PaintBox1(), from + QPoint(dx * i / n, dy * i / n));
            QTest::mouseRelease(fx->PaintBox1(), Qt::LeftButton, {},
                                chance(10) ? QPoint(pick(-900, 1500), pick(-900, 1500))
                                           : from + QPoint(dx, dy));
            break;
        }
        case 3: { // a letter, lower or upper case, or another character
            static const char keys[] = "abcdefghixXABFjz1 \t";
            const char c = keys[pick(0, int(sizeof keys) - 2)];
            log(QStringLiteral("type '%1'").arg(QLatin1Char(c)));
            QTest::keyClick(&f, c);
            break;
        }
        case 4:
        case 5: {
            static const Qt::Key keys[] = {Qt::Key_Left,      Qt::Key_Up,    Qt::Key_Right,  Qt::Key_Down,
                                           Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape,
                                           Qt::Key_F5,        Qt::Key_Home};
            const Qt::Key k = keys[pick(0, 9)];
            log(QStringLiteral("key %1").arg(int(k), 0, 16));
            QTest::keyClick(&f, k);
            break;
        }
        case 6:
        case 7:
            clickOne({fx->playBtn(), fx->replayBtn(), fx->searchBtn(), fx->playBtn()});
            break;
        case 8:
            clickOne({fx->resetBtn(), fx->BackBtn(), fx->goBtn(), fx->stepcheck()});
            break;
        case 9:
            clickOne({fx->hintBtn(), fx->hintBtn(), fx->solveBtn(), fx->goBtn()});
            break;
        case 10:
            clickOne({fx->maxmoveUpDown()->upButton(), fx->maxmoveUpDown()->downButton(), fx->Label7()});
            break;
        case 11: // a dialog of its own: statistics, help, the chart
            closeModalSoon();
            clickOne({fx->statBtn(), fx->helpBtn()});
            break;
        case 12:
        case 13:
            toolbar();
            break;
        case 14:
            log(QStringLiteral("pointer over the background"));
            QTest::mouseMove(&f, QPoint(pick(250, 280), pick(60, 140)));
            break;
        case 15:
            if (chance(30)) { // an action by its key: undo, redo, next, copy, paste
                static const Act acts[] = {Act::Undo,       Act::Undo, Act::Redo,
                                           Act::NextPuzzle, Act::Copy, Act::Paste};
                const Act a = acts[pick(0, 5)];
                log(QStringLiteral("action %1").arg(int(a)));
                closeModalSoon();
                fx->action(a)->trigger();
            }
            if (chance(50)) { // sometimes right after starting a slide
                QTest::keyClick(&f, char('a' + pick(0, 8)));
                QTest::keyClick(&f, chance(50) ? Qt::Key_Down : Qt::Key_Right);
            }
            if (chance(10))
                closeWindow();
            break;
        default: // a press without a drag
            log(QStringLiteral("press"));
            QTest::mouseClick(fx->PaintBox1(), chance(80) ? Qt::LeftButton : Qt::MiddleButton, {}, onBoard());
            break;
        }
    }

    void clickOne(std::initializer_list<QWidget*> widgets) {
        QWidget* w = *(widgets.begin() + pick(0, int(widgets.size()) - 1));
        log(QStringLiteral("click %1").arg(w->objectName()));
        QTest::mouseClick(w, Qt::LeftButton);
    }

    void closeModalSoon() {
        QTimer::singleShot(pick(5, 60), [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                QTest::keyClick(w, Qt::Key_PageDown);
                w->close();
            }
        });
    }

    // A toolbar icon: open a file of some kind, save, print, set up, chart.
    void toolbar() {
        TForm1& f = fx->f();
        QWidget* icons[] = {fx->open_image(), fx->save_image(),  fx->pr_image(),
                            fx->pr_setup(),   fx->chart_image(), fx->w("puzzles_image")};
        const int tag = pick(1, 6);
        if (tag == 1) {
            prepareFile();
            f.findChild<QLabel*>(QStringLiteral("msgtext"))
                ->setText(QString()); // to see whether the file opened
        }
        fx->nextSavePath = chance(80) ? dir.filePath(QStringLiteral("game%1").arg(pick(0, 3))) : QString();
        fx->nextPdfPath = chance(70) ? dir.filePath(QStringLiteral("page.pdf")) : QString();
        closeModalSoon();
        log(QStringLiteral("icon %1").arg(tag));
        QTest::mouseMove(icons[tag - 1], QPoint(4, 4));
        QTest::mouseMove(icons[tag - 1], QPoint(8, 8));
        QTest::mouseClick(icons[tag - 1], Qt::LeftButton, {}, QPoint(8, 8));
        opened += fx->message().endsWith(QStringLiteral(" opened"));
    }

    // Random bytes, a short record, a record of random moves, a saved game,
    // or no file at all.
    void prepareFile() {
        const QString path = dir.filePath(QStringLiteral("open"));
        QByteArray bytes;
        const int kind = pick(0, 4);
        if (kind == 0) {
            bytes.resize(pick(0, 400));
            for (char& b : bytes)
                b = char(pick(0, 255));
        } else if (kind <= 2) {
            MoveRecord list[kMaxMoves + 1] = {};
            const int count = pick(0, kRecordMoves);
            for (int i = 1; i <= count; ++i)
                list[i] = {uint8_t(pick(1, 10)), uint8_t(1 << pick(0, 3)), 0};
            const MovesRecordBytes r = EncodeMovesRecord("TRULP_ monkey", list, count);
            bytes = QByteArray(reinterpret_cast<const char*>(r.data()), kRecordSize);
            if (kind == 2)
                bytes.truncate(pick(0, kRecordSize));
        } else if (kind == 3) {
            QFile saved(dir.filePath(QStringLiteral("TRULP_ game%1").arg(pick(0, 3))));
            if (saved.open(QIODevice::ReadOnly))
                bytes = saved.readAll();
        }
        QFile::remove(path);
        if (kind != 4) {
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        }
        fx->nextOpenPath = path;
        log(QStringLiteral("file of kind %1, %2 bytes").arg(kind).arg(bytes.size()));
    }

    void closeWindow() {
        TForm1& f = fx->f();
        const int when = !busy()                                      ? 0
                         : f.board().sliding() && !f.runs().running() ? 1
                         : f.session().mode() == kSearch              ? 2
                                                                      : 3;
        ++closes[when];
        log(QStringLiteral("close the window (%1)").arg(when));
        f.close();
        if (busy() || fx->Timer1()->isActive()) {
            fail(QStringLiteral("a closed window still runs"));
            return;
        }
        renew();
    }

    bool fail(const QString& why) {
        if (failure_.isEmpty())
            failure_ = why;
        return false;
    }

    bool check() {
        ++checks;
        const Puzzle& p = fx->p();
        longestList = std::max(longestList, int(p.lastMove()));
        solved += p.GoalReached() && !wasSolved;
        wasSolved = p.GoalReached();
        if (!fx->boardSound())
            return fail(QStringLiteral("the board and its key disagree, or pieces overlap"));
        for (int b = 1; b <= p.def().pieceCount(); ++b)
            if (p.BlockMask(b) == 0 || (p.BlockMask(b) & p.def().walls()) != 0)
                return fail(QStringLiteral("piece %1 is off the board").arg(b));
        if (!(1 <= p.moveNr() && p.moveNr() <= p.lastMove() + 1 && p.lastMove() + 1 <= kMaxMoves + 1))
            return fail(QStringLiteral("moveNr %1, lastMove %2").arg(p.moveNr()).arg(p.lastMove()));

        // The list always leads from the start to the board, whatever was
        // opened, undone or searched.
        Board board(p.def());
        for (int i = 1; i < p.moveNr(); ++i) {
            const MoveRecord& m = p.movesList()[i];
            if (!(board.PossibleDirections(m.block) & m.direction))
                return fail(QStringLiteral("move %1 of the list cannot be made").arg(i));
            board.ApplyStep(m.block, m.direction);
        }
        if (!(board == p.board()))
            return fail(QStringLiteral("the list does not lead to the board"));
        return failure_.isEmpty();
    }

    std::mt19937 rng;
    uint32_t seed_;
    QTemporaryDir dir;
    TStatForm stats;
    Thelpform help;
    std::unique_ptr<FormFixture> fx;
    std::deque<QString> history;
    QString failure_;
    bool wasSolved = false;
    const TenBlockTable placements;
};

uint32_t EnvNumber(const char* name, uint32_t fallback) {
    bool ok = false;
    const uint32_t v = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? v : fallback;
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void invariantsHoldWhateverTheUserDoes() {
        const uint32_t seed = EnvNumber("TRULP_MONKEY_SEED", uint32_t(QDateTime::currentMSecsSinceEpoch()));
        const long events = EnvNumber("TRULP_MONKEY_EVENTS", 12000);
        const qint64 seconds = EnvNumber("TRULP_MONKEY_SECONDS", 100);
        Monkey monkey(seed);
        // Whatever dialog may open, it must not stop the monkey.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, [] {
            if (QWidget* w = QApplication::activeModalWidget())
                w->close();
        });
        closer.start(500);
        QElapsedTimer clock;
        clock.start();
        while (monkey.events < events && clock.elapsed() < seconds * 1000) {
            if (!monkey.step())
                QFAIL(qPrintable(monkey.failure()));
            if (monkey.events % 500 == 0)
                if (!monkey.settle())
                    QFAIL(qPrintable(monkey.failure()));
            if (monkey.events % 20000 == 0)
                qInfo("%ld events in %.0f s", monkey.events, clock.elapsed() / 1000.0);
        }
        if (!monkey.settle())
            QFAIL(qPrintable(monkey.failure()));
        qInfo("seed %u: %ld events, %ld invariant checks in %.1f s; closes idle %d, in a slide %d, in a "
              "search %d, "
              "in a replay or solve %d; longest list %d, files opened %d, goal reached %d times",
              seed, monkey.events, monkey.checks, clock.elapsed() / 1000.0, monkey.closes[0],
              monkey.closes[1], monkey.closes[2], monkey.closes[3], monkey.longestList, monkey.opened,
              monkey.solved);
    }
};

QTEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
