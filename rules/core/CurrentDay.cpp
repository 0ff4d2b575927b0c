// The career's current day, taken from the roster in one place.
#include "rules/core/CurrentDay.h"

#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

void followRosterDay(Game& game)
{
    game.curDay = game.roster[0].day;
}

void beginDays(Game& game)
{
    followRosterDay(game);
    game.lastResultsDay = wrap::sub(game.curDay, 1);
}

void beginFirstDay(Game& game)
{
    for (Rikishi& r : game.roster)
        r.day = 1;
    beginDays(game);
}
