// The statistics window's Risk tab: the table's settings, flat or martingale
// staking played over many whole sessions in Web Workers, with progress,
// cancel, the figures, a histogram of the results and their exports.
import type { App } from './app.js';
import {
  alertIn, button, download, el, GOLD, GRID, INK, niceStep, percent, pngBlob, showMessage, SVG, svgEl, svgText, ticks,
} from './chart-kit.js';
import { t } from './i18n.js';
import {
  defaultWorkers, outcomesCsv, RiskChart, RiskError, RiskOptions, RiskResult, runRisk, tableSetup, TableSetup,
} from './risk.js';

const MOST_SESSIONS = 1_000_000;


const SYSTEMS = ['settings', 'flat', 'martingale'] as const;

/** The Risk tab: the table's settings over many whole sessions. */
export class RiskTab {
  private readonly sessions: HTMLInputElement;
  private readonly target: HTMLInputElement;
  private readonly spins: HTMLInputElement;
  private readonly system: HTMLSelectElement;
  private readonly zeroRule: HTMLSelectElement;
  private readonly seed: HTMLInputElement;
  private readonly table: HTMLElement;
  private readonly runButton: HTMLButtonElement;
  private readonly cancelButton: HTMLButtonElement;
  private readonly progress: HTMLProgressElement;
  private readonly state: HTMLElement;
  private readonly figuresBox: HTMLElement;
  private readonly chart: SVGSVGElement;
  private readonly exports: HTMLButtonElement[] = [];
  private abort: AbortController | null = null;
  private setup: TableSetup | null = null;
  /** The last run's result; null before the first. */
  result: RiskResult | null = null;
  /** The run under way. */
  running: Promise<void> | null = null;

  constructor(private readonly app: App, page: HTMLElement, private readonly owner: () => HTMLElement) {
    page.classList.add('risk-tab');
    const left = el('div', 'risk-left', page);
    const form = el('div', 'risk-form', left);
    let fieldCount = 0;
    const input = (label: string, value: string, tip: string): HTMLInputElement => {
      const id = `risk-field-${fieldCount++}`;
      const l = el('label', '', form, t('RiskTab', label));
      l.htmlFor = id;
      const i = el('input', '', form);
      i.id = id;
      i.value = value;
      i.title = t('RiskTab', tip);
      i.inputMode = 'decimal';
      return i;
    };
    const choice = (label: string, items: string[], tip: string): HTMLSelectElement => {
      const id = `risk-field-${fieldCount++}`;
      const l = el('label', '', form, t('RiskTab', label));
      l.htmlFor = id;
      const s = el('select', '', form);
      s.id = id;
      for (const item of items) el('option', '', s, t('RiskTab', item));
      s.title = t('RiskTab', tip);
      return s;
    };
    this.sessions = input('Sessions:', '1000', 'How many whole sessions to play.');
    this.target = input('Target:', '100', 'The profit at which a session stops.');
    this.spins = input('Max spins:', '1000', 'The most spins a session plays.');
    this.system = choice('System:', ["table's settings", 'flat', 'martingale'],
      'The staking the sessions play: the table\'s settings, a flat stake (always the initial bet), or martingale (the stake doubles after each lost bet and goes back to the initial bet after a win).');
    this.zeroRule = choice('Zero rule:', ['as the table', 'none', 'la partage'],
      'The zero rule of the sessions: the table\'s, none, or la partage (half of a stake lost on zero comes back).');
    this.seed = input('Seed:', '1', 'Each session\'s wheel is seeded from this seed and the session\'s number: the same seed plays the same sessions, here and in rotacle-sim risk --seed.');
    this.zeroRule.addEventListener('change', () => this.showTable());
    this.table = el('p', 'risk-table', left);
    this.table.title = t('RiskTab', 'Every session starts from the table\'s bankroll with its settings.');
    const runRow = el('div', 'risk-run', left);
    this.runButton = button(runRow, t('RiskTab', 'RUN'), t('RiskTab', 'Plays the sessions on worker threads.'), () => void this.run());
    this.cancelButton = button(runRow, t('RiskTab', 'Cancel'), t('RiskTab', 'Stops the run; the figures show the sessions played.'), () => this.cancel());
    this.progress = el('progress', 'risk-progress', left);
    this.progress.max = 1;
    this.progress.value = 0;
    this.progress.setAttribute('aria-label', t('RiskTab', 'Sessions'));
    this.state = el('p', 'risk-state', left);
    this.state.setAttribute('role', 'status');
    const exportRow = el('div', 'risk-exports', left);
    this.exports.push(button(exportRow, 'PNG...', t('RiskTab', 'Saves the histogram as a PNG picture.'), () => void this.exportPng()));
    this.exports.push(button(exportRow, 'SVG...', t('RiskTab', 'Saves the histogram as an SVG drawing.'),
      () => download(new Blob([svgText(this.chart, 'Results of the sessions')], { type: 'image/svg+xml' }), 'rotacle-risk.svg')));
    this.exports.push(button(exportRow, 'CSV...', t('RiskTab', 'Saves every session\'s outcome as a CSV file.'),
      () => this.result && download(outcomesCsv(this.result.parts), 'rotacle-risk.csv')));
    this.chart = svgEl('svg', { viewBox: '0 0 480 300', role: 'img', class: 'risk-chart' }, page) as SVGSVGElement;
    this.chart.setAttribute('aria-label', t('RiskTab', 'Results of the sessions'));
    this.figuresBox = el('div', 'risk-figures', page);
    this.setRunning(false);
    this.showRun();
  }

  private setRunning(running: boolean): void {
    this.runButton.disabled = running;
    this.cancelButton.disabled = !running;
    for (const e of [this.sessions, this.target, this.spins, this.system, this.zeroRule, this.seed]) e.disabled = running;
    for (const b of this.exports) b.disabled = running || !this.result || this.result.played === 0;
  }

  /** The table changed: the tab shows what RUN would play now. */
  tableChanged(): void {
    if (this.abort) return;
    void tableSetup(this.app).then((setup) => {
      this.setup = setup;
      this.showTable();
    });
  }

  private zeroRuleOf(setup: TableSetup): 'none' | 'partage' {
    const k = this.zeroRule.selectedIndex;
    return k === 1 ? 'none' : k === 2 ? 'partage' : setup.partage ? 'partage' : 'none';
  }

  private showTable(): void {
    const setup = this.abort && this.result ? null : this.setup;
    if (!setup) return;
    const partage = this.zeroRuleOf(setup) === 'partage';
    this.table.textContent = t('RiskTab', 'From the table: bankroll %1, its settings%2', setup.bankroll,
      partage ? t('RiskTab', ', la partage') : '');
  }

  /** What the fields ask for, or the message that says what is wrong. */
  private read(setup: TableSetup): RiskOptions | string {
    const sessions = this.sessions.value.trim();
    const target = this.target.value.trim();
    const spins = this.spins.value.trim();
    const seed = this.seed.value.trim();
    const whole = /^[+-]?\d+$/;
    if (!whole.test(sessions) || Number(sessions) < 1 || Number(sessions) > MOST_SESSIONS) {
      return t('RiskTab', 'Sessions must be a whole number from 1 to 1000000.');
    }
    // The program's amounts: a sign, digits with at most one ".", an exponent; within a double.
    if (!/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(target) || !(Number(target) > 0) || !Number.isFinite(Number(target))) {
      return t('RiskTab', 'The target must be an amount above 0.');
    }
    if (!whole.test(spins) || Number(spins) < 1 || Number(spins) > 2147483647) {
      return t('RiskTab', 'Max spins must be a whole number above 0.');
    }
    if (!/^\d+$/.test(seed) || BigInt(seed) > 18446744073709551615n) {
      return t('RiskTab', 'The seed must be a whole number from 0 to 18446744073709551615.');
    }
    return {
      settings: setup.settings, sessions: Number(sessions), bankroll: setup.bankroll, target,
      spinsMax: Number(spins), seed: String(BigInt(seed)), zeroRule: this.zeroRuleOf(setup),
      system: SYSTEMS[Math.max(0, this.system.selectedIndex)] ?? 'settings',
    };
  }

  /** RUN: checks the fields and plays the sessions. False when nothing started. */
  async run(): Promise<boolean> {
    if (this.abort) return false;
    const setup = await tableSetup(this.app);
    this.setup = setup;
    const options = this.read(setup);
    if (typeof options === 'string') {
      showMessage(options);
      alertIn(this.owner(), options);
      return false;
    }
    const abort = new AbortController();
    this.abort = abort;
    this.result = null;
    this.progress.max = options.sessions;
    this.progress.value = 0;
    this.state.textContent = t('RiskTab', 'Playing %1 sessions...', options.sessions);
    this.setRunning(true);
    this.showTable();
    this.running = runRisk(options, {
      workers: defaultWorkers(),
      signal: abort.signal,
      onProgress: (played) => {
        this.progress.value = played;
      },
    }).then((result) => {
      this.result = result;
      this.progress.value = result.played;
      this.state.textContent = result.cancelled
        ? t('RiskTab', 'Cancelled after %1 of %2 sessions.', result.played, result.asked)
        : t('RiskTab', '%1 sessions played.', result.played);
    }, (e: unknown) => {
      this.result = null;
      this.state.textContent = t('RiskTab', 'The run failed.');
      const text = e instanceof RiskError ? e.message.replace(/^rotacle-sim: /, '') : String(e);
      alertIn(this.owner(), text);
    }).finally(() => {
      this.abort = null;
      this.setRunning(false);
      this.showRun();
    });
    return true;
  }

  /** Cancel: the workers stop; the figures show the sessions played. */
  cancel(): void {
    if (!this.abort) return;
    this.state.textContent = t('RiskTab', 'Cancelling...');
    this.abort.abort();
  }

  private showRun(): void {
    this.showTable();
    const g = this.chart;
    while (g.lastChild) g.lastChild.remove();
    const W = 480, H = 300, L = 56, R = 14, T = 30, B = 44;
    const pw = W - L - R, ph = H - T - B;
    svgEl('rect', { x: 0, y: 0, width: W, height: H, fill: '#1f2326' }, g);
    svgEl('text', { x: W / 2, y: 18, fill: INK, 'text-anchor': 'middle', 'font-size': 13 }, g, t('RiskTab', 'Results of the sessions'));
    const r = this.result;
    const chart: RiskChart | null = r && r.played > 0 ? r.chart : null;
    const bankroll = Number(this.setup?.bankroll ?? '1000');
    const lo = chart ? chart.binLow : -bankroll;
    const hi = chart ? Math.max(chart.binLow + chart.binWidth * chart.bins.length, chart.binLow + 1) : Number(this.target.value) || 100;
    const most = chart ? Math.max(...chart.bins, 0) : 0;
    const countStep = niceStep(Math.max(most, 4) / 4);
    const countTop = chart ? Math.ceil((most * 1.1) / countStep) * countStep || countStep : 10;
    const X = (v: number): number => L + (pw * (v - lo)) / (hi - lo || 1);
    const Y = (n: number): number => T + ph * (1 - n / countTop);
    for (const n of ticks(0, countTop, chart ? countStep : 2)) {
      svgEl('line', { x1: L, x2: L + pw, y1: Y(n), y2: Y(n), stroke: GRID }, g);
      svgEl('text', { x: L - 6, y: Y(n) + 4, fill: INK, 'text-anchor': 'end', 'font-size': 10 }, g, String(n));
    }
    const step = niceStep((hi - lo) / 4);
    for (const v of ticks(lo, hi, step)) {
      svgEl('text', { x: X(v), y: T + ph + 14, fill: INK, 'text-anchor': 'middle', 'font-size': 10 }, g, String(Math.round(v)));
    }
    if (chart) {
      let d = `M${X(lo)} ${Y(0)}`;
      chart.bins.forEach((n, k) => {
        const a = X(chart.binLow + k * chart.binWidth), b = X(chart.binLow + (k + 1) * chart.binWidth);
        d += `L${a.toFixed(1)} ${Y(n).toFixed(1)}L${b.toFixed(1)} ${Y(n).toFixed(1)}`;
      });
      d += `L${X(chart.binLow + chart.bins.length * chart.binWidth).toFixed(1)} ${Y(0)}Z`;
      svgEl('path', { d, fill: GOLD, 'fill-opacity': 0.8, stroke: GOLD, class: 'histogram' }, g);
    }
    svgEl('rect', { x: L, y: T, width: pw, height: ph, fill: 'none', stroke: '#777' }, g);
    svgEl('text', { x: L + pw / 2, y: H - 8, fill: INK, 'text-anchor': 'middle', 'font-size': 11 }, g, t('RiskTab', 'Result'));
    svgEl('text', { x: 14, y: T + ph / 2, fill: INK, 'text-anchor': 'middle', 'font-size': 11, transform: `rotate(-90 14 ${T + ph / 2})` }, g, t('RiskTab', 'Sessions'));

    const box = this.figuresBox;
    box.replaceChildren();
    if (!r || r.played === 0) {
      el('p', '', box, t('RiskTab', 'No sessions played yet.'));
      return;
    }
    const f = r.figures;
    const s = r.shown;
    const amount = (k: string): string => String(s[k] ?? '');
    const chance = (i: { value: number; low: number; high: number }): string =>
      `${percent(i.value)} (${percent(i.low)}${t('RiskTab', ' to ')}${percent(i.high)})`;
    const points = (s['points'] as string[] | undefined) ?? [];
    const systemName = this.system.options[SYSTEMS.indexOf(r.options.system)]?.text ?? r.options.system;
    const zeroName = this.zeroRule.options[r.options.zeroRule === 'partage' ? 2 : 1]?.text ?? r.options.zeroRule;
    const lines = [
      t('RiskTab', 'Sessions: %1', f.sessions),
      t('RiskTab', 'Reached the target: ') + chance(f.p_target),
      t('RiskTab', 'Ruined: ') + chance(f.p_ruin),
      t('RiskTab', 'Still playing: ') + chance(f.p_open),
      t('RiskTab', 'Result: mean %1, sd %2', amount('mean'), amount('sd')),
      t('RiskTab', '5/25/50/75/95 %: %1 / %2 / %3 / %4 / %5', ...points),
      t('RiskTab', 'Mean staked: ') + amount('meanStaked'),
      t('RiskTab', 'House edge: expected %1, z %2', amount('edgeExpected'), amount('edgeZ')),
      t('RiskTab', 'Drawdown: mean %1, largest %2', amount('drawdownMean'), amount('drawdownMax')),
      t('RiskTab', 'Longest losing run: %1', f.longest_losing_run),
      t('RiskTab', 'Largest stake: ') + amount('largestStake'),
      t('RiskTab', 'Mean spins: ') + amount('meanSpins'),
      t('RiskTab', 'Played from bankroll %1: %2, zero rule %3, seed %4', String(s['bankroll'] ?? r.options.bankroll), systemName, zeroName, r.options.seed),
    ];
    const list = el('ul', '', box);
    for (const line of lines) el('li', '', list, line);
  }

  private async exportPng(): Promise<void> {
    try {
      download(await pngBlob(this.chart, 'Results of the sessions'), 'rotacle-risk.png');
    } catch {
      alertIn(this.owner(), t('StatsWindow', 'The chart could not be drawn as a PNG picture.'));
    }
  }
}

