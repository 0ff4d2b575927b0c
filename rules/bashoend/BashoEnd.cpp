// The fixed chain of steps that closes a basho and opens the next.
#include "rules/bashoend/BashoEnd.h"

#include "rules/bashoend/Chanko.h"
#include "rules/core/BodyRatings.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

void runBashoEnd(Game& game, BashoEndScreens& screens)
{
    for (Rikishi& r : game.roster)
        r.day = wrap::add(r.day, 1);

    if (screens.stopped())
        return;
    screens.yusho(game);

    // A damaged roster may hold no player: then there is nobody to feed.
    const int player = findPlayer(game.roster);
    if (player >= 0) {
        Rikishi& me = game.roster[static_cast<std::size_t>(player)];
        game.pointPool = chankoPoints(me.cbw, me.potential);
        if (game.pointPool > 0) {
            if (screens.stopped())
                return;
            game.playerCopy = me;
            screens.chanko(game);
            me = game.playerCopy;
        }
        me.potential = 0;
    }

    if (screens.stopped())
        return;
    screens.potential(game);
    if (screens.stopped())
        return;
    screens.age(game);

    computeBodyRatings(game.roster);
    if (screens.stopped())
        return;
    screens.newBanzuke(game);
}
