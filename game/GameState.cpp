// The running game's state, held in one place.
#include "game/GameState.h"

#include "rules/core/Game.h"

Game& gameState()
{
    static Game game;
    return game;
}
