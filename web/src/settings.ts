// The settings area below the command row: the amounts typed key by key (each
// key is the game's own key event, as in the window), the lists, the check
// boxes, the safe-level slider, the matrix and reset buttons, and the
// player's options kept in this browser: quick proposals, la partage, the
// session limits and the language.
import { App } from './app.js';
import { View } from './face.js';
import { t } from './i18n.js';
import { Rect, SETTINGS_TOP, Table, at, button, el, readableOn } from './table.js';

type Place = Rect;
const down = ([x, y, w, h]: Place): Rect => [x, y - SETTINGS_TOP, w, h];

/** The keys under which this browser keeps the player's options. */
export const STORED = {
  quick: 'rotacle.quickProposals',
  partage: 'rotacle.laPartage',
  language: 'rotacle.language',
  limits: 'rotacle.limits',
} as const;

/** The limits row: the option of the game, its caption and its place. */
const LIMITS = [
  { option: 'limit-loss', key: 'limitLoss', name: 'LimitLoss', caption: 'LOSS:', label: [12, 676, 38, 20], box: [50, 676, 52, 20], amount: true },
  { option: 'limit-profit', key: 'limitProfit', name: 'LimitProfit', caption: 'PROFIT:', label: [106, 676, 48, 20], box: [154, 676, 54, 20], amount: true },
  { option: 'limit-time', key: 'limitTime', name: 'LimitTime', caption: 'MIN:', label: [212, 676, 30, 20], box: [242, 676, 36, 20], amount: false },
  { option: 'limit-spins', key: 'limitSpins', name: 'LimitSpins', caption: 'SPINS:', label: [282, 676, 40, 20], box: [322, 676, 40, 20], amount: false },
  { option: 'reality-check', key: 'realityCheck', name: 'RealityCheck', caption: 'CHECK:', label: [366, 676, 44, 20], box: [410, 676, 35, 20], amount: false },
] as const;
type LimitKey = (typeof LIMITS)[number]['key'];

/** The languages of the window, each named in its own language. */
export const LANGUAGES: [code: string, name: string][] = [
  ['en', 'English'],
  ['it', 'Italiano'],
  ['de', 'Deutsch'],
  ['fr', 'Fran\u00e7ais'],
  ['es', 'Espa\u00f1ol'],
  ['nl', 'Nederlands'],
  ['pl', 'Polski'],
  ['pt_BR', 'Portugu\u00eas (Brasil)'],
];

function stored(key: string): string | null {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}

function store(key: string, value: string | null): void {
  try {
    if (value === null) localStorage.removeItem(key);
    else localStorage.setItem(key, value);
  } catch {
    // A browser that keeps nothing (private mode, full storage) still plays.
  }
}

/** A list item as the window words it: a count in brackets is a value. */
function worded(item: string): string {
  const m = /^(.*) \((\d+)\)$/.exec(item);
  return m ? t('List', `${m[1] ?? ''} (%1)`, m[2] ?? '') : t('List', item);
}

/** A limit kept in the browser: a count or an amount in range, else off. */
function storedLimits(): Partial<Record<LimitKey | 'stakeAboveBankroll', number | boolean>> {
  try {
    const o = JSON.parse(stored(STORED.limits) ?? '{}') as Record<string, unknown>;
    const out: Partial<Record<LimitKey | 'stakeAboveBankroll', number | boolean>> = {};
    for (const l of LIMITS) {
      const v = o[l.key];
      // What the game takes: an amount up to 10^12, a whole count up to 10^8; anything else is off.
      if (typeof v === 'number' && Number.isFinite(v) && v > 0 && v <= (l.amount ? 1e12 : 100_000_000)) out[l.key] = l.amount ? v : Math.floor(v);
    }
    if (o['stakeAboveBankroll'] === true) out.stakeAboveBankroll = true;
    return out;
  } catch {
    return {};
  }
}

const PRESETS: [name: string, text: string][] = [
  ['start', 'Defaults: one initial bet more after every bet'],
  ['flat', 'Flat: always the initial bet'],
  ['martingale', 'Martingale: double the stake after a loss'],
  ['dalembert', "d'Alembert: one initial bet more after a loss, one less after a win"],
];

/** The staking dialog: a preset with a preview of its first stakes, applied as a settings file. */
export class StakingDialog {
  readonly box: HTMLDialogElement;
  private readonly presets: HTMLSelectElement;
  private readonly preview: HTMLElement;

  constructor(private readonly app: App, parent: HTMLElement) {
    this.box = el('dialog', 'staking');
    this.box.setAttribute('aria-labelledby', 'staking-title');
    const title = el('h2', '', this.box);
    title.id = 'staking-title';
    title.textContent = t('StakingDialog', 'Staking');
    const form = el('div', 'staking-form', this.box);
    const system = el('label', '', form);
    el('span', '', system).textContent = t('StakingDialog', 'System:');
    this.presets = el('select', 'staking-preset', system);
    for (const [name, text] of PRESETS) {
      const o = el('option', '', this.presets);
      o.value = name;
      o.textContent = t('StakingDialog', text);
    }
    el('span', '', form).textContent = t('StakingDialog', 'Stakes:');
    this.preview = el('p', 'staking-preview', form);
    this.preview.setAttribute('aria-live', 'polite');
    el('p', 'staking-note', this.box).textContent = t(
      'StakingDialog',
      'Applying writes the staking rules, minimal profit and phase correction of the settings as a loaded settings file does; the initial bet stays.',
    );
    const buttons = el('div', 'message-buttons', this.box);
    const apply = el('button', 'staking-apply', buttons);
    apply.type = 'button';
    apply.textContent = t('Web', 'Apply');
    apply.addEventListener('click', () => void this.run(true));
    const close = el('button', '', buttons);
    close.type = 'button';
    close.textContent = t('Web', 'Close');
    close.addEventListener('click', () => this.box.close());
    this.presets.addEventListener('change', () => void this.run(false));
    parent.append(this.box);
  }

  async show(): Promise<void> {
    if (!this.box.open) this.box.showModal();
    this.presets.focus();
    await this.run(false);
  }

  private async run(apply: boolean): Promise<void> {
    const answer = await this.app.send({ staking: { preset: this.presets.value, apply } });
    const p = answer.staking;
    if (!p) return;
    if (p.error !== undefined) {
      this.preview.textContent = t('StakingDialog', 'No preview: %1', p.error);
      return;
    }
    const row = (text: string, stakes: number[] | undefined): string => t('StakingDialog', text, (stakes ?? []).join(', '));
    this.preview.textContent = [
      row('Losing every bet: %1', p.lose),
      row('Winning every bet: %1', p.win),
      row('Three lost, then won: %1', p.mixed),
    ].join('\n');
  }
}

export class Settings {
  private readonly edits = new Map<string, HTMLInputElement>();
  private readonly spins = new Map<string, HTMLInputElement>();
  private readonly checks = new Map<string, HTMLInputElement>();
  private readonly combos = new Map<string, HTMLSelectElement>();
  private readonly buttons = new Map<string, HTMLButtonElement>();
  private readonly limits = new Map<LimitKey, HTMLInputElement>();
  private readonly safeLevel: HTMLInputElement;
  private readonly safeText: HTMLElement;
  private readonly gauge3: HTMLElement;
  private readonly partage: HTMLInputElement;
  private readonly quick: HTMLInputElement;
  /** Hears each key typed into an input with the text before and after it (the announcer). */
  onTypedKey: ((name: string, key: string, before: string, after: string) => void) | undefined;
  /** The question box of the page (dialogs.ts). */
  confirm: ((question: string) => Promise<boolean>) | undefined;

  constructor(private readonly app: App, private readonly table: Table) {
    const area = table.settingsPart;
    const row = (): HTMLElement => el('div', 'row', area);
    const caption = (parent: HTMLElement, r: Place, text: string, control = ''): HTMLElement => {
      const c = at('span', 'caption', parent, down(r));
      if (control) c.dataset['control'] = control;
      c.textContent = t('TForm1', text);
      return c;
    };
    const heading = (y: number, text: string, end = 445): void => {
      // A heading that ends short lies under the STAKING command, as on the desktop: it is read, not seen.
      const h = at('h2', end < 445 ? 'heading unseen' : 'heading', area, [12, y - SETTINGS_TOP - 6, end - 12, 12]);
      el('span', '', h).textContent = t('TForm1', text);
    };
    const name = (input: HTMLElement, text: string): void => input.setAttribute('aria-label', text);

    let r = row();
    caption(r, [12, 396, 78, 20], 'INITIAL BET:', 'Label_InitBet');
    this.edit(r, 'Init_Bet', [90, 396, 58, 20], t('TForm1', 'INITIAL BET'));
    caption(r, [158, 396, 82, 20], 'GAME MODE:', 'Label_GameMode');
    this.combo(r, 'GameModes', [240, 396, 205, 20], t('TForm1', 'GAME MODE:').replace(/:$/, ''));
    r = row();
    caption(r, [12, 421, 112, 20], 'BETTING SYSTEM:', 'Label_BetStrategy');
    this.combo(r, 'BetStrategy', [124, 421, 176, 20], t('TForm1', 'BETTING SYSTEM:').replace(/:$/, ''));
    this.check(r, 'ChBx_TestBank', [302, 421, 90, 20], 'TEST BANK:');
    this.edit(r, 'Test_Bank', [392, 421, 53, 20], t('TForm1', 'TEST BANK'));

    heading(449, 'STAKING RULES');
    for (const [side, y, colour] of [
      ['Losses', 458, 'loss'],
      ['Wins', 490, 'win'],
    ] as const) {
      r = row();
      caption(r, [12, y, 44, 20], 'AFTER').classList.add(colour);
      const words = side === 'Losses' ? ['losses before the action', 'kind of loss', 'action after losses', 'value of the action after losses'] : ['wins before the action', 'kind of win', 'action after wins', 'value of the action after wins'];
      this.spin(r, `${side}_HowMuch`, [56, y, 58, 20], t('Accessible', words[0] ?? ''));
      this.combo(r, `${side}_Type`, [118, y, 120, 20], t('Accessible', words[1] ?? ''));
      this.combo(r, `${side}_Action`, [242, y, 132, 20], t('Accessible', words[2] ?? ''));
      this.edit(r, `${side}_ActionValue`, [378, y, 67, 20], t('Accessible', words[3] ?? ''));
    }

    heading(517, 'SAFETY');
    r = row();
    this.check(r, 'Get_Minimal_Profit', [12, 524, 180, 17], 'GET MINIMAL PROFIT');
    this.check(r, 'Bet_Automatic_Reset', [12, 541, 180, 17], 'BET AUTOMATIC RESET');
    const safe = el('div', 'safe', r);
    caption(safe, [222, 524, 78, 16], 'SAFE LEVEL:', 'Label_SafeLevel');
    this.safeText = at('output', 'safe-text', safe, down([300, 522, 30, 18]));
    this.safeLevel = at('input', 'safe-level', safe, down([218, 539, 229, 20]));
    this.safeLevel.type = 'range';
    this.safeLevel.step = '1';
    this.safeLevel.name = 'SafeLevel';
    name(this.safeLevel, t('TForm1', 'SAFE LEVEL:').replace(/:$/, ''));
    this.safeLevel.addEventListener('input', () => void this.app.do(`set SafeLevel ${this.safeLevel.value}`));

    heading(564, 'MATRIX');
    r = row();
    this.flat(r, 'CreateMatrix', [12, 572, 94, 20], 'BUILD MATRIX', () => void this.app.do('click CreateMatrix'));
    this.flat(r, 'ResetMatrix', [110, 572, 34, 20], 'RM', () => void this.app.do('click ResetMatrix'));
    caption(r, [152, 572, 72, 20], 'DIRECTION:', 'Label_Direction');
    this.combo(r, 'Search_Pattern', [224, 572, 98, 20], t('TForm1', 'DIRECTION:').replace(/:$/, ''));
    caption(r, [330, 572, 68, 20], 'PLAY BETS:', 'Label_PlayBets');
    this.spin(r, 'Play_Bets', [398, 572, 47, 20], t('TForm1', 'PLAY BETS:').replace(/:$/, ''));
    r = row();
    this.check(r, 'ChBx_Fixed_Number', [12, 596, 110, 20], 'FIXED NUMBER');
    this.spin(r, 'N_Count', [122, 596, 68, 20], t('TForm1', 'FIXED NUMBER'));
    this.check(r, 'ChBx_Until_Profit', [192, 596, 206, 20], 'REBUILD MATRIX ON PROFIT (Units):');
    this.spin(r, 'Until_Profit', [398, 596, 47, 20], t('TForm1', 'REBUILD MATRIX ON PROFIT (Units):').replace(/:$/, ''));
    this.gauge3 = at('div', 'gauge gauge3', area, down([12, 621, 433, 5]));
    this.gauge3.setAttribute('role', 'progressbar');
    name(this.gauge3, t('Accessible', 'matrix build progress'));

    r = row();
    const staking = new StakingDialog(app, document.body);
    this.flat(r, 'Staking', [12, 627, 112, 19], 'STAKING\u2026', () => void staking.show());
    const language = at('select', 'language', r, down([130, 627, 58, 18]));
    name(language, t('Accessible', 'language'));
    language.title = t('TForm1', 'Language of the window, from the next start');
    const auto = el('option', '', language);
    auto.value = '';
    auto.textContent = t('TForm1', 'AUTO');
    for (const [code, own] of LANGUAGES) {
      const o = el('option', '', language);
      o.value = code;
      o.textContent = code.toUpperCase().replace('_', '-');
      o.title = own;
      o.lang = code.replace('_', '-');
    }
    language.value = stored(STORED.language) ?? '';
    language.addEventListener('change', () => store(STORED.language, language.value || null));
    this.partage = this.box(r, 'LaPartage', [190, 628, 100, 17], t('TForm1', 'LA PARTAGE'), (on) => {
      store(STORED.partage, on ? '1' : '0');
      void this.app.do(`option zero-rule ${on ? 'partage' : 'none'}`);
    });
    this.quick = this.box(r, 'QuickProposals', [300, 628, 145, 17], t('TForm1', 'QUICK PROPOSALS'), (on) => {
      store(STORED.quick, on ? '1' : '0');
      void this.app.do(`option quick ${on ? 1 : 0}`);
    });

    heading(636, 'PHASE AND RESET', 126);
    r = row();
    this.check(r, 'ChBx_Phase_Correction', [12, 654, 216, 20], 'USE PHASE CORRECTION WITH STEP:');
    this.spin(r, 'Phase_Correction_Value', [230, 654, 50, 20], t('TForm1', 'USE PHASE CORRECTION WITH STEP:').replace(/:$/, ''));
    caption(r, [300, 654, 44, 20], 'RESET:', 'Label_Reset');
    this.flat(r, 'ResetBets', [345, 654, 48, 20], 'BETS', () => void this.app.do('reset-bets'));
    this.flat(r, 'ResetApp', [397, 654, 48, 20], 'APP', () => void this.resetApp());

    r = row();
    for (const l of LIMITS) {
      const pair = el('span', 'limit', r);
      caption(pair, l.label, l.caption, `Label_${l.name}`);
      const box = at('input', 'limit-box', pair, down(l.box));
      box.type = 'text';
      box.inputMode = l.amount ? 'decimal' : 'numeric';
      box.name = l.name;
      box.placeholder = t('TForm1', 'OFF');
      name(box, t('TForm1', l.caption).replace(/:$/, ''));
      // A change takes effect when the edit ends.
      box.addEventListener('change', () => this.setLimit(l.key));
      this.limits.set(l.key, box);
    }
  }

  /**
   * The player's options kept in this browser, put in force at start (the
   * ones that differ from the game's own), and all of them again after a
   * resumed session's replay: a choice made since wins over the journal's.
   */
  async applyStored(all = false): Promise<void> {
    const quick = stored(STORED.quick) === '1';
    const partage = stored(STORED.partage) === '1';
    if (all || quick) await this.app.do(`option quick ${quick ? 1 : 0}`);
    if (all || partage) await this.app.do(`option zero-rule ${partage ? 'partage' : 'none'}`);
    const limits = storedLimits();
    for (const l of LIMITS) {
      const v = limits[l.key];
      if (all || typeof v === 'number') await this.app.do(`option ${l.option} ${typeof v === 'number' ? v : 0}`);
    }
    const above = limits.stakeAboveBankroll === true;
    if (all || above) await this.app.do(`option limit-stake-above-bankroll ${above ? 1 : 0}`);
    this.quick.checked = quick;
  }

  /** APP: a new game; a history with numbers is not given up without a word. */
  async resetApp(): Promise<void> {
    const v = this.table.view;
    if (v && v.history > 0 && this.confirm) {
      const question = t('TForm1', 'Start a new game? The history of %1 numbers is cleared; the bankroll stays.', v.history);
      if (!(await this.confirm(question))) return;
    }
    await this.app.do('reset-app');
  }

  private async setLimit(key: LimitKey): Promise<void> {
    const l = LIMITS.find((x) => x.key === key);
    const box = this.limits.get(key);
    if (!l || !box) return;
    const text = box.value.trim();
    const value = text === '' || text.toUpperCase() === t('TForm1', 'OFF').toUpperCase() ? '0' : text;
    const answer = await this.app.do(`option ${l.option} ${value}`);
    if (answer.error !== undefined) {
      // Not a number the limit takes: the box shows the limit in force again.
      box.value = '';
      box.setAttribute('aria-invalid', 'true');
      this.renderLimits(answer.view);
      return;
    }
    box.removeAttribute('aria-invalid');
    const kept = storedLimits();
    kept[key] = answer.view.options[key];
    kept.stakeAboveBankroll = answer.view.options.stakeAboveBankroll;
    store(STORED.limits, JSON.stringify(kept));
  }

  private edit(parent: HTMLElement, id: string, r: Place, label: string): void {
    const input = at('input', 'edit', parent, down(r));
    input.type = 'text';
    input.inputMode = 'decimal';
    input.name = id;
    input.autocomplete = 'off';
    input.spellcheck = false;
    input.setAttribute('aria-label', label);
    this.keyed(input, id, (text) => `set ${id} ${text}`);
    this.edits.set(id, input);
  }

  private spin(parent: HTMLElement, id: string, r: Place, label: string): void {
    const input = at('input', 'spin', parent, down(r));
    input.type = 'text';
    input.inputMode = 'numeric';
    input.name = id;
    input.autocomplete = 'off';
    input.setAttribute('role', 'spinbutton');
    input.setAttribute('aria-label', label);
    this.keyed(input, id, (text) => `set ${id} ${text}`);
    input.addEventListener('keydown', (e) => {
      if (e.key !== 'ArrowUp' && e.key !== 'ArrowDown') return;
      e.preventDefault();
      const s = this.table.view?.spins[id];
      if (!s || !s.enabled || s.readOnly) return;
      const now = Number.parseInt(s.text, 10);
      void this.app.do(`set ${id} ${(Number.isNaN(now) ? s.min : now) + (e.key === 'ArrowUp' ? 1 : -1)}`);
    });
    this.spins.set(id, input);
  }

  /**
   * Every key typed into `input` is the game's key event; what the input
   * shows is always the game's text. A pasted text is set as a whole.
   */
  private keyed(input: HTMLInputElement, id: string, paste: (text: string) => string): void {
    input.addEventListener('keydown', (e) => {
      if (e.ctrlKey || e.metaKey || e.altKey) return;
      let key: string | undefined;
      if (e.key === 'Backspace') key = '\b';
      else if (e.key.length === 1) key = e.key;
      if (key === undefined) return;
      e.preventDefault();
      const before = this.table.view?.edits[id]?.text ?? this.table.view?.spins[id]?.text ?? input.value;
      void this.app.do(`type ${id} ${key}`).then((answer) => {
        const after = answer.view.edits[id]?.text ?? answer.view.spins[id]?.text ?? before;
        this.onTypedKey?.(id, key, before, after);
      });
    });
    // Keys that arrive without a key event (a phone's keyboard) are typed one by one.
    input.addEventListener('beforeinput', (e) => {
      if (e.inputType === 'insertText' && e.data) {
        e.preventDefault();
        for (const ch of e.data) void this.app.do(`type ${id} ${ch}`);
      } else if (e.inputType === 'deleteContentBackward') {
        e.preventDefault();
        void this.app.do(`type ${id} \b`);
      } else if (e.inputType !== 'insertFromPaste') {
        e.preventDefault();
      }
    });
    input.addEventListener('paste', (e) => {
      e.preventDefault();
      const text = e.clipboardData?.getData('text/plain') ?? '';
      if (text) void this.app.do(paste(text.trim()));
    });
  }

  private combo(parent: HTMLElement, id: string, r: Place, label: string): void {
    const select = at('select', 'combo', parent, down(r));
    select.name = id;
    select.setAttribute('aria-label', label);
    select.addEventListener('change', () => void this.app.do(`select ${id} ${select.selectedIndex}`));
    this.combos.set(id, select);
  }

  private check(parent: HTMLElement, id: string, r: Place, text: string): void {
    const input = this.box(parent, id, r, t('TForm1', text), (on) => void this.app.do(`check ${id} ${on ? 1 : 0}`));
    this.checks.set(id, input);
  }

  private box(parent: HTMLElement, id: string, r: Place, text: string, changed: (on: boolean) => void): HTMLInputElement {
    const label = at('label', 'check', parent, down(r));
    const input = el('input', '', label);
    input.type = 'checkbox';
    input.name = id;
    el('span', '', label).textContent = text;
    input.addEventListener('change', () => changed(input.checked));
    return input;
  }

  private flat(parent: HTMLElement, id: string, r: Place, text: string, act: () => void): HTMLButtonElement {
    const b = button('flat', parent, down(r), t('TForm1', text), act);
    b.name = id;
    this.buttons.set(id, b);
    return b;
  }

  render(v: View): void {
    const focused = document.activeElement;
    for (const [id, input] of this.edits) {
      const c = v.edits[id];
      if (!c) continue;
      if (input.value !== c.text) input.value = c.text;
      input.disabled = !c.enabled;
      input.readOnly = c.readOnly;
      if (focused === input) input.setSelectionRange(c.text.length, c.text.length);
    }
    for (const [id, input] of this.spins) {
      const c = v.spins[id];
      if (!c) continue;
      if (input.value !== c.text) input.value = c.text;
      input.disabled = !c.enabled;
      input.readOnly = c.readOnly;
      input.setAttribute('aria-valuemin', String(c.min));
      input.setAttribute('aria-valuemax', String(c.max));
      const n = Number.parseInt(c.text, 10);
      if (Number.isNaN(n)) input.removeAttribute('aria-valuenow');
      else input.setAttribute('aria-valuenow', String(n));
      if (focused === input) input.setSelectionRange(c.text.length, c.text.length);
    }
    for (const [id, input] of this.checks) {
      const c = v.checks[id];
      if (!c) continue;
      input.checked = c.checked;
      input.disabled = !c.enabled;
    }
    for (const [id, select] of this.combos) {
      const c = v.combos[id];
      if (!c) continue;
      const words = c.items.map(worded);
      if (select.options.length !== words.length || words.some((w, k) => select.options[k]?.textContent !== w)) {
        select.replaceChildren(
          ...words.map((w, k) => {
            const o = document.createElement('option');
            o.value = String(k);
            o.textContent = w;
            return o;
          }),
        );
      }
      select.selectedIndex = c.index;
      select.disabled = !c.enabled;
      if (c.colour !== 0 || c.fontColour !== 0) {
        select.style.background = `rgb(${c.colour & 0xff}, ${(c.colour >> 8) & 0xff}, ${(c.colour >> 16) & 0xff})`;
        select.style.color = readableOn(c.fontColour, c.colour);
      } else {
        select.style.background = '';
        select.style.color = '';
      }
    }
    const [position, min, max] = v.safeLevel;
    this.safeLevel.min = String(min);
    this.safeLevel.max = String(max);
    if (this.safeLevel.value !== String(position)) this.safeLevel.value = String(position);
    this.safeText.textContent = v.safeLevelText;
    this.safeText.setAttribute('aria-label', t('Accessible', 'safe level %1', v.safeLevelText));
    const [done, of] = v.gauge3;
    this.gauge3.style.setProperty('--fill', `${of > 0 ? Math.min(100, (100 * done) / of).toFixed(2) : 0}%`);
    this.gauge3.setAttribute('aria-valuenow', String(done));
    this.gauge3.setAttribute('aria-valuemax', String(of));
    for (const [id, b] of this.buttons) {
      const enabled = v.buttons[id];
      if (enabled !== undefined) b.disabled = !enabled;
    }
    this.partage.checked = v.options.partage;
    this.renderLimits(v);
  }

  private renderLimits(v: View): void {
    for (const l of LIMITS) {
      const box = this.limits.get(l.key);
      if (!box || document.activeElement === box) continue;
      const value = v.options[l.key];
      box.value = value > 0 ? String(value) : '';
    }
  }
}
