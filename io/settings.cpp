// The settings record and the settings file.
#include "core/engine.h"
#include "io/settings_lines.h"
#include "io/text_file.h"

namespace rotacle {

using namespace settings_line;

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
    CheckMoneyText(EditId::Init_Bet, line(kInitBet));
    CheckMoneyText(EditId::Losses_ActionValue, line(kLossAmount));
    CheckMoneyText(EditId::Wins_ActionValue, line(kWinAmount));

    SetEditText(EditId::Init_Bet, line(kInitBet));
    Init_BetChange();
    GameModes.SetItemIndex(StrToInt(line(kGameMode)));
    GameModesChange();
    BetStrategy.SetItemIndex(StrToInt(line(kBetStrategy)));
    SetSpinValue(SpinId::Losses_HowMuch, StrToInt(line(kLossThreshold)));
    Losses_Type.SetItemIndex(StrToInt(line(kLossType)));
    Losses_Action.SetItemIndex(StrToInt(line(kLossAction)));
    Losses_ActionChange();
    SetEditText(EditId::Losses_ActionValue, line(kLossAmount));
    SetSpinValue(SpinId::Wins_HowMuch, StrToInt(line(kWinThreshold)));
    Wins_Type.SetItemIndex(StrToInt(line(kWinType)));
    Wins_Action.SetItemIndex(StrToInt(line(kWinAction)));
    Wins_ActionChange();
    SetEditText(EditId::Wins_ActionValue, line(kWinAmount));
    SetChecked(CheckId::Get_Minimal_Profit, flag(kMinimalProfit));
    SetChecked(CheckId::Bet_Automatic_Reset, flag(kAutomaticReset));
    SetSafeLevelPosition(StrToInt(line(kSafeLevel)));
    SetSpinValue(SpinId::N_Count, StrToInt(line(kMatrixHistory)));
    Search_Pattern.SetItemIndex(StrToInt(line(kSearchPattern)));
    Search_PatternChange();
    SetSpinValue(SpinId::Play_Bets, StrToInt(line(kPlayBets)));
    SetChecked(CheckId::ChBx_Fixed_Number, flag(kFixedNumber));
    SetChecked(CheckId::ChBx_Until_Profit, flag(kRebuildOnProfit));
    SetSpinValue(SpinId::Until_Profit, StrToInt(line(kProfitGoal)));
    SetChecked(CheckId::ChBx_Phase_Correction, flag(kPhaseCorrection));
    SetSpinValue(SpinId::Phase_Correction_Value, StrToInt(line(kPhaseStep)));
    State.Rules_Edit_Flag = 0;
}

}  // namespace rotacle
