#include "tools/risk_run.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <map>
#include <new>
#include <optional>
#include <stdexcept>
#include <thread>

#include "core/convert.h"
#include "core/text_file.h"
#include "risk/risk.h"
#include "tools/outputs.h"
#include "tools/progress.h"
#include "tools/svg_chart.h"
#include "tools/sweep.h"
#include "tools/sweep_csv.h"

namespace rotacle::sim {

namespace {

using risk::RiskFigures;
using risk::RiskSetup;
using risk::SessionOutcome;

std::string Money(double v) { return FloatToStr(RoundToCents(v)); }
std::string Fixed(double v, int digits) { return FixedToStr(v, digits); }

// What a run is: its setup, its size, and the words of a shard's first line
// that name them.
struct RunMark {
    Shard shard;
    std::int64_t sessions = 0;
    RiskSetup setup;
    std::string settings;  ///< fingerprint of the settings file and the controls

    // "# rotacle-sim risk shard I/N sessions S bankroll B target T spins-max M
    // zero-rule Z system Y seed S settings F"
    std::string Line() const {
        return "# rotacle-sim risk shard " + std::to_string(shard.index) + '/' + std::to_string(shard.count) +
               " sessions " + std::to_string(sessions) + " bankroll " + FloatToStr(setup.bankroll) +
               " target " + FloatToStr(setup.target) + " spins-max " + std::to_string(setup.spins_max) +
               " zero-rule " + std::string(risk::ZeroRuleName(setup.zero_rule)) + " system " +
               std::string(risk::SystemName(setup.system)) + " seed " + std::to_string(setup.seed) +
               " settings " + settings;
    }
};

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t space = std::min(line.find(' ', at), line.size());
        words.push_back(line.substr(at, space - at));
        at = space + 1;
    }
    return words;
}

// The mark of a line that RunMark::Line wrote, with a run that can be
// played: at least one session and one spin, bankroll and target amounts
// that a run takes. nullopt for any other line; `why` then names the field
// of a line that has the shape of a mark.
std::optional<RunMark> ParseMark(std::string_view line, std::string* why = nullptr) {
    line = WithoutCr(line);
    const auto w = Words(line);
    if (w.size() != 21) return std::nullopt;
    RunMark m;
    try {
        m.shard = ParseShard(std::string(w[4]));
        m.sessions = ToInt64(w[6], "sessions");
        m.setup.spins_max = ToInt64(w[12], "spins-max");
        m.setup.seed = ParseSeed(w[18], "seed");
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const auto zero = risk::ZeroRuleByName(w[14]);
    const auto system = risk::SystemByName(w[16]);
    if (!zero || !system || !TryStrToFloat(w[8], m.setup.bankroll) || !TryStrToFloat(w[10], m.setup.target))
        return std::nullopt;
    m.setup.zero_rule = *zero;
    m.setup.system = *system;
    m.settings = w[20];
    if (m.Line() != line) return std::nullopt;
    const auto refuse = [&](const std::string& reason) -> std::optional<RunMark> {
        if (why) *why = reason;
        return std::nullopt;
    };
    const auto amount = [](double v) { return v > 0 && v <= kMaxAmount; };
    if (m.sessions < 1) return refuse("sessions " + std::to_string(m.sessions) + " (at least 1)");
    if (m.setup.spins_max < 1)
        return refuse("spins-max " + std::to_string(m.setup.spins_max) + " (at least 1)");
    if (!amount(m.setup.bankroll))
        return refuse("bankroll " + FloatToStr(m.setup.bankroll) + " (a positive amount)");
    if (!amount(m.setup.target))
        return refuse("target " + FloatToStr(m.setup.target) + " (a positive amount)");
    return m;
}

// The words in which two marks differ, "NAME A against B".
std::string Differences(const RunMark& a, const RunMark& b) {
    const std::string la = a.Line(), lb = b.Line();
    const auto wa = Words(la), wb = Words(lb);
    std::string out;
    for (std::size_t k = 5; k + 1 < wa.size(); k += 2)
        if (wa[k + 1] != wb[k + 1])
            out += std::string(out.empty() ? "" : ", ") + std::string(wa[k]) + ' ' + std::string(wa[k + 1]) +
                   " against " + std::string(wb[k + 1]);
    return out;
}

RunMark MarkOf(const RiskOptions& o) {
    RunMark m;
    RiskSetup& s = m.setup;
    const auto amount = [](const std::string& text, const char* what) {
        double v = 0;
        if (!TryStrToFloat(text, v) || !(v > 0) || v > kMaxAmount)
            throw InputError(std::string(what) + ": '" + QuoteText(text) + "' is not a positive amount");
        // As its text gives it back, so that a shard's line names it exactly.
        return StrToFloat(FloatToStr(v));
    };
    s.bankroll = amount(o.bankroll, "--bankroll");
    s.target = amount(o.target, "--target");
    if (o.sessions < 1) throw InputError("--sessions: must be at least 1");
    if (o.spins_max < 1) throw InputError("--spins-max: must be at least 1");
    const auto zero = risk::ZeroRuleByName(o.zero_rule);
    if (!zero) throw InputError("--zero-rule: '" + QuoteText(o.zero_rule) + "' is not none or partage");
    const auto system = risk::SystemByName(o.system);
    if (!system)
        throw InputError("--system: '" + QuoteText(o.system) + "' is not settings, flat or martingale");
    s.zero_rule = *zero;
    s.system = *system;
    s.seed = o.seed;
    s.spins_max = o.spins_max;
    m.sessions = o.sessions;
    Fingerprint f;
    if (!o.settings_file.empty()) {
        try {
            const std::string text = ReadFileText(o.settings_file, kSettingsFileLimit);
            f.Add(text);
            s.settings_lines = SplitLines(text);
        } catch (const FileError& e) {
            throw InputError(e.what());
        }
        // An empty file still replaces the record.
        if (s.settings_lines.empty()) s.settings_lines.emplace_back();
    } else {
        f.Add("");
    }
    for (const std::string& c : o.controls) {
        const auto eq = c.find('=');
        if (eq == std::string::npos || eq == 0)
            throw InputError("control '" + QuoteText(c) + "' is not NAME=VALUE");
        s.controls.push_back({c.substr(0, eq), c.substr(eq + 1)});
        f.Add(c);
    }
    m.settings = f.Hex();
    risk::CheckSetup(s);
    return m;
}

void PrintFigures(std::ostream& out, const RiskFigures& f, const RunMark& m) {
    const RiskSetup& s = m.setup;
    out << "Risk of " << f.sessions << " sessions: system " << risk::SystemName(s.system) << ", zero rule "
        << risk::ZeroRuleName(s.zero_rule) << ", bankroll " << Money(s.bankroll) << ", target "
        << Money(s.target) << ", at most " << s.spins_max << " spins, seed " << s.seed << '\n';
    const auto row = [&out](const char* name, const std::string& value) {
        out << "  " << std::left << std::setw(28) << name << value << '\n';
    };
    const auto share = [](const risk::Interval& i) {
        return Fixed(100 * i.value, 2) + " % (95 %: " + Fixed(100 * i.low, 2) + " to " +
               Fixed(100 * i.high, 2) + " %)";
    };
    row("Reached the target", share(f.p_target));
    row("Ruined", share(f.p_ruin));
    row("Still playing at the end", share(f.p_open));
    row("Result mean / sd", Money(f.result_mean) + " / " + Money(f.result_sd));
    const auto& p = f.result_points;
    row("Result 5/25/50/75/95 %",
        Money(p[0]) + " / " + Money(p[1]) + " / " + Money(p[2]) + " / " + Money(p[3]) + " / " + Money(p[4]));
    row("Mean staked", Money(f.mean_staked));
    row("Expected at the house edge", Money(f.edge_expected) +
                                          (s.zero_rule == ZeroRule::Partage ? " (1/74" : " (1/37") +
                                          " of the staked), z = " + Fixed(f.edge_z, 2));
    row("Drawdown mean / largest", Money(f.drawdown_mean) + " / " + Money(f.drawdown_max));
    row("Longest losing run", std::to_string(f.longest_losing_run) + " bets");
    row("Largest stake", Money(f.largest_stake));
    row("Mean spins", Fixed(f.mean_spins, 1));
}

std::string Num(double v) { return Fixed(v, 1); }

// The histogram of the results above, the band of the bankroll over the
// spins below.
std::string ChartSvg(const risk::RiskChart& c, const RiskFigures& f, const RunMark& m) {
    SvgChart svg({.width = 960, .height = 820, .left = 84, .right = 24, .top = 470, .bottom = 64});
    const double left = svg.Layout().left, pw = svg.Layout().PlotWidth();
    svg.Title("Risk of " + std::to_string(f.sessions) + " sessions (" +
              std::string(risk::SystemName(m.setup.system)) + ", bankroll " + Money(m.setup.bankroll) +
              ", target " + Money(m.setup.target) + ")");

    // Histogram: plot area from y 70 to 370.
    const double htop = 70, hh = 300;
    std::int64_t most = 1;
    for (const auto n : c.bins) most = std::max(most, n);
    const double hlo = c.bin_low, hhi = c.bin_low + c.bin_width * static_cast<double>(c.bins.size());
    const auto HX = [&](double v) { return left + pw * (v - hlo) / std::max(hhi - hlo, 0.01); };
    svg.Text({{"x", left}, {"y", htop - 10}, {"fill", "#444"}}, "Sessions by final result");
    svg.Shape(
        "rect",
        {{"x", left}, {"y", htop}, {"width", pw}, {"height", hh}, {"fill", "none"}, {"stroke", "#999"}});
    for (std::size_t k = 0; k < c.bins.size(); ++k) {
        const double x0 = HX(c.bin_low + c.bin_width * static_cast<double>(k));
        const double h = hh * static_cast<double>(c.bins[k]) / static_cast<double>(most);
        svg.Shape("rect", {{"x", Num(x0)},
                           {"y", Num(htop + hh - h)},
                           {"width", Num(std::max(pw / static_cast<double>(c.bins.size()) - 1, 1.0))},
                           {"height", Num(h)},
                           {"fill", "#1565c0"}});
    }
    const double xstep = NiceStep(hhi - hlo, 8);
    for (const double v : Ticks(std::ceil(hlo / xstep) * xstep, hhi, xstep))
        svg.Text({{"x", Num(HX(v))}, {"y", htop + hh + 18}, {"text-anchor", "middle"}, {"fill", "#444"}},
                 FloatToStr(v));
    svg.Text({{"x", left + pw}, {"y", htop - 10}, {"text-anchor", "end"}, {"fill", "#444"}},
             "highest bar: " + std::to_string(most) + " sessions");

    // Band of the bankroll at the checkpoints.
    const double top = svg.Layout().top, ph = svg.Layout().PlotHeight();
    double lo = m.setup.bankroll, hi = lo;
    for (const auto& b : c.band) lo = std::min(lo, b[0]), hi = std::max(hi, b[4]);
    const double ystep = NiceStep(hi - lo, 6);
    lo = std::floor(lo / ystep) * ystep;
    hi = std::max(lo + ystep, std::ceil(hi / ystep) * ystep);
    const double xmax = static_cast<double>(m.setup.spins_max);
    const auto X = [&](double spin) { return Num(left + pw * spin / xmax); };
    const auto Y = [&](double v) { return Num(top + ph * (1 - (v - lo) / (hi - lo))); };
    for (const double v : Ticks(lo, hi + ystep / 2, ystep)) {
        svg.Shape("line",
                  {{"x1", left}, {"x2", left + pw}, {"y1", Y(v)}, {"y2", Y(v)}, {"stroke", "#e6e6e6"}});
        svg.Text({{"x", left - 8}, {"y", Y(v)}, {"dy", 4}, {"text-anchor", "end"}, {"fill", "#444"}},
                 FloatToStr(v));
    }
    const double sstep = NiceStep(xmax, 8);
    for (const double s : Ticks(0, xmax + sstep / 2, sstep)) svg.BottomTick({"x", X(s)}, FloatToStr(s));
    const auto line = [&](std::size_t a, std::size_t b) {
        std::string points = X(0) + ',' + Y(m.setup.bankroll) + ' ';
        for (std::size_t k = 0; k < risk::kCheckpoints; ++k)
            points += X(static_cast<double>(c.checkpoint_spins[k])) + ',' + Y(c.band[k][a]) + ' ';
        for (std::size_t k = risk::kCheckpoints; k-- > 0 && a != b;)
            points += X(static_cast<double>(c.checkpoint_spins[k])) + ',' + Y(c.band[k][b]) + ' ';
        return points;
    };
    svg.Shape("polygon", {{"points", line(0, 4)}, {"fill", "#a5d6a7"}, {"fill-opacity", "0.6"}});
    svg.Shape("polygon", {{"points", line(1, 3)}, {"fill", "#66bb6a"}, {"fill-opacity", "0.7"}});
    svg.Shape("polyline",
              {{"points", line(2, 2)}, {"fill", "none"}, {"stroke", "#1b5e20"}, {"stroke-width", 2}});
    svg.Frame();
    svg.Text({{"x", left}, {"y", top - 10}, {"fill", "#444"}},
             "Bankroll over the spins: median, 25-75 % and 5-95 % of the sessions");
    svg.BottomCaption("Spin");
    svg.LeftCaption("Bankroll", "#2e7d32");
    return svg.Finish();
}

// The figures of a whole run and its chart, as the run without shards and
// the merge both give them: the chart and the rows saved, then the figures
// printed on `out`.
void Publish(const risk::RiskTally& tally, const RunMark& m, bool json, Outputs& outputs, std::ostream& out) {
    const RiskFigures f = tally.Figures();
    if (std::ostream* svg = outputs[1]) *svg << ChartSvg(tally.Chart(), f, m);
    outputs.Commit();
    if (json)
        out << risk::FiguresJson(f) << '\n';
    else
        PrintFigures(out, f, m);
}

// A run whose figures do not fit in memory.
int TooLarge(std::int64_t sessions, std::ostream& err) {
    err << "rotacle-sim: not enough memory for the figures of " << sessions << " sessions\n";
    return 1;
}

std::string ReadPart(const std::string& path) {
    try {
        return ReadFileText(path, kSweepPartLimit);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
}

}  // namespace

int RunRisk(const RiskOptions& o, std::ostream& out, std::ostream& err) {
    try {
        const bool sharded = !o.shard.empty();
        RunMark m = MarkOf(o);
        if (sharded) {
            m.shard = ParseShard(o.shard);
            if (o.csv_file.empty()) throw InputError("--shard: give --csv FILE for the shard's rows");
            if (o.json || !o.svg_file.empty()) throw InputError("--shard: the figures come from risk-merge");
        }
        if (o.jobs < 0) throw InputError("--jobs: must be at least 1");
        const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        if (o.jobs > cores)
            err << "rotacle-sim: --jobs " << o.jobs << ": " << cores << " threads, one per core\n";
        Outputs outputs({o.csv_file, o.svg_file}, {o.settings_file});
        const std::int64_t begin = ShardStart(m.sessions, m.shard.index, m.shard.count);
        const std::int64_t end = ShardStart(m.sessions, m.shard.index + 1, m.shard.count);
        // The rows go out as the sessions end; the figures take them one by
        // one, so no list of the outcomes is kept.
        std::ostream* const csv = outputs[0];
        if (csv && sharded) *csv << m.Line() << '\n';
        if (csv) *csv << risk::CsvHeader() << '\n';
        risk::RiskTally tally(m.setup);
        {
            ProgressBar progress(end - begin, o.progress, "sessions");
            risk::PlaySessions(
                m.setup, begin, end - begin, o.jobs,
                [&](const SessionOutcome& s) {
                    if (csv) *csv << risk::CsvRow(s) << '\n';
                    if (!sharded) tally.Add(s);
                },
                [&](const risk::RunProgress& p) { progress.Update(p.sessions, p.spins); });
        }
        if (sharded) {
            outputs.Commit();
            out << "Shard " << m.shard.index << '/' << m.shard.count << ": " << end - begin << " of "
                << m.sessions << " sessions\n";
            return 0;
        }
        Publish(tally, m, o.json, outputs, out);
        return 0;
    } catch (const InputError& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        return TooLarge(o.sessions, err);
    } catch (const std::length_error&) {
        return TooLarge(o.sessions, err);
    }
}

int RunRiskMerge(const RiskMergeOptions& o, std::ostream& out, std::ostream& err) {
    try {
        if (o.parts.empty()) throw InputError("risk-merge: give the CSV files of the shards");
        Outputs outputs({o.csv_file, o.svg_file}, o.parts);
        struct Part {
            const std::string* path;
            RunMark mark;
        };
        std::optional<Part> first;
        std::map<std::int64_t, Part> parts;
        for (const std::string& path : o.parts) {
            const std::string text = ReadPart(path);
            const std::size_t line_end = text.find('\n');
            std::string why;
            const auto mark = ParseMark(std::string_view(text).substr(0, line_end), &why);
            if (!why.empty()) throw InputError(path + ":1: not a run that can be played: " + why);
            if (line_end == std::string::npos || !mark)
                throw InputError(path +
                                 ": not the file of a risk shard (run risk with --shard I/N --csv FILE)");
            if (!first) first = Part{&path, *mark};
            const std::string name =
                "shard " + std::to_string(mark->shard.index) + '/' + std::to_string(mark->shard.count);
            if (mark->shard.count != first->mark.shard.count)
                throw InputError(path + ": " + name + ", but " + *first->path + " is one of " +
                                 std::to_string(first->mark.shard.count) + " shards");
            const std::string differ = Differences(*mark, first->mark);
            if (!differ.empty())
                throw InputError(path + ": a shard of another run than " + *first->path + " (" + differ +
                                 ")");
            const auto [at, added] = parts.emplace(mark->shard.index, Part{&path, *mark});
            if (!added)
                throw InputError(path + ": " + name + " is given twice (also " + *at->second.path + ")");
        }
        const RunMark& m = first->mark;
        const std::int64_t count = m.shard.count;
        for (std::int64_t i = 0; i < count && static_cast<std::size_t>(i) <= parts.size(); ++i)
            if (!parts.count(i))
                throw InputError("shard " + std::to_string(i) + '/' + std::to_string(count) +
                                 " is missing (" + std::to_string(parts.size()) + " of " +
                                 std::to_string(count) + " given)");

        risk::RiskTally tally(m.setup);
        std::ostream* csv = outputs[0];
        if (csv) *csv << risk::CsvHeader() << '\n';
        for (const auto& [index, part] : parts) {
            const std::string& path = *part.path;
            const std::string text = ReadPart(path);
            const std::size_t line_end = std::min(text.find('\n'), text.size());
            if (WithoutCr(std::string_view(text).substr(0, line_end)) != part.mark.Line())
                throw InputError(path + ": changed while it was merged");
            CsvRecords records(std::string_view(text).substr(std::min(line_end + 1, text.size())), path, 2);
            std::vector<std::string> fields;
            std::string_view record;
            if (!records.Next(fields, record) || record != risk::CsvHeader())
                throw InputError(path + ":2: not the header of a risk run's rows");
            const std::int64_t begin = ShardStart(m.sessions, index, count),
                               end = ShardStart(m.sessions, index + 1, count);
            for (std::int64_t session = begin; session < end; ++session) {
                if (!records.Next(fields, record))
                    throw InputError(path + ": ends after " + std::to_string(session - begin) + " of its " +
                                     std::to_string(end - begin) + " rows");
                SessionOutcome outcome;
                try {
                    outcome = risk::ReadCsvRow(record);
                    if (outcome.index == session) risk::CheckOutcome(outcome, m.setup);
                } catch (const InputError& e) {
                    throw InputError(records.Where() + ": " + e.what());
                }
                if (outcome.index != session)
                    throw InputError(records.Where() + ": the row of session " + std::to_string(session) +
                                     " was expected");
                tally.Add(outcome);
                // As the run writes it, whatever the part's line ends.
                if (csv) *csv << risk::CsvRow(outcome) << '\n';
            }
            if (records.Next(fields, record))
                throw InputError(records.Where() + ": a row beyond the " + std::to_string(end - begin) +
                                 " rows of shard " + std::to_string(index) + '/' + std::to_string(count));
        }
        Publish(tally, m, o.json, outputs, out);
        return 0;
    } catch (const InputError& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    } catch (const std::bad_alloc&) {
        err << "rotacle-sim: not enough memory for the figures of the run\n";
        return 1;
    }
}

}  // namespace rotacle::sim
