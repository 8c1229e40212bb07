// Screenshots of the browser edition for the documentation: the table in a
// desktop browser's window and the phone's portrait column, each after a few
// real numbers clicked, so that a proposal, a stake and the strip show.
//
//   node bench/web-screenshots.mjs [--site DIR] [--out DIR]
// writes OUT/screenshot-web.png and OUT/screenshot-web-phone.png (OUT: docs).
import { readFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';
import { launch, openTable, played, serve, SITE, spins, watchPlay } from '../web/test/harness.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const { values: opt } = parseArgs({ options: { site: { type: 'string', default: SITE }, out: { type: 'string', default: join(root, 'docs') } } });
const series = readFileSync(join(root, 'tests', 'data', 'spins', 'series1.txt'), 'utf8').split(/\r?\n/).filter(Boolean).map(Number).slice(0, 12);

const layouts = [
  { file: 'screenshot-web.png', viewport: { width: 1024, height: 720 }, fullPage: false },
  { file: 'screenshot-web-phone.png', viewport: { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 }, fullPage: true },
];

const server = await serve(resolve(opt.site));
const browser = await launch(['--lang=en-US']);
try {
  for (const layout of layouts) {
    const table = await openTable({ browser, server, viewport: layout.viewport });
    try {
      await watchPlay(table.page);
      let count = await spins(table.page);
      for (const n of series) {
        if (layout.viewport.hasTouch) await table.page.tap(`[data-number="${n}"]`);
        else await table.page.click(`[data-number="${n}"]`);
        await played(table.page, ++count);
      }
      // Nothing focused: no focus ring in the picture.
      await table.page.evaluate(() => (document.activeElement instanceof HTMLElement ? document.activeElement.blur() : undefined));
      const path = join(resolve(opt.out), layout.file);
      await table.page.screenshot({ path, fullPage: layout.fullPage });
      console.log(path);
    } finally {
      await table.close();
    }
  }
} finally {
  await browser.close();
  await server.close();
}
