#include "staking/rules.h"

#include <cmath>

#include "core/convert.h"

namespace rotacle::staking {

namespace {

// Item indices of the rule lists.
enum LossType { kLosses = 0, kLossesInARow = 1, kUnitsDrawdown = 2 };
enum WinType { kWins = 0, kWinsInARow = 1, kUnitsOfProfit = 2 };
enum Action { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3, kSet = 4 };
constexpr std::int32_t kLossCheckWins = 5;

}  // namespace

std::int32_t UnitsOf(double amount, double init) {
    const double q = std::trunc(amount / init);
    if (!(q >= 1)) return 1;  // also catches NaN
    if (q >= static_cast<double>(kMaxCount)) return kMaxCount;
    return static_cast<std::int32_t>(q);
}

void SetStake(GameState& s, double value) {
    // A stake that overflows, divides by zero or passes the largest amount
    // keeps the previous stake: bounded stakes keep the bankroll finite too.
    if (std::fabs(value) <= kMaxAmount) s.Bet_Size = value;
}

void RecomputeUnits(GameState& s, double losses_value, double wins_value, double init) {
    if (init == 0) return;  // no whole units of a zero bet: keep the previous ones
    s.Losses_Units = UnitsOf(losses_value, init);
    s.Wins_Units = UnitsOf(wins_value, init);
}

bool LossConditionHolds(const GameState& s, const RuleInputs& in) {
    const std::int32_t how_much = in.loss_threshold.Value();
    switch (in.loss_type.ItemIndex) {
        case kLosses: return s.Losses_Count >= how_much;
        case kLossesInARow: return s.Losses_In_Row >= how_much;
        case kUnitsDrawdown: return s.Units_Drawdown >= how_much;
        default: return false;
    }
}

void ApplyLossAction(GameState& s, const RuleInputs& in, const InitialBetReader& InitialBet) {
    const double amount = s.Losses_Amount;
    switch (in.loss_action.ItemIndex) {
        case kAdd: SetStake(s, s.Bet_Size + amount); break;
        case kSubtract: {
            SetStake(s, s.Bet_Size - amount);
            const double init = InitialBet();
            if (init > s.Bet_Size) s.Bet_Size = init;
            break;
        }
        case kMultiply: SetStake(s, s.Bet_Size * amount); break;
        case kDivide: {
            if (amount == 0) break;  // dividing by zero leaves the stake as it is
            SetStake(s, s.Bet_Size / amount);
            const double init = InitialBet();
            if (init > s.Bet_Size) s.Bet_Size = init;
            break;
        }
        case kSet: SetStake(s, amount); break;
        default: break;  // "Check WINS", "DO NOTHING"
    }
}

void ApplyWinAction(GameState& s, const RuleInputs& in) {
    const double amount = s.Wins_Amount;
    switch (in.win_action.ItemIndex) {
        case kAdd: SetStake(s, s.Bet_Size + amount); break;
        case kSubtract:
            SetStake(s, s.Bet_Size - amount);
            if (s.Bet_Size < amount) s.Bet_Size = amount;
            break;
        case kMultiply: SetStake(s, s.Bet_Size * amount); break;
        case kDivide:
            if (amount == 0) break;
            SetStake(s, s.Bet_Size / amount);
            if (s.Bet_Size < amount) s.Bet_Size = amount;
            break;
        case kSet: SetStake(s, amount); break;
        default: break;  // "DO NOTHING"
    }
}

void LossRuleCountStage(GameState& s, const RuleInputs& in, const InitialBetReader& init) {
    const std::int32_t type = in.loss_type.ItemIndex;
    if ((type == kLosses || type == kLossesInARow) && LossConditionHolds(s, in)) {
        if (in.loss_action.ItemIndex != kLossCheckWins) s.Losses_Count = s.Losses_In_Row = 0;
        ApplyLossAction(s, in, init);
    }
}

void LossRuleDrawdownStage(GameState& s, const RuleInputs& in, const InitialBetReader& init) {
    if (in.loss_type.ItemIndex == kUnitsDrawdown && s.Units_Drawdown >= in.loss_threshold.Value()) {
        s.Units_Drawdown = s.Units_Profit = 0;
        if (in.loss_action.ItemIndex != kLossCheckWins) s.Losses_Count = s.Losses_In_Row = 0;
        ApplyLossAction(s, in, init);
    }
}

void GatedWinAction(GameState& s, const RuleInputs& in) {
    if (in.loss_action.ItemIndex != kLossCheckWins) {
        ApplyWinAction(s, in);
        return;
    }
    if (LossConditionHolds(s, in)) {
        s.Losses_Count = s.Losses_In_Row = 0;
        ApplyWinAction(s, in);
    }
}

void WinRuleCountStage(GameState& s, const RuleInputs& in) {
    const std::int32_t type = in.win_type.ItemIndex;
    const std::int32_t how_much = in.win_threshold.Value();
    if ((type == kWins && s.Wins_Count >= how_much) || (type == kWinsInARow && s.Wins_In_Row >= how_much)) {
        s.Wins_Count = s.Wins_In_Row = 0;
        GatedWinAction(s, in);
    }
}

void WinRuleProfitStage(GameState& s, const RuleInputs& in) {
    if (in.win_type.ItemIndex == kUnitsOfProfit && s.Units_Profit >= in.win_threshold.Value()) {
        s.Wins_Count = s.Wins_In_Row = s.Units_Drawdown = s.Units_Profit = 0;
        GatedWinAction(s, in);
    }
}

char NumericKeyFilter(std::string_view current_text, char key) {
    if ((key >= '0' && key <= '9') || key == '\b') return key;
    if (key == '.' || key == ',') return current_text.find('.') == std::string_view::npos ? '.' : 0;
    return 0;
}

}  // namespace rotacle::staking
