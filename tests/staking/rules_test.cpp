// The staking rules on their own: what each loss-side and win-side action
// does to the stake once its rule fires, and the key filter of the money
// edits.
#include "staking/rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace rotacle::staking {
namespace {

enum { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3, kSet = 4, kCheckWins = 5 };
constexpr int kLossDoNothing = 6;
constexpr int kWinDoNothing = 5;

struct ActionRow {
    const char* name;
    int action;
    double amount;
    double stake;
    double expected;
};

std::ostream& operator<<(std::ostream& os, const ActionRow& r) { return os << r.name; }

/// The rule inputs of a rule of the first type ("Losses", "Wins") that fires
/// at one, with the actions `loss_action` and `win_action`.
struct Inputs {
    explicit Inputs(int loss, int win) {
        loss_action.ItemIndex = loss;
        win_action.ItemIndex = win;
        loss_threshold.SetNumber(1);
        win_threshold.SetNumber(1);
    }
    RuleInputs Rules() const {
        return {loss_type, loss_action, loss_threshold, win_type, win_action, win_threshold};
    }

    ComboBox loss_type;
    ComboBox loss_action;
    SpinEdit loss_threshold;
    ComboBox win_type;
    ComboBox win_action;
    SpinEdit win_threshold;
};

// The initial bet that the loss side floors at.
constexpr double kInitialBet = 1;

class LossAction : public ::testing::TestWithParam<ActionRow> {};

TEST_P(LossAction, AppliesToTheStake) {
    const ActionRow r = GetParam();
    const Inputs in(r.action, kAdd);
    GameState s;
    s.Losses_Amount = r.amount;
    s.Bet_Size = r.stake;
    s.Losses_Count = s.Losses_In_Row = 1;  // the settled loss
    const auto init = [] { return kInitialBet; };
    LossRuleCountStage(s, in.Rules(), InitialBetReader(init));
    EXPECT_DOUBLE_EQ(s.Bet_Size, r.expected) << r.name;
    EXPECT_TRUE(std::isfinite(s.Bet_Size));
    const bool gate = r.action == kCheckWins;
    EXPECT_EQ(s.Losses_Count, gate ? 1 : 0) << "the rule clears its counters unless it gates";
    EXPECT_EQ(s.Losses_In_Row, gate ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LossAction,
    ::testing::Values(ActionRow{"add", kAdd, 1, 3, 4}, ActionRow{"subtract", kSubtract, 1, 3, 2},
                      ActionRow{"subtract floors at the initial bet", kSubtract, 5, 3, 1},
                      ActionRow{"multiply", kMultiply, 2, 3, 6}, ActionRow{"divide", kDivide, 2, 6, 3},
                      ActionRow{"divide floors at the initial bet", kDivide, 4, 3, 1},
                      ActionRow{"divide by zero keeps the stake", kDivide, 0, 3, 3},
                      ActionRow{"set", kSet, 7, 3, 7}, ActionRow{"check wins", kCheckWins, 9, 3, 3},
                      ActionRow{"do nothing", kLossDoNothing, 9, 3, 3}));

class WinAction : public ::testing::TestWithParam<ActionRow> {};

TEST_P(WinAction, AppliesToTheStake) {
    const ActionRow r = GetParam();
    const Inputs in(kAdd, r.action);
    GameState s;
    s.Wins_Amount = r.amount;
    s.Bet_Size = r.stake;
    s.Wins_Count = s.Wins_In_Row = 1;  // the settled win
    WinRuleCountStage(s, in.Rules());
    EXPECT_DOUBLE_EQ(s.Bet_Size, r.expected) << r.name;
    EXPECT_EQ(s.Wins_Count, 0);
    EXPECT_EQ(s.Wins_In_Row, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, WinAction,
    ::testing::Values(ActionRow{"add", kAdd, 1, 3, 4}, ActionRow{"subtract", kSubtract, 1, 3, 2},
                      ActionRow{"subtract floors at the amount", kSubtract, 2, 3, 2},
                      ActionRow{"multiply", kMultiply, 2, 3, 6}, ActionRow{"divide", kDivide, 2, 6, 3},
                      ActionRow{"divide floors at the amount", kDivide, 4, 3, 4},
                      ActionRow{"divide by zero keeps the stake", kDivide, 0, 3, 3},
                      ActionRow{"set", kSet, 5, 3, 5}, ActionRow{"do nothing", kWinDoNothing, 9, 3, 3}));

TEST(NumericKeyFilter, DigitsBackspaceAndOnePoint) {
    struct Row {
        const char* text;
        char key;
        char result;
    };
    for (Row r : {Row{"", '5', '5'}, Row{"12", '0', '0'}, Row{"12", '\b', '\b'}, Row{"12", ',', '.'},
                  Row{"12", '.', '.'}, Row{"1.2", '.', 0}, Row{"1.2", ',', 0}, Row{"12", 'a', 0},
                  Row{"12", '-', 0}, Row{"12", ' ', 0}, Row{"12", 'e', 0}, Row{"", '.', '.'}}) {
        EXPECT_EQ(NumericKeyFilter(r.text, r.key), r.result) << r.text << " + '" << r.key << "'";
    }
}

}  // namespace
}  // namespace rotacle::staking
