// The table: the head row, the bank and the history strip, the board, the six
// even chances with their trend buttons, chips and stakes, the lamp and the
// gauges, the import panel, the command row and the statistics row. Every
// part is an element of its own with an accessible name, role and state; the
// places are the desktop window's, in its pixels, and the style sheet lays
// them out (the whole window scaled to fit, or the phone's column). The table
// shows the window model's view and turns the player's clicks into the game's
// events; it decides nothing.
import { App } from './app.js';
import { LabelView, View } from './face.js';
import { t } from './i18n.js';
import { tip, trendTip } from './tooltips.js';

/** The even chances in the order of the window model's fields. */
export const FIELDS = ['Less', 'Even', 'Red', 'Black', 'Odd', 'More'] as const;
const REDS = new Set([1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]);
/** The names painted on the fields; red and black show a diamond instead. */
const FIELD_MARKS = ['1-18', 'EVEN', '', '', 'ODD', '19-36'];
/** The window's width and its heights with the settings area closed and open. */
export const WIDTH = 457;
export const CLOSED_HEIGHT = 388;
export const OPEN_HEIGHT = 697;
/** Where the command row and the settings area begin in the window. */
export const COMMANDS_TOP = 320;
export const SETTINGS_TOP = 389;

export type Rect = readonly [x: number, y: number, w: number, h: number];

export function el<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  cls: string,
  parent?: HTMLElement,
): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  parent?.append(e);
  return e;
}

/** An element placed at `r` (the window's pixels, relative to its part). */
export function at<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  cls: string,
  parent: HTMLElement,
  r: Rect,
): HTMLElementTagNameMap[K] {
  const e = el(tag, `at ${cls}`, parent);
  // A readout is read when the player comes to it; the news is said by the announcer.
  if (tag === 'output') e.setAttribute('aria-live', 'off');
  const [x, y, w, h] = r;
  e.style.setProperty('--x', `${x}px`);
  e.style.setProperty('--y', `${y}px`);
  e.style.setProperty('--w', `${w}px`);
  e.style.setProperty('--h', `${h}px`);
  return e;
}

/** Where `e` sits in the phone's grid (column, row). */
function cell(e: HTMLElement, column: number | string, row: number): void {
  e.style.setProperty('--col', String(column));
  e.style.setProperty('--row', String(row));
}

/** A push button with a text, placed at `r`. */
export function button(cls: string, parent: HTMLElement, r: Rect, text: string, act: () => void): HTMLButtonElement {
  const b = at('button', `cmd ${cls}`, parent, r);
  b.type = 'button';
  b.textContent = text;
  b.addEventListener('click', () => {
    if (!b.disabled && b.getAttribute('aria-disabled') !== 'true') act();
  });
  return b;
}

/** A colour of the game (0x00BBGGRR) in CSS. */
export function colourCss(c: number): string {
  return `rgb(${c & 0xff}, ${(c >> 8) & 0xff}, ${(c >> 16) & 0xff})`;
}

function luminance(c: number): number {
  const f = (v: number): number => ((v /= 255) <= 0.03928 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4);
  return 0.2126 * f(c & 0xff) + 0.7152 * f((c >> 8) & 0xff) + 0.0722 * f((c >> 16) & 0xff);
}

/**
 * The game's text colour `fg` on its background `bg`, moved toward white or
 * black just as far as a contrast of 4.5:1 asks: the hue stays, the text reads.
 */
export function readableOn(fg: number, bg: number): string {
  const back = luminance(bg);
  const ratio = (c: number): number => {
    const l = luminance(c);
    return (Math.max(l, back) + 0.05) / (Math.min(l, back) + 0.05);
  };
  const toward = back < 0.18 ? 255 : 0;
  let c = fg;
  for (let k = 1; k <= 10 && ratio(c) < 4.5; ++k) {
    const mix = (shift: number): number => {
      const v = (fg >> shift) & 0xff;
      return Math.round(v + ((toward - v) * k) / 10) << shift;
    };
    c = mix(0) | mix(8) | mix(16);
  }
  return colourCss(c);
}

export function fieldName(i: number): string {
  return t('List', FIELDS[i] ?? '');
}

/** A number with its colour in words, as the cells and the history say it. */
export function numberName(n: number): string {
  if (n === 0) return t('Accessible', '%1, green', n);
  return REDS.has(n) ? t('Accessible', '%1, red', n) : t('Accessible', '%1, black', n);
}

function setText(e: HTMLElement, text: string): void {
  if (e.textContent !== text) e.textContent = text;
}

function setLabel(e: HTMLElement, text: string): void {
  if (e.getAttribute('aria-label') !== text) e.setAttribute('aria-label', text);
}

function gauge(e: HTMLElement, [position, max]: [number, number]): void {
  const fraction = max > 0 ? Math.min(1, Math.max(0, position / max)) : 0;
  e.style.setProperty('--fill', `${(fraction * 100).toFixed(2)}%`);
  e.setAttribute('aria-valuemin', '0');
  e.setAttribute('aria-valuemax', String(max));
  e.setAttribute('aria-valuenow', String(position));
}

/** Commands the table shows whose work is another part's (files, statistics). */
export type CommandName = 'import' | 'export' | 'load' | 'save' | 'stats' | 'paste' | 'load-file' | 'help';

export class Table {
  readonly stage: HTMLElement;
  readonly tablePart: HTMLElement;
  readonly commandsPart: HTMLElement;
  readonly settingsPart: HTMLElement;
  private readonly handlers = new Map<CommandName, () => void>();
  private readonly cells: HTMLButtonElement[] = [];
  private readonly strip: HTMLElement[] = [];
  private readonly trends: HTMLButtonElement[] = [];
  private readonly fields: HTMLElement[] = [];
  private readonly chips: HTMLElement[] = [];
  private readonly stakes: HTMLElement[] = [];
  private readonly play: HTMLElement;
  private readonly chances: HTMLElement;
  private readonly bankCaption: HTMLElement;
  private readonly bankroll: HTMLElement;
  private readonly readout: HTMLElement;
  private readonly gauge1: HTMLElement;
  private readonly lamp: HTMLElement;
  private readonly partageMark: HTMLElement;
  private readonly undo: HTMLButtonElement;
  private readonly skip: HTMLButtonElement;
  private readonly settings: HTMLButtonElement;
  private readonly net: HTMLElement;
  private readonly numbersInGame: HTMLElement;
  private readonly betsPlayed: HTMLElement;
  private readonly flatIndex: HTMLElement;
  private readonly panel: HTMLElement;
  private readonly paste: HTMLButtonElement;
  private readonly loadFile: HTMLButtonElement;
  private readonly progress: HTMLElement;
  private readonly process: HTMLButtonElement;
  /** Set while the settings area is open (the window is its open height). */
  open = false;
  /** The last view shown. */
  view: View | undefined;

  constructor(private readonly app: App, parent: HTMLElement) {
    this.stage = el('div', 'stage', parent);
    this.stage.tabIndex = -1;
    this.tablePart = el('section', 'part part-table', this.stage);
    this.tablePart.setAttribute('aria-label', t('Web', 'table'));
    this.commandsPart = el('section', 'part part-commands', this.stage);
    this.commandsPart.setAttribute('aria-label', t('Web', 'commands'));
    this.settingsPart = el('section', 'part part-settings', this.stage);
    this.settingsPart.setAttribute('aria-label', t('TForm1', 'SETTINGS'));
    this.settingsPart.hidden = true;
    const top = this.tablePart;

    // The play: the board, the trends and the fields, in the Tab order of the window.
    this.play = el('div', 'play', top);
    // The board takes the keys of play itself (digits, Enter, Backspace), as
    // an application does: a screen reader hands them over here. The readouts
    // around it stay text to be read.
    this.play.tabIndex = -1;
    this.play.setAttribute('role', 'application');
    this.play.setAttribute('aria-label', 'Rotacle 8.0');
    this.play.setAttribute('aria-roledescription', t('Web', 'roulette table'));
    at('div', 'felt', this.play, [6, 102, 445, 208]).setAttribute('aria-hidden', 'true');
    const board = el('div', 'board', this.play);
    board.setAttribute('role', 'group');
    board.setAttribute('aria-label', t('Web', 'numbers'));
    for (let n = 0; n <= 36; ++n) {
      const column = Math.floor((n - 1) / 3);
      const r: Rect = n === 0 ? [16, 112, 33, 97] : [48 + 32 * column, n % 3 === 0 ? 112 : n % 3 === 2 ? 144 : 176, 33, 33];
      const b = at('button', `cell ${n === 0 ? 'zero' : REDS.has(n) ? 'red' : 'black'}`, board, r);
      b.type = 'button';
      b.textContent = String(n);
      b.dataset['number'] = String(n);
      b.setAttribute('aria-label', numberName(n));
      // Upright on a phone: the zero on top, then 1 2 3, 4 5 6 ... as on the cloth.
      if (n === 0) cell(b, '1 / span 3', 1);
      else cell(b, ((n - 1) % 3) + 1, Math.ceil(n / 3) + 1);
      // A locked board still takes the click: the number waits for the end of the run.
      b.addEventListener('click', () => void this.app.do(`spin ${n}`));
      this.cells.push(b);
    }

    this.chances = el('div', 'chances', this.play);
    this.chances.setAttribute('role', 'group');
    this.chances.setAttribute('aria-label', t('Web', 'even chances'));
    const fieldX = (i: number): number => (i < 3 ? 16 + 64 * i : 250 + 64 * (i - 3));
    const column = (i: number): number => (i < 3 ? i + 1 : i + 2);
    FIELDS.forEach((name, i) => {
      const trend = at('button', 'trend', this.chances, [fieldX(i), 227, 62, 18]);
      trend.type = 'button';
      trend.dataset['field'] = name;
      trend.setAttribute('aria-label', t('Accessible', 'trend: %1', fieldName(i)));
      trend.setAttribute('aria-pressed', 'false');
      el('span', 'trend-glyph', trend).textContent = '\u2197';
      el('span', 'trend-text', trend).textContent = t('Artwork', 'TREND');
      cell(trend, column(i), 1);
      trend.addEventListener('click', () => {
        const chosen = trend.getAttribute('aria-pressed') === 'true';
        void this.app.do(`${chosen ? 'untrend' : 'trend'} ${name}`);
      });
      this.trends.push(trend);
    });
    FIELDS.forEach((_, i) => at('div', 'chip-place', this.chances, [fieldX(i) + 19, 279, 24, 24]).setAttribute('aria-hidden', 'true'));
    FIELDS.forEach((name, i) => {
      const f = at('div', `field field-${name.toLowerCase()}`, this.chances, [fieldX(i), 253, 62, 24]);
      f.dataset['field'] = name;
      f.setAttribute('role', 'img');
      cell(f, column(i), 2);
      const mark = FIELD_MARKS[i] ?? '';
      el('span', mark ? 'field-name' : 'field-diamond', f).textContent = mark ? t('Artwork', mark) : '';
      this.fields.push(f);
      const chip = at('div', 'chip', this.chances, [fieldX(i) + 19, 279, 24, 24]);
      chip.setAttribute('role', 'img');
      chip.setAttribute('aria-label', t('Accessible', 'chip on %1', fieldName(i)));
      chip.hidden = true;
      chip.dataset['chip'] = name;
      cell(chip, column(i), 3);
      this.chips.push(chip);
      // The tag sits right of the chip, or left of it where the felt ends.
      const s = at('div', `stake${i === 5 ? ' stake-left' : ''}`, this.chances, [i === 5 ? fieldX(i) + 19 - 3 - 70 : fieldX(i) + 46, 282, 70, 18]);
      s.hidden = true;
      s.dataset['stake'] = name;
      cell(s, column(i), 4);
      this.stakes.push(s);
    });
    this.lamp = at('div', 'lamp', this.chances, [218, 254, 20, 20]);
    this.lamp.setAttribute('role', 'img');
    cell(this.lamp, 4, 2);
    this.partageMark = at('div', 'partage-mark', this.play, [16, 211, 90, 11]);
    this.partageMark.textContent = t('TForm1', 'LA PARTAGE');
    this.partageMark.hidden = true;

    // The bank and the history row, with UNDO.
    const bank = el('div', 'bank', top);
    this.gauge1 = at('div', 'gauge gauge1', bank, [0, 55, 457, 6]);
    this.gauge1.setAttribute('role', 'progressbar');
    this.gauge1.setAttribute('aria-label', t('Accessible', 'run progress'));
    at('div', 'box', bank, [50, 60, 168, 30]).setAttribute('aria-hidden', 'true');
    at('div', 'box', bank, [226, 60, 225, 30]).setAttribute('aria-hidden', 'true');
    const stack = at('div', 'chip-stack', bank, [20, 66, 22, 22]);
    stack.setAttribute('aria-hidden', 'true');
    this.bankCaption = at('div', 'bank-caption', bank, [58, 66, 62, 18]);
    this.bankroll = at('output', 'bankroll', bank, [120, 64, 94, 22]);
    this.bankroll.dataset['control'] = 'Label_Bankroll';
    this.bankroll.dataset['value'] = 'bankroll';
    this.bankCaption.dataset['control'] = 'Label9';
    const stripRow = at('ol', 'strip', bank, [236, 66, 8 * 18, 17]);
    stripRow.setAttribute('aria-label', t('Accessible', 'history'));
    for (let k = 0; k < 8; ++k) {
      const slot = el('li', 'strip-number', stripRow);
      this.strip.push(slot);
    }
    this.readout = at('div', 'readout', bank, [232, 90, 150, 12]);
    this.readout.setAttribute('role', 'status');
    this.undo = button('undo', bank, [387, 64, 57, 22], t('TForm1', 'UNDO'), () => void this.app.do('undo'));
    this.undo.dataset['control'] = 'Image_Cancel';

    // The head row: the mark, IMPORT, EXPORT, help and the version.
    const head = el('header', 'head', top);
    const logo = at('div', 'logo', head, [12, 9, 32, 32]);
    logo.setAttribute('aria-hidden', 'true');
    at('h1', 'title', head, [52, 6, 160, 24]).textContent = 'ROTACLE';
    at('div', 'subtitle', head, [53, 29, 158, 12]).textContent = t('Artwork', 'EVEN CHANCE ASSISTANT');
    button('import', head, [215, 16, 66, 25], t('TForm1', 'IMPORT'), () => this.command('import')).dataset['control'] = 'Image_Import';
    button('export', head, [287, 16, 66, 25], t('TForm1', 'EXPORT'), () => this.command('export')).dataset['control'] = 'Image_Export';
    this.fileCommand('Image_Export', 'export');
    const help = button('help', head, [370, 3, 25, 25], '?', () => this.command('help'));
    help.setAttribute('aria-label', t('Accessible', 'help'));
    help.setAttribute('aria-keyshortcuts', 'F1');
    help.dataset['control'] = 'Button_Help';
    at('div', 'version', head, [401, 29, 48, 14]).textContent = 'ver 8.0';

    // The import panel over the bank row and the felt.
    this.panel = at('div', 'import-panel', top, [0, 53, WIDTH, 259]);
    this.panel.setAttribute('role', 'region');
    this.panel.setAttribute('aria-label', t('Accessible', 'import panel'));
    this.panel.hidden = true;
    // Its commands are placed in the panel's own pixels.
    this.paste = button('paste', this.panel, [72, 80, 177, 25], t('TForm1', 'PASTE FROM EVOLUTION'), () =>
      this.command('paste'),
    );
    this.loadFile = button('load-file', this.panel, [256, 80, 121, 25], t('TForm1', 'LOAD FROM FILE'), () =>
      this.command('load-file'),
    );
    this.progress = at('div', 'gauge progress', this.panel, [72, 112, 305, 17]);
    this.progress.setAttribute('role', 'progressbar');
    this.progress.setAttribute('aria-label', t('Accessible', 'import progress'));
    this.process = button('process', this.panel, [72, 144, 177, 22], '', () => void this.importListed());
    this.process.dataset['control'] = 'Button_Process';
    this.paste.dataset['control'] = 'Image_PasteFromEvolution';
    this.loadFile.dataset['control'] = 'Image_LoadFromFile';
    this.paste.dataset['command'] = 'paste-page';
    this.loadFile.dataset['command'] = 'load-file';
    const closePanel = button('close-panel', this.panel, [256, 144, 121, 25], t('TForm1', 'CLOSE'), () =>
      void this.app.do('click Image_ClosePanel2'),
    );

    // The command row and the statistics row.
    const c = this.commandsPart;
    const y = (r: Rect): Rect => [r[0], r[1] - COMMANDS_TOP, r[2], r[3]];
    at('div', 'command-strip', c, y([240, 320, 217, 41])).setAttribute('aria-hidden', 'true');
    at('div', 'stats-strip', c, y([0, 357, 457, 32])).setAttribute('aria-hidden', 'true');
    const row = el('div', 'command-row', c);
    this.skip = button('skip', row, y([16, 326, 57, 25]), t('TForm1', 'SKIP'), () => void this.app.do('skip'));
    closePanel.dataset['control'] = 'Image_ClosePanel';
    this.skip.dataset['control'] = 'Image_SkipBet';
    const net = el('div', 'net-result', row);
    const netName = at('span', 'net-name', net, y([78, 328, 94, 22]));
    netName.textContent = t('TForm1', 'Net result:');
    this.net = at('output', 'net', net, y([176, 328, 62, 22]));
    const netTip = t('TForm1', 'The session\'s net result: the won stakes less the lost ones, as the statistics window counts them.');
    net.title = netTip;
    this.settings = button('settings', row, y([248, 326, 82, 25]), t('TForm1', 'SETTINGS'), () => this.toggleSettings());
    this.settings.setAttribute('aria-expanded', 'false');
    this.settings.dataset['control'] = 'Image_Settings';
    button('load', row, y([336, 326, 52, 25]), t('TForm1', 'LOAD'), () => this.command('load')).dataset['control'] = 'Image_Load';
    this.fileCommand('Image_Load', 'load-settings');
    button('save', row, y([392, 326, 52, 25]), t('TForm1', 'SAVE'), () => this.command('save')).dataset['control'] = 'Image_Save';
    this.fileCommand('Image_Save', 'save-settings');
    const stats = el('div', 'stats-row', c);
    const statsButton = button('stats', stats, y([8, 362, 58, 22]), t('TForm1', 'STATS'), () => this.command('stats'));
    statsButton.setAttribute('aria-keyshortcuts', 'S');
    statsButton.dataset['control'] = 'Button_Stats';
    const value = (left: number, width: number, label: string, place: Rect, spoken: string, control: string): HTMLElement => {
      const pair = el('div', 'stat', stats);
      at('span', 'stat-name', pair, y([left, 362, width, 22])).textContent = t('Artwork', label);
      const out = at('output', 'stat-value', pair, y(place));
      out.dataset['spoken'] = spoken;
      out.dataset['control'] = control;
      return out;
    };
    this.numbersInGame = value(68, 88, 'Numbers in game:', [160, 362, 38, 22], 'numbers in game %1', 'Label_NumbersInGame');
    this.betsPlayed = value(200, 72, 'Bets played:', [276, 362, 38, 22], 'bets played %1', 'Label_BetsPlayed');
    this.flatIndex = value(314, 70, 'Flat index:', [388, 362, 60, 22], 'flat index %1', 'Label_FlatIndex');

    this.handle('import', () => void this.app.send({ window: 'import-open' }));
  }

  /** Gives the work of a command to `run` (the files, the statistics ...). */
  handle(name: CommandName, run: () => void): void {
    this.handlers.set(name, run);
  }

  command(name: CommandName): void {
    const run = this.handlers.get(name);
    if (run) run();
    // The statistics window opens on the page's own event.
    else if (name === 'stats') document.dispatchEvent(new CustomEvent('rotacle-stats'));
  }

  /**
   * A file command: the files' part of the page runs it by its name (the
   * element's `data-command`, heard on the document).
   */
  private fileCommand(control: string, command: string): void {
    const b = this.tablePart.parentElement?.querySelector<HTMLElement>(`[data-control="${control}"]`);
    if (b) b.dataset['command'] = command;
  }

  /** The settings command: opens the settings area, or closes it when open. */
  toggleSettings(): void {
    void this.app.send({ window: this.open ? 'settings-close' : 'settings-open' });
  }

  /** Asks before an import replaces a history with numbers, as the window does. */
  private importListed = async (): Promise<void> => {
    const v = this.view;
    if (!v) return;
    if (v.history > 0 && v.panel.process.enabled && this.confirm) {
      const question = t(
        'TForm1',
        'Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.',
        v.panel.listed,
        v.history,
      );
      if (!(await this.confirm(question))) return;
    }
    await this.app.do('click Button_Process');
  };

  /** The question box of the page (dialogs.ts). */
  confirm: ((question: string) => Promise<boolean>) | undefined;

  /** Moves the focus to the table itself: typed digits go to the board. */
  focusTable(): void {
    (this.play.inert ? this.stage : this.play).focus({ preventScroll: true });
  }

  render(v: View): void {
    this.view = v;
    this.cells.forEach((b, n) => {
      b.classList.toggle('plain', !(v.cells[n] ?? false));
      // The highlighted look follows the pointer here (the style sheet's hover), not the game's hover pictures.
    });
    this.strip.forEach((s, k) => {
      const l: LabelView | undefined = v.strip[k];
      const shown = l !== undefined && l.shown && l.text !== '';
      s.hidden = !shown;
      if (!shown || !l) return;
      setText(s, l.text);
      s.style.background = colourCss(l.colour);
      const n = Number(l.text);
      setLabel(s, Number.isInteger(n) && n >= 0 && n <= 36 ? numberName(n) : l.text);
    });
    this.trends.forEach((b, i) => {
      const chosen = v.trendChosen[i] ?? false;
      b.hidden = !(v.trendNormal[i] ?? false) && !chosen;
      b.setAttribute('aria-pressed', String(chosen));
      b.classList.toggle('chosen', chosen);
      b.title = trendTip(FIELDS[i] ?? '', chosen);
    });
    this.fields.forEach((f, i) => {
      const lit = v.fields[i] ?? false;
      f.classList.toggle('lit', lit);
      f.classList.toggle('preferred', v.trendChosen[i] ?? false);
      setLabel(f, lit ? t('Accessible', '%1 field, lit', fieldName(i)) : fieldName(i));
    });
    this.chips.forEach((c, i) => {
      c.hidden = !(v.chips[i] ?? false);
    });
    this.stakes.forEach((s, i) => {
      const l = v.stakes[i];
      const shown = l !== undefined && l.shown && l.text !== '';
      s.hidden = !shown;
      if (!shown || !l) return;
      setText(s, l.text);
      setLabel(s, t('Accessible', 'stake %1 on %2', l.text, fieldName(i)));
    });
    const [far, near] = v.lamps;
    this.lamp.className = `at lamp${far ? ' lamp-far' : ''}${near ? ' lamp-near' : ''}`;
    // The socket is always there; a lamp is lit in it or none.
    if (far || near) this.lamp.setAttribute('role', 'img');
    else this.lamp.removeAttribute('role');
    this.lamp.setAttribute('aria-hidden', String(!far && !near));
    this.lamp.dataset['control'] = near ? 'SL_Indicator2' : 'SL_Indicator1';
    this.lamp.title = tip(this.lamp.dataset['control']) ?? '';
    setLabel(this.lamp, near ? t('Accessible', 'safe level lamp: on (green)') : t('Accessible', 'safe level lamp: off (red)'));
    this.partageMark.hidden = !v.options.partage;
    gauge(this.gauge1, v.gauge1);

    // The caption's words are the window's; its colour says whether the test bank is in use.
    setText(this.bankCaption, v.bankCaption.shown ? t('TForm1', 'TEST BANK:') : '');
    this.bankCaption.style.color = colourCss(v.bankCaption.colour) === 'rgb(128, 128, 128)' ? 'rgb(150, 150, 150)' : colourCss(v.bankCaption.colour);
    setText(this.bankroll, v.bankroll.shown ? v.bankroll.text : '');
    setLabel(this.bankroll, t('Accessible', 'bankroll %1', v.bankroll.shown ? v.bankroll.text : ''));
    setText(this.readout, this.readoutText(v));
    this.readout.classList.toggle('refused', v.keys.refused);
    this.cover(this.undo, !v.undoActive, t('TForm1', 'UNDO'));
    this.cover(this.skip, v.skipCovered, t('TForm1', 'SKIP'));

    setText(this.net, v.net);
    this.net.className = `at net ${v.netSign > 0 ? 'ahead' : v.netSign < 0 ? 'behind' : ''}`;
    setLabel(this.net, `${t('TForm1', 'Net result:')} ${v.net}`);
    for (const [out, text] of [
      [this.numbersInGame, v.numbersInGame],
      [this.betsPlayed, v.betsPlayed],
      [this.flatIndex, v.flatIndex],
    ] as const) {
      setText(out, text);
      setLabel(out, t('Accessible', out.dataset['spoken'] ?? '%1', text));
    }

    this.panel.hidden = !v.panel.open;
    this.cover(this.paste, v.panel.pasteCovered, t('TForm1', 'PASTE FROM EVOLUTION'));
    this.cover(this.loadFile, v.panel.loadCovered, t('TForm1', 'LOAD FROM FILE'));
    gauge(this.progress, v.panel.progress);
    const process = v.panel.process.text;
    setText(this.process, process ? t('List', process.replace(/ \(\d+\)$/, ' (%1)'), process.match(/\((\d+)\)$/)?.[1] ?? '') : '');
    this.process.hidden = process === '';
    this.cover(this.process, !v.panel.process.enabled, process);
    // What the panel or the limit screen lies over takes no click or key.
    const bankRow = this.tablePart.querySelector<HTMLElement>('.bank');
    if (bankRow) bankRow.inert = v.panel.open;
    this.play.inert = v.panel.open || v.limit.stopped !== '';

    this.open = v.window.height > CLOSED_HEIGHT;
    this.settingsPart.hidden = !this.open;
    this.settings.setAttribute('aria-expanded', String(this.open));
    this.settings.classList.toggle('on', this.open);
    this.stage.classList.toggle('open', this.open);
    this.stage.dataset['busy'] = v.progressRun ? '1' : '';
  }

  /** A command under its cover: seen, but not available. */
  private cover(b: HTMLButtonElement, covered: boolean, text: string): void {
    b.setAttribute('aria-disabled', String(covered));
    // A command run by another part of the page is plainly off while covered.
    if (b.dataset['command']) b.disabled = covered;
    b.classList.toggle('covered', covered);
    if (text) setLabel(b, covered ? t('Accessible', '%1, not available', text) : text);
  }

  /** What the keyboard has typed or keeps waiting, as under the strip. */
  private readoutText(v: View): string {
    const parts: string[] = [];
    if (v.keys.refused) parts.push(`\u2715 ${t('TForm1', 'not taken')}`);
    if (v.keys.typed) parts.push(`\u25b8 ${v.keys.typed}`);
    if (v.keys.waiting.length) parts.push(`${t('TForm1', 'waiting:')} ${v.keys.waiting.join(' ')}`);
    return parts.join('  ');
  }
}
