// The inputs of the window as the game keeps them: the drop-down lists,
// spin edits, edits, check boxes and the safety level's track bar, and the
// buttons that the game enables and disables. Their change operations are
// the game's; the view shows these values and reports the player's edits.
#pragma once

#include "core/controls.h"

namespace rotacle {

struct Inputs {
    Inputs();

    ComboBox GameModes;
    ComboBox BetStrategy;
    ComboBox Losses_Type;
    ComboBox Losses_Action;
    ComboBox Wins_Type;
    ComboBox Wins_Action;
    ComboBox Search_Pattern;
    SpinEdit Losses_HowMuch;
    SpinEdit Wins_HowMuch;
    SpinEdit N_Count;
    SpinEdit Play_Bets;
    SpinEdit Until_Profit;
    SpinEdit Phase_Correction_Value;
    Edit Losses_ActionValue;
    Edit Wins_ActionValue;
    Edit Test_Bank;
    Edit Init_Bet;
    CheckBox ChBx_TestBank;
    CheckBox Get_Minimal_Profit;
    CheckBox Bet_Automatic_Reset;
    CheckBox ChBx_Phase_Correction;
    CheckBox ChBx_Until_Profit;
    CheckBox ChBx_Fixed_Number;
    CheckBox ShowBetSize;
    CheckBox CatRows;
    TrackBar SafeLevel;

    Button ResetBets_Button;
    Button ResetApp_Button;
    Button CreateMatrix_Button;
    Button ResetMatrix_Button;
};

}  // namespace rotacle
