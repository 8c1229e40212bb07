// The gauge-only ticks of a progress run taken in one step must leave the
// engine as the same ticks one by one: gauge, readiness, the run's end and
// the generator's state, in the game modes that run by the spin (the matrix
// mode steps like modes 4 and 5) and across second boundaries.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

// Starts the run of mode `mode` with five numbers, the fifth at `start_ms`.
void StartRun(Engine& e, FakePlatform& p, int mode, std::int64_t start_ms) {
    e.ForceGameMode(mode);
    for (const int n : {3, 17, 25, 8}) e.NumberClick(n);
    p.clock_seconds = start_ms / 1000;
    e.NumberClick(11);
}

TEST(FillRunGauge, EqualsTheTicksOneByOne) {
    struct Row {
        int mode;
        std::int64_t start_ms;  // the clock when the run starts
        std::int64_t most;      // ticks allowed in one step
    } rows[] = {{2, 1'700'000'000'000, 1000}, {2, 1'700'000'000'990, 1000}, {2, 1'700'000'000'500, 3},
                {1, 1'700'000'000'000, 1000}, {1, 1'700'000'003'980, 7},    {4, 1'700'000'000'123, 1000},
                {4, 1'700'000'000'123, 40},   {5, 1'700'000'000'000, 1000}};
    for (const Row& r : rows) {
        SCOPED_TRACE("mode " + std::to_string(r.mode) + " from " + std::to_string(r.start_ms));
        FakePlatform pa, pb;
        Engine stepped(pa), ticked(pb);
        StartRun(stepped, pa, r.mode, r.start_ms);
        StartRun(ticked, pb, r.mode, r.start_ms);
        const TimerId id = kModeTimers[static_cast<std::size_t>(r.mode - 1)];
        const std::int32_t interval = stepped.TimerControl(id).Interval;
        ASSERT_TRUE(stepped.TimerControl(id).Enabled);

        const std::int64_t first = r.start_ms + interval;
        const std::int64_t ran = stepped.FillRunGauge(id, first, interval, r.most);
        ASSERT_LE(ran, r.most);
        EXPECT_GT(ran, 0);
        for (std::int64_t k = 0; k < ran; ++k) {
            pb.clock_seconds = (first + k * interval) / 1000;
            ticked.TimerTick(id);
            ASSERT_TRUE(ticked.TimerControl(id).Enabled) << "tick " << k << " of the step ended the run";
        }
        EXPECT_EQ(stepped.Display().CGauge1().Position, ticked.Display().CGauge1().Position);
        EXPECT_EQ(stepped.State().Engine_Ready, ticked.State().Engine_Ready);
        EXPECT_EQ(pa.rng.Next(1000), pb.rng.Next(1000));
        // When the step stopped short of its limit, the next tick fills the gauge.
        if (ran < r.most) {
            pa.clock_seconds = pb.clock_seconds = (first + ran * interval) / 1000;
            stepped.TimerTick(id);
            ticked.TimerTick(id);
            EXPECT_FALSE(stepped.TimerControl(id).Enabled);
            EXPECT_EQ(stepped.State().Bet_Field, ticked.State().Bet_Field);
            EXPECT_EQ(stepped.State().Bankroll, ticked.State().Bankroll);
        }
    }
}

}  // namespace
}  // namespace rotacle::test
