// The driver's statistics: `stats` and the backtest's `--stats`.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "tools/backtest.h"
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

}  // namespace
}  // namespace rotacle::sim
