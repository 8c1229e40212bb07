// What the page's statistics window and Risk tab read from a table: the
// session's figures, its bankroll chart and spin list by parts, their CSV
// files as the desktop window writes them, and what a risk run would play.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/engine.h"
#include "stats/session_stats.h"

namespace rotacle::web {

/// The statistics of a session. `ask` may hold "chart": [revision, count]
/// (the points the page has drawn: when the revision is the same, the
/// answer's chart starts at the newest of them, which may have moved, at
/// index "from"), "rows": [start, count] (spin list rows) and "csv":
/// "tables" or "spins".
nlohmann::ordered_json StatsJson(const SessionStats& stats, const nlohmann::ordered_json& ask);

/// What a risk run of the table would play now: "settings" (the settings
/// record as the text of a settings file), "bankroll" (the money held,
/// stake on the table included) and "partage".
nlohmann::ordered_json RiskSetupJson(const Engine& engine);

}  // namespace rotacle::web
