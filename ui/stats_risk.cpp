#include "ui/stats_risk.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QSvgGenerator>
#include <QThread>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cmath>

#include "core/convert.h"
#include "core/text_file.h"
#include "game/game.h"
#include "ui/artwork.h"
#include "ui/chart_picture.h"
#include "ui/qt_platform.h"
#include "ui/stats_figures.h"

namespace rotacle::ui {

using figures::Fixed;
using figures::NiceStep;
using figures::Percent;

namespace {

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString Amount(double value) {
    const double cents = RoundToCents(value);
    return Text(FloatToStr(cents == 0 ? 0.0 : cents));
}

QString Chance(const risk::Interval& i) {
    return Percent(i.value) + QStringLiteral(" (") + Percent(i.low) +
           QCoreApplication::translate("RiskTab", " to ") + Percent(i.high) + QLatin1Char(')');
}

QLineEdit* Input(QWidget* parent, const char* name, const char* text, const char* tip) {
    auto* edit = new QLineEdit(QString::fromLatin1(text), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setToolTip(QCoreApplication::translate("RiskTab", tip));
    edit->setMaximumWidth(110);
    return edit;
}

// Sessions a run may ask for: enough for tight intervals, few enough that
// the outcomes fit in memory.
constexpr std::int64_t kMostSessions = 1'000'000;

}  // namespace

risk::RiskSetup TableSetup(const Game& game) {
    risk::RiskSetup setup;
    const Memo& lines = game.Settings().Settings_Data();
    setup.settings_lines.assign(lines.begin(), lines.end());
    setup.bankroll = game.State().Bankroll + (game.AnyChipVisible() ? game.State().Bet_Size : 0.0);
    setup.zero_rule = game.ZeroRuleInForce();
    return setup;
}

RiskTab::RiskTab(SetupSource source, QtPlatform& platform, QWidget* parent)
    : QWidget(parent), source_(std::move(source)), platform_(platform) {
    setObjectName(QStringLiteral("RiskTab"));
    sessions_ =
        Input(this, "RiskSessions", "1000", QT_TRANSLATE_NOOP("RiskTab", "How many whole sessions to play."));
    target_ = Input(this, "RiskTarget", "100",
                    QT_TRANSLATE_NOOP("RiskTab", "The profit at which a session stops."));
    spins_ =
        Input(this, "RiskSpins", "1000", QT_TRANSLATE_NOOP("RiskTab", "The most spins a session plays."));
    table_ = new QLabel(this);
    table_->setObjectName(QStringLiteral("RiskTable"));
    table_->setToolTip(QCoreApplication::translate(
        "RiskTab", "Every session starts from the table's bankroll with its settings."));
    run_ = new QPushButton(QCoreApplication::translate("RiskTab", "RUN"), this);
    run_->setObjectName(QStringLiteral("RiskRun"));
    run_->setToolTip(QCoreApplication::translate("RiskTab", "Plays the sessions on worker threads."));
    run_->setAutoDefault(false);
    cancel_ = new QPushButton(QCoreApplication::translate("RiskTab", "Cancel"), this);
    cancel_->setObjectName(QStringLiteral("RiskCancel"));
    cancel_->setToolTip(
        QCoreApplication::translate("RiskTab", "Stops the run; the figures show the sessions played."));
    cancel_->setAutoDefault(false);
    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("RiskProgress"));
    state_ = new QLabel(this);
    state_->setObjectName(QStringLiteral("RiskState"));
    state_->setWordWrap(true);
    figures_ = new QLabel(this);
    figures_->setObjectName(QStringLiteral("RiskFigures"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->setTitle(QCoreApplication::translate("RiskTab", "Results of the sessions"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->hide();
    histogram_ = new QAreaSeries(new QLineSeries(chart));
    histogram_->setName(QCoreApplication::translate("RiskTab", "Sessions"));
    histogram_->setColor(art::kGold);
    histogram_->setBorderColor(art::kGold);
    chart->addSeries(histogram_);
    result_axis_ = new QValueAxis;
    result_axis_->setTitleText(QCoreApplication::translate("RiskTab", "Result"));
    result_axis_->setLabelFormat(QStringLiteral("%.0f"));
    result_axis_->setTickType(QValueAxis::TicksDynamic);
    result_axis_->setTickAnchor(0);
    count_axis_ = new QValueAxis;
    count_axis_->setLabelFormat(QStringLiteral("%.0f"));
    count_axis_->setTickType(QValueAxis::TicksDynamic);
    count_axis_->setTickAnchor(0);
    count_axis_->setTickInterval(2);
    count_axis_->setTitleText(QCoreApplication::translate("RiskTab", "Sessions"));
    chart->addAxis(result_axis_, Qt::AlignBottom);
    chart->addAxis(count_axis_, Qt::AlignLeft);
    histogram_->attachAxis(result_axis_);
    histogram_->attachAxis(count_axis_);
    chart_view_ = new QChartView(chart, this);
    chart_view_->setObjectName(QStringLiteral("RiskChart"));
    chart_view_->setRenderHint(QPainter::Antialiasing);
    chart_view_->setMinimumSize(240, 140);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("RiskTab", "Sessions:"), sessions_);
    form->addRow(QCoreApplication::translate("RiskTab", "Target:"), target_);
    form->addRow(QCoreApplication::translate("RiskTab", "Max spins:"), spins_);
    form->addRow(table_);
    auto* run_row = new QHBoxLayout;
    run_row->addWidget(run_);
    run_row->addWidget(cancel_);
    const auto export_button = [this](const char* name, const char* text, bool (RiskTab::*action)()) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        exports_.push_back(b);
        return b;
    };
    auto* export_row = new QHBoxLayout;
    export_row->addWidget(export_button("RiskPng", "PNG...", &RiskTab::ExportPng));
    export_row->addWidget(export_button("RiskSvg", "SVG...", &RiskTab::ExportSvg));
    export_row->addWidget(export_button("RiskCsv", "CSV...", &RiskTab::ExportCsv));
    exports_[0]->setToolTip(QCoreApplication::translate("RiskTab", "Saves the histogram as a PNG picture."));
    exports_[1]->setToolTip(QCoreApplication::translate("RiskTab", "Saves the histogram as an SVG drawing."));
    exports_[2]->setToolTip(
        QCoreApplication::translate("RiskTab", "Saves every session's outcome as a CSV file."));

    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addLayout(run_row);
    left->addWidget(progress_);
    left->addWidget(state_);
    left->addLayout(export_row);
    left->addStretch(1);
    auto* row = new QHBoxLayout(this);
    row->addLayout(left);
    row->addWidget(chart_view_, 3);
    row->addWidget(figures_, 2);

    connect(run_, &QPushButton::clicked, this, [this] { RunClick(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { CancelClick(); });
    connect(&watcher_, &QFutureWatcher<Result>::finished, this, [this] { Finished(); });
    SetRunning(false);
    ShowRun();
}

RiskTab::~RiskTab() {
    cancel_flag_ = true;
    watcher_.waitForFinished();
}

void RiskTab::SetRunning(bool running) {
    running_ = running;
    run_->setEnabled(!running);
    cancel_->setEnabled(running);
    for (QLineEdit* e : {sessions_, target_, spins_}) e->setEnabled(!running);
    for (QPushButton* b : exports_) b->setEnabled(!running && !outcomes_.empty());
}

bool RiskTab::RunClick() {
    if (running_) return false;
    risk::RiskSetup setup = source_();
    std::int32_t sessions = 0, spins = 0;
    double target = 0;
    const QString wrong = [&]() -> QString {
        if (!TryStrToInt(sessions_->text().trimmed().toStdString(), sessions) || sessions < 1 ||
            sessions > kMostSessions)
            return QCoreApplication::translate("RiskTab",
                                               "Sessions must be a whole number from 1 to 1000000.");
        if (!TryStrToFloat(target_->text().trimmed().toStdString(), target) || !(target > 0))
            return QCoreApplication::translate("RiskTab", "The target must be an amount above 0.");
        if (!TryStrToInt(spins_->text().trimmed().toStdString(), spins) || spins < 1)
            return QCoreApplication::translate("RiskTab", "Max spins must be a whole number above 0.");
        return {};
    }();
    if (!wrong.isEmpty()) {
        platform_.ShowMessage(wrong.toStdString());
        return false;
    }
    setup.target = target;
    setup.spins_max = spins;
    try {
        risk::CheckSetup(setup);
    } catch (const risk::InputError& e) {
        platform_.ShowMessage(e.what());
        return false;
    }
    setup_ = setup;
    asked_ = sessions;
    cancel_flag_ = false;
    done_ = 0;
    outcomes_.clear();
    progress_->setRange(0, sessions);
    progress_->setValue(0);
    state_->setText(QCoreApplication::translate("RiskTab", "Playing %1 sessions...").arg(sessions));
    SetRunning(true);
    // One core stays with the window, so that it answers while the
    // sessions are played.
    const int jobs = std::max(1, QThread::idealThreadCount() - 1);
    watcher_.setFuture(QtConcurrent::run([this, setup, sessions, jobs] {
        Result r;
        try {
            r.outcomes = risk::RunSessions(
                setup, 0, sessions, jobs,
                [this](std::int64_t done) {
                    // Called on the run's thread: the bar moves on the window's.
                    if (done_.exchange(done) == done) return;
                    QMetaObject::invokeMethod(
                        this, [this] { ShowProgress(); }, Qt::QueuedConnection);
                },
                &cancel_flag_);
        } catch (const std::exception& e) {
            r.error = e.what();
        }
        return r;
    }));
    return true;
}

void RiskTab::CancelClick() {
    if (!running_) return;
    cancel_flag_ = true;
    state_->setText(QCoreApplication::translate("RiskTab", "Cancelling..."));
}

void RiskTab::ShowProgress() {
    if (running_) progress_->setValue(static_cast<int>(done_.load()));
}

void RiskTab::Finished() {
    Result r = watcher_.result();
    outcomes_ = std::move(r.outcomes);
    SetRunning(false);
    progress_->setValue(static_cast<int>(outcomes_.size()));
    if (!r.error.empty()) {
        state_->setText(QCoreApplication::translate("RiskTab", "The run failed."));
        platform_.ShowMessage(r.error);
    } else if (static_cast<std::int64_t>(outcomes_.size()) < asked_) {
        state_->setText(QCoreApplication::translate("RiskTab", "Cancelled after %1 of %2 sessions.")
                            .arg(outcomes_.size())
                            .arg(asked_));
    } else {
        state_->setText(QCoreApplication::translate("RiskTab", "%1 sessions played.").arg(outcomes_.size()));
    }
    ShowRun();
}

void RiskTab::showEvent(QShowEvent* event) {
    // Before a first run the tab shows what RUN would play now.
    if (!running_ && outcomes_.empty()) ShowTable();
    QWidget::showEvent(event);
}

void RiskTab::ShowTable() {
    const risk::RiskSetup now = running_ || !outcomes_.empty() ? setup_ : source_();
    table_->setText(
        QCoreApplication::translate("RiskTab", "From the table: bankroll %1, its settings%2")
            .arg(Amount(now.bankroll), now.zero_rule == ZeroRule::Partage
                                           ? QCoreApplication::translate("RiskTab", ", la partage")
                                           : QString()));
}

void RiskTab::ShowRun() {
    ShowTable();
    QList<QPointF> outline;
    if (outcomes_.empty()) {
        histogram_->upperSeries()->clear();
        figures_->setText(QCoreApplication::translate("RiskTab", "No sessions played yet."));
        result_axis_->setRange(-setup_.bankroll, setup_.target);
        result_axis_->setTickInterval(NiceStep((setup_.bankroll + setup_.target) / 4));
        count_axis_->setRange(0, 10);
        return;
    }
    const risk::RiskChart chart = risk::ChartData(outcomes_, setup_);
    // Each bin a step of the outline: up at its left edge, down at its right.
    double most = 0;
    for (std::size_t i = 0; i < chart.bins.size(); ++i) {
        const double left = chart.bin_low + static_cast<double>(i) * chart.bin_width;
        const auto count = static_cast<double>(chart.bins[i]);
        outline << QPointF(left, 0) << QPointF(left, count) << QPointF(left + chart.bin_width, count)
                << QPointF(left + chart.bin_width, 0);
        most = std::max(most, count);
    }
    histogram_->upperSeries()->replace(outline);
    const double right = chart.bin_low + static_cast<double>(chart.bins.size()) * chart.bin_width;
    result_axis_->setRange(chart.bin_low, std::max(right, chart.bin_low + 1));
    // Round results on the ticks, zero among them, few enough to be read.
    result_axis_->setTickInterval(NiceStep((result_axis_->max() - result_axis_->min()) / 4));
    const double step = NiceStep(std::max(most, 4.0) / 4);
    count_axis_->setTickInterval(step);
    count_axis_->setRange(0, std::ceil(most * 1.1 / step) * step);

    const risk::RiskFigures f = risk::Summarise(outcomes_, setup_);
    const auto& p = f.result_points;
    const QStringList lines = {
        QCoreApplication::translate("RiskTab", "Sessions: %1").arg(f.sessions),
        QCoreApplication::translate("RiskTab", "Reached the target: ") + Chance(f.p_target),
        QCoreApplication::translate("RiskTab", "Ruined: ") + Chance(f.p_ruin),
        QCoreApplication::translate("RiskTab", "Still playing: ") + Chance(f.p_open),
        QCoreApplication::translate("RiskTab", "Result: mean %1, sd %2")
            .arg(Amount(f.result_mean), Amount(f.result_sd)),
        QCoreApplication::translate("RiskTab", "5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5")
            .arg(Amount(p[0]), Amount(p[1]), Amount(p[2]), Amount(p[3]), Amount(p[4])),
        QCoreApplication::translate("RiskTab", "Mean staked: ") + Amount(f.mean_staked),
        QCoreApplication::translate("RiskTab", "House edge: expected %1, z %2")
            .arg(Amount(f.edge_expected), Text(Fixed(f.edge_z, 2))),
        QCoreApplication::translate("RiskTab", "Drawdown: mean %1, largest %2")
            .arg(Amount(f.drawdown_mean), Amount(f.drawdown_max)),
        QCoreApplication::translate("RiskTab", "Longest losing run: %1").arg(f.longest_losing_run),
        QCoreApplication::translate("RiskTab", "Largest stake: ") + Amount(f.largest_stake),
        QCoreApplication::translate("RiskTab", "Mean spins: ") + Text(Fixed(f.mean_spins, 1)),
    };
    figures_->setText(lines.join(QLatin1Char('\n')));
}

std::optional<std::string> RiskTab::AskPath(const char* filter, const char* extension) {
    auto path = platform_.SaveFileDialog(FileDialogSpec{filter, extension, true});
    if (!path || path->empty()) return std::nullopt;
    return path;
}

bool RiskTab::Save(const std::string& path, std::string_view bytes) {
    try {
        WriteTextAtomic(path, bytes);
        return true;
    } catch (const FileError& e) {
        platform_.ShowMessage(e.what());
        return false;
    }
}

bool RiskTab::ExportPng() {
    if (outcomes_.empty()) return false;
    const auto path = AskPath("PNG image (*.png)|*.png", "png");
    if (!path) return false;
    const auto bytes = ChartPng(*chart_view_);
    if (!bytes) {
        platform_.ShowMessage(
            QCoreApplication::translate("StatsWindow", "The chart could not be drawn as a PNG picture.")
                .toStdString());
        return false;
    }
    return Save(*path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

bool RiskTab::ExportSvg() {
    if (outcomes_.empty()) return false;
    const auto path = AskPath("SVG drawing (*.svg)|*.svg", "svg");
    if (!path) return false;
    const auto bytes =
        ChartSvg(*chart_view_, QStringLiteral("Results of the sessions"), QStringLiteral("Rotacle risk run"));
    if (!bytes) {
        platform_.ShowMessage(
            QCoreApplication::translate("StatsWindow", "The chart could not be drawn as an SVG drawing.")
                .toStdString());
        return false;
    }
    return Save(*path, std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

bool RiskTab::ExportCsv() {
    if (outcomes_.empty()) return false;
    const auto path = AskPath("CSV file (*.csv)|*.csv", "csv");
    if (!path) return false;
    std::string text = risk::CsvHeader() + '\n';
    for (const risk::SessionOutcome& o : outcomes_) text += risk::CsvRow(o) + '\n';
    return Save(*path, text);
}

}  // namespace rotacle::ui
