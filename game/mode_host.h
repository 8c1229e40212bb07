// The game as the game modes run in it.
#pragma once

#include "game/game.h"
#include "modes/game_modes.h"

namespace rotacle {

/// Hands the modes the game's record, lists and inputs, and runs the
/// game's operations for them. It is made afresh for each mode operation.
class ModeHost {
public:
    explicit ModeHost(Game& game) : e_(game) {}

    GameState& State() { return e_.state_; }
    ModeLists& Lists() { return e_.modes_; }
    ModeInputs Inputs() const {
        const rotacle::Inputs& in = e_.inputs_;
        return {in.CatRows, in.Play_Bets, in.N_Count, in.SafeLevel};
    }
    void AllEnabled() { e_.AllEnabled(); }
    void AllDisabled() { e_.AllDisabled(); }
    void NumberPressed() { e_.NumberPressed(); }
    void HideBets() { e_.HideBets(); }
    void ShowField(int index) { e_.table_.ShowField(index, true); }
    std::exception_ptr SettleProposal() { return e_.SettleProposal(); }
    void CreateMatrix() { e_.CreateMatrix(); }
    void Trend_Check() { e_.Trend_Check(); }
    void Balance_Check() { e_.Balance_Check(); }
    bool AnyChipVisible() const { return e_.AnyChipVisible(); }
    void ShowBetsPlayed() { e_.ShowBetsPlayed(); }
    int CurrentNumber() const { return e_.board_.CurrentNumber(); }
    void SetNCount(std::int32_t value) { e_.SetSpinValue(SpinId::N_Count, value); }
    void StartRun(TimerId id) { e_.StartRun(id); }
    void SetRunInterval(TimerId id, std::int32_t interval_ms) { e_.TimerRef(id).Interval = interval_ms; }
    bool AdvanceRunGauge(std::int32_t step) { return e_.display_.AdvanceRunGauge(step); }
    void EndProgressRun(TimerId id) { e_.EndProgressRun(id); }
    std::int32_t Draw(std::int32_t range) { return e_.journal_.Draw(range); }
    std::int32_t DrawSeeded(std::int32_t range) { return e_.journal_.DrawSeeded(range); }

private:
    Game& e_;
};

/// The game modes as they run in the game.
using EngineModes = GameModes<ModeHost>;

}  // namespace rotacle
