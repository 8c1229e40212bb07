// The board on its own: the history strip's pushes, its step back and clear,
// and the colours of the numbers.
#include "board/board.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace rotacle {
namespace {

constexpr Color kMaroon = 128;
constexpr Color kGreen = 32768;
constexpr Color kBlack = 0;

std::vector<std::string> Captions(const Board& b) {
    std::vector<std::string> c;
    for (const auto& l : b.HisNum()) c.push_back(l.Caption);
    return c;
}

/// Pushes each number onto the strip as a recorded spin does.
void Push(Board& b, std::initializer_list<int> numbers) {
    for (const int n : numbers) {
        b.SetCurrentNumber(n);
        b.PushStrip();
    }
}

TEST(Strip, StartsEmptyAndBlack) {
    const Board b;
    for (const auto& l : b.HisNum()) {
        EXPECT_EQ(l.Caption, "");
        EXPECT_EQ(l.Colour, kBlack);
    }
    EXPECT_EQ(b.HisNum()[0].Tag, -1);
    EXPECT_FALSE(b.HisNum()[8].Visible) << "slot 9 is the hidden overflow";
}

TEST(Strip, PushesNewestOnTheLeftInItsColour) {
    Board b;
    Push(b, {5, 0, 32});
    EXPECT_EQ(Captions(b), (std::vector<std::string>{"32", "0", "5", "", "", "", "", "", ""}));
    EXPECT_EQ(b.HisNum()[0].Colour, kMaroon);
    EXPECT_EQ(b.HisNum()[1].Colour, kGreen);
    EXPECT_EQ(b.HisNum()[2].Colour, kMaroon);
    for (std::size_t k = 3; k < 9; ++k) EXPECT_EQ(b.HisNum()[k].Colour, kBlack);
    EXPECT_EQ(b.HisNum()[0].Tag, 32);
}

TEST(Strip, ColourOfEveryNumber) {
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 0; n <= 36; ++n) {
        const Color want = n == 0 ? kGreen : (red.count(n) ? kMaroon : kBlack);
        EXPECT_EQ(Board::NumberColour(n), want) << n;
    }
}

TEST(Strip, NinthNumberWaitsInTheHiddenSlotAndTheTenthDropsIt) {
    Board b;
    for (int n = 1; n <= 9; ++n) Push(b, {n});
    EXPECT_EQ(b.HisNum()[8].Caption, "1");
    EXPECT_EQ(b.HisNum()[7].Caption, "2");
    EXPECT_EQ(b.HisNum()[0].Caption, "9");
    Push(b, {10});
    EXPECT_EQ(Captions(b), (std::vector<std::string>{"10", "9", "8", "7", "6", "5", "4", "3", "2"}));
}

TEST(Strip, StepBackAfterTenNumbersShowsTheSecondTwice) {
    Board b;
    for (int n = 1; n <= 10; ++n) Push(b, {n});
    b.StripBack();
    EXPECT_EQ(Captions(b), (std::vector<std::string>{"9", "8", "7", "6", "5", "4", "3", "2", "2"}));
    EXPECT_EQ(b.HisNum()[7].Colour, b.HisNum()[8].Colour);
    EXPECT_EQ(b.HisNum()[0].Colour, kMaroon) << "9 is red";
    EXPECT_EQ(b.HisNum()[0].Tag, 10) << "the tag of the newest slot is not stepped back";
}

TEST(Strip, StepBackOfAShortStripMovesAnEmptySlotIn) {
    Board b;
    Push(b, {4, 5, 6});
    b.StripBack();
    EXPECT_EQ(Captions(b)[0], "5");
    EXPECT_EQ(Captions(b)[2], "") << "an empty slot moves in from the right";
}

TEST(Strip, ClearEmptiesEveryCaptionButKeepsTheTag) {
    Board b;
    Push(b, {1, 2, 3});
    b.ClearStrip();
    for (const auto& l : b.HisNum()) {
        EXPECT_EQ(l.Caption, "");
        EXPECT_EQ(l.Colour, kBlack);
    }
    EXPECT_EQ(b.HisNum()[0].Tag, 3);
}

}  // namespace
}  // namespace rotacle
