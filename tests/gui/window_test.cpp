// The window itself: size and chrome, the settings toggle, the font, idle
// cost, the program's start checks and an error that escapes the event loop.
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "gui_support.h"
#include "ui/application.h"
#include "ui/qt_platform.h"

using namespace rotacle::ui::test;
using rotacle::TimerId;
using rotacle::ui::TForm1;

namespace {

// Counts the paint events of a widget and all its children.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& root) {
        root.installEventFilter(this);
        for (QWidget* w : root.findChildren<QWidget*>()) w->installEventFilter(this);
    }
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Throws from its event handler, as a failing operation would.
class Thrower : public QObject {
protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) throw std::runtime_error("the table caught fire");
        return QObject::event(e);
    }
};

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void startsFramelessOnTopAt457x388() {
        auto form = ShowWindow();
        QVERIFY(form);
        QCOMPARE(form->size(), QSize(457, 388));
        QVERIFY(form->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(PixelAt(*form, Background()), QColor(35, 35, 35));
        QCOMPARE(form->windowTitle(), QStringLiteral("Rotacle 8.0"));
    }

    // The matrix buttons stay disabled in play (only RM enables BUILD
    // MATRIX, and nothing enables RM); once enabled they run their operations.
    void matrixButtonsRunTheBuildAndTheReset() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {3, 0, 12}) QVERIFY(Spin(*form, n));
        ClickAt(*form, layout::kSettings.center());
        auto* build = Part(*form, "CreateMatrix");
        auto* reset = Part(*form, "ResetMatrix");
        QVERIFY(!build->isEnabled());
        QVERIFY(!reset->isEnabled());

        form->engine().ResetMatrix_Button.Enabled = true;
        form->Refresh();
        QVERIFY(reset->isEnabled());
        QTest::mouseClick(reset, Qt::LeftButton);
        QCOMPARE(form->engine().State.Bankroll, 1000000.0);
        QVERIFY(build->isEnabled());
        QVERIFY(!reset->isEnabled());

        QTest::mouseClick(build, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(form->engine().PatternsTest.at(0)),
                 QStringLiteral("1-2-3-4-5-6 | MaxWins: 2 | Next step: 7 | Last number: 12"));
        QVERIFY(Shown(*form, "ChipBlack"));
    }

    void settingsToggleOpensAndClosesTheArea() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QPoint toggle = layout::kSettings.center();
        MoveTo(*form, toggle);
        QVERIFY(Shown(*form, "Image_Settings2"));
        ClickAt(*form, toggle);
        QCOMPARE(form->height(), 697);
        QCOMPARE(form->engine().ClientHeight, 697);
        QVERIFY(Shown(*form, "Image_Settings3"));
        QVERIFY(Part(*form, "Init_Bet")->isVisible());
        // The open look is lit gold, not the greyed cover of other commands.
        const QColor open = PixelAt(*form, layout::kSettings.topLeft() + QPoint(6, 12));
        QVERIFY2(open.red() > 180 && open.green() > 120 && open.blue() < 90, qPrintable(open.name()));

        ClickAt(*form, toggle);
        QCOMPARE(form->height(), 388);
        QVERIFY(!Shown(*form, "Image_Settings3"));
    }

    void closeAndMinimiseCommands() {
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::kMinimize.center());
        QVERIFY(Shown(*form, "Button_Minimize_2"));
        ClickAt(*form, layout::kMinimize.center());
        QVERIFY(form->engine().Minimized);
        QTRY_VERIFY(form->isMinimized());
        form->showNormal();
        QTRY_VERIFY(!form->engine().Minimized);

        MoveTo(*form, layout::kClose.center());
        QVERIFY(Shown(*form, "Button_Close_Hover"));
        QVERIFY(!Shown(*form, "Button_Minimize_2"));
        ClickAt(*form, layout::kClose.center());
        QVERIFY(!form->isVisible());
    }

    void aUsableFontIsInstalled() {
        const auto font = rotacle::ui::WindowFont();
        QVERIFY2(font.has_value(), "none of the window's fonts is installed (Debian: fonts-dejavu-core)");
        QCOMPARE(font->pixelSize(), 11);
        const QFontInfo info(QApplication::font());
        QVERIFY2(rotacle::ui::PreferredFontFamilies().contains(info.family(), Qt::CaseInsensitive),
                 qPrintable(info.family()));
        // A font that resolves but draws nothing would pass everything else.
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter p(&image);
            p.setFont(*font);
            p.setPen(Qt::black);
            p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("808"));
        }
        int ink = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) ink += qGray(image.pixel(x, y)) < 128;
        QVERIFY2(ink > 20, "the window font draws no glyphs");
    }

    void atRestTheWindowNeitherRefreshesNorRepaints() {
        auto form = ShowWindow();
        QVERIFY(form);
        QTest::qWait(200);
        PaintCounter counter(*form);
        const int refreshes = form->RefreshCount();
        const int ticks = form->TimerTicks(TimerId::ShowValues);
        QTest::qWait(1000);
        QVERIFY2(form->TimerTicks(TimerId::ShowValues) - ticks >= 40, "the display refresh does not run");
        QCOMPARE(form->RefreshCount(), refreshes);
        QCOMPARE(counter.paints, 0);
    }

    void noDisplayIsReportedInOneLine_data() {
        QTest::addColumn<QByteArray>("qpa");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<bool>("reachable");
        QTest::addColumn<bool>("reported");
        QTest::newRow("nothing set") << QByteArray() << QByteArray() << QByteArray() << true << true;
        QTest::newRow("all empty") << QByteArray("") << QByteArray("") << QByteArray("") << true << true;
        QTest::newRow("X display") << QByteArray() << QByteArray(":0") << QByteArray() << true << false;
        QTest::newRow("X display gone") << QByteArray() << QByteArray(":0") << QByteArray() << false << true;
        QTest::newRow("Wayland") << QByteArray() << QByteArray() << QByteArray("wayland-0") << true << false;
        QTest::newRow("explicit platform")
            << QByteArray("offscreen") << QByteArray() << QByteArray() << true << false;
    }

    void noDisplayIsReportedInOneLine() {
        QFETCH(QByteArray, qpa);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(bool, reachable);
        QFETCH(bool, reported);
        const auto c = [](const QByteArray& v) { return v.isNull() ? nullptr : v.constData(); };
        const auto why = rotacle::ui::NoDisplayReason(c(qpa), c(display), c(wayland),
                                                      [&](const std::string&) { return reachable; });
        QCOMPARE(why.has_value(), reported);
        if (why) QVERIFY(why->find('\n') == std::string::npos);
    }

    void localDisplaysAreProbed() {
        // No X server listens on this display number here.
        QVERIFY(!rotacle::ui::XDisplayReachable(":9876"));
        QVERIFY(!rotacle::ui::XDisplayReachable("unix:9876.0"));
        // Remote or unparsable displays are left to the toolkit.
        QVERIFY(rotacle::ui::XDisplayReachable("elsewhere:0"));
        QVERIFY(rotacle::ui::XDisplayReachable("garbage"));
    }

    void dialogFiltersInQtForm_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("expected");
        QTest::newRow("settings file") << QStringLiteral("Rotacle 8 Settings(*.rtk)|*.rtk")
                                       << QStringLiteral("Rotacle 8 Settings (*.rtk)");
        QTest::newRow("brackets with a blank")
            << QStringLiteral("Text File (*.txt)|*.txt") << QStringLiteral("Text File (*.txt)");
        QTest::newRow("no brackets") << QStringLiteral("Numbers|*.txt") << QStringLiteral("Numbers (*.txt)");
        QTest::newRow("two filters, two patterns") << QStringLiteral("Lists|*.txt;*.csv|All files|*.*")
                                                   << QStringLiteral("Lists (*.txt *.csv);;All files (*.*)");
    }

    void dialogFiltersInQtForm() {
        QFETCH(QString, filter);
        QFETCH(QString, expected);
        QCOMPARE(rotacle::ui::QtFileFilter(filter.toStdString()), expected);
    }

    // Last: the application has failed afterwards.
    void anErrorEscapingTheEventLoopEndsWithAFailure() {
        auto* app = static_cast<rotacle::ui::Application*>(QCoreApplication::instance());
        QString reported;
        app->SetFatalReporter([&](const QString& what) { reported = what; });
        Thrower thrower;
        QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
        QTimer::singleShot(3000, [] { QCoreApplication::exit(0); });
        const int code = QCoreApplication::exec();
        QCOMPARE(code, 1);
        QCOMPARE(reported, QStringLiteral("the table caught fire"));
        QVERIFY(app->Failed());
    }
};

int RunWindowSuite(int argc, char** argv) {
    WindowTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "window_test.moc"
