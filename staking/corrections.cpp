// Automatic bet reset, minimal profit, phase correction, and the bank and
// bet inputs.
#include "core/engine.h"
#include "io/settings_lines.h"

namespace rotacle {

namespace {

// A money text is taken from its edit only when it is not empty and does not
// start with the decimal point.
bool Usable(std::string_view text) { return !text.empty() && text.front() != '.'; }

}  // namespace

// ---- Checks after a won bet ---------------------------------------------------------------

void Engine::BetAutomaticReset_Check() {
    GameState& s = State;
    if (Bet_Automatic_Reset.Checked && s.Bankroll >= s.Reset_Target) {
        const double init = InitialBet();
        s.Reset_Target = init + s.Bankroll;
        s.Bet_Size = init;
        s.Phase_Threshold = init * Phase_Correction_Value.Value();
        s.Phase_Base = init;
        s.Losses_Amount = StrToFloat(Losses_ActionValue.Text);
        s.Wins_Amount = StrToFloat(Wins_ActionValue.Text);
        RecomputeUnits(s.Losses_Amount, s.Wins_Amount, init);
        s.Units_Drawdown = s.Units_Profit = 0;
        ++Report.Cycles_Won;
    }
    if (s.Game_Mode == 3 && s.Matrix_Bets_Played != 0 && ChBx_Until_Profit.Checked &&
        s.Bankroll >= s.Profit_Target) {
        if (Bet_Automatic_Reset.Checked) ResetBets();
        s.Profit_Target = Until_Profit.Value() * InitialBet() + s.Bankroll;
        // The rebuild proposes at once and stakes and counts its proposal;
        // the mode start then hides it and proposes again. One stake back and
        // one bet off in advance keep the money and the count of that hidden
        // proposal even.
        const double bankroll = s.Bankroll;
        const double target = s.Profit_Target;
        const std::int32_t played = s.Bets_Played;
        if (AnyChipVisible()) {
            s.Bankroll += s.Bet_Size;
            s.Profit_Target -= s.Bet_Size;
        }
        --s.Bets_Played;
        CreateMatrix();
        // A rebuild that shows no proposal (safety level, trend choice, no
        // winning pattern) staked and counted nothing: nothing to make even.
        if (!AnyChipVisible()) {
            s.Bankroll = bankroll;
            s.Profit_Target = target;
            s.Bets_Played = played;
        }
    }
}

void Engine::GetMinimalProfit_Check() {
    if (!Get_Minimal_Profit.Checked) return;
    GameState& s = State;
    const double init = InitialBet();
    if (s.Bankroll + s.Bet_Size > s.Reset_Target) {
        const double missing = s.Reset_Target - s.Bankroll;
        // With a zero initial bet the missing amount is taken as it is
        // instead of 0 x (missing / 0), which is no number.
        SetBetSizeFinite(init != 0 ? init * (missing / init) : missing);
        if (s.Bankroll + s.Bet_Size < s.Reset_Target) s.Bet_Size += init;
        if (s.Bet_Size < s.Phase_Base) {
            s.Phase_Threshold = 3 * s.Bet_Size;
            s.Phase_Base = s.Bet_Size;
            const double losses_value = StrToFloat(Losses_ActionValue.Text);
            const double wins_value = StrToFloat(Wins_ActionValue.Text);
            RecomputeUnits(losses_value, wins_value, init);
        }
    }
    if (init > s.Bet_Size) ResetBets();
}

void Engine::Phase_Correction() {
    GameState& s = State;
    if (!ChBx_Phase_Correction.Checked || !(s.Bet_Size >= s.Phase_Threshold)) return;
    s.Phase_Threshold = Phase_Correction_Value.Value() * s.Bet_Size;
    s.Phase_Base = s.Bet_Size;
    s.Losses_Amount = s.Losses_Units * s.Phase_Base;
    s.Wins_Amount = s.Wins_Units * s.Phase_Base;
}

// ---- Control handlers ---------------------------------------------------------------------

void Engine::Bet_Automatic_ResetClick() {
    ResetBets();
    SetChecked(CheckId::Bet_Automatic_Reset, true);
}

void Engine::Get_Minimal_ProfitClick() {
    WriteSettingsLine(settings_line::kMinimalProfit, Get_Minimal_Profit.Checked ? "1" : "0");
}

void Engine::ChBx_Phase_CorrectionClick() {
    Phase_Correction_Value.Enabled = ChBx_Phase_Correction.Checked;
    WriteSettingsLine(settings_line::kPhaseCorrection, ChBx_Phase_Correction.Checked ? "1" : "0");
}

void Engine::Phase_Correction_ValueChange() {
    Focus = "ShowBetSize";
    if (!Phase_Correction_Value.HasText()) return;
    State.Phase_Threshold = InitialBet() * Phase_Correction_Value.Value();
    WriteSettingsLine(settings_line::kPhaseStep, IntToStr(Phase_Correction_Value.Value()));
}

void Engine::ChBx_Until_ProfitClick() {
    if (ChBx_Until_Profit.Checked) {
        State.Profit_Target = Until_Profit.Value() * InitialBet() + State.Bankroll;
        WriteSettingsLine(settings_line::kRebuildOnProfit, "1");
    } else {
        WriteSettingsLine(settings_line::kRebuildOnProfit, "0");
    }
}

void Engine::Until_ProfitChange() {
    if (!Until_Profit.HasText()) return;
    WriteSettingsLine(settings_line::kProfitGoal, IntToStr(Until_Profit.Value()));
    State.Profit_Target = Until_Profit.Value() * InitialBet() + State.Bankroll;
}

// ---- Test bank and initial bet ---------------------------------------------------------------

void Engine::Test_BankChange() {
    if (!Usable(Test_Bank.Text)) return;
    GameState& s = State;
    s.Bankroll = StrToFloat(Test_Bank.Text);
    const double init = InitialBet();
    s.Reset_Target = init + s.Bankroll;
    s.Profit_Target = Until_Profit.Value() * init + s.Bankroll;
    ShowBankroll();
}

void Engine::Test_BankKeyPress(char& key) {
    key = NumericKeyFilter(Test_Bank.Text, key);
    if (Usable(Test_Bank.Text)) {
        State.Bankroll = StrToFloat(Test_Bank.Text);
        ShowBankroll();
    }
}

void Engine::Init_BetChange() {
    if (!Usable(Init_Bet.Text)) return;
    ResetBets();
    const std::string text = Init_Bet.Text;
    SetEditText(EditId::Losses_ActionValue, text);
    SetEditText(EditId::Wins_ActionValue, text);
    WriteSettingsLine(settings_line::kInitBet, text);
}

void Engine::Init_BetKeyPress(char& key) {
    key = NumericKeyFilter(Init_Bet.Text, key);
    if (Usable(Init_Bet.Text)) ResetBets();
}

void Engine::ChBx_TestBankClick() {
    const bool on = ChBx_TestBank.Checked;
    Test_Bank.Enabled = on;
    Label_Bankroll.Visible = on;
    Label9.Colour = on ? 8421504 : 5460819;
}

void Engine::N_CountChange() {
    if (N_Count.Value() <= 0) SetSpinValue(SpinId::N_Count, 1);
    if (N_Count.HasText()) WriteSettingsLine(settings_line::kMatrixHistory, IntText(N_Count.Value()));
}

}  // namespace rotacle
