// Settlement of the proposed bet, the bankroll and the skip.
#include "core/engine.h"

namespace rotacle {

bool Engine::AnyChipVisible() const {
    for (const auto& c : Chip)
        if (c.Visible) return true;
    return false;
}

void Engine::WinLose() {
    if (State.Spins_Count <= State.Warmup_Spins) return;
    // While the spin is settled the chips still show the settled bet; its
    // stake has left the table, so a bet reset run from the win-side checks
    // must not refund it again.
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(settling_);
    Report.Settled = true;
    Report.Won = FieldWins(State.Bet_Field, CurrentNum.Tag);
    Report.Placed = AnyChipVisible();
    Report.Stake = State.Bet_Size;
    if (Report.Won)
        Win();
    else
        Lose();
}

void Engine::Lose() {
    GameState& s = State;
    ++s.Miss_Streak;
    ++s.Units_Drawdown;
    --s.Units_Profit;
    if (!AnyChipVisible()) return;
    s.Flat_Index -= 18;
    ++s.Losses_Count;
    ++s.Losses_In_Row;
    s.Wins_In_Row = 0;
    LossRuleCountStage();
    LossRuleDrawdownStage();
}

void Engine::Win() {
    GameState& s = State;
    s.Miss_Streak = 0;
    --s.Units_Drawdown;
    ++s.Units_Profit;
    if (!AnyChipVisible()) return;
    s.Flat_Index += 18;
    ++s.Wins_Count;
    ++s.Wins_In_Row;
    s.Losses_In_Row = 0;
    s.Bankroll += 2 * s.Bet_Size;
    WinRuleCountStage();
    WinRuleProfitStage();
    BetAutomaticReset_Check();
    GetMinimalProfit_Check();
}

void Engine::MatrixWinLose() {
    if (FieldWins(State.Bet_Field, CurrentNum.Tag)) MatrixWin();
}

void Engine::MatrixWin() { ++State.Matrix_Wins; }

void Engine::Balance_Check() {
    if (State.Bet_Field >= 1 && State.Bet_Field <= 6) ++Report.Proposals;
    if (AnyChipVisible()) {
        State.Bankroll -= State.Bet_Size;
        ++Report.Bets_Placed;
    }
}

void Engine::Image_SkipBet2Click() {
    if (!AnyChipVisible()) return;
    Image_SkipBet3.Visible = true;
    HideBets();
    State.Bankroll += State.Bet_Size;
    --State.Bets_Played;
    --State.Matrix_Bets_Played;
}

}  // namespace rotacle
