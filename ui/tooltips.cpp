#include "ui/tooltips.h"

#include <QString>
#include <QWidget>
#include <array>

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
    {"Image_Import1", "Opens the import panel to bring in a series of past numbers."},
    {"Image_Import2", "Opens the import panel to bring in a series of past numbers."},
    {"Image_Export1", "Saves the history as a text file, one number per line."},
    {"Image_Export2", "Saves the history as a text file, one number per line."},
    {"Button_Minimize", "Minimises the window."},
    {"Button_Minimize_2", "Minimises the window."},
    {"Button_Close", "Closes Rotacle."},
    {"Button_Close_Hover", "Closes Rotacle."},
    {"Button_Help", "Help (F1)"},
    {"Button_Help_2", "Help (F1)"},
    {"Label_Bankroll", "The bankroll; the stake of the shown bet is already taken from it."},
    {"Image_Cancel1", "Takes back the last number entered."},
    {"Image_Cancel2", "Takes back the last number entered."},
    {"Image_Cancel3", "Undo is offered again once two more numbers are entered."},

    // Proposal row.
    {"SL_Indicator1", "Red lamp: the safety level is more than one lost proposal away."},
    {"SL_Indicator2", "Green lamp: the safety level is reached or one lost proposal away."},

    // Command row.
    {"Image_SkipBet1", "Withdraws the shown bet; its stake goes back to the bankroll."},
    {"Image_SkipBet2", "Withdraws the shown bet; its stake goes back to the bankroll."},
    {"Image_SkipBet3", "No bet is shown that could be withdrawn."},
    {"Image_Settings1", "Opens the settings area with the betting settings."},
    {"Image_Settings2", "Opens the settings area with the betting settings."},
    {"Image_Settings3", "Closes the settings area."},
    {"Button_Stats",
     "Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the "
     "session summary (S)."},
    {"Image_Load1", "Loads the betting settings from a .rtk file."},
    {"Image_Load2", "Loads the betting settings from a .rtk file."},
    {"Image_Save1", "Saves the betting settings to a .rtk file."},
    {"Image_Save2", "Saves the betting settings to a .rtk file."},

    // Import panel.
    {"Image_PasteFromEvolution1", "Reads the numbers of a live-casino history page copied to the clipboard."},
    {"Image_PasteFromEvolution2", "Reads the numbers of a live-casino history page copied to the clipboard."},
    {"Image_PasteFromEvolution3", "A pasted page is being read."},
    {"Image_LoadFromFile1", "Reads the numbers of a text file."},
    {"Image_LoadFromFile2", "Reads the numbers of a text file."},
    {"Image_LoadFromFile3", "A pasted page is being read."},
    {"Button_Process", "Replaces the history with the numbers read; no bet is settled."},
    {"Image_ClosePanel1", "Closes the import panel; the history stays as it is."},
    {"Image_ClosePanel2", "Closes the import panel; the history stays as it is."},

    // Settings area.
    {"Init_Bet", "The initial bet: the stake every staking cycle starts from."},
    {"GameModes",
     "The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a "
     "choice snaps back to it."},
    {"BetStrategy",
     "The name of the betting system that the staking rules below stand for; the stake always follows "
     "those rules. Fixed in this version: a choice snaps back, a settings file may show another name."},
    {"ChBx_TestBank", "Shows the bankroll and lets you set the test bank."},
    {"Test_Bank", "The starting bankroll."},
    {"Losses_HowMuch",
     "After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a "
     "settings file changes it."},
    {"Losses_Type",
     "What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a "
     "choice snaps back; a settings file may set it."},
    {"Losses_Action",
     "What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back."},
    {"Losses_ActionValue",
     "The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it "
     "follows the initial bet, or a settings file."},
    {"Wins_HowMuch",
     "After how many of the counted wins the win rule changes the stake. Fixed in this version: only a "
     "settings file changes it."},
    {"Wins_Type",
     "What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice "
     "snaps back; a settings file may set it."},
    {"Wins_Action",
     "What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back."},
    {"Wins_ActionValue",
     "The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it "
     "follows the initial bet, or a settings file."},
    {"Get_Minimal_Profit", "Trims the stake so that a win just reaches the cycle target."},
    {"Bet_Automatic_Reset",
     "Returns the stake to the initial bet when the bankroll reaches the cycle target."},
    {"SafeLevel", "Shows a proposal only after this many proposals in a row have lost (0: always)."},
    {"CreateMatrix", "Builds the matrix from the recent spins."},
    {"ResetMatrix", "Clears the matrix."},
    {"Search_Pattern", "The direction in which the matrix looks for its pattern."},
    {"Play_Bets", "How many bets are played before the matrix is rebuilt."},
    {"ChBx_Fixed_Number", "Keeps the number of replayed spins instead of following the history."},
    {"N_Count", "How many recent spins the matrix replays."},
    {"ChBx_Until_Profit", "Rebuilds the matrix once the profit reaches the units set beside it."},
    {"Until_Profit", "The profit, in initial bets, that rebuilds the matrix."},
    {"ChBx_Phase_Correction",
     "Re-bases the rule amounts when the stake reaches the step times the initial bet."},
    {"Phase_Correction_Value", "The step: the multiple of the initial bet that starts a phase correction."},
    {"Label_BetsPlayed", "Bets played: the proposals shown as bets; a skipped bet is taken off."},
    {"Label_FlatIndex",
     "Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses."},
    {"Label_NumbersInGame", "Numbers in game: the numbers in the history."},
    {"ResetBets", "Starts a new staking cycle at the initial bet."},
    {"ResetApp", "Starts a new game: the history is cleared, the bankroll kept."},
    {"ShowBetSize", "Shows the stake beside the chip."},
    {"QuickProposals", "Shows each proposal at once, without the run across the board."},
    {"LaPartage", "La partage: a zero gives half of the stake back; the bet still counts as lost."},
    {"LimitLoss", "Loss limit: play stops when the session has lost this much (OFF: no limit)."},
    {"LimitProfit", "Profit goal: play stops when the session has won this much (OFF: no goal)."},
    {"LimitTime", "Time limit: play stops after this many minutes (OFF: no limit)."},
    {"LimitSpins", "Spin limit: play stops after this many spins (OFF: no limit)."},
    {"LimitGoOn", "Plays on; the limit that stopped play counts again from here."},
    {"LimitNewGame", "Starts a new game: the history is cleared, the session counts from now."},
    {"RealityCheck", "Reality check: every this many minutes, play pauses to show the time and result."},
};

// The even-chance fields in the order of the trend pictures, each with the
// other side of its pair.
struct Field {
    const char* suffix;
    const char* shown;
    const char* other;
};
constexpr std::array<Field, 6> kFields = {{{"Less", "Less (1-18)", "More (19-36)"},
                                           {"Even", "Even", "Odd"},
                                           {"Red", "Red", "Black"},
                                           {"Black", "Black", "Red"},
                                           {"Odd", "Odd", "Even"},
                                           {"More", "More (19-36)", "Less (1-18)"}}};

void SetTip(QWidget& form, const QString& name, const QString& text) {
    if (auto* w = form.findChild<QWidget*>(name)) w->setToolTip(text);
}

}  // namespace

void ApplyTooltips(QWidget& form) {
    for (const Tip& t : kTips) SetTip(form, QString::fromLatin1(t.name), QString::fromUtf8(t.text));

    for (int n = 0; n <= 36; ++n) {
        const QString text = QStringLiteral("Enter %1 as the number the wheel produced.").arg(n);
        SetTip(form, QStringLiteral("Image%1").arg(n), text);
        SetTip(form, QStringLiteral("Image_Act_%1").arg(n), text);
    }

    // Trend pictures: the base and hover looks choose the side, the mark of a
    // chosen side drops the choice.
    for (const Field& f : kFields) {
        const QString base = QStringLiteral("Trend_") + QString::fromLatin1(f.suffix) + QLatin1Char('_');
        const QString shown = QString::fromLatin1(f.shown);
        const QString choose = QStringLiteral("Prefer %1: a proposal of %2 is turned to %1.")
                                   .arg(shown, QString::fromLatin1(f.other));
        SetTip(form, base + QLatin1Char('0'), choose);
        SetTip(form, base + QLatin1Char('1'), choose);
        SetTip(form, base + QLatin1Char('2'), QStringLiteral("Drops the preference for %1.").arg(shown));
    }
}

}  // namespace rotacle::ui
