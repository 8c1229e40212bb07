// Keyboard play beside the engine: typed numbers, the wait list of the locked
// board, the undo key and quick proposals. Every row is played from the
// keyboard and compared with the same numbers clicked with the mouse.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/scheduler.h"
#include "engine/speed_play.h"
#include "support/table.h"

namespace rotacle::test {
namespace {

using Outcome = SpeedPlay::Outcome;

struct KeyRow {
    const char* name;
    std::vector<int> before;  ///< clicked with the mouse first, each run to its end
    /// Digits, E (Enter), C (the typed number clicked on its cell instead),
    /// X (Esc), B (backspace), U (undo key), and | for the runs to their end,
    /// each tick followed by the entry of a waiting number.
    const char* keys;
    bool quick;
    Outcome last;              ///< outcome of the last key other than |
    const char* typed;         ///< digits left typed after the keys
    std::vector<int> waiting;  ///< waiting numbers after the keys
    /// The same play with the mouse after `before`, every waiting number
    /// entered in the end: numbers, and -1 for the click of the undo command.
    std::vector<int> clicks;
};

std::ostream& operator<<(std::ostream& os, const KeyRow& r) { return os << r.name; }

class KeyboardPlay : public Table, public ::testing::WithParamInterface<KeyRow> {
protected:
    KeyboardPlay() : k(kp) {}

    /// The runs to their end, as the window ticks them.
    void RunsToTheirEnd() {
        for (int guard = 0; guard < 10000; ++guard) {
            bool ticked = false;
            for (TimerId id : kModeTimers) {
                if (!k.TimerControl(id).Enabled) continue;
                ticked = true;
                Scheduler::Tick(k, id, speed.Quick());
                if (speed.Quick()) {
                    EXPECT_FALSE(k.TimerControl(id).Enabled) << "a quick run ends at its first tick";
                }
                speed.EnterWaiting(k);
            }
            if (!ticked && !speed.EnterWaiting(k)) break;
        }
        k.ShowValuesTimer();
    }

    Outcome Key(char key) {
        Outcome o = Outcome::Ignored;
        switch (key) {
            case 'E': o = speed.Commit(k); break;
            case 'X': o = speed.Clear(); break;
            case 'B': o = speed.Backspace(); break;
            case 'U': o = speed.Undo(k); break;
            case 'C': {
                int n = 0;
                for (const char c : speed.Typed()) n = n * 10 + (c - '0');
                speed.Clear();
                o = speed.Click(k, n);
                break;
            }
            default: o = speed.Digit(key); break;
        }
        speed.EnterWaiting(k);
        return o;
    }

    FakePlatform kp;
    Engine k;
    SpeedPlay speed;
};

TEST_P(KeyboardPlay, EqualsTheSameNumbersClicked) {
    const KeyRow& row = GetParam();
    for (int n : row.before) {
        k.NumberClick(n);
        RunsToTheirEnd();
    }
    speed.SetQuick(row.quick);
    Outcome last = Outcome::Ignored;
    for (const char* c = row.keys; *c; ++c) {
        if (*c == '|')
            RunsToTheirEnd();
        else
            last = Key(*c);
    }
    EXPECT_EQ(last, row.last);
    EXPECT_EQ(speed.Typed(), row.typed);
    EXPECT_EQ(std::vector<int>(speed.Waiting().begin(), speed.Waiting().end()), row.waiting);
    RunsToTheirEnd();

    for (int n : row.before) Spin(n);
    for (int n : row.clicks) {
        if (n < 0)
            Do([&] { e.Image_Cancel2Click(); });
        else
            Spin(n);
    }
    EXPECT_EQ(k.Board().NumbersList(), e.Board().NumbersList());
    EXPECT_EQ(UndoFields::Of(k.State()), UndoFields::Of(e.State()));
    EXPECT_EQ(k.State().Bet_Field, e.State().Bet_Field);
    EXPECT_DOUBLE_EQ(k.State().Bet_Size, e.State().Bet_Size);
    for (std::size_t i = 0; i < 6; ++i)
        EXPECT_EQ(k.Table().Chip()[i].Visible, e.Table().Chip()[i].Visible) << "chip " << i;
    EXPECT_EQ(k.UndoOffered(), e.UndoOffered());
}

const std::vector<int> kFourSpins = {5, 17, 32, 1};  // the next number starts the first run
const std::vector<int> kWarmUp = {5, 17, 32, 1, 2};  // a bet shown, undo offered

INSTANTIATE_TEST_SUITE_P(
    Rows, KeyboardPlay,
    ::testing::Values(
        KeyRow{"TwoDigitsAndEnter", {}, "17E", false, Outcome::Entered, "", {}, {17}},
        KeyRow{"NoCellRefused", {}, "45E", false, Outcome::Refused, "", {}, {}},
        KeyRow{"ThirdDigitRefused", {}, "123", false, Outcome::Refused, "12", {}, {}},
        KeyRow{"EscAndBackspace", {}, "1X29BE", false, Outcome::Entered, "", {}, {2}},
        KeyRow{
            "LockedBoardQueuesInOrder", kFourSpins, "2E7E8E", false, Outcome::Queued, "", {7, 8}, {2, 7, 8}},
        KeyRow{
            "UndoWithdrawsNewestWaiting", kFourSpins, "2E7E8EU", false, Outcome::Withdrawn, "", {7}, {2, 7}},
        KeyRow{"UndoInsideARunIgnored", kWarmUp, "9EU", false, Outcome::Ignored, "", {}, {9}},
        KeyRow{"NumberTakenBackTypedAgain", kWarmUp, "9E|U9E", false, Outcome::Entered, "", {}, {9, -1, 9}},
        KeyRow{"ClicksOnALockedBoardQueue",
               kFourSpins,
               "2E28C2C",
               false,
               Outcome::Queued,
               "",
               {28, 2},
               {2, 28, 2}},
        KeyRow{"UndoWithdrawsAClickedNumber",
               kFourSpins,
               "2E28C36CU",
               false,
               Outcome::Withdrawn,
               "",
               {28},
               {2, 28}},
        KeyRow{"NumberTakenBackClickedAgain", kWarmUp, "9E|U9C", false, Outcome::Entered, "", {}, {9, -1, 9}},
        KeyRow{"QuickProposalsSameState", kFourSpins, "2E7E|8E|", true, Outcome::Entered, "", {}, {2, 7, 8}}),
    [](const ::testing::TestParamInfo<KeyRow>& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace rotacle::test
