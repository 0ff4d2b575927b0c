// The one career of the running game, shared by all screens.
#pragma once

struct Game;

// The game's single Game instance: the roster, the two bout copies, the day
// and pool values, and the one random generator.
Game& gameState();
