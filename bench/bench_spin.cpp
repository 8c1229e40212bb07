// Cost of one spin through the whole pipeline, and of the session driver
// over long scripts.
#include <benchmark/benchmark.h>

#include <sstream>

#include "engine/scheduler.h"
#include "tools/session.h"

namespace {

// A deterministic stream of wheel numbers.
struct Wheel {
    rotacle::LcgRandom rng;
    Wheel() { rng.Seed(20251207); }
    int Next() { return rng.Next(37); }
};

// Entry, settlement, the progress run to its end, the proposal and the
// display refresh: the engine and its scheduler, without the driver.
void BM_SpinPipeline(benchmark::State& state) {
    rotacle::sim::SimPlatform platform;
    rotacle::Engine engine(platform);
    rotacle::SpeedPlay speed;
    rotacle::Scheduler scheduler(engine, speed);
    platform.clock_ms = &scheduler.Clock();
    Wheel wheel;
    for (auto _ : state) {
        const int n = wheel.Next();
        engine.Event([&] { engine.EnterNumber(n); });
        scheduler.Touched();
        scheduler.RunTimers();
        benchmark::DoNotOptimize(engine.State().Bankroll);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SpinPipeline);

// One "spin N" line through the driver: parsing, virtual time with every
// timer at its interval, no output.
void BM_DriverSpinLine(benchmark::State& state) {
    rotacle::sim::Session session(".");
    Wheel wheel;
    std::int64_t line = 0;
    for (auto _ : state) {
        const std::string text = "spin " + std::to_string(wheel.Next());
        session.RunLine(text, ++line);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DriverSpinLine);

// rotacle-sim --quiet over a script of N spins, end to end.
void BM_DriverScript(benchmark::State& state) {
    const auto spins = state.range(0);
    std::string script;
    script.reserve(static_cast<std::size_t>(spins) * 8);
    Wheel wheel;
    for (std::int64_t i = 0; i < spins; ++i) script += "spin " + std::to_string(wheel.Next()) + "\n";
    for (auto _ : state) {
        std::istringstream in(script);
        std::ostringstream out, err;
        const int rc = rotacle::sim::RunScript(in, ".", out, err, true);
        if (rc != 0) state.SkipWithError("script failed");
        benchmark::DoNotOptimize(out.str());
    }
    state.SetItemsProcessed(state.iterations() * spins);
    state.counters["spins_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations() * spins), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DriverScript)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
