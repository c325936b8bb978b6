// JSON wants valid UTF-8 with escapes, whatever bytes a file name holds.
#pragma once

#include <string>
#include <string_view>

namespace trulp::cli {

// A JSON string literal, quotes included. Bytes that are not UTF-8 become
// U+FFFD so that the output stays valid.
std::string JsonString(std::string_view utf8);

} // namespace trulp::cli
