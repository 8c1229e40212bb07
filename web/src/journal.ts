// The session that survives: every action of the player is stored in the
// browser's IndexedDB, in the journal's own record format, before the next
// one is taken, so that a closed tab, a crashed browser or a phone that kills
// the page loses nothing. The next visit offers the session back with the
// desktop's question; sessions not taken up are kept (ten at most, newest
// first) and can be resumed later. A second tab finds the first one's journal
// locked (Web Locks), says so and journals a session of its own, as a second
// desktop window does.
import { App } from './app.js';
import { Answer, Face, JournalContents, Request } from './face.js';
import { t } from './i18n.js';

const DB_NAME = 'rotacle';
const RECORDS = 'records'; // key [slot, seq]: one record line each, seq 0 opening the journal
const SLOTS = 'slots'; // key slot: { modified } the time of the last record, ms
const KEPT = 'kept'; // key name: { text, modified }
/** Journals that tabs may keep at the same time, one each. */
export const JOURNAL_SLOTS = 9;
/** Sessions kept beside the running ones, at most. */
export const KEPT_JOURNALS = 10;

interface Kept {
  name: string;
  text: string;
  modified: number;
}

/** A kept session as the list of previous sessions shows it. */
export interface KeptSession {
  name: string;
  readable: boolean;
  numbers: number;
  bankroll: string;
}

// ---------------------------------------------------------------- the page around

/** What the journal and the files need of the page: its message boxes and the guide's place for kept sessions. */
export interface StoreHost {
  /** Asks `question` with Yes and No; `yesByDefault` puts the focus on Yes. */
  ask(question: string, yesByDefault?: boolean): Promise<boolean>;
  /** Shows a message to the player. */
  tell(text: string): void;
}

// ---------------------------------------------------------------- IndexedDB

function request<T>(r: IDBRequest<T>): Promise<T> {
  return new Promise((resolve, reject) => {
    r.onsuccess = () => resolve(r.result);
    r.onerror = () => reject(r.error ?? new Error('IndexedDB request failed'));
  });
}

function finished(tx: IDBTransaction): Promise<void> {
  return new Promise((resolve, reject) => {
    tx.oncomplete = () => resolve();
    tx.onerror = () => reject(tx.error ?? new Error('IndexedDB transaction failed'));
    tx.onabort = () => reject(tx.error ?? new Error('IndexedDB transaction aborted'));
  });
}

function openDb(): Promise<IDBDatabase> {
  const open = indexedDB.open(DB_NAME, 1);
  open.onupgradeneeded = () => {
    const db = open.result;
    db.createObjectStore(RECORDS);
    db.createObjectStore(SLOTS);
    db.createObjectStore(KEPT);
  };
  return request(open);
}

/**
 * A write that is complete before the page goes on. As the desktop's journal
 * hands each record to the system at once without waiting for the disk, a
 * record survives a killed page or a crashed browser (not a power cut).
 */
function write(db: IDBDatabase, stores: string[]): IDBTransaction {
  return db.transaction(stores, 'readwrite', { durability: 'relaxed' });
}

function slotRange(slot: number, from = 0): IDBKeyRange {
  return IDBKeyRange.bound([slot, from], [slot, Number.MAX_SAFE_INTEGER]);
}

/** Holds the Web Lock `name` when it is free; the answer releases it. */
function tryLock(name: string): Promise<(() => void) | null> {
  if (!('locks' in navigator)) return Promise.resolve(() => undefined);
  return new Promise((resolve) => {
    navigator.locks
      .request(name, { ifAvailable: true }, (lock) => {
        if (!lock) {
          resolve(null);
          return undefined;
        }
        return new Promise<void>((release) => resolve(() => release()));
      })
      .catch(() => resolve(null));
  });
}

// ---------------------------------------------------------------- kept journals

function two(n: number): string {
  return String(n).padStart(2, '0');
}

/** The name a kept journal gets: "session-YYYYMMDD-HHMMSS.journal", local time. */
export function keptName(when: number): string {
  const d = new Date(when);
  return (
    `session-${d.getFullYear()}${two(d.getMonth() + 1)}${two(d.getDate())}-` +
    `${two(d.getHours())}${two(d.getMinutes())}${two(d.getSeconds())}.journal`
  );
}

// A kept journal's place in time: its stamp, then its copy within that second.
function keptOrder(name: string): [string, number] {
  const m = /^session-(\d{8}-\d{6})(?:-(\d+))?\.journal$/.exec(name);
  return m ? [m[1] ?? '', Number(m[2] ?? 1)] : [name, 1];
}

function newestFirst(a: string, b: string): number {
  const [sa, ca] = keptOrder(a);
  const [sb, cb] = keptOrder(b);
  return sa === sb ? cb - ca : sa < sb ? 1 : -1;
}

/** "session-20261208-143005.journal" as "2026-12-08 14:30:05". */
export function keptShown(name: string): string {
  const m = /^session-(\d{4})(\d{2})(\d{2})-(\d{2})(\d{2})(\d{2})/.exec(name);
  return m ? `${m[1]}-${m[2]}-${m[3]} ${m[4]}:${m[5]}:${m[6]}` : name;
}

function clockText(ms: number): string {
  const d = new Date(ms);
  return `${two(d.getHours())}:${two(d.getMinutes())}`;
}

// ---------------------------------------------------------------- the journal

export class SessionJournal {
  /** The slot this tab journals in (0: none). */
  slot = 0;
  private db: IDBDatabase | null = null;
  private release: (() => void) | null = null;
  private attached = false;
  private lines: string[] = []; // the journal's records as stored, in order
  private unsaved: string[] = []; // records the store refused, waiting for room
  private inTrouble = false;
  private numbers = 0; // numbers on the board after the last action
  private lastRecord = 0; // when the last action was stored, ms
  private readonly described = new Map<string, KeptSession>();
  private pending: { last: JournalContents; lines: string[]; modified: number } | null = null;
  /** Makes the requests that follow the start a replay of `actions` and the end of its run. */
  resumeWith: (actions: string[]) => void = () => undefined;
  /** Called whenever the kept sessions change. */
  onKeptChanged: () => void = () => undefined;

  constructor(
    private readonly app: App,
    private readonly host: StoreHost,
  ) {}

  private get face(): Face {
    return this.app.face;
  }

  /**
   * Takes the first journal no other tab holds, offers its session back when
   * it holds numbers, keeps it aside otherwise, and journals this session.
   * Runs while the table's requests wait (see `startJournal`).
   */
  async start(): Promise<void> {
    const notJournaled = (reason: unknown): void =>
      this.host.tell(`${reason instanceof Error ? reason.message : String(reason)}${t('Journal', ' This session is not journaled.')}`);
    if (!('indexedDB' in globalThis)) {
      notJournaled(t('Web', 'This browser keeps no data for pages (IndexedDB).'));
      return;
    }
    try {
      this.db = await openDb();
    } catch (e) {
      notJournaled(e);
      return;
    }
    for (let slot = 1; slot <= JOURNAL_SLOTS && !this.release; ++slot) {
      const release = await tryLock(`rotacle-journal-${slot}`);
      if (release) {
        this.release = release;
        this.slot = slot;
      }
    }
    if (!this.release) {
      this.host.tell(t('Journal', 'Every session journal is open in another Rotacle window. This session is not journaled.'));
      return;
    }
    if (this.slot > 1)
      this.host.tell(t('Journal', 'The last session is open in another Rotacle window. This window starts a session of its own.'));
    else await this.sweepSlots();
    try {
      const { lines, modified } = await this.readSlot(this.slot);
      const text = lines.join('');
      const last = this.face.readJournal(text);
      if (!last.usable) {
        await this.keepAside(text, modified, `The last session cannot be resumed: ${last.problem}`);
      } else if (!last.closed && (last.numbers ?? 0) > 0) {
        let question =
          `Resume the last session? ${last.numbers ?? 0} numbers, bankroll ${last.bankroll ?? ''}, ` +
          `last at ${clockText(modified)}`;
        const waiting = last.waiting ?? [];
        if (waiting.length) question += `, and ${waiting.length} waiting to be entered (${waiting.join(' ')})`;
        if (await this.host.ask(`${question}.`, true)) {
          // The replay runs as the next request, heard by the whole page (see `resumed`).
          this.pending = { last, lines, modified };
          this.resumeWith(last.actions);
          return;
        }
        await this.keepAside(text, modified, '');
      } else {
        // Only a session that holds numbers is worth keeping.
        if ((last.numbers ?? 0) > 0) await this.keepAside(text, modified, '');
        await this.startOver([]);
      }
      this.attach([this.face.journalStart()]);
    } catch (e) {
      notJournaled(e);
    }
  }

  /** Stores the records of `answer` before the next request runs. */
  store(answer: Answer): Promise<void> | undefined {
    if (!this.attached) return undefined;
    const records = answer.records;
    const numbersAfter = answer.view.history;
    if (!records.length && !this.unsaved.length) {
      this.numbers = numbersAfter;
      return undefined;
    }
    return this.append(records).finally(() => {
      this.numbers = numbersAfter;
    });
  }

  /** The kept sessions, newest first. */
  async kept(): Promise<KeptSession[]> {
    if (!this.db) return [];
    const names = (await request(this.db.transaction(KEPT).objectStore(KEPT).getAllKeys())) as string[];
    names.sort(newestFirst);
    const list: KeptSession[] = [];
    for (const name of names) {
      let d = this.described.get(name);
      if (!d) {
        const kept = (await request(this.db.transaction(KEPT).objectStore(KEPT).get(name))) as Kept | undefined;
        if (!kept) continue;
        const j = this.face.readJournal(kept.text);
        d = { name, readable: j.usable, numbers: j.numbers ?? 0, bankroll: j.bankroll ?? '' };
        this.described.set(name, d);
      }
      list.push(d);
    }
    return list;
  }

  /**
   * Resumes the kept session `name` after a confirmation: this session is
   * kept beside it when it holds numbers, the kept one becomes this tab's
   * journal, and the page starts again to offer it.
   */
  async resumeKept(name: string, restart: () => void = () => location.reload()): Promise<void> {
    if (!this.db) return;
    const kept = (await request(this.db.transaction(KEPT).objectStore(KEPT).get(name))) as Kept | undefined;
    if (!kept) return;
    const chosen = this.face.readJournal(kept.text);
    if (!chosen.usable) {
      this.host.tell(chosen.problem);
      return;
    }
    // A kept session that goes on after its close is taken up to the close.
    if (chosen.problem) this.host.tell(chosen.problem);
    if (!this.attached) {
      this.host.tell(t('Journal', 'This window keeps no session journal: the kept session cannot be resumed here.'));
      return;
    }
    const question = t(
      'Journal',
      'Resume the session kept as %1? This session is kept beside it, and Rotacle starts again.',
      name,
    );
    if (!(await this.host.ask(question))) return;
    // Whatever the table does from here belongs to no journal: the page starts again.
    this.attached = false;
    try {
      await this.app.idle();
      const now = Date.now();
      if (this.app.last.view.history > 0)
        await this.keep([...this.lines, ...this.face.frame(['closed'])].join(''), now, now);
      await this.startOver(chosen.actions, kept.modified);
    } catch (e) {
      this.host.tell(e instanceof Error ? e.message : String(e));
      this.attached = true;
      return;
    }
    this.release?.();
    this.release = null;
    restart();
  }

  /**
   * The replay of the last session has run: what was not replayed is cut
   * off, and the journal goes on from there. The run the session was in
   * finishes with the next request, journaled; the numbers that waited for
   * it wait again: the table is as the question said.
   */
  async resumed(replay: Answer): Promise<void> {
    const pending = this.pending;
    this.pending = null;
    if (!pending) return;
    const { last, lines, modified } = pending;
    const ran = replay.replayed ?? 0;
    try {
      if (lines.length > ran + 1) {
        const tx = write(this.db!, [RECORDS]);
        tx.objectStore(RECORDS).delete(slotRange(this.slot, ran + 1));
        await finished(tx);
      }
      this.lastRecord = modified;
      this.numbers = replay.view.history;
      this.attach(lines.slice(0, ran + 1));
    } catch (e) {
      this.host.tell(`${e instanceof Error ? e.message : String(e)}${t('Journal', ' This session is not journaled.')}`);
    }
    if (last.problem) this.host.tell(last.problem);
    else if (ran < last.actions.length && replay.playStopped)
      this.host.tell(
        t(
          'Journal',
          'Record %1 of the journal enters a number while play stood still at a session limit; the session is resumed up to it.',
          ran + 2,
        ),
      );
    else if (ran < last.actions.length)
      this.host.tell(t('Journal', 'The journal holds an action this version does not know; the session is resumed up to it.'));
  }

  private attach(lines: string[]): void {
    this.lines = lines;
    this.unsaved = [];
    this.attached = true;
  }

  private async append(records: string[]): Promise<void> {
    let framed: string[] = [];
    for (const action of records) {
      // At every new game the game that ends there is kept aside first, so
      // that an APP clicked by mistake can be taken back.
      if (action.startsWith('reset-app') && this.numbers > 0 && !this.unsaved.length) {
        try {
          const pending = [...this.lines, ...framed];
          await this.keep(pending.join(''), Date.now(), this.lastRecord);
        } catch {
          // No copy: the game goes on, the journal holds everything.
        }
      }
      framed = framed.concat(this.face.frame([action]));
    }
    const lines = [...this.unsaved, ...framed];
    const now = Date.now();
    try {
      const tx = write(this.db!, [RECORDS, SLOTS]);
      const store = tx.objectStore(RECORDS);
      lines.forEach((line, i) => store.put(line, [this.slot, this.lines.length + i]));
      tx.objectStore(SLOTS).put({ modified: now }, this.slot);
      await finished(tx);
    } catch (e) {
      this.unsaved = lines;
      if (!this.inTrouble) {
        this.inTrouble = true;
        this.host.tell(
          t(
            'Journal',
            'The session journal cannot be written (%1). Play goes on; the journal catches up as soon as there is room again.',
            e instanceof Error ? e.message : String(e),
          ),
        );
      }
      return;
    }
    this.lines.push(...lines);
    this.unsaved = [];
    this.inTrouble = false;
    this.lastRecord = now;
  }

  private async readSlot(slot: number): Promise<{ lines: string[]; modified: number }> {
    const tx = this.db!.transaction([RECORDS, SLOTS]);
    const lines = (await request(tx.objectStore(RECORDS).getAll(slotRange(slot)))) as string[];
    const info = (await request(tx.objectStore(SLOTS).get(slot))) as { modified: number } | undefined;
    return { lines, modified: info?.modified ?? Date.now() };
  }

  // Empties this tab's journal to its opening record and `actions`.
  private async startOver(actions: string[], modified = Date.now()): Promise<void> {
    const lines = [this.face.journalStart(), ...this.face.frame(actions)];
    const tx = write(this.db!, [RECORDS, SLOTS]);
    const store = tx.objectStore(RECORDS);
    store.delete(slotRange(this.slot));
    lines.forEach((line, i) => store.put(line, [this.slot, i]));
    tx.objectStore(SLOTS).put({ modified }, this.slot);
    await finished(tx);
  }

  // Keeps the journal `text` aside (said so when `why` is given) and empties
  // this tab's journal.
  private async keepAside(text: string, modified: number, why: string): Promise<void> {
    const name = await this.keep(text, Date.now(), modified);
    await this.startOver([]);
    if (why) this.host.tell(why + t('Journal', ' It is kept as %1; a new session starts.', name));
  }

  /**
   * Writes `text` as a new kept journal named by `when` ("-2", "-3" ... when
   * the name is taken: a kept journal is never written over), then removes
   * the oldest beyond the limit. One transaction: two tabs never take the
   * same name.
   */
  private async keep(text: string, when: number, modified: number): Promise<string> {
    const tx = write(this.db!, [KEPT]);
    const store = tx.objectStore(KEPT);
    const names = (await request(store.getAllKeys())) as string[];
    const base = keptName(when);
    let name = base;
    for (let i = 2; names.includes(name); ++i) name = base.replace(/\.journal$/, `-${i}.journal`);
    store.put({ text, modified } satisfies Omit<Kept, 'name'>, name);
    const all = [...names, name].sort(newestFirst);
    for (const old of all.slice(KEPT_JOURNALS)) store.delete(old);
    await finished(tx);
    this.onKeptChanged();
    return name;
  }

  // A tab that was closed or crashed left its journal behind in a slot past
  // the first: its session is kept with the others.
  private async sweepSlots(): Promise<void> {
    for (let slot = 2; slot <= JOURNAL_SLOTS; ++slot) {
      const release = await tryLock(`rotacle-journal-${slot}`);
      if (!release) continue;
      try {
        const { lines, modified } = await this.readSlot(slot);
        if (!lines.length) continue;
        const text = lines.join('');
        const j = this.face.readJournal(text);
        if (!j.usable || (j.numbers ?? 0) > 0) await this.keep(text, Date.now(), modified);
        const tx = write(this.db!, [RECORDS, SLOTS]);
        tx.objectStore(RECORDS).delete(slotRange(slot));
        tx.objectStore(SLOTS).delete(slot);
        await finished(tx);
      } catch {
        // Not to be read or kept: left as it is.
      } finally {
        release();
      }
    }
  }
}

// ---------------------------------------------------------------- previous sessions

/**
 * The list of kept sessions with its RESUME, as the help window shows it;
 * built into `parent`, refreshed when the kept sessions change.
 */
export function previousSessions(journal: SessionJournal, parent: HTMLElement): HTMLElement {
  const section = document.createElement('section');
  section.className = 'previous-sessions';
  const title = document.createElement('h2');
  title.id = 'previous-sessions-title';
  title.textContent = t('Help', '  Previous sessions').trim();
  const list = document.createElement('select');
  list.size = 5;
  list.className = 'kept-list';
  list.title = t('Help', 'Sessions kept beside this one, newest first');
  list.setAttribute('aria-labelledby', title.id);
  const resume = document.createElement('button');
  resume.type = 'button';
  resume.className = 'resume-session';
  resume.textContent = t('Help', 'RESUME');
  resume.title = t('Help', 'Resume the chosen session; this one is kept beside it');
  resume.disabled = true;
  list.addEventListener('change', () => {
    resume.disabled = list.selectedIndex < 0;
  });
  resume.addEventListener('click', () => {
    if (list.value) void journal.resumeKept(list.value);
  });
  section.append(title, list, resume);
  parent.append(section);
  const refresh = async (): Promise<void> => {
    const kept = await journal.kept();
    list.replaceChildren(
      ...kept.map((k) => {
        const o = document.createElement('option');
        o.value = k.name;
        o.textContent =
          keptShown(k.name) +
          (k.readable
            ? t('Help', '  \u2014  %1 numbers, bankroll %2', k.numbers, k.bankroll)
            : t('Help', '  \u2014  cannot be resumed'));
        return o;
      }),
    );
    resume.disabled = true;
  };
  journal.onKeptChanged = () => void refresh();
  void refresh();
  return section;
}

/**
 * Starts the journal of `app`'s table: the table's requests wait until the
 * last session is resumed or kept aside; from then on every answer's records
 * are stored before the next request runs.
 */
export function startJournal(app: App, host: StoreHost): { journal: SessionJournal; ready: Promise<void> } {
  const journal = new SessionJournal(app, host);
  const gate: Request = { view: true };
  // The two requests after the gate stay views unless the player resumes
  // the last session: then they are its replay and the end of the run it
  // left unfinished, heard by every listener of the page like any other.
  const replay: { view?: true; replay?: string[] } = { view: true };
  const finish: { view?: true; window?: string } = { view: true };
  journal.resumeWith = (actions) => {
    delete replay.view;
    replay.replay = actions;
    delete finish.view;
    finish.window = 'finish-runs';
  };
  app.listen((answer, req) => {
    if (req === gate) return journal.start();
    if (req === replay && replay.replay) return journal.resumed(answer);
    return journal.store(answer);
  });
  void app.send(gate);
  void app.send(replay as Request);
  const ready = app.send(finish as Request).then(() => undefined);
  return { journal, ready };
}
