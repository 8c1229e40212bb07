// The Rotacle game: every rule of play without any user interface.
//
// `Game` holds the game record, the board, the table, the mode lists, the
// inputs, the timers and the settings record, and offers each rule of play as
// a method named after it. Operations run one another synchronously in a fixed
// order and may throw `EngineError`; event entry points go through `Event`.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <exception>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "core/ids.h"
#include "core/line_list.h"
#include "core/platform.h"
#include "core/zero_rule.h"
#include "display/display.h"
#include "game/amount_guard.h"
#include "game/game_controls.h"
#include "game/game_journal.h"
#include "game/game_timers.h"
#include "game/game_window.h"
#include "game/inputs.h"
#include "game/play_report.h"
#include "game/session_limits.h"
#include "import/import_panel.h"
#include "modes/modes.h"
#include "settings/settings_record.h"
#include "staking/rules.h"
#include "staking/table.h"

namespace rotacle {

class Game {
public:
    /// Creates the window state at its defaults and runs the start-up.
    explicit Game(Platform& platform);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    /// Runs `op`; an EngineError it throws is shown, and false returned.
    template <class Op>
    bool Event(Op&& op) {
        try {
            op();
            return true;
        } catch (const EngineError& e) {
            platform_.ShowError(e.Message());
            return false;
        }
    }

    /// The program's assignments to the inputs (GameControls).
    void SetEditText(EditId id, std::string_view text) { controls_.SetEditText(id, text); }
    void SetSpinValue(SpinId id, std::int32_t value) { controls_.SetSpinValue(id, value); }
    void SetSpinText(SpinId id, std::string_view text) { controls_.SetSpinText(id, text); }
    void SetChecked(CheckId id, bool checked) { controls_.SetChecked(id, checked); }
    void SetItemIndex(ComboId id, std::int32_t index) { controls_.SetItemIndex(id, index); }
    void SelectItem(ComboId id, std::int32_t index) { controls_.SelectItem(id, index); }
    void SetSafeLevelPosition(std::int32_t position) { controls_.SetSafeLevelPosition(position); }
    void TypeKey(EditId id, char key) { controls_.TypeKey(id, key); }
    void TypeKey(SpinId id, char key) { controls_.TypeKey(id, key); }

    /// The scheduler's short cut: runs at once, as one by one, the ticks of run
    /// `id` (tick k at `first_tick_ms + k * interval_ms`) that only fill its
    /// gauge, at most `max_ticks`. Returns the ticks run (0 while journaled).
    std::int64_t FillRunGauge(TimerId id, std::int64_t first_tick_ms, std::int32_t interval_ms,
                              std::int64_t max_ticks);
    /// Runs the handler of a timer; false when it provably changed nothing.
    bool TimerTick(TimerId id) { return journal_.Tick(id); }

    const Edit& EditControl(EditId id) const;
    const SpinEdit& SpinControl(SpinId id) const;
    const CheckBox& CheckControl(CheckId id) const;
    const ComboBox& ComboControl(ComboId id) const;
    const Timer& TimerControl(TimerId id) const { return timers_[id]; }
    /// Grows whenever a timer may have been started, stopped or re-timed.
    std::uint64_t TimerChanges() const { return timers_.Changes(); }
    TimerId LastChangedTimer() const { return timers_.LastChanged(); }
    void Analyse();
    void CurrentNumber();
    void AllEnabled();
    void AllDisabled();
    void NumberPressed();
    void NumberInactive();
    void HideBets();
    void HideNumbers();
    void GameHistory();
    void GameHistoryBack();
    void SaveState();
    void LoadState();
    void Undo();
    /// Takes the latest spin back (undo offered, no progress run under way).
    void UndoSpin();
    bool UndoOffered() const { return board_.UndoOffered(); }
    void ResetBets();
    void ResetApp();
    void BetStrategyChange();

    void Mode1();
    void Mode2();
    void Mode3();
    void Mode4();
    void Mode5();
    void Mode1TimerTimer();
    void Mode2TimerTimer();
    void Mode3TimerTimer();
    void Mode4TimerTimer();
    void Mode5TimerTimer();
    /// Settles the previous proposal for a mode start; returns a late rules error.
    std::exception_ptr SettleProposal();
    void GameModesChange();
    void SafeLevelChange();
    bool SafeLevel_TimerTimer();
    void DeepScan_Calc();
    void M1Calculate();
    void M2Calculate();
    void M4Calculate();

    // Rank-order matrix (mode 3) and adaptive lists (mode 5).
    void CreateMatrix();
    void M3Calculate();
    void Search_PatternChange();
    void Play_BetsChange();
    void ChBx_Fixed_NumberClick();
    /// The "RM" button: clears the whole matrix game; its list part is Reset_Matrix().
    void ResetMatrix();
    void Analyse_Matrix();
    void Define_Matrix();
    void M5Calculate();
    /// Empties the adaptive candidate lists and their counters only.
    void Reset_Matrix();
    void Trend_Check();

    void WinLose();
    void Win();
    void Lose();
    void MatrixWinLose();
    void MatrixWin();
    void Balance_Check();
    bool AnyChipVisible() const { return table_.BetPlaced(); }

    void LossRuleCountStage();
    void LossRuleDrawdownStage();
    void WinRuleCountStage();
    void WinRuleProfitStage();
    bool LossConditionHolds() const;
    void ApplyLossAction();
    void ApplyWinAction();
    void GatedWinAction();
    void Losses_ActionValueChange();
    void Wins_ActionValueChange();
    void Losses_HowMuchChange();
    void Wins_HowMuchChange();
    void Losses_TypeChange();
    void Losses_ActionChange();
    void Wins_TypeChange();
    void Wins_ActionChange();
    void BetAutomaticReset_Check();
    void GetMinimalProfit_Check();
    void Phase_Correction();
    void Bet_Automatic_ResetClick();
    void Get_Minimal_ProfitClick();
    void ChBx_Phase_CorrectionClick();
    void Phase_Correction_ValueChange();
    void ChBx_Until_ProfitClick();
    void Until_ProfitChange();

    void Test_BankChange();
    void Test_BankKeyPress(char& key);
    void Init_BetChange();
    void Init_BetKeyPress(char& key);
    void ChBx_TestBankClick();
    void N_CountChange();
    double InitialBet() const;
    /// True while the initial bet holds a typed 0 that is no stake yet.
    bool AmountNotYet() const { return amounts_.NotYet(); }
    void WriteSettingsLine(std::size_t i, std::string_view text) { record_.Write(i, text); }
    void SaveSettingsFile(const std::string& path) const;
    void LoadSettingsFile(const std::string& path);
    void Load_Settings_StateClick();
    /// True from the start of a game-mode run to the end of its calculator.
    bool ProgressRunUnderWay() const;
    void EVOLUTIONClick();
    void Timer_EvolutionTimer();
    void LOAD_FROM_FILEClick();
    void ExportHistory(const std::string& path) const;
    void ParseRawList();
    /// The program's folder, or the user's data folder when that is read-only.
    std::string PageFilePath() const;
    /// One display refresh (false when it changed nothing); whether the last one changed nothing.
    bool ShowValuesTimer();
    bool RefreshSettled() const { return refresh_settled_; }

    // ---- Read-only view ---------------------------------------------------------------
    /// The game record and report; the board (history, strip, undo); the bet on the table;
    /// the modes' patterns, lists and trend; the settings record; the import panel; the
    /// shown values, lamps and gauges; the inputs and the buttons that the game enables.
    const GameState& State() const { return state_; }
    const PlayReport& Report() const { return report_; }
    const rotacle::Board& Board() const { return board_; }
    const rotacle::Table& Table() const { return table_; }
    const ModeLists& Modes() const { return modes_; }
    const SettingsRecord& Settings() const { return record_; }
    const ImportPanel& Panel() const { return panel_; }
    const rotacle::Display& Display() const { return display_; }
    const rotacle::Inputs& Inputs() const { return inputs_; }

    // ---- The game by meaning: what the player does (window, driver, tools)
    void EnterNumber(int n);
    /// `field` (0..5) in trend: the other side of its pair is cleared.
    void ChooseTrend(int field);
    void ClearTrend(int field);
    void SkipBet();
    /// The zero rule from the next settlement on, and the session limits: a limit reached
    /// stops play (no proposal, no number taken) until GoOnPastLimit or a new game
    /// (ResetApp). CheckLimitClock looks at the limits of time on the platform's clock.
    void SetZeroRule(ZeroRule rule);
    ZeroRule ZeroRuleInForce() const { return zero_rule_; }
    void SetLimits(const LimitSettings& limits);
    const SessionLimits& Limits() const { return limits_; }
    void CheckLimitClock();
    void GoOnPastLimit();
    /// The money held: the bankroll and the stake on the table.
    double MoneyHeld() const {
        return state_.Bankroll + (AnyChipVisible() && !settling_ ? state_.Bet_Size : 0.0);
    }
    void OpenImportPanel();
    void PastePage();
    void LoadNumberFile();
    void ImportListedNumbers();
    void CloseImportPanel();
    void ExportHistoryByDialog();

    /// Sets the game mode (1..5); the window never does.
    void ForceGameMode(std::int32_t mode);
    void LoadAdaptiveList(std::size_t k, Memo list);
    /// Replaces the settings record with `lines`, then applies it.
    void LoadSettingsLines(Memo lines);
    void ImportNumbers(const std::vector<std::uint8_t>& numbers);
    /// The window the game asks (nullptr for none).
    void SetWindow(GameWindow* window) { window_ = window; }

    /// The journal and the play events (GameJournal).
    void SetJournal(ActionSink* sink) { journal_.SetJournal(sink); }
    void SetPlayListener(PlayListener* listener) { journal_.SetPlayListener(listener); }
    bool ReplayAction(std::string_view line) { return journal_.ReplayAction(line); }
    GameJournal::ReplayStop LastReplayStop() const { return journal_.LastReplayStop(); }
    void NoteWaiting(int n) { journal_.NoteWaiting(n); }
    void NoteWithdrawn() { journal_.NoteWithdrawn(); }
    const std::deque<int>& ReplayedWaiting() const { return journal_.ReplayedWaiting(); }
    void FinishProgressRuns() { journal_.FinishProgressRuns(); }

private:
    void RequestFocus(std::string_view control);
    void StartTimer(TimerId id);
    void StopTimer(TimerId id);
    void EndProgressRun(TimerId id);
    /// Stops every game-mode progress run without its calculation.
    void AbandonProgressRuns();
    bool RunHandler(TimerId id);
    void StartRun(TimerId id);
    void ShowBetsPlayed() { display_.ShowBetsPlayed(state_.Bets_Played); }
    void ShowBankroll() { display_.ShowBankroll(state_.Bankroll); }
    Timer& TimerRef(TimerId id) { return timers_.Change(id); }
    std::array<bool, 6> PlacedFields() const;
    staking::RuleInputs RuleSettings() const;
    void LimitsAfterSpin(bool spun);
    void StopForLimit(LimitKind kind);
    /// While limits count and a journal is kept: the time played, as a line
    /// of its own, when it moved on by a minute since the last one (or at
    /// all, with `now`), so that a resumed session counts on from there.
    void NotePlayed(bool now);

    friend class EngineTestAccess;
    friend class ModeHost;
    friend class GameJournal;
    friend class GameControls;

    Platform& platform_;
    GameWindow* window_ = nullptr;
    GameJournal journal_{*this};
    GameControls controls_{*this};
    GameState state_;
    PlayReport report_;
    rotacle::Board board_;
    rotacle::Table table_;
    ModeLists modes_;
    SettingsRecord record_;
    ImportPanel panel_;
    rotacle::Display display_;
    rotacle::Inputs inputs_;
    GameTimers timers_;

    // A spin is being settled: the stake the chips show is not on the table.
    bool settling_ = false;
    bool refresh_settled_ = false;
    ZeroRule zero_rule_ = ZeroRule::None;
    SessionLimits limits_;
    std::int64_t played_noted_ = 0;  // the time played that the journal holds last
    // The amounts in force while the initial bet or test bank hold a refused text.
    AmountGuard amounts_;
};

}  // namespace rotacle
