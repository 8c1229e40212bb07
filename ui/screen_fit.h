// The windows on their screen: the main window never grows taller than the
// screen's available height (on a short screen, a high scale factor on a
// laptop panel, the open window takes the screen's height and its settings
// area scrolls); it comes up in the middle of the screen, so that what it
// asks before it is shown sits over it; a further window fits the screen
// beside it.
#pragma once

#include <QList>
#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>

class QScreen;
class QScrollArea;
class QWidget;

namespace rotacle::ui {

/// The free area (without panels and docks) of the screen that `window` is
/// on, or will come up on; empty without a screen.
QRect FreeArea(const QWidget& window);

/// Centres the top-level `window` on its screen's free area, unless it was
/// placed already. Before it is first shown, the dialogs it parents (a
/// question, a message) then come up over it, not in a corner of the screen.
void PlaceOnScreen(QWidget& window);

/// Sizes the top-level `window` to fit the free area of `table`'s screen,
/// its frame included, and places it beside `table` where the screen has
/// room (right, then left), else over the table; never outside the free area.
void FitBeside(QWidget& window, const QWidget& table);

class ScreenFit : public QObject {
public:
    /// Fits `window`, a top-level window laid out in its own coordinates.
    explicit ScreenFit(QWidget& window);

    /// Gives the window `size`, or as much of its height as the screen has
    /// room for, and moves it up where its bottom would leave the screen.
    /// Called again whenever the screen or its free area changes.
    void Apply(QSize size);

    /// The area of the window that scrolls on a short screen, and its
    /// widgets (children of the window). While the screen is tall enough
    /// they stay where they are; the first time the window cannot show all
    /// of `area`, those of `parts` that lie in it move into a view in the
    /// same place, which shows what fits and scrolls to the rest.
    void SetScrollingArea(const QRect& area, const QList<QWidget*>& parts);

    /// The view of the scrolling area; null while the area never needed one.
    QScrollArea* View() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Fit();
    void MakeView();
    void WatchScreen();

    QWidget& window_;
    QScrollArea* view_ = nullptr;
    QRect area_;
    QList<QPointer<QWidget>> parts_;
    // Parts hidden because they lie below the window's edge.
    QList<QPointer<QWidget>> clipped_;
    QSize wanted_;
    QPointer<QScreen> watched_;
    QMetaObject::Connection free_area_changed_;
    bool watching_window_ = false;
};

}  // namespace rotacle::ui
