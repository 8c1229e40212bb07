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
  button, download, el, GOLD, GRID, INK, LOST, niceStep, percent, pngBlob, showMessage, spinSpan, SVG, svgEl, svgText, ticks,
  tickText, WON,
} from './chart-kit.js';
import { RiskTab } from './risk-tab.js';

const FIELDS = ['Less', 'Even', 'Red', 'Black', 'Odd', 'More'] as const;
const CHANCE_ODDS = 18 / 37;
const NUMBER_ODDS = 1 / 37;
const ROW_HEIGHT = 22;

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
