// The game's WebAssembly face: one JSON request in, one JSON answer out.
// Nothing of the game is decided here; see web/face.h for the requests.
import { wordMessage } from './i18n.js';

/** A label of the window model. */
export interface LabelView {
  text: string;
  shown: boolean;
  colour: number;
}

/** The window model's read-only view, as the face writes it. */
export interface View {
  cells: boolean[];
  cellsLit: boolean[];
  strip: LabelView[];
  history: number;
  trendNormal: boolean[];
  trendChosen: boolean[];
  fields: boolean[];
  chips: boolean[];
  stakes: LabelView[];
  skipCovered: boolean;
  undoActive: boolean;
  settingsCovered: boolean;
  lamps: [boolean, boolean];
  gauge1: [number, number];
  gauge3: [number, number];
  bankroll: LabelView;
  bankCaption: LabelView;
  betsPlayed: string;
  flatIndex: string;
  numbersInGame: string;
  safeLevelText: string;
  net: string;
  netSign: number;
  stake: string;
  keys: { typed: string; refused: boolean; waiting: number[]; quick: boolean };
  panel: {
    open: boolean;
    pasteCovered: boolean;
    loadCovered: boolean;
    progress: [number, number];
    process: { text: string; enabled: boolean };
    listed: number;
  };
  edits: Record<string, { text: string; enabled: boolean; readOnly: boolean }>;
  spins: Record<string, { text: string; enabled: boolean; readOnly: boolean; min: number; max: number }>;
  checks: Record<string, { checked: boolean; enabled: boolean }>;
  combos: Record<string, { items: string[]; index: number; enabled: boolean; colour: number; fontColour: number }>;
  safeLevel: [number, number, number];
  buttons: Record<string, boolean>;
  options: {
    partage: boolean;
    limitLoss: number;
    limitProfit: number;
    limitTime: number;
    limitSpins: number;
    realityCheck: number;
    stakeAboveBankroll: boolean;
  };
  limit: { stopped: string; on: boolean; spins: number; net: number; seconds: number };
  window: { width: number; height: number; focus: string; closeRequested: boolean };
  progressRun: boolean;
}

/** One play event of the game. */
export interface PlayEvent {
  kind: string;
  bankroll: number;
  number?: number;
  field?: number;
  stake?: number;
  won?: boolean;
  returned?: number;
  partage?: boolean;
  count?: number;
  mode?: number;
}

/** An error of the game as values: the English pattern of its kind, the values, the error inside it. */
export interface MessageValues {
  pattern: string;
  args: string[];
  cause?: MessageValues;
}

export interface Answer {
  ok: boolean;
  view: View;
  /** [enabled, interval in ms] of each timer, in timer order. */
  timers: [boolean, number][];
  /** The error to show, in the player's language. */
  message?: string;
  /** `message` as values (the face's English wording is replaced by the player's language). */
  messageValues?: MessageValues;
  records: string[];
  play: PlayEvent[];
  error?: string;
  focus?: string;
  output?: string;
  data?: string;
  stats?: unknown;
  replayed?: number;
  /** The replay stopped at a number entered while play stood still at a session limit. */
  playStopped?: boolean;
  /** The first stakes of a staking preset, or why there are none. */
  staking?: { lose?: number[]; win?: number[]; mixed?: number[]; error?: string };
}

/** What the page may ask; see web/face.h. */
export type Request =
  | { do: string }
  | { window: string; path?: string }
  | { tick: number }
  | { key: string }
  | { staking: { preset: string; apply: boolean } }
  | { replay: string[] }
  | { page: { html: string; text: string } }
  | { file: { path: string; data: string } }
  | { read: string }
  | { view: true };

/** Requests up to this many characters go on the module's stack; longer ones on its heap. */
const STACK_REQUEST = 64 * 1024;

interface FaceModule {
  ccall(name: string, ret: 'string', types: ['string'] | ['number'], args: [string] | [number]): string;
  _malloc(size: number): number;
  _free(at: number): void;
  stringToUTF8(text: string, at: number, size: number): void;
  lengthBytesUTF8(text: string): number;
  FS: {
    writeFile(path: string, data: Uint8Array): void;
    readFile(path: string): Uint8Array;
    mkdirTree(path: string): void;
    unlink(path: string): void;
  };
}

/** What a stored journal holds (see web/face_journal.h). */
export interface JournalContents {
  usable: boolean;
  closed: boolean;
  torn: boolean;
  problem: string;
  actions: string[];
  numbers?: number;
  bankroll?: string;
  waiting?: number[];
}

export class Face {
  private constructor(private readonly module: FaceModule) {}

  /** Loads the WebAssembly module (beside the page) and starts its table. */
  static async load(): Promise<Face> {
    const url = new URL('./rotacle-face.mjs', import.meta.url).href;
    const factory = (await import(url)) as { default: () => Promise<FaceModule> };
    return new Face(await factory.default());
  }

  /** Runs one request on the game's clock `now` (ms since the epoch). */
  call(request: Request, now: number = Date.now()): Answer {
    const answer = JSON.parse(this.run('rotacle_call', JSON.stringify({ ...request, now }))) as Answer;
    // The game's error in the player's language, worded from its values as the window words it.
    if (answer.messageValues) answer.message = wordMessage(answer.messageValues);
    return answer;
  }

  /** The journal records of `actions`, each with its line end. */
  frame(actions: string[]): string[] {
    return this.journal<{ lines: string[] }>({ frame: actions }).lines;
  }

  /** The record that opens an empty journal. */
  journalStart(): string {
    return this.journal<{ line: string }>({ start: true }).line;
  }

  /** What the journal text `text` holds. */
  readJournal(text: string): JournalContents {
    return this.journal<JournalContents>({ read: text });
  }

  /** Writes `data` byte for byte to `path` of the game's files (its folder made). */
  writeFile(path: string, data: Uint8Array): void {
    this.makeFolderOf(path);
    this.module.FS.writeFile(path, data);
  }

  /** Makes the folder that `path` of the game's files goes in, when it is missing. */
  makeFolderOf(path: string): void {
    const folder = path.slice(0, path.lastIndexOf('/'));
    if (folder) this.module.FS.mkdirTree(folder);
  }

  /** The bytes of `path` of the game's files, or null when there is no such file. */
  readFile(path: string): Uint8Array | null {
    try {
      return this.module.FS.readFile(path);
    } catch {
      return null;
    }
  }

  /** Removes `path` from the game's files, if it is there. */
  removeFile(path: string): void {
    try {
      this.module.FS.unlink(path);
    } catch {
      // Not there: nothing to remove.
    }
  }

  // Calls `name` with `json`. A long request (a pasted page, a long
  // journal) would not fit on the module's stack, where a string argument
  // goes: it is handed over on the heap.
  private run(name: string, json: string): string {
    if (json.length <= STACK_REQUEST) return this.module.ccall(name, 'string', ['string'], [json]);
    const size = this.module.lengthBytesUTF8(json) + 1;
    const at = this.module._malloc(size);
    if (!at) throw new Error('Out of memory');
    try {
      this.module.stringToUTF8(json, at, size);
      return this.module.ccall(name, 'string', ['number'], [at]);
    } finally {
      this.module._free(at);
    }
  }

  private journal<T>(request: object): T {
    const answer = JSON.parse(this.run('rotacle_journal', JSON.stringify(request))) as
      | T
      | { error: string };
    if (answer && typeof answer === 'object' && 'error' in answer) throw new Error(answer.error);
    return answer as T;
  }
}
