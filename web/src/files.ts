// The files of the table: number and settings files given by the file
// picker or dropped on the page, the history and the settings written by the
// game handed to the player as downloads, and a page pasted into the import
// panel. The table's controls name these commands (`data-command`); this
// part runs them. Every file goes to the game byte for byte through its own
// files (the module's file system) and comes back from there the same way;
// the game reads and writes them exactly as on the desktop, with its messages.
import { App } from './app.js';
import { View } from './face.js';
import { previousSessions, SessionJournal, startJournal, StoreHost } from './journal.js';
import { pageText } from './paste.js';
import { t } from './i18n.js';

/** The largest number file the game reads, and the largest settings file. */
export const NUMBER_FILE_LIMIT = 200 * 1024 * 1024;
export const SETTINGS_FILE_LIMIT = 1024 * 1024;
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
  private readonly numbersPicker: HTMLInputElement;
  private readonly settingsPicker: HTMLInputElement;
  private view: View;
  private layingOut = false; // a pasted page is being laid out

  constructor(
    private readonly app: App,
    private readonly host: StoreHost,
  ) {
    this.view = app.last.view;
    app.face.makeFolderOf(`${FOLDER}/`);
    this.numbersPicker = this.picker('numbers-picker', '.txt,text/plain', (f) => void this.loadNumberFile(f));
    this.settingsPicker = this.picker('settings-picker', '.rtk', (f) => void this.loadSettings(f));

    // Any control of the page that names one of these commands runs it.
    document.addEventListener('click', (e) => {
      const target = (e.target as Element | null)?.closest<HTMLElement>('[data-command]');
      const command = target?.dataset['command'];
      if (!command || (target instanceof HTMLButtonElement && target.disabled)) return;
      this.command(command);
    });
    document.addEventListener('paste', (e) => this.onPaste(e));
    document.addEventListener('dragover', (e) => {
      if (!e.dataTransfer?.types.includes('Files')) return;
      e.preventDefault();
      e.dataTransfer.dropEffect = 'copy';
      document.documentElement.classList.add('dropping');
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
    app.listen((answer) => {
      this.view = answer.view;
    });
  }

  /** Runs a file command by its name (the `data-command` of a control). */
  command(name: string): void {
    switch (name) {
      case 'export': void this.exportHistory(); break;
      case 'load-settings': this.settingsPicker.click(); break;
      case 'save-settings': void this.saveSettings(); break;
      case 'paste-page': void this.pasteFromClipboard(); break;
      case 'load-file': this.numbersPicker.click(); break;
    }
  }

  /** Fills the import list from a number file (the panel's LOAD FROM FILE). */
  async loadNumberFile(file: File): Promise<void> {
    const path = await this.give(file, NUMBER_FILE_LIMIT);
    if (path) await this.app.send({ window: 'load-file', path });
  }

  /** Loads a settings file (LOAD). */
  async loadSettings(file: File): Promise<void> {
    const path = await this.give(file, SETTINGS_FILE_LIMIT);
    if (path) await this.app.do(`load-settings ${path}`);
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
      this.host.tell(e instanceof Error ? e.message : String(e));
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
      this.host.tell(t('Message', 'Cannot read file "%1". %2', file.name, e instanceof Error ? e.message : String(e)));
      return null;
    }
  }

  // Runs the game's command that writes `path`, then downloads what it wrote.
  private async written(path: string, command: (path: string) => string, name: string, type: string): Promise<void> {
    await this.app.idle();
    this.app.face.removeFile(path);
    const answer = await this.app.do(command(path));
    if (!answer.ok) return;
    const bytes = this.app.face.readFile(path);
    // Nothing written (a progress run under way): nothing to hand over.
    if (bytes) download(bytes, name, type);
  }

  private async pasteFromClipboard(): Promise<void> {
    let html: string;
    try {
      html = '';
      for (const item of await navigator.clipboard.read()) {
        const type = item.types.includes('text/html') ? 'text/html' : item.types.includes('text/plain') ? 'text/plain' : '';
        if (type) {
          html = await (await item.getType(type)).text();
          break;
        }
      }
    } catch {
      // The browser keeps the clipboard to itself until the player pastes.
      this.host.tell(t('Web', 'Press Ctrl+V (\u2318V on a Mac) to paste the page.'));
      return;
    }
    await this.pastePage(html);
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

  private picker(cls: string, accept: string, take: (file: File) => void): HTMLInputElement {
    const input = document.createElement('input');
    input.type = 'file';
    input.className = cls;
    input.accept = accept;
    input.hidden = true;
    input.addEventListener('change', () => {
      const file = input.files?.[0];
      input.value = '';
      if (file) take(file);
    });
    document.body.append(input);
    return input;
  }
}

/**
 * Starts what the table keeps and reads: the session journal (the table's
 * requests wait until the last session is resumed or kept aside), the file
 * commands, and the list of previous sessions in `sessions` (the guide's).
 */
export function startStore(
  app: App,
  host: StoreHost,
  sessions: HTMLElement,
): { journal: SessionJournal; files: Files; ready: Promise<void> } {
  const { journal, ready } = startJournal(app, host);
  const files = new Files(app, host);
  previousSessions(journal, sessions);
  const store = { journal, files, ready };
  (globalThis as unknown as { rotacleStore: typeof store }).rotacleStore = store;
  return store;
}
