// Any bytes at all, offered as a moves file: the decoder must either refuse
// them without touching the moves list or the puzzle, or hand over a list
// the program can hold and a start it can play, and a decoded record must
// encode back to the bytes it came from. A record with its own start is
// never one the classic reader takes.
#include "movesfile.h"
#include "start.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace trulp;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "movesfile_fuzz: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // One Puzzle for the whole run, so that a refused record meets the list
    // an earlier one left.
    static Puzzle* const puzzle = new Puzzle();
    Puzzle& p = *puzzle;
    MoveRecord listBefore[kMaxMoves + 1];
    std::memcpy(listBefore, p.movesList(), sizeof listBefore);
    const int32_t lastBefore = p.lastMove();
    const int32_t moveNrBefore = p.moveNr();
    const SearchCounters countersBefore = p.counters();
    Block startBefore[kBlocks + 1];
    std::memcpy(startBefore, p.start(), sizeof startBefore);
    const BoardKey boardBefore = p.boardKey();

    const DecodedMoves d = DecodeMovesRecord(data, size);
    const DecodedMoves classic = DecodeClassicMovesRecord(data, size);
    const bool loaded = LoadMoves(p, d).ok;

    if (d.storedName.starts_with(kPuzzleFileMark))
        Check(classic.status == RecordStatus::WrongFile, "the classic reader took a record with a start");
    else
        Check(classic.status == d.status && classic.count == d.count,
              "the readers disagree on a classic record");

    if (d.status != RecordStatus::Ok) {
        Check(!loaded, "a refused record was loaded");
        Check(std::memcmp(listBefore, p.movesList(), sizeof listBefore) == 0,
              "a refused record changed the list");
        Check(p.lastMove() == lastBefore && p.moveNr() == moveNrBefore,
              "a refused record changed the move numbers");
        Check(std::memcmp(&countersBefore, &p.counters(), sizeof countersBefore) == 0,
              "a refused record changed the counters");
        Check(SameStart(startBefore, p.start()) && p.boardKey() == boardBefore,
              "a refused record changed the puzzle or the board");
        if (d.status == RecordStatus::WrongFile)
            Check(size >= size_t(kRecordSize) && data[0] <= kStoredNameMax, "wrong file for a short record");
        return 0;
    }

    Check(loaded, "a decoded record was not loaded");
    Check(size >= size_t(kRecordSize), "a short record decoded");
    Check(p.lastMove() == d.count && d.count >= 0 && d.count <= kMaxMoves, "count beyond the list");
    Check(p.moveNr() == 1, "moveNr not reset");
    for (int i = 1; i <= p.lastMove(); ++i) {
        const MoveRecord& m = p.movesList()[i];
        Check(m.block >= 1 && m.block <= kBlocks, "block out of range");
        Check(IsDirection(m.direction), "not a direction");
        Check(m.dirSet == 0, "dirSet kept");
    }
    Check(d.storedName.size() <= size_t(kStoredNameMax) &&
              d.storedName.starts_with(d.hasStart ? kPuzzleFileMark : kFileMark),
          "bad stored name");
    if (d.hasStart)
        Check(IsPlayable(d.start), "a start that cannot be played");
    // The record's puzzle is played now: the board stays where it stood for
    // the puzzle that was played already, and stands at the start of another.
    Check(SameStart(p.start(), d.start), "the record's puzzle was not chosen");
    if (SameStart(startBefore, d.start))
        Check(p.boardKey() == boardBefore, "a record of the puzzle played moved the board");
    else
        Check(SameStart(p.blockTable(), d.start), "a record of another puzzle left the board elsewhere");

    // A record whose own start is the classic one encodes as the classic
    // record: only its mark differs.
    const MovesRecordBytes again = EncodeMovesRecord(d.storedName, d.moves, d.count, d.start);
    const size_t used = 2 + d.storedName.size() + size_t(d.count);
    uint8_t expected[kRecordSize];
    std::memcpy(expected, data, used);
    if (d.hasStart && IsClassicStart(d.start))
        expected[kFileMark.size()] = uint8_t(kFileMark.back());
    Check(std::memcmp(again.data(), expected, used) == 0, "the record does not encode back to its bytes");
    if (d.hasStart && !IsClassicStart(d.start))
        Check(std::memcmp(again.data() + kStartOffset, data + kStartOffset, kBlocks) == 0,
              "the start does not encode back to its bytes");

    // Replaying it (from whatever board the last one left) stays on the
    // board and within the list, and every step taken back restores it.
    const BoardKey before = p.boardKey();
    int replayed = 0;
    while (p.ReplayMove().made)
        ++replayed;
    Check(replayed <= d.count && p.moveNr() == replayed + 1, "replay ran past the list");
    while (p.TakeBack(ListRule::Keep).made)
        --replayed;
    Check(replayed == 0 && p.boardKey() == before, "taking the replay back did not restore the board");
    return 0;
}
