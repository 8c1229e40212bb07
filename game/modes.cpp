// Game modes on this game: the entry points of the modes' starts, progress
// runs and calculators, the settlement at a start, the run gauge filled at
// once, the selector and the safety level, the deep scan and the trend filter.
#include <algorithm>
#include <exception>
#include <limits>

#include "game/action_scope.h"
#include "game/game.h"
#include "game/mode_host.h"
#include "settings/settings_lines.h"

namespace rotacle {

// ---- Start operations ---------------------------------------------------------------
// The modes themselves live in modes/; these entry points run them on this game.

void Game::Mode1() {
    ModeHost host(*this);
    EngineModes::kRandom.Start(host);
}

void Game::Mode2() {
    ModeHost host(*this);
    EngineModes::kSmart.Start(host);
}

void Game::Mode3() {
    ModeHost host(*this);
    EngineModes::kMatrix.Start(host);
}

void Game::Mode4() {
    ModeHost host(*this);
    EngineModes::kInterval.Start(host);
}

void Game::Mode5() {
    ModeHost host(*this);
    EngineModes::kAdaptive.Start(host);
}

std::exception_ptr Game::SettleProposal() {
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

void Game::EndProgressRun(TimerId id) {
    const bool going = TimerControl(id).Enabled;
    StopTimer(id);
    display_.EmptyRunGauge();
    if (journal_.Happenings() && going) journal_.NoteRun(PlayEventKind::RunEnded, id);
}

void Game::AbandonProgressRuns() {
    for (TimerId id : kModeTimers) {
        const bool going = TimerControl(id).Enabled;
        StopTimer(id);
        if (journal_.Happenings() && going) journal_.NoteRun(PlayEventKind::RunEnded, id);
    }
    display_.EmptyRunGauge();
    // The draws of the runs ended here belong to no action that a replay
    // will run again.
    journal_.ClearDraws();
    state_.Engine_Ready = 1;
}

std::int64_t Game::FillRunGauge(TimerId id, std::int64_t first_tick_ms, std::int32_t interval_ms,
                                std::int64_t max_ticks) {
    if (journal_.Kept() || journal_.Replaying() || !IsModeTimer(id) || !TimerControl(id).Enabled ||
        interval_ms <= 0)
        return 0;
    // A drawn step is seeded with the clock's second, the same for every tick
    // of that second; the others are fixed.
    const RunStep run_step = EngineModes::Of(id).Step();
    const bool drawn = run_step.drawn;
    constexpr std::int64_t kNoBound = std::numeric_limits<std::int64_t>::max();
    std::int64_t ran = 0;
    std::int32_t gauge = display_.CGauge1().Position;
    while (ran < max_ticks) {
        const std::int64_t ms = first_tick_ms + ran * interval_ms;
        const std::int64_t second = ms / 1000;
        std::int32_t step = run_step.base;
        if (drawn) {
            platform_.RandSeed(static_cast<std::uint32_t>(second));
            step += platform_.Random(8);
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

void Game::Mode1TimerTimer() {
    ModeHost host(*this);
    EngineModes::kRandom.Tick(host);
}

void Game::Mode2TimerTimer() {
    ModeHost host(*this);
    EngineModes::kSmart.Tick(host);
}

void Game::Mode3TimerTimer() {
    ModeHost host(*this);
    EngineModes::kMatrix.Tick(host);
}

void Game::Mode4TimerTimer() {
    ModeHost host(*this);
    EngineModes::kInterval.Tick(host);
}

void Game::Mode5TimerTimer() {
    ModeHost host(*this);
    EngineModes::kAdaptive.Tick(host);
}

// ---- Selector and safety level ---------------------------------------------------

void Game::GameModesChange() {
    RequestFocus("ShowBetSize");
    inputs_.GameModes.SetItemIndex(1);
    WriteSettingsLine(settings_line::kGameMode, IntToStr(inputs_.GameModes.ItemIndex));
}

void Game::SafeLevelChange() {
    const std::int32_t pos = inputs_.SafeLevel.Position;
    display_.ShowSafeLevel(pos);
    TimerRef(TimerId::SafeLevel_Timer).Enabled = pos > 0;
    WriteSettingsLine(settings_line::kSafeLevel, IntToStr(pos));
}

bool Game::SafeLevel_TimerTimer() {
    return display_.ShowSafeLevelLamps(inputs_.SafeLevel.Position - 1 > state_.Miss_Streak);
}

// ---- Deep scan and calculators ---------------------------------------------------------

void Game::DeepScan_Calc() {
    DeepScanStep(state_.DeepScan_Number, state_.DeepScan_Step, state_.DeepScan_Family,
                 board_.CurrentNumber());
}

void Game::M1Calculate() {
    ModeHost host(*this);
    EngineModes::kRandom.Calculate(host);
}

void Game::M2Calculate() {
    ModeHost host(*this);
    EngineModes::kSmart.Calculate(host);
}

void Game::M4Calculate() {
    ModeHost host(*this);
    EngineModes::kInterval.Calculate(host);
}

// ---- Trend filter ---------------------------------------------------------------------------

void Game::ChooseTrend(int field) {
    const ActionScope action(*this, [&] { return "trend " + IntToStr(field); });
    if (field >= 0 && field < 6) modes_.ChooseTrend(field);
}

void Game::ClearTrend(int field) {
    const ActionScope action(*this, [&] { return "untrend " + IntToStr(field); });
    if (field >= 0 && field < 6) modes_.DropTrend(field);
}

void Game::Trend_Check() {
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
