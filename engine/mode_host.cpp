#include "engine/mode_host.h"

#include "engine/engine.h"

namespace rotacle {

ModeHost::ModeHost(Engine& engine, GameState& state, ModeLists& lists, const rotacle::Inputs& inputs)
    : ModeContext(state, lists, {inputs.CatRows, inputs.Play_Bets, inputs.N_Count, inputs.SafeLevel}),
      engine_(engine) {}

void ModeHost::AllEnabled() { engine_.AllEnabled(); }
void ModeHost::AllDisabled() { engine_.AllDisabled(); }
void ModeHost::NumberPressed() { engine_.NumberPressed(); }
void ModeHost::HideBets() { engine_.HideBets(); }
void ModeHost::ShowField(int index) { engine_.table_.ShowField(index, true); }
std::exception_ptr ModeHost::SettleProposal() { return engine_.SettleProposal(); }
void ModeHost::CreateMatrix() { engine_.CreateMatrix(); }
void ModeHost::Trend_Check() { engine_.Trend_Check(); }
void ModeHost::Balance_Check() { engine_.Balance_Check(); }
bool ModeHost::AnyChipVisible() const { return engine_.AnyChipVisible(); }
void ModeHost::ShowBetsPlayed() { engine_.ShowBetsPlayed(); }
int ModeHost::CurrentNumber() const { return engine_.board_.CurrentNumber(); }
void ModeHost::SetNCount(std::int32_t value) { engine_.SetSpinValue(SpinId::N_Count, value); }
void ModeHost::StartRun(TimerId id) { engine_.StartTimer(id); }
void ModeHost::SetRunInterval(TimerId id, std::int32_t interval_ms) {
    engine_.TimerRef(id).Interval = interval_ms;
}
bool ModeHost::AdvanceRunGauge(std::int32_t step) { return engine_.display_.AdvanceRunGauge(step); }
void ModeHost::EndProgressRun(TimerId id) { engine_.EndProgressRun(id); }
std::int32_t ModeHost::Draw(std::int32_t range) { return engine_.Draw(range); }
std::int32_t ModeHost::DrawSeeded(std::int32_t range) { return engine_.DrawSeeded(range); }

}  // namespace rotacle
