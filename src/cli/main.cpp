// trulp-solve: the program's search and a shortest-line solver on the
// command line. Exit status 0 solved, 1 no solution, 2 bad usage or input.
#include "movesfile.h"
#include "movesio.h"
#include "optimal.h"
#include "options.h"
#include "puzzles.h"
#include "report.h"
#include "start.h"
#include "text.h"
#include "trulp_version.h"
#include "words.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>

using namespace trulp;
using namespace trulp::cli;

namespace {

constexpr int kSolvedExit = 0;
constexpr int kNoSolutionExit = 1;
constexpr int kBadInputExit = 2;

int Fail(const std::string& message) {
    std::fprintf(stderr, "trulp-solve: %s\n", message.c_str());
    return kBadInputExit;
}

// Reads and checks the moves file at path: an empty string and the moves,
// or why the file was refused.
std::string ReadFrom(const std::string& path, DecodedMoves& moves) {
    const MovesFileBytes file = ReadMovesFile(path);
    if (!file.error.empty())
        return file.error;
    if (file.size < size_t(kRecordSize))
        return Std(
            TrulpSolve::tr("'%1' is not a moves file: %2 bytes instead of 250").arg(Q(path)).arg(file.size));
    moves = DecodeMovesRecord(file.record.data(), file.size);
    switch (moves.status) {
    case RecordStatus::Ok:
        return {};
    case RecordStatus::WrongFile:
        if (moves.storedName.starts_with(kPuzzleFileMark))
            return Std(
                TrulpSolve::tr("'%1' is not a moves file: the start it holds cannot be played").arg(Q(path)));
        return Std(TrulpSolve::tr("'%1' is not a moves file: its name does not begin with TRULP_ or TRULP+")
                       .arg(Q(path)));
    case RecordStatus::ReadError:
        break;
    }
    return Std(
        TrulpSolve::tr("'%1' is not a valid moves file: bad name length, move count or move").arg(Q(path)));
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

Report Search(const Options& o, Puzzle& p) {
    const auto start = std::chrono::steady_clock::now();
    // The board goes back to the puzzle's start.
    p.ResetBoard(o.maxMove);
    p.ClearMoves();
    uint8_t result;
    do
        result = p.SearchStep(o.slice);
    while (result == kBudgetSpent);

    Report r;
    r.seconds = SecondsSince(start);
    r.solved = result == kSolved;
    r.moves = p.lastMove();
    r.maxMove = o.maxMove;
    r.trialMoves = p.counters().trialMoves;
    r.forwardLength = uint32_t(p.forwardLength());
    r.forwardHits = p.counters().forwardHits;
    r.backwardHits = p.counters().backwardHits;
    if (r.solved)
        r.line.assign(p.movesList() + 1, p.movesList() + 1 + p.lastMove());
    return r;
}

// The puzzle named by --puzzle or --start: an empty string, or why it
// cannot be played.
std::string ChooseStart(const Options& o, Puzzle& p) {
    if (o.puzzle) {
        const PuzzleInfo* info = FindPuzzle(*o.puzzle);
        if (info == nullptr)
            return Std(TrulpSolve::tr("no puzzle is named '%1' (see --puzzles)").arg(Q(*o.puzzle)));
        p.ChoosePuzzle(info->start, o.maxMove);
    } else if (o.start) {
        const ParsedStart parsed = ParseStart(*o.start);
        if (!parsed.ok)
            return Std(TrulpSolve::tr("--start '%1': %2").arg(Q(*o.start), Text(parsed.error)));
        p.ChoosePuzzle(parsed.start, o.maxMove);
    }
    return {};
}

// The report names any puzzle but the classic.
void NamePuzzle(const Puzzle& p, Report& r) {
    if (p.isClassic())
        return;
    r.start = FormatStart(p.start());
    if (const PuzzleInfo* info = FindPuzzleByStart(p.start()))
        r.puzzle = info->name;
}

} // namespace

int main(int argc, char** argv) {
    // Only for the catalogues: the options are the program's own to read.
    int appArgc = 1;
    QCoreApplication app(appArgc, argv);
    InstallTranslations(app);
    const ParseResult parsed = ParseOptions(argc, argv);
    if (!parsed.error.empty())
        return Fail(parsed.error);
    const Options& o = parsed.options;
    if (o.help) {
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    }
    if (o.version) {
        std::printf("trulp-solve %s\n", TRULP_VERSION);
        return 0;
    }
    if (o.puzzles) {
        const std::string list = o.json ? JsonPuzzles(Collection()) : TextPuzzles(Collection());
        std::fwrite(list.data(), 1, list.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : Fail(Std(TrulpSolve::tr("cannot write the list")));
    }

    // The moves that lead to the reported line's first position, and that a
    // saved file must hold before it, so that it replays from the start.
    auto p = std::make_unique<Puzzle>();
    if (std::string error = ChooseStart(o, *p); !error.empty())
        return Fail(error);
    int leadIn = 0;
    Report r;
    if (o.optimal) {
        if (o.from) {
            DecodedMoves d;
            if (std::string error = ReadFrom(*o.from, d); !error.empty())
                return Fail(error);
            // The file's moves are replayed from its puzzle's start as the
            // window replays them; the first that the board cannot make is
            // named.
            LoadMoves(*p, d);
            while (p->ReplayMove().made) {
            }
            if (p->moveNr() <= d.count)
                return Fail(
                    Std((p->isClassic()
                             ? TrulpSolve::tr("'%1': move %2 cannot be made from the start position")
                             : TrulpSolve::tr("'%1': move %2 cannot be made from the start of its puzzle"))
                            .arg(Q(*o.from))
                            .arg(p->moveNr())));
            leadIn = d.count;
            r.from = *o.from;
            r.fromMoves = d.count;
        }
        const auto start = std::chrono::steady_clock::now();
        OptimalResult found = SolveOptimal(p->blockTable());
        r.seconds = SecondsSince(start);
        r.optimal = true;
        r.solved = found.solved;
        r.positions = found.positions;
        r.line = std::move(found.line);
        r.moves = int(r.line.size());
    } else {
        r = Search(o, *p);
    }

    NamePuzzle(*p, r);
    r.saveAsked = o.save.has_value();
    if (o.save && r.solved) {
        MoveRecord list[kMaxMoves + 1] = {};
        const int total = leadIn + int(r.line.size());
        if (total > kMaxMoves)
            return Fail(Std(TrulpSolve::tr("cannot save: the line from the start would have %1 moves, and a "
                                           "moves file holds at most 200")
                                .arg(total)));
        std::copy(p->movesList() + 1, p->movesList() + 1 + leadIn, list + 1);
        std::copy(r.line.begin(), r.line.end(), list + 1 + leadIn);
        const SavedFile saved = WriteMovesFile(*o.save, list, total, p->start());
        if (!saved.error.empty())
            return Fail(saved.error);
        r.savedPath = saved.path;
    }

    const std::string out = o.json ? JsonReport(r) : TextReport(r);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0)
        return Fail(Std(TrulpSolve::tr("cannot write the report")));
    return r.solved ? kSolvedExit : kNoSolutionExit;
}
