// Risk runs of the driver: shards merged give the run's own output byte for
// byte, whatever the jobs; parts that do not fit together and bad input are
// refused before anything is written.
#include "tools/risk_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
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
        {[](RiskOptions& o) { o.sessions = INT64_MAX; }, "not enough memory for the outcomes of"},
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

}  // namespace
}  // namespace rotacle::sim
