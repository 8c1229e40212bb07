// The table's files at the page's face: a number file given by the file
// picker or dropped on the page is imported as on the desktop (a bad line
// named, the history kept), the history comes back as a download of the same
// bytes, a settings file is loaded and saved byte for byte, and a pasted page
// is read in a frame where no script runs and nothing is loaded.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openTable, settled } from './harness.mjs';

const CRLF = (numbers) => numbers.map((n) => `${n}\r\n`).join('');

function view(page) {
  return page.evaluate(() => globalThis.rotacle.last.view);
}

/** The message the page shows, once the player has read it (OK). */
async function said(page, timeout = 10000) {
  await page.waitForSelector('dialog.message[open]', { timeout });
  const text = await page.$eval('#message-text', (e) => e.textContent);
  await page.click('dialog.message button');
  await page.waitForFunction(() => !document.querySelector('dialog.message').open);
  return text;
}

/** Lets the page download into a folder of the test's own; `next()` gives the next file's bytes. */
async function downloads(t) {
  const dir = mkdtempSync(join(tmpdir(), 'rotacle-downloads-'));
  const cdp = await t.browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allowAndName', downloadPath: dir, eventsEnabled: true });
  let waiting = [];
  cdp.on('Browser.downloadProgress', (e) => {
    if (e.state !== 'completed') return;
    const file = join(dir, e.guid);
    for (const w of waiting) w(readFileSync(file));
    waiting = [];
  });
  return {
    next: () => new Promise((resolve, reject) => {
      waiting.push(resolve);
      setTimeout(() => reject(new Error('no download came')), 15000).unref();
    }),
    count: () => readdirSync(dir).length,
    close: () => rmSync(dir, { recursive: true, force: true }),
  };
}

/** Drops a file of `bytes` named `name` on the page, as a drag from the desktop does. */
function drop(page, name, bytes) {
  return page.evaluate((name, data) => {
    const dt = new DataTransfer();
    dt.items.add(new File([new Uint8Array(data)], name));
    const target = document.querySelector('.table') ?? document.body;
    target.dispatchEvent(new DragEvent('dragover', { dataTransfer: dt, bubbles: true, cancelable: true }));
    target.dispatchEvent(new DragEvent('drop', { dataTransfer: dt, bubbles: true, cancelable: true }));
  }, name, [...bytes]);
}

async function pick(page, selector, file) {
  const [chooser] = await Promise.all([page.waitForFileChooser(), page.click(selector)]);
  await chooser.accept([file]);
}

test('number files by picker and by drop are imported, a bad one refused, and the history downloads as it stands', async () => {
  const t = await openTable();
  const dir = mkdtempSync(join(tmpdir(), 'rotacle-files-'));
  const got = await downloads(t);
  try {
    await settled(t.page);
    const file = join(dir, 'series.txt');
    writeFileSync(file, CRLF([17, 0, 32]));
    await t.page.click('[data-control="Image_Import"]');
    await settled(t.page);
    await pick(t.page, '.import-panel [data-command="load-file"]', file);
    await t.page.waitForFunction(() => globalThis.rotacle.last.view.panel.listed === 3);
    assert.equal(await t.page.$eval('.import-panel .process', (b) => b.textContent), 'IMPORT (3)');
    await t.page.click('.import-panel .process');
    await settled(t.page);
    assert.equal((await view(t.page)).history, 3);
    assert.equal(await t.page.$eval('.import-panel', (p) => p.hidden), true);

    let download = got.next();
    await t.page.click('[data-command="export"]');
    assert.equal((await download).toString('latin1'), CRLF([17, 0, 32]));

    // A file whose third line is no number: told which line, the history kept.
    await drop(t.page, 'bad.txt', Buffer.from('5\r\n6\r\n\r\n7\r\n'));
    assert.match(await said(t.page), /^Line 3: /);
    assert.equal((await view(t.page)).history, 3);

    // A dropped file opens the panel and is offered for IMPORT; the question
    // before the history is replaced is the desktop's.
    const series = readFileSync(new URL('../../tests/data/spins/series1.txt', import.meta.url));
    const count = series.toString('latin1').split(/\r\n|\n|\r/).filter((l) => l !== '').length;
    await drop(t.page, 'series1.txt', series);
    await t.page.waitForFunction((n) => globalThis.rotacle.last.view.panel.listed === n, {}, count);
    await t.page.click('.import-panel .process');
    await t.page.waitForSelector('dialog.message[open]');
    assert.equal(await t.page.$eval('#message-text', (p) => p.textContent),
      `Import ${count} numbers? They replace the history of 3 numbers; the bankroll stays.`);
    await t.page.click('dialog.message button[data-answer="yes"]');
    await t.page.waitForFunction((n) => globalThis.rotacle.last.view.history === n, { timeout: 10000 }, count);
    await settled(t.page);
    download = got.next();
    await t.page.click('[data-command="export"]');
    assert.equal((await download).toString('latin1'), CRLF(series.toString('latin1').split(/\r\n|\n|\r/).filter((l) => l !== '')));
    await t.close();
  } finally {
    got.close();
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a settings file is loaded and saved byte for byte', async () => {
  const t = await openTable();
  const dir = mkdtempSync(join(tmpdir(), 'rotacle-files-'));
  const got = await downloads(t);
  try {
    await settled(t.page);
    // A settings file as the program saves it, with a comment in the
    // system's single-byte code page: not UTF-8, kept as it is.
    const saved = got.next();
    await t.page.click('[data-command="save-settings"]');
    const fresh = await saved;
    assert.match(fresh.toString('latin1'), /^(.*\r\n){31}$/);
    const lines = fresh.toString('latin1').split('\r\n');
    lines[0] = '//r\xe9glages';
    const file = join(dir, 'mine.rtk');
    const bytes = Buffer.from(lines.join('\r\n'), 'latin1');
    writeFileSync(file, bytes);
    await pick(t.page, '[data-command="load-settings"]', file);
    await settled(t.page);
    assert.equal(await t.page.$eval('dialog.message', (d) => d.open), false, 'no message');
    const again = got.next();
    await t.page.click('[data-command="save-settings"]');
    assert.deepEqual(await again, bytes);

    // A file beyond the settings limit is refused with the game's message, the settings kept.
    await drop(t.page, 'huge.rtk', Buffer.alloc(1024 * 1024 + 10, 0x31));
    assert.match(await said(t.page), /^Cannot open file ".*huge\.rtk"\. File too large \(more than 1 MB\)/);
    const kept = got.next();
    await t.page.click('[data-command="save-settings"]');
    assert.deepEqual(await kept, bytes);
    await t.close();
  } finally {
    got.close();
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a pasted page is read without running a script or loading anything, with the desktop messages', async () => {
  const t = await openTable();
  try {
    await settled(t.page);
    await t.page.click('[data-control="Image_Import"]');
    await settled(t.page);
    const before = t.server.state.requests.length;
    const paste = (html) => t.page.evaluate((html) => {
      const dt = new DataTransfer();
      dt.setData('text/html', html);
      document.body.dispatchEvent(new ClipboardEvent('paste', { clipboardData: dt, bubbles: true, cancelable: true }));
    }, html);
    const hostile = `<!doctype html><html><head>
      <meta http-equiv="refresh" content="0;url=/probe-refresh">
      <base href="http://example.com/">
      <link rel="stylesheet" href="/probe.css"><link rel="prefetch" href="/probe-prefetch">
      <style>@import url(/probe-import.css); body { background: url(/probe-bg.png); }</style>
      <script>parent.document.title = 'ran'; fetch('/probe-fetch');</script>
      </head><body onload="parent.document.title = 'ran'">
      <img src="/probe.png" onerror="parent.document.title = 'ran'">
      <img src="http://example.com/x.png"><iframe src="/probe-frame"></iframe>
      <object data="/probe-object"></object><video src="/probe.mp4" poster="/probe-poster.png"></video>
      <svg><image href="/probe-svg.png"></image></svg>
      <noscript><div>7</div></noscript>
      <div>17</div><div>5</div><div>32x</div><span>2</span><span>9</span>
      </body></html>`;
    await paste(hostile);
    await t.page.waitForFunction(() => globalThis.rotacle.last.view.panel.listed > 0, { timeout: 10000 });
    // The spans stand on one line as a browser lays them out; the last line is entered first.
    await t.page.click('.import-panel .process');
    await settled(t.page);
    const history = await t.page.evaluate(async () => {
      await globalThis.rotacle.do('export /files/check.txt');
      return new TextDecoder().decode(globalThis.rotacle.face.readFile('/files/check.txt'));
    });
    assert.equal(history, CRLF([29, 3, 5, 17]));
    assert.equal(await t.page.title(), 'Rotacle 8.0');
    assert.deepEqual(t.server.state.requests.slice(before).filter((p) => p.includes('probe')), []);
    assert.equal(await t.page.$$eval('iframe', (f) => f.length), 0, 'the frame is gone');

    // The desktop's messages: a page without numbers, a page above 16 MB.
    await t.page.click('[data-control="Image_Import"]');
    await settled(t.page);
    await paste('<p>no numbers here</p>');
    assert.equal(await said(t.page), 'The pasted page holds no roulette numbers: nothing to import.');
    await t.page.evaluate(() => {
      const dt = new DataTransfer();
      dt.setData('text/html', `<div>7</div>${' '.repeat(16 * 1024 * 1024)}`);
      document.body.dispatchEvent(new ClipboardEvent('paste', { clipboardData: dt, bubbles: true, cancelable: true }));
    });
    assert.equal(await said(t.page, 20000),
      'The page cannot be read: it holds 16777228 bytes, more than the limit of 16 MB (16777216 bytes).');
    assert.equal((await view(t.page)).history, 4);
    await t.close();
  } catch (e) {
    await t.close().catch(() => undefined);
    throw e;
  }
});
