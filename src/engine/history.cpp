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
    for (int w = 0; w < kShapes; ++w)
        std::memset(&words_[w][1], 0, sizeof(uint32_t) * kMaxMoves);
    std::memset(index_, 0, sizeof index_);
    indexed_ = 0;
    Follow(1);
}

} // namespace trulp
