#include "text.h"

#include "utf8.h"

#include <cstdint>
#include <cstdio>

namespace trulp::cli {

std::string JsonString(std::string_view utf8) {
    std::string out = "\"";
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        const size_t length = DecodeUtf8(utf8, i, c);
        if (length == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
            out += escaped;
        } else {
            out.append(utf8.substr(i, length));
        }
        i += length;
    }
    return out + "\"";
}

} // namespace trulp::cli
