// Hand-built careers and a day host over an in-memory "file" for the tournament tests.
#pragma once

#include "rules/bout/PlayerBout.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"
#include "rules/bashoend/BashoEnd.h"
#include "rules/tournament/DayFlow.h"
#include "rules/tournament/DayResults.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// Forty wrestlers R00..R39 at `day`, the player at `playerSlot`, powers
// falling with the banzuke so that contests are rarely ties.
inline Roster makeRoster(int day = 1, int playerSlot = 39)
{
    Roster roster{};
    for (int i = 0; i < 40; ++i) {
        Rikishi& r = roster[static_cast<std::size_t>(i)];
        char name[8];
        std::snprintf(name, sizeof name, "R%02d", i);
        setShikona(r, name);
        r.day = day;
        r.slot = i;
        r.height = 185;
        r.weight = 150;
        r.power = 100 - i;
        r.isPlayer = i == playerSlot ? 1 : 0;
    }
    return roster;
}

// The first seed on whose generator `holds` is true: finds the draws the rules branch on.
inline std::uint32_t seedWhere(const std::function<bool(Rng&)>& holds)
{
    for (std::uint32_t s = 1;; ++s) {
        Rng rng;
        rng.seed(s);
        if (holds(rng))
            return s;
    }
}

// The player wins every bout, recorded in the copies as the bout screen does.
struct FakeBout : PlayerBout {
    int fought = 0;
    bool playerWins = true;
    std::function<void()> during;   // runs while the bout is open
    void fight(Game& game) override
    {
        ++fought;
        if (during)
            during();
        Rikishi& winner = playerWins ? game.playerCopy : game.opponentCopy;
        Rikishi& loser = playerWins ? game.opponentCopy : game.playerCopy;
        winner.cbw = wrap::add(winner.cbw, 1);
        winner.gmw = wrap::add(winner.gmw, 1);
        loser.cbl = wrap::add(loser.cbl, 1);
        loser.gml = wrap::add(loser.gml, 1);
    }
};

// Records its steps; the revision closes the basho as the real one does and
// hands the roster to `saved`.
struct FakeBashoEnd : BashoEndScreens {
    std::vector<std::string> calls;
    std::function<void(Game&)> atYusho;
    std::function<void(Game&)> saved;
    bool stop = false;
    void yusho(Game& game) override { calls.push_back("yusho"); if (atYusho) atYusho(game); }
    void chanko(Game&) override { calls.push_back("chanko"); }
    void potential(Game&) override { calls.push_back("potential"); }
    void age(Game&) override { calls.push_back("age"); }
    void newBanzuke(Game& game) override
    {
        calls.push_back("newBanzuke");
        for (Rikishi& r : game.roster) {
            r.day = 1;
            r.lbw = r.cbw;
            r.cbw = 0;
            r.cbl = 0;
        }
        game.curDay = 1;
        game.lastResultsDay = 0;
        if (saved)
            saved(game);
    }
    bool stopped() const override { return stop; }
};

struct FakeDayHost : DayHost {
    Roster file{};
    bool fileExists = true;
    int saves = 0;
    int failNextSaves = 0;   // that many saves fail before they write
    int failedSaves = 0;
    std::vector<int> leaderboardDays;
    std::function<void(Game&)> onLeaderboard;
    FakeBout bout;
    FakeBashoEnd end;

    explicit FakeDayHost(const Roster& start) : file(start) { end.saved = [this](Game& g) { file = g.roster; }; }
    FakeDayHost(const FakeDayHost&) = delete;

    bool load(Game& game) override
    {
        if (fileExists)
            game.roster = file;
        return fileExists;
    }
    bool save(const Game& game) override
    {
        if (failNextSaves > 0) {
            --failNextSaves;
            ++failedSaves;
            return false;
        }
        ++saves;
        file = game.roster;
        return true;
    }
    void leaderboard(Game& game) override
    {
        leaderboardDays.push_back(game.curDay);
        if (onLeaderboard)
            onLeaderboard(game);
    }
    PlayerBout& playerBout() override { return bout; }
    BashoEndScreens& bashoEndScreens() override { return end; }

    // The game as the day results screen finds it at start-up.
    Game start(std::uint32_t seed)
    {
        Game game;
        game.rng.seed(seed);
        load(game);
        beginDays(game);
        return game;
    }
};

inline int bouts(const Rikishi& r) { return r.cbw + r.cbl; }
