#include "ui/tooltips.h"

#include <QCoreApplication>
#include <QString>
#include <QWidget>
#include <array>
#include <utility>

namespace rotacle::ui {

namespace {

struct Tip {
    const char* name;
    const char* text;
};

// A picture command has a normal picture (suffix 1) and a hover picture
// (suffix 2) on the same place; the player may meet either, so both carry the
// tooltip. A cover (suffix 3) lies above both while it is shown.
constexpr Tip kTips[] = {
    // Top row.
    {"Image_Import1",
     QT_TRANSLATE_NOOP("Tooltip", "Opens the import panel to bring in a series of past numbers.")},
    {"Image_Import2",
     QT_TRANSLATE_NOOP("Tooltip", "Opens the import panel to bring in a series of past numbers.")},
    {"Image_Export1", QT_TRANSLATE_NOOP("Tooltip", "Saves the history as a text file, one number per line.")},
    {"Image_Export2", QT_TRANSLATE_NOOP("Tooltip", "Saves the history as a text file, one number per line.")},
    {"Button_Minimize", QT_TRANSLATE_NOOP("Tooltip", "Minimises the window.")},
    {"Button_Minimize_2", QT_TRANSLATE_NOOP("Tooltip", "Minimises the window.")},
    {"Button_Close", QT_TRANSLATE_NOOP("Tooltip", "Closes Rotacle.")},
    {"Button_Close_Hover", QT_TRANSLATE_NOOP("Tooltip", "Closes Rotacle.")},
    {"Button_Help", QT_TRANSLATE_NOOP("Tooltip", "Help (F1)")},
    {"Button_Help_2", QT_TRANSLATE_NOOP("Tooltip", "Help (F1)")},
    {"Label_Bankroll",
     QT_TRANSLATE_NOOP("Tooltip", "The bankroll; the stake of the shown bet is already taken from it.")},
    {"Image_Cancel1", QT_TRANSLATE_NOOP("Tooltip", "Takes back the last number entered.")},
    {"Image_Cancel2", QT_TRANSLATE_NOOP("Tooltip", "Takes back the last number entered.")},
    {"Image_Cancel3",
     QT_TRANSLATE_NOOP("Tooltip", "Undo is offered again once two more numbers are entered.")},

    // Proposal row.
    {"SL_Indicator1",
     QT_TRANSLATE_NOOP("Tooltip", "Red lamp: the safety level is more than one lost proposal away.")},
    {"SL_Indicator2",
     QT_TRANSLATE_NOOP("Tooltip", "Green lamp: the safety level is reached or one lost proposal away.")},

    // Command row.
    {"Image_SkipBet1",
     QT_TRANSLATE_NOOP("Tooltip", "Withdraws the shown bet; its stake goes back to the bankroll.")},
    {"Image_SkipBet2",
     QT_TRANSLATE_NOOP("Tooltip", "Withdraws the shown bet; its stake goes back to the bankroll.")},
    {"Image_SkipBet3", QT_TRANSLATE_NOOP("Tooltip", "No bet is shown that could be withdrawn.")},
    {"Image_Settings1", QT_TRANSLATE_NOOP("Tooltip", "Opens the settings area with the betting settings.")},
    {"Image_Settings2", QT_TRANSLATE_NOOP("Tooltip", "Opens the settings area with the betting settings.")},
    {"Image_Settings3", QT_TRANSLATE_NOOP("Tooltip", "Closes the settings area.")},
    {"Button_Stats",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the "
         "session summary (S).")},
    {"Image_Load1", QT_TRANSLATE_NOOP("Tooltip", "Loads the betting settings from a .rtk file.")},
    {"Image_Load2", QT_TRANSLATE_NOOP("Tooltip", "Loads the betting settings from a .rtk file.")},
    {"Image_Save1", QT_TRANSLATE_NOOP("Tooltip", "Saves the betting settings to a .rtk file.")},
    {"Image_Save2", QT_TRANSLATE_NOOP("Tooltip", "Saves the betting settings to a .rtk file.")},

    // Import panel.
    {"Image_PasteFromEvolution1",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Reads the numbers of a live-casino history page copied to the clipboard.")},
    {"Image_PasteFromEvolution2",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Reads the numbers of a live-casino history page copied to the clipboard.")},
    {"Image_PasteFromEvolution3", QT_TRANSLATE_NOOP("Tooltip", "A pasted page is being read.")},
    {"Image_LoadFromFile1", QT_TRANSLATE_NOOP("Tooltip", "Reads the numbers of a text file.")},
    {"Image_LoadFromFile2", QT_TRANSLATE_NOOP("Tooltip", "Reads the numbers of a text file.")},
    {"Image_LoadFromFile3", QT_TRANSLATE_NOOP("Tooltip", "A pasted page is being read.")},
    {"Button_Process",
     QT_TRANSLATE_NOOP("Tooltip", "Replaces the history with the numbers read; no bet is settled.")},
    {"Image_ClosePanel1",
     QT_TRANSLATE_NOOP("Tooltip", "Closes the import panel; the history stays as it is.")},
    {"Image_ClosePanel2",
     QT_TRANSLATE_NOOP("Tooltip", "Closes the import panel; the history stays as it is.")},

    // Settings area.
    {"Init_Bet", QT_TRANSLATE_NOOP("Tooltip", "The initial bet: the stake every staking cycle starts from.")},
    {"GameModes",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a "
         "choice snaps back to it.")},
    {"BetStrategy",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "The name of the betting system that the staking rules below stand for; the stake always follows "
         "those rules. Fixed in this version: a choice snaps back, a settings file may show another name.")},
    {"ChBx_TestBank", QT_TRANSLATE_NOOP("Tooltip", "Shows the bankroll and lets you set the test bank.")},
    {"Test_Bank", QT_TRANSLATE_NOOP("Tooltip", "The starting bankroll.")},
    {"Losses_HowMuch", QT_TRANSLATE_NOOP("Tooltip",
                                         "After how many of the counted losses the loss rule changes the "
                                         "stake. Fixed in this version: only a "
                                         "settings file changes it.")},
    {"Losses_Type",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a "
         "choice snaps back; a settings file may set it.")},
    {"Losses_Action",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.")},
    {"Losses_ActionValue",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it "
         "follows the initial bet, or a settings file.")},
    {"Wins_HowMuch",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "After how many of the counted wins the win rule changes the stake. Fixed in this version: only a "
         "settings file changes it.")},
    {"Wins_Type",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice "
         "snaps back; a settings file may set it.")},
    {"Wins_Action",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.")},
    {"Wins_ActionValue",
     QT_TRANSLATE_NOOP(
         "Tooltip",
         "The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it "
         "follows the initial bet, or a settings file.")},
    {"Get_Minimal_Profit",
     QT_TRANSLATE_NOOP("Tooltip", "Trims the stake so that a win just reaches the cycle target.")},
    {"Bet_Automatic_Reset",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Returns the stake to the initial bet when the bankroll reaches the cycle target.")},
    {"SafeLevel",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Shows a proposal only after this many proposals in a row have lost (0: always).")},
    {"CreateMatrix", QT_TRANSLATE_NOOP("Tooltip", "Builds the matrix from the recent spins.")},
    {"ResetMatrix", QT_TRANSLATE_NOOP("Tooltip", "Clears the matrix.")},
    {"Search_Pattern",
     QT_TRANSLATE_NOOP("Tooltip", "The direction in which the matrix looks for its pattern.")},
    {"Play_Bets", QT_TRANSLATE_NOOP("Tooltip", "How many bets are played before the matrix is rebuilt.")},
    {"ChBx_Fixed_Number",
     QT_TRANSLATE_NOOP("Tooltip", "Keeps the number of replayed spins instead of following the history.")},
    {"N_Count", QT_TRANSLATE_NOOP("Tooltip", "How many recent spins the matrix replays.")},
    {"ChBx_Until_Profit",
     QT_TRANSLATE_NOOP("Tooltip", "Rebuilds the matrix once the profit reaches the units set beside it.")},
    {"Until_Profit", QT_TRANSLATE_NOOP("Tooltip", "The profit, in initial bets, that rebuilds the matrix.")},
    {"ChBx_Phase_Correction",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Re-bases the rule amounts when the stake reaches the step times the initial bet.")},
    {"Phase_Correction_Value",
     QT_TRANSLATE_NOOP("Tooltip",
                       "The step: the multiple of the initial bet that starts a phase correction.")},
    {"Label_BetsPlayed",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Bets played in this game (since APP; an import goes on counting), counted as each "
                       "number is entered: SKIP takes a bet off, UNDO keeps it until the next number.")},
    {"Label_FlatIndex", QT_TRANSLATE_NOOP("Tooltip",
                                          "Flat index: +18 for every won bet, -18 for every lost one, "
                                          "whatever the stakes: wins against losses.")},
    {"Label_NumbersInGame", QT_TRANSLATE_NOOP("Tooltip", "Numbers in game: the numbers in the history.")},
    {"ResetBets", QT_TRANSLATE_NOOP("Tooltip", "Starts a new staking cycle at the initial bet.")},
    {"ResetApp",
     QT_TRANSLATE_NOOP("Tooltip", "Starts a new game: the history is cleared, the bankroll kept.")},
    {"ShowBetSize", QT_TRANSLATE_NOOP("Tooltip", "Shows the stake beside the chip.")},
    {"QuickProposals",
     QT_TRANSLATE_NOOP("Tooltip", "Shows each proposal at once, without the run across the board.")},
    {"LaPartage",
     QT_TRANSLATE_NOOP("Tooltip",
                       "La partage: a zero gives half of the stake back; the bet still counts as lost.")},
    {"Staking",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Staking systems to choose from, with the first stakes each puts on the table.")},
    {"LimitLoss",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Loss limit: play stops when the session has lost this much (OFF: no limit).")},
    {"LimitProfit",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Profit goal: play stops when the session has won this much (OFF: no goal).")},
    {"LimitTime",
     QT_TRANSLATE_NOOP("Tooltip", "Time limit: play stops after this many minutes (OFF: no limit).")},
    {"LimitSpins",
     QT_TRANSLATE_NOOP("Tooltip", "Spin limit: play stops after this many spins (OFF: no limit).")},
    {"LimitGoOn",
     QT_TRANSLATE_NOOP("Tooltip", "Plays on; the limit that stopped play counts again from here.")},
    {"LimitNewGame",
     QT_TRANSLATE_NOOP("Tooltip", "Starts a new game: the history is cleared, the session counts from now.")},
    {"RealityCheck",
     QT_TRANSLATE_NOOP("Tooltip",
                       "Reality check: every this many minutes, play pauses to show the time and result.")},
    {"Label_Reset",
     QT_TRANSLATE_NOOP("Tooltip", "Reset: BETS starts a new staking cycle, APP starts a new game.")},
};

// The captions of the settings area show the tooltip of the input they name:
// where a language needs a shorter caption, the tooltip names it in full.
constexpr std::array<std::pair<const char*, const char*>, 12> kCaptionOf = {{
    {"Label_InitBet", "Init_Bet"},
    {"Label_GameMode", "GameModes"},
    {"Label_BetStrategy", "BetStrategy"},
    {"Label_SafeLevel", "SafeLevel"},
    {"Label_Direction", "Search_Pattern"},
    {"Label_PlayBets", "Play_Bets"},
    {"Label_LimitLoss", "LimitLoss"},
    {"Label_LimitProfit", "LimitProfit"},
    {"Label_LimitTime", "LimitTime"},
    {"Label_LimitSpins", "LimitSpins"},
    {"Label_RealityCheck", "RealityCheck"},
    {"Label9", "ChBx_TestBank"},
}};

// The even-chance fields in the order of the trend pictures, each with the
// other side of its pair.
struct Field {
    const char* suffix;
    const char* shown;
    const char* other;
};
constexpr std::array<Field, 6> kFields = {
    {{"Less", QT_TRANSLATE_NOOP("Tooltip", "Less (1-18)"), QT_TRANSLATE_NOOP("Tooltip", "More (19-36)")},
     {"Even", QT_TRANSLATE_NOOP("Tooltip", "Even"), QT_TRANSLATE_NOOP("Tooltip", "Odd")},
     {"Red", QT_TRANSLATE_NOOP("Tooltip", "Red"), QT_TRANSLATE_NOOP("Tooltip", "Black")},
     {"Black", QT_TRANSLATE_NOOP("Tooltip", "Black"), QT_TRANSLATE_NOOP("Tooltip", "Red")},
     {"Odd", QT_TRANSLATE_NOOP("Tooltip", "Odd"), QT_TRANSLATE_NOOP("Tooltip", "Even")},
     {"More", "More (19-36)", "Less (1-18)"}}};

QString Tr(const char* english) { return QCoreApplication::translate("Tooltip", english); }

void SetTip(QWidget& form, const QString& name, const QString& text) {
    if (auto* w = form.findChild<QWidget*>(name)) w->setToolTip(text);
}

}  // namespace

void ApplyTooltips(QWidget& form) {
    for (const Tip& t : kTips) SetTip(form, QString::fromLatin1(t.name), Tr(t.text));
    for (const auto& [caption, input] : kCaptionOf)
        if (const auto* w = form.findChild<QWidget*>(QString::fromLatin1(input)))
            SetTip(form, QString::fromLatin1(caption), w->toolTip());

    for (int n = 0; n <= 36; ++n) {
        const QString text =
            QCoreApplication::translate("Tooltip", "Enter %1 as the number the wheel produced.").arg(n);
        SetTip(form, QStringLiteral("Image%1").arg(n), text);
        SetTip(form, QStringLiteral("Image_Act_%1").arg(n), text);
    }

    // Trend pictures: the base and hover looks choose the side, the mark of a
    // chosen side drops the choice.
    for (const Field& f : kFields) {
        const QString base = QStringLiteral("Trend_") + QString::fromLatin1(f.suffix) + QLatin1Char('_');
        const QString shown = Tr(f.shown);
        const QString choose =
            QCoreApplication::translate("Tooltip", "Prefer %1: a proposal of %2 is turned to %1.")
                .arg(shown, Tr(f.other));
        SetTip(form, base + QLatin1Char('0'), choose);
        SetTip(form, base + QLatin1Char('1'), choose);
        SetTip(form, base + QLatin1Char('2'),
               QCoreApplication::translate("Tooltip", "Drops the preference for %1.").arg(shown));
    }
}

}  // namespace rotacle::ui
