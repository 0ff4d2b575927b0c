// The yusho decision: the player's three-way playoffs (the golden scenarios
// prove computer playoffs of two, three and five, the pinned ones equal
// scores and damaged totals).
#include "rules/bashoend/YushoDecision.h"

#include "rules/bout/PlayerBout.h"
#include "tests/support/RosterFixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Fights the player's playoff bouts by a script: 1 a win, 0 a loss, -1 a
// bout that records nothing (as when the program quits in the middle).
struct ScriptedBout : PlayerBout {
    std::vector<int> script;
    std::vector<std::string> opponents;
    std::vector<int> countersBefore; // wins * 10 + losses
    explicit ScriptedBout(std::vector<int> s) : script(std::move(s)) {}
    void fight(Game& game) override
    {
        opponents.push_back(shikonaOf(game.opponentCopy));
        countersBefore.push_back(game.playoffWins * 10 + game.playoffLosses);
        const int result = script.at(opponents.size() - 1);
        if (result >= 0) {
            (result ? game.playoffWins : game.playoffLosses) += 1;
            (result ? game.playoffLosses : game.playoffWins) = 0;
        }
        game.playerCopy.cbw = 99; // a real bout screen works on the copies only
    }
};

struct RecordingHost : PlayoffHost {
    std::vector<std::string> announced;
    bool quitting = false;
    void announce(const std::string& a) override { announced.push_back(a); }
    void pause(int) override {}
    bool stopped() const override { return quitting; }
};

// The listed roster records tie on 12 wins with the given powers; everybody
// else has 9. With `player`, R01 is the player's.
Game tiedGame(const std::vector<std::pair<std::size_t, int>>& entrants, bool player = false)
{
    Game game = makeGame();
    for (Rikishi& r : game.roster)
        setRecord(r, 9);
    for (auto [index, power] : entrants) {
        setRecord(game.roster[index], 12);
        game.roster[index].power = power;
    }
    game.roster[1].isPlayer = player ? 1 : 0;
    return game;
}

struct Playoff {
    YushoDecision d;
    RecordingHost host;
    bool run(Game& game, PlayerBout& bout)
    {
        d.setUp(game);
        return d.runPlayoff(game, bout, host);
    }
};

} // namespace

TEST(Yusho, ThreeWayPlayoffsWithThePlayerEndInAnyCase)
{
    // R00, the player's R01 and the strong R02. The player is the challenger
    // of bout one; R00 beats him, R02 beats R00, he beats R02, and so on in a
    // fixed circle: after 100 bouts the champion of the last one takes the yusho.
    std::vector<int> script;
    for (int i = 0; i < 100; ++i)
        script.push_back(i % 2);
    Game circle = tiedGame({{0, 0}, {1, 0}, {2, 100}}, true);
    circle.playoffWins = circle.playoffLosses = 7; // left from an earlier playoff
    ScriptedBout bout(script);
    Playoff c;
    ASSERT_TRUE(c.run(circle, bout));
    EXPECT_EQ(bout.opponents.at(0) + bout.opponents.at(1), "R00R02");
    // Cleared before each of his bouts, not once for the stage.
    EXPECT_EQ(bout.countersBefore.at(0) * 100 + bout.countersBefore.at(1), 0);
    EXPECT_EQ(bout.opponents.size() + c.host.announced.size(), 100u);
    EXPECT_EQ(circle.roster[0].yusho, 1);
    EXPECT_EQ(c.d.view().junYusho, "Jun-Yusho:  R01    R02    ");

    // A player's bout that records nothing counts as lost, never as a second win.
    Game game = tiedGame({{0, 0}, {1, 0}, {2, 100}}, true);
    ScriptedBout unrecorded({1, -1});
    Playoff p;
    ASSERT_TRUE(p.run(game, unrecorded));
    EXPECT_EQ(game.roster[1].yusho * 10 + game.roster[2].yusho, 1);

    // Quitting abandons the playoff before any bout, with no credits.
    Game quit = tiedGame({{0, 0}, {1, 0}, {2, 100}}, true);
    ScriptedBout none({-1});
    Playoff q;
    q.host.quitting = true;
    EXPECT_FALSE(q.run(quit, none));
    EXPECT_TRUE(none.opponents.empty());
    EXPECT_EQ(q.d.state(), YushoDecision::State::Abandoned);
    EXPECT_TRUE(sameRoster(quit.roster, tiedGame({{0, 0}, {1, 0}, {2, 100}}, true).roster));
}
