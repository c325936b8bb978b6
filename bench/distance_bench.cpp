// The coach's tables: building the classic's and the largest collection
// puzzle's, with positions per second and bytes per position; the classic
// family's table of every placement; single lookups along a random walk.
#include "distance.h"
#include "puzzles.h"
#include "tenblocktable.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <vector>

using namespace trulp;

namespace {

const PuzzleInfo& Largest() {
    const PuzzleInfo* largest = &Collection()[0];
    for (const PuzzleInfo& p : Collection())
        if (p.positions > largest->positions)
            largest = &p;
    return *largest;
}

void Build(benchmark::State& state, const PuzzleInfo& p) {
    std::shared_ptr<const DistanceTable> table;
    for (auto _ : state) {
        table = DistanceTable::Build(p.def, Board(*p.def));
        benchmark::DoNotOptimize(table.get());
    }
    if (!table->known() || table->positions() != p.positions ||
        table->Distance(Board(*p.def)) != p.shortest) {
        std::fprintf(stderr, "%s: %lld positions, %d moves\n", p.id.c_str(), (long long)table->positions(),
                     table->Distance(Board(*p.def)));
        std::abort();
    }
    state.SetLabel(p.id);
    state.counters["positions"] = double(table->positions());
    state.counters["positions/s"] =
        benchmark::Counter(double(table->positions()), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["bytes/position"] = double(table->memoryBytes()) / double(table->positions());
}

void BM_DistanceBuildClassic(benchmark::State& state) {
    Build(state, Collection()[0]);
}
BENCHMARK(BM_DistanceBuildClassic)->Unit(benchmark::kMillisecond);

void BM_DistanceBuildLargest(benchmark::State& state) {
    Build(state, Largest());
}
BENCHMARK(BM_DistanceBuildLargest)->Unit(benchmark::kMillisecond);

void BM_TenBlockTableBuild(benchmark::State& state) {
    size_t bytes = 0;
    int positions = 0;
    for (auto _ : state) {
        const auto table = std::make_unique<TenBlockTable>();
        benchmark::DoNotOptimize(table.get());
        positions = table->size();
        bytes = table->memoryBytes();
    }
    if (positions != 65880) {
        std::fprintf(stderr, "ten-block table: %d positions\n", positions);
        std::abort();
    }
    state.counters["positions"] = positions;
    state.counters["memory"] =
        benchmark::Counter(double(bytes), benchmark::Counter::kDefaults, benchmark::Counter::OneK::kIs1024);
}
BENCHMARK(BM_TenBlockTableBuild)->Unit(benchmark::kMillisecond);

constexpr size_t kWalk = 1 << 14;

// Every position of a random walk of legal steps from a puzzle's start.
std::vector<Board> Walk(const PuzzleDef& def, size_t length) {
    std::vector<Board> walk(length, Board(def));
    std::mt19937 random(116);
    for (size_t i = 1; i < length; ++i) {
        Board b = walk[i - 1];
        int piece;
        unsigned dir;
        do {
            piece = int(random() % unsigned(def.pieceCount())) + 1;
            dir = 1u << (random() % 4);
        } while (!(b.PossibleDirections(piece) & dir));
        b.ApplyStep(piece, dir);
        walk[i] = b;
    }
    return walk;
}

void Lookups(benchmark::State& state, const PuzzleInfo& p, bool best) {
    const auto table = DistanceTable::Build(p.def, Board(*p.def));
    const std::vector<Board> walk = Walk(*p.def, kWalk);
    size_t i = 0;
    for (auto _ : state) {
        if (best)
            benchmark::DoNotOptimize(table->BestMove(walk[i]));
        else
            benchmark::DoNotOptimize(table->Distance(walk[i]));
        i = (i + 1) % kWalk;
    }
    state.SetLabel(p.id);
}

void BM_DistanceLookup(benchmark::State& state) {
    Lookups(state, state.range(0) ? Largest() : Collection()[0], false);
}
BENCHMARK(BM_DistanceLookup)->ArgName("largest")->Arg(0)->Arg(1);

void BM_DistanceBestMove(benchmark::State& state) {
    Lookups(state, state.range(0) ? Largest() : Collection()[0], true);
}
BENCHMARK(BM_DistanceBestMove)->ArgName("largest")->Arg(0)->Arg(1);

} // namespace
