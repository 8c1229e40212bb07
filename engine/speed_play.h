// Play at speed: numbers entered from the keyboard, with a queue for the
// locked board, and quick proposals.
//
// The window and the session driver each keep one `SpeedPlay` beside their
// engine. It drives the engine only through its operations: a number typed
// and entered is the click of its cell, the undo key is the click of the undo
// command, and a quick proposal is the progress run's own ticks run one after
// another. With no key typed and quick proposals off, play is exactly as with
// the mouse alone.
#pragma once

#include <cstddef>
#include <deque>
#include <string>

#include "engine/engine.h"

namespace rotacle {

class SpeedPlay {
public:
    /// What a key or an entry did, for the readout.
    enum class Outcome {
        Ignored,    ///< nothing changed
        Typed,      ///< the typed digits changed
        Refused,    ///< the value cannot be entered now; the readout shows a sign
        Entered,    ///< the number went to the board
        Queued,     ///< the board is locked: the number waits for the end of the run
        Withdrawn,  ///< the newest waiting number was taken back
        Undone      ///< the undo command ran
    };

    /// Longest wait list; a player never types this far ahead of the wheel.
    static constexpr std::size_t kMaxQueued = 64;

    /// Digits typed so far and not yet entered (at most two).
    const std::string& Typed() const { return typed_; }
    /// True from a refusal to the next key or entry.
    bool Refused() const { return refused_; }
    /// Numbers typed while the board was locked, oldest first.
    const std::deque<int>& Waiting() const { return waiting_; }

    /// A digit key '0'..'9'; a third digit is refused.
    Outcome Digit(char digit);
    Outcome Backspace();
    /// Esc: the typed digits are dropped.
    Outcome Clear();
    /// Enter or Space: the typed number is entered as by `Enter`. Without
    /// typed digits nothing happens (Ignored).
    Outcome Commit(Engine& e);
    /// Enters number n as a click on its cell: at once when the board takes
    /// numbers, after the running progress run when it is locked for one.
    /// Refused for a value outside 0..36, while the import panel covers the
    /// board, and when the cell cannot be clicked.
    Outcome Enter(Engine& e, int n);
    /// A click on the place of cell n. While the board is locked, or numbers
    /// wait, the number joins the wait list as a typed one does (Queued, or
    /// Refused when the list is full); otherwise the click reaches the cell
    /// when it is shown (Entered) and nothing happens where it is not
    /// (Ignored).
    Outcome Click(Engine& e, int n);
    /// The undo key: takes back the newest waiting number first; otherwise the
    /// click of the undo command (which does nothing while it is not offered
    /// or a run is under way).
    Outcome Undo(Engine& e);
    /// True when the undo key would do something now: a number waits, or the
    /// undo command is offered and no run locks the board.
    bool UndoActive(const Engine& e) const {
        return !waiting_.empty() || (e.UndoOffered() && !BoardLocked(e));
    }
    /// True when the wait list takes no more numbers.
    bool WaitingFull() const { return waiting_.size() >= kMaxQueued; }
    /// Enters the oldest waiting number once the board takes numbers again.
    /// Call after every event and tick; true when a number was entered.
    bool EnterWaiting(Engine& e);
    /// Forgets the waiting numbers (a new game starts).
    void DropWaiting() { waiting_.clear(); }
    /// The numbers that waited in a resumed session (`Engine::ReplayedWaiting`)
    /// wait again, without a new note in the journal.
    void RestoreWaiting(const std::deque<int>& waiting) { waiting_ = waiting; }

    /// Quick proposals: each game-mode progress run ends at its first tick
    /// (the host's ticks go through `Scheduler::Tick`).
    bool Quick() const { return quick_; }
    void SetQuick(bool quick) { quick_ = quick; }

    /// True while the board is locked for a game-mode run or the matrix build.
    static bool BoardLocked(const Engine& e);

private:
    std::string typed_;
    bool refused_ = false;
    std::deque<int> waiting_;
    bool quick_ = false;
};

}  // namespace rotacle
