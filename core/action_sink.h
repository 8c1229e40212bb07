// Where the engine hands each action of the player as one line of text, for
// a journal that lets a session be resumed after a crash.
#pragma once

#include <string_view>

namespace rotacle {

class ActionSink {
public:
    virtual ~ActionSink() = default;
    /// One action, as a line without its line end. Never throws: a sink that
    /// cannot store it keeps it and reports the trouble its own way.
    virtual void Record(std::string_view action) noexcept = 0;
};

}  // namespace rotacle
