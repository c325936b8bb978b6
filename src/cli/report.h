// What trulp-solve prints: one JSON object, or a report for people.
#pragma once

#include "puzzle.h"
#include "puzzles.h"

#include <string>
#include <vector>

namespace trulp::cli {

struct Report {
    bool optimal = false; // breadth-first solve instead of the program's search
    bool solved = false;
    std::shared_ptr<const PuzzleDef> def; // the puzzle
    bool classic = true;                  // the classic's start
    // The puzzle's start as text (the ten blocks), and its name when the
    // collection has it or a file names it.
    std::string start;
    std::string puzzle;
    std::vector<MoveRecord> line;
    int moves = 0;

    // The search.
    int maxMove = 0;
    uint32_t trialMoves = 0;
    uint32_t forwardLength = 0;
    uint32_t forwardHits = 0;
    uint32_t backwardHits = 0;

    // The breadth-first solve.
    int64_t positions = 0;
    int pieceMoves = 0;
    std::string from; // moves file it started after, empty for the start position
    int fromMoves = 0;

    double seconds = 0;
    bool saveAsked = false;
    std::string savedPath; // empty when nothing was saved
};

std::string JsonReport(const Report& r);
std::string TextReport(const Report& r);

// The collection, as one JSON object or a table for people.
std::string JsonPuzzles(const std::vector<PuzzleInfo>& puzzles);
std::string TextPuzzles(const std::vector<PuzzleInfo>& puzzles);

} // namespace trulp::cli
