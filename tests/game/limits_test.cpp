// The player's options beside the settings record: the zero rule at the
// settlement, and the session limits, first by their own rules and then as
// the game stops and goes on, journaled and replayed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/fake_platform.h"

namespace rotacle::test {
namespace {

void Play(Game& g, int n) {
    g.Event([&] { g.EnterNumber(n); });
    for (const TimerId id : kModeTimers)
        for (int ticks = 0; g.TimerControl(id).Enabled && ticks < 10000; ++ticks)
            g.Event([&] { g.TimerTick(id); });
}

// Five spins: the fifth proposes a bet of 1 and stakes it.
void Warm(Game& g) {
    for (const int n : {5, 17, 32, 1, 2}) Play(g, n);
}

TEST(GameZeroRule, PartageReturnsHalfTheStakeAndCountsALoss) {
    struct Row {
        const char* name;
        std::vector<ZeroRule> rules;  // set in this order before the spin
        bool skip;                    // the bet is skipped before the spin
        int number;
        double returned;  // bankroll against the same spin without the rule
    } rows[] = {
        {"zero with the bet placed", {ZeroRule::Partage}, false, 0, 0.5},
        {"zero with the bet skipped", {ZeroRule::Partage}, true, 0, 0.0},
        {"a losing number other than zero", {ZeroRule::Partage}, false, 21, 0.0},
        {"the rule turned off again", {ZeroRule::Partage, ZeroRule::None}, false, 0, 0.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform plain_platform, platform;
        Game plain(plain_platform), g(platform);
        for (Game* game : {&plain, &g}) {
            Warm(*game);
            if (r.skip) game->SkipBet();
        }
        for (const ZeroRule rule : r.rules) g.SetZeroRule(rule);
        Play(plain, r.number);
        Play(g, r.number);
        ASSERT_TRUE(g.Report().Settled);
        EXPECT_FALSE(g.Report().Won);
        EXPECT_EQ(g.State().Bankroll - plain.State().Bankroll, r.returned);
        EXPECT_EQ(g.Report().Returned, r.returned);
        // The staking rules see a lost bet either way.
        EXPECT_EQ(g.State().Losses_Count, plain.State().Losses_Count);
        EXPECT_EQ(g.State().Losses_In_Row, plain.State().Losses_In_Row);
        EXPECT_EQ(g.State().Flat_Index, plain.State().Flat_Index);
        EXPECT_EQ(g.State().Bet_Size, plain.State().Bet_Size);
    }
}

TEST(SessionLimits, EachLimitStopsGoesOnAndStartsAnew) {
    constexpr std::int64_t kStart = 1000;
    struct Row {
        const char* name;
        LimitSettings settings;
        std::function<LimitKind(SessionLimits&)> play;  // what is reached after it
        LimitKind reached;
    } rows[] = {
        {"off: nothing stops play",
         {},
         [](SessionLimits& l) {
             for (int i = 0; i < 1000; ++i) l.NoteSpin();
             return l.PlayReached(0);
         },
         LimitKind::None},
        {"loss reached at exactly the limit",
         {.loss = 50},
         [](SessionLimits& l) { return l.PlayReached(950); },
         LimitKind::Loss},
        {"loss short of the limit",
         {.loss = 50},
         [](SessionLimits& l) { return l.PlayReached(950.5); },
         LimitKind::None},
        {"profit goal",
         {.profit = 20},
         [](SessionLimits& l) { return l.PlayReached(1020); },
         LimitKind::Profit},
        {"spins",
         {.spins = 3},
         [](SessionLimits& l) {
             for (int i = 0; i < 3; ++i) l.NoteSpin();
             return l.PlayReached(1000);
         },
         LimitKind::Spins},
        {"time",
         {.time_minutes = 30},
         [](SessionLimits& l) { return l.ClockReached(kStart + 1800); },
         LimitKind::Time},
        {"time not yet",
         {.time_minutes = 30},
         [](SessionLimits& l) { return l.ClockReached(kStart + 1799); },
         LimitKind::None},
        {"reality check",
         {.reality_minutes = 10},
         [](SessionLimits& l) { return l.ClockReached(kStart + 600); },
         LimitKind::RealityCheck},
        {"going on past a loss counts the next loss from there",
         {.loss = 50},
         [](SessionLimits& l) {
             l.Stop(l.PlayReached(940));
             l.GoOn(940, kStart);
             if (l.PlayReached(900) != LimitKind::None) return LimitKind::Profit;  // too early
             return l.PlayReached(890);
         },
         LimitKind::Loss},
        {"going on past a reality check: the next one minutes later",
         {.reality_minutes = 10},
         [](SessionLimits& l) {
             l.Stop(LimitKind::RealityCheck);
             l.GoOn(1000, kStart + 700);
             if (l.ClockReached(kStart + 1200) != LimitKind::None) return LimitKind::Time;  // too early
             return l.ClockReached(kStart + 1300);
         },
         LimitKind::RealityCheck},
        {"stopped play reaches nothing more",
         {.loss = 50, .spins = 1},
         [](SessionLimits& l) {
             l.Stop(LimitKind::Spins);
             return l.PlayReached(0);
         },
         LimitKind::None},
        {"a new game counts from its own start",
         {.profit = 20, .spins = 2},
         [](SessionLimits& l) {
             l.NoteSpin();
             l.Stop(LimitKind::Spins);
             l.Start(1100, kStart + 60);
             l.NoteSpin();
             if (l.Stopped() != LimitKind::None || l.Spins() != 1 || l.Net(1110) != 10)
                 return LimitKind::Time;
             return l.PlayReached(1120);
         },
         LimitKind::Profit},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        SessionLimits limits;
        limits.Set(r.settings, 1000, kStart);
        EXPECT_EQ(limits.On(), r.settings.Any());
        EXPECT_EQ(r.play(limits), r.reached);
    }
}

// A number that wins the bet on the table, or a zero that loses it.
int Winning(const Game& g) {
    constexpr int kWins[] = {1, 1, 2, 1, 2, 1, 19};  // by field code, 1 Less .. 6 More
    const int field = g.State().Bet_Field;
    return field >= 1 && field <= 6 ? kWins[field] : 1;
}

// Limits set with a stake on the table: the session counts the money held
// (the bankroll and that stake) from the moment they are set, and stops play
// at the spin that reaches a limit.
TEST(GameLimits, CountTheMoneyHeldFromTheMomentTheyAreSet) {
    struct Row {
        const char* name;
        std::string before;  // W wins the bet on the table, L loses it (a zero)
        LimitSettings set;   // set after `before`
        std::string after;   // played until a limit stops play
        LimitKind stopped;
        std::size_t spins_played;  // of `after`, when play stopped
        double net;                // the session's result then
    } rows[] = {
        {"loss of 2 with a stake of 1 on the table", "", {.loss = 2}, "LLLL", LimitKind::Loss, 2, -3},
        {"loss of 2 after a loss, a stake of 2 on the table",
         "L",
         {.loss = 2},
         "LLLL",
         LimitKind::Loss,
         1,
         -2},
        {"loss of 10 after two losses", "LL", {.loss = 10}, "LLLL", LimitKind::Loss, 3, -12},
        {"profit of 2 with a stake of 2 on the table", "L", {.profit = 2}, "WWWW", LimitKind::Profit, 1, 2},
        {"three spins after a loss", "L", {.spins = 3}, "WWWWW", LimitKind::Spins, 3, 4},
        {"a profit goal with a spin limit", "L", {.profit = 100, .spins = 2}, "WWWW", LimitKind::Spins, 2, 3},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform platform;
        Game g(platform);
        Warm(g);
        const auto play = [&g](char move) { Play(g, move == 'W' ? Winning(g) : 0); };
        for (const char move : r.before) play(move);
        ASSERT_TRUE(g.AnyChipVisible());
        const double held = g.MoneyHeld();
        g.SetLimits(r.set);
        std::size_t played = 0;
        for (const char move : r.after) {
            if (g.Limits().Stopped() != LimitKind::None) break;
            play(move);
            ++played;
        }
        EXPECT_EQ(g.Limits().Stopped(), r.stopped);
        EXPECT_EQ(played, r.spins_played);
        EXPECT_DOUBLE_EQ(g.MoneyHeld() - held, r.net);
        EXPECT_DOUBLE_EQ(g.Limits().Net(g.MoneyHeld()), r.net);
    }
}

// An initial bet that comes to no cent is refused with one message, except a
// typed 0 on its way to a stake, which waits quietly; no stake of 0 is ever
// placed. A stake larger than the money held stops play when the player
// chose so, and is placed as before otherwise.
TEST(GameLimits, NoStakeOfNothingAndNoneAboveTheBankrollUnseen) {
    struct Row {
        const char* name;
        std::vector<std::string> typed;  // keys typed one by one; "=TEXT" sets the whole text
        bool stop_above_bankroll;
        const char* message;  // "" for none
        double stake;         // the stake on the table then
        LimitKind stopped;    // after a lost spin, whose rule doubles that stake
    } rows[] = {
        {"0 set as a whole",
         {"=0"},
         false,
         "'0' is not a valid amount: the smallest is 0.01",
         1,
         LimitKind::None},
        {"a tenth of a cent", {"=0.001"}, false, "the smallest is 0.01", 1, LimitKind::None},
        {"a typed 0 that stays", {"\b", "0"}, false, "", 1, LimitKind::None},
        {"a typed 0 on its way to a half", {"\b", "0", ".", "5"}, false, "", 0.5, LimitKind::None},
        {"a typed 0.00 is refused",
         {"\b", "0", ".", "0", "0"},
         false,
         "the smallest is 0.01",
         1,
         LimitKind::None},
        {"a cent", {"=0.01"}, false, "", 0.01, LimitKind::None},
        {"a stake above the bankroll, played", {"=5000"}, false, "", 5000, LimitKind::None},
        {"a stake above the bankroll, stopped", {"=5000"}, true, "", 5000, LimitKind::StakeAboveBankroll},
        {"a stake within the bankroll", {"=100"}, true, "", 100, LimitKind::None},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform platform;
        Game g(platform);
        if (r.stop_above_bankroll) g.SetLimits({.stake_above_bankroll = true});
        Warm(g);
        for (const std::string& t : r.typed) {
            if (t.front() == '=')
                g.Event([&] { g.SetEditText(EditId::Init_Bet, t.substr(1)); });
            else
                g.Event([&] { g.TypeKey(EditId::Init_Bet, t[0]); });
        }
        if (*r.message == '\0')
            EXPECT_TRUE(platform.messages.empty()) << platform.LastMessage();
        else
            EXPECT_NE(platform.LastMessage().find(r.message), std::string::npos) << platform.LastMessage();
        EXPECT_LE(platform.messages.size(), 1U);
        EXPECT_EQ(g.State().Bet_Size, r.stake);
        Play(g, 0);
        EXPECT_EQ(g.Limits().Stopped(), r.stopped);
        if (r.stopped == LimitKind::None) {
            EXPECT_TRUE(g.AnyChipVisible());
            EXPECT_EQ(g.State().Bet_Size, 2 * r.stake);
        } else {
            // The stake came back: nothing is on the table.
            EXPECT_FALSE(g.AnyChipVisible());
            EXPECT_EQ(g.State().Bankroll, g.MoneyHeld());
        }
    }
}

class Lines : public ActionSink {
public:
    void Record(std::string_view action) noexcept override { lines.emplace_back(action); }
    std::vector<std::string> lines;
};

TEST(GameLimits, StopWithdrawsTheProposalAndReplaysAsPlayed) {
    FakePlatform platform;
    Game g(platform);
    Lines journal;
    g.SetJournal(&journal);
    g.SetZeroRule(ZeroRule::Partage);
    g.SetLimits({.spins = 6, .reality_minutes = 5});
    Warm(g);
    ASSERT_TRUE(g.AnyChipVisible());
    Play(g, 0);
    // The sixth spin reaches the limit: its proposal comes off the table and
    // the board takes no number until the player goes on.
    EXPECT_EQ(g.Limits().Stopped(), LimitKind::Spins);
    EXPECT_FALSE(g.AnyChipVisible());
    Play(g, 7);
    EXPECT_EQ(g.Board().NumbersList().size(), 6U);
    g.GoOnPastLimit();
    Play(g, 7);
    EXPECT_EQ(g.Board().NumbersList().size(), 7U);
    // Five minutes on the clock: the reality check stops play too.
    platform.clock_seconds += 300;
    g.CheckLimitClock();
    EXPECT_EQ(g.Limits().Stopped(), LimitKind::RealityCheck);
    g.SetJournal(nullptr);

    // A fresh game replaying the journal (on a clock of its own) ends alike.
    FakePlatform other;
    Game replayed(other);
    for (const std::string& line : journal.lines) ASSERT_TRUE(replayed.ReplayAction(line)) << line;
    EXPECT_EQ(replayed.ZeroRuleInForce(), ZeroRule::Partage);
    EXPECT_EQ(replayed.Limits().Stopped(), LimitKind::RealityCheck);
    EXPECT_TRUE(replayed.State() == g.State());

    // A new game plays again.
    g.Event([&] { g.ResetApp(); });
    EXPECT_EQ(g.Limits().Stopped(), LimitKind::None);
    Play(g, 3);
    EXPECT_EQ(g.Board().NumbersList().size(), 1U);
}

// The time played goes into the journal: a session resumed after a crash
// counts its limits of time on from where it was cut off. A journal from
// before, without it, counts them from the resume.
TEST(GameLimits, TimePlayedCarriesOverAResume) {
    FakePlatform platform;
    Game g(platform);
    Lines journal;
    g.SetJournal(&journal);
    g.SetLimits({.loss = 500, .reality_minutes = 45});
    Warm(g);
    // Twenty minutes in, the time limit joins (it counts the session's time); twenty more pass.
    for (int minute = 0; minute < 40; ++minute) {
        if (minute == 20) g.SetLimits({.loss = 500, .time_minutes = 50, .reality_minutes = 45});
        platform.clock_seconds += 60;
        g.CheckLimitClock();
    }
    ASSERT_EQ(g.Limits().Stopped(), LimitKind::None);
    g.SetJournal(nullptr);

    std::vector<std::string> older;
    for (const std::string& line : journal.lines)
        if (!line.starts_with("played ")) older.push_back(line);
    struct Row {
        const char* name;
        std::vector<std::string> lines;
        int minutes_to_reality_check, minutes_to_time_limit;
    } rows[] = {
        {"journal with the time played", journal.lines, 5, 10},
        {"journal from before", older, 45, 50},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        FakePlatform later;
        later.clock_seconds = platform.clock_seconds + 3 * 3600;  // resumed hours later
        Game resumed(later);
        for (const std::string& line : r.lines) ASSERT_TRUE(resumed.ReplayAction(line)) << line;
        const auto stops_after = [&](int minutes) {
            later.clock_seconds += minutes * 60 - 1;
            resumed.CheckLimitClock();
            if (resumed.Limits().Stopped() != LimitKind::None) return LimitKind::None;  // too early
            later.clock_seconds += 1;
            resumed.CheckLimitClock();
            return resumed.Limits().Stopped();
        };
        EXPECT_EQ(
            stops_after(std::min(r.minutes_to_reality_check, r.minutes_to_time_limit)),
            r.minutes_to_reality_check < r.minutes_to_time_limit ? LimitKind::RealityCheck : LimitKind::Time);
        resumed.GoOnPastLimit();
        EXPECT_EQ(
            stops_after(std::abs(r.minutes_to_time_limit - r.minutes_to_reality_check)),
            r.minutes_to_reality_check < r.minutes_to_time_limit ? LimitKind::Time : LimitKind::RealityCheck);
    }
}

}  // namespace
}  // namespace rotacle::test
