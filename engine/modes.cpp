// Game modes: start operations, progress runs, the proposal step, the deep
// scan with the calculators of modes 1, 2 and 4, and the trend filter.
#include <algorithm>
#include <exception>
#include <limits>

#include "engine/action_scope.h"
#include "engine/engine.h"
#include "settings/settings_lines.h"

namespace rotacle {

std::int32_t Engine::NotedDraw(std::int32_t range) {
    // A replay gives back the journal's draws; otherwise the generator draws.
    const std::int32_t value = replay_draw_next_ < replay_draws_.size() ? replay_draws_[replay_draw_next_++]
                                                                        : platform_.Random(range);
    if (journal_) pending_draws_.push_back(value);
    return value;
}

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
    if (state_.Matrix_Bets_Played >= inputs_.Play_Bets.Value()) {
        state_.Matrix_Bets_Played = 0;
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
    state_.Engine_Ready = 0;
    StartTimer(TimerId::Mode3Timer);
    if (error) std::rethrow_exception(error);
}

void Engine::Mode4() {
    const std::exception_ptr error = BeginModeStart(true);
    // The interval draw continues the sequence of the last seeded draw.
    std::int32_t interval = Draw(100);
    if (interval == 0) interval = 50;
    TimerRef(TimerId::Mode4Timer).Interval = interval;
    EndModeStart(TimerId::Mode4Timer, error);
}

// Mode 5 settles only once a candidate list has been chosen.
void Engine::Mode5() { EndModeStart(TimerId::Mode5Timer, BeginModeStart(state_.Adaptive_Defined == 1)); }

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

void Engine::EndProgressRun(TimerId id) {
    StopTimer(id);
    display_.EmptyRunGauge();
}

void Engine::AbandonProgressRuns() {
    for (TimerId id : kModeTimers) StopTimer(id);
    display_.EmptyRunGauge();
    // The draws of the runs ended here belong to no action that a replay
    // will run again.
    pending_draws_.clear();
    replay_draws_.clear();
    replay_draw_next_ = 0;
    state_.Engine_Ready = 1;
}

std::int64_t Engine::FillRunGauge(TimerId id, std::int64_t first_tick_ms, std::int32_t interval_ms,
                                  std::int64_t max_ticks) {
    if (journal_ || Replaying() || !IsModeTimer(id) || !TimerControl(id).Enabled || interval_ms <= 0)
        return 0;
    // Modes 1 and 2 step by a draw seeded with the clock's second, the same
    // for every tick of that second; the others by a fixed step.
    const bool drawn = id == TimerId::Mode1Timer || id == TimerId::Mode2Timer;
    std::int32_t fixed = 0;
    switch (id) {
        case TimerId::Mode3Timer: fixed = 10; break;
        case TimerId::Mode4Timer: fixed = 1; break;
        case TimerId::Mode5Timer: fixed = 8; break;
        default: break;
    }
    constexpr std::int64_t kNoBound = std::numeric_limits<std::int64_t>::max();
    std::int64_t ran = 0;
    std::int32_t gauge = display_.CGauge1().Position;
    while (ran < max_ticks) {
        const std::int64_t ms = first_tick_ms + ran * interval_ms;
        const std::int64_t second = ms / 1000;
        std::int32_t step = fixed;
        if (drawn) {
            platform_.RandSeed(static_cast<std::uint32_t>(second));
            const std::int32_t d = platform_.Random(8);
            step = id == TimerId::Mode2Timer ? 2 + d : d;
        }
        // Three bounds on the ticks that go in this round: the ticks left
        // (`left`), the ticks before the one that fills the gauge (`fill`),
        // and for a drawn step the ticks left in this second, whose step
        // ends with it. The ticks of the second are counted by a division
        // only when the other bounds do not end the round first.
        const std::int64_t left = max_ticks - ran;
        const std::int64_t fill = gauge >= 100 || step < 0 ? 0 : step > 0 ? (99 - gauge) / step : kNoBound;
        const std::int64_t end_ms = (second + 1) * 1000;
        const auto within_second = [&](std::int64_t ticks) {
            return !drawn || ms + ticks * interval_ms < end_ms;
        };
        std::int64_t fits = 0;
        bool filled = false;  // the next tick fills the gauge
        if (fill < left && within_second(fill)) {
            fits = fill;
            filled = true;
        } else if (fill >= left && within_second(left)) {
            fits = left;
        } else {
            // The second ends first: every tick left in it goes.
            fits = static_cast<std::uint32_t>(end_ms - ms + interval_ms - 1) /
                   static_cast<std::uint32_t>(interval_ms);
        }
        gauge = static_cast<std::int32_t>(gauge + fits * step);
        ran += fits;
        if (fits > 0 && drawn) state_.Engine_Ready = 0;
        if (filled) break;
    }
    display_.SetRunGauge(gauge);
    return ran;
}

void Engine::Mode1TimerTimer() {
    if (!display_.AdvanceRunGauge(DrawSeeded(8))) {
        state_.Engine_Ready = 0;
        return;
    }
    state_.Engine_Ready = 1;
    M1Calculate();
    EndProgressRun(TimerId::Mode1Timer);
}

void Engine::Mode2TimerTimer() {
    if (!display_.AdvanceRunGauge(2 + DrawSeeded(8))) {
        state_.Engine_Ready = 0;
        return;
    }
    state_.Engine_Ready = 1;
    M2Calculate();
    EndProgressRun(TimerId::Mode2Timer);
}

void Engine::Mode3TimerTimer() {
    if (!display_.AdvanceRunGauge(10)) return;
    M3Calculate();
    Trend_Check();
    state_.Engine_Ready = 1;
    EndProgressRun(TimerId::Mode3Timer);
}

void Engine::Mode4TimerTimer() {
    if (!display_.AdvanceRunGauge(1)) return;
    M4Calculate();
    EndProgressRun(TimerId::Mode4Timer);
}

void Engine::Mode5TimerTimer() {
    if (!display_.AdvanceRunGauge(8)) return;
    Analyse_Matrix();
    AllEnabled();
    EndProgressRun(TimerId::Mode5Timer);
}

// ---- Proposal ----------------------------------------------------------------------

void Engine::Propose(std::int32_t k) {
    state_.Bet_Field = k;
    if (k >= 1 && k <= 6 && state_.Miss_Streak >= inputs_.SafeLevel.Position) table_.ShowField(k - 1, true);
}

void Engine::ProposalTail() {
    Trend_Check();
    Balance_Check();
    if (AnyChipVisible()) ++state_.Bets_Played;
}

void Engine::GameModesChange() {
    chrome_.RequestFocus("ShowBetSize");
    inputs_.GameModes.SetItemIndex(1);
}

void Engine::SafeLevelChange() {
    const std::int32_t pos = inputs_.SafeLevel.Position;
    display_.ShowSafeLevel(pos);
    TimerRef(TimerId::SafeLevel_Timer).Enabled = pos > 0;
    WriteSettingsLine(settings_line::kSafeLevel, IntToStr(pos));
}

bool Engine::SafeLevel_TimerTimer() {
    return display_.ShowSafeLevelLamps(inputs_.SafeLevel.Position - 1 > state_.Miss_Streak);
}

// ---- Deep scan and calculators ---------------------------------------------------------

void Engine::DeepScan_Calc() {
    DeepScanStep(state_.DeepScan_Number, state_.DeepScan_Step, state_.DeepScan_Family,
                 board_.CurrentNumber());
}

void Engine::M2Calculate() {
    AllEnabled();
    Propose(SmartField(state_.DeepScan_Number, state_.DeepScan_Family));
    ProposalTail();
}

void Engine::M1Calculate() {
    AllEnabled();
    std::int32_t index = 0;
    if (inputs_.CatRows.Checked && state_.Wins_Count > 0)
        index = state_.Bet_Field - 1;
    else
        index = DrawSeeded(6);
    Propose(index + 1);
    ProposalTail();
}

void Engine::M4Calculate() { M1Calculate(); }

// ---- Trend filter ---------------------------------------------------------------------------

void Engine::Trend_0MouseMove(int field) { chrome_.HoverTrend(field); }

void Engine::Trend_1Click(int field) {
    const ActionScope action(*this, [&] { return "trend " + IntToStr(field); });
    if (field >= 0 && field < 6) modes_.ChooseTrend(field);
}

void Engine::Trend_2Click(int field) {
    const ActionScope action(*this, [&] { return "untrend " + IntToStr(field); });
    if (field >= 0 && field < 6) modes_.DropTrend(field);
}

void Engine::Trend_Check() {
    if (state_.Game_Mode == 3) return;
    for (int chosen = 0; chosen < 6; ++chosen) {
        if (!modes_.TrendChosen(chosen)) continue;
        const int other = OppositeField(chosen);
        if (state_.Bet_Field == other + 1 && state_.Miss_Streak >= inputs_.SafeLevel.Position) {
            table_.ShowField(other, false);
            state_.Bet_Field = chosen + 1;
            table_.ShowField(chosen, true);
            return;  // the two sides of a pair are never chosen together
        }
    }
}

}  // namespace rotacle
