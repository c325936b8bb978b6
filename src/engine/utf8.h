// UTF-8 at the edges of the engine: file names arrive as UTF-8, stored names
// are Latin-1 bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace trulp {

// Decodes one UTF-8 sequence at text[i]; returns its length, or 0 when the
// bytes there are not UTF-8 (overlong forms and surrogates included).
size_t DecodeUtf8(std::string_view text, size_t i, char32_t& c);

void AppendUtf8(std::string& out, char32_t c);

} // namespace trulp
