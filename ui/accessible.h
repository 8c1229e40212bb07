// How the painted window reads to a screen reader: pictures, labels and
// gauges get a name, a role, a state and a press action through Qt's
// accessibility interface; a row of labels reads as one list; the window
// keeps a status line that announces what happened and tells the table as it
// stands. A command is one object of the tree however many pictures draw it,
// and nothing hidden is in the tree. None of it costs anything while no
// assistive technology is active.
#pragma once

#include <QAccessible>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace rotacle::ui {

/// What a painted widget says to a screen reader.
struct AccessibleFace {
    QAccessible::Role role = QAccessible::StaticText;
    /// The name, asked each time it is read (it follows the widget's state).
    std::function<QString()> name;
    /// For a command that is on or off (a chosen trend): whether it is on.
    std::function<bool()> checked;
};

/// Gives `widget` (a Picture, Caption or Gauge) its face. A face with role
/// Button offers the Press action, which acts as a pointer's click does.
/// Captions without a face read their text; gauges read as progress bars.
void SetAccessibleFace(QWidget& widget, AccessibleFace face);

/// Makes `items`, children of `window`, read as one list called `name`
/// among the window's children.
void SetAccessibleList(QWidget& window, std::vector<QWidget*> items, std::function<QString()> name);

/// Keeps `look`, a further picture of a painted command (its hover picture,
/// a cover, a chosen look), out of the accessible tree: the command's normal
/// picture speaks for it. A command that a picture without a press lies on
/// (a cover, a panel, the limit screen) reads as disabled and offers no Press.
void KeepOutOfTree(QWidget& look);

/// True when what lies on top at the centre of the painted command `command`
/// takes no press of it: a cover, a panel, the limit screen. Its own hover
/// picture or chosen look does (see KeepOutOfTree).
bool UnderCover(const QWidget& command);

// The status line.
//
// The last child of the window in the accessible tree, role StatusBar. Its
// name is "<news>; <table>": what happened in the events since the line last
// changed (a settled bet, an error, a warning), then the table as it stands,
// which the window describes anew after every event. Once the window is idle
// a line whose text changed, or that has news, takes its new name and sends a
// name change and an alert (Qt 6.4 has no announcement of its own). News does
// not outlive the next change of the line: the line never tells an old state.

/// Says `text` as news of the event under way (a window keeps the last three
/// of one go). Any part of the window may call it, as often as it has news.
void Announce(QWidget& window, const QString& text);

/// Describes the table as it stands now. While `settled` is false (a
/// progress run is under way) the line waits, news included, for the next
/// settled description, so that a settled bet and the proposal after it are
/// said in one go.
void DescribeTable(QWidget& window, const QString& text, bool settled = true);

/// The status line's text as it stands (what a screen reader reads).
QString StatusLine(const QWidget& window);

/// Installs the interfaces of the painted widgets; idempotent.
void InstallAccessibility();

/// Acts on a painted command as the pointer does: it moves onto the command,
/// then clicks what lies on top at the command's centre (a cover takes the
/// click and nothing happens, as under the pointer).
void PressLikePointer(QWidget& command);

/// True for a painted command that takes the keyboard focus (Tab), which
/// Space and Enter press.
bool IsPaintedCommand(const QWidget* widget);

/// Draws a ring around the painted command of `window` that holds the
/// keyboard focus.
void ShowFocusRing(QWidget& window);

}  // namespace rotacle::ui
