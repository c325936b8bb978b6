#include "start.h"

#include "distance.h"
#include "number.h"
#include "tenblock.h"

namespace trulp {

StartCheck CheckStart(const PuzzleDef& def) {
    const PlacementCheck placed = CheckPlacement(def);
    switch (placed.placement) {
    case Placement::OffBoard:
        return {StartVerdict::OffBoard, placed.piece};
    case Placement::OnWall:
        return {StartVerdict::OnWall, placed.piece};
    case Placement::Overlap:
        return {StartVerdict::Overlap, placed.piece, placed.other};
    case Placement::Ok:
        break;
    }
    if (Board(def).GoalReached())
        return {StartVerdict::Solved, def.goalPieces().empty() ? 0 : def.goalPieces().front()};
    return {};
}

Said StartSaid(const StartCheck& check, const PuzzleDef& def, int distance) {
    const auto letter = [&def](int p) { return p >= 1 && p <= def.pieceCount() ? def.piece(p).letter : '?'; };
    const auto field = [&def](int p) {
        return p >= 1 && p <= def.pieceCount() ? int(def.piece(p).start) : 0;
    };
    switch (check.verdict) {
    case StartVerdict::Playable:
        if (distance == kNoDistance)
            return Said(Words::NoWay);
        return distance < 0 ? Said(Words::Clear) : Said(Words::ToGo, distance);
    case StartVerdict::OffBoard:
        return Said(Words::OffBoard, field(check.piece), letter(check.piece));
    case StartVerdict::OnWall:
        return Said(Words::OnWall, field(check.piece), letter(check.piece));
    case StartVerdict::Overlap: {
        Said s(Words::Overlap, field(check.other), letter(check.other));
        s.otherLetter = letter(check.piece);
        s.second = field(check.piece);
        return s;
    }
    case StartVerdict::Solved:
        return Said(Words::OnGoal, 0, letter(check.piece));
    case StartVerdict::NoWay:
        return Said(Words::NoWay);
    }
    return {};
}

std::string FormatStart(const PuzzleDef& def) {
    std::string text;
    for (int b = 1; b <= def.pieceCount(); ++b) {
        if (b > 1)
            text += ' ';
        text += def.piece(b).letter;
        text += std::to_string(def.piece(b).start);
    }
    return text;
}

ParsedStart ParseStart(std::string_view text) {
    ParsedStart parsed;
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
    std::array<uint8_t, kBlocks + 1> fields{};
    for (int b = 1; b <= kBlocks; ++b) {
        const std::string_view t = tokens[b];
        if (t[0] != startTable[b].letter) {
            parsed.error = Said(Words::StartOrder, b, startTable[b].letter, 0, std::string(t));
            return parsed;
        }
        long long field = 0;
        if (t.size() > 3 || !ParseWholeNumber(t.substr(1), kFields - 1, field)) {
            parsed.error = Said(Words::StartField, 0, 0, 0, std::string(t));
            return parsed;
        }
        fields[size_t(b)] = uint8_t(field);
    }
    parsed.def = TenBlockPuzzle(fields);
    const StartCheck check = CheckStart(parsed.def);
    if (!check.playable()) {
        parsed.error = StartSaid(check, parsed.def, -1);
        return parsed;
    }
    parsed.ok = true;
    return parsed;
}

} // namespace trulp
