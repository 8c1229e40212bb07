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

interface FaceModule {
  ccall(name: string, ret: 'string', types: ['string'], args: [string]): string;
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
    const text = this.module.ccall('rotacle_call', 'string', ['string'], [JSON.stringify({ ...request, now })]);
    const answer = JSON.parse(text) as Answer;
    // The game's error in the player's language, worded from its values as the window words it.
    if (answer.messageValues) answer.message = wordMessage(answer.messageValues);
    return answer;
  }
}
