// Sweep throughput with 1 and 2 jobs: the same 16-combination grid over 4
// random runs of 2,000 numbers, in combinations per second, so the speed-up
// of the second core can be read off.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/sweep.h"

namespace {

void BM_Sweep(benchmark::State& state) {
    const auto grid = std::filesystem::temp_directory_path() / "rotacle_bench_sweep_grid.json";
    std::ofstream(grid, std::ios::binary)
        << R"({"Init_Bet": ["1", "2"], "SafeLevel": [0, 2], "Bet_Automatic_Reset": [0, 1], "trend": ["none", "Red"]})";
    rotacle::sim::SweepOptions o;
    o.grid_file = grid.string();
    o.random = 2000;
    o.runs = 4;
    o.seed = 11;
    o.jobs = static_cast<int>(state.range(0));
    o.progress = false;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (rotacle::sim::RunSweep(o, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
    std::filesystem::remove(grid);
    state.counters["combinations_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * 16), benchmark::Counter::kIsRate);
    state.counters["spins_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations() * 16 * 4 * 2000), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Sweep)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
