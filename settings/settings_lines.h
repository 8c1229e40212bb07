// The lines of the settings record: one row per line with its number, its
// name and its default. The record is 31 lines of text with comments and
// blanks between the values; each value keeps its line number, which
// settings files already saved rely on. The defaults are what the controls
// show at start, so that a record saved before any change loads back into
// the same controls.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace rotacle::settings_line {

/// One line of the record. Comment and blank lines have no name.
struct Row {
    std::size_t line;               ///< index of the line in the record, from 0
    std::string_view name;          ///< what the value is, or "" for a comment or blank line
    std::string_view default_text;  ///< the line's text in the record at its defaults
};

/// Number of lines of the record.
inline constexpr std::size_t kLineCount = 31;

/// Every line of the record, in file order.
inline constexpr std::array<Row, kLineCount> kRows = {{
    {0, "", "//line1"},
    {1, "InitBet", "1"},      // the initial bet, as typed
    {2, "GameMode", "1"},     // item index of the game-mode list
    {3, "BetStrategy", "5"},  // item index of the betting system
    {4, "", ""},
    {5, "", "//Betting system"},
    {6, "LossThreshold", "1"},  // losses before the loss rule acts
    {7, "LossType", "0"},       // item index of the loss rule's kind
    {8, "LossAction", "0"},     // item index of the loss rule's action
    {9, "LossAmount", "1"},     // the loss rule's amount, as typed
    {10, "WinThreshold", "1"},  // wins before the win rule acts
    {11, "WinType", "0"},       // item index of the win rule's kind
    {12, "WinAction", "0"},     // item index of the win rule's action
    {13, "WinAmount", "1"},     // the win rule's amount, as typed
    {14, "", ""},
    {15, "", "//line3"},
    {16, "MinimalProfit", "0"},   // "1" when minimal profit is on
    {17, "AutomaticReset", "1"},  // "1" when the automatic reset is on
    {18, "SafeLevel", "0"},       // safety level 0..10
    {19, "", ""},
    {20, "", "//adaptive settings"},
    {21, "MatrixHistory", "1"},    // spins the matrix build replays
    {22, "SearchPattern", "0"},    // item index of the search direction
    {23, "PlayBets", "5"},         // bets played per matrix
    {24, "FixedNumber", "0"},      // "1" when the history length is fixed
    {25, "RebuildOnProfit", "1"},  // "1" when the matrix is rebuilt on profit
    {26, "ProfitGoal", "1"},       // the profit goal in units
    {27, "", ""},
    {28, "", "//line5"},
    {29, "PhaseCorrection", "0"},  // "1" when phase correction is on
    {30, "PhaseStep", "3"},        // the phase-correction step
}};

namespace detail {
// Reached only for a name that no row has, which stops compilation where the
// line number is taken at compile time.
inline std::size_t UnknownLine() { return kLineCount; }

constexpr bool RowsInFileOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        if (kRows[i].line != i) return false;
    return true;
}
static_assert(RowsInFileOrder(), "each row sits at its own line number");

constexpr bool NamesUnique() {
    for (std::size_t i = 0; i < kRows.size(); ++i)
        for (std::size_t j = i + 1; j < kRows.size(); ++j)
            if (!kRows[i].name.empty() && kRows[i].name == kRows[j].name) return false;
    return true;
}
static_assert(NamesUnique(), "a name names one line");
}  // namespace detail

/// The line number of the value called `name`.
constexpr std::size_t LineOf(std::string_view name) {
    for (const Row& row : kRows)
        if (!name.empty() && row.name == name) return row.line;
    return detail::UnknownLine();
}

inline constexpr std::size_t kInitBet = LineOf("InitBet");
inline constexpr std::size_t kGameMode = LineOf("GameMode");
inline constexpr std::size_t kBetStrategy = LineOf("BetStrategy");
inline constexpr std::size_t kLossThreshold = LineOf("LossThreshold");
inline constexpr std::size_t kLossType = LineOf("LossType");
inline constexpr std::size_t kLossAction = LineOf("LossAction");
inline constexpr std::size_t kLossAmount = LineOf("LossAmount");
inline constexpr std::size_t kWinThreshold = LineOf("WinThreshold");
inline constexpr std::size_t kWinType = LineOf("WinType");
inline constexpr std::size_t kWinAction = LineOf("WinAction");
inline constexpr std::size_t kWinAmount = LineOf("WinAmount");
inline constexpr std::size_t kMinimalProfit = LineOf("MinimalProfit");
inline constexpr std::size_t kAutomaticReset = LineOf("AutomaticReset");
inline constexpr std::size_t kSafeLevel = LineOf("SafeLevel");
inline constexpr std::size_t kMatrixHistory = LineOf("MatrixHistory");
inline constexpr std::size_t kSearchPattern = LineOf("SearchPattern");
inline constexpr std::size_t kPlayBets = LineOf("PlayBets");
inline constexpr std::size_t kFixedNumber = LineOf("FixedNumber");
inline constexpr std::size_t kRebuildOnProfit = LineOf("RebuildOnProfit");
inline constexpr std::size_t kProfitGoal = LineOf("ProfitGoal");
inline constexpr std::size_t kPhaseCorrection = LineOf("PhaseCorrection");
inline constexpr std::size_t kPhaseStep = LineOf("PhaseStep");

}  // namespace rotacle::settings_line
