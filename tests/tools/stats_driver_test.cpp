// The driver's statistics: `stats` and the backtest's `--stats`.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/text_file.h"
#include "tools/backtest.h"
#include "tools/session.h"
#include "tools/stats.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;
using nlohmann::ordered_json;

std::vector<std::string> Keys(const ordered_json& j) {
    std::vector<std::string> keys;
    for (const auto& item : j.items()) keys.push_back(item.key());
    return keys;
}

TEST(StatsDriver, JsonHasTheChancesInOrderAndOneObjectPerNumber) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "stats_driver";
    fs::create_directories(dir);
    const fs::path file = dir / "numbers.txt";
    std::ofstream(file, std::ios::binary) << "0\r\n5\r\n0\r\n0\r\n12\r\n19\r\n0\r\n36";
    std::ostringstream out, err;
    ASSERT_EQ(RunStats({file.string(), true}, out, err), 0) << err.str();
    const std::string text = out.str();
    ASSERT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    const ordered_json j = ordered_json::parse(text);
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"spins", "chances", "numbers"}));
    EXPECT_EQ(j["spins"], 8);
    EXPECT_EQ(Keys(j["chances"]), (std::vector<std::string>{"Less", "Even", "Red", "Black", "Odd", "More"}));
    const std::vector<std::string> figures = {"hits", "absence", "longest_absence"};
    for (const auto& c : j["chances"]) EXPECT_EQ(Keys(c), figures);
    ASSERT_EQ(j["numbers"].size(), 37u);
    for (const auto& n : j["numbers"]) EXPECT_EQ(Keys(n), figures);
    EXPECT_EQ(j["chances"]["Even"].dump(), R"({"hits":2,"absence":0,"longest_absence":4})");
    EXPECT_EQ(j["numbers"][0].dump(), R"({"hits":4,"absence":1,"longest_absence":2})");

    // A bad line: its number in the message, nothing on standard output.
    std::ofstream(file, std::ios::binary) << "5\n17\n37\n";
    out.str("");
    err.str("");
    EXPECT_EQ(RunStats({file.string(), false}, out, err), 1);
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(err.str().find("numbers.txt:3:"), std::string::npos) << err.str();
}

// The backtest's statistics count the bets it settled, and the printed
// summary without them stays as it was, the statistics only following it.
TEST(StatsDriver, BacktestStatsAgreeWithTheBacktestSummary) {
    BacktestOptions o;
    o.numbers_file = (fs::path(ROTACLE_TEST_DATA) / "spins" / "series2.txt").string();
    o.progress = false;
    o.json = true;
    o.stats = true;
    std::ostringstream out, err;
    ASSERT_EQ(RunBacktest(o, out, err), 0) << err.str();
    const auto j = nlohmann::json::parse(out.str());
    const auto& s = j["stats"]["session"];
    EXPECT_EQ(j["stats"]["spins"], j["spins"]);
    EXPECT_EQ(s["spins"], j["spins"]);
    // Placed and settled mean the same in both: the open bet is placed only.
    EXPECT_EQ(s["bets_placed"], j["bets_placed"]);
    EXPECT_EQ(s["bets_settled"], j["bets_settled"]);
    EXPECT_EQ(j["bets_settled"], j["wins"].get<int>() + j["losses"].get<int>());
    EXPECT_EQ(j["bets_placed"], j["bets_settled"].get<int>() + (j["open_stake"].get<double>() > 0 ? 1 : 0));
    EXPECT_EQ(s["won"], j["wins"]);
    EXPECT_EQ(s["lost"], j["losses"]);
    EXPECT_EQ(s["longest_losing_run"], j["longest_losing_run"]);
    EXPECT_DOUBLE_EQ(s["total_staked"].get<double>(), j["total_staked"].get<double>());
    EXPECT_DOUBLE_EQ(s["net_result"].get<double>(), j["net_result"].get<double>());
    EXPECT_DOUBLE_EQ(s["expected_loss"].get<double>(), j["expected_loss"].get<double>());
    const HitCounter hits = HitCounter::Of(ReadNumberFile(o.numbers_file));
    EXPECT_EQ(j["stats"]["chances"], nlohmann::json::parse(HitsJson(hits).dump())["chances"]);

    o.json = false;
    std::ostringstream with, without;
    ASSERT_EQ(RunBacktest(o, with, err), 0);
    o.stats = false;
    ASSERT_EQ(RunBacktest(o, without, err), 0);
    EXPECT_EQ(with.str().substr(0, without.str().size()), without.str());
    EXPECT_NE(with.str().find("Session statistics\n", without.str().size()), std::string::npos);
}

// The `stats` line of a script: the statistics that the engine's play built.
std::string StatsLine(const std::string& script, const JournalOptions& journal = {}) {
    std::istringstream in(script);
    std::ostringstream out, err;
    EXPECT_EQ(RunScript(in, fs::temp_directory_path(), out, err, true, journal), 0) << err.str();
    for (const std::string& line : SplitLines(out.str()))
        if (line.starts_with("{\"spins\"")) return line;
    return {};
}

// The statistics follow the play, not the history: a session resumed from its
// journal part way, or whole, prints the `stats` line of the session played
// at one go, with its undo, skip and test bank; the line has the shape of the
// backtest's statistics.
TEST(StatsDriver, AResumedSessionHasTheFiguresOfTheSessionPlayed) {
    const fs::path dir = fs::path(ROTACLE_TEST_SCRATCH) / "stats_resume";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const std::string first =
        "spin 32\nspin 15\nspin 19\nspin 4\nspin 21\nspin 2\nspin 25\nspin 17\nundo\nspin 18\nskip\n";
    const std::string second = "spin 7\nset Test_Bank 900\nspin 9\nspin 11\nspin 0\nspin 30\nspin 3\nstats\n";
    const std::string whole = StatsLine(first + second, {(dir / "whole.journal").string(), ""});
    ASSERT_FALSE(whole.empty());
    const ordered_json j = ordered_json::parse(whole);
    EXPECT_EQ(Keys(j), (std::vector<std::string>{"spins", "chances", "numbers", "session"}));
    EXPECT_EQ(j["spins"], 14);
    EXPECT_GT(j["session"]["bets_settled"].get<int>(), 2);

    StatsLine(first, {(dir / "part.journal").string(), ""});
    EXPECT_EQ(StatsLine(second, {"", (dir / "part.journal").string()}), whole);
    EXPECT_EQ(StatsLine("stats\n", {"", (dir / "whole.journal").string()}), whole);
}

// A bankroll set by the player mid-session is a point of its own: the points
// of the spins before it keep their values.
TEST(StatsDriver, ATestBankSetMidSessionIsANewPointOfTheChart) {
    Session s(fs::temp_directory_path());
    std::int64_t line = 0;
    for (const char* n : {"32", "15", "19", "4", "21", "2", "25", "17", "18"})
        s.RunLine(std::string("spin ") + n, ++line);
    const std::vector<BankrollPoint> before = s.Stats().Chart().Points();
    ASSERT_EQ(before.size(), 9u);
    s.RunLine("set Test_Bank -500", ++line);
    s.RunLine("type Test_Bank 0", ++line);
    const std::vector<BankrollPoint>& after = s.Stats().Chart().Points();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    EXPECT_EQ(after.back().spin, 9);
    EXPECT_EQ(after.back().bankroll, -5000);
    EXPECT_TRUE(after.back().by_player);
    s.RunLine("spin 7", ++line);
    EXPECT_EQ(s.Stats().Chart().Points().size(), before.size() + 2);
}

}  // namespace
}  // namespace rotacle::sim
