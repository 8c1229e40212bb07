// A whole real series played by clicks on the table, compared after every
// spin with the native driver (rotacle-sim) playing the same numbers: the
// bankroll, the stake and the proposed field must be the same, both in the
// game's view that the page draws and in the page's own elements.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { actions, openTable, played, watchPlay } from './harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..', '..');
/** The native driver; scripts/test-web builds it when the build has none. */
const SIM = resolve(process.env.ROTACLE_SIM ?? join(root, process.env.BUILD_DIR ?? 'build', 'tools', 'rotacle-sim'));
/** Real series of a live table, as the repository keeps them for the backtests. */
const SPINS = resolve(process.env.ROTACLE_SPINS ?? join(root, 'tests', 'data', 'spins'));
const SERIES = process.env.ROTACLE_SERIES ?? 'series1.txt';

/** The numbers of a number file: one a line, CR LF or LF, maybe no last line end. */
function numbers(file) {
  return readFileSync(file, 'utf8').split(/\r?\n/).map((l) => l.trim()).filter((l) => l !== '').map(Number);
}

/** What the driver shows after each `spin N` of `series`: one state a line. */
function simulate(series) {
  const script = series.map((n) => `spin ${n}\n`).join('');
  const out = execFileSync(SIM, ['--script', '-'], { input: script, encoding: 'utf8', maxBuffer: 1 << 28 });
  return out.trim().split('\n').map((l) => JSON.parse(l));
}

/** The state to compare, from the driver's line. */
function expected(s) {
  return { bankroll: s.Label_Bankroll, stake: s.Bet_Size, field: s.Bet_Field > 0 ? s.Bet_Field - 1 : -1, chips: s.chips };
}

/**
 * What the table shows: the game's view that the page draws, and the page's
 * own elements where they carry the value (data-value="bankroll"; each
 * even-chance field a [data-field] element with data-proposed and data-stake).
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
      label: field >= 0 && v.stakes[field].shown ? v.stakes[field].text : '',
    };
    const bank = document.querySelector('[data-value="bankroll"]');
    const fields = [...document.querySelectorAll('[data-field]')].filter((f) => f.hasAttribute('data-proposed'));
    const dom = {
      bankroll: bank ? bank.textContent.trim() : null,
      chips: fields.length === 6 ? fields.map((f) => f.getAttribute('data-proposed') === '1') : null,
      label: fields.length === 6 && field >= 0 ? fields[field].getAttribute('data-stake') : null,
    };
    return { view, dom };
  });
}

test('a whole real series clicked on the table shows what the driver plays, spin by spin', { timeout: 30 * 60 * 1000 }, async (t) => {
  assert.ok(existsSync(SIM), `the native driver ${SIM} is missing: build it (scripts/setup) or set ROTACLE_SIM`);
  const series = numbers(join(SPINS, SERIES));
  assert.ok(series.length >= 100 && series.every((n) => Number.isInteger(n) && n >= 0 && n <= 36), `${SERIES} is a series of numbers`);
  const sim = simulate(series);
  assert.equal(sim.length, series.length, 'the driver answers every spin');

  const table = await openTable();
  const compared = { dom: { bankroll: 0, chips: 0, label: 0 }, bets: 0 };
  try {
    await watchPlay(table.page);
    let count = await actions(table.page);
    for (let k = 0; k < series.length; ++k) {
      const n = series[k];
      await table.page.click(`[data-number="${n}"]`);
      await played(table.page, ++count);
      const want = expected(sim[k]);
      const { view, dom } = await shown(table.page);
      const at = `spin ${k + 1} (number ${n})`;
      assert.deepEqual(
        { bankroll: view.bankroll, stake: view.stake, field: view.field, chips: view.chips },
        want, `${at}: the table's view differs from the driver's`);
      if (want.field >= 0) {
        compared.bets += 1;
        assert.equal(Number(view.label), want.stake, `${at}: the stake on the proposed field`);
      }
      if (dom.bankroll !== null) {
        compared.dom.bankroll += 1;
        assert.equal(dom.bankroll, want.bankroll, `${at}: the bankroll on the page`);
      }
      if (dom.chips !== null) {
        compared.dom.chips += 1;
        assert.deepEqual(dom.chips, want.chips, `${at}: the chips on the page`);
        if (want.field >= 0) {
          compared.dom.label += 1;
          assert.equal(Number(dom.label), want.stake, `${at}: the stake shown on the page`);
        }
      }
    }
    t.diagnostic(`${SERIES}: ${series.length} spins, ${compared.bets} bets; compared on the page's elements: ` +
      `bankroll ${compared.dom.bankroll}, chips ${compared.dom.chips}, stakes ${compared.dom.label}`);
    // The series is long enough to bet, win and lose on the way.
    assert.ok(compared.bets > series.length / 2, 'the series is played with bets');
  } finally {
    await table.close();
  }
});
