// The day step, the player's bout and the close of a day, over an in-memory file.
#include "tournament/DayFlow.h"

#include "core/BodyRatings.h"
#include "tournament/ComputerBout.h"
#include "tournament/DayResults.h"
#include "FakeDayHost.h"
#include "TestRoster.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

int bouts(const Rikishi& r) { return r.cbw + r.cbl; }

bool sameRoster(const Roster& a, const Roster& b)
{
    return std::memcmp(a.data(), b.data(), sizeof(Roster)) == 0;
}

} // namespace

TEST(DayStep, ProducesTheDayInLineOrderAndCopiesThePlayersPair)
{
    FakeDayHost host;
    host.file = makeRoster(1);
    Game game = startedGame(host, 42);
    ASSERT_EQ(game.curDay, 1);
    ASSERT_EQ(game.lastResultsDay, 0);

    const DayStep step = dayStep(game, host);
    ASSERT_EQ(step.outcome, StepOutcome::Produced);
    const DaySheet& sheet = step.sheet;
    EXPECT_EQ(sheet.kind, DaySheetKind::Bouts);
    EXPECT_EQ(sheet.dayText, "1");
    EXPECT_FALSE(sheet.resumed);
    EXPECT_EQ(sheet.playerLine, 0);
    EXPECT_EQ(sheet.lines[0].first, "R38");
    EXPECT_EQ(sheet.lines[0].middle, "VS.");
    EXPECT_EQ(sheet.lines[0].second, "R39");
    EXPECT_EQ(shikonaOf(game.playerCopy), "R39");
    EXPECT_EQ(shikonaOf(game.opponentCopy), "R38");
    EXPECT_EQ(game.lastResultsDay, 1);
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(sameRoster(host.file, game.roster));

    // The same seed over day 1's computer pairs, written out from the bottom
    // of the table up, gives the same lines and records: the day decides them
    // in that order and draws nothing for the player's pair.
    const int order[19][2] = {{36, 37}, {34, 35}, {32, 33}, {25, 31}, {24, 30}, {23, 29}, {22, 28},
                              {21, 27}, {20, 26}, {18, 19}, {16, 17}, {14, 15}, {12, 13}, {5, 11},
                              {4, 10},  {3, 9},   {2, 8},   {1, 7},   {0, 6}};
    Roster replay = makeRoster(1);
    Rng rng;
    rng.seed(42);
    for (int k = 1; k < 20; ++k) {
        const ResultLine line = decideComputerBout(replay[order[k - 1][0]], replay[order[k - 1][1]], rng);
        EXPECT_EQ(sheet.lines[k].first, line.first) << "line " << k;
        EXPECT_EQ(sheet.lines[k].middle, line.middle) << "line " << k;
        EXPECT_EQ(sheet.lines[k].second, line.second) << "line " << k;
    }
    EXPECT_TRUE(sameRoster(replay, game.roster));
    EXPECT_EQ(rng.state(), game.rng.state());

    for (int i = 0; i < 38; ++i)
        EXPECT_EQ(bouts(game.roster[i]), 1) << "slot " << i;
    EXPECT_EQ(bouts(game.roster[38]), 0);
    EXPECT_EQ(bouts(game.roster[39]), 0);
}

TEST(DayStep, IsKeyedOnTheDayAndResumesAfterARestart)
{
    FakeDayHost host;
    host.file = makeRoster(1);
    Game game = startedGame(host, 7);
    dayStep(game, host);

    // Activating again produces nothing, and leaves an unsaved change in
    // memory as it is rather than reading the older file over it.
    game.roster[5].gmw = 777;
    const std::uint32_t drawn = game.rng.state();
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::NothingNew);
    EXPECT_EQ(game.roster[5].gmw, 777);
    EXPECT_EQ(game.rng.state(), drawn);
    EXPECT_EQ(host.saves, 1);

    // A restart in the middle of the day: the file holds the computer results,
    // so the day is shown again without deciding them twice.
    const Roster saved = host.file;
    Game restarted = startedGame(host, 7);
    const DayStep again = dayStep(restarted, host);
    ASSERT_EQ(again.outcome, StepOutcome::Produced);
    EXPECT_TRUE(again.sheet.resumed);
    EXPECT_EQ(again.sheet.day, 1);
    EXPECT_EQ(again.sheet.playerLine, 0);
    for (const ResultLine& line : again.sheet.lines)
        EXPECT_EQ(line.middle, "VS.");
    EXPECT_EQ(again.sheet.lines[19].first, "R00");
    EXPECT_EQ(again.sheet.lines[19].second, "R06");
    EXPECT_EQ(restarted.rng.state(), 7u);
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(sameRoster(restarted.roster, saved));
    EXPECT_EQ(shikonaOf(restarted.playerCopy), "R39");
    EXPECT_EQ(restarted.lastResultsDay, 1);

    // The resumed day plays on: the bout is recorded and the day advances.
    EXPECT_EQ(fightDay(restarted, host), BoutOutcome::DayDone);
    for (const Rikishi& r : host.file) {
        EXPECT_EQ(bouts(r), 1);
        EXPECT_EQ(r.day, 2);
    }
}

TEST(FightDay, CopiesTheBoutBackToEitherSideOfThePairAndAdvancesTheDay)
{
    // Day 14: slot 6 meets 39 with the player first (A); day 1: slot 39 is B.
    for (int playerSlot : {6, 39}) {
        const int day = playerSlot == 6 ? 14 : 1;
        const int opponent = playerSlot == 6 ? 39 : 38;
        FakeDayHost host;
        host.file = makeRoster(day, playerSlot);
        Game game = startedGame(host, 3);
        dayStep(game, host);
        EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
        EXPECT_EQ(host.bout.fought, 1);

        const Rikishi& me = host.file[playerSlot];
        EXPECT_EQ(me.isPlayer, 1);
        EXPECT_EQ(me.cbw, 1);
        EXPECT_EQ(me.gmw, 1);
        EXPECT_EQ(host.file[opponent].cbl, 1);
        for (const Rikishi& r : host.file) {
            EXPECT_EQ(bouts(r), 1) << shikonaOf(r);
            EXPECT_EQ(r.day, day + 1);
        }
        EXPECT_EQ(game.curDay, day + 1);
        // The ratings were computed again for all 40 (the test roster's
        // powers were made up by hand).
        Rikishi expected = host.file[0];
        computeBodyRatings(expected);
        EXPECT_EQ(host.file[0].power, expected.power);
        EXPECT_NE(host.file[0].power, 100);
        EXPECT_TRUE(sameRoster(host.file, game.roster));
    }
}

TEST(FightDay, PlaysABashoWithTheLeaderboardOnDaysEightToFourteenAndEndsIt)
{
    FakeDayHost host;
    host.file = makeRoster(1);
    Game game = startedGame(host, 2024);
    host.end.atYusho = [](Game& g) {
        for (const Rikishi& r : g.roster) {
            EXPECT_EQ(bouts(r), 15);
            EXPECT_EQ(r.day, 16);
        }
    };
    std::vector<BoutOutcome> outcomes;
    for (int day = 1; day <= 15; ++day) {
        const DayStep step = dayStep(game, host);
        ASSERT_EQ(step.outcome, StepOutcome::Produced) << "day " << day;
        ASSERT_EQ(step.sheet.day, day);
        outcomes.push_back(fightDay(game, host));
        if (day < 15) {
            for (const Rikishi& r : game.roster)
                ASSERT_EQ(bouts(r), day) << "day " << day;
        }
    }
    EXPECT_EQ(host.leaderboardDays, (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(outcomes.back(), BoutOutcome::BashoEnded);
    for (int day = 0; day < 14; ++day)
        EXPECT_EQ(outcomes[day], BoutOutcome::DayDone);
    // Fifteen wins: nine chanko points, so the chanko screen is opened.
    EXPECT_EQ(host.end.calls, (std::vector<std::string>{"yusho", "chanko", "potential", "age", "newBanzuke"}));
    EXPECT_EQ(game.roster[39].lbw, 15);

    // The next basho starts on day 1.
    const DayStep next = dayStep(game, host);
    EXPECT_EQ(next.outcome, StepOutcome::Produced);
    EXPECT_EQ(next.sheet.day, 1);
}

TEST(FightDay, TheBoutOfDayEightReachesTheFileWhenTheLeaderboardReactivatesTheScreen)
{
    FakeDayHost host;
    host.file = makeRoster(8);
    Game game = startedGame(host, 99);
    dayStep(game, host);
    // Closing the leaderboard activates the day results screen again while
    // the bout is copied back but not yet saved.
    int reactivations = 0;
    host.onLeaderboard = [&](Game& g) {
        ++reactivations;
        EXPECT_EQ(dayStep(g, host).outcome, StepOutcome::NothingNew);
    };
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(reactivations, 1);
    EXPECT_EQ(host.file[39].cbw, 1);
    EXPECT_EQ(host.file[39].gmw, 1);
    EXPECT_EQ(host.file[38].cbl, 1);
    EXPECT_EQ(host.file[0].day, 9);
}

TEST(DayStep, ACareerThatCannotPlayADaySaysWhyAndWritesNothing)
{
    for (int day : {0, 16, 17, -1, INT_MIN, INT_MAX}) {
        FakeDayHost host;
        host.file = makeRoster(day);
        Game game = startedGame(host, 5);
        const DayStep step = dayStep(game, host);
        ASSERT_EQ(step.outcome, StepOutcome::Produced) << day;
        if (day == 16) {
            EXPECT_EQ(step.sheet.kind, DaySheetKind::Unfinished);
            EXPECT_NE(step.sheet.message.find("not finished"), std::string::npos);
        } else {
            EXPECT_EQ(step.sheet.kind, DaySheetKind::NotPlayable);
            EXPECT_NE(step.sheet.message.find("day " + std::to_string(day) + ","), std::string::npos)
                << step.sheet.message;
        }
        EXPECT_EQ(step.sheet.dayText, "");
        EXPECT_EQ(host.saves, 0);
        EXPECT_EQ(game.rng.state(), 5u);
        // Every later activation says it again; the bout is refused.
        EXPECT_EQ(dayStep(game, host).sheet.kind, step.sheet.kind);
        EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
        EXPECT_EQ(host.bout.fought, 0);
        EXPECT_EQ(host.saves, 0);
    }

    for (int players : {0, 2}) {
        FakeDayHost host;
        host.file = makeRoster(3);
        host.file[39].isPlayer = players == 0 ? 0 : 1;
        host.file[12].isPlayer = players == 2 ? 1 : 0;
        Game game = startedGame(host, 5);
        const DayStep step = dayStep(game, host);
        EXPECT_EQ(step.sheet.kind, DaySheetKind::NotPlayable);
        EXPECT_NE(step.sheet.message.find(players == 0 ? "no wrestler of yours" : "2 of its wrestlers"),
                  std::string::npos)
            << step.sheet.message;
        EXPECT_EQ(host.saves, 0);
    }
}

TEST(DayStep, AMissingFileChangesNothing)
{
    FakeDayHost host;
    host.file = makeRoster(4);
    Game game = startedGame(host, 5);
    dayStep(game, host);
    const Roster before = game.roster;
    host.fileExists = false;
    game.lastResultsDay = 0;
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::LoadFailed);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::LoadFailed);
    EXPECT_TRUE(sameRoster(game.roster, before));
    EXPECT_EQ(host.bout.fought, 0);
    EXPECT_EQ(host.saves, 1);
}

TEST(FightDay, RefusesABoutForACareerThatMovedOnAndKeepsAnUnfinishedBoutOut)
{
    // A new career was written while day 3 waited for the player's bout.
    FakeDayHost host;
    host.file = makeRoster(3);
    Game game = startedGame(host, 5);
    dayStep(game, host);
    host.file = makeRoster(1);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    EXPECT_EQ(host.bout.fought, 0);
    EXPECT_EQ(host.saves, 1);

    // The program quits during the bout: nothing of it enters the roster,
    // and the file keeps the day's computer results for a restart to resume.
    FakeDayHost quitting;
    quitting.file = makeRoster(2);
    Game g = startedGame(quitting, 5);
    dayStep(g, quitting);
    quitting.end.stop = true;
    EXPECT_EQ(fightDay(g, quitting), BoutOutcome::Stopped);
    EXPECT_EQ(g.roster[39].cbw + g.roster[39].cbl, 0);
    EXPECT_EQ(quitting.saves, 1);
    EXPECT_TRUE(computerBoutsRecorded(quitting.file, 2));
}

TEST(FinishInterruptedBasho, RatesTheBodiesAndDrawsUpTheNewBanzukeOfADaySixteenFile)
{
    FakeDayHost host;
    host.file = makeRoster(16);
    Game game = startedGame(host, 1);
    EXPECT_EQ(dayStep(game, host).sheet.kind, DaySheetKind::Unfinished);
    EXPECT_EQ(finishInterruptedBasho(game, host), BoutOutcome::BashoEnded);
    EXPECT_EQ(host.end.calls, std::vector<std::string>{"newBanzuke"});
    Rikishi expected = makeRoster(16)[7];
    computeBodyRatings(expected);
    EXPECT_EQ(host.file[7].power, expected.power);
    EXPECT_EQ(host.file[0].day, 1);
    // The next step produces day 1 of the new basho.
    const DayStep next = dayStep(game, host);
    EXPECT_EQ(next.sheet.kind, DaySheetKind::Bouts);
    EXPECT_EQ(next.sheet.day, 1);

    // A file that is no longer at day 16 (a new career written meanwhile)
    // is left alone; so is everything when the program is quitting.
    FakeDayHost moved;
    moved.file = makeRoster(16);
    Game g = startedGame(moved, 1);
    moved.file = makeRoster(1);
    EXPECT_EQ(finishInterruptedBasho(g, moved), BoutOutcome::Refused);
    EXPECT_TRUE(moved.end.calls.empty());

    FakeDayHost quitting;
    quitting.file = makeRoster(16);
    quitting.end.stop = true;
    Game q = startedGame(quitting, 1);
    EXPECT_EQ(finishInterruptedBasho(q, quitting), BoutOutcome::Stopped);
    EXPECT_TRUE(quitting.end.calls.empty());
    EXPECT_EQ(quitting.file[0].day, 16);
}
