// The lines of the settings record by name. The record is 31 lines of text
// with comments and blanks between the values; each value keeps its line
// number, which settings files already saved rely on.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace rotacle::settings_line {

inline constexpr std::size_t kInitBet = 1;           ///< the initial bet, as typed
inline constexpr std::size_t kGameMode = 2;          ///< item index of the game-mode list
inline constexpr std::size_t kBetStrategy = 3;       ///< item index of the betting system
inline constexpr std::size_t kLossThreshold = 6;     ///< losses before the loss rule acts
inline constexpr std::size_t kLossType = 7;          ///< item index of the loss rule's kind
inline constexpr std::size_t kLossAction = 8;        ///< item index of the loss rule's action
inline constexpr std::size_t kLossAmount = 9;        ///< the loss rule's amount, as typed
inline constexpr std::size_t kWinThreshold = 10;     ///< wins before the win rule acts
inline constexpr std::size_t kWinType = 11;          ///< item index of the win rule's kind
inline constexpr std::size_t kWinAction = 12;        ///< item index of the win rule's action
inline constexpr std::size_t kWinAmount = 13;        ///< the win rule's amount, as typed
inline constexpr std::size_t kMinimalProfit = 16;    ///< "1" when minimal profit is on
inline constexpr std::size_t kAutomaticReset = 17;   ///< "1" when the automatic reset is on
inline constexpr std::size_t kSafeLevel = 18;        ///< safety level 0..10
inline constexpr std::size_t kMatrixHistory = 21;    ///< spins the matrix build replays
inline constexpr std::size_t kSearchPattern = 22;    ///< item index of the search direction
inline constexpr std::size_t kPlayBets = 23;         ///< bets played per matrix
inline constexpr std::size_t kFixedNumber = 24;      ///< "1" when the history length is fixed
inline constexpr std::size_t kRebuildOnProfit = 25;  ///< "1" when the matrix is rebuilt on profit
inline constexpr std::size_t kProfitGoal = 26;       ///< the profit goal in units
inline constexpr std::size_t kPhaseCorrection = 29;  ///< "1" when phase correction is on
inline constexpr std::size_t kPhaseStep = 30;        ///< the phase-correction step

/// Number of lines of the record.
inline constexpr std::size_t kLineCount = 31;

/// The record at its defaults, line by line: the comment lines, the blank
/// lines and the default of each named value above.
inline constexpr std::array<std::string_view, kLineCount> kDefaults = {
    "//line1",
    "1",  // kInitBet
    "0",  // kGameMode
    "0",  // kBetStrategy
    "",        "//Betting system",
    "1",  // kLossThreshold
    "1",  // kLossType
    "0",  // kLossAction
    "1",  // kLossAmount
    "1",  // kWinThreshold
    "1",  // kWinType
    "1",  // kWinAction
    "1",  // kWinAmount
    "",        "//line3",
    "1",  // kMinimalProfit
    "1",  // kAutomaticReset
    "0",  // kSafeLevel
    "",        "//adaptive settings",
    "1",  // kMatrixHistory
    "0",  // kSearchPattern
    "5",  // kPlayBets
    "0",  // kFixedNumber
    "0",  // kRebuildOnProfit
    "1",  // kProfitGoal
    "",        "//line5",
    "0",  // kPhaseCorrection
    "3",  // kPhaseStep
};

}  // namespace rotacle::settings_line
