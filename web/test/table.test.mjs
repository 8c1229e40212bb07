// The table at its face: numbers clicked on the board reach the game, and
// what the game proposes is what the page shows.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openTable, settled } from './harness.mjs';

test('a clicked number is taken and a proposal follows', async () => {
  const t = await openTable();
  try {
    for (const n of [5, 17, 32, 0, 12, 19, 21, 4, 30, 15]) {
      await t.page.click(`.cell[data-number="${n}"]`);
      await t.page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 10000 });
      await settled(t.page);
    }
    const history = await t.page.evaluate(() => globalThis.rotacle.last.view.history);
    assert.equal(history, 10);
  } finally {
    await t.close();
  }
});
