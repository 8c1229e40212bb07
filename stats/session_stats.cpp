#include "stats/session_stats.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "core/game_state.h"

namespace rotacle {

namespace {

// One spin for one chance or number: a hit ends its absence, a miss makes it
// one spin longer (and perhaps the longest).
inline void Count(HitFigures& f, bool hit) {
    if (hit) {
        ++f.hits;
        f.absence = 0;
    } else {
        ++f.absence;
        f.longest_absence = std::max(f.longest_absence, f.absence);
    }
}

}  // namespace

HitCounter HitCounter::Of(std::span<const std::uint8_t> history) {
    HitCounter counter;
    for (const std::uint8_t n : history) counter.Add(n);
    return counter;
}

void HitCounter::Add(int n) {
    if (n < 0 || n > 36)
        throw std::out_of_range("'" + std::to_string(n) + "' is not a roulette number (0 to 36)");
    ++spins_;
    for (std::size_t k = 0; k < chances_.size(); ++k)
        Count(chances_[k], FieldWins(static_cast<std::int32_t>(k + 1), n));
    for (std::size_t k = 0; k < numbers_.size(); ++k) Count(numbers_[k], static_cast<int>(k) == n);
}

void SessionStats::Sync(std::span<const std::uint8_t> history, double bankroll,
                        const SpinSettlement& latest) {
    const std::size_t size = history.size();
    if (size == seen_size_ + 1 && Continues(history)) {
        hits_.Add(history.back());
        bankroll_.push_back(bankroll);
        if (latest.settled && latest.placed)
            AddBet(BetMark{static_cast<std::int64_t>(size - 1), latest.won, latest.stake});
    } else if (size + 1 == seen_size_ && Continues(history)) {
        hits_ = HitCounter::Of(history);
        bankroll_.pop_back();
        if (!bets_.empty() && bets_.back().spin == static_cast<std::int64_t>(size)) {
            bets_.pop_back();
            RecountSummary();
        }
    } else if (size != seen_size_ || !Continues(history)) {
        hits_ = HitCounter::Of(history);
        bankroll_.assign(size, bankroll);
        bets_.clear();
        RecountSummary();
    }
    if (!bankroll_.empty()) bankroll_.back() = bankroll;
    seen_size_ = size;
    tail_size_ = std::min(size, kTail);
    std::copy(history.end() - static_cast<std::ptrdiff_t>(tail_size_), history.end(), tail_.begin());
}

bool SessionStats::Continues(std::span<const std::uint8_t> history) const {
    const std::size_t from = seen_size_ - tail_size_;  // where the tail stood
    const std::size_t to = std::min(history.size(), seen_size_);
    return to >= from && std::equal(history.begin() + static_cast<std::ptrdiff_t>(from),
                                    history.begin() + static_cast<std::ptrdiff_t>(to), tail_.begin());
}

void SessionStats::AddBet(const BetMark& bet) {
    bets_.push_back(bet);
    Tally(bet);
}

void SessionStats::Tally(const BetMark& bet) {
    ++summary_.bets_placed;
    summary_.total_staked += bet.stake;
    if (bet.won) {
        ++summary_.won;
        summary_.net_result += bet.stake;
        losing_run_ = 0;
    } else {
        ++summary_.lost;
        summary_.net_result -= bet.stake;
        summary_.longest_losing_run = std::max(summary_.longest_losing_run, ++losing_run_);
    }
}

// After an undo or a rebuild: the figures of the bet marks left, summed in the
// order they came, so that they equal those of the same bets played.
void SessionStats::RecountSummary() {
    summary_ = SessionSummary{};
    losing_run_ = 0;
    for (const BetMark& bet : bets_) Tally(bet);
}

SessionSummary SessionStats::Summary() const {
    SessionSummary s = summary_;
    s.spins = hits_.Spins();
    s.expected_loss = s.total_staked / 37;
    return s;
}

}  // namespace rotacle
