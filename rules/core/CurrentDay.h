// The day the career is at: what the roster holds, and where a basho begins.
#pragma once

struct Game;

// game.curDay := the day record 0 holds. Every record carries the day; the
// first one speaks for the roster, as the schedule and the save file expect.
void followRosterDay(Game& game);

// Sets game.curDay from record 0's day and game.lastResultsDay one below it
// (wrapping at 32 bits), so that the next day step produces the day in the
// file.
void beginDays(Game& game);

// A new basho: every record's day := 1, then beginDays, so that the first
// day results play day 1.
void beginFirstDay(Game& game);
