// The history strip: pushes, the step back, and the colours of the numbers.
#include <gtest/gtest.h>

#include <set>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Strip = Table;

constexpr Color kMaroon = 128;
constexpr Color kGreen = 32768;
constexpr Color kBlack = 0;

std::vector<std::string> Captions(const Engine& e) {
    std::vector<std::string> c;
    for (const auto& l : e.board().HisNum()) c.push_back(l.Caption);
    return c;
}

TEST_F(Strip, StartsEmptyAndBlack) {
    for (const auto& l : e.board().HisNum()) {
        EXPECT_EQ(l.Caption, "");
        EXPECT_EQ(l.Colour, kBlack);
    }
    EXPECT_EQ(e.board().HisNum()[0].Tag, -1);
    EXPECT_FALSE(e.board().HisNum()[8].Visible) << "slot 9 is the hidden overflow";
}

TEST_F(Strip, PushesNewestOnTheLeftInItsColour) {
    Spins({5, 0, 32});
    EXPECT_EQ(Captions(e), (std::vector<std::string>{"32", "0", "5", "", "", "", "", "", ""}));
    EXPECT_EQ(e.board().HisNum()[0].Colour, kMaroon);
    EXPECT_EQ(e.board().HisNum()[1].Colour, kGreen);
    EXPECT_EQ(e.board().HisNum()[2].Colour, kMaroon);
    for (std::size_t k = 3; k < 9; ++k) EXPECT_EQ(e.board().HisNum()[k].Colour, kBlack);
    EXPECT_EQ(e.board().HisNum()[0].Tag, 32);
}

TEST_F(Strip, ColourOfEveryNumber) {
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 0; n <= 36; ++n) {
        const Color want = n == 0 ? kGreen : (red.count(n) ? kMaroon : kBlack);
        EXPECT_EQ(Engine::NumberColour(n), want) << n;
    }
}

TEST_F(Strip, NinthNumberWaitsInTheHiddenSlotAndTheTenthDropsIt) {
    for (int n = 1; n <= 9; ++n) Spin(n);
    EXPECT_EQ(e.board().HisNum()[8].Caption, "1");
    EXPECT_EQ(e.board().HisNum()[7].Caption, "2");
    EXPECT_EQ(e.board().HisNum()[0].Caption, "9");
    Spin(10);
    EXPECT_EQ(Captions(e), (std::vector<std::string>{"10", "9", "8", "7", "6", "5", "4", "3", "2"}));
}

TEST_F(Strip, StepBackAfterTenNumbersShowsTheSecondTwice) {
    for (int n = 1; n <= 10; ++n) Spin(n);
    ASSERT_TRUE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(Captions(e), (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "2"}));
    EXPECT_EQ(e.board().HisNum()[7].Colour, e.board().HisNum()[8].Colour);
    EXPECT_EQ(e.board().HisNum()[0].Colour, kMaroon) << "9 is red";
    EXPECT_EQ(e.board().HisNum()[0].Tag, 10) << "the tag of the newest slot is not stepped back";
    EXPECT_EQ(e.board().NumbersList().size(), 9u);
    EXPECT_EQ(e.inputs().N_Count.Text(), "9");
}

TEST_F(Strip, StepBackLowersTheSpinCountOnlyDuringWarmUp) {
    Spins({4, 5, 6});
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.State().Spins_Count, 2);
    EXPECT_EQ(Captions(e)[0], "5");
    EXPECT_EQ(Captions(e)[2], "") << "an empty slot moves in from the right";

    Table::Spins({7, 8, 9, 10, 11});  // 7 spins counted, 7 numbers
    ASSERT_EQ(e.State().Spins_Count, 7);
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.State().Spins_Count, 7) << "the warm-up is not repeated";
    EXPECT_EQ(e.board().NumbersList().size(), 6u);
}

TEST_F(Strip, ResetAppClearsEveryCaptionButNotTheTag) {
    Spins({1, 2, 3});
    Do([&] { e.ResetApp(); });
    for (const auto& l : e.board().HisNum()) {
        EXPECT_EQ(l.Caption, "");
        EXPECT_EQ(l.Colour, kBlack);
    }
    EXPECT_EQ(e.board().HisNum()[0].Tag, 3);
}

}  // namespace
}  // namespace rotacle::test
