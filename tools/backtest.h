// Backtest: a history of numbers replayed through the whole engine, every
// number entered as a click on its cell, with a summary, a CSV of every spin
// and a chart of the bankroll.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "risk/risk.h"

namespace rotacle::sim {

class Session;

/// Bad input of a backtest, a sweep or a risk run: a file that cannot be
/// read, a value the program refuses, an output that cannot be written.
using risk::InputError;
/// A value given to a control by its name (see risk::ControlValue).
using risk::ControlValue;

struct BacktestOptions {
    std::string numbers_file;            ///< number file (one number 0..36 per line)
    std::optional<std::int64_t> random;  ///< instead of a file: this many drawn numbers
    std::uint64_t seed = 1;              ///< seed of the drawn numbers
    std::string settings_file;           ///< settings file applied first
    std::optional<std::string> bank;     ///< test bank
    std::optional<std::string> init_bet;
    std::optional<int> safe_level;
    std::vector<std::string> trends;     ///< chosen trend sides (Less, Even, Red, Black, Odd, More)
    std::vector<ControlValue> controls;  ///< applied in order after the options above
    int mode = 2;
    std::vector<std::string> lists;  ///< three candidate-list files for mode 5
    bool json = false;
    bool stats = false;  ///< add the statistics of the history and of the placed bets
    std::string csv_file;
    std::string chart_file;
    bool progress = true;  ///< progress bar on a terminal for long runs
};

/// The figures of a backtest.
struct BacktestSummary {
    std::int64_t spins = 0;
    std::int64_t proposals = 0;
    std::int64_t bets_placed = 0;  ///< bets settled (wins + losses) and the one open at the end
    std::int64_t wins = 0;
    std::int64_t losses = 0;
    double start_bankroll = 0;
    double final_bankroll = 0;
    double open_stake = 0;     ///< stake of the bet shown after the last spin
    double net_result = 0;     ///< final bankroll + open stake - start bankroll
    double total_staked = 0;   ///< sum of the stakes of settled bets
    double expected_loss = 0;  ///< total staked x 1/37
    double lowest_bankroll = 0;
    std::int64_t lowest_spin = 0;  ///< spin after which the lowest bankroll stood (0: the start)
    double max_drawdown = 0;       ///< largest fall of the bankroll from a previous peak
    double largest_stake = 0;
    std::int64_t longest_losing_run = 0;
    std::int32_t flat_index = 0;
    std::int64_t cycles_completed = 0;
};

/// The numbers of a number file, checked line by line as the import checks
/// them. Throws std::runtime_error naming the file, and the line of the first
/// bad number, when the file cannot be read or holds anything else.
std::vector<std::uint8_t> ReadNumberFile(const std::string& path);

/// Draws `count` numbers 0..36: std::mt19937_64 seeded with `seed`, each
/// number the raw 64-bit output modulo 37 after rejecting outputs at or above
/// the largest multiple of 37 (so every number is equally likely and the
/// sequence is the same with every compiler).
std::vector<std::uint8_t> DrawNumbers(std::int64_t count, std::uint64_t seed);

/// Gives one control its value in `engine` as the driver does: an edit
/// (`Init_Bet`, `Test_Bank`, ...) takes the text, a spin edit and `SafeLevel`
/// a whole number within the control's limits, a check box 0 or 1, a list
/// the index of an item (or the item's text), `trend` a field name or
/// `none`. Throws InputError naming the control and the value when the
/// name is unknown, the value out of range or the program refuses it.
void ApplyControl(Session& session, const ControlValue& control);

/// The summary of one backtest of `numbers` with the settings of `options`
/// (settings file, bank, initial bet, safety level, trends, controls, game
/// mode; the outputs are ignored): the same run as RunBacktest's, in a new
/// engine. Throws InputError for settings the program refuses.
BacktestSummary BacktestNumbers(const BacktestOptions& options, const std::vector<std::uint8_t>& numbers);

/// As BacktestNumbers, on `count` numbers drawn as DrawNumbers draws them,
/// each as it is played (memory does not grow with the count).
BacktestSummary BacktestDrawn(const BacktestOptions& options, std::int64_t count, std::uint64_t seed);

/// Runs a backtest. Returns the exit code: 0, or 1 after a message on `err`
/// for bad input or an output that cannot be written (nothing is written
/// then).
int RunBacktest(const BacktestOptions& options, std::ostream& out, std::ostream& err);

}  // namespace rotacle::sim
