#include "ui/beside.h"

#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace rotacle::ui {

namespace {

constexpr int kGap = 12;

}  // namespace

QPoint BesideTable(const QRect& table, const QSize& outer, const QRect& free) {
    const int right_room = free.right() - table.right() - kGap;
    const int left_room = table.left() - kGap - free.left();
    int x = table.right() + 1 + kGap;
    if (outer.width() > right_room && (outer.width() <= left_room || left_room > right_room))
        x = table.left() - kGap - outer.width();
    int y = table.top();
    // Inside the free area; a window larger than it shows its top-left part.
    x = std::max(free.left(), std::min(x, free.right() + 1 - outer.width()));
    y = std::max(free.top(), std::min(y, free.bottom() + 1 - outer.height()));
    return {x, y};
}

void KeepAbove(QWidget& window, QWidget& table) {
    window.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    window.winId();
    table.winId();
    if (QWindow* handle = window.windowHandle()) handle->setTransientParent(table.windowHandle());
}

void PlaceBeside(QWidget& window, const QWidget& table) {
    if (window.isVisible()) return;
    const QRect table_frame = table.frameGeometry();
    // Placed once already and clear of the table: the player's place stands.
    if (window.testAttribute(Qt::WA_Moved) && !window.frameGeometry().intersects(table_frame)) return;
    const QScreen* screen = table.screen();
    if (!screen) return;
    const QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
    const QPoint at = BesideTable(table_frame, window.size().grownBy(frame), screen->availableGeometry());
    window.move(at);
}

}  // namespace rotacle::ui
