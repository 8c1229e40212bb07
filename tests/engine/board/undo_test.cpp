// Undo: the snapshot taken at the start of every recorded spin, its restore,
// the offer, and the number taken back entered again.
#include <gtest/gtest.h>

#include <vector>

#include "engine/speed_play.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

using UndoTest = Table;

TEST_F(UndoTest, SixthSpinTakenBackShowsTheFifthProposalAgain) {
    WarmUp();
    ASSERT_EQ(ShownChip(), 3);
    const UndoFields before = UndoFields::Of(e.State());
    const auto strip0 = e.Board().HisNum()[0].Caption;
    const int lost = LosingNumber(4);
    Spin(lost);
    ASSERT_NE(UndoFields::Of(e.State()), before);

    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(UndoFields::Of(e.State()), before);
    EXPECT_EQ(ShownChip(), 3);
    EXPECT_TRUE(e.Table().FieldHighlight()[3].Visible);
    EXPECT_EQ(e.State().Bet_Field, 4);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999) << "the restored stake is already out of the bankroll";
    EXPECT_EQ(e.State().Flat_Index, 0);
    EXPECT_EQ(e.Board().NumbersList().size(), 5u);
    EXPECT_EQ(e.Board().HisNum()[0].Caption, strip0);
    EXPECT_EQ(e.State().Spins_Count, 6);
    EXPECT_EQ(e.State().Undo_Counter, 0);
    EXPECT_FALSE(e.UndoOffered());
    EXPECT_FALSE(e.Board().ImageUndo().Visible);
    // Every cell takes a click again, the one of the number taken back too.
    EXPECT_TRUE(e.Board().NumbersShown());
    EXPECT_TRUE(e.Board().Image()[lost].Visible);
    EXPECT_TRUE(e.Board().SpeedButton()[lost].Visible);

    Refresh();
    EXPECT_TRUE(e.Table().BetSizeShow()[3].Visible) << "the refresh shows the stake of the restored chip";
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
}

// An undo pressed by mistake is mended by entering the same number again,
// clicked or typed: the game is then as if the undo had never happened.
TEST_F(UndoTest, TheNumberTakenBackIsTakenAgain) {
    struct Row {
        const char* name;
        std::vector<int> before;
        bool typed;
    };
    const std::vector<Row> rows = {
        {"second number, clicked", {7}, false},
        {"second number, typed", {7}, true},
        {"settling a bet, clicked", {5, 17, 32, 1, 2}, false},
        {"settling a bet, typed", {5, 17, 32, 1, 2, 9}, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Do([&] { e.ResetApp(); });
        for (const int n : row.before) Spin(n);
        const int n = e.State().Bet_Field > 0 ? LosingNumber(e.State().Bet_Field) : 8;
        Spin(n);
        const UndoFields after = UndoFields::Of(e.State());
        const auto history = e.Board().NumbersList();
        const auto strip = e.Board().HisNum();
        Do([&] { e.Image_Cancel2Click(); });
        ASSERT_EQ(e.Board().NumbersList().size(), history.size() - 1);
        for (std::size_t k = 0; k < 37; ++k) {
            EXPECT_TRUE(e.Board().Image()[k].Visible) << "cell " << k;
            EXPECT_TRUE(e.Board().SpeedButton()[k].Visible) << "cell " << k;
            EXPECT_TRUE(e.Board().NumberButton()[k].Enabled) << "cell " << k;
        }

        SpeedPlay speed;
        const auto outcome = row.typed ? speed.Enter(e, n) : speed.Click(e, n);
        EXPECT_EQ(outcome, SpeedPlay::Outcome::Entered);
        EXPECT_FALSE(speed.Refused());
        FinishRun();
        Refresh();
        EXPECT_EQ(e.Board().NumbersList(), history);
        EXPECT_EQ(UndoFields::Of(e.State()), after);
        for (std::size_t k = 0; k < Board::kStripSlots - 1; ++k)
            EXPECT_EQ(e.Board().HisNum()[k].Caption, strip[k].Caption) << "slot " << k + 1;
    }
}

TEST_F(UndoTest, TwoUndosInARowAreRefused) {
    Spins({1, 2, 3});
    Do([&] { e.Image_Cancel2Click(); });
    ASSERT_EQ(e.Board().NumbersList().size(), 2u);
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.Board().NumbersList().size(), 2u) << "no second undo";
    Spin(4);
    EXPECT_EQ(e.State().Undo_Counter, 1);
    EXPECT_FALSE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.Board().NumbersList().size(), 3u);
    Spin(5);
    EXPECT_TRUE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.Board().NumbersList().size(), 3u);
}

TEST_F(UndoTest, WithoutAShownBetStakeAndFieldStay) {
    e.SetSafeLevelPosition(10);  // nothing is shown
    WarmUp();
    Spin(7);
    ASSERT_EQ(ShownChip(), -1);
    const int field = e.State().Bet_Field;
    Do([&] { e.SetEditText(EditId::Init_Bet, "2"); });
    ASSERT_DOUBLE_EQ(e.State().Bet_Size, 2);
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_EQ(e.State().Bet_Field, field);
    EXPECT_EQ(ShownChip(), -1);
}

TEST_F(UndoTest, StakeTravelsAsDecimalText) {
    Do([&] { e.SetEditText(EditId::Init_Bet, "2.5"); });
    WarmUp();
    ASSERT_DOUBLE_EQ(e.State().Bet_Size, 2.5);
    Spin(LosingNumber(e.State().Bet_Field));
    EXPECT_EQ(e.Board().SaveBets(), (Memo{"0", "0", "0", "2.5", "0", "0"}));
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2.5);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 997.5);
}

TEST_F(UndoTest, RestoresTheDeepScanAndLeavesPhaseValuesAlone) {
    e.SetChecked(CheckId::ChBx_Phase_Correction, true);
    WarmUp();
    LoseNext();  // stake 2
    const UndoFields before = UndoFields::Of(e.State());
    LoseNext();  // stake 3 reaches the phase threshold: amounts become 3
    ASSERT_DOUBLE_EQ(e.State().Losses_Amount, 3);
    ASSERT_DOUBLE_EQ(e.State().Phase_Threshold, 9);
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(UndoFields::Of(e.State()), before);
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_DOUBLE_EQ(e.State().Losses_Amount, 3) << "rule amounts are not in the snapshot";
    EXPECT_DOUBLE_EQ(e.State().Phase_Threshold, 9);
}

TEST_F(UndoTest, BetResetKeepsTheOfferAndResetAppWithdrawsIt) {
    WarmUp();
    ASSERT_TRUE(e.UndoOffered());
    Do([&] { e.ResetBets(); });
    EXPECT_TRUE(e.UndoOffered());
    EXPECT_FALSE(e.Board().ImageUndo().Visible);
    Do([&] { e.AllEnabled(); });
    EXPECT_TRUE(e.Board().ImageUndo().Visible);
    Do([&] { e.ResetApp(); });
    EXPECT_FALSE(e.UndoOffered());
}

TEST_F(UndoTest, UndoClickedInsideAProgressRunChangesNothing) {
    // The same session without the undo click.
    FakePlatform p;
    Engine plain(p);
    for (int n : {5, 17, 32, 1, 2, 9}) {
        plain.NumberClick(n);
        while (plain.TimerControl(TimerId::Mode2Timer).Enabled) plain.TimerTick(TimerId::Mode2Timer);
        plain.ShowValuesTimer();
    }

    WarmUp();
    ASSERT_TRUE(e.UndoOffered());
    ASSERT_NE(ShownChip(), -1);
    const int played = e.State().Bets_Played;
    Do([&] { e.NumberClick(9); });
    ASSERT_TRUE(e.ProgressRunUnderWay());
    Do([&] { e.Image_Cancel2Click(); });
    ASSERT_GT(FinishRun(), 0) << "the run was still under way";
    Refresh();
    EXPECT_EQ(e.State().Bets_Played, played + 1);
    EXPECT_EQ(e.State().Bets_Played, plain.State().Bets_Played);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, plain.State().Bankroll);
    EXPECT_EQ(UndoFields::Of(e.State()), UndoFields::Of(plain.State()));
    EXPECT_EQ(e.Board().NumbersList(), plain.Board().NumbersList());
}

TEST_F(UndoTest, UndoneTestBankChangeIsUndoneToo) {
    // The snapshot holds the bankroll of the start of the spin, so a test
    // bank typed in after it goes back with the spin.
    WarmUp();
    Spin(LosingNumber(e.State().Bet_Field));
    const double restored = e.Board().Saved().Value(&GameState::Bankroll);
    Do([&] { e.SetEditText(EditId::Test_Bank, "500"); });
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_DOUBLE_EQ(e.State().Bankroll, restored);
}

}  // namespace
}  // namespace rotacle::test
