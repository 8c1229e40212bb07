#include "tools/backtest.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>

#include "core/text_file.h"
#include "import/number_file.h"
#include "tools/outputs.h"
#include "tools/progress.h"
#include "tools/session.h"
#include "tools/stats.h"
#include "tools/svg_chart.h"

namespace rotacle::sim {

namespace {

namespace fs = std::filesystem;

std::string Money(double v) { return FloatToStr(RoundToCents(v)); }

// ---- Chart -----------------------------------------------------------------------------

// Points of the chart. Runs of more than kMaxBuckets spins are drawn from
// buckets of consecutive spins: the bankroll keeps each bucket's lowest and
// highest value in the order they came, so no fall disappears from the
// picture; the stake keeps each bucket's largest stake.
class ChartSeries {
public:
    static constexpr std::int64_t kMaxBuckets = 1500;

    explicit ChartSeries(std::int64_t spins)
        // Rounded up without adding first: a run may be as long as the type allows.
        : per_bucket_(std::max<std::int64_t>(1, spins / kMaxBuckets + (spins % kMaxBuckets > 0 ? 1 : 0))) {}

    void Add(std::int64_t spin, double bankroll, double stake, double expected) {
        if (count_ == 0) {
            bucket_ = Bucket{spin, spin, bankroll, bankroll, spin, spin, stake, expected};
        } else {
            if (bankroll < bucket_.low) bucket_.low = bankroll, bucket_.low_spin = spin;
            if (bankroll > bucket_.high) bucket_.high = bankroll, bucket_.high_spin = spin;
            bucket_.stake = std::max(bucket_.stake, stake);
            bucket_.expected = expected;
            bucket_.last = spin;
        }
        if (++count_ == per_bucket_) Flush();
    }
    void Flush() {
        if (count_ == 0) return;
        buckets_.push_back(bucket_);
        count_ = 0;
    }
    std::int64_t per_bucket() const { return per_bucket_; }

    struct Bucket {
        std::int64_t first, last;
        double low, high;
        std::int64_t low_spin, high_spin;
        double stake, expected;
    };
    const std::vector<Bucket>& buckets() const { return buckets_; }

private:
    std::int64_t per_bucket_;
    std::int64_t count_ = 0;
    Bucket bucket_{};
    std::vector<Bucket> buckets_;
};

std::string Num(double v) {
    std::ostringstream s;
    s << std::fixed << std::setprecision(1) << v;
    return s.str();
}

std::string ChartSvg(const ChartSeries& series, double start_bankroll, const std::string& title,
                     std::int64_t spins) {
    SvgChart svg({.width = 960, .height = 520, .left = 84, .right = 84, .top = 84, .bottom = 64});
    const double left = svg.Layout().left, top = svg.Layout().top;
    const double pw = svg.Layout().PlotWidth(), ph = svg.Layout().PlotHeight();
    double lo = start_bankroll, hi = start_bankroll, stake_hi = 0;
    for (const auto& b : series.buckets()) {
        lo = std::min({lo, b.low, b.expected});
        hi = std::max({hi, b.high, b.expected});
        stake_hi = std::max(stake_hi, b.stake);
    }
    const double ystep = NiceStep(hi - lo, 6);
    lo = std::floor(lo / ystep) * ystep;
    hi = std::ceil(hi / ystep) * ystep;
    if (hi <= lo) hi = lo + ystep;
    const double sstep = NiceStep(stake_hi, 5);
    const double stake_top = std::max(sstep, std::ceil(stake_hi / sstep) * sstep);
    const double xmax = static_cast<double>(std::max<std::int64_t>(spins, 1));
    const auto X = [&](double spin) { return left + pw * spin / xmax; };
    const auto Y = [&](double v) { return top + ph * (1 - (v - lo) / (hi - lo)); };
    const auto YS = [&](double v) { return top + ph * (1 - v / stake_top); };

    svg.Title(title);
    // Grid and left axis (bankroll).
    for (const double v : Ticks(lo, hi + ystep / 2, ystep)) {
        svg.Shape(
            "line",
            {{"x1", left}, {"x2", left + pw}, {"y1", Num(Y(v))}, {"y2", Num(Y(v))}, {"stroke", "#e6e6e6"}});
        svg.Text({{"x", left - 8}, {"y", Num(Y(v) + 4)}, {"text-anchor", "end"}, {"fill", "#2e7d32"}},
                 FloatToStr(v));
    }
    // Right axis (stake).
    for (const double v : Ticks(0, stake_top + sstep / 2, sstep))
        svg.Text({{"x", left + pw + 8}, {"y", Num(YS(v) + 4)}, {"fill", "#b26a00"}}, FloatToStr(v));
    // Bottom axis (spins).
    const double xstep = NiceStep(xmax, 8);
    for (const double s : Ticks(0, xmax + xstep / 2, xstep)) {
        svg.Shape("line", {{"x1", Num(X(s))},
                           {"x2", Num(X(s))},
                           {"y1", top + ph},
                           {"y2", top + ph + 5},
                           {"stroke", "#666"}});
        svg.BottomTick({"x", Num(X(s))}, FloatToStr(s));
    }
    svg.Frame();
    svg.BottomCaption("Spin");
    svg.LeftCaption("Bankroll", "#2e7d32");
    svg.RightCaption("Stake", "#b26a00");

    // Series: stake first (behind), expected loss, bankroll on top.
    const auto& buckets = series.buckets();
    const auto point = [&](double spin, double y) { return Num(X(spin)) + ',' + Num(y) + ' '; };
    std::string stake, expected = point(0, Y(start_bankroll)), bankroll = expected;
    for (const auto& b : buckets) {
        stake += point(static_cast<double>(b.last), YS(b.stake));
        expected += point(static_cast<double>(b.last), Y(b.expected));
        const std::string low = point(static_cast<double>(b.low_spin), Y(b.low));
        const std::string high = point(static_cast<double>(b.high_spin), Y(b.high));
        if (b.low_spin == b.high_spin)
            bankroll += low;
        else if (b.low_spin < b.high_spin)
            bankroll += low + high;
        else
            bankroll += high + low;
    }
    svg.Shape(
        "polyline",
        {{"id", "stake"}, {"fill", "none"}, {"stroke", "#f9a825"}, {"stroke-width", "1"}, {"points", stake}});
    svg.Shape("polyline", {{"id", "expected"},
                           {"fill", "none"},
                           {"stroke", "#c62828"},
                           {"stroke-width", "1.5"},
                           {"stroke-dasharray", "6 4"},
                           {"points", expected}});
    svg.Shape("polyline", {{"id", "bankroll"},
                           {"fill", "none"},
                           {"stroke", "#2e7d32"},
                           {"stroke-width", "1.8"},
                           {"points", bankroll}});
    // Legend, in one row between the title and the plot.
    const double ly = 54;
    const auto legend = [&](double x, const char* colour, double width, const char* text) {
        svg.Labelled("line",
                     {{"x1", x},
                      {"x2", x + 24},
                      {"y1", ly - 4},
                      {"y2", ly - 4},
                      {"stroke", colour},
                      {"stroke-width", width}},
                     {{"x", x + 30}, {"y", ly}, {"fill", "#333"}}, text);
    };
    legend(left, "#2e7d32", 2, "Bankroll after each spin");
    svg.Labelled("line",
                 {{"x1", left + 210},
                  {"x2", left + 234},
                  {"y1", ly - 4},
                  {"y2", ly - 4},
                  {"stroke", "#c62828"},
                  {"stroke-width", 1.5},
                  {"stroke-dasharray", "6 4"}},
                 {{"x", left + 240}, {"y", ly}, {"fill", "#333"}},
                 "Expected at the house edge (1/37 of stakes)");
    legend(left + 520, "#f9a825", 1.5, "Stake (right axis)");
    if (series.per_bucket() > 1)
        svg.Text({{"x", left + pw}, {"y", 28}, {"text-anchor", "end"}, {"fill", "#777"}, {"font-size", "11"}},
                 "one point per " + std::to_string(series.per_bucket()) +
                     " spins (lowest and highest bankroll kept)");
    return svg.Finish();
}

// ---- Summary -----------------------------------------------------------------------------

void PrintSummary(std::ostream& out, const BacktestSummary& s, const std::string& source, int mode) {
    const auto row = [&out](const char* name, const std::string& value) {
        out << "  " << std::left << std::setw(26) << name << value << '\n';
    };
    out << "Backtest of " << source << " (game mode " << mode << ")\n";
    row("Spins", std::to_string(s.spins));
    row("Proposals", std::to_string(s.proposals));
    row("Bets placed", std::to_string(s.bets_placed));
    row("Bets won / lost", std::to_string(s.wins) + " / " + std::to_string(s.losses));
    row("Start bankroll", Money(s.start_bankroll));
    row("Final bankroll", Money(s.final_bankroll) +
                              (s.open_stake > 0 ? " (+ " + Money(s.open_stake) + " on the open bet)" : ""));
    row("Net result", Money(s.net_result));
    row("Total staked", Money(s.total_staked));
    row("Expected at house edge", Money(-s.expected_loss) + " (1/37 of the total staked)");
    row("Lowest bankroll",
        Money(s.lowest_bankroll) +
            (s.lowest_spin > 0 ? " after spin " + std::to_string(s.lowest_spin) : " at the start"));
    row("Largest drawdown", Money(s.max_drawdown));
    row("Largest stake", Money(s.largest_stake));
    row("Longest losing run", std::to_string(s.longest_losing_run) + " bets");
    row("Flat index", std::to_string(s.flat_index));
    row("Cycles completed", std::to_string(s.cycles_completed));
}

nlohmann::ordered_json SummaryJson(const BacktestSummary& s) {
    nlohmann::ordered_json j;
    j["spins"] = s.spins;
    j["proposals"] = s.proposals;
    j["bets_placed"] = s.bets_placed;
    j["bets_settled"] = s.wins + s.losses;
    j["wins"] = s.wins;
    j["losses"] = s.losses;
    j["start_bankroll"] = s.start_bankroll;
    j["final_bankroll"] = s.final_bankroll;
    j["open_stake"] = s.open_stake;
    j["net_result"] = s.net_result;
    j["total_staked"] = s.total_staked;
    j["expected_loss"] = s.expected_loss;
    j["lowest_bankroll"] = s.lowest_bankroll;
    j["lowest_spin"] = s.lowest_spin;
    j["max_drawdown"] = s.max_drawdown;
    j["largest_stake"] = s.largest_stake;
    j["longest_losing_run"] = s.longest_losing_run;
    j["flat_index"] = s.flat_index;
    j["cycles_completed"] = s.cycles_completed;
    return j;
}

const char* FieldName(std::int32_t code) {
    return code >= 1 && code <= 6 ? kFieldNames[static_cast<std::size_t>(code - 1)].data() : "";
}

// The settings of the run, applied through the same operations as in the
// window; a value the program refuses ends the run before it starts.
void Apply(Session& session, const BacktestOptions& o) {
    Engine& e = session.Engine();
    const auto check = [&](const char* what) {
        if (session.Platform().error) throw InputError(std::string(what) + ": " + *session.Platform().error);
    };
    if (!o.settings_file.empty()) {
        e.Event([&] { e.LoadSettingsFile(o.settings_file); });
        check("settings");
    }
    if (o.bank) {
        e.Event([&] { e.SetEditText(EditId::Test_Bank, *o.bank); });
        check("bank");
    }
    if (o.init_bet) {
        e.Event([&] { e.SetEditText(EditId::Init_Bet, *o.init_bet); });
        check("initial bet");
    }
    if (o.safe_level) {
        if (*o.safe_level < 0 || *o.safe_level > 10) throw InputError("safe level: must be 0 to 10");
        e.Event([&] { e.SetSafeLevelPosition(*o.safe_level); });
    }
    for (const std::string& t : o.trends) {
        const auto field = FieldByName(t);
        if (!field)
            throw InputError("trend: unknown field '" + t + "' (Less, Even, Red, Black, Odd or More)");
        e.ChooseTrend(*field);
    }
    for (const ControlValue& c : o.controls) ApplyControl(session, c);
    if (o.mode < 1 || o.mode > 5) throw InputError("mode: must be 1 to 5");
    e.ForceGameMode(o.mode);
    if (o.mode == 5) {
        if (o.lists.size() != 3) throw InputError("mode 5 needs --lists A B C");
        for (std::size_t k = 0; k < 3; ++k) {
            try {
                e.LoadAdaptiveList(k, ReadLines(o.lists[k]));
            } catch (const FileError& err) {
                throw InputError(err.what());
            }
        }
    }
    session.RunTimers();  // the display refresh settles the values before the first spin
}

// One spin of a replay, as the outputs of a backtest see it.
struct SpinStep {
    std::int64_t spin;  ///< 1-based
    int number;
    std::int32_t field;        ///< field of the bet shown before the spin
    bool shown;                ///< a chip was on the table before the spin
    const PlayReport* report;  ///< the settlement of the spin
    const char* result;        ///< "won", "lost", "virtual win", "virtual loss", "not settled"
    double bankroll;           ///< after the spin
    double stake_now;          ///< stake shown after the spin (0 without a chip)
    double start_bankroll;
    double total_staked;       ///< settled stakes so far, this spin's included
    const std::string* error;  ///< message the spin raised, or null
};

// Enters `count` numbers, each that `next` gives, as a click on its cell
// and keeps the figures of the summary; `on_spin` sees every spin after it
// settled.
template <class Next, class OnSpin>
BacktestSummary Replay(Session& session, std::int64_t count, Next&& next, OnSpin&& on_spin) {
    Engine& e = session.Engine();
    BacktestSummary s;
    s.spins = count;
    s.start_bankroll = e.State().Bankroll;
    s.lowest_bankroll = s.start_bankroll;
    double peak = s.start_bankroll;
    std::int64_t losing_run = 0;

    for (std::int64_t i = 0; i < s.spins; ++i) {
        const int n = next();
        const std::int32_t field = e.State().Bet_Field;
        const bool shown = e.AnyChipVisible();
        session.Spin(n);
        const PlayReport& r = e.Report();
        const char* result = "not settled";
        if (r.Settled) {
            if (r.Placed) {
                s.total_staked += r.Stake;
                s.largest_stake = std::max(s.largest_stake, r.Stake);
                if (r.Won) {
                    ++s.wins;
                    losing_run = 0;
                    result = "won";
                } else {
                    ++s.losses;
                    s.longest_losing_run = std::max(s.longest_losing_run, ++losing_run);
                    result = "lost";
                }
            } else {
                result = r.Won ? "virtual win" : "virtual loss";
            }
        }
        const double bankroll = e.State().Bankroll;
        if (bankroll < s.lowest_bankroll) {
            s.lowest_bankroll = bankroll;
            s.lowest_spin = i + 1;
        }
        peak = std::max(peak, bankroll);
        s.max_drawdown = std::max(s.max_drawdown, peak - bankroll);
        const double stake_now = e.AnyChipVisible() ? e.State().Bet_Size : 0.0;
        s.largest_stake = std::max(s.largest_stake, stake_now);
        const auto& error = session.Platform().error;
        on_spin(SpinStep{i + 1, n, field, shown, &r, result, bankroll, stake_now, s.start_bankroll,
                         s.total_staked, error ? &*error : nullptr});
    }

    s.proposals = e.Report().Proposals;
    // Placed as the statistics count them: the bets settled and the one open.
    s.bets_placed = s.wins + s.losses + (e.AnyChipVisible() ? 1 : 0);
    s.final_bankroll = e.State().Bankroll;
    s.open_stake = e.AnyChipVisible() ? e.State().Bet_Size : 0.0;
    s.net_result = s.final_bankroll + s.open_stake - s.start_bankroll;
    s.expected_loss = s.total_staked / 37;
    s.flat_index = e.State().Flat_Index;
    s.cycles_completed = e.Report().Cycles_Won;
    return s;
}

}  // namespace

void ApplyControl(Session& session, const ControlValue& c) {
    risk::ApplyControl(session.Engine(), session.Platform().error, c);
}

BacktestSummary BacktestNumbers(const BacktestOptions& o, const std::vector<std::uint8_t>& numbers) {
    Session session(fs::current_path(), false);
    Apply(session, o);
    std::size_t at = 0;
    return Replay(
        session, static_cast<std::int64_t>(numbers.size()), [&] { return numbers[at++]; },
        [](const SpinStep&) {});
}

BacktestSummary BacktestDrawn(const BacktestOptions& o, std::int64_t count, std::uint64_t seed) {
    Session session(fs::current_path(), false);
    Apply(session, o);
    risk::Wheel wheel(seed);
    return Replay(
        session, count, [&] { return wheel.Next(); }, [](const SpinStep&) {});
}

std::vector<std::uint8_t> ReadNumberFile(const std::string& path) {
    std::string text;
    try {
        text = ReadFileText(path);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
    std::size_t bad_line = 0;
    try {
        return RouletteNumbers(NumberFileLines(text), &bad_line);
    } catch (const ConvertError& e) {
        throw InputError(path + ":" + std::to_string(bad_line + 1) + ": " + e.what());
    }
}

std::vector<std::uint8_t> DrawNumbers(std::int64_t count, std::uint64_t seed) {
    risk::Wheel wheel(seed);
    std::vector<std::uint8_t> numbers;
    numbers.reserve(static_cast<std::size_t>(std::max<std::int64_t>(count, 0)));
    for (std::int64_t i = 0; i < count; ++i) numbers.push_back(static_cast<std::uint8_t>(wheel.Next()));
    return numbers;
}

int RunBacktest(const BacktestOptions& o, std::ostream& out, std::ostream& err) {
    try {
        // Drawn numbers are drawn as they are played, so that a run of any
        // length needs no list of them.
        std::vector<std::uint8_t> numbers;
        std::string source;
        if (o.random) {
            if (*o.random < 0) throw InputError("--random: the count must not be negative");
            source = std::to_string(*o.random) + " drawn numbers, seed " + std::to_string(o.seed);
        } else {
            numbers = ReadNumberFile(o.numbers_file);
            source = fs::path(o.numbers_file).filename().string();
        }
        std::vector<std::string> inputs = o.lists;
        inputs.push_back(o.numbers_file);
        inputs.push_back(o.settings_file);
        Outputs outputs({o.csv_file, o.chart_file}, inputs);
        std::ostream* const csv = outputs[0];

        // The statistics follow the play from before the settings.
        Session session(fs::current_path(), o.stats);
        Apply(session, o);

        if (csv) *csv << "spin,number,field,shown,stake,result,bankroll\n";
        const std::int64_t spins = o.random ? *o.random : static_cast<std::int64_t>(numbers.size());
        risk::Wheel wheel(o.seed);
        std::size_t at = 0;
        const auto next = [&]() -> int { return o.random ? wheel.Next() : numbers[at++]; };
        ChartSeries chart(spins);
        ProgressBar progress(spins, o.progress, "spins", 1 << 16);
        std::optional<std::string> first_error;
        std::int64_t errors = 0;

        const BacktestSummary s = Replay(session, spins, next, [&](const SpinStep& step) {
            if (step.error) {
                if (!first_error) first_error = *step.error;
                ++errors;
            }
            const PlayReport& r = *step.report;
            chart.Add(step.spin, step.bankroll, step.stake_now, step.start_bankroll - step.total_staked / 37);
            if (csv) {
                *csv << step.spin << ',' << step.number << ',' << FieldName(step.field) << ','
                     << ((r.Settled ? r.Placed : step.shown) ? 1 : 0) << ','
                     << (r.Settled && r.Placed ? FloatToStr(r.Stake) : std::string()) << ',' << step.result
                     << ',' << FloatToStr(step.bankroll) << '\n';
            }
            progress.Update(step.spin);
        });
        chart.Flush();

        if (std::ostream* chart_file = outputs[1])
            *chart_file << ChartSvg(chart, s.start_bankroll, "Backtest of " + source, s.spins);
        outputs.Commit();

        if (o.json) {
            nlohmann::ordered_json j = SummaryJson(s);
            if (o.stats) j["stats"] = SessionStatsJson(session.Stats());
            out << j.dump() << '\n';
        } else {
            PrintSummary(out, s, source, o.mode);
            if (o.stats) {
                out << "Session statistics\n";
                PrintSessionSummary(out, session.Stats().Summary());
                PrintHits(out, session.Stats().Hits());
            }
        }
        if (first_error)
            err << "rotacle-sim: " << errors << " spin(s) raised an error; the first: " << *first_error
                << '\n';
        return 0;
    } catch (const InputError& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace rotacle::sim
