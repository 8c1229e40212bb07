// Risk runs of the driver: shards merged give the run's own output byte for
// byte, whatever the jobs; parts that do not fit together and bad input are
// refused before anything is written.
#include "tools/risk_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <nlohmann/json.hpp>
#include <sstream>

#include "core/text_file.h"
#include "support/scratch.h"

namespace rotacle::sim {
namespace {

namespace fs = std::filesystem;

class Risk : public ::testing::Test {
protected:
    fs::path dir = test::TestScratch("risk");
    std::string Path(const std::string& name) const { return (dir / name).string(); }

    RiskOptions Options() const {
        RiskOptions o;
        o.sessions = 25;
        o.bankroll = "30";
        o.target = "10";
        o.spins_max = 120;
        o.seed = 7;
        o.controls = {"SafeLevel=1"};
        o.progress = false;
        return o;
    }

    // Runs and returns standard output; the error text stays in `err`.
    template <class Options>
    int Call(int (*run)(const Options&, std::ostream&, std::ostream&), const Options& o, std::string* out) {
        std::ostringstream text;
        err.str("");
        const int rc = run(o, text, err);
        if (out) *out = text.str();
        return rc;
    }
    int Run(const RiskOptions& o, std::string* out = nullptr) { return Call(RunRisk, o, out); }
    int Merge(const RiskMergeOptions& o, std::string* out = nullptr) { return Call(RunRiskMerge, o, out); }

    // Shards 0..n-1 of `o` into part-I.csv.
    std::vector<std::string> Shards(RiskOptions o, int n) {
        std::vector<std::string> parts;
        for (int i = 0; i < n; ++i) {
            o.shard = std::to_string(i) + '/' + std::to_string(n);
            o.csv_file = Path("part-" + std::to_string(i) + ".csv");
            o.jobs = 1 + i % 2;
            o.json = false;
            o.svg_file = "";
            EXPECT_EQ(Run(o), 0) << err.str();
            parts.push_back(o.csv_file);
        }
        return parts;
    }

    std::ostringstream err;
};

TEST_F(Risk, MergedShardsGiveTheRunsOwnOutput) {
    for (const bool json : {false, true}) {
        SCOPED_TRACE(json);
        RiskOptions o = Options();
        o.json = json;
        o.system = "martingale";
        o.zero_rule = "partage";
        o.csv_file = Path("whole.csv");
        o.svg_file = Path("whole.svg");
        o.jobs = 2;
        std::string whole, merged, alone;
        ASSERT_EQ(Run(o, &whole), 0) << err.str();
        RiskOptions one = o;
        one.jobs = 1;
        one.csv_file = Path("alone.csv");
        one.svg_file = "";
        ASSERT_EQ(Run(one, &alone), 0);
        EXPECT_EQ(alone, whole);
        EXPECT_EQ(ReadFileText(one.csv_file), ReadFileText(o.csv_file));

        std::vector<std::string> parts = Shards(o, 3);
        // The order of the parts on the command line does not matter.
        std::swap(parts[0], parts[2]);
        RiskMergeOptions m{parts, json, Path("merged.csv"), Path("merged.svg")};
        ASSERT_EQ(Merge(m, &merged), 0) << err.str();
        EXPECT_EQ(merged, whole);
        EXPECT_EQ(ReadFileText(m.csv_file), ReadFileText(o.csv_file));
        EXPECT_EQ(ReadFileText(m.svg_file), ReadFileText(o.svg_file));
        if (json) {
            // Exactly these keys, in this order.
            std::string keys;
            const auto j = nlohmann::ordered_json::parse(whole);
            for (const auto& [key, value] : j.items()) {
                keys += ' ' + key;
                if (value.is_object())
                    for (const auto& inner : value.items()) keys += '.' + inner.key();
            }
            EXPECT_EQ(keys,
                      " sessions p_target.value.low.high p_ruin.value.low.high p_open.value.low.high"
                      " result.mean.sd.p5.p25.p50.p75.p95 mean_staked edge.expected.z drawdown.mean.max"
                      " longest_losing_run largest_stake mean_spins");
            EXPECT_EQ(j["sessions"], 25);
        }
    }
}

TEST_F(Risk, MergeRefusesPartsThatDoNotFit) {
    RiskOptions o = Options();
    o.svg_file = "";
    const std::vector<std::string> parts = Shards(o, 3);
    RiskOptions other = o;
    other.seed = 8;
    other.shard = "1/3";
    other.csv_file = Path("foreign.csv");
    ASSERT_EQ(Run(other), 0);
    const std::string text = ReadFileText(parts[1]);
    std::ofstream(Path("cut.csv"), std::ios::binary) << text.substr(0, text.size() - 5);
    std::ofstream(Path("short.csv"), std::ios::binary)
        << text.substr(0, text.rfind('\n', text.size() - 2) + 1);
    std::ofstream(Path("plain.csv"), std::ios::binary) << text.substr(text.find('\n') + 1);

    const struct {
        std::vector<std::string> parts;
        std::string message;
    } rows[] = {
        {{parts[0], parts[2]}, "shard 1/3 is missing (2 of 3 given)"},
        {{parts[0], parts[1], parts[1], parts[2]}, "shard 1/3 is given twice"},
        {{parts[0], Path("foreign.csv"), parts[2]},
         "a shard of another run than " + parts[0] + " (seed 8 against 7)"},
        {{parts[0], Path("cut.csv"), parts[2]}, "cut short"},
        {{parts[0], Path("short.csv"), parts[2]}, "ends after"},
        {{Path("plain.csv")}, "not the file of a risk shard"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        RiskMergeOptions m{row.parts, false, Path("merged.csv"), ""};
        EXPECT_EQ(Merge(m), 1);
        EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
        EXPECT_FALSE(fs::exists(m.csv_file));
    }
}

TEST_F(Risk, BadInputWritesNothing) {
    const struct {
        void (*change)(RiskOptions&);
        const char* message;
    } rows[] = {
        {[](RiskOptions& o) { o.bankroll = "0"; }, "--bankroll: '0' is not a positive amount"},
        {[](RiskOptions& o) { o.target = "1,5"; }, "--target: '1,5' is not a positive amount"},
        {[](RiskOptions& o) { o.sessions = 0; }, "--sessions: must be at least 1"},
        {[](RiskOptions& o) { o.controls = {"Init_Bet=0"}; },
         "Init_Bet: '0' is refused: '0' is not a valid amount: the smallest is 0.01"},
        {[](RiskOptions& o) { o.zero_rule = "half"; }, "--zero-rule: 'half' is not none or partage"},
        {[](RiskOptions& o) { o.system = "labouchere"; }, "--system: 'labouchere'"},
        {[](RiskOptions& o) { o.controls = {"Bank=5"}; }, "unknown control 'Bank'"},
        {[](RiskOptions& o) { o.controls = {"SafeLevel"}; }, "'SafeLevel' is not NAME=VALUE"},
        {[](RiskOptions& o) { o.settings_file = "/nonexistent/x.rtk"; }, "x.rtk"},
        {[](RiskOptions& o) { o.shard = "3/3"; }, "--shard"},
        {[](RiskOptions& o) { o.svg_file = "/nonexistent/chart.svg"; }, "chart.svg"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        RiskOptions o = Options();
        o.csv_file = Path("rows.csv");
        row.change(o);
        std::string out;
        EXPECT_EQ(Run(o, &out), 1);
        EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
        EXPECT_EQ(out, "");
        EXPECT_FALSE(fs::exists(o.csv_file));
    }
}

// A part whose fields no run can have written is refused, with the field
// named and nothing written; the chart is asked for too, so that a value
// that used to draw without end would hang here. A part with CR LF line
// ends is a part like any other.
TEST_F(Risk, MergeChecksEveryFieldOfAPart) {
    RiskOptions o = Options();
    o.csv_file = Path("whole.csv");
    o.svg_file = Path("whole.svg");
    o.json = true;
    std::string whole;
    ASSERT_EQ(Run(o, &whole), 0) << err.str();
    std::vector<std::string> parts = Shards(o, 3);
    const std::string text = ReadFileText(parts[1]);
    const std::size_t row_at = text.find('\n', text.find('\n') + 1) + 1;
    const std::size_t row_end = text.find('\n', row_at);
    // Part 1 with field `k` of its first row set to `value`, or its first
    // line's words `from` replaced by `to`.
    const auto field = [&](std::size_t k, const std::string& value) {
        std::vector<std::string> f;
        std::stringstream row(text.substr(row_at, row_end - row_at));
        for (std::string x; std::getline(row, x, ',');) f.push_back(x);
        f.at(k) = value;
        std::string line;
        for (const std::string& x : f) line += (line.empty() ? "" : ",") + x;
        return text.substr(0, row_at) + line + text.substr(row_end);
    };
    const auto mark = [&](const std::string& from, const std::string& to) {
        std::string t = text;
        t.replace(t.find(from), from.size(), to);
        return t;
    };
    std::string crlf;
    for (const char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    const struct {
        std::string part;
        std::string message;  ///< "" for a part that is taken
    } rows[] = {
        {field(2, "1e17"), "result: '1E17' is out of range -30.01..50.01"},
        {field(2, "1.7e308"), "result: '1.7E308' is out of range"},
        {field(2, "-1.7e308"), "result: '-1.7E308' is out of range"},
        {field(2, "0.001"), "result: '0.001' is not a whole number of cents"},
        {field(3, "-1.00"), "staked: '-1' is out of range"},
        {field(3, "999999.00"), "staked: '999999' is out of range"},
        {field(4, "nan"), "drawdown: 'nan' is not a number"},
        {field(7, "0"), "spins: 0 is out of range 1..120"},
        {field(7, "121"), "spins: 121 is out of range 1..120"},
        {field(5, "999"), "longest_losing_run: 999 is out of range"},
        {field(8 + 19, "-29.99"), "result_20 -29.99 after the session ended"},
        {mark(" sessions 25 ", " sessions -5 "), ":1: not a run that can be played: sessions -5"},
        {mark(" sessions 25 ", " sessions 0 "), ":1: not a run that can be played: sessions 0"},
        {mark(" spins-max 120 ", " spins-max 0 "), ":1: not a run that can be played: spins-max 0"},
        {crlf, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message);
        std::ofstream(parts[1], std::ios::binary | std::ios::trunc) << row.part;
        RiskMergeOptions m{parts, true, Path("merged.csv"), Path("merged.svg")};
        std::string out;
        if (row.message.empty()) {
            ASSERT_EQ(Merge(m, &out), 0) << err.str();
            EXPECT_EQ(out, whole);
            EXPECT_EQ(ReadFileText(m.csv_file), ReadFileText(o.csv_file));
            EXPECT_EQ(ReadFileText(m.svg_file), ReadFileText(o.svg_file));
            continue;
        }
        EXPECT_EQ(Merge(m, &out), 1);
        EXPECT_NE(err.str().find(parts[1] + ":"), std::string::npos) << err.str();
        EXPECT_NE(err.str().find(row.message), std::string::npos) << err.str();
        EXPECT_EQ(out, "");
        EXPECT_FALSE(fs::exists(m.csv_file));
        EXPECT_FALSE(fs::exists(m.svg_file));
    }
    // The end as the result says: a target below the target, or another end
    // at the target.
    const bool was_target = text.substr(row_at, row_end - row_at).find(",target,") != std::string::npos;
    std::ofstream(parts[1], std::ios::binary | std::ios::trunc) << field(1, was_target ? "ruin" : "target");
    EXPECT_EQ(Merge({parts, false, Path("merged.csv"), ""}), 1);
    EXPECT_NE(err.str().find(was_target ? "end: ruin with the result" : "end: target with the result"),
              std::string::npos)
        << err.str();
}

// An output that is also an input of the run would replace what the run
// reads: refused whatever name leads to it, and the input stays.
TEST_F(Risk, OutputThatIsAnInputIsRefused) {
    RiskOptions o = Options();
    const std::vector<std::string> parts = Shards(o, 2);
    const std::string part0 = ReadFileText(parts[0]);
    fs::create_hard_link(parts[1], Path("second-name.csv"));
    std::ofstream(Path("s.rtk"), std::ios::binary)
        << ReadFileText(std::string(ROTACLE_TEST_DATA) + "/../../fuzz/corpus/settings/default.rtk");
    const struct {
        const char* name;
        std::function<int()> run;
        std::string input;
    } rows[] = {
        {"merge over a part",
         [&] {
             return Merge({parts, false, parts[0], ""});
         },
         parts[0]},
        {"merge over a part's second name",
         [&] {
             return Merge({parts, false, "", Path("second-name.csv")});
         },
         parts[1]},
        {"run over its settings",
         [&] {
             RiskOptions r = Options();
             r.settings_file = Path("s.rtk");
             r.csv_file = Path("s.rtk");
             return Run(r);
         },
         Path("s.rtk")},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string before = ReadFileText(row.input);
        EXPECT_EQ(row.run(), 1);
        EXPECT_NE(err.str().find("The same file as the input"), std::string::npos) << err.str();
        EXPECT_EQ(ReadFileText(row.input), before);
    }
    EXPECT_EQ(ReadFileText(parts[0]), part0);
}

}  // namespace
}  // namespace rotacle::sim
