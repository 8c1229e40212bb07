// The engine's own helper for its journal: marks an operation as an action
// of the player while it runs. Only the outermost action is journaled; the
// operations it runs inside itself are part of it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/engine.h"

namespace rotacle {

class Engine::ActionScope {
public:
    /// `describe` makes the action's line; it runs only when the action is
    /// journaled, so an engine without a journal pays for none of it.
    template <class Describe>
    ActionScope(Engine& e, Describe&& describe) : e_(e), outer_(e.action_depth_++ == 0 && e.journal_) {
        if (outer_) line_ = describe();
    }
    ~ActionScope() {
        --e_.action_depth_;
        if (outer_) e_.WriteAction(std::move(line_));
    }
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

private:
    Engine& e_;
    bool outer_;
    std::string line_;
};

namespace journal_text {

/// A text as one word of an action line: "=" and the text with every byte
/// outside the printable ASCII letters, and "%", "~" and "=", as %XX.
std::string Word(std::string_view text);
/// The text of a word made by `Word`; nothing for a malformed one.
std::optional<std::string> Text(std::string_view word);

}  // namespace journal_text

}  // namespace rotacle
