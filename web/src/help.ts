// The guide (F1 or the "?" command): the same blocks as the desktop's help,
// each translated on its own, in a dialog beside the table. The legend's
// pictures are the table's own lamp and trend looks.
import { t } from './i18n.js';

const GUIDE = [
  `<h2>Rotacle 8.0</h2>
<p>Rotacle follows a European roulette table (one zero) and proposes one of the six even
chances &mdash; Less (1-18), More (19-36), Even, Odd, Red, Black &mdash; with the stake your
staking rules give.</p>`,
  `<h3>Entering numbers</h3>
<p>Click the cell of the number the wheel produced, or type its digits and press Enter or
Space. Backspace takes back a typed digit, Esc drops the typed digits. A number clicked or typed
while the board is busy waits (&ldquo;waiting: 5 36&rdquo; under the history) and is entered after
the run; meanwhile UNDO only takes back a waiting number.</p>
<p>Keys: <b>Ctrl+Z</b> undo (a number still waiting is taken back first), <b>Ctrl+Q</b> quit, <b>F1</b> this help, <b>S</b> the statistics window, <b>Esc</b> closes the
import panel or the settings area.</p>`,
  `<h3>The chip and the stake</h3>
<p>The chip marks the field to bet on next; the tag beside it is the stake. The stake is already
taken from the bankroll: a win brings it back with as much again, a loss keeps it.</p>`,
  `<h3>The first numbers</h3>
<p>The first four numbers are only recorded. From the fifth a proposal is shown; from the sixth
each number first settles the previous proposal.</p>`,
  `<h3>The stats row</h3>
<p><b>Numbers in game</b> counts the numbers in the history. <b>Bets played</b> counts the
proposals shown as bets in this game (since APP; an import goes on counting), as each number is
entered: a bet withdrawn with SKIP is taken off again, one taken back with UNDO stays counted
until the next number. The statistics window counts the bets of the history alone. The <b>flat index</b>
tells how the bets went whatever their stakes: it adds 18 for every won bet and takes 18 off for
every lost one (18 numbers win on an even chance), so it is 18 times the won bets less the lost
ones; a number with no bet on the table leaves it alone.</p>`,
  `<h3>Undo and skip</h3>
<p><b>UNDO</b> takes back the last number entered: the bankroll and the bet return to what they
were before it. It is offered again once two more numbers are entered. <b>SKIP</b> withdraws the shown bet: its stake goes
back to the bankroll and nothing is settled on it.</p>`,
  `<h3>Staking rules</h3>
<p>A staking cycle starts at the <b>initial bet</b>. The loss rule (&ldquo;AFTER n losses
&hellip;&rdquo;) and the win rule (&ldquo;AFTER n wins &hellip;&rdquo;) add to, subtract from,
multiply, divide or set the stake by their amount. <b>Bet automatic reset</b> returns the stake
to the initial bet when the bankroll reaches the cycle target; <b>get minimal profit</b> trims
the stake so that a win just reaches that target. <b>Phase correction</b> re-bases the rule
amounts when the stake reaches the step times the initial bet.</p>
<p>Some controls are fixed in this version: the game mode (SMART 2025 plays), the betting
system list and the rule lists snap back when you choose another item, and the AFTER counts and
rule amounts take their values from the initial bet or from a settings file (LOAD). Their
tooltips say so. Enter or Esc ends an edit, and the next digits go to the table again.</p>`,
  `<h3>Import and export</h3>
<p><b>IMPORT</b> opens a panel: paste a live-casino history page from the clipboard, or load a
text file of numbers, then IMPORT replaces the history with them without settling any bet
(it asks first when the history holds numbers).
<b>EXPORT</b> saves the history as a text file, one number per line.</p>`,
  `<h3>The expected loss</h3>
<p>With one zero the house edge is 1/37: every stake on an even chance loses 1/37 of its amount
on average. No staking rule changes that: over many bets the expected result is 1/37 of the
total staked, lost.</p>`,
  `<h3>La partage</h3>
<p>With <b>LA PARTAGE</b> ticked in the settings area, a bet lost to the zero gives half of its
stake back; the staking rules still count it as lost. The house edge on the even chances is then
1/74 instead of 1/37, and the statistics window's expected result counts 1/74 of what was staked
under it.</p>`,
  `<h3>Session limits and the reality check</h3>
<p>The limits in the settings area stop play when one is reached: <b>LOSS</b> and
<b>PROFIT</b> count the money held (the bankroll and the stake on the table) from the moment the
limit was set, <b>MIN</b> the minutes played and <b>SPINS</b> the numbers entered. Play then
stands still until you go on (that limit counts again from there) or start a new game. An
optional limit stops play when a stake would be larger than the money held. <b>CHECK</b> is the
reality check: every so many minutes play pauses to show the time played and the result.</p>`,
  `<h3>Staking dialog</h3>
<p><b>STAKING&hellip;</b> in the settings area sets the staking rules in one place, from presets
(the defaults, flat, martingale, d'Alembert) with a preview of the first stakes after losses and
wins.</p>`,
  `<h3>The Risk tab</h3>
<p>The statistics window's <b>Risk</b> tab plays many whole sessions from the table's bankroll on
a random wheel, each until it reaches the target, is ruined or has played the most spins, and
shows how often each happened, the spread of the results and the expected loss. It plays the
table's settings, or flat or martingale staking, with the table's zero rule or another; the same
seed plays the same sessions, as <code>rotacle-sim risk</code> does.</p>`,
  `<h3>Lamps and trend buttons</h3>
<table cellspacing="6">
<tr><td><img src="rotacle:lamp-far" width="20" height="20"></td>
<td>Safety level still more than one lost proposal away. With SAFE LEVEL n, a proposal is
shown only after n proposals in a row have lost.</td></tr>
<tr><td><img src="rotacle:lamp-near" width="20" height="20"></td>
<td>Safety level reached, or one lost proposal away.</td></tr>
<tr><td><img src="rotacle:trend-0" width="62" height="18"></td>
<td>A trend button at rest, above its field.</td></tr>
<tr><td><img src="rotacle:trend-1" width="62" height="18"></td>
<td>Pointed at: a click prefers this side of its pair.</td></tr>
<tr><td><img src="rotacle:trend-2" width="62" height="18"></td>
<td>This side is preferred: a proposal of the other side of the pair is turned to it. A
click drops the preference.</td></tr>
</table>`,
];

const FOOT = 'Rotacle 8.0 &mdash; version %1<br>\nAll rights reserved. No warranty: roulette has a house edge.';

/** The guide's pictures, drawn as the table draws them. */
const PICTURES: Record<string, string> = {
  'rotacle:lamp-far': 'lamp lamp-far',
  'rotacle:lamp-near': 'lamp lamp-near',
  'rotacle:trend-0': 'trend',
  'rotacle:trend-1': 'trend pointed',
  'rotacle:trend-2': 'trend chosen',
};

/** The guide as markup: our own texts, never a text from outside the site. */
export function guideMarkup(): string {
  const blocks = GUIDE.map((block) => t('Help', block));
  blocks.push(`<p class="foot">${t('Help', FOOT, '8.0')}</p>`);
  return blocks.join('\n\n');
}

export class Help {
  readonly box: HTMLDialogElement;
  private readonly body: HTMLElement;
  /** Where the kept sessions are listed (the session journal fills it). */
  readonly sessions: HTMLElement;
  /** Called when the guide closes. */
  closed: (() => void) | undefined;

  constructor(parent: HTMLElement) {
    this.box = document.createElement('dialog');
    this.box.className = 'help';
    this.box.setAttribute('aria-labelledby', 'help-title');
    const bar = document.createElement('div');
    bar.className = 'help-bar';
    const title = document.createElement('h2');
    title.id = 'help-title';
    title.textContent = t('Help', 'Rotacle 8.0 \u2014 Help');
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'help-close';
    close.textContent = '\u2715';
    close.setAttribute('aria-label', t('Accessible', 'close'));
    close.addEventListener('click', () => this.box.close());
    bar.append(title, close);
    this.body = document.createElement('div');
    this.body.className = 'help-text';
    this.body.tabIndex = 0;
    this.sessions = document.createElement('section');
    this.sessions.className = 'help-sessions';
    this.box.append(bar, this.body, this.sessions);
    this.box.addEventListener('keydown', (e) => {
      if (e.key !== 'Escape') return;
      e.preventDefault();
      this.box.close();
    });
    // Back at the table, the keys go to the board again.
    this.box.addEventListener('close', () => this.closed?.());
    parent.append(this.box);
  }

  show(): void {
    if (!this.body.childElementCount) {
      const doc = new DOMParser().parseFromString(`<div>${guideMarkup()}</div>`, 'text/html');
      for (const img of [...doc.querySelectorAll('img')]) {
        const span = doc.createElement('span');
        span.className = `legend ${PICTURES[img.getAttribute('src') ?? ''] ?? ''}`;
        span.setAttribute('aria-hidden', 'true');
        if (span.classList.contains('trend')) span.textContent = t('Artwork', 'TREND');
        img.replaceWith(span);
      }
      const root = doc.body.firstElementChild;
      if (root) this.body.replaceChildren(...[...root.childNodes].map((n) => document.importNode(n, true)));
    }
    if (!this.box.open) this.box.show();
    this.body.focus({ preventScroll: true });
  }
}
