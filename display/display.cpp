#include "display/display.h"

#include <algorithm>

#include "core/convert.h"

namespace rotacle {

namespace {
constexpr Color kGrey128 = 8421504;  // TEST BANK caption while the bank is on
constexpr Color kGrey83 = 5460819;   // ... and while it is off
}  // namespace

Display::Display() {
    bets_played_.label.Caption = "0";
    flat_index_.label.Caption = "0";
    numbers_in_game_.label.Caption = "0";
    bankroll_.Caption = "1000";
    safe_level_.Caption = "0";
    test_bank_caption_.Colour = kGrey128;
}

void Display::ShowBankroll(double bankroll) {
    shown_bankroll_ = bankroll;
    stale_ |= kBankroll;
}

void Display::ShowBetsPlayed(std::int32_t bets_played) {
    shown_bets_played_ = bets_played;
    bets_played_.stale = true;
}

void Display::ShowSafeLevel(std::int32_t level) {
    safe_level_.Caption = IntToStr(level);
    lamp_far_.Visible = level > 0;
    lamp_near_.Visible = level > 0;
}

bool Display::ShowSafeLevelLamps(bool far) {
    if (far) {
        const bool changed = !lamp_far_.Visible || lamp_near_.Visible;
        lamp_far_.Visible = true;
        lamp_near_.Visible = false;
        return changed;
    }
    const bool changed = !lamp_near_.Visible;
    lamp_near_.Visible = true;
    return changed;
}

void Display::ShowTestBankCaption(bool bank_on) { test_bank_caption_.Colour = bank_on ? kGrey128 : kGrey83; }

bool Display::Refresh(GameState& s, std::size_t numbers) {
    bool changed = false;
    if (s.Flat_Index != shown_flat_index_) {
        shown_flat_index_ = s.Flat_Index;
        flat_index_.stale = true;
        changed = true;
    }
    if (numbers != shown_numbers_) {
        shown_numbers_ = numbers;
        numbers_in_game_.stale = true;
        changed = true;
    }
    // A value that this refresh stored last time is whole cents already.
    const auto round = [&changed](double& value, double& last_rounded) {
        if (value == last_rounded) return;
        const double r = RoundToCents(value);
        if (r != value) changed = true;
        value = r;
        last_rounded = r;
    };
    round(s.Bet_Size, rounded_stake_);
    round(s.Bankroll, rounded_bankroll_);
    round(s.Reset_Target, rounded_reset_target_);
    if (s.Bankroll != shown_bankroll_) {
        ShowBankroll(s.Bankroll);
        changed = true;
    }
    return changed;
}

void Display::StartMatrixGauge(std::int32_t steps) {
    matrix_gauge_.Position = 0;
    matrix_gauge_.MaxValue = steps;
}

}  // namespace rotacle
