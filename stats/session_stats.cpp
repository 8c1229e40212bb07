#include "stats/session_stats.h"

#include <algorithm>
#include <array>
#include <bit>
#include <stdexcept>
#include <string>

#include "core/game_state.h"

namespace rotacle {

namespace {

// The chances of each number, bit k for chance k (Less, Even, Red, Black,
// Odd, More); zero is in none.
constexpr std::array<std::uint8_t, 37> kChancesOf = [] {
    std::array<std::uint8_t, 37> masks{};
    for (int n = 0; n <= 36; ++n)
        for (int k = 0; k < 6; ++k)
            if (FieldWins(k + 1, n)) masks[static_cast<std::size_t>(n)] |= static_cast<std::uint8_t>(1U << k);
    return masks;
}();

void CheckNumber(int n) {
    if (n < 0 || n > 36)
        throw std::out_of_range("'" + std::to_string(n) + "' is not a roulette number (0 to 36)");
}

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

// Where a chance or number stands while a whole history is counted: the spin
// of its last hit and the longest gap closed by a hit.
struct Track {
    std::int64_t hits = 0;
    std::int64_t last = -1;
    std::int64_t longest = 0;
    void Hit(std::int64_t spin) {
        ++hits;
        longest = std::max(longest, spin - last - 1);
        last = spin;
    }
    HitFigures Figures(std::int64_t spins) const {
        const std::int64_t absence = spins - 1 - last;
        return HitFigures{hits, absence, std::max(longest, absence)};
    }
};

}  // namespace

// A whole history touches only the entries each number hits (the number and
// its three chances) and works out the absences at the end: the same figures
// as one Add per number, several times faster.
HitCounter HitCounter::Of(std::span<const std::uint8_t> history) {
    std::array<Track, 6> chances{};
    std::array<Track, 37> numbers{};
    std::int64_t spin = 0;
    for (const std::uint8_t n : history) {
        CheckNumber(n);
        numbers[n].Hit(spin);
        for (unsigned mask = kChancesOf[n]; mask != 0; mask &= mask - 1)
            chances[static_cast<std::size_t>(std::countr_zero(mask))].Hit(spin);
        ++spin;
    }
    HitCounter counter;
    counter.spins_ = spin;
    for (std::size_t k = 0; k < chances.size(); ++k) counter.chances_[k] = chances[k].Figures(spin);
    for (std::size_t k = 0; k < numbers.size(); ++k) counter.numbers_[k] = numbers[k].Figures(spin);
    return counter;
}

void HitCounter::Add(int n) {
    CheckNumber(n);
    ++spins_;
    const unsigned mask = kChancesOf[static_cast<std::size_t>(n)];
    for (std::size_t k = 0; k < chances_.size(); ++k) Count(chances_[k], ((mask >> k) & 1U) != 0);
    for (std::size_t k = 0; k < numbers_.size(); ++k) Count(numbers_[k], static_cast<int>(k) == n);
}

// ---- BankrollSeries ---------------------------------------------------------------------

void BankrollSeries::Clear() {
    points_.clear();
    next_seq_ = 0;
    stride_ = 1;
    ++revision_;
}

void BankrollSeries::Add(BankrollPoint point) {
    point.seq = next_seq_++;
    // The newest point stays only when it falls on the stride; otherwise the
    // new one takes its place.
    if (!points_.empty() && points_.back().seq % stride_ != 0) {
        points_.back() = point;
        return;
    }
    points_.push_back(point);
    if (points_.size() <= kCapacity) return;
    const std::uint64_t wider = 2 * stride_;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < points_.size(); ++i)
        if (points_[i].seq % wider == 0 || i + 1 == points_.size()) points_[kept++] = points_[i];
    points_.resize(kept);
    stride_ = wider;
    ++revision_;
}

void BankrollSeries::DropAfter(std::int64_t spins) {
    if (points_.empty() || points_.back().spin <= spins) return;
    while (!points_.empty() && points_.back().spin > spins) points_.pop_back();
    next_seq_ = points_.empty() ? 0 : points_.back().seq + 1;
    ++revision_;
}

// ---- SessionStats ------------------------------------------------------------------------

void SessionStats::OnPlay(const PlayEvent& event) noexcept {
    try {
        Apply(event);
    } catch (...) {
        // Out of memory for a point: the chart misses it, the game goes on.
    }
    if (!keep_spins_ || event.kind >= PlayEventKind::ProposalShown) return;
    try {
        spins_.Apply(event);
    } catch (...) {
        // Out of memory for a row: the list misses it, the figures do not.
    }
}

void SessionStats::Apply(const PlayEvent& e) {
    // What moves no money and no number leaves the figures as they are.
    if (e.kind >= PlayEventKind::ProposalShown) return;
    bankroll_ = e.bankroll;
    bet_open_ = e.open_stake > 0;
    switch (e.kind) {
        case PlayEventKind::Start:
        case PlayEventKind::NewHistory: Restart(e.history, e.bankroll); return;
        case PlayEventKind::Spin:
            before_spin_ = now_;
            now_.hits.Add(e.number);
            chart_.Add(BankrollPoint{now_.hits.Spins(), e.bankroll, PointBet::None, false, 0});
            return;
        case PlayEventKind::Settled:
            Tally(e);
            if (!chart_.Points().empty() && chart_.Points().back().spin == now_.hits.Spins() &&
                !chart_.Points().back().by_player)
                chart_.MarkNewest(e.won ? PointBet::Won : PointBet::Lost);
            break;
        case PlayEventKind::Staked:
        case PlayEventKind::GameMoved: break;
        case PlayEventKind::ProposalShown:
        case PlayEventKind::Imported:
        case PlayEventKind::RunStarted:
        case PlayEventKind::RunEnded:
        case PlayEventKind::SettingsLoaded: return;  // left out above
        case PlayEventKind::PlayerMoved:
            // Past points keep their values: the player's move is a point of
            // its own, which later moves of the player before a spin follow.
            if (!chart_.Points().empty() && !chart_.Points().back().by_player) {
                chart_.Add(BankrollPoint{now_.hits.Spins(), e.bankroll, PointBet::None, true, 0});
                return;
            }
            break;
        case PlayEventKind::TakenBack: {
            const auto spins = static_cast<std::int64_t>(e.history.size());
            if (before_spin_ && before_spin_->hits.Spins() == spins) {
                now_ = *before_spin_;
            } else {
                // Without the figures of before the spin (never two undos in a
                // row in the game) the hits are counted again; the bets stay.
                now_.hits = HitCounter::Of(e.history);
            }
            before_spin_.reset();
            chart_.DropAfter(spins);
            // The bankroll restored is the one after the spin before; a point
            // that shows another one (thinned away) gets a point of its own.
            if (!chart_.Points().empty() && chart_.Points().back().bankroll != e.bankroll)
                chart_.Add(BankrollPoint{spins, e.bankroll, PointBet::None, true, 0});
            if (chart_.Points().empty()) start_bankroll_ = e.bankroll;
            return;
        }
    }
    // Before the first point there is no past to keep: the chart starts at
    // the bankroll as it stands.
    if (chart_.Points().empty())
        start_bankroll_ = e.bankroll;
    else
        chart_.MoveNewest(e.bankroll);
}

void SessionStats::Restart(std::span<const std::uint8_t> history, double bankroll) {
    now_ = Figures{HitCounter::Of(history), {}, 0};
    before_spin_.reset();
    chart_.Clear();
    start_bankroll_ = bankroll;
    // The bankroll of numbers that were not played is not known: flat.
    const auto spins = static_cast<std::int64_t>(history.size());
    if (spins >= 1) chart_.Add(BankrollPoint{1, bankroll, PointBet::None, false, 0});
    if (spins >= 2) chart_.Add(BankrollPoint{spins, bankroll, PointBet::None, false, 0});
}

void SessionStats::Tally(const PlayEvent& settled) {
    SessionSummary& s = now_.bets;
    const double stake = settled.stake;
    ++s.bets_settled;
    s.total_staked += stake;
    if (settled.partage) s.partage_staked += stake;
    if (settled.won) {
        ++s.won;
        s.net_result += stake;
        now_.losing_run = 0;
    } else {
        ++s.lost;
        s.net_result -= stake - settled.returned;
        s.longest_losing_run = std::max(s.longest_losing_run, ++now_.losing_run);
    }
}

SessionSummary SessionStats::Summary() const {
    SessionSummary s = now_.bets;
    s.spins = now_.hits.Spins();
    s.bets_placed = s.bets_settled + (bet_open_ ? 1 : 0);
    s.expected_loss = (s.total_staked - s.partage_staked) / 37 + s.partage_staked / 74;
    return s;
}

}  // namespace rotacle
