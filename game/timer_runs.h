// The two ways a host runs the game's timers outside the scheduler's
// virtual time: one tick (at speed for a quick proposal), and every
// progress run under way to its end at one instant. The scheduler and the
// window build on them; the game runs a resumed session's cut run with them.
#pragma once

#include <cstdint>

#include "game/game.h"

namespace rotacle {

/// Runs one tick of timer `id` inside `Game::Event`. With `quick` a game-mode
/// run's further ticks follow at once, at the same instant, until it ends.
/// Returns false when the tick provably changed nothing (as `Game::TimerTick`).
bool RunTimerTick(Game& e, TimerId id, bool quick);

/// Runs every game-mode progress run under way to its end at one instant,
/// ticks of one round in timer order, each tick an event. Stops after
/// `max_ticks` ticks; returns the ticks run.
std::int64_t RunTimersToEnd(Game& e, std::int64_t max_ticks);

}  // namespace rotacle
