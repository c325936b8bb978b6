#include "movesfile.h"

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
    count = std::clamp(count, 0, kMaxMoves);
    r[0] = uint8_t(nameLength);
    std::copy_n(storedName.begin(), nameLength, r.begin() + 1);
    r[1 + nameLength] = uint8_t(count);
    for (int i = 1; i <= count; ++i)
        r[1 + nameLength + size_t(i)] =
            uint8_t((movesList[i].block & 0xF) << 4 | (movesList[i].direction & 0xF));
    return r;
}

MovesRecordBytes EncodeMovesRecord(std::string_view storedName, const MoveRecord* movesList, int count,
                                   const Block (&start)[kBlocks + 1]) {
    MovesRecordBytes r = EncodeMovesRecord(storedName, movesList, count);
    if (IsClassicStart(start))
        return r;
    if (std::equal(kFileMark.begin(), kFileMark.end(), r.begin() + 1) && r[0] >= kFileMark.size())
        std::copy(kPuzzleFileMark.begin(), kPuzzleFileMark.end(), r.begin() + 1);
    for (int b = 1; b <= kBlocks; ++b)
        r[size_t(kStartOffset + b - 1)] = start[b].field;
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
    if (count > kMaxMoves || count > kRecordSize - 2 - nameLength)
        return d;
    for (int i = 1; i <= count; ++i) {
        const uint8_t byte = data[1 + nameLength + i];
        const uint8_t block = byte >> 4;
        const uint8_t direction = byte & 0xF;
        if (block < 1 || block > kBlocks || !IsDirection(direction))
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
    for (int b = 1; b <= kBlocks; ++b)
        d.start[b].field = data[kStartOffset + b - 1];
    if (!IsPlayable(d.start)) {
        DecodedMoves refused;
        refused.status = RecordStatus::WrongFile;
        refused.storedName = d.storedName;
        return refused;
    }
    d.hasStart = true;
    return d;
}

LoadedMoves LoadMoves(Puzzle& p, const DecodedMoves& d) {
    if (d.status != RecordStatus::Ok || !Puzzle::CanHold(d.moves, d.count))
        return {};
    // A list belongs to its puzzle: a file of another one brings it along;
    // for the puzzle played the board stays where it stands.
    const bool other = !SameStart(d.start, p.start());
    if (other && !p.ChoosePuzzle(d.start, p.maxMove()))
        return {};
    return {p.LoadMoves(d.moves, d.count), other};
}

} // namespace trulp
