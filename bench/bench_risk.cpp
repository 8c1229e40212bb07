// Risk-run throughput with 1 and 2 jobs: 2,000 sessions of the default
// settings from a bankroll of 100 to a target of 20, in sessions and spins
// per second, so the cost of a session and the speed-up of the second core
// can be read off.
#include <benchmark/benchmark.h>

#include "risk/risk.h"

namespace {

void BM_RiskSessions(benchmark::State& state) {
    rotacle::risk::RiskSetup s;
    s.bankroll = 100;
    s.target = 20;
    s.spins_max = 1000;
    constexpr std::int64_t kSessions = 2000;
    double spins = 0;
    for (auto _ : state) {
        const auto outcomes = rotacle::risk::RunSessions(s, 0, kSessions, static_cast<int>(state.range(0)));
        for (const auto& o : outcomes) spins += static_cast<double>(o.spins);
    }
    state.counters["sessions_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * kSessions), benchmark::Counter::kIsRate);
    state.counters["spins_per_second"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RiskSessions)->Arg(1)->Arg(2)->ArgName("jobs")->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
