// The tooltips of the window: one short sentence per command, selector, check
// box and edit, saying what it does in the player's terms.
#pragma once

class QWidget;

namespace rotacle::ui {

/// Sets the tooltip of every control of `form` that is built so far, found by
/// its object name. Safe to run again after more of the window is built.
void ApplyTooltips(QWidget& form);

}  // namespace rotacle::ui
