// Help at the table: every control of the window says what it does, and the
// "?" command opens the guide.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>

#include "gui_support.h"
#include "rotacle/version.h"
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
        for (const char* words : {"flat index", "Bets played", "fixed in this version"})
            QVERIFY2(guide.contains(QLatin1String(words), Qt::CaseInsensitive), words);
        for (const char* name :
             {"BetStrategy", "GameModes", "Losses_Type", "Wins_Action", "Losses_HowMuch", "Wins_ActionValue"})
            QVERIFY2(Part(*form, name)->toolTip().contains(QLatin1String("Fixed in this version")), name);
        QVERIFY(guide.contains(QStringLiteral("version " ROTACLE_VERSION)));
        // The hover picture of "?" goes with the pointer.
        QVERIFY(!Shown(*form, "Button_Help_2"));
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
