// The shown values on their own: one refresh holds the money of the game
// record to whole cents and shows the bankroll.
#include "display/display.h"

#include <gtest/gtest.h>

namespace rotacle {
namespace {

TEST(Display, RoundsStakeBankrollAndTargetToCents) {
    struct Row {
        double stake;
        double shown;
    };
    Display d;
    GameState s;
    for (Row r : {Row{1.234, 1.23}, Row{1.236, 1.24}, Row{1.125, 1.12}, Row{1.375, 1.38}, Row{3, 3}}) {
        s.Bet_Size = r.stake;
        d.Refresh(s, 0);
        EXPECT_DOUBLE_EQ(s.Bet_Size, r.shown) << r.stake;
    }
    s.Bankroll = 999.996;
    s.Reset_Target = 1001.4449;
    s.Profit_Target = 1001.4449;
    d.Refresh(s, 0);
    EXPECT_DOUBLE_EQ(s.Bankroll, 1000);
    EXPECT_EQ(d.Label_Bankroll().Caption, "1000");
    EXPECT_DOUBLE_EQ(s.Reset_Target, 1001.44);
    EXPECT_DOUBLE_EQ(s.Profit_Target, 1001.4449) << "the profit target is not rounded";
}

}  // namespace
}  // namespace rotacle
