// The program's assignments to the game's inputs: each runs the control's
// change or click operation only when the value actually changes, as a user
// edit does, and is journaled as an action of the player.
#include <algorithm>

#include "game/action_scope.h"
#include "game/game.h"
#include "game/game_controls.h"

namespace rotacle {

using ActionScope = GameJournal::ActionScope;

Edit& GameControls::EditRef(EditId id) {
    switch (id) {
        case EditId::Init_Bet: return game_.inputs_.Init_Bet;
        case EditId::Test_Bank: return game_.inputs_.Test_Bank;
        case EditId::Losses_ActionValue: return game_.inputs_.Losses_ActionValue;
        case EditId::Wins_ActionValue: return game_.inputs_.Wins_ActionValue;
    }
    return game_.inputs_.Init_Bet;
}

SpinEdit& GameControls::SpinRef(SpinId id) {
    switch (id) {
        case SpinId::N_Count: return game_.inputs_.N_Count;
        case SpinId::Play_Bets: return game_.inputs_.Play_Bets;
        case SpinId::Until_Profit: return game_.inputs_.Until_Profit;
        case SpinId::Phase_Correction_Value: return game_.inputs_.Phase_Correction_Value;
        case SpinId::Losses_HowMuch: return game_.inputs_.Losses_HowMuch;
        case SpinId::Wins_HowMuch: return game_.inputs_.Wins_HowMuch;
    }
    return game_.inputs_.N_Count;
}

CheckBox& GameControls::CheckRef(CheckId id) {
    switch (id) {
        case CheckId::ChBx_TestBank: return game_.inputs_.ChBx_TestBank;
        case CheckId::Get_Minimal_Profit: return game_.inputs_.Get_Minimal_Profit;
        case CheckId::Bet_Automatic_Reset: return game_.inputs_.Bet_Automatic_Reset;
        case CheckId::ChBx_Phase_Correction: return game_.inputs_.ChBx_Phase_Correction;
        case CheckId::ChBx_Until_Profit: return game_.inputs_.ChBx_Until_Profit;
        case CheckId::ChBx_Fixed_Number: return game_.inputs_.ChBx_Fixed_Number;
        case CheckId::ShowBetSize: return game_.inputs_.ShowBetSize;
        case CheckId::CatRows: return game_.inputs_.CatRows;
    }
    return game_.inputs_.ShowBetSize;
}

ComboBox& GameControls::ComboRef(ComboId id) {
    switch (id) {
        case ComboId::GameModes: return game_.inputs_.GameModes;
        case ComboId::BetStrategy: return game_.inputs_.BetStrategy;
        case ComboId::Losses_Type: return game_.inputs_.Losses_Type;
        case ComboId::Losses_Action: return game_.inputs_.Losses_Action;
        case ComboId::Wins_Type: return game_.inputs_.Wins_Type;
        case ComboId::Wins_Action: return game_.inputs_.Wins_Action;
        case ComboId::Search_Pattern: return game_.inputs_.Search_Pattern;
    }
    return game_.inputs_.GameModes;
}

void GameControls::SetEditText(EditId id, std::string_view text) {
    const ActionScope action(
        game_, [&] { return "edit " + std::string(NameOf(id)) + " " + journal_text::Word(text); });
    Edit& e = EditRef(id);
    if (e.Text == text) return;
    if (!AmountGuard::Guards(id)) AmountGuard::CheckMoneyText(id, text);
    e.Text.assign(text);
    if (id == EditId::Init_Bet) game_.amounts_.InitialBetTextChanged();
    if (AmountGuard::Guards(id) && !game_.amounts_.Taken(id, e.Text, typing_)) return;
    switch (id) {
        case EditId::Init_Bet: game_.Init_BetChange(); break;
        case EditId::Test_Bank: game_.Test_BankChange(); break;
        case EditId::Losses_ActionValue: game_.Losses_ActionValueChange(); break;
        case EditId::Wins_ActionValue: game_.Wins_ActionValueChange(); break;
    }
}

void GameControls::SetSpinText(SpinId id, std::string_view text) {
    const ActionScope action(
        game_, [&] { return "spin-text " + std::string(NameOf(id)) + " " + journal_text::Word(text); });
    SpinEdit& s = SpinRef(id);
    if (s.Text() == text) return;
    s.SetText(text);
    SpinEditChanged(id);
}

void GameControls::SpinEditChanged(SpinId id) {
    switch (id) {
        case SpinId::N_Count: game_.N_CountChange(); break;
        case SpinId::Play_Bets: game_.Play_BetsChange(); break;
        case SpinId::Until_Profit: game_.Until_ProfitChange(); break;
        case SpinId::Phase_Correction_Value: game_.Phase_Correction_ValueChange(); break;
        case SpinId::Losses_HowMuch: game_.Losses_HowMuchChange(); break;
        case SpinId::Wins_HowMuch: game_.Wins_HowMuchChange(); break;
    }
}

void GameControls::SetSpinValue(SpinId id, std::int32_t value) {
    const ActionScope action(game_,
                             [&] { return "spin-value " + std::string(NameOf(id)) + " " + IntToStr(value); });
    SpinEdit& s = SpinRef(id);
    const std::int32_t clamped = s.Clamp(value);
    // Every spin sets the history count: the text that shows it is made
    // only when it is read.
    if (s.Shows(clamped)) return;
    s.SetNumber(clamped);
    SpinEditChanged(id);
}

void GameControls::SetChecked(CheckId id, bool checked) {
    const ActionScope action(game_,
                             [&] { return "check " + std::string(NameOf(id)) + (checked ? " 1" : " 0"); });
    CheckBox& c = CheckRef(id);
    if (c.Checked == checked) return;
    c.Checked = checked;
    switch (id) {
        case CheckId::ChBx_TestBank: game_.ChBx_TestBankClick(); break;
        case CheckId::Get_Minimal_Profit: game_.Get_Minimal_ProfitClick(); break;
        case CheckId::Bet_Automatic_Reset: game_.Bet_Automatic_ResetClick(); break;
        case CheckId::ChBx_Phase_Correction: game_.ChBx_Phase_CorrectionClick(); break;
        case CheckId::ChBx_Until_Profit: game_.ChBx_Until_ProfitClick(); break;
        case CheckId::ChBx_Fixed_Number: game_.ChBx_Fixed_NumberClick(); break;
        case CheckId::ShowBetSize:
        case CheckId::CatRows: break;  // no click operation
    }
}

void GameControls::SetItemIndex(ComboId id, std::int32_t index) {
    const ActionScope action(game_,
                             [&] { return "item " + std::string(NameOf(id)) + " " + IntToStr(index); });
    ComboRef(id).SetItemIndex(index);
}

void GameControls::SelectItem(ComboId id, std::int32_t index) {
    const ActionScope action(game_,
                             [&] { return "select " + std::string(NameOf(id)) + " " + IntToStr(index); });
    ComboBox& c = ComboRef(id);
    if (!c.Enabled || index < 0 || index >= static_cast<std::int32_t>(c.Items.size())) return;
    c.ItemIndex = index;
    switch (id) {
        case ComboId::GameModes: game_.GameModesChange(); break;
        case ComboId::BetStrategy: game_.BetStrategyChange(); break;
        case ComboId::Losses_Type: game_.Losses_TypeChange(); break;
        case ComboId::Losses_Action: game_.Losses_ActionChange(); break;
        case ComboId::Wins_Type: game_.Wins_TypeChange(); break;
        case ComboId::Wins_Action: game_.Wins_ActionChange(); break;
        case ComboId::Search_Pattern: game_.Search_PatternChange(); break;
    }
}

void GameControls::SetSafeLevelPosition(std::int32_t position) {
    const ActionScope action(game_, [&] { return "safe-level " + IntToStr(position); });
    position = std::clamp(position, game_.inputs_.SafeLevel.Min, game_.inputs_.SafeLevel.Max);
    if (game_.inputs_.SafeLevel.Position == position) return;
    game_.inputs_.SafeLevel.Position = position;
    game_.SafeLevelChange();
}

namespace {

// Applies one inserted key to a text: backspace deletes the last character.
std::string WithKey(const std::string& text, char key) {
    std::string t = text;
    if (key == '\b') {
        if (!t.empty()) t.pop_back();
    } else {
        t += key;
    }
    return t;
}

}  // namespace

void GameControls::TypeKey(EditId id, char key) {
    const ActionScope action(game_, [&] {
        return "key-edit " + std::string(NameOf(id)) + " " + IntToStr(static_cast<unsigned char>(key));
    });
    Edit& e = EditRef(id);
    if (!e.Enabled || e.ReadOnly) return;
    // Every key that passes the filter lands, also one that leaves no usable
    // amount: the amount is refused, never the way back to a good one.
    switch (id) {
        case EditId::Init_Bet: game_.Init_BetKeyPress(key); break;
        case EditId::Test_Bank: game_.Test_BankKeyPress(key); break;
        case EditId::Losses_ActionValue:
        case EditId::Wins_ActionValue: key = staking::NumericKeyFilter(e.Text, key); break;
    }
    if (key == 0) return;
    typing_ = true;
    try {
        SetEditText(id, WithKey(e.Text, key));
    } catch (...) {
        typing_ = false;
        throw;
    }
    typing_ = false;
}

void GameControls::TypeKey(SpinId id, char key) {
    const ActionScope action(game_, [&] {
        return "key-spin " + std::string(NameOf(id)) + " " + IntToStr(static_cast<unsigned char>(key));
    });
    SpinEdit& s = SpinRef(id);
    if (!s.Enabled || s.ReadOnly) return;
    // A spin edit takes digits, a sign and backspace only.
    const bool valid = (key >= '0' && key <= '9') || key == '-' || key == '+' || key == '\b';
    if (!valid) return;
    SetSpinText(id, WithKey(s.Text(), key));
}

}  // namespace rotacle
