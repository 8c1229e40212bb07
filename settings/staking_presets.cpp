#include "settings/staking_presets.h"

#include <array>
#include <utility>

#include "settings/settings_lines.h"

namespace rotacle {

namespace {

constexpr std::array<std::pair<StakingPreset, std::string_view>, 4> kNames = {{
    {StakingPreset::Start, "start"},
    {StakingPreset::Flat, "flat"},
    {StakingPreset::Martingale, "martingale"},
    {StakingPreset::DAlembert, "dalembert"},
}};

}  // namespace

std::string_view StakingPresetName(StakingPreset preset) {
    for (const auto& [p, name] : kNames)
        if (p == preset) return name;
    return kNames.front().second;
}

std::optional<StakingPreset> StakingPresetByName(std::string_view name) {
    for (const auto& [p, text] : kNames)
        if (text == name) return p;
    return std::nullopt;
}

Memo WithStakingPreset(StakingPreset preset, Memo lines) {
    using namespace settings_line;
    if (lines.size() < kLineCount) lines.resize(kLineCount);
    const std::string bet = lines[kInitBet];
    // Both sides: the rule fires on every settled bet ("Losses"/"Wins", 1)
    // and adds; minimal profit off. The automatic reset, always on, brings
    // the stake back to the initial bet after a won cycle.
    lines[kLossThreshold] = "1", lines[kLossType] = "0", lines[kLossAction] = "0";
    lines[kWinThreshold] = "1", lines[kWinType] = "0", lines[kWinAction] = "0";
    lines[kMinimalProfit] = "0";
    switch (preset) {
        case StakingPreset::Start:
            lines[kBetStrategy] = "5";  // Blind (+1 each spin)
            lines[kLossAmount] = bet, lines[kWinAmount] = bet;
            lines[kPhaseCorrection] = "0";
            break;
        case StakingPreset::Flat:
            lines[kBetStrategy] = "0";  // CUSTOM
            lines[kLossAmount] = "0", lines[kWinAmount] = "0";
            lines[kPhaseCorrection] = "0";
            break;
        case StakingPreset::Martingale:
            // Phase correction with step 1 makes the amount the stake itself at
            // every spin: a loss adds the stake (doubles it); the win that ends
            // the doubling run wins the cycle, and the reset starts again.
            lines[kBetStrategy] = "1";  // Martingale (x2 on loss)
            lines[kLossAmount] = bet, lines[kWinAmount] = bet;
            lines[kPhaseCorrection] = "1", lines[kPhaseStep] = "1";
            break;
        case StakingPreset::DAlembert:
            // A stake taken below the initial bet is reset to it by the
            // display refresh.
            lines[kBetStrategy] = "3";  // Donald (+1 on loss / -1 on win)
            lines[kLossAmount] = bet, lines[kWinAmount] = "-" + bet;
            lines[kPhaseCorrection] = "0";
            break;
    }
    return lines;
}

}  // namespace rotacle
