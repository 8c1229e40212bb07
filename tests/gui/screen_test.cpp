// The window on a screen shorter than the open window, as a 1280x1024 panel
// at scale 2 is (512 pixels against 697): the window takes the screen's height
// and the settings area scrolls; the guide fits the screen too. Run alone (`rotacle_gui_tests screen`), the
// suite gets that screen; on a taller one it is skipped.
#include <QComboBox>
#include <QDialog>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>

#include "gui_support.h"

using namespace rotacle::ui::test;
using rotacle::ui::TForm1;

namespace {

/// The pointer can reach `w` at its centre: inside the window and on top.
bool Reachable(TForm1& form, QWidget* w) {
    const QPoint at = w->mapTo(&form, w->rect().center());
    return form.rect().contains(at) && form.childAt(at) == w;
}

/// One notch of the wheel, turned towards the player, at `at`: offered to
/// the widget there and then to its parents until one takes it, as the
/// window system's wheel is.
void WheelDown(TForm1& form, QPoint at) {
    for (QWidget* w = form.childAt(at); w && w != &form; w = w->parentWidget()) {
        QWheelEvent wheel(QPointF(w->mapFrom(&form, at)), QPointF(form.mapToGlobal(at)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        wheel.ignore();
        QCoreApplication::sendEvent(w, &wheel);
        if (wheel.isAccepted()) return;
    }
}

}  // namespace

class ScreenTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QuietPlatform();
        if (QGuiApplication::primaryScreen()->availableGeometry().height() >= layout::kOpenHeight)
            QSKIP("the screen is tall enough for the open window; run this suite alone");
    }

    void theOpenWindowFitsAndItsSettingsScroll() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QRect free = form->screen()->availableGeometry();
        QCOMPARE(form->height(), layout::kClosedHeight);
        ClickAt(*form, layout::kSettings.center());
        QCOMPARE(form->Engine().Chrome().ClientHeight(), layout::kOpenHeight);
        QCOMPARE(form->height(), free.height());
        QVERIFY(form->geometry().bottom() <= free.bottom());

        // The last row lies below the window; the wheel over the area brings
        // it up while the table above stays in place.
        QWidget* last = Part(*form, "ResetApp");
        QVERIFY(!Reachable(*form, last));
        const QPoint area(layout::kSettingsArea.center().x(), layout::kSettingsArea.top() + 4);
        for (int notch = 0; notch < 20 && !Reachable(*form, last); ++notch) WheelDown(*form, area);
        QVERIFY(Reachable(*form, last));
        QVERIFY(Reachable(*form, Part(*form, "Image17")));
        QVERIFY(Reachable(*form, Part(*form, "Image_Settings3")));

        // Over a list that has no focus the wheel scrolls the area on; the
        // list stays as it is.
        ClickAt(*form, layout::kSettings.center());
        ClickAt(*form, layout::kSettings.center());
        auto* bar = form->findChild<QScrollArea*>(QStringLiteral("SettingsArea"))->verticalScrollBar();
        auto* list = form->findChild<QComboBox*>(QStringLiteral("Losses_Type"));
        const QPoint over = list->mapTo(form.get(), list->rect().center());
        QVERIFY(Reachable(*form, list));
        const int top = bar->value();
        WheelDown(*form, over);
        QVERIFY(bar->value() > top);
        QVERIFY(!list->hasFocus());
        QCOMPARE(list->currentIndex(), 0);

        // Closed, the window is whole again; opened, the area starts at its top.
        ClickAt(*form, layout::kSettings.center());
        QCOMPARE(form->height(), layout::kClosedHeight);
        QVERIFY(!Reachable(*form, Part(*form, "Init_Bet")));
        ClickAt(*form, layout::kSettings.center());
        QVERIFY(Reachable(*form, Part(*form, "Init_Bet")));
        QVERIFY(!Reachable(*form, last));
    }

    // Every further window within the screen, and every dialog over the
    // table: the guide with its RESUME, and the message and question that
    // come before the window is shown (a second window's notice, the resume
    // question).
    void windowsFitAndDialogsSitOverTheTable() {
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        const auto within = [&](const QRect& r) {
            return free.contains(r)
                       ? QString()
                       : QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
        };
        {
            auto form = ShowWindow();
            QVERIFY(form);
            rotacle::ui::ShowHelp(*form);
            auto* help = form->findChild<QDialog*>(QStringLiteral("HelpWindow"));
            QVERIFY(help && QTest::qWaitForWindowExposed(help));
            QVERIFY2(within(help->frameGeometry()).isEmpty(), qPrintable(within(help->frameGeometry())));
            auto* resume = help->findChild<QWidget*>(QStringLiteral("ResumeSession"));
            const QRect button(resume->mapToGlobal(QPoint(0, 0)), resume->size());
            QVERIFY2(within(button).isEmpty() && help->rect().contains(resume->geometry()),
                     qPrintable(within(button)));
            help->close();
        }
        // Not shown yet: the window waits in the middle of the screen, and
        // what it says comes up over it.
        TForm1 form;
        const QPoint middle = form.frameGeometry().center();
        QVERIFY2((middle - free.center()).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2").arg(middle.x()).arg(middle.y())));
        form.Platform().SetNonBlockingMessages(true);
        form.Platform().ShowMessage("The last session is open in another Rotacle window.");
        QMessageBox* box = form.findChild<QMessageBox*>(QStringLiteral("ErrorMessage"));
        QVERIFY(box && QTest::qWaitForWindowExposed(box));
        QVERIFY(form.frameGeometry().contains(box->frameGeometry().center()));
        QVERIFY2(within(box->frameGeometry()).isEmpty(), qPrintable(within(box->frameGeometry())));
        box->close();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.frameGeometry().center(), middle);
    }
};

int RunScreenSuite(int argc, char** argv) {
    ScreenTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "screen_test.moc"
