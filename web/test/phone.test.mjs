// The table on a portrait phone (390 x 844, touch): one column at the
// screen's width with the table on top and the commands and settings below,
// nothing wider than the screen, every control at least 44 px, and play by taps.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { contrasts } from './contrast.mjs';
import { openTable, settled } from './harness.mjs';

test('a phone gets a column of 44 px controls and plays by taps', async () => {
  const t = await openTable({ viewport: { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 } });
  const { page } = t;
  try {
    for (const n of [17, 4, 36, 0, 25, 12]) {
      await page.tap(`.cell[data-number="${n}"]`);
      await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 15000 });
      await settled(page);
    }
    assert.equal(await page.evaluate(() => globalThis.rotacle.last.view.history), 6);
    await page.tap('.cmd.settings');
    await settled(page);
    const layout = await page.evaluate(() => {
      const top = (s) => document.querySelector(s).getBoundingClientRect().top;
      const small = [];
      for (const e of document.querySelectorAll('button, select, input:not([type=checkbox]), label.check')) {
        if (!e.checkVisibility() || e.closest('dialog')) continue;
        const r = e.getBoundingClientRect();
        if (r.width < 44 || r.height < 44) small.push(`${e.className || e.name} ${Math.round(r.width)}x${Math.round(r.height)}`);
      }
      return {
        width: document.documentElement.scrollWidth,
        order: [top('.cell[data-number="1"]'), top('.cmd.skip'), top('input[name="Init_Bet"]')],
        small,
      };
    });
    assert.ok(layout.width <= 390, `the page is ${layout.width} px wide`);
    assert.ok(layout.order[0] < layout.order[1] && layout.order[1] < layout.order[2], 'table, commands, settings');
    assert.deepEqual(layout.small, []);
    // The phone's own backgrounds read as well as the window's.
    assert.deepEqual((await page.evaluate(contrasts)).filter((c) => c.ratio < 4.5), []);
    // A setting changes by touch as well.
    await page.tap('label.check:has(input[name="ChBx_TestBank"])');
    await settled(page);
    assert.equal(await page.evaluate(() => globalThis.rotacle.last.view.checks.ChBx_TestBank.checked), false);
  } finally {
    await t.close();
  }
});
