// Every spin of a session with the bet it settled and the bankroll after it,
// built from the game's play events: the rows of the statistics window's
// spin list and of its CSV export. Kept apart from the session's figures
// because it grows with the session; only a reader that lists the spins
// keeps one (SessionStats::KeepSpins).
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/play_events.h"

namespace rotacle {

/// How the bet of a spin ended; None when no bet was on the table.
enum class SpinResult : std::uint8_t { None, Won, Lost };

/// One spin as listed.
struct SpinRow {
    std::int64_t spin = 0;  ///< 1 for the oldest number
    int number = 0;
    /// The even chance the settled bet was on (1..6), 0 without a bet.
    int field = 0;
    double stake = 0;
    SpinResult result = SpinResult::None;
    /// The bankroll after the spin's settlement (before the next stake goes
    /// on the table). Numbers that came with the history rather than being
    /// played (an import, a resumed start) all show the bankroll they came
    /// with.
    double bankroll = 0;
    /// False for a number that came with the history.
    bool played = false;
    bool operator==(const SpinRow&) const = default;
};

class SpinLog {
public:
    /// Follows one play event: a spin adds a row, its settled bet fills it
    /// in, an undo drops it, a new history starts the list again.
    void Apply(const PlayEvent& event);

    std::size_t Size() const { return history_.size() + played_.size(); }
    /// Row `index`, 0 the oldest; index < Size().
    SpinRow Row(std::size_t index) const;
    /// Grows whenever rows were dropped or the list began again: a reader
    /// that follows it by appended rows starts over.
    std::uint64_t Revision() const { return revision_; }

private:
    void Restart(std::span<const std::uint8_t> history, double bankroll);

    // Played spins as they came, compact: one of these per spin.
    struct Played {
        double stake = 0;
        double bankroll = 0;
        std::uint8_t number = 0;
        std::uint8_t field = 0;
        SpinResult result = SpinResult::None;
    };
    // The numbers that came with the history take a byte each: an import
    // of millions of numbers must not cost a full row apiece.
    std::vector<std::uint8_t> history_;
    double history_bankroll_ = 0;
    std::vector<Played> played_;
    std::uint64_t revision_ = 0;
};

}  // namespace rotacle
