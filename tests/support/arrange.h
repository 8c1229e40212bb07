// The tests' builder of engine states: a state that no sequence of the
// player's operations reaches quickly (a bankroll of 5, a chip without its
// field, a text typed without its change operation) is arranged through the
// parts' own functions. Only tests include this header.
#pragma once

#include "engine/engine.h"

namespace rotacle {

class EngineTestAccess {
public:
    explicit EngineTestAccess(Engine& e) : e_(e) {}

    GameState& State() { return e_.state_; }
    PlayReport& Report() { return e_.report_; }
    rotacle::Board& Board() { return e_.board_; }
    rotacle::Table& Table() { return e_.table_; }
    ModeLists& Modes() { return e_.modes_; }
    SettingsRecord& Settings() { return e_.record_; }
    ImportPanel& Panel() { return e_.panel_; }
    rotacle::Chrome& Chrome() { return e_.chrome_; }
    /// The inputs as plain data: a value set here runs no change operation.
    rotacle::Inputs& Inputs() {
        e_.amounts_.InitialBetTextChanged();  // the initial bet may be set here
        return e_.inputs_;
    }

private:
    Engine& e_;
};

/// Arranges the state of `e` for a test.
inline EngineTestAccess Arrange(Engine& e) { return EngineTestAccess(e); }

}  // namespace rotacle
