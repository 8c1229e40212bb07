#include "game/inputs.h"

#include <string>
#include <utility>
#include <vector>

namespace rotacle {

namespace {

SpinEdit MakeSpin(const char* text, std::int32_t min, std::int32_t max, bool enabled, bool read_only) {
    SpinEdit s;
    s.SetText(text);
    s.MinValue = min;
    s.MaxValue = max;
    s.Enabled = enabled;
    s.ReadOnly = read_only;
    return s;
}

ComboBox MakeCombo(std::vector<std::string> items, std::int32_t index, bool enabled = true) {
    ComboBox c;
    c.Items = std::move(items);
    c.ItemIndex = index;
    c.Enabled = enabled;
    return c;
}

}  // namespace

rotacle::Inputs::Inputs() {
    GameModes = MakeCombo({"DEEP SCAN 8.0", "SMART 2025", "ADAPTIVE PRO 8.0"}, 1);
    BetStrategy = MakeCombo(
        {"CUSTOM", "Martingale (x2 on loss)", "Parlay (x2 on win)", "Donald (+1 on loss / -1 on win)",
         "Chernyshov (x3 on loss)", "Blind (+1 each spin)", "Up-trender (+1 on win)"},
        5);
    Losses_Type = MakeCombo({"Losses", "Losses In A Row", "Units drawdown"}, 0);
    Losses_Action = MakeCombo({"ADD to bet:", "SUBTRACT:", "MULTIPLY bet by:", "DIVIDE bet by:",
                               "SET bet to:", "Check WINS", "DO NOTHING"},
                              0);
    Wins_Type = MakeCombo({"Wins", "Wins In A Row", "Units of profit"}, 0);
    Wins_Action = MakeCombo(
        {"ADD to bet:", "SUBTRACT:", "MULTIPLY bet by:", "DIVIDE bet by:", "SET bet to:", "DO NOTHING"}, 0);
    Search_Pattern = MakeCombo({"UPTREND", "DOWNTREND"}, 0, false);
    Search_Pattern.Colour = Rgb(0, 100, 0);
    Search_Pattern.FontColour = Rgb(0, 255, 0);

    Losses_HowMuch = MakeSpin("1", 1, 1000000, true, true);
    Wins_HowMuch = MakeSpin("1", 1, 1000000, true, true);
    N_Count = MakeSpin("1", 1, 10000000, false, false);
    Play_Bets = MakeSpin("5", 0, 0, false, false);
    Until_Profit = MakeSpin("1", 0, 0, false, false);
    Phase_Correction_Value = MakeSpin("3", 0, 0, false, false);
    Losses_ActionValue = Edit{"1", true, true};
    Wins_ActionValue = Edit{"1", true, true};
    Test_Bank = Edit{"1000", true, false};
    Init_Bet = Edit{"1", true, false};

    ChBx_TestBank = {true, true};
    Get_Minimal_Profit = {false, true};
    Bet_Automatic_Reset = {true, true};
    ChBx_Phase_Correction = {false, false};
    ChBx_Until_Profit = {true, false};
    ChBx_Fixed_Number = {false, false};
    ShowBetSize = {true, true};
    CatRows = {false, false};
    SafeLevel = TrackBar{0, 0, 10};

    CreateMatrix_Button.Enabled = false;
    ResetMatrix_Button.Enabled = false;
}

}  // namespace rotacle
