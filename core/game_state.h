// The game record and the even-chance fields.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <utility>

namespace rotacle {

/// Field codes of the six even chances, in table order.
enum class EvenChanceBet : std::int32_t {
    None = -1,
    Less = 1,
    Even = 2,
    Red = 3,
    Black = 4,
    Odd = 5,
    More = 6
};

/// Field index 0..5 (Less, Even, Red, Black, Odd, More) -> field name.
inline constexpr std::array<std::string_view, 6> kFieldNames = {"Less",  "Even", "Red",
                                                                "Black", "Odd",  "More"};

/// True for the red numbers of the wheel.
constexpr bool IsRed(int n) {
    constexpr std::uint64_t mask = (1ULL << 1) | (1ULL << 3) | (1ULL << 5) | (1ULL << 7) | (1ULL << 9) |
                                   (1ULL << 12) | (1ULL << 14) | (1ULL << 16) | (1ULL << 18) | (1ULL << 19) |
                                   (1ULL << 21) | (1ULL << 23) | (1ULL << 25) | (1ULL << 27) | (1ULL << 30) |
                                   (1ULL << 32) | (1ULL << 34) | (1ULL << 36);
    return n >= 0 && n <= 36 && ((mask >> n) & 1U) != 0;
}

/// Whether number `n` wins a bet on field `code` (1..6). Zero and any code
/// outside 1..6 lose.
constexpr bool FieldWins(std::int32_t code, int n) {
    if (n < 1 || n > 36) return false;
    switch (code) {
        case 1: return n <= 18;
        case 2: return n % 2 == 0;
        case 3: return IsRed(n);
        case 4: return !IsRed(n);
        case 5: return n % 2 == 1;
        case 6: return n >= 19;
        default: return false;
    }
}

/// `count` + `n`, stopping at the largest 32-bit count instead of wrapping
/// round to a negative one. The numbers entered can outnumber any count:
/// the count of spins only tells whether the warm-up is over, which a count
/// held at its largest still tells right.
/// The largest count the program keeps (counts are 32-bit signed integers).
inline constexpr std::int32_t kMaxCount = std::numeric_limits<std::int32_t>::max();

/// `n` as a count, held at `kMaxCount`.
constexpr std::int32_t CountOf(std::size_t n) {
    return static_cast<std::int32_t>(std::min<std::size_t>(n, static_cast<std::size_t>(kMaxCount)));
}

constexpr std::int32_t CountPlus(std::int32_t count, std::size_t n) {
    constexpr std::int32_t largest = kMaxCount;
    if (n >= static_cast<std::size_t>(largest)) return largest;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(std::int64_t{count} + static_cast<std::int64_t>(n), largest));
}

/// The one process-wide record of counters, amounts and flags, with the
/// initial values of a fresh start.
struct GameState {
    // Spin entry and pipeline.
    std::int32_t Spins_Count = 0;
    std::int32_t Warmup_Spins = 5;
    std::int32_t Undo_Counter = 1;
    std::int32_t Engine_Ready = 1;
    std::int32_t Game_Mode = 2;
    std::int32_t Matrix_Pending = 1;
    std::int32_t Bet_Field = -1;

    // Money.
    double Bankroll = 1000.0;
    double Bet_Size = 1.0;
    double Reset_Target = 1001.0;
    double Profit_Target = 1001.0;
    double Losses_Amount = 1.0;
    double Wins_Amount = 1.0;
    double Phase_Threshold = 3.0;
    double Phase_Base = 1.0;
    std::int32_t Losses_Units = 1;
    std::int32_t Wins_Units = 1;
    std::int32_t Rules_Edit_Flag = 1;

    // Result counters.
    std::int32_t Flat_Index = 0;
    std::int32_t Bets_Played = 0;
    std::int32_t Wins_Count = 0;
    std::int32_t Wins_In_Row = 0;
    std::int32_t Losses_Count = 0;
    std::int32_t Losses_In_Row = 0;
    std::int32_t Units_Drawdown = 0;
    std::int32_t Units_Profit = 0;
    std::int32_t Miss_Streak = 0;

    // Game modes.
    std::int32_t DeepScan_Number = 0;
    std::int32_t DeepScan_Family = 0;
    std::int32_t DeepScan_Step = 0;
    std::int32_t Matrix_Bets_Played = 0;
    std::int32_t Pattern_Position = 1;
    std::int32_t Matrix_Wins = 0;
    std::int32_t Pattern_Index = 0;
    std::int32_t Pattern_Field = 0;
    std::int32_t Matrix_Last_Number = 0;
    std::int32_t Adaptive_Row = 0;
    std::int32_t Adaptive_Defined = 0;
    std::int32_t Adaptive_Choice = 0;

    bool operator==(const GameState&) const = default;
};

/// The fields that the undo snapshot saves and restores, listed once: the
/// snapshot, its restore and the tests all walk these two lists.
inline constexpr std::array<double GameState::*, 3> kSnapshotAmounts = {
    &GameState::Bankroll, &GameState::Reset_Target, &GameState::Profit_Target};
inline constexpr std::array<std::int32_t GameState::*, 14> kSnapshotCounts = {
    &GameState::Flat_Index,         &GameState::Bets_Played,      &GameState::Wins_Count,
    &GameState::Wins_In_Row,        &GameState::Losses_Count,     &GameState::Losses_In_Row,
    &GameState::Units_Drawdown,     &GameState::Units_Profit,     &GameState::Miss_Streak,
    &GameState::Matrix_Bets_Played, &GameState::Pattern_Position, &GameState::DeepScan_Number,
    &GameState::DeepScan_Family,    &GameState::DeepScan_Step};

/// The undo snapshot's copy of the fields above, in their order.
struct SavedFields {
    std::array<double, kSnapshotAmounts.size()> Amounts{};
    std::array<std::int32_t, kSnapshotCounts.size()> Counts{};

    /// The copy of the fields of `s`.
    // Every spin takes the snapshot: the copies are unrolled over the field
    // lists so that each becomes a plain move at a fixed offset.
    static constexpr SavedFields Of(const GameState& s) {
        SavedFields v;
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((v.Amounts[I] = s.*kSnapshotAmounts[I]), ...); }
        (std::make_index_sequence<kSnapshotAmounts.size()>());
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((v.Counts[I] = s.*kSnapshotCounts[I]), ...); }
        (std::make_index_sequence<kSnapshotCounts.size()>());
        return v;
    }
    /// Copies every saved value back into its field of `s`.
    constexpr void RestoreInto(GameState& s) const {
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((s.*kSnapshotAmounts[I] = Amounts[I]), ...); }
        (std::make_index_sequence<kSnapshotAmounts.size()>());
        [&]<std::size_t... I>(std::index_sequence<I...>) { ((s.*kSnapshotCounts[I] = Counts[I]), ...); }
        (std::make_index_sequence<kSnapshotCounts.size()>());
    }
    /// The saved value of `field` (a field of the lists above).
    constexpr double Value(double GameState::*field) const {
        for (std::size_t i = 0; i < kSnapshotAmounts.size(); ++i)
            if (kSnapshotAmounts[i] == field) return Amounts[i];
        return 0;
    }
    constexpr std::int32_t Value(std::int32_t GameState::*field) const {
        for (std::size_t i = 0; i < kSnapshotCounts.size(); ++i)
            if (kSnapshotCounts[i] == field) return Counts[i];
        return 0;
    }
    bool operator==(const SavedFields&) const = default;
};

}  // namespace rotacle
