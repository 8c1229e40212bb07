// The statistics window and its Risk tab in Chromium: risk runs played by
// workers give the driver's own figures and rows, a cancelled run keeps the
// sessions played from the first, bad fields are refused with the desktop's
// messages, and the window's figures, lists and exports follow the table.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openTable, settled } from './harness.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const SIM = process.env.ROTACLE_SIM ?? join(here, '..', '..', 'build', 'tools', 'rotacle-sim');

/** `rotacle-sim risk` on the same inputs: its --json line and its --csv file. */
function nativeRisk(o, settings) {
  const dir = mkdtempSync(join(tmpdir(), 'rotacle-risk-'));
  try {
    writeFileSync(join(dir, 'table.rtk'), settings);
    const out = execFileSync(SIM, ['risk', '--settings', join(dir, 'table.rtk'), '--sessions', String(o.sessions),
      '--bankroll', o.bankroll, '--target', o.target, '--spins-max', String(o.spinsMax), '--seed', o.seed,
      '--zero-rule', o.zeroRule, '--system', o.system, '--json', '--no-progress', '--csv', join(dir, 'rows.csv')],
    { encoding: 'utf8' });
    return { json: out.trim(), csv: readFileSync(join(dir, 'rows.csv'), 'utf8') };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

/** Downloads the page offers from now on, caught instead of saved: [{name, text, bytes}]. */
async function catchDownloads(page) {
  await page.evaluate(() => {
    globalThis.caught = [];
    const blobs = new Map();
    const make = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      const url = make(blob);
      blobs.set(url, blob);
      return url;
    };
    const click = HTMLAnchorElement.prototype.click;
    HTMLAnchorElement.prototype.click = function () {
      if (!this.download) return click.call(this);
      const name = this.download;
      globalThis.caught.push(blobs.get(this.href).arrayBuffer().then((b) => ({ name, bytes: Array.from(new Uint8Array(b)) })));
    };
  });
  return async () => (await page.evaluate(() => Promise.all(globalThis.caught))).map((d) => ({ ...d, text: Buffer.from(d.bytes).toString('utf8') }));
}

test('risk runs in workers give the figures and rows of rotacle-sim risk', { skip: !existsSync(SIM) && `no ${SIM}` }, async () => {
  const t = await openTable();
  try {
    const rows = [
      { system: 'settings', zeroRule: 'none', seed: '1', sessions: 300, spinsMax: 400, target: '100', workers: 2 },
      { system: 'martingale', zeroRule: 'partage', seed: '18446744073709551615', sessions: 150, spinsMax: 1000, target: '50', workers: 2 },
      // More workers than shards of a few sessions, one session per shard.
      { system: 'flat', zeroRule: 'none', seed: '7', sessions: 3, spinsMax: 2000, target: '200', workers: 4 },
      { system: 'settings', zeroRule: 'partage', seed: '42', sessions: 61, spinsMax: 250, target: '12.5', workers: 1 },
    ];
    // The table's own settings, changed from the defaults.
    await t.page.evaluate(() => globalThis.rotacle.do('set Init_Bet 2'));
    await settled(t.page);
    for (const row of rows) {
      const got = await t.page.evaluate(async ({ workers, ...options }) => {
        const r = await globalThis.rotacleRisk.run(options, { workers });
        const { outcomesCsv } = await import('/risk.js');
        return { text: r.text, settings: r.options.settings, bankroll: r.options.bankroll, played: r.played, csv: await outcomesCsv(r.parts).text() };
      }, row);
      assert.match(got.settings, /^\/\/line1\n2\n/, 'the table\'s initial bet is in the settings played');
      const want = nativeRisk({ ...row, bankroll: got.bankroll }, got.settings);
      assert.equal(got.played, row.sessions);
      assert.equal(got.text, want.json, `figures of ${JSON.stringify(row)}`);
      assert.equal(got.csv, want.csv, `rows of ${JSON.stringify(row)}`);
    }
  } finally {
    await t.close();
  }
});

test('the Risk tab refuses bad fields, runs with progress, and a cancel keeps the first sessions played', { skip: !existsSync(SIM) && `no ${SIM}` }, async () => {
  const t = await openTable();
  const { page } = t;
  try {
    await page.evaluate(() => globalThis.rotacleStats.open());
    await page.click('#stats-tab-3');
    const field = (k) => `#risk-field-${k}`;
    const setField = async (k, v) => page.$eval(field(k), (e, value) => { e.value = value; }, v);
    const refused = [
      [0, '0', 'Sessions must be a whole number from 1 to 1000000.'],
      [0, '1000001', 'Sessions must be a whole number from 1 to 1000000.'],
      [1, '-5', 'The target must be an amount above 0.'],
      [1, '1e400', 'The target must be an amount above 0.'],
      [1, '1,5', 'The target must be an amount above 0.'],
      [2, '1.5', 'Max spins must be a whole number above 0.'],
      [5, '18446744073709551616', 'The seed must be a whole number from 0 to 18446744073709551615.'],
      [5, '-1', 'The seed must be a whole number from 0 to 18446744073709551615.'],
    ];
    for (const [k, value, message] of refused) {
      await setField(0, '1000'); await setField(1, '100'); await setField(2, '1000'); await setField(5, '1');
      await setField(k, value);
      const started = await page.evaluate(() => globalThis.rotacleStats.risk.run());
      assert.equal(started, false, `${value} refused`);
      assert.equal(await page.$eval('.stats-message:last-of-type p', (e) => e.textContent), message);
    }

    // A long run: progress moves, then Cancel stops the workers.
    await setField(0, '200000'); await setField(1, '100'); await setField(2, '1000'); await setField(5, '9');
    await page.click('.risk-run button:first-child');
    await page.waitForFunction(() => document.querySelector('.risk-progress').value >= 20, { timeout: 60000 });
    assert.equal(await page.$eval('.risk-run button:first-child', (b) => b.disabled), true, 'RUN is off during a run');
    // The table plays on while the workers do.
    const answered = await page.evaluate(async () => {
      const t0 = performance.now();
      await globalThis.rotacle.do('spin 5');
      return performance.now() - t0;
    });
    assert.ok(answered < 1000, `a spin answered after ${answered} ms during a run`);
    await page.click('.risk-run button:last-child');
    await page.waitForFunction(() => /Cancelled after/.test(document.querySelector('.risk-state').textContent), { timeout: 30000 });
    const cancelled = await page.evaluate(() => {
      const r = globalThis.rotacleStats.risk.result;
      return { state: document.querySelector('.risk-state').textContent, played: r.played, text: r.text, settings: r.options.settings,
        bankroll: r.options.bankroll, figures: [...document.querySelectorAll('.risk-figures li')].map((li) => li.textContent) };
    });
    assert.ok(cancelled.played > 0 && cancelled.played < 200000);
    assert.equal(cancelled.state, `Cancelled after ${cancelled.played} of 200000 sessions.`);
    assert.equal(cancelled.figures[0], `Sessions: ${cancelled.played}`);
    // The sessions kept are the first ones: the same as a run of only them.
    const want = nativeRisk({ system: 'settings', zeroRule: 'none', seed: '9', sessions: cancelled.played, spinsMax: 1000, target: '100', bankroll: cancelled.bankroll }, cancelled.settings);
    assert.equal(cancelled.text, want.json);
    assert.equal(await page.$eval('.risk-run button:first-child', (b) => b.disabled), false, 'RUN is back');
  } finally {
    await t.close();
  }
});

test('the statistics window follows the table and exports its chart and tables', async () => {
  const t = await openTable();
  const { page } = t;
  try {
    const numbers = [32, 15, 0, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1];
    // The table's STATS command opens the window.
    await page.click('[data-control="Button_Stats"]');
    assert.equal(await page.evaluate(() => globalThis.rotacleStats.isOpen), true);
    for (const n of numbers) {
      await page.evaluate((k) => globalThis.rotacle.do(`spin ${k}`), n);
      await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 10000 });
      await settled(page);
    }
    await page.evaluate(() => globalThis.rotacleStats.settled());
    const reds = new Set([1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36]);
    const shown = await page.evaluate(() => ({
      summary: [...document.querySelectorAll('.stats-summary dd')].map((d) => d.textContent),
      chances: [...document.querySelectorAll('.hit-table[data-name="chances"] tbody tr')].map((tr) => [...tr.cells].map((c) => c.textContent)),
      points: document.querySelector('.stats-chart .bankroll')?.getAttribute('points').split(' ').length ?? 0,
      view: globalThis.rotacleStats.figures,
    }));
    assert.equal(shown.summary[0], String(numbers.length));
    const red = shown.chances.find((r) => r[0] === 'Red');
    const redHits = numbers.filter((n) => reds.has(n)).length;
    assert.deepEqual(red.slice(1, 3), [String(redHits), `${((redHits / numbers.length) * 100).toFixed(1)} %`]);
    assert.equal(shown.points, shown.view.chart.from + shown.view.chart.points.length);
    // Settled bets are marked on the chart as won or lost.
    const marks = await page.$$eval('.stats-chart path[class^="marks-"]', (p) => p.map((e) => (e.getAttribute('d').match(/M/g) ?? []).length).reduce((a, b) => a + b, 0));
    assert.equal(marks, shown.view.session.bets_settled);

    // Sorting by hits, most first, then back.
    await page.click('#stats-tab-1');
    await page.click('.hit-table[data-name="numbers"] thead th:nth-child(2) button');
    await page.click('.hit-table[data-name="numbers"] thead th:nth-child(2) button');
    const order = await page.$$eval('.hit-table[data-name="numbers"] tbody tr', (rows) => rows.map((r) => Number(r.cells[1].textContent)));
    assert.deepEqual(order, [...order].sort((a, b) => b - a));

    // An undo takes the newest spin back from the list.
    await page.click('#stats-tab-2');
    await page.evaluate(() => globalThis.rotacle.do('undo'));
    await page.evaluate(() => globalThis.rotacleStats.settled());
    const listed = await page.$$eval('.spin-table tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
    assert.equal(await page.$eval('.spin-list', (e) => Number(e.dataset.size)), numbers.length - 1);
    assert.deepEqual(listed[0].slice(0, 2), ['1', '32']);

    const downloads = await catchDownloads(page);
    for (const name of ['Chart as SVG...', 'Chart as PNG...', 'Tables as CSV...', 'Spins as CSV...']) {
      const [b] = await page.$$(`xpath/.//button[normalize-space()="${name}"]`);
      await b.click();
    }
    await page.evaluate(() => globalThis.rotacleStats.settled());
    const files = Object.fromEntries((await downloads()).map((d) => [d.name, d]));
    assert.match(files['rotacle-bankroll.svg'].text, /^<\?xml[^]*<svg [^>]*xmlns="http:\/\/www.w3.org\/2000\/svg"[^]*<polyline/);
    assert.deepEqual(files['rotacle-bankroll.png'].bytes.slice(0, 8), [137, 80, 78, 71, 13, 10, 26, 10]);
    const tables = files['rotacle-hits.csv'].text.split('\n');
    assert.equal(tables[0], 'item,hits,expected_hits,share,expected_share,absence,longest_absence');
    assert.equal(tables.length, 1 + 6 + 37 + 1);
    const kept = numbers.slice(0, -1);
    const redKept = kept.filter((n) => reds.has(n)).length;
    assert.equal(tables[3].split(',').slice(0, 4).join(','), `Red,${redKept},${(kept.length * 18 / 37).toFixed(4)},${(redKept / kept.length).toFixed(6)}`);
    const spins = files['rotacle-spins.csv'].text.trimEnd().split('\n');
    assert.equal(spins[0], 'spin,number,bet,stake,result,bankroll');
    assert.deepEqual(spins.slice(1).map((l) => Number(l.split(',')[1])), kept);

    // Esc closes the window.
    await page.focus('#stats-tab-0');
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => globalThis.rotacleStats.isOpen), false);
  } finally {
    await t.close();
  }
});

test('a setup the program refuses fails with the driver\'s message, and the next run plays', { skip: !existsSync(SIM) && `no ${SIM}` }, async () => {
  const t = await openTable();
  try {
    const failed = await t.page.evaluate(() => globalThis.rotacleRisk.run({ sessions: 500, controls: ['Init_Bet=0'] }, { workers: 2 })
      .then(() => 'played', (e) => `${e.constructor.name}: ${e.message}`));
    let native = '';
    try {
      execFileSync(SIM, ['risk', '--sessions', '500', '--no-progress', 'Init_Bet=0'], { encoding: 'utf8', stdio: 'pipe' });
    } catch (e) {
      native = e.stderr.trim();
    }
    assert.match(native, /Init_Bet/);
    assert.equal(failed, `RiskError: ${native}`);
    const next = await t.page.evaluate(() => globalThis.rotacleRisk.run({ sessions: 40, spinsMax: 100 }, { workers: 2 }).then((r) => r.played));
    assert.equal(next, 40);
  } finally {
    await t.close();
  }
});
