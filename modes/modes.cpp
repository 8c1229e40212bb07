#include "modes/modes.h"

#include <algorithm>
#include <limits>

#include "core/convert.h"
#include "core/game_state.h"

namespace rotacle {

namespace {

constexpr Color kNavy = Rgb(0, 0, 128);

Memo RankOrderPatterns() {
    Memo lines;
    lines.reserve(720);
    std::array<int, 6> p{1, 2, 3, 4, 5, 6};
    do {
        std::string line;
        for (std::size_t i = 0; i < p.size(); ++i) {
            if (i) line += '-';
            line += static_cast<char>('0' + p[i]);
        }
        lines.push_back(std::move(line));
    } while (std::next_permutation(p.begin(), p.end()));
    return lines;
}

}  // namespace

void DeepScanStep(std::int32_t& number, std::int32_t& step, std::int32_t& family, int n) {
    number += n;
    if (number > 36) number -= 36;
    number += step;
    if (number > 36) number -= 36;
    ++step;
    if (step > 36) step = 0;
    family = (family + n) % 3;
}

std::int32_t SmartField(std::int32_t number, std::int32_t family) {
    // The scan number is 1..36 whenever this runs; 0 would take the second
    // field of each pair (Black, Even, More).
    switch (family) {
        case 0: return IsRed(number) ? 3 : 4;
        case 1: return (number % 2 == 1) ? 5 : 2;
        default: return (number >= 1 && number <= 18) ? 1 : 6;
    }
}

std::int32_t PatternCodeAt(std::string_view line, std::int32_t position) {
    if (position < 1 || static_cast<std::size_t>(position) > line.size()) return 0;
    const char c = line[static_cast<std::size_t>(position - 1)];
    return (c >= '1' && c <= '6') ? c - '0' : 0;
}

void AdvancePatternPosition(std::int32_t& position) {
    position += 2;
    if (position >= 13) position = 1;
}

PatternScan ScanPatterns(std::span<const std::uint8_t> window, const Memo& patterns, bool up, bool down) {
    // Every pattern starts on the oldest spin of the window, so a pattern's
    // wins are the sum over the six cycle positions of how often its code at
    // that position won there. Those 6 x 6 wins are counted once (first how
    // often each number fell at each position, one increment per spin); each
    // pattern is then six additions instead of a replay of the whole window.
    std::array<std::array<std::int64_t, 37>, 6> seen{};  // [cycle position][number]
    const std::uint8_t* spin = window.data();
    const std::uint8_t* const end = window.data() + window.size();
    while (end - spin >= 6) {
        for (std::size_t p = 0; p < 6; ++p) ++seen[p][spin[p]];
        spin += 6;
    }
    for (std::size_t p = 0; spin < end; ++p, ++spin) ++seen[p][*spin];
    std::array<std::array<std::int64_t, 7>, 6> wins{};  // [cycle position][field code]
    for (std::size_t p = 0; p < 6; ++p)
        for (int n = 1; n <= 36; ++n)
            for (int code = 1; code <= 6; ++code)
                if (FieldWins(code, n))
                    wins[p][static_cast<std::size_t>(code)] += seen[p][static_cast<std::size_t>(n)];

    PatternScan scan{{}, 0};
    std::int64_t best_max = 0;
    // Any count of wins beats the starting minimum, also over windows of more
    // than 10000 spins where every pattern wins more often than that.
    std::int64_t best_min = std::numeric_limits<std::int64_t>::max();
    for (const std::string& pattern : patterns) {
        std::int64_t total = 0;
        for (std::size_t p = 0; p < 6; ++p)
            total +=
                wins[p]
                    [static_cast<std::size_t>(PatternCodeAt(pattern, static_cast<std::int32_t>(2 * p + 1)))];
        scan.last_wins = total;
        if (up && total > best_max) {
            scan.best = pattern + " | MaxWins: " + IntToStr(total);
            best_max = total;
        }
        if (down && total < best_min) {
            scan.best = pattern + " | MinWins: " + IntToStr(total);
            best_min = total;
        }
    }
    return scan;
}

ModeLists::ModeLists() {
    for (auto& p : trend_choice_) p.Visible = false;
    list_font_colour_.fill(0);
}

const Memo& ModeLists::RANKORDER_patterns() const {
    // Every game has the same orders; risk runs start a hundred thousand.
    static const Memo patterns = RankOrderPatterns();
    return patterns;
}

void ModeLists::ResetLists() {
    for (auto& list : lists_) list.clear();
    scores_.fill(0);
    list_enabled_.fill(true);
}

void ModeLists::MarkChosen(int list) { list_font_colour_[static_cast<std::size_t>(list - 1)] = kNavy; }

void ModeLists::ChooseTrend(int index) {
    trend_choice_[static_cast<std::size_t>(OppositeField(index))].Visible = false;
    trend_choice_[static_cast<std::size_t>(index)].Visible = true;
}

void ModeLists::DropTrend(int index) { trend_choice_[static_cast<std::size_t>(index)].Visible = false; }

}  // namespace rotacle
