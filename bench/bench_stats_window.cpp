// Cost of the statistics window's update after one spin of a long session
// (10,000 spins at the start), on Qt's offscreen platform: the statistics
// brought up to date by the play events of the spin, then the window's
// refresh; and the same with the repaint of the window that follows it.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <cstdint>
#include <vector>

#include "core/platform.h"
#include "stats/session_stats.h"
#include "ui/qt_platform.h"
#include "ui/stats_window.h"

namespace {

constexpr int kSessionSpins = 10000;

// A session of random numbers with a bet settled on every other spin and
// the bankroll moving with it, as the engine's play events tell it.
struct Session {
    rotacle::LcgRandom rng;
    std::size_t spins = 0;
    double bankroll = 1000;
    rotacle::SessionStats stats;

    Session() {
        rng.Seed(20251207);
        rotacle::PlayEvent start;
        start.bankroll = bankroll;
        stats.OnPlay(start);
        for (int i = 0; i < kSessionSpins; ++i) Spin();
    }
    void Spin() {
        rotacle::PlayEvent e;
        e.kind = rotacle::PlayEventKind::Spin;
        e.number = rng.Next(37);
        e.bankroll = bankroll;
        stats.OnPlay(e);
        if (++spins % 2 == 0) {
            e.kind = rotacle::PlayEventKind::Settled;
            e.won = rng.Next(37) < 18;
            e.stake = 5;
            bankroll += e.won ? 5 : -5;
            e.bankroll = bankroll;
            stats.OnPlay(e);
        }
    }
};

void Measure(benchmark::State& state, bool painted) {
    Session session;
    rotacle::ui::QtPlatform platform;
    rotacle::ui::StatsWindow window(session.stats, platform);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        session.Spin();
        window.Refresh();
        if (painted) window.repaint();
    }
    state.counters["spins_at_end"] = static_cast<double>(session.spins);
    state.counters["redraws"] = window.Redraws();
}

void BM_StatsWindowSpin(benchmark::State& state) { Measure(state, false); }
void BM_StatsWindowSpinPainted(benchmark::State& state) { Measure(state, true); }

// A fixed number of spins keeps the session near 10,000 spins.
BENCHMARK(BM_StatsWindowSpin)->Iterations(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_StatsWindowSpinPainted)->Iterations(200)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
