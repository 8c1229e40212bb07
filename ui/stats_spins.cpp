// The statistics window's spin list: every spin of the session with its bet,
// stake, result and the bankroll after it, as a model over the session's
// spin log (a view draws only the rows in sight, so a session of millions of
// spins costs no more than a short one), and its export as CSV.
#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <array>
#include <limits>
#include <ostream>

#include "core/convert.h"
#include "core/text_file.h"
#include "ui/qt_platform.h"
#include "ui/stats_figures.h"
#include "ui/stats_window.h"
#include "ui/wording.h"

namespace rotacle::ui {

namespace {

constexpr std::array<const char*, 7> kFieldNames = {"", "Less", "Even", "Red", "Black", "Odd", "More"};

enum SpinColumn { kSpin, kNumber, kBet, kStake, kResult, kBankroll, kSpinColumns };

const char* ResultName(SpinResult r) {
    return r == SpinResult::Won ? "won" : r == SpinResult::Lost ? "lost" : "";
}

std::string Cents(double value) {
    const double cents = RoundToCents(value);
    return FloatToStr(cents == 0 ? 0.0 : cents);
}

}  // namespace

/// The spin log as rows of a table. It follows the log as the window does
/// the chart: rows appended at the end are inserted, the newest row is
/// updated in place, and anything else (an undo, a new history) resets it.
class SpinsModel final : public QAbstractTableModel {
public:
    explicit SpinsModel(const SpinLog& log, QObject* parent) : QAbstractTableModel(parent), log_(log) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : kSpinColumns; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || index.row() >= rows_) return {};
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::Alignment(index.column() == kBet || index.column() == kResult
                                                         ? Qt::AlignLeft | Qt::AlignVCenter
                                                         : Qt::AlignRight | Qt::AlignVCenter));
        if (role != Qt::DisplayRole) return {};
        const SpinRow r = log_.Row(static_cast<std::size_t>(index.row()));
        const bool bet = r.result != SpinResult::None;
        switch (index.column()) {
            case kSpin: return QString::number(r.spin);
            case kNumber: return QString::number(r.number);
            case kBet: return Worded(kFieldNames[static_cast<std::size_t>(r.field)]);
            case kStake: return bet ? QString::fromStdString(Cents(r.stake)) : QString();
            case kResult:
                return r.result == SpinResult::Won    ? QCoreApplication::translate("SpinResult", "Won")
                       : r.result == SpinResult::Lost ? QCoreApplication::translate("SpinResult", "Lost")
                                                      : QString();
            case kBankroll: return r.played ? QString::fromStdString(Cents(r.bankroll)) : QString();
            default: return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        static constexpr std::array<const char*, kSpinColumns> kNames = {
            QT_TRANSLATE_NOOP("StatsWindow", "Spin"),   QT_TRANSLATE_NOOP("StatsWindow", "Number"),
            QT_TRANSLATE_NOOP("StatsWindow", "Bet"),    QT_TRANSLATE_NOOP("StatsWindow", "Stake"),
            QT_TRANSLATE_NOOP("StatsWindow", "Result"), QT_TRANSLATE_NOOP("StatsWindow", "Bankroll")};
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
            section >= kSpinColumns)
            return QAbstractTableModel::headerData(section, orientation, role);
        return QCoreApplication::translate("StatsWindow", kNames[static_cast<std::size_t>(section)]);
    }

    /// Brings the rows up to date with the log; true when rows were added.
    bool Follow() {
        // A view counts rows in an int: a longer log shows its first ones.
        const int size = static_cast<int>(
            std::min<std::size_t>(log_.Size(), static_cast<std::size_t>(std::numeric_limits<int>::max())));
        if (log_.Revision() != revision_ || size < rows_) {
            beginResetModel();
            revision_ = log_.Revision();
            rows_ = size;
            endResetModel();
            newest_ = Newest();
            return false;
        }
        if (rows_ > 0 && !(Newest() == newest_))
            emit dataChanged(index(rows_ - 1, 0), index(rows_ - 1, kSpinColumns - 1));
        const bool added = size > rows_;
        if (added) {
            beginInsertRows({}, rows_, size - 1);
            rows_ = size;
            endInsertRows();
        }
        newest_ = Newest();
        return added;
    }

private:
    SpinRow Newest() const { return rows_ > 0 ? log_.Row(static_cast<std::size_t>(rows_ - 1)) : SpinRow{}; }

    const SpinLog& log_;
    int rows_ = 0;
    std::uint64_t revision_ = 0;
    SpinRow newest_{};
};

void StatsWindow::BuildSpins() {
    spins_model_ = new SpinsModel(stats_.Spins(), this);
    spins_ = new QTableView(this);
    spins_->setObjectName(QStringLiteral("SpinTable"));
    spins_->setModel(spins_model_);
    spins_->verticalHeader()->hide();
    // Rows of one height: the view places any row without measuring the
    // ones before it.
    spins_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    spins_->verticalHeader()->setDefaultSectionSize(20);
    spins_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    spins_->setSelectionBehavior(QAbstractItemView::SelectRows);
    spins_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    spins_->setToolTip(QCoreApplication::translate(
        "StatsWindow",
        "Every spin of the session: the bet it settled, its stake and result, and the "
        "bankroll after it. Numbers that came with an import were not played."));
}

void StatsWindow::RefreshSpins() {
    // A list that was scrolled to its end stays there as spins come.
    QScrollBar* bar = spins_->verticalScrollBar();
    const bool at_end = bar->value() == bar->maximum();
    if (spins_model_->Follow() && at_end) spins_->scrollToBottom();
}

void StatsWindow::WriteSpinsCsv(const SpinLog& log, std::ostream& out) {
    out << "spin,number,bet,stake,result,bankroll\n";
    for (std::size_t i = 0; i < log.Size(); ++i) {
        const SpinRow r = log.Row(i);
        const bool bet = r.result != SpinResult::None;
        out << IntText(r.spin).view() << ',' << IntText(r.number).view() << ','
            << kFieldNames[static_cast<std::size_t>(r.field)] << ',' << (bet ? Cents(r.stake) : std::string())
            << ',' << ResultName(r.result) << ',' << (r.played ? Cents(r.bankroll) : std::string()) << '\n';
    }
}

bool StatsWindow::ExportSpinsCsv() {
    const auto path = AskPath("CSV file (*.csv)|*.csv", "csv");
    if (!path) return false;
    // Streamed to the file: a list of millions of spins is never held as
    // text; the target is replaced only when all of it was written.
    try {
        AtomicFileStream file(*path);
        WriteSpinsCsv(stats_.Spins(), file);
        file.Commit();
        return true;
    } catch (const FileError& e) {
        platform_.ShowMessage(e.what());
        return false;
    }
}

}  // namespace rotacle::ui
