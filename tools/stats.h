// The statistics of a history of numbers as the driver prints them: the
// `stats` command and the backtest's `--stats`.
#pragma once

#include <nlohmann/json.hpp>
#include <ostream>
#include <string>

#include "stats/session_stats.h"

namespace rotacle::sim {

struct StatsOptions {
    std::string numbers_file;  ///< number file (one number 0..36 per line)
    bool json = false;
};

/// {"spins": N, "chances": {"Less": {"hits", "absence", "longest_absence"},
/// ... Even, Red, Black, Odd, More}, "numbers": [the same for 0..36]}.
nlohmann::ordered_json HitsJson(const HitCounter& hits);

/// The hit figures as two tables, the chances and the numbers: hits, share of
/// the spins against the share expected on a fair wheel (18/37 for a chance,
/// 1/37 for a number), absence and longest absence.
void PrintHits(std::ostream& out, const HitCounter& hits);

/// The summary's figures as one JSON object, its keys named as its members.
nlohmann::ordered_json SessionSummaryJson(const SessionSummary& summary);

/// The statistics of a session as the backtest's `--stats` and the driver's
/// `stats` command print them: HitsJson with the summary as "session".
nlohmann::ordered_json SessionStatsJson(const SessionStats& stats);

/// The summary in the rows of the backtest's summary.
void PrintSessionSummary(std::ostream& out, const SessionSummary& summary);

/// The `stats` command: the hit figures of a number file. Returns the exit
/// code: 0, or 1 after a message on `err` naming the bad line.
int RunStats(const StatsOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotacle::sim
