// Renders the program's icon (ui/rotacle.svg) to the PNG sizes the web app
// manifest names (web/static/icons/rotacle-SIZE.png) with Debian's Chromium.
// Run after changing the icon; the PNGs are kept in the repository so that
// the build needs no browser.
//
//   node tools/icons.mjs
import { readFileSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
/** The table's felt, the manifest's theme colour. */
const FELT = '#0b5d2a';
const svg = readFileSync(join(web, '..', 'ui', 'rotacle.svg'), 'utf8');
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
try {
  const page = await browser.newPage();
  const data = `data:image/svg+xml;base64,${Buffer.from(svg).toString('base64')}`;
  // The icon whole on a clear ground; and for the systems that cut icons to
  // their own shape (maskable), the wheel inside the middle 80 % on the felt.
  for (const [name, size, ground, inner] of [
    ['rotacle', 192, 'transparent', 1],
    ['rotacle', 512, 'transparent', 1],
    ['rotacle-maskable', 192, FELT, 0.78],
    ['rotacle-maskable', 512, FELT, 0.78],
  ]) {
    const wheel = Math.round(size * inner);
    await page.setViewport({ width: size, height: size });
    await page.setContent(`<style>html,body{margin:0;width:${size}px;height:${size}px;background:${ground};display:grid;place-items:center}</style>` +
      `<img src="${data}" width="${wheel}" height="${wheel}">`);
    await page.waitForFunction(() => document.images[0]?.complete);
    writeFileSync(join(web, 'static', 'icons', `${name}-${size}.png`), await page.screenshot({ omitBackground: ground === 'transparent' }));
  }
} finally {
  await browser.close();
}
