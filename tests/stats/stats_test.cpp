// Statistics of a session: hit figures by hand and against a plain recount,
// the figures and the chart built from play events, and the summary of the bets.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <tuple>
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
// of the spins it hit, with its own table of the red numbers; the whole
// history at once and one spin at a time agree.
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

    // Spin by spin, as the window counts, the same figures.
    HitCounter one_by_one;
    for (const std::uint8_t n : h) one_by_one.Add(n);
    EXPECT_EQ(one_by_one.Spins(), c.Spins());
    EXPECT_EQ(one_by_one.Chances(), c.Chances());
    EXPECT_EQ(one_by_one.Numbers(), c.Numbers());
}

// ---- Play events -------------------------------------------------------------------------

PlayEvent Spun(int n, double bankroll, double open = 0) {
    return {.kind = PlayEventKind::Spin, .bankroll = bankroll, .open_stake = open, .number = n};
}
PlayEvent Settled(bool won, double stake, double bankroll) {
    return {.kind = PlayEventKind::Settled, .bankroll = bankroll, .field = 3, .stake = stake, .won = won};
}
PlayEvent Staked(double stake, double bankroll) {
    return {
        .kind = PlayEventKind::Staked, .bankroll = bankroll, .open_stake = stake, .field = 3, .stake = stake};
}
PlayEvent Player(double bankroll, double open = 0) {
    return {.kind = PlayEventKind::PlayerMoved, .bankroll = bankroll, .open_stake = open};
}
PlayEvent WithHistory(PlayEventKind kind, const History& h, double bankroll, double open = 0) {
    return {.kind = kind, .bankroll = bankroll, .open_stake = open, .history = h};
}

// The chart as "spin:bankroll" per point, W or L for a marked bet, * for a
// point of the player's.
std::string Drawn(const SessionStats& stats) {
    std::string out;
    for (const BankrollPoint& p : stats.Chart().Points()) {
        if (!out.empty()) out += ' ';
        out += std::to_string(p.spin) + ':' + std::to_string(static_cast<long long>(p.bankroll));
        if (p.bet != PointBet::None) out += p.bet == PointBet::Won ? 'W' : 'L';
        if (p.by_player) out += '*';
    }
    return out;
}

const History kNoHistory;
const History kImported = {5, 17, 1, 2, 3};
const History kFirst = {5};

struct FeedCase {
    const char* name;
    std::vector<PlayEvent> events;
    const char* chart;
    double start_bankroll;
    std::int64_t placed, settled, won, lost;
    double net;
};

class Feed : public ::testing::TestWithParam<FeedCase> {};

TEST_P(Feed, BuildsTheFiguresFromThePlayEvents) {
    const FeedCase& c = GetParam();
    SessionStats stats;
    stats.OnPlay(WithHistory(PlayEventKind::Start, kNoHistory, 100));
    for (const PlayEvent& e : c.events) stats.OnPlay(e);
    EXPECT_EQ(Drawn(stats), c.chart);
    EXPECT_EQ(stats.StartBankroll(), c.start_bankroll);
    const SessionSummary s = stats.Summary();
    EXPECT_EQ(s.bets_placed, c.placed);
    EXPECT_EQ(s.bets_settled, c.settled);
    EXPECT_EQ(s.won, c.won);
    EXPECT_EQ(s.lost, c.lost);
    EXPECT_EQ(s.net_result, c.net);
}

INSTANTIATE_TEST_SUITE_P(
    Events, Feed,
    ::testing::Values(
        // A stake moves the newest point; a virtual result (no Settled) marks
        // nothing; the bet on the table counts as placed, not settled.
        FeedCase{"StakesMoveTheNewestPointAndTheOpenBetIsPlaced",
                 {Spun(5, 100), Spun(17, 100), Staked(2, 98), Spun(4, 98, 2), Settled(false, 2, 98),
                  Staked(2, 96), Spun(9, 96, 2), Settled(true, 2, 100)},
                 "1:100 2:98 3:96L 4:100W",
                 100,
                 2,
                 2,
                 1,
                 1,
                 0},
        // A bankroll set by the player is a point of its own at the spin
        // before; the won bet's point keeps its value, further keys move the
        // player's point, and the next spin draws from there.
        FeedCase{"ThePlayersBankrollIsANewPoint",
                 {Spun(5, 100), Staked(2, 98), Spun(9, 98, 2), Settled(true, 2, 102), Player(-5),
                  Player(-500), Spun(4, -500)},
                 "1:98 2:102W 2:-500* 3:-500",
                 100,
                 1,
                 1,
                 1,
                 0,
                 2},
        // Before the first spin there is no past: the start follows the bank.
        FeedCase{"APlayersBankrollBeforeAnySpinIsTheStart",
                 {Player(5000), Spun(5, 5000)},
                 "1:5000",
                 5000,
                 0,
                 0,
                 0,
                 0,
                 0},
        // La partage: the half of the stake that came back on zero is no loss.
        FeedCase{"APartageZeroLosesHalfTheStake",
                 {Spun(5, 100), Staked(4, 96), Spun(0, 96, 4),
                  PlayEvent{
                      .kind = PlayEventKind::Settled, .bankroll = 98, .field = 3, .stake = 4, .returned = 2}},
                 "1:96 2:98L",
                 100,
                 1,
                 1,
                 0,
                 1,
                 -2},
        // A skip gives the stake back: a point of the player's, no bet placed.
        FeedCase{"ASkippedBetIsNotPlaced",
                 {Spun(5, 100), Staked(2, 98), Player(100)},
                 "1:98 1:100*",
                 100,
                 0,
                 0,
                 0,
                 0,
                 0},
        // Undo: the spin's point, its mark, its player's point and its bet go;
        // the bet it settled is on the table again.
        FeedCase{"UndoTakesBackTheNewestSpin",
                 {Spun(5, 100), Staked(2, 98), Spun(17, 98, 2), Settled(false, 2, 98), Staked(4, 94),
                  Player(50, 4), WithHistory(PlayEventKind::TakenBack, kFirst, 98, 2)},
                 "1:98",
                 100,
                 1,
                 0,
                 0,
                 0,
                 0},
        // An import starts again, flat at the bankroll over its numbers.
        FeedCase{"ANewHistoryIsFlatWithoutBets",
                 {Spun(5, 100), Staked(2, 98), Spun(17, 98, 2), Settled(false, 2, 98),
                  WithHistory(PlayEventKind::NewHistory, kImported, 80)},
                 "1:80 5:80",
                 80,
                 0,
                 0,
                 0,
                 0,
                 0},
        FeedCase{"ANewGameEmpties",
                 {Spun(5, 100), Staked(2, 98), Spun(17, 98, 2), Settled(true, 2, 102),
                  WithHistory(PlayEventKind::NewHistory, kNoHistory, 102)},
                 "",
                 102,
                 0,
                 0,
                 0,
                 0,
                 0}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

// Bets of 2 (won), 1, 3 (lost), 4 (won), 5 (lost), then the last spin undone:
// the figures of before it come back, the hits are those of the history.
TEST(SessionStats, SummaryOfPlayedBetsFollowsAnUndo) {
    SessionStats stats;
    stats.OnPlay(WithHistory(PlayEventKind::Start, kNoHistory, 100));
    History h;
    SessionSummary before_last;
    for (const auto& [n, won, stake] :
         {std::tuple{5, true, 2.0}, {2, false, 1.0}, {0, false, 3.0}, {3, true, 4.0}, {4, false, 5.0}}) {
        before_last = stats.Summary();
        h.push_back(static_cast<std::uint8_t>(n));
        stats.OnPlay(Spun(n, 100, stake));
        stats.OnPlay(Settled(won, stake, 100));
    }
    const SessionSummary s = stats.Summary();
    EXPECT_EQ(s, (SessionSummary{5, 5, 5, 2, 3, 2, 15, -3, 15.0 / 37}));
    h.pop_back();
    stats.OnPlay(WithHistory(PlayEventKind::TakenBack, h, 100));
    EXPECT_EQ(stats.Summary(), before_last);
    EXPECT_EQ(stats.Hits().Numbers(), HitCounter::Of(h).Numbers());
}

// The expected loss counts each settled stake at the edge it was played
// under: 1/37, or 1/74 under la partage; an undo takes a stake's share back.
TEST(SessionStats, TheExpectedLossCountsEachStakeAtItsEdge) {
    SessionStats stats;
    stats.OnPlay(WithHistory(PlayEventKind::Start, kNoHistory, 1000));
    const auto settle = [&stats](int n, double stake, bool partage) {
        stats.OnPlay(Spun(n, 1000, stake));
        PlayEvent e = Settled(false, stake, 1000);
        e.partage = partage;
        stats.OnPlay(e);
    };
    EXPECT_EQ(stats.Summary().EdgeRule(), SessionSummary::Edge::Plain);
    settle(5, 74, true);
    EXPECT_EQ(stats.Summary().expected_loss, 1.0);
    EXPECT_EQ(stats.Summary().EdgeRule(), SessionSummary::Edge::Partage);
    settle(8, 37, false);
    EXPECT_EQ(stats.Summary().expected_loss, 2.0);
    EXPECT_EQ(stats.Summary().EdgeRule(), SessionSummary::Edge::Mixed);
    stats.OnPlay(WithHistory(PlayEventKind::TakenBack, kFirst, 1000));
    EXPECT_EQ(stats.Summary().expected_loss, 1.0);
    EXPECT_EQ(stats.Summary().EdgeRule(), SessionSummary::Edge::Partage);
}

// The spin list, kept on request only: imported numbers unplayed at the
// bankroll they came with, a played spin filled in by its settlement, an
// undo back into the import, a new history.
TEST(SessionStats, TheSpinListFollowsPlayUndoAndImport) {
    SessionStats stats;
    stats.OnPlay(WithHistory(PlayEventKind::Start, kFirst, 100));
    stats.OnPlay(Spun(3, 100));
    EXPECT_EQ(stats.Spins().Size(), 0u);  // not kept

    stats.KeepSpins(true);
    const auto rows = [&stats] {
        std::vector<SpinRow> out;
        for (std::size_t i = 0; i < stats.Spins().Size(); ++i) out.push_back(stats.Spins().Row(i));
        return out;
    };
    stats.OnPlay(WithHistory(PlayEventKind::NewHistory, {5, 17}, 100));
    stats.OnPlay(Spun(3, 98, 2));
    stats.OnPlay(Settled(true, 2, 102));
    stats.OnPlay(Staked(4, 98));
    stats.OnPlay(Spun(0, 98, 4));
    EXPECT_EQ(rows(), (std::vector<SpinRow>{{1, 5, 0, 0, SpinResult::None, 100, false},
                                            {2, 17, 0, 0, SpinResult::None, 100, false},
                                            {3, 3, 3, 2, SpinResult::Won, 102, true},
                                            {4, 0, 0, 0, SpinResult::None, 98, true}}));
    const std::uint64_t revision = stats.Spins().Revision();
    stats.OnPlay(WithHistory(PlayEventKind::TakenBack, {5, 17, 3}, 102));
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_EQ(rows().back().result, SpinResult::Won);
    EXPECT_GT(stats.Spins().Revision(), revision);
    stats.OnPlay(WithHistory(PlayEventKind::TakenBack, kFirst, 90));
    EXPECT_EQ(rows(), (std::vector<SpinRow>{{1, 5, 0, 0, SpinResult::None, 90, false}}));
}

// A long session keeps a bounded chart: every point up to the capacity,
// then every second one and so on, in order, always with the newest point;
// the hits count every spin.
TEST(SessionStats, TheChartOfALongSessionStaysBounded) {
    SessionStats stats;
    stats.OnPlay(WithHistory(PlayEventKind::Start, kNoHistory, 0));
    constexpr std::int64_t kSpins = 5 * BankrollSeries::kCapacity + 3;
    std::vector<BankrollPoint> first;
    for (std::int64_t i = 1; i <= kSpins; ++i) {
        stats.OnPlay(Spun(static_cast<int>(i % 37), static_cast<double>(i)));
        if (i == static_cast<std::int64_t>(BankrollSeries::kCapacity)) first = stats.Chart().Points();
    }
    ASSERT_EQ(first.size(), BankrollSeries::kCapacity);
    EXPECT_EQ(first.back().spin, static_cast<std::int64_t>(BankrollSeries::kCapacity));
    const std::vector<BankrollPoint>& points = stats.Chart().Points();
    EXPECT_LE(points.size(), BankrollSeries::kCapacity);
    EXPECT_GT(points.size(), BankrollSeries::kCapacity / 2);
    EXPECT_EQ(stats.Chart().Stride(), 8u);
    EXPECT_EQ(points.front().spin, 1);
    EXPECT_EQ(points.back().spin, kSpins);
    EXPECT_EQ(points.back().bankroll, static_cast<double>(kSpins));
    for (std::size_t i = 1; i < points.size(); ++i) {
        ASSERT_LT(points[i - 1].spin, points[i].spin) << i;
        if (i + 1 < points.size()) {
            ASSERT_EQ((points[i].spin - 1) % 8, 0) << i;
        }
    }
    EXPECT_EQ(stats.Hits().Spins(), kSpins);
}

}  // namespace
}  // namespace rotacle
