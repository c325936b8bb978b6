#include "movesfile.h"

#include <algorithm>

namespace trulp {

std::string StoredName(std::string_view fileName) {
    std::string name(kStoredNamePrefix);
    name += fileName;
    if (name.size() > size_t(kStoredNameMax))
        name.resize(kStoredNameMax);
    return name;
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
    if (d.status != RecordStatus::Ok || d.count < 0 || d.count > kMaxMoves)
        return false;
    p.ClearMoves();
    for (int i = 1; i <= d.count; ++i)
        p.movesList[i] = {d.moves[i].block, d.moves[i].direction, 0};
    p.lastMove = d.count;
    return true;
}

int FirstIllegalMove(const MoveRecord* movesList, int count) {
    // The rule of PossibleDirections, on a copy of the start position; no
    // Puzzle is needed just to replay a list.
    Block table[kBlocks + 1];
    std::copy(startTable, startTable + kBlocks + 1, table);
    uint32_t occupied = 0;
    for (int b = 1; b <= kBlocks; ++b)
        occupied |= shapeTable[table[b].shape].mask << table[b].field;
    for (int i = 1; i <= count; ++i) {
        const MoveRecord& m = movesList[i];
        if (m.block < 1 || m.block > kBlocks || !IsDirection(m.direction))
            return i;
        Block& b = table[m.block];
        const int k = __builtin_ctz(m.direction);
        if (detail::kStepNeeds.need[b.shape][b.field][k] & (occupied | detail::kBlocked))
            return i;
        const uint32_t before = shapeTable[b.shape].mask << b.field;
        b.field = uint8_t(StepField(b.field, m.direction));
        occupied ^= before ^ shapeTable[b.shape].mask << b.field;
    }
    return 0;
}

} // namespace trulp
