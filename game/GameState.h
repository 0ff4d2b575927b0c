// The one career of the running game, made once and handed to every screen
// by the start-up.
#pragma once

struct Game;

// The program's single Game instance. Only the start-up reaches it here;
// every screen and rule works on the Game it was handed.
Game& gameState();
