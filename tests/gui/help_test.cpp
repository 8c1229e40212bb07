// Help at the table: every control of the window says what it does, and the
// "?" command opens the guide, which comes up beside the table as the
// statistics window does.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include "gui_support.h"
#include "rotacle/version.h"
#include "ui/beside.h"
#include "ui/help_window.h"
#include "ui/stats_window.h"

using namespace rotacle::ui::test;
using rotacle::ui::Picture;

namespace {

bool Interactive(QWidget& w) {
    if (qobject_cast<QAbstractButton*>(&w) || qobject_cast<QLineEdit*>(&w) ||
        qobject_cast<QAbstractSpinBox*>(&w) || qobject_cast<QComboBox*>(&w) || qobject_cast<QSlider*>(&w))
        return true;
    // A picture that takes clicks shows the hand.
    return dynamic_cast<Picture*>(&w) && w.testAttribute(Qt::WA_SetCursor) &&
           w.cursor().shape() == Qt::PointingHandCursor;
}

/// The tooltip the player sees over `w`: its own, or the nearest one of the
/// widgets it is part of (the edit inside a spin box).
QString SeenTooltip(QWidget& w, QWidget& form) {
    for (QWidget* at = &w; at && at != &form; at = at->parentWidget())
        if (!at->toolTip().isEmpty()) return at->toolTip();
    return {};
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    // Pictures that the engine shows later (hover pictures, covers, the
    // import panel's commands) count too: each may be what the pointer rests on.
    void everyControlInTheWindowHasATooltip() {
        auto form = ShowWindow();
        QVERIFY(form);
        ClickAt(*form, layout::kSettings.center());
        QCOMPARE(form->height(), layout::kOpenHeight);
        QStringList silent;
        int controls = 0;
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->window() != form.get() || !Interactive(*w)) continue;
            if (!form->rect().intersects(QRect(w->mapTo(form.get(), QPoint(0, 0)), w->size()))) continue;
            ++controls;
            if (SeenTooltip(*w, *form).isEmpty()) silent << w->objectName();
        }
        QVERIFY2(silent.isEmpty(), qPrintable(silent.join(QStringLiteral(", "))));
        // 74 cell pictures, 12 clickable trend pictures, the commands and the settings.
        QVERIFY(controls > 120);
    }

    void theHelpCommandOpensOneGuideOnTop() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (int click = 0; click < 2; ++click) {
            ClickAt(*form, layout::kHelp.center());
            MoveTo(*form, Background());
        }
        const QList<QDialog*> guides = form->findChildren<QDialog*>(QStringLiteral("HelpWindow"));
        QCOMPARE(guides.size(), 1);
        QDialog* help = guides.front();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QVERIFY(!help->isModal());
        QVERIFY(help->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        auto* text = help->findChild<QTextBrowser*>();
        QVERIFY(text);
        const QString guide = text->toPlainText();
        QVERIFY(guide.contains(QStringLiteral("1/37")));
        // The counters of the stats row and the controls this version keeps fixed.
        // What the guide tells beyond the table: la partage and its edge, the
        // session limits and the reality check, the staking dialog, the Risk tab.
        for (const char* words :
             {"flat index", "Bets played", "fixed in this version", "LA PARTAGE", "1/74", "Session limits",
              "reality check", "larger than the money held", "STAKING", "Risk tab", "seed"})
            QVERIFY2(guide.contains(QLatin1String(words), Qt::CaseInsensitive), words);
        for (const char* name :
             {"BetStrategy", "GameModes", "Losses_Type", "Wins_Action", "Losses_HowMuch", "Wins_ActionValue"})
            QVERIFY2(Part(*form, name)->toolTip().contains(QLatin1String("Fixed in this version")), name);
        QVERIFY(guide.contains(QStringLiteral("version " ROTACLE_VERSION)));
        // The hover picture of "?" goes with the pointer.
        QVERIFY(!Shown(*form, "Button_Help_2"));
    }

    // Where a window of the program goes beside the table: right of it, else
    // left, else on the side with more room, always inside the free area.
    void aWindowGoesBesideTheTable_data() {
        QTest::addColumn<QRect>("table");
        QTest::addColumn<QSize>("outer");
        QTest::addColumn<QRect>("free");
        QTest::addColumn<QPoint>("at");
        const QRect hd(0, 0, 1920, 1040);
        QTest::newRow("right") << QRect(100, 100, 457, 388) << QSize(440, 560) << hd << QPoint(569, 100);
        QTest::newRow("left") << QRect(1400, 100, 457, 388) << QSize(440, 560) << hd << QPoint(948, 100);
        QTest::newRow("low table") << QRect(100, 900, 457, 388) << QSize(440, 560) << hd << QPoint(569, 480);
        QTest::newRow("second screen")
            << QRect(1930, 0, 457, 388) << QSize(980, 700) << QRect(1920, 0, 1920, 1040) << QPoint(2399, 0);
        QTest::newRow("no room, more on the left")
            << QRect(200, 50, 457, 388) << QSize(440, 560) << QRect(0, 0, 800, 600) << QPoint(0, 40);
        QTest::newRow("larger than the screen")
            << QRect(300, 50, 457, 388) << QSize(980, 700) << QRect(0, 0, 800, 600) << QPoint(0, 0);
    }
    void aWindowGoesBesideTheTable() {
        QFETCH(QRect, table);
        QFETCH(QSize, outer);
        QFETCH(QRect, free);
        QFETCH(QPoint, at);
        QCOMPARE(rotacle::ui::BesideTable(table, outer, free), at);
    }

    // The table stays on top of other windows: the guide and the statistics
    // come up on top too, tied to it, inside the screen's free area and,
    // where the screen has room, beside the table rather than under it. One
    // that the player moved clear of the table opens there again.
    void theOtherWindowsComeUpAboveAndBesideTheTable() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QRect free = form->screen()->availableGeometry();
        form->move(free.left() + 24, free.top() + 40);
        form->ShowStatistics();
        rotacle::ui::ShowHelp(*form);
        auto* help = form->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QWidget* stats = form->OpenStatsWindow();
        QVERIFY(help && stats);
        for (QWidget* w : {static_cast<QWidget*>(help), stats}) {
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QString name = w->objectName();
            QVERIFY2(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint), qPrintable(name));
            QVERIFY2(w->windowHandle()->transientParent() == form->windowHandle(), qPrintable(name));
            QVERIFY2(free.contains(w->frameGeometry()), qPrintable(name));
            const bool room = free.right() - form->frameGeometry().right() - 12 >= w->frameGeometry().width();
            if (room) QVERIFY2(!w->frameGeometry().intersects(form->frameGeometry()), qPrintable(name));
        }
        // Moved clear of the table, closed and opened again: where the player put it.
        help->close();
        const QPoint away(free.left(), form->frameGeometry().bottom() + 20);
        if (free.contains(QRect(away, help->frameGeometry().size()))) {
            help->move(away);
            rotacle::ui::ShowHelp(*form);
            QCOMPARE(help->frameGeometry().topLeft(), away);
        }
    }

    // Closing with the window's own close command leaves no window of the
    // program behind to keep it running.
    void closingTheWindowClosesItsOtherWindows() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->ShowStatistics();
        ClickAt(*form, layout::kHelp.center());
        QDialog* help = form->findChild<QDialog*>(QStringLiteral("HelpWindow"));
        QVERIFY(help && form->OpenStatsWindow());
        QTRY_VERIFY(help->isVisible() && form->OpenStatsWindow()->isVisible());
        form->Button_Close_HoverClick();
        QVERIFY(!form->isVisible());
        QVERIFY(!help->isVisible());
        QVERIFY(!form->OpenStatsWindow()->isVisible());
    }
};

int RunHelpSuite(int argc, char** argv) {
    HelpTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "help_test.moc"
