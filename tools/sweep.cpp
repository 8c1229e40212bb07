#include "tools/sweep.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>
#include <thread>

#include "core/convert.h"
#include "core/text_file.h"
#include "tools/outputs.h"
#include "tools/progress.h"
#include "tools/session.h"
#include "tools/svg_chart.h"
#include "tools/sweep_csv.h"

namespace rotacle::sim {

namespace {

namespace fs = std::filesystem;

std::string Money(double v) { return FloatToStr(RoundToCents(v)); }

// ---- CSV fields -------------------------------------------------------------------------

double ToDouble(std::string_view text, const char* what) {
    double v = 0;
    if (!TryStrToFloat(text, v))
        throw InputError(std::string(what) + ": '" + QuoteText(text) + "' is not a number");
    return v;
}

std::string Fixed(double v, int digits) { return FixedToStr(v, digits); }

// The summary columns of a row, in the order of BacktestSummary.
constexpr const char* kSummaryColumns =
    "spins,proposals,bets_placed,wins,losses,start_bankroll,final_bankroll,open_stake,net_result,total_"
    "staked,"
    "expected_loss,lowest_bankroll,lowest_spin,max_drawdown,largest_stake,longest_losing_run,flat_index,"
    "cycles_completed,broke";

std::string RowHeader(const std::vector<GridKey>& grid) {
    std::string h = "combination,run";
    for (const GridKey& k : grid) AppendCsvField(h += ',', k.name);
    return h + ",history," + kSummaryColumns;
}

// ---- Figures of each combination ---------------------------------------------------------

// The figures of one combination over all its runs.
struct Combination {
    std::int64_t index = 0;
    std::vector<std::string> values;
    std::int64_t runs = 0;
    std::int64_t broke = 0;
    std::optional<double> median;  ///< of the runs that did not go broke
    double mean = 0;
    double max_drawdown = 0;
};

// Takes the rows of a sweep in their order, as text, and closes the figures
// of a combination when its last row has come. The sweep and the merge both
// read the rows as written, so their figures are the same to the cent.
class Tally {
public:
    Tally(const std::vector<std::string>& header, std::ostream* summary, std::int64_t top)
        : summary_(summary), top_(top) {
        const auto find = [&](const char* name) {
            const auto it = std::find(header.begin(), header.end(), name);
            if (it == header.end()) throw InputError(std::string("no column '") + name + "'");
            return static_cast<std::size_t>(it - header.begin());
        };
        history_ = find("history");
        net_ = find("net_result");
        drawdown_ = find("max_drawdown");
        broke_ = find("broke");
        columns_ = header.size();
        keys_.assign(header.begin() + 2, header.begin() + static_cast<std::ptrdiff_t>(history_));
        if (summary_) {
            std::string h = "combination";
            for (const auto& k : keys_) AppendCsvField(h += ',', k);
            *summary_ << h << ",runs,broke_runs,broke_share,ruin_free_median,mean_result,max_drawdown\n";
        }
    }

    void Add(const std::vector<std::string>& row) {
        if (row.size() != columns_) throw InputError("a row has " + std::to_string(row.size()) + " fields");
        const std::int64_t c = ToInt64(row[0], "combination");
        if (!open_ || c != current_.index) {
            Close();
            current_ = Combination{};
            current_.index = c;
            current_.values.assign(row.begin() + 2, row.begin() + static_cast<std::ptrdiff_t>(history_));
            open_ = true;
        }
        const double net = ToDouble(row[net_], "net_result");
        ++current_.runs;
        current_.mean += net;
        current_.max_drawdown = std::max(current_.max_drawdown, ToDouble(row[drawdown_], "max_drawdown"));
        if (row[broke_] == "1")
            ++current_.broke;
        else
            results_.push_back(net);
    }

    // Closes the last combination.
    void Close() {
        if (!open_) return;
        open_ = false;
        Combination& c = current_;
        c.mean /= static_cast<double>(c.runs);
        if (!results_.empty()) {
            std::sort(results_.begin(), results_.end());
            const std::size_t m = results_.size() / 2;
            c.median = results_.size() % 2 ? results_[m] : (results_[m - 1] + results_[m]) / 2;
        }
        results_.clear();
        if (summary_) {
            std::string line = std::to_string(c.index);
            for (const auto& v : c.values) AppendCsvField(line += ',', v);
            line += ',' + std::to_string(c.runs) + ',' + std::to_string(c.broke) + ',' +
                    Fixed(static_cast<double>(c.broke) / static_cast<double>(c.runs), 4) + ',' +
                    (c.median ? Money(*c.median) : std::string()) + ',' + Money(c.mean) + ',' +
                    Money(c.max_drawdown) + '\n';
            *summary_ << line;
        }
        points_.push_back({c.max_drawdown, c.mean, c.broke > 0});
        ++count_;
        // The best `top_` so far in a heap whose first is the worst of them,
        // so that a long table costs no more than a short one.
        if (c.median && top_ > 0) {
            ranked_.push_back(c);
            std::push_heap(ranked_.begin(), ranked_.end(), Ranks);
            if (static_cast<std::int64_t>(ranked_.size()) > top_) {
                std::pop_heap(ranked_.begin(), ranked_.end(), Ranks);
                ranked_.pop_back();
            }
        }
    }

    void PrintTable(std::ostream& out) const {
        std::vector<Combination> ranked = ranked_;
        std::sort(ranked.begin(), ranked.end(), Ranks);
        out << "Top " << ranked_.size() << " of " << count_
            << " combinations by the median result of the runs that did not go broke\n";
        out << std::right << std::setw(4) << "rank" << std::setw(13) << "combination" << std::setw(12)
            << "median" << std::setw(12) << "mean" << std::setw(8) << "broke" << std::setw(14)
            << "max drawdown"
            << "  settings\n";
        for (std::size_t i = 0; i < ranked.size(); ++i) {
            const Combination& c = ranked[i];
            std::string settings;
            for (std::size_t k = 0; k < keys_.size(); ++k)
                settings += (k ? " " : "") + keys_[k] + '=' + c.values[k];
            out << std::setw(4) << i + 1 << std::setw(13) << c.index << std::setw(12) << Money(*c.median)
                << std::setw(12) << Money(c.mean) << std::setw(7)
                << Fixed(100.0 * static_cast<double>(c.broke) / static_cast<double>(c.runs), 0) << '%'
                << std::setw(14) << Money(c.max_drawdown) << "  " << settings << '\n';
        }
    }

    struct Point {
        double drawdown, mean;
        bool broke;
    };
    const std::vector<Point>& points() const { return points_; }
    std::int64_t count() const { return count_; }

private:
    // Best median first; a tie keeps the grid's order.
    static bool Ranks(const Combination& a, const Combination& b) {
        return *a.median > *b.median || (*a.median == *b.median && a.index < b.index);
    }

    std::ostream* summary_;
    std::int64_t top_;
    std::size_t history_ = 0, net_ = 0, drawdown_ = 0, broke_ = 0, columns_ = 0;
    std::vector<std::string> keys_;
    Combination current_;
    bool open_ = false;
    std::vector<double> results_;
    std::vector<Combination> ranked_;
    std::vector<Point> points_;
    std::int64_t count_ = 0;
};

// ---- Chart -------------------------------------------------------------------------------

std::string ChartSvg(const std::vector<Tally::Point>& points, const std::string& title) {
    SvgChart svg({.width = 760, .height = 520, .left = 84, .right = 24, .top = 70, .bottom = 64});
    const double left = svg.Layout().left, top = svg.Layout().top;
    const double pw = svg.Layout().PlotWidth(), ph = svg.Layout().PlotHeight();
    double xhi = 0, ylo = 0, yhi = 0;
    for (const auto& p : points) {
        xhi = std::max(xhi, p.drawdown);
        ylo = std::min(ylo, p.mean);
        yhi = std::max(yhi, p.mean);
    }
    const double xstep = NiceStep(xhi, 6), ystep = NiceStep(yhi - ylo, 6);
    xhi = std::max(xstep, std::ceil(xhi / xstep) * xstep);
    ylo = std::floor(ylo / ystep) * ystep;
    yhi = std::ceil(yhi / ystep) * ystep;
    if (yhi <= ylo) yhi = ylo + ystep;
    const auto X = [&](double v) { return Fixed(left + pw * v / xhi, 1); };
    const auto Y = [&](double v) { return Fixed(top + ph * (1 - (v - ylo) / (yhi - ylo)), 1); };

    svg.Title(title);
    svg.Labelled("circle", {{"cx", left + 6}, {"cy", 46}, {"r", 4}, {"fill", "#2e7d32"}},
                 {{"x", left + 16}, {"y", 50}, {"fill", "#333"}}, "no run went broke");
    svg.Labelled("circle", {{"cx", left + 176}, {"cy", 46}, {"r", 4}, {"fill", "#c62828"}},
                 {{"x", left + 186}, {"y", 50}, {"fill", "#333"}}, "some runs went broke (bankroll below 0)");
    for (const double v : Ticks(ylo, yhi + ystep / 2, ystep)) {
        svg.Shape("line", {{"x1", left},
                           {"x2", left + pw},
                           {"y1", Y(v)},
                           {"y2", Y(v)},
                           {"stroke", std::abs(v) < ystep / 2 ? "#999" : "#e6e6e6"}});
        svg.Text({{"x", left - 8}, {"y", Y(v)}, {"dy", 4}, {"text-anchor", "end"}, {"fill", "#444"}},
                 FloatToStr(v));
    }
    for (const double v : Ticks(0, xhi + xstep / 2, xstep)) svg.BottomTick({"x", X(v)}, FloatToStr(v));
    svg.Frame();
    svg.BottomCaption("Largest drawdown of any run");
    svg.LeftCaption("Mean net result", "#444");
    for (const auto& p : points)
        svg.Shape("circle", {{"cx", X(p.drawdown)},
                             {"cy", Y(p.mean)},
                             {"r", 3},
                             {"fill", p.broke ? "#c62828" : "#2e7d32"},
                             {"fill-opacity", "0.7"}});
    return svg.Finish();
}

std::string ChartText(const Tally& tally) {
    return ChartSvg(tally.points(), "Sweep of " + std::to_string(tally.count()) +
                                        " combinations: mean result against drawdown");
}

// The fingerprint of what decides a sweep's rows: the grid, the game mode,
// the settings file's text, and the random runs and their seed or the
// histories' names and numbers.
std::string SweepFingerprint(const SweepOptions& o, const std::vector<GridKey>& grid,
                             const std::vector<std::vector<std::uint8_t>>& histories) {
    Fingerprint f;
    f.Add("grid " + std::to_string(grid.size()));
    for (const GridKey& k : grid) {
        f.Add(k.name);
        f.Add(std::to_string(k.values.size()));
        for (const auto& v : k.values) f.Add(v);
    }
    f.Add("mode " + std::to_string(o.mode));
    try {
        f.Add(o.settings_file.empty() ? std::string() : ReadFileText(o.settings_file, kSettingsFileLimit));
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
    if (o.random) {
        f.Add("random " + std::to_string(*o.random) + " runs " + std::to_string(o.runs) + " seed " +
              std::to_string(o.seed));
    } else {
        f.Add("histories " + std::to_string(histories.size()));
        for (std::size_t h = 0; h < histories.size(); ++h) {
            f.Add(o.histories[h]);
            f.Add(std::string_view(reinterpret_cast<const char*>(histories[h].data()), histories[h].size()));
        }
    }
    return f.Hex();
}

std::string ReadPart(const std::string& path) {
    try {
        return ReadFileText(path, kSweepPartLimit);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
}

std::string ValueText(const nlohmann::ordered_json& v, const std::string& key) {
    if (v.is_string()) return v.get<std::string>();
    // Unsigned first: a number above the largest signed one counts as an
    // integer too, and would read as a negative number.
    if (v.is_number_unsigned()) return std::to_string(v.get<std::uint64_t>());
    if (v.is_number_integer()) return IntToStr(v.get<std::int64_t>());
    if (v.is_number_float()) return FloatToStr(v.get<double>());
    if (v.is_boolean()) return v.get<bool>() ? "1" : "0";
    throw InputError("grid: " + key + ": " + v.dump() + " is neither a string nor a number");
}

}  // namespace

std::vector<GridKey> ReadGrid(const std::string& path, const BacktestOptions& base) {
    std::string text;
    try {
        text = ReadFileText(path);
    } catch (const FileError& e) {
        throw InputError(e.what());
    }
    nlohmann::ordered_json j;
    try {
        j = nlohmann::ordered_json::parse(text);
    } catch (const nlohmann::json::parse_error& e) {
        throw InputError(path + ": not a JSON grid: " + e.what());
    } catch (const nlohmann::json::exception& e) {
        // The parser's other error: a number beyond the range of a double.
        std::string what = e.what();
        what.erase(0, what.find("] ") == std::string::npos ? 0 : what.find("] ") + 2);
        throw InputError(path + ": a number beyond the range of a double (" + what + ")");
    }
    if (!j.is_object())
        throw InputError(path + ": the grid must be an object of control names and value lists");
    if (j.empty()) throw InputError(path + ": the grid is empty");
    std::vector<GridKey> grid;
    for (const auto& [key, list] : j.items()) {
        if (!list.is_array() || list.empty())
            throw InputError("grid: " + key + ": needs a non-empty list of values");
        GridKey k{key, {}};
        for (const auto& v : list) {
            k.values.push_back(ValueText(v, key));
            // Each value alone on a new engine: an unknown name, a value out
            // of range or one the program refuses stops here.
            BacktestOptions o = base;
            o.controls = {ControlValue{key, k.values.back()}};
            try {
                BacktestNumbers(o, {});
            } catch (const InputError& e) {
                throw InputError(std::string("grid: ") + e.what());
            }
        }
        grid.push_back(std::move(k));
    }
    return grid;
}

Shard ParseShard(const std::string& text) {
    const auto slash = text.find('/');
    Shard s;
    try {
        if (slash == std::string::npos) throw InputError("");
        s.index = ToInt64(std::string_view(text).substr(0, slash), "shard");
        s.count = ToInt64(std::string_view(text).substr(slash + 1), "shard");
    } catch (const InputError&) {
        throw InputError("--shard: '" + QuoteText(text) + "' is not I/N");
    }
    if (s.count < 1) throw InputError("--shard: the count in '" + text + "' must be at least 1");
    if (s.index < 0 || s.index >= s.count)
        throw InputError("--shard: index " + std::to_string(s.index) + " is out of range 0.." +
                         std::to_string(s.count - 1));
    return s;
}

std::int64_t ShardStart(std::int64_t total, std::int64_t index, std::int64_t count) {
    return index * (total / count) + std::min(index, total % count);
}

int RunSweep(const SweepOptions& o, std::ostream& out, std::ostream& err) {
    try {
        if (o.random.has_value() == !o.histories.empty())
            throw InputError("sweep: give --history FILE... or --random N --runs R");
        if (o.random && *o.random < 1) throw InputError("--random: the count must be at least 1");
        if (o.random && o.runs < 1) throw InputError("--runs: must be at least 1");
        // Run r draws with seed S + r: the last one too must be a seed.
        if (o.random &&
            o.seed > std::numeric_limits<std::uint64_t>::max() - static_cast<std::uint64_t>(o.runs - 1))
            throw InputError("--seed: " + std::to_string(o.seed) + " with " + std::to_string(o.runs) +
                             " runs: the seeds S + r of the runs go beyond 18446744073709551615");
        if (o.mode < 1 || o.mode > 4) throw InputError("--mode: must be 1 to 4");
        const bool sharded = !o.shard.empty();
        const Shard shard = sharded ? ParseShard(o.shard) : Shard{};
        if (sharded && (!o.summary_file.empty() || !o.chart_file.empty()))
            throw InputError("--shard: the summary and the chart come from sweep-merge");
        if (o.top < 0) throw InputError("--top: must not be negative");
        std::vector<std::string> inputs = o.histories;
        inputs.push_back(o.grid_file);
        inputs.push_back(o.settings_file);
        Outputs outputs({o.csv_file, o.summary_file, o.chart_file}, inputs);
        std::ostream* const csv = outputs[0];

        BacktestOptions base;
        base.settings_file = o.settings_file;
        base.mode = o.mode;
        base.progress = false;
        const std::vector<GridKey> grid = ReadGrid(o.grid_file, base);
        std::vector<std::vector<std::uint8_t>> histories;
        for (const auto& h : o.histories) histories.push_back(ReadNumberFile(h));

        std::int64_t combinations = 1;
        for (const GridKey& k : grid) {
            const auto n = static_cast<std::int64_t>(k.values.size());
            if (combinations > std::numeric_limits<std::int64_t>::max() / n / 1024)
                throw InputError("grid: too many combinations");
            combinations *= n;
        }
        const std::int64_t runs = o.random ? o.runs : static_cast<std::int64_t>(histories.size());
        if (combinations > std::numeric_limits<std::int64_t>::max() / runs)
            throw InputError("grid: too many combinations");
        const std::int64_t total = combinations * runs;
        const std::int64_t begin = sharded ? ShardStart(total, shard.index, shard.count) : 0;
        const std::int64_t end = sharded ? ShardStart(total, shard.index + 1, shard.count) : total;

        // The grid's values as CSV fields, once.
        std::vector<std::vector<std::string>> fields(grid.size());
        for (std::size_t k = 0; k < grid.size(); ++k)
            for (const auto& v : grid[k].values) AppendCsvField(fields[k].emplace_back(), v);
        std::vector<std::string> history_fields;
        for (std::int64_t r = 0; r < (o.random ? 0 : runs); ++r)
            AppendCsvField(history_fields.emplace_back(), o.histories[static_cast<std::size_t>(r)]);

        const std::string header = RowHeader(grid);
        if (csv && sharded)
            *csv << ShardLine({shard, combinations, runs, SweepFingerprint(o, grid, histories)}) << '\n';
        if (csv) *csv << header << '\n';
        Tally tally(SplitCsv(header), outputs[1], o.top);

        // Work item i is run i % runs of combination i / runs; a combination's
        // values come from its index with the last key changing fastest.
        const auto row_of = [&](std::int64_t i) {
            const std::int64_t c = i / runs, r = i % runs;
            BacktestOptions bo = base;
            std::string line = std::to_string(c) + ',' + std::to_string(r);
            std::vector<std::size_t> pick(grid.size());
            std::int64_t rest = c;
            for (std::size_t k = grid.size(); k-- > 0;) {
                const auto n = static_cast<std::int64_t>(grid[k].values.size());
                pick[k] = static_cast<std::size_t>(rest % n);
                rest /= n;
            }
            for (std::size_t k = 0; k < grid.size(); ++k) {
                bo.controls.push_back(ControlValue{grid[k].name, grid[k].values[pick[k]]});
                line += ',' + fields[k][pick[k]];
            }
            BacktestSummary s;
            if (o.random) {
                const std::uint64_t seed = o.seed + static_cast<std::uint64_t>(r);
                s = BacktestDrawn(bo, *o.random, seed);
                line += ",seed " + std::to_string(seed);
            } else {
                s = BacktestNumbers(bo, histories[static_cast<std::size_t>(r)]);
                line += ',' + history_fields[static_cast<std::size_t>(r)];
            }
            for (const std::int64_t v : {s.spins, s.proposals, s.bets_placed, s.wins, s.losses})
                line += ',' + std::to_string(v);
            for (const double v : {s.start_bankroll, s.final_bankroll, s.open_stake, s.net_result,
                                   s.total_staked, s.expected_loss, s.lowest_bankroll})
                line += ',' + Money(v);
            line += ',' + std::to_string(s.lowest_spin) + ',' + Money(s.max_drawdown) + ',' +
                    Money(s.largest_stake) + ',' + std::to_string(s.longest_losing_run) + ',' +
                    std::to_string(s.flat_index) + ',' + std::to_string(s.cycles_completed) + ',' +
                    (s.lowest_bankroll < 0 ? '1' : '0');
            return line;
        };

        // Workers take items in order; the rows go out in order through a
        // reorder buffer of a few items per worker, so memory stays bounded
        // by the jobs whatever the size of the grid.
        const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
        int jobs = o.jobs > 0 ? o.jobs : cores;
        if (jobs > cores) {
            // More threads than cores only share them, and thousands of them
            // exhaust the system.
            err << "rotacle-sim: --jobs " << jobs << ": " << cores << " threads, one per core\n";
            jobs = cores;
        }
        jobs = static_cast<int>(std::min<std::int64_t>(jobs, std::max<std::int64_t>(end - begin, 1)));
        const std::int64_t window = 4 * static_cast<std::int64_t>(jobs);
        std::mutex mutex;
        std::condition_variable rows_ready, room;
        std::map<std::int64_t, std::string> done;
        std::int64_t next_take = begin, next_write = begin;
        std::optional<std::string> failure;

        const auto worker = [&] {
            for (;;) {
                std::int64_t i = 0;
                {
                    std::unique_lock lock(mutex);
                    room.wait(lock,
                              [&] { return failure || next_take >= end || next_take < next_write + window; });
                    if (failure || next_take >= end) return;
                    i = next_take++;
                }
                std::string row;
                std::optional<std::string> error;
                try {
                    row = row_of(i);
                } catch (const std::exception& e) {
                    error = e.what();
                }
                std::lock_guard lock(mutex);
                if (error) {
                    if (!failure) failure = *error;
                } else {
                    done.emplace(i, std::move(row));
                }
                rows_ready.notify_all();
                room.notify_all();
            }
        };
        std::vector<std::thread> threads;
        for (int t = 0; t < jobs; ++t) {
            try {
                threads.emplace_back(worker);
            } catch (const std::system_error&) {
                // Fewer threads do the same work; with none (a system or a
                // build without threads) this thread makes the rows itself.
                break;
            }
        }
        const bool alone = threads.empty();
        {
            ProgressBar progress(end - begin, o.progress, "runs");
            try {
                for (std::int64_t i = begin; i < end; ++i) {
                    std::string row;
                    if (alone) {
                        row = row_of(i);
                    } else {
                        std::unique_lock lock(mutex);
                        rows_ready.wait(lock, [&] { return failure || done.count(i) != 0; });
                        if (failure) break;
                        const auto it = done.find(i);
                        row = std::move(it->second);
                        done.erase(it);
                        next_write = i + 1;
                    }
                    room.notify_all();
                    if (csv) *csv << row << '\n';
                    if (!sharded) tally.Add(SplitCsv(row));
                    progress.Update(i + 1 - begin);
                }
            } catch (const std::exception& e) {
                std::lock_guard lock(mutex);
                if (!failure) failure = e.what();
            }
            room.notify_all();
            for (auto& t : threads) t.join();
        }
        if (failure) throw InputError(*failure);

        if (!sharded) tally.Close();
        if (std::ostream* chart = outputs[2]) *chart << ChartText(tally);
        outputs.Commit();
        if (!sharded) {
            tally.PrintTable(out);
        } else {
            out << "Shard " << shard.index << '/' << shard.count << ": " << end - begin << " of " << total
                << " runs\n";
        }
        return 0;
    } catch (const InputError& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    }
}

int RunSweepMerge(const MergeOptions& o, std::ostream& out, std::ostream& err) {
    try {
        if (o.parts.empty()) throw InputError("sweep-merge: give the CSV files of the shards");
        if (o.top < 0) throw InputError("--top: must not be negative");
        Outputs outputs({o.out_file, o.summary_file, o.chart_file}, o.parts);

        // Each part's first line names its shard and its sweep: the parts
        // must be every shard of one sweep, each once.
        struct Part {
            const std::string* path;
            ShardMark mark;
            std::string header;
        };
        std::optional<Part> first;
        std::map<std::int64_t, Part> parts;
        for (const std::string& path : o.parts) {
            const std::string text = ReadPart(path);
            const std::size_t line_end = text.find('\n');
            const auto mark = ParseShardLine(WithoutCr(std::string_view(text).substr(0, line_end)));
            if (line_end == std::string::npos || !mark)
                throw InputError(path + ": not the file of a shard (run the sweep with --shard I/N)");
            CsvRecords records(std::string_view(text).substr(line_end + 1), path, 2);
            std::vector<std::string> fields;
            std::string_view header;
            if (!records.Next(fields, header) || fields.size() < 2 || fields[0] != "combination" ||
                fields[1] != "run")
                throw InputError(path + ":2: not the header of a sweep's rows");
            Part part{&path, *mark, std::string(header)};
            if (!first) first = part;
            const std::string shard_name =
                "shard " + std::to_string(mark->shard.index) + '/' + std::to_string(mark->shard.count);
            if (mark->shard.count != first->mark.shard.count)
                throw InputError(path + ": " + shard_name + ", but " + *first->path + " is one of " +
                                 std::to_string(first->mark.shard.count) + " shards");
            if (mark->fingerprint != first->mark.fingerprint ||
                mark->combinations != first->mark.combinations || mark->runs != first->mark.runs ||
                part.header != first->header)
                throw InputError(path + ": a shard of another sweep than " + *first->path +
                                 " (its grid, options or seed differ)");
            const auto [at, added] = parts.emplace(mark->shard.index, part);
            if (!added)
                throw InputError(path + ": " + shard_name + " is given twice (also " + *at->second.path +
                                 ")");
        }
        const std::int64_t count = first->mark.shard.count;
        // The parts are distinct shards of `count`: when some are missing,
        // one of the first `parts.size() + 1` is.
        for (std::int64_t i = 0; i < count && static_cast<std::size_t>(i) <= parts.size(); ++i)
            if (!parts.count(i))
                throw InputError("shard " + std::to_string(i) + '/' + std::to_string(count) +
                                 " is missing (" + std::to_string(parts.size()) + " of " +
                                 std::to_string(count) + " given)");

        std::ostream& csv = *outputs[0];
        csv << first->header << '\n';
        Tally tally(SplitCsv(first->header), outputs[1], o.top);
        const std::int64_t runs = first->mark.runs, total = first->mark.combinations * runs;
        for (const auto& [index, part] : parts) {
            const std::string& path = *part.path;
            const std::string text = ReadPart(path);
            const std::size_t line_end = std::min(text.find('\n'), text.size());
            if (WithoutCr(std::string_view(text).substr(0, line_end)) != ShardLine(part.mark))
                throw InputError(path + ": changed while it was merged");
            CsvRecords records(std::string_view(text).substr(std::min(line_end + 1, text.size())), path, 2);
            std::vector<std::string> fields;
            std::string_view record;
            records.Next(fields, record);
            const std::int64_t begin = ShardStart(total, index, count),
                               end = ShardStart(total, index + 1, count);
            for (std::int64_t item = begin; item < end; ++item) {
                if (!records.Next(fields, record))
                    throw InputError(path + ": ends after " + std::to_string(item - begin) + " of its " +
                                     std::to_string(end - begin) + " rows");
                const std::string c = std::to_string(item / runs), r = std::to_string(item % runs);
                if (fields.size() < 2 || fields[0] != c || fields[1] != r)
                    throw InputError(records.Where() + ": the row of combination " + c + " run " + r +
                                     " was expected");
                try {
                    tally.Add(fields);
                } catch (const InputError& e) {
                    throw InputError(records.Where() + ": " + e.what());
                }
                csv << record << '\n';
            }
            if (records.Next(fields, record))
                throw InputError(records.Where() + ": a row beyond the " + std::to_string(end - begin) +
                                 " rows of " + "shard " + std::to_string(index) + '/' +
                                 std::to_string(count));
        }
        tally.Close();
        if (std::ostream* chart = outputs[2]) *chart << ChartText(tally);
        outputs.Commit();
        tally.PrintTable(out);
        return 0;
    } catch (const InputError& e) {
        err << "rotacle-sim: " << e.what() << '\n';
        return 1;
    }
}

}  // namespace rotacle::sim
