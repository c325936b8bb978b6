// Building the distance table, its memory, and single lookups of positions
// along a random walk from the start and of positions from every family.
#include "distance.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

using namespace trulp;

namespace {

struct Board {
    Block table[kBlocks + 1];
};

// Every position of a random walk of legal steps from the start.
std::vector<Board> Walk(size_t length) {
    std::vector<Board> walk(length);
    std::copy(startTable, startTable + kBlocks + 1, walk[0].table);
    std::mt19937 random(116);
    for (size_t i = 1; i < length; ++i) {
        Board b = walk[i - 1];
        uint32_t occupied = 0;
        for (int k = 1; k <= kBlocks; ++k)
            occupied |= shapeTable[b.table[k].shape].mask << b.table[k].field;
        int block, dir;
        do {
            block = int(random() % kBlocks) + 1;
            dir = int(random() % 4);
        } while (detail::kStepNeeds.need[b.table[block].shape][b.table[block].field][dir] &
                 (occupied | detail::kBlocked));
        b.table[block].field = uint8_t(StepField(b.table[block].field, 1u << dir));
        walk[i] = b;
    }
    return walk;
}

void BM_DistanceBuild(benchmark::State& state) {
    int positions = 0, fromStart = 0, family = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const auto table = std::make_unique<DistanceTable>();
        benchmark::DoNotOptimize(table.get());
        positions = table->size();
        fromStart = table->Distance(startTable);
        family = table->FamilySize(startTable);
        bytes = table->memoryBytes();
    }
    if (positions != 65880 || fromStart != 116 || family != 25955) {
        std::fprintf(stderr, "distance table: %d positions, %d moves from the start in a family of %d\n",
                     positions, fromStart, family);
        std::abort();
    }
    state.counters["positions"] = positions;
    state.counters["memory"] =
        benchmark::Counter(double(bytes), benchmark::Counter::kDefaults, benchmark::Counter::OneK::kIs1024);
}
BENCHMARK(BM_DistanceBuild)->Unit(benchmark::kMillisecond);

constexpr size_t kWalk = 1 << 14;

void BM_DistanceLookup(benchmark::State& state) {
    const DistanceTable& t = DistanceTable::Shared();
    const std::vector<Board> walk = Walk(kWalk);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Distance(walk[i].table));
        i = (i + 1) % kWalk;
    }
}
BENCHMARK(BM_DistanceLookup);

// Positions with a way to the goal, from every distance and family.
void BM_DistanceLookupAnywhere(benchmark::State& state) {
    const DistanceTable& t = DistanceTable::Shared();
    std::vector<Board> positions;
    std::mt19937 random(126);
    for (size_t i = 0; i < kWalk; ++i) {
        const int d = int(random() % unsigned(t.MaxDistance() + 1));
        Board b;
        t.PositionAt(d, int(random() % unsigned(t.CountAt(d))), b.table);
        positions.push_back(b);
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.Distance(positions[i].table));
        i = (i + 1) % kWalk;
    }
}
BENCHMARK(BM_DistanceLookupAnywhere);

void BM_DistanceBestMove(benchmark::State& state) {
    const DistanceTable& t = DistanceTable::Shared();
    const std::vector<Board> walk = Walk(kWalk);
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.BestMove(walk[i].table));
        i = (i + 1) % kWalk;
    }
}
BENCHMARK(BM_DistanceBestMove);

} // namespace
