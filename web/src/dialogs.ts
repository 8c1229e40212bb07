// The page's message boxes: an error of the game with OK, and the questions
// the window asks before it gives up a history (Yes / No). While one is open
// the game's timers hold still, as under the window's message boxes, and the
// focus comes back where it was when it closes.
import { App } from './app.js';
import { t } from './i18n.js';

export class Dialogs {
  private readonly box: HTMLDialogElement;
  private readonly text: HTMLElement;
  private readonly buttons: HTMLElement;
  private queue: Promise<unknown> = Promise.resolve();

  constructor(private readonly app: App, parent: HTMLElement) {
    this.box = document.createElement('dialog');
    this.box.className = 'message';
    this.box.setAttribute('aria-labelledby', 'message-title');
    this.box.setAttribute('aria-describedby', 'message-text');
    const title = document.createElement('h2');
    title.id = 'message-title';
    title.textContent = 'Rotacle 8.0';
    this.text = document.createElement('p');
    this.text.id = 'message-text';
    this.buttons = document.createElement('div');
    this.buttons.className = 'message-buttons';
    this.box.append(title, this.text, this.buttons);
    parent.append(this.box);
  }

  /** Shows an error of the game; resolves when the player has read it. */
  message(text: string): Promise<void> {
    return this.ask(text, 'alertdialog', [[t('Web', 'OK'), true]], true).then(() => undefined);
  }

  /** Asks `question`; true for Yes. */
  confirm(question: string, yesByDefault = false): Promise<boolean> {
    return this.ask(question, 'dialog', [[t('Web', 'Yes'), true], [t('Web', 'No'), false]], yesByDefault);
  }

  /** True while a box waits for the player. */
  get open(): boolean {
    return this.box.open;
  }

  private ask(text: string, role: string, choices: [string, boolean][], focused: boolean): Promise<boolean> {
    const run = (): Promise<boolean> =>
      new Promise<boolean>((done) => {
        const before = document.activeElement instanceof HTMLElement ? document.activeElement : null;
        this.box.setAttribute('role', role);
        this.text.textContent = text;
        this.buttons.replaceChildren();
        let answer = false;
        let first: HTMLButtonElement | undefined;
        for (const [label, value] of choices) {
          const b = document.createElement('button');
          b.type = 'button';
          b.textContent = label;
          b.dataset['answer'] = value ? 'yes' : 'no';
          b.addEventListener('click', () => {
            answer = value;
            this.box.close();
          });
          this.buttons.append(b);
          if (value === focused) first = b;
        }
        const closed = (): void => {
          this.box.removeEventListener('close', closed);
          this.app.clock.held = false;
          before?.focus({ preventScroll: true });
          done(answer);
        };
        this.box.addEventListener('close', closed);
        this.app.clock.held = true;
        this.box.showModal();
        first?.focus();
      });
    const next = this.queue.then(run, run);
    this.queue = next.catch(() => undefined);
    return next;
  }
}
