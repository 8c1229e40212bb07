#include "core/ids.h"

#include "core/game_state.h"

namespace rotacle {

namespace {

constexpr std::array<std::string_view, 4> kEditNames = {"Init_Bet", "Test_Bank", "Losses_ActionValue",
                                                        "Wins_ActionValue"};
constexpr std::array<std::string_view, 6> kSpinNames = {
    "N_Count", "Play_Bets", "Until_Profit", "Phase_Correction_Value", "Losses_HowMuch", "Wins_HowMuch"};
constexpr std::array<std::string_view, 8> kCheckNames = {
    "ChBx_TestBank",     "Get_Minimal_Profit", "Bet_Automatic_Reset", "ChBx_Phase_Correction",
    "ChBx_Until_Profit", "ChBx_Fixed_Number",  "ShowBetSize",         "CatRows"};
constexpr std::array<std::string_view, 7> kComboNames = {
    "GameModes", "BetStrategy", "Losses_Type", "Losses_Action", "Wins_Type", "Wins_Action", "Search_Pattern"};

template <class E, std::size_t N>
std::optional<E> Lookup(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<E>(i);
    return std::nullopt;
}

}  // namespace

std::optional<EditId> EditByName(std::string_view name) { return Lookup<EditId>(name, kEditNames); }
std::optional<SpinId> SpinByName(std::string_view name) { return Lookup<SpinId>(name, kSpinNames); }
std::optional<CheckId> CheckByName(std::string_view name) { return Lookup<CheckId>(name, kCheckNames); }
std::optional<ComboId> ComboByName(std::string_view name) { return Lookup<ComboId>(name, kComboNames); }

std::string_view NameOf(EditId id) { return kEditNames[static_cast<std::size_t>(id)]; }
std::string_view NameOf(SpinId id) { return kSpinNames[static_cast<std::size_t>(id)]; }
std::string_view NameOf(CheckId id) { return kCheckNames[static_cast<std::size_t>(id)]; }
std::string_view NameOf(ComboId id) { return kComboNames[static_cast<std::size_t>(id)]; }

std::optional<int> FieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kFieldNames.size(); ++i)
        if (kFieldNames[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace rotacle
