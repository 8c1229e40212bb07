// The statistics window: how the session went. The bankroll after every spin
// as a line chart with the placed bets marked won or lost, the hits and
// absences of the six even chances and of every number beside what chance
// alone gives, and the session's summary with the expected loss at the house
// edge. It reads the main window's `SessionStats` and draws only what changed
// since it last looked: new points are appended to the charts and the newest
// one follows the bankroll; anything else (an undo, an import, a new game, a
// thinned chart) redraws them. A tab lists every spin of the session; the
// hit tables sort by any column; a Risk tab plays the table's settings over
// many sessions. Esc, S and Ctrl+W close it.
//
// stats_window.cpp holds the window, its summary and its save path; the
// bankroll chart, the hit tabs, the spin list and the Risk tab have a file
// each (stats_chart.cpp, stats_hits.cpp, stats_spins.cpp, stats_risk.cpp).
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "stats/session_stats.h"
#include "ui/stats_risk.h"

class QBarSet;
class QKeySequence;
class QChart;
class QChartView;
class QLabel;
class QLineSeries;
class QTableView;
class QTableWidget;
class QValueAxis;
class QXYSeries;

namespace rotacle::ui {

class QtPlatform;
class SpinsModel;

/// A long run of points drawn as consecutive series of a bounded number of
/// points each. Qt Charts lays out a whole series again whenever one of its
/// points changes; so a point appended or moved costs the same in a long
/// session as in a short one, since it touches only the last series.
class ChunkedSeries {
public:
    /// `make` creates one series in the run's look; `joined` repeats the last
    /// point of a series as the first of the next (a line without gaps).
    ChunkedSeries(QChart& chart, std::function<QXYSeries*()> make, bool joined);

    /// Replaces all points.
    void Assign(const QList<QPointF>& points);
    void Append(const QPointF& point);
    /// Moves the newest point (there must be one).
    void MoveLast(const QPointF& point);
    /// Removes the newest point, when there is one.
    void RemoveLast();
    /// The points of the run.
    qsizetype Count() const;
    /// The first series, which stands for the run in the legend.
    QXYSeries* Front() const { return chunks_.front(); }

private:
    QXYSeries* Chunk(std::size_t index);

    QChart& chart_;
    std::function<QXYSeries*()> make_;
    bool joined_;
    std::vector<QXYSeries*> chunks_;
    std::size_t used_ = 1;  // chunks holding points (the first also when empty)
};

class StatsWindow : public QWidget {
public:
    /// `stats` and `platform` (its save dialogs and messages) must outlive
    /// the window. With `risk_setup` (what the table would play) the window
    /// has a Risk tab that plays it many times over.
    StatsWindow(const rotacle::SessionStats& stats, QtPlatform& platform,
                RiskTab::SetupSource risk_setup = {});
    ~StatsWindow() override;

    StatsWindow(const StatsWindow&) = delete;
    StatsWindow& operator=(const StatsWindow&) = delete;

    /// Shows the window, or brings it to the front when it is open.
    void Present();

    /// Gives the window its wanted size, or what `available` (a screen's
    /// free area) has room for with the window's frame, and moves it, frame
    /// and all, inside that area.
    void FitInto(const QRect& available);

    /// Brings what the window shows up to date with the statistics. Nothing
    /// is touched when they did not change; one spin more is appended.
    void Refresh();

    /// The exports: a save dialog, then the file is written whole or not at
    /// all (an existing file stays as it was when writing fails, and the
    /// player is told why). False when nothing was written.
    bool ExportChartPng();
    bool ExportChartSvg();
    bool ExportTablesCsv();
    /// Every spin as CSV: spin, number, bet (the chance's name), stake,
    /// result (won, lost) and bankroll; bet, stake and result empty for a
    /// spin without a bet, the bankroll for a number that was not played.
    bool ExportSpinsCsv();

    /// The hit figures of the chances and the numbers as CSV text: one header
    /// line, then Less, Even, Red, Black, Odd, More and the numbers 0..36,
    /// with "." as the decimal separator whatever the locale.
    static std::string TablesCsv(const rotacle::HitCounter& hits);

    /// How often the charts were redrawn from scratch and how often new
    /// points were appended to them.
    int Redraws() const { return redraws_; }
    int Appends() const { return appends_; }
    /// The Risk tab; null without a risk setup.
    RiskTab* Risk() const { return risk_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    /// The bankroll chart.
    void BuildChart();
    /// The chances' bars and the hit tables of the chances and the numbers.
    void BuildTables();
    void RedrawChart();
    void AppendPoint(const rotacle::BankrollPoint& point);
    /// The newest point drawn becomes `point` (moved, marked or, in a
    /// thinned chart, given up for a later one).
    void ReplaceNewest(const rotacle::BankrollPoint& point);
    ChunkedSeries* MarksOf(rotacle::PointBet bet) const;
    void FitAxes(bool exact);
    void RefreshTables();
    /// The spin list.
    void BuildSpins();
    void RefreshSpins();
    static void WriteSpinsCsv(const rotacle::SpinLog& log, std::ostream& out);
    void RefreshSummary();
    bool SaveBytes(const std::string& path, const QByteArray& bytes);
    void AddCloseKey(const QKeySequence& key);
    std::optional<std::string> AskPath(const char* filter, const char* extension);

    const rotacle::SessionStats& stats_;
    QtPlatform& platform_;

    QChartView* chart_view_ = nullptr;
    std::unique_ptr<ChunkedSeries> bankroll_;
    QLineSeries* baseline_ = nullptr;
    std::unique_ptr<ChunkedSeries> won_;
    std::unique_ptr<ChunkedSeries> lost_;
    QValueAxis* spin_axis_ = nullptr;
    QValueAxis* money_axis_ = nullptr;
    QChartView* bars_view_ = nullptr;
    QBarSet* hits_set_ = nullptr;
    QBarSet* expected_set_ = nullptr;
    QValueAxis* hits_axis_ = nullptr;
    QTableWidget* chances_ = nullptr;
    QTableWidget* numbers_ = nullptr;
    std::vector<QLabel*> summary_;
    QLabel* expected_name_ = nullptr;
    QTableView* spins_ = nullptr;
    SpinsModel* spins_model_ = nullptr;
    RiskTab* risk_ = nullptr;

    // What the charts show: the chart's revision, the points, the newest
    // point, the range of all points but the newest, the baseline.
    std::uint64_t revision_ = 0;
    std::size_t points_ = 0;
    rotacle::BankrollPoint newest_{};
    double older_low_ = 0;
    double older_high_ = 0;
    double base_ = 0;
    std::int64_t hits_spins_ = -1;
    std::array<HitFigures, 6> chance_figures_{};
    std::array<HitFigures, 37> number_figures_{};
    double shown_base_ = 0;
    double shown_span_ = 0;
    bool redraw_ = true;
    int redraws_ = 0;
    int appends_ = 0;
};

}  // namespace rotacle::ui
