// Automatic bet reset, minimal profit, phase correction, and the bank and
// bet inputs.
#include <optional>

#include "game/game.h"
#include "settings/settings_lines.h"

namespace rotacle {

// ---- Checks after a won bet ---------------------------------------------------------------

void Game::BetAutomaticReset_Check() {
    GameState& s = state_;
    if (inputs_.Bet_Automatic_Reset.Checked && s.Bankroll >= s.Reset_Target) {
        const double init = InitialBet();
        s.Reset_Target = init + s.Bankroll;
        s.Bet_Size = init;
        s.Phase_Threshold = init * inputs_.Phase_Correction_Value.Value();
        s.Phase_Base = init;
        s.Losses_Amount = StrToFloat(inputs_.Losses_ActionValue.Text);
        s.Wins_Amount = StrToFloat(inputs_.Wins_ActionValue.Text);
        staking::RecomputeUnits(state_, s.Losses_Amount, s.Wins_Amount, init);
        s.Units_Drawdown = s.Units_Profit = 0;
        ++report_.Cycles_Won;
    }
    if (s.Game_Mode == 3 && s.Matrix_Bets_Played != 0 && inputs_.ChBx_Until_Profit.Checked &&
        s.Bankroll >= s.Profit_Target) {
        if (inputs_.Bet_Automatic_Reset.Checked) ResetBets();
        s.Profit_Target = inputs_.Until_Profit.Value() * InitialBet() + s.Bankroll;
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

void Game::GetMinimalProfit_Check() {
    if (!inputs_.Get_Minimal_Profit.Checked) return;
    GameState& s = state_;
    const double init = InitialBet();
    if (s.Bankroll + s.Bet_Size > s.Reset_Target) {
        const double missing = s.Reset_Target - s.Bankroll;
        // With a zero initial bet the missing amount is taken as it is
        // instead of 0 x (missing / 0), which is no number.
        staking::SetStake(state_, init != 0 ? init * (missing / init) : missing);
        if (s.Bankroll + s.Bet_Size < s.Reset_Target) s.Bet_Size += init;
        if (s.Bet_Size < s.Phase_Base) {
            s.Phase_Threshold = 3 * s.Bet_Size;
            s.Phase_Base = s.Bet_Size;
            const double losses_value = StrToFloat(inputs_.Losses_ActionValue.Text);
            const double wins_value = StrToFloat(inputs_.Wins_ActionValue.Text);
            staking::RecomputeUnits(state_, losses_value, wins_value, init);
        }
    }
    if (init > s.Bet_Size) ResetBets();
}

void Game::Phase_Correction() {
    GameState& s = state_;
    if (!inputs_.ChBx_Phase_Correction.Checked || !(s.Bet_Size >= s.Phase_Threshold)) return;
    s.Phase_Threshold = inputs_.Phase_Correction_Value.Value() * s.Bet_Size;
    s.Phase_Base = s.Bet_Size;
    s.Losses_Amount = s.Losses_Units * s.Phase_Base;
    s.Wins_Amount = s.Wins_Units * s.Phase_Base;
}

// ---- Control handlers ---------------------------------------------------------------------

void Game::Bet_Automatic_ResetClick() {
    ResetBets();
    SetChecked(CheckId::Bet_Automatic_Reset, true);
    WriteSettingsLine(settings_line::kAutomaticReset, inputs_.Bet_Automatic_Reset.Checked ? "1" : "0");
}

void Game::Get_Minimal_ProfitClick() {
    WriteSettingsLine(settings_line::kMinimalProfit, inputs_.Get_Minimal_Profit.Checked ? "1" : "0");
}

void Game::ChBx_Phase_CorrectionClick() {
    inputs_.Phase_Correction_Value.Enabled = inputs_.ChBx_Phase_Correction.Checked;
    WriteSettingsLine(settings_line::kPhaseCorrection, inputs_.ChBx_Phase_Correction.Checked ? "1" : "0");
}

void Game::Phase_Correction_ValueChange() {
    RequestFocus("ShowBetSize");
    if (!inputs_.Phase_Correction_Value.HasText()) return;
    state_.Phase_Threshold = InitialBet() * inputs_.Phase_Correction_Value.Value();
    WriteSettingsLine(settings_line::kPhaseStep, IntToStr(inputs_.Phase_Correction_Value.Value()));
}

void Game::ChBx_Until_ProfitClick() {
    if (inputs_.ChBx_Until_Profit.Checked) {
        state_.Profit_Target = inputs_.Until_Profit.Value() * InitialBet() + state_.Bankroll;
        WriteSettingsLine(settings_line::kRebuildOnProfit, "1");
    } else {
        WriteSettingsLine(settings_line::kRebuildOnProfit, "0");
    }
}

void Game::Until_ProfitChange() {
    if (!inputs_.Until_Profit.HasText()) return;
    WriteSettingsLine(settings_line::kProfitGoal, IntToStr(inputs_.Until_Profit.Value()));
    state_.Profit_Target = inputs_.Until_Profit.Value() * InitialBet() + state_.Bankroll;
}

// ---- Test bank and initial bet ---------------------------------------------------------------

void Game::Test_BankChange() {
    if (!Usable(inputs_.Test_Bank.Text)) return;
    if (amounts_.Refused(EditId::Test_Bank))
        throw AmountGuard::Refusal(EditId::Test_Bank, inputs_.Test_Bank.Text);
    GameState& s = state_;
    s.Bankroll = StrToFloat(inputs_.Test_Bank.Text);
    const double init = InitialBet();
    s.Reset_Target = init + s.Bankroll;
    s.Profit_Target = inputs_.Until_Profit.Value() * init + s.Bankroll;
    ShowBankroll();
}

void Game::Test_BankKeyPress(char& key) {
    key = staking::NumericKeyFilter(inputs_.Test_Bank.Text, key);
    if (Usable(inputs_.Test_Bank.Text) && !amounts_.Refused(EditId::Test_Bank)) {
        state_.Bankroll = StrToFloat(inputs_.Test_Bank.Text);
        ShowBankroll();
    }
}

void Game::Init_BetChange() {
    if (!Usable(inputs_.Init_Bet.Text)) return;
    // Run again on a refused text (the settings loader does): it stops there.
    if (amounts_.Refused(EditId::Init_Bet))
        throw AmountGuard::Refusal(EditId::Init_Bet, inputs_.Init_Bet.Text);
    ResetBets();
    const std::string text = inputs_.Init_Bet.Text;
    SetEditText(EditId::Losses_ActionValue, text);
    SetEditText(EditId::Wins_ActionValue, text);
    WriteSettingsLine(settings_line::kInitBet, text);
}

void Game::Init_BetKeyPress(char& key) {
    key = staking::NumericKeyFilter(inputs_.Init_Bet.Text, key);
    if (Usable(inputs_.Init_Bet.Text)) ResetBets();
}

void Game::ChBx_TestBankClick() {
    const bool on = inputs_.ChBx_TestBank.Checked;
    inputs_.Test_Bank.Enabled = on;
    display_.ShowBankrollLabel(on);
    display_.ShowTestBankCaption(on);
}

void Game::N_CountChange() {
    if (inputs_.N_Count.Value() <= 0) SetSpinValue(SpinId::N_Count, 1);
    if (inputs_.N_Count.HasText())
        record_.WriteNumber(settings_line::kMatrixHistory, inputs_.N_Count.Value());
}

}  // namespace rotacle
