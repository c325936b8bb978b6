#include "history.h"

#include <algorithm>

namespace trulp {

void BackwardBuffer::Follow(int32_t moveNr) {
    const int32_t target = std::min(moveNr, int32_t(kMaxMoves + 1));
    BackwardTrim(target);
    while (indexed_ < target)
        BackwardStore(PositionKey::Of(entry(indexed_)), indexed_);
}

void BackwardBuffer::SetStart(const BoardKey& start) {
    BackwardTrim(0);
    BackwardStore(PositionKey::Of(start), 0);
}

void BackwardBuffer::Clear() {
    std::memset(&keys_[1], 0, sizeof(BoardKey) * kMaxMoves);
    std::memset(index_, 0, sizeof index_);
    indexed_ = 0;
    Follow(1);
}

} // namespace trulp
