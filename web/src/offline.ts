// Offline and installable: registers the service worker (sw.ts), which keeps
// this build for visits without the network, and tells the player when a new
// version waits for the next start.
import { onLanguage, t } from './i18n.js';
import { BUILD } from './version.js';

const UPDATE = (): string => t('Web', 'A new version of Rotacle is ready. It starts the next time you open Rotacle.');
/** How often an open page asks the host for a new version. */
const CHECK_MS = 60 * 60 * 1000;

let notice: HTMLElement | undefined;
let shown: (() => string) | undefined;

/** Shows a notice; `text` words it in the language in force, now and after every change. */
function show(text: () => string): void {
  if (!notice) {
    notice = document.createElement('p');
    notice.className = 'offline-notice';
    notice.setAttribute('role', 'status');
    document.body.append(notice);
    onLanguage(() => {
      if (notice && shown) notice.textContent = shown();
    });
  }
  shown = text;
  notice.textContent = text();
  notice.hidden = false;
}

/** Watches a new worker until it has stored its build: on a page of an older one, it waits for the next start. */
function watch(worker: ServiceWorker): void {
  worker.addEventListener('statechange', () => {
    if (worker.state === 'installed' && navigator.serviceWorker.controller) show(UPDATE);
  });
}

/** Tells the worker in force which build this page is. */
function introduce(): void {
  navigator.serviceWorker.controller?.postMessage({ type: 'build', build: BUILD });
}

async function register(): Promise<void> {
  introduce();
  navigator.serviceWorker.addEventListener('controllerchange', introduce);
  const registration = await navigator.serviceWorker.register(new URL('./sw.js', import.meta.url));
  if (registration.waiting && navigator.serviceWorker.controller) show(UPDATE);
  if (registration.installing) watch(registration.installing);
  registration.addEventListener('updatefound', () => {
    if (registration.installing) watch(registration.installing);
  });
  setInterval(() => void registration.update().catch(() => undefined), CHECK_MS);
}

/** Registers the service worker; the page works as before where there is none. */
export function startOffline(): void {
  document.documentElement.dataset['build'] = BUILD;
  if (!('serviceWorker' in navigator)) return;
  register().catch(() => {
    // No worker (a private window, storage refused): the page plays online.
  });
}
