// Builds the browser edition's site: the page's TypeScript checked strictly
// and compiled, the static files and the game's WebAssembly face copied, the
// translations converted from translations/*.ts, and a list of the build's
// files with a version for the service worker.
//
//   node tools/build.mjs --face DIR --out SITE --version V
import { execFileSync } from 'node:child_process';
import { cpSync, mkdirSync, readdirSync, rmSync, existsSync, readFileSync, writeFileSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { parseArgs } from 'node:util';
import { convertTranslations } from './translations.mjs';
import { stampBuild } from './stamp.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const web = resolve(here, '..');
const { values } = parseArgs({ options: { face: { type: 'string' }, out: { type: 'string' }, version: { type: 'string' } } });
if (!values.face || !values.out) throw new Error('usage: build.mjs --face DIR --out SITE --version V');
const out = resolve(values.out);

const tsc = join(web, 'node_modules', 'typescript', 'bin', 'tsc');
if (!existsSync(tsc)) throw new Error(`${tsc} is missing: run "npm ci" in web/ (scripts/web does)`);
const compiled = join(out, '.tsc');
rmSync(compiled, { recursive: true, force: true });
execFileSync(process.execPath, [tsc, '-p', join(web, 'tsconfig.json'), '--outDir', compiled], { stdio: 'inherit' });

// Only the files of this build: nothing of an earlier one stays behind.
for (const name of existsSync(out) ? readdirSync(out) : []) if (name !== '.tsc') rmSync(join(out, name), { recursive: true, force: true });
mkdirSync(out, { recursive: true });
cpSync(compiled, out, { recursive: true });
rmSync(compiled, { recursive: true, force: true });
cpSync(join(web, 'static'), out, { recursive: true });
for (const f of ['rotacle-face.mjs', 'rotacle-face.wasm']) cpSync(join(values.face, f), join(out, f));
// The Risk tab's worker carries the module's glue code in front of its own,
// so that a worker makes no request of its own (the page hands it the
// compiled WebAssembly).
const glue = readFileSync(join(out, 'rotacle-face.mjs'), 'utf8').replace(/export default createRotacle;\s*$/, '');
writeFileSync(join(out, 'risk-worker.js'), glue + '\n' + readFileSync(join(out, 'risk-worker.js'), 'utf8'));
convertTranslations(join(web, '..', 'translations'), join(out, 'i18n'));
// Last: the build's file list and version, over every file above.
const { version } = stampBuild(out, values.version ?? '0');
console.log(`rotacle-web ${version}: ${out}`);
