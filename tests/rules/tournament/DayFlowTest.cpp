// The day step, the player's bout and the close of a day, over an in-memory file.
#include "rules/tournament/DayFlow.h"

#include "rules/core/BodyRatings.h"
#include "rules/tournament/ComputerBout.h"
#include "tests/support/DayFixtures.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

bool same(const Roster& a, const Roster& b) { return std::memcmp(a.data(), b.data(), sizeof(Roster)) == 0; }

std::string text(const ResultLine& l) { return l.first + " " + l.middle + " " + l.second; }

} // namespace

TEST(DayStep, DecidesTheDayInLineOrderAndCopiesThePlayersPair)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(42);
    const DayStep step = dayStep(game, host);
    ASSERT_EQ(step.outcome, StepOutcome::Produced);
    EXPECT_EQ(step.sheet.dayText, "1");
    EXPECT_EQ(step.sheet.playerLine, 0);
    EXPECT_EQ(text(step.sheet.lines[0]), "R38 VS. R39");
    EXPECT_EQ(shikonaOf(game.playerCopy), "R39");
    EXPECT_EQ(shikonaOf(game.opponentCopy), "R38");
    EXPECT_EQ(game.lastResultsDay, 1);
    EXPECT_EQ(host.saves, 1);

    // Day 1's computer pairs from the bottom of the table up, on the same
    // seed, give the same lines and records: nothing drawn for the player.
    const int order[19][2] = {{36, 37}, {34, 35}, {32, 33}, {25, 31}, {24, 30}, {23, 29}, {22, 28},
                              {21, 27}, {20, 26}, {18, 19}, {16, 17}, {14, 15}, {12, 13}, {5, 11},
                              {4, 10},  {3, 9},   {2, 8},   {1, 7},   {0, 6}};
    Roster replay = makeRoster(1);
    Rng rng;
    rng.seed(42);
    for (int k = 1; k < 20; ++k)
        EXPECT_EQ(text(step.sheet.lines[k]), text(decideComputerBout(replay[order[k - 1][0]], replay[order[k - 1][1]], rng)));
    EXPECT_TRUE(same(replay, host.file));
    EXPECT_EQ(rng.state(), game.rng.state());
}

TEST(DayStep, IsKeyedOnTheDayAndARestartResumesTheDayWithoutDecidingItAgain)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(7);
    dayStep(game, host);
    // Activating again produces nothing and keeps what memory holds.
    game.roster[5].gmw = 777;
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::NothingNew);
    EXPECT_EQ(game.roster[5].gmw, 777);

    const Roster decided = host.file;
    Game restarted = host.start(7);
    const DayStep again = dayStep(restarted, host);
    EXPECT_TRUE(again.sheet.resumed);
    EXPECT_EQ(again.sheet.day, 1);
    EXPECT_EQ(text(again.sheet.lines[0]), "R38 VS. R39");
    EXPECT_EQ(text(again.sheet.lines[19]), "R00 VS. R06");
    EXPECT_EQ(restarted.rng.state(), 7u);
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(same(restarted.roster, decided));
    EXPECT_EQ(fightDay(restarted, host), BoutOutcome::DayDone);
    for (const Rikishi& r : host.file)
        EXPECT_EQ(bouts(r) * 10 + r.day, 12);   // one bout each, day 2
}

TEST(DayStep, ADayThatCouldNotBeSavedIsNotTakenAsDoneAndTheNextStepProducesIt)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(42);
    const Roster inFile = host.file;
    host.failNextSaves = 1;
    const DayStep failed = dayStep(game, host);
    EXPECT_EQ(failed.outcome, StepOutcome::SaveFailed);
    EXPECT_EQ(host.failedSaves, 1);
    EXPECT_TRUE(same(game.roster, inFile));
    EXPECT_EQ(game.lastResultsDay, 0);
    // The bout is refused: the file holds no day for it.
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    EXPECT_EQ(host.bout.fought, 0);

    // The same button again: the day is produced once and saved.
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::Produced);
    EXPECT_EQ(game.lastResultsDay, 1);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    for (const Rikishi& r : host.file)
        EXPECT_EQ(bouts(r) * 10 + r.day, 12);   // one bout each, day 2
}

TEST(FightDay, ABoutWhoseSaveFailedIsSavedOnTheNextPressWithoutFightingAgain)
{
    FakeDayHost host(makeRoster(3));
    Game game = host.start(9);
    dayStep(game, host);
    const Roster dayDecided = host.file;
    host.failNextSaves = 2;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    // Memory is the file's again (the day with its bout pending) ...
    EXPECT_TRUE(same(game.roster, dayDecided));
    EXPECT_EQ(game.curDay, 3);
    // ... the day step finds nothing new, and a second failure keeps the result.
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::NothingNew);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    EXPECT_EQ(host.bout.fought, 1);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.bout.fought, 1);
    EXPECT_FALSE(game.unsavedBout);
    EXPECT_EQ(game.curDay, 4);
    for (const Rikishi& r : host.file)
        EXPECT_EQ(bouts(r) * 10 + r.day, 14);
    EXPECT_EQ(host.file[39].cbw, 1);

    // A kept bout is dropped once the file has moved on (a new career, say).
    dayStep(game, host);
    host.failNextSaves = 1;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    host.file = makeRoster(1);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    EXPECT_FALSE(game.unsavedBout);
    game.lastResultsDay = 0;   // as saving a new career sets it
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::Produced);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.bout.fought, 3);
    EXPECT_EQ(host.file[39].cbw, 1);
}

TEST(FightDay, CopiesTheBoutBackToEitherSideOfThePairAndAdvancesTheDay)
{
    // Day 14: slot 6 (the player) is A against 39; day 1: the player 39 is B.
    for (const int day : {14, 1}) {
        const int me = day == 14 ? 6 : 39;
        FakeDayHost host(makeRoster(day, me));
        Game game = host.start(3);
        dayStep(game, host);
        EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
        EXPECT_EQ(host.file[me].cbw, 1);
        EXPECT_EQ(host.file[day == 14 ? 39 : 38].cbl, 1);
        for (const Rikishi& r : host.file)
            EXPECT_EQ(bouts(r) * 100 + r.day, 100 + day + 1) << shikonaOf(r);
        EXPECT_EQ(game.curDay, day + 1);
        Rikishi rated = host.file[0];
        computeBodyRatings(rated);
        EXPECT_EQ(host.file[0].power, rated.power);   // the made-up powers were rated again
        EXPECT_TRUE(same(host.file, game.roster));
    }
}

TEST(FightDay, PlaysABashoWithTheLeaderboardOnDaysEightToFourteenThenEndsIt)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(2024);
    host.end.atYusho = [](Game& g) {
        for (const Rikishi& r : g.roster)
            EXPECT_EQ(bouts(r) * 100 + r.day, 1516);
    };
    for (int day = 1; day <= 15; ++day) {
        ASSERT_EQ(dayStep(game, host).sheet.day, day);
        EXPECT_EQ(fightDay(game, host), day < 15 ? BoutOutcome::DayDone : BoutOutcome::BashoEnded);
    }
    EXPECT_EQ(host.leaderboardDays, (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(host.end.calls, (std::vector<std::string>{"yusho", "chanko", "potential", "age", "newBanzuke"}));
    EXPECT_EQ(dayStep(game, host).sheet.day, 1);
}

TEST(FightDay, TheBoutOfDayEightReachesTheFileWhenTheLeaderboardReactivatesTheScreen)
{
    FakeDayHost host(makeRoster(8));
    Game game = host.start(99);
    dayStep(game, host);
    // Closing the leaderboard activates the day results screen while the bout
    // is in memory but not yet saved.
    host.onLeaderboard = [&](Game& g) { EXPECT_EQ(dayStep(g, host).outcome, StepOutcome::NothingNew); };
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.file[39].cbw, 1);
    EXPECT_EQ(host.file[38].cbl, 1);
    EXPECT_EQ(host.file[0].day, 9);
}

TEST(DayStep, ACareerThatCannotPlayADaySaysWhyAndWritesNothing)
{
    for (const int day : {0, 16, 17, -1, INT_MIN, INT_MAX}) {
        FakeDayHost host(makeRoster(day));
        Game game = host.start(5);
        const DayStep step = dayStep(game, host);
        EXPECT_EQ(step.sheet.kind, day == 16 ? DaySheetKind::Unfinished : DaySheetKind::NotPlayable);
        const std::string says = day == 16 ? "not finished" : "day " + std::to_string(day) + ",";
        EXPECT_NE(step.sheet.message.find(says), std::string::npos) << step.sheet.message;
        EXPECT_EQ(dayStep(game, host).sheet.kind, step.sheet.kind);   // every time
        EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
        EXPECT_EQ(host.bout.fought + host.saves, 0);
        EXPECT_EQ(game.rng.state(), 5u);
    }
    for (const int players : {0, 2}) {
        Roster roster = makeRoster(3);
        roster[39].isPlayer = players == 2;
        roster[12].isPlayer = players == 2;
        FakeDayHost host(roster);
        Game game = host.start(5);
        const DayStep step = dayStep(game, host);
        EXPECT_EQ(step.sheet.kind, DaySheetKind::NotPlayable);
        EXPECT_NE(step.sheet.message.find(players ? "2 of its wrestlers" : "no wrestler of yours"), std::string::npos);
        EXPECT_EQ(host.saves, 0);
    }
}

TEST(FightDay, LeavesTheRosterAloneWhenTheFileMovedOnOrTheProgramQuits)
{
    FakeDayHost host(makeRoster(3));
    Game game = host.start(5);
    dayStep(game, host);
    host.file = makeRoster(1);   // a new career was written meanwhile
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    host.fileExists = false;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::LoadFailed);
    EXPECT_EQ(host.bout.fought, 0);

    // Quitting during the bout: nothing of it enters the roster, and the file
    // keeps the day's computer results for a restart to resume.
    FakeDayHost quitting(makeRoster(2));
    Game g = quitting.start(5);
    dayStep(g, quitting);
    quitting.end.stop = true;
    EXPECT_EQ(fightDay(g, quitting), BoutOutcome::Stopped);
    EXPECT_EQ(bouts(g.roster[39]), 0);
    EXPECT_EQ(quitting.saves, 1);
    EXPECT_TRUE(computerBoutsRecorded(quitting.file, 2));
}

TEST(FinishInterruptedBasho, RatesTheBodiesAndDrawsUpTheNewBanzukeOfADaySixteenFile)
{
    FakeDayHost host(makeRoster(16));
    Game game = host.start(1);
    EXPECT_EQ(finishInterruptedBasho(game, host), BoutOutcome::BashoEnded);
    EXPECT_EQ(host.end.calls, std::vector<std::string>{"newBanzuke"});
    Rikishi rated = makeRoster(16)[7];
    computeBodyRatings(rated);
    EXPECT_EQ(host.file[7].power, rated.power);
    EXPECT_EQ(dayStep(game, host).sheet.day, 1);

    host.end.calls.clear();
    EXPECT_EQ(finishInterruptedBasho(game, host), BoutOutcome::Refused);   // no longer at day 16
    host.file = makeRoster(16);
    host.end.stop = true;
    EXPECT_EQ(finishInterruptedBasho(game, host), BoutOutcome::Stopped);
    EXPECT_TRUE(host.end.calls.empty());
}
