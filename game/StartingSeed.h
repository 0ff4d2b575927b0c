// The seed the game's generator takes when a career starts or goes on.
#pragma once

#include <cstdint>

struct Game;

// The clock in seconds. For replaying a recorded run (tests, bug reports) the
// environment variable KIRIMAKI_SEED, a whole number from 0 to 4294967295,
// fixes it instead; a malformed value is reported on standard error and the
// clock is used.
std::uint32_t startingSeed();

// Seeds the generator of `game` with startingSeed(): the game does this when
// it starts, and again as the day results screen takes up the career.
void seedFromStart(Game& game);
