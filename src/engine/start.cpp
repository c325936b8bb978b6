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

Said StartSaid(const StartCheck& check, const Block (&start)[kBlocks + 1]) {
    switch (check.verdict) {
    case StartVerdict::Playable:
        return Said(Words::ToGo, DistanceTable::Shared().Distance(start));
    case StartVerdict::WrongShape:
        return Said(Words::WrongShape, 0, uint8_t(check.block));
    case StartVerdict::OffBoard:
        return Said(Words::OffBoard, start[check.block].field, uint8_t(check.block));
    case StartVerdict::Overlap: {
        Said s(Words::Overlap, start[check.other].field, uint8_t(check.other));
        s.other = uint8_t(check.block);
        s.second = start[check.block].field;
        return s;
    }
    case StartVerdict::Solved:
        return Said(Words::OnGoal);
    case StartVerdict::NoWay:
        return Said(Words::NoWay);
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
        parsed.error = Said(Words::StartTokens, count);
        return parsed;
    }
    for (int b = 1; b <= kBlocks; ++b) {
        const std::string_view t = tokens[b];
        if (t[0] != startTable[b].letter) {
            parsed.error = Said(Words::StartOrder, b, uint8_t(b), 0, std::string(t));
            return parsed;
        }
        long long field = 0;
        if (t.size() > 3 || !ParseWholeNumber(t.substr(1), kFields - 1, field)) {
            parsed.error = Said(Words::StartField, 0, 0, 0, std::string(t));
            return parsed;
        }
        parsed.start[b].field = uint8_t(field);
    }
    const StartCheck check = CheckStart(parsed.start);
    if (!check.playable()) {
        parsed.error = StartSaid(check, parsed.start);
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

} // namespace trulp
