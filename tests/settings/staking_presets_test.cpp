// The staking presets at the face of the settings record: which lines each
// writes, in units of the initial bet, and that every other line stays.
#include "settings/staking_presets.h"

#include <gtest/gtest.h>

#include <map>

#include "settings/settings_record.h"

namespace rotacle {
namespace {

TEST(StakingPresets, WriteTheStakingLinesOnly) {
    struct Row {
        StakingPreset preset;
        std::map<std::size_t, std::string> lines;  // lines that differ from the record below
    };
    // A record far from every preset: initial bet 2.5, In A Row rules, minimal profit on.
    Memo base = SettingsRecord().Settings_Data();
    for (const auto& [i, text] : std::map<std::size_t, std::string>{{1, "2.5"},
                                                                    {3, "2"},
                                                                    {6, "4"},
                                                                    {7, "1"},
                                                                    {9, "7"},
                                                                    {10, "3"},
                                                                    {11, "2"},
                                                                    {13, "8"},
                                                                    {16, "1"},
                                                                    {18, "6"},
                                                                    {29, "1"},
                                                                    {30, "5"}})
        base[i] = text;
    const std::map<std::size_t, std::string> rules = {{6, "1"}, {7, "0"}, {10, "1"}, {11, "0"}, {16, "0"}};
    const auto with = [&](std::map<std::size_t, std::string> more) {
        more.insert(rules.begin(), rules.end());
        return more;
    };
    const std::vector<Row> rows = {
        {StakingPreset::Start, with({{3, "5"}, {9, "2.5"}, {13, "2.5"}, {29, "0"}})},
        {StakingPreset::Flat, with({{3, "0"}, {9, "0"}, {13, "0"}, {29, "0"}})},
        {StakingPreset::Martingale, with({{3, "1"}, {9, "2.5"}, {13, "2.5"}, {30, "1"}})},
        {StakingPreset::DAlembert, with({{3, "3"}, {9, "2.5"}, {13, "-2.5"}, {29, "0"}})},
    };
    for (const Row& r : rows) {
        const std::string name(StakingPresetName(r.preset));
        EXPECT_EQ(StakingPresetByName(name), r.preset);
        Memo want = base;
        for (const auto& [i, text] : r.lines) want[i] = text;
        EXPECT_EQ(WithStakingPreset(r.preset, base), want) << name;
    }
    EXPECT_EQ(StakingPresetByName("labouchere"), std::nullopt);

    // A short record gets the lines it lacks; a longer one keeps its extra lines.
    EXPECT_EQ(WithStakingPreset(StakingPreset::Flat, {"//line1", "3"}).size(), 31u);
    Memo longer = base;
    longer.push_back("extra");
    EXPECT_EQ(WithStakingPreset(StakingPreset::Flat, longer).back(), "extra");
}

}  // namespace
}  // namespace rotacle
