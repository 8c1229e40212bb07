// The rank-order matrix build from win counts against the literal replay of
// every pattern over the window.
#include <benchmark/benchmark.h>

#include "support/arrange.h"
#include "support/literal_matrix.h"
#include "tools/session.h"

namespace {

// An engine whose history holds `spins` drawn numbers and whose window is all of it.
struct Table {
    rotacle::sim::SimPlatform platform;
    rotacle::Engine engine{platform};
    explicit Table(std::int64_t spins) {
        rotacle::LcgRandom rng;
        rng.Seed(99);
        std::vector<std::uint8_t> numbers;
        for (std::int64_t i = 0; i < spins; ++i) numbers.push_back(static_cast<std::uint8_t>(rng.Next(37)));
        rotacle::Arrange(engine).Board().Append(numbers);
        engine.SetChecked(rotacle::CheckId::ChBx_Fixed_Number, true);
        engine.SetSpinValue(rotacle::SpinId::N_Count, static_cast<std::int32_t>(spins));
    }
};

void BM_MatrixBuild(benchmark::State& state) {
    Table t(state.range(0));
    for (auto _ : state) {
        t.engine.CreateMatrix();
        benchmark::DoNotOptimize(t.engine.Modes().PatternsTest().data());
    }
    state.SetLabel(t.engine.Modes().PatternsTest().empty() ? "" : t.engine.Modes().PatternsTest()[0]);
}
BENCHMARK(BM_MatrixBuild)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_MatrixLiteralReplay(benchmark::State& state) {
    Table t(state.range(0));
    for (auto _ : state) {
        auto line = rotacle::test::LiteralBuild(t.engine.Board().NumbersList(), state.range(0), true,
                                                t.engine.Modes().RANKORDER_patterns());
        benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(BM_MatrixLiteralReplay)->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
