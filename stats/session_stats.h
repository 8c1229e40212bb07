// Statistics of a session: how often each even chance and each number came,
// how long each has been absent, the bankroll after every spin with the bets
// placed, and the summary of the play, all built from the game's play
// events. Plain C++; the statistics window, the driver's `stats` command and
// the backtest all read these same figures.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/play_events.h"
#include "stats/spin_log.h"

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

/// The placed bet that a point's spin settled.
enum class PointBet : std::uint8_t { None, Won, Lost };

/// A point of the bankroll chart.
struct BankrollPoint {
    /// Spins played when the point was taken: a spin's own point stands at
    /// its spin, a bankroll the player set between spins at the spin before.
    std::int64_t spin = 0;
    double bankroll = 0;
    PointBet bet = PointBet::None;
    /// The player moved the bankroll (test bank, skip, bet reset), not a spin.
    bool by_player = false;
    /// Ordinal of the point among all points added since the series began.
    std::uint64_t seq = 0;
    bool operator==(const BankrollPoint&) const = default;
};

/// The bankroll chart of a session in memory that does not grow with the
/// session: up to kCapacity points are kept as they came; a series that
/// would hold more halves its resolution, keeping every second point, and
/// from then on keeps one point of every `Stride()` added. The newest point
/// is always there and follows the bankroll until the next point comes.
class BankrollSeries {
public:
    static constexpr std::size_t kCapacity = std::size_t{1} << 14;

    void Clear();
    /// Adds `point` as the newest; its `seq` is given here.
    void Add(BankrollPoint point);
    /// The newest point takes `bankroll` (there must be one).
    void MoveNewest(double bankroll) { points_.back().bankroll = bankroll; }
    void MarkNewest(PointBet bet) { points_.back().bet = bet; }
    /// Drops the points taken after `spins` spins (an undo).
    void DropAfter(std::int64_t spins);

    const std::vector<BankrollPoint>& Points() const { return points_; }
    /// Added points per kept point: 1 until the series was first thinned.
    std::uint64_t Stride() const { return stride_; }
    /// Grows whenever points other than the newest were dropped or the
    /// series began again: a reader that draws it incrementally starts over.
    std::uint64_t Revision() const { return revision_; }

private:
    std::vector<BankrollPoint> points_;
    std::uint64_t next_seq_ = 0;
    std::uint64_t stride_ = 1;
    std::uint64_t revision_ = 0;
};

/// The session in figures.
struct SessionSummary {
    std::int64_t spins = 0;
    /// Bets whose stake went on the table and stayed there: those settled and
    /// the one open on the table now (a skipped bet is none).
    std::int64_t bets_placed = 0;
    std::int64_t bets_settled = 0;  ///< placed bets that a number settled
    std::int64_t won = 0;
    std::int64_t lost = 0;
    std::int64_t longest_losing_run = 0;
    double total_staked = 0;  ///< the stakes of the settled bets
    double net_result = 0;    ///< the won stakes less the lost ones
    /// The house edge on the total staked: 1/37 of it, and 1/74 of the part
    /// settled under la partage (half of a stake lost on zero comes back).
    double expected_loss = 0;
    double partage_staked = 0;  ///< the part of total_staked settled under la partage
    bool operator==(const SessionSummary&) const = default;

    /// Which edge the expected loss counts.
    enum class Edge : std::uint8_t {
        Plain,    ///< 1/37: no stake was settled under la partage
        Partage,  ///< 1/74: every stake was
        Mixed,    ///< some of each
    };
    Edge EdgeRule() const {
        if (partage_staked <= 0) return Edge::Plain;
        return partage_staked >= total_staked ? Edge::Partage : Edge::Mixed;
    }
};

/// The statistics of a session, built from the game's play events alone:
/// attached to the engine from the start, it gives the same figures for a
/// session played and for the same session replayed from its journal.
class SessionStats final : public PlayListener {
public:
    /// Spins add their hits and their point; a settled bet marks its spin's
    /// point and joins the summary; the game's own moves of the bankroll
    /// (settlement, stake, refresh) move the newest point, while a move by
    /// the player starts a point of its own at the same spin (later moves by
    /// the player before the next spin move that one); an undo takes back
    /// the figures and points of the newest spin; a new history starts
    /// again, flat at the bankroll over its numbers.
    void OnPlay(const PlayEvent& event) noexcept override;
    /// The figures follow money and numbers only.
    bool TakesHappenings() const noexcept override { return false; }

    const HitCounter& Hits() const { return now_.hits; }
    const BankrollSeries& Chart() const { return chart_; }
    /// The bankroll when the chart began (the baseline of the chart).
    double StartBankroll() const { return start_bankroll_; }
    /// The bankroll after the latest event.
    double Bankroll() const { return bankroll_; }
    SessionSummary Summary() const;

    /// Keeps the list of every spin from now on (off by default: the list
    /// grows with the session, and a backtest has no use for it). It begins
    /// with the next Start or new history.
    void KeepSpins(bool keep) { keep_spins_ = keep; }
    /// Every spin since the history began; empty unless kept.
    const SpinLog& Spins() const { return spins_; }

private:
    void Apply(const PlayEvent& event);
    void Restart(std::span<const std::uint8_t> history, double bankroll);
    void Tally(const PlayEvent& settled);

    // The figures that the newest spin changes, as they stood before it: an
    // undo of that spin puts them back.
    struct Figures {
        HitCounter hits;
        SessionSummary bets;          // bets_settled .. net_result
        std::int64_t losing_run = 0;  // lost bets since the last won one
    };
    Figures now_;
    std::optional<Figures> before_spin_;
    BankrollSeries chart_;
    double start_bankroll_ = 0;
    double bankroll_ = 0;
    bool bet_open_ = false;
    bool keep_spins_ = false;
    SpinLog spins_;
};

}  // namespace rotacle
