// The statistics window's hit tabs: the hits and absences of the six even
// chances and of every number beside what chance alone gives, the chances'
// bars, and their export as CSV.
#include "ui/stats_window.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHeaderView>
#include <QHorizontalBarSeries>
#include <QLegend>
#include <QTableWidget>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "core/game_state.h"
#include "ui/artwork.h"
#include "ui/stats_figures.h"
#include "ui/wording.h"

namespace rotacle::ui {

using figures::Fixed;
using figures::NiceStep;
using figures::Percent;

namespace {

// Every even chance holds 18 of the 37 numbers; a number is one of them.
constexpr double kChanceOdds = 18.0 / 37.0;
constexpr double kNumberOdds = 1.0 / 37.0;

// The columns of both hit tables.
enum Column { kName, kHits, kShare, kExpected, kAbsence, kLongest, kColumns };

// What a cell sorts by, and the chance or number its row shows.
constexpr int kSortRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

/// A cell that sorts by its figure, not by its text ("10" after "9", "9.5 %"
/// before "10.0 %"); equal figures keep the tables' own order.
class FigureItem final : public QTableWidgetItem {
public:
    bool operator<(const QTableWidgetItem& other) const override {
        const double a = data(kSortRole).toDouble();
        const double b = other.data(kSortRole).toDouble();
        if (a != b) return a < b;
        return data(kEntryRole).toInt() < other.data(kEntryRole).toInt();
    }
};

/// Column headings that take a second line where a heading is wider than its
/// column (long words of some languages), instead of being cut.
class WrappingHeader final : public QHeaderView {
public:
    explicit WrappingHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
        // As a table's own heading: a click sorts, the current column stands out.
        setSectionsClickable(true);
        setHighlightSections(true);
        // A column's new width may change how many lines its heading takes.
        connect(this, &QHeaderView::sectionResized, this, [this] { updateGeometry(); });
    }

protected:
    QSize sectionSizeFromContents(int logical) const override {
        QSize size = QHeaderView::sectionSizeFromContents(logical);
        if (!model()) return size;
        const QString text = model()->headerData(logical, orientation()).toString();
        const int line = fontMetrics().height();
        // The room the style leaves for the text: the section less its margins
        // and, where shown, the sort indicator.
        const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
        const int mark =
            isSortIndicatorShown() ? style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) : 0;
        const int room = std::max(1, sectionSize(logical) - 2 * margin - mark - margin);
        const int high =
            fontMetrics().boundingRect(QRect(0, 0, room, 10 * line), Qt::TextWordWrap, text).height();
        size.setHeight(std::max(size.height(), size.height() - line + high));
        return size;
    }
};

void SetCell(QTableWidget& table, int row, int column, const QString& text, double key) {
    QTableWidgetItem* item = table.item(row, column);
    if (item->text() != text) item->setText(text);
    if (item->data(kSortRole).toDouble() != key) item->setData(kSortRole, key);
}

QTableWidget* HitTable(QWidget* parent, const QString& name, const QString& first, int rows, double odds) {
    auto* table = new QTableWidget(rows, kColumns, parent);
    table->setObjectName(name);
    table->setHorizontalHeader(new WrappingHeader(table));
    table->setHorizontalHeaderLabels({first, QCoreApplication::translate("StatsWindow", "Hits"),
                                      QCoreApplication::translate("StatsWindow", "Share"),
                                      QCoreApplication::translate("StatsWindow", "Expected"),
                                      QCoreApplication::translate("StatsWindow", "Absence"),
                                      QCoreApplication::translate("StatsWindow", "Longest absence")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->verticalHeader()->setDefaultSectionSize(20);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < kColumns; ++c) {
            auto* item = new FigureItem;
            item->setTextAlignment(c == kName ? Qt::AlignLeft | Qt::AlignVCenter
                                              : Qt::AlignRight | Qt::AlignVCenter);
            item->setData(kEntryRole, r);
            item->setData(kSortRole, c == kName ? r : 0);
            table->setItem(r, c, item);
        }
    for (int r = 0; r < rows; ++r) table->item(r, kExpected)->setText(Percent(odds));
    // A click on a header sorts by its column; the tables open in their own
    // order (by the first column).
    table->horizontalHeader()->setSortIndicator(kName, Qt::AscendingOrder);
    table->horizontalHeader()->setSortIndicatorShown(true);
    table->setSortingEnabled(true);
    return table;
}

// Each row's chance or number shows its figures, wherever sorting put it;
// the table sorts once when all are in.
void ShowFigures(QTableWidget& table, std::span<const HitFigures> figures, std::int64_t spins) {
    table.setSortingEnabled(false);
    for (int row = 0; row < table.rowCount(); ++row) {
        const HitFigures& f =
            figures[static_cast<std::size_t>(table.item(row, kName)->data(kEntryRole).toInt())];
        const auto hits = static_cast<double>(f.hits);
        SetCell(table, row, kHits, QString::number(f.hits), hits);
        SetCell(table, row, kShare,
                spins > 0 ? Percent(hits / static_cast<double>(spins)) : QStringLiteral("-"), hits);
        SetCell(table, row, kAbsence, QString::number(f.absence), static_cast<double>(f.absence));
        SetCell(table, row, kLongest, QString::number(f.longest_absence),
                static_cast<double>(f.longest_absence));
    }
    table.setSortingEnabled(true);
}

void AppendCsvRow(std::string& out, std::string_view name, const HitFigures& f, std::int64_t spins,
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

}  // namespace

void StatsWindow::BuildTables() {
    // Hits of each chance beside what chance alone gives.
    auto* bars = new QChart;
    bars->setTheme(QChart::ChartThemeDark);
    bars->setTitle(QCoreApplication::translate("StatsWindow", "Hits per chance"));
    bars->setAnimationOptions(QChart::NoAnimation);
    bars->legend()->setAlignment(Qt::AlignBottom);
    hits_set_ = new QBarSet(QCoreApplication::translate("StatsWindow", "Hits"));
    hits_set_->setColor(art::kGold);
    expected_set_ = new QBarSet(QCoreApplication::translate("StatsWindow", "Expected (18/37)"));
    expected_set_->setColor(art::kDimText);
    for (int i = 0; i < 6; ++i) {
        hits_set_->append(0);
        expected_set_->append(0);
    }
    // Lying bars: the names stand level at their left, where the chart gives
    // them the width of the longest, so they are read whole in any language
    // and at any height of the window.
    auto* series = new QHorizontalBarSeries;
    series->append(hits_set_);
    series->append(expected_set_);
    bars->addSeries(series);
    // Rows count from the bottom: Less on the top one, as in the table beside.
    auto* names = new QBarCategoryAxis;
    for (auto name = kFieldNames.rbegin(); name != kFieldNames.rend(); ++name) names->append(Worded(*name));
    names->setLabelsFont(art::Font(9));
    // Hits are whole numbers: so are the ticks.
    hits_axis_ = new QValueAxis;
    hits_axis_->setLabelFormat(QStringLiteral("%.0f"));
    hits_axis_->setTickType(QValueAxis::TicksDynamic);
    hits_axis_->setTickAnchor(0);
    hits_axis_->setTickInterval(2);
    hits_axis_->setRange(0, 10);
    bars->addAxis(names, Qt::AlignLeft);
    bars->addAxis(hits_axis_, Qt::AlignBottom);
    series->attachAxis(names);
    series->attachAxis(hits_axis_);
    bars_view_ = new QChartView(bars, this);
    bars_view_->setObjectName(QStringLiteral("ChanceBars"));
    bars_view_->setRenderHint(QPainter::Antialiasing);
    bars_view_->setMinimumSize(200, 140);
    bars_view_->setToolTip(
        QCoreApplication::translate("StatsWindow", "Hits of each even chance against 18/37 of the spins."));

    chances_ = HitTable(this, QStringLiteral("ChanceTable"),
                        QCoreApplication::translate("StatsWindow", "Chance"), 6, kChanceOdds);
    for (int i = 0; i < 6; ++i)
        chances_->item(i, kName)->setText(Worded(kFieldNames[static_cast<std::size_t>(i)]));
    numbers_ = HitTable(this, QStringLiteral("NumberTable"),
                        QCoreApplication::translate("StatsWindow", "Number"), 37, kNumberOdds);
    for (int n = 0; n <= 36; ++n) numbers_->item(n, kName)->setText(QString::number(n));
    const QString tip = QCoreApplication::translate(
        "StatsWindow",
        "Hits, their share of the spins beside the share chance alone gives, the spins since "
        "the last hit (absence) and the longest absence so far. Click a column's header to sort by it.");
    chances_->setToolTip(tip);
    numbers_->setToolTip(tip);
}

void StatsWindow::RefreshTables() {
    const HitCounter& hits = stats_.Hits();
    const std::int64_t spins = hits.Spins();
    ShowFigures(*chances_, hits.Chances(), spins);
    ShowFigures(*numbers_, hits.Numbers(), spins);

    const double expected = static_cast<double>(spins) * kChanceOdds;
    double most = expected;
    for (int i = 0; i < 6; ++i) {
        const auto hit_count = static_cast<double>(hits.Chances()[static_cast<std::size_t>(i)].hits);
        const int row = 5 - i;
        if (hits_set_->at(row) != hit_count) hits_set_->replace(row, hit_count);
        if (expected_set_->at(row) != expected) expected_set_->replace(row, expected);
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

std::string StatsWindow::TablesCsv(const rotacle::HitCounter& hits) {
    std::string out = "item,hits,expected_hits,share,expected_share,absence,longest_absence\n";
    for (std::size_t i = 0; i < 6; ++i)
        AppendCsvRow(out, kFieldNames[i], hits.Chances()[i], hits.Spins(), kChanceOdds);
    for (std::size_t n = 0; n < 37; ++n)
        AppendCsvRow(out, std::to_string(n), hits.Numbers()[n], hits.Spins(), kNumberOdds);
    return out;
}

bool StatsWindow::ExportTablesCsv() {
    const auto path = AskPath("CSV file (*.csv)|*.csv", "csv");
    if (!path) return false;
    return SaveBytes(*path, QByteArray::fromStdString(TablesCsv(stats_.Hits())));
}
}  // namespace rotacle::ui
