// Deep scan and the mode-2 calculator in play, the safety level with its
// lamps, and the trend redirection of shown proposals.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using DeepScan = Table;

struct Scan {
    int number, step, family;
    bool operator==(const Scan&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Scan& s) {
    return os << "(" << s.number << ", " << s.step << ", " << s.family << ")";
}

Scan ScanOf(const Engine& e) {
    return {e.State().DeepScan_Number, e.State().DeepScan_Step, e.State().DeepScan_Family};
}

// Each spin steps the deep scan (its arithmetic is tested on the modes); the
// application reset starts it again but keeps its step counter.
TEST_F(DeepScan, ResetAppKeepsTheStepCounter) {
    Spins({5, 17, 32});
    Do([&] { e.ResetApp(); });
    EXPECT_EQ(ScanOf(e), (Scan{0, 3, 0}));
    Spin(4);
    EXPECT_EQ(ScanOf(e), (Scan{7, 4, 1}));
}

// The mode-2 calculator places the field of the scan (the choice itself is
// tested on the modes) and stakes it.
TEST_F(DeepScan, ModeTwoCalculatorPlacesTheFieldOfTheScan) {
    Arrange(e).State().DeepScan_Number = 21;
    Arrange(e).State().DeepScan_Family = 1;
    Do([&] { e.M2Calculate(); });
    EXPECT_EQ(e.State().Bet_Field, 5);
    EXPECT_EQ(ShownChip(), 4);
    EXPECT_EQ(e.State().Bets_Played, 1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
}

using SafeLevelGate = Table;

TEST_F(SafeLevelGate, ProposalsShowOnlyAfterEnoughMissesAndHideAfterAWin) {
    e.SetSafeLevelPosition(3);
    WarmUp();
    EXPECT_EQ(e.State().Bet_Field, 4) << "the proposal is made whatever the level";
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_EQ(e.State().Bets_Played, 0);
    for (int miss = 1; miss <= 3; ++miss) {
        const double bankroll = e.State().Bankroll;
        EXPECT_EQ(ShownChip(), -1) << "before miss " << miss;
        LoseNext();
        EXPECT_EQ(e.State().Miss_Streak, miss);
        if (miss < 3) {
            EXPECT_DOUBLE_EQ(e.State().Bankroll, bankroll) << "virtual losses cost nothing";
        }
    }
    EXPECT_NE(ShownChip(), -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999);
    EXPECT_EQ(e.State().Flat_Index, 0);
    LoseNext();  // a shown proposal stays shown while it keeps losing
    EXPECT_NE(ShownChip(), -1);
    EXPECT_EQ(e.State().Flat_Index, -18);
    WinNext();
    EXPECT_EQ(e.State().Miss_Streak, 0);
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_EQ(e.State().Flat_Index, 0);
}

TEST_F(SafeLevelGate, LampsFollowTheLevelAndTheMisses) {
    EXPECT_FALSE(e.Display().SL_Indicator1().Visible);
    EXPECT_FALSE(e.Display().SL_Indicator2().Visible);
    EXPECT_FALSE(e.TimerControl(TimerId::SafeLevel_Timer).Enabled);

    e.SetSafeLevelPosition(1);
    EXPECT_TRUE(e.TimerControl(TimerId::SafeLevel_Timer).Enabled);
    EXPECT_EQ(e.Display().Label4().Caption, "1");
    e.TimerTick(TimerId::SafeLevel_Timer);
    EXPECT_TRUE(e.Display().SL_Indicator2().Visible) << "0 misses is not less than 1 - 1";

    e.SetSafeLevelPosition(3);
    e.TimerTick(TimerId::SafeLevel_Timer);
    EXPECT_TRUE(e.Display().SL_Indicator1().Visible);
    EXPECT_FALSE(e.Display().SL_Indicator2().Visible);
    Arrange(e).State().Miss_Streak = 2;  // one miss away
    e.TimerTick(TimerId::SafeLevel_Timer);
    EXPECT_TRUE(e.Display().SL_Indicator2().Visible);
    EXPECT_TRUE(e.Display().SL_Indicator1().Visible) << "the second lamp covers the first";

    e.SetSafeLevelPosition(0);
    EXPECT_FALSE(e.TimerControl(TimerId::SafeLevel_Timer).Enabled);
    EXPECT_FALSE(e.Display().SL_Indicator1().Visible);
    EXPECT_FALSE(e.Display().SL_Indicator2().Visible);
    EXPECT_EQ(e.Display().Label4().Caption, "0");
}

TEST_F(SafeLevelGate, PositionIsClampedAndWrittenToTheRecord) {
    e.SetSafeLevelPosition(15);
    EXPECT_EQ(e.Inputs().SafeLevel.Position, 10);
    EXPECT_EQ(e.Settings().Settings_Data()[18], "10");
    e.SetSafeLevelPosition(-3);
    EXPECT_EQ(e.Inputs().SafeLevel.Position, 0);
    EXPECT_EQ(e.Settings().Settings_Data()[18], "0");
}

using Trend = Table;

TEST_F(Trend, ChosenRedTurnsAShownBlackProposal) {
    e.Trend_1Click(2);  // Red
    WarmUp();           // mode 2 proposes Black
    EXPECT_EQ(e.State().Bet_Field, 3);
    EXPECT_EQ(ShownChip(), 2);
    EXPECT_FALSE(e.Table().FieldHighlight()[3].Visible);
    EXPECT_TRUE(e.Table().FieldHighlight()[2].Visible);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 999) << "one stake, booked for Red";
    Spin(WinningNumber(3));
    EXPECT_EQ(e.State().Flat_Index, 18) << "the bet is settled as Red";
}

struct TrendRow {
    int chosen;  // field index of the chosen side
    int number;  // deep-scan number and family giving the proposal
    int family;
    int proposed;  // field code the mode proposes
    int result;    // field code after the trend check
};

std::ostream& operator<<(std::ostream& os, const TrendRow& r) {
    return os << kFieldNames[static_cast<std::size_t>(r.chosen)] << " chosen, field " << r.proposed
              << " proposed";
}

class TrendRedirect : public Table, public ::testing::WithParamInterface<TrendRow> {};

TEST_P(TrendRedirect, OppositeOfTheChosenSideTurnsOver) {
    const TrendRow r = GetParam();
    e.Trend_1Click(r.chosen);
    Arrange(e).State().DeepScan_Number = r.number;
    Arrange(e).State().DeepScan_Family = r.family;
    Do([&] { e.M2Calculate(); });
    EXPECT_EQ(e.State().Bet_Field, r.result);
    EXPECT_EQ(ShownChip(), r.result - 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TrendRedirect,
    ::testing::Values(TrendRow{0, 20, 2, 6, 1}, TrendRow{1, 21, 1, 5, 2}, TrendRow{2, 20, 0, 4, 3},
                      TrendRow{3, 21, 0, 3, 4}, TrendRow{4, 20, 1, 2, 5}, TrendRow{5, 3, 2, 1, 6},
                      TrendRow{2, 21, 1, 5, 5},   // Red chosen, Odd proposed: nothing changes
                      TrendRow{0, 3, 2, 1, 1}));  // the chosen side itself stays

TEST_F(Trend, BelowTheSafetyLevelNothingTurns) {
    e.Trend_1Click(2);
    e.SetSafeLevelPosition(2);
    Arrange(e).State().Miss_Streak = 1;
    Arrange(e).State().DeepScan_Number = 20;  // black
    Arrange(e).State().DeepScan_Family = 0;
    Do([&] { e.M2Calculate(); });
    EXPECT_EQ(e.State().Bet_Field, 4);
    EXPECT_EQ(ShownChip(), -1);
}

TEST_F(Trend, ClicksChooseAndDropASideAndTheHoverClears) {
    e.Trend_1Click(2);
    e.Trend_1Click(3);
    EXPECT_FALSE(e.Modes().Trend_2()[2].Visible);
    EXPECT_TRUE(e.Modes().Trend_2()[3].Visible);
    e.Trend_2Click(3);
    EXPECT_FALSE(e.Modes().Trend_2()[3].Visible);
    e.Trend_0MouseMove(4);
    EXPECT_TRUE(e.Chrome().Trend_1()[4].Visible);
    e.Disable_HoversClick();
    EXPECT_FALSE(e.Chrome().Trend_1()[4].Visible);
}

TEST_F(Trend, ModeThreeIsLeftToItsOwnFilter) {
    e.Trend_1Click(2);
    Arrange(e).State().Game_Mode = 3;
    Arrange(e).State().Bet_Field = 4;
    Arrange(e).Table().ShowChip(3, true);
    e.Trend_Check();
    EXPECT_EQ(e.State().Bet_Field, 4);
    EXPECT_EQ(ShownChip(), 3);
}

TEST_F(Trend, ChoiceSurvivesResetsAndUndo) {
    e.Trend_1Click(5);
    WarmUp();
    Spin(1);
    Do([&] { e.Image_Cancel2Click(); });
    Do([&] { e.ResetApp(); });
    Do([&] { e.ResetBets(); });
    EXPECT_TRUE(e.Modes().Trend_2()[5].Visible);
}

}  // namespace
}  // namespace rotacle::test
