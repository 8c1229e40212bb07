// Converts the desktop's translations (translations/rotacle_LANG.ts, Qt
// Linguist's XML) into what the page's `useTranslation` takes: for each
// language one JSON object, context -> English source -> translation.
// Entries the desktop does not show are left out: empty translations and
// the ones lupdate marked vanished or obsolete. Unfinished ones that hold a
// text stay, as Qt's lrelease keeps them.
//
//   node tools/translations.mjs --from ../translations --out SITE/i18n
import { mkdirSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';

const ENTITIES = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };

/** The text of XML character data: entities and character references resolved. */
export function unescapeXml(text) {
  return text.replace(/&(#x[0-9a-fA-F]+|#[0-9]+|[a-z]+);/g, (whole, name) => {
    if (name[0] === '#') {
      const code = name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10);
      return String.fromCodePoint(code);
    }
    const c = ENTITIES[name];
    if (c === undefined) throw new Error(`unknown XML entity ${whole}`);
    return c;
  });
}

function element(xml, name) {
  // <name>text</name>, <name attrs>text</name> or <name attrs/>
  const m = new RegExp(`<${name}(\\s[^>]*?)?(?:/>|>([\\s\\S]*?)</${name}>)`).exec(xml);
  return m ? { attrs: m[1] ?? '', text: m[2] ?? '' } : undefined;
}

/**
 * Reads one .ts file's text: its language code as the file names it ("de",
 * "pt_BR") and its messages by context and source.
 */
export function readTs(xml) {
  const language = /<TS\b[^>]*\blanguage="([^"]+)"/.exec(xml)?.[1];
  if (!language) throw new Error('not a Qt translation file: no <TS language="...">');
  const messages = {};
  for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = element(body, 'name');
    if (!name) throw new Error('a context without a name');
    const context = unescapeXml(name.text);
    for (const [, message] of body.matchAll(/<message\b[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = element(message, 'source');
      const translation = element(message, 'translation');
      if (!source || !translation) continue;
      const type = /\btype="([^"]*)"/.exec(translation.attrs)?.[1] ?? '';
      if (type === 'vanished' || type === 'obsolete') continue;
      // Plural forms: the page has no text with a count to inflect.
      if (translation.text.includes('<numerusform')) continue;
      const text = unescapeXml(translation.text);
      if (text === '') continue;
      (messages[context] ??= {})[unescapeXml(source.text)] = text;
    }
  }
  return { language, messages };
}

/**
 * Converts every translations/rotacle_LANG.ts in `from` into `out`/LANG.json
 * and returns the language codes, sorted.
 */
export function convertTranslations(from, out) {
  mkdirSync(out, { recursive: true });
  const codes = [];
  for (const name of readdirSync(from).sort()) {
    const m = /^rotacle_(.+)\.ts$/.exec(name);
    if (!m) continue;
    const { language, messages } = readTs(readFileSync(join(from, name), 'utf8'));
    if (language !== m[1]) throw new Error(`${name} says it is in "${language}"`);
    writeFileSync(join(out, `${language}.json`), JSON.stringify(messages));
    codes.push(language);
  }
  return codes;
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const { values } = parseArgs({ options: { from: { type: 'string' }, out: { type: 'string' } } });
  if (!values.from || !values.out) throw new Error('usage: translations.mjs --from DIR --out DIR');
  console.log(convertTranslations(values.from, values.out).join(' '));
}
