// Whole numbers as people and files write them: digits only, no sign, no
// blanks, nothing after them.
#pragma once

#include <string_view>

namespace trulp {

// True when `text` is such a number no greater than `max` (and value is it).
constexpr bool ParseWholeNumber(std::string_view text, long long max, long long& value) {
    if (text.empty() || text.size() > 12)
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= max;
}

} // namespace trulp
