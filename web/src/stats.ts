// The statistics window: how the session went. The bankroll after every spin
// as a chart with the placed bets marked won or lost, the hits and absences
// of the six even chances and of every number beside what chance alone
// gives, every spin of the session, the session's summary with the expected
// result at the house edge, and a Risk tab that plays the table's settings
// over many sessions in Web Workers. It reads the game's statistics through
// the face and follows the table while it is open; Esc, S and Ctrl+W close
// it. Charts are saved as SVG and PNG, tables as CSV.
//
// The table opens it with openStatistics() (its STATS command and the S key)
// or by dispatching a "rotacle-stats" event on the document.
import type { App } from './app.js';
import type { Answer, Request } from './face.js';
import { t } from './i18n.js';
import {
  defaultWorkers, outcomesCsv, RiskChart, RiskError, RiskOptions, RiskResult, runRisk, tableSetup, TableSetup,
} from './risk.js';

const SVG = 'http://www.w3.org/2000/svg';
const FIELDS = ['Less', 'Even', 'Red', 'Black', 'Odd', 'More'] as const;
const CHANCE_ODDS = 18 / 37;
const NUMBER_ODDS = 1 / 37;
const ROW_HEIGHT = 22;
const MOST_SESSIONS = 1_000_000;

interface Figures {
  hits: number;
  absence: number;
  longest_absence: number;
}

/** The face's answer to {window: "stats"} (web/stats_face.cpp). */
export interface StatsView {
  spins: number;
  chances: Record<string, Figures>;
  numbers: Figures[];
  session: {
    spins: number;
    bets_placed: number;
    bets_settled: number;
    won: number;
    lost: number;
    longest_losing_run: number;
    total_staked: number;
    net_result: number;
    expected_loss: number;
  };
  edge: 'plain' | 'partage' | 'mixed';
  startBankroll: number;
  shown: { totalStaked: string; net: string; expected: string; netSign: number };
  chart: { revision: number; from: number; points: [number, number, string][] };
  spinLog: { revision: number; size: number; rows: [number, number, string, string, string, string][] };
  csv?: string;
}

// Small helpers to build the window.
function el<K extends keyof HTMLElementTagNameMap>(tag: K, cls: string, parent?: Element, text?: string): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  parent?.append(e);
  return e;
}

function svgEl(tag: string, attrs: Record<string, string | number>, parent?: Element, text?: string): SVGElement {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, String(v));
  if (text !== undefined) e.textContent = text;
  parent?.append(e);
  return e;
}

function button(parent: Element, text: string, tip: string, action: () => void): HTMLButtonElement {
  const b = el('button', 'stats-button', parent, text);
  b.type = 'button';
  if (tip) b.title = tip;
  b.addEventListener('click', action);
  return b;
}

/** `share` (0..1) as the window writes it: "48.6 %". */
export function percent(share: number): string {
  return `${(share * 100).toFixed(1)} %`;
}

/** The smallest of 1, 2, 5 times a power of ten that is at least `x`. */
export function niceStep(x: number): number {
  if (!(x > 0)) return 1;
  const power = Math.pow(10, Math.floor(Math.log10(x)));
  const f = x / power;
  return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
}

/** The end of the spin axis: a round number at or past the last spin. */
export function spinSpan(spins: number): number {
  if (spins <= 10) return 10;
  const unit = niceStep(spins / 10);
  return Math.ceil(spins / unit) * unit;
}

function ticks(from: number, to: number, step: number): number[] {
  const out: number[] = [];
  for (let k = Math.ceil(from / step - 1e-9); k * step <= to + step * 1e-9 && out.length < 200; ++k) out.push(k * step);
  return out;
}

function tickText(v: number, step: number): string {
  return step >= 1 ? String(Math.round(v)) : v.toFixed(2);
}

/** Offers `blob` as a download named `name`. */
export function download(blob: Blob, name: string): void {
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.rel = 'noopener';
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

/** A chart as a standalone SVG file. */
export function svgText(svg: SVGSVGElement, title: string): string {
  const copy = svg.cloneNode(true) as SVGSVGElement;
  copy.setAttribute('xmlns', SVG);
  const box = svg.viewBox.baseVal;
  copy.setAttribute('width', String(box.width));
  copy.setAttribute('height', String(box.height));
  copy.insertBefore(svgEl('title', {}, undefined, title), copy.firstChild);
  return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(copy) + '\n';
}

/** A chart drawn as a PNG picture at twice its size. */
export async function pngBlob(svg: SVGSVGElement, title: string): Promise<Blob> {
  const box = svg.viewBox.baseVal;
  const url = URL.createObjectURL(new Blob([svgText(svg, title)], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    await new Promise<void>((resolve, reject) => {
      image.onload = () => resolve();
      image.onerror = () => reject(new Error('image'));
      image.src = url;
    });
    const canvas = document.createElement('canvas');
    canvas.width = box.width * 2;
    canvas.height = box.height * 2;
    const g = canvas.getContext('2d');
    if (!g) throw new Error('canvas');
    g.scale(2, 2);
    g.drawImage(image, 0, 0, box.width, box.height);
    return await new Promise<Blob>((resolve, reject) => canvas.toBlob((b) => (b ? resolve(b) : reject(new Error('png'))), 'image/png'));
  } finally {
    URL.revokeObjectURL(url);
  }
}

// The colours of the window's dark charts.
const INK = '#e8e4d8';
const GRID = '#3a3f45';
const GOLD = '#d9b45a';
const WON = '#2ecc71';
const LOST = '#e74c3c';

/** A sortable table of hit figures (the chances or the numbers). */
class HitTable {
  readonly table: HTMLTableElement;
  private readonly body: HTMLTableSectionElement;
  private readonly heads: HTMLTableCellElement[] = [];
  private sortColumn = 0;
  private ascending = true;
  private rows: { name: string; figures: Figures; index: number }[] = [];
  private spins = 0;

  constructor(parent: Element, name: string, first: string, private readonly odds: number) {
    this.table = el('table', 'hit-table', parent);
    this.table.dataset['name'] = name;
    this.table.title = t('StatsWindow',
      'Hits, their share of the spins beside the share chance alone gives, the spins since the last hit (absence) and the longest absence so far. Click a column\'s header to sort by it.');
    const head = el('tr', '', el('thead', '', this.table));
    const names = [first, t('StatsWindow', 'Hits'), t('StatsWindow', 'Share'), t('StatsWindow', 'Expected'),
      t('StatsWindow', 'Absence'), t('StatsWindow', 'Longest absence')];
    names.forEach((text, column) => {
      const th = el('th', '', head);
      th.scope = 'col';
      const b = el('button', 'sort', th, text);
      b.type = 'button';
      b.addEventListener('click', () => {
        this.ascending = this.sortColumn === column ? !this.ascending : true;
        this.sortColumn = column;
        this.draw();
      });
      this.heads.push(th);
    });
    this.body = el('tbody', '', this.table);
  }

  show(rows: { name: string; figures: Figures }[], spins: number): void {
    this.rows = rows.map((r, index) => ({ ...r, index }));
    this.spins = spins;
    this.draw();
  }

  private key(r: { figures: Figures; index: number }): number {
    switch (this.sortColumn) {
      case 1: case 2: return r.figures.hits;
      case 4: return r.figures.absence;
      case 5: return r.figures.longest_absence;
      default: return r.index;
    }
  }

  private draw(): void {
    const sorted = [...this.rows].sort((a, b) => {
      const d = this.key(a) - this.key(b) || a.index - b.index;
      return this.ascending ? d : -d;
    });
    this.heads.forEach((th, k) => {
      if (k === this.sortColumn) th.setAttribute('aria-sort', this.ascending ? 'ascending' : 'descending');
      else th.removeAttribute('aria-sort');
    });
    const lines = sorted.map((r) => [r.name, String(r.figures.hits),
      this.spins > 0 ? percent(r.figures.hits / this.spins) : '-', percent(this.odds),
      String(r.figures.absence), String(r.figures.longest_absence)]);
    while (this.body.rows.length < lines.length) {
      const tr = this.body.insertRow();
      for (let c = 0; c < 6; ++c) el(c === 0 ? 'th' : 'td', c === 0 ? '' : 'figure', tr);
    }
    lines.forEach((cells, k) => {
      const tr = this.body.rows[k];
      if (!tr) return;
      cells.forEach((text, c) => {
        const cell = tr.cells[c];
        if (cell && cell.textContent !== text) cell.textContent = text;
      });
    });
  }
}

/** The statistics window of one table. */
export class StatsWindow {
  readonly root: HTMLDialogElement;
  private readonly chart: SVGSVGElement;
  private readonly bars: SVGSVGElement;
  private readonly summary: HTMLElement[] = [];
  private expectedName!: HTMLElement;
  private readonly chances: HitTable;
  private readonly numbers: HitTable;
  private readonly spinBox: HTMLElement;
  private readonly spinBody: HTMLTableSectionElement;
  private readonly spinSpacer: HTMLElement;
  private readonly tabs: HTMLButtonElement[] = [];
  private readonly pages: HTMLElement[] = [];
  readonly risk: RiskTab;

  // What the chart shows: the revision and the points drawn.
  private revision = -1;
  private points: [number, number, string][] = [];
  private moneyRange: [number, number] | null = null;
  private view: StatsView | null = null;
  private refreshing = false;
  private again = false;
  private closing = false;

  constructor(private readonly app: App, parent: HTMLElement = document.body) {
    this.root = el('dialog', 'stats-window', parent);
    this.root.setAttribute('aria-labelledby', 'stats-title');
    const bar = el('div', 'stats-titlebar', this.root);
    el('h2', '', bar, t('StatsWindow', 'Rotacle statistics')).id = 'stats-title';
    const close = button(bar, '×', '', () => this.close());
    close.setAttribute('aria-label', t('StatsWindow', 'Close'));
    close.classList.add('stats-close');

    const top = el('div', 'stats-top', this.root);
    this.chart = svgEl('svg', { viewBox: '0 0 640 300', role: 'img', class: 'stats-chart' }, top) as SVGSVGElement;
    this.chart.setAttribute('aria-label', t('StatsWindow', 'Bankroll after every spin'));
    const tip = t('StatsWindow', 'The bankroll after every spin; green and red marks are the placed bets won and lost, the dashed line the bankroll the session started with.');
    svgEl('title', {}, this.chart, tip);

    const box = el('fieldset', 'stats-summary', top);
    el('legend', '', box, t('StatsWindow', 'Session'));
    const names = ['Spins', 'Bets placed in this history', 'Bets settled in this history', 'Won', 'Lost',
      'Longest losing run', 'Total staked', 'Net result', 'Expected result (house edge 1/37)'];
    const tips = ['Numbers in the history.',
      'Bets whose stake went on the table since the history began (APP or an import): those settled and the one open now.',
      'Placed bets that a number has settled since the history began; UNDO takes one back. Bets played in the main window counts the whole game, imports included.',
      'Settled bets that won.', 'Settled bets that lost.', 'The most settled bets lost one after the other.',
      'The stakes of all settled bets.', 'The won stakes less the lost ones.',
      'What the house edge takes on average: 1/37 of the total staked, lost; 1/74 of what was staked under la partage, which gives half of a stake back on zero.'];
    const list = el('dl', '', box);
    names.forEach((name, k) => {
      const dt = el('dt', '', list, t('StatsWindow', name) + ':');
      const dd = el('dd', 'figure', list);
      dt.title = dd.title = t('StatsWindow', tips[k] ?? '');
      dd.dataset['line'] = String(k);
      this.summary.push(dd);
      if (k === 8) this.expectedName = dt;
    });
    this.summary[7]?.classList.add('net');

    const tabList = el('div', 'stats-tabs', this.root);
    tabList.setAttribute('role', 'tablist');
    tabList.title = t('StatsWindow', 'Hits, share and absences of the even chances and of every number; every spin of the session.');
    const pagesBox = el('div', 'stats-pages', this.root);
    const addTab = (name: string): HTMLElement => {
      const k = this.tabs.length;
      const tab = el('button', 'stats-tab', tabList, name);
      tab.type = 'button';
      tab.id = `stats-tab-${k}`;
      tab.setAttribute('role', 'tab');
      tab.addEventListener('click', () => this.select(k));
      tab.addEventListener('keydown', (e) => {
        if (e.key !== 'ArrowRight' && e.key !== 'ArrowLeft') return;
        const n = this.tabs.length;
        const to = (k + (e.key === 'ArrowRight' ? 1 : n - 1)) % n;
        this.select(to);
        this.tabs[to]?.focus();
      });
      const page = el('div', 'stats-page', pagesBox);
      page.setAttribute('role', 'tabpanel');
      page.setAttribute('aria-labelledby', tab.id);
      this.tabs.push(tab);
      this.pages.push(page);
      return page;
    };
    const chancesPage = addTab(t('StatsWindow', 'Chances'));
    chancesPage.classList.add('stats-chances');
    this.chances = new HitTable(chancesPage, 'chances', t('StatsWindow', 'Chance'), CHANCE_ODDS);
    this.bars = svgEl('svg', { viewBox: '0 0 360 220', role: 'img', class: 'stats-bars' }, chancesPage) as SVGSVGElement;
    this.bars.setAttribute('aria-label', t('StatsWindow', 'Hits per chance'));
    svgEl('title', {}, this.bars, t('StatsWindow', 'Hits of each even chance against 18/37 of the spins.'));
    this.numbers = new HitTable(addTab(t('StatsWindow', 'Numbers')), 'numbers', t('StatsWindow', 'Number'), NUMBER_ODDS);

    const spinsPage = addTab(t('StatsWindow', 'Spins'));
    this.spinBox = el('div', 'spin-list', spinsPage);
    this.spinBox.tabIndex = 0;
    this.spinBox.title = t('StatsWindow', 'Every spin of the session: the bet it settled, its stake and result, and the bankroll after it. Numbers that came with an import were not played.');
    const spinTable = el('table', 'spin-table', this.spinBox);
    const head = el('tr', '', el('thead', '', spinTable));
    for (const name of ['Spin', 'Number', 'Bet', 'Stake', 'Result', 'Bankroll']) {
      const th = el('th', '', head, t('StatsWindow', name));
      th.scope = 'col';
    }
    this.spinBody = el('tbody', '', spinTable);
    this.spinSpacer = el('div', 'spin-spacer', this.spinBox);
    this.spinBox.addEventListener('scroll', () => this.refresh());

    this.risk = new RiskTab(app, addTab(t('StatsWindow', 'Risk')), () => this.root);
    this.select(0);

    const buttons = el('div', 'stats-buttons', this.root);
    button(buttons, t('StatsWindow', 'Chart as PNG...'), t('StatsWindow', 'Saves the bankroll chart as a PNG picture.'),
      () => void this.exportPng());
    button(buttons, t('StatsWindow', 'Chart as SVG...'), t('StatsWindow', 'Saves the bankroll chart as an SVG drawing.'),
      () => download(new Blob([svgText(this.chart, 'Bankroll after every spin')], { type: 'image/svg+xml' }), 'rotacle-bankroll.svg'));
    button(buttons, t('StatsWindow', 'Tables as CSV...'), t('StatsWindow', 'Saves the hits and absences of the chances and numbers as a CSV file.'),
      () => void this.exportCsv('tables', 'rotacle-hits.csv'));
    button(buttons, t('StatsWindow', 'Spins as CSV...'), t('StatsWindow', 'Saves every spin with its bet, stake, result and bankroll as a CSV file.'),
      () => void this.exportCsv('spins', 'rotacle-spins.csv'));

    this.root.addEventListener('keydown', (e) => {
      const inField = e.target instanceof HTMLInputElement || e.target instanceof HTMLSelectElement;
      if (e.key === 'Escape' || (e.key.toLowerCase() === 'w' && e.ctrlKey) || (e.key.toLowerCase() === 's' && !e.ctrlKey && !e.altKey && !e.metaKey && !inField)) {
        e.preventDefault();
        e.stopPropagation();
        this.close();
      }
    });
    this.root.addEventListener('cancel', (e) => {
      e.preventDefault();
      this.close();
    });

    // The window follows the table while it is open.
    // The figures change with the game's play events alone: ticks that only
    // move a gauge, and the window's own requests, change nothing here.
    app.listen((answer: Answer) => {
      if (this.root.open && answer.play.length > 0) this.refresh();
    });
  }

  get isOpen(): boolean {
    return this.root.open;
  }

  /**
   * Shows the window. The focus stays where it was: play at speed goes on at
   * the table beside the figures (Tab reaches the window, Esc closes it).
   */
  open(): void {
    if (!this.root.open) {
      this.root.show();
      // Hidden, the window followed nothing: it starts again from the figures.
      this.revision = -1;
      this.moneyRange = null;
      this.refresh();
      this.risk.tableChanged();
    }
  }

  close(): void {
    if (!this.root.open) return;
    const inside = this.root.contains(document.activeElement);
    this.root.close();
    // Closed from inside, the window gives the keys back to the table.
    if (inside) (document.querySelector('.board button, .table button') as HTMLElement | null)?.focus();
  }

  private select(k: number): void {
    this.tabs.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === k));
      tab.tabIndex = i === k ? 0 : -1;
    });
    this.pages.forEach((page, i) => (page.hidden = i !== k));
    if (k === 2) this.refresh();
    if (k === 3) this.risk.tableChanged();
  }

  /** Asks the face for what changed and shows it; calls that come meanwhile run once after. */
  refresh(): void {
    if (this.refreshing) {
      this.again = true;
      return;
    }
    this.refreshing = true;
    // After the request that is running now and its listeners.
    queueMicrotask(() => {
      void this.fetch().finally(() => {
        this.refreshing = false;
        if (this.again) {
          this.again = false;
          this.refresh();
        }
      });
    });
  }

  /** Resolves when the window shows the table as it is now. */
  async settled(): Promise<void> {
    await this.app.idle();
    while (this.refreshing) await new Promise((r) => setTimeout(r, 10));
  }

  private async fetch(): Promise<void> {
    const first = Math.floor(this.spinBox.scrollTop / ROW_HEIGHT);
    const visible = Math.ceil((this.spinBox.clientHeight || 300) / ROW_HEIGHT) + 2;
    const request = { window: 'stats', chart: [this.revision, this.points.length], rows: [Math.max(0, first - 1), visible + 2] };
    const answer = await this.app.send(request as unknown as Request);
    const view = (answer as unknown as { stats?: StatsView }).stats;
    if (!view) return;
    this.view = view;
    this.showSummary(view);
    this.showTables(view);
    this.showChart(view);
    this.showSpins(view, Math.max(0, first - 1));
    if (this.pages[3] && !this.pages[3].hidden) this.risk.tableChanged();
  }

  private showSummary(v: StatsView): void {
    const s = v.session;
    const share = (part: number): string => (s.bets_settled > 0 ? ` (${percent(part / s.bets_settled)})` : '');
    const texts = [String(s.spins), String(s.bets_placed), String(s.bets_settled), String(s.won) + share(s.won),
      String(s.lost) + share(s.lost), String(s.longest_losing_run), v.shown.totalStaked, v.shown.net, v.shown.expected];
    texts.forEach((text, k) => {
      const dd = this.summary[k];
      if (dd && dd.textContent !== text) dd.textContent = text;
    });
    const edge = v.edge === 'plain' ? 'Expected result (house edge 1/37)'
      : v.edge === 'partage' ? 'Expected result (la partage, house edge 1/74)'
        : 'Expected result (house edge 1/37, 1/74 under la partage)';
    this.expectedName.textContent = t('StatsWindow', edge) + ':';
    const net = this.summary[7];
    if (net) net.dataset['sign'] = String(v.shown.netSign);
  }

  private showTables(v: StatsView): void {
    this.chances.show(FIELDS.map((f) => ({ name: t('List', f), figures: v.chances[f] ?? { hits: 0, absence: 0, longest_absence: 0 } })), v.spins);
    this.numbers.show(v.numbers.map((figures, n) => ({ name: String(n), figures })), v.spins);
    // The chances' bars: hits beside 18/37 of the spins.
    const g = this.bars;
    while (g.lastChild && g.lastChild.nodeName !== 'title') g.lastChild.remove();
    const expected = v.spins * CHANCE_ODDS;
    let most = expected;
    for (const f of FIELDS) most = Math.max(most, v.chances[f]?.hits ?? 0);
    const step = niceStep(Math.max(most, 8) / 4);
    const top = Math.max(Math.ceil((most * 1.1) / step) * step, 10);
    const left = 90, width = 250, rowH = 26, y0 = 24;
    svgEl('rect', { x: 0, y: 0, width: 360, height: 220, fill: '#1f2326' }, g);
    svgEl('text', { x: 180, y: 16, fill: INK, 'text-anchor': 'middle', 'font-size': 12 }, g, t('StatsWindow', 'Hits per chance'));
    for (const v2 of ticks(0, top, step)) {
      const x = left + (width * v2) / top;
      svgEl('line', { x1: x, x2: x, y1: y0, y2: y0 + rowH * 6, stroke: GRID }, g);
      svgEl('text', { x, y: y0 + rowH * 6 + 12, fill: INK, 'text-anchor': 'middle', 'font-size': 10 }, g, String(v2));
    }
    FIELDS.forEach((f, k) => {
      const y = y0 + rowH * k;
      const hits = v.chances[f]?.hits ?? 0;
      svgEl('text', { x: left - 6, y: y + 16, fill: INK, 'text-anchor': 'end', 'font-size': 11 }, g, t('List', f));
      svgEl('rect', { x: left, y: y + 3, width: (width * hits) / top, height: 10, fill: GOLD }, g);
      svgEl('rect', { x: left, y: y + 13, width: (width * expected) / top, height: 10, fill: '#8a8a80' }, g);
    });
    const ly = y0 + rowH * 6 + 30;
    svgEl('rect', { x: left, y: ly - 9, width: 10, height: 10, fill: GOLD }, g);
    svgEl('text', { x: left + 14, y: ly, fill: INK, 'font-size': 11 }, g, t('StatsWindow', 'Hits'));
    svgEl('rect', { x: left + 90, y: ly - 9, width: 10, height: 10, fill: '#8a8a80' }, g);
    svgEl('text', { x: left + 104, y: ly, fill: INK, 'font-size': 11 }, g, t('StatsWindow', 'Expected (18/37)'));
  }

  private showChart(v: StatsView): void {
    if (v.chart.revision !== this.revision || v.chart.from === 0) {
      this.points = [];
      this.moneyRange = null;
    } else {
      // The newest point drawn may have moved: it comes again.
      this.points.length = Math.min(this.points.length, v.chart.from);
    }
    this.revision = v.chart.revision;
    this.points.push(...v.chart.points);
    this.drawChart(v.startBankroll);
  }

  private drawChart(base: number): void {
    const g = this.chart;
    while (g.lastChild && g.lastChild.nodeName !== 'title') g.lastChild.remove();
    const L = 64, R = 16, T = 30, B = 70, W = 640, H = 300;
    const pw = W - L - R, ph = H - T - B;
    const pts = this.points;
    const last = pts[pts.length - 1];
    const span = spinSpan(last ? last[0] : 0);
    let low = base, high = base;
    for (const p of pts) {
      low = Math.min(low, p[1]);
      high = Math.max(high, p[1]);
    }
    // The money axis keeps its range while every point fits, so that the next spins rarely move it.
    let range = this.moneyRange;
    if (!range || low < range[0] || high > range[1]) {
      const step = niceStep(Math.max(high - low, Math.max(1, Math.abs(high) * 0.01)) / 6);
      range = [Math.floor((low - step / 2) / step) * step, Math.ceil((high + step / 2) / step) * step];
      this.moneyRange = range;
    }
    const [bottom, top] = range;
    const moneyStep = niceStep(Math.max(high - low, Math.max(1, Math.abs(high) * 0.01)) / 6);
    const X = (s: number): number => L + (pw * s) / span;
    const Y = (m: number): number => T + ph * (1 - (m - bottom) / (top - bottom || 1));
    svgEl('rect', { x: 0, y: 0, width: W, height: H, fill: '#1f2326' }, g);
    svgEl('text', { x: W / 2, y: 18, fill: INK, 'text-anchor': 'middle', 'font-size': 13 }, g, t('StatsWindow', 'Bankroll after every spin'));
    const axisStep = niceStep((top - bottom) / 6) || moneyStep;
    for (const m of ticks(bottom, top, axisStep)) {
      svgEl('line', { x1: L, x2: L + pw, y1: Y(m), y2: Y(m), stroke: GRID }, g);
      svgEl('text', { x: L - 6, y: Y(m) + 4, fill: INK, 'text-anchor': 'end', 'font-size': 10 }, g, tickText(m, axisStep));
    }
    const spinStep = niceStep(span / 8);
    for (const s of ticks(0, span, spinStep)) {
      svgEl('line', { x1: X(s), x2: X(s), y1: T, y2: T + ph, stroke: GRID }, g);
      svgEl('text', { x: X(s), y: T + ph + 14, fill: INK, 'text-anchor': 'middle', 'font-size': 10 }, g, String(s));
    }
    svgEl('rect', { x: L, y: T, width: pw, height: ph, fill: 'none', stroke: '#777' }, g);
    svgEl('text', { x: L + pw / 2, y: T + ph + 30, fill: INK, 'text-anchor': 'middle', 'font-size': 11 }, g, t('StatsWindow', 'Spin'));
    svgEl('text', { x: 14, y: T + ph / 2, fill: INK, 'text-anchor': 'middle', 'font-size': 11, transform: `rotate(-90 14 ${T + ph / 2})` }, g, t('StatsWindow', 'Bankroll'));
    svgEl('line', { x1: X(0), x2: X(span), y1: Y(base), y2: Y(base), stroke: '#b8bcc2', 'stroke-dasharray': '5 4', class: 'baseline' }, g);
    if (pts.length > 0) {
      svgEl('polyline', { points: pts.map((p) => `${X(p[0]).toFixed(1)},${Y(p[1]).toFixed(1)}`).join(' '), fill: 'none', stroke: GOLD, 'stroke-width': 1.5, class: 'bankroll' }, g);
      const marks = (kind: string, colour: string): void => {
        let d = '';
        for (const p of pts) if (p[2] === kind) d += `M${(X(p[0]) - 3).toFixed(1)} ${Y(p[1]).toFixed(1)}a3 3 0 1 0 6 0a3 3 0 1 0 -6 0`;
        if (d) svgEl('path', { d, fill: colour, class: `marks-${kind}` }, g);
      };
      marks('won', WON);
      marks('lost', LOST);
    }
    // The legend.
    const ly = H - 14;
    const legend: [string, string, string][] = [['dash', '#b8bcc2', t('StatsWindow', 'Initial bankroll')],
      ['line', GOLD, t('StatsWindow', 'Bankroll')], ['dot', WON, t('StatsWindow', 'Bet won')], ['dot', LOST, t('StatsWindow', 'Bet lost')]];
    let x = L;
    for (const [kind, colour, text] of legend) {
      if (kind === 'dot') svgEl('circle', { cx: x + 6, cy: ly - 4, r: 4, fill: colour }, g);
      else svgEl('line', { x1: x, x2: x + 14, y1: ly - 4, y2: ly - 4, stroke: colour, 'stroke-width': 2, ...(kind === 'dash' ? { 'stroke-dasharray': '4 3' } : {}) }, g);
      svgEl('text', { x: x + 18, y: ly, fill: INK, 'font-size': 11 }, g, text);
      x += 26 + text.length * 6.5;
    }
  }

  private showSpins(v: StatsView, start: number): void {
    const size = v.spinLog.size;
    const atEnd = this.spinBox.scrollTop + this.spinBox.clientHeight >= this.spinBox.scrollHeight - ROW_HEIGHT;
    const previous = Number(this.spinBox.dataset['size'] ?? '0');
    this.spinBox.dataset['size'] = String(size);
    this.spinBox.querySelector('table')?.setAttribute('aria-rowcount', String(size + 1));
    this.spinSpacer.style.height = `${size * ROW_HEIGHT}px`;
    this.spinBody.style.transform = `translateY(${start * ROW_HEIGHT}px)`;
    const rows = v.spinLog.rows;
    while (this.spinBody.rows.length > rows.length) this.spinBody.deleteRow(-1);
    while (this.spinBody.rows.length < rows.length) {
      const tr = this.spinBody.insertRow();
      for (let c = 0; c < 6; ++c) el('td', c === 2 || c === 4 ? '' : 'figure', tr);
    }
    rows.forEach((r, k) => {
      const tr = this.spinBody.rows[k];
      if (!tr) return;
      const result = r[4] === 'won' ? t('SpinResult', 'Won') : r[4] === 'lost' ? t('SpinResult', 'Lost') : '';
      const cells = [String(r[0]), String(r[1]), r[2] ? t('List', r[2]) : '', r[3], result, r[5]];
      cells.forEach((text, c) => {
        const cell = tr.cells[c];
        if (cell && cell.textContent !== text) cell.textContent = text;
      });
      tr.setAttribute('aria-rowindex', String(r[0] + 1));
    });
    // A list that was scrolled to its end stays there as spins come.
    if (size > previous && atEnd && !this.pages[2]?.hidden) this.spinBox.scrollTop = this.spinBox.scrollHeight;
  }

  private async exportPng(): Promise<void> {
    try {
      download(await pngBlob(this.chart, 'Bankroll after every spin'), 'rotacle-bankroll.png');
    } catch {
      this.app.last.message = t('StatsWindow', 'The chart could not be drawn as a PNG picture.');
      showMessage(t('StatsWindow', 'The chart could not be drawn as a PNG picture.'));
    }
  }

  private async exportCsv(which: 'tables' | 'spins', name: string): Promise<void> {
    const answer = await this.app.send({ window: 'stats', csv: which } as unknown as Request);
    const csv = (answer as unknown as { stats?: StatsView }).stats?.csv ?? '';
    download(new Blob([csv], { type: 'text/csv' }), name);
  }

  /** The last figures shown (for tests). */
  get figures(): StatsView | null {
    return this.view;
  }
}

/** Shows a message as the page shows the game's. */
function showMessage(text: string): void {
  const box = document.getElementById('messages');
  if (box) box.textContent = text;
}

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

/** A message over `owner`, read out at once; OK closes it. */
function alertIn(owner: HTMLElement, text: string): void {
  const box = el('div', 'stats-message', owner);
  box.setAttribute('role', 'alertdialog');
  box.setAttribute('aria-label', text);
  el('p', '', box, text);
  const ok = button(box, t('StatsWindow', 'OK'), '', () => box.remove());
  ok.focus();
}

let window_: StatsWindow | null = null;

/** Opens the statistics window of the page's table (the STATS command, the S key). */
export function openStatistics(): void {
  window_?.open();
}

/**
 * Builds the statistics window of `app` and the risk entry point; the
 * window opens on openStatistics() or a "rotacle-stats" event.
 */
export function installStats(app: App): StatsWindow {
  window_ = new StatsWindow(app);
  document.addEventListener('rotacle-stats', () => window_?.open());
  (globalThis as unknown as { rotacleStats: StatsWindow }).rotacleStats = window_;
  return window_;
}
