#include "ui/Unit1.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QScreen>
#include <QSettings>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "engine/scheduler.h"
#include "ui/beside.h"
#include "ui/options_file.h"
#include "ui/screen_fit.h"
#include "ui/settle_mark.h"
#include "ui/stats_window.h"
#include "ui/tooltips.h"
#include "ui/widgets.h"

namespace rotacle::ui {

namespace {

QIcon WindowIcon() {
    QIcon icon;
    // Window managers ask for small icons; the installed icon is scalable.
    for (const int size : {16, 24, 32, 48, 64}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        art::PaintLogo(p, QRectF(0, 0, size, size));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

// The one choice kept between runs. It lies outside the settings file, whose
// layout is fixed, in the user's configuration folder.
const QString kQuickProposalsKey = QStringLiteral("play/quickProposals");

bool StoredQuickProposals() { return StoredOptions().value(kQuickProposalsKey, false).toBool(); }

void StoreQuickProposals(bool quick) { StoredOptions().setValue(kQuickProposalsKey, quick); }

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), engine_(platform_) {
    platform_.SetWindow(this);
    // The statistics follow the game's play from the start, a resumed
    // journal's replay included; the statistics window lists every spin.
    stats_.KeepSpins(true);
    announcer_ = MakeAnnouncer();
    settle_mark_ = std::make_unique<SettleMark>(*this, *announcer_);
    engine_.SetPlayListener(settle_mark_.get());
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Rotacle 8.0"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(layout::kWidth, layout::kClosedHeight);
    screen_fit_ = new ScreenFit(*this);
    PlaceOnScreen(*this);
    platform_.SetAfterDialog([this] { ResetHovers(); });

    BuildTopRow();
    BuildBoard();
    BuildProposal();
    settle_mark_->Raise();
    BuildCommandRow();
    BuildNetResult();
    BuildImportPanel();
    BuildTimers();
    BuildLimitScreen();
    BuildAccessibility();
    speed_.SetQuick(StoredQuickProposals());
    setFocusPolicy(Qt::StrongFocus);
    // The table has the first focus: typed numbers go in, and Space with
    // nothing typed does nothing.
    FocusTable();
    qApp->installEventFilter(this);
    Refresh();
    SyncTimers();
}

TForm1::~TForm1() {
    engine_.SetPlayListener(nullptr);
    qApp->removeEventFilter(this);
    // The timers must not tick into a half-destroyed window.
    for (QTimer* t : timers_)
        if (t) t->stop();
}

void TForm1::CompleteWindow() {
    if (complete_) return;
    complete_ = true;
    const QList<QWidget*> before = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    BuildSettingsArea();
    BuildSettingsAccessibility();
    // Widgets added to a shown window stay hidden until they are shown.
    QList<QWidget*> added;
    const QWidget* show_bet = checks_[static_cast<std::size_t>(CheckId::ShowBetSize)];
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (before.contains(w)) continue;
        if (w != show_bet) w->show();
        added << w;
    }
    screen_fit_->SetScrollingArea(layout::kSettingsArea, added);
    setWindowIcon(WindowIcon());
    // No settings edit may hold the focus while the area is closed: typed
    // digits would change the bet unseen.
    FocusTable();
    Refresh();
    ApplyTooltips(*this);
}

// ---- Events ------------------------------------------------------------------------

void TForm1::AfterEvent() {
    // A number typed during a run goes in as soon as the board takes it.
    speed_.EnterWaiting(engine_);
    Refresh();
    SyncTimers();
}

void TForm1::OnTimer(int index) {
    // While an error message waits for the player, timers hold still: a tick
    // that fails again would stack one message box on the other. While a file
    // dialog is open, the operation that asked for it is still under way and
    // no other operation may run in its middle.
    if (platform_.MessageOpen() || platform_.DialogOpen()) return;
    const auto id = static_cast<TimerId>(index);
    ++ticks_[static_cast<std::size_t>(index)];
    const bool reading_page = id == TimerId::Timer_Evolution && engine_.TimerControl(id).Enabled;
    const std::size_t messages = platform_.Messages().size();
    bool changed = Scheduler::Tick(engine_, id, speed_.Quick());
    if (speed_.EnterWaiting(engine_)) changed = true;
    // A display or lamp refresh that found everything in place leaves the
    // window as it is: no widget is compared, nothing is repainted.
    if (changed) Refresh();
    SyncTimers();
    // A page read without an error that yields no number would otherwise
    // leave the player waiting for an IMPORT that never comes.
    if (reading_page && !engine_.TimerControl(id).Enabled && platform_.Messages().size() == messages &&
        engine_.Panel().Open() && engine_.Panel().Import_List().empty())
        platform_.ShowMessage(
            tr("The pasted page holds no roulette numbers: nothing to import.").toStdString());
}

void TForm1::SyncTimers() {
    for (int i = 0; i < kTimerCount; ++i) {
        const Timer& t = engine_.TimerControl(static_cast<TimerId>(i));
        QTimer* q = timers_[static_cast<std::size_t>(i)];
        if (!t.Enabled) {
            if (q->isActive()) q->stop();
            continue;
        }
        const int interval = std::max(1, static_cast<int>(t.Interval));
        if (!q->isActive() || q->interval() != interval) q->start(interval);
    }
}

void TForm1::ImportCommandClick() {
    Run([&] { engine_.Image_Import2Click(); });
}

void TForm1::ExportCommandClick() {
    Run([&] { engine_.Image_Export2Click(); });
}

void TForm1::Image_Load2Click() {
    const FileDialogSpec request{"Rotacle 8 Settings(*.rtk)|*.rtk", "rtk", false};
    const auto path = platform_.OpenFileDialog(request);
    if (!path) return;
    Run([&] { engine_.LoadSettingsFile(*path); });
}

void TForm1::Image_Save2Click() {
    const FileDialogSpec request{"Rotacle 8 Settings(*.rtk)|*.rtk", "rtk", true};
    const auto path = platform_.SaveFileDialog(request);
    if (!path) return;
    Run([&] { engine_.SaveSettingsFile(*path); });
}

void TForm1::Button_Minimize_2Click() {
    Run([&] { engine_.Button_Minimize_2Click(); });
}

void TForm1::Button_Close_HoverClick() {
    Run([&] { engine_.Button_Close_HoverClick(); });
}

void TForm1::ResetAppClick() {
    const std::size_t numbers = engine_.Board().NumbersList().size();
    if (numbers > 0) {
        const std::string question =
            tr("Start a new game? The history of %1 numbers is cleared; the bankroll stays.")
                .arg(numbers)
                .toStdString();
        if (!platform_.Confirm(question)) return;
    }
    // Numbers still waiting belong to the game that ends here.
    speed_.DropWaiting();
    Run([&] { engine_.ResetApp(); });
}

void TForm1::NumberCellClick(int n) {
    speed_.Click(engine_, n);
    AfterEvent();
}

void TForm1::UndoCommandClick() {
    speed_.Undo(engine_);
    AfterEvent();
}

void TForm1::ShowStatistics() {
    if (!stats_window_) {
        stats_window_ =
            std::make_unique<StatsWindow>(stats_, platform_, [this] { return TableSetup(engine_); });
        stats_window_->setWindowIcon(windowIcon());
        KeepAbove(*stats_window_, *this);
    }
    if (!stats_window_->isVisible()) {
        // Beside the table where the screen has room; never larger than the
        // screen's free area, nor outside it.
        PlaceBeside(*stats_window_, *this);
        if (screen()) stats_window_->FitInto(screen()->availableGeometry());
    }
    stats_window_->Present();
}

void TForm1::SetQuickProposals(bool quick) {
    speed_.SetQuick(quick);
    StoreQuickProposals(quick);
    if (quick_ && quick_->isChecked() != quick) quick_->setChecked(quick);
}

void TForm1::StartDrag(const QPoint& global) {
    if (QWindow* w = windowHandle(); w && w->startSystemMove()) return;
    // Without a window manager that moves windows, the window follows the
    // pointer itself.
    dragging_ = true;
    drag_offset_ = global - frameGeometry().topLeft();
}

void TForm1::DragTo(const QPoint& global) {
    if (dragging_) move(global - drag_offset_);
}

void TForm1::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(event->rect(), art::kBackground);
    // The settings area is closed at start: it is built once the player has
    // the first frame in front of him.
    if (!complete_ && !completion_posted_) {
        completion_posted_ = true;
        QTimer::singleShot(0, this, [this] { CompleteWindow(); });
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    // Nothing of the program may stay without its main window: the
    // statistics window (a window of its own) and the guide close with it,
    // and the program ends even if another window or a nested event loop
    // would have held it.
    if (stats_window_) stats_window_->close();
    for (QDialog* dialog : findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) dialog->close();
    QWidget::closeEvent(event);
    if (event->isAccepted()) QCoreApplication::quit();
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange) {
        const bool minimized = isMinimized();
        if (engine_.Chrome().Minimized() != minimized) Run([&] { engine_.SetWindowMinimized(minimized); });
        // Back from the task bar, the pointer is rarely where it was.
        if (!minimized) ResetHovers();
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow() &&
               QGuiApplication::mouseButtons() == Qt::NoButton) {
        // Without a window manager the press on a cell itself activates the
        // window: the pointer is where it was, and clearing the hover then
        // would hide the picture under the press and lose the click.
        ResetHovers();
    }
    QWidget::changeEvent(event);
}

void TForm1::leaveEvent(QEvent* event) {
    ResetHovers();
    QWidget::leaveEvent(event);
}

void TForm1::ResetHovers() {
    // An operation waiting for a message box or dialog is still under way;
    // the box's closing brings the reset.
    if (platform_.MessageOpen() || platform_.DialogOpen()) return;
    Run([&] { engine_.Disable_HoversClick(); });
}

}  // namespace rotacle::ui
