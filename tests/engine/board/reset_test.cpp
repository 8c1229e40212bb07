// The bet reset and the application reset.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Resets = Table;

TEST_F(Resets, BetResetWithAShownBetRestakesAtTheInitialBet) {
    e.SetSpinValue(SpinId::Until_Profit, 5);
    Arrange(e).Table().ShowChip(2, true);
    Arrange(e).State().Bet_Field = 3;
    Arrange(e).State().Bet_Size = 4;
    Arrange(e).State().Bankroll = 996;
    Arrange(e).State().Wins_Count = Arrange(e).State().Wins_In_Row = Arrange(e).State().Losses_Count =
        Arrange(e).State().Losses_In_Row = 3;
    Arrange(e).State().Units_Drawdown = -2;
    Arrange(e).State().Units_Profit = 2;
    ASSERT_TRUE(Do([&] { e.ResetBets(); }));
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1000);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 1004);
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "999");
    EXPECT_EQ(e.State().Wins_Count + e.State().Wins_In_Row + e.State().Losses_Count + e.State().Losses_In_Row,
              0);
    EXPECT_EQ(e.State().Units_Drawdown, 0);
    EXPECT_EQ(e.State().Units_Profit, 0);
    EXPECT_TRUE(e.Table().Chip()[2].Visible) << "the bet stays on the table";
}

TEST_F(Resets, BetResetWithoutABetLeavesTheProfitTarget) {
    Arrange(e).Inputs().Init_Bet.Text = "2";  // as typed, before its change operation
    Arrange(e).State().Profit_Target = 1234;
    ASSERT_TRUE(Do([&] { e.ResetBets(); }));
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1002);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 1234);
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 6) << "initial bet x phase step 3";
    EXPECT_DOUBLE_EQ(e.State().Phase_Base, 2);
}

TEST_F(Resets, BetResetRecomputesAmountsAndUnits) {
    struct Row {
        const char *init, *losses, *wins;
        double losses_amount, wins_amount;
        int losses_units, wins_units;
    };
    for (Row r : {Row{"2", "3", "3", 3, 3, 1, 1}, Row{"1", "0.5", "0.5", 0.5, 0.5, 1, 1},
                  Row{"1", "7", "2.9", 7, 2.9, 7, 2}, Row{"0.5", "2", "1", 2, 1, 4, 2}}) {
        FakePlatform p;
        Engine eng(p);
        Arrange(eng).Inputs().Init_Bet.Text = r.init;
        Arrange(eng).Inputs().Losses_ActionValue.Text = r.losses;
        Arrange(eng).Inputs().Wins_ActionValue.Text = r.wins;
        eng.ResetBets();
        EXPECT_DOUBLE_EQ(eng.State().Losses_Amount, r.losses_amount) << r.init << " " << r.losses;
        EXPECT_DOUBLE_EQ(eng.State().Wins_Amount, r.wins_amount);
        EXPECT_EQ(eng.State().Losses_Units, r.losses_units) << r.init << " " << r.losses;
        EXPECT_EQ(eng.State().Wins_Units, r.wins_units) << r.init << " " << r.wins;
    }
}

TEST_F(Resets, ZeroInitialBetKeepsTheUnits) {
    Arrange(e).State().Losses_Units = 4;
    Arrange(e).State().Wins_Units = 6;
    Arrange(e).Inputs().Init_Bet.Text = "0";
    ASSERT_TRUE(Do([&] { e.ResetBets(); }));
    EXPECT_EQ(e.State().Losses_Units, 4);
    EXPECT_EQ(e.State().Wins_Units, 6);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 0);
}

TEST_F(Resets, BadInitialBetStopsBeforeAnyMoneyMoves) {
    Arrange(e).Table().ShowChip(0, true);
    Arrange(e).State().Bet_Size = 3;
    Arrange(e).State().Bankroll = 990;
    Arrange(e).State().Losses_Count = 2;
    Arrange(e).Inputs().Init_Bet.Text = "abc";
    EXPECT_FALSE(Do([&] { e.ResetBets(); }));
    EXPECT_EQ(platform.LastMessage(), "'abc' is not a valid floating point value");
    EXPECT_EQ(e.State().Losses_Count, 0) << "the steps before the failure keep their effect";
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 990);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
}

TEST_F(Resets, ResetAppStartsANewGameAndKeepsTheBankroll) {
    WarmUp();
    LoseNext();
    LoseNext();
    ASSERT_EQ(ShownChip() >= 0, true);
    const double money = Money();
    const int step = e.State().DeepScan_Step;
    const int misses = e.State().Miss_Streak;
    Memo settings = e.Settings().Settings_Data();
    ASSERT_TRUE(Do([&] { e.ResetApp(); }));
    settings[21] = "1";  // N_Count follows the emptied history and writes its line

    EXPECT_DOUBLE_EQ(e.State().Bankroll, money) << "the open stake is refunded";
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_TRUE(e.Board().NumbersList().empty());
    EXPECT_EQ(e.State().Spins_Count, 0);
    EXPECT_EQ(e.State().Bet_Field, -1);
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_EQ(e.Display().Label_BetsPlayed().Caption, "0");
    EXPECT_EQ(e.State().Flat_Index, 0);
    EXPECT_EQ(e.State().DeepScan_Number, 0);
    EXPECT_EQ(e.State().DeepScan_Family, 0);
    EXPECT_EQ(e.State().DeepScan_Step, step);
    EXPECT_EQ(e.State().Miss_Streak, misses);
    EXPECT_EQ(e.State().Matrix_Pending, 1);
    EXPECT_EQ(e.State().Pattern_Position, 1);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, money + 1);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "1");
    EXPECT_FALSE(e.UndoOffered());
    EXPECT_EQ(e.Settings().Settings_Data(), settings);
    EXPECT_EQ(e.Inputs().GameModes.Text(), "SMART 2025");

    // The warm-up starts again.
    Spins({3, 4, 5, 6});
    EXPECT_EQ(e.State().Bet_Field, -1);
    Spin(7);
    EXPECT_NE(ShownChip(), -1);
}

TEST_F(Resets, ResetAppRefundsBeforeTheBetResetRuns) {
    WarmUp();
    e.SetSpinValue(SpinId::Until_Profit, 5);
    Arrange(e).State().Profit_Target = 4321;
    ASSERT_TRUE(Do([&] { e.ResetApp(); }));
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 4321) << "the bet reset found no bet shown";
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 0);
}

TEST_F(Resets, ResetAppKeepsAFixedNCount) {
    Arrange(e).Inputs().ChBx_Fixed_Number.Checked = true;
    e.SetSpinValue(SpinId::N_Count, 40);
    Spins({1, 2});
    Do([&] { e.ResetApp(); });
    EXPECT_EQ(e.Inputs().N_Count.Text(), "40");
}

TEST_F(Resets, ResetAppInsideAProgressRunEndsTheRunWithoutABet) {
    Spins({5, 17, 32, 1});
    Do([&] { e.NumberClick(2); });  // the run that would propose the first bet
    e.TimerTick(TimerId::Mode2Timer);
    ASSERT_TRUE(e.ProgressRunUnderWay());
    ASSERT_GT(e.Display().CGauge1().Position, 0);
    const double bankroll = e.State().Bankroll;
    Do([&] { e.ResetApp(); });
    EXPECT_EQ(FinishRun(), 0) << "no timer is left to fire";
    Refresh();
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, bankroll);
    EXPECT_EQ(e.Display().CGauge1().Position, 0);
    EXPECT_EQ(e.State().Engine_Ready, 1);
    EXPECT_TRUE(e.Inputs().GameModes.Enabled);
    EXPECT_FALSE(e.ProgressRunUnderWay());
    Spin(9);
    EXPECT_EQ(e.Board().NumbersList(), (std::vector<std::uint8_t>{9}));
    EXPECT_EQ(e.State().Spins_Count, 1);
}

TEST_F(Resets, StrategySelectorSnapsBack) {
    for (int item : {0, 1, 4, 6}) {
        e.SelectItem(ComboId::BetStrategy, item);
        EXPECT_EQ(e.Inputs().BetStrategy.Text(), "Blind (+1 each spin)");
        EXPECT_EQ(e.Chrome().Focus(), "ShowBetSize");
    }
    EXPECT_EQ(e.Inputs().Losses_Action.Text(), "ADD to bet:") << "no rule changes with the strategy";
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 1);
}

// A reset that stops at a bad initial bet has already emptied the history:
// the undo offer ends with it, so no undo can run on an empty history.
TEST_F(Table, FailedApplicationResetLeavesNoUndoOnAnEmptyHistory) {
    Spins({4, 9});
    ASSERT_TRUE(e.UndoOffered());
    Arrange(e).Inputs().Init_Bet.Text = "abc";
    EXPECT_FALSE(Do([&] { e.ResetApp(); }));
    EXPECT_EQ(platform.LastMessage(), "'abc' is not a valid floating point value");
    EXPECT_TRUE(e.Board().NumbersList().empty());
    EXPECT_FALSE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.State().Spins_Count, 2);  // the reset stopped before it cleared the count
}

}  // namespace
}  // namespace rotacle::test
