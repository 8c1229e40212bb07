// A whole real series played by clicks on the table, compared after every
// spin with the native driver (rotacle-sim) playing the same numbers: the
// bankroll, the stake and the proposed field must be the same in the game's
// view that the page draws and in the page's own elements, and so must the
// strip of the last numbers in the view.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { openTable, played, spins, watchPlay } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
/** The native driver; scripts/test-web builds it when the build has none. */
const SIM = resolve(process.env.ROTACLE_SIM ?? join(root, process.env.BUILD_DIR ?? 'build', 'tools', 'rotacle-sim'));
/** Real series of a live table, as the repository keeps them for the backtests. */
const SPINS = resolve(process.env.ROTACLE_SPINS ?? join(root, 'tests', 'data', 'spins'));
const SERIES = process.env.ROTACLE_SERIES ?? 'series1.txt';
// The whole series is played with the player's quick proposals (each run
// ends at its first tick; the rules of play are the same), so that it takes
// seconds, not minutes; ROTACLE_SERIES_QUICK=0 plays it at the default pace.
// Runs at the default pace are played by the test of numbers clicked ahead.
const QUICK = process.env.ROTACLE_SERIES_QUICK !== '0';

/** The numbers of a number file: one a line, CR LF or LF, maybe no last line end. */
function numbers(file) {
  return readFileSync(file, 'utf8').split(/\r?\n/).map((l) => l.trim()).filter((l) => l !== '').map(Number);
}

/**
 * What the driver shows after each `spin N` of `series`: one state a line.
 * With `quick`, the player's option of quick proposals is set first.
 */
function simulate(series, { quick = false } = {}) {
  const script = (quick ? 'option quick 1\n' : '') + series.map((n) => `spin ${n}\n`).join('');
  const out = execFileSync(SIM, ['--script', '-'], { input: script, encoding: 'utf8', maxBuffer: 1 << 28 });
  return out.trim().split('\n').slice(quick ? 1 : 0).map((l) => JSON.parse(l));
}

/** The numbers of the repository's series `name`. */
function seriesOf(name) {
  const series = numbers(join(SPINS, name));
  assert.ok(series.length >= 100 && series.every((n) => Number.isInteger(n) && n >= 0 && n <= 36), `${name} is a series of numbers`);
  return series;
}

/** The state to compare, from the driver's line. */
function expected(s) {
  return { bankroll: s.Label_Bankroll, stake: s.Bet_Size, field: s.Bet_Field > 0 ? s.Bet_Field - 1 : -1, chips: s.chips, history: s.history, strip: s.strip };
}

/**
 * What the table shows: the game's view that the page draws, and the page's
 * own elements: the bankroll ([data-value="bankroll"]), the six chips
 * ([data-chip]: shown or not) and the six stake tags ([data-stake]: their
 * text when shown).
 */
function shown(page) {
  return page.evaluate(() => {
    const v = globalThis.rotacle.last.view;
    const field = v.chips.indexOf(true);
    const view = {
      bankroll: v.bankroll.shown ? v.bankroll.text : '',
      stake: Number(v.stake),
      field,
      chips: v.chips,
      history: v.history,
      strip: v.strip.map((l) => l.text),
      label: field >= 0 && v.stakes[field].shown ? v.stakes[field].text : '',
    };
    const seen = (e) => e.checkVisibility({ visibilityProperty: true, opacityProperty: true });
    const bank = [...document.querySelectorAll('[data-value="bankroll"]')];
    const chips = [...document.querySelectorAll('[data-chip]')];
    const stakes = [...document.querySelectorAll('[data-stake]')];
    const dom = {
      elements: [bank.length, chips.length, stakes.length],
      bankroll: bank[0]?.textContent.trim(),
      chips: chips.map(seen),
      stakes: stakes.map((e) => (seen(e) ? e.textContent.trim() : '')),
    };
    return { view, dom };
  });
}

test('a whole real series clicked on the table shows what the driver plays, spin by spin', { timeout: 30 * 60 * 1000 }, async (t) => {
  assert.ok(existsSync(SIM), `the native driver ${SIM} is missing: build it (scripts/setup) or set ROTACLE_SIM`);
  const series = seriesOf(SERIES);
  const sim = simulate(series, { quick: QUICK });
  assert.equal(sim.length, series.length, 'the driver answers every spin');

  const table = await openTable();
  const compared = { bets: 0 };
  try {
    // The request the settings area's QUICK PROPOSALS box sends.
    if (QUICK) await table.page.evaluate(() => globalThis.rotacle.do('option quick 1'));
    await watchPlay(table.page);
    let count = await spins(table.page);
    for (let k = 0; k < series.length; ++k) {
      const n = series[k];
      await table.page.click(`[data-number="${n}"]`);
      await played(table.page, ++count);
      const want = expected(sim[k]);
      const { view, dom } = await shown(table.page);
      const at = `spin ${k + 1} (number ${n})`;
      assert.deepEqual(
        { bankroll: view.bankroll, stake: view.stake, field: view.field, chips: view.chips, history: view.history, strip: view.strip },
        want, `${at}: the table's view differs from the driver's`);
      if (want.field >= 0) {
        compared.bets += 1;
        assert.equal(Number(view.label), want.stake, `${at}: the stake on the proposed field`);
      }
      assert.deepEqual(dom.elements, [1, 6, 6], 'the page has one bankroll, six chips and six stake tags');
      assert.equal(dom.bankroll, want.bankroll, `${at}: the bankroll on the page`);
      assert.deepEqual(dom.chips, want.chips, `${at}: the chips on the page`);
      if (want.field >= 0) {
        assert.equal(Number(dom.stakes[want.field]), want.stake, `${at}: the stake shown on the proposed field`);
        assert.deepEqual(dom.stakes.filter((x, i) => i !== want.field && x !== ''), [], `${at}: no stake on another field`);
      }
    }
    t.diagnostic(`${SERIES}${QUICK ? ', quick proposals' : ''}: ${series.length} spins, ${compared.bets} bets`);
    // The series is long enough to bet, win and lose on the way.
    assert.ok(compared.bets > series.length / 2, 'the series is played with bets');
  } finally {
    await table.close();
  }
});

test('numbers clicked while a run is under way wait and are played in order, as the driver plays them one by one', { timeout: 5 * 60 * 1000 }, async () => {
  assert.ok(existsSync(SIM), `the native driver ${SIM} is missing: build it (scripts/setup) or set ROTACLE_SIM`);
  // A player who clicks ahead: every number of the stretch as fast as the
  // mouse goes, most of them on a locked board.
  const series = seriesOf('series2.txt').slice(0, 48);
  const want = simulate(series).at(-1);
  const table = await openTable();
  try {
    await watchPlay(table.page);
    const before = await spins(table.page);
    for (const n of series) await table.page.click(`[data-number="${n}"]`);
    const waited = await table.page.evaluate(() => globalThis.rotacle.last.view.keys.waiting.length);
    await played(table.page, before + series.length, 60000);
    const { view } = await shown(table.page);
    assert.ok(waited > 0, 'numbers waited for the end of a run');
    assert.equal(view.history, series.length, 'every number clicked is played');
    assert.deepEqual(
      { bankroll: view.bankroll, stake: view.stake, field: view.field, chips: view.chips, history: view.history, strip: view.strip },
      expected(want));
  } finally {
    await table.close();
  }
});
