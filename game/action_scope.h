// The game's own helpers for its journal and its play events: marks an
// operation as an action of the player, or as the game's own play, while it
// runs. Only the outermost action is journaled; the operations it runs inside
// itself are part of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/game.h"

namespace rotacle {

class GameJournal::ActionScope {
public:
    /// `describe` makes the action's line; it runs only when the action is
    /// journaled, so a game without a journal pays for none of it.
    template <class Describe>
    ActionScope(Game& e, Describe&& describe)
        : e_(e.journal_), outermost_(e_.depth_++ == 0), outer_(outermost_ && e_.sink_) {
        if (outer_) line_ = describe();
    }
    ~ActionScope() {
        --e_.depth_;
        // What the player's action moved of the bankroll beyond the events
        // it made on the way (a test bank, a skip, a bet reset).
        if (outermost_ && e_.play_) e_.NoteBankroll(PlayEventKind::PlayerMoved);
        if (outer_) e_.WriteAction(std::move(line_));
    }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    GameJournal& e_;
    bool outermost_;
    bool outer_;
    std::string line_;
};

class GameJournal::GameScope {
public:
    explicit GameScope(Game& e) : e_(e.journal_), on_(e_.play_ != nullptr) {
        if (on_) ++e_.depth_;
    }
    ~GameScope() {
        if (!on_) return;
        --e_.depth_;
        e_.NoteBankroll(PlayEventKind::GameMoved);
    }
    GameScope(const GameScope&) = delete;
    GameScope& operator=(const GameScope&) = delete;

private:
    GameJournal& e_;
    bool on_;
};

// An import or a new game: noted also when the operation failed on the way.
class GameJournal::NewHistoryNote {
public:
    explicit NewHistoryNote(Game& e) : e_(e) {}
    ~NewHistoryNote() {
        if (!e_.journal_.play_) return;
        PlayEvent event;
        event.history = e_.board_.NumbersList();
        e_.journal_.NotePlay(PlayEventKind::NewHistory, event);
    }
    NewHistoryNote(const NewHistoryNote&) = delete;
    NewHistoryNote& operator=(const NewHistoryNote&) = delete;

private:
    Game& e_;
};

using ActionScope = GameJournal::ActionScope;
using GameScope = GameJournal::GameScope;
using NewHistoryNote = GameJournal::NewHistoryNote;

namespace journal_text {

/// A text as one word of an action line: "=" and the text with every byte
/// outside the printable ASCII letters, and "%", "~" and "=", as %XX.
std::string Word(std::string_view text);
/// The text of a word made by `Word`; nothing for a malformed one.
std::optional<std::string> Text(std::string_view word);

}  // namespace journal_text

}  // namespace rotacle
