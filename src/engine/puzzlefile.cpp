#include "puzzlefile.h"

#include "position.h"
#include "puzzle.h"
#include "utf8.h"

#include <array>
#include <optional>

namespace trulp {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

Said Fault(Words w, int line, char letter = 0, std::string name = {}) {
    return Said(w, line, letter, 0, std::move(name));
}

struct Row {
    int line;
    std::string fields; // one character each
};

// Fields one character each, with at most one space between two; a
// character that is not ASCII is kept whole for the message.
std::optional<Said> ParseRow(std::string_view text, int line, Row& row) {
    row.line = line;
    bool space = false;
    for (size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == '\t') {
            if (space)
                return Fault(Words::PuzzleSpacing, line);
            space = true;
            ++i;
            continue;
        }
        space = false;
        char32_t wide = 0;
        const size_t length = DecodeUtf8(text, i, wide);
        if (length != 1)
            return Fault(Words::PuzzleUnknownField, line, 0,
                         std::string(text.substr(i, std::max<size_t>(length, 1))));
        row.fields += c;
        ++i;
    }
    return std::nullopt;
}

bool Connected(FieldSet cells, int columns) {
    FieldSet reached = FieldBit(LowestField(cells));
    for (FieldSet before = 0; before != reached;) {
        before = reached;
        ForEachField(before, [&](int f) {
            const int column = f % columns;
            for (const int n :
                 {f - columns, f + columns, column > 0 ? f - 1 : -1, column < columns - 1 ? f + 1 : -1})
                if (n >= 0 && n < kMaxFields && (cells & FieldBit(n)))
                    reached |= FieldBit(n);
        });
    }
    return reached == cells;
}

// A shape's fields moved to the top left corner of its rectangle.
FieldSet Corner(FieldSet cells, int columns) {
    int top = kMaxSide, left = kMaxSide;
    ForEachField(cells, [&](int f) {
        top = std::min(top, f / columns);
        left = std::min(left, f % columns);
    });
    FieldSet moved = 0;
    ForEachField(cells,
                 [&](int f) { moved |= FieldBit((f / columns - top) * kMaxSide + f % columns - left); });
    return moved;
}

void AppendMap(std::string& text, const PuzzleDef& def, const std::string& map) {
    for (int r = 0; r < def.rows(); ++r) {
        for (int c = 0; c < def.columns(); ++c) {
            if (c > 0)
                text += ' ';
            text += map[size_t(r * def.columns() + c)];
        }
        text += '\n';
    }
}

} // namespace

bool HasMark(std::string_view text, std::string_view mark) {
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (!text.starts_with(mark))
        return false;
    const std::string_view rest = Trim(text.substr(mark.size(), text.find('\n') - mark.size()));
    return rest.empty();
}

ReadPuzzle ReadPuzzleText(std::string_view text, std::string_view mark) {
    ReadPuzzle read;
    const auto fail = [&read](Said said) {
        read.error = std::move(said);
        return read;
    };
    if (text.size() > kLargestPuzzleText)
        return fail(Said(Words::PuzzleTooLarge, int(kLargestPuzzleText)));
    for (size_t i = 0; i < text.size();) {
        char32_t c = 0;
        const size_t length = DecodeUtf8(text, i, c);
        if (length == 0 || c == 0)
            return fail(Said(Words::PuzzleNotText));
        i += length;
    }
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);

    enum class Part { Mark, Keys, Start, Goal, Moves } part = Part::Mark;
    const bool game = mark == kGameMark;
    PuzzleDraft draft;
    bool named = false;
    std::vector<Row> start, goal;
    std::vector<std::pair<int, std::string_view>> moveTokens;
    int line = 0;
    for (size_t at = 0; at <= text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view t = Trim(text.substr(at, end - at));
        at = end + 1;
        ++line;
        if (part == Part::Mark) {
            if (t != mark)
                return fail(Fault(Words::PuzzleNoMagic, 1, 0, std::string(mark)));
            part = Part::Keys;
            continue;
        }
        if (t.empty())
            continue;
        if (t == "start:" && part == Part::Keys) {
            part = Part::Start;
        } else if (t == "goal:" && part == Part::Start) {
            part = Part::Goal;
        } else if (game && t == "moves:" && part == Part::Goal) {
            part = Part::Moves;
        } else if (part == Part::Keys && (t == "goal:" || t == "moves:")) {
            return fail(Said(Words::PuzzleNoStart));
        } else if (part == Part::Keys) {
            const size_t colon = t.find(':');
            if (colon == std::string_view::npos)
                return fail(Fault(Words::PuzzleStray, line));
            const std::string_view key = Trim(t.substr(0, colon));
            const std::string value(Trim(t.substr(colon + 1)));
            if (key == "name") {
                draft.name = value;
                named = !value.empty();
            } else if (key == "by") {
                draft.by = value;
            } else if (key == "note") {
                draft.note = value;
            } else {
                return fail(Fault(Words::PuzzleUnknownKey, line, 0, std::string(key)));
            }
        } else if (part == Part::Start || part == Part::Goal) {
            Row row;
            if (const std::optional<Said> bad = ParseRow(t, line, row))
                return fail(*bad);
            (part == Part::Start ? start : goal).push_back(row);
        } else if (part == Part::Moves) {
            for (size_t i = 0; i < t.size();) {
                if (t[i] == ' ' || t[i] == '\t') {
                    ++i;
                    continue;
                }
                size_t stop = i;
                while (stop < t.size() && t[stop] != ' ' && t[stop] != '\t')
                    ++stop;
                moveTokens.emplace_back(line, t.substr(i, stop - i));
                i = stop;
            }
        } else {
            return fail(Fault(Words::PuzzleStray, line));
        }
    }
    if (part == Part::Mark)
        return fail(Fault(Words::PuzzleNoMagic, 1, 0, std::string(mark)));
    if (!named)
        return fail(Said(Words::PuzzleNoName));
    if (start.empty())
        return fail(Said(Words::PuzzleNoStart));
    if (goal.empty())
        return fail(Said(Words::PuzzleNoGoal));

    // The board: every row as long as the first, both maps one size.
    const int columns = int(start.front().fields.size());
    for (const std::vector<Row>* map : {&start, &goal})
        for (const Row& row : *map)
            if (int(row.fields.size()) != columns) {
                Said s = Fault(Words::PuzzleRowLength, row.line);
                s.second = columns;
                s.name = std::to_string(row.fields.size());
                return fail(s);
            }
    if (goal.size() != start.size()) {
        Said s(Words::PuzzleMapSize, int(goal.size()));
        s.second = int(start.size());
        return fail(s);
    }
    const int rows = int(start.size());
    if (columns < 2 || columns > kMaxSide || rows < 2 || rows > kMaxSide) {
        Said s(Words::PuzzleBoardSize, columns);
        s.second = rows;
        return fail(s);
    }
    draft.columns = columns;
    draft.rows = rows;

    // The start: walls, free fields and the pieces by letter.
    std::array<FieldSet, 26> cells{};
    std::array<int, 26> firstLine{};
    FieldSet free = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const char ch = start[size_t(r)].fields[size_t(c)];
            const int f = r * columns + c;
            if (ch == '.') {
                free |= FieldBit(f);
            } else if (ch == '#') {
                draft.walls |= FieldBit(f);
            } else if (ch >= 'A' && ch <= 'Z') {
                if (cells[size_t(ch - 'A')] == 0)
                    firstLine[size_t(ch - 'A')] = start[size_t(r)].line;
                cells[size_t(ch - 'A')] |= FieldBit(f);
            } else {
                return fail(Fault(Words::PuzzleUnknownField, start[size_t(r)].line, 0, std::string(1, ch)));
            }
        }
    for (int l = 0; l < 26; ++l) {
        const FieldSet piece = cells[size_t(l)];
        if (piece == 0)
            continue;
        const char letter = char('A' + l);
        if (FieldCount(piece) > kMaxPieceFields) {
            Said s = Fault(Words::PuzzlePieceTooBig, firstLine[size_t(l)], letter);
            s.second = FieldCount(piece);
            return fail(s);
        }
        if (!Connected(piece, columns))
            return fail(Fault(Words::PuzzlePieceSplit, firstLine[size_t(l)], letter));
    }
    if (free == 0)
        return fail(Said(Words::PuzzleNoFreeField));

    // The goal: each named piece in its own shape, off the walls.
    std::array<FieldSet, 26> marks{};
    std::array<int, 26> markLine{};
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const char ch = goal[size_t(r)].fields[size_t(c)];
            if (ch < 'A' || ch > 'Z')
                continue;
            const size_t l = size_t(ch - 'A');
            if (cells[l] == 0)
                return fail(Fault(Words::PuzzleGoalUnknown, goal[size_t(r)].line, ch));
            if (marks[l] == 0)
                markLine[l] = goal[size_t(r)].line;
            marks[l] |= FieldBit(r * columns + c);
        }
    bool named_goal = false;
    for (size_t l = 0; l < 26; ++l) {
        if (marks[l] == 0)
            continue;
        named_goal = true;
        const char letter = char('A' + l);
        if (marks[l] & draft.walls)
            return fail(Fault(Words::PuzzleGoalOnWall, markLine[l], letter));
        if (FieldCount(marks[l]) != FieldCount(cells[l]) ||
            Corner(marks[l], columns) != Corner(cells[l], columns))
            return fail(Fault(Words::PuzzleGoalShape, markLine[l], letter));
    }
    if (!named_goal)
        return fail(Said(Words::PuzzleGoalNone));

    for (size_t l = 0; l < 26; ++l)
        if (cells[l] != 0)
            draft.pieces.push_back({char('A' + l), cells[l], marks[l]});
    read.def = PuzzleDef::Make(draft);
    Board board(read.def);
    if (board.GoalReached())
        return fail(Said(Words::PuzzleGoalMet));

    // A game's moves, each made from the start in turn, no more than the
    // puzzle's list holds (and a ten-block moves file can save again).
    const size_t most = size_t(MoveLimitCeiling(read.def));
    for (const auto& [at, token] : moveTokens) {
        const int piece = token.size() == 2 ? read.def.pieceOf(token[0]) : 0;
        const unsigned direction = token.size() == 2 ? DirectionOfLetter(token[1]) : 0;
        if (piece == 0 || direction == 0)
            return fail(Fault(Words::PuzzleBadMove, at, 0, std::string(token)));
        if (read.moves.size() >= most)
            return fail(Said(Words::PuzzleTooManyMoves, int(most)));
        if (!(board.PossibleDirections(piece) & direction))
            return fail(Said(Words::PuzzleMoveBlocked, int(read.moves.size()) + 1));
        board.ApplyStep(piece, direction);
        read.moves.push_back({uint8_t(piece), uint8_t(direction), 0});
    }
    read.ok = true;
    return read;
}

std::string PuzzleText(const PuzzleDef& def, const uint8_t* anchors) {
    std::string start(size_t(def.fields()), '.');
    std::string goal(size_t(def.fields()), '.');
    ForEachField(def.walls(), [&](int f) { start[size_t(f)] = '#'; });
    for (int p = 1; p <= def.pieceCount(); ++p) {
        const PieceDef& piece = def.piece(p);
        ForEachField(def.Place(piece.shape, anchors ? anchors[p] : piece.start),
                     [&](int f) { start[size_t(f)] = piece.letter; });
        if (piece.goal != kNoGoal)
            ForEachField(def.Place(piece.shape, piece.goal), [&](int f) { goal[size_t(f)] = piece.letter; });
    }
    std::string text = std::string(kPuzzleMark) + "\nname: " + def.name() + "\n";
    if (!def.by().empty())
        text += "by: " + def.by() + "\n";
    if (!def.note().empty())
        text += "note: " + def.note() + "\n";
    text += "start:\n";
    AppendMap(text, def, start);
    text += "goal:\n";
    AppendMap(text, def, goal);
    return text;
}

std::string MovesText(const PuzzleDef& def, const MoveRecord* list, int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        if (i > 1)
            text += (i - 1) % 20 == 0 ? '\n' : ' ';
        const int b = list[i].block;
        text += b >= 1 && b <= def.pieceCount() ? def.piece(b).letter : '?';
        text += IsDirection(list[i].direction) ? DirectionLetters[list[i].direction] : '?';
    }
    return text;
}

std::string GameText(const PuzzleDef& def, const MoveRecord* list, int count) {
    std::string text = PuzzleText(def);
    text.replace(0, kPuzzleMark.size(), kGameMark);
    return text + "moves:\n" + MovesText(def, list, count) + "\n";
}

} // namespace trulp
