// Settlement of the proposed bet, the bankroll and the skip.
#include "game/action_scope.h"
#include "game/game.h"

namespace rotacle {

void Game::WinLose() {
    if (state_.Spins_Count <= state_.Warmup_Spins) return;
    // While the spin is settled the chips still show the settled bet; its
    // stake has left the table, so a bet reset run from the win-side checks
    // must not refund it again.
    struct Guard {
        bool& flag;
        explicit Guard(bool& f) : flag(f) { flag = true; }
        ~Guard() { flag = false; }
    } guard(settling_);
    report_.Settled = true;
    report_.Won = FieldWins(state_.Bet_Field, board_.CurrentNumber());
    report_.Placed = AnyChipVisible();
    report_.Stake = state_.Bet_Size;
    report_.Returned = 0;
    // The result is booked also when a staking rule fails after it.
    struct Note {
        Game& e;
        std::int32_t field;
        ~Note() {
            if (!e.journal_.Listening() || !e.report_.Placed) return;
            PlayEvent settled;
            settled.field = field;
            settled.stake = e.report_.Stake;
            settled.won = e.report_.Won;
            settled.returned = e.report_.Returned;
            settled.partage = e.zero_rule_ == ZeroRule::Partage;
            e.journal_.NotePlay(PlayEventKind::Settled, settled);
        }
    } note{*this, state_.Bet_Field};
    if (report_.Won) {
        Win();
        return;
    }
    // La partage: half of the stake comes back on zero; the staking rules
    // still count the bet as lost.
    if (zero_rule_ == ZeroRule::Partage && report_.Placed && board_.CurrentNumber() == 0) {
        report_.Returned = state_.Bet_Size / 2;
        state_.Bankroll += report_.Returned;
    }
    Lose();
}

void Game::Lose() {
    GameState& s = state_;
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

void Game::Win() {
    GameState& s = state_;
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

void Game::MatrixWinLose() {
    if (FieldWins(state_.Bet_Field, board_.CurrentNumber())) MatrixWin();
}

void Game::MatrixWin() { ++state_.Matrix_Wins; }

void Game::Balance_Check() {
    if (state_.Bet_Field >= 1 && state_.Bet_Field <= 6) {
        ++report_.Proposals;
        if (journal_.Happenings()) {
            PlayEvent proposal;
            proposal.field = state_.Bet_Field;
            proposal.stake = state_.Bet_Size;
            journal_.NoteHappening(PlayEventKind::ProposalShown, proposal);
        }
    }
    if (AnyChipVisible()) {
        state_.Bankroll -= state_.Bet_Size;
        ++report_.Bets_Placed;
        if (journal_.Listening()) {
            PlayEvent staked;
            staked.field = state_.Bet_Field;
            staked.stake = state_.Bet_Size;
            journal_.NotePlay(PlayEventKind::Staked, staked);
        }
    }
}

void Game::SkipBet() {
    const ActionScope action(*this, [] { return std::string("skip"); });
    if (!AnyChipVisible()) return;
    table_.CoverSkip();
    HideBets();
    state_.Bankroll += state_.Bet_Size;
    --state_.Bets_Played;
    --state_.Matrix_Bets_Played;
}

}  // namespace rotacle
