// The yusho decision and every shape of playoff, on fixed seeds.
#include "rules/bashoend/YushoDecision.h"

#include "tests/support/RosterFixture.h"
#include "rules/bout/PlayerBout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <tuple>
#include <vector>

namespace {

// Fights the player's playoff bouts by a script: 1 a win, 0 a loss, -1 a
// bout that records nothing (as when the program quits in the middle).
class ScriptedBout : public PlayerBout {
public:
    explicit ScriptedBout(std::vector<int> script) : m_script(std::move(script)) {}

    struct Call {
        std::string player, opponent;
        int day, winsBefore, lossesBefore;
    };
    std::vector<Call> calls;

    void fight(Game& game) override
    {
        calls.push_back({shikonaOf(game.playerCopy), shikonaOf(game.opponentCopy), game.curDay,
                         game.playoffWins, game.playoffLosses});
        const int result = m_script.at(calls.size() - 1);
        if (result == 1) {
            ++game.playoffWins;
            game.playoffLosses = 0;
        } else if (result == 0) {
            ++game.playoffLosses;
            game.playoffWins = 0;
        }
        // A real bout screen works on the copies only.
        game.playerCopy.cbw = 99;
        game.opponentCopy.gmw = 99;
    }

private:
    std::vector<int> m_script;
};

class RecordingHost : public PlayoffHost {
public:
    std::vector<std::string> announced;
    std::vector<int> pauses;
    bool quitting = false;
    void announce(const std::string& a) override { announced.push_back(a); }
    void pause(int ms) override { pauses.push_back(ms); }
    bool stopped() const override { return quitting; }
};

// Makes roster records i tie on 12 wins with the given powers; everybody
// else has 9.
Game tiedGame(const std::vector<std::pair<std::size_t, int>>& entrants)
{
    Game game = makeGame();
    for (Rikishi& r : game.roster)
        setRecord(r, 9);
    for (auto [index, power] : entrants) {
        setRecord(game.roster[index], 12);
        game.roster[index].power = power;
    }
    return game;
}

// R00, the player's R01 and the strong R02 tie on 12 wins.
Game threeWayWithPlayer()
{
    Game game = tiedGame({{0, 0}, {1, 0}, {2, 100}});
    game.roster[1].isPlayer = 1;
    return game;
}

// A decision set up on `game` and its playoff run at once.
struct Playoff {
    YushoDecision d;
    RecordingHost host;
    bool run(Game& game, PlayerBout& bout)
    {
        d.setUp(game);
        return d.runPlayoff(game, bout, host);
    }
};

// All yusho and jun-yusho credits on the roster.
int totalCredits(const Game& g)
{
    int n = 0;
    for (const Rikishi& r : g.roster)
        n += r.yusho + r.junyusho;
    return n;
}

} // namespace

TEST(Yusho, ClearWinnerIsDecidedWithoutDrawsAndRunnersUpListed)
{
    Game game = makeGame();
    game.curDay = 15;
    setRecord(game.roster[17], 15);
    setRecord(game.roster[4], 14);
    setRecord(game.roster[9], 13);
    game.rng.seed(5);

    YushoDecision d;
    d.setUp(game);
    EXPECT_EQ(d.state(), YushoDecision::State::Decided);
    EXPECT_EQ(game.curDay, 16);
    EXPECT_EQ(d.view().announcement, "R17 takes the yusho with a 15 - 0 record!");
    EXPECT_EQ(d.view().junYusho, "Jun-Yusho:  R04    ");
    EXPECT_TRUE(d.view().announcementVisible && d.view().junYushoVisible && d.view().okVisible);
    EXPECT_FALSE(d.view().beginVisible);
    EXPECT_EQ(game.roster[17].yusho, 1);
    EXPECT_EQ(game.roster[4].junyusho, 1);
    EXPECT_EQ(game.roster[9].junyusho, 0);
    EXPECT_EQ(game.rng.state(), 5u);

    // Nothing to run afterwards.
    ScriptedBout bout({});
    RecordingHost host;
    EXPECT_FALSE(d.runPlayoff(game, bout, host));

    // Everybody on the second-best total is jun-yusho, in roster order.
    game = makeGame();
    for (Rikishi& r : game.roster)
        setRecord(r, 6);
    setRecord(game.roster[30], 11);
    for (std::size_t i : {2u, 20u, 38u})
        setRecord(game.roster[i], 9);
    setRecord(game.roster[1], 0);

    d.setUp(game);
    EXPECT_EQ(d.view().announcement, "R30 takes the yusho with a 11 - 4 record!");
    EXPECT_EQ(d.view().junYusho, "Jun-Yusho:  R02    R20    R38    ");
    EXPECT_EQ(totalCredits(game), 4);
}

TEST(Yusho, EqualScoresGoToTheEntrantEarlierInRosterOrder)
{
    // Find a seed whose two draws give equal random parts.
    std::uint32_t seed = 0;
    for (std::uint32_t s = 1; s < 100000 && seed == 0; ++s) {
        Rng r;
        r.seed(s);
        const int a = r.draw(3276);
        if (a == r.draw(3276) && a < 5)
            seed = s;
    }
    ASSERT_NE(seed, 0u);
    Game game = tiedGame({{10, 40}, {11, 40}});
    game.rng.seed(seed);
    ScriptedBout bout({});
    Playoff p;
    ASSERT_TRUE(p.run(game, bout));
    EXPECT_EQ(p.d.view().announcement, "R10 takes the yusho!");
}

// Computer-only playoffs of two to seven entrants. A power gap of more than
// 10 decides a bout for sure (the random part is 0 to 10).
TEST(Yusho, ComputerPlayoffsOfEveryShape)
{
    struct Case {
        std::vector<std::pair<std::size_t, int>> tied;   // roster index, power
        std::string entrants;                             // the set-up's announcement
        std::vector<std::string> announced;               // three-way results
        std::vector<int> pauses;
        std::string announcement;                         // at the end
        std::string junYusho;
        std::size_t winner;
    };
    const std::string dust = "As the dust from the yusho playoff battle settles, ";
    const std::vector<Case> cases = {
        {{{3, 50}, {7, 100}}, "R03    R07    ", {}, {}, "R07 takes the yusho!", "Jun-Yusho:  R03", 7},
        // The next challenger is the one who sat out, never the last loser:
        // after R22 beats R20, R21 comes in although R20 follows R22.
        {{{20, 50}, {21, 0}, {22, 100}}, "R20    R21    R22    ",
         {"R20 defeats R21", "R22 defeats R20", "R22 defeats R21"}, {3000, 3000, 3000},
         dust + "R22 emerges victorious as Yusho winner!", "Jun-Yusho:  R20    R21    ", 22},
        // Pairs (results not shown), then a final.
        {{{0, 0}, {1, 100}, {2, 200}, {3, 0}}, "R00    R01    R02    R03    ", {}, {1000, 1000},
         "R02 takes the yusho!", "Jun-Yusho:  R00    R03    R01", 2},
        // The fifth entrant goes straight into the three-way playoff.
        {{{30, 0}, {31, 100}, {32, 0}, {33, 150}, {34, 300}}, "R30    R31    R32    R33    R34    ",
         {"R33 defeats R31", "R34 defeats R33", "R34 defeats R31"}, {1000, 1000, 3000, 3000, 3000},
         dust + "R34 emerges victorious as Yusho winner!", "Jun-Yusho:  R30    R32    R31    R33    ", 34},
        // Six play three pairs; a seventh on the same total is left out.
        {{{12, 10}, {13, 100}, {14, 150}, {15, 10}, {16, 300}, {17, 10}, {18, 900}},
         "R12    R13    R14    R15    R16    R17    ",
         {"R14 defeats R13", "R16 defeats R14", "R16 defeats R13"}, {1000, 1000, 1000, 3000, 3000, 3000},
         dust + "R16 emerges victorious as Yusho winner!", "Jun-Yusho:  R12    R15    R17    R13    R14    ", 16},
    };
    for (const Case& c : cases) {
        Game game = tiedGame(c.tied);
        game.rng.seed(1);
        YushoDecision d;
        d.setUp(game);
        ASSERT_EQ(d.state(), YushoDecision::State::Tie);
        EXPECT_EQ(d.view().announcement, "Kettei sen participants:   " + c.entrants);
        EXPECT_TRUE(d.view().announcementVisible && d.view().beginVisible);
        EXPECT_FALSE(d.view().junYushoVisible || d.view().okVisible);
        EXPECT_EQ(totalCredits(game), 0);   // nothing credited before the playoff

        ScriptedBout bout({});
        RecordingHost host;
        ASSERT_TRUE(d.runPlayoff(game, bout, host));
        EXPECT_EQ(host.announced, c.announced);
        EXPECT_EQ(host.pauses, c.pauses);
        EXPECT_EQ(d.view().announcement, c.announcement);
        EXPECT_EQ(d.view().junYusho, c.junYusho);
        EXPECT_TRUE(d.view().okVisible && d.view().junYushoVisible && !d.view().beginVisible);
        // Exactly one yusho; every other entrant a jun-yusho, nobody else anything.
        EXPECT_EQ(game.roster[c.winner].yusho, 1);
        EXPECT_EQ(game.roster[18].yusho + game.roster[18].junyusho, 0);
        const int entrants = static_cast<int>(std::min<std::size_t>(c.tied.size(), 6));
        EXPECT_EQ(totalCredits(game), entrants);
    }
}

TEST(Yusho, PlayerFightsHisPlayoffBoutsThroughTheBoutScreen)
{
    Game game = tiedGame({{4, 0}, {39, 0}});
    game.roster[39].isPlayer = 1;
    setShikona(game.roster[39], "Kiriyama");
    const Roster before = game.roster;
    game.playoffWins = 7;   // left from an earlier playoff
    ScriptedBout bout({1});
    Playoff p;
    ASSERT_TRUE(p.run(game, bout));
    ASSERT_EQ(bout.calls.size(), 1u);
    const ScriptedBout::Call& c = bout.calls[0];
    EXPECT_EQ(std::make_tuple(c.player, c.opponent, c.day, c.winsBefore, c.lossesBefore),
              std::make_tuple(std::string("Kiriyama"), std::string("R04"), 16, 0, 0));
    EXPECT_EQ(p.d.view().announcement, "Kiriyama takes the yusho!");
    EXPECT_EQ(p.d.view().junYusho, "Jun-Yusho:  R04");
    EXPECT_TRUE(p.host.announced.empty() && p.host.pauses.empty());
    // The playoff changes only the two counters: no record moved or lost,
    // nobody's basho or career record touched.
    for (std::size_t i = 0; i < 40; ++i) {
        Rikishi expected = before[i];
        expected.yusho = i == 39 ? 1 : 0;
        expected.junyusho = i == 4 ? 1 : 0;
        EXPECT_EQ(std::memcmp(&expected, &game.roster[i], sizeof(Rikishi)), 0) << i;
    }
}

TEST(Yusho, PlayerResultsSteerTheThreeWayPlayoff)
{
    // The player (R01) is the challenger of bout one and wins; as champion he
    // meets R02 and loses; R02 then meets R00, who loses to the strong R02.
    Game game = threeWayWithPlayer();
    ScriptedBout bout({1, 0});
    Playoff p;
    ASSERT_TRUE(p.run(game, bout));
    ASSERT_EQ(bout.calls.size(), 2u);
    EXPECT_EQ(bout.calls[0].opponent, "R00");
    EXPECT_EQ(bout.calls[1].opponent, "R02");
    // Cleared before each bout, not once for the stage.
    EXPECT_EQ(bout.calls[1].winsBefore, 0);
    EXPECT_EQ(p.host.announced, (std::vector<std::string>{"R02 defeats R00"}));
    EXPECT_EQ(p.d.view().announcement,
              "As the dust from the yusho playoff battle settles, R02 emerges victorious as Yusho winner!");
    EXPECT_EQ(p.d.view().junYusho, "Jun-Yusho:  R00    R01    ");
}

TEST(Yusho, ThreeWayPlayoffInAFixedCircleStillEnds)
{
    // R00 beats the player, the strong R02 beats R00, the player beats R02:
    // every bout goes to the challenger and nobody ever wins twice in a row.
    // After 100 bouts the champion of the last one takes the yusho.
    Game game = threeWayWithPlayer();
    std::vector<int> script;
    for (int i = 0; i < 100; ++i)
        script.push_back(i % 2);   // loses to R00, beats R02, again and again
    ScriptedBout bout(script);
    Playoff p;
    ASSERT_TRUE(p.run(game, bout));
    ASSERT_GE(bout.calls.size(), 2u);
    EXPECT_EQ(bout.calls[0].opponent, "R00");
    EXPECT_EQ(bout.calls[1].opponent, "R02");
    // Bouts 1, 4, 7 ... 100 are R00's wins over the player.
    EXPECT_EQ(bout.calls.size() + p.host.announced.size(), 100u);
    EXPECT_EQ(game.roster[0].yusho, 1);
    EXPECT_EQ(totalCredits(game), 3);
    EXPECT_EQ(p.d.view().junYusho, "Jun-Yusho:  R01    R02    ");
}

TEST(Yusho, UnrecordedPlayerBoutIsNeverAWin)
{
    // Three-way: the player wins his first bout; his second records
    // nothing and must count as lost, not as a second win in a row.
    Game game = threeWayWithPlayer();
    ScriptedBout bout({1, -1});
    Playoff p;
    ASSERT_TRUE(p.run(game, bout));
    EXPECT_EQ(game.roster[1].yusho, 0);
    EXPECT_EQ(game.roster[2].yusho, 1);

    // Quitting abandons the playoff before any bout, with no credits.
    Game quit = threeWayWithPlayer();
    ScriptedBout none({-1});
    Playoff q;
    q.host.quitting = true;
    EXPECT_FALSE(q.run(quit, none));
    EXPECT_TRUE(none.calls.empty());
    EXPECT_EQ(q.d.state(), YushoDecision::State::Abandoned);
    EXPECT_EQ(totalCredits(quit), 0);
}

TEST(Yusho, DamagedTotalsStillEndTheSearch)
{
    // Every total above 15: the highest of all wins; the next below it is jun-yusho.
    Game game = makeGame();
    for (std::size_t i = 0; i < 40; ++i)
        setRecord(game.roster[i], 20 + static_cast<int>(i));
    YushoDecision d;
    d.setUp(game);
    EXPECT_EQ(d.view().announcement, "R39 takes the yusho with a 59 - -44 record!");
    EXPECT_EQ(d.view().junYusho, "Jun-Yusho:  R38    ");

    // Only one total at or below 15; the jun-yusho search goes on below it and
    // comes round to the others.
    Game low = makeGame();
    for (Rikishi& r : low.roster)
        r.cbw = INT_MAX;
    low.roster[8].cbw = INT_MIN;
    low.roster[9].cbw = 100;
    YushoDecision d2;
    d2.setUp(low);
    EXPECT_EQ(d2.view().announcement.substr(0, 36), "R08 takes the yusho with a -21474836");
    EXPECT_EQ(d2.entrants(), (std::vector<int>{8}));
    EXPECT_EQ(low.roster[0].junyusho, 1);
    EXPECT_EQ(low.roster[9].junyusho, 0);

    // Negative totals everywhere.
    Game negative = makeGame();
    for (std::size_t i = 0; i < 40; ++i)
        negative.roster[i].cbw = -5 - static_cast<int>(i);
    YushoDecision d3;
    d3.setUp(negative);
    EXPECT_EQ(d3.entrants(), (std::vector<int>{0}));
    EXPECT_EQ(negative.roster[1].junyusho, 1);
}
