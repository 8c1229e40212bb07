// Stamps a built site as one build: its version (the program's version and
// a digest of every file) in version.js, and the version with the SHA-256 of
// every file at the head of the service worker (sw.js), which stores exactly
// these files and checks each against its digest.
//
//   node tools/stamp.mjs SITE VERSION
import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, relative, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const WORKER = 'sw.js';
const VERSION_MODULE = 'version.js';

function filesOf(site, dir = site) {
  const out = [];
  for (const entry of readdirSync(dir, { withFileTypes: true })) {
    if (entry.name.startsWith('.')) continue;
    const path = join(dir, entry.name);
    if (entry.isDirectory()) out.push(...filesOf(site, path));
    else if (entry.isFile()) out.push(relative(site, path).split(sep).join('/'));
  }
  return out.sort();
}

const sha256 = (data) => createHash('sha256').update(data).digest('hex');

/**
 * Stamps `site` (the compiled service worker sw.js must be in it) and returns
 * {version, files}: the build's version and its files (path -> SHA-256),
 * the worker itself not among them.
 */
export function stampBuild(site, programVersion) {
  // A site stamped before (and changed since) is stamped anew.
  const worker = readFileSync(join(site, WORKER), 'utf8').replace(/^var ROTACLE_BUILD = .*\n/, '');
  // The worker's own code (a classic script: the compiler's module marker goes).
  const body = worker.replace(/^export \{\};\s*$/m, '');
  const content = filesOf(site).filter((f) => f !== WORKER && f !== VERSION_MODULE);
  const whole = createHash('sha256').update(`${WORKER}\0${sha256(body)}\0`);
  for (const f of content) whole.update(`${f}\0${sha256(readFileSync(join(site, f)))}\0`);
  const version = `${programVersion}-${whole.digest('hex').slice(0, 12)}`;
  writeFileSync(join(site, VERSION_MODULE),
    `// The build this page belongs to.\nexport const BUILD = ${JSON.stringify(version)};\n`);
  const files = {};
  for (const f of [...content, VERSION_MODULE].sort()) files[f] = sha256(readFileSync(join(site, f)));
  writeFileSync(join(site, WORKER), `var ROTACLE_BUILD = ${JSON.stringify({ version, files })};\n${body}`);
  return { version, files };
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  const [site, version] = process.argv.slice(2);
  if (!site || !version) throw new Error('usage: stamp.mjs SITE VERSION');
  console.log(stampBuild(resolve(site), version).version);
}
