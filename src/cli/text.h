// Character conversions at the edges of trulp-solve: command-line and file
// names arrive as UTF-8, stored names are Latin-1 bytes, and JSON wants
// valid UTF-8 with escapes.
#pragma once

#include <string>
#include <string_view>

namespace trulp::cli {

// Latin-1 bytes of UTF-8 text; characters beyond Latin-1 and bytes that are
// not UTF-8 become '?'.
std::string Latin1FromUtf8(std::string_view utf8);

std::string Utf8FromLatin1(std::string_view latin1);

// Appends one UTF-16 code unit of the basic plane as UTF-8.
void AppendUtf8(std::string& out, char16_t c);

// A JSON string literal, quotes included. Bytes that are not UTF-8 become
// U+FFFD so that the output stays valid.
std::string JsonString(std::string_view utf8);

} // namespace trulp::cli
