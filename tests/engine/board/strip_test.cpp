// The history strip in play: an undo steps it back with the history and the
// count of numbers, the warm-up's spin count, and the application reset
// clears it. The strip's own pushes and steps are tested on the board.
#include <gtest/gtest.h>

#include "support/table.h"

namespace rotacle::test {
namespace {

using Strip = Table;

std::vector<std::string> Captions(const Engine& e) {
    std::vector<std::string> c;
    for (const auto& l : e.Board().HisNum()) c.push_back(l.Caption);
    return c;
}

TEST_F(Strip, StepBackAfterTenNumbersShowsTheSecondTwice) {
    for (int n = 1; n <= 10; ++n) Spin(n);
    ASSERT_TRUE(e.UndoOffered());
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(Captions(e), (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "2"}));
    EXPECT_EQ(e.Board().HisNum()[0].Tag, 10) << "the tag of the newest slot is not stepped back";
    EXPECT_EQ(e.Board().NumbersList().size(), 9u);
    EXPECT_EQ(e.Inputs().N_Count.Text(), "9");
}

TEST_F(Strip, StepBackLowersTheSpinCountOnlyDuringWarmUp) {
    Spins({4, 5, 6});
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.State().Spins_Count, 2);
    EXPECT_EQ(Captions(e)[0], "5");

    Table::Spins({7, 8, 9, 10, 11});  // 7 spins counted, 7 numbers
    ASSERT_EQ(e.State().Spins_Count, 7);
    Do([&] { e.Image_Cancel2Click(); });
    EXPECT_EQ(e.State().Spins_Count, 7) << "the warm-up is not repeated";
    EXPECT_EQ(e.Board().NumbersList().size(), 6u);
}

TEST_F(Strip, ResetAppClearsEveryCaptionButNotTheTag) {
    Spins({1, 2, 3});
    Do([&] { e.ResetApp(); });
    EXPECT_EQ(Captions(e), std::vector<std::string>(9, ""));
    EXPECT_EQ(e.Board().HisNum()[0].Tag, 3);
}

}  // namespace
}  // namespace rotacle::test
