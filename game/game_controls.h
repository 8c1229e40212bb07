// The program's assignments to the game's inputs.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/controls.h"
#include "core/ids.h"

namespace rotacle {

class Game;

/// Assigns values to the game's inputs as the program does: the control's
/// change or click operation runs only when the value actually changes, as a
/// user edit does. Each assignment is an action of the player for the journal.
class GameControls {
public:
    explicit GameControls(Game& game) : game_(game) {}
    GameControls(const GameControls&) = delete;
    GameControls& operator=(const GameControls&) = delete;

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

    /// The game's inputs by id.
    Edit& EditRef(EditId id);
    SpinEdit& SpinRef(SpinId id);
    CheckBox& CheckRef(CheckId id);
    ComboBox& ComboRef(ComboId id);

private:
    /// The change handler of a spin edit whose text has changed.
    void SpinEditChanged(SpinId id);

    Game& game_;
    bool typing_ = false;  // the text being set comes from a key typed at its end
};

}  // namespace rotacle
