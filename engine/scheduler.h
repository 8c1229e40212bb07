// The one clock of the headless hosts: the engine's timers fired in virtual
// time, each at its interval, as the window's timers would fire them.
//
// The session driver (and through it the backtest and the sweep), keyboard
// play's quick proposals, the resume of a journal, the fuzz targets and the
// tests all run their timers here. The window keeps its own timers and uses
// only `Tick` from here.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "engine/engine.h"
#include "engine/speed_play.h"
#include "game/timer_runs.h"

namespace rotacle {

/// A progress run that goes on past every bound a host sets: the board would
/// never take a number again.
class EndlessRun : public std::runtime_error {
public:
    EndlessRun() : std::runtime_error("a progress run never ends") {}
};

class Scheduler {
public:
    /// Schedules the timers of `engine` on a virtual clock that starts at
    /// `start_ms`; `speed` gives the quick proposals and the numbers that
    /// wait for the locked board.
    Scheduler(Engine& engine, SpeedPlay& speed, std::int64_t start_ms = 0);
    Scheduler(const Scheduler&) = delete;
    Scheduler& operator=(const Scheduler&) = delete;

    /// The virtual clock in milliseconds, moved on as the timers fire; the
    /// host's platform reads its time from here.
    const std::int64_t& Clock() const { return now_ms_; }

    /// Call after every event that may have changed the state: the idle
    /// refreshes are looked at again and the timers taken in.
    void Touched() {
        ++epoch_;
        Sync();
    }

    /// Fires the enabled timers in virtual time until no game-mode progress
    /// run (nor the page import's wait) is left; as each run ends, the oldest
    /// number typed while the board was locked is entered and its run fired
    /// in turn. Then runs one more display refresh. Ties are served in timer
    /// order; a display or lamp refresh that would find everything in place
    /// is skipped. Throws EndlessRun when a run goes on past ten million
    /// ticks.
    void RunTimers();

    /// Moves the clock on by `ms` with nothing played: each armed timer's
    /// next tick comes after the new time (the ticks in between would find
    /// nothing to do). Call with no progress run under way.
    void Advance(std::int64_t ms);

    /// Enters the oldest number waiting for the locked board when the board
    /// takes numbers again (its run is not fired); true when one was entered.
    bool EnterWaiting();

    /// Runs one tick of timer `id` inside `Engine::Event`. With `quick` a
    /// game-mode run's further ticks follow at once, at the same instant,
    /// until it ends. Returns false when the tick provably changed nothing
    /// (as `Engine::TimerTick`).
    static bool Tick(Engine& e, TimerId id, bool quick) { return RunTimerTick(e, id, quick); }

    /// Runs every game-mode progress run under way to its end at one
    /// instant, ticks of one round in timer order, each tick an event. Stops
    /// after `max_ticks` ticks; returns the ticks run.
    static std::int64_t RunToEnd(Engine& e, std::int64_t max_ticks) { return RunTimersToEnd(e, max_ticks); }

private:
    struct Slot {
        std::int32_t interval = 0;
        std::int64_t due = 0;
        std::uint64_t idle_epoch = ~0ULL;  ///< epoch at which a refresh last changed nothing
    };

    static constexpr std::uint32_t Bit(TimerId id) { return std::uint32_t{1} << static_cast<int>(id); }
    /// Looks again at the engine's timers when they changed.
    void Sync();
    void SyncTimer(std::size_t i);
    /// Fires timer `id` now.
    void Fire(TimerId id);
    /// The timers until no progress run is left (one round of RunTimers).
    void RunProgress();
    /// The armed refreshes that found everything in place since the last
    /// change: their ticks would do nothing.
    std::uint32_t IdleTimers() const;

    Engine& engine_;
    SpeedPlay& speed_;
    std::int64_t now_ms_;
    std::array<Slot, kTimerCount> slots_{};
    std::uint32_t armed_ = 0;                     ///< the armed slots, one bit a timer
    std::optional<std::uint64_t> synced_timers_;  ///< the engine's timer changes at the last sync
    std::uint64_t epoch_ = 0;                     ///< grows with every event that may have changed the state
};

}  // namespace rotacle
