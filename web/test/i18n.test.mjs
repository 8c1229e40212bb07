// The page's languages: the browser's language by default and the player's
// choice over it, the game's errors worded as the desktop words them, and
// every text the page looks up translated in every language, in a way the
// desktop's lupdate keeps.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { runInNewContext } from 'node:vm';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { launch, openTable, serve } from './harness.mjs';
import { readTs } from '../tools/translations.mjs';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const repo = resolve(web, '..');
const translations = join(repo, 'translations');
const tsFiles = readdirSync(translations).filter((f) => /^rotacle_.+\.ts$/.test(f));

test('the browser\'s language by default, the player\'s choice over it, errors worded as the desktop words them', async () => {
  // Japanese first, which the page does not speak; then Portugal's Portuguese, which it speaks as Brazil's.
  const browser = await launch(['--lang=ja', '--accept-lang=ja,pt-PT,en']);
  const server = await serve();
  try {
    // A bad line whose text holds a placeholder: the values are filled in once, never read as a pattern.
    const importBadFile = async (page) => page.evaluate(async () => {
      await globalThis.rotacle.send({ file: { path: '/bad.txt', data: '5\n%2 x\n' } });
      const answer = await globalThis.rotacle.do('import-file /bad.txt');
      return { lang: document.documentElement.lang, text: answer.message };
    });
    let t = await openTable({ browser, server });
    assert.deepEqual(await importBadFile(t.page), { lang: 'pt-BR', text: "Linha 2: '%2 x' não é um número inteiro válido" });
    await t.page.evaluate(async () => (await import('./i18n.js')).storeLanguage('de'));
    await t.close();

    t = await openTable({ browser, server });
    assert.deepEqual(await importBadFile(t.page), { lang: 'de', text: "Zeile 2: '%2 x' ist keine gültige ganze Zahl" });
    // A list item with its count, and a text the game words no further.
    const de = readTs(readFileSync(join(translations, 'rotacle_de.ts'), 'utf8')).messages;
    assert.deepEqual(await t.page.evaluate(async () => {
      const { worded, wordMessage } = await import('./i18n.js');
      return [worded('IMPORT (12)'), worded('Losses In A Row'), wordMessage({ pattern: '%1', args: ['100%'] })];
    }), [de.List['IMPORT (%1)'].replace('%1', '12'), de.List['Losses In A Row'], '100%']);
    await t.close();
  } finally {
    await browser.close();
    await server.close();
  }
});

/** Every t(context, 'source') of the page's code, as [context, source]. */
function pageTexts() {
  const out = new Map();
  const literal = String.raw`'(?:[^'\\]|\\.)*'|"(?:[^"\\]|\\.)*"|\x60[^\x60$\\]*\x60`;
  const call = new RegExp(String.raw`\bt\(\s*(${literal})\s*,\s*(${literal})`, 'g');
  // A string literal of the page's own code, read as JavaScript reads it.
  const unquote = (literal) => runInNewContext(literal);
  for (const file of readdirSync(join(web, 'src')).filter((f) => f.endsWith('.ts'))) {
    for (const m of readFileSync(join(web, 'src', file), 'utf8').matchAll(call)) {
      const [context, source] = [unquote(m[1]), unquote(m[2])];
      out.set(`${context}\0${source}`, [context, source, file]);
    }
  }
  return [...out.values()];
}

/** The translations of each .ts file in `dir`, by language. */
function languagesIn(dir) {
  return Object.fromEntries(tsFiles.map((f) => {
    const { language, messages } = readTs(readFileSync(join(dir, f), 'utf8'));
    return [language, messages];
  }));
}

/** Each text of `texts` that some language in `dir` lacks, as "lang: context / source". */
function untranslated(dir, texts) {
  const missing = [];
  for (const [language, messages] of Object.entries(languagesIn(dir)))
    for (const [context, source, file] of texts)
      if (!messages[context]?.[source]) missing.push(`${language}: ${context} / ${source} (${file})`);
  return missing;
}

test('every text the page looks up is translated in every language, and means one thing there', () => {
  const texts = pageTexts();
  assert.ok(texts.some(([c]) => c === 'Web'), 'the scan finds the page\'s own texts');
  assert.deepEqual(untranslated(translations, texts), []);
  // The desktop's check of its window reads a text by its source alone: a
  // source listed in two contexts must read the same in both.
  for (const [language, messages] of Object.entries(languagesIn(translations))) {
    const seen = new Map();
    for (const [context, texts] of Object.entries(messages))
      for (const [source, text] of Object.entries(texts)) {
        if (seen.has(source) && seen.get(source).text !== text && (context === 'Web' || seen.get(source).context === 'Web'))
          assert.fail(`${language}: "${source}" reads "${text}" in ${context} and "${seen.get(source).text}" in ${seen.get(source).context}`);
        seen.set(source, { context, text });
      }
  }
});

const lupdate = ['/usr/lib/qt6/bin/lupdate', '/usr/bin/lupdate'].find((p) => existsSync(p));

test('the desktop\'s lupdate keeps every text of the page in the translation files', { skip: !lupdate && 'lupdate is not installed' }, () => {
  const copy = mkdtempSync(join(tmpdir(), 'rotacle-ts-'));
  try {
    for (const f of tsFiles) cpSync(join(translations, f), join(copy, f));
    // As the desktop's update_translations runs it over the window's sources.
    execFileSync(lupdate, ['-silent', join(repo, 'ui'), '-ts', ...tsFiles.map((f) => join(copy, f)), '-no-obsolete', '-locations', 'none'],
      { stdio: ['ignore', 'ignore', 'pipe'] });
    assert.deepEqual(untranslated(copy, pageTexts()), []);
  } finally {
    rmSync(copy, { recursive: true, force: true });
  }
});
