// The display refresh in play: the stake labels of the rounded stake, the
// readouts, the skip-bet cover and the initial-bet guard.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Display = Table;

// The stake rounded by the refresh is the one its labels show; the rounding
// itself is tested on the display.
TEST_F(Display, RoundedStakeIsTheOneTheLabelsShow) {
    Arrange(e).Table().ShowChip(2, true);
    struct Row {
        double stake;
        double shown;
        const char* text;
    };
    for (Row r : {Row{1.234, 1.23, "1.23"}, Row{1.236, 1.24, "1.24"}, Row{1.125, 1.12, "1.12"},
                  Row{1.375, 1.38, "1.38"}, Row{3, 3, "3"}}) {
        Arrange(e).State().Bet_Size = r.stake;
        ASSERT_TRUE(Refresh());
        EXPECT_DOUBLE_EQ(e.State().Bet_Size, r.shown) << r.stake;
        for (const auto& l : e.Table().BetSizeShow()) EXPECT_EQ(l.Caption, r.text);
        EXPECT_TRUE(e.Table().BetSizeShow()[2].Visible);
    }
}

TEST_F(Display, ReadoutsFollowTheState) {
    Spins({1, 2, 3});
    Arrange(e).State().Flat_Index = -36;
    Arrange(e).State().Bankroll = 1234.5;
    Refresh();
    EXPECT_EQ(e.Display().Label_FlatIndex().Caption, "-36");
    EXPECT_EQ(e.Display().Label_NumbersInGame().Caption, "3");
    EXPECT_EQ(e.Display().Label_Bankroll().Caption, "1234.5");
}

TEST_F(Display, GuardResetsTheBetsWhenTheInitialBetExceedsTheStake) {
    Arrange(e).Inputs().Init_Bet.Text = "2";  // typed, its change operation not run
    Arrange(e).State().Wins_Count = 3;
    Refresh();
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 2);
    EXPECT_EQ(e.State().Wins_Count, 0);
    EXPECT_DOUBLE_EQ(e.State().Reset_Target, 1002);
}

TEST_F(Display, GuardLeavesAnEqualStakeAndBlankTexts) {
    for (const char* text : {"1", "", " "}) {
        Arrange(e).Inputs().Init_Bet.Text = text;
        Arrange(e).State().Bet_Size = 1;
        Arrange(e).State().Wins_Count = 3;
        ASSERT_TRUE(Refresh()) << "'" << text << "'";
        EXPECT_EQ(e.State().Wins_Count, 3) << "'" << text << "'";
    }
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Display, MendedGuardSkipsATextThatIsNoNumber) {
    for (const char* text : {".", "abc", "1,5", "1..2"}) {
        Arrange(e).Inputs().Init_Bet.Text = text;
        Arrange(e).State().Bet_Size = 0.5;
        Arrange(e).State().Wins_Count = 3;
        for (int tick = 0; tick < 100; ++tick) ASSERT_TRUE(Refresh());
        EXPECT_EQ(e.State().Wins_Count, 3) << text;
        EXPECT_DOUBLE_EQ(e.State().Bet_Size, 0.5);
    }
    EXPECT_TRUE(platform.messages.empty()) << "no error a hundred times a second";
}

TEST_F(Display, MendedInitialBetFinerThanACentDoesNotDrainTheBankroll) {
    // The refresh rounds the stake 1.255 to 1.25; comparing the unrounded
    // initial bet with it would reset the bets on every tick, each time
    // refunding 1.25 and staking 1.255 again.
    WarmUp();
    ASSERT_NE(ShownChip(), -1);
    ASSERT_TRUE(Do([&] {
        for (char c : std::string(",255")) e.TypeKey(EditId::Init_Bet, c);
    }));
    ASSERT_EQ(e.Inputs().Init_Bet.Text, "1.255");
    Refresh();
    const double money = Money();
    Arrange(e).State().Wins_Count = 2;
    for (int tick = 0; tick < 500; ++tick) Refresh();
    EXPECT_NEAR(Money(), money, 0.0051);
    EXPECT_EQ(e.State().Wins_Count, 2) << "the bets are not reset on every tick";
    EXPECT_FALSE(e.ShowValuesTimer()) << "the refresh comes to rest";
}

TEST_F(Display, GuardReadsAChangedTextAgain) {
    Arrange(e).Inputs().Init_Bet.Text = "abc";
    Refresh();
    Arrange(e).Inputs().Init_Bet.Text = "3";
    Refresh();
    EXPECT_DOUBLE_EQ(e.State().Bet_Size, 3);
}

TEST_F(Display, SkipCoverFollowsTheChips) {
    EXPECT_TRUE(e.Table().Image_SkipBet3().Visible);
    Arrange(e).Table().ShowChip(4, true);
    Refresh();
    EXPECT_FALSE(e.Table().Image_SkipBet3().Visible);
    e.HideBets();
    Refresh();
    EXPECT_TRUE(e.Table().Image_SkipBet3().Visible);
}

TEST_F(Display, StakeLabelsFollowShowBetSize) {
    Arrange(e).Table().ShowChip(1, true);
    Refresh();
    EXPECT_TRUE(e.Table().BetSizeShow()[1].Visible);
    EXPECT_FALSE(e.Table().BetSizeShow()[0].Visible);
    e.SetChecked(CheckId::ShowBetSize, false);
    Refresh();
    for (const auto& l : e.Table().BetSizeShow()) EXPECT_FALSE(l.Visible);
    e.SetChecked(CheckId::ShowBetSize, true);
    Arrange(e).Table().ShowStakeLabel(5, true);  // a label whose chip is hidden stays as it is
    Refresh();
    EXPECT_TRUE(e.Table().BetSizeShow()[1].Visible);
    EXPECT_TRUE(e.Table().BetSizeShow()[5].Visible);
}

TEST_F(Display, SecondRefreshChangesNothing) {
    WarmUp();
    Refresh();
    const GameState before = e.State();
    EXPECT_FALSE(e.ShowValuesTimer());
    EXPECT_EQ(e.State().Bankroll, before.Bankroll);
    EXPECT_EQ(e.State().Bet_Size, before.Bet_Size);
}

}  // namespace
}  // namespace rotacle::test
