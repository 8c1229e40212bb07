// The main window of Rotacle 8.0.
//
// `TForm1` is a view of `rotacle::Engine`: every control on screen is drawn
// from the engine's control data, and every click, hover, key and timer tick
// is handed to the engine's operation of the same name inside
// `Engine::Event`. After each event one refresh brings the widgets up to date,
// touching only those whose state changed.
//
// Unit1.cpp holds the window's life, its commands and timers; the
// construction, the keyboard and the refresh have a file each
// (Unit1_build.cpp, Unit1_keys.cpp, Unit1_refresh.cpp).
#pragma once

#include <QCoreApplication>
#include <QPoint>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

#include "engine/engine.h"
#include "engine/speed_play.h"
#include "stats/session_stats.h"
#include "ui/artwork.h"
#include "ui/help_window.h"
#include "ui/qt_platform.h"

class QCheckBox;
class QDoubleSpinBox;
class QFrame;
class QSpinBox;
class QKeyEvent;
class QComboBox;
class QSlider;
class QTimer;

namespace rotacle::ui {

class Caption;
class EngineEdit;
class EngineSpin;
class FlatButton;
class Gauge;
class ImportButton;
class Picture;
class ScreenFit;
class StakingDialog;
class SettleMark;
class StatsWindow;

class TForm1 : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TForm1)

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TForm1(const TForm1&) = delete;
    TForm1& operator=(const TForm1&) = delete;

    rotacle::Engine& Engine() { return engine_; }
    QtPlatform& Platform() { return platform_; }
    /// Keyboard entry of numbers and quick proposals.
    const rotacle::SpeedPlay& Speed() const { return speed_; }
    /// Turns quick proposals on or off and keeps the choice for the next start.
    void SetQuickProposals(bool quick);
    /// The zero rule and the session limits as the player last chose them,
    /// after a resumed session's replay; each choice is kept for the next start.
    void ApplyStoredOptions();
    void SetZeroRuleOption(bool partage);
    void SetLimitsOption(const LimitSettings& limits);

    /// Runs one event through the engine (an engine error is shown in a
    /// message box and ends the event), then brings the window up to date.
    /// Returns false when an error was shown.
    template <class Op>
    bool Run(Op&& op) {
        const bool ok = engine_.Event(op);
        AfterEvent();
        return ok;
    }

    /// Recomputes every widget from the engine's state; a widget is touched
    /// only when what it shows differs.
    void Refresh();

    /// Builds what the first frame does not show (the settings area and the
    /// window icon). Runs by itself right after the first frame; idempotent.
    void CompleteWindow();
    bool WindowComplete() const { return complete_; }

    /// Ticks served so far by the timer `id`.
    int TimerTicks(TimerId id) const { return ticks_[static_cast<std::size_t>(id)]; }
    /// Refreshes run so far.
    int RefreshCount() const { return refreshes_; }

    // ---- Commands ---------------------------------------------------------------

    /// Import command of the top row: opens the import panel (only while no
    /// progress run is under way).
    void ImportCommandClick();
    /// Export command of the top row: save dialog (asks before replacing),
    /// then the history is written (only while no progress run is under way).
    void ExportCommandClick();
    /// Load settings: open dialog, then the settings file is applied.
    void Image_Load2Click();
    /// Save settings: save dialog (asks before replacing), then the record is
    /// written.
    void Image_Save2Click();
    void Button_Minimize_2Click();
    void Button_Close_HoverClick();
    /// "APP": asks before a history with numbers is cleared (default No).
    void ResetAppClick();
    /// The undo command and Ctrl+Z: a waiting number is taken back first.
    void UndoCommandClick();
    /// A click on the place of cell n: the number is entered when its cell
    /// is shown, or waits while a run locks the board.
    void NumberCellClick(int n);
    /// The STATS command and the key S: opens the statistics window, or
    /// brings it to the front.
    void ShowStatistics();
    /// The STAKING command of the settings area: opens the staking dialog,
    /// or brings it to the front.
    void ShowStakingDialog();
    /// The staking dialog once it was opened, else null.
    StakingDialog* OpenStakingDialog() const { return staking_dialog_; }

    /// The session's statistics, built from the engine's play events.
    const rotacle::SessionStats& Stats() const { return stats_; }
    /// The numbers that waited in a resumed session wait again and go in
    /// as the board takes them.
    void RestoreWaiting(const std::deque<int>& waiting) {
        speed_.RestoreWaiting(waiting);
        AfterEvent();
    }
    /// While a journal is replayed its settled bets are not announced; at
    /// its end the status line says that the session was resumed.
    void SetReplaying(bool replaying);
    /// The kept sessions that the help window lists.
    void SetPreviousSessions(PreviousSessions sessions) { previous_sessions_ = std::move(sessions); }
    /// The mark of the bet settled last, while it shows.
    const SettleMark& SettledMark() const { return *settle_mark_; }
    /// The statistics window once it was opened, else null.
    StatsWindow* OpenStatsWindow() const { return stats_window_.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    /// The program ends with this window: the statistics and help windows
    /// close with it, and the application is asked to quit.
    void closeEvent(QCloseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    /// Tab and Shift+Tab pass over what the player cannot see.
    bool focusNextPrevChild(bool next) override;
    /// Keys of the whole window pass here first: number entry, shortcuts, and
    /// no key for a control that the player cannot see.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildTopRow();
    void BuildBoard();
    void BuildProposal();
    void BuildCommandRow();
    void BuildImportPanel();
    void BuildSettingsArea();
    void BuildTimers();
    /// The zero rule and the limits in the settings area.
    void BuildOptionsRow();
    /// The session's net result beside the command row.
    void BuildNetResult();
    void RefreshNetResult();
    /// The screen that stops play at a limit, the table's zero-rule mark and the limits' clock.
    void BuildLimitScreen();
    /// Names and roles of the painted parts, and the keyboard order of the commands.
    void BuildAccessibility();
    void BuildSettingsAccessibility();
    /// The listener of the game's play: the statistics, and the announcements.
    std::unique_ptr<PlayListener> MakeAnnouncer();
    /// Describes the table on the status line, after every refresh.
    void DescribeTableForReaders();
    void RefreshOptions();
    /// Adds a command's normal and hover pictures to `parent` (the window when
    /// null) and returns the hover picture, which takes the command's click.
    Picture* AddCommand(Command command, const QString& name, const QRect& place, art::Glyph glyph,
                        const QString& text, QWidget* parent = nullptr);
    Caption* AddCaption(const QString& name, const QRect& place, const QString& text, bool bold = false);

    void AfterEvent();
    void SyncTimers();
    void OnTimer(int index);
    void ApplyWindowState();
    /// Clears every hover look: after the pointer left the window, after a
    /// restore from the task bar and after a message box or dialog.
    void ResetHovers();
    void RefreshInputs();
    bool HandleKey(QWidget* target, const QKeyEvent& key);
    void EscapeKey();
    /// True when some of `w` is on screen (the settings area's controls are
    /// not while it is closed, nor where it has scrolled them away).
    bool PlayerSees(const QWidget* w) const;
    /// The table (the window itself) takes the keyboard focus.
    void FocusTable();
    void RefreshKeyReadout();
    /// Puts a stake label beside its chip, wide enough for its whole text.
    void PlaceStakeTag(std::size_t field);
    void StartDrag(const QPoint& global);
    void DragTo(const QPoint& global);
    /// Runs an edit of a setting; one that changed the stake has the next
    /// typed number show the new stake.
    template <class Op>
    void EditSetting(Op&& op) {
        const double stake = engine_.State().Bet_Size;
        Run(op);
        if (engine_.State().Bet_Size != stake) stake_note_ = engine_.Board().NumbersList().size();
    }
    /// Enter or Esc in a setting's edit: the edit ends and the table takes
    /// the keys again.
    void EndSettingEdit();

    QtPlatform platform_;
    rotacle::Engine engine_;
    rotacle::SpeedPlay speed_;
    rotacle::SessionStats stats_;
    std::unique_ptr<PlayListener> announcer_;
    /// Hears the play before the announcer: the mark of a settled bet.
    std::unique_ptr<SettleMark> settle_mark_;
    PreviousSessions previous_sessions_;
    std::unique_ptr<StatsWindow> stats_window_;
    StakingDialog* staking_dialog_ = nullptr;  // a child of the window, deleted with it

    Picture* head_image_ = nullptr;
    Gauge* gauge1_ = nullptr;
    Gauge* gauge3_ = nullptr;
    Caption* label9_ = nullptr;
    Caption* bankroll_ = nullptr;
    Caption* bets_played_ = nullptr;
    Caption* flat_index_ = nullptr;
    Caption* numbers_in_game_ = nullptr;
    Caption* net_result_ = nullptr;
    Caption* label4_ = nullptr;
    Caption* key_readout_ = nullptr;
    QCheckBox* quick_ = nullptr;
    QComboBox* language_ = nullptr;
    QCheckBox* partage_ = nullptr;
    QDoubleSpinBox* limit_loss_ = nullptr;
    QDoubleSpinBox* limit_profit_ = nullptr;
    QSpinBox* limit_time_ = nullptr;
    QSpinBox* limit_spins_ = nullptr;
    QSpinBox* limit_reality_ = nullptr;
    QFrame* limit_screen_ = nullptr;
    Caption* limit_text_ = nullptr;
    Caption* partage_mark_ = nullptr;
    QTimer* limit_clock_ = nullptr;
    std::array<Caption*, 9> his_num_{};
    std::array<Picture*, 37> cell_{};
    std::array<Picture*, 37> cell_act_{};
    Picture* zero_column_ = nullptr;
    bool zero_lit_ = false;
    std::array<Picture*, 6> trend0_{};
    std::array<Picture*, 6> trend1_{};
    std::array<Picture*, 6> trend2_{};
    std::array<Picture*, 6> field_{};
    std::array<Picture*, 6> chip_{};
    std::array<Caption*, 6> stake_{};
    Picture* lamp1_ = nullptr;
    Picture* lamp2_ = nullptr;
    std::array<Picture*, kCommandCount> hover_{};
    Picture* settings3_ = nullptr;
    Picture* skip_bet3_ = nullptr;
    Picture* cancel3_ = nullptr;

    Picture* import_panel_ = nullptr;
    Picture* paste3_ = nullptr;
    Picture* load3_ = nullptr;
    Gauge* progress2_ = nullptr;
    ImportButton* process_ = nullptr;

    std::array<EngineEdit*, 4> edits_{};
    std::array<EngineSpin*, 6> spins_{};
    std::array<QCheckBox*, 8> checks_{};
    std::array<QComboBox*, 7> combos_{};
    std::array<std::pair<Color, Color>, 7> combo_colours_{};
    QSlider* safe_level_ = nullptr;
    FlatButton* reset_bets_ = nullptr;
    FlatButton* reset_app_ = nullptr;
    FlatButton* create_matrix_ = nullptr;
    FlatButton* reset_matrix_ = nullptr;

    ScreenFit* screen_fit_ = nullptr;
    std::array<QTimer*, kTimerCount> timers_{};
    std::array<int, kTimerCount> ticks_{};
    int refreshes_ = 0;
    int applied_height_ = 0;
    bool complete_ = false;
    bool completion_posted_ = false;
    bool applying_ = false;
    bool closing_ = false;
    bool dragging_ = false;
    bool replaying_ = false;
    QPoint drag_offset_;
    // The history length at an edit that changed the stake, until the next
    // number is entered.
    std::optional<std::size_t> stake_note_;
    // A key typed into amount edit `id` (its text `before`): one that the key
    // filter drops, or a typed 0 that is no stake yet, is said in the status
    // line, once until the edit takes a key again.
    void NoteTypedKey(EditId id, const std::string& before, char key);
    std::array<bool, 4> key_noted_{};
};

}  // namespace rotacle::ui
