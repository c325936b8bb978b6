#include "keptgame.h"

#include "number.h"
#include "puzzlefile.h"
#include "start.h"

#include <vector>

namespace trulp {

namespace {

constexpr std::string_view kHeaderOld = "TRULP game 1";
constexpr std::string_view kHeader = "TRULP game 2";

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// "AR XD* ..." against the puzzle's pieces; a star marks the coach's.
bool ReadMoves(std::string_view text, const PuzzleDef& def, KeptGame& g) {
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
            continue;
        }
        if (i + 1 >= text.size() || g.moves.size() >= size_t(kMaxMoves))
            return false;
        const int piece = def.pieceOf(text[i]);
        const unsigned direction = DirectionOfLetter(text[i + 1]);
        if (piece == 0 || direction == 0)
            return false;
        g.moves.push_back({uint8_t(piece), uint8_t(direction), 0});
        i += 2;
        const bool star = i < text.size() && text[i] == '*';
        g.coached.push_back(star);
        i += star ? 1 : 0;
        if (i < text.size() && text[i] != ' ')
            return false;
    }
    return true;
}

bool ReadState(std::string_view how, KeptGame& g) {
    g.alone = how == "alone";
    g.helped = how == "helped";
    return g.alone || g.helped || how == "other";
}

} // namespace

std::string KeptGameText(const KeptGame& g) {
    std::string text = std::string(kHeader) + "\nname " + g.name + "\nmode " + std::to_string(int(g.mode)) +
                       "\nat " + std::to_string(g.moveNr) + "\n" +
                       (g.alone    ? "alone"
                        : g.helped ? "helped"
                                   : "other") +
                       "\nplayed " + std::to_string(g.playedMs) + "\nmoves:";
    for (size_t i = 0; i < g.moves.size(); ++i) {
        const MoveRecord& m = g.moves[i];
        text += ' ';
        text += g.def->piece(m.block).letter;
        text += DirectionLetters[m.direction];
        if (i < g.coached.size() && g.coached[i])
            text += '*';
    }
    return text + "\n" + PuzzleText(*g.def);
}

bool ReadKeptGame(std::string_view text, KeptGame& game) {
    const std::vector<std::string_view> lines = Lines(text);
    KeptGame g;
    long long mode = 0, at = 0, played = 0;
    if (!lines.empty() && lines[0] == kHeaderOld) {
        // Start, name, mode, pointer, alone or helped, moves.
        if (lines.size() != 7)
            return false;
        const ParsedStart start = ParseStart(lines[1]);
        if (!start.ok || !ParseWholeNumber(lines[3], kNoMode, mode) ||
            !ParseWholeNumber(lines[4], kMaxMoves + 1, at))
            return false;
        g.def = std::make_shared<const PuzzleDef>(start.def);
        g.name = std::string(lines[2]);
        g.alone = lines[5] == "alone";
        if (!g.alone && lines[5] != "helped")
            return false;
        if (!ReadMoves(lines[6], *g.def, g))
            return false;
    } else {
        if (lines.size() < 8 || lines[0] != kHeader || !lines[1].starts_with("name ") ||
            !lines[2].starts_with("mode ") || !ParseWholeNumber(lines[2].substr(5), kNoMode, mode) ||
            !lines[3].starts_with("at ") || !ParseWholeNumber(lines[3].substr(3), kMaxMoves + 1, at) ||
            !ReadState(lines[4], g) || !lines[5].starts_with("played ") ||
            !ParseWholeNumber(lines[5].substr(7), 1LL << 50, played) || !lines[6].starts_with("moves:"))
            return false;
        // The puzzle follows whole.
        const size_t puzzleAt = size_t(lines[7].data() - text.data());
        ReadPuzzle read = ReadPuzzleText(text.substr(puzzleAt));
        if (!read.ok)
            return false;
        g.def = std::make_shared<const PuzzleDef>(std::move(read.def));
        g.name = std::string(lines[1].substr(5));
        g.playedMs = played;
        if (!ReadMoves(lines[6].substr(6), *g.def, g))
            return false;
    }
    g.mode = Mode(mode);
    g.moveNr = int(at);
    if (g.moveNr < 1 || g.moveNr > int(g.moves.size()) + 1)
        return false;
    game = std::move(g);
    return true;
}

} // namespace trulp
