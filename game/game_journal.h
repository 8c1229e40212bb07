// The game's journal of the player's actions, its replay, the play events
// handed to a listener, and the generator's draws as the journal keeps them.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>

#include "core/action_sink.h"
#include "core/ids.h"
#include "core/play_events.h"
#include "game/draw_log.h"

namespace rotacle {

class Game;

/// What the game writes of its play and gives back from a journal: held by
/// the game, which it runs the replayed actions on.
class GameJournal {
public:
    explicit GameJournal(Game& game) : game_(game) {}
    GameJournal(const GameJournal&) = delete;
    GameJournal& operator=(const GameJournal&) = delete;

    /// From now on every action of the player (an entered number, undo, skip,
    /// both resets, every input change, a settings load, an import, the end
    /// of a progress run) is handed to `sink` as one line, after it ran;
    /// nullptr stops it. Actions that other actions or timers run inside
    /// themselves are part of those and not handed on.
    void SetJournal(ActionSink* sink) { sink_ = sink; }
    /// From now on every event of play (a number recorded, a bet settled or
    /// staked, a move of the bankroll by the game or by the player, an undo,
    /// a new history) is handed to `listener` as it happens, beginning with
    /// a Start event of the history and bankroll as they stand; nullptr
    /// stops it. A replayed journal hands on the same events as the play.
    void SetPlayListener(PlayListener* listener);

    /// Runs one action line of a journal as the player's action; "run-end"
    /// runs the progress run under way to its end, "refresh" is a display
    /// refresh that changed the game. An action that failed when it ran fails
    /// again the same way, and silently. False, with nothing changed, for a
    /// line that is no action. After the last line, one display refresh
    /// brings the shown values up to date.
    bool ReplayAction(std::string_view line);
    /// Why the last replayed line was not run.
    enum class ReplayStop : std::uint8_t {
        None,         ///< it ran
        NoAction,     ///< it is no action this version knows
        PlayStopped,  ///< it enters a number while play stands still at a limit
    };
    ReplayStop LastReplayStop() const { return replay_stop_; }
    /// A number joined the numbers that wait for the locked board: the
    /// journal notes it ("wait N"), so that a resumed session has it again.
    void NoteWaiting(int n);
    /// The newest waiting number was taken back ("unwait").
    void NoteWithdrawn();
    /// The numbers that still waited where the replayed journal ends, oldest
    /// first: those noted and neither entered nor taken back since.
    const std::deque<int>& ReplayedWaiting() const { return replayed_waiting_; }
    /// Runs every progress run under way to its end at once: the run that a
    /// resumed session's journal left unfinished. Its ticks are those of its
    /// timer, journaled as such; their draws go on with the generator's
    /// sequence, as the seconds they were seeded with are long past. The
    /// ticks are those of `RunTimersToEnd`.
    void FinishProgressRuns();

    /// Runs the handler of timer `id`; while a journal is kept, the end of a
    /// progress run and a refresh that changed the game are journaled.
    bool Tick(TimerId id) {
        if (!sink_ || depth_ != 0) return RunTimer(id);
        return JournaledTick(id);
    }

    /// True while a journal is kept.
    bool Kept() const { return sink_ != nullptr; }
    /// True while a replay has draws of the journal left to give back.
    bool Replaying() const { return draws_.Replaying(); }
    /// True while a listener takes the play events.
    bool Listening() const { return play_ != nullptr; }
    /// True while the listener takes the events that move no money.
    bool Happenings() const { return happenings_; }
    /// Forgets every draw, noted or to give back.
    void ClearDraws() { draws_.Clear(); }

    /// The next draw of the generator (continuing its sequence); during a
    /// replay the journal's draws are given back instead, and while a journal
    /// is kept every draw is noted for it.
    std::int32_t Draw(std::int32_t range);
    /// A draw seeded from the clock's whole seconds (unless in a replay, or
    /// while the runs are finished at once).
    std::int32_t DrawSeeded(std::int32_t range);

    /// Hands a play event of `kind` to the listener (there must be one), with
    /// the bankroll and the open stake as they stand.
    void NotePlay(PlayEventKind kind, PlayEvent event = {}) noexcept;
    /// Hands a play event that moves no money to the listener (there must be
    /// one): the bankroll noted for the next move stays as it is.
    void NoteHappening(PlayEventKind kind, PlayEvent event = {}) noexcept;
    /// The start or end of the progress run of timer `id`.
    void NoteRun(PlayEventKind kind, TimerId id) noexcept;
    /// A move of the bankroll since the last event, by `kind`, when there was one.
    void NoteBankroll(PlayEventKind kind) noexcept;

    /// One action of the player while it runs: the outermost one is handed to
    /// the journal when it ends, also when it fails.
    class ActionScope;
    /// Marks what runs in its scope as the game's own play (a spin, a timer):
    /// the bankroll it moved is noted as the game's when it ends.
    class GameScope;
    /// Hands the history as it stands as a new one to the listener at its end.
    class NewHistoryNote;

private:
    bool RunTimer(TimerId id);
    /// A tick of timer `id` while a journal is kept.
    bool JournaledTick(TimerId id);
    /// One action line, run (throws for a line that is no action).
    void ReplayOne(std::string_view line);
    /// A timer's tick in a replay, its error dropped as the player saw it.
    void Silently(TimerId id);
    /// Hands `action` to the journal with the draws made since the last one.
    void WriteAction(std::string action) noexcept;

    Game& game_;
    ActionSink* sink_ = nullptr;
    PlayListener* play_ = nullptr;
    bool happenings_ = false;    // the listener takes the events that move no money
    double noted_bankroll_ = 0;  // the bankroll of the last play event
    int depth_ = 0;              // actions running inside one another
    DrawLog draws_;
    bool unseeded_ = false;             // draws go on without a seed from the clock
    std::deque<int> replayed_waiting_;  // the waiting numbers a replay has met
    ReplayStop replay_stop_ = ReplayStop::None;
};

}  // namespace rotacle
