// Play from the keyboard, as on the desktop: digits and Enter enter a number,
// Esc drops what is typed, a number typed during a run waits for its end,
// Ctrl+Z undoes, F1 shows the guide, S the statistics, and a setting's edit takes its keys one
// by one until Enter hands the keys back to the table.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openTable, settled } from './harness.mjs';

const view = (page) => page.evaluate(() => globalThis.rotacle.last.view);
const idle = async (page) => {
  await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 15000 });
  await settled(page);
};

test('keys of play at speed, undo, the guide and a setting typed key by key', async () => {
  const t = await openTable();
  const { page } = t;
  try {
    // Typed digits show under the strip; Esc drops them, Backspace takes one back.
    await page.keyboard.type('3');
    await settled(page);
    assert.match(await page.$eval('.readout', (e) => e.textContent), /3/);
    await page.keyboard.press('Escape');
    await settled(page);
    assert.equal((await view(page)).keys.typed, '');
    await page.keyboard.type('12');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('7');
    await page.keyboard.press('Enter');
    await idle(page);
    let v = await view(page);
    assert.equal(v.history, 1);
    assert.equal(v.strip[0].text, '17');

    // A number that is no cell is refused and said so.
    await page.keyboard.type('37');
    await page.keyboard.press('Enter');
    await settled(page);
    assert.match(await page.$eval('.readout', (e) => e.textContent), /not taken/);

    // Five numbers bring a proposal and its run; numbers typed during the run wait.
    for (const n of ['5', '32', '0', '12']) {
      await page.keyboard.type(n);
      await page.keyboard.press('Space');
      await settled(page);
    }
    const running = (await view(page)).progressRun;
    await page.keyboard.type('21');
    await page.keyboard.press('Enter');
    await settled(page);
    assert.equal(running, true, 'the fifth number starts a run');
    assert.match(await page.$eval('.readout', (e) => e.textContent), /waiting: 21/);
    await idle(page);
    await page.waitForFunction(() => globalThis.rotacle.last.view.history === 6, { timeout: 15000 });
    await idle(page);

    // Ctrl+Z: the undo command, as UNDO.
    await page.waitForFunction(() => globalThis.rotacle.last.view.undoActive, { timeout: 15000 });
    await page.keyboard.down('Control');
    await page.keyboard.press('z');
    await page.keyboard.up('Control');
    await idle(page);
    assert.equal((await view(page)).history, 5);

    // S and the STATS command ask for the statistics window.
    await page.evaluate(() => {
      globalThis.statsAsked = 0;
      document.addEventListener('rotacle-stats', () => ++globalThis.statsAsked);
    });
    await page.keyboard.press('s');
    await page.click('.cmd.stats');
    assert.equal(await page.evaluate(() => globalThis.statsAsked), 2);

    // F1 opens the guide beside the table.
    await page.keyboard.press('F1');
    assert.equal(await page.$eval('dialog.help', (d) => d.open), true);
    assert.match(await page.$eval('.help-text', (e) => e.textContent), /Entering numbers/);
    await page.click('.help-close');

    // The initial bet takes its keys one by one through the game: a letter
    // is refused and said, a digit lands; Enter gives the keys back to the table.
    await page.click('.cmd.settings');
    await settled(page);
    await page.click('input[name="Init_Bet"]');
    await page.keyboard.press('End');
    await page.keyboard.type('x');
    await settled(page);
    assert.equal(await page.$eval('input[name="Init_Bet"]', (e) => e.value), '1');
    assert.match(await page.$eval('.announce', (e) => e.textContent), /"x" is not taken/);
    await page.keyboard.type('5');
    await settled(page);
    v = await view(page);
    assert.equal(v.edits.Init_Bet.text, '15');
    assert.equal(await page.$eval('input[name="Init_Bet"]', (e) => e.value), '15');
    // Emptied, then "0": no stake, said once until a stake is typed.
    await page.keyboard.press('Backspace');
    await page.keyboard.press('Backspace');
    await page.keyboard.type('0');
    await settled(page);
    const notes = (await page.$eval('.announce', (e) => e.textContent)).match(/INITIAL BET: 0? ?is no stake; the smallest is 0.01/g);
    assert.equal(notes?.length, 1);
    await page.keyboard.type('.5');
    await settled(page);
    assert.equal((await view(page)).edits.Init_Bet.text, '0.5');
    await page.keyboard.press('Enter');
    await page.keyboard.type('9');
    await settled(page);
    assert.equal((await view(page)).keys.typed, '9', 'after Enter the digits go to the table');
    assert.equal((await view(page)).edits.Init_Bet.text, '0.5');

    // Esc with nothing typed closes the settings area.
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    await settled(page);
    assert.equal(await page.$eval('.part-settings', (e) => e.hidden), true);
  } finally {
    await t.close();
  }
});
