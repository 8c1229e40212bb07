// The contrast of every visible text against what lies under it, read in
// the page (page.evaluate(contrasts)): each text's own colour over its
// background and its ancestors', semi-transparent layers and gradient
// stops blended, the worst case taken.

/** The lowest contrast of each visible text against the colours under it. */
export function contrasts() {
  const parse = (s) => [...s.matchAll(/rgba?\(([^)]+)\)/g)].map((m) => {
    const [r, g, b, a] = m[1].split(/[ ,/]+/).filter(Boolean).map(Number);
    return [r, g, b, a === undefined ? 1 : a];
  });
  const lum = ([r, g, b]) => {
    const f = (c) => ((c /= 255) <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4);
    return 0.2126 * f(r) + 0.7152 * f(g) + 0.0722 * f(b);
  };
  const over = (top, under) => [0, 1, 2].map((k) => top[k] * top[3] + under[k] * (1 - top[3])).concat(1);
  // Every colour that may lie under `e`: its own and its ancestors' layers, blended.
  const under = (e) => {
    const layers = [];
    for (let n = e; n; n = n.parentElement) {
      const s = getComputedStyle(n);
      const own = parse(s.backgroundImage).concat(parse(s.backgroundColor)).filter((c) => c[3] > 0);
      if (own.length) layers.push(own);
      if (own.length && own.every((c) => c[3] === 1)) break;
    }
    let result = [[255, 255, 255, 1]];
    for (const layer of layers.reverse()) result = layer.flatMap((c) => result.map((u) => over(c, u)));
    return result;
  };
  const found = [];
  for (const e of document.querySelectorAll('body *')) {
    if (!e.checkVisibility() || e.closest('[aria-hidden="true"]')) continue;
    if (e.disabled || e.getAttribute('aria-disabled') === 'true' || e.closest('[inert]')) continue;
    const own = e instanceof HTMLSelectElement || [...e.childNodes].some((n) => n.nodeType === 3 && n.textContent.trim());
    if (!own) continue;
    const fg = parse(getComputedStyle(e).color)[0];
    const worst = Math.min(...under(e).map((bg) => {
      const a = lum(over(fg, bg)), b = lum(bg);
      return (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05);
    }));
    found.push({ text: e.textContent.trim().slice(0, 30), cls: e.className, ratio: Math.round(worst * 100) / 100 });
  }
  return found;
}
