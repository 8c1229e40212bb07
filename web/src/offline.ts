// Offline and installable: registers the service worker (sw.ts), which keeps
// this build for visits without the network, and tells the player when it is
// ready and when a new version waits for the next start.
import { onLanguage, t } from './i18n.js';
import { BUILD } from './version.js';

const READY = (): string => t('Web', 'Rotacle is stored in this browser and now also opens without the network.');
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

/** Watches a new worker until it has stored its build. */
function watch(worker: ServiceWorker, firstVisit: boolean): void {
  worker.addEventListener('statechange', () => {
    if (worker.state !== 'installed') return;
    if (!firstVisit) show(UPDATE);
    else {
      show(READY);
      setTimeout(() => {
        if (notice && shown === READY) notice.hidden = true;
      }, 10000);
    }
  });
}

/** Tells the worker in force which build this page is. */
function introduce(): void {
  navigator.serviceWorker.controller?.postMessage({ type: 'build', build: BUILD });
}

async function register(): Promise<void> {
  const firstVisit = !navigator.serviceWorker.controller;
  introduce();
  navigator.serviceWorker.addEventListener('controllerchange', introduce);
  const registration = await navigator.serviceWorker.register(new URL('./sw.js', import.meta.url));
  if (registration.waiting && !firstVisit) show(UPDATE);
  if (registration.installing) watch(registration.installing, firstVisit);
  registration.addEventListener('updatefound', () => {
    if (registration.installing) watch(registration.installing, !navigator.serviceWorker.controller);
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
