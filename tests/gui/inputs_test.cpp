// The settings area: edits through the engine's key filter, lists and check
// boxes, the safety level, the reset buttons, the settings file commands and
// the error message of a bad initial bet.
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include "gui_support.h"
#include "ui/staking_dialog.h"

using namespace rotacle::ui::test;
using rotacle::ui::StakingDialog;
using rotacle::ui::TForm1;

namespace {

std::unique_ptr<TForm1> ShowWithSettings() {
    auto form = ShowWindow();
    if (!form) return nullptr;
    ClickAt(*form, layout::kSettings.center());
    return form->height() == layout::kOpenHeight ? std::move(form) : nullptr;
}

QLineEdit* EditOf(TForm1& form, const char* name) {
    return form.findChild<QLineEdit*>(QString::fromLatin1(name));
}

QString Text(TForm1& form, const char* name) {
    return static_cast<rotacle::ui::Caption*>(Part(form, name))->Text();
}

// Clicks into an edit (giving it the focus) and deletes its text by backspace.
void Clear(TForm1& form, QLineEdit* edit) {
    ClickAt(form, edit->geometry().center());
    for (qsizetype i = edit->text().size(); i > 0; --i) QTest::keyClick(edit, Qt::Key_Backspace);
}

QMessageBox* OpenMessage() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) return box;
    return nullptr;
}

QString Scratch(const char* name) {
    QDir().mkpath(QStringLiteral(ROTACLE_GUI_SCRATCH));
    return QStringLiteral(ROTACLE_GUI_SCRATCH) + QLatin1Char('/') + QString::fromLatin1(name);
}

QStringList ReadLines(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QStringList lines;
    QTextStream in(&f);
    while (!in.atEnd()) lines << in.readLine();
    return lines;
}

}  // namespace

class InputsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    void typedKeysGoThroughTheKeyFilter() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* bank = EditOf(*form, "Test_Bank");
        QVERIFY(bank);
        Clear(*form, bank);
        QCOMPARE(bank->text(), QString());
        QTest::keyClicks(bank, QStringLiteral("12,5"));
        QCOMPARE(bank->text(), QStringLiteral("12.5"));
        // A second separator and letters are refused.
        QTest::keyClicks(bank, QStringLiteral(".,x"));
        QCOMPARE(bank->text(), QStringLiteral("12.5"));
        QCOMPARE(form->Engine().State().Bankroll, 12.5);
        QTRY_COMPARE(Text(*form, "Label_Bankroll"), QStringLiteral("12.5"));
    }

    void pastedTextIsTakenAsItIs() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* bank = EditOf(*form, "Test_Bank");
        Clear(*form, bank);
        QGuiApplication::clipboard()->setText(QStringLiteral("250"));
        QTest::keySequence(bank, QKeySequence::Paste);
        QCOMPARE(bank->text(), QStringLiteral("250"));
        QCOMPARE(form->Engine().State().Bankroll, 250.0);
    }

    // Keys and pastes work on the selection and the cursor, as in any edit; a
    // refused amount keeps its text, so that it can be edited back.
    void aKeyOrPasteReplacesTheSelection_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("before");  // pasted into the emptied edit first
        QTest::addColumn<QString>("keys");  // "a" select all, "h" Home, "v" paste, "<" backspace, else typed
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("amount");  // the stake or the bankroll
        QTest::addColumn<int>("messages");
        QTest::newRow("initial bet pasted over") << "Init_Bet"
                                                 << "1"
                                                 << "av"
                                                 << "2"
                                                 << "2" << 2.0 << 0;
        QTest::newRow("initial bet typed over") << "Init_Bet"
                                                << "1"
                                                << "a3"
                                                << ""
                                                << "3" << 3.0 << 0;
        QTest::newRow("bank minus pasted over") << "Test_Bank"
                                                << "-"
                                                << "av"
                                                << "1000"
                                                << "1000" << 1000.0 << 1;
        QTest::newRow("bank typed at the start") << "Test_Bank"
                                                 << "500"
                                                 << "h2"
                                                 << ""
                                                 << "2500" << 2500.0 << 0;
        QTest::newRow("too large, then backspaced") << "Init_Bet"
                                                    << "1"
                                                    << "av<<"
                                                    << "1e308"
                                                    << "1e3" << 1000.0 << 1;
    }

    void aKeyOrPasteReplacesTheSelection() {
        QFETCH(QString, edit);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, pasted);
        QFETCH(QString, text);
        QFETCH(double, amount);
        QFETCH(int, messages);
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* e = EditOf(*form, edit.toLatin1().constData());
        Clear(*form, e);
        QGuiApplication::clipboard()->setText(before);
        QTest::keySequence(e, QKeySequence::Paste);
        QGuiApplication::clipboard()->setText(pasted);
        for (const QChar k : keys) {
            if (k == QLatin1Char('a'))
                QTest::keySequence(e, QKeySequence::SelectAll);
            else if (k == QLatin1Char('h'))
                QTest::keyClick(e, Qt::Key_Home);
            else if (k == QLatin1Char('v'))
                QTest::keySequence(e, QKeySequence::Paste);
            else if (k == QLatin1Char('<'))
                QTest::keyClick(e, Qt::Key_Backspace);
            else
                QTest::keyClick(e, k.toLatin1());
        }
        QCOMPARE(e->text(), text);
        const auto& s = form->Engine().State();
        QCOMPARE(edit == QLatin1String("Init_Bet") ? s.Bet_Size : s.Bankroll, amount);
        QCOMPARE(form->Platform().Messages().size(), std::size_t(messages));
        if (QMessageBox* box = OpenMessage()) box->close();
    }

    // Enter or Esc ends a setting's edit: the digits typed next are a number
    // for the table, and the readout shows the stake it meets.
    void enterEndsASettingsEdit_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void enterEndsASettingsEdit() {
        QFETCH(int, key);
        auto form = ShowWithSettings();
        QVERIFY(form);
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QLineEdit* init = EditOf(*form, "Init_Bet");
        Clear(*form, init);
        QTest::keyClicks(init, QStringLiteral("2"));
        QTRY_VERIFY(init->hasFocus());
        QTest::keyClick(init, Qt::Key(key));
        QVERIFY(!init->hasFocus());
        QCOMPARE(form->height(), layout::kOpenHeight);
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : form.get();
        QTest::keyClicks(to, QStringLiteral("17"));
        QCOMPARE(init->text(), QStringLiteral("2"));
        QCOMPARE(Text(*form, "KeyEntry"), QStringLiteral("\u25B8 17  stake 2"));
        QTest::keyClick(to, Qt::Key_Return);
        QTRY_COMPARE(form->Engine().Board().NumbersList(), std::vector<std::uint8_t>{17});
        QCOMPARE(form->Engine().State().Bet_Size, 2.0);
        // The note is for the first number only.
        QTest::keyClicks(to, QStringLiteral("5"));
        QCOMPARE(Text(*form, "KeyEntry"), QStringLiteral("\u25B8 5"));
    }

    void readOnlyRuleValuesRefuseTyping() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* amount = EditOf(*form, "Losses_ActionValue");
        QVERIFY(amount->isReadOnly());
        amount->setFocus();
        QTest::keyClicks(amount, QStringLiteral("5"));
        QTest::keyClick(amount, Qt::Key_Backspace);
        QCOMPARE(amount->text(), QStringLiteral("1"));
        auto* how_much = form->findChild<QAbstractSpinBox*>(QStringLiteral("Losses_HowMuch"));
        QVERIFY(how_much->isReadOnly());
        how_much->setFocus();
        QTest::keyClick(how_much, Qt::Key_Up);
        QCOMPARE(form->Engine().Inputs().Losses_HowMuch.Text(), std::string("1"));
    }

    void aNewInitialBetMovesTheRuleAmounts() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* init = EditOf(*form, "Init_Bet");
        Clear(*form, init);
        QTest::keyClicks(init, QStringLiteral("2"));
        QCOMPARE(EditOf(*form, "Losses_ActionValue")->text(), QStringLiteral("2"));
        QCOMPARE(EditOf(*form, "Wins_ActionValue")->text(), QStringLiteral("2"));
        QCOMPARE(form->Engine().State().Bet_Size, 2.0);
    }

    void aBadInitialBetShowsAMessageAndTheProgramGoesOn() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QLineEdit* init = EditOf(*form, "Init_Bet");
        Clear(*form, init);
        QCOMPARE(init->text(), QString());
        QVERIFY(OpenMessage() == nullptr);
        ClickAt(*form, Part(*form, "ResetBets")->geometry().center());
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = OpenMessage()) != nullptr);
        QCOMPARE(box->text(), QStringLiteral("'' is not a valid floating point value"));
        QCOMPARE(box->icon(), QMessageBox::Critical);
        QCOMPARE(form->Platform().Messages().size(), std::size_t{1});
        box->button(QMessageBox::Ok)->click();
        QTRY_VERIFY(OpenMessage() == nullptr);

        QTest::keyClicks(init, QStringLiteral("3"));
        QCOMPARE(form->Engine().State().Bet_Size, 3.0);
        QCOMPARE(form->Platform().Messages().size(), std::size_t{1});
    }

    // A key that the amount edits drop, and a typed 0 that is no stake yet,
    // are said in the status line, once until the edit takes a key again,
    // and never in a message box.
    void droppedKeysAreSaidOnceInTheStatusLine_data() {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("said");
        QTest::newRow("exponent") << "Test_Bank"
                                  << "1e308"
                                  << "1308"
                                  << "\"e\" is not taken";
        QTest::newRow("sign") << "Init_Bet"
                              << "-5"
                              << "5"
                              << "without a sign";
        QTest::newRow("letters, said once") << "Init_Bet"
                                            << "abc"
                                            << ""
                                            << "\"a\" is not taken";
        QTest::newRow("second point") << "Test_Bank"
                                      << "1.2.3"
                                      << "1.23"
                                      << "one decimal point";
        QTest::newRow("a zero on its way") << "Init_Bet"
                                           << "0"
                                           << "0"
                                           << "0 is no stake";
    }
    void droppedKeysAreSaidOnceInTheStatusLine() {
        QFETCH(QString, edit);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QString, said);
        auto form = ShowWithSettings();
        QVERIFY(form);
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(form.get());
        QAccessibleInterface* status = window->child(window->childCount() - 1);
        QCOMPARE(status->role(), QAccessible::StatusBar);
        QLineEdit* e = EditOf(*form, edit.toLatin1().constData());
        Clear(*form, e);
        QTest::keyClicks(e, keys);
        QCOMPARE(e->text(), text);
        QTRY_VERIFY2(status->text(QAccessible::Name).contains(said),
                     qPrintable(status->text(QAccessible::Name)));
        const QString name =
            edit == QLatin1String("Init_Bet") ? QStringLiteral("INITIAL BET:") : QStringLiteral("TEST BANK:");
        QVERIFY2(status->text(QAccessible::Name).count(name) == 1,
                 qPrintable(status->text(QAccessible::Name)));
        QVERIFY(OpenMessage() == nullptr);
        // The stake in force stays a stake.
        QCOMPARE(form->Engine().State().Bet_Size,
                 edit == QLatin1String("Init_Bet") && text == "5" ? 5.0 : 1.0);
    }

    void listsSnapBackAndHandTheFocusOn_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("kept");
        QTest::newRow("betting system")
            << QStringLiteral("BetStrategy") << QStringLiteral("Blind (+1 each spin)");
        QTest::newRow("game mode") << QStringLiteral("GameModes") << QStringLiteral("SMART 2025");
        QTest::newRow("loss action") << QStringLiteral("Losses_Action") << QStringLiteral("ADD to bet:");
    }

    void listsSnapBackAndHandTheFocusOn() {
        QFETCH(QString, list);
        QFETCH(QString, kept);
        auto form = ShowWithSettings();
        QVERIFY(form);
        auto* combo = form->findChild<QComboBox*>(list);
        QVERIFY(combo);
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_Down);
        QCOMPARE(combo->currentText(), kept);
        // The table takes the focus the game hands on to "Show Bet", which
        // the player never sees: the space bar leaves the stake labels alone.
        QTRY_COMPARE(QApplication::focusWidget(), form.get());
        QTest::keyClick(form.get(), Qt::Key_Space);
        QVERIFY(form->Engine().Inputs().ShowBetSize.Checked);
    }

    void theSafetyLevelLightsItsLamp() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        auto* level = form->findChild<QSlider*>(QStringLiteral("SafeLevel"));
        QVERIFY(level);
        level->setFocus();
        QTest::keyClick(level, Qt::Key_Right);
        QCOMPARE(form->Engine().Inputs().SafeLevel.Position, 1);
        QCOMPARE(Text(*form, "Label4"), QStringLiteral("1"));
        QVERIFY(Shown(*form, "SL_Indicator2"));
        QVERIFY(form->findChild<QTimer*>(QStringLiteral("Timer6"))->isActive());
        QTest::keyClick(level, Qt::Key_Right);
        QTest::keyClick(level, Qt::Key_Right);
        QTRY_VERIFY(!Shown(*form, "SL_Indicator2"));
        QVERIFY(Shown(*form, "SL_Indicator1"));
        QTest::keyClick(level, Qt::Key_Home);
        QCOMPARE(form->Engine().Inputs().SafeLevel.Position, 0);
        QVERIFY(!Shown(*form, "SL_Indicator1"));
        QVERIFY(!form->findChild<QTimer*>(QStringLiteral("Timer6"))->isActive());
    }

    void theResetButtonsRunTheirResets() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        for (const int n : {1, 2, 3}) QVERIFY(Spin(*form, n));
        QCOMPARE(Text(*form, "HisNum1"), QStringLiteral("3"));
        form->Platform().QueueConfirmAnswer(true);
        ClickAt(*form, Part(*form, "ResetApp")->geometry().center());
        QCOMPARE(Text(*form, "HisNum1"), QString());
        QVERIFY(form->Engine().Board().NumbersList().empty());
        QVERIFY(Shown(*form, "Image_Cancel3"));
    }

    void theMatrixPanelRendersDisabled() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        for (const char* name :
             {"CreateMatrix", "ResetMatrix", "Search_Pattern", "Play_Bets", "N_Count", "ChBx_Fixed_Number",
              "ChBx_Until_Profit", "Until_Profit", "ChBx_Phase_Correction", "Phase_Correction_Value"})
            QVERIFY2(!Part(*form, name)->isEnabled(), name);
        auto* direction = form->findChild<QComboBox*>(QStringLiteral("Search_Pattern"));
        QCOMPARE(direction->currentText(), QStringLiteral("UPTREND"));
        QCOMPARE(direction->palette().color(QPalette::Active, QPalette::Button), QColor(0, 100, 0));
        QCOMPARE(direction->palette().color(QPalette::Active, QPalette::ButtonText), QColor(0, 255, 0));
        QVERIFY(form->findChild<QCheckBox*>(QStringLiteral("ChBx_Until_Profit"))->isChecked());
        QVERIFY(form->findChild<QCheckBox*>(QStringLiteral("Bet_Automatic_Reset"))->isChecked());
        QVERIFY(!form->findChild<QCheckBox*>(QStringLiteral("Get_Minimal_Profit"))->isChecked());
    }

    void settingsAreSavedAndLoadedThroughTheirDialogs() {
        auto form = ShowWindow();
        QVERIFY(form);
        const QString saved = Scratch("saved.rtk");
        QFile::remove(saved);
        form->Platform().QueueDialogAnswer(saved.toStdString());
        ClickAt(*form, layout::kSave.center());
        QStringList lines = ReadLines(saved);
        QCOMPARE(lines.size(), 31);
        QCOMPARE(lines[18], QStringLiteral("0"));

        // Loaded back, the file gives the settings it was saved from.
        const auto text = [&](const char* name) {
            return form->findChild<QComboBox*>(QString::fromLatin1(name))->currentText();
        };
        form->Platform().QueueDialogAnswer(saved.toStdString());
        ClickAt(*form, layout::kLoad.center());
        QCOMPARE(text("BetStrategy"), QStringLiteral("Blind (+1 each spin)"));
        QCOMPARE(text("Losses_Type"), QStringLiteral("Losses"));
        QCOMPARE(text("Wins_Type"), QStringLiteral("Wins"));
        QVERIFY(!form->findChild<QCheckBox*>(QStringLiteral("Get_Minimal_Profit"))->isChecked());
        QVERIFY(form->findChild<QCheckBox*>(QStringLiteral("ChBx_Until_Profit"))->isChecked());

        lines[18] = QStringLiteral("4");
        const QString edited = Scratch("level4.rtk");
        {
            QFile f(edited);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(lines.join(QStringLiteral("\r\n")).toLatin1() + "\r\n");
        }
        form->Platform().QueueDialogAnswer(edited.toStdString());
        ClickAt(*form, layout::kLoad.center());
        QCOMPARE(form->findChild<QSlider*>(QStringLiteral("SafeLevel"))->value(), 4);
        QCOMPARE(Text(*form, "Label4"), QStringLiteral("4"));

        // A cancelled dialog changes nothing and says nothing.
        form->Platform().QueueDialogAnswer(std::nullopt);
        ClickAt(*form, layout::kLoad.center());
        QCOMPARE(form->Engine().Inputs().SafeLevel.Position, 4);
        QVERIFY(form->Platform().Messages().empty());
    }

    void theStakingDialogPreviewsAndAppliesAPreset() {
        auto form = ShowWithSettings();
        QVERIFY(form);
        QVERIFY(Shown(*form, "Staking"));
        QVERIFY(!Part(*form, "Staking")->toolTip().isEmpty());
        ClickAt(*form, Part(*form, "Staking")->geometry().center());
        StakingDialog* dialog = form->OpenStakingDialog();
        QVERIFY(dialog != nullptr);
        QTRY_VERIFY(dialog->isVisible());
        auto* presets = dialog->findChild<QComboBox*>(QStringLiteral("StakingPreset"));
        auto* preview = dialog->findChild<QLabel*>(QStringLiteral("StakingPreview"));
        QVERIFY(presets && preview);
        const auto show = [&](rotacle::StakingPreset p) {
            presets->setCurrentIndex(presets->findData(static_cast<int>(p)));
            return preview->text();
        };
        // The stakes come from the game's own rules; the table keeps its settings.
        QCOMPARE(show(rotacle::StakingPreset::Start),
                 QStringLiteral("Losing every bet: 1, 2, 3, 4, 5, 6\nWinning every bet: 1, 1, 1, 1, 1, 1\n"
                                "Three lost, then won: 1, 2, 3, 4, 5, 1"));
        QCOMPARE(show(rotacle::StakingPreset::Flat),
                 QStringLiteral("Losing every bet: 1, 1, 1, 1, 1, 1\nWinning every bet: 1, 1, 1, 1, 1, 1\n"
                                "Three lost, then won: 1, 1, 1, 1, 1, 1"));
        QCOMPARE(show(rotacle::StakingPreset::DAlembert),
                 QStringLiteral("Losing every bet: 1, 2, 3, 4, 5, 6\nWinning every bet: 1, 1, 1, 1, 1, 1\n"
                                "Three lost, then won: 1, 2, 3, 4, 3, 1"));
        QCOMPARE(show(rotacle::StakingPreset::Martingale),
                 QStringLiteral("Losing every bet: 1, 2, 4, 8, 16, 32\nWinning every bet: 1, 1, 1, 1, 1, 1\n"
                                "Three lost, then won: 1, 2, 4, 8, 1, 1"));
        const rotacle::Memo before = form->Engine().Settings().Settings_Data();
        QCOMPARE(form->Engine().Inputs().BetStrategy.ItemIndex, 5);

        // Applied, the preset is loaded as a settings file: the window shows it
        // and the next losses double the stake on the table.
        QVERIFY(dialog->Apply());
        QCOMPARE(form->Engine().Settings().Settings_Data(),
                 rotacle::WithStakingPreset(rotacle::StakingPreset::Martingale, before));
        QCOMPARE(form->findChild<QComboBox*>(QStringLiteral("BetStrategy"))->currentText(),
                 QStringLiteral("Martingale (x2 on loss)"));
        QVERIFY(form->findChild<QCheckBox*>(QStringLiteral("ChBx_Phase_Correction"))->isChecked());
        for (int n : {5, 17, 32, 1, 2}) QVERIFY(Spin(*form, n));
        QVERIFY(form->Engine().AnyChipVisible());
        QCOMPARE(form->Engine().State().Bet_Size, 1.0);
        for (double stake : {2.0, 4.0}) {
            int losing = 1;
            while (rotacle::FieldWins(form->Engine().State().Bet_Field, losing)) ++losing;
            QVERIFY(Spin(*form, losing));
            QCOMPARE(form->Engine().State().Bet_Size, stake);
        }
        QVERIFY(form->Platform().Messages().empty());
        dialog->close();
    }

    void aSettingsFileThatCannotBeReadIsReported() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->Platform().QueueDialogAnswer(Scratch("missing/none.rtk").toStdString());
        ClickAt(*form, layout::kLoad.center());
        QCOMPARE(form->Platform().Messages().size(), std::size_t{1});
        QMessageBox* box = nullptr;
        QTRY_VERIFY((box = OpenMessage()) != nullptr);
        box->close();
    }
};

int RunInputsSuite(int argc, char** argv) {
    InputsTest t;
    return QTest::qExec(&t, argc, argv);
}

#include "inputs_test.moc"
