// The records file: what is written is read back; a damaged file is set
// aside and costs nothing else; a full disk leaves the old file whole.
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

} // namespace

TEST(Records, FewestMovesKeptAndReadBack) {
    const std::string dir = TempDir();
    const std::string path = dir + "/records";
    const BlockTable& classic = Collection()[0].start;
    const BlockTable& other = Collection()[5].start;
    Records r;
    EXPECT_TRUE(r.Offer(classic, 131, "2026-12-01"));
    EXPECT_FALSE(r.Offer(classic, 140, "2026-12-02")); // more moves: the record stays
    EXPECT_FALSE(r.Offer(classic, 131, "2026-12-03")); // as many: the first stays
    EXPECT_TRUE(r.Offer(other, 30, "2026-12-04"));
    EXPECT_TRUE(r.Offer(classic, 120, "2026-12-05"));
    ASSERT_EQ(SaveRecordsFile(path, r), "");

    const LoadedRecords back = LoadRecordsFile(path);
    EXPECT_EQ(back.state, RecordsFile::Read);
    ASSERT_NE(back.records.Find(classic), nullptr);
    EXPECT_EQ(back.records.Find(classic)->moves, 120);
    EXPECT_EQ(back.records.Find(classic)->date, "2026-12-05");
    EXPECT_EQ(back.records.Find(other)->moves, 30);
    EXPECT_EQ(back.records.size(), 2);
    EXPECT_EQ(LoadRecordsFile(dir + "/none").state, RecordsFile::Missing);
    std::system(("rm -rf " + dir).c_str());
}

TEST(Records, DamagedFilesAreSetAside) {
    const std::string dir = TempDir();
    const std::string path = dir + "/records";
    const std::string good = "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\n";
    const std::string damaged[] = {
        "",                                                                          // not even a header
        "TRULP records 2\n",                                                         // another kind
        good.substr(0, good.size() - 5),                                             // cut short
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t0\t2026-12-01\n",      // no moves
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\tyesterday\n",     // no date
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I1\t131\t2026-12-01\n",     // H and I overlap
        "TRULP records 1\nA0 X1 B3 C8 D9 E11 F13 G14 H16 I19\t131\t2026-12-01\tx\n", // a field too many
        std::string("TRULP records 1\n\0\xff", 18),                                  // binary
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
    r.Offer(Collection()[0].start, 131, "2026-12-01");
    ASSERT_EQ(SaveRecordsFile(path, r), "");
    const std::string before = Slurp(path);
    for (size_t i = 1; i < Collection().size(); ++i)
        r.Offer(Collection()[i].start, 50, "2026-12-02");

    // The disk takes no more than 40 bytes of any file.
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = old;
    tight.rlim_cur = 40;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    const std::string error = SaveRecordsFile(path, r);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(error, "");
    EXPECT_EQ(Slurp(path), before);
    std::system(("ls -A " + dir + " > " + dir + "/../trulp-records-left").c_str());
    EXPECT_EQ(Slurp(dir + "/../trulp-records-left"), "records\n"); // no half-written file beside it
    std::system(("rm -rf " + dir + " " + dir + "/../trulp-records-left").c_str());
}

// Two windows, each with the records it read at its start: what the second
// writes keeps the first's record, and of two records of one puzzle the
// fewer moves.
TEST(Records, TwoWritersKeepBoth) {
    const std::string path = TempDir() + "/records";
    const PuzzleInfo* corners = FindPuzzle("corners");
    const PuzzleInfo* lid = FindPuzzle("lid");
    ASSERT_TRUE(corners && lid);
    Records first = LoadRecordsFile(path).records;
    Records second = LoadRecordsFile(path).records;
    ASSERT_TRUE(first.Offer(corners->start, 9, "2026-12-09"));
    ASSERT_EQ(MergeIntoRecordsFile(path, first), "");
    ASSERT_TRUE(second.Offer(lid->start, 13, "2026-12-09"));
    ASSERT_TRUE(second.Offer(corners->start, 11, "2026-12-09"));
    ASSERT_EQ(MergeIntoRecordsFile(path, second), "");
    const Records kept = LoadRecordsFile(path).records;
    ASSERT_EQ(kept.size(), 2);
    EXPECT_EQ(kept.Find(corners->start)->moves, 9);
    EXPECT_EQ(kept.Find(lid->start)->moves, 13);
    EXPECT_EQ(second.Find(corners->start)->moves, 9); // the window knows it now
}
