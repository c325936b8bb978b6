// The coach's table of a puzzle, built once per test program, and the
// shortest line it gives.
#pragma once

#include "distance.h"
#include "optimal.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace trulp::tables {

inline std::shared_ptr<const DistanceTable> TableOf(const PuzzleDef& def) {
    static std::map<std::string, std::shared_ptr<const DistanceTable>> tables;
    std::shared_ptr<const DistanceTable>& t = tables[def.Identity()];
    if (!t)
        t = DistanceTable::Build(std::make_shared<const PuzzleDef>(def), Board(def));
    return t;
}

inline std::vector<MoveRecord> ShortestLine(const PuzzleDef& def) {
    return SolveOptimal(*TableOf(def), Board(def)).line;
}

} // namespace trulp::tables
