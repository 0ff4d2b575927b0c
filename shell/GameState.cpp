// The running game's state, held in one place.
#include "shell/GameState.h"

#include "core/Game.h"

Game& gameState()
{
    static Game game;
    return game;
}
