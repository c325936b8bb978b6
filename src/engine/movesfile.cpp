#include "movesfile.h"

#include "puzzlefile.h"
#include "start.h"
#include "utf8.h"

#include <algorithm>

namespace trulp {

SaveNames NamesForSave(std::string_view fileName) {
    SaveNames names{std::string(kStoredNamePrefix), std::string(kStoredNamePrefix)};
    int characters = int(kStoredNamePrefix.size());
    for (size_t i = 0; i < fileName.size() && characters < kStoredNameMax; ++characters) {
        char32_t c = 0;
        const size_t length = DecodeUtf8(fileName, i, c);
        if (length == 0) {
            // A byte that is not UTF-8 is one character, kept as it is on disk.
            names.diskName += fileName[i];
            names.storedName += '?';
            ++i;
            continue;
        }
        names.diskName.append(fileName.substr(i, length));
        names.storedName += c <= 0xFF ? char(c) : '?';
        i += length;
    }
    return names;
}

MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count) {
    MovesRecordBytes r{};
    const size_t nameLength = std::min(storedName.size(), size_t(kStoredNameMax));
    count = std::clamp(count, 0, kRecordMoves);
    r[0] = uint8_t(nameLength);
    std::copy_n(storedName.begin(), nameLength, r.begin() + 1);
    r[1 + nameLength] = uint8_t(count);
    for (int i = 1; i <= count; ++i)
        r[1 + nameLength + size_t(i)] =
            uint8_t((movesList[i].block & 0xF) << 4 | (movesList[i].direction & 0xF));
    return r;
}

MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count,
                                   const PuzzleDef& def) {
    MovesRecordBytes r = EncodeMovesRecord(storedName, movesList, count);
    if (def.SameStart(PuzzleDef::Classic()))
        return r;
    if (std::equal(kFileMark.begin(), kFileMark.end(), r.begin() + 1) && r[0] >= kFileMark.size())
        std::copy(kPuzzleFileMark.begin(), kPuzzleFileMark.end(), r.begin() + 1);
    for (int b = 1; b <= def.pieceCount() && b <= 10; ++b)
        r[size_t(kStartOffset + b - 1)] = def.piece(b).start;
    return r;
}

namespace {

// The record with its name's mark already known.
DecodedMoves Decode(const uint8_t* data, size_t size, std::string_view mark) {
    DecodedMoves d;
    d.status = RecordStatus::ReadError;
    if (data == nullptr || size < size_t(kRecordSize))
        return d;
    const int nameLength = data[0];
    if (nameLength > kStoredNameMax)
        return d;
    d.storedName.assign(reinterpret_cast<const char*>(data + 1), size_t(nameLength));
    if (!d.storedName.starts_with(mark)) {
        d.status = RecordStatus::WrongFile;
        return d;
    }
    const int count = data[1 + nameLength];
    // Only bytes of the record itself can be moves, and the list holds 200.
    if (count > kRecordMoves || count > kRecordSize - 2 - nameLength)
        return d;
    for (int i = 1; i <= count; ++i) {
        const uint8_t byte = data[1 + nameLength + i];
        const uint8_t block = byte >> 4;
        const uint8_t direction = byte & 0xF;
        if (block < 1 || block > 10 || !IsDirection(direction))
            return d;
        d.moves[i] = {block, direction, 0};
    }
    d.count = count;
    d.status = RecordStatus::Ok;
    return d;
}

} // namespace

DecodedMoves DecodeClassicMovesRecord(const uint8_t* data, size_t size) {
    return Decode(data, size, kFileMark);
}

DecodedMoves DecodeMovesRecord(const uint8_t* data, size_t size) {
    const bool puzzleMark = data != nullptr && size >= size_t(kRecordSize) && data[0] <= kStoredNameMax &&
                            std::string_view(reinterpret_cast<const char*>(data + 1), size_t(data[0]))
                                .starts_with(kPuzzleFileMark);
    if (!puzzleMark)
        return DecodeClassicMovesRecord(data, size);
    DecodedMoves d = Decode(data, size, kPuzzleFileMark);
    if (d.status != RecordStatus::Ok)
        return d;
    // 25 name bytes and 200 moves end at byte 226: the start is never a move.
    std::array<uint8_t, 11> fields{};
    for (int b = 1; b <= 10; ++b)
        fields[size_t(b)] = data[kStartOffset + b - 1];
    d.def = TenBlockPuzzle(fields);
    if (!CheckStart(d.def).playable()) {
        DecodedMoves refused;
        refused.status = RecordStatus::WrongFile;
        refused.storedName = d.storedName;
        return refused;
    }
    d.hasStart = true;
    return d;
}

OpenedFile ReadOpenedFile(std::string_view bytes) {
    OpenedFile opened;
    for (const std::string_view mark : {kGameMark, kPuzzleMark}) {
        if (!HasMark(bytes, mark))
            continue;
        ReadPuzzle read = ReadPuzzleText(bytes, mark);
        if (!read.ok) {
            opened.error = read.error;
            return opened;
        }
        opened.kind = mark == kGameMark ? OpenedFile::Kind::Game : OpenedFile::Kind::Puzzle;
        opened.name = read.def.name();
        opened.def = std::make_shared<const PuzzleDef>(std::move(read.def));
        opened.ownPuzzle = true;
        opened.moves = std::move(read.moves);
        return opened;
    }
    const DecodedMoves d = DecodeMovesRecord(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    if (d.status != RecordStatus::Ok) {
        opened.error = Said(d.status == RecordStatus::WrongFile ? Words::WrongFile : Words::ReadError);
        return opened;
    }
    opened.kind = OpenedFile::Kind::Game;
    opened.def = std::make_shared<const PuzzleDef>(d.def);
    opened.ownPuzzle = d.hasStart;
    opened.moves.assign(d.moves + 1, d.moves + 1 + d.count);
    // The stored name is Latin-1, behind the mark every moves file begins with.
    for (size_t i = kFileMark.size(); i < d.storedName.size(); ++i)
        AppendUtf8(opened.name, static_cast<unsigned char>(d.storedName[i]));
    return opened;
}

std::string SavedBytes(std::string_view storedName, const MoveRecord* movesList, int count,
                       const PuzzleDef& def) {
    if (!def.tenBlock())
        return GameText(def, movesList, count);
    const MovesRecordBytes r = EncodeMovesRecord(storedName, movesList, count, def);
    return std::string(r.begin(), r.end());
}

} // namespace trulp
