// Statistics of a session: hit figures by hand and against a plain recount,
// Sync's reading of the engine's events, and the summary of the bets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/text_file.h"
#include "import/number_file.h"
#include "stats/session_stats.h"

namespace rotacle {
namespace {

using History = std::vector<std::uint8_t>;

// Zeros at the start, in the middle and next to the end: every chance's
// absence runs on through them, and for Even and More the gap before their
// first hit is the longest.
TEST(HitCounter, HandCheckedHistoryWithZeros) {
    const History h = {0, 5, 0, 0, 12, 19, 0, 36};
    const HitCounter c = HitCounter::Of(h);
    EXPECT_EQ(c.Spins(), 8);
    // Less, Even, Red, Black, Odd, More: {hits, absence, longest absence}.
    const std::array<HitFigures, 6> chances = {
        {{2, 3, 3}, {2, 0, 4}, {4, 0, 2}, {0, 8, 8}, {2, 2, 3}, {2, 0, 5}}};
    for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(c.Chances()[k], chances[k]) << "chance " << k;
    EXPECT_EQ(c.Numbers()[0], (HitFigures{4, 1, 2}));
    EXPECT_EQ(c.Numbers()[5], (HitFigures{1, 6, 6}));
    EXPECT_EQ(c.Numbers()[36], (HitFigures{1, 0, 7}));
    EXPECT_EQ(c.Numbers()[17], (HitFigures{0, 8, 8}));

    HitCounter bad = c;
    EXPECT_THROW(bad.Add(37), std::out_of_range);
    EXPECT_THROW(bad.Add(-1), std::out_of_range);
    EXPECT_EQ(bad.Spins(), 8);
    EXPECT_EQ(bad.Chances(), c.Chances());
    EXPECT_EQ(bad.Numbers(), c.Numbers());
}

// A real series against a plain recount: each chance and number by the list
// of the spins it hit, with its own table of the red numbers.
TEST(HitCounter, SeriesAgreesWithARecountFromTheHitPositions) {
    const std::string path = (std::filesystem::path(ROTACLE_TEST_DATA) / "spins" / "series1.txt").string();
    const History h = RouletteNumbers(NumberFileLines(ReadFileText(path)));
    ASSERT_EQ(h.size(), 511u);
    const auto recount = [&](auto in) {
        std::vector<std::int64_t> at;  // 0-based spins of the hits
        for (std::size_t i = 0; i < h.size(); ++i)
            if (in(int{h[i]})) at.push_back(static_cast<std::int64_t>(i));
        const auto spins = static_cast<std::int64_t>(h.size());
        HitFigures f;
        f.hits = static_cast<std::int64_t>(at.size());
        f.absence = at.empty() ? spins : spins - 1 - at.back();
        std::int64_t before = -1;
        for (const std::int64_t a : at)
            f.longest_absence = std::max(f.longest_absence, a - before - 1), before = a;
        f.longest_absence = std::max(f.longest_absence, f.absence);
        return f;
    };
    const std::vector<int> red = {1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    const auto is_red = [&](int n) { return std::find(red.begin(), red.end(), n) != red.end(); };
    const HitCounter c = HitCounter::Of(h);
    EXPECT_EQ(c.Chances()[0], recount([](int n) { return n >= 1 && n <= 18; }));
    EXPECT_EQ(c.Chances()[1], recount([](int n) { return n != 0 && n % 2 == 0; }));
    EXPECT_EQ(c.Chances()[2], recount(is_red));
    EXPECT_EQ(c.Chances()[3], recount([&](int n) { return n != 0 && !is_red(n); }));
    EXPECT_EQ(c.Chances()[4], recount([](int n) { return n % 2 == 1; }));
    EXPECT_EQ(c.Chances()[5], recount([](int n) { return n >= 19; }));
    for (int k = 0; k <= 36; ++k) EXPECT_EQ(c.Numbers()[k], recount([k](int n) { return n == k; })) << k;
}

struct SyncStep {
    History history;
    double bankroll;
    SpinSettlement latest;
};

struct SyncCase {
    const char* name;
    std::vector<SyncStep> steps;
    std::vector<double> bankroll;         // the points after the last step
    std::vector<std::int64_t> bet_spins;  // the spins of the bet marks left
};

constexpr SpinSettlement kNone{};
constexpr SpinSettlement kLost{true, true, false, 2};
constexpr SpinSettlement kWon{true, true, true, 2};
constexpr SpinSettlement kVirtual{true, false, true, 0};

class Sync : public ::testing::TestWithParam<SyncCase> {};

TEST_P(Sync, FollowsTheEventsOfTheEngine) {
    SessionStats stats;
    for (const SyncStep& s : GetParam().steps) stats.Sync(s.history, s.bankroll, s.latest);
    const History& now = GetParam().steps.back().history;
    EXPECT_EQ(stats.Bankroll(), GetParam().bankroll);
    std::vector<std::int64_t> spins;
    for (const BetMark& b : stats.Bets()) spins.push_back(b.spin);
    EXPECT_EQ(spins, GetParam().bet_spins);
    const HitCounter expected = HitCounter::Of(now);
    EXPECT_EQ(stats.Hits().Spins(), expected.Spins());
    EXPECT_EQ(stats.Hits().Chances(), expected.Chances());
    EXPECT_EQ(stats.Hits().Numbers(), expected.Numbers());
    EXPECT_EQ(stats.Summary().bets_placed, static_cast<std::int64_t>(spins.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Events, Sync,
    ::testing::Values(
        SyncCase{"NewSpinsMarkOnlyPlacedBets",
                 {{{}, 100, kNone}, {{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 17, 4}, 99, kVirtual}},
                 {99, 97, 99},
                 {1}},
        // The window syncs on every tick: the latest settlement is still there,
        // yet no spin came, so no second mark; the newest point follows the
        // bankroll (a skipped bet gave its stake back).
        SyncCase{"IdleCallsOnlyMoveTheNewestPoint",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 17}, 97, kLost}, {{5, 17}, 99, kLost}},
                 {99, 99},
                 {1}},
        SyncCase{"UndoDropsThePointAndTheMarkOfItsSpin",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 17, 0}, 93, kLost}, {{5, 17}, 97, kNone}},
                 {99, 97},
                 {1}},
        SyncCase{"UndoOfASpinWithoutABetKeepsTheMarks",
                 {{{5}, 99, kNone}, {{5, 17}, 101, kWon}, {{5, 17, 0}, 101, kNone}, {{5, 17}, 101, kNone}},
                 {99, 101},
                 {1}},
        SyncCase{"UndoToNothing", {{{5}, 99, kWon}, {{}, 100, kNone}}, {}, {}},
        SyncCase{"ImportRebuildsFlatWithoutMarks",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 17, 1, 2, 3}, 80, kNone}},
                 {80, 80, 80, 80, 80},
                 {}},
        // One number longer, but not the history that was there: no new spin.
        SyncCase{"LongerByOneOnAnotherHistoryRebuilds",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{8, 17, 2}, 90, kLost}},
                 {90, 90, 90},
                 {}},
        SyncCase{"SameLengthOtherNumbersRebuilds",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 18}, 95, kLost}},
                 {95, 95},
                 {}},
        SyncCase{"ShorterByOneOnAnotherHistoryRebuilds",
                 {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{5, 17, 9}, 95, kLost}, {{5, 16}, 94, kNone}},
                 {94, 94},
                 {}},
        SyncCase{"NewGameEmpties", {{{5}, 99, kNone}, {{5, 17}, 97, kLost}, {{}, 100, kNone}}, {}, {}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

// Bets of 2 (won), 1, 3 (lost), 4 (won), 5 (lost), then the last spin undone
// and a loss of 6 played in its place.
TEST(SessionStats, SummaryOfPlayedBetsFollowsAnUndo) {
    SessionStats stats;
    History h;
    const auto spin = [&](std::uint8_t n, double bankroll, SpinSettlement latest) {
        h.push_back(n);
        stats.Sync(h, bankroll, latest);
    };
    spin(5, 100, kNone);
    spin(1, 102, {true, true, true, 2});
    spin(2, 101, {true, true, false, 1});
    spin(0, 98, {true, true, false, 3});
    spin(3, 102, {true, true, true, 4});
    spin(4, 97, {true, true, false, 5});
    SessionSummary s = stats.Summary();
    EXPECT_EQ(s.spins, 6);
    EXPECT_EQ(s.bets_placed, 5);
    EXPECT_EQ(s.won, 2);
    EXPECT_EQ(s.lost, 3);
    EXPECT_EQ(s.longest_losing_run, 2);
    EXPECT_DOUBLE_EQ(s.total_staked, 15);
    EXPECT_DOUBLE_EQ(s.net_result, -3);
    EXPECT_DOUBLE_EQ(s.expected_loss, 15.0 / 37);

    h.pop_back();
    stats.Sync(h, 102, kNone);
    spin(6, 96, {true, true, false, 6});
    s = stats.Summary();
    EXPECT_EQ(s.spins, 6);
    EXPECT_EQ(s.won, 2);
    EXPECT_EQ(s.lost, 3);
    EXPECT_DOUBLE_EQ(s.total_staked, 16);
    EXPECT_DOUBLE_EQ(s.net_result, -4);
    EXPECT_DOUBLE_EQ(s.expected_loss, 16.0 / 37);
}

}  // namespace
}  // namespace rotacle
