// Risk runs against theory: the figures of many sessions of flat staking,
// the martingale and the game's own settings match the probabilities and
// the house edge that formulas give; and the outcomes do not depend on the
// threads or the slices that play them.
#include "risk/risk.h"

#include <gtest/gtest.h>

#include <cmath>

#include "settings/settings_record.h"
#include "settings/staking_presets.h"

namespace rotacle::risk {
namespace {

constexpr double kP = 18.0 / 37, kQ = 19.0 / 37;

RiskSetup Plan(System system, double bankroll, double target, std::int64_t spins_max,
               ZeroRule zero = ZeroRule::None) {
    RiskSetup s;
    s.system = system;
    s.bankroll = bankroll;
    s.target = target;
    s.spins_max = spins_max;
    s.zero_rule = zero;
    s.seed = 20261208;
    return s;
}

// The figures of a run; every outcome played is one that a merge takes.
RiskFigures Figures(const RiskSetup& s, std::int64_t sessions) {
    const auto outcomes = RunSessions(s, 0, sessions, 0);
    for (const SessionOutcome& o : outcomes) {
        SCOPED_TRACE(CsvRow(o));
        EXPECT_NO_THROW(CheckOutcome(o, s));
        if (::testing::Test::HasFailure()) break;
    }
    return Summarise(outcomes, s);
}

void ExpectInside(double expected, const Interval& i) {
    EXPECT_LE(i.low, expected) << "observed " << i.value;
    EXPECT_GE(i.high, expected) << "observed " << i.value;
}

// Flat stakes of one unit from B to B+T: the gambler's ruin, with
// r = q/p, reaches the target with (r^B - 1) / (r^(B+T) - 1). Every session
// ends at exactly -B or +T, and the mean result is the house edge on the
// staked money.
TEST(RiskTheory, FlatStakingIsTheGamblersRuin) {
    const double b = 3, t = 3, r = kQ / kP;
    const RiskFigures f = Figures(Plan(System::Flat, b, t, 2000), 100000);
    ExpectInside((std::pow(r, b) - 1) / (std::pow(r, b + t) - 1), f.p_target);
    EXPECT_EQ(f.p_open.value, 0);
    EXPECT_EQ(f.result_points[0], -b);
    EXPECT_EQ(f.result_points[4], t);
    EXPECT_EQ(f.largest_stake, 1);
    EXPECT_LT(std::abs(f.edge_z), 4);
}

// A martingale from a bankroll of 2^k - 1 units covers k doublings (1, 2, ...,
// 2^(k-1)); the cycle that loses all k is ruin, the one that wins anywhere
// wins one unit, the target.
TEST(RiskTheory, MartingaleLosesAWholeCycleAtItsClosedForm) {
    for (const int k : {2, 3, 4}) {
        SCOPED_TRACE(k);
        const double bankroll = std::pow(2.0, k) - 1;
        const RiskFigures f = Figures(Plan(System::Martingale, bankroll, 1, 1000), 10000);
        ExpectInside(std::pow(kQ, k), f.p_ruin);
        EXPECT_EQ(f.largest_stake, std::pow(2.0, k - 1));
        EXPECT_EQ(f.longest_losing_run, k);
    }
}

// Whatever the staking, every bet loses 1/37 of its stake on average (1/74
// when a zero gives half of it back), so the mean result is the staked
// money's share within a few standard errors.
TEST(RiskTheory, MeanResultIsTheHouseEdgeOfTheStaked) {
    const struct {
        System system;
        ZeroRule zero;
    } rows[] = {{System::Settings, ZeroRule::None},
                {System::Settings, ZeroRule::Partage},
                {System::Martingale, ZeroRule::Partage},
                {System::Flat, ZeroRule::Partage}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(SystemName(row.system)) + " " + std::string(ZeroRuleName(row.zero)));
        const RiskSetup s = Plan(row.system, 30, 10, 200, row.zero);
        const RiskFigures f = Figures(s, 10000);
        EXPECT_LT(std::abs(f.edge_z), 4);
        EXPECT_DOUBLE_EQ(f.edge_expected, -f.mean_staked / (row.zero == ZeroRule::Partage ? 74 : 37));
        EXPECT_GT(f.mean_staked, 20);
    }
}

// `call` throws InputError with `why` in its message.
template <class Call>
void ExpectRefused(Call&& call, const std::string& why) {
    SCOPED_TRACE(why);
    try {
        call();
        ADD_FAILURE() << "taken";
    } catch (const InputError& e) {
        EXPECT_NE(std::string(e.what()).find(why), std::string::npos) << e.what();
    }
}

std::string Rows(const std::vector<SessionOutcome>& outcomes) {
    std::string rows;
    for (const SessionOutcome& o : outcomes) rows += CsvRow(o) + '\n';
    return rows;
}

// One session's outcome depends on the run's seed and its index alone; its
// row reads back to the same outcome and the same figures.
// Each staking system played by the game on bets that lose or win as told:
// from a bankroll of 1000 and an initial bet of 1 the cycle is won at 1001,
// where the automatic reset starts again at the initial bet.
TEST(StakePreviewTest, EachSystemStakesAsTheGameSizesIt) {
    struct Row {
        StakingPreset preset;
        std::vector<double> losing, winning, three_lost;
    };
    const std::vector<Row> rows = {
        {StakingPreset::Start, {1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1, 1}, {1, 2, 3, 4, 5, 1}},
        {StakingPreset::Flat, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}},
        {StakingPreset::Martingale, {1, 2, 4, 8, 16, 32}, {1, 1, 1, 1, 1, 1}, {1, 2, 4, 8, 1, 1}},
        {StakingPreset::DAlembert, {1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1, 1}, {1, 2, 3, 4, 3, 1}},
    };
    const Memo start = SettingsRecord().Settings_Data();
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(StakingPresetName(r.preset)));
        const Memo lines = WithStakingPreset(r.preset, start);
        EXPECT_EQ(PreviewStakes(lines, 1000, "LLLLLL"), r.losing);
        EXPECT_EQ(PreviewStakes(lines, 1000, "WWWWWW"), r.winning);
        EXPECT_EQ(PreviewStakes(lines, 1000, "LLLWWW"), r.three_lost);
    }
    // A larger initial bet scales every stake.
    Memo two = start;
    two[1] = "2";
    EXPECT_EQ(PreviewStakes(WithStakingPreset(StakingPreset::Martingale, two), 1000, "LLLW"),
              (std::vector<double>{2, 4, 8, 16}));
    EXPECT_THROW(PreviewStakes({"//line1", "abc"}, 1000, "L"), InputError);
}

TEST(RiskRun, OutcomesDoNotDependOnThreadsOrSlices) {
    const RiskSetup s = Plan(System::Settings, 20, 10, 100);
    const auto whole = RunSessions(s, 0, 40, 1);
    ASSERT_EQ(whole.size(), 40u);
    EXPECT_EQ(Rows(RunSessions(s, 0, 40, 2)), Rows(whole));
    EXPECT_EQ(Rows(RunSessions(s, 0, 15, 2)) + Rows(RunSessions(s, 15, 25, 1)), Rows(whole));
    std::vector<SessionOutcome> read;
    for (const SessionOutcome& o : whole) read.push_back(ReadCsvRow(CsvRow(o)));
    EXPECT_EQ(FiguresJson(Summarise(read, s)), FiguresJson(Summarise(whole, s)));
    RiskSetup other = s;
    other.seed += 1;
    EXPECT_NE(Rows(RunSessions(other, 0, 40, 1)), Rows(whole));

    const std::atomic<bool> cancel{true};
    std::int64_t reported = -1;
    EXPECT_TRUE(RunSessions(
                    s, 0, 40, 2, [&](std::int64_t done) { reported = done; }, &cancel)
                    .empty());
    EXPECT_EQ(reported, 0);
}

TEST(RiskRun, BadSetupsAndRowsAreRefused) {
    const auto refused = [](const RiskSetup& s, const char* why) {
        ExpectRefused([&] { CheckSetup(s); }, why);
    };
    const RiskSetup ok = Plan(System::Flat, 10, 10, 10);
    EXPECT_NO_THROW(CheckSetup(ok));
    RiskSetup s = ok;
    s.bankroll = 0;
    refused(s, "--bankroll");
    s = ok, s.target = std::nan("");
    refused(s, "--target");
    s = ok, s.spins_max = 0;
    refused(s, "--spins-max");
    s = ok, s.controls = {{"Bank", "5"}};
    refused(s, "unknown control 'Bank'");
    s = ok, s.controls = {{"SafeLevel", "11"}};
    refused(s, "SafeLevel: '11' is out of range 0..10");
    // With a stake of 0 no money moves: no session would end before its
    // spin limit, however far away.
    for (const char* bet : {"0", "0.004"}) {
        s = ok, s.controls = {{"Init_Bet", bet}};
        s.spins_max = INT64_MAX;
        refused(s, "the smallest is 0.01");
    }

    const std::string good = CsvRow(RunSessions(ok, 3, 1, 1).at(0));
    EXPECT_EQ(CsvRow(ReadCsvRow(good)), good);
    for (const auto& row : std::vector<std::pair<std::string, std::string>>{
             {good.substr(0, good.rfind(',')), "fields"},
             {"3,lost" + good.substr(good.find(',', 2)), "end: 'lost'"},
             {"x" + good, "session: 'x3'"},
             {good.substr(0, good.rfind(',')) + ",1e", "'1e' is not a number"}})
        ExpectRefused([&] { ReadCsvRow(row.first); }, row.second);
}

// Wilson's interval at its edges: 0 of n reaches z^2 / (n + z^2), n of n
// starts at n / (n + z^2).
TEST(RiskFiguresTest, WilsonIntervalAtItsEdges) {
    const double z2 = 1.959963984540054 * 1.959963984540054;
    EXPECT_EQ(Wilson(0, 10).low, 0);
    EXPECT_NEAR(Wilson(0, 10).high, z2 / (10 + z2), 1e-12);
    EXPECT_NEAR(Wilson(10, 10).low, 10 / (10 + z2), 1e-12);
    EXPECT_EQ(Wilson(10, 10).high, 1);
    const Interval half = Wilson(50, 100);
    EXPECT_NEAR(half.low + half.high, 1, 1e-12);
}

// The checkpoints of the band: ceil(k x M / 20), also where k x M overflows.
TEST(RiskFiguresTest, CheckpointsSpreadOverTheSpinLimit) {
    EXPECT_EQ(CheckpointSpins(2000)[0], 100);
    EXPECT_EQ(CheckpointSpins(5)[3], 1);
    EXPECT_EQ(CheckpointSpins(5)[4], 2);
    EXPECT_EQ(CheckpointSpins(INT64_MAX)[19], INT64_MAX);
    EXPECT_EQ(CheckpointSpins(INT64_MAX)[9], INT64_MAX / 2 + 1);
}

// The tally of a run of any size: its points and chart are those of the whole
// list to the last bit, also when it keeps too few sessions in order to
// compute the spread exactly as Summarise does, whose figures it then gives
// to about 15 digits.
TEST(RiskRun, TallyOfAnySizeGivesTheFiguresOfTheWholeList) {
    const RiskSetup s = Plan(System::Martingale, 40, 10, 150, ZeroRule::Partage);
    const auto outcomes = RunSessions(s, 0, 3000, 0);
    const RiskFigures whole = Summarise(outcomes, s);
    const RiskChart chart = ChartData(outcomes, s);
    for (const std::int64_t kept : {std::int64_t{1} << 24, std::int64_t{100}}) {
        SCOPED_TRACE(kept);
        RiskTally tally(s, kept);
        for (const SessionOutcome& o : outcomes) tally.Add(o);
        const RiskFigures f = tally.Figures();
        EXPECT_EQ(f.result_points, whole.result_points);
        EXPECT_EQ(f.result_mean, whole.result_mean);
        EXPECT_EQ(f.p_ruin.value, whole.p_ruin.value);
        EXPECT_NEAR(f.result_sd, whole.result_sd, 1e-12 * whole.result_sd);
        EXPECT_NEAR(f.edge_z, whole.edge_z, 1e-9);
        if (kept > 3000) {
            EXPECT_EQ(FiguresJson(f), FiguresJson(whole));
        }
        const RiskChart c = tally.Chart();
        EXPECT_EQ(c.bins, chart.bins);
        EXPECT_EQ(c.band, chart.band);
        EXPECT_LE(c.bins.size(), 41u);
    }
}

// A long session shows that it moves: the spins played are reported while
// no session has ended yet, and the outcomes still come in index order.
TEST(RiskRun, ProgressCountsTheSpinsOfSessionsUnderWay) {
    RiskSetup s = Plan(System::Flat, 1e6, 1e6, 2'000'000);
    std::int64_t spins_before_first = 0, next = 0;
    PlaySessions(
        s, 5, 2, 2,
        [&](const SessionOutcome& o) {
            EXPECT_EQ(o.index, 5 + next++);
            EXPECT_EQ(o.spins, s.spins_max);
        },
        [&](const RunProgress& p) {
            if (p.sessions == 0) spins_before_first = std::max(spins_before_first, p.spins);
        });
    EXPECT_EQ(next, 2);
    EXPECT_GT(spins_before_first, 0);
}

}  // namespace
}  // namespace rotacle::risk
