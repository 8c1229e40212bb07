// The statistics window's bankroll chart: the line of the bankroll after
// every spin with the placed bets marked won or lost, kept up to date point
// by point, and its exports as PNG and SVG.
#include "ui/stats_window.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QImage>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "ui/artwork.h"
#include "ui/chart_picture.h"
#include "ui/qt_platform.h"
#include "ui/stats_figures.h"

namespace rotacle::ui {

using figures::NiceStep;

namespace {

constexpr int kMarkSize = 7;

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

QPointF At(const BankrollPoint& p) { return QPointF(static_cast<double>(p.spin), p.bankroll); }

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

void StatsWindow::BuildChart() {
    auto* chart = new QChart;
    chart->setTheme(QChart::ChartThemeDark);
    chart->setTitle(QCoreApplication::translate("StatsWindow", "Bankroll after every spin"));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setAlignment(Qt::AlignBottom);

    // The axes first: every series of the chart, also one added later, is
    // drawn against them.
    spin_axis_ = new QValueAxis;
    spin_axis_->setTitleText(QCoreApplication::translate("StatsWindow", "Spin"));
    spin_axis_->setLabelFormat(QStringLiteral("%.0f"));
    spin_axis_->setTickType(QValueAxis::TicksDynamic);
    spin_axis_->setTickAnchor(0);
    money_axis_ = new QValueAxis;
    money_axis_->setTitleText(QCoreApplication::translate("StatsWindow", "Bankroll"));
    money_axis_->setTickType(QValueAxis::TicksDynamic);
    money_axis_->setTickAnchor(0);
    chart->addAxis(spin_axis_, Qt::AlignBottom);
    chart->addAxis(money_axis_, Qt::AlignLeft);

    baseline_ = new QLineSeries;
    baseline_->setName(QCoreApplication::translate("StatsWindow", "Initial bankroll"));
    baseline_->setPen(QPen(art::kSilver, 1, Qt::DashLine));
    chart->addSeries(baseline_);
    baseline_->attachAxis(spin_axis_);
    baseline_->attachAxis(money_axis_);
    bankroll_ = std::make_unique<ChunkedSeries>(
        *chart,
        [] {
            auto* line = new QLineSeries;
            line->setName(QCoreApplication::translate("StatsWindow", "Bankroll"));
            line->setPen(QPen(art::kGold, 1.5));
            return line;
        },
        true);
    const auto marks = [](const char* name, const QColor& colour) {
        return [name, colour]() -> QXYSeries* {
            auto* dots = new QScatterSeries;
            dots->setName(QCoreApplication::translate("StatsWindow", name));
            dots->setMarkerSize(kMarkSize);
            dots->setColor(colour);
            dots->setBorderColor(Qt::transparent);
            // Marks drawn from one picture instead of an item each: thousands
            // of bets stay cheap to lay out and to paint.
            dots->setLightMarker(MarkPicture(colour));
            return dots;
        };
    };
    won_ = std::make_unique<ChunkedSeries>(
        *chart, marks(QT_TRANSLATE_NOOP("StatsWindow", "Bet won"), QColor(46, 204, 113)), false);
    lost_ = std::make_unique<ChunkedSeries>(
        *chart, marks(QT_TRANSLATE_NOOP("StatsWindow", "Bet lost"), QColor(231, 76, 60)), false);

    chart_view_ = new QChartView(chart, this);
    chart_view_->setObjectName(QStringLiteral("BankrollChart"));
    chart_view_->setRenderHint(QPainter::Antialiasing);
    chart_view_->setMinimumSize(300, 180);
    chart_view_->setToolTip(QCoreApplication::translate(
        "StatsWindow",
        "The bankroll after every spin; green and red marks are the placed bets won and lost, "
        "the dashed line the bankroll the session started with."));
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

bool StatsWindow::ExportChartPng() {
    const auto path = AskPath("PNG image (*.png)|*.png", "png");
    if (!path) return false;
    const auto bytes = ChartPng(*chart_view_);
    if (!bytes) {
        platform_.ShowMessage(
            QCoreApplication::translate("StatsWindow", "The chart could not be drawn as a PNG picture.")
                .toStdString());
        return false;
    }
    return SaveBytes(*path, *bytes);
}

bool StatsWindow::ExportChartSvg() {
    const auto path = AskPath("SVG drawing (*.svg)|*.svg", "svg");
    if (!path) return false;
    const auto bytes = ChartSvg(*chart_view_, QStringLiteral("Bankroll after every spin"),
                                QStringLiteral("Rotacle statistics"));
    if (!bytes) {
        platform_.ShowMessage(
            QCoreApplication::translate("StatsWindow", "The chart could not be drawn as an SVG drawing.")
                .toStdString());
        return false;
    }
    return SaveBytes(*path, *bytes);
}

}  // namespace rotacle::ui
