// Settlement of the proposed bet: placed and virtual results, the bankroll,
// and the skip of a shown bet.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

// Settles single spins on a crafted state: a bet on Red (placed or not),
// the sixth spin, and a cycle target far away so that no reset interferes.
class Settle : public Table {
protected:
    void SetUp() override {
        Arrange(e).State().Spins_Count = 6;
        Arrange(e).State().Bet_Field = 3;
        Arrange(e).State().Reset_Target = 1e9;
    }
    void Place(bool placed) { Arrange(e).Table().ShowChip(2, placed); }
    bool Settle1(int number) {
        Arrange(e).Board().SetCurrentNumber(number);
        return Do([&] { e.WinLose(); });
    }
};

TEST_F(Settle, PlacedWinPaysTwiceTheStake) {
    Place(true);
    Arrange(e).State().Bankroll = 999;
    Arrange(e).State().Losses_In_Row = 2;
    Arrange(e).State().Miss_Streak = 4;
    Settle1(1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1001);
    EXPECT_EQ(e.State().Flat_Index, 18);
    EXPECT_EQ(e.State().Wins_In_Row, 0) << "cleared by the default win rule";
    EXPECT_EQ(e.State().Losses_In_Row, 0);
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_EQ(e.State().Units_Drawdown, -1);
    EXPECT_EQ(e.State().Units_Profit, 1);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
}

TEST_F(Settle, PlacedLossLeavesTheBankroll) {
    Place(true);
    e.SetSpinValue(SpinId::Losses_HowMuch, 5);  // the rule does not fire yet
    Arrange(e).State().Bankroll = 999;
    Arrange(e).State().Wins_In_Row = 3;
    Settle1(0);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
    EXPECT_EQ(e.State().Flat_Index, -18);
    EXPECT_EQ(e.State().Losses_Count, 1);
    EXPECT_EQ(e.State().Losses_In_Row, 1);
    EXPECT_EQ(e.State().Wins_In_Row, 0);
    EXPECT_EQ(e.State().Miss_Streak, 1);
    EXPECT_EQ(e.State().Units_Drawdown, 1);
    EXPECT_EQ(e.State().Units_Profit, -1);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
}

TEST_F(Settle, VirtualResultsMoveOnlyStreakAndUnits) {
    Place(false);
    Arrange(e).State().Bankroll = 1000;
    for (int n : {2, 4, 1}) Settle1(n);  // lose, lose, win
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_EQ(e.State().Units_Drawdown, 1);
    EXPECT_EQ(e.State().Units_Profit, -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(e.State().Flat_Index, 0);
    EXPECT_EQ(e.State().Wins_Count + e.State().Losses_Count, 0);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1) << "no rule runs without a placed bet";
}

TEST_F(Settle, NoFieldChosenIsAVirtualLoss) {
    Place(false);
    Arrange(e).State().Bet_Field = -1;
    for (int n = 1; n <= 3; ++n) Settle1(n);
    EXPECT_EQ(e.State().Miss_Streak, 3);
    EXPECT_EQ(e.State().Units_Drawdown, 3);
    EXPECT_EQ(e.State().Units_Profit, -3);
}

TEST_F(Settle, NothingIsSettledUpToTheFifthSpin) {
    Place(true);
    Arrange(e).State().Spins_Count = 5;
    Settle1(1);
    EXPECT_EQ(e.State().Flat_Index, 0);
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
}

TEST_F(Settle, WinEndsTheLosingStreakButNotTheLossCount) {
    Place(true);
    e.SetSpinValue(SpinId::Losses_HowMuch, 3);
    for (int n : {2, 4, 1}) Settle1(n);
    EXPECT_EQ(e.State().Losses_In_Row, 0);
    EXPECT_EQ(e.State().Losses_Count, 2);
}

using Stakes = Table;

TEST_F(Stakes, BankrollIsTheMoneyNotOnTheTable) {
    WarmUp();
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
    LoseNext();  // the lost stake stays gone; the next stake of 2 leaves too
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 997);
    EXPECT_DOUBLE_EQ(Money(), 999);
    WinNext();  // 997 + 2 x 2 = 1001 wins the cycle; the new stake of 1 leaves
    EXPECT_DOUBLE_EQ(Money(), 1001);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
}

TEST_F(Stakes, StakeLargerThanTheBankrollIsStillPlaced) {
    Do([&] { e.SetEditText(EditId::Test_Bank, "3"); });
    Do([&] { e.SetEditText(EditId::Init_Bet, "5"); });
    WarmUp();
    EXPECT_NE(ShownChip(), -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, -2);
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "-2");
}

TEST_F(Stakes, SkipReturnsTheStakeAndTheNextSpinIsVirtual) {
    WarmUp();
    ASSERT_EQ(e.State().Bets_Played, 1);
    Refresh();
    ASSERT_FALSE(e.Table().Image_SkipBet3().Visible);
    Do([&] { e.Image_SkipBet2Click(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_FALSE(e.Table().FieldHighlight()[3].Visible);
    for (const auto& l : e.Table().BetSizeShow()) EXPECT_FALSE(l.Visible);
    EXPECT_TRUE(e.Table().Image_SkipBet3().Visible);
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_EQ(e.State().Matrix_Bets_Played, -1);

    Spin(WinningNumber(4));
    EXPECT_EQ(e.State().Flat_Index, 0) << "settled as a virtual result";
    EXPECT_EQ(e.State().Units_Profit, 1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999) << "only the new proposal's stake is out";
}

TEST_F(Stakes, SkipWithoutABetDoesNothing) {
    Spins({1, 2});
    Do([&] { e.Image_SkipBet2Click(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 0);
}

TEST_F(Stakes, BalanceCheckTakesOneStakeOnlyForAShownBet) {
    Arrange(e).State().Bet_Size = 3;
    Do([&] { e.Balance_Check(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    Arrange(e).Table().ShowChip(0, true);
    Arrange(e).Table().ShowChip(5, true);  // two chips are still one stake
    Do([&] { e.Balance_Check(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 997);
}

// A win is booked, then the cycle check cannot read the initial bet: the
// message is shown, the settled bet leaves the table and the spin goes on to
// its next proposal, so no stake can be refunded twice and the board opens.
TEST_F(Stakes, StakingErrorAfterAWinLeavesNoStaleBet) {
    WarmUp();
    ASSERT_NE(ShownChip(), -1);
    Arrange(e).Inputs().Init_Bet.Text = ".";  // pasted: no key filter, and "." is not usable, so nothing ran
    const double money = Money();
    const double stake = e.State().Bet_Size;
    Spin(WinningNumber(e.State().Bet_Field));
    EXPECT_EQ(platform.LastMessage(), "'.' is not a valid floating point value");
    EXPECT_TRUE(e.Inputs().GameModes.Enabled) << "the board must not stay locked";
    EXPECT_EQ(e.TimerControl(TimerId::Mode2Timer).Enabled, false);
    // The win was paid; any bet shown now is the new proposal with its stake booked.
    EXPECT_DOUBLE_EQ(Money(), money + stake);
    const double after = Money();
    Do([&] { e.Image_SkipBet2Click(); });
    Do([&] { e.ResetApp(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, after);
}

}  // namespace
}  // namespace rotacle::test
