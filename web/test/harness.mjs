// What every end-to-end test of the browser edition shares: the built site
// served on 127.0.0.1 by a small static server of the test's own, Debian's
// Chromium started headless through puppeteer-core, and a page whose every
// request is looked at: one that would leave the page's origin is refused
// and recorded, and `close` fails the test when there was one.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import puppeteer from 'puppeteer-core';

const here = dirname(fileURLToPath(import.meta.url));
/** The site under test (scripts/test-web builds it). */
export const SITE = resolve(process.env.ROTACLE_WEB_SITE ?? join(here, '..', '..', 'build-web'));
export const CHROMIUM = process.env.CHROMIUM ?? '/usr/bin/chromium';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.json': 'application/json',
  '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png',
};

/**
 * Serves `root` on 127.0.0.1 at a free port; `offline` answers nothing
 * (network off). With `maxAge` (seconds) the browser may keep the files that
 * long without asking again (a warm cache); by default it asks every time.
 */
export async function serve(root = SITE, { maxAge = 0 } = {}) {
  const state = { offline: false, requests: [] };
  const server = createServer(async (req, res) => {
    const path = decodeURIComponent(new URL(req.url ?? '/', 'http://x').pathname);
    state.requests.push(path);
    if (state.offline) { req.socket.destroy(); return; }
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root)) { res.writeHead(403).end(); return; }
    try {
      if (!(await stat(file)).isFile()) throw new Error('not a file');
      res.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream', 'Cache-Control': maxAge > 0 ? `max-age=${maxAge}` : 'no-cache' });
      res.end(await readFile(file));
    } catch {
      res.writeHead(404).end();
    }
  });
  await new Promise((ok) => server.listen(0, '127.0.0.1', ok));
  const { port } = server.address();
  return { origin: `http://127.0.0.1:${port}`, state, close: () => new Promise((ok) => server.close(ok)) };
}

/** Debian's Chromium, headless, with a fresh profile and none of its own network traffic. */
export async function launch(extraArgs = []) {
  const profile = mkdtempSync(join(tmpdir(), 'rotacle-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    // A long evaluate (a risk run) on a loaded machine: the tests' own
    // timeouts decide, not the protocol's default of three minutes.
    protocolTimeout: 10 * 60 * 1000,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', ...extraArgs],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => { await close(); rmSync(profile, { recursive: true, force: true }); };
  return browser;
}

/**
 * Opens the table in a new page of `browser` (one is started when none is
 * given). Every request that would leave `origin` is aborted and kept in
 * `offsite`; `close()` throws when it holds any.
 */
export async function openTable({ browser, server, viewport = { width: 1280, height: 900 }, path = '/' } = {}) {
  const ownServer = !server;
  server ??= await serve();
  const ownBrowser = !browser;
  browser ??= await launch();
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const offsite = [];
  const errors = [];
  await page.setRequestInterception(true);
  page.on('request', (r) => {
    const url = r.url();
    if (url.startsWith(server.origin + '/') || url.startsWith('data:') || url.startsWith('blob:') || url === 'about:blank' || url === 'about:srcdoc') {
      r.continue();
    } else {
      offsite.push(url);
      r.abort('blockedbyclient');
    }
  });
  page.on('pageerror', (e) => errors.push(e.message));
  await page.goto(server.origin + path);
  await page.waitForSelector('html[data-ready="1"]', { timeout: 20000 });
  return {
    page, browser, server, offsite, errors,
    async close() {
      await page.close();
      if (ownBrowser) await browser.close();
      if (ownServer) await server.close();
      if (offsite.length) throw new Error(`requests left the page's origin: ${offsite.join(', ')}`);
      if (errors.length) throw new Error(`errors in the page: ${errors.join('; ')}`);
    },
  };
}

/** Resolves when the page's table has run every request sent so far. */
export function settled(page) {
  return page.evaluate(() => globalThis.rotacle.idle());
}

/**
 * Starts counting the table's answers in `page`, so that `played` can tell
 * when a number has been played, its progress run has ended and the values
 * have been shown. Call it once after `openTable`.
 */
export async function watchPlay(page) {
  await page.evaluate(() => {
    if (globalThis.rotacleWatch) return;
    const w = { answers: 0, spins: 0, lastAction: 0, shown: 0 };
    globalThis.rotacleWatch = w;
    globalThis.rotacle.listen((answer, request) => {
      w.answers += 1;
      // A number clicked or typed reaches the game as "spin N".
      if ('do' in request && /^spin \d+$/.test(request.do)) w.spins += 1;
      if (!('tick' in request) && !('view' in request)) w.lastAction = w.answers;
      // The values are shown on the first tick of the display timer (0)
      // after the run has ended and no number waits any more.
      if ('tick' in request && request.tick === 0 && !answer.view.progressRun && answer.view.keys.waiting.length === 0)
        w.shown = w.answers;
    });
  });
}

/** The numbers played so far ("spin N" requests answered) since `watchPlay`. */
export function spins(page) {
  return page.evaluate(() => globalThis.rotacleWatch.spins);
}

/**
 * Resolves once `count` numbers have been played and the display timer has
 * shown the values after the last action with no run under way: what a
 * player sees when the table has come to rest. `watchPlay` must run first.
 */
export async function played(page, count, timeout = 15000) {
  await page.waitForFunction(
    (n) => { const w = globalThis.rotacleWatch; return w.spins >= n && w.shown > w.lastAction; },
    { timeout, polling: 5 }, count);
  await settled(page);
}
