// The settings record and the settings file.
#include "core/engine.h"
#include "io/text_file.h"

namespace rotacle {

std::string_view Engine::SettingsLine(std::size_t i) const {
    return i < Settings_Data.size() ? std::string_view(Settings_Data[i]) : std::string_view();
}

void Engine::WriteSettingsLine(std::size_t i, std::string_view text) {
    if (i < Settings_Data.size()) Settings_Data[i].assign(text);
}

void Engine::SaveSettingsFile(const std::string& path) const { WriteLinesAtomic(path, Settings_Data); }

void Engine::LoadSettingsFile(const std::string& path) {
    // A file that cannot be read leaves the record as it was.
    Settings_Data = ReadLines(path, kSettingsFileLimit);
    Load_Settings_StateClick();
}

void Engine::Load_Settings_StateClick() {
    // The operations run below rewrite record lines; every step applies the
    // value that the record held when the load began.
    const Memo file = Settings_Data;
    const auto line = [&file](std::size_t i) -> std::string_view {
        return i < file.size() ? std::string_view(file[i]) : std::string_view();
    };
    const auto flag = [&line](std::size_t i) { return line(i) == "1"; };
    // An amount out of range refuses the whole record before any control
    // changes; any other bad line stops the steps where it is applied.
    CheckMoneyText(EditId::Init_Bet, line(1));
    CheckMoneyText(EditId::Losses_ActionValue, line(9));
    CheckMoneyText(EditId::Wins_ActionValue, line(13));

    SetEditText(EditId::Init_Bet, line(1));
    Init_BetChange();
    GameModes.SetItemIndex(StrToInt(line(2)));
    GameModesChange();
    BetStrategy.SetItemIndex(StrToInt(line(3)));
    SetSpinValue(SpinId::Losses_HowMuch, StrToInt(line(6)));
    Losses_Type.SetItemIndex(StrToInt(line(7)));
    Losses_Action.SetItemIndex(StrToInt(line(8)));
    Losses_ActionChange();
    SetEditText(EditId::Losses_ActionValue, line(9));
    SetSpinValue(SpinId::Wins_HowMuch, StrToInt(line(10)));
    Wins_Type.SetItemIndex(StrToInt(line(11)));
    Wins_Action.SetItemIndex(StrToInt(line(12)));
    Wins_ActionChange();
    SetEditText(EditId::Wins_ActionValue, line(13));
    SetChecked(CheckId::Get_Minimal_Profit, flag(16));
    SetChecked(CheckId::Bet_Automatic_Reset, flag(17));
    SetSafeLevelPosition(StrToInt(line(18)));
    SetSpinValue(SpinId::N_Count, StrToInt(line(21)));
    Search_Pattern.SetItemIndex(StrToInt(line(22)));
    Search_PatternChange();
    SetSpinValue(SpinId::Play_Bets, StrToInt(line(23)));
    SetChecked(CheckId::ChBx_Fixed_Number, flag(24));
    SetChecked(CheckId::ChBx_Until_Profit, flag(25));
    SetSpinValue(SpinId::Until_Profit, StrToInt(line(26)));
    SetChecked(CheckId::ChBx_Phase_Correction, flag(29));
    SetSpinValue(SpinId::Phase_Correction_Value, StrToInt(line(30)));
    State.Rules_Edit_Flag = 0;
}

}  // namespace rotacle
