// The seed the game starts from: the clock, or a fixed one for replays.
#include "game/StartingSeed.h"

#include "rules/core/Game.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

std::uint32_t startingSeed()
{
    const char* fixed = std::getenv("KIRIMAKI_SEED");
    if (fixed && *fixed) {
        // Digits only, and no more than fit: a typo must not pass as some other seed.
        const std::size_t length = std::strlen(fixed);
        unsigned long long value = 0;
        bool ok = length <= 10;
        for (std::size_t i = 0; ok && i < length; ++i) {
            ok = fixed[i] >= '0' && fixed[i] <= '9';
            value = value * 10 + static_cast<unsigned>(fixed[i] - '0');
        }
        if (ok && value <= 4294967295ULL)
            return static_cast<std::uint32_t>(value);
        std::fprintf(stderr, "kirimaki: KIRIMAKI_SEED is not a whole number from 0 to 4294967295; "
                             "the clock seeds the game\n");
    }
    return static_cast<std::uint32_t>(std::time(nullptr));
}

void seedFromStart(Game& game)
{
    game.rng.seed(startingSeed());
}
