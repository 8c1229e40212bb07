// The headless clock: its short cuts (idle refreshes skipped, the gauge
// filled in one step, runs carried on past other timers) must leave the
// engine exactly as every timer fired at its own time, one after another.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "engine/scheduler.h"
#include "support/arrange.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

// The timers fired the plain way: at each due instant every due timer in
// timer order, each at its interval from the moment it was armed.
class EveryTick {
public:
    EveryTick(Engine& e, SpeedPlay& speed, std::int64_t& now_ms) : e_(e), speed_(speed), now_(now_ms) {}

    void Sync() {
        for (std::size_t i = 0; i < armed_.size(); ++i) {
            const Timer& t = e_.TimerControl(static_cast<TimerId>(i));
            if (!t.Enabled) {
                armed_[i] = false;
            } else if (!armed_[i] || interval_[i] != t.Interval) {
                armed_[i] = true;
                interval_[i] = t.Interval;
                due_[i] = now_ + (t.Interval > 0 ? t.Interval : 1);
            }
        }
    }

    void RunTimers() {
        do {
            for (;;) {
                Sync();
                bool waited = armed_[static_cast<std::size_t>(TimerId::Timer_Evolution)];
                for (const TimerId id : kModeTimers) waited = waited || armed_[static_cast<std::size_t>(id)];
                if (!waited) break;
                std::int64_t when = std::numeric_limits<std::int64_t>::max();
                for (std::size_t i = 0; i < armed_.size(); ++i)
                    if (armed_[i]) when = std::min(when, due_[i]);
                now_ = when;
                for (std::size_t i = 0; i < armed_.size(); ++i) {
                    if (!armed_[i] || due_[i] != when) continue;
                    due_[i] += interval_[i] > 0 ? interval_[i] : 1;
                    Scheduler::Tick(e_, static_cast<TimerId>(i), speed_.Quick());
                    Sync();
                }
            }
        } while (speed_.EnterWaiting(e_));
        e_.Event([&] { e_.TimerTick(TimerId::ShowValues); });
    }

private:
    Engine& e_;
    SpeedPlay& speed_;
    std::int64_t& now_;
    std::array<bool, kTimerCount> armed_{};
    std::array<std::int32_t, kTimerCount> interval_{};
    std::array<std::int64_t, kTimerCount> due_{};
};

// One side of the comparison: an engine on a millisecond clock.
struct Side {
    Side() { platform.clock_ms = &now_ms; }
    FakePlatform platform;
    std::int64_t now_ms = 1'700'000'000'250;
    Engine e{platform};
    SpeedPlay speed;
};

TEST(Scheduler, LeavesTheGameAsEveryTickAtItsOwnTime) {
    struct Row {
        const char* name;
        int mode;
        int safe_level;
        bool quick;
        // Numbers of each command: the first is entered, the others wait
        // for the run it starts.
        std::vector<std::vector<int>> commands;
    } rows[] = {
        {"mode 2, warm-up and play", 2, 0, false, {{5}, {17}, {32}, {1}, {2}, {8}, {0}, {36}, {13}}},
        {"mode 2 with the lamp timer", 2, 3, false, {{5}, {17}, {32}, {1}, {2}, {8}, {19}}},
        {"numbers waiting for the run", 2, 0, false, {{5}, {17, 32, 1}, {2, 8, 0, 36}, {13}}},
        {"mode 1, drawn steps", 1, 0, false, {{3}, {17}, {25}, {8}, {11}, {4}, {30}}},
        {"mode 4", 4, 2, false, {{3}, {17}, {25}, {8}, {11}, {4}, {30}, {6}}},
        {"mode 5", 5, 0, false, {{3}, {17}, {25}, {8}, {11}, {4}, {30}}},
        {"quick proposals", 2, 0, true, {{5}, {17}, {32, 1}, {2}, {8}, {0}}},
        {"quick drawn steps", 1, 0, true, {{3}, {17}, {25}, {8, 11}, {4}}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Side fast, plain;
        Scheduler scheduler(fast.e, fast.speed, fast.now_ms);
        fast.platform.clock_ms = &scheduler.Clock();
        EveryTick every(plain.e, plain.speed, plain.now_ms);
        for (Side* s : {&fast, &plain}) {
            s->e.ForceGameMode(r.mode);
            s->e.Event([&] { s->e.SetSafeLevelPosition(r.safe_level); });
            s->speed.SetQuick(r.quick);
        }
        scheduler.Touched();
        for (const auto& numbers : r.commands) {
            for (const int n : numbers) {
                fast.speed.Enter(fast.e, n);
                scheduler.Touched();
                plain.speed.Enter(plain.e, n);
            }
            scheduler.RunTimers();
            every.RunTimers();
            const GameState& a = fast.e.State();
            const GameState& b = plain.e.State();
            ASSERT_EQ(a.Spins_Count, b.Spins_Count);
            EXPECT_EQ(a.Bet_Field, b.Bet_Field);
            EXPECT_EQ(a.Bet_Size, b.Bet_Size);
            EXPECT_EQ(a.Bankroll, b.Bankroll);
            EXPECT_EQ(a.Engine_Ready, b.Engine_Ready);
            EXPECT_EQ(fast.e.Display().CGauge1().Position, plain.e.Display().CGauge1().Position);
            EXPECT_EQ(fast.e.Display().Label_Bankroll().Caption, plain.e.Display().Label_Bankroll().Caption);
            EXPECT_EQ(scheduler.Clock(), plain.now_ms);
            EXPECT_EQ(fast.platform.rng.Next(1000), plain.platform.rng.Next(1000));
        }
        EXPECT_TRUE(fast.speed.Waiting().empty());
    }
}

TEST(Scheduler, ARefreshThatChangesOnEveryTickCannotStarveARun) {
    // The refresh (every 10 ms) and the run (every 20 ms) fall due together on
    // every run tick. A refresh that reports a change each time, here through
    // a bankroll that is no number, must not push the run's ticks away.
    Side s;
    Scheduler scheduler(s.e, s.speed, s.now_ms);
    s.platform.clock_ms = &scheduler.Clock();
    for (int n : {5, 17, 32, 1}) {
        s.speed.Enter(s.e, n);
        scheduler.Touched();
        scheduler.RunTimers();
    }
    Arrange(s.e).State().Bankroll = std::numeric_limits<double>::quiet_NaN();
    const std::int64_t start = scheduler.Clock();
    s.speed.Enter(s.e, 2);
    scheduler.Touched();
    ASSERT_NO_THROW(scheduler.RunTimers());
    EXPECT_EQ(s.e.State().Engine_Ready, 1);
    EXPECT_NE(s.e.State().Bet_Field, -1);
    EXPECT_LE(scheduler.Clock() - start, 50 * 20) << "a run has at most fifty ticks of 20 ms";
}

TEST(Scheduler, RunToEndStopsAtItsBound) {
    Side s;
    s.e.ForceGameMode(2);
    for (const int n : {3, 17, 25, 8, 11}) s.e.Event([&] { s.e.NumberClick(n); });
    ASSERT_TRUE(s.e.ProgressRunUnderWay());
    EXPECT_EQ(Scheduler::RunToEnd(s.e, 2), 2);
    EXPECT_TRUE(s.e.ProgressRunUnderWay());
    const std::int64_t rest = Scheduler::RunToEnd(s.e, 10000);
    EXPECT_GT(rest, 0);
    EXPECT_LT(rest, 10000);
    EXPECT_FALSE(s.e.ProgressRunUnderWay());
}

}  // namespace
}  // namespace rotacle::test
