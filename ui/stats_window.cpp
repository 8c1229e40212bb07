#include "ui/stats_window.h"

#include <QChartView>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/convert.h"
#include "core/text_file.h"
#include "ui/qt_platform.h"
#include "ui/stats_figures.h"

namespace rotacle::ui {

namespace figures {

std::string Fixed(double value, int decimals) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    return std::string(buf, end);
}

QString Percent(double share) { return QString::fromStdString(Fixed(share * 100, 1) + " %"); }

double NiceStep(double x) {
    if (!(x > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double f = x / power;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
}

}  // namespace figures

using figures::Percent;

namespace {

// The size the window opens with where the screen has room, and the least
// it keeps on a small screen.
constexpr QSize kWantedSize(980, 700);
constexpr QSize kLeastSize(560, 420);

// The summary's lines, in the order shown.
enum SummaryLine {
    kSpins,
    kBetsPlaced,
    kBetsSettled,
    kWon,
    kLost,
    kLongestLosingRun,
    kTotalStaked,
    kNetResult,
    kExpectedResult,
    kSummaryLines
};

constexpr const char* kSummaryExpected =
    QT_TRANSLATE_NOOP("StatsWindow", "Expected result (house edge 1/37)");

QString Text(const std::string& s) { return QString::fromStdString(s); }

/// Money as the window writes it, to the cent, with its sign.
QString Money(double value, bool sign = false) {
    const double cents = RoundToCents(value);
    const QString text = Text(FloatToStr(cents == 0 ? 0.0 : cents));
    return sign && cents > 0 ? QLatin1Char('+') + text : text;
}

void SetLabel(QLabel& label, const QString& text) {
    if (label.text() != text) label.setText(text);
}

}  // namespace

StatsWindow::StatsWindow(const rotacle::SessionStats& stats, QtPlatform& platform,
                         RiskTab::SetupSource risk_setup)
    : QWidget(nullptr, Qt::Window), stats_(stats), platform_(platform) {
    setObjectName(QStringLiteral("StatsWindow"));
    setWindowTitle(QCoreApplication::translate("StatsWindow", "Rotacle statistics"));
    // The program ends with its main window, not with this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(kLeastSize);
    resize(kWantedSize);
    AddCloseKey(QKeySequence(Qt::Key_Escape));
    AddCloseKey(QKeySequence(Qt::Key_S));
    AddCloseKey(QKeySequence(Qt::CTRL | Qt::Key_W));

    BuildChart();
    BuildTables();
    BuildSpins();

    auto* summary_box = new QGroupBox(QCoreApplication::translate("StatsWindow", "Session"), this);
    auto* grid = new QGridLayout(summary_box);
    static constexpr std::array<const char*, kSummaryLines> kSummaryNames = {
        QT_TRANSLATE_NOOP("StatsWindow", "Spins"),
        QT_TRANSLATE_NOOP("StatsWindow", "Bets placed in this history"),
        QT_TRANSLATE_NOOP("StatsWindow", "Bets settled in this history"),
        QT_TRANSLATE_NOOP("StatsWindow", "Won"),
        QT_TRANSLATE_NOOP("StatsWindow", "Lost"),
        QT_TRANSLATE_NOOP("StatsWindow", "Longest losing run"),
        QT_TRANSLATE_NOOP("StatsWindow", "Total staked"),
        QT_TRANSLATE_NOOP("StatsWindow", "Net result"),
        kSummaryExpected};
    static constexpr std::array<const char*, kSummaryLines> kSummaryTips = {
        QT_TRANSLATE_NOOP("StatsWindow", "Numbers in the history."),
        QT_TRANSLATE_NOOP("StatsWindow",
                          "Bets whose stake went on the table since the history began (APP or an import): "
                          "those settled and the one open now."),
        QT_TRANSLATE_NOOP("StatsWindow",
                          "Placed bets that a number has settled since the history began; UNDO takes one "
                          "back. Bets played in the main window counts the whole game, imports included."),
        QT_TRANSLATE_NOOP("StatsWindow", "Settled bets that won."),
        QT_TRANSLATE_NOOP("StatsWindow", "Settled bets that lost."),
        QT_TRANSLATE_NOOP("StatsWindow", "The most settled bets lost one after the other."),
        QT_TRANSLATE_NOOP("StatsWindow", "The stakes of all settled bets."),
        QT_TRANSLATE_NOOP("StatsWindow", "The won stakes less the lost ones."),
        QT_TRANSLATE_NOOP("StatsWindow",
                          "What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of "
                          "what was staked under la partage, which gives half of a stake back on zero.")};
    for (int i = 0; i < kSummaryLines; ++i) {
        const auto s = static_cast<std::size_t>(i);
        auto* name = new QLabel(
            QCoreApplication::translate("StatsWindow", kSummaryNames[s]) + QLatin1Char(':'), summary_box);
        auto* value = new QLabel(summary_box);
        value->setObjectName(QStringLiteral("Summary%1").arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        name->setToolTip(QCoreApplication::translate("StatsWindow", kSummaryTips[s]));
        value->setToolTip(name->toolTip());
        if (i == kExpectedResult) expected_name_ = name;
        grid->addWidget(name, i, 0);
        grid->addWidget(value, i, 1);
        summary_.push_back(value);
    }
    grid->setRowStretch(kSummaryLines, 1);
    QFont bold = summary_[kNetResult]->font();
    bold.setBold(true);
    summary_[kNetResult]->setFont(bold);

    auto* top = new QWidget(this);
    auto* top_row = new QHBoxLayout(top);
    top_row->setContentsMargins(0, 0, 0, 0);
    top_row->addWidget(chart_view_, 1);
    top_row->addWidget(summary_box);

    auto* chances_page = new QWidget(this);
    auto* chances_row = new QHBoxLayout(chances_page);
    chances_row->addWidget(chances_, 3);
    chances_row->addWidget(bars_view_, 2);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("HitTabs"));
    tabs->addTab(chances_page, QCoreApplication::translate("StatsWindow", "Chances"));
    tabs->addTab(numbers_, QCoreApplication::translate("StatsWindow", "Numbers"));
    tabs->addTab(spins_, QCoreApplication::translate("StatsWindow", "Spins"));
    if (risk_setup) {
        risk_ = new RiskTab(std::move(risk_setup), platform_, this);
        tabs->addTab(risk_, QCoreApplication::translate("StatsWindow", "Risk"));
    }
    tabs->setToolTip(QCoreApplication::translate(
        "StatsWindow",
        "Hits, share and absences of the even chances and of every number; every spin "
        "of the session."));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(top);
    split->addWidget(tabs);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    const auto button = [this](const char* name, const char* text, const char* tip,
                               bool (StatsWindow::*action)()) {
        auto* b = new QPushButton(QCoreApplication::translate("StatsWindow", text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QCoreApplication::translate("StatsWindow", tip));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] {
            // Its dialogs and messages belong to this window, not to the table.
            const QtPlatform::OwnerScope over(platform_, this);
            (this->*action)();
        });
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button("ExportPng", QT_TRANSLATE_NOOP("StatsWindow", "Chart as PNG..."),
                              QT_TRANSLATE_NOOP("StatsWindow", "Saves the bankroll chart as a PNG picture."),
                              &StatsWindow::ExportChartPng));
    buttons->addWidget(button("ExportSvg", QT_TRANSLATE_NOOP("StatsWindow", "Chart as SVG..."),
                              QT_TRANSLATE_NOOP("StatsWindow", "Saves the bankroll chart as an SVG drawing."),
                              &StatsWindow::ExportChartSvg));
    buttons->addWidget(
        button("ExportCsv", QT_TRANSLATE_NOOP("StatsWindow", "Tables as CSV..."),
               QT_TRANSLATE_NOOP("StatsWindow",
                                 "Saves the hits and absences of the chances and numbers as a CSV file."),
               &StatsWindow::ExportTablesCsv));
    buttons->addWidget(
        button("ExportSpins", QT_TRANSLATE_NOOP("StatsWindow", "Spins as CSV..."),
               QT_TRANSLATE_NOOP("StatsWindow",
                                 "Saves every spin with its bet, stake, result and bankroll as a CSV file."),
               &StatsWindow::ExportSpinsCsv));

    auto* root = new QVBoxLayout(this);
    root->addWidget(split, 1);
    root->addLayout(buttons);
}

StatsWindow::~StatsWindow() = default;

void StatsWindow::AddCloseKey(const QKeySequence& key) {
    auto* shortcut = new QShortcut(key, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &QWidget::close);
}

void StatsWindow::FitInto(const QRect& available) {
    // The frame that the window system puts around the window, as far as it
    // is known once the window has its place on the screen.
    winId();
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize room = available.size().shrunkBy(margins).expandedTo(QSize(1, 1));
    setMinimumSize(kLeastSize.boundedTo(room));
    resize(kWantedSize.boundedTo(room));
    const QSize outer = size().grownBy(margins);
    const int x = std::clamp(pos().x(), available.left(), available.right() + 1 - outer.width());
    const int y = std::clamp(pos().y(), available.top(), available.bottom() + 1 - outer.height());
    move(x, y);
}

void StatsWindow::Present() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void StatsWindow::showEvent(QShowEvent* event) {
    // Hidden, the window followed nothing: it starts again from the figures.
    redraw_ = true;
    Refresh();
    QWidget::showEvent(event);
}

void StatsWindow::Refresh() {
    const BankrollSeries& chart = stats_.Chart();
    const std::vector<BankrollPoint>& points = chart.Points();
    const HitCounter& hits = stats_.Hits();
    const bool same_hits =
        hits.Spins() == hits_spins_ && hits.Chances() == chance_figures_ && hits.Numbers() == number_figures_;

    if (redraw_ || chart.Revision() != revision_ || points.size() < points_) {
        RedrawChart();
    } else {
        // Points are only added at the end, and only the newest one changes:
        // it follows the bankroll, takes its bet's mark, or gives its place
        // to a later point in a thinned chart.
        const bool newest_changed = points_ > 0 && !(points[points_ - 1] == newest_);
        const bool base_changed = stats_.StartBankroll() != base_;
        if (!newest_changed && points.size() == points_ && !base_changed && same_hits) {
            RefreshSpins();
            RefreshSummary();
            if (risk_) risk_->TableChanged();
            return;
        }
        if (newest_changed) ReplaceNewest(points[points_ - 1]);
        if (points.size() > points_) {
            ++appends_;
            for (std::size_t i = points_; i < points.size(); ++i) AppendPoint(points[i]);
        }
        base_ = stats_.StartBankroll();
        FitAxes(false);
    }
    if (!same_hits) RefreshTables();
    RefreshSpins();
    RefreshSummary();
    if (risk_) risk_->TableChanged();
}

void StatsWindow::RefreshSummary() {
    const SessionSummary s = stats_.Summary();
    SetLabel(*summary_[kSpins], QString::number(s.spins));
    SetLabel(*summary_[kBetsPlaced], QString::number(s.bets_placed));
    SetLabel(*summary_[kBetsSettled], QString::number(s.bets_settled));
    const auto share = [&s](std::int64_t part) {
        return s.bets_settled > 0
                   ? QStringLiteral(" (") +
                         Percent(static_cast<double>(part) / static_cast<double>(s.bets_settled)) +
                         QLatin1Char(')')
                   : QString();
    };
    SetLabel(*summary_[kWon], QString::number(s.won) + share(s.won));
    SetLabel(*summary_[kLost], QString::number(s.lost) + share(s.lost));
    SetLabel(*summary_[kLongestLosingRun], QString::number(s.longest_losing_run));
    SetLabel(*summary_[kTotalStaked], Money(s.total_staked));
    SetLabel(*summary_[kNetResult], Money(s.net_result, true));
    SetLabel(*summary_[kExpectedResult], Money(-s.expected_loss, true));
    const char* edge =
        s.EdgeRule() == SessionSummary::Edge::Plain ? kSummaryExpected
        : s.EdgeRule() == SessionSummary::Edge::Partage
            ? QT_TRANSLATE_NOOP("StatsWindow", "Expected result (la partage, house edge 1/74)")
            : QT_TRANSLATE_NOOP("StatsWindow", "Expected result (house edge 1/37, 1/74 under la partage)");
    SetLabel(*expected_name_, QCoreApplication::translate("StatsWindow", edge) + QLatin1Char(':'));
    const QString colour = RoundToCents(s.net_result) > 0   ? QStringLiteral("color: rgb(46, 204, 113);")
                           : RoundToCents(s.net_result) < 0 ? QStringLiteral("color: rgb(231, 76, 60);")
                                                            : QString();
    if (summary_[kNetResult]->styleSheet() != colour) summary_[kNetResult]->setStyleSheet(colour);
}

std::optional<std::string> StatsWindow::AskPath(const char* filter, const char* extension) {
    auto path = platform_.SaveFileDialog(FileDialogSpec{filter, extension, true});
    if (!path || path->empty()) return std::nullopt;
    return path;
}

bool StatsWindow::SaveBytes(const std::string& path, const QByteArray& bytes) {
    // The program's one save path: written aside and put in place whole (a
    // failed write leaves an older file as it was), a link written through,
    // and a target that is no regular file (a device, a FIFO) refused.
    try {
        WriteTextAtomic(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        return true;
    } catch (const FileError& e) {
        platform_.ShowMessage(e.what());
        return false;
    }
}

}  // namespace rotacle::ui
