// The results of one day: the lines, the player's pair, and the day's close.
#pragma once

#include "rules/core/Rikishi.h"
#include "rules/tournament/DaySheet.h"

#include <cstdint>

struct Game;

// Whether the roster already holds the computer results of `day`: every
// wrestler outside the player's pair has fought exactly one bout more in
// this basho (cbw + cbl) than the player. That is the state of a file saved
// after the day's computer bouts but before the player's bout was recorded.
// Needs a scheduled day and exactly one player's wrestler.
bool computerBoutsRecorded(const Roster& roster, std::int32_t day);

// The 20 lines of game.curDay, line k from table positions 38-2k (A) and
// 39-2k (B). The player's line reads A, "VS.", B, and his record and his
// opponent's are copied into game.playerCopy and game.opponentCopy. The 19
// other pairs are decided in line order (ComputerBout.h) unless the roster
// already holds them (computerBoutsRecorded); then they read A, "VS.", B as
// well, since the file no longer tells who won, and nothing is drawn.
// Needs a playable career (CareerCheck.h).
DaySheet produceDay(Game& game);

// Writes game.playerCopy and game.opponentCopy back over the player's pair
// of game.curDay: the player's slot gets playerCopy, the other opponentCopy.
// Returns false (and changes nothing) when curDay is not a scheduled day or
// no pair holds the player's wrestler.
bool copyBoutBack(Game& game);

// Closes a day: every record's day + 1, the body ratings of all 40, and
// game.curDay from record 0.
void advanceDay(Game& game);
