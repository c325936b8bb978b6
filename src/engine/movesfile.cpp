#include "movesfile.h"

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

DecodedMoves DecodeMovesRecord(const uint8_t* data, size_t size) {
    DecodedMoves d;
    d.status = RecordStatus::ReadError;
    if (data == nullptr || size < size_t(kRecordSize))
        return d;
    const int nameLength = data[0];
    if (nameLength > kStoredNameMax)
        return d;
    d.storedName.assign(reinterpret_cast<const char*>(data + 1), size_t(nameLength));
    if (!d.storedName.starts_with(kFileMark)) {
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

bool LoadMoves(Puzzle& p, const DecodedMoves& d) {
    return d.status == RecordStatus::Ok && p.LoadMoves(d.moves, d.count);
}

} // namespace trulp
