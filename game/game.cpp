// Window state at its defaults and start-up.
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

// The controls hold the game by reference; reading a control changes nothing.
const Edit& Game::EditControl(EditId id) const { return const_cast<Game*>(this)->controls_.EditRef(id); }
const SpinEdit& Game::SpinControl(SpinId id) const { return const_cast<Game*>(this)->controls_.SpinRef(id); }
const CheckBox& Game::CheckControl(CheckId id) const {
    return const_cast<Game*>(this)->controls_.CheckRef(id);
}
const ComboBox& Game::ComboControl(ComboId id) const {
    return const_cast<Game*>(this)->controls_.ComboRef(id);
}

std::array<bool, 6> Game::PlacedFields() const {
    std::array<bool, 6> placed{};
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i] = table_.Chip()[i].Visible;
    return placed;
}

staking::RuleInputs Game::RuleSettings() const {
    return {inputs_.Losses_Type, inputs_.Losses_Action, inputs_.Losses_HowMuch,
            inputs_.Wins_Type,   inputs_.Wins_Action,   inputs_.Wins_HowMuch};
}

void Game::RequestFocus(std::string_view control) {
    if (window_) window_->RequestFocus(control);
}

void Game::StartTimer(TimerId id) { TimerRef(id).Enabled = true; }

void Game::StartRun(TimerId id) {
    const bool going = TimerControl(id).Enabled;
    StartTimer(id);
    if (journal_.Happenings() && !going) journal_.NoteRun(PlayEventKind::RunStarted, id);
}
void Game::StopTimer(TimerId id) { TimerRef(id).Enabled = false; }

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
            if (limits_.On()) LimitsAfterSpin(false);
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
