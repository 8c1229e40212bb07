// What the game asks of the window that shows it.
#pragma once

#include <string_view>

namespace rotacle {

/// The window around a game. The game tells it where the keyboard focus
/// goes and when the import panel opens or closes, and asks it whether a
/// number cell's hover picture is shown (such a cell takes a click too).
/// A game without a window does none of this.
class GameWindow {
public:
    /// Asks for the keyboard focus on `control`.
    virtual void RequestFocus(std::string_view control) = 0;
    /// The import panel opens (`shown`) or closes; the window takes its size
    /// for it before the panel changes.
    virtual void ImportPanelShown(bool shown) = 0;
    /// True while the hover picture of number cell n (0..36) is shown.
    virtual bool CellHoverShown(int n) const = 0;

protected:
    ~GameWindow() = default;
};

}  // namespace rotacle
