// The loss-side and win-side staking rules in play: every type, the "Check
// WINS" gate, the value handlers and the list snap-back.
#include <gtest/gtest.h>

#include <cmath>

#include "support/table.h"

namespace rotacle::test {
namespace {

enum { kLosses = 0, kLossesInARow = 1, kUnitsDrawdown = 2 };
enum { kWins = 0, kWinsInARow = 1, kUnitsOfProfit = 2 };
enum { kAdd = 0, kSubtract = 1, kMultiply = 2, kDivide = 3, kSet = 4, kCheckWins = 5 };
constexpr int kLossDoNothing = 6;

// Settles spins on a bet on Red, placed or virtual, with the cycle target out
// of reach so that only the rules move the stake.
class Rules : public Table {
protected:
    void SetUp() override {
        Arrange(e).State().Spins_Count = 6;
        Arrange(e).State().Reset_Target = 1e9;
    }
    void Settle(bool win, bool placed = true) {
        Arrange(e).State().Bet_Field = 3;
        Arrange(e).Table().ShowChip(2, placed);
        Arrange(e).Board().SetCurrentNumber(win ? 1 : 2);
        Do([&] { e.WinLose(); });
    }
    void LossRule(int how_much, int type, int action, const char* amount) {
        e.SetSpinValue(SpinId::Losses_HowMuch, how_much);
        SetLossRule(type, action);
        e.SetEditText(EditId::Losses_ActionValue, amount);
    }
    void WinRule(int how_much, int type, int action, const char* amount) {
        e.SetSpinValue(SpinId::Wins_HowMuch, how_much);
        SetWinRule(type, action);
        e.SetEditText(EditId::Wins_ActionValue, amount);
    }
};

// A loss rule that floors the stake reads the initial bet from its edit at
// that moment. What every action does to the stake is tested on the rules.
TEST_F(Rules, LossRuleFloorsAtTheInitialBetOfItsEdit) {
    struct Row {
        const char* name;
        int action;
        const char* amount;
    };
    for (Row r : {Row{"subtract", kSubtract, "5"}, Row{"divide", kDivide, "4"}}) {
        LossRule(1, kLosses, r.action, r.amount);
        Arrange(e).State().Bet_Size = 3;
        Settle(false);
        EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1) << r.name;
        EXPECT_EQ(e.State().Losses_Count, 0) << r.name;
        EXPECT_EQ(e.State().Losses_In_Row, 0) << r.name;
    }
}

TEST_F(Rules, EverySecondLossDoublesWithLossesTwo) {
    LossRule(2, kLosses, kMultiply, "2");
    std::vector<double> stakes;
    std::vector<int> counts;
    for (int i = 0; i < 4; ++i) {
        Settle(false);
        stakes.push_back(e.State().Bet_Size);
        counts.push_back(e.State().Losses_Count);
    }
    EXPECT_EQ(stakes, (std::vector<double>{1, 2, 2, 4}));
    EXPECT_EQ(counts, (std::vector<int>{1, 0, 1, 0}));
}

TEST_F(Rules, LossesInARowNeedAnUnbrokenRow) {
    LossRule(3, kLossesInARow, kAdd, "1");
    for (bool win : {false, false, true, false}) Settle(win);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2) << "only the win rule added";
    EXPECT_EQ(e.State().Losses_Count, 3);

    FakePlatform p;
    Engine counted(p);
    Arrange(counted).State().Spins_Count = 6;
    Arrange(counted).State().Reset_Target = 1e9;
    Arrange(counted).State().Bet_Field = 3;
    Arrange(counted).Table().ShowChip(2, true);
    counted.SetSpinValue(SpinId::Losses_HowMuch, 3);
    for (int n : {2, 4, 1, 6}) {
        Arrange(counted).Board().SetCurrentNumber(n);
        counted.WinLose();
    }
    EXPECT_DOUBLE_EQ(counted.State().Bet_Size, 3) << "\"Losses\" fires on the fourth bet";
    EXPECT_EQ(counted.State().Losses_Count, 0);
}

TEST_F(Rules, UnitsDrawdownCountsVirtualLossesToo) {
    LossRule(3, kUnitsDrawdown, kAdd, "5");
    Settle(false, false);
    Settle(false, false);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1) << "virtual losses never apply a rule";
    Settle(false, true);  // drawdown 3 on a placed loss
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 6);
    EXPECT_EQ(e.State().Units_Drawdown, 0);
    EXPECT_EQ(e.State().Units_Profit, 0);
    EXPECT_EQ(e.State().Losses_Count, 0);
}

TEST_F(Rules, WinsInARowAndWins) {
    WinRule(2, kWinsInARow, kAdd, "1");
    for (bool win : {true, false, true}) Settle(win);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2) << "the loss rule added; the broken row did not fire";
    Settle(true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
    EXPECT_EQ(e.State().Wins_In_Row, 0);
    EXPECT_EQ(e.State().Wins_Count, 0);

    WinRule(3, kWins, kSet, "10");
    for (bool win : {true, false, true}) Settle(win);
    EXPECT_EQ(e.State().Wins_Count, 2);
    Settle(true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 10);
}

TEST_F(Rules, UnitsOfProfitClearsEveryCounter) {
    WinRule(2, kUnitsOfProfit, kAdd, "3");
    Settle(true, false);
    Settle(true, true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 4);
    EXPECT_EQ(e.State().Units_Profit, 0);
    EXPECT_EQ(e.State().Units_Drawdown, 0);
    EXPECT_EQ(e.State().Wins_Count, 0);
}

TEST_F(Rules, CheckWinsGateOpensAfterEnoughLosses) {
    LossRule(2, kLosses, kCheckWins, "1");
    WinRule(1, kWins, kSet, "1");
    Arrange(e).State().Bet_Size = 5;
    Settle(false);
    Settle(true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 5) << "one loss: the gate stays shut";
    EXPECT_EQ(e.State().Wins_Count, 0) << "the win counters are cleared anyway";
    EXPECT_EQ(e.State().Losses_Count, 1);

    Settle(false);
    EXPECT_EQ(e.State().Losses_Count, 2) << "the gating loss rule keeps its counters";
    Settle(true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_EQ(e.State().Losses_Count, 0);
    EXPECT_EQ(e.State().Losses_In_Row, 0);
}

TEST_F(Rules, CheckWinsOnDrawdownClearsOnlyTheUnits) {
    LossRule(2, kUnitsDrawdown, kCheckWins, "1");
    WinRule(1, kUnitsOfProfit, kAdd, "1");
    Settle(false);
    Settle(false);
    EXPECT_EQ(e.State().Units_Drawdown, 0);
    EXPECT_EQ(e.State().Losses_Count, 2);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    // The profit stage clears the drawdown first, so a drawdown gate never opens.
    for (int i = 0; i < 3; ++i) Settle(true);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
}

TEST_F(Rules, DoNothingStillClearsTheLossCounters) {
    LossRule(2, kLosses, kLossDoNothing, "1");
    Settle(false);
    Settle(false);
    EXPECT_EQ(e.State().Losses_Count, 0);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
}

TEST_F(Rules, HugeMultiplicationKeepsTheStakeFinite) {
    LossRule(1, kLosses, kMultiply, "1000000000000");
    Arrange(e).State().Bet_Size = 1e10;
    Settle(false);
    Settle(false);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1e10) << "a stake past the largest amount keeps the previous one";
    Settle(true);
    EXPECT_TRUE(std::isfinite(e.State().Bankroll));
}

using RuleInputs = Table;

TEST_F(RuleInputs, AmountEditSetsAmountUnitsAndRecord) {
    e.SetEditText(EditId::Losses_ActionValue, "3.5");
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 3.5);
    EXPECT_EQ(e.State().Losses_Units, 3);
    EXPECT_EQ(e.Settings().Settings_Data()[9], "3.5");
    EXPECT_EQ(e.Settings().Settings_Data()[3], "5") << "the strategy index as it stands";
    EXPECT_EQ(e.Inputs().BetStrategy.ItemIndex, 5);

    e.SetEditText(EditId::Wins_ActionValue, "0.25");
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 0.25);
    EXPECT_EQ(e.State().Wins_Units, 1);
    EXPECT_EQ(e.Settings().Settings_Data()[13], "0.25");
}

TEST_F(RuleInputs, FirstEditAfterALoadSwitchesToCustom) {
    Arrange(e).State().Rules_Edit_Flag = 0;
    e.SetSpinValue(SpinId::Wins_HowMuch, 4);
    EXPECT_EQ(e.Inputs().BetStrategy.Text(), "CUSTOM");
    EXPECT_EQ(e.Settings().Settings_Data()[3], "0");
    EXPECT_EQ(e.Settings().Settings_Data()[10], "4");
    EXPECT_EQ(e.State().Rules_Edit_Flag, 1);
    e.SetItemIndex(ComboId::BetStrategy, 2);
    e.SetSpinValue(SpinId::Losses_HowMuch, 6);
    EXPECT_EQ(e.Inputs().BetStrategy.ItemIndex, 2) << "only the first edit switches";
    EXPECT_EQ(e.Settings().Settings_Data()[6], "6");
    EXPECT_EQ(e.Settings().Settings_Data()[3], "2");
}

TEST_F(RuleInputs, BlankTextsWriteNothingButStillSetTheFlag) {
    const Memo before = e.Settings().Settings_Data();
    for (const char* text : {"", " "}) {
        Arrange(e).State().Rules_Edit_Flag = 0;
        e.SetEditText(EditId::Losses_ActionValue, text);
        EXPECT_EQ(e.State().Rules_Edit_Flag, 1);
        Arrange(e).State().Rules_Edit_Flag = 0;
        e.SetSpinText(SpinId::Losses_HowMuch, text);
        EXPECT_EQ(e.State().Rules_Edit_Flag, 1);
    }
    EXPECT_EQ(e.Settings().Settings_Data(), before);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 1);
    EXPECT_EQ(e.Inputs().BetStrategy.ItemIndex, 5);
}

TEST_F(RuleInputs, SingleSpaceInTheWinAmountFails) {
    EXPECT_FALSE(Do([&] { e.SetEditText(EditId::Wins_ActionValue, " "); }));
    EXPECT_EQ(platform.LastMessage(), "' ' is not a valid floating point value");
}

TEST_F(RuleInputs, ListsSnapBackToTheirFirstItem) {
    for (ComboId id :
         {ComboId::Losses_Type, ComboId::Losses_Action, ComboId::Wins_Type, ComboId::Wins_Action}) {
        e.TakeFocusRequest();
        e.SelectItem(id, 2);
        EXPECT_EQ(e.ComboControl(id).ItemIndex, 0);
        EXPECT_EQ(e.Chrome().Focus(), "ShowBetSize");
    }
    EXPECT_EQ(e.Inputs().Losses_Action.Text(), "ADD to bet:");
    e.SelectItem(ComboId::Losses_Type, 9);  // outside the list: no choice
    EXPECT_EQ(e.Inputs().Losses_Type.ItemIndex, 0);
}

TEST_F(RuleInputs, ValueEditsAreReadOnlyForThePlayer) {
    e.TypeKey(EditId::Losses_ActionValue, '7');
    e.TypeKey(SpinId::Wins_HowMuch, '7');
    EXPECT_EQ(e.Inputs().Losses_ActionValue.Text, "1");
    EXPECT_EQ(e.Inputs().Wins_HowMuch.Text(), "1");
}

}  // namespace
}  // namespace rotacle::test
