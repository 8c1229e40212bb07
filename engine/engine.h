// The Rotacle engine: the game with the window's model around it.
#pragma once

#include "game/game.h"

namespace rotacle {

/// The game as the window, the driver and the tests drive it.
class Engine : public Game {
public:
    using Game::Game;
};

}  // namespace rotacle
