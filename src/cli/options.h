// Command line of trulp-solve.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace trulp::cli {

struct Options {
    bool help = false;
    bool version = false;
    bool optimal = false;
    bool json = false;
    bool puzzles = false; // list the collection
    int maxMove = 150;
    bool maxMoveGiven = false;
    int32_t slice = 10000;
    std::optional<std::string> save;
    std::optional<std::string> from;
    std::optional<std::string> puzzle;     // a name from the collection
    std::optional<std::string> start;      // a start as text
    std::optional<std::string> puzzleFile; // a puzzle file, or "-" for standard input
};

struct ParseResult {
    Options options;
    std::string error; // empty when the command line is good
};

ParseResult ParseOptions(int argc, const char* const* argv);

std::string UsageText();

} // namespace trulp::cli
