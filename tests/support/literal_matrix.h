// The rank-order matrix build done literally, as a reference for tests and
// benchmarks.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/game_state.h"

namespace rotacle::test {

// The build as the player understands it: every pattern replayed over the
// window spin by spin, scored by the settlement's membership rule.
inline std::string LiteralBuild(const std::vector<std::uint8_t>& history, std::int64_t window, bool up,
                                const Memo& patterns) {
    const auto h = static_cast<std::int64_t>(history.size());
    window = std::min(window, h);
    std::string best;
    std::int64_t best_max = 0;
    std::int64_t best_min = std::numeric_limits<std::int64_t>::max();
    std::int32_t position = 1;
    int last = 0;
    for (const std::string& pattern : patterns) {
        std::int64_t wins = 0;
        position = 1;
        for (std::int64_t e = h - window; e < h; ++e) {
            const int code = pattern[static_cast<std::size_t>(position - 1)] - '0';
            last = history[static_cast<std::size_t>(e)];
            if (FieldWins(code, last)) ++wins;
            position += 2;
            if (position == 13) position = 1;
        }
        if (up && wins > best_max) {
            best = pattern + " | MaxWins: " + std::to_string(wins);
            best_max = wins;
        }
        if (!up && wins < best_min) {
            best = pattern + " | MinWins: " + std::to_string(wins);
            best_min = wins;
        }
    }
    if (best.empty()) return best;
    return best + " | Next step: " + std::to_string(position) + " | Last number: " + std::to_string(last);
}

}  // namespace rotacle::test
