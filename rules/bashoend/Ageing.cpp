// Ageing between two basho, and the points old wrestlers lose.
#include "rules/bashoend/Ageing.h"

#include "rules/bout/StatLoss.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"

float agedOneBasho(float age)
{
    // The sum is formed in double and stored back in single precision, so
    // 28.0 after 25 basho reads 31.999996, not 32.
    return static_cast<float>(static_cast<double>(age) + 0.16);
}

std::string ageWrestlers(Game& game)
{
    std::string list;
    for (Rikishi& r : game.roster) {
        r.age = agedOneBasho(r.age);
        // A damaged age (NaN, huge) truncates to INT_MIN and draws nothing.
        const std::int32_t years = wrap::truncate(r.age);
        bool slows = false;
        if (years >= 30 && years <= 34) {
            const int chance = game.rng.draw(163);
            slows = chance < years;
            if (slows)
                list += shikonaOf(r) + "   ";
        } else if (years >= 35) {
            const int chance = game.rng.draw(327);
            slows = chance < years;
            if (slows)
                list += shikonaOf(r) + "    ";
        }
        if (slows) {
            game.playerCopy = r;
            game.pointPool = 1;
            LoseStatPoints(game.playerCopy, game.pointPool, game.rng);
            r = game.playerCopy;
        }
    }
    return list;
}
