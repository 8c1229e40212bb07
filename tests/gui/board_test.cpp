// The number board and the road of a spin on screen: cell colours, the
// proposal with its chip and stake, settlement, undo, and the board lock.
#include <QElapsedTimer>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <cstdlib>

#include "gui_support.h"

using namespace rotacle::ui::test;
using rotacle::TimerId;
using rotacle::ui::TForm1;

namespace {

// An inner point of cell n, away from its number and its border.
QPoint CellInner(int n) { return layout::CellRect(n).topLeft() + QPoint(5, 5); }

QString Text(TForm1& form, const char* name) {
    return static_cast<rotacle::ui::Caption*>(Part(form, name))->Text();
}

const char* const kStakeNames[6] = {"BetSizeShow_Less",  "BetSizeShow_Even", "BetSizeShow_Red",
                                    "BetSizeShow_Black", "BetSizeShow_Odd",  "BetSizeShow_More"};

}  // namespace

class BoardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void cellsInTheirTableColours_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("colour");
        QTest::newRow("1 is red") << 1 << QStringLiteral("red");
        QTest::newRow("36 is red") << 36 << QStringLiteral("red");
        QTest::newRow("2 is black") << 2 << QStringLiteral("black");
        QTest::newRow("35 is black") << 35 << QStringLiteral("black");
        QTest::newRow("0 is green") << 0 << QStringLiteral("green");
    }

    void cellsInTheirTableColours() {
        QFETCH(int, number);
        QFETCH(QString, colour);
        auto form = ShowWindow();
        QVERIFY(form);
        const QColor c = PixelAt(*form, CellInner(number));
        const QString seen = c.name();
        if (colour == QStringLiteral("red"))
            QVERIFY2(c.red() > 150 && c.green() < 80 && c.blue() < 80, qPrintable(seen));
        else if (colour == QStringLiteral("black"))
            QVERIFY2(c.red() < 60 && c.green() < 60 && c.blue() < 60, qPrintable(seen));
        else
            QVERIFY2(c.green() > 100 && c.red() < 60 && c.blue() < 120, qPrintable(seen));
    }

    // The zero's cell is the middle of a column down the three rows: the
    // felt beside it carries no line of its own, no line crosses the column
    // where the cell meets the rest of it, and the cell alone enters 0.
    void theZeroColumnHasNoStrayLines() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QRect zero = layout::CellRect(0);
        const QRect column = layout::kZeroColumn;
        const QImage shot = form->grab().toImage();
        const int x = zero.left() + 5;
        for (int y = column.top() - 2; y <= column.bottom() + 2; ++y) {
            const QColor felt = shot.pixelColor(column.left() - 1, y);
            QVERIFY2(felt.green() > felt.red() + 30 && felt.lightness() < 100,
                     qPrintable(QStringLiteral("y %1: %2").arg(y).arg(felt.name())));
        }
        for (const int y : {zero.top() - 1, zero.top(), zero.bottom(), zero.bottom() + 1}) {
            const int step = shot.pixelColor(x, y).lightness() - shot.pixelColor(x, y - 1).lightness();
            QVERIFY2(std::abs(step) < 12, qPrintable(QStringLiteral("y %1: %2").arg(y).arg(step)));
        }
        ClickAt(*form, QPoint(zero.center().x(), column.top() + 4));
        QVERIFY(form->Engine().Board().NumbersList().empty());
        ClickAt(*form, zero.center());
        QCOMPARE(form->Engine().Board().NumbersList(), std::vector<std::uint8_t>{0});
    }

    // A cell covers every device pixel of its place and ends in its table
    // line at every scale: no seam of fill lies beyond the line.
    void cellsEndInTheirTableLineAtEveryScale() {
        namespace art = rotacle::ui::art;
        for (const qreal dpr : {1.0, 1.25, 1.5, 2.0}) {
            for (const int n : {0, 2, 3}) {
                const QSizeF size = layout::CellRect(n).size();
                QImage image(QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)),
                             QImage::Format_ARGB32_Premultiplied);
                image.setDevicePixelRatio(dpr);
                image.fill(Qt::magenta);
                {
                    QPainter p(&image);
                    art::PaintCell(p, QRectF(QPointF(0, 0), size), n, art::CellLook::Normal);
                }
                const QString where = QStringLiteral("cell %1 at %2").arg(n).arg(dpr);
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        QVERIFY2(image.pixelColor(x, y) != QColor(Qt::magenta), qPrintable(where));
                // Each edge against the fill just inside its line, away from the number.
                const int line = std::max(1, qRound(dpr));
                const int w = image.width();
                const int h = image.height();
                const int at = 3 * line + 1;
                const auto light = [&](int x, int y) { return image.pixelColor(x, y).lightness(); };
                QVERIFY2(light(at, 0) > light(at, line) + 20, qPrintable(where + QStringLiteral(" top")));
                QVERIFY2(light(at, h - 1) > light(at, h - 1 - line) + 20,
                         qPrintable(where + QStringLiteral(" bottom")));
                QVERIFY2(light(0, at) > light(line, at) + 20, qPrintable(where + QStringLiteral(" left")));
                QVERIFY2(light(w - 1, at) > light(w - 1 - line, at) + 20,
                         qPrintable(where + QStringLiteral(" right")));
            }
        }
    }

    void fiveSpinsShowAChipAndTheSixthSettlesIt() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {32, 15, 19, 4}) QVERIFY(Spin(*form, n));
        QCOMPARE(ShownChip(*form), -1);
        QVERIFY(Spin(*form, 21));
        const int chip = ShownChip(*form);
        QVERIFY2(chip >= 0, "the fifth spin shows exactly one chip");
        QTRY_VERIFY(Shown(*form, kStakeNames[chip]));
        QCOMPARE(Text(*form, kStakeNames[chip]), QStringLiteral("1"));
        QTRY_COMPARE(Text(*form, "Label_Bankroll"), QStringLiteral("999"));
        // The chip is drawn: its blue body where the empty place was felt.
        const QRect place = layout::ChipRect(chip);
        const QColor body = PixelAt(*form, place.topLeft() + QPoint(12, 3));
        QVERIFY2(body.blue() > body.red() + 40 && body.blue() > body.green(), qPrintable(body.name()));
        // The bet can be skipped now: the inactive cover is gone.
        QTRY_VERIFY(!Shown(*form, "Image_SkipBet3"));

        // Zero loses every bet: the stake stays lost, the next one is 2.
        QVERIFY(Spin(*form, 0));
        QTRY_COMPARE(Text(*form, "Label_FlatIndex"), QStringLiteral("-18"));
        QTRY_COMPARE(Text(*form, "Label_Bankroll"), QStringLiteral("997"));
        const int next = ShownChip(*form);
        QVERIFY(next >= 0);
        QTRY_COMPARE(Text(*form, kStakeNames[next]), QStringLiteral("2"));
        QCOMPARE(Text(*form, "Label_NumbersInGame"), QStringLiteral("6"));
    }

    // An undo pressed by mistake leaves the board whole: the number taken
    // back looks as before, takes a click and keeps its place in the Tab order.
    void theUndoneNumberTakesAClickAgain() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QColor normal = PixelAt(*form, CellInner(19));
        QVERIFY(Spin(*form, 7));
        QVERIFY(Spin(*form, 19));
        QCOMPARE(Text(*form, "HisNum1"), QStringLiteral("19"));
        MoveTo(*form, layout::kUndo.center());
        QVERIFY(Shown(*form, "Image_Cancel2"));
        ClickAt(*form, layout::kUndo.center());
        QCOMPARE(Text(*form, "HisNum1"), QStringLiteral("7"));
        QVERIFY(Shown(*form, "Image19"));
        QCOMPARE(PixelAt(*form, CellInner(19)), normal);
        Part(*form, "Image18")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Image19"));

        QVERIFY(Spin(*form, 19));
        QCOMPARE(form->Engine().Board().NumbersList(), (std::vector<std::uint8_t>{7, 19}));
        QCOMPARE(Text(*form, "HisNum1"), QStringLiteral("19"));
    }

    // Without a window manager the first press on a cell activates the
    // window; the activation cleared the cell's hover picture under the
    // pressed button and the click was lost.
    void theFirstPressCountsWhileItActivatesTheWindow_data() {
        QTest::addColumn<bool>("hovered");
        QTest::newRow("pointer moved onto the cell") << true;
        QTest::newRow("press without a move") << false;
    }
    void theFirstPressCountsWhileItActivatesTheWindow() {
        QFETCH(bool, hovered);
        auto other = ShowWindow();
        auto form = ShowWindow();
        QVERIFY(other && form);
        other->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(other.get()));
        const QPoint at = layout::CellRect(17).center();
        if (hovered) MoveTo(*form, at);
        QTest::mousePress(form.get(), Qt::LeftButton, Qt::NoModifier, at);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::mouseRelease(form.get(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(form->Engine().Board().NumbersList(), (std::vector<std::uint8_t>{17}));
    }

    void aProgressRunLocksTheBoardButTheEnteredNumber() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {3, 8, 13, 30}) QVERIFY(Spin(*form, n));
        const QColor before = PixelAt(*form, CellInner(1));
        ClickAt(*form, layout::CellRect(26).center());
        QVERIFY(RunInProgress(*form));
        QVERIFY(Shown(*form, "Image26"));
        QVERIFY(!Shown(*form, "Image1"));
        QVERIFY(!Part(*form, "GameModes")->isEnabled());
        const QColor locked = PixelAt(*form, CellInner(1));
        QVERIFY2(locked.lightness() < before.lightness(), qPrintable(locked.name()));
        QVERIFY(QTest::qWaitFor([&] { return !RunInProgress(*form); }, 5000));
        QVERIFY(Shown(*form, "Image1"));
    }

    void aClickReachesTheChipInTheProgressRunsOwnTicks() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {7, 11, 29, 16}) QVERIFY(Spin(*form, n));
        const int ticks_before = form->TimerTicks(TimerId::Mode2Timer);
        QElapsedTimer clock;
        clock.start();
        ClickAt(*form, layout::CellRect(5).center());
        QVERIFY(RunInProgress(*form));
        while (RunInProgress(*form) && clock.elapsed() < 5000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        // The chip is on the table in the same event as the last tick of the
        // run, not a display refresh later.
        QVERIFY(ShownChip(*form) >= 0);
        const qint64 elapsed = clock.elapsed();
        const int ticks = form->TimerTicks(TimerId::Mode2Timer) - ticks_before;
        qInfo("click to chip: %d ticks of 20 ms, %lld ms", ticks, static_cast<long long>(elapsed));
        QVERIFY(ticks >= 1 && ticks <= 50);
    }
};

int RunBoardSuite(int argc, char** argv) {
    BoardTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "board_test.moc"
