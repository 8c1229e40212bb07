// The window's keys on the page: digits, Enter or Space, Backspace and Esc
// for play at speed, Ctrl+Z undo, F1 the guide, S the statistics. An input
// with the focus takes its own keys; Enter or Esc in a setting's edit ends
// the edit, so that the digits typed next go to the table.
import { App } from './app.js';
import { Table } from './table.js';

/** Inputs that take typed keys themselves. */
function takesKeys(target: EventTarget | null): boolean {
  return target instanceof HTMLInputElement || target instanceof HTMLSelectElement || target instanceof HTMLTextAreaElement;
}

export class Keys {
  /** Shows the guide (F1). */
  help: () => void = () => undefined;
  /** True while a message box or the guide has the keys. */
  busy: () => boolean = () => false;

  constructor(private readonly app: App, private readonly table: Table) {
    document.addEventListener('keydown', (e) => this.key(e));
  }

  private key(e: KeyboardEvent): void {
    if (e.defaultPrevented || e.isComposing) return;
    const target = e.target;
    // A box or the guide keeps its own keys.
    if (target instanceof Element && target.closest('dialog')) return;
    const ctrl = e.ctrlKey || e.metaKey;
    if (ctrl && !e.altKey && !e.shiftKey && (e.key === 'z' || e.key === 'Z')) {
      if (takesKeys(target) || this.busy()) return;
      e.preventDefault();
      void this.app.do('undo');
      return;
    }
    if (ctrl || e.altKey) return;
    if (this.busy()) return;
    if (e.key === 'F1') {
      e.preventDefault();
      this.help();
      return;
    }
    const setting = target instanceof HTMLInputElement && target.closest('.part-settings') !== null;
    if (setting && (e.key === 'Enter' || e.key === 'Escape')) {
      e.preventDefault();
      this.table.focusTable();
      return;
    }
    if (e.key === 'Escape') {
      e.preventDefault();
      void this.app.send({ key: 'Escape' });
      return;
    }
    if (takesKeys(target)) return;
    const typed = this.app.last.view.keys.typed !== '';
    // A command with the focus is pressed by Space or Enter when nothing is typed.
    const command = target instanceof HTMLButtonElement;
    if (e.key === 's' || e.key === 'S') {
      e.preventDefault();
      this.table.command('stats');
    } else if (/^[0-9]$/.test(e.key)) {
      e.preventDefault();
      void this.app.send({ key: e.key });
    } else if (e.key === 'Enter' || e.key === ' ') {
      if (command && !typed) return;
      if (e.key === ' ' && !typed) return;
      e.preventDefault();
      void this.app.send({ key: 'Enter' });
    } else if (e.key === 'Backspace') {
      e.preventDefault();
      void this.app.send({ key: 'Backspace' });
    }
  }
}
