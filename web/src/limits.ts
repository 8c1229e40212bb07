// The screen that stops play when a session limit is reached, over the board
// and the proposal, with the time played, the spins and the net result, and
// the clock that looks at the limits of time every second.
import { App } from './app.js';
import { View } from './face.js';
import { t } from './i18n.js';
import { Table, at, button } from './table.js';

const HEADINGS: Record<string, string> = {
  loss: 'LOSS LIMIT REACHED',
  profit: 'PROFIT GOAL REACHED',
  time: 'TIME LIMIT REACHED',
  spins: 'SPIN LIMIT REACHED',
  'reality-check': 'REALITY CHECK',
  'stake-above-bankroll': 'STAKE ABOVE THE BANKROLL',
};

/** "1:05" for an hour and five minutes played. */
export function playedText(seconds: number): string {
  const minutes = Math.floor(Math.max(0, seconds) / 60);
  const m = minutes % 60;
  return `${Math.floor(minutes / 60)}${m < 10 ? ':0' : ':'}${m}`;
}

export class LimitScreen {
  readonly screen: HTMLElement;
  private readonly text: HTMLElement;
  private clock: number | undefined;
  /** True while a message box waits: the clock holds still. */
  held: () => boolean = () => false;

  constructor(private readonly app: App, table: Table) {
    this.screen = at('div', 'limit-screen', table.tablePart, [16, 112, 418, 150]);
    this.screen.setAttribute('role', 'alertdialog');
    this.screen.setAttribute('aria-labelledby', 'limit-text');
    this.screen.hidden = true;
    this.text = at('div', 'limit-text', this.screen, [10, 10, 398, 80]);
    this.text.id = 'limit-text';
    button('limit-go-on', this.screen, [100, 104, 100, 24], t('TForm1', 'GO ON'), () => void this.app.do('limit continue')).dataset['control'] = 'LimitGoOn';
    button('limit-new-game', this.screen, [218, 104, 100, 24], t('TForm1', 'NEW GAME'), () => void this.app.do('limit new')).dataset['control'] = 'LimitNewGame';
  }

  /** The lines of the screen for a stop, as the window writes them. */
  static lines(v: View): string[] {
    const l = v.limit;
    let played = t('TForm1', 'Time played %1', playedText(l.seconds));
    if (l.stopped !== 'reality-check') played += `, ${t('TForm1', '%1 spins', l.spins)}`;
    return [t('TForm1', HEADINGS[l.stopped] ?? ''), played, t('TForm1', 'Net result %1', String(l.net))];
  }

  render(v: View): void {
    const stopped = v.limit.stopped !== '';
    const was = !this.screen.hidden;
    if (stopped) {
      const lines = LimitScreen.lines(v);
      this.text.replaceChildren(
        ...lines.map((line) => {
          const p = document.createElement('p');
          p.textContent = line;
          return p;
        }),
      );
    }
    this.screen.hidden = !stopped;
    // The player meets the choice at once.
    if (stopped && !was) this.screen.querySelector<HTMLButtonElement>('.limit-go-on')?.focus({ preventScroll: true });
    const ticking = v.limit.on && !stopped;
    if (ticking && this.clock === undefined) {
      this.clock = window.setInterval(() => {
        if (!this.held()) void this.app.send({ window: 'limit-clock' });
      }, 1000);
    } else if (!ticking && this.clock !== undefined) {
      window.clearInterval(this.clock);
      this.clock = undefined;
    }
  }
}
