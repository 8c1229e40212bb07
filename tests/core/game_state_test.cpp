// The game record's facts of the wheel: which numbers win which even chance.
#include "core/game_state.h"

#include <gtest/gtest.h>

#include <set>

namespace rotacle {
namespace {

TEST(FieldWins, EveryNumberAgainstEveryField) {
    const std::set<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    for (int n = 0; n <= 36; ++n) {
        const bool z = n == 0;
        EXPECT_EQ(FieldWins(1, n), !z && n <= 18) << n;
        EXPECT_EQ(FieldWins(2, n), !z && n % 2 == 0) << n;
        EXPECT_EQ(FieldWins(3, n), !z && red.count(n) == 1) << n;
        EXPECT_EQ(FieldWins(4, n), !z && red.count(n) == 0) << n;
        EXPECT_EQ(FieldWins(5, n), n % 2 == 1) << n;
        EXPECT_EQ(FieldWins(6, n), n >= 19) << n;
        for (int code : {-1, 0, 7}) EXPECT_FALSE(FieldWins(code, n)) << code << " " << n;
    }
}

}  // namespace
}  // namespace rotacle
