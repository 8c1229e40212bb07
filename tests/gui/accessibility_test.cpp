// The window for keyboard and screen reader: the accessible tree, the
// announcements, the Tab order beside the keyboard play, and the contrast of
// every label as rendered.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QMessageBox>
#include <QScopeGuard>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <map>

#include "gui_support.h"
#include "ui/language.h"

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

    // With accessibility on (as under a screen reader), the window's status
    // line takes the words of each and raises an alert once the window is idle.
    void proposalSettlementAndErrorAreAnnounced() {
        QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
        if (!platform) QSKIP("the platform has no accessibility");
        alerts.clear();
        QAccessible::installUpdateHandler(&HearAlerts);
        platform->setActive(true);
        const auto off = qScopeGuard([platform] {
            platform->setActive(false);
            QAccessible::installUpdateHandler(nullptr);
        });
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

    // Tab walks the table, the trends, then the commands; digits and Enter
    // stay the keyboard play's while a command has the focus, Space and a
    // bare Enter press it.
    void tabOrderKeepsThePlayKeys() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->setFocus();
        QTest::keyClick(form.get(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image0"));
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
