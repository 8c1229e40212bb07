// The service worker: keeps one build of the site, whole, so that the page
// opens and plays with the network off after the first visit.
//
// The build writes its version and the SHA-256 of each of its files at the
// head of this script (web/tools/stamp.mjs), so a new build is a new worker.
// A new worker stores every file of its build and checks each against its
// list: a file of another build (a host half-way through an upload, a stale
// proxy) fails the install, and the worker in force stays. The new worker
// takes over only when no page of the old one is open (the browser's own
// rule, not cut short here): the next start. Each worker answers only from
// its own build's store, so one page never gets files of two builds. On the
// first visit the worker takes the open page in, so that it too goes on
// without the network; a page that says it is of another build (the host
// changed between its load and the worker's install) is left to the host.

declare const ROTACLE_BUILD: { version: string; files: Record<string, string> };

const sw = self as unknown as ServiceWorkerGlobalScope;
const PREFIX = 'rotacle-build-';
const CACHE = PREFIX + ROTACLE_BUILD.version;
const scope = new URL(sw.registration.scope);

async function sha256(data: ArrayBuffer): Promise<string> {
  const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', data));
  return Array.from(digest, (b) => b.toString(16).padStart(2, '0')).join('');
}

/**
 * Fetches `path`; the response only when it is this build's file. The
 * browser's HTTP cache is tried first (the page has just fetched the same
 * files: no second download); a copy there of another build is fetched again
 * from the host.
 */
async function fetchOwn(path: string): Promise<Response> {
  let mismatch = '';
  for (const cache of ['default', 'reload'] as const) {
    const response = await fetch(new URL(path, scope), { cache });
    if (!response.ok) throw new Error(`${path}: ${response.status}`);
    if ((await sha256(await response.clone().arrayBuffer())) === ROTACLE_BUILD.files[path]) return response;
    mismatch = `${path} is not the file of build ${ROTACLE_BUILD.version}`;
  }
  throw new Error(mismatch);
}

async function storeBuild(): Promise<void> {
  const cache = await caches.open(CACHE);
  try {
    await Promise.all(
      Object.keys(ROTACLE_BUILD.files).map(async (path) => {
        const url = new URL(path, scope).href;
        if (await cache.match(url)) return;
        await cache.put(url, await fetchOwn(path));
      }),
    );
  } catch (e) {
    // Nothing of a build that could not be had whole stays behind.
    await caches.delete(CACHE);
    throw e;
  }
}

async function dropOtherBuilds(): Promise<void> {
  for (const name of await caches.keys()) if (name.startsWith(PREFIX) && name !== CACHE) await caches.delete(name);
}

/** The file of this build at `path`, from the store (or fetched again if the store lost it). */
async function fromBuild(path: string): Promise<Response> {
  const cache = await caches.open(CACHE);
  const url = new URL(path, scope).href;
  const stored = await cache.match(url);
  if (stored) return stored;
  try {
    const response = await fetchOwn(path);
    await cache.put(url, response.clone());
    return response;
  } catch {
    return Response.error();
  }
}

/** The path of `url` in the build ("index.html" for the site's root), or undefined. */
function buildPath(url: URL): string | undefined {
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return undefined;
  let path: string;
  try {
    path = decodeURIComponent(url.pathname.slice(scope.pathname.length)) || 'index.html';
  } catch {
    return undefined;
  }
  return Object.hasOwn(ROTACLE_BUILD.files, path) ? path : undefined;
}

/** Pages of another build, by client id: their files are not this worker's to give. */
const foreign = new Set<string>();

sw.addEventListener('install', (event) => event.waitUntil(storeBuild()));
// A worker comes into force only when no page of another is open (or on the
// first visit, with no worker before it): the pages it takes in are its own.
sw.addEventListener('activate', (event) => event.waitUntil(dropOtherBuilds().then(() => sw.clients.claim())));
sw.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || foreign.has(event.clientId)) return;
  const path = buildPath(new URL(event.request.url));
  if (path !== undefined) event.respondWith(fromBuild(path));
});
sw.addEventListener('message', (event) => {
  const data = event.data as { type?: unknown; build?: unknown } | null;
  if (data?.type === 'version') event.ports[0]?.postMessage(ROTACLE_BUILD.version);
  if (data?.type === 'build' && data.build !== ROTACLE_BUILD.version && event.source instanceof Client)
    foreign.add(event.source.id);
});

export {};
