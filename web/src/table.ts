// The table: the board, the strip, the six even chances with their chips and
// stakes, the lamps and the values, drawn as elements that each carry an
// accessible name, role and state. It shows the window model's view and
// turns the player's clicks into the game's events; it decides nothing.
import { App } from './app.js';
import { LabelView, View } from './face.js';

/** The even chances in the order of the window model's fields. */
export const FIELDS = ['Less', 'Even', 'Red', 'Black', 'Odd', 'More'] as const;
const REDS = new Set([1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]);

function el<K extends keyof HTMLElementTagNameMap>(tag: K, cls: string, parent?: HTMLElement): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  e.className = cls;
  parent?.append(e);
  return e;
}

function colourCss(c: number): string {
  return `rgb(${c & 0xff}, ${(c >> 8) & 0xff}, ${(c >> 16) & 0xff})`;
}

export class Table {
  readonly root: HTMLElement;
  private readonly cells: HTMLButtonElement[] = [];
  private readonly strip: HTMLElement[] = [];
  private readonly fields: HTMLElement[] = [];
  private readonly stakes: HTMLElement[] = [];
  private readonly bankroll: HTMLElement;
  private readonly undo: HTMLButtonElement;
  private readonly skip: HTMLButtonElement;

  constructor(private readonly app: App, parent: HTMLElement) {
    this.root = el('section', 'table', parent);
    this.root.setAttribute('aria-label', 'Roulette table');
    const stripRow = el('ol', 'strip', this.root);
    stripRow.setAttribute('aria-label', 'Last numbers');
    for (let k = 0; k < 8; ++k) this.strip.push(el('li', 'strip-number', stripRow));

    const board = el('div', 'board', this.root);
    board.setAttribute('role', 'group');
    board.setAttribute('aria-label', 'Numbers');
    for (let n = 0; n <= 36; ++n) {
      const b = el('button', `cell ${n === 0 ? 'zero' : REDS.has(n) ? 'red' : 'black'}`, board);
      b.type = 'button';
      b.textContent = String(n);
      b.dataset['number'] = String(n);
      if (n > 0) {
        // Three rows of twelve columns, 3 6 9 ... on top, as on the cloth.
        b.style.gridColumn = String(2 + Math.floor((n - 1) / 3));
        b.style.gridRow = String(3 - ((n - 1) % 3));
      }
      b.addEventListener('click', () => void this.app.do(`spin ${n}`));
      this.cells.push(b);
    }

    const chances = el('div', 'chances', this.root);
    chances.setAttribute('role', 'group');
    chances.setAttribute('aria-label', 'Even chances');
    FIELDS.forEach((name) => {
      const f = el('div', `field field-${name.toLowerCase()}`, chances);
      f.dataset['field'] = name;
      el('span', 'field-name', f).textContent = name;
      this.fields.push(f);
      this.stakes.push(el('span', 'stake', f));
    });

    const values = el('div', 'values', this.root);
    this.bankroll = el('output', 'bankroll', values);
    this.bankroll.setAttribute('aria-label', 'Bankroll');
    const commands = el('div', 'commands', this.root);
    this.undo = el('button', 'undo', commands);
    this.undo.type = 'button';
    this.undo.textContent = 'UNDO';
    this.undo.addEventListener('click', () => void this.app.do('undo'));
    this.skip = el('button', 'skip', commands);
    this.skip.type = 'button';
    this.skip.textContent = 'SKIP';
    this.skip.addEventListener('click', () => void this.app.do('skip'));
  }

  render(v: View): void {
    this.cells.forEach((b, n) => {
      const shown = v.cells[n] ?? false;
      b.disabled = !shown;
      b.classList.toggle('taken', !shown);
      b.setAttribute('aria-label', String(n));
    });
    this.strip.forEach((s, k) => {
      const l: LabelView | undefined = v.strip[k];
      s.textContent = l && l.shown ? l.text : '';
      s.style.background = l && l.shown ? colourCss(l.colour) : '';
    });
    this.fields.forEach((f, i) => {
      const proposed = (v.fields[i] ?? false) || (v.chips[i] ?? false);
      f.classList.toggle('proposed', v.fields[i] ?? false);
      f.classList.toggle('chip', v.chips[i] ?? false);
      const stake = v.stakes[i];
      const text = stake && stake.shown ? stake.text : '';
      const span = this.stakes[i];
      if (span) span.textContent = text;
      f.setAttribute('aria-label', `${FIELDS[i] ?? ''}${proposed && text ? `, bet ${text}` : ''}`);
    });
    this.bankroll.textContent = v.bankroll.shown ? v.bankroll.text : '';
    this.undo.disabled = !v.undoActive;
    this.skip.disabled = v.skipCovered;
  }
}
