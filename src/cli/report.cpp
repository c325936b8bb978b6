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

std::string MoveName(const PuzzleDef& def, const MoveRecord& m) {
    return {def.piece(m.block).letter, DirectionLetters[m.direction]};
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

// The report's first line: whole sentences, so that each language words
// where the line begins as it must.
QString Heading(const Report& r) {
    const QString name = Wording::puzzleName(r.puzzle);
    const QString start = Q(r.start);
    if (!r.optimal) {
        if (r.classic)
            return TrulpSolve::tr("depth-first search from the start position, move limit %1").arg(r.maxMove);
        if (!r.puzzle.empty())
            return TrulpSolve::tr("depth-first search from the start of puzzle '%1', move limit %2")
                .arg(name)
                .arg(r.maxMove);
        return TrulpSolve::tr("depth-first search from the start %1, move limit %2")
            .arg(start)
            .arg(r.maxMove);
    }
    if (r.from.empty()) {
        if (r.classic)
            return TrulpSolve::tr("shortest line from the start position");
        if (!r.puzzle.empty())
            return TrulpSolve::tr("shortest line from the start of puzzle '%1'").arg(name);
        return TrulpSolve::tr("shortest line from the start %1").arg(start);
    }
    const QString file = Q(r.from);
    if (r.classic)
        return TrulpSolve::tr("shortest line from the position after the %n moves of '%1'", nullptr,
                              r.fromMoves)
            .arg(file);
    if (!r.puzzle.empty())
        return TrulpSolve::tr("shortest line from the position after the %n moves of '%1' in puzzle '%2'",
                              nullptr, r.fromMoves)
            .arg(file, name);
    return TrulpSolve::tr("shortest line from the position after the %n moves of '%1' from the start %2",
                          nullptr, r.fromMoves)
        .arg(file, start);
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
        AddField(out, "pieceMoves", r.pieceMoves);
        AddField(out, "positions", r.positions);
    } else {
        AddField(out, "trialMoves", r.trialMoves);
        AddField(out, "forwardLength", r.forwardLength);
        AddField(out, "forwardHits", r.forwardHits);
        AddField(out, "backwardHits", r.backwardHits);
    }
    out += ", \"line\": [";
    for (size_t i = 0; i < r.line.size(); ++i)
        out += (i ? ", \"" : "\"") + MoveName(*r.def, r.line[i]) + "\"";
    out += "]";
    if (!r.savedPath.empty())
        out += ", \"saved\": " + JsonString(r.savedPath);
    return out + "}\n";
}

std::string TextReport(const Report& r) {
    std::string out = Std(Heading(r)) + "\n\n";
    std::vector<std::pair<QString, std::string>> rows;
    rows.emplace_back(TrulpSolve::tr("result"),
                      Std(r.solved ? TrulpSolve::tr("solved") : TrulpSolve::tr("no solution")));
    rows.emplace_back(Wording::counterLabel(Wording::Counter::Moves), std::to_string(r.moves));
    if (r.optimal) {
        rows.emplace_back(TrulpSolve::tr("fewest piece moves"), std::to_string(r.pieceMoves));
        rows.emplace_back(TrulpSolve::tr("positions reachable"), std::to_string(r.positions));
    } else {
        // The statistics dialog's own labels.
        rows.emplace_back(Wording::counterLabel(Wording::Counter::TrialMoves), std::to_string(r.trialMoves));
        rows.emplace_back(Wording::counterLabel(Wording::Counter::ForwardLength),
                          std::to_string(r.forwardLength));
        rows.emplace_back(Wording::counterLabel(Wording::Counter::ForwardHits),
                          std::to_string(r.forwardHits));
        rows.emplace_back(Wording::counterLabel(Wording::Counter::BackwardHits),
                          std::to_string(r.backwardHits));
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
            out += r.def->piece(r.line[i].block).letter;
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
        const PuzzleInfo& p = puzzles[i];
        out += i ? ", {\"id\": " : "{\"id\": ";
        out += JsonString(p.id) + ", \"name\": " + JsonString(p.name()) + ", \"pack\": " + JsonString(p.pack);
        AddField(out, "columns", p.def->columns());
        AddField(out, "rows", p.def->rows());
        AddField(out, "shortest", p.shortest);
        AddField(out, "pieceMoves", p.shortestPieces);
        if (p.def->tenBlock())
            out += ", \"start\": " + JsonString(FormatStart(*p.def));
        out += "}";
    }
    return out + "]}\n";
}

std::string TextPuzzles(const std::vector<PuzzleInfo>& puzzles) {
    // The player's names beside the ids, lined up in characters.
    std::vector<QString> names;
    qsizetype idWidth = 0, nameWidth = 0;
    for (const PuzzleInfo& p : puzzles) {
        names.push_back(Wording::puzzleName(p.name()));
        idWidth = std::max(idWidth, qsizetype(p.id.size()));
        nameWidth = std::max(nameWidth, names.back().size());
    }
    //: The header of the collection's table: the columns are the id, the name, the board, shortest moves and
    //: piece moves.
    const QStringList header = TrulpSolve::tr("id|name|board|moves|piece moves").split(u'|');
    const auto cell = [](const QString& text, qsizetype width) { return text.leftJustified(width) + u' '; };
    idWidth = std::max(idWidth, header.value(0).size());
    nameWidth = std::max(nameWidth, header.value(1).size());
    std::string out =
        Std(cell(header.value(0), idWidth) + cell(header.value(1), nameWidth) + cell(header.value(2), 6) +
            header.value(3).rightJustified(6) + u' ' + header.value(4).rightJustified(12)) +
        "\n";
    for (size_t i = 0; i < puzzles.size(); ++i) {
        const PuzzleInfo& p = puzzles[i];
        const QString board = QStringLiteral("%1x%2").arg(p.def->columns()).arg(p.def->rows());
        out += Std(cell(Q(p.id), idWidth) + cell(names[i], nameWidth) + cell(board, 6) +
                   QString::number(p.shortest).rightJustified(6) + u' ' +
                   QString::number(p.shortestPieces).rightJustified(12)) +
               "\n";
    }
    return out;
}

} // namespace trulp::cli
