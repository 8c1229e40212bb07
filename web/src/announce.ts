// What a screen reader hears beside what the table shows: each settled bet,
// each proposal, the game's errors and a key an amount did not take, said
// through a live region of the page.
import { Answer, PlayEvent, Request } from './face.js';
import { t } from './i18n.js';
import { fieldName } from './table.js';

/** The game's amounts as it writes them: no trailing zeros, a point. */
function amount(x: number | undefined): string {
  return String(Math.round((x ?? 0) * 100) / 100);
}

/** The sentence for a play event, or nothing for one the table shows itself. */
export function saying(e: PlayEvent): string | undefined {
  const field = (e.field ?? 0) - 1;
  if (field < 0 || field > 5) return undefined;
  if (e.kind === 'settled')
    return t('Accessible', e.won ? 'won: stake %1 on %2, bankroll %3' : 'lost: stake %1 on %2, bankroll %3', amount(e.stake), fieldName(field), amount(e.bankroll));
  if (e.kind === 'proposal') return t('Accessible', 'proposal: stake %1 on %2', amount(e.stake), fieldName(field));
  return undefined;
}

export class Announcer {
  readonly region: HTMLElement;
  private timer: number | undefined;

  constructor(parent: HTMLElement) {
    this.region = document.createElement('div');
    this.region.className = 'announce';
    this.region.setAttribute('role', 'status');
    this.region.setAttribute('aria-live', 'polite');
    this.region.setAttribute('aria-atomic', 'true');
    parent.append(this.region);
  }

  /**
   * Says `text`. A sentence that follows within a moment (the proposal
   * after the settlement of a spin) joins the one before; `fresh` news (a
   * new spin) replaces it, so that the region never reads back an old one.
   */
  say(text: string, fresh = false): void {
    if (!text) return;
    const now = this.timer === undefined || fresh ? '' : this.region.textContent ?? '';
    this.region.textContent = now ? `${now} ${text}` : text;
    if (this.timer !== undefined) window.clearTimeout(this.timer);
    this.timer = window.setTimeout(() => {
      this.timer = undefined;
    }, 1500);
  }

  /** Hears every answer of the game. */
  hear(answer: Answer, request: Request): void {
    // A resumed session's replay is no news, its end is.
    if ('replay' in request) {
      if (answer.replayed !== undefined) this.say(t('Accessible', 'session resumed: %1 numbers', answer.view.history));
      return;
    }
    const sentences = answer.play.map(saying).filter((s): s is string => s !== undefined);
    if (answer.message) sentences.push(t('Accessible', 'error: %1', answer.message));
    if (sentences.length) this.say(sentences.join(' '), answer.play.some((e) => e.kind === 'spin'));
  }

  private readonly noted = new Set<string>();

  /**
   * A key typed into an amount: said when it was not taken, or when it
   * leaves the initial bet no stake, once until a key is taken again, as
   * the window says it.
   */
  typedKey(id: string, key: string, before: string, after: string): void {
    const names: Record<string, string> = {
      Init_Bet: t('TForm1', 'INITIAL BET'),
      Test_Bank: t('TForm1', 'TEST BANK'),
      Losses_ActionValue: t('TForm1', 'amount of the loss rule'),
      Wins_ActionValue: t('TForm1', 'amount of the win rule'),
    };
    const name = names[id];
    if (!name) return;
    const dropped = key !== '\b' && after === before;
    const noStake = !dropped && id === 'Init_Bet' && after !== before && !(Number(after) >= 0.01);
    if (!dropped && !noStake) {
      this.noted.delete(id);
      return;
    }
    if (this.noted.has(id)) return;
    this.noted.add(id);
    if (noStake) this.say(t('TForm1', '%1: %2 is no stake; the smallest is 0.01', name, after));
    else if (key === '.' || key === ',') this.say(t('TForm1', '%1: an amount has one decimal point; the key is not taken', name));
    else if (key === '-' || key === '+') this.say(t('TForm1', '%1: amounts are typed without a sign; "%2" is not taken', name, key));
    else this.say(t('TForm1', '%1: only digits and a decimal point are typed here; "%2" is not taken', name, key));
  }
}
