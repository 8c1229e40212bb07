// Backtest throughput at 10^5, 10^6 and 10^7 spins, summary only and with
// the statistics (`--stats`), with the peak memory of the process. Runs alone
// so that the peak is the backtest's.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <sstream>

#include "tools/backtest.h"

namespace {

void BM_Backtest(benchmark::State& state) {
    rotacle::sim::BacktestOptions o;
    o.random = state.range(0);
    o.stats = state.range(1) != 0;
    o.seed = 5;
    o.progress = false;
    o.json = true;
    for (auto _ : state) {
        std::ostringstream out, err;
        if (rotacle::sim::RunBacktest(o, out, err) != 0) state.SkipWithError("backtest failed");
    }
    state.counters["spins_per_second"] = benchmark::Counter(
        static_cast<double>(state.iterations() * state.range(0)), benchmark::Counter::kIsRate);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
// The statistics' runs come last: the peak memory of the process is the
// largest so far.
BENCHMARK(BM_Backtest)
    ->ArgNames({"spins", "stats"})
    ->Args({100'000, 0})
    ->Args({1'000'000, 0})
    ->Args({10'000'000, 0})
    ->Args({10'000'000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
