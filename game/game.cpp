// Window state at its defaults, start-up, and the program's assignments to
// controls.
#include "game/game.h"
#include "game/mode_host.h"

#include "game/action_scope.h"

#include <algorithm>
#include <cstring>

namespace rotacle {

Game::Game(Platform& platform) : platform_(platform) {
    TimerRef(TimerId::ShowValues) = Timer{true, 10};
    TimerRef(TimerId::Mode1Timer) = Timer{false, 20};
    TimerRef(TimerId::Mode2Timer) = Timer{false, 20};
    TimerRef(TimerId::Mode3Timer) = Timer{false, 40};
    TimerRef(TimerId::Mode4Timer) = Timer{false, 40};
    TimerRef(TimerId::Mode5Timer) = Timer{false, 40};
    TimerRef(TimerId::SafeLevel_Timer) = Timer{false, 50};
    TimerRef(TimerId::Timer_Evolution) = Timer{false, 2000};
}

// ---- Control access ------------------------------------------------------------

Edit& Game::EditRef(EditId id) {
    switch (id) {
        case EditId::Init_Bet: return inputs_.Init_Bet;
        case EditId::Test_Bank: return inputs_.Test_Bank;
        case EditId::Losses_ActionValue: return inputs_.Losses_ActionValue;
        case EditId::Wins_ActionValue: return inputs_.Wins_ActionValue;
    }
    return inputs_.Init_Bet;
}

SpinEdit& Game::SpinRef(SpinId id) {
    switch (id) {
        case SpinId::N_Count: return inputs_.N_Count;
        case SpinId::Play_Bets: return inputs_.Play_Bets;
        case SpinId::Until_Profit: return inputs_.Until_Profit;
        case SpinId::Phase_Correction_Value: return inputs_.Phase_Correction_Value;
        case SpinId::Losses_HowMuch: return inputs_.Losses_HowMuch;
        case SpinId::Wins_HowMuch: return inputs_.Wins_HowMuch;
    }
    return inputs_.N_Count;
}

CheckBox& Game::CheckRef(CheckId id) {
    switch (id) {
        case CheckId::ChBx_TestBank: return inputs_.ChBx_TestBank;
        case CheckId::Get_Minimal_Profit: return inputs_.Get_Minimal_Profit;
        case CheckId::Bet_Automatic_Reset: return inputs_.Bet_Automatic_Reset;
        case CheckId::ChBx_Phase_Correction: return inputs_.ChBx_Phase_Correction;
        case CheckId::ChBx_Until_Profit: return inputs_.ChBx_Until_Profit;
        case CheckId::ChBx_Fixed_Number: return inputs_.ChBx_Fixed_Number;
        case CheckId::ShowBetSize: return inputs_.ShowBetSize;
        case CheckId::CatRows: return inputs_.CatRows;
    }
    return inputs_.ShowBetSize;
}

ComboBox& Game::ComboRef(ComboId id) {
    switch (id) {
        case ComboId::GameModes: return inputs_.GameModes;
        case ComboId::BetStrategy: return inputs_.BetStrategy;
        case ComboId::Losses_Type: return inputs_.Losses_Type;
        case ComboId::Losses_Action: return inputs_.Losses_Action;
        case ComboId::Wins_Type: return inputs_.Wins_Type;
        case ComboId::Wins_Action: return inputs_.Wins_Action;
        case ComboId::Search_Pattern: return inputs_.Search_Pattern;
    }
    return inputs_.GameModes;
}

const Edit& Game::EditControl(EditId id) const { return const_cast<Game*>(this)->EditRef(id); }
const SpinEdit& Game::SpinControl(SpinId id) const { return const_cast<Game*>(this)->SpinRef(id); }
const CheckBox& Game::CheckControl(CheckId id) const { return const_cast<Game*>(this)->CheckRef(id); }
const ComboBox& Game::ComboControl(ComboId id) const { return const_cast<Game*>(this)->ComboRef(id); }

std::array<bool, 6> Game::PlacedFields() const {
    std::array<bool, 6> placed{};
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i] = table_.Chip()[i].Visible;
    return placed;
}

staking::RuleInputs Game::RuleSettings() const {
    return {inputs_.Losses_Type, inputs_.Losses_Action, inputs_.Losses_HowMuch,
            inputs_.Wins_Type,   inputs_.Wins_Action,   inputs_.Wins_HowMuch};
}

void Game::StartTimer(TimerId id) { TimerRef(id).Enabled = true; }

void Game::StartRun(TimerId id) {
    const bool going = TimerControl(id).Enabled;
    StartTimer(id);
    if (journal_.Happenings() && !going) journal_.NoteRun(PlayEventKind::RunStarted, id);
}
void Game::StopTimer(TimerId id) { TimerRef(id).Enabled = false; }

// ---- Program assignments ----------------------------------------------------------

void Game::SetEditText(EditId id, std::string_view text) {
    const ActionScope action(
        *this, [&] { return "edit " + std::string(NameOf(id)) + " " + journal_text::Word(text); });
    Edit& e = EditRef(id);
    if (e.Text == text) return;
    if (!AmountGuard::Guards(id)) AmountGuard::CheckMoneyText(id, text);
    e.Text.assign(text);
    if (id == EditId::Init_Bet) amounts_.InitialBetTextChanged();
    if (AmountGuard::Guards(id) && !amounts_.Taken(id, e.Text)) return;
    switch (id) {
        case EditId::Init_Bet: Init_BetChange(); break;
        case EditId::Test_Bank: Test_BankChange(); break;
        case EditId::Losses_ActionValue: Losses_ActionValueChange(); break;
        case EditId::Wins_ActionValue: Wins_ActionValueChange(); break;
    }
}

void Game::SetSpinText(SpinId id, std::string_view text) {
    const ActionScope action(
        *this, [&] { return "spin-text " + std::string(NameOf(id)) + " " + journal_text::Word(text); });
    SpinEdit& s = SpinRef(id);
    if (s.Text() == text) return;
    s.SetText(text);
    SpinEditChanged(id);
}

void Game::SpinEditChanged(SpinId id) {
    switch (id) {
        case SpinId::N_Count: N_CountChange(); break;
        case SpinId::Play_Bets: Play_BetsChange(); break;
        case SpinId::Until_Profit: Until_ProfitChange(); break;
        case SpinId::Phase_Correction_Value: Phase_Correction_ValueChange(); break;
        case SpinId::Losses_HowMuch: Losses_HowMuchChange(); break;
        case SpinId::Wins_HowMuch: Wins_HowMuchChange(); break;
    }
}

void Game::SetSpinValue(SpinId id, std::int32_t value) {
    const ActionScope action(*this,
                             [&] { return "spin-value " + std::string(NameOf(id)) + " " + IntToStr(value); });
    SpinEdit& s = SpinRef(id);
    const std::int32_t clamped = s.Clamp(value);
    // Every spin sets the history count: the text that shows it is made
    // only when it is read.
    if (s.Shows(clamped)) return;
    s.SetNumber(clamped);
    SpinEditChanged(id);
}

void Game::SetChecked(CheckId id, bool checked) {
    const ActionScope action(*this,
                             [&] { return "check " + std::string(NameOf(id)) + (checked ? " 1" : " 0"); });
    CheckBox& c = CheckRef(id);
    if (c.Checked == checked) return;
    c.Checked = checked;
    switch (id) {
        case CheckId::ChBx_TestBank: ChBx_TestBankClick(); break;
        case CheckId::Get_Minimal_Profit: Get_Minimal_ProfitClick(); break;
        case CheckId::Bet_Automatic_Reset: Bet_Automatic_ResetClick(); break;
        case CheckId::ChBx_Phase_Correction: ChBx_Phase_CorrectionClick(); break;
        case CheckId::ChBx_Until_Profit: ChBx_Until_ProfitClick(); break;
        case CheckId::ChBx_Fixed_Number: ChBx_Fixed_NumberClick(); break;
        case CheckId::ShowBetSize:
        case CheckId::CatRows: break;  // no click operation
    }
}

void Game::SetItemIndex(ComboId id, std::int32_t index) {
    const ActionScope action(*this,
                             [&] { return "item " + std::string(NameOf(id)) + " " + IntToStr(index); });
    ComboRef(id).SetItemIndex(index);
}

void Game::SelectItem(ComboId id, std::int32_t index) {
    const ActionScope action(*this,
                             [&] { return "select " + std::string(NameOf(id)) + " " + IntToStr(index); });
    ComboBox& c = ComboRef(id);
    if (!c.Enabled || index < 0 || index >= static_cast<std::int32_t>(c.Items.size())) return;
    c.ItemIndex = index;
    switch (id) {
        case ComboId::GameModes: GameModesChange(); break;
        case ComboId::BetStrategy: BetStrategyChange(); break;
        case ComboId::Losses_Type: Losses_TypeChange(); break;
        case ComboId::Losses_Action: Losses_ActionChange(); break;
        case ComboId::Wins_Type: Wins_TypeChange(); break;
        case ComboId::Wins_Action: Wins_ActionChange(); break;
        case ComboId::Search_Pattern: Search_PatternChange(); break;
    }
}

void Game::SetSafeLevelPosition(std::int32_t position) {
    const ActionScope action(*this, [&] { return "safe-level " + IntToStr(position); });
    position = std::clamp(position, inputs_.SafeLevel.Min, inputs_.SafeLevel.Max);
    if (inputs_.SafeLevel.Position == position) return;
    inputs_.SafeLevel.Position = position;
    SafeLevelChange();
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

void Game::TypeKey(EditId id, char key) {
    const ActionScope action(*this, [&] {
        return "key-edit " + std::string(NameOf(id)) + " " + IntToStr(static_cast<unsigned char>(key));
    });
    Edit& e = EditRef(id);
    if (!e.Enabled || e.ReadOnly) return;
    // Every key that passes the filter lands, also one that leaves no usable
    // amount: the amount is refused, never the way back to a good one.
    switch (id) {
        case EditId::Init_Bet: Init_BetKeyPress(key); break;
        case EditId::Test_Bank: Test_BankKeyPress(key); break;
        case EditId::Losses_ActionValue:
        case EditId::Wins_ActionValue: key = NumericKeyFilter(e.Text, key); break;
    }
    if (key == 0) return;
    SetEditText(id, WithKey(e.Text, key));
}

void Game::TypeKey(SpinId id, char key) {
    const ActionScope action(*this, [&] {
        return "key-spin " + std::string(NameOf(id)) + " " + IntToStr(static_cast<unsigned char>(key));
    });
    SpinEdit& s = SpinRef(id);
    if (!s.Enabled || s.ReadOnly) return;
    // A spin edit takes digits, a sign and backspace only.
    const bool valid = (key >= '0' && key <= '9') || key == '-' || key == '+' || key == '\b';
    if (!valid) return;
    SetSpinText(id, WithKey(s.Text(), key));
}

bool Game::RunHandler(TimerId id) {
    switch (id) {
        case TimerId::ShowValues: return ShowValuesTimer();
        case TimerId::Mode1Timer:
        case TimerId::Mode2Timer:
        case TimerId::Mode3Timer:
        case TimerId::Mode4Timer:
        case TimerId::Mode5Timer: {
            ModeHost host(*this);
            EngineModes::Of(id).Tick(host);
            return true;
        }
        case TimerId::SafeLevel_Timer: return SafeLevel_TimerTimer();
        case TimerId::Timer_Evolution: Timer_EvolutionTimer(); return true;
    }
    return true;
}

double Game::InitialBet() const {
    double v = 0;
    // The display refresh reads the initial bet a hundred times a second;
    // the text is converted again only after SetEditText changed it.
    if (!amounts_.TryInitialBet(inputs_.Init_Bet.Text, v))
        return StrToFloat(inputs_.Init_Bet.Text);  // throws the conversion error
    return v;
}

}  // namespace rotacle
