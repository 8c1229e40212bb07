// The Rotacle game: every rule of play without any user interface.
//
// `Game` holds the game record, the board, the table, the mode lists, the
// inputs, the timers and the settings record, and offers each rule of play
// as a method named after it (`Analyse`, `WinLose`, `ResetBets` ...). The
// window's own state and events are the engine's (engine/engine.h).
// Operations run one another synchronously in a fixed order and may throw
// `EngineError`; event entry points go through `Event`, which hands such an
// error to the platform's message box and keeps what the operation had
// already changed.
//
// A value that the program assigns to a control runs the control's change or
// click operation only when the value actually changes, as a user edit does;
// use the `Set...` methods for that.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "board/board.h"
#include "core/action_sink.h"
#include "core/controls.h"
#include "core/game_state.h"
#include "core/ids.h"
#include "core/line_list.h"
#include "core/platform.h"
#include "core/play_events.h"
#include "display/display.h"
#include "game/amount_guard.h"
#include "game/game_journal.h"
#include "game/game_timers.h"
#include "game/game_window.h"
#include "game/inputs.h"
#include "import/import_panel.h"
#include "modes/modes.h"
#include "settings/settings_record.h"
#include "staking/rules.h"
#include "staking/table.h"

namespace rotacle {

/// What the game reports of its play for tools that follow a session
/// (the backtest): it is no control and nothing in the program reads it.
struct PlayReport {
    std::int64_t Proposals = 0;    ///< calculator runs that proposed a field
    std::int64_t Bets_Placed = 0;  ///< proposals shown, that is stakes booked
    std::int64_t Cycles_Won = 0;   ///< automatic resets after a won cycle
    // The settlement of the latest spin.
    bool Settled = false;  ///< a proposal was settled by the latest number
    bool Won = false;
    bool Placed = false;  ///< the settled proposal was a placed bet
    double Stake = 0;     ///< stake of the settled bet (when placed)
};

class Game {
public:
    /// Creates the window state at its defaults and runs the start-up.
    explicit Game(Platform& platform);

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // ---- Event entry ------------------------------------------------------

    /// Runs one event: `op` is called; an EngineError it throws is shown in
    /// the platform's message box and the event ends there.
    /// Returns false when an error was shown.
    template <class Op>
    bool Event(Op&& op) {
        try {
            op();
            return true;
        } catch (const EngineError& e) {
            platform_.ShowMessage(e.what());
            return false;
        }
    }

    // ---- Program assignments to controls (change operation on change) ----

    /// Assigns an edit's text, then runs its change operation. The initial
    /// bet and the test bank take every text, so that the player can always
    /// edit back to an amount; a text there that is no usable amount (no
    /// number, or out of range) is refused as a value: the message is shown
    /// once, when the text turns bad, and the amount in force stays until
    /// the text is an amount again. The rule amounts refuse an out-of-range
    /// text whole.
    void SetEditText(EditId id, std::string_view text);
    /// Assigns a spin-edit value, clamped to the control's limits.
    void SetSpinValue(SpinId id, std::int32_t value);
    /// Assigns a spin-edit text as it stands (for an emptied edit).
    void SetSpinText(SpinId id, std::string_view text);
    void SetChecked(CheckId id, bool checked);
    /// Sets a list's item index; runs no operation (a program assignment).
    void SetItemIndex(ComboId id, std::int32_t index);
    /// The player picks an item: index set, then the change operation.
    void SelectItem(ComboId id, std::int32_t index);
    /// Assigns the track-bar position of `SafeLevel`, clamped to 0..10.
    void SetSafeLevelPosition(std::int32_t position);
    /// One key typed into an edit: key filter, key-press handler, then the
    /// character is inserted at the end (backspace deletes the last one) and
    /// the change operation runs when the text changed. Does nothing for a
    /// disabled or read-only edit.
    void TypeKey(EditId id, char key);
    void TypeKey(SpinId id, char key);
    /// Runs, in one step, the ticks of game-mode run `id` that only fill its
    /// gauge: at most `max_ticks` of them, tick k at `first_tick_ms + k *
    /// interval_ms` of a host whose clock reads the whole seconds of that
    /// millisecond clock. It stops before the tick that would fill the gauge,
    /// which the host runs as an ordinary `TimerTick`. The effect is that of
    /// the same ticks one by one (gauge, `Engine_Ready`, the generator's
    /// state); each second's seeded draw is made once. Returns the ticks run:
    /// 0 while a journal is kept or replayed (those take their draws one by one).
    /// Only the scheduler calls it, as its short cut through a run's ticks.
    std::int64_t FillRunGauge(TimerId id, std::int64_t first_tick_ms, std::int32_t interval_ms,
                              std::int64_t max_ticks);
    /// Runs the handler of a timer (the host decides when).
    /// Returns false when the tick provably changed nothing (a display or lamp
    /// refresh that found everything in place). A tick of a game-mode timer
    /// that leaves its timer enabled has only advanced `CGauge1` (and set
    /// `Engine_Ready` to 0 for modes 1 and 2).
    bool TimerTick(TimerId id) { return journal_.Tick(id); }

    const Edit& EditControl(EditId id) const;
    const SpinEdit& SpinControl(SpinId id) const;
    const CheckBox& CheckControl(CheckId id) const;
    const ComboBox& ComboControl(ComboId id) const;
    const Timer& TimerControl(TimerId id) const { return timers_[id]; }
    /// Grows whenever a timer may have been started, stopped or re-timed: a
    /// host that keeps its own schedule of the timers looks again only then.
    std::uint64_t TimerChanges() const { return timers_.Changes(); }
    /// The timer of the last of those changes.
    TimerId LastChangedTimer() const { return timers_.LastChanged(); }

    // ---- Spin entry and the per-spin pipeline ----------------------------

    void Analyse();
    void CurrentNumber();
    void AllEnabled();
    void AllDisabled();
    void NumberPressed();
    void NumberInactive();
    void HideBets();
    /// Hides the number cells without touching the side controls.
    void HideNumbers();

    // ---- History strip ----------------------------------------------------

    void GameHistory();
    void GameHistoryBack();
    /// Colour number of a number on the strip.
    static Color NumberColour(int n) { return Board::NumberColour(n); }

    // ---- Undo ---------------------------------------------------------------

    void SaveState();
    void LoadState();
    void Undo();
    /// Takes the latest spin back, when undo is offered and no progress run
    /// is under way.
    void UndoSpin();
    bool UndoOffered() const { return board_.UndoOffered(); }

    // ---- Resets -------------------------------------------------------------

    void ResetBets();
    void ResetApp();
    void BetStrategyChange();

    // ---- Game modes ---------------------------------------------------------

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
    /// Settles the previous proposal (`WinLose`) for a mode start. When the
    /// staking rules fail after the result is booked, the settled bet is
    /// hidden and the error is returned for the start to report at its end.
    std::exception_ptr SettleProposal();
    void GameModesChange();
    void SafeLevelChange();
    /// Returns false when the lamps were already as the tick left them.
    bool SafeLevel_TimerTimer();

    void DeepScan_Calc();
    /// One step of the deep scan by number n on the three running values.
    static void DeepScanStep(std::int32_t& number, std::int32_t& step, std::int32_t& family, int n) {
        rotacle::DeepScanStep(number, step, family, n);
    }
    void M1Calculate();
    void M2Calculate();
    void M4Calculate();

    // Rank-order matrix (mode 3) and adaptive lists (mode 5).
    void CreateMatrix();
    void M3Calculate();
    void Search_PatternChange();
    void Play_BetsChange();
    void ChBx_Fixed_NumberClick();
    /// The "RM" button: clears the whole matrix game (bets, candidate lists,
    /// shown numbers), sets the bankroll to 1,000,000, turns "RM" off and
    /// "CM" on and drops the undo command. A journaled action of the player;
    /// its list part is Reset_Matrix().
    void ResetMatrix();
    void Analyse_Matrix();
    void Define_Matrix();
    void M5Calculate();
    /// Empties the adaptive candidate lists and their row and "defined"
    /// counters only; no button, bet, bankroll or journal changes. Run by
    /// ResetMatrix() (the "RM" button) as its list step.
    void Reset_Matrix();

    // ---- Trend filter (family of 18 handlers, field index 0..5) ----------

    void Trend_Check();

    // ---- Settlement -----------------------------------------------------------

    void WinLose();
    void Win();
    void Lose();
    void MatrixWinLose();
    void MatrixWin();
    void Balance_Check();
    /// True while any of the six chips is visible: a bet is placed.
    bool AnyChipVisible() const { return table_.BetPlaced(); }

    // ---- Staking rules ----------------------------------------------------------

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
    /// Numeric key filter of the money edits: returns the character to
    /// insert, or 0 when it is dropped.
    static char NumericKeyFilter(std::string_view current_text, char key) {
        return staking::NumericKeyFilter(current_text, key);
    }

    // ---- Automatic reset, minimal profit, phase correction -----------------

    void BetAutomaticReset_Check();
    void GetMinimalProfit_Check();
    void Phase_Correction();
    void Bet_Automatic_ResetClick();
    void Get_Minimal_ProfitClick();
    void ChBx_Phase_CorrectionClick();
    void Phase_Correction_ValueChange();
    void ChBx_Until_ProfitClick();
    void Until_ProfitChange();

    // ---- Test bank and bet inputs ----------------------------------------------

    void Test_BankChange();
    void Test_BankKeyPress(char& key);
    void Init_BetChange();
    void Init_BetKeyPress(char& key);
    void ChBx_TestBankClick();
    void N_CountChange();
    /// The number in `Init_Bet`, read afresh (throws when it is no number).
    double InitialBet() const;

    // ---- Settings record and file -----------------------------------------------

    /// Line i of the settings record, or an empty text when there is none.
    std::string_view SettingsLine(std::size_t i) const { return record_.Line(i); }
    /// Replaces line i; nothing happens when the record has no line i.
    void WriteSettingsLine(std::size_t i, std::string_view text) { record_.Write(i, text); }
    void WriteSettingsNumber(std::size_t i, std::int64_t value) { record_.WriteNumber(i, value); }
    /// Writes the record to `path`, replacing the file atomically.
    void SaveSettingsFile(const std::string& path) const;
    /// Replaces the record with the lines of `path`, then applies it.
    void LoadSettingsFile(const std::string& path);
    /// Applies the record to the controls in their fixed order.
    void Load_Settings_StateClick();

    // ---- Import panel, number files and history export ---------------------------

    /// True from the start of a game-mode run to the end of its calculator
    /// (`Engine_Ready` 0 or a progress timer running).
    bool ProgressRunUnderWay() const;
    /// Paste from the live-casino page: saves the clipboard as the page file
    /// and starts `Timer_Evolution`.
    void EVOLUTIONClick();
    /// Reads the rendered page and fills `Import_List` with its numbers.
    void Timer_EvolutionTimer();
    /// Load a number file into `Import_List` through the open dialog.
    void LOAD_FROM_FILEClick();
    /// Writes the history to `path` (CR LF line ends), replacing it atomically.
    void ExportHistory(const std::string& path) const;
    /// Fills `Import_List` from the lines of a rendered page, last line first,
    /// keeping the lines that are a roulette number after the suffix strip.
    void ParseRawList();
    /// Strips a trailing "x", then trailing zeros, then one more character
    /// ("17500x" -> "17", "32x" -> "3"); a line without a final "x" is kept.
    static void SuffixStrip(std::string& line) { ImportPanel::SuffixStrip(line); }
    /// Where the page file is saved: the program's folder, or the user's
    /// application data folder when the program's folder is not writable.
    std::string PageFilePath() const;

    // ---- Display refresh ---------------------------------------------------------------

    /// One display refresh. Returns false when it found every value in place
    /// and changed nothing.
    bool ShowValuesTimer();
    /// True when the last display refresh left every value in place, so
    /// that running it again before anything else happens changes nothing.
    bool RefreshSettled() const { return refresh_settled_; }

    // ---- Read-only view ---------------------------------------------------------------

    /// The game record.
    const GameState& State() const { return state_; }
    const PlayReport& Report() const { return report_; }
    /// The number board, the spin history, the strip and the undo command.
    const Board& board() const { return board_; }
    /// The bet on the table: highlights, chips and stake labels.
    const Table& table() const { return table_; }
    /// The patterns, candidate lists and trend choice of the game modes.
    const ModeLists& modes() const { return modes_; }
    /// The settings record.
    const SettingsRecord& settings() const { return record_; }
    /// The import panel.
    const ImportPanel& panel() const { return panel_; }
    /// The shown values, lamps and gauges.
    const Display& display() const { return display_; }
    /// The inputs and the buttons that the game enables.
    const Inputs& inputs() const { return inputs_; }

    // ---- The game by meaning ------------------------------------------------------------
    // What the player does, named for what it does rather than for the picture
    // clicked. The window's click handlers run these; the driver, the backtest
    // and the sweep play through them.

    /// Enters number n (0..36) as the wheel produced it.
    void EnterNumber(int n);
    /// Declares `field` (0..5) in trend: the other side of its pair is cleared.
    void ChooseTrend(int field);
    /// Clears the trend choice of `field` (0..5).
    void ClearTrend(int field);
    /// Takes the shown bet off the table and gives its stake back.
    void SkipBet();
    /// Opens the import panel (only while no progress run is under way).
    void OpenImportPanel();
    /// Pastes the live-casino page from the clipboard, when the panel is open
    /// and its paste command is not busy.
    void PastePage();
    /// Loads a number file chosen in the open dialog into the panel's list,
    /// when the panel is open and its load command is not busy.
    void LoadNumberFile();
    /// Imports the panel's list (when IMPORT is enabled): every line is checked
    /// before the history is replaced.
    void ImportListedNumbers();
    /// Closes the import panel.
    void CloseImportPanel();
    /// Exports the history to the file chosen in the save dialog (only while
    /// no progress run is under way).
    void ExportHistoryByDialog();

    // ---- Operations of the view and the driver beyond the window's events -------------

    /// Sets the game mode (1..5). The window never does: the mode in force is
    /// fixed. The driver and the backtest reach the dormant modes by it.
    void ForceGameMode(std::int32_t mode);
    /// Replaces candidate list k (0..2) of the adaptive mode.
    void LoadAdaptiveList(std::size_t k, Memo list);
    /// Replaces the settings record with `lines`, then applies it (a settings
    /// file's lines, read already).
    void LoadSettingsLines(Memo lines);
    /// Imports `numbers` (0..36) as IMPORT does with them in its list.
    void ImportNumbers(const std::vector<std::uint8_t>& numbers);

    /// From now on the game asks `window` what it asks of its window;
    /// nullptr for none.
    void SetWindow(GameWindow* window) { window_ = window; }

    // ---- Journal of the player's actions (see GameJournal) -----------------

    void SetJournal(ActionSink* sink) { journal_.SetJournal(sink); }
    void SetPlayListener(PlayListener* listener) { journal_.SetPlayListener(listener); }
    bool ReplayAction(std::string_view line) { return journal_.ReplayAction(line); }
    void NoteWaiting(int n) { journal_.NoteWaiting(n); }
    void NoteWithdrawn() { journal_.NoteWithdrawn(); }
    const std::deque<int>& ReplayedWaiting() const { return journal_.ReplayedWaiting(); }
    void FinishProgressRuns() { journal_.FinishProgressRuns(); }

private:
    void RequestFocus(std::string_view control) {
        if (window_) window_->RequestFocus(control);
    }
    void StartTimer(TimerId id);
    void StopTimer(TimerId id);
    /// The end of a progress run: its timer stops and the gauge empties.
    void EndProgressRun(TimerId id);
    /// Stops every game-mode progress run without its calculation; the
    /// gauge empties and the game is ready for a number again.
    void AbandonProgressRuns();
    /// The handler of timer `id` (`TimerTick` without the journal).
    bool RunHandler(TimerId id);
    /// Starts the progress run of mode timer `id`.
    void StartRun(TimerId id);
    using ActionScope = GameJournal::ActionScope;
    using GameScope = GameJournal::GameScope;
    using NewHistoryNote = GameJournal::NewHistoryNote;
    void ShowBetsPlayed() { display_.ShowBetsPlayed(state_.Bets_Played); }
    void ShowBankroll() { display_.ShowBankroll(state_.Bankroll); }
    /// Mutable inputs by id, for the program's assignments.
    Edit& EditRef(EditId id);
    /// The change handler of a spin edit whose text has changed.
    void SpinEditChanged(SpinId id);
    SpinEdit& SpinRef(SpinId id);
    CheckBox& CheckRef(CheckId id);
    ComboBox& ComboRef(ComboId id);
    Timer& TimerRef(TimerId id) { return timers_.Change(id); }
    /// The checked state of each chip, for the undo snapshot.
    std::array<bool, 6> PlacedFields() const;

    /// Game internals for the tests' builder of states (tests/support).
    friend class EngineTestAccess;
    /// The game's operations as the game modes run them.
    friend class ModeHost;
    friend class GameJournal;

    /// The stake rules' inputs as the player set them.
    staking::RuleInputs RuleSettings() const;

    Platform& platform_;
    GameWindow* window_ = nullptr;
    GameJournal journal_{*this};
    GameState state_;
    PlayReport report_;
    Board board_;
    Table table_;
    ModeLists modes_;
    SettingsRecord record_;
    ImportPanel panel_;
    Display display_;
    Inputs inputs_;
    GameTimers timers_;

    // True while a spin is being settled: the chips show the bet that is
    // being settled, or the proposal of a matrix rebuilt on profit, whose
    // stake was given back in advance. Neither stake is on the table.
    bool settling_ = false;
    bool refresh_settled_ = false;
    // The initial bet and test bank hold a refused text: the amount in
    // force is the last one taken (for the bank it is the bankroll itself).
    AmountGuard amounts_;
};

}  // namespace rotacle
