// The one hand-built roster every rules and screen test starts from, and the
// checks on rosters and the save file they share.
#pragma once

#include "rules/core/Game.h"
#include "rules/core/SaveFile.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>

// Forty wrestlers R00..R39 at `day`, slot = index, in a new career's rank
// layout (3 Yokozuna, 3 Ozeki, 2 Sekiwake, 4 Komusubi, 28 Maegashira), with
// plain abilities (5), 180 cm, 130 kg, 25 years, powers falling with the
// banzuke so that contests are rarely ties, and the player at `playerSlot`
// (none when it is -1).
inline Roster makeRoster(int day = 1, int playerSlot = 39)
{
    Roster roster{};
    for (std::size_t i = 0; i < roster.size(); ++i) {
        Rikishi& r = roster[i];
        setShikona(r, std::string("R") + static_cast<char>('0' + i / 10) + static_cast<char>('0' + i % 10));
        r.day = day;
        r.slot = static_cast<std::int32_t>(i);
        r.isPlayer = static_cast<int>(i) == playerSlot ? 1 : 0;
        r.rank = i < 3 ? kYokozuna : i < 6 ? kOzeki
                                 : i < 8   ? kSekiwake
                                 : i < 12  ? kKomusubi
                                           : kMaegashira;
        r.age = 25.0f;
        r.height = 180;
        r.weight = 130;
        r.power = 100 - static_cast<std::int32_t>(i);
        r.baseStrength = r.baseAgility = r.tachiai = r.oshi = r.yotsu = r.tenage = 5;
        r.tsuppari = r.jump = r.receive = r.hatakikomi = r.defense = r.stamina = r.intangibles = 5;
    }
    return roster;
}

// The record's basho: wins and losses of 15 bouts.
inline void setRecord(Rikishi& r, int wins)
{
    r.cbw = wins;
    r.cbl = 15 - wins;
}

// The roster at day 16 of a basho in which every computer wrestler lost all
// fifteen bouts; nobody is the player.
inline Game makeGame()
{
    Game game;
    game.roster = makeRoster(16, -1);
    for (Rikishi& r : game.roster)
        setRecord(r, 0);
    return game;
}

inline int bouts(const Rikishi& r) { return r.cbw + r.cbl; }

// The sum of the abilities a stat loss may take from, and the weight.
inline std::int64_t statTotal(const Rikishi& r)
{
    return std::int64_t{r.baseStrength} + r.baseAgility + r.tachiai + r.oshi + r.yotsu + r.tenage + r.tsuppari +
           r.jump + r.receive + r.hatakikomi + r.defense + r.stamina + r.intangibles + r.weight;
}

inline bool sameRecord(const Rikishi& a, const Rikishi& b) { return std::memcmp(&a, &b, sizeof a) == 0; }
inline bool sameRoster(const Roster& a, const Roster& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The roster the save file of the current folder holds (zeros where it holds none).
inline Roster fileRoster()
{
    Roster r{};
    loadRoster(r);
    return r;
}

// The first wrestler whose basho, played from `start` to `end`, did not count
// each of its bouts once: his career bouts must have grown by 15, and the
// basho's wins (lbw after the revision) be the wins added to his career.
// Empty when every one's did.
inline std::string bashoNotCountedOnce(const Roster& start, const Roster& end)
{
    std::map<std::string, const Rikishi*> before;
    for (const Rikishi& r : start)
        before[shikonaOf(r)] = &r;
    for (const Rikishi& r : end) {
        const Rikishi& was = *before.at(shikonaOf(r));
        if ((r.gmw + r.gml) - (was.gmw + was.gml) != 15 || r.lbw != r.gmw - was.gmw)
            return shikonaOf(r);
    }
    return {};
}
