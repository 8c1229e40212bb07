// The Risk tab's runs on the driver's own risk code. A run is cut into
// shards; each worker's module instance plays shards with RunRisk (--shard
// I/N --csv FILE) and hands their rows back, and one instance puts them
// together with RunRiskMerge: the figures are those of `rotacle-sim risk`
// for the same settings, seed and sessions. A run stopped early has the
// shards before the first missing one, whose sessions are the run's first
// ones without gaps; their figures come from the same tally.
//
// rotacle_risk takes one JSON request and gives one JSON answer (valid until
// the next call):
//  - {"play": {options}, "shard": "I/N"}: plays one shard; answer {"ok",
//    "csv"} with the shard's file, or {"ok": false, "error"};
//  - {"merge": ["/path", ...], "options": {options}, "whole": true|false}:
//    the parts (written to this instance's files first) merged; answer
//    {"ok", "figures" (the driver's JSON), "chart"} or {"ok": false, "error"}.
// Options: settings (the text of a settings file), controls (NAME=VALUE),
// sessions, bankroll, target, spinsMax, seed (text), zeroRule, system.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "core/convert.h"
#include "core/text_file.h"
#include "risk/risk.h"
#include "tools/risk_run.h"

namespace {

using Json = nlohmann::ordered_json;
namespace sim = rotacle::sim;

constexpr const char* kSettingsPath = "/risk-settings.rtk";

sim::RiskOptions OptionsOf(const Json& o) {
    sim::RiskOptions r;
    if (o.contains("settings")) {
        rotacle::WriteTextAtomic(kSettingsPath, o["settings"].get<std::string>());
        r.settings_file = kSettingsPath;
    }
    if (o.contains("controls")) r.controls = o["controls"].get<std::vector<std::string>>();
    r.sessions = o.at("sessions").get<std::int64_t>();
    r.bankroll = o.at("bankroll").get<std::string>();
    r.target = o.at("target").get<std::string>();
    r.spins_max = o.at("spinsMax").get<std::int64_t>();
    const std::string seed = o.at("seed").get<std::string>();
    r.seed = std::stoull(seed);
    r.zero_rule = o.value("zeroRule", "none");
    r.system = o.value("system", "settings");
    r.jobs = 1;
    r.progress = false;
    return r;
}

// The outcomes of the parts' rows (each part: its mark, the header, then
// its rows), in the order given.
void TallyParts(const std::vector<std::string>& parts, rotacle::risk::RiskTally& tally) {
    for (const std::string& path : parts) {
        const std::vector<std::string> lines = rotacle::SplitLines(rotacle::ReadFileText(path));
        for (std::size_t k = 2; k < lines.size(); ++k)
            if (!lines[k].empty()) tally.Add(rotacle::risk::ReadCsvRow(lines[k]));
    }
}

// The setup that the figures of a run need, as the driver reads its options.
rotacle::risk::RiskSetup TallySetup(const sim::RiskOptions& o) {
    rotacle::risk::RiskSetup s;
    s.bankroll = rotacle::StrToFloat(rotacle::FloatToStr(rotacle::StrToFloat(o.bankroll)));
    s.target = rotacle::StrToFloat(rotacle::FloatToStr(rotacle::StrToFloat(o.target)));
    s.spins_max = o.spins_max;
    s.seed = o.seed;
    s.zero_rule = rotacle::risk::ZeroRuleByName(o.zero_rule).value_or(rotacle::ZeroRule::None);
    s.system = rotacle::risk::SystemByName(o.system).value_or(rotacle::risk::System::Settings);
    return s;
}

Json ChartJson(const rotacle::risk::RiskChart& c) {
    return Json{{"binLow", c.bin_low},
                {"binWidth", c.bin_width},
                {"bins", c.bins},
                {"checkpointSpins", c.checkpoint_spins},
                {"band", c.band}};
}

// An amount as the Risk tab shows it: to the cent, never "-0".
std::string Amount(double value) {
    const double cents = rotacle::RoundToCents(value);
    return rotacle::FloatToStr(cents == 0 ? 0.0 : cents);
}

// The figures' amounts as the tab writes them.
Json Shown(const Json& f) {
    const auto a = [&](const Json& v) { return Amount(v.get<double>()); };
    const Json& r = f.at("result");
    return Json{{"mean", a(r["mean"])},
                {"sd", a(r["sd"])},
                {"points", Json{a(r["p5"]), a(r["p25"]), a(r["p50"]), a(r["p75"]), a(r["p95"])}},
                {"meanStaked", a(f["mean_staked"])},
                {"edgeExpected", a(f["edge"]["expected"])},
                {"edgeZ", rotacle::FixedToStr(f["edge"]["z"].get<double>(), 2)},
                {"drawdownMean", a(f["drawdown"]["mean"])},
                {"drawdownMax", a(f["drawdown"]["max"])},
                {"largestStake", a(f["largest_stake"])},
                {"meanSpins", rotacle::FixedToStr(f["mean_spins"].get<double>(), 1)}};
}

std::string Trimmed(std::string text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

Json Run(const Json& req) {
    const sim::RiskOptions options = OptionsOf(req.contains("play") ? req["play"] : req.at("options"));
    std::ostringstream out, err;
    if (req.contains("play")) {
        sim::RiskOptions o = options;
        o.shard = req.at("shard").get<std::string>();
        o.csv_file = "/risk-shard.csv";
        if (sim::RunRisk(o, out, err) != 0) return Json{{"ok", false}, {"error", Trimmed(err.str())}};
        Json answer{{"ok", true}, {"csv", rotacle::ReadFileText(o.csv_file)}};
        std::remove(o.csv_file.c_str());
        return answer;
    }
    const auto parts = req.at("merge").get<std::vector<std::string>>();
    rotacle::risk::RiskTally tally(TallySetup(options));
    TallyParts(parts, tally);
    Json answer{{"ok", true}};
    if (req.value("whole", false)) {
        sim::RiskMergeOptions m;
        m.parts = parts;
        m.json = true;
        if (sim::RunRiskMerge(m, out, err) != 0) return Json{{"ok", false}, {"error", Trimmed(err.str())}};
        answer["figures"] = Json::parse(out.str());
        answer["text"] = Trimmed(out.str());
    } else {
        answer["figures"] = Json::parse(rotacle::risk::FiguresJson(tally.Figures()));
        answer["text"] = rotacle::risk::FiguresJson(tally.Figures());
    }
    answer["shown"] = Shown(answer["figures"]);
    answer["bankroll"] = Amount(TallySetup(options).bankroll);
    answer["chart"] = ChartJson(tally.Chart());
    return answer;
}

}  // namespace

extern "C" {

/// One risk request of a worker or of the page (see above).
EMSCRIPTEN_KEEPALIVE const char* rotacle_risk(const char* request) {
    static std::string answer;
    try {
        answer = Run(Json::parse(request)).dump();
    } catch (const std::exception& e) {
        answer = Json{{"ok", false}, {"error", e.what()}}.dump();
    }
    return answer.c_str();
}

}  // extern "C"
