// Game mode 3 (rank-order matrix) and game mode 5 (adaptive candidate lists).
#include <gtest/gtest.h>

#include <random>

#include "support/literal_matrix.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

class Matrix : public Table {
protected:
    void SetHistory(std::initializer_list<int> numbers) {
        for (int n : numbers) {
            Arrange(e).Board().SetCurrentNumber(n);
            e.CurrentNumber();
            e.GameHistory();
            e.DeepScan_Calc();
        }
    }
    void Build() {
        Do([&] { e.CreateMatrix(); });
    }
    std::string Line() const {
        return e.Modes().PatternsTest().empty() ? std::string() : e.Modes().PatternsTest()[0];
    }
};

TEST_F(Matrix, PatternTableHoldsThe720OrdersInLexicographicOrder) {
    ASSERT_EQ(e.Modes().RANKORDER_patterns().size(), 720U);
    EXPECT_EQ(e.Modes().RANKORDER_patterns().front(), "1-2-3-4-5-6");
    EXPECT_EQ(e.Modes().RANKORDER_patterns()[1], "1-2-3-4-6-5");
    EXPECT_EQ(e.Modes().RANKORDER_patterns().back(), "6-5-4-3-2-1");
    EXPECT_TRUE(std::is_sorted(e.Modes().RANKORDER_patterns().begin(), e.Modes().RANKORDER_patterns().end()));
}

TEST_F(Matrix, UptrendKeepsTheFirstPatternWithTheMostWins) {
    SetHistory({3, 0, 12});
    Build();
    EXPECT_EQ(Line(), "1-2-3-4-5-6 | MaxWins: 2 | Next step: 7 | Last number: 12");
    EXPECT_EQ(e.State().Bet_Field, 4);  // code at position 7: Black
    EXPECT_TRUE(e.Table().Chip()[3].Visible);
    EXPECT_EQ(e.State().Pattern_Position, 9);
    EXPECT_EQ(e.State().Matrix_Pending, 0);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 1);
    EXPECT_EQ(e.Display().CGauge3().Position, 0);
    EXPECT_TRUE(e.Board().Image()[0].Visible);  // the board is unlocked again
}

TEST_F(Matrix, DowntrendKeepsTheFirstPatternWithTheFewestWins) {
    SetHistory({3, 0, 12});
    e.SetItemIndex(ComboId::Search_Pattern, 1);
    Build();
    EXPECT_EQ(Line(), "2-1-4-3-5-6 | MinWins: 0 | Next step: 7 | Last number: 12");
}

TEST_F(Matrix, WindowLongerThanTheHistoryIsCut) {
    SetHistory({3, 0, 12});
    e.SetChecked(CheckId::ChBx_Fixed_Number, true);
    e.SetSpinValue(SpinId::N_Count, 50);
    Build();
    EXPECT_EQ(e.Inputs().N_Count.Value(), 3);
    EXPECT_EQ(Line(), "1-2-3-4-5-6 | MaxWins: 2 | Next step: 7 | Last number: 12");
}

TEST_F(Matrix, OnlyZerosGiveNoPatternAndNoProposal) {
    SetHistory({0, 0, 0, 0});
    Build();
    EXPECT_EQ(Line(), "");
    EXPECT_EQ(e.State().Bet_Field, -1);
    EXPECT_EQ(ShownChip(), -1);
}

TEST_F(Matrix, EmptyHistoryBuildsNothing) {
    Build();
    EXPECT_EQ(e.State().Matrix_Pending, 1);
    EXPECT_TRUE(e.Modes().PatternsTest().empty());
}

// The build counts wins per cycle position instead of replaying every
// pattern; on any history it must give the same line as the replay.
TEST_F(Matrix, CountedBuildEqualsTheLiteralReplay) {
    std::mt19937 gen(2025);
    e.SetChecked(CheckId::ChBx_Fixed_Number, true);
    for (int h : {1, 2, 5, 6, 7, 12, 13, 37, 100, 299}) {
        for (int round = 0; round < 4; ++round) {
            std::vector<std::uint8_t> spins;
            for (int i = 0; i < h; ++i) spins.push_back(static_cast<std::uint8_t>(gen() % 37));
            Arrange(e).Board().ClearHistory();
            Arrange(e).Board().Append(spins);
            for (std::int64_t window = 1; window <= h; window += (h > 40 ? 17 : 1)) {
                for (bool up : {true, false}) {
                    e.SetItemIndex(ComboId::Search_Pattern, up ? 0 : 1);
                    e.SetSpinValue(SpinId::N_Count, static_cast<std::int32_t>(window));
                    Build();
                    ASSERT_EQ(Line(), LiteralBuild(e.Board().NumbersList(), window, up,
                                                   e.Modes().RANKORDER_patterns()))
                        << "history " << h << " window " << window << (up ? " up" : " down");
                }
            }
        }
    }
}

TEST_F(Matrix, ModeThreeRebuildsAfterPlayBetsShownProposals) {
    Arrange(e).State().Game_Mode = 3;
    e.SetChecked(CheckId::ChBx_Until_Profit, false);
    Spins({3, 8, 15, 22, 29});  // no mode-3 run before the first build
    Build();
    EXPECT_EQ(e.State().Matrix_Bets_Played, 1);
    for (int i = 2; i <= 5; ++i) {
        Spin(7 + i);
        EXPECT_EQ(e.State().Matrix_Bets_Played, i);
    }
    Spin(1);  // settles the fifth proposal and builds again
    EXPECT_EQ(e.State().Matrix_Bets_Played, 1);
    EXPECT_NE(Line(), "");
    EXPECT_NE(ShownChip(), -1);
}

// A win that reaches the profit goal rebuilds the matrix inside the
// settlement, and the spin's run then proposes again. On every road one bet is
// shown, the money moves only by the settled result and every shown bet is
// counted once; a profit rebuild counts its own proposal and the run's towards
// the matrix.
TEST_F(Matrix, ProfitRebuildShowsOneBetAndKeepsTheMoney) {
    Arrange(e).State().Game_Mode = 3;
    Spins({3, 8, 15, 22, 29});
    Build();
    ASSERT_NE(ShownChip(), -1);
    int profit_rebuilds = 0;
    for (int i = 0; i < 30; ++i) {
        const double money = Money();
        const int field = e.State().Bet_Field;
        const bool placed = ShownChip() != -1;
        const double stake = e.State().Bet_Size;
        const int played = e.State().Matrix_Bets_Played;
        const int bets = e.State().Bets_Played;
        const int n = (i % 3 == 0) ? LosingNumber(field) : WinningNumber(field);
        Spin(n);
        const bool won = FieldWins(field, n);
        const double settled = placed ? (won ? stake : -stake) : 0.0;
        EXPECT_NEAR(Money(), money + settled, 0.011) << "spin " << i;
        ASSERT_NE(ShownChip(), -1) << "spin " << i;
        ASSERT_NE(ShownChip(), 99) << "spin " << i;
        EXPECT_EQ(e.State().Bets_Played, bets + 1) << "spin " << i;
        const int now = e.State().Matrix_Bets_Played;
        if (now == played + 2)
            ++profit_rebuilds;
        else
            EXPECT_TRUE(now == played + 1 || now == 1) << "spin " << i << ": " << played << " -> " << now;
    }
    EXPECT_GT(profit_rebuilds, 0);
}

// A profit rebuild whose proposal the safety level keeps hidden staked and
// counted nothing: the stake and the bet taken off in advance for it come
// back, and the run shows nothing either.
TEST_F(Matrix, ProfitRebuildThatShowsNothingTakesItsAdvanceBack) {
    Arrange(e).State().Game_Mode = 3;
    Spins({3, 0, 12, 7, 8});
    Build();
    ASSERT_EQ(ShownChip(), 5);  // More, stake 1: bankroll 999
    Do([&] { e.SetSafeLevelPosition(1); });
    Spin(19);  // wins: bankroll 1001, profit goal 1001 reached
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_DOUBLE_EQ(e.State().Bankroll, 1001);
    EXPECT_DOUBLE_EQ(e.State().Profit_Target, 1002);
    EXPECT_EQ(e.State().Bets_Played, 1);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 1);
    EXPECT_EQ(e.Display().Label_BetsPlayed().Caption, "1");
}

TEST_F(Matrix, TrendChoiceHidesTheOtherSideInModeThree) {
    Arrange(e).State().Game_Mode = 3;
    SetHistory({3, 0, 12});
    e.Trend_1Click(0);  // Less chosen: More (code 6) may not be shown
    e.SetItemIndex(ComboId::Search_Pattern, 0);
    Arrange(e).Modes().SetBest("6-1-2-3-4-5 | MaxWins: 1 | Next step: 1 | Last number: 12");
    Arrange(e).State().Pattern_Position = 1;
    Do([&] { e.M3Calculate(); });
    EXPECT_EQ(e.State().Bet_Field, 6);
    EXPECT_EQ(ShownChip(), -1);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 0);
    Do([&] { e.M3Calculate(); });  // code 1, Less: shown
    EXPECT_EQ(ShownChip(), 0);
    EXPECT_EQ(e.State().Matrix_Bets_Played, 1);
}

// ---- Mode 5 --------------------------------------------------------------------------

class Adaptive : public Table {
protected:
    void Lists(const Memo& a, const Memo& b, const Memo& c) { Arrange(e).Modes().SetLists({a, b, c}); }
    void Score(int n) {
        Arrange(e).Board().SetCurrentNumber(n);
        Do([&] { e.Analyse_Matrix(); });
    }
};

TEST_F(Adaptive, NumberScoresTheListsWhoseFieldItIsIn) {
    Lists({"0"}, {"1"}, {"5"});  // Less, Even, More
    e.SetChecked(CheckId::ChBx_Fixed_Number, true);
    e.SetSpinValue(SpinId::N_Count, 5);
    Score(18);
    EXPECT_EQ(e.Modes().Adaptive_Score(), (std::array<std::int32_t, 3>{1, 1, 0}));
    Lists({"2"}, {"0"}, {"0"});
    Arrange(e).State().Adaptive_Row = 0;
    Arrange(e).Modes().SetScores({});
    Score(0);
    EXPECT_EQ(e.Modes().Adaptive_Score(), (std::array<std::int32_t, 3>{0, 0, 0}));
}

TEST_F(Adaptive, TieExtendsTheWindowThenTheStrictWinnerIsChosen) {
    e.SetChecked(CheckId::ChBx_Fixed_Number, true);
    e.SetSpinValue(SpinId::N_Count, 3);
    Arrange(e).State().Game_Mode = 5;
    // Rows 0..2 give scores 3, 3, 1; row 3 decides for list 1.
    Lists({"0", "0", "0", "0", "1"}, {"0", "0", "0", "5", "1"}, {"0", "5", "5", "5", "1"});
    Score(1);
    Score(2);
    Score(3);
    EXPECT_EQ(e.Modes().Adaptive_Score(), (std::array<std::int32_t, 3>{3, 3, 1}));
    EXPECT_EQ(e.State().Adaptive_Defined, 0);
    EXPECT_EQ(e.Inputs().N_Count.Value(), 4);
    Score(4);
    EXPECT_EQ(e.Modes().Adaptive_Score(), (std::array<std::int32_t, 3>{4, 3, 1}));
    EXPECT_EQ(e.State().Adaptive_Defined, 1);
    EXPECT_EQ(e.State().Adaptive_Choice, 1);
    EXPECT_EQ(e.State().Bet_Field, 2);  // list 1, row 4: code 1, Even
    EXPECT_EQ(e.State().Adaptive_Row, 5);
}

TEST_F(Adaptive, MissingOrUnreadableChosenLineProposesNothing) {
    Arrange(e).State().Adaptive_Defined = 1;
    Arrange(e).State().Adaptive_Choice = 2;
    Lists({}, {"x"}, {});
    Arrange(e).State().Adaptive_Row = 0;
    Do([&] { e.M5Calculate(); });
    EXPECT_EQ(e.State().Bet_Field, -1);
    EXPECT_EQ(ShownChip(), -1);
    Do([&] { e.M5Calculate(); });  // row 1 does not exist
    EXPECT_EQ(e.State().Bet_Field, -1);
    EXPECT_EQ(e.State().Adaptive_Row, 2);
}

TEST_F(Adaptive, MatrixResetClearsTheCandidates) {
    Lists({"1"}, {"2"}, {"3"});
    Arrange(e).Modes().SetScores({1, 2, 3});
    Arrange(e).State().Adaptive_Row = 4;
    Arrange(e).State().Adaptive_Defined = 1;
    Do([&] { e.ResetMatrix(); });
    EXPECT_TRUE(e.Modes().AdaptiveList()[0].empty());
    EXPECT_EQ(e.Modes().Adaptive_Score(), (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(e.State().Adaptive_Row, 0);
    EXPECT_EQ(e.State().Adaptive_Defined, 0);
    EXPECT_TRUE(e.Inputs().CreateMatrix_Button.Enabled);
    EXPECT_FALSE(e.Inputs().ResetMatrix_Button.Enabled);
    EXPECT_EQ(e.State().Bankroll, 1000000.0);
    EXPECT_FALSE(e.Board().Image()[5].Visible);
}

}  // namespace
}  // namespace rotacle::test
