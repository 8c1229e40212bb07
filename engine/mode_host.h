// The engine as the game that the game modes run in.
#pragma once

#include "modes/game_mode.h"

namespace rotacle {

class Engine;
struct Inputs;

/// Hands the modes the engine's record, lists and inputs, and runs the
/// engine's operations for them.
class ModeHost final : public ModeContext {
public:
    ModeHost(Engine& engine, GameState& state, ModeLists& lists, const rotacle::Inputs& inputs);

    void AllEnabled() override;
    void AllDisabled() override;
    void NumberPressed() override;
    void HideBets() override;
    void ShowField(int index) override;
    std::exception_ptr SettleProposal() override;
    void CreateMatrix() override;
    void Trend_Check() override;
    void Balance_Check() override;
    bool AnyChipVisible() const override;
    void ShowBetsPlayed() override;
    int CurrentNumber() const override;
    void SetNCount(std::int32_t value) override;
    void StartRun(TimerId id) override;
    void SetRunInterval(TimerId id, std::int32_t interval_ms) override;
    bool AdvanceRunGauge(std::int32_t step) override;
    void EndProgressRun(TimerId id) override;
    std::int32_t Draw(std::int32_t range) override;
    std::int32_t DrawSeeded(std::int32_t range) override;

private:
    Engine& engine_;
};

}  // namespace rotacle
