#include <algorithm>
#include <cmath>
#include <limits>
#include <nlohmann/json.hpp>

#include "core/convert.h"
#include "risk/risk.h"

namespace rotacle::risk {

namespace {

constexpr std::array<double, 5> kPoints = {0.05, 0.25, 0.50, 0.75, 0.95};

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

RiskTally::RiskTally(const RiskSetup& setup, std::int64_t ordered_limit)
    : setup_(setup),
      edge_(setup.zero_rule == ZeroRule::Partage ? 74.0 : 37.0),
      ordered_limit_(ordered_limit) {}

void RiskTally::Add(const SessionOutcome& o) {
    ++n_;
    (o.end == SessionEnd::Target ? target_ : o.end == SessionEnd::Ruin ? ruin_ : open_) += 1;
    sum_ += o.result;
    staked_ += o.staked;
    drawdown_ += o.drawdown;
    spins_ += static_cast<double>(o.spins);
    const double gap = o.result + o.staked / edge_;
    gap_ += gap;
    drawdown_max_ = std::max(drawdown_max_, o.drawdown);
    longest_losing_run_ = std::max(longest_losing_run_, o.longest_losing_run);
    largest_stake_ = std::max(largest_stake_, o.largest_stake);
    // Welford's running mean and sum of squares, for a run too long to keep
    // in order.
    const double n = static_cast<double>(n_);
    const double d = o.result - run_mean_;
    run_mean_ += d / n;
    run_m2_ += d * (o.result - run_mean_);
    const double dg = gap - run_mean_gap_;
    run_mean_gap_ += dg / n;
    run_m2_gap_ += dg * (gap - run_mean_gap_);
    if (!ordered_dropped_) {
        if (n_ > ordered_limit_) {
            ordered_dropped_ = true;
            std::vector<std::pair<double, double>>().swap(ordered_);
        } else {
            ordered_.emplace_back(o.result, o.staked);
        }
    }
    ++results_[o.result];
    for (std::size_t k = 0; k < kCheckpoints; ++k) ++path_[k][o.path[k]];
}

double RiskTally::Point(const Counts& counts, double p, double shift) const {
    if (n_ == 0) return 0;
    const double h = p * static_cast<double>(n_ - 1);
    const auto lo = static_cast<std::int64_t>(std::floor(h));
    const std::int64_t hi = std::min(lo + 1, n_ - 1);
    // The values at ranks lo and hi of the sorted values.
    double at_lo = 0, at_hi = 0;
    std::int64_t before = 0;
    for (const auto& [value, count] : counts) {
        if (lo >= before && lo < before + count) at_lo = shift + value;
        if (hi >= before && hi < before + count) {
            at_hi = shift + value;
            break;
        }
        before += count;
    }
    return at_lo + (h - static_cast<double>(lo)) * (at_hi - at_lo);
}

std::array<double, 5> RiskTally::Points(const Counts& counts, double shift) const {
    std::array<double, 5> out{};
    for (std::size_t k = 0; k < kPoints.size(); ++k) out[k] = Point(counts, kPoints[k], shift);
    return out;
}

RiskFigures RiskTally::Figures() const {
    RiskFigures f;
    f.sessions = n_;
    if (n_ == 0) return f;
    const double n = static_cast<double>(n_);
    f.drawdown_max = drawdown_max_;
    f.longest_losing_run = longest_losing_run_;
    f.largest_stake = largest_stake_;
    f.p_target = Wilson(target_, n_);
    f.p_ruin = Wilson(ruin_, n_);
    f.p_open = Wilson(open_, n_);
    f.result_mean = sum_ / n;
    f.mean_staked = staked_ / n;
    f.drawdown_mean = drawdown_ / n;
    f.mean_spins = spins_ / n;
    f.edge_expected = -f.mean_staked / edge_;
    // Each bet loses 1/37 of its stake on average (1/74 under la partage),
    // so result + staked/37 has mean 0 session by session: its standard
    // error gives the z-score of the mean result against the expected loss.
    double var = run_m2_, var_gap = run_m2_gap_;
    if (!ordered_dropped_) {
        var = 0, var_gap = 0;
        const double mean_gap = gap_ / n;
        for (const auto& [result, staked] : ordered_) {
            var += (result - f.result_mean) * (result - f.result_mean);
            const double d = result + staked / edge_ - mean_gap;
            var_gap += d * d;
        }
    }
    f.result_sd = n_ > 1 ? std::sqrt(var / (n - 1)) : 0.0;
    const double se = n_ > 1 ? std::sqrt(var_gap / (n - 1) / n) : 0.0;
    f.edge_z = se > 0 ? (f.result_mean - f.edge_expected) / se : 0.0;
    f.result_points = Points(results_, 0);
    return f;
}

RiskChart RiskTally::Chart() const {
    RiskChart c;
    c.checkpoint_spins = CheckpointSpins(setup_.spins_max);
    if (n_ == 0) return c;
    const double lo = results_.begin()->first, hi = results_.rbegin()->first;
    // About 40 bins of a width in whole cents, the first starting at the
    // lowest result; never more, whatever the results.
    constexpr int kBins = 40;
    c.bin_low = lo;
    c.bin_width = std::max(0.01, std::ceil((hi - lo) / kBins * 100 + 1e-9) / 100);
    const double span = std::floor((hi - lo) / c.bin_width);
    const auto bins =
        static_cast<std::size_t>(std::isfinite(span) ? std::clamp(span, 0.0, double{kBins}) : 0) + 1;
    c.bins.assign(bins, 0);
    for (const auto& [value, count] : results_) {
        const double at = std::floor((value - lo) / c.bin_width);
        c.bins[std::min(bins - 1, static_cast<std::size_t>(std::isfinite(at) ? std::max(at, 0.0) : 0))] +=
            count;
    }
    for (std::size_t k = 0; k < kCheckpoints; ++k) c.band[k] = Points(path_[k], setup_.bankroll);
    return c;
}

RiskFigures Summarise(std::span<const SessionOutcome> outcomes, const RiskSetup& setup) {
    RiskTally tally(setup, std::numeric_limits<std::int64_t>::max());
    for (const SessionOutcome& o : outcomes) tally.Add(o);
    return tally.Figures();
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
    RiskTally tally(setup, 0);
    for (const SessionOutcome& o : outcomes) tally.Add(o);
    return tally.Chart();
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

void CheckOutcome(const SessionOutcome& o, const RiskSetup& setup) {
    const auto fail = [](const char* what, const std::string& why) {
        throw InputError(std::string(what) + ": " + why);
    };
    // The money held stays between 0 and twice the bankroll and the target:
    // a stake never exceeds the money held (else the session is ruined
    // before it is placed), so a win at most doubles it, and a session ends
    // once the target is reached. A cent of slack for the rounding.
    const double most = 2 * (setup.bankroll + setup.target) + 0.01;
    const auto amount = [&](double v, const char* what, double low, double high) {
        if (!std::isfinite(v) || v < low || v > high)
            fail(what, "'" + FloatToStr(v) + "' is out of range " + FloatToStr(RoundToCents(low)) + ".." +
                           FloatToStr(RoundToCents(high)));
        if (static_cast<double>(std::llround(v * 100)) / 100 != v)
            fail(what, "'" + FloatToStr(v) + "' is not a whole number of cents");
    };
    if (o.spins < 1 || o.spins > setup.spins_max)
        fail("spins", std::to_string(o.spins) + " is out of range 1.." + std::to_string(setup.spins_max));
    if (o.end == SessionEnd::Open && o.spins != setup.spins_max)
        fail("spins", "an open session plays all " + std::to_string(setup.spins_max) + " spins, not " +
                          std::to_string(o.spins));
    const double low = -setup.bankroll - 0.01, high = most - setup.bankroll;
    amount(o.result, "result", low, high);
    // The result was compared with the target before it was written to the
    // cent: half a cent either way.
    if (o.end == SessionEnd::Target ? o.result < setup.target - 0.005 : o.result > setup.target + 0.005)
        fail("end", std::string(SessionEndName(o.end)) + " with the result " + FloatToStr(o.result) +
                        " against the target " + FloatToStr(setup.target));
    amount(o.drawdown, "drawdown", 0, most);
    amount(o.largest_stake, "largest_stake", 0, most);
    if (o.longest_losing_run < 0 || o.longest_losing_run > o.spins)
        fail("longest_losing_run",
             std::to_string(o.longest_losing_run) + " is out of range 0.." + std::to_string(o.spins));
    const double staked_most = static_cast<double>(o.spins) * o.largest_stake * (1 + 1e-12) + 0.01;
    amount(o.staked, "staked", 0, std::max(0.0, staked_most));
    const auto at = CheckpointSpins(setup.spins_max);
    for (std::size_t k = 0; k < kCheckpoints; ++k) {
        amount(o.path[k], "result_k", low, high);
        if (at[k] >= o.spins && o.path[k] != o.result)
            fail("result_k", "result_" + std::to_string(k + 1) + " " + FloatToStr(o.path[k]) +
                                 " after the session ended is not its result " + FloatToStr(o.result));
    }
}

}  // namespace rotacle::risk
