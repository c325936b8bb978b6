// The records file: solves counted, bests kept only from solves without
// help; what is written is read back, and a file of the first form still
// reads; a damaged file is set aside and costs nothing else; a full disk
// leaves the old file whole.
#include "movesio.h"
#include "puzzles.h"
#include "records.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

using namespace trulp;

namespace {

std::string TempDir() {
    char pattern[] = "/tmp/trulp-records-XXXXXX";
    const char* dir = ::mkdtemp(pattern);
    return dir ? dir : "";
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void Spit(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

Solve SolveOf(const PuzzleDef& def, int moves, int pieceMoves, int seconds, bool helped, const char* date) {
    return {Records::KeyOf(def), moves, pieceMoves, seconds, helped, date};
}

} // namespace

TEST(Records, SolvesCountedAndBestsKeptAndReadBack) {
    const std::string dir = TempDir();
    const std::string path = dir + "/records";
    const PuzzleDef& classic = *Collection()[0].def;
    const PuzzleDef& other = *Collection()[5].def;
    Records r;
    EXPECT_TRUE(r.Add(SolveOf(classic, 131, 90, 400, false, "2026-12-01")).moves);
    // Fewer piece moves and a better time, more moves: only those bests change.
    const Bests second = r.Add(SolveOf(classic, 140, 85, 300, false, "2026-12-02"));
    EXPECT_FALSE(second.moves);
    EXPECT_TRUE(second.pieceMoves);
    EXPECT_TRUE(second.seconds);
    EXPECT_FALSE(
        r.Add(SolveOf(classic, 131, 85, 300, false, "2026-12-03")).any()); // as good: the first stays
    // With help: counted as solved, never a best.
    EXPECT_FALSE(r.Add(SolveOf(classic, 116, 81, 10, true, "2026-12-04")).any());
    EXPECT_FALSE(r.Add(SolveOf(other, 30, 20, 50, true, "2026-12-04")).any());
    ASSERT_EQ(WriteFileAtomically(path, r.Encode().data(), r.Encode().size()).words, Words::Keep);

    const LoadedRecords back = LoadRecordsFile(path);
    EXPECT_EQ(back.state, RecordsFile::Read);
    const Record* c = back.records.Find(classic);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->moves, 131);
    EXPECT_EQ(c->date, "2026-12-01");
    EXPECT_EQ(c->pieceMoves, 85);
    EXPECT_EQ(c->seconds, 300);
    EXPECT_EQ(c->solved, 4);
    const Record* o = back.records.Find(other);
    ASSERT_NE(o, nullptr);
    EXPECT_FALSE(o->alone());
    EXPECT_EQ(o->solved, 1);
    EXPECT_EQ(back.records.size(), 2);
    EXPECT_EQ(LoadRecordsFile(dir + "/none").state, RecordsFile::Missing);
    std::system(("rm -rf " + dir).c_str());
}

TEST(Records, AFileOfTheFirstFormStillReads) {
    Records r;
    ASSERT_TRUE(r.Decode("TRULP records 1\n"
                         "A0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\n"
                         "A4 X9 B7 C12 D5 E15 F0 G3 H17 I18\t9\t2026-12-02\n"));
    const Record* classic = r.Find(PuzzleDef::Classic());
    ASSERT_NE(classic, nullptr);
    EXPECT_EQ(classic->moves, 131);
    EXPECT_EQ(classic->date, "2026-12-01");
    EXPECT_EQ(classic->solved, 1);
    EXPECT_EQ(classic->pieceMoves, 0); // not known then
    ASSERT_NE(r.Find(*FindPuzzle("corners")->def), nullptr);
    EXPECT_EQ(r.Find(*FindPuzzle("corners")->def)->moves, 9);
}

TEST(Records, DamagedFilesAreSetAside) {
    const std::string dir = TempDir();
    const std::string path = dir + "/records";
    const std::string good =
        "TRULP records 2\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\t90\t400\t2\n";
    const std::string damaged[] = {
        "",                                                                      // not even a header
        "TRULP records 3\n",                                                     // another kind
        good.substr(0, good.size() - 5),                                         // cut short
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t0\t2026-12-01\n",  // no moves
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\tyesterday\n", // no date
        "TRULP records 2\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\t90\t400\n",  // a field short
        "TRULP records 2\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\t90\t4\t0\n", // never solved
        std::string("TRULP records 2\n\0\xff", 18),                                         // binary
    };
    for (const std::string& text : damaged) {
        SCOPED_TRACE(text);
        Spit(path, text);
        const LoadedRecords loaded = LoadRecordsFile(path);
        EXPECT_EQ(loaded.state, RecordsFile::SetAside);
        EXPECT_EQ(loaded.records.size(), 0);
        EXPECT_NE(::access(path.c_str(), F_OK), 0);
        EXPECT_EQ(Slurp(path + ".damaged"), text);
    }
    Spit(path, good);
    EXPECT_EQ(LoadRecordsFile(path).records.size(), 1);
    std::system(("rm -rf " + dir).c_str());
}

TEST(Records, AFullDiskLeavesTheOldFile) {
    const std::string dir = TempDir();
    const std::string path = dir + "/records";
    Records r;
    r.Add(SolveOf(*Collection()[0].def, 131, 90, 400, false, "2026-12-01"));
    const std::string first = r.Encode();
    ASSERT_EQ(WriteFileAtomically(path, first.data(), first.size()).words, Words::Keep);
    for (size_t i = 1; i < Collection().size(); ++i)
        r.Add(SolveOf(*Collection()[i].def, 50, 40, 60, false, "2026-12-02"));

    // The disk takes no more than 40 bytes of any file.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 40;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const std::string all = r.Encode();
    const Said error = WriteFileAtomically(path, all.data(), all.size());
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(error.words, Words::CannotSave);
    EXPECT_FALSE(error.detail.empty());
    EXPECT_EQ(Slurp(path), first);
    std::system(("ls -A " + dir + " > " + dir + "/../trulp-records-left").c_str());
    EXPECT_EQ(Slurp(dir + "/../trulp-records-left"), "records\n"); // no half-written file beside it
    std::system(("rm -rf " + dir + " " + dir + "/../trulp-records-left").c_str());
}
