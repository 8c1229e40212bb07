// The staking rules: what a won or lost placed bet does to the stake by the
// player's loss-side and win-side rules. Plain functions over the game record
// and the rule inputs; the initial bet is read only where a rule needs it,
// because reading it may fail on a text that is no number.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/controls.h"
#include "core/game_state.h"

namespace rotacle::staking {

/// The rule inputs as the player set them. The thresholds are read from
/// their edits where a rule compares with them, as the player left them.
struct RuleInputs {
    const ComboBox& loss_type;    ///< "Losses", "Losses In A Row", "Units drawdown"
    const ComboBox& loss_action;  ///< "ADD to bet:" .. "Check WINS", "DO NOTHING"
    const SpinEdit& loss_threshold;
    const ComboBox& win_type;    ///< "Wins", "Wins In A Row", "Units of profit"
    const ComboBox& win_action;  ///< "ADD to bet:" .. "SET bet to:", "DO NOTHING"
    const SpinEdit& win_threshold;
};

/// Reads the initial bet; throws when its text is no number. It refers to
/// a callable that outlives the rule's call (no copy, no allocation).
class InitialBetReader {
public:
    template <class F>
    explicit InitialBetReader(const F& read)
        : read_(&read), call_([](const void* f) { return (*static_cast<const F*>(f))(); }) {}
    double operator()() const { return call_(read_); }

private:
    const void* read_;
    double (*call_)(const void*);
};

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
