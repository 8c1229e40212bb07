// Backtests: summary, CSV, chart and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/convert.h"
#include "core/text_file.h"
#include "support/scratch.h"
#include "tools/backtest.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;

class Backtest : public ::testing::Test {
protected:
    fs::path dir = test::TestScratch("backtest");

    std::string Numbers(const std::string& text) {
        const fs::path p = dir / "numbers.txt";
        std::ofstream(p, std::ios::binary) << text;
        return p.string();
    }

    /// Runs with JSON output; returns the summary (empty on failure).
    nlohmann::json Run(BacktestOptions o) {
        o.json = true;
        o.progress = false;
        std::ostringstream out;
        err.str("");
        code = RunBacktest(o, out, err);
        return code == 0 ? nlohmann::json::parse(out.str()) : nlohmann::json();
    }

    std::ostringstream err;
    int code = -1;
};

// Warm-up of five numbers, then the proposal made after the fifth (Red) wins
// on 7: the stake of 1 comes back doubled, the bankroll reaches its cycle
// target and the next stake of 1 is placed.
TEST_F(Backtest, WonCycleByHand) {
    BacktestOptions o;
    o.numbers_file = Numbers("5\n17\n32\n3\n12\n7\n");
    const auto s = Run(o);
    ASSERT_EQ(code, 0) << err.str();
    EXPECT_EQ(s["spins"], 6);
    EXPECT_EQ(s["proposals"], 2);
    EXPECT_EQ(s["bets_placed"], 2);
    EXPECT_EQ(s["wins"], 1);
    EXPECT_EQ(s["losses"], 0);
    EXPECT_EQ(s["start_bankroll"], 1000.0);
    EXPECT_EQ(s["final_bankroll"], 1000.0);
    EXPECT_EQ(s["open_stake"], 1.0);
    EXPECT_EQ(s["net_result"], 1.0);
    EXPECT_EQ(s["total_staked"], 1.0);
    EXPECT_DOUBLE_EQ(s["expected_loss"].get<double>(), 1.0 / 37);
    EXPECT_EQ(s["lowest_bankroll"], 999.0);
    EXPECT_EQ(s["lowest_spin"], 5);
    EXPECT_EQ(s["max_drawdown"], 1.0);
    EXPECT_EQ(s["largest_stake"], 1.0);
    EXPECT_EQ(s["longest_losing_run"], 0);
    EXPECT_EQ(s["flat_index"], 18);
    EXPECT_EQ(s["cycles_completed"], 1);
}

// Over a real series with long losing runs, the summary agrees with the CSV
// row by row.
TEST_F(Backtest, LossRunAgreesWithTheCsv) {
    BacktestOptions o;
    o.numbers_file = (fs::path(ROTACLE_TEST_DATA) / "spins" / "series2.txt").string();
    o.csv_file = (dir / "run.csv").string();
    const auto s = Run(o);
    ASSERT_EQ(code, 0) << err.str();
    const auto rows = ReadLines(o.csv_file);
    ASSERT_EQ(rows.size(), s["spins"].get<std::size_t>() + 1);
    EXPECT_EQ(rows[0], "spin,number,field,shown,stake,result,bankroll");
    std::int64_t wins = 0, losses = 0, run = 0, longest = 0;
    double staked = 0;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        std::vector<std::string> cells;
        std::stringstream line(rows[i]);
        for (std::string cell; std::getline(line, cell, ',');) cells.push_back(cell);
        if (rows[i].back() == ',') cells.emplace_back();
        ASSERT_EQ(cells.size(), 7U) << rows[i];
        if (cells[5] == "won") {
            ++wins;
            run = 0;
        } else if (cells[5] == "lost") {
            ++losses;
            longest = std::max(longest, ++run);
        }
        if (cells[5] == "won" || cells[5] == "lost") staked += std::stod(cells[4]);
    }
    EXPECT_EQ(s["wins"], wins);
    EXPECT_EQ(s["losses"], losses);
    EXPECT_EQ(s["longest_losing_run"], longest);
    EXPECT_NEAR(s["total_staked"].get<double>(), staked, 1e-6);
    EXPECT_EQ(rows.back().substr(rows.back().rfind(',') + 1), FloatToStr(s["final_bankroll"].get<double>()));
}

// Below the safety level nothing is placed: every settlement is virtual and
// no money moves.
TEST_F(Backtest, VirtualResultsMoveNoMoney) {
    BacktestOptions o;
    o.numbers_file = Numbers("5\n17\n32\n3\n12\n7\n8\n");
    o.safe_level = 10;
    o.csv_file = (dir / "virtual.csv").string();
    const auto s = Run(o);
    ASSERT_EQ(code, 0) << err.str();
    EXPECT_EQ(s["bets_placed"], 0);
    EXPECT_EQ(s["total_staked"], 0.0);
    EXPECT_EQ(s["net_result"], 0.0);
    const auto rows = ReadLines(o.csv_file);
    EXPECT_EQ(rows[5], "5,12,,0,,not settled,1000");
    EXPECT_EQ(rows[6], "6,7,Red,0,,virtual win,1000");
}

TEST_F(Backtest, ChartHasOnePointPerSpinAndIsWellFormedSvg) {
    BacktestOptions o;
    o.numbers_file = (fs::path(ROTACLE_TEST_DATA) / "spins" / "series3.txt").string();
    o.chart_file = (dir / "chart.svg").string();
    const auto s = Run(o);
    ASSERT_EQ(code, 0) << err.str();
    const std::string svg = ReadFileText(o.chart_file);
    EXPECT_EQ(svg.rfind("<svg xmlns=\"http://www.w3.org/2000/svg\"", 0), 0U);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    const auto start = svg.find("<polyline id=\"bankroll\"");
    ASSERT_NE(start, std::string::npos);
    const auto points_at = svg.find("points=\"", start) + 8;
    const std::string points = svg.substr(points_at, svg.find('"', points_at) - points_at);
    std::size_t pairs = 0;
    for (char c : points) pairs += c == ',' ? 1 : 0;
    EXPECT_EQ(pairs, s["spins"].get<std::size_t>() + 1);  // the start and one point per spin
    // Every tag that opens is closed: a cheap well-formedness check.
    std::size_t open = 0, close = 0;
    for (std::size_t p = svg.find('<'); p != std::string::npos; p = svg.find('<', p + 1)) {
        if (svg.compare(p, 2, "</") == 0)
            ++close;
        else if (svg[svg.find('>', p) - 1] != '/')
            ++open;
    }
    EXPECT_EQ(open, close);
}

TEST_F(Backtest, LongRunsAreDrawnFromBuckets) {
    BacktestOptions o;
    o.random = 30000;
    o.chart_file = (dir / "long.svg").string();
    Run(o);
    ASSERT_EQ(code, 0) << err.str();
    const std::string svg = ReadFileText(o.chart_file);
    EXPECT_NE(svg.find("one point per 20 spins"), std::string::npos);
    EXPECT_LT(svg.size(), 400'000U);
}

TEST_F(Backtest, RandomNumbersAreReproducibleFromTheirSeed) {
    EXPECT_EQ(DrawNumbers(1000, 7), DrawNumbers(1000, 7));
    EXPECT_NE(DrawNumbers(1000, 7), DrawNumbers(1000, 8));
    std::array<int, 37> counts{};
    for (auto n : DrawNumbers(37000, 3)) ++counts.at(n);
    for (int c : counts) EXPECT_NEAR(c, 1000, 150);

    BacktestOptions o;
    o.random = 2000;
    o.seed = 11;
    const auto a = Run(o);
    const auto b = Run(o);
    EXPECT_EQ(a, b);
    o.seed = 12;
    EXPECT_NE(Run(o), a);
}

TEST_F(Backtest, BadInputWritesNothing) {
    struct Row {
        const char* name;
        std::string numbers;
        std::string message;
    };
    const std::vector<Row> rows = {
        {"blank line", "5\n\n7\n", "numbers.txt:2: '' is not a valid integer value"},
        {"above 36", "5\n37\n", "numbers.txt:2: '37' is not a roulette number (0 to 36)"},
        {"letters", "abc", "numbers.txt:1: 'abc' is not a valid integer value"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        BacktestOptions o;
        o.numbers_file = Numbers(row.numbers);
        o.csv_file = (dir / "out.csv").string();
        o.chart_file = (dir / "out.svg").string();
        Run(o);
        EXPECT_EQ(code, 1);
        EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(o.csv_file));
        EXPECT_FALSE(fs::exists(o.chart_file));
    }
}

TEST_F(Backtest, UnusableOptionsGiveAClearMessage) {
    BacktestOptions o;
    o.numbers_file = (dir / "missing.txt").string();
    Run(o);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("missing.txt"), std::string::npos);

    o.numbers_file = Numbers("1\n2\n");
    o.csv_file = (dir / "no-folder" / "x.csv").string();
    Run(o);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("x.csv"), std::string::npos);

    o.csv_file.clear();
    o.init_bet = "abc";
    Run(o);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("'abc' is not a valid floating point value"), std::string::npos);

    o.init_bet.reset();
    o.trends = {"Green"};
    Run(o);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("Green"), std::string::npos);

    o.trends.clear();
    o.mode = 5;
    Run(o);
    EXPECT_EQ(code, 1);
    EXPECT_NE(err.str().find("--lists"), std::string::npos);
}

}  // namespace
}  // namespace rotacle::sim
