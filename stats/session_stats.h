// Statistics of a session: how often each even chance and each number came,
// how long each has been absent, the bankroll after every spin with the bets
// placed, and the summary of the play. Plain C++; the statistics window, the
// driver's `stats` command and the backtest all read these same figures.
#pragma once

#include <array>
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
    /// absence grows.
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
    /// settlement of the newest spin. A history one number longer than at the
    /// last call is a new spin; one number shorter is an undo; any other
    /// change (an import, a new game) rebuilds the hit figures from the history,
    /// with the bankroll flat over the spins that no bet settled.
    void Sync(std::span<const std::uint8_t> history, double bankroll, const SpinSettlement& latest);

    const HitCounter& Hits() const { return hits_; }
    /// The bankroll after each spin of the history (the newest follows the
    /// bankroll until the next spin).
    const std::vector<double>& Bankroll() const { return bankroll_; }
    /// The placed bets in the order they were settled.
    const std::vector<BetMark>& Bets() const { return bets_; }
    SessionSummary Summary() const;

private:
    HitCounter hits_;
    std::vector<double> bankroll_;
    std::vector<BetMark> bets_;
    std::vector<std::uint8_t> seen_;  // the history as of the last call
};

}  // namespace rotacle
