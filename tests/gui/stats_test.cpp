// The statistics window: opened from the stats row or with S, it follows the
// session spin by spin, and its exports write whole files or say why not.
#include <sys/stat.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>

#include "core/convert.h"
#include "gui_support.h"
#include "ui/stats_window.h"

using namespace rotacle::ui::test;
using rotacle::ui::ChunkedSeries;
using rotacle::ui::RiskTab;
using rotacle::ui::StatsWindow;
using rotacle::ui::TForm1;

namespace {

// The first five numbers: the fifth puts the first bet on the table.
constexpr int kSession[] = {3, 0, 12, 25, 8};

bool Play(TForm1& form) {
    for (const int n : kSession)
        if (!Spin(form, n)) return false;
    return true;
}

int Points(StatsWindow& w, const char* series) {
    auto* view = w.findChild<QChartView*>(QStringLiteral("BankrollChart"));
    for (QAbstractSeries* s : view->chart()->series())
        if (s->name() == QLatin1String(series)) return static_cast<int>(static_cast<QXYSeries*>(s)->count());
    return -1;
}

// One column of a hit table, top to bottom, joined by spaces.
QString Column(StatsWindow& w, const char* table, int column, int rows) {
    auto* t = w.findChild<QTableWidget*>(QString::fromLatin1(table));
    QStringList cells;
    for (int r = 0; r < rows; ++r) cells << t->item(r, column)->text();
    return cells.join(QLatin1Char(' '));
}

// Rows of the spin list, each as its cells joined by "|".
QStringList SpinRows(StatsWindow& w) {
    const QAbstractItemModel* m = w.findChild<QTableView*>(QStringLiteral("SpinTable"))->model();
    QStringList rows;
    for (int r = 0; r < m->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m->columnCount(); ++c) cells << m->index(r, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// A click on a hit table's header, on the tab that shows the table.
void ClickHeader(StatsWindow& w, const char* name, int column) {
    auto* table = w.findChild<QTableWidget*>(QString::fromLatin1(name));
    auto* tabs = w.findChild<QTabWidget*>(QStringLiteral("HitTabs"));
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i) == table || tabs->widget(i)->isAncestorOf(table)) tabs->setCurrentIndex(i);
    QHeaderView* header = table->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                    header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QValueAxis* Axis(StatsWindow& w, const char* view, Qt::Orientation orientation) {
    const auto axes = w.findChild<QChartView*>(QString::fromLatin1(view))->chart()->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
}

// Ticks of a count axis: whole numbers from 0 to its end.
bool WholeTicks(const QValueAxis& axis) {
    const double step = axis.tickInterval();
    return axis.tickType() == QValueAxis::TicksDynamic && axis.tickAnchor() == 0 && axis.min() == 0 &&
           step >= 1 && step == std::floor(step) && std::fmod(axis.max(), step) == 0;
}

QString Scratch(const char* name) {
    QDir().mkpath(QStringLiteral(ROTACLE_GUI_SCRATCH "/stats"));
    const QString path = QStringLiteral(ROTACLE_GUI_SCRATCH "/stats/") + QString::fromLatin1(name);
    QFile::remove(path);
    return path;
}

}  // namespace

class StatsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    // Five spins clicked, then STATS: a point per spin, the chances' hits and
    // absences of 3 0 12 25 8. One spin more is appended, not redrawn; an
    // undo takes back its point and its bet mark.
    void theWindowFollowsTheSessionSpinBySpin() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Play(*form));
        ClickAt(*form, layout::kStatsCommand.center());
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(stats);
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        // Above the table, which stays on top of other windows.
        QVERIFY(stats->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(stats->windowTitle(), QStringLiteral("Rotacle statistics"));
        QCOMPARE(Points(*stats, "Bankroll"), 5);
        // Less, Even, Red, Black, Odd, More.
        QCOMPARE(Column(*stats, "ChanceTable", 1, 6), QStringLiteral("3 2 3 1 2 1"));
        QCOMPARE(Column(*stats, "ChanceTable", 4, 6), QStringLiteral("0 0 1 0 1 1"));
        QCOMPARE(Column(*stats, "ChanceTable", 5, 6), QStringLiteral("1 2 1 4 2 3"));
        QCOMPARE(Column(*stats, "NumberTable", 1, 4), QStringLiteral("1 0 0 1"));

        const int redraws = stats->Redraws();
        form->Refresh();
        QCOMPARE(stats->Redraws() + stats->Appends(), redraws);

        QVERIFY(Spin(*form, 17));
        QCOMPARE(Points(*stats, "Bankroll"), 6);
        QCOMPARE(Points(*stats, "Bet won") + Points(*stats, "Bet lost"), 1);
        QCOMPARE(stats->Redraws(), redraws);
        QCOMPARE(stats->Appends(), 1);

        QVERIFY(form->Engine().UndoOffered());
        ClickAt(*form, layout::kUndo.center());
        QCOMPARE(Points(*stats, "Bankroll"), 5);
        QCOMPARE(Points(*stats, "Bet won") + Points(*stats, "Bet lost"), 0);
        QCOMPARE(Column(*stats, "ChanceTable", 1, 6), QStringLiteral("3 2 3 1 2 1"));
    }

    // After an undo the main window's Bets played keeps the bet taken back
    // until the next number, while the statistics window takes it back at
    // once: each figure names what it counts, so the two do not read as one.
    void eachBetCountNamesWhatItCounts() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Play(*form));
        QVERIFY(Spin(*form, 17));
        ClickAt(*form, layout::kUndo.center());
        QCOMPARE(form->Engine().Board().NumbersList().size(), std::size_t{5});
        QWidget* played = Part(*form, "Label_BetsPlayed");
        QTRY_COMPARE(static_cast<rotacle::ui::Caption*>(played)->Text(), QStringLiteral("1"));
        for (const char* words : {"this game", "import", "UNDO"})
            QVERIFY2(played->toolTip().contains(QLatin1String(words)), words);

        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        const struct {
            const char* value;
            const char* figure;
            const char* name;
        } rows[] = {{"Summary1", "1", "Bets placed in this history:"},
                    {"Summary2", "0", "Bets settled in this history:"}};
        for (const auto& row : rows) {
            auto* value = stats->findChild<QLabel*>(QString::fromLatin1(row.value));
            QVERIFY(value);
            QCOMPARE(value->text(), QString::fromLatin1(row.figure));
            QVERIFY2(value->toolTip().contains(QLatin1String("since the history began")), row.value);
            bool named = false;
            for (const QLabel* l : value->parentWidget()->findChildren<QLabel*>())
                named = named || (l->text() == QLatin1String(row.name) && l->toolTip() == value->toolTip());
            QVERIFY2(named, row.name);
        }
    }

    // The spin list holds a row per spin, the sixth with the bet it settled
    // (a stake of 1 on Black, won: 1001 after it); an undo takes a newer row
    // back; the CSV holds the same rows. A header click sorts a hit table by its
    // figure (numbers, not text), a second one the other way, and a spin
    // played while sorted puts each figure on its own chance's row.
    void theSpinListFollowsAndTheHitTablesSortByAnyColumn() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Play(*form));
        QVERIFY(Spin(*form, 17));
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        const QStringList rows = {"1|3||||1000",  "2|0||||1000", "3|12||||1000",
                                  "4|25||||1000", "5|8||||1000", "6|17|Black|1|Won|1001"};
        QCOMPARE(SpinRows(*stats), rows);
        QVERIFY(Spin(*form, 30));
        QCOMPARE(SpinRows(*stats).size(), 7);
        ClickAt(*form, layout::kUndo.center());
        QCOMPARE(SpinRows(*stats), rows);
        const QString csv = Scratch("spins.csv");
        form->Platform().QueueDialogAnswer(csv.toStdString());
        QVERIFY(stats->ExportSpinsCsv());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines[5], QStringLiteral("5,8,,,,1000"));
        QCOMPARE(lines[6], QStringLiteral("6,17,Black,1,won,1001"));

        ClickHeader(*stats, "ChanceTable", 1);
        QCOMPARE(Column(*stats, "ChanceTable", 0, 6), QStringLiteral("More Even Black Red Odd Less"));
        ClickHeader(*stats, "ChanceTable", 1);
        QCOMPARE(Column(*stats, "ChanceTable", 0, 6), QStringLiteral("Less Odd Red Black Even More"));
        ClickHeader(*stats, "NumberTable", 1);
        ClickHeader(*stats, "NumberTable", 1);
        QCOMPARE(Column(*stats, "NumberTable", 0, 5), QStringLiteral("25 17 12 8 3"));
        // 36: Even, Red, More.
        QVERIFY(Spin(*form, 36));
        QCOMPARE(Column(*stats, "ChanceTable", 0, 6), QStringLiteral("Red Less Odd Even More Black"));
        QCOMPARE(Column(*stats, "ChanceTable", 1, 6), QStringLiteral("4 4 3 3 2 2"));
        ClickHeader(*stats, "ChanceTable", 0);
        QCOMPARE(Column(*stats, "ChanceTable", 4, 6), QStringLiteral("1 0 0 1 1 0"));
    }

    // The Risk tab: an input it refuses starts nothing and says why; a small
    // run ends with the sessions the table's settings give for its target
    // and spins, their figures and a CSV row each; a large run cancelled
    // stops early with the sessions done.
    void theRiskTabPlaysTheTableOffTheWindowAndCancels() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->ShowStatistics();
        RiskTab* risk = form->OpenStatsWindow()->Risk();
        QVERIFY(risk);
        form->OpenStatsWindow()->findChild<QTabWidget*>(QStringLiteral("HitTabs"))->setCurrentWidget(risk);
        const auto set = [risk](const char* sessions, const char* target, const char* spins) {
            risk->findChild<QLineEdit*>(QStringLiteral("RiskSessions"))
                ->setText(QString::fromLatin1(sessions));
            risk->findChild<QLineEdit*>(QStringLiteral("RiskTarget"))->setText(QString::fromLatin1(target));
            risk->findChild<QLineEdit*>(QStringLiteral("RiskSpins"))->setText(QString::fromLatin1(spins));
        };
        const auto& messages = form->Platform().Messages();
        for (const auto& [sessions, target, spins] : {std::tuple{"0", "20", "200"},
                                                      {"40", "-5", "200"},
                                                      {"40", "20", "x"},
                                                      {"99999999", "20", "200"}}) {
            set(sessions, target, spins);
            const std::size_t before = messages.size();
            QVERIFY(!risk->RunClick());
            QCOMPARE(messages.size(), before + 1);
            // The message holds the statistics window until the player closes it.
            auto* box = form->OpenStatsWindow()->findChild<QMessageBox*>();
            QVERIFY(box);
            delete box;
        }

        set("40", "20", "200");
        QVERIFY(risk->RunClick());
        QVERIFY(risk->Running());
        QTRY_VERIFY_WITH_TIMEOUT(!risk->Running(), 60000);
        rotacle::risk::RiskSetup setup = rotacle::ui::TableSetup(form->Engine());
        setup.target = 20;
        setup.spins_max = 200;
        const auto expected = rotacle::risk::RunSessions(setup, 0, 40, 1);
        QCOMPARE(risk->Outcomes().size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            QCOMPARE(risk->Outcomes()[i].result, expected[i].result);
            QCOMPARE(risk->Outcomes()[i].spins, expected[i].spins);
        }
        QVERIFY(risk->findChild<QLabel*>(QStringLiteral("RiskFigures"))
                    ->text()
                    .startsWith(QStringLiteral("Sessions: 40")));
        const QString csv = Scratch("risk.csv");
        form->Platform().QueueDialogAnswer(csv.toStdString());
        QVERIFY(risk->ExportCsv());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size(), 41);

        set("1000000", "1000000", "100000");
        QVERIFY(risk->RunClick());
        QTest::mouseClick(risk->findChild<QPushButton*>(QStringLiteral("RiskCancel")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!risk->Running(), 60000);
        QVERIFY(risk->Outcomes().size() < 1000000);
        QVERIFY(risk->findChild<QLabel*>(QStringLiteral("RiskState"))
                    ->text()
                    .startsWith(QStringLiteral("Cancelled")));
    }

    // The tab tells the table as it stands while it is shown, before and
    // after a run; its messages open over the statistics window. With the
    // driver's choices (system, zero rule, seed) it plays the very sessions
    // `rotacle-sim risk` plays with the same ones; a seed the driver refuses
    // is refused.
    void theRiskTabFollowsTheTableAndPlaysTheDriversChoices() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        RiskTab* risk = stats->Risk();
        stats->findChild<QTabWidget*>(QStringLiteral("HitTabs"))->setCurrentWidget(risk);
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        auto* table = risk->findChild<QLabel*>(QStringLiteral("RiskTable"));
        const auto edit = [risk](const char* name, const char* text) {
            risk->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
        };
        const auto held = [&form] {
            return QStringLiteral("bankroll ") + QString::fromStdString(rotacle::FloatToStr(
                                                     rotacle::ui::TableSetup(form->Engine()).bankroll));
        };
        QVERIFY2(table->text().contains(QStringLiteral("bankroll 1000,")), qPrintable(table->text()));

        edit("RiskSessions", "30");
        edit("RiskTarget", "50");
        edit("RiskSpins", "300");
        risk->findChild<QComboBox*>(QStringLiteral("RiskSystem"))->setCurrentIndex(2);
        risk->findChild<QComboBox*>(QStringLiteral("RiskZeroRule"))->setCurrentIndex(2);
        QVERIFY(table->text().contains(QStringLiteral("la partage")));
        for (const char* seed : {"-1", "18446744073709551616", "7x", ""}) {
            edit("RiskSeed", seed);
            QVERIFY2(!risk->RunClick(), seed);
            auto* box = stats->findChild<QMessageBox*>();
            QVERIFY2(box && box->text().contains(QStringLiteral("seed")), seed);
            delete box;
        }
        edit("RiskSeed", "7");
        QVERIFY(risk->RunClick());
        QTRY_VERIFY_WITH_TIMEOUT(!risk->Running(), 60000);
        QCOMPARE(risk->Outcomes().size(), std::size_t{30});
        const QString tab_csv = Scratch("risk-tab.csv");
        form->Platform().QueueDialogAnswer(tab_csv.toStdString());
        QVERIFY(risk->ExportCsv());

        const QString settings = Scratch("risk-table.rtk");
        QVERIFY(form->Run([&] { form->Engine().SaveSettingsFile(settings.toStdString()); }));
        const QString sim_csv = Scratch("risk-sim.csv");
        QProcess sim;
        sim.start(QStringLiteral(ROTACLE_GUI_SIM), {QStringLiteral("risk"),
                                                    QStringLiteral("--settings"),
                                                    settings,
                                                    QStringLiteral("--sessions"),
                                                    QStringLiteral("30"),
                                                    QStringLiteral("--bankroll"),
                                                    QStringLiteral("1000"),
                                                    QStringLiteral("--target"),
                                                    QStringLiteral("50"),
                                                    QStringLiteral("--spins-max"),
                                                    QStringLiteral("300"),
                                                    QStringLiteral("--system"),
                                                    QStringLiteral("martingale"),
                                                    QStringLiteral("--zero-rule"),
                                                    QStringLiteral("partage"),
                                                    QStringLiteral("--seed"),
                                                    QStringLiteral("7"),
                                                    QStringLiteral("--no-progress"),
                                                    QStringLiteral("--csv"),
                                                    sim_csv});
        QVERIFY(sim.waitForFinished(60000));
        QCOMPARE(sim.exitCode(), 0);
        QFile a(tab_csv), b(sim_csv);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray rows = a.readAll();
        QCOMPARE(rows, b.readAll());
        QCOMPARE(rows.count('\n'), 31);
        QVERIFY(risk->findChild<QLabel*>(QStringLiteral("RiskFigures"))
                    ->text()
                    .contains(QStringLiteral("martingale, zero rule la partage, seed 7")));

        // After the run the table moves on, and the tab with it.
        risk->findChild<QComboBox*>(QStringLiteral("RiskZeroRule"))->setCurrentIndex(0);
        QVERIFY(Play(*form));
        QVERIFY(Spin(*form, 20));
        QVERIFY(held() != QStringLiteral("bankroll 1000"));
        QVERIFY2(table->text().contains(held() + QLatin1Char(',')), qPrintable(table->text() + held()));
        QVERIFY(!table->text().contains(QStringLiteral("la partage")));
    }

    // Under la partage a stake lost to the zero costs half: the summary
    // names the edge of 1/74 and counts the expected result at it.
    void theSummaryCountsLaPartageAtItsEdge() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->SetZeroRuleOption(true);
        QVERIFY(Play(*form));
        QVERIFY(Spin(*form, 20));
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        const rotacle::SessionSummary s = form->Stats().Summary();
        QVERIFY(s.total_staked > 0);
        QCOMPARE(s.expected_loss, s.total_staked / 74);
        const auto* value = stats->findChild<QLabel*>(QStringLiteral("Summary8"));
        QCOMPARE(value->text(), QString::fromStdString(
                                    "-" + rotacle::FloatToStr(rotacle::RoundToCents(s.total_staked / 74))));
        bool named = false;
        for (const QLabel* l : stats->findChildren<QLabel*>())
            named = named || (l->text().contains(QStringLiteral("1/74")) && l->toolTip() == value->toolTip());
        QVERIFY(named);
    }

    // The window opens inside the screen's free area, whatever its size
    // (at scale 2 it was larger than the screen), with its summary and its
    // exports in it; Esc, S and Ctrl+W close it, also from a table.
    void theWindowFitsTheScreenAndClosesByKey() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        const QRect free = stats->screen()->availableGeometry();
        const auto where = [](const QRect& r) {
            return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        };
        QVERIFY2(free.contains(stats->frameGeometry()),
                 qPrintable(where(stats->frameGeometry()) + QStringLiteral(" outside ") + where(free)));
        for (const char* name : {"ExportPng", "ExportSvg", "ExportCsv", "Summary8"}) {
            auto* w = stats->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY2(w && w->isVisible(), name);
            QVERIFY2(stats->rect().contains(QRect(w->mapTo(stats, QPoint(0, 0)), w->size())), name);
        }

        const QList<QKeyCombination> keys = {QKeyCombination(Qt::Key_Escape), QKeyCombination(Qt::Key_S),
                                             QKeyCombination(Qt::ControlModifier, Qt::Key_W)};
        for (const QKeyCombination key : keys) {
            form->ShowStatistics();
            QVERIFY(QTest::qWaitForWindowActive(stats));
            auto* table = stats->findChild<QTableWidget*>(QStringLiteral("ChanceTable"));
            table->setFocus();
            QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
            QVERIFY2(!stats->isVisible(), qPrintable(QKeySequence(key).toString()));
        }
    }

    // Hit counts stand on whole-number ticks; before the first spin the
    // bankroll axis shows the bankroll the session starts with.
    void axesCountInWholeNumbersAndAnEmptyChartShowsTheBankroll() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));
        QValueAxis* money = Axis(*stats, "BankrollChart", Qt::Vertical);
        QVERIFY(money->min() < 1000 && money->max() > 1000);
        QVERIFY(money->max() - money->min() <= 20);
        QValueAxis* hits = Axis(*stats, "ChanceBars", Qt::Horizontal);
        QVERIFY(WholeTicks(*hits));
        QVERIFY(Play(*form));
        QVERIFY(WholeTicks(*hits));
        QVERIFY(hits->max() >= 3);
    }

    // A long session is drawn in series of a few hundred points: read in
    // order, with each join counted once, they are every point exactly, after
    // appends across a join, a moved newest point and a shorter history.
    void aLongRunKeepsEveryPointOnce() {
        QChart chart;
        chart.addAxis(new QValueAxis, Qt::AlignBottom);
        chart.addAxis(new QValueAxis, Qt::AlignLeft);
        ChunkedSeries run(
            chart, [] { return new QLineSeries; }, true);
        const auto drawn = [&chart] {
            QList<QPointF> all;
            for (QAbstractSeries* s : chart.series()) {
                QList<QPointF> part = static_cast<QXYSeries*>(s)->points();
                if (!all.isEmpty() && !part.isEmpty()) {
                    if (part.front() != all.back()) return QList<QPointF>{};  // a gap
                    part.removeFirst();
                }
                all += part;
            }
            return all;
        };
        QList<QPointF> points;
        for (int i = 0; i < 1200; ++i) points << QPointF(i, i % 7);
        run.Assign(points);
        for (int i = 1200; i < 1600; ++i) {
            points << QPointF(i, i % 7);
            run.Append(points.back());
        }
        points.back().setY(-1);
        run.MoveLast(points.back());
        QCOMPARE(drawn(), points);
        QCOMPARE(run.Count(), points.size());
        run.Assign(points.mid(0, 3));
        QCOMPARE(drawn(), points.mid(0, 3));
    }

    // S opens the window without touching typed digits; in an edit, S is a
    // letter of the edit's.
    void sOpensTheWindowUnlessAnEditHasTheFocus() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // Keys go where the player's keys go: to the focus widget.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S);
        QVERIFY(form->OpenStatsWindow() && form->OpenStatsWindow()->isVisible());
        QCOMPARE(form->Speed().Typed(), std::string("1"));

        auto other = ShowWindow();
        QVERIFY(other);
        ClickAt(*other, layout::kSettings.center());
        auto* edit = other->findChild<QWidget*>(QStringLiteral("Init_Bet"));
        QVERIFY(edit);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_S);
        QVERIFY(!other->OpenStatsWindow());
    }

    // A comma locale changes no number of the CSV; a place that cannot be
    // written is reported, not passed over as saved.
    void exportsWriteWholeFilesOrSayWhy() {
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Play(*form));
        form->ShowStatistics();
        StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(QTest::qWaitForWindowExposed(stats));

        const QString csv = Scratch("hits.csv");
        form->Platform().QueueDialogAnswer(csv.toStdString());
        QVERIFY(stats->ExportTablesCsv());
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1 + 6 + 37);
        QCOMPARE(lines[1], QStringLiteral("Less,3,2.4324,0.600000,0.486486,0,1"));
        QCOMPARE(lines[7], QStringLiteral("0,1,0.1351,0.200000,0.027027,3,3"));

        const QString png = Scratch("chart.png");
        form->Platform().QueueDialogAnswer(png.toStdString());
        QVERIFY(stats->ExportChartPng());
        QVERIFY(!QImage(png).isNull());
        const QString svg = Scratch("chart.svg");
        form->Platform().QueueDialogAnswer(svg.toStdString());
        QVERIFY(stats->ExportChartSvg());
        QFile drawing(svg);
        QVERIFY(drawing.open(QIODevice::ReadOnly));
        QVERIFY(drawing.readAll().contains("</svg>"));

        const std::size_t messages = form->Platform().Messages().size();
        form->Platform().QueueDialogAnswer(Scratch("missing/folder/hits.csv").toStdString());
        QVERIFY(!stats->ExportTablesCsv());
        QCOMPARE(form->Platform().Messages().size(), messages + 1);
        QVERIFY(
            QString::fromStdString(form->Platform().Messages().back()).contains(QStringLiteral("hits.csv")));

        // A FIFO named like a CSV file is refused, and stays a FIFO.
        const QString fifo = Scratch("pipe.csv");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        form->Platform().QueueDialogAnswer(fifo.toStdString());
        QVERIFY(!stats->ExportTablesCsv());
        QCOMPARE(form->Platform().Messages().size(), messages + 2);
        struct stat st {};
        QCOMPARE(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
        QVERIFY(S_ISFIFO(st.st_mode));
        QLocale::setDefault(before);
    }
};

int RunStatsSuite(int argc, char** argv) {
    StatsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "stats_test.moc"
