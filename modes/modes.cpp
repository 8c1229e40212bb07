// Game modes: start operations, progress runs, the proposal step, the deep
// scan with the calculators of modes 1, 2 and 4, and the trend filter.
#include <algorithm>
#include <exception>

#include "core/engine.h"
#include "io/settings_lines.h"

namespace rotacle {

namespace {

// Opposite side of each field index (Less<->More, Even<->Odd, Red<->Black).
constexpr std::array<int, 6> kOpposite = {5, 4, 3, 2, 1, 0};

}  // namespace

// ---- Start operations ---------------------------------------------------------------

std::exception_ptr Engine::BeginModeStart(bool settle) {
    AllDisabled();
    NumberPressed();
    std::exception_ptr error;
    if (settle) error = SettleProposal();
    HideBets();
    return error;
}

void Engine::EndModeStart(TimerId run, const std::exception_ptr& error) {
    StartTimer(run);
    if (error) std::rethrow_exception(error);
}

void Engine::Mode1() { EndModeStart(TimerId::Mode1Timer, BeginModeStart(true)); }

void Engine::Mode2() { EndModeStart(TimerId::Mode2Timer, BeginModeStart(true)); }

void Engine::Mode3() {
    if (State.Matrix_Bets_Played >= Play_Bets.Value()) {
        State.Matrix_Bets_Played = 0;
        const auto error = SettleProposal();
        CreateMatrix();
        if (error) std::rethrow_exception(error);
        return;
    }
    AllDisabled();
    NumberPressed();
    const auto error = SettleProposal();
    // A win that reached the profit goal has rebuilt the matrix, which
    // unlocked the board and proposed; that proposal's stake was given back
    // in advance, so it is hidden like any other and the run proposes anew.
    // The board stays locked until the run's calculator.
    AllDisabled();
    NumberPressed();
    HideBets();
    State.Engine_Ready = 0;
    StartTimer(TimerId::Mode3Timer);
    if (error) std::rethrow_exception(error);
}

void Engine::Mode4() {
    const std::exception_ptr error = BeginModeStart(true);
    // The interval draw continues the sequence of the last seeded draw.
    std::int32_t interval = platform_.Random(100);
    if (interval == 0) interval = 50;
    TimerControl(TimerId::Mode4Timer).Interval = interval;
    EndModeStart(TimerId::Mode4Timer, error);
}

// Mode 5 settles only once a candidate list has been chosen.
void Engine::Mode5() { EndModeStart(TimerId::Mode5Timer, BeginModeStart(State.Adaptive_Defined == 1)); }

std::exception_ptr Engine::SettleProposal() {
    // The staking rules run after the result is booked and may fail on an
    // initial bet that is no number. The settled bet must not stay on the
    // table then (a later skip would refund it again) and the spin must go
    // on to its next proposal, or the board would stay locked: the start
    // finishes its steps and reports the error at its end.
    try {
        WinLose();
    } catch (const EngineError&) {
        HideBets();
        return std::current_exception();
    }
    return nullptr;
}

// ---- Progress runs ------------------------------------------------------------------

bool Engine::AdvanceGauge(std::int32_t step) {
    CGauge1.Position = std::clamp(CGauge1.Position + step, 0, 100);
    return CGauge1.Position >= 100;
}

void Engine::EndProgressRun(TimerId id) {
    StopTimer(id);
    CGauge1.Position = 0;
}

void Engine::AbandonProgressRuns() {
    for (TimerId id : kModeTimers) StopTimer(id);
    CGauge1.Position = 0;
    State.Engine_Ready = 1;
}

void Engine::Mode1TimerTimer() {
    if (!AdvanceGauge(DrawSeeded(8))) {
        State.Engine_Ready = 0;
        return;
    }
    State.Engine_Ready = 1;
    M1Calculate();
    EndProgressRun(TimerId::Mode1Timer);
}

void Engine::Mode2TimerTimer() {
    if (!AdvanceGauge(2 + DrawSeeded(8))) {
        State.Engine_Ready = 0;
        return;
    }
    State.Engine_Ready = 1;
    M2Calculate();
    EndProgressRun(TimerId::Mode2Timer);
}

void Engine::Mode3TimerTimer() {
    if (!AdvanceGauge(10)) return;
    M3Calculate();
    Trend_Check();
    State.Engine_Ready = 1;
    EndProgressRun(TimerId::Mode3Timer);
}

void Engine::Mode4TimerTimer() {
    if (!AdvanceGauge(1)) return;
    M4Calculate();
    EndProgressRun(TimerId::Mode4Timer);
}

void Engine::Mode5TimerTimer() {
    if (!AdvanceGauge(8)) return;
    Analyse_Matrix();
    AllEnabled();
    EndProgressRun(TimerId::Mode5Timer);
}

// ---- Proposal ----------------------------------------------------------------------

void Engine::ShowField(int index, bool visible) {
    const auto i = static_cast<std::size_t>(index);
    FieldHighlight[i].Visible = visible;
    Chip[i].Visible = visible;
    BetSizeShow[i].Visible = visible;
}

void Engine::Propose(std::int32_t k) {
    State.Bet_Field = k;
    if (k >= 1 && k <= 6 && State.Miss_Streak >= SafeLevel.Position) ShowField(k - 1, true);
}

void Engine::ProposalTail() {
    Trend_Check();
    Balance_Check();
    if (AnyChipVisible()) ++State.Bets_Played;
}

void Engine::GameModesChange() {
    Focus = "ShowBetSize";
    GameModes.SetItemIndex(1);
}

void Engine::SafeLevelChange() {
    const std::int32_t pos = SafeLevel.Position;
    Label4.Caption = IntToStr(pos);
    const bool on = pos > 0;
    TimerControl(TimerId::SafeLevel_Timer).Enabled = on;
    SL_Indicator1.Visible = on;
    SL_Indicator2.Visible = on;
    WriteSettingsLine(settings_line::kSafeLevel, IntToStr(pos));
}

bool Engine::SafeLevel_TimerTimer() {
    const bool far = SafeLevel.Position - 1 > State.Miss_Streak;
    if (far) {
        const bool changed = !SL_Indicator1.Visible || SL_Indicator2.Visible;
        SL_Indicator1.Visible = true;
        SL_Indicator2.Visible = false;
        return changed;
    }
    const bool changed = !SL_Indicator2.Visible;
    SL_Indicator2.Visible = true;
    return changed;
}

// ---- Deep scan and calculators ---------------------------------------------------------

void Engine::DeepScanStep(std::int32_t& number, std::int32_t& step, std::int32_t& family, int n) {
    number += n;
    if (number > 36) number -= 36;
    number += step;
    if (number > 36) number -= 36;
    ++step;
    if (step > 36) step = 0;
    family = (family + n) % 3;
}

void Engine::DeepScan_Calc() {
    DeepScanStep(State.DeepScan_Number, State.DeepScan_Step, State.DeepScan_Family, CurrentNum.Tag);
}

void Engine::M2Calculate() {
    AllEnabled();
    const int s = State.DeepScan_Number;
    // The scan number is 1..36 whenever this runs; 0 would take the second
    // field of each pair (Black, Even, More).
    std::int32_t field = 0;
    switch (State.DeepScan_Family) {
        case 0: field = IsRed(s) ? 3 : 4; break;
        case 1: field = (s % 2 == 1) ? 5 : 2; break;
        default: field = (s >= 1 && s <= 18) ? 1 : 6; break;
    }
    Propose(field);
    ProposalTail();
}

void Engine::M1Calculate() {
    AllEnabled();
    std::int32_t index = 0;
    if (CatRows.Checked && State.Wins_Count > 0)
        index = State.Bet_Field - 1;
    else
        index = DrawSeeded(6);
    Propose(index + 1);
    ProposalTail();
}

void Engine::M4Calculate() { M1Calculate(); }

// ---- Trend filter ---------------------------------------------------------------------------

void Engine::Trend_0MouseMove(int field) {
    if (field >= 0 && field < 6) Trend_1[static_cast<std::size_t>(field)].Visible = true;
}

void Engine::Trend_1Click(int field) {
    if (field < 0 || field >= 6) return;
    Trend_2[static_cast<std::size_t>(kOpposite[static_cast<std::size_t>(field)])].Visible = false;
    Trend_2[static_cast<std::size_t>(field)].Visible = true;
}

void Engine::Trend_2Click(int field) {
    if (field >= 0 && field < 6) Trend_2[static_cast<std::size_t>(field)].Visible = false;
}

void Engine::Trend_Check() {
    if (State.Game_Mode == 3) return;
    for (int chosen = 0; chosen < 6; ++chosen) {
        const int other = kOpposite[static_cast<std::size_t>(chosen)];
        if (Trend_2[static_cast<std::size_t>(chosen)].Visible && State.Bet_Field == other + 1 &&
            State.Miss_Streak >= SafeLevel.Position) {
            ShowField(other, false);
            State.Bet_Field = chosen + 1;
            ShowField(chosen, true);
            return;  // the two sides of a pair are never chosen together
        }
    }
}

}  // namespace rotacle
