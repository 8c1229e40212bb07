// A worker of the Risk tab: its own instance of the game's module, which
// plays the shards of a run it is handed one at a time and puts the rows of
// a run together into its figures (web/risk_face.cpp).
import type { RiskOptions } from './risk.js';

/** What the driver asks a worker. */
export type WorkerRequest =
  | { kind: 'module'; wasm: WebAssembly.Module }
  | { kind: 'play'; options: RiskOptions; shard: number; shards: number }
  | { kind: 'merge'; options: RiskOptions; parts: string[]; whole: boolean };

/** What a worker answers: the request's kind and shard with the face's answer. */
export interface WorkerAnswer {
  kind: 'played' | 'merged';
  shard?: number;
  ok: boolean;
  error?: string;
  csv?: string;
  figures?: unknown;
  text?: string;
  chart?: unknown;
  shown?: Record<string, string | string[]>;
  bankroll?: string;
}

interface RiskModule {
  ccall(name: string, ret: 'string', types: ['string'], args: [string]): string;
  FS: { writeFile(path: string, data: string): void; unlink(path: string): void };
}

interface WorkerScope {
  onmessage: ((event: MessageEvent<WorkerRequest>) => void) | null;
  postMessage(message: WorkerAnswer): void;
}
const scope = globalThis as unknown as WorkerScope;

// The game's module factory: the build puts the module's glue code in front
// of this file, so that a worker fetches nothing; the compiled WebAssembly
// comes from the page with the first message.
declare const createRotacle: (settings: {
  instantiateWasm(imports: WebAssembly.Imports, done: (instance: WebAssembly.Instance) => void): object;
}) => Promise<RiskModule>;

let compiled: (module: WebAssembly.Module) => void = () => undefined;
const loaded: Promise<RiskModule> = new Promise<WebAssembly.Module>((resolve) => {
  compiled = resolve;
}).then((wasm) =>
  createRotacle({
    instantiateWasm(imports, done) {
      void WebAssembly.instantiate(wasm, imports).then(done);
      return {};
    },
  }),
);

function call(module: RiskModule, request: unknown): WorkerAnswer {
  const text = module.ccall('rotacle_risk', 'string', ['string'], [JSON.stringify(request)]);
  return JSON.parse(text) as WorkerAnswer;
}

// Requests run one after the other, in the order they came.
let queue: Promise<void> = Promise.resolve();

scope.onmessage = (event) => {
  const request = event.data;
  if (request.kind === 'module') {
    compiled(request.wasm);
    return;
  }
  queue = queue.then(async () => {
    let answer: WorkerAnswer;
    try {
      const module = await loaded;
      if (request.kind === 'play') {
        answer = { ...call(module, { play: request.options, shard: `${request.shard}/${request.shards}` }), kind: 'played', shard: request.shard };
      } else {
        const paths = request.parts.map((text, k) => {
          const path = `/risk-part-${k}.csv`;
          module.FS.writeFile(path, text);
          return path;
        });
        try {
          answer = { ...call(module, { merge: paths, options: request.options, whole: request.whole }), kind: 'merged' };
        } finally {
          for (const path of paths) module.FS.unlink(path);
        }
      }
    } catch (e) {
      answer = { kind: request.kind === 'play' ? 'played' : 'merged', ok: false, error: String(e) };
      if (request.kind === 'play') answer.shard = request.shard;
    }
    scope.postMessage(answer);
  });
};
