#include "report.h"

#include "start.h"
#include "text.h"
#include "words.h"

#include <cstdio>

namespace trulp::cli {

namespace {

std::string MoveName(const MoveRecord& m) {
    return {startTable[m.block].letter, DirectionLetters[m.direction]};
}

void AddField(std::string& out, const char* name, long long value) {
    out += ", \"";
    out += name;
    out += "\": " + std::to_string(value);
}

void AddRow(std::string& out, const char* label, const std::string& value) {
    char row[64];
    std::snprintf(row, sizeof row, "%-31s ", label);
    out += row + value + "\n";
}

// Where the line begins: the classic start, a puzzle of the collection, or
// a start given block by block.
std::string StartOf(const Report& r) {
    if (r.start.empty())
        return "the start position";
    if (!r.puzzle.empty())
        return "the start of puzzle '" + r.puzzle + "'";
    return "the start " + r.start;
}

} // namespace

std::string JsonReport(const Report& r) {
    std::string out = "{\"result\": ";
    out += r.solved ? "\"solved\"" : "\"no solution\"";
    if (!r.puzzle.empty())
        out += ", \"puzzle\": " + JsonString(r.puzzle);
    if (!r.start.empty())
        out += ", \"start\": " + JsonString(r.start);
    AddField(out, "moves", r.moves);
    if (r.optimal) {
        AddField(out, "positions", r.positions);
    } else {
        AddField(out, "trialMoves", r.trialMoves);
        AddField(out, "forwardLength", r.forwardLength);
        AddField(out, "forwardHits", r.forwardHits);
        AddField(out, "backwardHits", r.backwardHits);
    }
    out += ", \"line\": [";
    for (size_t i = 0; i < r.line.size(); ++i)
        out += (i ? ", \"" : "\"") + MoveName(r.line[i]) + "\"";
    out += "]";
    if (!r.savedPath.empty())
        out += ", \"saved\": " + JsonString(r.savedPath);
    return out + "}\n";
}

std::string TextReport(const Report& r) {
    std::string out;
    if (!r.optimal)
        out += "depth-first search from " + StartOf(r) + ", move limit " + std::to_string(r.maxMove) + "\n";
    else if (r.from.empty())
        out += "shortest line from " + StartOf(r) + "\n";
    else
        out += "shortest line from the position after the " + std::to_string(r.fromMoves) + " moves of '" +
               r.from + "'" + (r.start.empty() ? "" : " from " + StartOf(r)) + "\n";
    out += "\n";
    AddRow(out, "result", r.solved ? "solved" : "no solution");
    AddRow(out, "number of moves", std::to_string(r.moves));
    if (r.optimal) {
        AddRow(out, "positions reachable", std::to_string(r.positions));
    } else {
        AddRow(out, "trial moves", std::to_string(r.trialMoves));
        AddRow(out, "forward history buffer length", std::to_string(r.forwardLength));
        AddRow(out, "forward buffer hits", std::to_string(r.forwardHits));
        AddRow(out, "backward buffer hits", std::to_string(r.backwardHits));
    }
    char time[32];
    std::snprintf(time, sizeof time, "%.3f s", r.seconds);
    AddRow(out, "time", time);

    if (!r.line.empty()) {
        out += "\n";
        for (size_t i = 0; i < r.line.size(); ++i) {
            char number[24];
            std::snprintf(number, sizeof number, "%4zu ", i + 1);
            out += number;
            out += startTable[r.line[i].block].letter;
            out += QString(Wording::arrow(r.line[i].direction)).toStdString();
            out += (i + 1) % 10 == 0 || i + 1 == r.line.size() ? "\n" : "  ";
        }
    }
    if (!r.savedPath.empty())
        out += "\nsaved as: " + r.savedPath + "\n";
    else if (r.saveAsked)
        out += "\nnothing saved: no line was found\n";
    return out;
}

std::string JsonPuzzles(const std::vector<PuzzleInfo>& puzzles) {
    std::string out = "{\"puzzles\": [";
    for (size_t i = 0; i < puzzles.size(); ++i) {
        out += i ? ", {\"name\": " : "{\"name\": ";
        out += JsonString(puzzles[i].name) + ", \"start\": " + JsonString(FormatStart(puzzles[i].start));
        out += ", \"shortest\": " + std::to_string(puzzles[i].shortest) + "}";
    }
    return out + "]}\n";
}

std::string TextPuzzles(const std::vector<PuzzleInfo>& puzzles) {
    std::string out = "puzzle       shortest  start\n";
    for (const PuzzleInfo& p : puzzles) {
        char row[96];
        std::snprintf(row, sizeof row, "%-12s %8d  %s\n", p.name.c_str(), p.shortest,
                      FormatStart(p.start).c_str());
        out += row;
    }
    return out;
}

} // namespace trulp::cli
