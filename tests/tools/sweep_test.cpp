// Sweeps: rows equal to single backtests, the same file whatever the jobs and
// shards, and bad grids stopped before anything is written.
#include "tools/sweep.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/convert.h"
#include "core/text_file.h"
#include "support/scratch.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;

class Sweep : public ::testing::Test {
protected:
    fs::path dir = test::TestScratch("sweep");

    std::string Grid(const std::string& json) {
        const fs::path p = dir / "grid.json";
        std::ofstream(p, std::ios::binary) << json;
        return p.string();
    }
    std::string Path(const char* name) const { return (dir / name).string(); }

    int Run(SweepOptions o) {
        o.progress = false;
        std::ostringstream out;
        err.str("");
        return RunSweep(o, out, err);
    }

    std::ostringstream err;
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> f;
    std::stringstream s(line);
    for (std::string x; std::getline(s, x, ',');) f.push_back(x);
    return f;
}

std::string Money(double v) { return FloatToStr(RoundToCents(v)); }

// Every row of a 2x2 sweep over two histories is the backtest of its
// history with its two values, field by field; the summary of a combination
// counts its broke runs and takes the median of the others.
TEST_F(Sweep, RowsAreTheBacktestsOfTheirSettings) {
    const std::string data = ROTACLE_TEST_DATA;
    SweepOptions o;
    o.grid_file = Grid(R"({"Init_Bet": ["1", 3], "SafeLevel": ["0", "2"]})");
    o.histories = {data + "/spins/series1.txt", data + "/spins/series3.txt"};
    o.csv_file = Path("rows.csv");
    o.summary_file = Path("summary.csv");
    o.jobs = 2;
    ASSERT_EQ(Run(o), 0) << err.str();

    std::istringstream rows(ReadFileText(o.csv_file));
    std::string line;
    std::getline(rows, line);
    const auto header = Fields(line);
    ASSERT_EQ(header[2], "Init_Bet");
    ASSERT_EQ(header[3], "SafeLevel");
    std::vector<std::vector<std::string>> expect_summary;
    int count = 0;
    std::vector<double> nets;
    for (; std::getline(rows, line); ++count) {
        const auto row = Fields(line);
        ASSERT_EQ(row.size(), header.size());
        const int c = count / 2, r = count % 2;
        EXPECT_EQ(row[0], std::to_string(c));
        EXPECT_EQ(row[1], std::to_string(r));
        EXPECT_EQ(row[2], c < 2 ? "1" : "3");  // the last key changes fastest
        EXPECT_EQ(row[3], c % 2 ? "2" : "0");
        EXPECT_EQ(row[4], o.histories[static_cast<std::size_t>(r)]);

        BacktestOptions b;
        b.numbers_file = row[4];
        b.init_bet = row[2];
        b.safe_level = std::stoi(row[3]);
        b.json = true;
        b.progress = false;
        std::ostringstream out, berr;
        ASSERT_EQ(RunBacktest(b, out, berr), 0);
        const auto j = nlohmann::json::parse(out.str());
        for (std::size_t k = 5; k + 1 < header.size(); ++k) {
            const auto& v = j.at(header[k]);
            EXPECT_EQ(row[k],
                      v.is_number_integer() ? std::to_string(v.get<std::int64_t>()) : Money(v.get<double>()))
                << header[k] << " of row " << count;
        }
        EXPECT_EQ(row.back(), j["lowest_bankroll"].get<double>() < 0 ? "1" : "0");
        // Summary of the combination once both runs have come.
        if (row.back() == "0") nets.push_back(std::stod(row[13]));
        if (r == 1) {
            const int broke = 2 - static_cast<int>(nets.size());
            const std::string median =
                nets.empty() ? "" : Money(nets.size() == 1 ? nets[0] : (nets[0] + nets[1]) / 2);
            expect_summary.push_back({std::to_string(c), row[2], row[3], "2", std::to_string(broke),
                                      broke == 0   ? "0.0000"
                                      : broke == 1 ? "0.5000"
                                                   : "1.0000",
                                      median});
            nets.clear();
        }
    }
    EXPECT_EQ(count, 8);

    std::istringstream summary(ReadFileText(o.summary_file));
    std::getline(summary, line);
    EXPECT_EQ(line,
              "combination,Init_Bet,SafeLevel,runs,broke_runs,broke_share,ruin_free_median,mean_result,max_"
              "drawdown");
    for (const auto& expect : expect_summary) {
        ASSERT_TRUE(std::getline(summary, line));
        auto got = Fields(line + ",");  // keep an empty median
        got.resize(expect.size());
        EXPECT_EQ(got, expect);
    }
}

// One file whatever the number of jobs, and shards merged in any order give
// that file byte for byte, with the same summary.
TEST_F(Sweep, JobsAndShardsWriteTheSameFile) {
    SweepOptions o;
    o.grid_file =
        Grid(R"({"Init_Bet": ["1", "2"], "trend": ["none", "Red"], "Bet_Automatic_Reset": [0, 1]})");
    o.random = 300;
    o.runs = 3;
    o.seed = 7;
    o.jobs = 1;
    o.csv_file = Path("one.csv");
    o.summary_file = Path("one-summary.csv");
    ASSERT_EQ(Run(o), 0) << err.str();
    const std::string whole = ReadFileText(o.csv_file);
    EXPECT_EQ(std::count(whole.begin(), whole.end(), '\n'), 1 + 8 * 3);

    o.jobs = 2;
    o.csv_file = Path("two.csv");
    ASSERT_EQ(Run(o), 0) << err.str();
    EXPECT_EQ(ReadFileText(o.csv_file), whole);

    o.summary_file.clear();
    for (const char* shard : {"0/2", "1/2"}) {
        o.shard = shard;
        o.csv_file = Path(shard[0] == '0' ? "part-0.csv" : "part-1.csv");
        ASSERT_EQ(Run(o), 0) << err.str();
    }
    MergeOptions m;
    m.out_file = Path("merged.csv");
    m.summary_file = Path("merged-summary.csv");
    m.parts = {Path("part-1.csv"), Path("part-0.csv")};
    std::ostringstream out, merr;
    ASSERT_EQ(RunSweepMerge(m, out, merr), 0) << merr.str();
    EXPECT_EQ(ReadFileText(m.out_file), whole);
    EXPECT_EQ(ReadFileText(m.summary_file), ReadFileText(Path("one-summary.csv")));

    // A shard left out or given twice is refused, and nothing is written.
    m.out_file = Path("bad-merge.csv");
    for (const auto& parts :
         {std::vector{Path("part-1.csv")}, std::vector{Path("part-0.csv"), Path("part-0.csv")}}) {
        m.parts = parts;
        EXPECT_EQ(RunSweepMerge(m, out, merr), 1);
        EXPECT_FALSE(fs::exists(m.out_file));
    }
}

// A merge takes every shard of one sweep once, whole, and gives the file of
// the sweep without shards, quoted fields over several lines included;
// anything else is refused with nothing written.
TEST_F(Sweep, MergeTakesEveryShardOfOneSweepOnce) {
    const std::string odd_name = Path("odd, \"name\"\nof a history.txt");
    fs::copy_file(std::string(ROTACLE_TEST_DATA) + "/spins/series1.txt", odd_name);
    // Sweep `name` cut into `shards` parts, NAME-I.csv, with its whole file NAME.csv.
    const auto sweep = [&](const std::string& name, const std::string& grid,
                           std::function<void(SweepOptions&)> change, int shards) {
        SweepOptions o;
        o.grid_file = Grid(grid);
        o.histories = {odd_name, std::string(ROTACLE_TEST_DATA) + "/spins/series2.txt"};
        change(o);
        o.csv_file = Path((name + ".csv").c_str());
        ASSERT_EQ(Run(o), 0) << err.str();
        for (int i = 0; i < shards; ++i) {
            o.shard = std::to_string(i) + '/' + std::to_string(shards);
            o.csv_file = Path((name + '-' + std::to_string(i) + ".csv").c_str());
            ASSERT_EQ(Run(o), 0) << err.str();
        }
    };
    const char* grid = R"({"Init_Bet": ["1", "2"], "SafeLevel": [0, 2]})";
    const auto none = [](SweepOptions&) {};
    sweep("a", grid, none, 3);
    sweep("values", R"({"Init_Bet": ["1", "3"], "SafeLevel": [0, 2]})", none, 3);
    sweep(
        "mode", grid, [](SweepOptions& o) { o.mode = 3; }, 3);
    const auto random = [](std::uint64_t seed) {
        return [seed](SweepOptions& o) {
            o.histories.clear();
            o.random = 200;
            o.runs = 2;
            o.seed = seed;
        };
    };
    sweep("seed1", grid, random(1), 2);
    sweep("seed2", grid, random(2), 2);
    const std::string part = ReadFileText(Path("a-1.csv"));
    WriteTextAtomic(Path("cut.csv"), part.substr(0, part.rfind(',') + 1));  // "...,18," without its line end
    WriteTextAtomic(Path("short.csv"), part.substr(0, part.rfind('\n', part.size() - 2) + 1));
    ASSERT_EQ(::mkfifo(Path("fifo.csv").c_str(), 0600), 0);

    struct Case {
        std::vector<const char*> parts;
        const char* message;  ///< "" for a merge that succeeds
    };
    const Case cases[] = {
        {{"a-2.csv", "a-0.csv", "a-1.csv"}, ""},
        {{"a-0.csv", "a-1.csv"}, "shard 2/3 is missing (2 of 3 given)"},
        {{"a-1.csv", "a-2.csv"}, "shard 0/3 is missing"},
        {{"a-0.csv", "a-1.csv", "a-2.csv", "a-1.csv"}, "a-1.csv: shard 1/3 is given twice"},
        {{"a-0.csv", "values-1.csv", "a-2.csv"}, "values-1.csv: a shard of another sweep"},
        {{"a-0.csv", "mode-1.csv", "a-2.csv"}, "mode-1.csv: a shard of another sweep"},
        {{"seed1-0.csv", "seed2-1.csv"}, "seed2-1.csv: a shard of another sweep"},
        {{"a-0.csv", "seed1-1.csv"}, "seed1-1.csv: shard 1/2, but"},
        {{"a-0.csv", "cut.csv", "a-2.csv"}, "the row is cut short"},
        {{"a-0.csv", "short.csv", "a-2.csv"}, "short.csv: ends after 2 of its 3 rows"},
        {{"a.csv"}, "a.csv: not the file of a shard"},
        {{"a-0.csv", "fifo.csv"}, "Not a regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        MergeOptions m;
        m.out_file = Path("merged.csv");
        for (const char* p : c.parts) m.parts.push_back(Path(p));
        std::ostringstream out, merr;
        const int code = RunSweepMerge(m, out, merr);
        if (*c.message == '\0') {
            ASSERT_EQ(code, 0) << merr.str();
            EXPECT_EQ(ReadFileText(m.out_file), ReadFileText(Path("a.csv")));
            fs::remove(m.out_file);
            continue;
        }
        EXPECT_EQ(code, 1);
        EXPECT_NE(merr.str().find(c.message), std::string::npos) << merr.str();
        EXPECT_FALSE(fs::exists(m.out_file));
    }

    // A part saved with CR LF line ends is a part like any other.
    std::string crlf;
    for (const char c : ReadFileText(Path("seed1-1.csv")))
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    WriteTextAtomic(Path("crlf.csv"), crlf);
    {
        MergeOptions m;
        m.out_file = Path("merged.csv");
        m.parts = {Path("crlf.csv"), Path("seed1-0.csv")};
        std::ostringstream out, merr;
        ASSERT_EQ(RunSweepMerge(m, out, merr), 0) << merr.str();
        EXPECT_EQ(ReadFileText(m.out_file), ReadFileText(Path("seed1.csv")));
    }

    // A drawdown at the edge of the doubles puts the chart's axis at
    // infinity: it still ends, with a few ticks.
    std::string odd = ReadFileText(Path("seed1-1.csv"));
    const std::size_t header = odd.find('\n') + 1, row = odd.find('\n', header) + 1;
    const auto split = [](const std::string& text) {
        std::vector<std::string> f;
        std::stringstream in(text);
        for (std::string x; std::getline(in, x, ',');) f.push_back(x);
        return f;
    };
    const auto columns = split(odd.substr(header, row - header - 1));
    auto fields = split(odd.substr(row, odd.find('\n', row) - row));
    fields.at(static_cast<std::size_t>(std::find(columns.begin(), columns.end(), "max_drawdown") -
                                       columns.begin())) = "1.7e308";
    std::string line;
    for (const std::string& f : fields) line += (line.empty() ? "" : ",") + f;
    odd = odd.substr(0, row) + line + odd.substr(odd.find('\n', row));
    WriteTextAtomic(Path("edge.csv"), odd);
    MergeOptions m;
    m.out_file = Path("merged.csv");
    m.chart_file = Path("edge.svg");
    m.parts = {Path("seed1-0.csv"), Path("edge.csv")};
    std::ostringstream out, merr;
    ASSERT_EQ(RunSweepMerge(m, out, merr), 0) << merr.str();
    const std::string chart = ReadFileText(m.chart_file);
    EXPECT_LT(std::count(chart.begin(), chart.end(), '\n'), 300);
}

// --jobs beyond the cores runs a thread per core and says so; a table of
// every combination costs about what a table of ten does, best median first
// and ties in the grid's order.
TEST_F(Sweep, JobsAndTableStayBounded) {
    SweepOptions o;
    o.grid_file = Grid(R"({"SafeLevel": [0, 1, 2, 3]})");
    o.random = 10;
    o.runs = 2;
    o.jobs = 100000;
    o.csv_file = Path("jobs.csv");
    ASSERT_EQ(Run(o), 0) << err.str();
    EXPECT_NE(err.str().find("--jobs 100000: "), std::string::npos) << err.str();
    EXPECT_NE(err.str().find(" threads, one per core"), std::string::npos) << err.str();

    constexpr int kCombinations = 20000;
    std::string text =
        "# rotacle-sim sweep shard 0/1 of " + std::to_string(kCombinations) +
        " combinations x 1 runs fingerprint 0123456789abcdef\ncombination,run,key,history,spins,"
        "proposals,bets_placed,wins,losses,start_bankroll,final_bankroll,open_stake,net_result,"
        "total_staked,expected_loss,lowest_bankroll,lowest_spin,max_drawdown,largest_stake,"
        "longest_losing_run,flat_index,cycles_completed,broke\n";
    for (int c = 0; c < kCombinations; ++c)
        text += std::to_string(c) + ",0,v,h,1,1,1,1,0,1000,1000,0," + std::to_string(c % 1000) +
                ",1,0.03,999,1,5,1,1,18,0,0\n";
    WriteTextAtomic(Path("big.csv"), text);
    const auto merge = [&](std::int64_t top, std::string& table) {
        MergeOptions m;
        m.out_file = Path("big-merged.csv");
        m.parts = {Path("big.csv")};
        m.top = top;
        std::ostringstream out, merr;
        EXPECT_EQ(RunSweepMerge(m, out, merr), 0) << merr.str();
        table = out.str();
    };
    std::string short_table, long_table;
    merge(10, short_table);
    merge(kCombinations, long_table);
    std::istringstream rows(long_table);
    std::string line;
    std::getline(rows, line);
    EXPECT_EQ(line, "Top 20000 of 20000 combinations by the median result of the runs that did not go broke");
    std::getline(rows, line);
    for (const char* expect : {"   1          999", "   2         1999", "  21          998"}) {
        SCOPED_TRACE(expect);
        do {
            ASSERT_TRUE(std::getline(rows, line));
        } while (line.compare(0, 4, expect, 4) != 0);
        EXPECT_EQ(line.substr(0, 17), expect);
    }
    EXPECT_EQ(short_table.substr(0, short_table.find('\n')),
              "Top 10 of 20000 combinations by the median result of the runs that did not go broke");
}

// Bad grids and arguments: exit code 1, a message naming the key or value,
// and no file written.
TEST_F(Sweep, BadInputWritesNothing) {
    const std::string series = std::string(ROTACLE_TEST_DATA) + "/spins/series1.txt";
    struct Case {
        const char* grid;
        std::function<void(SweepOptions&)> change;
        const char* message;
    };
    const auto none = [](SweepOptions&) {};
    const Case cases[] = {
        {R"({"Init_Bet": ["1"], "Foo": ["1"]})", none, "unknown control 'Foo'"},
        {R"({"Init_Bet": ["1", "two"]})", none, "Init_Bet: 'two' is not a number"},
        {R"({"Init_Bet": ["-5"]})", none, "Init_Bet: '-5' is refused"},
        {R"({"SafeLevel": [0, 11]})", none, "SafeLevel: '11' is out of range 0..10"},
        {R"({"Losses_HowMuch": ["x"]})", none, "Losses_HowMuch: 'x' is not a whole number"},
        {R"({"BetStrategy": [99]})", none, "BetStrategy: '99' is out of range"},
        {R"({"Bet_Automatic_Reset": [2]})", none, "Bet_Automatic_Reset: '2' is not 0 or 1"},
        {R"({"trend": ["Green"]})", none, "trend: 'Green'"},
        {R"({"SafeLevel": [true, null]})", none, "SafeLevel: null"},
        {R"({})", none, "the grid is empty"},
        {R"({"SafeLevel": []})", none, "SafeLevel: needs a non-empty list"},
        {R"(["SafeLevel"])", none, "must be an object"},
        {R"({"SafeLevel": [0]})", [](SweepOptions& o) { o.shard = "2/2"; }, "index 2 is out of range 0..1"},
        {R"({"SafeLevel": [0]})", [](SweepOptions& o) { o.shard = "1"; }, "'1' is not I/N"},
        {R"({"SafeLevel": [0]})", [](SweepOptions& o) { o.histories.push_back("missing.txt"); },
         "missing.txt"},
        {R"({"SafeLevel": [0]})", [](SweepOptions& o) { o.summary_file = "no/such/folder/s.csv"; },
         "Cannot create file \"no/such/folder/s.csv\". No such file or directory"},
        {R"({"Init_Bet": [1e400]})", none,
         "a number beyond the range of a double (number overflow parsing '1e400')"},
        {R"({"SafeLevel": [18446744073709551615]})", none,
         "SafeLevel: '18446744073709551615' is out of range"},
        {R"({"SafeLevel": [9223372036854775808]})", none, "SafeLevel: '9223372036854775808' is out of range"},
        {R"({"SafeLevel": [0]})", [](SweepOptions& o) { o.top = -1; }, "--top: must not be negative"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        SweepOptions o;
        o.grid_file = Grid(c.grid);
        o.histories = {series};
        o.csv_file = Path("rows.csv");
        c.change(o);
        EXPECT_EQ(Run(o), 1);
        EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(o.csv_file));
        EXPECT_FALSE(fs::exists(o.csv_file + ".part"));
    }
}

}  // namespace
}  // namespace rotacle::sim
