// What the statistics window and its Risk tab draw with: elements, SVG,
// axis steps, and the exports of a chart or a table as files.
import { t } from './i18n.js';

export const SVG = 'http://www.w3.org/2000/svg';

// Small helpers to build the window.
export function el<K extends keyof HTMLElementTagNameMap>(tag: K, cls: string, parent?: Element, text?: string): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (cls) e.className = cls;
  if (text !== undefined) e.textContent = text;
  parent?.append(e);
  return e;
}

export function svgEl(tag: string, attrs: Record<string, string | number>, parent?: Element, text?: string): SVGElement {
  const e = document.createElementNS(SVG, tag);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, String(v));
  if (text !== undefined) e.textContent = text;
  parent?.append(e);
  return e;
}

export function button(parent: Element, text: string, tip: string, action: () => void): HTMLButtonElement {
  const b = el('button', 'stats-button', parent, text);
  b.type = 'button';
  if (tip) b.title = tip;
  b.addEventListener('click', action);
  return b;
}

/** `share` (0..1) as the window writes it: "48.6 %". */
export function percent(share: number): string {
  return `${(share * 100).toFixed(1)} %`;
}

/** The smallest of 1, 2, 5 times a power of ten that is at least `x`. */
export function niceStep(x: number): number {
  if (!(x > 0)) return 1;
  const power = Math.pow(10, Math.floor(Math.log10(x)));
  const f = x / power;
  return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * power;
}

/** The end of the spin axis: a round number at or past the last spin. */
export function spinSpan(spins: number): number {
  if (spins <= 10) return 10;
  const unit = niceStep(spins / 10);
  return Math.ceil(spins / unit) * unit;
}

export function ticks(from: number, to: number, step: number): number[] {
  const out: number[] = [];
  for (let k = Math.ceil(from / step - 1e-9); k * step <= to + step * 1e-9 && out.length < 200; ++k) out.push(k * step);
  return out;
}

export function tickText(v: number, step: number): string {
  return step >= 1 ? String(Math.round(v)) : v.toFixed(2);
}

/** Offers `blob` as a download named `name`. */
export function download(blob: Blob, name: string): void {
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.rel = 'noopener';
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10_000);
}

/** A chart as a standalone SVG file. */
export function svgText(svg: SVGSVGElement, title: string): string {
  const copy = svg.cloneNode(true) as SVGSVGElement;
  copy.setAttribute('xmlns', SVG);
  const box = svg.viewBox.baseVal;
  copy.setAttribute('width', String(box.width));
  copy.setAttribute('height', String(box.height));
  copy.insertBefore(svgEl('title', {}, undefined, title), copy.firstChild);
  return '<?xml version="1.0" encoding="UTF-8"?>\n' + new XMLSerializer().serializeToString(copy) + '\n';
}

/** A chart drawn as a PNG picture at twice its size. */
export async function pngBlob(svg: SVGSVGElement, title: string): Promise<Blob> {
  const box = svg.viewBox.baseVal;
  const url = URL.createObjectURL(new Blob([svgText(svg, title)], { type: 'image/svg+xml' }));
  try {
    const image = new Image();
    await new Promise<void>((resolve, reject) => {
      image.onload = () => resolve();
      image.onerror = () => reject(new Error('image'));
      image.src = url;
    });
    const canvas = document.createElement('canvas');
    canvas.width = box.width * 2;
    canvas.height = box.height * 2;
    const g = canvas.getContext('2d');
    if (!g) throw new Error('canvas');
    g.scale(2, 2);
    g.drawImage(image, 0, 0, box.width, box.height);
    return await new Promise<Blob>((resolve, reject) => canvas.toBlob((b) => (b ? resolve(b) : reject(new Error('png'))), 'image/png'));
  } finally {
    URL.revokeObjectURL(url);
  }
}

// The colours of the window's dark charts.
export const INK = '#e8e4d8';
export const GRID = '#3a3f45';
export const GOLD = '#d9b45a';
export const WON = '#2ecc71';
export const LOST = '#e74c3c';


/** Shows a message as the page shows the game's. */
export function showMessage(text: string): void {
  const box = document.getElementById('messages');
  if (box) box.textContent = text;
}
/** A message over `owner`, read out at once; OK closes it. */
export function alertIn(owner: HTMLElement, text: string): void {
  const box = el('div', 'stats-message', owner);
  box.setAttribute('role', 'alertdialog');
  box.setAttribute('aria-label', text);
  el('p', '', box, text);
  const ok = button(box, t('StatsWindow', 'OK'), '', () => box.remove());
  ok.focus();
}

