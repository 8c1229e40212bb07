// Statistics of a session: how often each even chance and each number came,
// how long each has been absent, the bankroll after every spin with the bets
// placed, and the summary of the play. Plain C++; the statistics window, the
// driver's `stats` command and the backtest all read these same figures.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace rotacle {

/// Hits and absences of one chance or one number.
struct HitFigures {
    std::int64_t hits = 0;
    /// Spins since the last hit; before a first hit, spins since the start.
    std::int64_t absence = 0;
    /// The longest absence so far, the current one included.
    std::int64_t longest_absence = 0;
    bool operator==(const HitFigures&) const = default;
};

/// Hits and absences over a history of numbers, one spin at a time.
class HitCounter {
public:
    /// The figures of a whole history, oldest number first.
    static HitCounter Of(std::span<const std::uint8_t> history);

    /// One spin of number n (0..36). Zero is in no chance: every chance's
    /// absence grows. Throws std::out_of_range for any other n, with the
    /// figures unchanged.
    void Add(int n);
    std::int64_t Spins() const { return spins_; }
    /// Less, Even, Red, Black, Odd, More.
    const std::array<HitFigures, 6>& Chances() const { return chances_; }
    /// Index = number 0..36.
    const std::array<HitFigures, 37>& Numbers() const { return numbers_; }

private:
    std::int64_t spins_ = 0;
    std::array<HitFigures, 6> chances_{};
    std::array<HitFigures, 37> numbers_{};
};

/// What the engine reports of the latest spin's settlement.
struct SpinSettlement {
    bool settled = false;  ///< a proposal was settled by the latest number
    bool placed = false;   ///< the settled proposal was a placed bet
    bool won = false;
    double stake = 0;  ///< stake of the settled bet (when placed)
};

/// A placed bet as it was settled: the spin (0-based index in the history)
/// whose number settled it.
struct BetMark {
    std::int64_t spin = 0;
    bool won = false;
    double stake = 0;
};

/// The session in figures.
struct SessionSummary {
    std::int64_t spins = 0;
    std::int64_t bets_placed = 0;  ///< placed bets settled
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t longest_losing_run = 0;
    double total_staked = 0;
    double net_result = 0;     ///< the won stakes less the lost ones
    double expected_loss = 0;  ///< 1/37 of the total staked: the house edge
};

/// The statistics of a running session, brought up to date after every
/// event by `Sync`.
class SessionStats {
public:
    /// Brings the figures up to date with the engine after an event: `history`
    /// is the spin history, `bankroll` the bankroll now, `latest` the
    /// settlement of the newest spin. The history is told from the one of the
    /// last call by its length and its newest `kTail` numbers (no copy of the
    /// whole history is kept):
    ///  - one number longer, the old newest numbers in their places: a new spin.
    ///    Its hits are added, its bankroll point recorded and, when `latest`
    ///    settled a placed bet, a bet mark added;
    ///  - one number shorter, ending in the old numbers before the newest:
    ///    an undo. The newest point and a bet mark of that spin are dropped and
    ///    the hit figures are counted again from the history;
    ///  - the same length and newest numbers: no spin came;
    ///  - anything else (an import, a new game): the hit figures are counted
    ///    again from the history, the bankroll is flat at `bankroll` over it
    ///    and the bet marks are cleared.
    /// In every case the newest point then takes `bankroll`, since the stake
    /// of the next bet is taken after the spin. A new spin and an unchanged
    /// history cost a constant time, whatever the length of the history.
    void Sync(std::span<const std::uint8_t> history, double bankroll, const SpinSettlement& latest);

    const HitCounter& Hits() const { return hits_; }
    /// The bankroll after each spin of the history (the newest follows the
    /// bankroll until the next spin).
    const std::vector<double>& Bankroll() const { return bankroll_; }
    /// The placed bets in the order they were settled.
    const std::vector<BetMark>& Bets() const { return bets_; }
    /// The summary of the spins and bet marks (kept up to date by `Sync`).
    SessionSummary Summary() const;

    /// How many of the newest numbers tell one history from another.
    static constexpr std::size_t kTail = 16;

private:
    // Whether `history` keeps the newest numbers of the last call where they
    // stood (as far as it reaches).
    bool Continues(std::span<const std::uint8_t> history) const;
    void AddBet(const BetMark& bet);
    void Tally(const BetMark& bet);  // adds a bet to the summary's figures
    void RecountSummary();

    HitCounter hits_;
    std::vector<double> bankroll_;
    std::vector<BetMark> bets_;
    SessionSummary summary_;       // the bet figures of `bets_`
    std::int64_t losing_run_ = 0;  // lost bets since the last won one
    // The history as of the last call: its length and its newest numbers
    // (all of them when it has fewer than kTail), oldest first.
    std::size_t seen_size_ = 0;
    std::size_t tail_size_ = 0;
    std::array<std::uint8_t, kTail> tail_{};
};

}  // namespace rotacle
