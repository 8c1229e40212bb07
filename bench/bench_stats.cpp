// Cost of keeping the statistics of a session up to date from the play
// events: a new spin with its settled bet and stake, an undo and the spin
// played again, on a session of 10,000 spins; the hit figures of a history
// of 1,000,000 spins; and the memory of the statistics of 10,000,000 spins.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <random>
#include <vector>

#include "stats/session_stats.h"

namespace {

using rotacle::PlayEvent;
using rotacle::PlayEventKind;

std::vector<std::uint8_t> Numbers(std::size_t count) {
    std::mt19937_64 gen(20251207);
    std::vector<std::uint8_t> numbers(count);
    for (auto& n : numbers) n = static_cast<std::uint8_t>(gen() % 37);
    return numbers;
}

constexpr std::size_t kSession = 10'000;

PlayEvent Event(PlayEventKind kind, double bankroll) {
    PlayEvent e;
    e.kind = kind;
    e.bankroll = bankroll;
    return e;
}

// One spin as the engine tells it: the number, the bet it settled, the next
// stake.
void Play(rotacle::SessionStats& stats, int n) {
    PlayEvent spin = Event(PlayEventKind::Spin, 999);
    spin.number = n;
    spin.open_stake = 1;
    stats.OnPlay(spin);
    PlayEvent settled = Event(PlayEventKind::Settled, 999);
    settled.stake = 1;
    stats.OnPlay(settled);
    PlayEvent staked = Event(PlayEventKind::Staked, 998);
    staked.stake = staked.open_stake = 1;
    stats.OnPlay(staked);
}

rotacle::SessionStats SessionOf(const std::vector<std::uint8_t>& numbers, std::size_t spins) {
    rotacle::SessionStats stats;
    stats.OnPlay(Event(PlayEventKind::Start, 1000));
    for (std::size_t i = 0; i < spins; ++i) Play(stats, numbers[i]);
    return stats;
}

// One new spin on a session of 10,000 to 20,000 spins (set back to 10,000,
// untimed, when it reaches 20,000).
void BM_NewSpin(benchmark::State& state) {
    const std::vector<std::uint8_t> numbers = Numbers(2 * kSession);
    rotacle::SessionStats stats = SessionOf(numbers, kSession);
    for (auto _ : state) {
        if (stats.Hits().Spins() == static_cast<std::int64_t>(numbers.size())) {
            state.PauseTiming();
            stats = SessionOf(numbers, kSession);
            state.ResumeTiming();
        }
        Play(stats, numbers[static_cast<std::size_t>(stats.Hits().Spins())]);
        benchmark::DoNotOptimize(stats.Hits().Chances()[0].absence);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NewSpin);

// An undo on a session of 10,000 spins, then the spin played again.
void BM_UndoAndRedo(benchmark::State& state) {
    std::vector<std::uint8_t> history = Numbers(kSession);
    rotacle::SessionStats stats = SessionOf(history, kSession);
    for (auto _ : state) {
        const std::uint8_t n = history.back();
        history.pop_back();
        PlayEvent back = Event(PlayEventKind::TakenBack, 998);
        back.history = history;
        stats.OnPlay(back);
        history.push_back(n);
        Play(stats, n);
        benchmark::DoNotOptimize(stats.Hits().Chances()[0].absence);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_UndoAndRedo);

void BM_HitCounterOf(benchmark::State& state) {
    const std::vector<std::uint8_t> history = Numbers(1'000'000);
    for (auto _ : state) {
        const rotacle::HitCounter counter = rotacle::HitCounter::Of(history);
        benchmark::DoNotOptimize(counter.Numbers()[0].longest_absence);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(history.size()));
}
BENCHMARK(BM_HitCounterOf)->Unit(benchmark::kMillisecond);

// 10,000,000 spins: the statistics keep a bounded chart, so the process's
// peak memory stays that of a short session.
void BM_LongSessionMemory(benchmark::State& state) {
    for (auto _ : state) {
        rotacle::SessionStats stats;
        stats.OnPlay(Event(PlayEventKind::Start, 1000));
        for (std::int64_t i = 0; i < state.range(0); ++i) Play(stats, static_cast<int>(i % 37));
        benchmark::DoNotOptimize(stats.Chart().Points().size());
        state.counters["chart_points"] = static_cast<double>(stats.Chart().Points().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_LongSessionMemory)->Arg(10'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
