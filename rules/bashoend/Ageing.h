// The ageing step: every wrestler ages, and old ones may slow down.
#pragma once

#include <string>

struct Game;

// For each record in roster order, the player's included: age += 0.16 (summed
// in double, stored as float); then, by the whole years a, at 30 to 34 a draw
// r = rand()/163 and at 35 or more r = rand()/327, and r < a slows him down:
// his record goes through game.playerCopy with game.pointPool = 1 into the
// stat loss (its own draws follow at once) and back. Returns the list: each
// slowed wrestler's ring name followed by three blanks (30 to 34) or four
// (35 and over). Does not save.
std::string ageWrestlers(Game& game);

// One basho of ageing on a single-precision age.
float agedOneBasho(float age);
