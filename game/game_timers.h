// The game's timers and the count of their changes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "core/controls.h"
#include "core/ids.h"

namespace rotacle {

/// The timers of the game (enabled, interval). Every access that may start,
/// stop or re-time one is counted, so that a host that keeps its own
/// schedule of the timers looks again only when the count grew.
class GameTimers {
public:
    const Timer& operator[](TimerId id) const { return timers_[static_cast<std::size_t>(id)]; }
    /// Timer `id` for a change: counted, and noted as the last changed.
    Timer& Change(TimerId id) {
        ++changes_;
        last_changed_ = id;
        return timers_[static_cast<std::size_t>(id)];
    }
    std::uint64_t Changes() const { return changes_; }
    /// The timer of the last change.
    TimerId LastChanged() const { return last_changed_; }

private:
    std::array<Timer, kTimerCount> timers_{};
    std::uint64_t changes_ = 0;
    TimerId last_changed_ = TimerId::ShowValues;
};

}  // namespace rotacle
