// Play at the table at speed: what the player does inside a progress run,
// keys that must not reach hidden controls, money drawn whole, numbers
// entered from the keyboard, and the marks of settled bets.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontMetricsF>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>

#include <ctime>
#include <deque>
#include <filesystem>
#include <vector>

#include "core/convert.h"
#include "gui_support.h"
#include "journal/journal.h"
#include "ui/session_journal.h"
#include "ui/settle_mark.h"

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
    return ShownChip(form) >= 0 && form.Engine().UndoOffered();
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
        QCOMPARE(undone->Engine().State().Bankroll, played->Engine().State().Bankroll);
        QCOMPARE(undone->Engine().State().Bets_Played, played->Engine().State().Bets_Played);
        QCOMPARE(undone->Engine().Board().NumbersList(), played->Engine().Board().NumbersList());
    }

    // A session limit stops play on a screen of its own: no proposal, no
    // number taken, until the player goes on; the table marks la partage.
    void limitScreenStopsPlayUntilGoingOn() {
        auto form = ShowWindow();
        QVERIFY(form);
        form->Run([&] {
            form->Engine().SetZeroRule(rotacle::ZeroRule::Partage);
            form->Engine().SetLimits({.spins = 5});
        });
        QVERIFY(Shown(*form, "PartageMark"));
        QVERIFY(!Shown(*form, "LimitScreen"));
        for (const int n : {3, 0, 12, 25, 8}) QVERIFY(Spin(*form, n));
        QVERIFY(Shown(*form, "LimitScreen"));
        QCOMPARE(ShownChip(*form), -1);
        const QString text = form->findChild<Caption*>(QStringLiteral("LimitText"))->Text();
        QVERIFY2(
            text.contains(QLatin1String("SPIN LIMIT REACHED")) && text.contains(QLatin1String("5 spins")),
            qPrintable(text));
        ClickAt(*form, layout::CellRect(17).center());
        QCOMPARE(form->Engine().Board().NumbersList().size(), 5u);

        QTest::mouseClick(Part(*form, "LimitGoOn"), Qt::LeftButton);
        QVERIFY(!Shown(*form, "LimitScreen"));
        QVERIFY(Spin(*form, 17));
        QCOMPARE(form->Engine().Board().NumbersList().size(), 6u);
    }

    // "APP" inside a run: the new game starts with no bet, and after a
    // confirmation only.
    void newGameInsideARunLeavesNoBet() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(WarmUp(*form));
        ClickAt(*form, layout::kSettings.center());
        QWidget* app = Part(*form, "ResetApp");

        form->Platform().QueueConfirmAnswer(false);
        QTest::mouseClick(app, Qt::LeftButton);
        QCOMPARE(form->Engine().Board().NumbersList().size(), 5u);
        QCOMPARE(form->Platform().Questions().back(),
                 std::string("Start a new game? The history of 5 numbers is cleared; the bankroll stays."));

        ClickAt(*form, layout::CellRect(17).center());
        QVERIFY(RunInProgress(*form));
        form->Platform().QueueConfirmAnswer(true);
        QTest::mouseClick(app, Qt::LeftButton);
        QVERIFY(!RunInProgress(*form));
        QTest::qWait(200);
        QCOMPARE(ShownChip(*form), -1);
        QCOMPARE(form->Engine().State().Bets_Played, 0);
        QCOMPARE(form->Engine().Display().CGauge1().Position, 0);
        QVERIFY(form->Engine().Board().NumbersList().empty());
        QVERIFY(Spin(*form, 9));
        QCOMPARE(form->Engine().Board().NumbersList().size(), 1u);
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
        QCOMPARE(form->Engine().Inputs().Init_Bet.Text, std::string("1"));
        // Even a key sent straight to the hidden edit is kept from it.
        QTest::keyClick(init_bet, '7');
        QCOMPARE(form->Engine().Inputs().Init_Bet.Text, std::string("1"));
    }

    // Money labels: every digit drawn, at every stake the engine keeps.
    void moneyIsDrawnWhole() {
        auto form = ShowWindow();
        QVERIFY(form);
        auto& e = form->Engine();
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
    // A settled bet's field carries a mark for a moment, won or lost as the
    // game settled it, in green or red; an undo takes it off at once. The
    // net result beside the command row follows the settled bets.
    void aSettledBetIsMarkedAndTheNetResultShown() {
        auto form = ShowWindow();
        QVERIFY(form && WarmUp(*form));
        auto* net_label = static_cast<Caption*>(Part(*form, "Label_NetResult"));
        QVERIFY(net_label && net_label->isVisible());
        QCOMPARE(net_label->Text(), QStringLiteral("0"));
        const rotacle::ui::SettleMark& mark = form->SettledMark();
        QCOMPARE(mark.Field(), -1);
        for (int round = 0; round < 2; ++round) {
            const int field = ShownChip(*form);
            QVERIFY(field >= 0);
            const std::int64_t won_before = form->Stats().Summary().won;
            QElapsedTimer clock;
            clock.start();
            QVERIFY(Spin(*form, 20));
            const bool won = form->Stats().Summary().won > won_before;
            QCOMPARE(mark.Field(), field);
            QCOMPARE(mark.Won(), won);
            QVERIFY(Part(*form, "SettleMark")->geometry().contains(layout::FieldRect(field)));
            const QColor badge = PixelAt(*form, layout::FieldRect(field).topLeft() + QPoint(56, -5));
            QVERIFY2(won ? badge.green() > badge.red() + 80 : badge.red() > badge.green() + 80,
                     qPrintable(badge.name()));
            const double net = form->Stats().Summary().net_result;
            QCOMPARE(net_label->Text(),
                     QString::fromStdString((net > 0 ? "+" : "") + rotacle::FloatToStr(net)));
            QCOMPARE(net_label->Colour().green() > net_label->Colour().red(), net > 0);
            if (round == 0) {
                form->UndoCommandClick();
                QCOMPARE(mark.Field(), -1);
                QCOMPARE(net_label->Text(), QStringLiteral("0"));
                continue;
            }
            QTRY_VERIFY_WITH_TIMEOUT(mark.Field() == -1, 4000);
            QVERIFY2(clock.elapsed() >= rotacle::ui::SettleMark::kMilliseconds - 100,
                     qPrintable(QString::number(clock.elapsed())));
        }
    }

    void numbersFromTheKeyboard() {
        auto clicked = ShowWindow();
        auto typed = ActiveWindow();
        QVERIFY(clicked && typed);
        QVERIFY(WarmUp(*typed));
        QVERIFY(WarmUp(*clicked));

        Type(*typed, QStringLiteral("17\n"));
        QVERIFY(Idle(*typed));
        QVERIFY(Spin(*clicked, 17));
        QCOMPARE(typed->Engine().Board().NumbersList(), clicked->Engine().Board().NumbersList());
        QCOMPARE(typed->Engine().State().Bankroll, clicked->Engine().State().Bankroll);
        QCOMPARE(ShownChip(*typed), ShownChip(*clicked));

        ClickAt(*typed, layout::CellRect(4).center());
        QVERIFY(RunInProgress(*typed));
        Type(*typed, QStringLiteral("5\n36\n"));
        QCOMPARE(typed->Speed().Waiting().size(), 2u);
        QVERIFY(
            typed->findChild<Caption*>(QStringLiteral("KeyEntry"))->Text().contains(QStringLiteral("5 36")));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(typed->Speed().Waiting().size(), 1u);
        QTRY_VERIFY_WITH_TIMEOUT(typed->Engine().Board().NumbersList().back() == 5 && !RunInProgress(*typed),
                                 5000);
        const auto& history = typed->Engine().Board().NumbersList();
        QCOMPARE(history[history.size() - 2], std::uint8_t{4});

        Type(*typed, QStringLiteral("45\n"));
        QVERIFY(typed->Speed().Refused());
        QCOMPARE(typed->Engine().Board().NumbersList().back(), std::uint8_t{5});
    }

    // Clicks inside a run were lost where the locked board hid their cells.
    // They wait as typed numbers do; UNDO shows inert in a run unless a
    // number waits for it to take back.
    void clicksOnTheLockedBoardWait() {
        auto form = ShowWindow();
        QVERIFY(form);
        QVERIFY(WarmUp(*form));
        QVERIFY(!Shown(*form, "Image_Cancel3"));
        ClickAt(*form, layout::CellRect(4).center());
        QVERIFY(RunInProgress(*form));
        QVERIFY(Shown(*form, "Image_Cancel3"));
        ClickAt(*form, layout::CellRect(28).center());  // a hidden cell
        ClickAt(*form, layout::CellRect(4).center());   // the run's own cell
        ClickAt(*form, layout::CellRect(36).center());
        QCOMPARE(form->Speed().Waiting(), (std::deque<int>{28, 4, 36}));
        QVERIFY(form->findChild<Caption*>(QStringLiteral("KeyEntry"))
                    ->Text()
                    .contains(QStringLiteral("waiting: 28 4 36")));
        QVERIFY(!Shown(*form, "Image_Cancel3"));
        ClickAt(*form, layout::kUndo.center());
        QCOMPARE(form->Speed().Waiting(), (std::deque<int>{28, 4}));
        QTRY_VERIFY_WITH_TIMEOUT(form->Speed().Waiting().empty() && !RunInProgress(*form), 10000);
        const auto& history = form->Engine().Board().NumbersList();
        QCOMPARE(std::vector<int>(history.end() - 3, history.end()), (std::vector<int>{4, 28, 4}));
        QVERIFY(!Shown(*form, "Image_Cancel3"));
    }

    // A session that ended without its close (here killed inside a progress
    // run, with two numbers typed during it) is offered at the next start,
    // Yes by default, with the table it resumes to: the run ended, its stake
    // placed, and the typed numbers entered after it. A closed session is
    // kept; RESUME in the help window offers it again, dated by its last action.
    void anUncleanEndIsOfferedForResume() {
        const std::string folder = ROTACLE_GUI_SCRATCH "/journal";
        std::filesystem::remove_all(folder);
        double bankroll = 0;
        rotacle::SessionSummary summary;
        std::vector<rotacle::BankrollPoint> chart;
        {
            auto reference = ShowWindow();
            QVERIFY(reference);
            QVERIFY(WarmUp(*reference));
            for (const int n : {17, 32, 5, 4}) QVERIFY(Spin(*reference, n));
            bankroll = reference->Engine().State().Bankroll;
            for (const int n : {5, 36}) QVERIFY(Spin(*reference, n));
            summary = reference->Stats().Summary();
            chart = reference->Stats().Chart().Points();
        }
        std::vector<std::uint8_t> numbers;
        {
            auto played = ActiveWindow();
            QVERIFY(played);
            rotacle::ui::SessionJournal journal(*played, folder);
            journal.Start();
            QVERIFY(WarmUp(*played));
            for (const int n : {17, 32, 5}) QVERIFY(Spin(*played, n));
            ClickAt(*played, layout::CellRect(4).center());
            QVERIFY(RunInProgress(*played));
            Type(*played, QStringLiteral("5\n36\n"));
            QCOMPARE(played->Speed().Waiting().size(), 2u);
            numbers = played->Engine().Board().NumbersList();
        }  // gone inside the run, without EndCleanly
        numbers.insert(numbers.end(), {5, 36});
        {
            auto resumed = ShowWindow();
            QVERIFY(resumed);
            rotacle::ui::SessionJournal again(*resumed, folder);
            again.Start();
            const QString question = QString::fromStdString(resumed->Platform().Questions().back());
            QVERIFY2(question.startsWith(
                         QStringLiteral("Resume the last session? 9 numbers, bankroll %1, last at ")
                             .arg(QString::fromStdString(rotacle::FloatToStr(bankroll)))),
                     qPrintable(question));
            QVERIFY2(question.endsWith(QStringLiteral(", and 2 waiting to be entered (5 36).")),
                     qPrintable(question));
            QTRY_VERIFY_WITH_TIMEOUT(
                resumed->Engine().Board().NumbersList().size() == numbers.size() && !RunInProgress(*resumed),
                5000);
            QCOMPARE(resumed->Engine().Board().NumbersList(), numbers);
            // The statistics are those of the same numbers played without a break.
            QVERIFY(summary.bets_settled > 0);
            QVERIFY(resumed->Stats().Summary() == summary);
            QVERIFY(resumed->Stats().Chart().Points() == chart);
            again.EndCleanly();
        }

        auto fresh = ShowWindow();
        QVERIFY(fresh);
        rotacle::ui::SessionJournal closed(*fresh, folder);
        closed.Start();  // a closed journal is kept without a question
        QCOMPARE(fresh->Platform().Questions().size(), 0u);
        QVERIFY(fresh->Engine().Board().NumbersList().empty());
        const std::vector<std::string> kept = rotacle::KeptJournals(folder);
        QCOMPARE(kept.size(), 1u);
        const std::time_t last = std::time(nullptr) - 3 * 3600;
        const struct timespec times[2] = {{0, UTIME_OMIT}, {last, 0}};
        QCOMPARE(::utimensat(AT_FDCWD, kept[0].c_str(), times, 0), 0);

        // The help window lists the kept session; RESUME makes it the open
        // journal and starts the program again, which offers it.
        const rotacle::ui::PreviousSessions previous = closed.Previous();
        rotacle::ui::ShowHelp(*fresh, &previous);
        auto* list = fresh->findChild<QListWidget*>(QStringLiteral("PreviousSessions"));
        QVERIFY(list && list->count() == 1);
        list->setCurrentRow(0);
        bool restarted = false;
        closed.SetRestart([&] { restarted = true; });
        fresh->Platform().QueueConfirmAnswer(true);
        QTest::mouseClick(fresh->findChild<QPushButton*>(QStringLiteral("ResumeSession")), Qt::LeftButton);
        QVERIFY(restarted);
        QVERIFY(!rotacle::ReadJournal(closed.Path()).closed);

        auto restart = ShowWindow();
        QVERIFY(restart);
        rotacle::ui::SessionJournal offered(*restart, folder);
        offered.Start();
        std::tm tm{};
        ::localtime_r(&last, &tm);
        char at[16];
        std::strftime(at, sizeof at, "last at %H:%M", &tm);
        const QString question = QString::fromStdString(restart->Platform().Questions().back());
        QVERIFY2(question.contains(QString::fromLatin1(at)), qPrintable(question));
        QCOMPARE(restart->Engine().Board().NumbersList(), numbers);
    }

    // APP keeps the game that it ends: resumed from the help window, the table
    // is as it was just before APP. The list says what each kept session
    // holds, and a session without numbers is not kept.
    void appKeepsTheGameBeforeIt() {
        const std::string folder = ROTACLE_GUI_SCRATCH "/journal-app";
        std::filesystem::remove_all(folder);
        std::vector<std::uint8_t> numbers;
        double bankroll = 0;
        {
            auto played = ShowWindow();
            QVERIFY(played);
            rotacle::ui::SessionJournal journal(*played, folder);
            journal.Start();
            QVERIFY(WarmUp(*played));
            for (const int n : {17, 32}) QVERIFY(Spin(*played, n));
            numbers = played->Engine().Board().NumbersList();
            bankroll = played->Engine().State().Bankroll;
            played->Platform().QueueConfirmAnswer(true);
            played->ResetAppClick();
            QVERIFY(played->Engine().Board().NumbersList().empty());
            journal.EndCleanly();
        }
        QCOMPARE(rotacle::KeptJournals(folder).size(), 1u);
        {
            auto next = ShowWindow();
            QVERIFY(next);
            rotacle::ui::SessionJournal journal(*next, folder);
            journal.Start();  // the game after APP holds no numbers: not kept
            QCOMPARE(rotacle::KeptJournals(folder).size(), 1u);
            const rotacle::ui::PreviousSessions previous = journal.Previous();
            rotacle::ui::ShowHelp(*next, &previous);
            auto* list = next->findChild<QListWidget*>(QStringLiteral("PreviousSessions"));
            QVERIFY(list && list->count() == 1);
            QVERIFY2(list->item(0)->text().endsWith(
                         QStringLiteral("7 numbers, bankroll %1")
                             .arg(QString::fromStdString(rotacle::FloatToStr(bankroll)))),
                     qPrintable(list->item(0)->text()));
            list->setCurrentRow(0);
            bool restarted = false;
            journal.SetRestart([&] { restarted = true; });
            next->Platform().QueueConfirmAnswer(true);
            QTest::mouseClick(next->findChild<QPushButton*>(QStringLiteral("ResumeSession")), Qt::LeftButton);
            QVERIFY(restarted);
        }
        auto resumed = ShowWindow();
        QVERIFY(resumed);
        rotacle::ui::SessionJournal journal(*resumed, folder);
        journal.Start();
        QCOMPARE(resumed->Engine().Board().NumbersList(), numbers);
        QCOMPARE(resumed->Engine().State().Bankroll, bankroll);
    }

    // While one window holds the journal, a second one journals a session of
    // its own and offers nothing; a later start keeps what the second left.
    void aSecondWindowJournalsItsOwnSession() {
        const std::string folder = ROTACLE_GUI_SCRATCH "/journal-two";
        std::filesystem::remove_all(folder);
        {
            auto first = ShowWindow();
            QVERIFY(first);
            rotacle::ui::SessionJournal one(*first, folder);
            one.Start();
            for (const int n : {17, 32}) first->Run([&] { first->Engine().NumberClick(n); });
            {
                auto second = ShowWindow();
                QVERIFY(second);
                rotacle::ui::SessionJournal two(*second, folder);
                two.Start();
                QVERIFY(second->Platform().Questions().empty());
                QVERIFY(QString::fromStdString(second->Platform().Messages().back())
                            .contains(QStringLiteral("open in another Rotacle window")));
                QVERIFY(two.Path() != one.Path());
                second->Run([&] { second->Engine().NumberClick(5); });
                QCOMPARE(second->Engine().Board().NumbersList().size(), 1u);
            }  // the second window crashes
            QCOMPARE(rotacle::ReadJournal(one.Path()).actions,
                     (std::vector<std::string>{"spin 17", "spin 32"}));
        }  // and the first one too
        auto third = ShowWindow();
        QVERIFY(third);
        third->Platform().QueueConfirmAnswer(false);
        rotacle::ui::SessionJournal three(*third, folder);
        three.Start();
        QCOMPARE(third->Platform().Questions().size(), 1u);
        QCOMPARE(rotacle::KeptJournals(folder).size(), 2u);
        QVERIFY(!std::filesystem::exists(folder + "/" + rotacle::ui::JournalSlotName(2)));
    }
};

int RunPlaySuite(int argc, char** argv) {
    PlayTest suite;
    return QTest::qExec(&suite, argc, argv);
}

#include "play_test.moc"
