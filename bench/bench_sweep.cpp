// Sweep throughput with 1 and 2 jobs: the same 16-combination grid over 4
// random runs of 2,000 numbers, in combinations per second, so the speed-up
// of the second core can be read off; and the merge of a 20,000-combination
// shard ranked with --top 10 and --top 20000, which should cost about the same.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/text_file.h"
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

void BM_MergeTop(benchmark::State& state) {
    constexpr int kCombinations = 20000;
    const auto dir = std::filesystem::temp_directory_path();
    const auto part = (dir / "rotacle_bench_merge_part.csv").string();
    std::string text =
        "# rotacle-sim sweep shard 0/1 of " + std::to_string(kCombinations) +
        " combinations x 1 runs fingerprint 0123456789abcdef\ncombination,run,key,history,spins,"
        "proposals,bets_placed,wins,losses,start_bankroll,final_bankroll,open_stake,net_result,"
        "total_staked,expected_loss,lowest_bankroll,lowest_spin,max_drawdown,largest_stake,"
        "longest_losing_run,flat_index,cycles_completed,broke\n";
    for (int c = 0; c < kCombinations; ++c)
        text += std::to_string(c) + ",0,v,h,1,1,1,1,0,1000,1000,0," + std::to_string(c % 1000) +
                ",1,0.03,999,1,5,1,1,18,0,0\n";
    rotacle::WriteTextAtomic(part, text);
    rotacle::sim::MergeOptions m;
    m.parts = {part};
    m.out_file = (dir / "rotacle_bench_merge_out.csv").string();
    m.top = state.range(0);
    for (auto _ : state) {
        std::ostringstream out, err;
        if (rotacle::sim::RunSweepMerge(m, out, err) != 0) state.SkipWithError(err.str().c_str());
    }
    std::filesystem::remove(part);
    std::filesystem::remove(m.out_file);
}
BENCHMARK(BM_MergeTop)->Arg(10)->Arg(20000)->ArgName("top")->Unit(benchmark::kMillisecond);

}  // namespace
