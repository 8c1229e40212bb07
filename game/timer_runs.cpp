#include "game/timer_runs.h"

namespace rotacle {

bool RunTimerTick(Game& e, TimerId id, bool quick) {
    bool changed = true;
    e.Event([&] { changed = e.TimerTick(id); });
    if (!quick || !IsModeTimer(id)) return changed;
    // A run whose step is a draw seeded by the clock can draw 0 for a whole
    // second; the ticks at one instant then stand still, and real time must
    // carry the run on.
    const Timer& timer = e.TimerControl(id);
    while (timer.Enabled) {
        const std::int32_t before = e.Display().CGauge1().Position;
        if (!e.Event([&] { e.TimerTick(id); })) break;
        if (timer.Enabled && e.Display().CGauge1().Position == before) break;
    }
    return true;
}

std::int64_t RunTimersToEnd(Game& e, std::int64_t max_ticks) {
    std::int64_t ticks = 0;
    for (bool any = true; any && ticks < max_ticks;) {
        any = false;
        for (const TimerId id : kModeTimers) {
            if (!e.TimerControl(id).Enabled || ticks >= max_ticks) continue;
            any = true;
            ++ticks;
            e.Event([&] { e.TimerTick(id); });
        }
    }
    return ticks;
}

}  // namespace rotacle
