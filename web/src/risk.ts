// Risk runs in the browser: many whole sessions of a table's settings,
// played by Web Workers, one per core, each with its own instance of the
// game's module (risk-worker.ts). A run is cut into shards that the workers
// take one after the other; when all are played, one worker merges their
// rows with the driver's own code, so that the figures are those of
// `rotacle-sim risk` for the same settings, seed and sessions. Cancel stops
// the workers at once; the figures then are those of the sessions played
// without a gap from the first one.
//
// Entry point for scripts and benchmarks (globalThis.rotacleRisk, set by
// installRisk):
//   await rotacleRisk.run({ sessions: 1000, bankroll: '1000', target: '100',
//     spinsMax: 1000, seed: '1', zeroRule: 'none', system: 'settings',
//     settings: '...settings file text...' }, { workers: 2 })
// resolves with a RiskResult: `text` is the JSON line that
// `rotacle-sim risk --json` prints, `figures` the same parsed. `settings`
// defaults to the table's (rotacleRisk.setup() gives the table's settings
// text, bankroll and zero rule).
import type { App } from './app.js';
import type { WorkerAnswer, WorkerRequest } from './risk-worker.js';

/** What every session of a run plays, in the driver's terms. */
export interface RiskOptions {
  /** The text of a settings file loaded first; absent for the defaults. */
  settings?: string;
  /** NAME=VALUE controls applied after the settings. */
  controls?: string[];
  sessions: number;
  bankroll: string;
  target: string;
  spinsMax: number;
  /** Decimal digits, 0 to 2^64-1. */
  seed: string;
  zeroRule: 'none' | 'partage';
  system: 'settings' | 'flat' | 'martingale';
}

export interface Interval {
  value: number;
  low: number;
  high: number;
}

/** The driver's figures of a run (risk --json). */
export interface RiskFigures {
  sessions: number;
  p_target: Interval;
  p_ruin: Interval;
  p_open: Interval;
  result: { mean: number; sd: number; p5: number; p25: number; p50: number; p75: number; p95: number };
  mean_staked: number;
  edge: { expected: number; z: number };
  drawdown: { mean: number; max: number };
  longest_losing_run: number;
  largest_stake: number;
  mean_spins: number;
}

/** The histogram of the results and the band of the bankroll. */
export interface RiskChart {
  binLow: number;
  binWidth: number;
  bins: number[];
  checkpointSpins: number[];
  band: number[][];
}

export interface RiskResult {
  options: RiskOptions;
  /** Sessions asked for and played (fewer after a cancel). */
  asked: number;
  played: number;
  cancelled: boolean;
  figures: RiskFigures;
  /** The figures as the driver prints them with --json. */
  text: string;
  chart: RiskChart;
  /** The shards' files (mark, header, rows), in order. */
  parts: string[];
  /** The amounts as the tab writes them (to the cent) and the bankroll. */
  shown: Record<string, string | string[]>;
  /** Milliseconds from the start to the figures. */
  ms: number;
}

export interface RunControl {
  workers?: number;
  /** Sessions played so far of those asked for. */
  onProgress?: (played: number, asked: number) => void;
  signal?: AbortSignal;
}

/** A run the player or the program stopped before its end. */
export class RiskError extends Error {}

/** How long a cancel waits for the shards under way. */
const CANCEL_GRACE_MS = 3000;

/** Workers a run uses by default: one per core. */
export function defaultWorkers(): number {
  return Math.max(1, Math.min(navigator.hardwareConcurrency || 1, 16));
}

/**
 * How many shards a run of `sessions` is cut into for `workers`: enough that
 * the progress moves often and the workers end close together, at most a
 * hundred sessions each.
 */
export function shardCount(sessions: number, workers: number): number {
  const size = Math.max(1, Math.min(100, Math.ceil(sessions / (workers * 16))));
  return Math.max(1, Math.ceil(sessions / size));
}

/** The first session of shard `index` of `count`, as the driver cuts them. */
export function shardStart(sessions: number, index: number, count: number): number {
  return index * Math.floor(sessions / count) + Math.min(index, sessions % count);
}

// Workers kept between runs: loading the module is the slow part of a start.
// A minute after the last run they go, and their memory with them.
const idle: Worker[] = [];
const IDLE_MS = 60_000;
let reaper: ReturnType<typeof setTimeout> | undefined;

function keep(workers: Worker[]): void {
  idle.push(...workers);
  clearTimeout(reaper);
  reaper = setTimeout(() => {
    for (const w of idle.splice(0)) w.terminate();
  }, IDLE_MS);
}

// The game's WebAssembly, compiled once for every worker.
let wasm: Promise<WebAssembly.Module> | null = null;

function compiled(): Promise<WebAssembly.Module> {
  wasm ??= fetch(new URL('./rotacle-face.wasm', import.meta.url))
    .then((r) => {
      if (!r.ok) throw new RiskError(`rotacle-face.wasm: ${r.status}`);
      return r.arrayBuffer();
    })
    .then((bytes) => WebAssembly.compile(bytes))
    .catch((e: unknown) => {
      wasm = null;
      throw e;
    });
  return wasm;
}

async function hire(): Promise<Worker> {
  const kept = idle.pop();
  if (kept) return kept;
  const module = await compiled();
  const worker = new Worker(new URL('./risk-worker.js', import.meta.url), { type: 'module' });
  worker.postMessage({ kind: 'module', wasm: module } satisfies WorkerRequest);
  return worker;
}

function ask(worker: Worker, request: WorkerRequest): Promise<WorkerAnswer> {
  return new Promise((resolve, reject) => {
    worker.onmessage = (e: MessageEvent<WorkerAnswer>) => resolve(e.data);
    worker.onerror = (e) => reject(new RiskError(e.message || 'the worker failed'));
    worker.postMessage(request);
  });
}

/** Plays a risk run; rejects with a RiskError for a run that failed. */
export async function runRisk(options: RiskOptions, control: RunControl = {}): Promise<RiskResult> {
  const started = performance.now();
  const asked = options.sessions;
  const workers = Math.max(1, Math.min(control.workers ?? defaultWorkers(), asked));
  const shards = shardCount(asked, workers);
  const parts: (string | undefined)[] = new Array<string | undefined>(shards).fill(undefined);
  const crew = await Promise.all(Array.from({ length: workers }, hire));
  let next = 0;
  let played = 0;
  let failure: string | undefined;
  let stopped = false;
  // A failed shard ends the run at once: the workers still playing are stopped.
  let fail: (why: string) => void = () => undefined;
  const failed = new Promise<void>((resolve) => {
    fail = (why) => {
      failure ??= why;
      for (const w of crew) w.terminate();
      resolve();
    };
  });
  // A cancel hands out no more shards; those under way are played to their
  // end, or stopped where they are when they take longer than CANCEL_GRACE_MS.
  let cut: () => void = () => undefined;
  const cutShort = new Promise<void>((resolve) => {
    cut = resolve;
  });
  const stop = (): void => {
    if (stopped) return;
    stopped = true;
    setTimeout(cut, CANCEL_GRACE_MS);
  };
  const busy = new Set<Worker>();
  control.signal?.addEventListener('abort', stop);
  if (control.signal?.aborted) stop();
  control.onProgress?.(0, asked);

  const work = async (worker: Worker): Promise<void> => {
    while (!stopped && failure === undefined && next < shards) {
      const shard = next++;
      busy.add(worker);
      const answer = await ask(worker, { kind: 'play', options, shard, shards });
      busy.delete(worker);
      if (failure !== undefined) return;
      if (!answer.ok || answer.csv === undefined) {
        fail(answer.error ?? 'the run failed');
        return;
      }
      parts[shard] = answer.csv;
      played += shardStart(asked, shard + 1, shards) - shardStart(asked, shard, shards);
      control.onProgress?.(played, asked);
    }
  };
  try {
    await Promise.race([Promise.all(crew.map(work)), failed, cutShort]);
  } catch (e) {
    fail(e instanceof Error ? e.message : String(e));
  } finally {
    control.signal?.removeEventListener('abort', stop);
  }
  if (failure !== undefined) throw new RiskError(failure);
  for (const w of crew) {
    if (busy.has(w)) w.terminate();
    else keep([w]);
  }

  // The shards from the first one without a gap.
  const done: string[] = [];
  for (const p of parts) {
    if (p === undefined) break;
    done.push(p);
  }
  const whole = done.length === shards;
  const count = whole ? asked : shardStart(asked, done.length, shards);
  const base = { options, asked, played: count, cancelled: !whole, parts: done };
  if (done.length === 0) {
    return { ...base, figures: emptyFigures(), text: '', shown: {}, chart: { binLow: 0, binWidth: 1, bins: [], checkpointSpins: [], band: [] }, ms: performance.now() - started };
  }
  const merger = await hire();
  const merged = await ask(merger, { kind: 'merge', options, parts: done, whole });
  keep([merger]);
  if (!merged.ok) throw new RiskError(merged.error ?? 'the merge failed');
  return {
    ...base,
    figures: merged.figures as RiskFigures,
    text: merged.text ?? '',
    chart: merged.chart as RiskChart,
    shown: { ...(merged.shown ?? {}), bankroll: merged.bankroll ?? options.bankroll },
    ms: performance.now() - started,
  };
}

function emptyFigures(): RiskFigures {
  const none = { value: 0, low: 0, high: 0 };
  return {
    sessions: 0, p_target: none, p_ruin: none, p_open: none,
    result: { mean: 0, sd: 0, p5: 0, p25: 0, p50: 0, p75: 0, p95: 0 },
    mean_staked: 0, edge: { expected: 0, z: 0 }, drawdown: { mean: 0, max: 0 },
    longest_losing_run: 0, largest_stake: 0, mean_spins: 0,
  };
}

/** What the table would play now (web/stats_face.cpp). */
export interface TableSetup {
  settings: string;
  bankroll: string;
  partage: boolean;
}

export async function tableSetup(app: App): Promise<TableSetup> {
  const answer = await app.send({ window: 'risk-setup' });
  return (answer as unknown as { risk: TableSetup }).risk;
}

/** The run's rows as the driver's --csv writes them: the header, then one row per session. */
export function outcomesCsv(parts: string[]): Blob {
  const pieces: string[] = [];
  parts.forEach((part, k) => {
    // Each part: the shard's mark, the header, its rows.
    const first = part.indexOf('\n');
    pieces.push(k === 0 ? part.slice(first + 1) : part.slice(part.indexOf('\n', first + 1) + 1));
  });
  return new Blob(pieces, { type: 'text/csv' });
}

/** Sets globalThis.rotacleRisk: run() with the table's settings unless given, and setup(). */
export function installRisk(app: App): void {
  const api = {
    setup: () => tableSetup(app),
    run: async (options: Partial<RiskOptions>, control: RunControl = {}) => {
      const table = await tableSetup(app);
      const full: RiskOptions = {
        settings: table.settings, sessions: 1000, bankroll: table.bankroll, target: '100', spinsMax: 1000,
        seed: '1', zeroRule: table.partage ? 'partage' : 'none', system: 'settings', ...options,
      };
      return runRisk(full, control);
    },
    defaultWorkers,
  };
  (globalThis as unknown as { rotacleRisk: typeof api }).rotacleRisk = api;
}
