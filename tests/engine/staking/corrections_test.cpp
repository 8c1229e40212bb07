// Automatic bet reset, minimal profit and phase correction, with their
// control handlers.
#include <gtest/gtest.h>

#include <cmath>

#include "support/table.h"

namespace rotacle::test {
namespace {

using AutoReset = Table;

TEST_F(AutoReset, LoseLoseWinRaisesTheStakeWithoutAReset) {
    WarmUp();
    std::vector<double> stakes;
    LoseNext();
    stakes.push_back(e.State().Bet_Size);
    LoseNext();
    stakes.push_back(e.State().Bet_Size);
    WinNext();  // 994 + 2 x 3 = 1000, below the target 1001
    stakes.push_back(e.State().Bet_Size);
    EXPECT_EQ(stakes, (std::vector<double>{2, 3, 4}));
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1001);
    EXPECT_DOUBLE_EQ(Money(), 1000);
}

TEST_F(AutoReset, WonCycleStartsTheNextAtTheInitialBet) {
    e.SetChecked(CheckId::ChBx_Phase_Correction, true);
    e.SetSpinValue(SpinId::Phase_Correction_Value, 4);
    WarmUp();
    LoseNext();
    LoseNext();
    LoseNext();  // stake 4 reaches the phase threshold 4: amounts become 4
    ASSERT_DOUBLE_EQ(e.State().Losses_Amount, 4);
    WinNext();  // 990 + 8 = 998 < 1001: stake 4 + 4 = 8
    ASSERT_DOUBLE_EQ(e.State().Bet_Size, 8);
    Arrange(e).State().Losses_Count = 2;
    WinNext();  // 990 + 16 = 1006 >= 1001
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1007);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 4);
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 1);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 1);
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 1);
    EXPECT_EQ(e.State().Units_Drawdown, 0);
    EXPECT_EQ(e.State().Units_Profit, 0);
    EXPECT_EQ(e.State().Losses_Count, 2) << "the cycle start leaves the win and loss counters";
}

TEST_F(AutoReset, ClickOnlyResetsTheBetsAndStaysChecked) {
    WarmUp();
    LoseNext();
    ASSERT_DOUBLE_EQ(e.State().Bet_Size, 2);
    const double money = Money();
    e.SetChecked(CheckId::Bet_Automatic_Reset, false);
    EXPECT_TRUE(e.Inputs().Bet_Automatic_Reset.Checked);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(Money(), money);
    EXPECT_EQ(e.Settings().Settings_Data()[17], "1") << "the box has no settings writer";
}

class MinimalProfit : public Table {
protected:
    void SetUp() override { e.SetChecked(CheckId::Get_Minimal_Profit, true); }
};

TEST_F(MinimalProfit, TrimsTheStakeToLandOnTheTarget) {
    Arrange(e).State().Bankroll = 998;
    Arrange(e).State().Reset_Target = 1001;
    Arrange(e).State().Bet_Size = 5;
    ASSERT_TRUE(Do([&] { e.GetMinimalProfit_Check(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 1) << "3 is not below the base";
}

TEST_F(MinimalProfit, TrimBelowTheInitialBetResetsTheBets) {
    Arrange(e).State().Bankroll = 1000.5;
    Arrange(e).State().Reset_Target = 1001;
    Arrange(e).State().Bet_Size = 4;
    Arrange(e).State().Wins_Count = 2;
    ASSERT_TRUE(Do([&] { e.GetMinimalProfit_Check(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1001.5);
    EXPECT_EQ(e.State().Wins_Count, 0);
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 1);
}

TEST_F(MinimalProfit, TrimBelowThePhaseBaseRebasesIt) {
    e.SetEditText(EditId::Init_Bet, "0.5");
    Arrange(e).State().Bankroll = 1000;
    Arrange(e).State().Reset_Target = 1000.75;
    Arrange(e).State().Bet_Size = 4;
    Arrange(e).State().Phase_Base = 2;
    ASSERT_TRUE(Do([&] { e.GetMinimalProfit_Check(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 0.75);
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 0.75);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 2.25) << "three times the stake, not the phase step";
}

TEST_F(MinimalProfit, LeavesAStakeThatDoesNotOvershoot) {
    Arrange(e).State().Bankroll = 990;
    Arrange(e).State().Reset_Target = 1001;
    Arrange(e).State().Bet_Size = 5;
    ASSERT_TRUE(Do([&] { e.GetMinimalProfit_Check(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 5);
}

TEST_F(MinimalProfit, OffLeavesTheStake) {
    e.SetChecked(CheckId::Get_Minimal_Profit, false);
    Arrange(e).State().Bankroll = 998;
    Arrange(e).State().Reset_Target = 1001;
    Arrange(e).State().Bet_Size = 5;
    Do([&] { e.GetMinimalProfit_Check(); });
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 5);
}

TEST_F(MinimalProfit, MendedZeroInitialBetUsesTheMissingAmount) {
    // No input takes an initial bet of 0 any more; the check stays safe with one.
    Arrange(e).Inputs().Init_Bet.Text = "0";
    Arrange(e).State().Bankroll = 998;
    Arrange(e).State().Reset_Target = 1001;
    Arrange(e).State().Bet_Size = 5;
    ASSERT_TRUE(Do([&] { e.GetMinimalProfit_Check(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
    EXPECT_TRUE(std::isfinite(e.State().Phase_Threshold));
}

TEST_F(MinimalProfit, InsideASpinNoMoneyIsMadeOrLost) {
    // A won stake that lands between the target and one initial bet short of
    // it makes the check reset the bets while the settled chip still shows.
    e.SetEditText(EditId::Init_Bet, "2");
    WarmUp();
    LoseNext();  // stake 4, bankroll 1000 - 2 - 4 = 994
    ASSERT_DOUBLE_EQ(e.State().Bankroll, 994);
    Arrange(e).State().Reset_Target = 1003;  // 994 + 8 = 1002: not reached
    const double money = Money();
    WinNext();
    EXPECT_DOUBLE_EQ(Money(), money + 4);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2) << "the trimmed stake 1 is below the initial bet";
}

TEST_F(MinimalProfit, ClickWritesTheRecord) {
    EXPECT_EQ(e.Settings().Settings_Data()[16], "1");
    e.SetChecked(CheckId::Get_Minimal_Profit, false);
    EXPECT_EQ(e.Settings().Settings_Data()[16], "0");
}

using PhaseCorrection = Table;

TEST_F(PhaseCorrection, StakesOneTwoThreeSixNine) {
    e.SetChecked(CheckId::ChBx_Phase_Correction, true);
    EXPECT_TRUE(e.Inputs().Phase_Correction_Value.Enabled);
    EXPECT_EQ(e.Settings().Settings_Data()[29], "1");
    WarmUp();
    struct Step {
        double stake, amount, threshold;
    };
    std::vector<Step> seen{{e.State().Bet_Size, e.State().Losses_Amount, e.State().Phase_Threshold}};
    for (int i = 0; i < 5; ++i) {
        LoseNext();
        seen.push_back({e.State().Bet_Size, e.State().Losses_Amount, e.State().Phase_Threshold});
    }
    const std::vector<Step> want{{1, 1, 3}, {2, 1, 3}, {3, 3, 9}, {6, 3, 9}, {9, 9, 27}, {18, 9, 27}};
    ASSERT_EQ(seen.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
        EXPECT_DOUBLE_EQ(seen[i].stake, want[i].stake) << i;
        EXPECT_DOUBLE_EQ(seen[i].amount, want[i].amount) << i;
        EXPECT_DOUBLE_EQ(seen[i].threshold, want[i].threshold) << i;
    }
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 9);
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 9);
    WinNext();  // 961 + 36 = 997: stake 18 + 9 = 27 reaches the threshold
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 27);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 81);
    WinNext();  // the cycle is won: everything back to the initial bet
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 1);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 3);
}

TEST_F(PhaseCorrection, OffKeepsTheAmountsOfTheEdits) {
    WarmUp();
    for (int i = 0; i < 6; ++i) LoseNext();
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 7);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 1);
    EXPECT_DOUBLE_EQ(e.State().Wins_Amount, 1);
}

TEST_F(PhaseCorrection, ControlHandlers) {
    e.SetChecked(CheckId::ChBx_Phase_Correction, true);
    e.SetChecked(CheckId::ChBx_Phase_Correction, false);
    EXPECT_FALSE(e.Inputs().Phase_Correction_Value.Enabled);
    EXPECT_EQ(e.Settings().Settings_Data()[29], "0");

    e.SetEditText(EditId::Init_Bet, "2");
    e.SetSpinValue(SpinId::Phase_Correction_Value, 5);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 10);
    EXPECT_EQ(e.Settings().Settings_Data()[30], "5");
    EXPECT_EQ(e.Chrome().Focus(), "ShowBetSize");
    e.SetSpinText(SpinId::Phase_Correction_Value, "");
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 10);
    EXPECT_EQ(e.Settings().Settings_Data()[30], "5");
}

TEST_F(PhaseCorrection, UntilProfitControls) {
    e.SetEditText(EditId::Init_Bet, "2");
    e.SetSpinValue(SpinId::Until_Profit, 4);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 1008);
    EXPECT_EQ(e.Settings().Settings_Data()[26], "4");
    e.SetChecked(CheckId::ChBx_Until_Profit, false);
    EXPECT_EQ(e.Settings().Settings_Data()[25], "0");
    Arrange(e).State().Bankroll = 500;
    e.SetChecked(CheckId::ChBx_Until_Profit, true);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 508);
    EXPECT_EQ(e.Settings().Settings_Data()[25], "1");
}

TEST_F(PhaseCorrection, RebuildOnProfitNeverRunsOutsideModeThree) {
    WarmUp();
    Arrange(e).State().Matrix_Bets_Played = 3;
    Arrange(e).State().Profit_Target = 0;
    const int bets = e.State().Bets_Played;
    WinNext();
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 0);
    EXPECT_EQ(e.State().Bets_Played, bets + 1);
    EXPECT_TRUE(e.Modes().PatternsTest().empty());
}

}  // namespace
}  // namespace rotacle::test
