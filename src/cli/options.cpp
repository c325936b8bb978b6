#include "options.h"

#include "board.h"
#include "number.h"
#include "text.h"

#include <cstdint>
#include <set>
#include <string_view>

namespace trulp::cli {

ParseResult ParseOptions(int argc, const char* const* argv) {
    ParseResult r;
    Options& o = r.options;
    std::set<std::string> given;
    bool maxMoveGiven = false, sliceGiven = false;

    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            if (const size_t eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg.resize(eq);
            }
        } else {
            r.error = Std(TrulpSolve::tr("unexpected argument '%1' (see --help)").arg(Q(arg)));
            return r;
        }
        if (!given.insert(arg).second) {
            r.error = Std(TrulpSolve::tr("%1 is given twice").arg(Q(arg)));
            return r;
        }

        const bool takesValue = arg == "--max-move" || arg == "--slice" || arg == "--save" ||
                                arg == "--from" || arg == "--puzzle" || arg == "--start" ||
                                arg == "--puzzle-file";
        const bool isFlag = arg == "--help" || arg == "--version" || arg == "--optimal" || arg == "--json" ||
                            arg == "--puzzles";
        if (!takesValue && !isFlag) {
            r.error = Std(TrulpSolve::tr("unknown option '%1' (see --help)").arg(Q(arg)));
            return r;
        }
        if (isFlag) {
            if (inlineValue) {
                r.error = Std(TrulpSolve::tr("%1 takes no value").arg(Q(arg)));
                return r;
            }
            (arg == "--help"      ? o.help
             : arg == "--version" ? o.version
             : arg == "--optimal" ? o.optimal
             : arg == "--puzzles" ? o.puzzles
                                  : o.json) = true;
            continue;
        }

        std::string value;
        if (inlineValue) {
            value = *inlineValue;
        } else if (i + 1 < argc && (!std::string_view(argv[i + 1]).starts_with("--") ||
                                    (arg == "--puzzle-file" && std::string_view(argv[i + 1]) == "-"))) {
            value = argv[++i];
        } else {
            r.error = Std(TrulpSolve::tr("%1 needs a value").arg(Q(arg)));
            return r;
        }
        if (value.empty()) {
            r.error = Std(TrulpSolve::tr("%1 needs a value").arg(Q(arg)));
            return r;
        }

        long long n = 0;
        if (arg == "--max-move") {
            // The puzzle's own ceiling is asked once the puzzle is known.
            if (!ParseWholeNumber(value, kMaxMoves, n) || n < kMinMoveLimit) {
                r.error = Std(TrulpSolve::tr("--max-move must be a whole number from %1 to %2, not '%3'")
                                  .arg(kMinMoveLimit)
                                  .arg(kMaxMoves)
                                  .arg(Q(value)));
                return r;
            }
            o.maxMove = int(n);
            o.maxMoveGiven = maxMoveGiven = true;
        } else if (arg == "--slice") {
            if (!ParseWholeNumber(value, INT32_MAX, n) || n < 1) {
                r.error = Std(TrulpSolve::tr("--slice must be a whole number from 1 to 2147483647, not '%1'")
                                  .arg(Q(value)));
                return r;
            }
            o.slice = int32_t(n);
            sliceGiven = true;
        } else if (arg == "--save") {
            if (value.back() == '/') {
                r.error =
                    Std(TrulpSolve::tr("--save needs a file name, not a directory: '%1'").arg(Q(value)));
                return r;
            }
            o.save = value;
        } else if (arg == "--puzzle") {
            o.puzzle = value;
        } else if (arg == "--start") {
            o.start = value;
        } else if (arg == "--puzzle-file") {
            o.puzzleFile = value;
        } else {
            o.from = value;
        }
    }

    if (o.help || o.version)
        return r;
    if (o.puzzles && given.size() > (o.json ? 2u : 1u))
        r.error = Std(TrulpSolve::tr("--puzzles goes with --json alone"));
    else if (int(o.puzzle.has_value()) + int(o.start.has_value()) + int(o.puzzleFile.has_value()) > 1)
        r.error = Std(TrulpSolve::tr("--puzzle, --start and --puzzle-file do not go together"));
    else if (o.from && (o.puzzle || o.start || o.puzzleFile))
        r.error =
            Std(TrulpSolve::tr("--from carries its own puzzle: not with --puzzle, --start or --puzzle-file"));
    else if (o.optimal && maxMoveGiven)
        r.error = Std(TrulpSolve::tr("--max-move does not go with --optimal"));
    else if (o.optimal && sliceGiven)
        r.error = Std(TrulpSolve::tr("--slice does not go with --optimal"));
    else if (!o.optimal && o.from)
        r.error = Std(TrulpSolve::tr("--from only goes with --optimal"));
    return r;
}

std::string UsageText() {
    //: The help of trulp-solve: translate the explanations, keep the options and their values.
    return Std(
        TrulpSolve::tr("Usage:\n"
                       "  trulp-solve [--puzzle NAME | --start POSITION | --puzzle-file FILE]\n"
                       "              [--max-move N] [--slice N] [--save FILE] [--json]\n"
                       "  trulp-solve --optimal [--puzzle NAME | --start POSITION | --puzzle-file FILE |\n"
                       "              --from FILE] [--save FILE] [--json]\n"
                       "  trulp-solve --puzzles [--json]\n"
                       "  trulp-solve --help | --version\n"
                       "\n"
                       "Solves a sliding-block puzzle from its start: the classic one, another\n"
                       "from the collection, one given block by block or a puzzle file.\n"
                       "\n"
                       "  --max-move N  move limit of the depth-first search, from 100 (default 150);\n"
                       "                at most 200 for the ten blocks of the classic\n"
                       "  --slice N     moves recorded per search step, at least 1 (default 10000);\n"
                       "                the result does not depend on it\n"
                       "  --optimal     shortest line by breadth-first search over all positions;\n"
                       "                also the fewest piece moves (a piece moved on counts once)\n"
                       "  --puzzle NAME that puzzle of the collection, by its name or id (see --puzzles)\n"
                       "  --puzzle-file FILE\n"
                       "                the puzzle of a puzzle file; - reads it from standard input\n"
                       "  --start POSITION\n"
                       "                each block's letter and the field (0-19, row by row) of its\n"
                       "                top-left square, in the order A X B C D E F G H I, as one\n"
                       "                argument: \"A0 X1 B3 C8 D9 E11 F13 G14 H16 I19\" is the classic\n"
                       "  --from FILE   with --optimal: start after the moves of this moves file,\n"
                       "                from the start of its own puzzle\n"
                       "  --save FILE   write the line as a moves file named \"TRULP_ \" + FILE's name\n"
                       "                in FILE's directory; with --from, the file's moves come first;\n"
                       "                a puzzle other than the classic is kept in the file\n"
                       "  --puzzles     list the collection: name, board, shortest lines in moves and\n"
                       "                in piece moves\n"
                       "  --json        print one JSON object instead of the report\n"
                       "  --help        show this help\n"
                       "  --version     show the version\n"
                       "\n"
                       "Exit status: 0 solved, 1 no solution, 2 bad usage or bad input.\n"));
}

} // namespace trulp::cli
