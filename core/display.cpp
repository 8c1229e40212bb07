// Display refresh and the window chrome: hover scheme and settings toggle.
#include "core/engine.h"

namespace rotacle {

bool Engine::ShowValuesTimer() {
    bool changed = false;
    GameState& s = State;

    if (s.Flat_Index != shown_flat_index_) {
        Label_FlatIndex.Caption.assign(IntText(s.Flat_Index));
        shown_flat_index_ = s.Flat_Index;
        changed = true;
    }
    if (NumbersList.size() != shown_numbers_) {
        Label_NumbersInGame.Caption.assign(IntText(static_cast<std::int64_t>(NumbersList.size())));
        shown_numbers_ = NumbersList.size();
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
    round(s.Bet_Size, rounded_bet_size_);
    round(s.Bankroll, rounded_bankroll_);
    round(s.Reset_Target, rounded_reset_target_);
    const double bet = s.Bet_Size;
    const double bank = s.Bankroll;

    if (bank != shown_bankroll_) {
        ShowBankroll();
        changed = true;
    }
    if (!shown_bet_size_valid_ || bet != shown_bet_size_) {
        const std::string text = FloatToStr(bet);
        for (auto& l : BetSizeShow) l.Caption = text;
        shown_bet_size_ = bet;
        shown_bet_size_valid_ = true;
        changed = true;
    }

    bool any_chip = false;
    for (std::size_t i = 0; i < Chip.size(); ++i) {
        if (Chip[i].Visible) any_chip = true;
        const bool want = ShowBetSize.Checked ? (Chip[i].Visible || BetSizeShow[i].Visible) : false;
        if (BetSizeShow[i].Visible != want) {
            BetSizeShow[i].Visible = want;
            changed = true;
        }
    }
    if (Image_SkipBet3.Visible == any_chip) {
        Image_SkipBet3.Visible = !any_chip;
        changed = true;
    }

    // A text that does not convert is skipped here: the player sees the
    // conversion error where the initial bet is used, not a hundred times a
    // second.
    if (!Init_Bet.Text.empty() && Init_Bet.Text != " ") {
        double init = 0;
        // The stake was rounded to cents above; an initial bet finer than a
        // cent is compared in cents too, or every tick would reset the bets.
        const bool ok = TryInitialBet(init);
        if (ok && RoundToCents(init) > s.Bet_Size) {
            ResetBets();
            changed = true;
        }
    }
    return changed;
}

void Engine::Disable_HoversClick() {
    for (auto& p : CommandHover) p.Visible = false;
    for (auto& p : Trend_1) p.Visible = false;
    for (auto& p : Image_Act) p.Visible = false;
}

void Engine::CommandMouseMove(Command c) {
    Disable_HoversClick();
    CommandHover[static_cast<std::size_t>(c)].Visible = true;
}

void Engine::ImageMouseMove(int n) {
    if (n < 0 || n > 36) return;
    Disable_HoversClick();
    Image_Act[static_cast<std::size_t>(n)].Visible = true;
}

void Engine::Image_Settings2Click() {
    ClientHeight = kOpenHeight;
    Image_Settings3.Visible = true;
}

void Engine::Image_Settings3Click() {
    ClientHeight = kClosedHeight;
    Image_Settings3.Visible = false;
}

}  // namespace rotacle
