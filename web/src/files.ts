// The files of the table: the commands IMPORT, EXPORT, LOAD and SAVE, the
// import panel (paste a page, load a number file, IMPORT, CLOSE), number and
// settings files given by the file picker or dropped on the page, and the
// history and settings written by the game handed to the player as
// downloads. Every file goes to the game byte for byte through its own files
// (the module's file system) and comes back from there the same way; the
// game reads and writes them exactly as on the desktop, with its messages.
import { App } from './app.js';
import { Answer, Request, View } from './face.js';
import { ask, previousSessions, SessionJournal, startJournal, tell } from './journal.js';
import { pageText } from './paste.js';
import { t } from './i18n.js';

/** The largest number file the game reads, and the largest settings file. */
export const NUMBER_FILE_LIMIT = 200 * 1024 * 1024;
export const SETTINGS_FILE_LIMIT = 1024 * 1024;
/** The timer that reads a pasted page. */
const PAGE_TIMER = 7;
/** Where the player's files go in the game's files. */
const FOLDER = '/files';

/** The name of a given file as a path of the game's files: one folder, no separators. */
export function filePath(name: string): string {
  const base = name.replace(/^.*[\\/]/, '').replace(/[\u0000-\u001f]/g, '').trim();
  return `${FOLDER}/${base && base !== '.' && base !== '..' ? base : 'file'}`;
}

/** A settings file by its name; every other file is taken for a number file. */
export function isSettingsFile(name: string): boolean {
  return /\.rtk$/i.test(name);
}

function button(parent: HTMLElement, cls: string, text: string, tip: string, command: string): HTMLButtonElement {
  const b = document.createElement('button');
  b.type = 'button';
  b.className = cls;
  b.textContent = text;
  b.title = tip;
  b.dataset['command'] = command;
  parent.append(b);
  return b;
}

/** Hands `bytes` to the player as the download `name`. */
export function download(bytes: Uint8Array, name: string, type: string): void {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.hidden = true;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

export class Files {
  readonly root: HTMLElement;
  private readonly panel: HTMLElement;
  private readonly paste: HTMLButtonElement;
  private readonly load: HTMLButtonElement;
  private readonly progress: HTMLProgressElement;
  private readonly process: HTMLButtonElement;
  private readonly numbersPicker: HTMLInputElement;
  private readonly settingsPicker: HTMLInputElement;
  private view: View;
  private layingOut = false; // a pasted page is being laid out

  constructor(private readonly app: App, parent: HTMLElement) {
    this.view = app.last.view;
    app.face.makeFolderOf(`${FOLDER}/`);
    this.root = document.createElement('section');
    this.root.className = 'files';
    this.root.setAttribute('aria-label', t('Accessible', 'import panel'));
    const commands = document.createElement('div');
    commands.className = 'file-commands';
    commands.setAttribute('role', 'toolbar');
    button(commands, 'import', t('TForm1', 'IMPORT'), t('Tooltip', 'Opens the import panel to bring in a series of past numbers.'), 'import');
    button(commands, 'export', t('TForm1', 'EXPORT'), t('Tooltip', 'Saves the history as a text file, one number per line.'), 'export');
    button(commands, 'load-settings', t('TForm1', 'LOAD'), t('Tooltip', 'Loads the betting settings from a .rtk file.'), 'load-settings');
    button(commands, 'save-settings', t('TForm1', 'SAVE'), t('Tooltip', 'Saves the betting settings to a .rtk file.'), 'save-settings');

    this.panel = document.createElement('div');
    this.panel.className = 'import-panel';
    this.panel.setAttribute('role', 'region');
    this.panel.setAttribute('aria-label', t('Artwork', 'IMPORT NUMBERS'));
    this.panel.hidden = true;
    const title = document.createElement('h2');
    title.textContent = t('Artwork', 'IMPORT NUMBERS');
    const hint = document.createElement('p');
    hint.textContent = t('Artwork', 'From a saved Evolution history page or a text file');
    this.panel.append(title, hint);
    this.paste = button(this.panel, 'paste-page', t('TForm1', 'PASTE FROM EVOLUTION'),
      t('Tooltip', 'Reads the numbers of a live-casino history page copied to the clipboard.'), 'paste-page');
    this.load = button(this.panel, 'load-file', t('TForm1', 'LOAD FROM FILE'), t('Tooltip', 'Reads the numbers of a text file.'), 'load-file');
    this.progress = document.createElement('progress');
    this.progress.className = 'import-progress';
    this.progress.setAttribute('aria-label', t('Accessible', 'import progress'));
    this.panel.append(this.progress);
    this.process = button(this.panel, 'import-run', t('List', 'IMPORT'),
      t('Tooltip', 'Replaces the history with the numbers read; no bet is settled.'), 'import-run');
    button(this.panel, 'import-close', t('TForm1', 'CLOSE'), t('Tooltip', 'Closes the import panel; the history stays as it is.'), 'import-close');

    this.numbersPicker = this.picker('.txt,text/plain', (f) => void this.loadNumberFile(f));
    this.settingsPicker = this.picker('.rtk', (f) => void this.loadSettings(f));
    this.root.append(commands, this.panel, this.numbersPicker, this.settingsPicker);
    parent.append(this.root);

    // Any element of the page that names one of these commands runs it.
    document.addEventListener('click', (e) => {
      const target = (e.target as Element | null)?.closest<HTMLElement>('[data-command]');
      const command = target?.dataset['command'];
      if (!command || (target instanceof HTMLButtonElement && target.disabled)) return;
      this.command(command);
    });
    document.addEventListener('paste', (e) => this.onPaste(e));
    document.addEventListener('dragover', (e) => {
      if (e.dataTransfer?.types.includes('Files')) {
        e.preventDefault();
        e.dataTransfer.dropEffect = 'copy';
        document.documentElement.classList.add('dropping');
      }
    });
    document.addEventListener('dragleave', (e) => {
      if (!e.relatedTarget) document.documentElement.classList.remove('dropping');
    });
    document.addEventListener('drop', (e) => {
      document.documentElement.classList.remove('dropping');
      const file = e.dataTransfer?.files[0];
      if (!file) return;
      e.preventDefault();
      void this.dropped(file);
    });
    app.listen((answer, request) => this.heard(answer, request));
    this.render(this.view);
  }

  /** Runs a file command by its name (the `data-command` of a control). */
  command(name: string): void {
    switch (name) {
      case 'import': void this.app.send({ window: 'import-open' }); break;
      case 'export': void this.exportHistory(); break;
      case 'load-settings': this.settingsPicker.click(); break;
      case 'save-settings': void this.saveSettings(); break;
      case 'paste-page': void this.pasteFromClipboard(); break;
      case 'load-file': this.numbersPicker.click(); break;
      case 'import-run': void this.importListed(); break;
      case 'import-close': void this.app.do('click Image_ClosePanel2'); break;
    }
  }

  /** Fills the import list from a number file (the panel's LOAD FROM FILE). */
  async loadNumberFile(file: File): Promise<Answer | null> {
    const path = await this.give(file, NUMBER_FILE_LIMIT);
    if (!path) return null;
    return this.app.send({ window: 'load-file', path });
  }

  /** Loads a settings file (LOAD). */
  async loadSettings(file: File): Promise<Answer | null> {
    const path = await this.give(file, SETTINGS_FILE_LIMIT);
    if (!path) return null;
    return this.app.do(`load-settings ${path}`);
  }

  /** Saves the settings and hands the file over (SAVE). */
  saveSettings(): Promise<void> {
    return this.written(`${FOLDER}/settings.rtk`, (path) => `save-settings ${path}`, 'settings.rtk', 'application/octet-stream');
  }

  /** Exports the history and hands the file over (EXPORT). */
  exportHistory(): Promise<void> {
    return this.written(`${FOLDER}/history.txt`, (path) => `export ${path}`, 'history.txt', 'text/plain');
  }

  /** Reads the page `html` in the browser and gives it to the import panel (PASTE FROM EVOLUTION). */
  async pastePage(html: string): Promise<void> {
    await this.app.idle();
    // One page at a time, as the desktop's busy cover allows.
    if (!this.view.panel.open || this.view.panel.pasteCovered || this.layingOut) return;
    this.layingOut = true;
    let text: string;
    try {
      text = await pageText(html);
    } catch (e) {
      tell(e instanceof Error ? e.message : String(e));
      return;
    } finally {
      this.layingOut = false;
    }
    await this.app.send({ page: { html, text } });
    await this.app.send({ window: 'paste-page' });
  }

  // A dropped file: a settings file is loaded; any other is a number file,
  // offered in the import panel (opened for it) for the player's IMPORT.
  private async dropped(file: File): Promise<void> {
    if (isSettingsFile(file.name)) {
      await this.loadSettings(file);
      return;
    }
    const opened = await this.app.send({ window: 'import-open' });
    if (opened.view.panel.open) await this.loadNumberFile(file);
  }

  // Writes the player's file into the game's files, byte for byte; a file
  // beyond the game's limit is cut just past it (the game refuses it with
  // its own message). The path, or null when it could not be read.
  private async give(file: File, limit: number): Promise<string | null> {
    const path = filePath(file.name);
    try {
      const bytes = new Uint8Array(await file.slice(0, limit + 1).arrayBuffer());
      await this.app.idle();
      this.app.face.writeFile(path, bytes);
      return path;
    } catch (e) {
      tell(t('Message', 'Cannot read file "%1". %2', file.name, e instanceof Error ? e.message : String(e)));
      return null;
    }
  }

  // Runs the game's command that writes `path`, then downloads what it wrote.
  private async written(path: string, command: (path: string) => string, name: string, type: string): Promise<void> {
    await this.app.idle();
    this.app.face.makeFolderOf(path);
    this.app.face.removeFile(path);
    const answer = await this.app.do(command(path));
    if (!answer.ok) return;
    const bytes = this.app.face.readFile(path);
    // Nothing written (a progress run under way): nothing to hand over.
    if (bytes) download(bytes, name, type);
  }

  private async pasteFromClipboard(): Promise<void> {
    try {
      const items = await navigator.clipboard.read();
      for (const item of items) {
        const type = item.types.includes('text/html') ? 'text/html' : item.types.includes('text/plain') ? 'text/plain' : '';
        if (type) {
          await this.pastePage(await (await item.getType(type)).text());
          return;
        }
      }
      await this.pastePage('');
    } catch {
      // The browser keeps the clipboard to itself until the player pastes.
      tell(t('TForm1', 'Press Ctrl+V (\u2318V on a Mac) to paste the page.'));
      this.paste.focus();
    }
  }

  private onPaste(e: ClipboardEvent): void {
    if (!this.view.panel.open) return;
    const target = e.target as HTMLElement | null;
    if (target && (target.isContentEditable || target instanceof HTMLInputElement || target instanceof HTMLTextAreaElement)) return;
    const data = e.clipboardData;
    if (!data) return;
    e.preventDefault();
    void this.pastePage(data.getData('text/html') || data.getData('text/plain'));
  }

  private async importListed(): Promise<void> {
    await this.app.idle();
    const numbers = this.view.history;
    const waiting = this.view.panel.listed;
    // The import replaces the history: as for a new game, a history with
    // numbers is not given up without a word from the player.
    if (numbers > 0 && this.view.panel.process.enabled &&
        !(await ask(t('TForm1', 'Import %1 numbers? They replace the history of %2 numbers; the bankroll stays.', waiting, numbers))))
      return;
    await this.app.do('click Button_Process');
  }

  private heard(answer: Answer, request: Request): void {
    this.render(answer.view);
    // A page read without an error that yields no number would otherwise
    // leave the player waiting for an IMPORT that never comes.
    if ('tick' in request && request.tick === PAGE_TIMER && !answer.timers[PAGE_TIMER]?.[0] && !answer.message &&
        answer.view.panel.open && answer.view.panel.listed === 0)
      tell(t('TForm1', 'The pasted page holds no roulette numbers: nothing to import.'));
  }

  private render(v: View): void {
    this.view = v;
    const p = v.panel;
    this.panel.hidden = !p.open;
    this.paste.disabled = p.pasteCovered;
    this.load.disabled = p.loadCovered;
    if (p.pasteCovered) this.paste.title = t('Tooltip', 'A pasted page is being read.');
    else this.paste.title = t('Tooltip', 'Reads the numbers of a live-casino history page copied to the clipboard.');
    this.progress.max = Math.max(1, p.progress[1]);
    this.progress.value = Math.min(p.progress[0], this.progress.max);
    const counted = /\((\d+)\)/.exec(p.process.text);
    this.process.textContent = counted ? t('List', 'IMPORT (%1)', counted[1] ?? '') : t('List', 'IMPORT');
    this.process.disabled = !p.process.enabled;
  }

  private picker(accept: string, take: (file: File) => void): HTMLInputElement {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.hidden = true;
    input.addEventListener('change', () => {
      const file = input.files?.[0];
      input.value = '';
      if (file) take(file);
    });
    return input;
  }
}

/**
 * Starts what the table keeps and reads: the session journal (the table's
 * requests wait until the last session is resumed or kept aside), the file
 * commands and the import panel, and the list of previous sessions, built
 * into `parent`.
 */
export function startStore(app: App, parent: HTMLElement): { journal: SessionJournal; files: Files; ready: Promise<void> } {
  const { journal, ready } = startJournal(app);
  const files = new Files(app, parent);
  previousSessions(journal, files.root);
  const store = { journal, files, ready };
  (globalThis as unknown as { rotacleStore: typeof store }).rotacleStore = store;
  return store;
}
