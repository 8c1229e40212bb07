// Spin entry, the per-spin pipeline, the history strip, undo and the resets.
#include <algorithm>

#include "game/action_scope.h"
#include "game/game.h"
#include "game/mode_host.h"
#include "settings/settings_lines.h"

namespace rotacle {

// ---- Spin entry and pipeline -----------------------------------------------------

void Game::EnterNumber(int n) {
    // A limit reached stops play until the player goes on or starts anew.
    if (limits_.Stopped() != LimitKind::None) return;
    const ActionScope action(*this, [n] { return "spin " + IntToStr(n); });
    const GameScope play(*this);
    if (n < 0 || n > 36) return;
    const std::int64_t spins = state_.Spins_Count;
    board_.SetCurrentNumber(n);
    Analyse();
    if (limits_.On()) LimitsAfterSpin(state_.Spins_Count != spins);
}

void Game::Analyse() {
    // A number that cannot be recorded (board locked or a progress run under
    // way) changes nothing: taking the snapshot again here would let an undo
    // remove the number while keeping its settlement.
    if (inputs_.GameModes.Enabled && state_.Engine_Ready == 1) {
        report_.Settled = false;
        SaveState();
        ++state_.Undo_Counter;
        if (state_.Undo_Counter >= 2) board_.OfferUndo();
        AllEnabled();
        CurrentNumber();
        GameHistory();
        DeepScan_Calc();
        if (static_cast<std::int64_t>(board_.NumbersList().size()) < inputs_.N_Count.Value())
            state_.Matrix_Pending = 1;
        if (const auto* mode = EngineModes::Find(state_.Game_Mode); mode && mode->StartsOn(state_)) {
            ModeHost host(*this);
            mode->Start(host);
        }
        Phase_Correction();
    }
    ShowBetsPlayed();
}

void Game::CurrentNumber() {
    board_.Record();
    if (journal_.Listening()) {
        PlayEvent spin;
        spin.number = board_.CurrentNumber();
        journal_.NotePlay(PlayEventKind::Spin, spin);
    }
    state_.Spins_Count = CountPlus(state_.Spins_Count, 1);
    if (!inputs_.ChBx_Fixed_Number.Checked)
        SetSpinValue(SpinId::N_Count, CountOf(board_.NumbersList().size()));
}

void Game::AllEnabled() {
    board_.ShowNumbers();
    if (inputs_.ChBx_TestBank.Checked) display_.ShowBankrollLabel(true);
    inputs_.ResetBets_Button.Enabled = true;
    inputs_.GameModes.Enabled = true;
    inputs_.BetStrategy.Enabled = true;
    inputs_.Init_Bet.Enabled = true;
    if (state_.Undo_Counter >= 2) board_.OfferUndo();
}

void Game::AllDisabled() {
    board_.HideNumbers();
    display_.ShowBankrollLabel(false);
    inputs_.ResetBets_Button.Enabled = false;
    inputs_.GameModes.Enabled = false;
    inputs_.BetStrategy.Enabled = false;
    inputs_.Init_Bet.Enabled = false;
    board_.HideUndoCommand();
}

void Game::HideNumbers() { board_.HideNumbers(); }

void Game::NumberPressed() { board_.MarkPressed(); }

void Game::NumberInactive() { board_.MarkInactive(); }

void Game::HideBets() { table_.HideBets(); }

// ---- History strip ------------------------------------------------------------------

void Game::GameHistory() { board_.PushStrip(); }

void Game::GameHistoryBack() {
    HideBets();
    board_.StripBack();
    board_.DropNewest();
    if (!inputs_.ChBx_Fixed_Number.Checked)
        SetSpinValue(SpinId::N_Count, CountOf(board_.NumbersList().size()));
    if (state_.Spins_Count < state_.Warmup_Spins) --state_.Spins_Count;
    LoadState();
}

// ---- Undo ------------------------------------------------------------------------------

void Game::SaveState() { board_.TakeSnapshot(PlacedFields(), state_); }

void Game::LoadState() {
    for (int i = 0; i < 6; ++i) {
        const double stake = board_.SavedStake(i);
        if (stake > 0) {
            state_.Bet_Size = stake;
            table_.RestoreBet(i);
            state_.Bet_Field = i + 1;
        }
    }
    if (state_.Game_Mode == 5) --state_.Adaptive_Row;
    NumberInactive();
    board_.RestoreSnapshot(state_);
}

void Game::Undo() {
    // The step back hides the cell of the number it takes back; but an undo
    // pressed by mistake must leave the player a way to enter that number
    // again. A board that took every number before the undo takes every
    // number after it.
    const bool board_open = board_.NumbersShown();
    GameHistoryBack();
    state_.Undo_Counter = 0;
    board_.WithdrawUndo();
    if (board_open) board_.ShowNumbers();
    if (journal_.Listening()) {
        PlayEvent back;
        back.history = board_.NumbersList();
        journal_.NotePlay(PlayEventKind::TakenBack, back);
    }
}

void Game::UndoSpin() {
    const ActionScope action(*this, [] { return std::string("undo"); });
    // The hover picture lies under the cover, so it takes the click only
    // while undo is offered; an empty history has nothing to take back.
    // During a progress run the spin is half done: its snapshot is restored
    // at once, but the run would still propose and stake afterwards, charging
    // the restored stake a second time. The locked board refuses the click.
    if (ProgressRunUnderWay()) return;
    if (UndoOffered() && !board_.NumbersList().empty()) Undo();
}

// ---- Resets --------------------------------------------------------------------------

void Game::ResetBets() {
    const ActionScope action(*this, [] { return std::string("reset-bets"); });
    board_.HideUndoCommand();
    GameState& s = state_;
    s.Wins_Count = s.Wins_In_Row = s.Losses_Count = s.Losses_In_Row = 0;
    s.Units_Drawdown = s.Units_Profit = 0;
    // The initial bet is read before any money moves: a text that does not
    // convert must not leave the open stake refunded while its bet is shown.
    double init = InitialBet();
    if (AnyChipVisible() && !settling_) {
        s.Bankroll += s.Bet_Size;
        s.Bet_Size = init;
        s.Bankroll -= s.Bet_Size;
        s.Reset_Target = s.Bankroll + s.Bet_Size;
        s.Profit_Target = inputs_.Until_Profit.Value() * s.Bet_Size + s.Bankroll;
    } else {
        s.Bet_Size = init;
        s.Reset_Target = s.Bankroll + s.Bet_Size;
    }
    ShowBankroll();
    init = InitialBet();
    s.Phase_Threshold = init * inputs_.Phase_Correction_Value.Value();
    s.Phase_Base = init;
    s.Losses_Amount = StrToFloat(inputs_.Losses_ActionValue.Text);
    s.Wins_Amount = StrToFloat(inputs_.Wins_ActionValue.Text);
    staking::RecomputeUnits(s, s.Losses_Amount, s.Wins_Amount, init);
}

void Game::ResetApp() {
    const ActionScope action(*this, [] { return std::string("reset-app"); });
    // The new game begins also when a later step of the reset fails.
    const NewHistoryNote note(*this);
    // A run left going would propose and stake a bet in a game that has no
    // numbers any more: the new game starts without it.
    AbandonProgressRuns();
    AllEnabled();
    SkipBet();
    // A new game is a new session for the limits too.
    if (limits_.On()) {
        limits_.Start(MoneyHeld(), platform_.ClockSeconds());
        played_noted_ = 0;
    }
    board_.ClearHistory();
    // With the history gone there is no spin to take back, also when a later
    // step of the reset fails on a bad input.
    board_.CoverUndo();
    board_.ClearStrip();
    ResetBets();
    GameState& s = state_;
    s.Pattern_Position = 1;
    modes_.ClearBest();
    s.Bets_Played = 0;
    s.Flat_Index = 0;
    s.Matrix_Bets_Played = 0;
    s.DeepScan_Number = 0;
    s.DeepScan_Family = 0;
    s.Spins_Count = 0;
    s.Bet_Field = -1;
    if (!inputs_.ChBx_Fixed_Number.Checked) SetSpinValue(SpinId::N_Count, 0);
    s.Matrix_Pending = 1;
    if (s.Game_Mode == 3) {
        inputs_.GameModes.SetItemIndex(2);
        GameModesChange();
    }
    board_.CoverUndo();
    ShowBetsPlayed();
}

void Game::BetStrategyChange() {
    RequestFocus("ShowBetSize");
    inputs_.BetStrategy.SetItemIndex(5);
    WriteSettingsLine(settings_line::kBetStrategy, IntToStr(inputs_.BetStrategy.ItemIndex));
}

}  // namespace rotacle
