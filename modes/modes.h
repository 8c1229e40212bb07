// The prediction side's own data and arithmetic: the rank-order patterns and
// the best pattern of the matrix (mode 3), the adaptive candidate lists
// (mode 5), the player's trend choice, the deep-scan step and the field
// choice of SMART 2025.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "core/controls.h"

namespace rotacle {

/// One step of the deep scan by number n on its three running values.
void DeepScanStep(std::int32_t& number, std::int32_t& step, std::int32_t& family, int n);
/// The field code (1..6) that SMART 2025 proposes for a scan number and family.
std::int32_t SmartField(std::int32_t number, std::int32_t family);
/// The field code at a 1-based character position of a pattern line, or 0.
std::int32_t PatternCodeAt(std::string_view line, std::int32_t position);
/// The next position in a pattern line: two characters on, from 11 back to 1.
void AdvancePatternPosition(std::int32_t& position);
/// Field index 0..5 on the other side of a field index's pair
/// (Less<->More, Even<->Odd, Red<->Black).
constexpr int OppositeField(int index) { return 5 - index; }

/// What a replay of every rank-order pattern over a window of spins found.
struct PatternScan {
    std::string best;        ///< the best pattern's line with its wins, or empty
    std::int64_t last_wins;  ///< wins of the last pattern
};
/// Replays every pattern over `window` (at least one spin) and keeps the
/// one with the most wins (`up`) or the fewest (`down`).
PatternScan ScanPatterns(std::span<const std::uint8_t> window, const Memo& patterns, bool up, bool down);

class ModeLists {
public:
    ModeLists();

    /// The 720 rank orders of the six fields, "1-2-3-4-5-6" .. "6-5-4-3-2-1"
    /// (the same for every game: built once and shared).
    const Memo& RANKORDER_patterns() const;
    /// The best pattern of the last matrix build (one line), or empty.
    const Memo& PatternsTest() const { return best_; }
    const std::array<Memo, 3>& AdaptiveList() const { return lists_; }
    const std::array<bool, 3>& AdaptiveList_Enabled() const { return list_enabled_; }
    const std::array<Color, 3>& AdaptiveList_FontColour() const { return list_font_colour_; }
    /// Hits of each candidate list (the tags of `Adaptive1` .. `Adaptive3`).
    const std::array<std::int32_t, 3>& Adaptive_Score() const { return scores_; }
    /// The trend buttons' base pictures.
    const std::array<Picture, 6>& Trend_0() const { return trend_base_; }
    /// The player's trend choice marks.
    const std::array<Picture, 6>& Trend_2() const { return trend_choice_; }

    void ClearBest() { best_.clear(); }
    void SetBest(std::string line) { best_.assign(1, std::move(line)); }
    void AppendToBest(std::string_view text) {
        if (!best_.empty()) best_[0] += text;
    }
    /// Replaces the best pattern's lines as they stand.
    void SetBestLines(Memo lines) { best_ = std::move(lines); }

    void SetLists(std::array<Memo, 3> lists) { lists_ = std::move(lists); }
    void SetList(std::size_t k, Memo list) { lists_[k] = std::move(list); }
    void SetScores(const std::array<std::int32_t, 3>& scores) { scores_ = scores; }
    void Score(std::size_t list) { ++scores_[list]; }
    /// The lists emptied, their scores 0 and every list enabled.
    void ResetLists();
    /// The chosen list (1..3) marked in navy.
    void MarkChosen(int list);

    /// The player chooses the side of field `index`: its opposite is unchosen.
    void ChooseTrend(int index);
    void DropTrend(int index);
    bool TrendChosen(int index) const { return trend_choice_[static_cast<std::size_t>(index)].Visible; }

private:
    Memo best_;
    std::array<Memo, 3> lists_{};
    std::array<bool, 3> list_enabled_{};
    std::array<Color, 3> list_font_colour_{};
    std::array<std::int32_t, 3> scores_{};
    std::array<Picture, 6> trend_base_{};
    std::array<Picture, 6> trend_choice_{};
};

}  // namespace rotacle
