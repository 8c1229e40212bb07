// How the painted window reads to a screen reader: pictures, labels and
// gauges get a name, a role, a state and a press action through Qt's
// accessibility interface; a row of labels reads as one list; the window
// keeps a status line that announces what happened. None of it costs
// anything while no assistive technology is active.
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

/// Says `text` through the window's status line: once the window is idle,
/// the line takes what was said meanwhile as its name and sends a name
/// change and an alert (Qt 6.4 has no announcement of its own).
void Announce(QWidget& window, const QString& text);

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
