// The banzuke revision: the next basho's ranking list from this basho's results.
#pragma once

#include <string>

struct Game;

// Re-sorts game.roster and changes rank codes by the promotion and demotion
// rules, then closes the basho in every record (day 1, the win history
// shifted, cbw and cbl cleared, slot set to the new position) and sets
// game.curDay and game.lastResultsDay for day 1. Returns the revision text,
// which always ends in "      Good luck next basho!". Draws nothing and does
// not save. It must run exactly once per basho end: a second run would shift
// the win history again.
std::string reviseBanzuke(Game& game);
