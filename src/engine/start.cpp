#include "start.h"

#include "number.h"

#include "distance.h"
#include "position_code.h"

#include <algorithm>

namespace trulp {

StartCheck CheckStart(const Block (&start)[kBlocks + 1]) {
    const detail::PlacementCheck placed = detail::CheckPlacement(start);
    switch (placed.placement) {
    case detail::Placement::WrongShape:
        return {StartVerdict::WrongShape, placed.block};
    case detail::Placement::OffBoard:
        return {StartVerdict::OffBoard, placed.block};
    case detail::Placement::Overlap:
        return {StartVerdict::Overlap, placed.block, placed.other};
    case detail::Placement::Ok:
        break;
    }
    const int distance = DistanceTable::Shared().Distance(start);
    if (distance == 0)
        return {StartVerdict::Solved, kXBlock};
    if (distance == kNoDistance)
        return {StartVerdict::NoWay};
    return {};
}

std::string StartProblem(const StartCheck& check, const Block (&start)[kBlocks + 1]) {
    auto name = [&](int block) { return std::string(1, startTable[block].letter); };
    auto on = [&](int block) { return name(block) + " on field " + std::to_string(start[block].field); };
    switch (check.verdict) {
    case StartVerdict::Playable:
        return {};
    case StartVerdict::WrongShape:
        return "block " + name(check.block) + " does not have its own shape";
    case StartVerdict::OffBoard:
        return "block " + on(check.block) + " does not fit on the board";
    case StartVerdict::Overlap:
        return "blocks " + on(check.other) + " and " + on(check.block) + " overlap";
    case StartVerdict::Solved:
        return "X already stands on the goal";
    case StartVerdict::NoWay:
        return "no line of moves leads from this start to the goal";
    }
    return {};
}

bool SameStart(const Block (&a)[kBlocks + 1], const Block (&b)[kBlocks + 1]) {
    for (int i = 1; i <= kBlocks; ++i)
        if (a[i].shape != b[i].shape || a[i].field != b[i].field)
            return false;
    return true;
}

std::string FormatStart(const Block (&start)[kBlocks + 1]) {
    std::string text;
    for (int b = 1; b <= kBlocks; ++b) {
        if (b > 1)
            text += ' ';
        text += startTable[b].letter;
        text += std::to_string(start[b].field);
    }
    return text;
}

ParsedStart ParseStart(std::string_view text) {
    ParsedStart parsed;
    std::copy(startTable, startTable + kBlocks + 1, parsed.start);
    std::string_view tokens[kBlocks + 1];
    int count = 0;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
            continue;
        }
        size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t')
            ++end;
        if (++count <= kBlocks)
            tokens[count] = text.substr(i, end - i);
        i = end;
    }
    if (count != kBlocks) {
        parsed.error = "a start names ten blocks in the order A X B C D E F G H I, each with its field, "
                       "not " +
                       std::to_string(count) + " tokens";
        return parsed;
    }
    for (int b = 1; b <= kBlocks; ++b) {
        const std::string_view t = tokens[b];
        const std::string shown = "'" + std::string(t) + "'";
        if (t[0] != startTable[b].letter) {
            parsed.error = "block " + std::to_string(b) + " of the start must be " + startTable[b].letter +
                           " (order A X B C D E F G H I), not " + shown;
            return parsed;
        }
        long long field = 0;
        if (t.size() > 3 || !ParseWholeNumber(t.substr(1), kFields - 1, field)) {
            parsed.error = shown + ": the field must be a number from 0 to 19";
            return parsed;
        }
        parsed.start[b].field = uint8_t(field);
    }
    const StartCheck check = CheckStart(parsed.start);
    if (!check.playable()) {
        parsed.error = StartProblem(check, parsed.start);
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

} // namespace trulp
