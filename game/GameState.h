// The one career of the running game, shared by all screens.
#pragma once

#include <cstdint>

struct Game;

// The game's single Game instance: the roster, the two bout copies, the day
// and pool values, and the one random generator.
Game& gameState();

// The seed the generator takes at start-up: the clock in seconds. For
// replaying a recorded run (tests, bug reports) the environment variable
// KIRIMAKI_SEED, a whole number from 0 to 4294967295, fixes it instead; a
// malformed value is reported on standard error and the clock is used.
std::uint32_t startingSeed();
