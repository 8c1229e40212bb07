// Spin entry, the per-spin pipeline, the history strip, undo and the resets.
#include <algorithm>

#include "core/engine.h"

namespace rotacle {

namespace {
constexpr Color kStripRed = 128;
constexpr Color kStripGreen = 32768;
constexpr Color kStripBlack = 0;
}  // namespace

// ---- Spin entry and pipeline -----------------------------------------------------

void Engine::NumberClick(int n) {
    if (n < 0 || n > 36) return;
    CurrentNum.Tag = n;
    Analyse();
}

void Engine::Analyse() {
    // A number that cannot be recorded (board locked or a progress run under
    // way) changes nothing: taking the snapshot again here would let an undo
    // remove the number while keeping its settlement.
    if (GameModes.Enabled && State.Engine_Ready == 1) {
        Report.Settled = false;
        SaveState();
        ++State.Undo_Counter;
        if (State.Undo_Counter >= 2) OfferUndo();
        AllEnabled();
        CurrentNumber();
        GameHistory();
        DeepScan_Calc();
        if (static_cast<std::int64_t>(NumbersList.size()) < N_Count.Value()) State.Matrix_Pending = 1;
        if (State.Spins_Count >= State.Warmup_Spins) {
            switch (State.Game_Mode) {
                case 1: Mode1(); break;
                case 2: Mode2(); break;
                case 3:
                    if (State.Matrix_Pending == 0) Mode3();
                    break;
                case 4: Mode4(); break;
                default: break;
            }
        }
        if (State.Game_Mode == 5) Mode5();
        Phase_Correction();
    }
    ShowBetsPlayed();
}

void Engine::CurrentNumber() {
    NumbersList.push_back(static_cast<std::uint8_t>(CurrentNum.Tag));
    State.Spins_Count = CountPlus(State.Spins_Count, 1);
    if (!ChBx_Fixed_Number.Checked) SetSpinValue(SpinId::N_Count, CountOf(NumbersList.size()));
}

void Engine::AllEnabled() {
    for (auto& p : Image) p.Visible = true;
    for (auto& b : NumberButton) b.Enabled = true;
    for (auto& p : SpeedButton) p.Visible = true;
    if (ChBx_TestBank.Checked) Label_Bankroll.Visible = true;
    ResetBets_Button.Enabled = true;
    GameModes.Enabled = true;
    BetStrategy.Enabled = true;
    Init_Bet.Enabled = true;
    if (State.Undo_Counter >= 2) OfferUndo();
}

void Engine::AllDisabled() {
    for (auto& p : Image) p.Visible = false;
    for (auto& b : NumberButton) b.Enabled = false;
    for (auto& p : SpeedButton) p.Visible = false;
    Label_Bankroll.Visible = false;
    ResetBets_Button.Enabled = false;
    GameModes.Enabled = false;
    BetStrategy.Enabled = false;
    Init_Bet.Enabled = false;
    HideUndoCommand();
}

void Engine::HideNumbers() {
    for (auto& p : Image) p.Visible = false;
    for (auto& b : NumberButton) b.Enabled = false;
    for (auto& p : SpeedButton) p.Visible = false;
}

void Engine::NumberPressed() {
    const int n = CurrentNum.Tag;
    if (n >= 0 && n <= 36) Image[static_cast<std::size_t>(n)].Visible = true;
}

void Engine::NumberInactive() {
    const int n = CurrentNum.Tag;
    if (n < 0 || n > 36) return;
    Image[static_cast<std::size_t>(n)].Visible = false;
    SpeedButton[static_cast<std::size_t>(n)].Visible = false;
}

void Engine::HideBets() {
    for (auto& p : Chip) p.Visible = false;
    for (auto& p : FieldHighlight) p.Visible = false;
    for (auto& l : BetSizeShow) l.Visible = false;
}

// ---- History strip ------------------------------------------------------------------

Color Engine::NumberColour(int n) {
    if (n == 0) return kStripGreen;
    return IsRed(n) ? kStripRed : kStripBlack;
}

void Engine::GameHistory() {
    // Swapping down the slots moves every caption one place on; slot 1 then
    // holds the lost oldest caption, which is overwritten below.
    for (std::size_t k = 8; k >= 1; --k) {
        HisNum[k].Colour = HisNum[k - 1].Colour;
        HisNum[k].Caption.swap(HisNum[k - 1].Caption);
    }
    const int n = CurrentNum.Tag;
    HisNum[0].Tag = n;
    HisNum[0].Caption.assign(IntText(n));
    HisNum[0].Colour = NumberColour(n);
}

void Engine::GameHistoryBack() {
    HideBets();
    for (std::size_t k = 0; k < 8; ++k) {
        HisNum[k].Colour = HisNum[k + 1].Colour;
        HisNum[k].Caption = HisNum[k + 1].Caption;
    }
    if (!NumbersList.empty()) NumbersList.pop_back();
    if (!ChBx_Fixed_Number.Checked) SetSpinValue(SpinId::N_Count, CountOf(NumbersList.size()));
    if (State.Spins_Count < State.Warmup_Spins) --State.Spins_Count;
    LoadState();
}

// ---- Undo ------------------------------------------------------------------------------

void Engine::OfferUndo() {
    ImageUndo.Visible = true;
    Undo_Button.Visible = true;
    Image_Cancel3.Visible = false;
}

void Engine::HideUndoCommand() {
    ImageUndo.Visible = false;
    Undo_Button.Visible = false;
}

void Engine::WithdrawUndo() {
    HideUndoCommand();
    Image_Cancel3.Visible = true;
}

void Engine::SaveState() {
    for (auto& line : SaveBets) line = "0";
    for (std::size_t i = 0; i < Chip.size(); ++i)
        if (Chip[i].Visible) SaveBets[i] = FloatToStr(State.Bet_Size);
    Saved = SavedFields::Of(State);
}

void Engine::LoadState() {
    for (std::size_t i = 0; i < 6 && i < SaveBets.size(); ++i) {
        const double stake = StrToFloat(SaveBets[i]);
        if (stake > 0) {
            State.Bet_Size = stake;
            Chip[i].Visible = true;
            FieldHighlight[i].Visible = true;
            State.Bet_Field = static_cast<std::int32_t>(i) + 1;
        }
    }
    if (State.Game_Mode == 5) --State.Adaptive_Row;
    NumberInactive();
    Saved.RestoreInto(State);
}

void Engine::Undo() {
    GameHistoryBack();
    State.Undo_Counter = 0;
    WithdrawUndo();
}

void Engine::Image_Cancel2Click() {
    // The hover picture lies under the cover, so it takes the click only
    // while undo is offered; an empty history has nothing to take back.
    // During a progress run the spin is half done: its snapshot is restored
    // at once, but the run would still propose and stake afterwards, charging
    // the restored stake a second time. The locked board refuses the click.
    if (ProgressRunUnderWay()) return;
    if (UndoOffered() && !NumbersList.empty()) Undo();
}

// ---- Resets --------------------------------------------------------------------------

void Engine::ResetBets() {
    HideUndoCommand();
    GameState& s = State;
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
        s.Profit_Target = Until_Profit.Value() * s.Bet_Size + s.Bankroll;
    } else {
        s.Bet_Size = init;
        s.Reset_Target = s.Bankroll + s.Bet_Size;
    }
    ShowBankroll();
    init = InitialBet();
    s.Phase_Threshold = init * Phase_Correction_Value.Value();
    s.Phase_Base = init;
    s.Losses_Amount = StrToFloat(Losses_ActionValue.Text);
    s.Wins_Amount = StrToFloat(Wins_ActionValue.Text);
    RecomputeUnits(s.Losses_Amount, s.Wins_Amount, init);
}

void Engine::ResetApp() {
    // A run left going would propose and stake a bet in a game that has no
    // numbers any more: the new game starts without it.
    AbandonProgressRuns();
    AllEnabled();
    Image_SkipBet2Click();
    NumbersList.clear();
    // With the history gone there is no spin to take back, also when a later
    // step of the reset fails on a bad input.
    Image_Cancel3.Visible = true;
    for (std::size_t k = 9; k-- > 0;) {
        HisNum[k].Caption.clear();
        HisNum[k].Colour = kStripBlack;
    }
    ResetBets();
    GameState& s = State;
    s.Pattern_Position = 1;
    PatternsTest.clear();
    s.Bets_Played = 0;
    s.Flat_Index = 0;
    s.Matrix_Bets_Played = 0;
    s.DeepScan_Number = 0;
    s.DeepScan_Family = 0;
    s.Spins_Count = 0;
    s.Bet_Field = -1;
    if (!ChBx_Fixed_Number.Checked) SetSpinValue(SpinId::N_Count, 0);
    s.Matrix_Pending = 1;
    if (s.Game_Mode == 3) {
        GameModes.SetItemIndex(2);
        GameModesChange();
    }
    Image_Cancel3.Visible = true;
    ShowBetsPlayed();
}

void Engine::BetStrategyChange() {
    Focus = "ShowBetSize";
    BetStrategy.SetItemIndex(5);
}

}  // namespace rotacle
