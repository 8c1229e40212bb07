// The staking rules: what a won or lost placed bet does to the stake by the
// player's loss-side and win-side rules. Plain functions over the game record
// and the rule inputs; the initial bet is read only where a rule needs it,
// because reading it may fail on a text that is no number.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "core/game_state.h"

namespace rotacle::staking {

/// The rule inputs as the player set them (item indices and thresholds).
struct RuleInputs {
    std::int32_t loss_type = 0;    ///< "Losses", "Losses In A Row", "Units drawdown"
    std::int32_t loss_action = 0;  ///< "ADD to bet:" .. "Check WINS", "DO NOTHING"
    std::int32_t loss_threshold = 1;
    std::int32_t win_type = 0;    ///< "Wins", "Wins In A Row", "Units of profit"
    std::int32_t win_action = 0;  ///< "ADD to bet:" .. "SET bet to:", "DO NOTHING"
    std::int32_t win_threshold = 1;
};

/// Reads the initial bet; throws when its text is no number.
using InitialBetReader = std::function<double()>;

/// Whole initial bets in an amount, truncated toward zero, at least 1.
std::int32_t UnitsOf(double amount, double init);
/// Sets the stake unless the value is no number or beyond the largest amount.
void SetStake(GameState& s, double value);
/// The rule amounts in whole initial bets; nothing changes for a zero bet.
void RecomputeUnits(GameState& s, double losses_value, double wins_value, double init);

bool LossConditionHolds(const GameState& s, const RuleInputs& in);
void ApplyLossAction(GameState& s, const RuleInputs& in, const InitialBetReader& init);
void ApplyWinAction(GameState& s, const RuleInputs& in);
/// The win action, held back by "Check WINS" until the loss condition holds.
void GatedWinAction(GameState& s, const RuleInputs& in);
void LossRuleCountStage(GameState& s, const RuleInputs& in, const InitialBetReader& init);
void LossRuleDrawdownStage(GameState& s, const RuleInputs& in, const InitialBetReader& init);
void WinRuleCountStage(GameState& s, const RuleInputs& in);
void WinRuleProfitStage(GameState& s, const RuleInputs& in);

/// Numeric key filter of the money edits: the character to insert, or 0
/// when it is dropped.
char NumericKeyFilter(std::string_view current_text, char key);

}  // namespace rotacle::staking
