// Starts the browser edition: loads the game, builds the table, its settings
// area, keys, message boxes, guide and announcements, and shows every answer
// of the game on them.
import { App } from './app.js';
import { Announcer } from './announce.js';
import { Dialogs } from './dialogs.js';
import { Face } from './face.js';
import { startStore } from './files.js';
import { Help } from './help.js';
import { loadLanguage, t } from './i18n.js';
import { Keys } from './keys.js';
import { LimitScreen } from './limits.js';
import { startOffline } from './offline.js';
import { Settings } from './settings.js';
import { CLOSED_HEIGHT, OPEN_HEIGHT, Table, WIDTH } from './table.js';
import { applyTooltips } from './tooltips.js';
import { installStats } from './stats.js';
import { installRisk } from './risk.js';

/** The page reader's timer: a pasted page is read on its ticks. */
const PAGE_TIMER = 7;
const PHONE = '(max-width: 600px) and (orientation: portrait)';

/** Scales the table to the browser's window, or lays out the phone's column. */
function fit(table: Table): void {
  const phone = window.matchMedia(PHONE).matches;
  document.body.classList.toggle('phone', phone);
  if (phone) {
    table.stage.style.zoom = '';
    return;
  }
  const height = table.open ? OPEN_HEIGHT : CLOSED_HEIGHT;
  const zoom = Math.min(window.innerWidth / WIDTH, window.innerHeight / height);
  table.stage.style.zoom = String(Math.max(0.5, zoom));
}

async function start(): Promise<void> {
  startOffline();
  // The player's language is in force before the table is drawn.
  const [face] = await Promise.all([Face.load(), loadLanguage()]);
  const app = new App(face);
  const main = document.getElementById('app');
  if (!main) throw new Error('the page has no #app');
  const table = new Table(app, main);
  const settings = new Settings(app, table);
  const limits = new LimitScreen(app, table);
  const dialogs = new Dialogs(app, document.body);
  const help = new Help(document.body);
  const announcer = new Announcer(document.body);
  const keys = new Keys(app, table);
  table.confirm = (q) => dialogs.confirm(q);
  settings.confirm = (q) => dialogs.confirm(q);
  settings.onTypedKey = (id, key, before, after) => announcer.typedKey(id, key, before, after);
  table.handle('help', () => help.show());
  help.closed = () => table.focusTable();
  keys.help = () => help.show();
  keys.busy = () => dialogs.open;
  limits.held = () => dialogs.open;

  let open = table.open;
  let shown = '';
  const show = (answer: typeof app.last): void => {
    // The display refresh ticks a hundred times a second; most ticks change nothing.
    const now = JSON.stringify(answer.view);
    if (now === shown) return;
    shown = now;
    table.render(answer.view);
    settings.render(answer.view);
    limits.render(answer.view);
    // A control that went away with its panel or screen gives the focus back to the table.
    const focused = document.activeElement;
    if (focused instanceof HTMLElement && focused !== document.body && !focused.closest('dialog') && focused.getClientRects().length === 0)
      table.focusTable();
    if (table.open !== open) {
      open = table.open;
      fit(table);
      // Closed, the settings area keeps no focus: typed digits would change a setting unseen.
      if (!open && document.activeElement?.closest('.part-settings')) table.focusTable();
    }
  };
  app.listen((answer, request) => {
    show(answer);
    if ('replay' in request) void settings.applyStored(true);
    announcer.hear(answer, request);
    if (answer.focus === 'ShowBetSize') {
      if (document.activeElement?.closest('.part-settings')) table.focusTable();
    } else if (answer.focus) {
      document.querySelector<HTMLElement>(`[name="${CSS.escape(answer.focus)}"]`)?.focus();
    }
    let message = answer.message;
    // A page read without an error that yields no number would leave the player waiting.
    const wasReading = 'tick' in request && request.tick === PAGE_TIMER;
    if (!message && wasReading && !(answer.timers[PAGE_TIMER]?.[0] ?? false) && answer.view.panel.open && answer.view.panel.listed === 0)
      message = t('TForm1', 'The pasted page holds no roulette numbers: nothing to import.');
    if (message) void dialogs.message(message);
  });
  show(app.last);
  applyTooltips(document);
  fit(table);
  window.addEventListener('resize', () => fit(table));
  app.clock.sync(app.last.timers);
  installStats(app);
  installRisk(app);
  await settings.applyStored();
  await app.idle();
  table.focusTable();
  document.documentElement.dataset['ready'] = '1';
  (globalThis as unknown as { rotacle: App }).rotacle = app;
  startStore(app, { ask: (q, yes) => dialogs.confirm(q, yes), tell: (m) => void dialogs.message(m) }, help.sessions);
}

void start();
