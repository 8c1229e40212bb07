// The tooltips of the window, by the name of the control they belong to: the
// same texts as the desktop's, shown as the title of each element.
import { t } from './i18n.js';

const TIPS: Record<string, string> = {
  Image_Import: "Opens the import panel to bring in a series of past numbers.",
  Image_Export: "Saves the history as a text file, one number per line.",
  Button_Minimize: "Minimises the window.",
  Button_Close: "Closes Rotacle.",
  Button_Help: "Help (F1)",
  Label_Bankroll: "The bankroll; the stake of the shown bet is already taken from it.",
  Image_Cancel: "Takes back the last number entered.",
  Image_Cancel3: "Undo is offered again once two more numbers are entered.",
  SL_Indicator1: "Red lamp: the safety level is more than one lost proposal away.",
  Image_SkipBet: "Withdraws the shown bet; its stake goes back to the bankroll.",
  Image_SkipBet3: "No bet is shown that could be withdrawn.",
  Image_Settings: "Opens the settings area with the betting settings.",
  Image_Settings3: "Closes the settings area.",
  Button_Stats: "Opens the statistics window: the bankroll chart, hits and absences of the chances and numbers, the session summary (S).",
  Image_Load: "Loads the betting settings from a .rtk file.",
  Image_Save: "Saves the betting settings to a .rtk file.",
  Image_PasteFromEvolution: "Reads the numbers of a live-casino history page copied to the clipboard.",
  Image_PasteFromEvolution3: "A pasted page is being read.",
  Image_LoadFromFile: "Reads the numbers of a text file.",
  Image_LoadFromFile3: "A pasted page is being read.",
  Button_Process: "Replaces the history with the numbers read; no bet is settled.",
  Image_ClosePanel: "Closes the import panel; the history stays as it is.",
  Init_Bet: "The initial bet: the stake every staking cycle starts from.",
  GameModes: "The game mode that proposes the field to bet on. Fixed in this version: SMART 2025 plays, and a choice snaps back to it.",
  BetStrategy: "The name of the betting system that the staking rules below stand for; the stake always follows those rules. Fixed in this version: a choice snaps back, a settings file may show another name.",
  ChBx_TestBank: "Shows the bankroll and lets you set the test bank.",
  Test_Bank: "The starting bankroll.",
  Losses_HowMuch: "After how many of the counted losses the loss rule changes the stake. Fixed in this version: only a settings file changes it.",
  Losses_Type: "What the loss rule counts: losses, losses in a row or units of drawdown. Fixed in this version: a choice snaps back; a settings file may set it.",
  Losses_Action: "What the loss rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.",
  Losses_ActionValue: "The amount by which the loss rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.",
  Wins_HowMuch: "After how many of the counted wins the win rule changes the stake. Fixed in this version: only a settings file changes it.",
  Wins_Type: "What the win rule counts: wins, wins in a row or units of profit. Fixed in this version: a choice snaps back; a settings file may set it.",
  Wins_Action: "What the win rule does to the stake. Fixed in this version at ADD to bet: a choice snaps back.",
  Wins_ActionValue: "The amount by which the win rule changes the stake: the initial bet. Fixed in this version: it follows the initial bet, or a settings file.",
  Get_Minimal_Profit: "Trims the stake so that a win just reaches the cycle target.",
  Bet_Automatic_Reset: "Returns the stake to the initial bet when the bankroll reaches the cycle target.",
  SafeLevel: "Shows a proposal only after this many proposals in a row have lost (0: always).",
  CreateMatrix: "Builds the matrix from the recent spins.",
  ResetMatrix: "Clears the matrix.",
  Search_Pattern: "The direction in which the matrix looks for its pattern.",
  Play_Bets: "How many bets are played before the matrix is rebuilt.",
  ChBx_Fixed_Number: "Keeps the number of replayed spins instead of following the history.",
  N_Count: "How many recent spins the matrix replays.",
  ChBx_Until_Profit: "Rebuilds the matrix once the profit reaches the units set beside it.",
  Until_Profit: "The profit, in initial bets, that rebuilds the matrix.",
  ChBx_Phase_Correction: "Re-bases the rule amounts when the stake reaches the step times the initial bet.",
  Phase_Correction_Value: "The step: the multiple of the initial bet that starts a phase correction.",
  Label_BetsPlayed: "Bets played in this game (since APP; an import goes on counting), counted as each number is entered: SKIP takes a bet off, UNDO keeps it until the next number.",
  Label_FlatIndex: "Flat index: +18 for every won bet, -18 for every lost one, whatever the stakes: wins against losses.",
  Label_NumbersInGame: "Numbers in game: the numbers in the history.",
  ResetBets: "Starts a new staking cycle at the initial bet.",
  ResetApp: "Starts a new game: the history is cleared, the bankroll kept.",
  ShowBetSize: "Shows the stake beside the chip.",
  QuickProposals: "Shows each proposal at once, without the run across the board.",
  LaPartage: "La partage: a zero gives half of the stake back; the bet still counts as lost.",
  Staking: "Staking systems to choose from, with the first stakes each puts on the table.",
  LimitLoss: "Loss limit: play stops when the session has lost this much (OFF: no limit).",
  LimitProfit: "Profit goal: play stops when the session has won this much (OFF: no goal).",
  LimitTime: "Time limit: play stops after this many minutes (OFF: no limit).",
  LimitSpins: "Spin limit: play stops after this many spins (OFF: no limit).",
  LimitGoOn: "Plays on; the limit that stopped play counts again from here.",
  LimitNewGame: "Starts a new game: the history is cleared, the session counts from now.",
  RealityCheck: "Reality check: every this many minutes, play pauses to show the time and result.",
  Label_Reset: "Reset: BETS starts a new staking cycle, APP starts a new game.",
};

/** The caption of an input shows the input's tooltip. */
const CAPTION_OF: Record<string, string> = {
  Label_InitBet: 'Init_Bet',
  Label_GameMode: 'GameModes',
  Label_BetStrategy: 'BetStrategy',
  Label_SafeLevel: 'SafeLevel',
  Label_Direction: 'Search_Pattern',
  Label_PlayBets: 'Play_Bets',
  Label_LimitLoss: 'LimitLoss',
  Label_LimitProfit: 'LimitProfit',
  Label_LimitTime: 'LimitTime',
  Label_LimitSpins: 'LimitSpins',
  Label_RealityCheck: 'RealityCheck',
  Label9: 'ChBx_TestBank',
};

/** Each even chance with the other side of its pair. */
const PAIRS: Record<string, [string, string]> = {
  Less: ['Less (1-18)', 'More (19-36)'],
  Even: ['Even', 'Odd'],
  Red: ['Red', 'Black'],
  Black: ['Black', 'Red'],
  Odd: ['Odd', 'Even'],
  More: ['More (19-36)', 'Less (1-18)'],
};

/** The text of the tooltip of control `name`, or nothing. */
export function tip(name: string): string | undefined {
  const text = TIPS[CAPTION_OF[name] ?? name];
  return text === undefined ? undefined : t('Tooltip', text);
}

/** Gives every control under `root` named by `data-control` or `name` its tooltip. */
export function applyTooltips(root: ParentNode): void {
  for (const e of root.querySelectorAll<HTMLElement>('[data-control], [name]')) {
    const name = e.dataset['control'] ?? e.getAttribute('name') ?? '';
    const text = tip(name);
    if (text === undefined) continue;
    // A check box shows it on its caption as well.
    const target = e instanceof HTMLInputElement && e.type === 'checkbox' && e.parentElement ? e.parentElement : e;
    target.title = text;
  }
  for (const b of root.querySelectorAll<HTMLElement>('.cell[data-number]'))
    b.title = t('Tooltip', 'Enter %1 as the number the wheel produced.', b.dataset['number'] ?? '');
}

/** The tooltip of a trend button: choose the side, or drop the choice. */
export function trendTip(field: string, chosen: boolean): string {
  const [shown, other] = PAIRS[field] ?? [field, ''];
  return chosen
    ? t('Tooltip', 'Drops the preference for %1.', t('Tooltip', shown))
    : t('Tooltip', 'Prefer %1: a proposal of %2 is turned to %1.', t('Tooltip', shown), t('Tooltip', other));
}
