#include "engine/scheduler.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <utility>

namespace rotacle {

namespace {

// Timers whose run the host waits for: the game-mode progress runs and the
// one-shot wait of the page import.
constexpr std::array<TimerId, 6> kWaitedTimers = {TimerId::Mode1Timer, TimerId::Mode2Timer,
                                                  TimerId::Mode3Timer, TimerId::Mode4Timer,
                                                  TimerId::Mode5Timer, TimerId::Timer_Evolution};

constexpr std::uint32_t kWaitedMask = [] {
    std::uint32_t mask = 0;
    for (const TimerId id : kWaitedTimers) mask |= std::uint32_t{1} << static_cast<int>(id);
    return mask;
}();

// No honest progress run takes this many ticks; a host that gets here has
// found a run that never ends.
constexpr std::int64_t kMaxTicksPerCommand = 10'000'000;

// a / b for a >= 0 and b > 0. The schedule's quotients are of small
// numbers, and a 32-bit division costs a fraction of a 64-bit one.
std::int64_t SmallQuotient(std::int64_t a, std::int64_t b) {
    if (a < b) return 0;
    if ((static_cast<std::uint64_t>(a | b) >> 32) == 0)
        return static_cast<std::uint32_t>(a) / static_cast<std::uint32_t>(b);
    return a / b;
}

bool IsIdempotentTimer(TimerId id) { return id == TimerId::ShowValues || id == TimerId::SafeLevel_Timer; }

}  // namespace

Scheduler::Scheduler(Engine& engine, SpeedPlay& speed, std::int64_t start_ms)
    : engine_(engine), speed_(speed), now_ms_(start_ms) {
    Sync();
}

std::uint32_t Scheduler::IdleTimers() const {
    std::uint32_t idle = 0;
    for (const TimerId t : {TimerId::ShowValues, TimerId::SafeLevel_Timer})
        if (slots_[static_cast<std::size_t>(t)].idle_epoch == epoch_) idle |= Bit(t);
    return armed_ & idle;
}

void Scheduler::Sync() {
    const std::uint64_t changes = engine_.TimerChanges();
    if (synced_timers_ && *synced_timers_ == changes) return;
    // A spin starts or stops one timer at a time: then only that one is
    // looked at again.
    if (synced_timers_ && *synced_timers_ + 1 == changes) {
        SyncTimer(static_cast<std::size_t>(engine_.LastChangedTimer()));
    } else {
        for (std::size_t i = 0; i < slots_.size(); ++i) SyncTimer(i);
    }
    synced_timers_ = changes;
}

void Scheduler::SyncTimer(std::size_t i) {
    const Timer& t = engine_.TimerControl(static_cast<TimerId>(i));
    Slot& slot = slots_[i];
    const std::uint32_t bit = Bit(static_cast<TimerId>(i));
    if (!t.Enabled) {
        armed_ &= ~bit;
    } else if ((armed_ & bit) == 0 || slot.interval != t.Interval) {
        armed_ |= bit;
        slot.interval = t.Interval;
        slot.due = now_ms_ + (t.Interval > 0 ? t.Interval : 1);
    }
}

void Scheduler::Fire(TimerId id) {
    Slot& slot = slots_[static_cast<std::size_t>(id)];
    if (IsIdempotentTimer(id)) {
        // A refresh that found everything in place changes nothing when it
        // runs again on the same state, so it is skipped until something ran.
        if (slot.idle_epoch == epoch_) return;
        bool changed = true;
        engine_.Event([&] { changed = engine_.TimerTick(id); });
        if (changed) {
            ++epoch_;
            Sync();
            // A refresh that put everything in place is idle from here on.
            if (id == TimerId::ShowValues && engine_.RefreshSettled()) slot.idle_epoch = epoch_;
        } else {
            slot.idle_epoch = epoch_;
        }
        return;
    }
    Tick(engine_, id, speed_.Quick());
    // A progress tick that leaves its run going has moved only the gauge and
    // Engine_Ready, which no refresh reads: idle refreshes stay idle.
    if (!engine_.TimerControl(id).Enabled) ++epoch_;
    Sync();
}

void Scheduler::RunTimers() {
    do {
        RunProgress();
    } while (EnterWaiting());
    Fire(TimerId::ShowValues);
}

void Scheduler::Advance(std::int64_t ms) {
    now_ms_ += ms;
    for (std::uint32_t bits = armed_; bits != 0; bits &= bits - 1) {
        Slot& slot = slots_[static_cast<std::size_t>(std::countr_zero(bits))];
        if (slot.due > now_ms_) continue;
        const std::int64_t step = slot.interval > 0 ? slot.interval : 1;
        slot.due += (SmallQuotient(now_ms_ - slot.due, step) + 1) * step;
    }
}

bool Scheduler::EnterWaiting() {
    if (!speed_.EnterWaiting(engine_)) return false;
    Touched();
    return true;
}

void Scheduler::RunProgress() {
    for (std::int64_t ticks = 0;; ++ticks) {
        // (in sync already after every event; the check costs one compare)
        Sync();
        if ((armed_ & kWaitedMask) == 0) break;
        if (ticks > kMaxTicksPerCommand) throw EndlessRun();
        const std::uint32_t idle = IdleTimers();
        const std::uint32_t live = armed_ & ~idle;
        // The earliest timer whose tick can change something.
        if (live == 0) break;
        std::size_t next = kTimerCount;
        for (std::uint32_t bits = live; bits != 0; bits &= bits - 1) {
            const auto i = static_cast<std::size_t>(std::countr_zero(bits));
            if (next == kTimerCount || slots_[i].due < slots_[next].due) next = i;
        }
        const std::int64_t when = slots_[next].due;
        // Idle refreshes due up to that moment would do nothing: move them on
        // to their first tick after it. A timer that can change something and
        // is due at the same moment keeps its time and fires next, after this
        // one, as ties are served in timer order.
        for (std::uint32_t bits = idle; bits != 0; bits &= bits - 1) {
            Slot& slot = slots_[static_cast<std::size_t>(std::countr_zero(bits))];
            if (slot.due > when) continue;
            const std::int64_t step = slot.interval > 0 ? slot.interval : 1;
            slot.due += (SmallQuotient(when - slot.due, step) + 1) * step;
        }
        Slot& slot = slots_[next];
        const auto id = static_cast<TimerId>(next);
        if (IsIdempotentTimer(id)) {
            now_ms_ = when;
            slot.due += slot.interval > 0 ? slot.interval : 1;
            Fire(id);
            continue;
        }

        // A progress run changes nothing that another timer reads until it
        // ends: its ticks come one after another, from this one on, until it
        // ends or another timer that can change something is due first.
        std::int64_t bound = std::numeric_limits<std::int64_t>::max();
        for (std::uint32_t bits = live & ~Bit(id); bits != 0; bits &= bits - 1)
            bound = std::min(bound, slots_[static_cast<std::size_t>(std::countr_zero(bits))].due);
        const Timer& timer = engine_.TimerControl(id);
        // After a fill that stopped short of its limit the next tick fills
        // the gauge: it is not asked again.
        bool may_fill = !speed_.Quick() && slot.interval > 0;
        // The first tick is due now, also when another timer is due at the
        // same moment (ties are served in timer order); it was counted with
        // this round.
        bool first = true;
        while (timer.Enabled && timer.Interval == slot.interval &&
               (first || (slot.due < bound && ++ticks <= kMaxTicksPerCommand))) {
            const bool was_first = std::exchange(first, false);
            // The ticks that only fill the gauge go in one step; the one that
            // fills it runs its calculator as a tick of its own.
            if (may_fill) {
                const std::int64_t before_bound =
                    bound == std::numeric_limits<std::int64_t>::max()
                        ? kMaxTicksPerCommand
                        : SmallQuotient(bound - slot.due + slot.interval - 1, slot.interval);
                const std::int64_t most = std::min(before_bound, kMaxTicksPerCommand - ticks + 1);
                const std::int64_t ran = engine_.FillRunGauge(id, slot.due, slot.interval, most);
                may_fill = ran == most;
                if (ran > 0) {
                    now_ms_ = slot.due + (ran - 1) * slot.interval;
                    slot.due += ran * slot.interval;
                    ticks += ran - 1;
                    continue;
                }
            }
            may_fill = !speed_.Quick() && slot.interval > 0;
            now_ms_ = slot.due;
            slot.due += slot.interval > 0 ? slot.interval : 1;
            Tick(engine_, id, speed_.Quick());
            // A first tick that started or changed another timer hands back
            // to the schedule, which takes that timer in.
            if (was_first && synced_timers_ != engine_.TimerChanges()) break;
        }
        if (!timer.Enabled) ++epoch_;
        Sync();
    }
}

}  // namespace rotacle
