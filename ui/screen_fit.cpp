#include "ui/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
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

}  // namespace

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
        const bool hidden = w->isHidden();
        w->setParent(page);
        w->setGeometry(place);
        w->setHidden(hidden);
    }
    parts_.clear();
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
    if (view_) {
        const int shown = std::clamp(height - area_.top(), 0, area_.height());
        view_->setGeometry(area_.x(), area_.y(), area_.width(), shown);
        view_->setVisible(shown > 0);
    }
    if (!free.isEmpty() && window_.isVisible() && window_.y() + height > free.bottom() + 1)
        window_.move(window_.x(), std::max(free.top(), free.bottom() + 1 - height));
}

}  // namespace rotacle::ui
