// The Rotacle engine: the whole game without any user interface.
//
// `Engine` holds the game record, the data of every control of the main
// window and the settings record, and offers each operation of the program
// as a method named after it (`Analyse`, `WinLose`, `ResetBets` ...).
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
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/controls.h"
#include "core/game_state.h"
#include "core/line_list.h"
#include "core/platform.h"

namespace rotacle {

/// Edits whose text the program or the player sets.
enum class EditId { Init_Bet, Test_Bank, Losses_ActionValue, Wins_ActionValue };
/// Spin edits.
enum class SpinId { N_Count, Play_Bets, Until_Profit, Phase_Correction_Value, Losses_HowMuch, Wins_HowMuch };
/// Check boxes.
enum class CheckId {
    ChBx_TestBank,
    Get_Minimal_Profit,
    Bet_Automatic_Reset,
    ChBx_Phase_Correction,
    ChBx_Until_Profit,
    ChBx_Fixed_Number,
    ShowBetSize,
    CatRows
};
/// Drop-down lists.
enum class ComboId {
    GameModes,
    BetStrategy,
    Losses_Type,
    Losses_Action,
    Wins_Type,
    Wins_Action,
    Search_Pattern
};
/// Timers, in the order in which a tie at the same instant is served.
enum class TimerId {
    ShowValues,
    Mode1Timer,
    Mode2Timer,
    Mode3Timer,
    Mode4Timer,
    Mode5Timer,
    SafeLevel_Timer,
    Timer_Evolution
};
inline constexpr int kTimerCount = 8;
/// The timers of the five game modes' progress runs.
inline constexpr std::array<TimerId, 5> kModeTimers = {
    TimerId::Mode1Timer, TimerId::Mode2Timer, TimerId::Mode3Timer, TimerId::Mode4Timer, TimerId::Mode5Timer};
constexpr bool IsModeTimer(TimerId id) { return id >= TimerId::Mode1Timer && id <= TimerId::Mode5Timer; }

/// Picture commands with a normal, a hover and sometimes a cover picture.
enum class Command {
    Import,
    Export,
    Settings,
    Load,
    Save,
    SkipBet,
    Cancel,
    PasteFromEvolution,
    LoadFromFile,
    ClosePanel,
    Close,
    Minimize
};
inline constexpr int kCommandCount = 12;

std::optional<EditId> EditByName(std::string_view name);
std::optional<SpinId> SpinByName(std::string_view name);
std::optional<CheckId> CheckByName(std::string_view name);
std::optional<ComboId> ComboByName(std::string_view name);
/// Field index 0..5 of "Less", "Even", "Red", "Black", "Odd", "More".
std::optional<int> FieldByName(std::string_view name);

/// What the engine reports of its play for tools that follow a session
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

class Engine {
public:
    /// Creates the window state at its defaults and runs the start-up.
    explicit Engine(Platform& platform);

    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

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
    /// Runs the handler of a timer (the host decides when).
    /// Returns false when the tick provably changed nothing (a display or lamp
    /// refresh that found everything in place). A tick of a game-mode timer
    /// that leaves its timer enabled has only advanced `CGauge1` (and set
    /// `Engine_Ready` to 0 for modes 1 and 2).
    bool TimerTick(TimerId id);

    Edit& EditControl(EditId id);
    SpinEdit& SpinControl(SpinId id);
    CheckBox& CheckControl(CheckId id);
    ComboBox& ComboControl(ComboId id);
    Timer& TimerControl(TimerId id) { return Timers[static_cast<std::size_t>(id)]; }
    const Timer& TimerControl(TimerId id) const { return Timers[static_cast<std::size_t>(id)]; }

    // ---- Spin entry and the per-spin pipeline ----------------------------

    /// Entry operation of number n (0..36): stores n and runs `Analyse`.
    void NumberClick(int n);
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
    static Color NumberColour(int n);

    // ---- Undo ---------------------------------------------------------------

    void SaveState();
    void LoadState();
    void Undo();
    /// Click of the undo command's hover picture.
    void Image_Cancel2Click();
    bool UndoOffered() const { return !Image_Cancel3.Visible; }

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
    /// Proposal step: sets `Bet_Field` to k (1..6) and shows it when the
    /// miss streak has reached the safety level.
    void Propose(std::int32_t k);
    /// Common tail after a proposal of modes 1, 2, 4 and 5.
    void ProposalTail();
    void GameModesChange();
    void SafeLevelChange();
    /// Returns false when the lamps were already as the tick left them.
    bool SafeLevel_TimerTimer();

    void DeepScan_Calc();
    /// One step of the deep scan by number n on the three running values.
    static void DeepScanStep(std::int32_t& number, std::int32_t& step, std::int32_t& family, int n);
    void M1Calculate();
    void M2Calculate();
    void M4Calculate();

    // Rank-order matrix (mode 3) and adaptive lists (mode 5).
    void CreateMatrix();
    void M3Calculate();
    void Search_PatternChange();
    void Play_BetsChange();
    void ChBx_Fixed_NumberClick();
    void ResetMatrix();
    void Analyse_Matrix();
    void Define_Matrix();
    void M5Calculate();
    void Reset_Matrix();

    // ---- Trend filter (family of 18 handlers, field index 0..5) ----------

    void Trend_0MouseMove(int field);
    void Trend_1Click(int field);
    void Trend_2Click(int field);
    void Trend_Check();

    // ---- Settlement -----------------------------------------------------------

    void WinLose();
    void Win();
    void Lose();
    void MatrixWinLose();
    void MatrixWin();
    void Balance_Check();
    /// Skip the shown bet (click of the skip command's hover picture).
    void Image_SkipBet2Click();
    /// True while any of the six chips is visible: a bet is placed.
    bool AnyChipVisible() const;

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
    static char NumericKeyFilter(std::string_view current_text, char key);

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
    std::string_view SettingsLine(std::size_t i) const;
    /// Replaces line i; nothing happens when the record has no line i.
    void WriteSettingsLine(std::size_t i, std::string_view text);
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
    /// Opens the import panel (only while no progress run is under way).
    void Image_Import2Click();
    /// Paste from the live-casino page: saves the clipboard as the page file
    /// and starts `Timer_Evolution`.
    void EVOLUTIONClick();
    /// Click of the paste command's hover picture (swallowed by its busy cover).
    void Image_PasteFromEvolution2Click();
    /// Reads the rendered page and fills `Import_List` with its numbers.
    void Timer_EvolutionTimer();
    /// Load a number file into `Import_List` through the open dialog.
    void LOAD_FROM_FILEClick();
    void Image_LoadFromFile2Click();
    /// IMPORT: checks every line of `Import_List`, then replaces the history.
    void Button_ProcessClick();
    void Image_ClosePanel2Click();
    /// Export of the history through the save dialog.
    void Image_Export2Click();
    /// Writes the history to `path` (CR LF line ends), replacing it atomically.
    void ExportHistory(const std::string& path) const;
    /// Fills `Import_List` from the lines of a rendered page, last line first,
    /// keeping the lines that are a roulette number after the suffix strip.
    void ParseRawList();
    /// Strips a trailing "x", then trailing zeros, then one more character
    /// ("17500x" -> "17", "32x" -> "3"); a line without a final "x" is kept.
    static void SuffixStrip(std::string& line);
    /// Where the page file is saved: the program's folder, or the user's
    /// application data folder when the program's folder is not writable.
    std::string PageFilePath() const;

    // ---- Display refresh and window chrome ------------------------------------------

    /// One display refresh. Returns false when it found every value in place
    /// and changed nothing.
    bool ShowValuesTimer();
    void Disable_HoversClick();
    /// Hover of a command's normal picture: hover reset, then its hover picture.
    void CommandMouseMove(Command c);
    /// Hover of number cell n.
    void ImageMouseMove(int n);
    void Image_Settings2Click();
    void Image_Settings3Click();
    /// Minimise the window (its hover picture's click).
    void Button_Minimize_2Click() { Minimized = true; }
    /// End the program at once; nothing is saved or asked.
    void Button_Close_HoverClick() { CloseRequested = true; }

    // ---- State ----------------------------------------------------------------------

    GameState State;
    /// The snapshot starts equal to the fields' initial values.
    SavedFields Saved = SavedFields::Of(GameState{});
    PlayReport Report;

    /// The spin history, oldest first (the list `NumbersList`); numbers 0..36.
    std::vector<std::uint8_t> NumbersList;
    Label CurrentNum;  ///< Tag: number of the spin being processed

    // Number board.
    std::array<Picture, 37> Image{};      ///< normal look of the cells
    std::array<Picture, 37> Image_Act{};  ///< hover look of the cells
    std::array<Picture, 37> SpeedButton{};
    std::array<Button, 37> NumberButton{};  ///< Button0 .. Button36

    // History strip: HisNum[0] is HisNum1 (newest) .. HisNum[8] is HisNum9.
    std::array<Label, 9> HisNum{};

    Memo SaveBets;

    // Proposal indicators, index 0..5 = Less, Even, Red, Black, Odd, More.
    std::array<Picture, 6> Chip{};
    std::array<Picture, 6> FieldHighlight{};  ///< FieldLess .. FieldMore
    std::array<Label, 6> BetSizeShow{};

    // Trend pictures: _0 base, _1 hover, _2 choice mark.
    std::array<Picture, 6> Trend_0{};
    std::array<Picture, 6> Trend_1{};
    std::array<Picture, 6> Trend_2{};

    // Command pictures.
    std::array<Picture, kCommandCount> CommandHover{};  ///< Image_Import2, Image_Export2 ...
    Picture Image_Settings3;
    Picture Image_SkipBet3;
    Picture Image_Cancel3;
    Picture Image_PasteFromEvolution3;
    Picture Image_LoadFromFile3;
    Picture ImageUndo;
    Button Undo_Button;  ///< the hidden speed button `Undo`

    // Buttons and labels.
    Button ResetBets_Button;
    Button ResetApp_Button;
    Button CreateMatrix_Button;
    Button ResetMatrix_Button;
    Label Label_BetsPlayed;
    Label Label_FlatIndex;
    Label Label_NumbersInGame;
    Label Label_Bankroll;
    Label Label4;  ///< safety level readout
    Label Label9;  ///< "TEST BANK:" caption
    Picture SL_Indicator1;
    Picture SL_Indicator2;
    Gauge CGauge1;
    Gauge CGauge3;

    // Inputs.
    ComboBox GameModes;
    ComboBox BetStrategy;
    ComboBox Losses_Type;
    ComboBox Losses_Action;
    ComboBox Wins_Type;
    ComboBox Wins_Action;
    ComboBox Search_Pattern;
    SpinEdit Losses_HowMuch;
    SpinEdit Wins_HowMuch;
    SpinEdit N_Count;
    SpinEdit Play_Bets;
    SpinEdit Until_Profit;
    SpinEdit Phase_Correction_Value;
    Edit Losses_ActionValue;
    Edit Wins_ActionValue;
    Edit Test_Bank;
    Edit Init_Bet;
    CheckBox ChBx_TestBank;
    CheckBox Get_Minimal_Profit;
    CheckBox Bet_Automatic_Reset;
    CheckBox ChBx_Phase_Correction;
    CheckBox ChBx_Until_Profit;
    CheckBox ChBx_Fixed_Number;
    CheckBox ShowBetSize;
    CheckBox CatRows;
    TrackBar SafeLevel;

    // Inactive "UP-TRENDER SETTINGS:" group.
    Color GroupBox1_FontColour = 0xC0C0C0;
    Color Label28_FontColour = 0xC0C0C0;
    Color Label29_FontColour = 0xC0C0C0;
    Color On_Wins_Colour = 0xFFFFFF;
    Color Add_To_Bet_Colour = 0xFFFFFF;
    bool On_Wins_Enabled = true;
    bool Add_To_Bet_Enabled = true;

    // Timers, indexed by TimerId.
    std::array<Timer, kTimerCount> Timers{};

    // Matrix and adaptive lists.
    Memo RANKORDER_patterns;
    Memo PatternsTest;
    std::array<Memo, 3> AdaptiveList{};
    std::array<bool, 3> AdaptiveList_Enabled{};
    std::array<Color, 3> AdaptiveList_FontColour{};
    std::array<std::int32_t, 3> Adaptive_Score{};  ///< tags of Adaptive1..3

    /// The settings record `Settings_Data`.
    Memo Settings_Data;

    // Import panel.
    Picture Panel_Import{false};
    std::string Import_html;
    Memo Raw_List;
    LineList Import_List;  ///< numbers waiting for IMPORT, oldest first
    Button Button_Process{false, true, "IMPORT"};
    Gauge ProgressBar2;
    std::string Page_File;  ///< where the last paste was saved

    /// The control that has the keyboard focus, by name ("" for none).
    std::string Focus;

    // Window.
    std::int32_t ClientWidth = 1305;
    std::int32_t ClientHeight = 728;
    bool Minimized = false;
    bool CloseRequested = false;

    static constexpr std::int32_t kClosedHeight = 388;  ///< top of the settings area
    static constexpr std::int32_t kOpenHeight = 697;    ///< bottom of the settings area
    static constexpr std::int32_t kWidth = 457;

private:
    void FormCreate();
    void StartTimer(TimerId id);
    void StopTimer(TimerId id);
    /// Adds `step` to the progress gauge (clamped to 0..100); true when full.
    bool AdvanceGauge(std::int32_t step);
    /// The end of a progress run: its timer stops and the gauge empties.
    void EndProgressRun(TimerId id);
    /// Stops every game-mode progress run without its calculation; the
    /// gauge empties and the engine is ready for a number again.
    void AbandonProgressRuns();
    /// Undo offered: the undo command shown and its cover hidden.
    void OfferUndo();
    /// The hidden undo command's buttons hidden; the offer (the cover) stays.
    void HideUndoCommand();
    /// The offer withdrawn: the buttons hidden and the cover shown.
    void WithdrawUndo();
    /// The common start of modes 1, 2, 4 and 5 up to their run: the board
    /// locked, the entered number marked, the previous proposal settled (when
    /// `settle`) and hidden. Returns a settlement error, to be reported by
    /// `EndModeStart` once the run has started.
    std::exception_ptr BeginModeStart(bool settle);
    void EndModeStart(TimerId run, const std::exception_ptr& error);
    std::int32_t DrawSeeded(std::int32_t range);
    void ShowField(int index, bool visible);
    void RecomputeUnits(double losses_value, double wins_value, double init);
    /// Throws the amount error for a text that edit `id` must not hold: the
    /// four edits hold money within the largest amount, and the initial bet
    /// is never negative. Checked before the edit takes the text.
    static void CheckMoneyText(EditId id, std::string_view text);
    /// Sets the stake unless the value is no number or beyond the largest
    /// amount: such a stake keeps the previous one.
    void SetBetSizeFinite(double value);
    void ShowBetsPlayed();
    /// Shows `Bankroll` in `Label_Bankroll` (money text).
    void ShowBankroll();
    bool TryInitialBet(double& out) const;
    void UpdateImportButton();
    void EndPasteBusyLook();

    Platform& platform_;
    // True while a spin is being settled: the chips show the bet that is
    // being settled, or the proposal of a matrix rebuilt on profit, whose
    // stake was given back in advance. Neither stake is on the table.
    bool settling_ = false;

    // The values whose texts the labels show now, so that the display
    // refresh formats a text only when its value changed.
    double shown_bankroll_ = 0;
    double shown_bet_size_ = 0;
    std::int32_t shown_flat_index_ = 0;
    std::size_t shown_numbers_ = 0;
    bool shown_bet_size_valid_ = false;
    double rounded_bet_size_ = 1.0;
    double rounded_bankroll_ = 1000.0;
    double rounded_reset_target_ = 1001.0;
    // Parse cache of Init_Bet for the display refresh guard.
    mutable std::string init_bet_cache_text_;
    mutable double init_bet_cache_value_ = 0;
    mutable bool init_bet_cache_ok_ = false;
    mutable bool init_bet_cache_valid_ = false;
};

}  // namespace rotacle
