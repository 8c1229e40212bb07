#include "ui/stats_risk.h"

#include <QAreaSeries>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
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
#include <charconv>
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

QComboBox* Choice(QWidget* parent, const char* name, std::initializer_list<const char*> items,
                  const char* tip) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    for (const char* item : items) box->addItem(QCoreApplication::translate("RiskTab", item));
    box->setToolTip(QCoreApplication::translate("RiskTab", tip));
    return box;
}

// The systems in the order of the tab's list.
constexpr risk::System kSystems[] = {risk::System::Settings, risk::System::Flat, risk::System::Martingale};

// A seed as the driver takes it: decimal digits alone, 0 to 2^64-1.
bool ReadSeed(const std::string& text, std::uint64_t& seed) {
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, seed);
    return !text.empty() && error == std::errc() && stop == end;
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
    system_ =
        Choice(this, "RiskSystem",
               {QT_TRANSLATE_NOOP("RiskTab", "table's settings"), QT_TRANSLATE_NOOP("RiskTab", "flat"),
                QT_TRANSLATE_NOOP("RiskTab", "martingale")},
               QT_TRANSLATE_NOOP("RiskTab",
                                 "The staking the sessions play: the table's settings, a flat stake (always "
                                 "the initial bet), or martingale (the stake doubles after each lost bet and "
                                 "goes back to the initial bet after a win)."));
    zero_rule_ =
        Choice(this, "RiskZeroRule",
               {QT_TRANSLATE_NOOP("RiskTab", "as the table"), QT_TRANSLATE_NOOP("RiskTab", "none"),
                QT_TRANSLATE_NOOP("RiskTab", "la partage")},
               QT_TRANSLATE_NOOP("RiskTab",
                                 "The zero rule of the sessions: the table's, none, or la partage (half "
                                 "of a stake lost on zero comes back)."));
    seed_ =
        Input(this, "RiskSeed", "1",
              QT_TRANSLATE_NOOP("RiskTab",
                                "Each session's wheel is seeded from this seed and the session's number: the "
                                "same seed plays the same sessions, here and in rotacle-sim risk --seed."));
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
    // A long line (what the run played, in some languages) breaks rather
    // than running out of the tab.
    figures_->setWordWrap(true);

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
    form->addRow(QCoreApplication::translate("RiskTab", "System:"), system_);
    form->addRow(QCoreApplication::translate("RiskTab", "Zero rule:"), zero_rule_);
    form->addRow(QCoreApplication::translate("RiskTab", "Seed:"), seed_);
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
    connect(zero_rule_, &QComboBox::currentIndexChanged, this, [this] {
        if (!running_) ShowTable();
    });
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
    for (QWidget* e : std::initializer_list<QWidget*>{sessions_, target_, spins_, system_, zero_rule_, seed_})
        e->setEnabled(!running);
    for (QPushButton* b : exports_) b->setEnabled(!running && !outcomes_.empty());
}

bool RiskTab::RunClick() {
    if (running_) return false;
    // The tab's messages belong to its window, not to the table under it.
    const QtPlatform::OwnerScope over(platform_, window());
    risk::RiskSetup setup = source_();
    std::int32_t sessions = 0, spins = 0;
    double target = 0;
    std::uint64_t seed = 0;
    const QString wrong = [&]() -> QString {
        if (!TryStrToInt(sessions_->text().trimmed().toStdString(), sessions) || sessions < 1 ||
            sessions > kMostSessions)
            return QCoreApplication::translate("RiskTab",
                                               "Sessions must be a whole number from 1 to 1000000.");
        if (!TryStrToFloat(target_->text().trimmed().toStdString(), target) || !(target > 0))
            return QCoreApplication::translate("RiskTab", "The target must be an amount above 0.");
        if (!TryStrToInt(spins_->text().trimmed().toStdString(), spins) || spins < 1)
            return QCoreApplication::translate("RiskTab", "Max spins must be a whole number above 0.");
        if (!ReadSeed(seed_->text().trimmed().toStdString(), seed))
            return QCoreApplication::translate(
                "RiskTab", "The seed must be a whole number from 0 to 18446744073709551615.");
        return {};
    }();
    if (!wrong.isEmpty()) {
        platform_.ShowMessage(wrong.toStdString());
        return false;
    }
    setup.target = target;
    setup.spins_max = spins;
    setup.system = kSystems[std::clamp(system_->currentIndex(), 0, 2)];
    setup.zero_rule = ZeroRuleOf(setup);
    setup.seed = seed;
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
        const QtPlatform::OwnerScope over(platform_, window());
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
    // The table may have moved on while the tab was hidden.
    if (!running_) ShowTable();
    QWidget::showEvent(event);
}

void RiskTab::TableChanged() {
    if (!running_ && isVisible()) ShowTable();
}

ZeroRule RiskTab::ZeroRuleOf(const risk::RiskSetup& table) const {
    switch (zero_rule_->currentIndex()) {
        case 1: return ZeroRule::None;
        case 2: return ZeroRule::Partage;
        default: return table.zero_rule;
    }
}

void RiskTab::ShowTable() {
    const risk::RiskSetup now = running_ ? setup_ : source_();
    const ZeroRule rule = running_ ? setup_.zero_rule : ZeroRuleOf(now);
    const QString text =
        QCoreApplication::translate("RiskTab", "From the table: bankroll %1, its settings%2")
            .arg(Amount(now.bankroll), rule == ZeroRule::Partage
                                           ? QCoreApplication::translate("RiskTab", ", la partage")
                                           : QString());
    if (table_->text() != text) table_->setText(text);
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
        QCoreApplication::translate("RiskTab", "Played from bankroll %1: %2, zero rule %3, seed %4")
            .arg(Amount(setup_.bankroll),
                 system_->itemText(
                     static_cast<int>(std::find(std::begin(kSystems), std::end(kSystems), setup_.system) -
                                      std::begin(kSystems))),
                 zero_rule_->itemText(setup_.zero_rule == ZeroRule::Partage ? 2 : 1),
                 QString::number(setup_.seed)),
    };
    figures_->setText(lines.join(QLatin1Char('\n')));
}

std::optional<std::string> RiskTab::AskPath(const char* filter, const char* extension) {
    const QtPlatform::OwnerScope over(platform_, window());
    auto path = platform_.SaveFileDialog(FileDialogSpec{filter, extension, true});
    if (!path || path->empty()) return std::nullopt;
    return path;
}

bool RiskTab::Save(const std::string& path, std::string_view bytes) {
    try {
        WriteTextAtomic(path, bytes);
        return true;
    } catch (const FileError& e) {
        const QtPlatform::OwnerScope over(platform_, window());
        platform_.ShowMessage(e.what());
        return false;
    }
}

bool RiskTab::ExportPng() {
    if (outcomes_.empty()) return false;
    const QtPlatform::OwnerScope over(platform_, window());
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
    const QtPlatform::OwnerScope over(platform_, window());
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
