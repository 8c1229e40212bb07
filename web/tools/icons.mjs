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
const svg = readFileSync(join(web, '..', 'ui', 'rotacle.svg'), 'utf8');
const browser = await puppeteer.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking'],
});
try {
  const page = await browser.newPage();
  for (const size of [192, 512]) {
    await page.setViewport({ width: size, height: size });
    const data = `data:image/svg+xml;base64,${Buffer.from(svg).toString('base64')}`;
    await page.setContent(`<style>html,body{margin:0;background:transparent}</style><img src="${data}" width="${size}" height="${size}">`);
    await page.waitForFunction(() => document.images[0]?.complete);
    writeFileSync(join(web, 'static', 'icons', `rotacle-${size}.png`), await page.screenshot({ omitBackground: true }));
  }
} finally {
  await browser.close();
}
