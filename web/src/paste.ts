// A pasted live-casino page, read by the browser itself: the markup is laid
// out in a frame of its own, 1920 px wide and out of sight, where no script
// runs (a sandbox without scripts) and nothing is loaded (a policy that
// refuses every request, and no element left that would navigate the frame),
// <noscript> hidden as a browser with scripts on shows it. The frame's body
// text (innerText) is what the game's line parse reads.
import { t } from './i18n.js';

/** The largest page that is read, in bytes (the game keeps the same limit). */
export const PAGE_SIZE_LIMIT = 16 * 1024 * 1024;

/** The policy of the frame: inline styles only, no request of any kind. */
export const FRAME_POLICY =
  "default-src 'none'; style-src 'unsafe-inline'; img-src 'none'; font-src 'none'; media-src 'none'; " +
  "frame-src 'none'; child-src 'none'; object-src 'none'; script-src 'none'; connect-src 'none'; " +
  "form-action 'none'; base-uri 'none'";

// Elements that could load or navigate something, or run code; none of them
// adds to the text a reader sees.
const INERT_SELECTORS = [
  'script', 'iframe', 'frame', 'frameset', 'object', 'embed', 'applet', 'portal', 'base', 'link',
  'meta[http-equiv]', 'template', 'audio', 'video', 'source', 'track',
].join(',');

/** How long the laying out of a page may take (the desktop's page reader gets as long). */
export const PAGE_TIMEOUT_MS = 30000;

/** The size of `text` in UTF-8 bytes, as the game counts it. */
export function utf8Size(text: string): number {
  return new TextEncoder().encode(text).length;
}

/**
 * The markup the frame gets: `html` parsed without running or loading
 * anything, stripped of what could load or navigate, with the frame's policy
 * first in its head and <noscript> hidden.
 */
export function frameDocument(html: string): string {
  const doc = new DOMParser().parseFromString(html, 'text/html');
  doc.querySelectorAll(INERT_SELECTORS).forEach((e) => e.remove());
  // Attributes that run code or name something to fetch have no place in a page that is only read.
  doc.querySelectorAll('*').forEach((e) => {
    for (const a of [...e.attributes]) {
      const name = a.name.toLowerCase();
      if (name.startsWith('on') || name === 'src' || name === 'srcset' || name.endsWith('href') || name === 'action' ||
          name === 'formaction' || name === 'poster' || name === 'background' || name === 'ping' || name === 'data')
        e.removeAttribute(a.name);
    }
  });
  const policy = doc.createElement('meta');
  policy.setAttribute('http-equiv', 'Content-Security-Policy');
  policy.setAttribute('content', FRAME_POLICY);
  const style = doc.createElement('style');
  style.textContent = 'noscript { display: none !important; }';
  doc.head.prepend(policy, style);
  return `<!doctype html>${doc.documentElement.outerHTML}`;
}

/**
 * The text of the page `html` as a browser lays it out 1920 px wide: the
 * body's innerText, its lines separated by "\n". A page above the size limit
 * is not laid out at all (the game refuses it with its message).
 */
export async function pageText(html: string, host: HTMLElement = document.body): Promise<string> {
  if (utf8Size(html) > PAGE_SIZE_LIMIT) return '';
  const frame = document.createElement('iframe');
  // Scripts, forms, pop-ups and navigation off; the same origin only so that this page can read the text.
  frame.setAttribute('sandbox', 'allow-same-origin');
  frame.setAttribute('csp', FRAME_POLICY);
  frame.setAttribute('referrerpolicy', 'no-referrer');
  frame.setAttribute('aria-hidden', 'true');
  frame.tabIndex = -1;
  frame.className = 'page-reader';
  frame.style.cssText =
    'position: fixed; left: -30000px; top: 0; width: 1920px; height: 1080px; border: 0; visibility: visible;';
  const loaded = new Promise<void>((resolve) => frame.addEventListener('load', () => resolve(), { once: true }));
  frame.srcdoc = frameDocument(html);
  host.append(frame);
  let timer = 0;
  const late = new Promise<never>((_, reject) => {
    timer = window.setTimeout(
      () => reject(new Error(t('Message', 'The page cannot be read: %1.', `reading it took longer than ${PAGE_TIMEOUT_MS / 1000} seconds`))),
      PAGE_TIMEOUT_MS,
    );
  });
  try {
    await Promise.race([loaded, late]);
    const body = frame.contentDocument?.body;
    return body ? body.innerText : '';
  } finally {
    clearTimeout(timer);
    frame.remove();
  }
}
