// The generator's draws as the journal keeps them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/platform.h"

namespace rotacle {

/// The draws made since the last action line was written, which that line
/// takes along, and during a replay the draws of the journal, given back in
/// their order instead of the generator's.
class DrawLog {
public:
    /// True while a replay has draws of the journal left to give back.
    bool Replaying() const { return next_ < replay_.size(); }
    /// The next draw: the journal's during a replay, otherwise the
    /// generator's; noted for the next action line when `noted`.
    std::int32_t Next(Platform& platform, std::int32_t range, bool noted) {
        const std::int32_t value = next_ < replay_.size() ? replay_[next_++] : platform.Random(range);
        if (noted) pending_.push_back(value);
        return value;
    }
    /// Appends " ~ d1 d2 ..." of the draws noted since the last line to `line`.
    void TakeNoted(std::string& line) {
        if (pending_.empty()) return;
        line += " ~";
        for (const std::int32_t d : pending_) {
            line += ' ';
            line += IntText(d).view();
        }
        pending_.clear();
    }
    /// A replayed line brings its draws: those given back already go.
    void BeginReplayLine() {
        replay_.erase(replay_.begin(), replay_.begin() + static_cast<std::ptrdiff_t>(next_));
        next_ = 0;
    }
    void GiveBack(std::int32_t draw) { replay_.push_back(draw); }
    /// Forgets every draw, noted or to give back.
    void Clear() {
        pending_.clear();
        replay_.clear();
        next_ = 0;
    }

private:
    std::vector<std::int32_t> pending_;  // draws not yet in the journal
    std::vector<std::int32_t> replay_;   // a replay's draws still to give back
    std::size_t next_ = 0;
};

}  // namespace rotacle
