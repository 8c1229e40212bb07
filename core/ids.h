// Names of the controls and timers that the view, the driver and the engine
// share: each kind of input by its own enum, so that an edit can never be
// passed where a check box is meant.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace rotacle {

/// Edits whose text the program or the player sets.
enum class EditId { Init_Bet, Test_Bank, Losses_ActionValue, Wins_ActionValue };
/// Spin edits.
enum class SpinId { N_Count, Play_Bets, Until_Profit, Phase_Correction_Value, Losses_HowMuch, Wins_HowMuch };
/// Check boxes.
enum class CheckId {
    ChBx_TestBank,
    Get_Minimal_Profit,
    Bet_Automatic_Reset,
    ChBx_Phase_Correction,
    ChBx_Until_Profit,
    ChBx_Fixed_Number,
    ShowBetSize,
    CatRows
};
/// Drop-down lists.
enum class ComboId {
    GameModes,
    BetStrategy,
    Losses_Type,
    Losses_Action,
    Wins_Type,
    Wins_Action,
    Search_Pattern
};
/// Timers, in the order in which a tie at the same instant is served.
enum class TimerId {
    ShowValues,
    Mode1Timer,
    Mode2Timer,
    Mode3Timer,
    Mode4Timer,
    Mode5Timer,
    SafeLevel_Timer,
    Timer_Evolution
};
inline constexpr int kTimerCount = 8;
/// The timers of the five game modes' progress runs.
inline constexpr std::array<TimerId, 5> kModeTimers = {
    TimerId::Mode1Timer, TimerId::Mode2Timer, TimerId::Mode3Timer, TimerId::Mode4Timer, TimerId::Mode5Timer};
constexpr bool IsModeTimer(TimerId id) { return id >= TimerId::Mode1Timer && id <= TimerId::Mode5Timer; }

/// Picture commands with a normal, a hover and sometimes a cover picture.
enum class Command {
    Import,
    Export,
    Settings,
    Load,
    Save,
    SkipBet,
    Cancel,
    PasteFromEvolution,
    LoadFromFile,
    ClosePanel,
    Close,
    Minimize
};
inline constexpr int kCommandCount = 12;

std::optional<EditId> EditByName(std::string_view name);
std::optional<SpinId> SpinByName(std::string_view name);
std::optional<CheckId> CheckByName(std::string_view name);
std::optional<ComboId> ComboByName(std::string_view name);
/// The name of a control, as the ...ByName functions take it.
std::string_view NameOf(EditId id);
std::string_view NameOf(SpinId id);
std::string_view NameOf(CheckId id);
std::string_view NameOf(ComboId id);
/// Field index 0..5 of "Less", "Even", "Red", "Black", "Odd", "More".
std::optional<int> FieldByName(std::string_view name);

}  // namespace rotacle
