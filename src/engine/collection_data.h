// The collection's files as the build embeds them (cmake/EmbedPuzzles.cmake).
#pragma once

#include <cstddef>
#include <string_view>

namespace trulp::detail {

struct CollectionFile {
    std::string_view path; // under puzzles/
    std::string_view text;
};

extern const std::string_view kCollectionIndex;
extern const CollectionFile kCollectionFiles[];
extern const size_t kCollectionFileCount;

} // namespace trulp::detail
