// The game's timers on the browser's clock: each enabled timer of the window
// model runs as an interval of its own, started, re-timed and stopped as the
// game asks after every request, as the desktop window runs them. A tick
// that the browser delays (a hidden tab) is one tick late, never lost and
// never doubled: the run goes on where it stood.
export class TimerClock {
  private readonly running = new Map<number, { handle: number; interval: number }>();
  /** While true (a message waits for the player) the ticks hold still. */
  held = false;

  constructor(private readonly tick: (id: number) => void) {}

  sync(timers: [boolean, number][]): void {
    timers.forEach(([enabled, interval], id) => {
      const now = this.running.get(id);
      if (!enabled) {
        if (now) {
          clearInterval(now.handle);
          this.running.delete(id);
        }
        return;
      }
      const ms = Math.max(1, interval);
      if (now && now.interval === ms) return;
      if (now) clearInterval(now.handle);
      const handle = setInterval(() => {
        if (!this.held) this.tick(id);
      }, ms) as unknown as number;
      this.running.set(id, { handle, interval: ms });
    });
  }

  /** The timers that run now (for tests). */
  active(): number[] {
    return [...this.running.keys()];
  }
}
