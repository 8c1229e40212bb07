// The table at its face: numbers clicked on the board reach the game, and
// what the game proposes is what the page shows; the commands ask what the
// window asks, errors come in a box that holds the game's clock, the session
// limits stop play and are kept in the browser, and the window's table is
// scaled to fit the browser's window.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openTable, serve, settled } from './harness.mjs';

const view = (page) => page.evaluate(() => globalThis.rotacle.last.view);
const idle = async (page) => {
  await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 15000 });
  await settled(page);
};
const play = async (page, numbers) => {
  for (const n of numbers) {
    await page.click(`.cell[data-number="${n}"]`);
    await idle(page);
  }
};

test('a clicked number is taken, a proposal follows and the table shows it', async () => {
  const t = await openTable();
  try {
    await play(t.page, [5, 17, 32, 0, 12, 19, 21, 4, 30, 15]);
    const v = await view(t.page);
    assert.equal(v.history, 10);
    // The page shows exactly the game's chip, stake, bankroll and strip.
    const shown = await t.page.evaluate(() => ({
      chips: [...document.querySelectorAll('.chip')].map((c) => !c.hidden),
      stakes: [...document.querySelectorAll('.stake')].map((s) => (s.hidden ? '' : s.textContent)),
      bankroll: document.querySelector('.bankroll').textContent,
      strip: [...document.querySelectorAll('.strip-number')].filter((s) => !s.hidden).map((s) => s.textContent),
      net: document.querySelector('.net').textContent,
    }));
    assert.deepEqual(shown.chips, v.chips);
    assert.deepEqual(shown.stakes, v.stakes.map((s) => (s.shown ? s.text : '')));
    assert.equal(shown.bankroll, v.bankroll.text);
    assert.deepEqual(shown.strip, ['15', '30', '4', '21', '19', '12', '0', '32']);
    assert.equal(shown.net, v.net);
    // A trend button is a toggle: chosen, then cleared.
    await t.page.click('.trend[data-field="Red"]');
    await settled(t.page);
    assert.equal(await t.page.$eval('.trend[data-field="Red"]', (b) => b.getAttribute('aria-pressed')), 'true');
    assert.equal((await view(t.page)).trendChosen[2], true);
    await t.page.click('.trend[data-field="Red"]');
    await settled(t.page);
    assert.equal((await view(t.page)).trendChosen[2], false);
  } finally {
    await t.close();
  }
});

test('APP asks before a history is cleared; an error comes in a box that holds the clock', async () => {
  const t = await openTable();
  const { page } = t;
  try {
    await play(page, [7, 8, 9]);
    await page.click('.cmd.settings');
    await settled(page);
    await page.click('button[name="ResetApp"]');
    await page.waitForSelector('dialog.message[open]');
    assert.match(await page.$eval('#message-text', (e) => e.textContent), /history of 3 numbers is cleared/);
    await page.click('dialog.message button[data-answer="no"]');
    await settled(page);
    assert.equal((await view(page)).history, 3);
    await page.click('button[name="ResetApp"]');
    await page.waitForSelector('dialog.message[open]');
    await page.click('dialog.message button[data-answer="yes"]');
    await page.waitForFunction(() => globalThis.rotacle.last.view.history === 0, { timeout: 5000 });

    // A file that is not there: the game's message, the timers still while it is open.
    await page.evaluate(() => globalThis.rotacle.do('load-settings /no/such/file.txt'));
    await page.waitForSelector('dialog.message[open]');
    assert.equal(await page.$eval('dialog.message', (d) => d.getAttribute('role')), 'alertdialog');
    assert.match(await page.$eval('#message-text', (e) => e.textContent), /file\.txt/);
    assert.equal(await page.evaluate(() => globalThis.rotacle.clock.held), true);
    await page.keyboard.press('Enter');
    // Closed, the box lets the clock go again.
    await page.waitForFunction(() => !document.querySelector('dialog.message').open && !globalThis.rotacle.clock.held, { timeout: 5000 });
  } finally {
    await t.close();
  }
});

test('the staking dialog previews a preset with the game\'s rules and applies it as a settings file', async () => {
  const t = await openTable();
  const { page } = t;
  try {
    await page.click('.cmd.settings');
    await settled(page);
    await page.click('button[name="Staking"]');
    await page.waitForSelector('dialog.staking[open]');
    await page.select('.staking-preset', 'martingale');
    await page.waitForFunction(() => /1, 2, 4, 8, 16, 32/.test(document.querySelector('.staking-preview').textContent));
    assert.match(await page.$eval('.staking-preview', (e) => e.textContent), /Three lost, then won: 1, 2, 4, 8, 1, 1/);
    // The preview plays a game of its own: nothing on the table changes until Apply.
    assert.notEqual((await view(page)).combos.BetStrategy.index, 1);
    await page.click('.staking-apply');
    await page.waitForFunction(() => globalThis.rotacle.last.view.combos.BetStrategy.index === 1);
    assert.equal(await page.$eval('select[name="BetStrategy"]', (e) => e.selectedOptions[0].textContent), 'Martingale (x2 on loss)');
  } finally {
    await t.close();
  }
});

test('a spin limit stops play, is kept in the browser and comes back on the next visit', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    let t = await openTable({ browser, server });
    await t.page.click('.cmd.settings');
    await settled(t.page);
    await t.page.click('input[name="LimitSpins"]', { clickCount: 3 });
    await t.page.keyboard.type('2');
    await t.page.keyboard.press('Tab');
    await settled(t.page);
    assert.equal((await view(t.page)).options.limitSpins, 2);
    // An amount that is no number is refused, and the limit in force stays.
    await t.page.click('input[name="LimitLoss"]', { clickCount: 3 });
    await t.page.keyboard.type('abc');
    await t.page.keyboard.press('Tab');
    await settled(t.page);
    assert.equal((await view(t.page)).options.limitLoss, 0);
    assert.equal(await t.page.$eval('input[name="LimitLoss"]', (e) => e.value), '');

    await play(t.page, [3, 4]);
    await t.page.waitForSelector('.limit-screen:not([hidden])');
    assert.match(await t.page.$eval('.limit-text', (e) => e.textContent), /SPIN LIMIT REACHED.*2 spins/);
    // The board under the screen takes no click until the player chooses.
    assert.equal(await t.page.$eval('.play', (e) => e.inert), true);
    await t.page.click('.limit-go-on');
    await settled(t.page);
    assert.equal(await t.page.$eval('.limit-screen', (e) => e.hidden), true);
    // The focus does not go down with the screen: it is back on the table.
    assert.equal(await t.page.evaluate(() => document.activeElement.classList.contains('play')), true);
    await t.close();

    t = await openTable({ browser, server });
    assert.equal((await view(t.page)).options.limitSpins, 2, 'the stored limit is in force again');
    await t.page.click('.cmd.settings');
    await settled(t.page);
    assert.equal(await t.page.$eval('input[name="LimitSpins"]', (e) => e.value), '2');
    // What another program or a damaged store left there: the table still opens, and only a
    // value the game takes is put in force.
    for (const [kept, want] of [
      ['{not json', { limitSpins: 0, limitLoss: 0, limitTime: 0 }],
      ['{"limitSpins": 2.7, "limitLoss": -1, "limitTime": "5", "limitProfit": 1e300}', { limitSpins: 2, limitLoss: 0, limitTime: 0, limitProfit: 0 }],
    ]) {
      await t.page.evaluate((k) => localStorage.setItem('rotacle.limits', k), kept);
      await t.close();
      t = await openTable({ browser, server });
      const options = (await view(t.page)).options;
      for (const [k, v] of Object.entries(want)) assert.equal(options[k], v, `${kept}: ${k}`);
    }
    await t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

test('after a resumed session is replayed, the options kept in the browser win over the journal', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    let t = await openTable({ browser, server });
    await t.page.evaluate(() => {
      globalThis.records = [];
      globalThis.rotacle.listen((a) => void globalThis.records.push(...a.records));
    });
    await t.page.click('.cmd.settings');
    await settled(t.page);
    await t.page.click('input[name="LaPartage"]');
    await play(t.page, [0, 5]);
    const journal = await t.page.evaluate(() => globalThis.records);
    assert.ok(journal.length >= 3, journal.join(' | '));
    // The player turns la partage off again: the browser keeps that choice.
    await t.page.click('input[name="LaPartage"]');
    await settled(t.page);
    await t.close();

    t = await openTable({ browser, server });
    await t.page.evaluate((actions) => globalThis.rotacle.send({ replay: actions }), journal);
    await settled(t.page);
    const v = await view(t.page);
    assert.equal(v.history, 2, 'the journal was replayed');
    assert.equal(v.options.partage, false, 'the stored choice is in force after the replay');
    assert.equal(await t.page.$eval('.partage-mark', (e) => e.hidden), true);
    await t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

test('the table is scaled to fit the window, open or closed', async () => {
  const t = await openTable({ viewport: { width: 1280, height: 900 } });
  try {
    const box = () => t.page.$eval('.stage', (s) => {
      const r = s.getBoundingClientRect();
      return { w: r.width, h: r.height, bottom: r.bottom, right: r.right };
    });
    let b = await box();
    assert.ok(Math.abs(b.w - 457 * Math.min(1280 / 457, 900 / 388)) < 2, `closed: ${b.w}`);
    assert.ok(b.bottom <= 901 && b.right <= 1281);
    await t.page.click('.cmd.settings');
    await settled(t.page);
    b = await box();
    assert.ok(Math.abs(b.h - 900) < 2, `open: ${b.h}`);
    assert.ok(b.right <= 1281);
  } finally {
    await t.close();
  }
});
