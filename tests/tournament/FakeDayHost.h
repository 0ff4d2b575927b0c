// A day host over an in-memory "file", with a bout and end of basho that record their calls.
#pragma once

#include "bout/PlayerBout.h"
#include "core/Game.h"
#include "core/Wrap.h"
#include "tournament/BashoEnd.h"
#include "tournament/DayFlow.h"
#include "tournament/DayResults.h"

#include <functional>
#include <string>
#include <vector>

// The player wins (or loses) every bout, recorded in the two copies as the
// bout screen records it.
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

// Records the steps; the revision closes the basho as the real one does
// (day 1, records cleared, curDay and lastResultsDay for day 1) and saves.
struct FakeBashoEnd : BashoEndScreens {
    std::vector<std::string> calls;
    Roster* file = nullptr;
    std::function<void(Game&)> atYusho;
    std::function<void(Game&)> afterBanzuke;   // e.g. the revision's save to disk
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
        if (file)
            *file = game.roster;
        if (afterBanzuke)
            afterBanzuke(game);
    }
    bool stopped() const override { return stop; }
};

struct FakeDayHost : DayHost {
    Roster file{};
    bool fileExists = true;
    int loads = 0;
    int saves = 0;
    std::vector<int> leaderboardDays;
    std::function<void(Game&)> onLeaderboard;
    FakeBout bout;
    FakeBashoEnd end;

    FakeDayHost() { end.file = &file; }
    FakeDayHost(const FakeDayHost&) = delete;

    bool load(Game& game) override
    {
        ++loads;
        if (!fileExists)
            return false;
        game.roster = file;
        return true;
    }
    void save(const Game& game) override
    {
        ++saves;
        file = game.roster;
    }
    void leaderboard(Game& game) override
    {
        leaderboardDays.push_back(game.curDay);
        if (onLeaderboard)
            onLeaderboard(game);
    }
    PlayerBout& playerBout() override { return bout; }
    BashoEndScreens& bashoEndScreens() override { return end; }
};

// The game as the day results screen finds it at start-up: the file loaded,
// curDay and lastResultsDay taken from it, the generator seeded.
inline Game startedGame(FakeDayHost& host, std::uint32_t seed)
{
    Game game;
    game.rng.seed(seed);
    host.load(game);
    beginDays(game);
    return game;
}
