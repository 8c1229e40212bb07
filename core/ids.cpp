#include "core/ids.h"

#include "core/game_state.h"

namespace rotacle {

namespace {

template <class E, std::size_t N>
std::optional<E> Lookup(std::string_view name, const std::array<std::string_view, N>& names) {
    for (std::size_t i = 0; i < N; ++i)
        if (names[i] == name) return static_cast<E>(i);
    return std::nullopt;
}

}  // namespace

std::optional<EditId> EditByName(std::string_view name) {
    static constexpr std::array<std::string_view, 4> names = {"Init_Bet", "Test_Bank", "Losses_ActionValue",
                                                              "Wins_ActionValue"};
    return Lookup<EditId>(name, names);
}

std::optional<SpinId> SpinByName(std::string_view name) {
    static constexpr std::array<std::string_view, 6> names = {
        "N_Count", "Play_Bets", "Until_Profit", "Phase_Correction_Value", "Losses_HowMuch", "Wins_HowMuch"};
    return Lookup<SpinId>(name, names);
}

std::optional<CheckId> CheckByName(std::string_view name) {
    static constexpr std::array<std::string_view, 8> names = {
        "ChBx_TestBank",     "Get_Minimal_Profit", "Bet_Automatic_Reset", "ChBx_Phase_Correction",
        "ChBx_Until_Profit", "ChBx_Fixed_Number",  "ShowBetSize",         "CatRows"};
    return Lookup<CheckId>(name, names);
}

std::optional<ComboId> ComboByName(std::string_view name) {
    static constexpr std::array<std::string_view, 7> names = {"GameModes",     "BetStrategy", "Losses_Type",
                                                              "Losses_Action", "Wins_Type",   "Wins_Action",
                                                              "Search_Pattern"};
    return Lookup<ComboId>(name, names);
}

std::optional<int> FieldByName(std::string_view name) {
    for (std::size_t i = 0; i < kFieldNames.size(); ++i)
        if (kFieldNames[i] == name) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace rotacle
