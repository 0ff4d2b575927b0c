// A new career: the built-in field plus the player's new wrestler.
#pragma once

#include "rules/career/CreationValues.h"

struct Game;

// Replaces game.roster with a new career, in this order: the 39 computer
// wrestlers from the built-in field, the player's template at index 39, the
// values every record starts with (day 1, slot = index, no bouts, no titles),
// Maegashira for indices 12 to 39, the player's choices, the body ratings of
// all 40, and finally game.curDay := 1 and game.lastResultsDay := 0 so that
// the first day results play day 1. Names are Latin-1 text and are cut to
// 13 and 20 characters. Draws nothing; does not save.
//
// Bytes that no step names (genki, the reserved bytes, whatever follows a
// name's terminator) keep what the roster held before.
void buildNewCareer(Game& game, const CreationValues& values);
