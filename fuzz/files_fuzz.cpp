// Any bytes at all, offered as a file the program opens (a moves record, a
// puzzle text, a game of a puzzle), as the kept game and as the records: each
// reader either refuses them or hands over what the program can play, and
// what it accepted is written out and read back the same. A record with its
// own start is never one the classic reader takes.
#include "keptgame.h"
#include "movesfile.h"
#include "puzzlefile.h"
#include "records.h"
#include "start.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace trulp;

namespace {

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "files_fuzz: %s\n", what);
        std::abort();
    }
}

void CheckRecord(const uint8_t* data, size_t size) {
    const DecodedMoves d = DecodeMovesRecord(data, size);
    const DecodedMoves classic = DecodeClassicMovesRecord(data, size);
    if (d.storedName.starts_with(kPuzzleFileMark))
        Check(classic.status != RecordStatus::Ok, "the classic reader took a record with its own start");
    if (d.status != RecordStatus::Ok)
        return;
    Check(CheckStart(d.def).playable(), "a start that cannot be played");
    Check(d.count >= 0 && d.count <= kRecordMoves, "count out of range");
    for (int i = 1; i <= d.count; ++i)
        Check(d.moves[i].block >= 1 && d.moves[i].block <= 10 && IsDirection(d.moves[i].direction),
              "bad move");
    // Encoded again, the record is the bytes it came from.
    const MovesRecordBytes again = EncodeMovesRecord(d.storedName, d.moves, d.count, d.def);
    for (int i = 0; i <= int(d.storedName.size()) + 1 + d.count; ++i)
        Check(again[size_t(i)] == data[i], "a record that does not encode back");
}

void CheckText(std::string_view text) {
    const OpenedFile opened = ReadOpenedFile(text);
    if (opened.kind == OpenedFile::Kind::Refused || !opened.ownPuzzle)
        return;
    Check(CheckStart(*opened.def).playable(), "a puzzle that cannot be played");
    // Written out as the program saves it: a game as its moves file (a record
    // for the ten blocks, a text for any other puzzle), a puzzle as its text.
    static MoveRecord list[kMaxMoves + 1];
    for (size_t i = 0; i < opened.moves.size(); ++i)
        list[i + 1] = opened.moves[i];
    const std::string written = opened.kind == OpenedFile::Kind::Game
                                    ? SavedBytes("TRULP_ fuzz", list, int(opened.moves.size()), *opened.def)
                                    : PuzzleText(*opened.def);
    const OpenedFile back = ReadOpenedFile(written);
    Check(back.kind == opened.kind, "written out, it reads as something else");
    Check(back.def->Identity() == opened.def->Identity(), "written out, it reads as another puzzle");
    Check(back.moves.size() == opened.moves.size(), "written out, its moves change");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CheckRecord(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckText(text);
    KeptGame game;
    if (ReadKeptGame(text, game)) {
        KeptGame back;
        Check(ReadKeptGame(KeptGameText(game), back), "a kept game that does not read back");
        Check(back.moves.size() == game.moves.size() && back.moveNr == game.moveNr,
              "a kept game that changes");
    }
    Records records;
    if (records.Decode(text)) {
        Records back;
        Check(back.Decode(records.Encode()) && back.size() == records.size(),
              "records that do not read back");
    }
    return 0;
}
