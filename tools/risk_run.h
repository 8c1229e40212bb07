// Risk runs of the driver: many whole sessions of the given settings, or of
// the flat or martingale system, from a bankroll to a target or ruin, with
// their figures as text or JSON, one CSV row per session and a chart. Shards
// of a run play apart and are merged into the same output.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace rotacle::sim {

struct RiskOptions {
    std::string settings_file;          ///< settings file loaded first
    std::vector<std::string> controls;  ///< NAME=VALUE, applied in order after the settings
    std::int64_t sessions = 1000;
    std::string bankroll = "1000";  ///< amounts as text, read through the program's conversion
    std::string target = "100";
    std::int64_t spins_max = 10000;
    std::uint64_t seed = 1;
    int jobs = 0;       ///< threads; 0 for the number of cores
    std::string shard;  ///< "I/N": only slice I of N of the sessions ("" for all)
    std::string zero_rule = "none";
    std::string system = "settings";
    bool json = false;
    std::string csv_file;  ///< one row per session
    std::string svg_file;  ///< histogram of the results and band of the bankroll
    bool progress = true;  ///< progress bar on a terminal
};

/// Runs a risk run. Returns 0, or 1 after a message on `err` for bad input
/// or an output that cannot be written (nothing is written then).
int RunRisk(const RiskOptions& options, std::ostream& out, std::ostream& err);

struct RiskMergeOptions {
    std::vector<std::string> parts;  ///< CSV files of the shards, in any order
    bool json = false;
    std::string csv_file;
    std::string svg_file;
};

/// Computes the figures of a run from the CSV files of all its shards: the
/// same output, byte for byte, as the run without shards. Returns 0, or 1
/// after a message for parts that do not fit together (a shard of another
/// run, a shard missing or given twice, a file cut short); nothing is
/// written then.
int RunRiskMerge(const RiskMergeOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotacle::sim
