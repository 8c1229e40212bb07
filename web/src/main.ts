// Starts the browser edition: loads the game, builds the table and shows
// every answer of the game on it.
import { App } from './app.js';
import { Face } from './face.js';
import { loadLanguage } from './i18n.js';
import { startOffline } from './offline.js';
import { Table } from './table.js';

async function start(): Promise<void> {
  startOffline();
  // The player's language is in force before the table is drawn.
  const [face] = await Promise.all([Face.load(), loadLanguage()]);
  const app = new App(face);
  const main = document.getElementById('app');
  if (!main) throw new Error('the page has no #app');
  const table = new Table(app, main);
  const messages = document.getElementById('messages');
  app.listen((answer) => {
    table.render(answer.view);
    if (answer.message && messages) messages.textContent = answer.message;
  });
  table.render(app.last.view);
  app.clock.sync(app.last.timers);
  document.documentElement.dataset['ready'] = '1';
  (globalThis as unknown as { rotacle: App }).rotacle = app;
}

void start();
