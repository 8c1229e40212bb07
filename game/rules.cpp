// The loss-side and win-side staking rules and their inputs.
#include <cmath>
#include <limits>

#include "game/game.h"
#include "settings/settings_lines.h"

namespace rotacle {

// ---- Staking rules ---------------------------------------------------------------------

bool Game::LossConditionHolds() const { return staking::LossConditionHolds(state_, RuleSettings()); }
void Game::ApplyLossAction() {
    const auto init = [this] { return InitialBet(); };
    staking::ApplyLossAction(state_, RuleSettings(), staking::InitialBetReader(init));
}
void Game::ApplyWinAction() { staking::ApplyWinAction(state_, RuleSettings()); }
void Game::GatedWinAction() { staking::GatedWinAction(state_, RuleSettings()); }
void Game::LossRuleCountStage() {
    const auto init = [this] { return InitialBet(); };
    staking::LossRuleCountStage(state_, RuleSettings(), staking::InitialBetReader(init));
}
void Game::LossRuleDrawdownStage() {
    const auto init = [this] { return InitialBet(); };
    staking::LossRuleDrawdownStage(state_, RuleSettings(), staking::InitialBetReader(init));
}
void Game::WinRuleCountStage() { staking::WinRuleCountStage(state_, RuleSettings()); }
void Game::WinRuleProfitStage() { staking::WinRuleProfitStage(state_, RuleSettings()); }

// ---- Value handlers ------------------------------------------------------------------

void Game::Losses_ActionValueChange() {
    const std::string& text = inputs_.Losses_ActionValue.Text;
    if (HasEntry(text)) {
        state_.Losses_Amount = StrToFloat(text);
        const double init = InitialBet();
        if (init != 0) state_.Losses_Units = staking::UnitsOf(state_.Losses_Amount, init);
        if (state_.Rules_Edit_Flag == 0) inputs_.BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(inputs_.BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kLossAmount, text);
    }
    state_.Rules_Edit_Flag = 1;
}

void Game::Wins_ActionValueChange() {
    const std::string& text = inputs_.Wins_ActionValue.Text;
    if (!text.empty()) {
        state_.Wins_Amount = StrToFloat(text);
        const double init = InitialBet();
        if (init != 0) state_.Wins_Units = staking::UnitsOf(state_.Wins_Amount, init);
        if (state_.Rules_Edit_Flag == 0) inputs_.BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(inputs_.BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kWinAmount, text);
    }
    state_.Rules_Edit_Flag = 1;
}

void Game::Losses_HowMuchChange() {
    if (inputs_.Losses_HowMuch.HasText()) {
        if (state_.Rules_Edit_Flag == 0) inputs_.BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(inputs_.BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kLossThreshold, IntToStr(inputs_.Losses_HowMuch.Value()));
    }
    state_.Rules_Edit_Flag = 1;
}

void Game::Wins_HowMuchChange() {
    if (inputs_.Wins_HowMuch.HasText()) {
        if (state_.Rules_Edit_Flag == 0) inputs_.BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(inputs_.BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kWinThreshold, IntToStr(inputs_.Wins_HowMuch.Value()));
    }
    state_.Rules_Edit_Flag = 1;
}

void Game::Losses_TypeChange() {
    RequestFocus("ShowBetSize");
    inputs_.Losses_Type.SetItemIndex(0);
    WriteSettingsLine(settings_line::kLossType, IntToStr(inputs_.Losses_Type.ItemIndex));
}

void Game::Losses_ActionChange() {
    RequestFocus("ShowBetSize");
    inputs_.Losses_Action.SetItemIndex(0);
    WriteSettingsLine(settings_line::kLossAction, IntToStr(inputs_.Losses_Action.ItemIndex));
}

void Game::Wins_TypeChange() {
    RequestFocus("ShowBetSize");
    inputs_.Wins_Type.SetItemIndex(0);
    WriteSettingsLine(settings_line::kWinType, IntToStr(inputs_.Wins_Type.ItemIndex));
}

void Game::Wins_ActionChange() {
    RequestFocus("ShowBetSize");
    inputs_.Wins_Action.SetItemIndex(0);
    WriteSettingsLine(settings_line::kWinAction, IntToStr(inputs_.Wins_Action.ItemIndex));
}

}  // namespace rotacle
