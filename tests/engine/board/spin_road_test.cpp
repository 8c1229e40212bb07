// The road of one spin: warm-up of five, the first proposal on the fifth
// spin, settlement from the sixth, the board lock during a progress run and a
// click that cannot be recorded.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using SpinRoad = Table;

TEST_F(SpinRoad, StartsWithTheSettingsAreaClosedAndTheRecordFresh) {
    EXPECT_EQ(e.Chrome().ClientWidth(), 457);
    EXPECT_EQ(e.Chrome().ClientHeight(), 388);
    EXPECT_FALSE(e.Chrome().UpTrenderGroup().On_Wins_Enabled);
    EXPECT_FALSE(e.Chrome().UpTrenderGroup().Add_To_Bet_Enabled);
    EXPECT_EQ(e.State().Undo_Counter, 1);
    EXPECT_EQ(e.State().Game_Mode, 2);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "1000");
    EXPECT_TRUE(e.TimerControl(TimerId::ShowValues).Enabled);
    EXPECT_EQ(e.TimerControl(TimerId::ShowValues).Interval, 10);
    EXPECT_EQ(e.TimerControl(TimerId::Mode2Timer).Interval, 20);
}

TEST_F(SpinRoad, FirstFourSpinsOnlyRecord) {
    Spins({5, 17, 32, 1});
    EXPECT_EQ(e.State().Spins_Count, 4);
    EXPECT_EQ(e.Board().NumbersList(), (std::vector<std::uint8_t>{5, 17, 32, 1}));
    EXPECT_EQ(e.State().Bet_Field, -1);
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(e.State().Bets_Played, 0);
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "4") << "N_Count follows the history length";
    EXPECT_TRUE(platform.seeds.empty()) << "no progress run has drawn anything";
}

TEST_F(SpinRoad, FifthSpinProposesWithoutSettling) {
    Spins({5, 17, 32, 1});
    Do([&] { e.NumberClick(2); });
    // The mode has started: the board is locked, only the entered cell shows.
    EXPECT_TRUE(e.TimerControl(TimerId::Mode2Timer).Enabled);
    EXPECT_FALSE(e.Inputs().GameModes.Enabled);
    EXPECT_FALSE(e.Inputs().Init_Bet.Enabled);
    EXPECT_FALSE(e.Inputs().ResetBets_Button.Enabled);
    EXPECT_FALSE(e.Display().Label_Bankroll().Visible);
    for (int n = 0; n <= 36; ++n) EXPECT_EQ(e.Board().Image()[n].Visible, n == 2) << n;
    EXPECT_EQ(e.State().Miss_Streak, 0) << "nothing is settled on the fifth spin";

    FinishRun();
    Refresh();
    // Deep scan after 5, 17, 32, 1, 2 is (31, family 0): 31 is black.
    EXPECT_EQ(e.State().DeepScan_Number, 31);
    EXPECT_EQ(e.State().Bet_Field, 4);
    EXPECT_EQ(ShownChip(), 3);
    EXPECT_TRUE(e.Table().FieldHighlight()[3].Visible);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "999");
    EXPECT_EQ(e.State().Bets_Played, 1);
    EXPECT_EQ(e.Display().Label_BetsPlayed().Caption, "0") << "the label is written at the end of the click";
    EXPECT_TRUE(e.Inputs().GameModes.Enabled);
    EXPECT_TRUE(e.Display().Label_Bankroll().Visible);
    for (int n = 0; n <= 36; ++n) EXPECT_TRUE(e.Board().Image()[n].Visible) << n;
}

TEST_F(SpinRoad, SixthSpinSettlesTheFifthProposal) {
    WarmUp();
    Spin(WinningNumber(4));  // a black number wins the Black proposal
    EXPECT_EQ(e.State().Flat_Index, 18);
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_EQ(e.State().Units_Profit, 0) << "the won cycle restarts the unit counters";
    // 999 + 2 reaches the target 1001: new cycle at the initial bet, staked again.
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1002);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1000);
    EXPECT_EQ(e.State().Bets_Played, 2);
    EXPECT_EQ(e.Display().Label_BetsPlayed().Caption, "1");
}

TEST_F(SpinRoad, ZeroLosesTheSixthSpin) {
    WarmUp();
    Spin(0);
    EXPECT_EQ(e.State().Flat_Index, -18);
    EXPECT_EQ(e.State().Miss_Streak, 1);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2) << "default loss rule adds one initial bet";
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 997);
}

TEST_F(SpinRoad, ProgressRunReachesExactlyOneHundred) {
    struct Row {
        int draw;
        int ticks;
    };
    for (Row row : {Row{0, 50}, Row{7, 12}, Row{3, 20}}) {
        FakePlatform p;
        Engine eng(p);
        for (int n : {5, 17, 32, 1}) eng.NumberClick(n);
        eng.NumberClick(2);
        int ticks = 0;
        int last_position = 0;
        while (eng.TimerControl(TimerId::Mode2Timer).Enabled) {
            p.draws.push_back(row.draw);
            eng.TimerTick(TimerId::Mode2Timer);
            ++ticks;
            if (eng.TimerControl(TimerId::Mode2Timer).Enabled) {
                EXPECT_EQ(eng.State().Engine_Ready, 0);
                EXPECT_EQ(eng.Display().CGauge1().Position, last_position + 2 + row.draw);
                last_position = eng.Display().CGauge1().Position;
                EXPECT_LT(last_position, 100);
            }
        }
        EXPECT_EQ(ticks, row.ticks) << "draw " << row.draw;
        EXPECT_EQ(eng.Display().CGauge1().Position, 0);
        EXPECT_EQ(eng.State().Engine_Ready, 1);
        EXPECT_EQ(eng.State().Bet_Field, 4);
    }
}

TEST_F(SpinRoad, EveryProgressDrawIsReseededFromTheClock) {
    Spins({5, 17, 32, 1});
    platform.clock_seconds = 77;
    Spin(2);
    ASSERT_FALSE(platform.ranges.empty());
    EXPECT_EQ(platform.seeds.size(), platform.ranges.size());
    for (auto s : platform.seeds) EXPECT_EQ(s, 77u);
    for (auto r : platform.ranges) EXPECT_EQ(r, 8);
}

TEST_F(SpinRoad, MendedClickOnLockedBoardChangesNothing) {
    Spins({5, 17, 32, 1});
    Do([&] { e.NumberClick(2); });  // the run is under way
    const SavedFields saved = e.Board().Saved();
    const Memo save_bets = e.Board().SaveBets();
    const int undo_counter = e.State().Undo_Counter;
    const bool offered = e.UndoOffered();
    Arrange(e).State().Bets_Played = 42;  // to see that the label is still refreshed

    Do([&] { e.NumberClick(2); });  // the highlighted cell stays clickable
    EXPECT_EQ(e.Board().NumbersList().size(), 5u);
    EXPECT_EQ(e.State().Spins_Count, 5);
    EXPECT_EQ(e.State().Undo_Counter, undo_counter);
    EXPECT_EQ(e.UndoOffered(), offered);
    EXPECT_EQ(e.Board().SaveBets(), save_bets);
    EXPECT_EQ(e.Board().Saved(), saved);
    EXPECT_EQ(e.Board().HisNum()[0].Caption, "2");
    EXPECT_EQ(e.Board().HisNum()[1].Caption, "1");
    EXPECT_EQ(e.Display().Label_BetsPlayed().Caption, "42");
}

TEST_F(SpinRoad, MendedUndoAfterDoubleClickTakesBackTheWholeSpin) {
    WarmUp();
    const double bankroll = e.State().Bankroll;
    const int flat = e.State().Flat_Index;
    Do([&] { e.NumberClick(0); });
    Do([&] { e.NumberClick(0); });  // second click while the run is under way
    FinishRun();
    Refresh();
    ASSERT_TRUE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.Board().NumbersList().size(), 5u);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, bankroll);
    EXPECT_EQ(e.State().Flat_Index, flat) << "the settlement of the taken-back spin is undone too";
    EXPECT_EQ(ShownChip(), 3);
}

TEST_F(SpinRoad, NumberTextsInTheHistory) {
    Spins({36, 0});
    EXPECT_EQ(e.Board().NumbersList(), (std::vector<std::uint8_t>{36, 0}));
    EXPECT_EQ(e.Board().HisNum()[0].Caption, "0");
    EXPECT_EQ(e.Board().HisNum()[1].Caption, "36");
}

TEST_F(SpinRoad, UndoIsOfferedAfterTheFirstSpin) {
    EXPECT_FALSE(e.UndoOffered());
    Spin(7);
    EXPECT_EQ(e.State().Undo_Counter, 2);
    EXPECT_TRUE(e.UndoOffered());
    EXPECT_TRUE(e.Board().ImageUndo().Visible);
}

TEST_F(SpinRoad, FixedNumberKeepsNCountAndMarksTheMatrixPending) {
    Arrange(e).State().Matrix_Pending = 0;
    Spin(3);
    EXPECT_EQ(e.State().Matrix_Pending, 0) << "N_Count follows the history";
    Arrange(e).Inputs().ChBx_Fixed_Number.Checked = true;
    e.SetSpinValue(SpinId::N_Count, 50);
    Spin(4);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "50");
    EXPECT_EQ(e.State().Matrix_Pending, 1);
}

TEST_F(SpinRoad, HiddenBankrollStaysHiddenAfterTheRun) {
    e.SetChecked(CheckId::ChBx_TestBank, false);
    WarmUp();
    EXPECT_FALSE(e.Display().Label_Bankroll().Visible);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999) << "the accounting goes on while the bank is hidden";
}

TEST_F(SpinRoad, GameModeStaysTwoWhateverIsSelected) {
    for (int item : {0, 2, 1}) {
        e.SelectItem(ComboId::GameModes, item);
        EXPECT_EQ(e.Inputs().GameModes.ItemIndex, 1);
        EXPECT_EQ(e.Inputs().GameModes.Text(), "SMART 2025");
        EXPECT_EQ(e.Chrome().Focus(), "ShowBetSize");
    }
    WarmUp();
    EXPECT_EQ(e.State().Game_Mode, 2);
    EXPECT_EQ(e.Settings().Settings_Data()[2], "1") << "the record holds what the selector shows";
}

}  // namespace
}  // namespace rotacle::test
