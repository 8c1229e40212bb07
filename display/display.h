// The shown values: the labels of the counts and the bankroll, the safety
// level's lamps and the progress gauges. Each label is formatted only when
// its value changed since it was last shown.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/controls.h"
#include "core/convert.h"
#include "core/game_state.h"

namespace rotacle {

class Display {
public:
    Display();

    // The captions of the shown values are made when they are read after a
    // change: a session played without a window never reads them.
    const Label& Label_BetsPlayed() const { return Captioned(bets_played_, shown_bets_played_); }
    const Label& Label_FlatIndex() const { return Captioned(flat_index_, shown_flat_index_); }
    const Label& Label_NumbersInGame() const {
        return Captioned(numbers_in_game_, static_cast<std::int64_t>(shown_numbers_));
    }
    const Label& Label_Bankroll() const {
        if (stale_ & kBankroll) {
            bankroll_.Caption = FloatToStr(shown_bankroll_);
            stale_ &= ~kBankroll;
        }
        return bankroll_;
    }
    /// Safety level readout.
    const Label& Label4() const { return safe_level_; }
    /// The "TEST BANK:" caption.
    const Label& Label9() const { return test_bank_caption_; }
    const Picture& SL_Indicator1() const { return lamp_far_; }
    const Picture& SL_Indicator2() const { return lamp_near_; }
    /// Progress gauge of the game-mode runs.
    const Gauge& CGauge1() const { return run_gauge_; }
    /// Progress of the matrix build.
    const Gauge& CGauge3() const { return matrix_gauge_; }

    void ShowBankroll(double bankroll);
    void ShowBetsPlayed(std::int32_t bets_played);
    void ShowBankrollLabel(bool visible) { bankroll_.Visible = visible; }
    /// The safety level's readout and whether its lamps are lit at all.
    void ShowSafeLevel(std::int32_t level);
    /// The lamps as a tick of the safety-level timer leaves them: far from
    /// the level the first lamp, near it the second. False when they already
    /// were so.
    bool ShowSafeLevelLamps(bool far);
    void ShowTestBankCaption(bool bank_on);

    /// One refresh of the shown values against `s`: the money held to whole
    /// cents, the flat index, the count of numbers and the bankroll. True
    /// when anything changed.
    bool Refresh(GameState& s, std::size_t numbers);
    /// True once per new stake: the stake labels need the text of `stake`.
    bool StakeChanged(double stake) {
        if (shown_stake_valid_ && stake == shown_stake_) return false;
        shown_stake_ = stake;
        shown_stake_valid_ = true;
        return true;
    }

    /// Adds `step` to the run gauge (held to 0..100); true when it is full.
    bool AdvanceRunGauge(std::int32_t step) {
        run_gauge_.Position = std::clamp(run_gauge_.Position + step, 0, 100);
        return run_gauge_.Position >= 100;
    }
    void EmptyRunGauge() { run_gauge_.Position = 0; }
    void SetRunGauge(std::int32_t position) { run_gauge_.Position = std::clamp(position, 0, 100); }
    void StartMatrixGauge(std::int32_t steps);
    void StepMatrixGauge() { ++matrix_gauge_.Position; }
    void EmptyMatrixGauge() { matrix_gauge_.Position = 0; }

private:
    // A label of a count whose caption waits for its first read.
    struct CountLabel {
        Label label;
        bool stale = false;
    };
    static const Label& Captioned(CountLabel& l, std::int64_t value) {
        if (l.stale) {
            l.label.Caption.assign(IntText(value));
            l.stale = false;
        }
        return l.label;
    }
    static constexpr unsigned kBankroll = 1;

    mutable CountLabel bets_played_;
    mutable CountLabel flat_index_;
    mutable CountLabel numbers_in_game_;
    mutable Label bankroll_;
    mutable unsigned stale_ = 0;
    std::int32_t shown_bets_played_ = 0;
    Label safe_level_;
    Label test_bank_caption_;
    Picture lamp_far_{false};
    Picture lamp_near_{false};
    Gauge run_gauge_;
    Gauge matrix_gauge_;

    // The values whose texts the labels show now.
    double shown_bankroll_ = 1000.0;
    double shown_stake_ = 0;
    bool shown_stake_valid_ = false;
    std::int32_t shown_flat_index_ = 0;
    std::size_t shown_numbers_ = 0;
    // The money values as the last refresh left them: whole cents already.
    double rounded_stake_ = 1.0;
    double rounded_bankroll_ = 1000.0;
    double rounded_reset_target_ = 1001.0;
};

}  // namespace rotacle
