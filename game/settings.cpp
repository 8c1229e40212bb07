// The settings record and the settings file.
#include "core/text_file.h"
#include "game/action_scope.h"
#include "game/game.h"
#include "settings/settings_lines.h"

namespace rotacle {

using namespace settings_line;

namespace {

// Items of the betting-system list: the edited rules, and the start strategy.
constexpr std::int32_t kCustomStrategy = 0;
constexpr std::int32_t kStartStrategy = 5;

// True when the strategy shown is one that the window's own edits of the
// rules keep true: CUSTOM, or the start strategy over the start rules (both
// sides add one initial bet after every bet).
bool StrategyFollowsEdits(const Inputs& in) {
    if (in.BetStrategy.ItemIndex == kCustomStrategy) return true;
    return in.BetStrategy.ItemIndex == kStartStrategy && in.Losses_HowMuch.Value() == 1 &&
           in.Wins_HowMuch.Value() == 1 && in.Losses_Type.ItemIndex == 0 && in.Wins_Type.ItemIndex == 0 &&
           in.Losses_Action.ItemIndex == 0 && in.Wins_Action.ItemIndex == 0 &&
           in.Losses_ActionValue.Text == in.Init_Bet.Text && in.Wins_ActionValue.Text == in.Init_Bet.Text;
}

}  // namespace

void Game::SaveSettingsFile(const std::string& path) const { record_.Save(path); }

void Game::LoadSettingsFile(const std::string& path) {
    // A file that cannot be read leaves the record as it was.
    LoadSettingsLines(ReadLines(path, kSettingsFileLimit));
}

void Game::LoadSettingsLines(Memo lines) {
    const ActionScope action(*this, [&] {
        std::string line = "settings";
        for (const std::string& l : lines) line += " " + journal_text::Word(l);
        return line;
    });
    record_.Replace(std::move(lines));
    Load_Settings_StateClick();
    if (journal_.Happenings()) journal_.NoteHappening(PlayEventKind::SettingsLoaded);
}

void Game::Load_Settings_StateClick() {
    // The operations run below rewrite record lines; every step applies the
    // value that the record held when the load began.
    const Memo file = record_.Settings_Data();
    const auto line = [&file](std::size_t i) -> std::string_view {
        return i < file.size() ? std::string_view(file[i]) : std::string_view();
    };
    const auto flag = [&line](std::size_t i) { return line(i) == "1"; };
    // An amount out of range refuses the whole record before any control
    // changes; any other bad line stops the steps where it is applied.
    AmountGuard::CheckMoneyText(EditId::Init_Bet, line(kInitBet));
    AmountGuard::CheckMoneyText(EditId::Losses_ActionValue, line(kLossAmount));
    AmountGuard::CheckMoneyText(EditId::Wins_ActionValue, line(kWinAmount));

    SetEditText(EditId::Init_Bet, line(kInitBet));
    Init_BetChange();
    inputs_.GameModes.SetItemIndex(StrToInt(line(kGameMode)));
    GameModesChange();
    inputs_.BetStrategy.SetItemIndex(StrToInt(line(kBetStrategy)));
    // The new initial bet above wrote the strategy shown before the load.
    WriteSettingsLine(kBetStrategy, line(kBetStrategy));
    // The rule values set below are the file's, not an edit of the rules:
    // they leave the strategy that the file names.
    state_.Rules_Edit_Flag = 1;
    SetSpinValue(SpinId::Losses_HowMuch, StrToInt(line(kLossThreshold)));
    inputs_.Losses_Type.SetItemIndex(StrToInt(line(kLossType)));
    inputs_.Losses_Action.SetItemIndex(StrToInt(line(kLossAction)));
    Losses_ActionChange();
    SetEditText(EditId::Losses_ActionValue, line(kLossAmount));
    SetSpinValue(SpinId::Wins_HowMuch, StrToInt(line(kWinThreshold)));
    inputs_.Wins_Type.SetItemIndex(StrToInt(line(kWinType)));
    inputs_.Wins_Action.SetItemIndex(StrToInt(line(kWinAction)));
    Wins_ActionChange();
    SetEditText(EditId::Wins_ActionValue, line(kWinAmount));
    SetChecked(CheckId::Get_Minimal_Profit, flag(kMinimalProfit));
    SetChecked(CheckId::Bet_Automatic_Reset, flag(kAutomaticReset));
    SetSafeLevelPosition(StrToInt(line(kSafeLevel)));
    SetSpinValue(SpinId::N_Count, StrToInt(line(kMatrixHistory)));
    inputs_.Search_Pattern.SetItemIndex(StrToInt(line(kSearchPattern)));
    Search_PatternChange();
    SetSpinValue(SpinId::Play_Bets, StrToInt(line(kPlayBets)));
    SetChecked(CheckId::ChBx_Fixed_Number, flag(kFixedNumber));
    SetChecked(CheckId::ChBx_Until_Profit, flag(kRebuildOnProfit));
    SetSpinValue(SpinId::Until_Profit, StrToInt(line(kProfitGoal)));
    SetChecked(CheckId::ChBx_Phase_Correction, flag(kPhaseCorrection));
    SetSpinValue(SpinId::Phase_Correction_Value, StrToInt(line(kPhaseStep)));
    // The file keeps no edit state. A strategy that the rules follow
    // whatever the window changes in them (CUSTOM, and the start strategy
    // over the start rules, which a new initial bet keeps) stays as it
    // stands at start; any other name stands for the loaded rules until the
    // next edit of a rule value makes them CUSTOM.
    state_.Rules_Edit_Flag = StrategyFollowsEdits(inputs_) ? 1 : 0;
}

}  // namespace rotacle
