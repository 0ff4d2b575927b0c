// A new career: the built-in field plus the player's new wrestler.
#pragma once

#include "rules/career/CreationValues.h"
#include "rules/core/SaveFile.h"

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

// Builds the new career into `game` and saves it to game.savePath as a new
// career (the career it replaces is kept as the backup first). When the
// save fails, game.roster, game.curDay and game.lastResultsDay are put back
// as they were, so the game goes on with the career the file still holds,
// and the failure is returned. When it succeeds, a bout of the old career
// fought but not saved is dropped. Draws nothing.
SaveResult startNewCareer(Game& game, const CreationValues& values);
