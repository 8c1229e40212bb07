// The page's texts in the player's language, from the same translations as
// the desktop window (translations/*.ts, converted at build time into
// i18n/LANG.json beside the page). A text is looked up by its context and
// English source, as the window's tr() does; %1, %2 ... are replaced by the
// arguments. The language is the player's choice, kept in this browser, or
// else the browser's own, matched as the desktop matches the system's.

import type { MessageValues } from './face.js';

export type Messages = Record<string, Record<string, string>>;

/** A language the page speaks: its code (as in rotacle_CODE.ts) and its name in that language. */
export interface Language {
  code: string;
  name: string;
}

/** English first, then every translation, as the desktop lists them. */
export const LANGUAGES: readonly Language[] = [
  { code: 'en', name: 'English' },
  { code: 'it', name: 'Italiano' },
  { code: 'de', name: 'Deutsch' },
  { code: 'fr', name: 'Français' },
  { code: 'es', name: 'Español' },
  { code: 'nl', name: 'Nederlands' },
  { code: 'pl', name: 'Polski' },
  { code: 'pt_BR', name: 'Português (Brasil)' },
];

const STORE_KEY = 'rotacle.language';

let table: Messages = {};
let current = 'en';
const listeners: ((code: string) => void)[] = [];

/** The translation of `source` in `context`, or `source` itself where there is none. */
export function lookup(context: string, source: string): string {
  return table[context]?.[source] || source;
}

/** The text `source` of `context` in the language in force, %N filled in. */
export function t(context: string, source: string, ...args: (string | number)[]): string {
  return lookup(context, source).replace(/%(\d+)/g, (whole, k: string) => {
    const arg = args[Number(k) - 1];
    return arg === undefined ? whole : String(arg);
  });
}

/** Puts a converted translation in force (an empty one: English). */
export function useTranslation(messages: Messages): void {
  table = messages;
}

/** The code of the language in force. */
export function language(): string {
  return current;
}

/**
 * The code of `wanted` among LANGUAGES ("de-AT" gives "de", "pt" gives
 * "pt_BR"), or "" when none fits.
 */
export function languageCode(wanted: string): string {
  const name = wanted.replace(/-/g, '_').toLowerCase();
  const exact = LANGUAGES.find((l) => l.code.toLowerCase() === name);
  if (exact) return exact.code;
  const base = name.split('_')[0];
  return LANGUAGES.find((l) => l.code.split('_')[0]?.toLowerCase() === base)?.code ?? '';
}

/** The first of the browser's languages that the page speaks; English when none. */
export function browserLanguage(
  wanted: readonly string[] = navigator.languages?.length ? navigator.languages : [navigator.language],
): string {
  for (const w of wanted) {
    const code = languageCode(w);
    if (code) return code;
  }
  return 'en';
}

/** The language the player chose ("" for the browser's). */
export function storedLanguage(): string {
  try {
    return languageCode(localStorage.getItem(STORE_KEY) ?? '');
  } catch {
    return '';
  }
}

/** Keeps the player's choice for the next visit ("" for the browser's). */
export function storeLanguage(code: string): void {
  try {
    if (code) localStorage.setItem(STORE_KEY, code);
    else localStorage.removeItem(STORE_KEY);
  } catch {
    // Storage refused (a private window): the choice holds for this visit.
  }
}

/** Hears every change of language, after the new texts are in force. */
export function onLanguage(listener: (code: string) => void): void {
  listeners.push(listener);
}

/**
 * Puts the texts of `code` in force (the player's stored choice, or else the
 * browser's language, where it is empty) and returns the code in force. A
 * language whose texts cannot be had leaves English in force.
 */
export async function loadLanguage(code = ''): Promise<string> {
  const chosen = languageCode(code) || storedLanguage() || browserLanguage();
  let messages: Messages = {};
  let loaded = chosen;
  if (chosen !== 'en') {
    try {
      const response = await fetch(new URL(`./i18n/${chosen}.json`, import.meta.url));
      if (!response.ok) throw new Error(`${response.status}`);
      messages = (await response.json()) as Messages;
    } catch {
      loaded = 'en';
    }
  }
  useTranslation(messages);
  current = loaded;
  document.documentElement.lang = loaded.replace('_', '-');
  for (const listener of listeners) listener(loaded);
  return loaded;
}


/**
 * Fills `pattern`: each %N (N 1..9) is replaced by value N once, in one pass,
 * so that a value holding "%2" stays as it is; "%%" is a percent sign.
 */
function fill(pattern: string, values: readonly string[]): string {
  return pattern.replace(/%([%1-9])/g, (_, c: string) => (c === '%' ? '%' : (values[Number(c) - 1] ?? '')));
}

/** `message` worded in the language in force, its cause first, as the window words it. */
export function wordMessage(message: MessageValues): string {
  const values = message.cause ? [...message.args, wordMessage(message.cause)] : message.args;
  return fill(lookup('Message', message.pattern), values);
}

/**
 * An English text of the game (a list item, a caption) in the language in
 * force. A count in brackets at its end ("IMPORT (12)") is kept as a value.
 */
export function worded(english: string): string {
  const m = /^(.*) \((\d+)\)$/s.exec(english);
  if (m) return t('List', `${m[1]} (%1)`, m[2] ?? '');
  return lookup('List', english);
}
