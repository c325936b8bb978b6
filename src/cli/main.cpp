// trulp-solve: the program's search and a shortest-line solver on the
// command line. Exit status 0 solved, 1 no solution, 2 bad usage or input.
#include "distance.h"
#include "movesfile.h"
#include "movesio.h"
#include "optimal.h"
#include "options.h"
#include "puzzlefile.h"
#include "puzzles.h"
#include "report.h"
#include "start.h"
#include "text.h"
#include "trulp_version.h"
#include "words.h"

#include <chrono>
#include <cstdio>
#include <iostream>
#include <iterator>
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

// A file's trouble, worded as the window words it, with the file named.
std::string AboutFile(const std::string& path, const Said& said) {
    const QString words = Text(said);
    // Some words name the file themselves; the others (a fault on a line of
    // the text, say) are told with the file's name first.
    switch (said.words) {
    case Words::CannotOpen:
    case Words::NotAFile:
    case Words::CannotRead:
    case Words::FileTooShort:
        return Std(words);
    default:
        return Std(TrulpSolve::tr("'%1': %2").arg(Q(path), words));
    }
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

// The puzzle named by --puzzle (its id, its name or the player's name for
// it), by --start or in a puzzle file: an empty string, or why it cannot be
// played.
std::string ChoosePuzzle(const Options& o, Puzzle& p) {
    std::shared_ptr<const PuzzleDef> def;
    if (o.puzzle) {
        const PuzzleInfo* info = FindPuzzle(*o.puzzle);
        for (const PuzzleInfo& candidate : Collection())
            if (info == nullptr && Wording::puzzleName(candidate.name()) == Q(*o.puzzle))
                info = &candidate;
        if (info == nullptr)
            return Std(TrulpSolve::tr("no puzzle is named '%1' (see --puzzles)").arg(Q(*o.puzzle)));
        def = info->def;
    } else if (o.start) {
        const ParsedStart parsed = ParseStart(*o.start);
        if (!parsed.ok)
            return Std(TrulpSolve::tr("--start '%1': %2").arg(Q(*o.start), Text(parsed.error)));
        def = std::make_shared<const PuzzleDef>(parsed.def);
    } else if (o.puzzleFile) {
        std::string text;
        if (*o.puzzleFile == "-") {
            text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
        } else {
            const FileBytes file = ReadFileStart(*o.puzzleFile, kLargestPuzzleText);
            if (!file.ok())
                return Std(Text(file.error));
            text = file.bytes;
        }
        const ReadPuzzle read = ReadPuzzleText(text);
        if (!read.ok)
            return AboutFile(*o.puzzleFile == "-" ? Std(TrulpSolve::tr("standard input")) : *o.puzzleFile,
                             read.error);
        def = std::make_shared<const PuzzleDef>(read.def);
    }
    if (def && !p.ChoosePuzzle(def, o.maxMove))
        return Std(Text(StartSaid(CheckStart(*def), *def, -1)));
    if (o.maxMoveGiven && o.maxMove > MoveLimitCeiling(p.def()))
        return Std(TrulpSolve::tr("--max-move must be a whole number from %1 to %2, not '%3'")
                       .arg(kMinMoveLimit)
                       .arg(MoveLimitCeiling(p.def()))
                       .arg(o.maxMove));
    return {};
}

// The report names any puzzle but the classic.
void NamePuzzle(const Puzzle& p, Report& r) {
    r.def = p.sharedDef();
    r.classic = p.isClassic();
    if (r.classic)
        return;
    if (p.def().tenBlock())
        r.start = FormatStart(p.def());
    if (const PuzzleInfo* info = FindPuzzleByStart(p.def()))
        r.puzzle = info->name();
    else if (!p.def().tenBlock())
        r.puzzle = p.def().name();
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
    if (std::string error = ChoosePuzzle(o, *p); !error.empty())
        return Fail(error);
    int leadIn = 0;
    Report r;
    if (o.optimal) {
        if (o.from) {
            const FileBytes file = ReadFileStart(*o.from, kLargestPuzzleText);
            if (!file.ok())
                return Fail(Std(Text(file.error)));
            const bool text = HasMark(file.bytes, kGameMark) || HasMark(file.bytes, kPuzzleMark);
            if (!text && file.bytes.size() < size_t(kRecordSize))
                return Fail(
                    AboutFile(*o.from, Said(Words::FileTooShort, int(file.bytes.size()), 0, 0, *o.from)));
            const OpenedFile opened = ReadOpenedFile(file.bytes);
            if (opened.kind == OpenedFile::Kind::Refused)
                return Fail(AboutFile(*o.from, opened.error));
            if (!p->ChoosePuzzle(opened.def, kDefaultMoveLimit))
                return Fail(AboutFile(*o.from, Said(Words::WrongFile)));
            std::vector<MoveRecord> list(opened.moves.size() + 1);
            std::copy(opened.moves.begin(), opened.moves.end(), list.begin() + 1);
            p->LoadMoves(list.data(), int(opened.moves.size()));
            // The file's moves are replayed from its puzzle's start as the
            // window replays them; the first that the board cannot make is
            // named.
            while (p->ReplayMove().made) {
            }
            if (p->moveNr() <= int(opened.moves.size()))
                return Fail(AboutFile(*o.from, Said(Words::PuzzleMoveBlocked, p->moveNr())));
            leadIn = int(opened.moves.size());
            r.from = *o.from;
            r.fromMoves = leadIn;
        }
        const auto start = std::chrono::steady_clock::now();
        const auto table = DistanceTable::Build(p->sharedDef(), Board(p->def()));
        if (!table->known())
            return Fail(Std(Wording::coachUnknown()));
        OptimalResult found = SolveOptimal(*table, p->board());
        r.seconds = SecondsSince(start);
        r.optimal = true;
        r.solved = found.solved;
        r.positions = found.positions;
        r.pieceMoves = found.pieceMoves;
        r.line = std::move(found.line);
        r.moves = int(r.line.size());
    } else {
        r = Search(o, *p);
    }

    NamePuzzle(*p, r);
    r.saveAsked = o.save.has_value();
    if (o.save && r.solved) {
        std::vector<MoveRecord> list(size_t(leadIn) + r.line.size() + 1);
        const int total = leadIn + int(r.line.size());
        const int most = p->def().tenBlock() ? kRecordMoves : kMaxMoves;
        if (total > most)
            return Fail(Std(TrulpSolve::tr("cannot save: the line from the start would have %1 moves, and a "
                                           "moves file holds at most %2")
                                .arg(total)
                                .arg(most)));
        std::copy(p->movesList() + 1, p->movesList() + 1 + leadIn, list.begin() + 1);
        std::copy(r.line.begin(), r.line.end(), list.begin() + 1 + leadIn);
        const SavedFile saved = WriteMovesFile(*o.save, list.data(), total, p->def());
        if (!saved.ok())
            return Fail(Std(Text(saved.error)));
        r.savedPath = saved.path;
    }

    const std::string out = o.json ? JsonReport(r) : TextReport(r);
    std::fwrite(out.data(), 1, out.size(), stdout);
    if (std::fflush(stdout) != 0)
        return Fail(Std(TrulpSolve::tr("cannot write the report")));
    return r.solved ? kSolvedExit : kNoSolutionExit;
}
