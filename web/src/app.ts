// The page's one table: every request to the game goes through `send`, one
// at a time, and each answer reaches every listener before the next request
// runs. A listener may return a promise (the journal's store): the next
// request waits for it, so no action is taken before the one before it is
// stored.
import { Answer, Face, Request } from './face.js';
import { TimerClock } from './clock.js';

export type AnswerListener = (answer: Answer, request: Request) => void | Promise<void>;

export class App {
  private chain: Promise<unknown> = Promise.resolve();
  private readonly listeners: AnswerListener[] = [];
  readonly clock: TimerClock;
  /** The last answer: the view the page shows. */
  last: Answer;

  constructor(readonly face: Face) {
    this.clock = new TimerClock((id) => void this.send({ tick: id }));
    this.last = face.call({ view: true });
  }

  /** Hears every answer, in the order the listeners were added. */
  listen(listener: AnswerListener): void {
    this.listeners.push(listener);
  }

  /** Runs `request` after every request sent before it and its listeners. */
  send(request: Request): Promise<Answer> {
    const run = async (): Promise<Answer> => {
      const answer = this.face.call(request);
      this.last = answer;
      for (const listener of this.listeners) await listener(answer, request);
      this.clock.sync(answer.timers);
      return answer;
    };
    const next = this.chain.then(run, run);
    this.chain = next.catch(() => undefined);
    return next;
  }

  /** A command of the game (the session script's words). */
  do(command: string): Promise<Answer> {
    return this.send({ do: command });
  }

  /** Resolves when every request sent so far has run. */
  idle(): Promise<void> {
    return this.chain.then(() => undefined);
  }
}
