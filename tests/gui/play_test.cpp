// Play at the table at speed: what the player does inside a progress run,
// keys that must not reach hidden controls, money drawn whole, and numbers
// entered from the keyboard.
#include <QApplication>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <filesystem>

#include "gui_support.h"
#include "journal/journal.h"
#include "ui/session_journal.h"

using namespace rotacle::ui::test;
using rotacle::EditId;
using rotacle::ui::Caption;
using rotacle::ui::TForm1;

namespace {

// The window as the player meets it: shown and holding the keyboard.
std::unique_ptr<TForm1> ActiveWindow() {
    auto form = ShowWindow();
    if (!form) return nullptr;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) return nullptr;
    return form;
}

// Keys as the player types them: to whatever holds the focus.
void Type(TForm1& form, const QString& keys) {
    for (const QChar c : keys) {
        QWidget* to = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        if (c == QLatin1Char('\n'))
            QTest::keyClick(to, Qt::Key_Return);
        else
            QTest::keyClick(to, c.toLatin1());
    }
    QCoreApplication::processEvents();
}

bool Idle(TForm1& form) {
    return QTest::qWaitFor([&] { return !RunInProgress(form); }, 5000);
}

// Five numbers: the fifth makes the first proposal, so a bet is on the table
// and undo is offered.
bool WarmUp(TForm1& form) {
    for (const int n : {3, 0, 12, 25, 8})
        if (!Spin(form, n)) return false;
    return ShownChip(form) >= 0 && form.engine().UndoOffered();
}

// True when the text of `c` is drawn whole inside it.
bool DrawnWhole(const Caption& c) {
    return QFontMetricsF(c.DrawnFont()).horizontalAdvance(c.Text()) <= c.width();
}

}  // namespace

class PlayTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QuietPlatform(); }

    // A click on undo while the run of the next number goes on used to restore
    // the snapshot and let the run stake again: the stake was charged twice.
    void undoInsideARunChangesNothing() {
        auto played = ShowWindow();
        auto undone = ShowWindow();
        QVERIFY(played && undone);
        QVERIFY(WarmUp(*played));
        QVERIFY(WarmUp(*undone));
        QVERIFY(Spin(*played, 17));

        ClickAt(*undone, layout::CellRect(17).center());
        QVERIFY(RunInProgress(*undone));
        ClickAt(*undone, layout::kUndo.center());
        QVERIFY(Idle(*undone));
        QCOMPARE(undone->engine().State().Bankroll, played->engine().State().Bankroll);
        QCOMPARE(undone->engine().State().Bets_Played, played->engine().State().Bets_Played);
        QCOMPARE(undone->engine().board().NumbersList(), played->engine().board().NumbersList());
    }

    // "APP" inside a run: the new game starts with no bet, and after a
    // confirmation only.
    void newGameInsideARunLeavesNoBet() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(WarmUp(*form));
        ClickAt(*form, layout::kSettings.center());
        QWidget* app = Part(*form, "ResetApp");

        form->platform().QueueConfirmAnswer(false);
        QTest::mouseClick(app, Qt::LeftButton);
        QCOMPARE(form->engine().board().NumbersList().size(), 5u);
        QCOMPARE(form->platform().Questions().back(),
                 std::string("Start a new game? The history of 5 numbers is cleared; the bankroll stays."));

        ClickAt(*form, layout::CellRect(17).center());
        QVERIFY(RunInProgress(*form));
        form->platform().QueueConfirmAnswer(true);
        QTest::mouseClick(app, Qt::LeftButton);
        QVERIFY(!RunInProgress(*form));
        QTest::qWait(200);
        QCOMPARE(ShownChip(*form), -1);
        QCOMPARE(form->engine().State().Bets_Played, 0);
        QCOMPARE(form->engine().display().CGauge1().Position, 0);
        QVERIFY(form->engine().board().NumbersList().empty());
        QVERIFY(Spin(*form, 9));
        QCOMPARE(form->engine().board().NumbersList().size(), 1u);
    }

    // Digits typed after the settings area closed went into the initial bet
    // unseen and the next proposal staked them.
    void keysNeverReachAClosedSettingsArea() {
        auto form = ActiveWindow();
        QVERIFY(form);
        QVERIFY(!Part(*form, "Init_Bet")->hasFocus());
        ClickAt(*form, layout::kSettings.center());
        QWidget* init_bet = Part(*form, "Init_Bet");
        init_bet->setFocus();
        QTRY_VERIFY(init_bet->hasFocus());
        ClickAt(*form, layout::kSettings.center());
        QCOMPARE(form->height(), 388);
        QVERIFY(!init_bet->hasFocus());

        Type(*form, QStringLiteral("99"));
        QCOMPARE(form->engine().inputs().Init_Bet.Text, std::string("1"));
        // Even a key sent straight to the hidden edit is kept from it.
        QTest::keyClick(init_bet, '7');
        QCOMPARE(form->engine().inputs().Init_Bet.Text, std::string("1"));
    }

    // Money labels: every digit drawn, at every stake the engine keeps.
    void moneyIsDrawnWhole() {
        auto form = ShowWindow();
        QVERIFY(form);
        auto& e = form->engine();
        e.Event([&] { e.SetEditText(EditId::Test_Bank, "123456542.35"); });
        form->Refresh();
        const auto* bankroll = form->findChild<Caption*>(QStringLiteral("Label_Bankroll"));
        QCOMPARE(bankroll->Text(), QStringLiteral("123456542.35"));
        QVERIFY(DrawnWhole(*bankroll));

        static const char* const tags[6] = {"BetSizeShow_Less",  "BetSizeShow_Even", "BetSizeShow_Red",
                                            "BetSizeShow_Black", "BetSizeShow_Odd",  "BetSizeShow_More"};
        for (const char* stake : {"12.5", "246.9", "1099", "99999999.99", "999999999999.99"}) {
            e.Event([&] { e.SetEditText(EditId::Init_Bet, stake); });
            e.TimerTick(rotacle::TimerId::ShowValues);
            form->Refresh();
            for (int i = 0; i < 6; ++i) {
                const auto* tag = form->findChild<Caption*>(QString::fromLatin1(tags[i]));
                const QRect at = tag->geometry();
                QVERIFY2(tag->Text() == QString::fromLatin1(stake), stake);
                QVERIFY2(DrawnWhole(*tag), stake);
                QVERIFY2(layout::kFelt.contains(at), stake);
                QVERIFY2(!at.intersects(layout::ChipRect(i)), stake);
                QVERIFY2(tag->DrawnFont().pixelSize() >= bankroll->DrawnFont().pixelSize() - 5 ||
                             tag->DrawnFont().pixelSize() >= 9,
                         stake);
            }
        }
    }

    // Keyboard entry: "1", "7", Enter is a click on 17; a number typed in a
    // run waits for its end; undo takes a waiting number back first.
    void numbersFromTheKeyboard() {
        auto clicked = ShowWindow();
        auto typed = ActiveWindow();
        QVERIFY(clicked && typed);
        QVERIFY(WarmUp(*typed));
        QVERIFY(WarmUp(*clicked));

        Type(*typed, QStringLiteral("17\n"));
        QVERIFY(Idle(*typed));
        QVERIFY(Spin(*clicked, 17));
        QCOMPARE(typed->engine().board().NumbersList(), clicked->engine().board().NumbersList());
        QCOMPARE(typed->engine().State().Bankroll, clicked->engine().State().Bankroll);
        QCOMPARE(ShownChip(*typed), ShownChip(*clicked));

        ClickAt(*typed, layout::CellRect(4).center());
        QVERIFY(RunInProgress(*typed));
        Type(*typed, QStringLiteral("5\n36\n"));
        QCOMPARE(typed->speed().Waiting().size(), 2u);
        QVERIFY(
            typed->findChild<Caption*>(QStringLiteral("KeyEntry"))->Text().contains(QStringLiteral("5 36")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(typed->speed().Waiting().size(), 1u);
        QTRY_VERIFY_WITH_TIMEOUT(typed->engine().board().NumbersList().back() == 5 && !RunInProgress(*typed),
                                 5000);
        const auto& history = typed->engine().board().NumbersList();
        QCOMPARE(history[history.size() - 2], std::uint8_t{4});

        Type(*typed, QStringLiteral("45\n"));
        QVERIFY(typed->speed().Refused());
        QCOMPARE(typed->engine().board().NumbersList().back(), std::uint8_t{5});
    }

    // A session that ended without its close (a crash, a kill) is offered at
    // the next start; Yes brings back the strip and the bankroll, No keeps
    // the old journal aside and starts fresh.
    void anUncleanEndIsOfferedForResume() {
        const std::string folder = ROTACLE_GUI_SCRATCH "/journal";
        std::filesystem::remove_all(folder);
        QStringList strip;
        double bankroll = 0, stake = 0;
        rotacle::SessionSummary summary;
        std::vector<rotacle::BankrollPoint> chart;
        {
            auto played = ShowWindow();
            QVERIFY(played);
            rotacle::ui::SessionJournal journal(*played, folder);
            journal.Start();
            QVERIFY(WarmUp(*played));
            for (const int n : {17, 32, 5}) QVERIFY(Spin(*played, n));
            QVERIFY(Idle(*played));
            played->Refresh();
            for (const auto& l : played->engine().board().HisNum())
                strip << QString::fromStdString(l.Caption);
            bankroll = played->engine().State().Bankroll;
            stake = played->engine().State().Bet_Size;
            summary = played->stats().Summary();
            chart = played->stats().Chart().Points();
        }  // gone without EndCleanly

        auto resumed = ShowWindow();
        QVERIFY(resumed);
        resumed->platform().QueueConfirmAnswer(true);
        rotacle::ui::SessionJournal again(*resumed, folder);
        again.Start();
        QVERIFY(QString::fromStdString(resumed->platform().Questions().back())
                    .startsWith(QStringLiteral("Resume the last session? 8 numbers, bankroll ")));
        QStringList resumed_strip;
        for (const auto& l : resumed->engine().board().HisNum())
            resumed_strip << QString::fromStdString(l.Caption);
        QCOMPARE(resumed_strip, strip);
        QCOMPARE(resumed->engine().State().Bankroll, bankroll);
        QCOMPARE(resumed->engine().State().Bet_Size, stake);
        // The statistics are those of the session played, bets and chart.
        QVERIFY(summary.bets_settled > 0);
        QVERIFY(resumed->stats().Summary() == summary);
        QVERIFY(resumed->stats().Chart().Points() == chart);
        QCOMPARE(QString::fromStdString(resumed->engine().display().Label_Bankroll().Caption),
                 QString::fromStdString(rotacle::FloatToStr(bankroll)));
        again.EndCleanly();

        auto fresh = ShowWindow();
        QVERIFY(fresh);
        rotacle::ui::SessionJournal closed(*fresh, folder);
        closed.Start();  // a closed journal is kept without a question
        QCOMPARE(fresh->platform().Questions().size(), 0u);
        QVERIFY(fresh->engine().board().NumbersList().empty());
        QCOMPARE(rotacle::KeptJournals(folder).size(), 1u);

        // The help window lists the kept session; RESUME makes it the open
        // journal and starts the program again, which offers it.
        const rotacle::ui::PreviousSessions previous = closed.Previous();
        rotacle::ui::ShowHelp(*fresh, &previous);
        auto* list = fresh->findChild<QListWidget*>(QStringLiteral("PreviousSessions"));
        QVERIFY(list && list->count() == 1);
        list->setCurrentRow(0);
        bool restarted = false;
        closed.SetRestart([&] { restarted = true; });
        fresh->platform().QueueConfirmAnswer(true);
        QTest::mouseClick(fresh->findChild<QPushButton*>(QStringLiteral("ResumeSession")), Qt::LeftButton);
        QVERIFY(restarted);
        QVERIFY(!rotacle::ReadJournal(closed.Path()).closed);

        auto restart = ShowWindow();
        QVERIFY(restart);
        restart->platform().QueueConfirmAnswer(true);
        rotacle::ui::SessionJournal offered(*restart, folder);
        offered.Start();
        QCOMPARE(restart->engine().board().NumbersList().size(), 8u);
        QCOMPARE(restart->engine().State().Bankroll, bankroll);
    }
};

int RunPlaySuite(int argc, char** argv) {
    PlayTest suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "play_test.moc"
