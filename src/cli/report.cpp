#include "report.h"

#include "start.h"
#include "text.h"
#include "words.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

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

// Rows of label and value, the values lined up in characters, not bytes,
// whatever the language's labels.
std::string Rows(const std::vector<std::pair<QString, std::string>>& rows) {
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    std::string out;
    for (const auto& [label, value] : rows)
        out += Std(label.leftJustified(std::max<qsizetype>(width, 31)) + u' ') + value + "\n";
    return out;
}

// Where the line begins: the classic start, a puzzle of the collection, or
// a start given block by block.
std::string StartOf(const Report& r) {
    if (r.start.empty())
        return Std(TrulpSolve::tr("the start position"));
    if (!r.puzzle.empty())
        return Std(TrulpSolve::tr("the start of puzzle '%1'").arg(Q(r.puzzle)));
    return Std(TrulpSolve::tr("the start %1").arg(Q(r.start)));
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
        out += Std(
            TrulpSolve::tr("depth-first search from %1, move limit %2").arg(Q(StartOf(r))).arg(r.maxMove));
    else if (r.from.empty())
        out += Std(TrulpSolve::tr("shortest line from %1").arg(Q(StartOf(r))));
    else if (r.start.empty())
        out += Std(
            TrulpSolve::tr("shortest line from the position after the %n moves of '%1'", nullptr, r.fromMoves)
                .arg(Q(r.from)));
    else
        out += Std(TrulpSolve::tr("shortest line from the position after the %n moves of '%1' from %2",
                                  nullptr, r.fromMoves)
                       .arg(Q(r.from), Q(StartOf(r))));
    out += "\n\n";
    std::vector<std::pair<QString, std::string>> rows;
    rows.emplace_back(TrulpSolve::tr("result"),
                      Std(r.solved ? TrulpSolve::tr("solved") : TrulpSolve::tr("no solution")));
    rows.emplace_back(TrulpSolve::tr("number of moves"), std::to_string(r.moves));
    if (r.optimal) {
        rows.emplace_back(TrulpSolve::tr("positions reachable"), std::to_string(r.positions));
    } else {
        rows.emplace_back(TrulpSolve::tr("trial moves"), std::to_string(r.trialMoves));
        rows.emplace_back(TrulpSolve::tr("forward history buffer length"), std::to_string(r.forwardLength));
        rows.emplace_back(TrulpSolve::tr("forward buffer hits"), std::to_string(r.forwardHits));
        rows.emplace_back(TrulpSolve::tr("backward buffer hits"), std::to_string(r.backwardHits));
    }
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", r.seconds);
    //: Seconds, as "0.123 s".
    rows.emplace_back(TrulpSolve::tr("time"), Std(TrulpSolve::tr("%1 s").arg(QString::fromLatin1(time))));
    out += Rows(rows);

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
        out += "\n" + Std(TrulpSolve::tr("saved as: %1").arg(Q(r.savedPath))) + "\n";
    else if (r.saveAsked)
        out += "\n" + Std(TrulpSolve::tr("nothing saved: no line was found")) + "\n";
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
