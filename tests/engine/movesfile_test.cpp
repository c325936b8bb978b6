#include "movesfile.h"
#include "optimal.h"
#include "puzzles.h"
#include "start.h"
#include "tables.h"
#include "tenblock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using namespace trulp;

namespace {

MovesRecordBytes Record(std::string_view storedName, const std::vector<MoveRecord>& moves) {
    std::vector<MoveRecord> list(1);
    list.insert(list.end(), moves.begin(), moves.end());
    return EncodeMovesRecord(storedName, list.data(), int(moves.size()));
}

std::string Stored(std::string_view fileName) {
    return NamesForSave(fileName).storedName;
}

DecodedMoves Decode(const MovesRecordBytes& r) {
    return DecodeMovesRecord(r.data(), r.size());
}

// A real line of the solver, 1-based like the moves list.
std::vector<MoveRecord> SearchLine(int limit) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(limit);
    p->ClearMoves();
    while (p->SearchStep(100000) == kBudgetSpent) {
    }
    return std::vector<MoveRecord>(p->movesList() + 1, p->movesList() + 1 + p->lastMove());
}

// F down, F right, G left: the search's first moves.
const std::vector<MoveRecord> kThreeMoves = {{7, Down, 0}, {7, Right, 0}, {8, Left, 0}};

} // namespace

TEST(MovesFile, ThreeMovesNamedAbcGiveTheDocumentedBytes) {
    const std::string name = Stored("abc");
    EXPECT_EQ(name, "TRULP_ abc");
    const MovesRecordBytes r = Record(name, kThreeMoves);
    std::vector<uint8_t> expected = {10,  'T', 'R', 'U', 'L',  'P',  '_', ' ',
                                     'a', 'b', 'c', 3,   0x78, 0x71, 0x84};
    expected.resize(kRecordSize, 0);
    EXPECT_EQ(std::vector<uint8_t>(r.begin(), r.end()), expected);

    const DecodedMoves d = Decode(r);
    ASSERT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.storedName, "TRULP_ abc");
    ASSERT_EQ(d.count, 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.moves[i].block, kThreeMoves[i - 1].block);
        EXPECT_EQ(d.moves[i].direction, kThreeMoves[i - 1].direction);
        EXPECT_EQ(d.moves[i].dirSet, 0);
    }
}

TEST(MovesFile, EmptyListIsNameCountZeroAndZeros) {
    const MovesRecordBytes r = Record(Stored("mine"), {});
    EXPECT_EQ(r[0], 11);
    EXPECT_EQ(std::string(r.begin() + 1, r.begin() + 12), "TRULP_ mine");
    for (size_t i = 12; i < r.size(); ++i)
        ASSERT_EQ(r[i], 0) << "byte " << i;
    const DecodedMoves d = Decode(r);
    EXPECT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.count, 0);
}

TEST(MovesFile, NamesAreCutToTwentyFiveCharacters) {
    EXPECT_EQ(Stored("TRULP_ abc"), "TRULP_ TRULP_ abc");
    EXPECT_EQ(Stored("123456789012345678").size(), 25u); // 7 + 18
    EXPECT_EQ(Stored("12345678901234567").size(), 24u);
    // On disk the name keeps what was typed; inside the record each
    // character is one byte, '?' beyond Latin-1.
    const struct {
        std::string typed, stored, disk;
    } names[] = {
        {"abcdefghijklmnopqrstuvwxyz", "TRULP_ abcdefghijklmnopqr", "TRULP_ abcdefghijklmnopqr"},
        {"zug\u0141", "TRULP_ zug?", "TRULP_ zug\u0141"},
        {"\u00e9\u20ac", "TRULP_ \xe9?", "TRULP_ \u00e9\u20ac"},
        {std::string(40, 'a') + "\u20ac", "TRULP_ " + std::string(18, 'a'), "TRULP_ " + std::string(18, 'a')},
        {std::string(17, 'a') + "\u20ac\u20ac", "TRULP_ " + std::string(17, 'a') + "?",
         "TRULP_ " + std::string(17, 'a') + "\u20ac"},
        {"x\xffy", "TRULP_ x?y", "TRULP_ x\xffy"}, // not UTF-8: the byte stays on disk
    };
    for (const auto& n : names) {
        const SaveNames got = NamesForSave(n.typed);
        EXPECT_EQ(got.storedName, n.stored) << n.typed;
        EXPECT_EQ(got.diskName, n.disk) << n.typed;
    }
    // A longer name handed straight to the encoder is cut the same way.
    const MovesRecordBytes r = Record("TRULP_ abcdefghijklmnopqrstuvwxyz", kThreeMoves);
    EXPECT_EQ(r[0], 25);
    EXPECT_EQ(Decode(r).storedName, "TRULP_ abcdefghijklmnopqr");
    EXPECT_EQ(Decode(r).count, 3);
}

TEST(MovesFile, EveryNameLengthASaveWritesOpensAgain) {
    for (int fileNameLength = 1; fileNameLength <= 18; ++fileNameLength) {
        const std::string name = Stored(std::string(size_t(fileNameLength), 'n'));
        const DecodedMoves d = Decode(Record(name, kThreeMoves));
        EXPECT_EQ(d.status, RecordStatus::Ok) << "name length " << name.size();
        EXPECT_EQ(d.storedName, name);
        EXPECT_EQ(d.count, 3);
    }
    MovesRecordBytes tooLong = Record(Stored(std::string(18, 'n')), kThreeMoves);
    tooLong[0] = 26;
    EXPECT_EQ(Decode(tooLong).status, RecordStatus::ReadError);
}

TEST(MovesFile, OnlyTheFirstTwoHundredFiftyBytesCount) {
    const MovesRecordBytes r = Record(Stored("abc"), kThreeMoves);
    EXPECT_EQ(DecodeMovesRecord(r.data(), 249).status, RecordStatus::ReadError);
    EXPECT_EQ(DecodeMovesRecord(r.data(), 0).status, RecordStatus::ReadError);
    EXPECT_EQ(DecodeMovesRecord(nullptr, 250).status, RecordStatus::ReadError);

    std::vector<uint8_t> longer(r.begin(), r.end());
    longer.resize(300, 0xFF);
    const DecodedMoves d = DecodeMovesRecord(longer.data(), longer.size());
    EXPECT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.count, 3);
}

TEST(MovesFile, FillerAfterTheLastMoveIsNotRead) {
    MovesRecordBytes r = Record(Stored("abc"), kThreeMoves);
    for (size_t i = 15; i < r.size(); ++i)
        r[i] = 0xFF; // not a valid move byte
    const DecodedMoves d = Decode(r);
    ASSERT_EQ(d.status, RecordStatus::Ok);
    EXPECT_EQ(d.count, 3);
    EXPECT_EQ(d.moves[3].block, 8);
}

TEST(MovesFile, NameMustBeginWithTheMarkByteForByte) {
    for (const char* name : {"trulp_ abc", "TRULP abc", "TRULP", "", "XTRULP_ abc"}) {
        const DecodedMoves d = Decode(Record(name, kThreeMoves));
        EXPECT_EQ(d.status, RecordStatus::WrongFile) << '"' << name << '"';
    }
    EXPECT_EQ(Decode(Record("TRULP_", kThreeMoves)).status, RecordStatus::Ok);
    // Another name on disk does not matter; the stored one comes back as it is.
    EXPECT_EQ(Decode(Record("TRULP_x", {})).storedName, "TRULP_x");
}

TEST(MovesFile, CountsTheListCannotHoldAreReadErrors) {
    std::vector<MoveRecord> full(kRecordMoves, {7, Down, 0});
    MovesRecordBytes r = Record(Stored(std::string(18, 'n')), full);
    ASSERT_EQ(r[0], 25);
    EXPECT_EQ(Decode(r).status, RecordStatus::Ok);
    EXPECT_EQ(Decode(r).count, kRecordMoves);
    for (int count : {201, 222, 223, 255}) {
        r[26] = uint8_t(count);
        std::fill(r.begin() + 27, r.end(), 0x71); // valid move bytes everywhere
        EXPECT_EQ(Decode(r).status, RecordStatus::ReadError) << "count " << count;
    }
}

TEST(MovesFile, OnlyBlocksOneToTenAndTheFourDirectionsDecode) {
    int accepted = 0;
    for (int byte = 0; byte < 256; ++byte) {
        std::vector<MoveRecord> moves = kThreeMoves;
        MovesRecordBytes r = Record(Stored("abc"), moves);
        r[14] = uint8_t(byte); // the last of the three moves
        const DecodedMoves d = Decode(r);
        const int block = byte >> 4, direction = byte & 15;
        const bool valid = block >= 1 && block <= 10 && IsDirection(unsigned(direction));
        EXPECT_EQ(d.status, valid ? RecordStatus::Ok : RecordStatus::ReadError) << "byte " << byte;
        if (d.status == RecordStatus::Ok) {
            ++accepted;
            EXPECT_EQ(d.moves[3].block, block);
            EXPECT_EQ(d.moves[3].direction, direction);
        }
    }
    EXPECT_EQ(accepted, 40);
}

TEST(MovesFile, SolverLinesSurviveARoundTrip) {
    std::vector<std::vector<MoveRecord>> lines = {
        {}, kThreeMoves, SearchLine(116), SearchLine(150), SearchLine(200)};
    lines.push_back(tables::ShortestLine(PuzzleDef::Classic()));
    ASSERT_EQ(lines[4].size(), 200u);
    for (const auto& line : lines) {
        const DecodedMoves d = Decode(Record(Stored("line"), line));
        ASSERT_EQ(d.status, RecordStatus::Ok);
        ASSERT_EQ(d.count, int(line.size()));
        for (size_t i = 0; i < line.size(); ++i) {
            ASSERT_EQ(d.moves[i + 1].block, line[i].block) << "move " << i + 1;
            ASSERT_EQ(d.moves[i + 1].direction, line[i].direction) << "move " << i + 1;
        }
        auto p = std::make_unique<Puzzle>();
        ASSERT_TRUE(p->LoadMoves(d.moves, d.count));
        while (p->ReplayMove().made) {
        }
        EXPECT_EQ(p->moveNr(), d.count + 1); // every move replays from the start
    }
}

TEST(MovesFile, LoadReplacesTheListAndResetsCountersButNotTheBoard) {
    auto p = std::make_unique<Puzzle>();
    p->ResetBoard(150);
    p->ClearMoves();
    ASSERT_EQ(p->SearchStep(5), kBudgetSpent);
    p->EndSearchRun(9);
    const Board board = p->board();

    MovesRecordBytes bad = Record(Stored("abc"), kThreeMoves);
    bad[12] = 0x00; // block 0
    EXPECT_EQ(Decode(bad).status, RecordStatus::ReadError);
    EXPECT_EQ(Decode(Record("trulp_ abc", kThreeMoves)).status, RecordStatus::WrongFile);
    EXPECT_FALSE(p->LoadMoves(nullptr, 1));
    EXPECT_EQ(p->lastMove(), 5);
    EXPECT_EQ(p->moveNr(), 6);
    EXPECT_EQ(p->counters().seconds, 9u);

    const DecodedMoves x = Decode(Record(Stored("x"), {{2, Right, 0}}));
    ASSERT_TRUE(p->LoadMoves(x.moves, x.count));
    EXPECT_EQ(p->lastMove(), 1);
    EXPECT_EQ(p->moveNr(), 1);
    EXPECT_EQ(p->movesList()[1].block, kXBlock); // byte 0x21
    EXPECT_EQ(p->movesList()[1].direction, Right);
    EXPECT_EQ(p->movesList()[1].dirSet, 0);
    EXPECT_EQ(p->movesList()[2].block, 0); // the old entries are gone
    EXPECT_EQ(p->counters().trialMoves, 0u);
    EXPECT_EQ(p->counters().seconds, 0u);
    EXPECT_EQ(p->board(), board);
}

TEST(MovesFile, ReplayStopsAtTheFirstMoveTheBoardCannotMake) {
    // The number of the first move not replayed from the start, 0 if all are.
    auto firstRefused = [](const std::vector<MoveRecord>& list) {
        auto p = std::make_unique<Puzzle>();
        const int count = int(list.size()) - 1;
        if (!p->LoadMoves(list.data(), count))
            return -1;
        while (p->ReplayMove().made) {
        }
        return p->moveNr() > count ? 0 : p->moveNr();
    };
    std::vector<MoveRecord> list(1);
    list.insert(list.end(), kThreeMoves.begin(), kThreeMoves.end());
    EXPECT_EQ(firstRefused(list), 0);
    list[2] = {7, Up, 0}; // F back up is legal, G left then is not (field 13 is taken)
    EXPECT_EQ(firstRefused(list), 3);
    list[1] = {kXBlock, Down, 0}; // X cannot move at the start
    EXPECT_EQ(firstRefused(list), 1);
    // A list the puzzle cannot hold is not loaded at all.
    list[1] = {11, Down, 0};
    EXPECT_EQ(firstRefused(list), -1);
    list[1] = {7, 3, 0};
    EXPECT_EQ(firstRefused(list), -1);
}

TEST(MovesFile, AnotherPuzzleKeepsItsStartAndTheClassicReaderRefusesIt) {
    const PuzzleDef& ladder = *FindPuzzle("ladder")->def;
    const std::vector<MoveRecord> line = tables::ShortestLine(ladder);
    std::vector<MoveRecord> list(1);
    list.insert(list.end(), line.begin(), line.end());
    const int count = int(line.size());

    // The classic start writes the classic record, byte for byte.
    EXPECT_EQ(EncodeMovesRecord(Stored("lad"), list.data(), count, PuzzleDef::Classic()),
              EncodeMovesRecord(Stored("lad"), list.data(), count));

    const MovesRecordBytes r = EncodeMovesRecord(Stored("lad"), list.data(), count, ladder);
    EXPECT_EQ(std::string(r.begin(), r.begin() + 11), "\x0aTRULP+ lad");
    for (int b = 1; b <= kBlocks; ++b)
        EXPECT_EQ(r[size_t(kStartOffset + b - 1)], ladder.piece(b).start);
    // What today's reader of the classic record makes of it.
    EXPECT_EQ(DecodeClassicMovesRecord(r.data(), r.size()).status, RecordStatus::WrongFile);

    const DecodedMoves d = Decode(r);
    ASSERT_EQ(d.status, RecordStatus::Ok);
    EXPECT_TRUE(d.hasStart);
    EXPECT_TRUE(d.def.SameStart(ladder));
    EXPECT_EQ(d.count, count);
    EXPECT_FALSE(Decode(Record(Stored("lad"), line)).hasStart);

    // Its puzzle played, the line replays from its start to the goal.
    auto p = std::make_unique<Puzzle>();
    ASSERT_TRUE(p->ChoosePuzzle(std::make_shared<const PuzzleDef>(d.def), 150));
    ASSERT_TRUE(p->LoadMoves(d.moves, d.count));
    while (p->ReplayMove().made) {
    }
    EXPECT_EQ(p->moveNr(), count + 1);
    EXPECT_TRUE(p->GoalReached());

    // A start that cannot be played makes the file the wrong one.
    const struct {
        int block;
        uint8_t field;
        StartVerdict verdict;
    } bad[] = {{10, 0, StartVerdict::Overlap},
               {10, 20, StartVerdict::OffBoard},
               {10, 255, StartVerdict::OffBoard},
               {kXBlock, 3, StartVerdict::OffBoard},
               {kXBlock, 13, StartVerdict::Solved}};
    for (const auto& b : bad) {
        MovesRecordBytes broken = r;
        broken[size_t(kStartOffset + b.block - 1)] = b.field;
        if (b.field == kGoalField)
            broken[size_t(kStartOffset + 4)] = 1; // D makes room for X
        std::array<uint8_t, 11> fields{};
        for (int k = 1; k <= kBlocks; ++k)
            fields[size_t(k)] = broken[size_t(kStartOffset + k - 1)];
        ASSERT_EQ(CheckStart(TenBlockPuzzle(fields)).verdict, b.verdict) << b.block << " on " << int(b.field);
        EXPECT_EQ(Decode(broken).status, RecordStatus::WrongFile) << b.block << " on " << int(b.field);
    }
}
