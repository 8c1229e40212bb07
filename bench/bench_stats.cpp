// Cost of keeping the statistics of a session up to date: Sync after a new
// spin, after an undo and with nothing new, for a session of 10,000 spins;
// and the hit figures of a history of 1,000,000 spins.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "stats/session_stats.h"

namespace {

std::vector<std::uint8_t> Numbers(std::size_t count) {
    std::mt19937_64 gen(20251207);
    std::vector<std::uint8_t> numbers(count);
    for (auto& n : numbers) n = static_cast<std::uint8_t>(gen() % 37);
    return numbers;
}

constexpr std::size_t kSession = 10'000;
constexpr rotacle::SpinSettlement kLost{true, true, false, 1};

// One new spin on a session of 10,000 to 20,000 spins (set back to 10,000,
// untimed, when it reaches 20,000).
void BM_SyncNewSpin(benchmark::State& state) {
    const std::vector<std::uint8_t> numbers = Numbers(2 * kSession);
    std::vector<std::uint8_t> history(numbers.begin(), numbers.begin() + kSession);
    rotacle::SessionStats stats;
    stats.Sync(history, 1000, {});
    for (auto _ : state) {
        if (history.size() == numbers.size()) {
            state.PauseTiming();
            history.resize(kSession);
            stats.Sync({}, 1000, {});
            stats.Sync(history, 1000, {});
            state.ResumeTiming();
        }
        history.push_back(numbers[history.size()]);
        stats.Sync(history, 999, kLost);
        benchmark::DoNotOptimize(stats.Hits().Chances()[0].absence);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SyncNewSpin);

// An undo on a session of 10,000 spins (the hit figures counted again), then
// the spin played again.
void BM_SyncUndoAndRedo(benchmark::State& state) {
    std::vector<std::uint8_t> history = Numbers(kSession);
    rotacle::SessionStats stats;
    stats.Sync(history, 1000, {});
    for (auto _ : state) {
        const std::uint8_t n = history.back();
        history.pop_back();
        stats.Sync(history, 1000, {});
        history.push_back(n);
        stats.Sync(history, 999, kLost);
        benchmark::DoNotOptimize(stats.Hits().Chances()[0].absence);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SyncUndoAndRedo)->Unit(benchmark::kMicrosecond);

// The window's call on a tick when no spin came.
void BM_SyncIdle(benchmark::State& state) {
    const std::vector<std::uint8_t> history = Numbers(kSession);
    rotacle::SessionStats stats;
    stats.Sync(history, 1000, {});
    for (auto _ : state) {
        stats.Sync(history, 1000, kLost);
        benchmark::DoNotOptimize(stats.Bankroll().back());
    }
}
BENCHMARK(BM_SyncIdle);

void BM_HitCounterOf(benchmark::State& state) {
    const std::vector<std::uint8_t> history = Numbers(1'000'000);
    for (auto _ : state) {
        const rotacle::HitCounter counter = rotacle::HitCounter::Of(history);
        benchmark::DoNotOptimize(counter.Numbers()[0].longest_absence);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(history.size()));
}
BENCHMARK(BM_HitCounterOf)->Unit(benchmark::kMillisecond);

}  // namespace
