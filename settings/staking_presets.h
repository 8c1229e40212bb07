// Staking systems written as the game's own staking settings: the lines of
// the settings record that the staking rules, minimal profit and phase
// correction read, set so that the game plays the system.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/controls.h"

namespace rotacle {

/// A staking system that the settings record can hold.
enum class StakingPreset : std::uint8_t {
    Start,       ///< the staking the program starts with: one initial bet more after every bet
    Flat,        ///< the stake never changes: always the initial bet
    Martingale,  ///< the stake doubles after each lost bet, back to the initial bet after a won cycle
    DAlembert,   ///< one initial bet more after a loss, one less after a win
};

/// Every preset, in the order a list shows them.
inline constexpr StakingPreset kStakingPresets[] = {StakingPreset::Start, StakingPreset::Flat,
                                                    StakingPreset::Martingale, StakingPreset::DAlembert};

/// "start", "flat", "martingale", "dalembert"; and back (nullopt for another name).
std::string_view StakingPresetName(StakingPreset preset);
std::optional<StakingPreset> StakingPresetByName(std::string_view name);

/// The settings record `lines` with the staking lines of `preset` written
/// over them, in units of the initial bet of line 1. A record shorter than
/// the default one gets the lines it lacks; every other line is kept.
///
/// Both rules fire on every settled bet and add their amount (the only
/// action the window keeps), and minimal profit is off:
/// - start: both amounts one initial bet, the strategy "Blind", no phase correction;
/// - flat: both amounts 0, the strategy CUSTOM, no phase correction;
/// - martingale: both amounts one initial bet with phase correction of step
///   1, which makes the amount the stake itself: a loss doubles the stake and
///   the win that ends the losing run wins the cycle, after which the
///   automatic reset starts again at the initial bet; the strategy "Martingale";
/// - d'Alembert: one initial bet added after a loss and taken away after a
///   win (the stake never falls below the initial bet), the strategy "Donald".
Memo WithStakingPreset(StakingPreset preset, Memo lines);

}  // namespace rotacle
