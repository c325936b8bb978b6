// The records on disk shared by two windows: each keeps its solves after
// reading the file again, and one that finds the file locked keeps its solve
// a little later instead of losing it.
#include "puzzles.h"
#include "store.h"

#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace trulp;

namespace {
Solve SolveOf(const char* id, int moves) {
    const PuzzleInfo* p = FindPuzzle(id);
    return {Records::KeyOf(*p->def), moves, moves, 60, false, "2026-12-10"};
}
} // namespace

class StoreTest : public QObject {
    Q_OBJECT

private slots:
    void twoWindowsKeepBoth() {
        QTemporaryDir dir;
        Store first(dir.path()), second(dir.path());
        // Both windows read the records before either solved anything.
        QCOMPARE(first.loadRecords().size(), 0);
        QCOMPARE(second.loadRecords().size(), 0);
        first.keep(SolveOf("century", 140));
        second.keep(SolveOf("quzzle", 120));
        const Records both = Store(dir.path()).loadRecords();
        QCOMPARE(both.size(), 2);
        QCOMPARE(both.Find(*FindPuzzle("century")->def)->moves, 140);
        QCOMPARE(both.Find(*FindPuzzle("quzzle")->def)->moves, 120);
    }

    void aLockedFileIsWrittenLater() {
        QTemporaryDir dir;
        Store store(dir.path());
        QSignalSpy kept(&store, &Store::kept);
        QLockFile other(store.recordsFile() + QStringLiteral(".lock"));
        QVERIFY(other.tryLock(0));
        store.keep(SolveOf("dads-puzzle", 90));
        QVERIFY(store.pending());
        QCOMPARE(kept.count(), 0);
        QCOMPARE(Store(dir.path()).loadRecords().size(), 0);
        other.unlock();
        QTRY_VERIFY(!store.pending());
        QCOMPARE(kept.count(), 1);
        QCOMPARE(Store(dir.path()).loadRecords().Find(*FindPuzzle("dads-puzzle")->def)->moves, 90);
    }
};

QTEST_MAIN(StoreTest)
#include "store_test.moc"
