// The page's texts in the player's language, from the same translations as
// the desktop window (translations/*.ts, converted at build time). A text is
// looked up by its context and English source, as the window's tr() does;
// %1, %2 ... are replaced by the arguments.

let table: Record<string, Record<string, string>> = {};

/** The text `source` of `context` in the language in force, %N filled in. */
export function t(context: string, source: string, ...args: (string | number)[]): string {
  const text = table[context]?.[source] || source;
  return text.replace(/%(\d+)/g, (whole, k: string) => {
    const arg = args[Number(k) - 1];
    return arg === undefined ? whole : String(arg);
  });
}

/** Puts a converted translation in force (an empty one: English). */
export function useTranslation(messages: Record<string, Record<string, string>>): void {
  table = messages;
}
