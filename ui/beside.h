// The program's other windows (statistics, help) beside the table: the main
// window stays on top of other windows, so they come up on top as well, tied
// to it, and where the screen has room they stand next to it rather than
// under it.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace rotacle::ui {

/// The top-left corner, frame included, for a window of `outer` size (frame
/// included) beside `table` (the main window's frame) inside `free` (the
/// screen's free area): right of the table where it fits there, else left of
/// it, else on the side with more room; level with the table's top. The
/// window is kept inside `free` (its top-left corner first, when it is larger).
QPoint BesideTable(const QRect& table, const QSize& outer, const QRect& free);

/// Keeps `window`, a window of its own, above `table`'s window: on top of
/// other windows like it and tied to it (the window system keeps it over the
/// table and shows it with it). Call before the window is first shown.
void KeepAbove(QWidget& window, QWidget& table);

/// Moves `window` beside `table` on the table's screen, unless it is open
/// already or was put somewhere clear of the table (a window the player moved
/// away stays where he put it).
void PlaceBeside(QWidget& window, const QWidget& table);

}  // namespace rotacle::ui
