#include "stats/spin_log.h"

namespace rotacle {

void SpinLog::Restart(std::span<const std::uint8_t> history, double bankroll) {
    history_.assign(history.begin(), history.end());
    history_bankroll_ = bankroll;
    played_.clear();
    ++revision_;
}

void SpinLog::Apply(const PlayEvent& e) {
    switch (e.kind) {
        case PlayEventKind::Start:
        case PlayEventKind::NewHistory: Restart(e.history, e.bankroll); return;
        case PlayEventKind::Spin:
            if (e.number < 0 || e.number > 36) return;
            played_.push_back(
                Played{0, e.bankroll, static_cast<std::uint8_t>(e.number), 0, SpinResult::None});
            return;
        case PlayEventKind::Settled:
            // A settlement belongs to the spin just played; one that comes
            // without a played spin (none in the game) has no row to fill.
            if (played_.empty() || e.field < 1 || e.field > 6) return;
            played_.back().field = static_cast<std::uint8_t>(e.field);
            played_.back().stake = e.stake;
            played_.back().result = e.won ? SpinResult::Won : SpinResult::Lost;
            played_.back().bankroll = e.bankroll;
            return;
        case PlayEventKind::TakenBack: {
            const std::size_t spins = e.history.size();
            if (spins >= history_.size() && spins <= Size()) {
                played_.resize(spins - history_.size());
                ++revision_;
            } else {
                // An undo into numbers that came with the history: they are
                // the history now, at the bankroll restored.
                Restart(e.history, e.bankroll);
            }
            return;
        }
        default: return;
    }
}

SpinRow SpinLog::Row(std::size_t index) const {
    const auto spin = static_cast<std::int64_t>(index) + 1;
    if (index < history_.size())
        return SpinRow{spin, history_[index], 0, 0, SpinResult::None, history_bankroll_, false};
    const Played& p = played_[index - history_.size()];
    return SpinRow{spin, p.number, p.field, p.stake, p.result, p.bankroll, true};
}

}  // namespace rotacle
