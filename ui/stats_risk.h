// The statistics window's Risk tab: many whole sessions of the table's own
// settings from its bankroll, played on worker threads while the window
// stays responsive, with a progress bar and Cancel; then the histogram of
// their results and their figures, exported as PNG, SVG and CSV. As with the
// driver's risk runs, the staking system (the settings, flat or martingale),
// the zero rule and the seed can be chosen: the same choices give the same
// sessions as the driver.
#pragma once

#include <QFutureWatcher>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "risk/risk.h"

class QAreaSeries;
class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QValueAxis;

namespace rotacle {
class Game;
}

namespace rotacle::ui {

class QtPlatform;

/// What the table would play now: its settings record, and the money it
/// holds (the bankroll and a stake on the table) as the bankroll.
rotacle::risk::RiskSetup TableSetup(const rotacle::Game& game);

class RiskTab : public QWidget {
public:
    /// What a run plays: the table's settings and bankroll as they stand
    /// when RUN is pressed (sessions, target and spins come from the tab).
    using SetupSource = std::function<rotacle::risk::RiskSetup()>;

    /// `platform` (save dialogs, messages) must outlive the tab.
    RiskTab(SetupSource source, QtPlatform& platform, QWidget* parent);
    /// Cancels a run and waits for its threads.
    ~RiskTab() override;

    RiskTab(const RiskTab&) = delete;
    RiskTab& operator=(const RiskTab&) = delete;

    /// RUN: checks the inputs (a message over the tab's window says what is
    /// wrong) and starts the sessions on worker threads. False when nothing
    /// started.
    bool RunClick();
    /// The table changed (its bankroll, settings or zero rule): the tab
    /// shows what RUN would play now.
    void TableChanged();
    /// Cancel: the run stops after the sessions being played; the figures
    /// show those done.
    void CancelClick();
    bool Running() const { return running_; }
    /// The sessions of the last run, in index order; fewer than asked for
    /// when it was cancelled.
    const std::vector<rotacle::risk::SessionOutcome>& Outcomes() const { return outcomes_; }

    /// The exports of the last run: a save dialog, then the file whole or
    /// not at all. False when nothing was written.
    bool ExportPng();
    bool ExportSvg();
    bool ExportCsv();

protected:
    void showEvent(QShowEvent* event) override;

private:
    struct Result {
        std::vector<rotacle::risk::SessionOutcome> outcomes;
        std::string error;
    };
    void Finished();
    /// What RUN would play: the table's bankroll and settings now (during a
    /// run, the run's), with the zero rule chosen.
    void ShowTable();
    /// The zero rule chosen, or the table's.
    rotacle::ZeroRule ZeroRuleOf(const rotacle::risk::RiskSetup& table) const;
    /// The histogram and the figures of the last run.
    void ShowRun();
    void ShowProgress();
    void SetRunning(bool running);
    std::optional<std::string> AskPath(const char* filter, const char* extension);
    bool Save(const std::string& path, std::string_view bytes);

    SetupSource source_;
    QtPlatform& platform_;
    QLineEdit* sessions_ = nullptr;
    QLineEdit* target_ = nullptr;
    QLineEdit* spins_ = nullptr;
    QComboBox* system_ = nullptr;
    QComboBox* zero_rule_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QLabel* table_ = nullptr;
    QPushButton* run_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* state_ = nullptr;
    QLabel* figures_ = nullptr;
    QChartView* chart_view_ = nullptr;
    QAreaSeries* histogram_ = nullptr;
    QValueAxis* result_axis_ = nullptr;
    QValueAxis* count_axis_ = nullptr;
    std::vector<QPushButton*> exports_;

    QFutureWatcher<Result> watcher_;
    std::atomic<bool> cancel_flag_{false};
    std::atomic<std::int64_t> done_{0};
    std::int64_t asked_ = 0;
    bool running_ = false;
    rotacle::risk::RiskSetup setup_;
    std::vector<rotacle::risk::SessionOutcome> outcomes_;
};

}  // namespace rotacle::ui
