// A day host over an in-memory "file", with a bout and a basho end that record their calls.
#pragma once

#include "rules/bout/PlayerBout.h"
#include "rules/core/Game.h"
#include "rules/core/Wrap.h"
#include "rules/bashoend/BashoEnd.h"
#include "rules/tournament/DayFlow.h"
#include "rules/core/CurrentDay.h"
#include "rules/tournament/DayResults.h"
#include "tests/support/RosterFixture.h"

#include <string>
#include <vector>

// The player wins every bout, recorded in the copies as the bout screen does.
struct FakeBout : PlayerBout {
    int fought = 0;
    void fight(Game& game) override
    {
        ++fought;
        Rikishi& winner = game.playerCopy;
        Rikishi& loser = game.opponentCopy;
        winner.cbw = wrap::add(winner.cbw, 1);
        winner.gmw = wrap::add(winner.gmw, 1);
        loser.cbl = wrap::add(loser.cbl, 1);
        loser.gml = wrap::add(loser.gml, 1);
    }
};

// Records its steps, and stops when told to.
struct FakeBashoEnd : BashoEndScreens {
    std::vector<std::string> calls;
    bool stop = false;
    void yusho(Game&) override { calls.push_back("yusho"); }
    void chanko(Game&) override { calls.push_back("chanko"); }
    void potential(Game&) override { calls.push_back("potential"); }
    void age(Game&) override { calls.push_back("age"); }
    void newBanzuke(Game&) override { calls.push_back("newBanzuke"); }
    bool stopped() const override { return stop; }
};

struct FakeDayHost : DayHost {
    Roster file{};
    bool fileExists = true;
    int saves = 0;
    int failNextSaves = 0; // that many saves fail before they write
    FakeBout bout;
    FakeBashoEnd end;

    explicit FakeDayHost(const Roster& start) : file(start) {}
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
            return false;
        }
        ++saves;
        file = game.roster;
        return true;
    }
    void leaderboard(Game&) override {}
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
