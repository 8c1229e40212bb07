#include "ui/stats_window.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QShortcut>
#include <QShowEvent>
#include <QSplitter>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <QWindow>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/convert.h"
#include "core/text_file.h"
#include "ui/artwork.h"
#include "ui/qt_platform.h"

namespace rotacle::ui {

namespace {

constexpr std::array<const char*, 6> kChanceNames = {"Less", "Even", "Red", "Black", "Odd", "More"};
// Every even chance holds 18 of the 37 numbers; a number is one of them.
constexpr double kChanceOdds = 18.0 / 37.0;
constexpr double kNumberOdds = 1.0 / 37.0;
constexpr int kMarkSize = 7;
// The size the window opens with where the screen has room, and the least
// it keeps on a small screen.
constexpr QSize kWantedSize(980, 700);
constexpr QSize kLeastSize(560, 420);

// The columns of both hit tables.
enum Column { kName, kHits, kShare, kExpected, kAbsence, kLongest, kColumns };

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

/// `value` with `decimals` digits after a "." whatever the locale.
std::string Fixed(double value, int decimals) {
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals).ptr;
    return std::string(buf, end);
}

QString Text(const std::string& s) { return QString::fromStdString(s); }

QString Percent(double share) { return Text(Fixed(share * 100, 1) + " %"); }

/// Money as the window writes it, to the cent, with its sign.
QString Money(double value, bool sign = false) {
    const double cents = RoundToCents(value);
    const QString text = Text(FloatToStr(cents == 0 ? 0.0 : cents));
    return sign && cents > 0 ? QLatin1Char('+') + text : text;
}

/// The smallest of 1, 2, 5 times a power of ten that is at least `x`.
double NiceStep(double x) {
    if (!(x > 0)) return 1;
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double f = x / power;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
}

/// The end of the spin axis for `spins` spins: a round number at or past
/// the last spin that stays put for a tenth of the session or so, so that a
/// new spin seldom moves the axis.
double SpinSpan(std::size_t spins) {
    if (spins <= 10) return 10;
    const double n = static_cast<double>(spins);
    const double unit = NiceStep(n / 10);
    return std::ceil(n / unit) * unit;
}

/// The picture of a bet mark: a dot of `colour`, drawn at twice the size so
/// that it stays round on high-density screens.
QImage MarkPicture(const QColor& colour) {
    QImage dot(QSize(kMarkSize, kMarkSize) * 2, QImage::Format_ARGB32_Premultiplied);
    dot.setDevicePixelRatio(2);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(0.5, 0.5, kMarkSize - 1, kMarkSize - 1));
    return dot;
}

void SetCell(QTableWidget& table, int row, int column, const QString& text) {
    QTableWidgetItem* item = table.item(row, column);
    if (item->text() != text) item->setText(text);
}

void SetLabel(QLabel& label, const QString& text) {
    if (label.text() != text) label.setText(text);
}

QTableWidget* HitTable(QWidget* parent, const QString& name, const QString& first, int rows, double odds) {
    auto* table = new QTableWidget(rows, kColumns, parent);
    table->setObjectName(name);
    table->setHorizontalHeaderLabels({first, QStringLiteral("Hits"), QStringLiteral("Share"),
                                      QStringLiteral("Expected"), QStringLiteral("Absence"),
                                      QStringLiteral("Longest absence")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(20);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(c == kName ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    for (int r = 0; r < rows; ++r) table->item(r, kExpected)->setText(Percent(odds));
    return table;
}

void ShowFigures(QTableWidget& table, int row, const HitFigures& f, std::int64_t spins) {
    SetCell(table, row, kHits, QString::number(f.hits));
    SetCell(
        table, row, kShare,
        spins > 0 ? Percent(static_cast<double>(f.hits) / static_cast<double>(spins)) : QStringLiteral("-"));
    SetCell(table, row, kAbsence, QString::number(f.absence));
    SetCell(table, row, kLongest, QString::number(f.longest_absence));
}

void AppendCsvRow(std::string& out, const std::string& name, const HitFigures& f, std::int64_t spins,
                  double odds) {
    out += name;
    out += ',' + std::to_string(f.hits);
    out += ',' + Fixed(static_cast<double>(spins) * odds, 4);
    out += ',';
    if (spins > 0) out += Fixed(static_cast<double>(f.hits) / static_cast<double>(spins), 6);
    out += ',' + Fixed(odds, 6);
    out += ',' + std::to_string(f.absence);
    out += ',' + std::to_string(f.longest_absence);
    out += '\n';
}

QPointF At(const BankrollPoint& p) { return QPointF(static_cast<double>(p.spin), p.bankroll); }

}  // namespace

// ---- ChunkedSeries ---------------------------------------------------------------------

namespace {
// Points per series of a chunked run: small enough that laying one out takes
// a fraction of a millisecond, large enough that a long session needs few.
constexpr qsizetype kChunkPoints = 500;
}  // namespace

ChunkedSeries::ChunkedSeries(QChart& chart, std::function<QXYSeries*()> make, bool joined)
    : chart_(chart), make_(std::move(make)), joined_(joined) {
    Chunk(0);
}

QXYSeries* ChunkedSeries::Chunk(std::size_t index) {
    while (chunks_.size() <= index) {
        QXYSeries* s = make_();
        chart_.addSeries(s);
        for (QAbstractAxis* axis : chart_.axes()) s->attachAxis(axis);
        // The run has one entry in the legend: its first series'.
        if (!chunks_.empty())
            for (QLegendMarker* m : chart_.legend()->markers(s)) m->setVisible(false);
        chunks_.push_back(s);
    }
    return chunks_[index];
}

void ChunkedSeries::Assign(const QList<QPointF>& points) {
    std::size_t used = 0;
    qsizetype from = 0;
    do {
        // A joined series starts at the last point of the one before.
        const qsizetype start = used > 0 && joined_ ? from - 1 : from;
        const qsizetype end = std::min(points.size(), start + kChunkPoints);
        Chunk(used)->replace(points.mid(start, end - start));
        ++used;
        from = end;
    } while (from < points.size());
    for (std::size_t i = used; i < used_; ++i) chunks_[i]->clear();
    used_ = used;
}

void ChunkedSeries::Append(const QPointF& point) {
    QXYSeries* last = chunks_[used_ - 1];
    if (last->count() < kChunkPoints) {
        last->append(point);
        return;
    }
    QList<QPointF> start;
    if (joined_) start.append(last->at(last->count() - 1));
    start.append(point);
    Chunk(used_)->replace(start);
    ++used_;
}

void ChunkedSeries::MoveLast(const QPointF& point) {
    QXYSeries* last = chunks_[used_ - 1];
    last->replace(last->count() - 1, point);
}

void ChunkedSeries::RemoveLast() {
    QXYSeries* last = chunks_[used_ - 1];
    if (last->count() == 0) return;
    last->remove(last->count() - 1);
    // A joined series that is left with the point it repeats from the one
    // before has no point of its own any more.
    if (used_ > 1 && last->count() <= (joined_ ? 1 : 0)) {
        last->clear();
        --used_;
    }
}

qsizetype ChunkedSeries::Count() const {
    qsizetype n = 0;
    for (std::size_t i = 0; i < used_; ++i) n += chunks_[i]->count();
    return joined_ && n > 0 ? n - static_cast<qsizetype>(used_ - 1) : n;
}

// ---- StatsWindow -------------------------------------------------------------------------

StatsWindow::StatsWindow(const rotacle::SessionStats& stats, QtPlatform& platform)
    : QWidget(nullptr, Qt::Window), stats_(stats), platform_(platform) {
    setObjectName(QStringLiteral("StatsWindow"));
    setWindowTitle(QStringLiteral("Rotacle statistics"));
    // The program ends with its main window, not with this one.
    setAttribute(Qt::WA_QuitOnClose, false);
    setMinimumSize(kLeastSize);
    resize(kWantedSize);
    AddCloseKey(QKeySequence(Qt::Key_Escape));
    AddCloseKey(QKeySequence(Qt::Key_S));
    AddCloseKey(QKeySequence(Qt::CTRL | Qt::Key_W));

    BuildChart();
    BuildTables();

    auto* summary_box = new QGroupBox(QStringLiteral("Session"), this);
    auto* grid = new QGridLayout(summary_box);
    static constexpr std::array<const char*, kSummaryLines> kSummaryNames = {
        "Spins",        "Bets placed", "Bets settled",
        "Won",          "Lost",        "Longest losing run",
        "Total staked", "Net result",  "Expected result (house edge 1/37)"};
    static constexpr std::array<const char*, kSummaryLines> kSummaryTips = {
        "Numbers in the history.",
        "Bets whose stake went on the table: those settled and the one open now.",
        "Placed bets that a number has settled.",
        "Settled bets that won.",
        "Settled bets that lost.",
        "The most settled bets lost one after the other.",
        "The stakes of all settled bets.",
        "The won stakes less the lost ones.",
        "What the house edge takes on average: 1/37 of the total staked, lost."};
    for (int i = 0; i < kSummaryLines; ++i) {
        const auto s = static_cast<std::size_t>(i);
        auto* name = new QLabel(QString::fromLatin1(kSummaryNames[s]) + QLatin1Char(':'), summary_box);
        auto* value = new QLabel(summary_box);
        value->setObjectName(QStringLiteral("Summary%1").arg(i));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        name->setToolTip(QString::fromLatin1(kSummaryTips[s]));
        value->setToolTip(name->toolTip());
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
    tabs->addTab(chances_page, QStringLiteral("Chances"));
    tabs->addTab(numbers_, QStringLiteral("Numbers"));
    tabs->setToolTip(QStringLiteral("Hits, share and absences of the even chances and of every number."));

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(top);
    split->addWidget(tabs);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);

    const auto button = [this](const char* name, const char* text, const char* tip,
                               bool (StatsWindow::*action)()) {
        auto* b = new QPushButton(QString::fromLatin1(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setToolTip(QString::fromLatin1(tip));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, action] { (this->*action)(); });
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(button("ExportPng", "Chart as PNG...", "Saves the bankroll chart as a PNG picture.",
                              &StatsWindow::ExportChartPng));
    buttons->addWidget(button("ExportSvg", "Chart as SVG...", "Saves the bankroll chart as an SVG drawing.",
                              &StatsWindow::ExportChartSvg));
    buttons->addWidget(button("ExportCsv", "Tables as CSV...",
                              "Saves the hits and absences of the chances and numbers as a CSV file.",
                              &StatsWindow::ExportTablesCsv));

    auto* root = new QVBoxLayout(this);
    root->addWidget(split, 1);
    root->addLayout(buttons);
}

StatsWindow::~StatsWindow() = default;

void StatsWindow::BuildChart() {
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->setTitle(QStringLiteral("Bankroll after every spin"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The axes first: every series of the chart, also one added later, is
    // drawn against them.
    spin_axis_ = new QValueAxis;
    spin_axis_->setTitleText(QStringLiteral("Spin"));
    spin_axis_->setLabelFormat(QStringLiteral("%.0f"));
    spin_axis_->setTickType(QValueAxis::TicksDynamic);
    spin_axis_->setTickAnchor(0);
    money_axis_ = new QValueAxis;
    money_axis_->setTitleText(QStringLiteral("Bankroll"));
    money_axis_->setTickType(QValueAxis::TicksDynamic);
    money_axis_->setTickAnchor(0);
    chart->addAxis(spin_axis_, Qt::AlignBottom);
    chart->addAxis(money_axis_, Qt::AlignLeft);

    baseline_ = new QLineSeries;
    baseline_->setName(QStringLiteral("Initial bankroll"));
    baseline_->setPen(QPen(art::kSilver, 1, Qt::DashLine));
    chart->addSeries(baseline_);
    baseline_->attachAxis(spin_axis_);
    baseline_->attachAxis(money_axis_);
    bankroll_ = std::make_unique<ChunkedSeries>(
        *chart,
        [] {
            auto* line = new QLineSeries;
            line->setName(QStringLiteral("Bankroll"));
            line->setPen(QPen(art::kGold, 1.5));
            return line;
        },
        true);
    const auto marks = [](const char* name, const QColor& colour) {
        return [name, colour]() -> QXYSeries* {
            auto* dots = new QScatterSeries;
            dots->setName(QString::fromLatin1(name));
            dots->setMarkerSize(kMarkSize);
            dots->setColor(colour);
            dots->setBorderColor(Qt::transparent);
            // Marks drawn from one picture instead of an item each: thousands
            // of bets stay cheap to lay out and to paint.
            dots->setLightMarker(MarkPicture(colour));
            return dots;
        };
    };
    won_ = std::make_unique<ChunkedSeries>(*chart, marks("Bet won", QColor(46, 204, 113)), false);
    lost_ = std::make_unique<ChunkedSeries>(*chart, marks("Bet lost", QColor(231, 76, 60)), false);

    chart_view_ = new QChartView(chart, this);
    chart_view_->setObjectName(QStringLiteral("BankrollChart"));
    chart_view_->setRenderHint(QPainter::Antialiasing);
    chart_view_->setMinimumSize(300, 180);
    chart_view_->setToolTip(
        QStringLiteral("The bankroll after every spin; green and red marks are the placed bets won and lost, "
                       "the dashed line the bankroll the session started with."));

    // Hits of each chance beside what chance alone gives.
    auto* bars = new QChart;
    bars->setTheme(QChart::ChartThemeDark);
    bars->setTitle(QStringLiteral("Hits per chance"));
    bars->setAnimationOptions(QChart::NoAnimation);
    bars->legend()->setAlignment(Qt::AlignBottom);
    hits_set_ = new QBarSet(QStringLiteral("Hits"));
    hits_set_->setColor(art::kGold);
    expected_set_ = new QBarSet(QStringLiteral("Expected (18/37)"));
    expected_set_->setColor(art::kDimText);
    for (int i = 0; i < 6; ++i) {
        hits_set_->append(0);
        expected_set_->append(0);
    }
    auto* series = new QBarSeries;
    series->append(hits_set_);
    series->append(expected_set_);
    bars->addSeries(series);
    auto* names = new QBarCategoryAxis;
    for (const char* name : kChanceNames) names->append(QString::fromLatin1(name));
    // Hits are whole numbers: so are the ticks.
    hits_axis_ = new QValueAxis;
    hits_axis_->setLabelFormat(QStringLiteral("%.0f"));
    hits_axis_->setTickType(QValueAxis::TicksDynamic);
    hits_axis_->setTickAnchor(0);
    hits_axis_->setTickInterval(2);
    hits_axis_->setRange(0, 10);
    bars->addAxis(names, Qt::AlignBottom);
    bars->addAxis(hits_axis_, Qt::AlignLeft);
    series->attachAxis(names);
    series->attachAxis(hits_axis_);
    bars_view_ = new QChartView(bars, this);
    bars_view_->setObjectName(QStringLiteral("ChanceBars"));
    bars_view_->setRenderHint(QPainter::Antialiasing);
    bars_view_->setMinimumSize(200, 140);
    bars_view_->setToolTip(QStringLiteral("Hits of each even chance against 18/37 of the spins."));
}

void StatsWindow::BuildTables() {
    chances_ = HitTable(this, QStringLiteral("ChanceTable"), QStringLiteral("Chance"), 6, kChanceOdds);
    for (int i = 0; i < 6; ++i)
        chances_->item(i, kName)->setText(QString::fromLatin1(kChanceNames[static_cast<std::size_t>(i)]));
    numbers_ = HitTable(this, QStringLiteral("NumberTable"), QStringLiteral("Number"), 37, kNumberOdds);
    for (int n = 0; n <= 36; ++n) numbers_->item(n, kName)->setText(QString::number(n));
    const QString tip = QStringLiteral(
        "Hits, their share of the spins beside the share chance alone gives, the spins since "
        "the last hit (absence) and the longest absence so far.");
    chances_->setToolTip(tip);
    numbers_->setToolTip(tip);
}

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

// ---- Refresh -------------------------------------------------------------------------

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
            RefreshSummary();
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
    RefreshSummary();
}

ChunkedSeries* StatsWindow::MarksOf(PointBet bet) const {
    switch (bet) {
        case PointBet::Won: return won_.get();
        case PointBet::Lost: return lost_.get();
        case PointBet::None: break;
    }
    return nullptr;
}

void StatsWindow::RedrawChart() {
    ++redraws_;
    redraw_ = false;
    const BankrollSeries& chart = stats_.Chart();
    const std::vector<BankrollPoint>& points = chart.Points();
    QList<QPointF> line;
    QList<QPointF> won;
    QList<QPointF> lost;
    line.reserve(static_cast<qsizetype>(points.size()));
    older_low_ = std::numeric_limits<double>::infinity();
    older_high_ = -older_low_;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const BankrollPoint& p = points[i];
        line.append(At(p));
        if (p.bet != PointBet::None) (p.bet == PointBet::Won ? won : lost).append(At(p));
        if (i + 1 < points.size()) {
            older_low_ = std::min(older_low_, p.bankroll);
            older_high_ = std::max(older_high_, p.bankroll);
        }
    }
    bankroll_->Assign(line);
    won_->Assign(won);
    lost_->Assign(lost);
    revision_ = chart.Revision();
    points_ = points.size();
    newest_ = points.empty() ? BankrollPoint{} : points.back();
    base_ = stats_.StartBankroll();
    FitAxes(true);
}

void StatsWindow::AppendPoint(const BankrollPoint& point) {
    if (points_ > 0) {
        older_low_ = std::min(older_low_, newest_.bankroll);
        older_high_ = std::max(older_high_, newest_.bankroll);
    }
    bankroll_->Append(At(point));
    if (ChunkedSeries* marks = MarksOf(point.bet)) marks->Append(At(point));
    newest_ = point;
    ++points_;
}

void StatsWindow::ReplaceNewest(const BankrollPoint& point) {
    bankroll_->MoveLast(At(point));
    // The newest point's mark is the last of its series.
    if (ChunkedSeries* marks = MarksOf(newest_.bet)) marks->RemoveLast();
    if (ChunkedSeries* marks = MarksOf(point.bet)) marks->Append(At(point));
    newest_ = point;
}

void StatsWindow::FitAxes(bool exact) {
    // The spin axis ends at a round number past the last spin.
    const auto spins = static_cast<std::size_t>(std::max<std::int64_t>(newest_.spin, 0));
    const double span = SpinSpan(points_ == 0 ? 0 : spins);
    if (span != shown_span_ || exact) {
        shown_span_ = span;
        spin_axis_->setRange(0, span);
        spin_axis_->setTickInterval(NiceStep(span / 8));
    }
    if (exact || base_ != shown_base_ || baseline_->count() != 2 || baseline_->at(1).x() != span) {
        shown_base_ = base_;
        baseline_->replace(QList<QPointF>{QPointF(0, base_), QPointF(span, base_)});
    }
    // The money axis: every point and the baseline in view, with a margin so
    // that the next spins rarely move it. Before the first spin it shows
    // the bankroll the session starts with.
    const double newest = points_ > 0 ? newest_.bankroll : base_;
    const double low = std::min({older_low_, newest, base_});
    const double high = std::max({older_high_, newest, base_});
    if (!exact && low >= money_axis_->min() && high <= money_axis_->max()) return;
    const double step = NiceStep(std::max(high - low, std::max(1.0, std::abs(high) * 0.01)) / 6);
    const double bottom = std::floor((low - step / 2) / step) * step;
    const double top = std::ceil((high + step / 2) / step) * step;
    money_axis_->setRange(bottom, top);
    money_axis_->setTickInterval(step);
    money_axis_->setLabelFormat(step >= 1 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
}

void StatsWindow::RefreshTables() {
    const HitCounter& hits = stats_.Hits();
    const std::int64_t spins = hits.Spins();
    for (std::size_t i = 0; i < 6; ++i) ShowFigures(*chances_, static_cast<int>(i), hits.Chances()[i], spins);
    for (std::size_t n = 0; n < 37; ++n)
        ShowFigures(*numbers_, static_cast<int>(n), hits.Numbers()[n], spins);

    const double expected = static_cast<double>(spins) * kChanceOdds;
    double most = expected;
    for (int i = 0; i < 6; ++i) {
        const auto hit_count = static_cast<double>(hits.Chances()[static_cast<std::size_t>(i)].hits);
        if (hits_set_->at(i) != hit_count) hits_set_->replace(i, hit_count);
        if (expected_set_->at(i) != expected) expected_set_->replace(i, expected);
        most = std::max(most, hit_count);
    }
    if (most > hits_axis_->max() || most < hits_axis_->max() / 4) {
        const double step = NiceStep(std::max(most, 8.0) / 4);  // 2 at least: a whole number
        hits_axis_->setTickInterval(step);
        hits_axis_->setRange(0, std::max(std::ceil(most * 1.1 / step) * step, 10.0));
    }

    hits_spins_ = spins;
    chance_figures_ = hits.Chances();
    number_figures_ = hits.Numbers();
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
    const QString colour = RoundToCents(s.net_result) > 0   ? QStringLiteral("color: rgb(46, 204, 113);")
                           : RoundToCents(s.net_result) < 0 ? QStringLiteral("color: rgb(231, 76, 60);")
                                                            : QString();
    if (summary_[kNetResult]->styleSheet() != colour) summary_[kNetResult]->setStyleSheet(colour);
}

// ---- Exports ---------------------------------------------------------------------------

std::string StatsWindow::TablesCsv(const rotacle::HitCounter& hits) {
    std::string out = "item,hits,expected_hits,share,expected_share,absence,longest_absence\n";
    for (std::size_t i = 0; i < 6; ++i)
        AppendCsvRow(out, kChanceNames[i], hits.Chances()[i], hits.Spins(), kChanceOdds);
    for (std::size_t n = 0; n < 37; ++n)
        AppendCsvRow(out, std::to_string(n), hits.Numbers()[n], hits.Spins(), kNumberOdds);
    return out;
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

bool StatsWindow::ExportChartPng() {
    const auto path = AskPath("PNG image (*.png)|*.png", "png");
    if (!path) return false;
    // At twice the size on screen, so that the picture stays sharp in print.
    const QSize size = chart_view_->size();
    QImage image(size * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(art::kBackground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    chart_view_->scene()->render(&p, QRectF(QPointF(0, 0), QSizeF(size)), chart_view_->chart()->geometry());
    p.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        platform_.ShowMessage("The chart could not be drawn as a PNG picture.");
        return false;
    }
    return SaveBytes(*path, bytes);
}

bool StatsWindow::ExportChartSvg() {
    const auto path = AskPath("SVG drawing (*.svg)|*.svg", "svg");
    if (!path) return false;
    const QSize size = chart_view_->size();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QStringLiteral("Bankroll after every spin"));
    svg.setDescription(QStringLiteral("Rotacle statistics"));
    QPainter p;
    if (!p.begin(&svg)) {
        platform_.ShowMessage("The chart could not be drawn as an SVG drawing.");
        return false;
    }
    chart_view_->scene()->render(&p, QRectF(QPointF(0, 0), QSizeF(size)), chart_view_->chart()->geometry());
    p.end();
    return SaveBytes(*path, bytes);
}

bool StatsWindow::ExportTablesCsv() {
    const auto path = AskPath("CSV file (*.csv)|*.csv", "csv");
    if (!path) return false;
    return SaveBytes(*path, QByteArray::fromStdString(TablesCsv(stats_.Hits())));
}

}  // namespace rotacle::ui
