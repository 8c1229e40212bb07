// The hover scheme of the picture commands, cells and trend pictures, and
// the covers that swallow hover and clicks.
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>

#include "gui_support.h"

using namespace rotacle::ui::test;
using rotacle::ui::TForm1;

namespace {

QStringList ShownCellHighlights(TForm1& form) {
    QStringList shown;
    for (int n = 0; n <= 36; ++n) {
        const QByteArray name = "Image_Act_" + QByteArray::number(n);
        if (Shown(form, name.constData())) shown << QString::fromLatin1(name);
    }
    return shown;
}

QStringList ShownCommandHovers(TForm1& form) {
    QStringList shown;
    for (const char* name : {"Image_Import2", "Image_Export2", "Image_Settings2", "Image_Load2",
                             "Image_Save2", "Image_Cancel2", "Button_Close_Hover", "Button_Minimize_2"})
        if (Shown(form, name)) shown << QString::fromLatin1(name);
    return shown;
}

}  // namespace

class HoverTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void fromCellToCellOnlyOneHighlightStays() {
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::CellRect(17).center());
        QCOMPARE(ShownCellHighlights(*form), QStringList{QStringLiteral("Image_Act_17")});
        MoveTo(*form, layout::CellRect(20).center());
        QCOMPARE(ShownCellHighlights(*form), QStringList{QStringLiteral("Image_Act_20")});
        // The highlighted look has its gold frame.
        const QColor frame = PixelAt(*form, layout::CellRect(20).topLeft() + QPoint(2, 2));
        QVERIFY2(frame.red() > 200 && frame.green() > 150 && frame.blue() < 130, qPrintable(frame.name()));
        MoveTo(*form, Background());
        QVERIFY(ShownCellHighlights(*form).isEmpty());
    }

    void aClickOnTheHighlightedCellEntersItsNumber() {
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::CellRect(9).center());
        QVERIFY(Shown(*form, "Image_Act_9"));
        QVERIFY(Spin(*form, 9));
        QCOMPARE(form->Engine().Board().NumbersList(), std::vector<std::uint8_t>{9});
    }

    void commandHoversExcludeEachOther_data() {
        QTest::addColumn<QPoint>("first");
        QTest::addColumn<QPoint>("second");
        QTest::addColumn<QString>("hover");
        QTest::newRow("load, then save")
            << layout::kLoad.center() << layout::kSave.center() << QStringLiteral("Image_Save2");
        QTest::newRow("import, then export")
            << layout::kImport.center() << layout::kExport.center() << QStringLiteral("Image_Export2");
        QTest::newRow("save, then close")
            << layout::kSave.center() << layout::kClose.center() << QStringLiteral("Button_Close_Hover");
        QTest::newRow("cell, then settings") << layout::CellRect(5).center() << layout::kSettings.center()
                                             << QStringLiteral("Image_Settings2");
    }

    void commandHoversExcludeEachOther() {
        QFETCH(QPoint, first);
        QFETCH(QPoint, second);
        QFETCH(QString, hover);
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, first);
        MoveTo(*form, second);
        QCOMPARE(ShownCommandHovers(*form), QStringList{hover});
        QVERIFY(ShownCellHighlights(*form).isEmpty());
    }

    void resetSurfacesClearEveryHover_data() {
        QTest::addColumn<QPoint>("surface");
        QTest::newRow("background") << Background();
        QTest::newRow("command strip") << QPoint(455, 330);
        QTest::newRow("stats strip") << QPoint(100, 372);
    }

    void resetSurfacesClearEveryHover() {
        QFETCH(QPoint, surface);
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::kLoad.center());
        MoveTo(*form, layout::TrendRect(1).center());
        QVERIFY(Shown(*form, "Image_Load2"));
        MoveTo(*form, surface);
        QVERIFY(ShownCommandHovers(*form).isEmpty());
        QVERIFY(!Shown(*form, "Trend_Even_1"));
    }

    // A lit command or trend picture goes dark once the pointer is surely no
    // longer on it, even though no move over a reset surface followed.
    void noHoverStaysLitOnceThePointerIsGone_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("restored from the task bar") << QStringLiteral("restore");
        QTest::newRow("a message box closed") << QStringLiteral("message");
        QTest::newRow("the pointer left the window") << QStringLiteral("leave");
    }

    void noHoverStaysLitOnceThePointerIsGone() {
        QFETCH(QString, how);
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::kLoad.center());
        MoveTo(*form, layout::TrendRect(1).center());
        QVERIFY(Shown(*form, "Image_Load2"));
        QVERIFY(Shown(*form, "Trend_Even_1"));
        if (how == QStringLiteral("restore")) {
            form->showMinimized();
            QTRY_VERIFY(form->Engine().Chrome().Minimized());
            form->showNormal();
            QTRY_VERIFY(!form->Engine().Chrome().Minimized());
        } else if (how == QStringLiteral("message")) {
            form->Platform().ShowMessage("The table is closed.");
            QMessageBox* box = form->findChild<QMessageBox*>(QStringLiteral("ErrorMessage"));
            QVERIFY(box);
            box->accept();
        } else {
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(form.get(), &leave);
        }
        QTRY_VERIFY(ShownCommandHovers(*form).isEmpty());
        QVERIFY(!Shown(*form, "Trend_Even_1"));
    }

    void trendHoversLeaveOtherHoversAlone() {
        auto form = ShowWindow();
        QVERIFY(form);
        MoveTo(*form, layout::kLoad.center());
        MoveTo(*form, layout::TrendRect(2).center());
        MoveTo(*form, layout::TrendRect(3).center());
        QVERIFY(Shown(*form, "Image_Load2"));
        QVERIFY(Shown(*form, "Trend_Red_1"));
        QVERIFY(Shown(*form, "Trend_Black_1"));
    }

    void aTrendChoiceTakesOneSideOfAPair() {
        auto form = ShowWindow();
        QVERIFY(form);
        ClickAt(*form, layout::TrendRect(2).center());
        QVERIFY(Shown(*form, "Trend_Red_2"));
        ClickAt(*form, layout::TrendRect(3).center());
        QVERIFY(!Shown(*form, "Trend_Red_2"));
        QVERIFY(Shown(*form, "Trend_Black_2"));
        // The mark lies on top: a click on it clears the choice.
        ClickAt(*form, layout::TrendRect(3).center());
        QVERIFY(!Shown(*form, "Trend_Black_2"));
    }

    void skipBetIsInactiveWhileNoBetIsShown() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Shown(*form, "Image_SkipBet3"));
        const QColor inactive = PixelAt(*form, layout::kSkipBet.center() + QPoint(8, 0));
        ClickAt(*form, layout::kSkipBet.center());
        QVERIFY(Shown(*form, "Image_SkipBet3"));
        QVERIFY(form->Platform().Messages().empty());

        for (const int n : {12, 25, 6, 33, 18}) QVERIFY(Spin(*form, n));
        QTRY_VERIFY(!Shown(*form, "Image_SkipBet3"));
        QVERIFY(PixelAt(*form, layout::kSkipBet.center() + QPoint(8, 0)) != inactive);
        ClickAt(*form, layout::kSkipBet.center());
        QCOMPARE(ShownChip(*form), -1);
        QCOMPARE(form->Engine().State().Bankroll, 1000.0);
        QTRY_VERIFY(Shown(*form, "Image_SkipBet3"));
    }

    void undoIsCoveredAtStartAndAfterAnUndo() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Shown(*form, "Image_Cancel3"));
        MoveTo(*form, layout::kUndo.center());
        QVERIFY(!Shown(*form, "Image_Cancel2"));

        QVERIFY(Spin(*form, 4));
        QVERIFY(!Shown(*form, "Image_Cancel3"));
        ClickAt(*form, layout::kUndo.center());
        QVERIFY(Shown(*form, "Image_Cancel3"));
        QVERIFY(form->Engine().Board().NumbersList().empty());
        // Two spins are needed before undo is offered again.
        QVERIFY(Spin(*form, 5));
        QVERIFY(Shown(*form, "Image_Cancel3"));
        QVERIFY(Spin(*form, 6));
        QVERIFY(!Shown(*form, "Image_Cancel3"));
    }

    // A touch or a pen presses with no move before it: the press lands on the
    // command's normal picture and still runs the command.
    void aPressWithoutHoverActs_data() {
        QTest::addColumn<QString>("part");
        QTest::newRow("import") << QStringLiteral("Image_Import1");
        QTest::newRow("settings") << QStringLiteral("Image_Settings1");
        QTest::newRow("save") << QStringLiteral("Image_Save1");
        QTest::newRow("trend") << QStringLiteral("Trend_Red_0");
    }

    void aPressWithoutHoverActs() {
        QFETCH(QString, part);
        auto form = ShowWindow();
        QVERIFY(form);
        const QString saved = QDir::temp().filePath(QStringLiteral("rotacle-touch.rtk"));
        QFile::remove(saved);
        form->Platform().QueueDialogAnswer(saved.toStdString());
        QWidget* w = form->findChild<QWidget*>(part);
        QVERIFY(w && w->isVisible());
        // Straight to the picture: no move reaches the window first.
        const QPointF at = w->rect().center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent ev(type, at, w->mapToGlobal(at), Qt::LeftButton,
                           type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(w, &ev);
        }
        const rotacle::Engine& e = form->Engine();
        const bool acted = e.Panel().Open() || e.Chrome().ClientHeight() == layout::kOpenHeight ||
                           QFile::exists(saved) || e.Modes().Trend_2()[2].Visible;
        QVERIFY(acted);
        QFile::remove(saved);
    }

    void theHandShowsOverClickableLooksOnly_data() {
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("hand");
        QTest::newRow("cell") << QStringLiteral("Image7") << true;
        QTest::newRow("highlighted cell") << QStringLiteral("Image_Act_7") << true;
        QTest::newRow("command hover") << QStringLiteral("Image_Load2") << true;
        QTest::newRow("settings open look") << QStringLiteral("Image_Settings3") << true;
        QTest::newRow("trend mark") << QStringLiteral("Trend_Odd_2") << true;
        QTest::newRow("command normal") << QStringLiteral("Image_Load1") << true;
        QTest::newRow("undo cover") << QStringLiteral("Image_Cancel3") << false;
        QTest::newRow("background") << QStringLiteral("HeadImage") << false;
    }

    void theHandShowsOverClickableLooksOnly() {
        QFETCH(QString, part);
        QFETCH(bool, hand);
        auto form = ShowWindow();
        QVERIFY(form);
        QWidget* w = form->findChild<QWidget*>(part);
        QVERIFY(w);
        QCOMPARE(w->cursor().shape() == Qt::PointingHandCursor, hand);
    }
};

int RunHoverSuite(int argc, char** argv) {
    HoverTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "hover_test.moc"
