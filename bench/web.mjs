// The browser edition's figures, measured on this machine and printed as a
// table (bench/web builds the site first):
//   - the transfer size of a first visit: every file of the site compressed
//     (gzip -9 and brotli), and the files the first page load asks for;
//   - first paint and time to a playable table in headless Chromium, from a
//     warm cache (the files kept by the browser), median of several loads;
//   - a click on the board to the next proposal shown, including the
//     progress run, against the run's own time (its ticks times its interval);
//   - risk sessions per second in 2 Web Workers against the native
//     `rotacle-sim risk --jobs 2` on the same settings, seed and sessions.
//
//   node bench/web.mjs [--site DIR] [--sim PATH] [--loads N] [--clicks N] [--sessions N] [--json FILE]
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { cpus, loadavg, tmpdir } from 'node:os';
import { dirname, join, relative, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';
import { constants, brotliCompressSync, gzipSync } from 'node:zlib';
import { launch, serve, SITE } from '../web/test/harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const { values: opt } = parseArgs({
  options: {
    site: { type: 'string', default: SITE },
    sim: { type: 'string', default: join(root, process.env.BUILD_DIR ?? 'build', 'tools', 'rotacle-sim') },
    loads: { type: 'string', default: '7' },
    clicks: { type: 'string', default: '20' },
    sessions: { type: 'string', default: '20000' },
    json: { type: 'string' },
  },
});
const site = resolve(opt.site);
const FRAME_MS = 1000 / 60;

const finite = (xs) => xs.filter((x) => typeof x === 'number' && Number.isFinite(x));
const median = (xs) => { const s = finite(xs).sort((a, b) => a - b); if (!s.length) return NaN; const m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const quantile = (xs, q) => { const s = finite(xs).sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.floor(q * s.length))]; };
const kb = (n) => `${(n / 1024).toFixed(1)} KiB`;
const ms = (n) => (typeof n === 'number' && Number.isFinite(n) ? `${n.toFixed(1)} ms` : 'n/a');

function files(dir) {
  return readdirSync(dir, { withFileTypes: true }).flatMap((d) => {
    const p = join(dir, d.name);
    return d.isDirectory() ? files(p) : d.isFile() ? [p] : [];
  });
}

/** Every file of the site with its size plain, gzip -9 and brotli (quality 11). */
function sizes() {
  return files(site).map((file) => {
    const data = readFileSync(file);
    return {
      path: '/' + relative(site, file).split('\\').join('/'),
      plain: data.length,
      gzip: gzipSync(data, { level: 9 }).length,
      brotli: brotliCompressSync(data, { params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: data.length } }).length,
    };
  });
}

/** A page that records when the table became playable (html[data-ready]) and every request it makes. */
async function newPage(browser, origin) {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  const offsite = [];
  page.on('request', (r) => { if (!r.url().startsWith(origin + '/') && !/^(data|blob|about):/.test(r.url())) offsite.push(r.url()); });
  await page.evaluateOnNewDocument(() => {
    const mark = () => { if (document.documentElement.dataset['ready'] === '1' && globalThis.rotacleReadyAt === undefined) globalThis.rotacleReadyAt = performance.now(); };
    new MutationObserver(mark).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
  });
  return { page, offsite };
}

async function timings(page) {
  await page.waitForSelector('html[data-ready="1"]', { timeout: 30000 });
  // The paint entries, waited for a little while: the first contentful
  // paint may come a frame or two after the table became playable.
  return page.evaluate(() => new Promise((done) => {
    const paint = {};
    const finish = () => done({ firstPaint: paint['first-paint'] ?? NaN, firstContentfulPaint: paint['first-contentful-paint'] ?? NaN, playable: globalThis.rotacleReadyAt });
    const seen = new PerformanceObserver((list) => {
      for (const e of list.getEntries()) paint[e.name] = e.startTime;
      if ('first-contentful-paint' in paint) { seen.disconnect(); finish(); }
    });
    seen.observe({ type: 'paint', buffered: true });
    setTimeout(() => { seen.disconnect(); finish(); }, 2000);
  }));
}

/** First visit (cold) and `loads` visits from a warm cache: paint and playable times. */
async function loadTimes(loads) {
  const server = await serve(site, { maxAge: 3600 });
  const browser = await launch();
  try {
    const cold = await newPage(browser, server.origin);
    await cold.page.goto(server.origin + '/');
    const first = await timings(cold.page);
    // Let a service worker, if the site has one, finish its install.
    await new Promise((ok) => setTimeout(ok, 1000));
    const requested = [...new Set(server.state.requests)];
    await cold.page.close();
    const warm = [];
    const offsite = [...cold.offsite];
    for (let k = 0; k < loads; ++k) {
      const before = server.state.requests.length;
      const p = await newPage(browser, server.origin);
      await p.page.goto(server.origin + '/');
      const t = await timings(p.page);
      warm.push({ ...t, asked: server.state.requests.length - before });
      offsite.push(...p.offsite);
      await p.page.close();
    }
    return { first, warm, requested, offsite };
  } finally {
    await browser.close();
    await server.close();
  }
}

/**
 * Clicks numbers on the board, each after the table has come to rest, and
 * measures from the click to the frame that shows the next proposal. The
 * run's own time is its ticks times its timer's interval, counted by the page.
 */
async function clickTimes(clicks) {
  const server = await serve(site);
  const browser = await launch();
  try {
    const { page, offsite } = await newPage(browser, server.origin);
    await page.goto(server.origin + '/');
    await page.waitForSelector('html[data-ready="1"]', { timeout: 30000 });
    await page.evaluate(() => {
      const m = { clickAt: 0, ticks: 0, interval: 0, running: false, results: [] };
      globalThis.rotacleBench = m;
      document.addEventListener('click', () => { m.clickAt = performance.now(); m.ticks = 0; m.running = false; }, true);
      globalThis.rotacle.listen((answer, request) => {
        const v = answer.view;
        if ('do' in request && v.progressRun) m.running = true;
        // Timers 1 to 5 are the game modes' progress runs.
        if ('tick' in request && request.tick >= 1 && request.tick <= 5) {
          m.ticks += 1;
          m.interval = answer.timers[request.tick][1];
        }
        if (m.running && !v.progressRun) {
          m.running = false;
          const proposed = v.chips.some(Boolean);
          const entry = { ticks: m.ticks, interval: m.interval, answered: performance.now() - m.clickAt, proposed };
          requestAnimationFrame(() => { entry.shown = performance.now() - m.clickAt; m.results.push(entry); });
        }
      });
    });
    // Real numbers: the beginning of a real series, the first ones without a run.
    const series = readFileSync(join(root, 'tests', 'data', 'spins', 'series1.txt'), 'utf8').split(/\r?\n/).filter(Boolean).map(Number);
    let runs = 0;
    for (let k = 0; runs < clicks && k < series.length; ++k) {
      const before = await page.evaluate(() => globalThis.rotacleBench.results.length);
      await page.click(`[data-number="${series[k]}"]`);
      const ran = await page.evaluate(() => globalThis.rotacleBench.running);
      if (ran) {
        await page.waitForFunction((n) => globalThis.rotacleBench.results.length > n, { timeout: 20000, polling: 5 }, before);
        runs += 1;
      }
      await page.evaluate(() => globalThis.rotacle.idle());
      // A player's pause, so that no click lands on a locked board.
      await new Promise((ok) => setTimeout(ok, 30));
    }
    const results = await page.evaluate(() => globalThis.rotacleBench.results);
    await page.close();
    if (offsite.length) throw new Error(`requests left the page's origin: ${offsite.join(', ')}`);
    return results;
  } finally {
    await browser.close();
    await server.close();
  }
}

/** The same risk run in the page's 2 workers and in the native driver with 2 jobs, each the best of 3. */
async function riskTimes(sessions) {
  const server = await serve(site);
  const browser = await launch();
  const tmp = mkdtempSync(join(tmpdir(), 'rotacle-bench-'));
  try {
    const { page } = await newPage(browser, server.origin);
    await page.goto(server.origin + '/');
    await page.waitForSelector('html[data-ready="1"]', { timeout: 30000 });
    const has = await page.evaluate(() => typeof globalThis.rotacleRisk?.run === 'function');
    if (!has) return { missing: 'the page has no risk runs in workers (globalThis.rotacleRisk.run)' };
    const setup = await page.evaluate(() => globalThis.rotacleRisk.setup());
    const settings = join(tmp, 'table.rtk');
    writeFileSync(settings, setup.settings);
    const args = { sessions, bankroll: setup.bankroll, target: '100', spinsMax: 1000, seed: '1', zeroRule: setup.partage ? 'partage' : 'none', system: 'settings' };
    const web = [];
    let webText = '';
    for (let k = 0; k < 3; ++k) {
      const r = await page.evaluate((a, s) => globalThis.rotacleRisk.run({ ...a, settings: s }, { workers: 2 }).then((x) => ({ ms: x.ms, played: x.played, text: x.text })), args, setup.settings);
      if (r.played !== sessions) throw new Error(`the page played ${r.played} of ${sessions} sessions`);
      web.push(r.ms);
      webText = r.text;
    }
    const native = [];
    let nativeText = '';
    const simArgs = ['risk', '--settings', settings, '--sessions', String(sessions), '--bankroll', args.bankroll, '--target', args.target,
      '--spins-max', String(args.spinsMax), '--seed', args.seed, '--zero-rule', args.zeroRule, '--system', args.system, '--jobs', '2', '--json', '--no-progress'];
    for (let k = 0; k < 3; ++k) {
      const t0 = performance.now();
      nativeText = execFileSync(opt.sim, simArgs, { encoding: 'utf8' }).trim();
      native.push(performance.now() - t0);
    }
    await page.close();
    return { sessions, webMs: Math.min(...web), nativeMs: Math.min(...native), same: webText.trim() === nativeText };
  } finally {
    await browser.close();
    await server.close();
    rmSync(tmp, { recursive: true, force: true });
  }
}

const report = { machine: `${cpus().length} cores, ${cpus()[0]?.model ?? '?'}`, loadAverage: loadavg()[0] };
if (!existsSync(join(site, 'index.html'))) throw new Error(`${site} has no site: run scripts/web --build-only`);

const all = sizes();
const load = await loadTimes(Number(opt.loads));
const requested = all.filter((f) => load.requested.includes(f.path) || (f.path === '/index.html' && load.requested.includes('/')));
const sum = (xs, k) => xs.reduce((a, f) => a + f[k], 0);
report.transfer = {
  files: all.length, plain: sum(all, 'plain'), gzip: sum(all, 'gzip'), brotli: sum(all, 'brotli'),
  firstLoad: { files: requested.length, plain: sum(requested, 'plain'), gzip: sum(requested, 'gzip'), brotli: sum(requested, 'brotli') },
  largest: [...all].sort((a, b) => b.gzip - a.gzip).slice(0, 3),
};
report.load = {
  cold: load.first,
  warm: {
    firstPaint: median(load.warm.map((w) => w.firstPaint)),
    firstContentfulPaint: median(load.warm.map((w) => w.firstContentfulPaint)),
    playable: median(load.warm.map((w) => w.playable)),
    playableMax: Math.max(...load.warm.map((w) => w.playable)),
    requestsPerLoad: median(load.warm.map((w) => w.asked)),
    loads: load.warm.length,
  },
};
if (load.offsite.length) throw new Error(`requests left the page's origin: ${load.offsite.join(', ')}`);

const clicks = await clickTimes(Number(opt.clicks));
const extra = clicks.map((c) => c.shown - c.ticks * c.interval);
report.click = {
  runs: clicks.length,
  proposals: clicks.filter((c) => c.proposed).length,
  runMs: median(clicks.map((c) => c.ticks * c.interval)),
  shownMs: median(clicks.map((c) => c.shown)),
  extraMedian: median(extra),
  extraP90: quantile(extra, 0.9),
  extraMax: Math.max(...extra),
};

report.risk = existsSync(opt.sim) ? await riskTimes(Number(opt.sessions)) : { missing: `no native driver at ${opt.sim}` };

const rows = [
  ['Transfer, first visit (all files)', `${kb(report.transfer.gzip)} gzip -9, ${kb(report.transfer.brotli)} brotli (${report.transfer.files} files, ${kb(report.transfer.plain)} plain)`, 'at most 1.5 MB'],
  ['  of which the first load asks for', `${kb(report.transfer.firstLoad.gzip)} gzip -9, ${kb(report.transfer.firstLoad.brotli)} brotli (${report.transfer.firstLoad.files} files)`, ''],
  ['First paint, warm cache', `${ms(report.load.warm.firstPaint)} (contentful ${ms(report.load.warm.firstContentfulPaint)}; cold ${ms(report.load.cold.firstPaint)})`, ''],
  ['Playable table, warm cache', `${ms(report.load.warm.playable)} median of ${report.load.warm.loads}, ${ms(report.load.warm.playableMax)} slowest (cold ${ms(report.load.cold.playable)})`, 'under 1 s'],
  ['Click to next proposal shown', `${ms(report.click.shownMs)} median over ${report.click.runs} runs, of which the run ${ms(report.click.runMs)}`, ''],
  ['  beyond the run', `${ms(report.click.extraMedian)} median, ${ms(report.click.extraP90)} p90, ${ms(report.click.extraMax)} max`, `at most one frame (${ms(FRAME_MS)})`],
  report.risk.missing
    ? ['Risk sessions/s, 2 workers', `not measured: ${report.risk.missing}`, 'at least half the native']
    : ['Risk sessions/s, 2 workers', `${(report.risk.sessions / report.risk.webMs * 1000).toFixed(0)} against ${(report.risk.sessions / report.risk.nativeMs * 1000).toFixed(0)} native --jobs 2: ${(report.risk.nativeMs / report.risk.webMs).toFixed(2)} of native; figures ${report.risk.same ? 'equal' : 'DIFFERENT'} (${report.risk.sessions} sessions, best of 3)`, 'at least half the native'],
];
console.log(`Rotacle in the browser, ${report.machine}, load average ${report.loadAverage.toFixed(1)}`);
console.log('| Figure | Measured | Aim |\n| --- | --- | --- |');
for (const [a, b, c] of rows) console.log(`| ${a} | ${b} | ${c} |`);
if (opt.json) writeFileSync(opt.json, JSON.stringify(report, null, 2) + '\n');
