// Speed of the search and the shortest-line solver. The plain reference
// search runs in the same process, so the ratio printed at the end compares
// like with like; it must reach the engine's result and counters, else the
// benchmark stops.
#include "optimal.h"
#include "puzzle.h"
#include "reference_search.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

using namespace trulp;

namespace {

struct Outcome {
    uint8_t result;
    int32_t lastMove;
    uint32_t trialMoves, forwardHits, backwardHits;
    int forwardLength;
    bool operator==(const Outcome&) const = default;
};

template <class Search> uint8_t RunToEnd(Search& s) {
    uint8_t r;
    do
        r = s.SearchStep(10000);
    while (r == kBudgetSpent);
    return r;
}

Outcome EngineRun(Puzzle& p, int limit) {
    p.ResetBoard(limit);
    p.ClearMoves();
    const uint8_t r = RunToEnd(p);
    return {r,
            p.lastMove(),
            p.counters().trialMoves,
            p.counters().forwardHits,
            p.counters().backwardHits,
            p.forwardLength()};
}

Outcome ReferenceRun(bench::ReferenceSearch& s, int limit) {
    s.Reset(limit);
    const uint8_t r = RunToEnd(s);
    return {r, s.lastMove, s.trialMoves, s.forwardHits, s.backwardHits, s.forwardLength()};
}

void SetTrialCounters(benchmark::State& state, uint32_t trialMoves) {
    state.counters["trial_moves"] = trialMoves;
    state.counters["trials_per_s"] =
        benchmark::Counter(trialMoves, benchmark::Counter::kIsIterationInvariantRate);
    // The inverted rate is seconds per trial move, shown with an SI prefix
    // (n for nanoseconds).
    state.counters["time_per_trial"] = benchmark::Counter(
        trialMoves, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Search(benchmark::State& state) {
    const int limit = int(state.range(0));
    auto p = std::make_unique<Puzzle>();
    Outcome o{};
    for (auto _ : state) {
        o = EngineRun(*p, limit);
        benchmark::DoNotOptimize(o);
    }
    SetTrialCounters(state, o.trialMoves);
    state.counters["moves"] = o.lastMove;
    state.counters["state_bytes"] = double(sizeof(Puzzle));
}
BENCHMARK(BM_Search)->ArgName("limit")->Arg(100)->Arg(116)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ReferenceSearch(benchmark::State& state) {
    const int limit = int(state.range(0));
    auto s = std::make_unique<bench::ReferenceSearch>();
    auto p = std::make_unique<Puzzle>();
    const Outcome expected = EngineRun(*p, limit);
    Outcome o{};
    for (auto _ : state) {
        o = ReferenceRun(*s, limit);
        benchmark::DoNotOptimize(o);
    }
    if (!(o == expected)) {
        std::fprintf(stderr,
                     "reference search at limit %d differs from the engine: result %d/%d, moves %d/%d, "
                     "trial moves %u/%u, forward hits %u/%u, backward hits %u/%u, forward length %d/%d\n",
                     limit, o.result, expected.result, o.lastMove, expected.lastMove, o.trialMoves,
                     expected.trialMoves, o.forwardHits, expected.forwardHits, o.backwardHits,
                     expected.backwardHits, o.forwardLength, expected.forwardLength);
        std::abort();
    }
    SetTrialCounters(state, o.trialMoves);
    state.counters["moves"] = o.lastMove;
}
BENCHMARK(BM_ReferenceSearch)->ArgName("limit")->Arg(116)->Arg(150)->Unit(benchmark::kMillisecond);

void BM_Optimal(benchmark::State& state) {
    OptimalResult r;
    const auto def = std::make_shared<const PuzzleDef>();
    for (auto _ : state) {
        r = SolveOptimal(*DistanceTable::Build(def, Board(*def)), Board(*def));
        benchmark::DoNotOptimize(r);
    }
    if (!r.solved || r.positions != 25955 || r.line.size() != 116) {
        std::fprintf(stderr, "shortest-line solver: %lld positions, %zu moves\n", (long long)r.positions,
                     r.line.size());
        std::abort();
    }
    state.counters["positions"] = r.positions;
    state.counters["moves"] = double(r.line.size());
}
BENCHMARK(BM_Optimal)->Unit(benchmark::kMicrosecond);

// Console output as usual, and the time of each run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(bool colour) : ConsoleReporter(colour ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && !r.error_occurred)
                realTime[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> realTime;
};

} // namespace

int main(int argc, char** argv) {
    bool otherFormat = false;
    bool colour = ::isatty(STDOUT_FILENO) != 0;
    for (int i = 1; i < argc; ++i) {
        otherFormat |= std::strncmp(argv[i], "--benchmark_format", 18) == 0;
        colour &= std::strcmp(argv[i], "--benchmark_color=false") != 0;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    if (otherFormat) {
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }
    RatioReporter reporter(colour);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (int limit : {116, 150}) {
        const std::string suffix = "/limit:" + std::to_string(limit);
        const auto engine = reporter.realTime.find("BM_Search" + suffix);
        const auto reference = reporter.realTime.find("BM_ReferenceSearch" + suffix);
        if (engine != reporter.realTime.end() && reference != reporter.realTime.end() && engine->second > 0)
            std::printf("limit %d: the plain search takes %.1f times as long as the engine\n", limit,
                        reference->second / engine->second);
    }
    benchmark::Shutdown();
    return 0;
}
