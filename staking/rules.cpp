// The loss-side and win-side staking rules and their inputs.
#include <cmath>
#include <limits>

#include "core/engine.h"
#include "io/settings_lines.h"

namespace rotacle {

namespace {

// Item indices of the rule lists.
enum LossType { kLosses = 0, kLossesInARow = 1, kUnitsDrawdown = 2 };
enum WinType { kWins = 0, kWinsInARow = 1, kUnitsOfProfit = 2 };
enum Action { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3, kSet = 4 };
constexpr std::int32_t kLossCheckWins = 5;

// Whole initial bets in an amount, truncated toward zero, at least 1.
std::int32_t UnitsOf(double amount, double init) {
    const double q = std::trunc(amount / init);
    if (!(q >= 1)) return 1;  // also catches NaN
    if (q >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
        return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(q);
}

}  // namespace

void Engine::SetBetSizeFinite(double value) {
    // A stake that overflows, divides by zero or passes the largest amount
    // keeps the previous stake: bounded stakes keep the bankroll finite too.
    if (std::fabs(value) <= kMaxAmount) State.Bet_Size = value;
}

void Engine::RecomputeUnits(double losses_value, double wins_value, double init) {
    if (init == 0) return;  // no whole units of a zero bet: keep the previous ones
    State.Losses_Units = UnitsOf(losses_value, init);
    State.Wins_Units = UnitsOf(wins_value, init);
}

bool Engine::LossConditionHolds() const {
    const std::int32_t how_much = Losses_HowMuch.Value();
    switch (Losses_Type.ItemIndex) {
        case kLosses: return State.Losses_Count >= how_much;
        case kLossesInARow: return State.Losses_In_Row >= how_much;
        case kUnitsDrawdown: return State.Units_Drawdown >= how_much;
        default: return false;
    }
}

void Engine::ApplyLossAction() {
    GameState& s = State;
    const double amount = s.Losses_Amount;
    switch (Losses_Action.ItemIndex) {
        case kAdd: SetBetSizeFinite(s.Bet_Size + amount); break;
        case kSubtract: {
            SetBetSizeFinite(s.Bet_Size - amount);
            const double init = InitialBet();
            if (init > s.Bet_Size) s.Bet_Size = init;
            break;
        }
        case kMultiply: SetBetSizeFinite(s.Bet_Size * amount); break;
        case kDivide: {
            if (amount == 0) break;  // dividing by zero leaves the stake as it is
            SetBetSizeFinite(s.Bet_Size / amount);
            const double init = InitialBet();
            if (init > s.Bet_Size) s.Bet_Size = init;
            break;
        }
        case kSet: SetBetSizeFinite(amount); break;
        default: break;  // "Check WINS", "DO NOTHING"
    }
}

void Engine::ApplyWinAction() {
    GameState& s = State;
    const double amount = s.Wins_Amount;
    switch (Wins_Action.ItemIndex) {
        case kAdd: SetBetSizeFinite(s.Bet_Size + amount); break;
        case kSubtract:
            SetBetSizeFinite(s.Bet_Size - amount);
            if (s.Bet_Size < amount) s.Bet_Size = amount;
            break;
        case kMultiply: SetBetSizeFinite(s.Bet_Size * amount); break;
        case kDivide:
            if (amount == 0) break;
            SetBetSizeFinite(s.Bet_Size / amount);
            if (s.Bet_Size < amount) s.Bet_Size = amount;
            break;
        case kSet: SetBetSizeFinite(amount); break;
        default: break;  // "DO NOTHING"
    }
}

void Engine::LossRuleCountStage() {
    const std::int32_t type = Losses_Type.ItemIndex;
    if ((type == kLosses || type == kLossesInARow) && LossConditionHolds()) {
        if (Losses_Action.ItemIndex != kLossCheckWins) State.Losses_Count = State.Losses_In_Row = 0;
        ApplyLossAction();
    }
}

void Engine::LossRuleDrawdownStage() {
    GameState& s = State;
    if (Losses_Type.ItemIndex == kUnitsDrawdown && s.Units_Drawdown >= Losses_HowMuch.Value()) {
        s.Units_Drawdown = s.Units_Profit = 0;
        if (Losses_Action.ItemIndex != kLossCheckWins) s.Losses_Count = s.Losses_In_Row = 0;
        ApplyLossAction();
    }
}

void Engine::GatedWinAction() {
    if (Losses_Action.ItemIndex != kLossCheckWins) {
        ApplyWinAction();
        return;
    }
    if (LossConditionHolds()) {
        State.Losses_Count = State.Losses_In_Row = 0;
        ApplyWinAction();
    }
}

void Engine::WinRuleCountStage() {
    GameState& s = State;
    const std::int32_t type = Wins_Type.ItemIndex;
    const std::int32_t how_much = Wins_HowMuch.Value();
    if ((type == kWins && s.Wins_Count >= how_much) || (type == kWinsInARow && s.Wins_In_Row >= how_much)) {
        s.Wins_Count = s.Wins_In_Row = 0;
        GatedWinAction();
    }
}

void Engine::WinRuleProfitStage() {
    GameState& s = State;
    if (Wins_Type.ItemIndex == kUnitsOfProfit && s.Units_Profit >= Wins_HowMuch.Value()) {
        s.Wins_Count = s.Wins_In_Row = s.Units_Drawdown = s.Units_Profit = 0;
        GatedWinAction();
    }
}

// ---- Value handlers ------------------------------------------------------------------

void Engine::Losses_ActionValueChange() {
    const std::string& text = Losses_ActionValue.Text;
    if (!text.empty() && text != " ") {
        State.Losses_Amount = StrToFloat(text);
        const double init = InitialBet();
        if (init != 0) State.Losses_Units = UnitsOf(State.Losses_Amount, init);
        if (State.Rules_Edit_Flag == 0) BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kLossAmount, text);
    }
    State.Rules_Edit_Flag = 1;
}

void Engine::Wins_ActionValueChange() {
    const std::string& text = Wins_ActionValue.Text;
    if (!text.empty()) {
        State.Wins_Amount = StrToFloat(text);
        const double init = InitialBet();
        if (init != 0) State.Wins_Units = UnitsOf(State.Wins_Amount, init);
        if (State.Rules_Edit_Flag == 0) BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kWinAmount, text);
    }
    State.Rules_Edit_Flag = 1;
}

void Engine::Losses_HowMuchChange() {
    if (Losses_HowMuch.HasText()) {
        if (State.Rules_Edit_Flag == 0) BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kLossThreshold, IntToStr(Losses_HowMuch.Value()));
    }
    State.Rules_Edit_Flag = 1;
}

void Engine::Wins_HowMuchChange() {
    if (Wins_HowMuch.HasText()) {
        if (State.Rules_Edit_Flag == 0) BetStrategy.SetItemIndex(0);
        WriteSettingsLine(settings_line::kBetStrategy, IntToStr(BetStrategy.ItemIndex));
        WriteSettingsLine(settings_line::kWinThreshold, IntToStr(Wins_HowMuch.Value()));
    }
    State.Rules_Edit_Flag = 1;
}

void Engine::Losses_TypeChange() {
    Focus = "ShowBetSize";
    Losses_Type.SetItemIndex(0);
}

void Engine::Losses_ActionChange() {
    Focus = "ShowBetSize";
    Losses_Action.SetItemIndex(0);
}

void Engine::Wins_TypeChange() {
    Focus = "ShowBetSize";
    Wins_Type.SetItemIndex(0);
}

void Engine::Wins_ActionChange() {
    Focus = "ShowBetSize";
    Wins_Action.SetItemIndex(0);
}

char Engine::NumericKeyFilter(std::string_view current_text, char key) {
    if ((key >= '0' && key <= '9') || key == '\b') return key;
    if (key == '.' || key == ',') return current_text.find('.') == std::string_view::npos ? '.' : 0;
    return 0;
}

}  // namespace rotacle
