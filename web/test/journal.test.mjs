// The session that survives, at the page's face: a tab killed in the middle
// of play is offered back on the next visit with the desktop's question and
// resumed as it stood, journaling on from there; a session not taken up is
// kept and resumed from the previous sessions; a second tab plays a session
// of its own while the first holds the journal.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { launch, openTable, serve, settled } from './harness.mjs';

const QUESTION =
  /^Resume the last session\? (\d+) numbers, bankroll (\S+), last at \d\d:\d\d(?:, and (\d+) waiting to be entered \(([\d ]+)\))?\.$/;

/** The table's state as the player sees it. */
function table(page) {
  return page.evaluate(() => {
    const v = globalThis.rotacle.last.view;
    return { history: v.history, bankroll: v.bankroll.text, strip: v.strip.map((l) => l.text), stake: v.stake };
  });
}

async function play(page, numbers) {
  for (const n of numbers) {
    await page.click(`.cell[data-number="${n}"]`);
    await settled(page);
    await page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 20000 });
    await settled(page);
  }
}

/** The message the page shows, once the player has read it (OK). */
async function said(page) {
  await page.waitForSelector('dialog.message[open]', { timeout: 10000 });
  const text = await page.$eval('#message-text', (e) => e.textContent);
  await page.click('dialog.message button');
  return text;
}

/** Kills the tab's renderer, as a phone or a crash does: nothing of the page runs after it. */
async function kill(t) {
  const cdp = await t.page.createCDPSession();
  const crashed = new Promise((resolve) => t.page.once('error', resolve));
  // The renderer dies without answering.
  cdp.send('Page.crash').catch(() => undefined);
  await crashed;
  await t.page.close().catch(() => undefined);
}

/** Opens the table and answers the resume question; gives the question's text. */
async function reopen(browser, server, answer) {
  const t = await openTable({ browser, server });
  const dialog = await t.page.waitForSelector('dialog.message[open]', { timeout: 10000 });
  const question = await t.page.$eval('#message-text', (p) => p.textContent);
  // Yes is the default answer: it has the focus.
  assert.equal(await t.page.evaluate(() => document.activeElement?.dataset.answer), 'yes');
  await t.page.click(`dialog.message button[data-answer="${answer}"]`);
  await settled(t.page);
  // Numbers that waited for the board when the tab died are entered, each with its run.
  await t.page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun && !globalThis.rotacle.last.view.keys.waiting.length,
    { timeout: 20000 });
  await settled(t.page);
  return { t, question };
}

test('a killed tab is offered back, resumed as it stood and journaled on; a session not taken up is kept', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const first = await openTable({ browser, server });
    await settled(first.page);
    const numbers = [5, 17, 32, 0, 12, 19, 21, 4, 30, 15, 26];
    await play(first.page, numbers.slice(0, 10));
    const before = await table(first.page);
    // The last number starts a run; the tab dies before it ends.
    await first.page.click(`.cell[data-number="${numbers[10]}"]`);
    await settled(first.page);
    await kill(first);

    const second = await reopen(browser, server, 'yes');
    const m = QUESTION.exec(second.question);
    assert.ok(m, `the question: ${second.question}`);
    // The number in flight is either on the board or still waiting for it.
    assert.equal(Number(m[1]) + Number(m[3] ?? 0), 11);
    if (m[3]) assert.equal(m[4], String(numbers[10]));
    const resumed = await table(second.t.page);
    assert.equal(resumed.history, 11);
    if (!m[3]) assert.equal(resumed.bankroll, m[2], 'the table is as the question said');
    assert.ok(resumed.strip.includes(String(numbers[10])), 'the number in flight is on the strip');
    assert.equal(before.history, 10);

    // Journaled on from the resumed table, not from its start.
    await play(second.t.page, [8]);
    const after = await table(second.t.page);
    await kill(second.t);
    const third = await reopen(browser, server, 'no');
    const m3 = QUESTION.exec(third.question);
    assert.ok(m3, third.question);
    assert.equal(Number(m3[1]), 12);
    assert.equal(m3[2], after.bankroll);
    assert.equal((await table(third.t.page)).history, 0, 'No starts a new session');

    // The session not taken up is the newest kept one, and RESUME brings it back.
    await third.t.page.click('[data-control="Button_Help"]');
    await third.t.page.waitForFunction(() => document.querySelectorAll('.previous-sessions option').length > 0);
    const listed = await third.t.page.$$eval('.previous-sessions option', (o) => o.map((x) => x.textContent));
    assert.match(listed[0] ?? '', /^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d  \u2014  12 numbers, bankroll /);
    await third.t.page.select('.previous-sessions select', await third.t.page.$eval('.previous-sessions option', (o) => o.value));
    const reload = third.t.page.waitForNavigation();
    await third.t.page.click('.previous-sessions .resume-session');
    await third.t.page.waitForSelector('dialog.message[open]');
    assert.match(await third.t.page.$eval('#message-text', (p) => p.textContent),
      /^Resume the session kept as session-\d{8}-\d{6}(-\d+)?\.journal\? This session is kept beside it, and Rotacle starts again\.$/);
    await third.t.page.click('dialog.message button[data-answer="yes"]');
    await reload;
    await third.t.page.waitForSelector('dialog.message[open]', { timeout: 10000 });
    assert.match(await third.t.page.$eval('#message-text', (p) => p.textContent), /^Resume the last session\? 12 numbers/);
    await third.t.page.click('dialog.message button[data-answer="yes"]');
    await third.t.page.waitForSelector('html[data-ready="1"]');
    await settled(third.t.page);
    assert.deepEqual(await table(third.t.page), after);
    await third.t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a second tab says the session is open elsewhere and plays its own', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const a = await openTable({ browser, server });
    await settled(a.page);
    await play(a.page, [7, 11, 23]);
    const b = await openTable({ browser, server });
    await settled(b.page);
    assert.equal(await said(b.page),
      'The last session is open in another Rotacle window. This window starts a session of its own.');
    assert.equal((await table(b.page)).history, 0);
    await play(b.page, [1, 2]);
    assert.equal((await table(a.page)).history, 3);
    await b.close();

    // The first tab's journal holds its own session only.
    await kill(a);
    const c = await reopen(browser, server, 'yes');
    assert.match(c.question, /^Resume the last session\? 3 numbers/);
    assert.equal((await table(c.t.page)).history, 3);
    // APP keeps the game it ends among the previous sessions, as does the
    // second tab's session, swept when its tab had gone.
    await c.t.page.evaluate(() => globalThis.rotacle.do('reset-app'));
    await settled(c.t.page);
    await c.t.page.click('[data-control="Button_Help"]');
    await c.t.page.waitForFunction(() => document.querySelectorAll('.previous-sessions option').length === 2);
    const kept = await c.t.page.$$eval('.previous-sessions option', (o) => o.map((x) => x.textContent.replace(/^.*\u2014  /, '')));
    assert.deepEqual(kept.map((k) => k.replace(/, bankroll .*/, '')), ['3 numbers', '2 numbers']);
    await c.t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a journal damaged in the middle is resumed up to the damage, with the desktop words', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const a = await openTable({ browser, server });
    await settled(a.page);
    await play(a.page, [3, 14, 25, 36]);
    // One stored record of the middle loses a character, its checksum left as it was.
    const damaged = await a.page.evaluate(() => new Promise((resolve, reject) => {
      const open = indexedDB.open('rotacle');
      open.onsuccess = () => {
        const store = open.result.transaction('records', 'readwrite').objectStore('records');
        const all = store.getAll(IDBKeyRange.bound([1, 0], [1, Infinity]));
        all.onsuccess = () => {
          const at = 2;
          const line = all.result[at];
          store.put(line.slice(1), [1, at]);
          store.transaction.oncomplete = () => resolve(all.result.length);
        };
      };
      open.onerror = reject;
    }));
    assert.ok(damaged > 4);
    await kill(a);
    const b = await reopen(browser, server, 'yes');
    const m = QUESTION.exec(b.question);
    assert.ok(m, b.question);
    assert.ok(Number(m[1]) < 4);
    assert.equal(await said(b.t.page), 'The journal is damaged at record 3; the session is resumed up to the record before it.');
    assert.equal((await table(b.t.page)).history, Number(m[1]));
    // The damaged rest is cut off: the journal goes on from the resumed table.
    await play(b.t.page, [9]);
    await kill(b.t);
    const c = await reopen(browser, server, 'yes');
    assert.match(c.question, new RegExp(`^Resume the last session\\? ${Number(m[1]) + 1} numbers`));
    await c.t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

test('a tick queued before its timer stopped leaves the board open', async () => {
  const t = await openTable();
  try {
    await settled(t.page);
    await play(t.page, [12, 19]);
    // Under load the browser may run a timer's tick after the tick that
    // stopped it: every game timer, idle now, gets one such late tick.
    const after = await t.page.evaluate(async () => {
      for (let id = 1; id < 8; ++id) await globalThis.rotacle.send({ tick: id });
      return globalThis.rotacle.last.view;
    });
    assert.equal(after.progressRun, false);
    await play(t.page, [21]);
    assert.equal((await table(t.page)).history, 3);
    await t.close();
  } catch (e) {
    await t.close().catch(() => undefined);
    throw e;
  }
});
