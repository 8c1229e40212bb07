#include <algorithm>
#include <cmath>
#include <nlohmann/json.hpp>

#include "core/convert.h"
#include "risk/risk.h"

namespace rotacle::risk {

namespace {

constexpr std::array<double, 5> kPoints = {0.05, 0.25, 0.50, 0.75, 0.95};

// The p point of sorted values, between the two nearest ranks.
double Point(const std::vector<double>& sorted, double p) {
    if (sorted.empty()) return 0;
    const double h = p * static_cast<double>(sorted.size() - 1);
    const auto lo = static_cast<std::size_t>(std::floor(h));
    const std::size_t hi = std::min(lo + 1, sorted.size() - 1);
    return sorted[lo] + (h - static_cast<double>(lo)) * (sorted[hi] - sorted[lo]);
}

std::array<double, 5> Points(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::array<double, 5> out{};
    for (std::size_t k = 0; k < kPoints.size(); ++k) out[k] = Point(values, kPoints[k]);
    return out;
}

nlohmann::ordered_json IntervalJson(const Interval& i) {
    return {{"value", i.value}, {"low", i.low}, {"high", i.high}};
}

// A whole number field of a row.
std::int64_t Whole(std::string_view text, const char* what) {
    std::int64_t v = 0;
    const bool negative = !text.empty() && text[0] == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > 18 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos)
        throw InputError(std::string(what) + ": '" + QuoteText(text) + "' is not a whole number");
    for (const char c : digits) v = v * 10 + (c - '0');
    return negative ? -v : v;
}

double Amount(std::string_view text, const char* what) {
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw InputError(std::string(what) + ": '" + QuoteText(text) + "' is not a number");
    return v;
}

}  // namespace

Interval Wilson(std::int64_t hits, std::int64_t trials) {
    if (trials <= 0) return {};
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(trials), p = static_cast<double>(hits) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z / (1 + z * z / n) * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    return {p, hits == 0 ? 0.0 : std::max(0.0, centre - half),
            hits == trials ? 1.0 : std::min(1.0, centre + half)};
}

RiskFigures Summarise(std::span<const SessionOutcome> outcomes, const RiskSetup& setup) {
    RiskFigures f;
    f.sessions = static_cast<std::int64_t>(outcomes.size());
    if (outcomes.empty()) return f;
    const double n = static_cast<double>(outcomes.size());
    const double edge = setup.zero_rule == ZeroRule::Partage ? 74.0 : 37.0;
    std::int64_t target = 0, ruin = 0, open = 0;
    double sum = 0, staked = 0, drawdown = 0, spins = 0, gap = 0;
    std::vector<double> results;
    results.reserve(outcomes.size());
    for (const SessionOutcome& o : outcomes) {
        (o.end == SessionEnd::Target ? target : o.end == SessionEnd::Ruin ? ruin : open) += 1;
        sum += o.result;
        staked += o.staked;
        drawdown += o.drawdown;
        spins += static_cast<double>(o.spins);
        gap += o.result + o.staked / edge;
        f.drawdown_max = std::max(f.drawdown_max, o.drawdown);
        f.longest_losing_run = std::max(f.longest_losing_run, o.longest_losing_run);
        f.largest_stake = std::max(f.largest_stake, o.largest_stake);
        results.push_back(o.result);
    }
    f.p_target = Wilson(target, f.sessions);
    f.p_ruin = Wilson(ruin, f.sessions);
    f.p_open = Wilson(open, f.sessions);
    f.result_mean = sum / n;
    f.mean_staked = staked / n;
    f.drawdown_mean = drawdown / n;
    f.mean_spins = spins / n;
    f.edge_expected = -f.mean_staked / edge;
    // Each bet loses 1/37 of its stake on average (1/74 under la partage),
    // so result + staked/37 has mean 0 session by session: its standard
    // error gives the z-score of the mean result against the expected loss.
    double var = 0, var_gap = 0;
    const double mean_gap = gap / n;
    for (const SessionOutcome& o : outcomes) {
        var += (o.result - f.result_mean) * (o.result - f.result_mean);
        const double d = o.result + o.staked / edge - mean_gap;
        var_gap += d * d;
    }
    f.result_sd = outcomes.size() > 1 ? std::sqrt(var / (n - 1)) : 0.0;
    const double se = outcomes.size() > 1 ? std::sqrt(var_gap / (n - 1) / n) : 0.0;
    f.edge_z = se > 0 ? (f.result_mean - f.edge_expected) / se : 0.0;
    f.result_points = Points(std::move(results));
    return f;
}

std::string FiguresJson(const RiskFigures& f) {
    nlohmann::ordered_json j;
    j["sessions"] = f.sessions;
    j["p_target"] = IntervalJson(f.p_target);
    j["p_ruin"] = IntervalJson(f.p_ruin);
    j["p_open"] = IntervalJson(f.p_open);
    const auto& p = f.result_points;
    j["result"] = {{"mean", f.result_mean}, {"sd", f.result_sd}, {"p5", p[0]}, {"p25", p[1]},
                   {"p50", p[2]},           {"p75", p[3]},       {"p95", p[4]}};
    j["mean_staked"] = f.mean_staked;
    j["edge"] = {{"expected", f.edge_expected}, {"z", f.edge_z}};
    j["drawdown"] = {{"mean", f.drawdown_mean}, {"max", f.drawdown_max}};
    j["longest_losing_run"] = f.longest_losing_run;
    j["largest_stake"] = f.largest_stake;
    j["mean_spins"] = f.mean_spins;
    return j.dump();
}

RiskChart ChartData(std::span<const SessionOutcome> outcomes, const RiskSetup& setup) {
    RiskChart c;
    c.checkpoint_spins = CheckpointSpins(setup.spins_max);
    if (outcomes.empty()) return c;
    double lo = outcomes[0].result, hi = lo;
    for (const SessionOutcome& o : outcomes) lo = std::min(lo, o.result), hi = std::max(hi, o.result);
    // About 40 bins of a width in whole cents, the first starting at the lowest result.
    constexpr int kBins = 40;
    c.bin_low = lo;
    c.bin_width = std::max(0.01, std::ceil((hi - lo) / kBins * 100 + 1e-9) / 100);
    const auto bins = static_cast<std::size_t>(std::floor((hi - lo) / c.bin_width)) + 1;
    c.bins.assign(bins, 0);
    for (const SessionOutcome& o : outcomes)
        ++c.bins[std::min(bins - 1, static_cast<std::size_t>(std::floor((o.result - lo) / c.bin_width)))];
    std::vector<double> at(outcomes.size());
    for (std::size_t k = 0; k < kCheckpoints; ++k) {
        for (std::size_t i = 0; i < outcomes.size(); ++i) at[i] = setup.bankroll + outcomes[i].path[k];
        c.band[k] = Points(at);
    }
    return c;
}

std::string CsvHeader() {
    std::string h = "session,end,result,staked,drawdown,longest_losing_run,largest_stake,spins";
    for (std::size_t k = 1; k <= kCheckpoints; ++k) h += ",result_" + std::to_string(k);
    return h;
}

std::string CsvRow(const SessionOutcome& o) {
    std::string line = IntToStr(o.index);
    line += ',';
    line += SessionEndName(o.end);
    for (const double v : {o.result, o.staked, o.drawdown}) line += ',' + FixedToStr(v, 2);
    line +=
        ',' + IntToStr(o.longest_losing_run) + ',' + FixedToStr(o.largest_stake, 2) + ',' + IntToStr(o.spins);
    for (const double v : o.path) line += ',' + FixedToStr(v, 2);
    return line;
}

SessionOutcome ReadCsvRow(std::string_view line) {
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        f.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    if (f.size() != 8 + kCheckpoints)
        throw InputError("a row has " + std::to_string(f.size()) + " fields, not " +
                         std::to_string(8 + kCheckpoints));
    SessionOutcome o;
    o.index = Whole(f[0], "session");
    const auto end = SessionEndByName(f[1]);
    if (!end) throw InputError("end: '" + QuoteText(f[1]) + "' is not target, ruin or open");
    o.end = *end;
    o.result = Amount(f[2], "result");
    o.staked = Amount(f[3], "staked");
    o.drawdown = Amount(f[4], "drawdown");
    o.longest_losing_run = Whole(f[5], "longest_losing_run");
    o.largest_stake = Amount(f[6], "largest_stake");
    o.spins = Whole(f[7], "spins");
    for (std::size_t k = 0; k < kCheckpoints; ++k) o.path[k] = Amount(f[8 + k], "result_k");
    return o;
}

}  // namespace rotacle::risk
