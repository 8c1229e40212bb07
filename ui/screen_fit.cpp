#include "ui/screen_fit.h"

#include "ui/beside.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace rotacle::ui {

namespace {

// A thin bar in the window's colours: it covers nothing of the controls,
// which end 10 pixels before the window's right edge.
constexpr auto kThinBar = R"(
QScrollBar:vertical { background: #1b1b1c; width: 8px; margin: 0; }
QScrollBar::handle:vertical { background: #d29f04; border-radius: 3px; min-height: 24px; margin: 1px; }
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }
)";

// The frame that the window system adds around `window`: measured once the
// window is shown, else a title bar's height above it.
QMargins FrameOf(const QWidget& window) {
    const QRect frame = window.frameGeometry(), inner = window.geometry();
    if (frame != inner)
        return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                frame.bottom() - inner.bottom()};
    if (window.windowFlags() & Qt::FramelessWindowHint) return {};
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window), 0, 0};
}

}  // namespace

QRect FreeArea(const QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

void PlaceOnScreen(QWidget& window) {
    if (window.testAttribute(Qt::WA_Moved)) return;
    const QRect free = FreeArea(window);
    if (free.isEmpty()) return;
    const QSize size = window.frameGeometry().size();
    window.move(free.left() + std::max(0, (free.width() - size.width()) / 2),
                free.top() + std::max(0, (free.height() - size.height()) / 2));
}

void FitBeside(QWidget& window, const QWidget& table) {
    const QRect free = FreeArea(table);
    if (free.isEmpty()) return;
    const QMargins frame = FrameOf(window);
    const QSize room(free.width() - frame.left() - frame.right(),
                     free.height() - frame.top() - frame.bottom());
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize().boundedTo(room));
    if (size != window.size()) window.resize(size);
    // move() places the frame's corner of a top-level window.
    window.move(BesideTable(table.frameGeometry(), size.grownBy(frame), free));
}

ScreenFit::ScreenFit(QWidget& window) : QObject(&window), window_(window) {
    window_.installEventFilter(this);
}

void ScreenFit::Apply(QSize size) {
    if (size == wanted_) return;
    // A reopened area starts at its top.
    if (view_) view_->verticalScrollBar()->setValue(0);
    wanted_ = size;
    WatchScreen();
    Fit();
}

void ScreenFit::SetScrollingArea(const QRect& area, const QList<QWidget*>& parts) {
    area_ = area;
    parts_.clear();
    for (QWidget* w : parts)
        if (!w->isWindow() && area.intersects(w->geometry())) parts_ << w;
    WatchScreen();
    Fit();
}

void ScreenFit::MakeView() {
    view_ = new QScrollArea(&window_);
    view_->setObjectName(QStringLiteral("SettingsArea"));
    view_->setFrameShape(QFrame::NoFrame);
    view_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view_->verticalScrollBar()->setStyleSheet(QString::fromLatin1(kThinBar));
    // The page follows the view's width and keeps the area's height.
    view_->setWidgetResizable(true);
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("SettingsPage"));
    page->setMinimumHeight(area_.height());
    for (QWidget* w : parts_) {
        if (!w) continue;
        const QRect place = w->geometry().translated(-area_.topLeft());
        // The view itself hides what lies below the window's edge.
        const bool hidden = w->isHidden() && !clipped_.contains(w);
        w->setParent(page);
        w->setGeometry(place);
        w->setHidden(hidden);
    }
    parts_.clear();
    clipped_.clear();
    view_->setWidget(page);
}

bool ScreenFit::eventFilter(QObject* watched, QEvent* event) {
    // The screen is known once the window is shown.
    if (watched == &window_ && event->type() == QEvent::Show) {
        WatchScreen();
        Fit();
    }
    return QObject::eventFilter(watched, event);
}

void ScreenFit::WatchScreen() {
    QWindow* handle = window_.windowHandle();
    if (!handle) return;
    if (!watching_window_) {
        watching_window_ = true;
        connect(handle, &QWindow::screenChanged, this, [this] {
            WatchScreen();
            Fit();
        });
    }
    QScreen* screen = handle->screen();
    if (screen == watched_) return;
    disconnect(free_area_changed_);
    watched_ = screen;
    if (screen)
        free_area_changed_ = connect(screen, &QScreen::availableGeometryChanged, this, [this] { Fit(); });
}

void ScreenFit::Fit() {
    if (!wanted_.isValid()) return;
    const QScreen* screen = window_.screen();
    const QRect free = screen ? screen->availableGeometry() : QRect();
    int height = wanted_.height();
    if (!free.isEmpty()) height = std::min(height, free.height());
    if (window_.size() != QSize(wanted_.width(), height)) window_.setFixedSize(wanted_.width(), height);
    // The window is cut short and wants the area: from now on the area scrolls.
    if (!view_ && !parts_.isEmpty() && height < wanted_.height() && wanted_.height() > area_.top())
        MakeView();
    // A part wholly below the window's edge is hidden while it is there: what
    // the player cannot see takes neither the focus nor a key, and a screen
    // reader does not find it.
    for (const QPointer<QWidget>& w : parts_) {
        if (!w) continue;
        const bool beyond = w->geometry().top() >= height;
        if (beyond && !w->isHidden()) {
            w->hide();
            clipped_ << w;
        } else if (!beyond && clipped_.removeAll(w) > 0) {
            w->show();
        }
    }
    if (view_) {
        const int shown = std::clamp(height - area_.top(), 0, area_.height());
        view_->setGeometry(area_.x(), area_.y(), area_.width(), shown);
        view_->setVisible(shown > 0);
    }
    if (!free.isEmpty() && window_.isVisible() && window_.y() + height > free.bottom() + 1)
        window_.move(window_.x(), std::max(free.top(), free.bottom() + 1 - height));
}

}  // namespace rotacle::ui
