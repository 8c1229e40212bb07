// A test fixture that plays the engine like the window does: clicks run as
// events, a game-mode progress run is ticked to its end and followed by one
// display refresh.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "engine/engine.h"
#include "engine/scheduler.h"
#include "support/arrange.h"
#include "support/fake_platform.h"

namespace rotacle::test {

/// A number (1..36) that wins a bet on `field` (1..6).
inline int WinningNumber(int field) {
    for (int n = 1; n <= 36; ++n)
        if (FieldWins(field, n)) return n;
    return 0;
}

/// A number (1..36) that loses a bet on `field` (1..6); zero is avoided so
/// that the deep scan keeps moving.
inline int LosingNumber(int field) {
    for (int n = 1; n <= 36; ++n)
        if (!FieldWins(field, n)) return n;
    return 0;
}

/// The fields of the game record that undo brings back, as the snapshot
/// lists them.
using UndoFields = SavedFields;

class Table : public ::testing::Test {
protected:
    Table() : e(platform) {}

    /// Runs every enabled game-mode timer until no progress run is left.
    /// Returns the number of ticks.
    int FinishRun() { return static_cast<int>(Scheduler::RunToEnd(e, 10000)); }

    /// One display refresh as an event. Returns false when it raised an error.
    bool Refresh() {
        return e.Event([&] { e.ShowValuesTimer(); });
    }

    /// Click of number n, the progress run to its end and one refresh.
    /// Returns false when the click raised an error.
    bool Spin(int n) {
        const bool ok = e.Event([&] { e.NumberClick(n); });
        FinishRun();
        Refresh();
        return ok;
    }

    void Spins(std::initializer_list<int> numbers) {
        for (int n : numbers) Spin(n);
    }

    /// Five spins of warm-up (5, 17, 32, 1, 2): the fifth leaves a shown
    /// proposal when the safety level is 0.
    void WarmUp() { Spins({5, 17, 32, 1, 2}); }

    /// Next spin wins or loses the current proposal.
    void WinNext() { Spin(WinningNumber(e.State().Bet_Field)); }
    void LoseNext() { Spin(LosingNumber(e.State().Bet_Field)); }

    bool Do(const auto& op) { return e.Event(op); }

    /// Sets a rule list as a settings file does: the index only, without the
    /// change operation that would snap it back.
    void SetLossRule(int type, int action) {
        e.SetItemIndex(ComboId::Losses_Type, type);
        e.SetItemIndex(ComboId::Losses_Action, action);
    }
    void SetWinRule(int type, int action) {
        e.SetItemIndex(ComboId::Wins_Type, type);
        e.SetItemIndex(ComboId::Wins_Action, action);
    }

    /// The money that is the player's: the bankroll plus the open stake.
    double Money() const { return e.State().Bankroll + (e.AnyChipVisible() ? e.State().Bet_Size : 0.0); }

    /// Index of the single visible chip, or -1.
    int ShownChip() const {
        int shown = -1;
        for (int i = 0; i < 6; ++i)
            if (e.Table().Chip()[static_cast<std::size_t>(i)].Visible) shown = shown == -1 ? i : 99;
        return shown;
    }

    FakePlatform platform;
    Engine e;
};

}  // namespace rotacle::test
