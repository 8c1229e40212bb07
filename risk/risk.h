// Risk of a system: many whole sessions of the game, each from a bankroll on
// a seeded random wheel until a profit target, ruin or a spin limit, and the
// figures of their outcomes (probabilities with intervals, the spread of the
// results, the house-edge check, drawdowns, runs and stakes).
//
// Every session plays the full game through its operations and the one
// scheduler, as the backtest does; its wheel is seeded from the run's seed
// and the session's index alone, so the outcomes do not depend on how many
// threads play them nor on how the sessions are cut into shards.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/zero_rule.h"

namespace rotacle {
class Engine;
}

namespace rotacle::risk {

/// Bad input of a run: a value the program refuses, a control that does not
/// exist, a file that cannot be read or written.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/// A value given to a control by its name, as the driver's `set`, `check`
/// and `select` commands name them, or `trend` with a field name (or
/// `none`).
struct ControlValue {
    std::string name;
    std::string value;
};

/// Gives one control its value in `engine` as the driver does: an edit
/// (`Init_Bet`, `Test_Bank`, ...) takes the text, a spin edit and `SafeLevel`
/// a whole number within the control's limits, a check box 0 or 1, a list
/// the index of an item (or the item's text), `trend` a field name or
/// `none`. `message` is where the engine's platform keeps the first message
/// of an event. Throws InputError naming the control and the value when the
/// name is unknown, the value out of range or the program refuses it.
void ApplyControl(Engine& engine, std::optional<std::string>& message, const ControlValue& control);

/// The staking the sessions play.
enum class System : std::uint8_t {
    Settings,    ///< the settings as given
    Flat,        ///< the stake never changes: always the initial bet
    Martingale,  ///< the stake doubles after each lost bet, back to the initial bet after a win
};

/// "settings", "flat", "martingale"; and back (nullopt for another name).
std::string_view SystemName(System system);
std::optional<System> SystemByName(std::string_view name);
/// "none", "partage"; and back.
std::string_view ZeroRuleName(ZeroRule rule);
std::optional<ZeroRule> ZeroRuleByName(std::string_view name);

/// The settings record lines that write `system` over `lines` (a settings
/// record, its initial bet in line 1): flat sets both staking amounts to 0,
/// martingale adds the stake itself after every lost bet (phase correction
/// with step 1), both turn minimal profit off. `Settings` gives `lines` back.
std::vector<std::string> SystemLines(System system, std::vector<std::string> lines);

/// What every session of a run plays.
struct RiskSetup {
    std::vector<std::string> settings_lines;  ///< settings record loaded first; empty for the defaults
    std::vector<ControlValue> controls;       ///< applied in order after the settings
    double bankroll = 1000;                   ///< the test bank each session starts from
    double target = 100;                      ///< profit at which a session stops
    std::int64_t spins_max = 10000;           ///< spins after which a session stops
    ZeroRule zero_rule = ZeroRule::None;
    System system = System::Settings;  ///< written over the settings and controls
    std::uint64_t seed = 1;
};

/// Checks a setup before a run: bankroll and target positive amounts, at
/// least one spin, settings and controls the program takes (tried on a new
/// game), and an initial bet of at least a cent (with a stake of 0 no money
/// moves, and no session could end before its spin limit). Throws InputError
/// naming what is wrong.
void CheckSetup(const RiskSetup& setup);

/// Why a session stopped.
enum class SessionEnd : std::uint8_t {
    Target,  ///< the profit reached the target
    Ruin,    ///< the bankroll could not cover the next stake
    Open,    ///< still playing after the most spins
};
std::string_view SessionEndName(SessionEnd end);
std::optional<SessionEnd> SessionEndByName(std::string_view name);

/// Points of a session's path: the result after spin ceil(k x spins_max /
/// kCheckpoints) for k = 1..kCheckpoints (the final result once it stopped).
inline constexpr std::size_t kCheckpoints = 20;

/// The spins of the checkpoints: ceil(k x spins_max / kCheckpoints) for
/// k = 1..kCheckpoints, without overflow for any spin limit.
std::array<std::int64_t, kCheckpoints> CheckpointSpins(std::int64_t spins_max);

/// The outcome of one session. Amounts are in the player's money unit,
/// rounded to cents.
struct SessionOutcome {
    std::int64_t index = 0;
    SessionEnd end = SessionEnd::Open;
    double result = 0;    ///< money held at the end (bankroll and stake on the table) less the bankroll given
    double staked = 0;    ///< sum of the settled stakes
    double drawdown = 0;  ///< largest fall of the money held from an earlier peak
    std::int64_t longest_losing_run = 0;      ///< lost placed bets in a row
    double largest_stake = 0;                 ///< largest stake at risk
    std::int64_t spins = 0;                   ///< numbers spun
    std::array<double, kCheckpoints> path{};  ///< result at each checkpoint
};

/// The seed of session `index`'s wheel in a run seeded with `seed`.
std::uint64_t SessionSeed(std::uint64_t seed, std::int64_t index);

/// A fair European wheel: std::mt19937_64, each number the raw 64-bit output
/// modulo 37 after rejecting outputs at or above the largest multiple of 37,
/// so every number is equally likely and the sequence is the same with every
/// compiler.
class Wheel {
public:
    explicit Wheel(std::uint64_t seed) : gen_(seed) {}
    int Next();

private:
    std::mt19937_64 gen_;
};

/// Plays session `index` of a run. `spins` (may be null) counts the spins
/// played as they go, for the progress of long sessions. Throws InputError
/// for settings the program refuses.
SessionOutcome PlaySession(const RiskSetup& setup, std::int64_t index,
                           std::atomic<std::int64_t>* spins = nullptr);

/// How far a run has come: the sessions ended and the spins played, those
/// of the sessions still under way included.
struct RunProgress {
    std::int64_t sessions = 0;
    std::int64_t spins = 0;
};

/// Plays sessions first..first+count-1 on `jobs` threads (0: one per core;
/// never more threads than cores) and hands each outcome to `sink`, on the
/// calling thread and in index order, as the sessions end: memory stays
/// bounded by the jobs whatever the count. `progress` (may be empty) is
/// called on the calling thread now and then and once at the end. When
/// `cancel` becomes true the run stops early after the sessions handed on so
/// far, which are the first ones without gaps. Throws InputError for settings
/// the program refuses (or what `sink` throws), after the threads ended.
void PlaySessions(const RiskSetup& setup, std::int64_t first, std::int64_t count, int jobs,
                  const std::function<void(const SessionOutcome&)>& sink,
                  const std::function<void(const RunProgress&)>& progress = {},
                  const std::atomic<bool>* cancel = nullptr);

/// The stakes that a settings record puts on the table bet after bet, as
/// the game's own rules size them: `lines` (a settings record) is played on
/// a game of its own from `bankroll`, with safety level 0 so that every
/// proposal is a placed bet, and each bet is answered with a number that
/// wins it ('W' in `outcomes`) or loses it (any other character). Gives the
/// stake of each bet, one per character. Throws InputError for settings the
/// program refuses.
std::vector<double> PreviewStakes(const std::vector<std::string>& lines, double bankroll,
                                  std::string_view outcomes);

/// Plays sessions first..first+count-1 on `jobs` threads (0: one per core;
/// never more threads than cores)
/// and returns their outcomes in index order. `progress` (may be empty) is
/// called on the calling thread with the sessions done so far, now and then
/// and once at the end. When `cancel` becomes true the run stops early and
/// returns the sessions done, in order, without gaps (possibly none).
/// Throws InputError for settings the program refuses.
std::vector<SessionOutcome> RunSessions(const RiskSetup& setup, std::int64_t first, std::int64_t count,
                                        int jobs, const std::function<void(std::int64_t)>& progress = {},
                                        const std::atomic<bool>* cancel = nullptr);

/// A probability with its Wilson 95 % interval.
struct Interval {
    double value = 0, low = 0, high = 0;
};

/// Wilson 95 % interval of `hits` in `trials` (all 0 for no trials).
Interval Wilson(std::int64_t hits, std::int64_t trials);

/// The figures of a run.
struct RiskFigures {
    std::int64_t sessions = 0;
    Interval p_target, p_ruin, p_open;
    double result_mean = 0, result_sd = 0;
    std::array<double, 5> result_points{};  ///< 5, 25, 50, 75 and 95 % points of the results
    double mean_staked = 0;
    double edge_expected = 0;  ///< -mean staked / 37 (/ 74 under la partage)
    double edge_z = 0;         ///< (mean result - expected) in standard errors
    double drawdown_mean = 0, drawdown_max = 0;
    std::int64_t longest_losing_run = 0;
    double largest_stake = 0;
    double mean_spins = 0;
};

/// The figures of `outcomes` (in any order; the same set gives the same
/// figures to the last bit when given in the same order).
RiskFigures Summarise(std::span<const SessionOutcome> outcomes, const RiskSetup& setup);

/// The figures as one JSON object (no line end).
std::string FiguresJson(const RiskFigures& figures);

/// What the charts of a run draw: the histogram of the results, and the
/// 5/25/50/75/95 % band of the bankroll at each checkpoint.
struct RiskChart {
    double bin_low = 0, bin_width = 1;  ///< left edge of the first bin and the width of each
    std::vector<std::int64_t> bins;
    std::array<std::int64_t, kCheckpoints> checkpoint_spins{};
    std::array<std::array<double, 5>, kCheckpoints> band{};  ///< bankroll points at each checkpoint
};

RiskChart ChartData(std::span<const SessionOutcome> outcomes, const RiskSetup& setup);

/// The figures and the chart of a run gathered one outcome at a time, so
/// that a run of any size needs no list of its outcomes. The points of the
/// results and of the band are exact: they come from the count of every
/// distinct value, whose number is bounded by the cents between the lowest
/// and the highest result, not by the sessions. The standard deviations come
/// from the results and stakes kept in order (16 bytes a session) up to
/// `ordered_limit` sessions, exactly as Summarise computes them; beyond it,
/// from running sums in session order (the same figures to about 15 digits).
class RiskTally {
public:
    /// 2^24 sessions: 256 MB.
    static constexpr std::int64_t kOrderedLimit = std::int64_t{1} << 24;

    explicit RiskTally(const RiskSetup& setup, std::int64_t ordered_limit = kOrderedLimit);

    /// Takes the next outcome (Summarise's order is the order of Add).
    void Add(const SessionOutcome& outcome);
    std::int64_t Sessions() const { return n_; }
    RiskFigures Figures() const;
    RiskChart Chart() const;

private:
    using Counts = std::map<double, std::int64_t>;
    // The p point of the values counted, between the two nearest ranks,
    // each value shifted by `shift`.
    double Point(const Counts& counts, double p, double shift) const;
    std::array<double, 5> Points(const Counts& counts, double shift) const;

    RiskSetup setup_;
    double edge_;
    std::int64_t ordered_limit_;
    std::int64_t n_ = 0, target_ = 0, ruin_ = 0, open_ = 0;
    double sum_ = 0, staked_ = 0, drawdown_ = 0, spins_ = 0, gap_ = 0;
    double drawdown_max_ = 0, largest_stake_ = 0;
    std::int64_t longest_losing_run_ = 0;
    std::vector<std::pair<double, double>> ordered_;  ///< result and staked of every session, in order
    bool ordered_dropped_ = false;
    double run_mean_ = 0, run_m2_ = 0, run_mean_gap_ = 0, run_m2_gap_ = 0;  ///< Welford's sums
    Counts results_;
    std::array<Counts, kCheckpoints> path_;
};

/// The CSV of outcomes: the header line and one line per session (no line
/// ends), and a line read back. ReadCsvRow throws InputError naming the
/// field that is wrong.
std::string CsvHeader();
std::string CsvRow(const SessionOutcome& outcome);
SessionOutcome ReadCsvRow(std::string_view line);

/// Checks that an outcome read back can be one of a run of `setup`: every
/// amount a whole number of cents, finite and within what a session from
/// the bankroll to the target can reach (money held never below 0 nor above
/// twice the bankroll and the target), the spins 1 to the spin limit (all of
/// them for an open session), the end as the result says (target exactly
/// when the result reaches it), the losing run within the spins, the staked
/// money within the spins times the largest stake, and the checkpoints
/// after the end at the final result. Throws InputError naming the field.
void CheckOutcome(const SessionOutcome& outcome, const RiskSetup& setup);

}  // namespace rotacle::risk
