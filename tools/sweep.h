// Sweep: every combination of a grid of control values backtested over the
// same histories or random runs, on every core, with one CSV row per
// combination and run, the figures of each combination, a ranked table and
// a chart. Shards of a sweep run apart and are merged into the same file.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/backtest.h"

namespace rotacle::sim {

/// One control of a grid and the values it takes, in the grid file's order.
struct GridKey {
    std::string name;
    std::vector<std::string> values;
};

/// Reads a grid file: one JSON object mapping control names (as
/// ApplyControl takes them) to non-empty lists of strings or numbers.
/// Every value is tried on a new engine with `base`'s settings first.
/// Throws InputError naming the key or value that is wrong.
std::vector<GridKey> ReadGrid(const std::string& path, const BacktestOptions& base);

/// The slice of the work a shard runs: `index` of `count`.
struct Shard {
    std::int64_t index = 0;
    std::int64_t count = 1;
};

/// Parses "I/N" (0 <= I < N). Throws InputError otherwise.
Shard ParseShard(const std::string& text);

/// First work item of shard `index` of `count` over `total` items: the
/// items are cut into `count` contiguous slices whose sizes differ by at
/// most one, the larger ones first.
std::int64_t ShardStart(std::int64_t total, std::int64_t index, std::int64_t count);

struct SweepOptions {
    std::string grid_file;
    std::vector<std::string> histories;  ///< number files; or:
    std::optional<std::int64_t> random;  ///< numbers per random run
    std::int64_t runs = 1;               ///< random runs; run r draws with seed `seed + r`
    std::uint64_t seed = 1;
    std::string settings_file;  ///< settings file applied before the grid's values
    int mode = 2;               ///< game mode 1..4
    int jobs = 0;               ///< threads; 0 for the number of cores
    std::string csv_file;       ///< one row per combination and history or run
    std::string summary_file;   ///< one row per combination
    std::string chart_file;     ///< mean result against max drawdown, one point per combination
    std::string shard;          ///< "I/N": only slice I of N of the work ("" for all of it)
    bool progress = true;       ///< progress bar with ETA on a terminal
    std::int64_t top = 10;      ///< rows of the ranked table
};

/// Runs a sweep. Returns the exit code: 0, or 1 after a message on `err`
/// for bad input or an output that cannot be written (nothing is written
/// then).
int RunSweep(const SweepOptions& options, std::ostream& out, std::ostream& err);

/// The most one shard's file may hold for sweep-merge, which reads each
/// part whole: a sweep larger than this per shard is cut into more shards.
inline constexpr std::uint64_t kSweepPartLimit = std::uint64_t{1} << 30;

struct MergeOptions {
    std::string out_file;
    std::vector<std::string> parts;  ///< CSV files of the shards, in any order
    std::string summary_file;
    std::string chart_file;
    std::int64_t top = 10;
};

/// Joins the CSV files of every shard of a sweep into the file the sweep
/// writes without shards, with the same summary, table and chart. A shard's
/// file begins with the line of ShardLine, which the merged file leaves out.
/// Returns 0, or 1 after a message for parts that do not fit together (a
/// shard of another sweep, a shard missing or given twice, a file cut short
/// or that is no regular file); nothing is written then.
int RunSweepMerge(const MergeOptions& options, std::ostream& out, std::ostream& err);

/// A seed: the decimal digits of a whole number from 0 to 2^64 - 1, nothing
/// else (no sign, no blank). Throws InputError naming `what`.
std::uint64_t ParseSeed(std::string_view text, const char* what = "--seed");

}  // namespace rotacle::sim
