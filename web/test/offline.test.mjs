// Offline and installable: after one visit the table opens and plays with the
// host gone; a new build waits for the next start, a host holding files of
// two builds is never taken for one, and no page shows files of two builds.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { appendFileSync, cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { SITE, launch, openTable, serve, settled } from './harness.mjs';
import { stampBuild } from '../tools/stamp.mjs';

/** Resolves when the page's service worker has stored its build and is in force. */
function workerInForce(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    const worker = registration.active;
    if (worker.state !== 'activated') await new Promise((ok) => worker.addEventListener('statechange', () => worker.state === 'activated' && ok()));
  });
}

test('with the host gone, the first page goes on and the next visit opens and plays; the table is installable', async () => {
  const server = await serve();
  const browser = await launch();
  try {
    const t = await openTable({ browser, server });
    await workerInForce(t.page);
    const cdp = await t.page.createCDPSession();
    const manifest = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifest.errors, []);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    server.state.offline = true;
    const before = server.state.requests.length;
    // The page of the first visit, taken in by the worker, reads what it had not loaded yet.
    await t.page.waitForFunction(() => navigator.serviceWorker.controller);
    const loaded = await t.page.evaluate(async () => {
      const i18n = await import('./i18n.js');
      const out = [];
      for (const { code } of i18n.LANGUAGES) out.push(await i18n.loadLanguage(code));
      return out;
    });
    assert.deepEqual(loaded, ['en', 'it', 'de', 'fr', 'es', 'nl', 'pl', 'pt_BR']);

    await t.page.reload();
    await t.page.waitForSelector('html[data-ready="1"]', { timeout: 20000 });
    for (const n of [7, 26, 13]) {
      await t.page.evaluate((n) => globalThis.rotacle.do(`spin ${n}`), n);
      await t.page.waitForFunction(() => !globalThis.rotacle.last.view.progressRun, { timeout: 10000 });
      await settled(t.page);
    }
    assert.equal(await t.page.evaluate(() => globalThis.rotacle.last.view.history), 3);
    // Only the browser's look for a new worker went to the host.
    assert.deepEqual([...new Set(server.state.requests.slice(before))].filter((p) => p !== '/sw.js'), []);
    await t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

/** A copy of the site under test as its own build, marked `mark` in its page, script and style. */
function markedBuild(dir, mark) {
  cpSync(SITE, dir, { recursive: true });
  const index = join(dir, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('</head>', `<meta name="test-build" content="${mark}">\n</head>`));
  appendFileSync(join(dir, 'main.js'), `\nglobalThis.testBuild = '${mark}';\n`);
  appendFileSync(join(dir, 'style.css'), `\n:root { --test-build: '${mark}'; }\n`);
  return stampBuild(dir, '0').version;
}

/** Every mark of the page's build: its page, script, style, version and the worker in force. */
function marks(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    const channel = new MessageChannel();
    const worker = new Promise((ok) => { channel.port1.onmessage = (e) => ok(e.data); });
    registration.active.postMessage({ type: 'version' }, [channel.port2]);
    return {
      html: document.querySelector('meta[name="test-build"]')?.content,
      script: globalThis.testBuild,
      style: getComputedStyle(document.documentElement).getPropertyValue('--test-build').trim().replace(/'/g, ''),
      version: document.documentElement.dataset.build,
      worker: await worker,
      waiting: Boolean(registration.waiting),
    };
  });
}

/** Asks for a new worker and waits until the browser has tried to install it. */
function lookForUpdate(page) {
  return page.evaluate(async () => {
    const registration = await navigator.serviceWorker.ready;
    await registration.update().catch(() => undefined);
    while (registration.installing) await new Promise((ok) => setTimeout(ok, 50));
  });
}

test('a new build waits for the next start, a half-uploaded one is refused, and no page mixes two builds', async () => {
  const root = mkdtempSync(join(tmpdir(), 'rotacle-builds-'));
  const live = join(root, 'live');
  const A = markedBuild(join(root, 'a'), 'A');
  const B = markedBuild(join(root, 'b'), 'B');
  const upload = (build, ...names) => { for (const n of names) cpSync(join(root, build, n), join(live, n)); };
  const replace = (build) => {
    rmSync(live, { recursive: true, force: true });
    cpSync(join(root, build), live, { recursive: true });
  };
  const buildA = { html: 'A', script: 'A', style: 'A', version: A, worker: A };
  replace('a');
  const server = await serve(live);
  const browser = await launch();
  try {
    let t = await openTable({ browser, server });
    await workerInForce(t.page);
    assert.deepEqual(await marks(t.page), { ...buildA, waiting: false });
    await t.close();

    // The host half-way through an upload: the new worker and page, the old script and style.
    upload('b', 'sw.js', 'index.html');
    t = await openTable({ browser, server });
    await lookForUpdate(t.page);
    assert.deepEqual(await marks(t.page), { ...buildA, waiting: false });
    await t.close();

    // The upload whole: the new build is stored and waits while a page of the old one is open.
    replace('b');
    t = await openTable({ browser, server });
    await lookForUpdate(t.page);
    assert.deepEqual(await marks(t.page), { ...buildA, waiting: true });
    await t.page.waitForSelector('.offline-notice:not([hidden])');
    assert.match(await t.page.$eval('.offline-notice', (e) => e.textContent), /next time you open/);
    await t.close();

    // The next start is the new build, whole, and the old one is gone from the browser.
    t = await openTable({ browser, server });
    assert.deepEqual(await marks(t.page), { html: 'B', script: 'B', style: 'B', version: B, worker: B, waiting: false });
    const stores = await t.page.evaluate(() => caches.keys());
    assert.deepEqual(stores.filter((n) => n.startsWith('rotacle-build-')), [`rotacle-build-${B}`]);
    await t.close();
  } finally {
    await browser.close();
    await server.close();
    rmSync(root, { recursive: true, force: true });
  }
});
