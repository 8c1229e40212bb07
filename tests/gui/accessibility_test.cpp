// The window for keyboard and screen reader: the accessible tree, the status
// line, the first focus and the Tab order beside the keyboard play, and the
// contrast of every label as rendered.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>

#include "gui_support.h"
#include "ui/language.h"
#include "ui/session_journal.h"
#include "ui/stats_window.h"

using namespace rotacle::ui::test;
using rotacle::ui::Caption;
using rotacle::ui::TForm1;

namespace {

// The names of the objects that raised an alert, while accessibility is on.
QStringList alerts;

void HearAlerts(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Alert) return;
    if (QAccessibleInterface* iface = event->accessibleInterface()) alerts << iface->text(QAccessible::Name);
}

// Switches the platform's accessibility on, as a screen reader does, and
// gathers the alerts in `alerts` until the returned guard goes.
auto HearAlertsWhileOn(QPlatformAccessibility& platform) {
    alerts.clear();
    QAccessible::installUpdateHandler(&HearAlerts);
    platform.setActive(true);
    return qScopeGuard([&platform] {
        platform.setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    });
}

struct Item {
    QAccessible::Role role;
    QString name;
    QAccessibleInterface* iface;
};

// Every accessible object under `iface` that is visible, by object name
// (virtual parts by their role and name).
void Walk(QAccessibleInterface* iface, std::map<QString, Item>& out) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* c = iface->child(i);
        if (!c || c->state().invisible) continue;
        const QString key =
            c->object() ? c->object()->objectName() : QStringLiteral("#%1").arg(static_cast<int>(c->role()));
        out[key] = {c->role(), c->text(QAccessible::Name), c};
        Walk(c, out);
    }
}

double Channel(int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double Luminance(QRgb c) {
    return 0.2126 * Channel(qRed(c)) + 0.7152 * Channel(qGreen(c)) + 0.0722 * Channel(qBlue(c));
}

double Contrast(QRgb a, QRgb b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

// The contrast of a label as rendered: the window is grabbed with and
// without the label's text; the glyphs' solid pixels (the colour of the
// pixel that changed most, and those near it) against what lies under them.
double RenderedContrast(TForm1& form, QWidget& label, const std::function<void(bool)>& show_text) {
    const QRect place(label.mapTo(&form, QPoint(0, 0)), label.size());
    const QImage with = form.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    show_text(false);
    const QImage without = form.grab(place).toImage().convertToFormat(QImage::Format_RGB32);
    show_text(true);
    QRgb ink = 0;
    int most = 0;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (const int d = Distance(with.pixel(x, y), without.pixel(x, y)); d > most) {
                most = d;
                ink = with.pixel(x, y);
            }
    if (most == 0) return 0;
    double lowest = 1e9;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (Distance(with.pixel(x, y), ink) < 24 && Distance(with.pixel(x, y), without.pixel(x, y)) > 24)
                lowest = std::min(lowest, Contrast(ink, without.pixel(x, y)));
    return lowest;
}

// Every object of the window's tree under `iface`, hidden ones included.
// The insides of Qt's own inputs (a list's closed popup) are Qt's.
void WalkAll(QAccessibleInterface* iface, std::vector<QAccessibleInterface*>& out) {
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* c = iface->child(i);
        if (!c) continue;
        out.push_back(c);
        const QObject* o = c->object();
        if (!o || dynamic_cast<const rotacle::ui::Picture*>(o) ||
            o->metaObject() == &QFrame::staticMetaObject)
            WalkAll(c, out);
    }
}

QString Describe(QAccessibleInterface* c) {
    return QStringLiteral("%1 '%2' (role %3)")
        .arg(c->object() ? c->object()->objectName() : QStringLiteral("-"), c->text(QAccessible::Name))
        .arg(static_cast<int>(c->role()));
}

const QStringList kFields = {QStringLiteral("Less"),  QStringLiteral("Even"), QStringLiteral("Red"),
                             QStringLiteral("Black"), QStringLiteral("Odd"),  QStringLiteral("More")};

// The table's bet as the status line must tell it.
QString BetOnTable(TForm1& form) {
    const int chip = ShownChip(form);
    if (chip < 0) return QStringLiteral("no bet");
    const std::string& stake = form.Engine().Table().BetSizeShow()[static_cast<std::size_t>(chip)].Caption;
    return QStringLiteral("proposal: stake %1 on %2").arg(QString::fromStdString(stake), kFields[chip]);
}

// The window idle: no run under way, a display refresh done (the labels
// shown), every posted event served.
bool Idle(TForm1& form) {
    if (!QTest::qWaitFor([&] { return !RunInProgress(form); }, 5000)) return false;
    const int ticks = form.TimerTicks(rotacle::TimerId::ShowValues);
    if (!QTest::qWaitFor([&] { return form.TimerTicks(rotacle::TimerId::ShowValues) > ticks + 1; }, 2000))
        return false;
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    return true;
}

QString WriteScratch(const char* name, const QByteArray& content) {
    QDir().mkpath(QStringLiteral(ROTACLE_GUI_SCRATCH));
    const QString path = QStringLiteral(ROTACLE_GUI_SCRATCH "/access-") + QString::fromLatin1(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) return {};
    return path;
}

// The settings area open, five numbers in, a bet shown.
std::unique_ptr<TForm1> PlayedWindow() {
    auto form = ShowWindow();
    if (!form) return nullptr;
    for (const int n : {32, 15, 19, 4, 21})
        if (!Spin(*form, n)) return nullptr;
    form->Run([&] { form->Engine().Image_Settings2Click(); });
    QCoreApplication::processEvents();
    return form;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void treeNamesEveryPartWithItsRole() {
        auto form = PlayedWindow();
        QVERIFY(form);
        QVERIFY(ShownChip(*form) >= 0);
        const QString field = QStringList{QStringLiteral("Less"), QStringLiteral("Even"),
                                          QStringLiteral("Red"),  QStringLiteral("Black"),
                                          QStringLiteral("Odd"),  QStringLiteral("More")}[ShownChip(*form)];
        std::map<QString, Item> tree;
        Walk(QAccessible::queryAccessibleInterface(form.get()), tree);

        // Every part the player acts on or reads has a name.
        const QAccessible::Role named[] = {
            QAccessible::Button,    QAccessible::CheckBox, QAccessible::ComboBox, QAccessible::EditableText,
            QAccessible::SpinBox,   QAccessible::Slider,   QAccessible::ListItem, QAccessible::ProgressBar,
            QAccessible::Indicator, QAccessible::Graphic,  QAccessible::List};
        int buttons = 0;
        for (const auto& [key, item] : tree) {
            if (std::find(std::begin(named), std::end(named), item.role) == std::end(named)) continue;
            QVERIFY2(!item.name.isEmpty(), qPrintable(key));
            if (item.role == QAccessible::Button && !item.iface->state().disabled) {
                ++buttons;
                QVERIFY2(
                    item.iface->actionInterface() && item.iface->actionInterface()->actionNames().contains(
                                                         QAccessibleActionInterface::pressAction()),
                    qPrintable(key));
            }
        }
        QVERIFY2(buttons >= 37 + 6 + 12, qPrintable(QString::number(buttons)));

        const struct {
            const char* key;
            QAccessible::Role role;
            QString name;
        } rows[] = {
            {"Image17", QAccessible::Button, QStringLiteral("17, black")},
            {"Image0", QAccessible::Button, QStringLiteral("0, green")},
            {"Image1", QAccessible::Button, QStringLiteral("1, red")},
            {"Trend_Even_0", QAccessible::Button, QStringLiteral("trend: Even")},
            {"Image_Cancel1", QAccessible::Button, QStringLiteral("UNDO")},
            {"Button_Close", QAccessible::Button, QStringLiteral("close")},
            {"Button_Stats", QAccessible::Button, QStringLiteral("STATS")},
            {"Init_Bet", QAccessible::EditableText, QStringLiteral("INITIAL BET")},
            {"Losses_HowMuch", QAccessible::SpinBox, QStringLiteral("losses before the action")},
            {"SafeLevel", QAccessible::Slider, QStringLiteral("SAFE LEVEL")},
            {"CGauge1", QAccessible::ProgressBar, QStringLiteral("run progress")},
            {"Label_Bankroll", QAccessible::StaticText, QStringLiteral("bankroll ")},
            {"HisNum1", QAccessible::ListItem, QStringLiteral("21, red")},
        };
        for (const auto& row : rows) {
            const auto at = tree.find(QString::fromLatin1(row.key));
            QVERIFY2(at != tree.end(), row.key);
            QCOMPARE(at->second.role, row.role);
            QVERIFY2(at->second.name.startsWith(row.name), qPrintable(at->second.name));
        }
        // Either lamp says its state in words, shown or not.
        const auto name_of = [&](const char* part) {
            return QAccessible::queryAccessibleInterface(Part(*form, part))->text(QAccessible::Name);
        };
        QCOMPARE(QAccessible::queryAccessibleInterface(Part(*form, "SL_Indicator1"))->role(),
                 QAccessible::Graphic);
        QCOMPARE(name_of("SL_Indicator1"), QStringLiteral("safe level lamp: off (red)"));
        QCOMPARE(name_of("SL_Indicator2"), QStringLiteral("safe level lamp: on (green)"));
        const QString stake = tree.at(QStringLiteral("BetSizeShow_") + field).name;
        QVERIFY2(stake.startsWith(QStringLiteral("stake ")) && stake.endsWith(QStringLiteral(" on ") + field),
                 qPrintable(stake));
        // The history is a list of its numbers, newest first.
        const Item& history = tree.at(QStringLiteral("#%1").arg(static_cast<int>(QAccessible::List)));
        QCOMPARE(history.iface->childCount(), 5);
        QCOMPARE(history.iface->child(0)->parent(), history.iface);
        QVERIFY(tree.at(QStringLiteral("CGauge1")).iface->valueInterface());

        // The names follow the window's language, with its casino terms.
        rotacle::ui::LoadLanguage(QStringLiteral("fr"));
        {
            auto french = ShowWindow();
            const auto french_name = [&](const char* part) {
                return QAccessible::queryAccessibleInterface(Part(*french, part))->text(QAccessible::Name);
            };
            const QString cell = french_name("Image17"), trend = french_name("Trend_Even_0");
            rotacle::ui::LoadLanguage(QStringLiteral("en"));
            QCOMPARE(cell, QStringLiteral("17, noir"));
            QCOMPARE(trend, QStringLiteral("tendance : Pair"));
        }

        // Press on a cell enters its number, as a click does.
        const std::size_t before = form->Engine().Board().NumbersList().size();
        tree.at(QStringLiteral("Image17"))
            .iface->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(QTest::qWaitFor([&] { return !RunInProgress(*form); }, 5000));
        QCOMPARE(form->Engine().Board().NumbersList().size(), before + 1);
        QCOMPARE(static_cast<int>(form->Engine().Board().NumbersList().back()), 17);
    }

    // The tree holds what the player sees, each command once: no hidden
    // object, no 0 x 0 one, no second picture of a command; a covered command
    // reads as disabled; the inputs of a closed settings area are not shown;
    // lamps are pictures; a closed window's tab holds no focus.
    void treeHoldsWhatThePlayerSeesOnce() {
        auto form = PlayedWindow();
        QVERIFY(form);
        const auto close_area = [&] { form->Run([&] { form->Engine().Image_Settings3Click(); }); };
        const struct {
            const char* state;
            std::function<void()> arrange;
            QStringList buttons;   // named buttons in the tree
            QStringList disabled;  // among them, those that read as disabled
            QStringList absent;    // names that are not in the tree
        } rows[] = {
            {"settings open",
             [] {},
             {QStringLiteral("17, black"), QStringLiteral("trend: Red"), QStringLiteral("UNDO"),
              QStringLiteral("SKIP"), QStringLiteral("SETTINGS"), QStringLiteral("help")},
             {},
             {QStringLiteral("UNDO, not available"), QStringLiteral("PASTE FROM EVOLUTION")}},
            {"settings closed",
             close_area,
             {QStringLiteral("0, green"), QStringLiteral("SETTINGS")},
             {},
             {QStringLiteral("INITIAL BET"), QStringLiteral("losses before the action"),
              QStringLiteral("SAFE LEVEL"), QStringLiteral("Show Bet")}},
            {"pointer on a cell",
             [&] { MoveTo(*form, layout::CellRect(17).center()); },
             {QStringLiteral("17, black")},
             {},
             {}},
            {"import panel open",
             [&] { form->ImportCommandClick(); },
             {QStringLiteral("PASTE FROM EVOLUTION"), QStringLiteral("CLOSE"), QStringLiteral("17, black")},
             {QStringLiteral("17, black")},
             {}},
            {"new game",
             [&] {
                 form->Run([&] { form->Engine().Image_ClosePanel2Click(); });
                 form->Run([&] { form->Engine().ResetApp(); });
             },
             {QStringLiteral("UNDO"), QStringLiteral("SKIP")},
             {QStringLiteral("UNDO"), QStringLiteral("SKIP")},
             {QStringLiteral("SKIP, not available")}},
        };
        for (const auto& row : rows) {
            row.arrange();
            QVERIFY(Idle(*form));
            std::vector<QAccessibleInterface*> all;
            WalkAll(QAccessible::queryAccessibleInterface(form.get()), all);
            std::map<QString, QAccessibleInterface*> buttons;
            QStringList names, trouble;
            int lamps = 0;
            for (QAccessibleInterface* c : all) {
                const QString name = c->text(QAccessible::Name);
                names << name;
                if (c->object() && c->object()->objectName().startsWith(QLatin1String("SL_Indicator"))) {
                    ++lamps;
                    if (c->role() != QAccessible::Graphic)
                        trouble << QStringLiteral("lamp role ") + Describe(c);
                }
                if (c->role() == QAccessible::StatusBar || c->role() == QAccessible::List) continue;
                if (c->state().invisible || c->rect().isEmpty())
                    trouble << QStringLiteral("hidden ") + Describe(c);
                if (c->role() != QAccessible::Button) continue;
                // A painted command is one object, however many pictures draw it.
                if (buttons.count(name) && dynamic_cast<rotacle::ui::Picture*>(c->object()))
                    trouble << QStringLiteral("twice ") + Describe(c);
                if (!buttons.count(name) || dynamic_cast<rotacle::ui::Picture*>(c->object()))
                    buttons[name] = c;
            }
            QVERIFY2(lamps <= 1, row.state);
            for (const QString& b : row.buttons) {
                if (!buttons.count(b)) {
                    trouble << QStringLiteral("missing ") + b;
                    continue;
                }
                if (buttons[b]->state().disabled != row.disabled.contains(b))
                    trouble << QStringLiteral("disabled? ") + Describe(buttons[b]);
            }
            // A painted command offers its press exactly while it is available.
            for (const auto& [name, c] : buttons) {
                if (!dynamic_cast<rotacle::ui::Picture*>(c->object())) continue;
                const bool press = c->actionInterface() && c->actionInterface()->actionNames().contains(
                                                               QAccessibleActionInterface::pressAction());
                if (press == c->state().disabled) trouble << QStringLiteral("press? ") + Describe(c);
            }
            for (const QString& a : row.absent)
                if (names.contains(a)) trouble << QStringLiteral("present ") + a;
            QVERIFY2(trouble.isEmpty(),
                     qPrintable(QStringLiteral("%1: %2").arg(QString::fromLatin1(row.state),
                                                             trouble.join(QStringLiteral(", ")))));
        }
        // Asked directly, an input of the closed area is not showing.
        QVERIFY(QAccessible::queryAccessibleInterface(Part(*form, "Init_Bet"))->state().invisible);

        // The statistics window's tabs: the current one is focused only while
        // its bar has the focus in a shown window.
        form->ShowStatistics();
        rotacle::ui::StatsWindow* stats = form->OpenStatsWindow();
        QVERIFY(stats && QTest::qWaitForWindowExposed(stats));
        auto* bar = stats->findChild<QTabWidget*>(QStringLiteral("HitTabs"))->tabBar();
        stats->close();
        QVERIFY(!stats->isVisible());
        QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(bar);
        QVERIFY(tabs->childCount() >= 3);
        for (int i = 0; i < tabs->childCount(); ++i) {
            QCOMPARE(tabs->child(i)->role(), QAccessible::PageTab);
            QVERIFY2(!tabs->child(i)->state().focused, qPrintable(tabs->child(i)->text(QAccessible::Name)));
            QCOMPARE(tabs->child(i)->state().selected, i == bar->currentIndex());
        }
        QCOMPARE(tabs->child(0)->text(QAccessible::Name), QStringLiteral("Chances"));
    }

    // The status line tells the table as it stands after every event, and
    // says each change with an alert: the bet on the table (or none), a
    // refused number, the limit screen, the import panel, the numbers in game,
    // with the news of the event (a settled bet, an error) ahead of it.
    void statusLineTellsTheTableAsItIs() {
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform) QSKIP("the platform has no accessibility");
        const auto off = HearAlertsWhileOn(*platform);
        const QString good = WriteScratch("good.txt", "5\n17\n32\n8\n");
        QVERIFY(!good.isEmpty());
        std::unique_ptr<TForm1> form = ShowWindow();
        QVERIFY(form);
        const auto spins = [&](std::initializer_list<int> numbers) {
            for (const int n : numbers)
                if (!Spin(*form, n)) return;
        };
        const auto load = [&](const QString& path) {
            form->ImportCommandClick();
            form->Platform().QueueDialogAnswer(path.toStdString());
            form->Run([&] { form->Engine().Image_LoadFromFile2Click(); });
        };
        const std::string folder = ROTACLE_GUI_SCRATCH "/journal-status";
        std::filesystem::remove_all(folder);
        std::optional<rotacle::ui::SessionJournal> journal;
        const struct {
            const char* step;
            std::function<void()> act;
            QStringList says;
            QStringList not_says;
        } rows[] = {
            {"a proposal",
             [&] {
                 spins({32, 15, 19, 4, 21});
             },
             {QStringLiteral("numbers in game 5, last 21, red")},
             {}},
            {"a stake above the money held",
             [&] {
                 form->Run([&] { form->Engine().SetEditText(rotacle::EditId::Init_Bet, "100000"); });
                 spins({0});
             },
             {QStringLiteral("more than the money held")},
             {}},
            {"a settled bet",
             [&] {
                 form->Run([&] { form->Engine().SetEditText(rotacle::EditId::Init_Bet, "1"); });
                 spins({0});
             },
             {QStringLiteral("lost: stake "), QStringLiteral("numbers in game 7")},
             {}},
            {"the bet skipped",
             [&] { form->Run([&] { form->Engine().Image_SkipBet2Click(); }); },
             {QStringLiteral("no bet")},
             {}},
            {"new game",
             [&] { form->Run([&] { form->Engine().ResetApp(); }); },
             {QStringLiteral("numbers in game 0")},
             {QStringLiteral("proposal"), QStringLiteral("stake")}},
            {"four numbers without a proposal",
             [&] {
                 spins({1, 2, 3, 4});
             },
             {QStringLiteral("numbers in game 4, last 4, black")},
             {QStringLiteral("proposal")}},
            {"a trend chosen",
             [&] {
                 QAccessible::queryAccessibleInterface(Part(*form, "Trend_Red_0"))
                     ->actionInterface()
                     ->doAction(QAccessibleActionInterface::pressAction());
             },
             {QStringLiteral("trend: Red")},
             {}},
            {"a refused number",
             [&] {
                 QTest::keyClicks(form.get(), QStringLiteral("99"));
                 QTest::keyClick(form.get(), Qt::Key_Return);
             },
             {QStringLiteral("not taken")},
             {}},
            {"an import error",
             [&] { load(QStringLiteral(ROTACLE_GUI_SCRATCH "/none/missing.txt")); },
             {QStringLiteral("error: "), QStringLiteral("import panel open")},
             {}},
            {"a good import after it",
             [&] { load(good); },
             {QStringLiteral("import panel open: IMPORT (4)")},
             {QStringLiteral("error")}},
            {"imported",
             [&] { form->Run([&] { form->Engine().Button_ProcessClick(); }); },
             {QStringLiteral("numbers in game 4, last 8, black")},
             {QStringLiteral("import panel")}},
            {"a limit screen",
             [&] {
                 form->Run([&] { form->Engine().SetLimits({.spins = 2}); });
                 spins({11, 12});
             },
             {QStringLiteral("SPIN LIMIT REACHED"), QStringLiteral("Net result")},
             {}},
            {"going on past it",
             [&] { QTest::mouseClick(Part(*form, "LimitGoOn"), Qt::LeftButton); },
             {},
             {QStringLiteral("LIMIT")}},
            {"a journaled session cut short",
             [&] {
                 form->Run([&] { form->Engine().SetLimits({}); });
                 form.reset();
                 form = ShowWindow();
                 journal.emplace(*form, folder);
                 journal->Start();
                 spins({32, 15, 19, 4, 21, 6, 13, 30, 9});
                 journal.reset();
                 form.reset();
             },
             {},
             {}},
            {"resumed",
             [&] {
                 form = ShowWindow();
                 journal.emplace(*form, folder);
                 journal->Start();  // Yes by default
             },
             {QStringLiteral("session resumed: 9 numbers"), QStringLiteral("numbers in game 9, last 9, red")},
             {QStringLiteral("won: "), QStringLiteral("lost: ")}},
        };
        for (const auto& row : rows) {
            // A message read and closed, as the player does.
            for (QWidget* box : QApplication::topLevelWidgets())
                if (qobject_cast<QMessageBox*>(box) && box->isVisible()) box->close();
            alerts.clear();
            row.act();
            if (!form) continue;
            QVERIFY2(Idle(*form), row.step);
            QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
            QAccessibleInterface* status = window->child(window->childCount() - 1);
            QCOMPARE(status->role(), QAccessible::StatusBar);
            const QString line = status->text(QAccessible::Name);
            QStringList trouble;
            // The bet is always the one on the table.
            if (!line.contains(BetOnTable(*form))) trouble << BetOnTable(*form);
            const QString bankroll =
                QStringLiteral("bankroll ") +
                QString::fromStdString(form->Engine().Display().Label_Bankroll().Caption);
            if (!line.contains(bankroll + QLatin1Char(';'))) trouble << bankroll;
            if (ShownChip(*form) < 0 && line.contains(QLatin1String("proposal")))
                trouble << QStringLiteral("proposal");
            for (const QString& s : row.says)
                if (!line.contains(s)) trouble << s;
            for (const QString& s : row.not_says)
                if (line.contains(s)) trouble << QStringLiteral("not ") + s;
            // Said, not only written.
            if (alerts.isEmpty() || alerts.last() != line) trouble << QStringLiteral("no alert");
            QVERIFY2(trouble.isEmpty(), qPrintable(QStringLiteral("%1: '%2' lacks %3")
                                                       .arg(QString::fromLatin1(row.step), line,
                                                            trouble.join(QStringLiteral(", ")))));
        }
        journal.reset();
        for (auto* box : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(box)) box->close();
    }

    // With accessibility on (as under a screen reader), the window's status
    // line takes the words of each and raises an alert once the window is idle.
    void proposalSettlementAndErrorAreAnnounced() {
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform) QSKIP("the platform has no accessibility");
        const auto off = HearAlertsWhileOn(*platform);
        auto form = ShowWindow();
        QVERIFY(form);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        QAccessibleInterface* status = window->child(window->childCount() - 1);
        QCOMPARE(status->role(), QAccessible::StatusBar);
        const auto said = [&](const char* what) {
            return QTest::qWaitFor(
                [&] {
                    return std::any_of(alerts.begin(), alerts.end(),
                                       [&](const QString& a) { return a.contains(QLatin1String(what)); });
                },
                2000);
        };
        for (const int n : {32, 15, 19, 4, 21}) QVERIFY(Spin(*form, n));
        QVERIFY2(said("proposal: stake "), qPrintable(alerts.join(QLatin1Char('|'))));
        ClickAt(*form, layout::CellRect(0).center());
        QVERIFY2(said("lost: stake "), qPrintable(alerts.join(QLatin1Char('|'))));
        QVERIFY(QTest::qWaitFor([&] { return !RunInProgress(*form); }, 5000));
        form->Platform().QueueDialogAnswer(ROTACLE_GUI_SCRATCH "/none/missing.rtk");
        form->Image_Load2Click();
        QVERIFY2(said("error: "), qPrintable(alerts.join(QLatin1Char('|'))));
        QCOMPARE(status->text(QAccessible::Name), alerts.last());
        for (auto* box : form->findChildren<QMessageBox*>()) box->close();
    }

    // The table has the first focus, and keeps it when the game hands the
    // focus on: Space there changes nothing, and "Show Bet", which the player
    // never sees, takes neither the focus nor a key. Tab walks the table, the
    // trends, then the commands; digits and Enter stay the keyboard play's
    // while a command has the focus, Space and a bare Enter press it.
    void tabOrderKeepsThePlayKeys() {
        auto form = ShowWindow();
        QVERIFY(form);
        auto* show_bet = form->findChild<QCheckBox*>(QStringLiteral("ShowBetSize"));
        QVERIFY(show_bet->isHidden());
        QCOMPARE(show_bet->focusPolicy(), Qt::NoFocus);
        for (const int n : {32, 15, 19, 4, 21, 7}) {
            QCOMPARE(form->focusWidget(), form.get());
            QTest::keyClick(form->focusWidget(), Qt::Key_Space);
            QVERIFY(Spin(*form, n));
        }
        QCOMPARE(form->focusWidget(), form.get());
        QVERIFY(form->Engine().Inputs().ShowBetSize.Checked);
        QCOMPARE(form->Engine().Board().NumbersList().size(), std::size_t{6});
        form->Run([&] { form->Engine().ResetApp(); });
        form->setFocus();
        QTest::keyClick(form.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image0"));
        // The cell under the pointer (its hover picture on it) is no exception.
        for (int k = 0; k < 37 + 6; ++k) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image_Cancel1"));
        QVERIFY(form->findChild<QWidget*>(QStringLiteral("FocusRing"))->isVisible());

        // Typed 7 and Enter on the focused undo: the 7 goes in, nothing is undone.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return !RunInProgress(*form); }, 5000));
        QCOMPARE(form->Engine().Board().NumbersList().size(), std::size_t{1});
        // A bare Space presses undo.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QVERIFY(QTest::qWaitFor([&] { return form->Engine().Board().NumbersList().empty(); }, 2000));

        // Past the last command: the table again while the settings area is
        // closed, its first input while it is open.
        const auto after_commands = [&] {
            form->findChild<QWidget*>(QStringLiteral("Button_Close"))->setFocus(Qt::TabFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            return QApplication::focusWidget()->objectName();
        };
        QCOMPARE(after_commands(), QStringLiteral("Image0"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Button_Close"));
        form->Run([&] { form->Engine().Image_Settings2Click(); });
        QCOMPARE(after_commands(), QStringLiteral("Init_Bet"));
    }

    void everyLabelReadsAgainstItsBackground() {
        auto form = PlayedWindow();
        QVERIFY(form);
        // The key readout with a refused number (its red cross) and a typed one.
        QTest::keyClicks(form.get(), QStringLiteral("99"));
        QTest::keyClick(form.get(), Qt::Key_Return);
        QTest::keyClicks(form.get(), QStringLiteral("1"));
        int measured = 0;
        QStringList failing;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            // A disabled input's caption is dimmed on purpose.
            if (!w->isVisibleTo(form.get()) || w->visibleRegion().isEmpty() || !w->isEnabled()) continue;
            double ratio = 0;
            if (auto* c = dynamic_cast<Caption*>(w); c && !c->Text().isEmpty()) {
                const std::string text = c->Text().toStdString();
                ratio = RenderedContrast(*form, *w,
                                         [&](bool shown) { c->SetText(shown ? text : std::string()); });
            } else if (auto* b = qobject_cast<QCheckBox*>(w); b && !b->text().isEmpty()) {
                const QString text = b->text();
                ratio =
                    RenderedContrast(*form, *w, [&](bool shown) { b->setText(shown ? text : QString()); });
            } else {
                continue;
            }
            ++measured;
            if (ratio < 4.5) failing << QStringLiteral("%1 %2").arg(w->objectName()).arg(ratio, 0, 'f', 2);
        }
        QVERIFY2(measured > 30, qPrintable(QString::number(measured)));
        QVERIFY2(failing.isEmpty(), qPrintable(failing.join(QStringLiteral(", "))));
    }
};

int RunAccessibilitySuite(int argc, char** argv) {
    AccessibilityTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "accessibility_test.moc"
