// The import panel on screen: opening it, loading a number file, the import
// run, a refused file, a pasted page with its busy looks and its timer, the
// close command, the panel's hovers and the history export.
#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "gui_support.h"

using namespace rotacle::ui::test;
using rotacle::TimerId;
using rotacle::ui::TForm1;

namespace {

namespace panel = layout::panel;

QPoint InPanel(const QRect& place) { return layout::InPanel(place).center(); }

/// A point of the panel's backdrop that holds no text.
QPoint PanelBackdrop() { return layout::InPanel(panel::kBackdrop).topLeft() + QPoint(20, 112); }

QAbstractButton* ProcessButton(TForm1& form) {
    return form.findChild<QAbstractButton*>(QStringLiteral("Button_Process"));
}

QString Caption(TForm1& form, const char* name) {
    return static_cast<rotacle::ui::Caption*>(Part(form, name))->Text();
}

QString Scratch(const char* name) {
    QDir().mkpath(QStringLiteral(ROTACLE_GUI_SCRATCH));
    return QStringLiteral(ROTACLE_GUI_SCRATCH) + QStringLiteral("/import-") + QString::fromLatin1(name);
}

QString WriteScratch(const char* name, const QByteArray& content) {
    const QString path = Scratch(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) != content.size()) return {};
    return path;
}

QByteArray ReadBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QMessageBox* OpenMessage() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

std::vector<std::uint8_t> History(TForm1& form) { return form.Engine().Board().NumbersList(); }

std::vector<std::string> ImportList(TForm1& form) {
    std::vector<std::string> lines;
    for (const std::string_view l : form.Engine().Panel().Import_List()) lines.emplace_back(l);
    return lines;
}

bool OpenPanel(TForm1& form) {
    ClickAt(form, layout::kImport.center());
    return Shown(form, "Panel_Import");
}

/// Opens the panel and loads `path` through the open dialog.
bool LoadNumbers(TForm1& form, const QString& path) {
    if (!Shown(form, "Panel_Import") && !OpenPanel(form)) return false;
    form.Platform().QueueDialogAnswer(path.toStdString());
    ClickAt(form, InPanel(panel::kLoadFromFile));
    return true;
}

int Brightness(const QColor& c) { return c.red() + c.green() + c.blue(); }

}  // namespace

class ImportPanelTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void opensFromTheTopRowOnlyWhileNoRunIsUnderWay() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(!Shown(*form, "Panel_Import"));
        for (const int n : {12, 25, 6, 33}) QVERIFY(Spin(*form, n));
        // The fifth spin starts a progress run; while it runs, neither the
        // panel nor the export reacts. The queued answer shows that the save
        // dialog was never asked for.
        const QString exported = Scratch("during-run.txt");
        QFile::remove(exported);
        ClickAt(*form, layout::CellRect(18).center());
        QTRY_COMPARE(form->Engine().State().Engine_Ready, 0);
        ClickAt(*form, layout::kImport.center());
        form->Platform().QueueDialogAnswer(exported.toStdString());
        ClickAt(*form, layout::kExport.center());
        QVERIFY2(RunInProgress(*form), "the progress run ended before the commands were tried");
        QVERIFY(!Shown(*form, "Panel_Import"));
        QVERIFY(form->Platform().DialogRequests().empty());

        QTRY_VERIFY_WITH_TIMEOUT(!RunInProgress(*form), 5000);
        QVERIFY(OpenPanel(*form));
        QCOMPARE(form->height(), 388);
        // The panel lies over the board and the bank row.
        const QColor face = PixelAt(*form, PanelBackdrop());
        QVERIFY2(face.blue() > face.red() + 10 && Brightness(face) < 180, qPrintable(face.name()));
        // The export answered now takes the queued path.
        ClickAt(*form, layout::kExport.center());
        QCOMPARE(ReadBytes(exported), QByteArray("12\r\n25\r\n6\r\n33\r\n18\r\n"));
    }

    // Nothing of the table shows on or through the open panel: every place of
    // the felt, down to its lower edge, belongs to the panel, also where a
    // chip and its stake lie.
    void theOpenPanelCoversTheWholeTable() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {12, 25, 6, 33, 18}) QVERIFY(Spin(*form, n));
        int chip = -1;
        QTRY_VERIFY((chip = ShownChip(*form)) >= 0);
        QVERIFY(OpenPanel(*form));
        QWidget* panel = Part(*form, "Panel_Import");
        QList<QPoint> table;
        for (int n = 0; n <= 36; ++n) table << layout::CellRect(n).center();
        for (int i = 0; i < 6; ++i)
            table << layout::TrendRect(i).center() << layout::FieldRect(i).center()
                  << layout::ChipRect(i).center() << layout::StakeRect(i).center();
        table << layout::kLamp.center() << layout::kFelt.topLeft() + QPoint(12, 1)
              << layout::kFelt.bottomRight() - QPoint(12, 1) << layout::kBankroll.center();
        QStringList through;
        for (const QPoint at : table) {
            QWidget* w = form->childAt(at);
            if (w != panel && !panel->isAncestorOf(w))
                through << QStringLiteral("(%1,%2) %3")
                               .arg(at.x())
                               .arg(at.y())
                               .arg(w ? w->objectName() : QString());
        }
        QVERIFY2(through.isEmpty(), qPrintable(through.join(QStringLiteral(", "))));
        // Where the chip lies, the panel's face is seen as left of it.
        const int below_chip = layout::ChipRect(chip).bottom() - 1;
        QCOMPARE(PixelAt(*form, QPoint(layout::ChipRect(chip).center().x(), below_chip)),
                 PixelAt(*form, QPoint(20, below_chip)));
    }

    void openingThePanelClosesTheSettingsArea() {
        auto form = ShowWindow();
        QVERIFY(form);
        ClickAt(*form, layout::kSettings.center());
        QCOMPARE(form->height(), 697);
        QVERIFY(OpenPanel(*form));
        QCOMPARE(form->height(), 388);
        QVERIFY(!Shown(*form, "Image_Settings3"));
        ClickAt(*form, InPanel(panel::kClose));
        QVERIFY(!Shown(*form, "Panel_Import"));
        QCOMPARE(form->height(), 388);
    }

    void aNumberFileSetsTheImportCaption() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(OpenPanel(*form));
        QAbstractButton* process = ProcessButton(*form);
        QVERIFY(process);
        QCOMPARE(process->text(), QStringLiteral("IMPORT"));
        QVERIFY(!process->isEnabled());

        QVERIFY(LoadNumbers(*form, QStringLiteral(ROTACLE_GUI_DATA "/spins/series1.txt")));
        QCOMPARE(process->text(), QStringLiteral("IMPORT (511)"));
        QVERIFY(process->isEnabled());
        const auto& asked = form->Platform().DialogRequests();
        QCOMPARE(asked.size(), std::size_t{1});
        QVERIFY(!asked[0].save);
        QCOMPARE(asked[0].spec.Filter, std::string("Text File (*.txt)|*.txt"));
        QCOMPARE(asked[0].spec.DefaultExtension, std::string("txt"));

        // A cancelled dialog keeps what was loaded.
        form->Platform().QueueDialogAnswer(std::nullopt);
        ClickAt(*form, InPanel(panel::kLoadFromFile));
        QCOMPARE(process->text(), QStringLiteral("IMPORT (511)"));
        QCOMPARE(form->Engine().Panel().Import_List().size(), std::size_t{511});
    }

    void importEntersTheNumbersAndClosesThePanel() {
        auto form = ShowWindow();
        QVERIFY(form);
        // A bet on the table is withdrawn by the import and its stake returned.
        for (const int n : {12, 25, 6, 33, 18}) QVERIFY(Spin(*form, n));
        QTRY_VERIFY(ShownChip(*form) >= 0);
        QVERIFY(form->Engine().State().Bankroll < 1000.0);

        const QString file = WriteScratch("ten.txt", "17\r\n5\r\n32\r\n0\r\n36\r\n1\r\n2\r\n3\r\n4\r\n9\r\n");
        QVERIFY(!file.isEmpty());
        QVERIFY(LoadNumbers(*form, file));
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT (10)"));
        // The history is not replaced without a word from the player: the
        // question's default answer keeps it.
        const auto played = History(*form);
        ClickAt(*form, InPanel(panel::kProcess));
        QCOMPARE(form->Platform().Questions(),
                 std::vector<std::string>{
                     "Import 10 numbers? They replace the history of 5 numbers; the bankroll stays."});
        QCOMPARE(History(*form), played);
        form->Platform().QueueConfirmAnswer(true);
        ClickAt(*form, InPanel(panel::kProcess));

        const std::vector<std::uint8_t> expected{17, 5, 32, 0, 36, 1, 2, 3, 4, 9};
        QCOMPARE(History(*form), expected);
        QVERIFY(!Shown(*form, "Panel_Import"));
        QVERIFY(ImportList(*form).empty());
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT"));
        QVERIFY(!ProcessButton(*form)->isEnabled());
        QCOMPARE(ShownChip(*form), -1);
        QTRY_COMPARE(form->Engine().State().Bankroll, 1000.0);
        // The strip shows the last eight numbers, the newest first.
        const char* const strip[8] = {"HisNum1", "HisNum2", "HisNum3", "HisNum4",
                                      "HisNum5", "HisNum6", "HisNum7", "HisNum8"};
        const QStringList newest_first = {QStringLiteral("9"), QStringLiteral("4"), QStringLiteral("3"),
                                          QStringLiteral("2"), QStringLiteral("1"), QStringLiteral("36"),
                                          QStringLiteral("0"), QStringLiteral("32")};
        for (int k = 0; k < 8; ++k) QCOMPARE(Caption(*form, strip[k]), newest_first[k]);
        QTRY_COMPARE(Caption(*form, "Label_NumbersInGame"), QStringLiteral("10"));
        // The board is seen again where the panel lay.
        const QColor cell = PixelAt(*form, layout::CellRect(1).topLeft() + QPoint(5, 5));
        QVERIFY2(cell.red() > 150 && cell.green() < 90, qPrintable(cell.name()));
        QVERIFY(form->Platform().Messages().empty());
    }

    // A file is checked whole when it is loaded: a bad line is told before
    // the panel offers the file, and no question about the history is asked.
    void aRefusedFileIsToldAtLoad_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters") << QByteArray("17\nabc\n5\n")
                                 << QStringLiteral("Line 2: 'abc' is not a valid integer value");
        QTest::newRow("empty line") << QByteArray("17\r\n\r\n5\r\n")
                                    << QStringLiteral("Line 2: '' is not a valid integer value");
        QTest::newRow("no roulette number")
            << QByteArray("17\n5\n32\n37\n0\n")
            << QStringLiteral("Line 4: '37' is not a roulette number (0 to 36)");
    }

    void aRefusedFileIsToldAtLoad() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(Spin(*form, 8));
        QVERIFY(Spin(*form, 30));
        const QString file = WriteScratch("refused.txt", content);
        QVERIFY(!file.isEmpty());
        QVERIFY(LoadNumbers(*form, file));

        QCOMPARE(form->Platform().Messages(), std::vector<std::string>{message.toStdString()});
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = OpenMessage()) != nullptr);
        QCOMPARE(box->text(), message);
        box->close();
        QVERIFY(Shown(*form, "Panel_Import"));
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT"));
        QVERIFY(!ProcessButton(*form)->isEnabled());
        ClickAt(*form, InPanel(panel::kProcess));
        QVERIFY(form->Platform().Questions().empty());
        QCOMPARE(History(*form), (std::vector<std::uint8_t>{8, 30}));
        QCOMPARE(Caption(*form, "HisNum1"), QStringLiteral("30"));
    }

    void aPageWithoutNumbersSaysSo() {
        auto form = ShowWindow();
        QVERIFY(form);
        QGuiApplication::clipboard()->setText(QStringLiteral("<html><body><p>Lobby</p></body></html>"));
        QVERIFY(OpenPanel(*form));
        ClickAt(*form, InPanel(panel::kPaste));
        QTRY_VERIFY_WITH_TIMEOUT(!Shown(*form, "Image_PasteFromEvolution3"), 6000);
        QCOMPARE(form->Platform().Messages(),
                 std::vector<std::string>{"The pasted page holds no roulette numbers: nothing to import."});
        if (QMessageBox* box = OpenMessage()) box->close();
    }

    void aPastedPageIsReadAfterItsTimer() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QString page = QStringLiteral(
            "<!DOCTYPE "
            "html><html><head><title>History</title><style>.r{display:flex;color:red}</style></head>"
            "<body><h1>Recent results</h1><div class=r><span>17</span><span>5</span><span>32x</span>"
            "<span>29</span></div><div hidden>11</div></body></html>");
        QGuiApplication::clipboard()->setText(page);
        QVERIFY(OpenPanel(*form));
        MoveTo(*form, PanelBackdrop());
        const QPoint paste_body = layout::InPanel(panel::kPaste).topLeft() + QPoint(4, 8);
        const QColor normal = PixelAt(*form, paste_body);

        QElapsedTimer clock;
        clock.start();
        ClickAt(*form, InPanel(panel::kPaste));
        QVERIFY(Shown(*form, "Image_PasteFromEvolution3"));
        QVERIFY(Shown(*form, "Image_LoadFromFile3"));
        QVERIFY(form->Engine().TimerControl(TimerId::Timer_Evolution).Enabled);
        // The busy cover is drawn over the command: darker, tinted.
        const QColor busy = PixelAt(*form, paste_body);
        QVERIFY2(Brightness(busy) + 24 < Brightness(normal), qPrintable(busy.name() + normal.name()));
        // While busy, the sources take neither hover nor click: the queued
        // answer is not asked for.
        MoveTo(*form, PanelBackdrop());
        MoveTo(*form, InPanel(panel::kLoadFromFile));
        QVERIFY(!Shown(*form, "Image_LoadFromFile2"));
        form->Platform().QueueDialogAnswer(std::nullopt);
        ClickAt(*form, InPanel(panel::kLoadFromFile));
        QVERIFY(form->Platform().DialogRequests().empty());
        QVERIFY(ImportList(*form).empty());

        QTRY_VERIFY_WITH_TIMEOUT(!Shown(*form, "Image_PasteFromEvolution3"), 6000);
        QVERIFY2(clock.elapsed() >= 1900, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!Shown(*form, "Image_LoadFromFile3"));
        QVERIFY(!form->Engine().TimerControl(TimerId::Timer_Evolution).Enabled);
        QCOMPARE(ImportList(*form), (std::vector<std::string>{"29", "3", "5", "17"}));
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT (4)"));
        QTRY_COMPARE(PixelAt(*form, paste_body), normal);
        // The page was saved as the clipboard held it.
        QCOMPARE(QString::fromUtf8(ReadBytes(QString::fromStdString(form->Engine().Panel().Page_File()))),
                 page);
        QVERIFY(form->Platform().Messages().empty());
    }

    void closingThePanelClearsTheList() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QString file = WriteScratch("three.txt", "1\n2\n3\n");
        QVERIFY(LoadNumbers(*form, file));
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT (3)"));
        ClickAt(*form, InPanel(panel::kClose));
        QVERIFY(!Shown(*form, "Panel_Import"));
        QVERIFY(ImportList(*form).empty());
        QVERIFY(History(*form).empty());
        QVERIFY(OpenPanel(*form));
        QCOMPARE(ProcessButton(*form)->text(), QStringLiteral("IMPORT"));
        QVERIFY(!ProcessButton(*form)->isEnabled());
    }

    void panelHoversFollowTheScheme() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(OpenPanel(*form));
        const auto hovers = [&] {
            QStringList shown;
            for (const char* name : {"Image_PasteFromEvolution2", "Image_LoadFromFile2", "Image_ClosePanel2",
                                     "Image_Import2", "Image_Export2"})
                if (Shown(*form, name)) shown << QString::fromLatin1(name);
            return shown;
        };
        MoveTo(*form, InPanel(panel::kLoadFromFile));
        QCOMPARE(hovers(), QStringList{QStringLiteral("Image_LoadFromFile2")});
        MoveTo(*form, InPanel(panel::kClose));
        QCOMPARE(hovers(), QStringList{QStringLiteral("Image_ClosePanel2")});
        const QColor lit = PixelAt(*form, layout::InPanel(panel::kClose).topLeft() + QPoint(1, 12));
        MoveTo(*form, InPanel(panel::kPaste));
        QCOMPARE(hovers(), QStringList{QStringLiteral("Image_PasteFromEvolution2")});
        // The panel's backdrop is a hover reset surface.
        MoveTo(*form, PanelBackdrop());
        QVERIFY(hovers().isEmpty());
        const QColor plain = PixelAt(*form, layout::InPanel(panel::kClose).topLeft() + QPoint(1, 12));
        QVERIFY2(lit != plain, qPrintable(lit.name()));
        QWidget* hover = Part(*form, "Image_ClosePanel2");
        QVERIFY(hover && hover->cursor().shape() == Qt::PointingHandCursor);
    }

    void exportWritesCrLfLinesThatImportBack() {
        auto form = ShowWindow();
        QVERIFY(form);
        for (const int n : {17, 0, 32}) QVERIFY(Spin(*form, n));
        const QString path = Scratch("export.txt");
        QFile::remove(path);
        form->Platform().QueueDialogAnswer(path.toStdString());
        ClickAt(*form, layout::kExport.center());
        QCOMPARE(ReadBytes(path), QByteArray("17\r\n0\r\n32\r\n"));
        const auto& asked = form->Platform().DialogRequests();
        QCOMPARE(asked.size(), std::size_t{1});
        QVERIFY(asked[0].save);
        QVERIFY(asked[0].spec.OverwritePrompt);
        QCOMPARE(asked[0].spec.Filter, std::string("Text File (*.txt)|*.txt"));
        QCOMPARE(asked[0].spec.DefaultExtension, std::string("txt"));

        // A cancelled dialog writes nothing.
        QVERIFY(Spin(*form, 4));
        form->Platform().QueueDialogAnswer(std::nullopt);
        ClickAt(*form, layout::kExport.center());
        QCOMPARE(ReadBytes(path), QByteArray("17\r\n0\r\n32\r\n"));

        // The exported file rebuilds the same history.
        QVERIFY(LoadNumbers(*form, path));
        form->Platform().QueueConfirmAnswer(true);
        ClickAt(*form, InPanel(panel::kProcess));
        QCOMPARE(History(*form), (std::vector<std::uint8_t>{17, 0, 32}));
    }

    void timersHoldWhileAFileDialogIsOpen() {
        auto form = ShowWindow();
        QVERIFY(form);
        int ticks_while_open = -1;
        bool dialog_seen = false;
        // The export asks for its file in the middle of its operation; the
        // display refresh must not run inside it.
        QTimer::singleShot(200, form.get(), [&] {
            QFileDialog* dialog = form->findChild<QFileDialog*>();
            dialog_seen = dialog != nullptr && form->Platform().DialogOpen();
            const int before = form->TimerTicks(TimerId::ShowValues);
            QTimer::singleShot(300, form.get(), [&, before, dialog] {
                ticks_while_open = form->TimerTicks(TimerId::ShowValues) - before;
                if (dialog) dialog->reject();
            });
        });
        QTimer::singleShot(5000, form.get(), [&] {
            // Whatever went wrong, the test must not hang in the dialog.
            if (auto* dialog = form->findChild<QFileDialog*>()) dialog->reject();
        });
        ClickAt(*form, layout::kExport.center());
        QVERIFY(dialog_seen);
        QCOMPARE(ticks_while_open, 0);
        QVERIFY(!form->Platform().DialogOpen());
        const int after = form->TimerTicks(TimerId::ShowValues);
        QTRY_VERIFY(form->TimerTicks(TimerId::ShowValues) > after);
    }
};

int RunImportSuite(int argc, char** argv) {
    ImportPanelTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "import_panel_test.moc"
