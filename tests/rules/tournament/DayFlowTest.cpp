// The day step and the player's bout where a save fails, a restart comes in
// the middle of a day, the file moves on or cannot be played (the golden
// scenarios prove the days themselves, their order and the end of a basho).
#include "rules/tournament/DayFlow.h"

#include "tests/support/DayFixtures.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// Every wrestler of the file has fought `n` bouts and stands at `day`.
void expectFile(const FakeDayHost& host, int n, int day)
{
    for (const Rikishi& r : host.file)
        EXPECT_EQ(bouts(r) * 100 + r.day, n * 100 + day) << shikonaOf(r);
}

} // namespace

TEST(DayStep, ARestartResumesTheDayWithoutDecidingItAgain)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(7);
    dayStep(game, host);
    game.roster[5].gmw = 777; // activating again produces nothing and keeps memory
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::NothingNew);
    EXPECT_EQ(game.roster[5].gmw, 777);

    const Roster decided = host.file;
    Game restarted = host.start(7);
    const DayStep again = dayStep(restarted, host);
    EXPECT_TRUE(again.sheet.resumed);
    EXPECT_EQ(again.sheet.lines[0].first + again.sheet.lines[19].second, "R38R06");
    EXPECT_EQ(restarted.rng.state(), 7u);
    EXPECT_EQ(host.saves, 1);
    EXPECT_TRUE(sameRoster(restarted.roster, decided));
    EXPECT_EQ(fightDay(restarted, host), BoutOutcome::DayDone);
    expectFile(host, 1, 2);
}

TEST(DayStep, ADayThatCouldNotBeSavedIsNotTakenAsDoneAndTheNextStepProducesIt)
{
    FakeDayHost host(makeRoster(1));
    Game game = host.start(42);
    const Roster inFile = host.file;
    host.failNextSaves = 1;
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::SaveFailed);
    EXPECT_TRUE(sameRoster(game.roster, inFile));
    EXPECT_EQ(game.lastResultsDay, 0);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused); // the file holds no day for it
    EXPECT_EQ(host.bout.fought, 0);

    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::Produced);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    expectFile(host, 1, 2);
}

TEST(FightDay, ABoutWhoseSaveFailedIsSavedOnTheNextPressWithoutFightingAgain)
{
    FakeDayHost host(makeRoster(3));
    Game game = host.start(9);
    dayStep(game, host);
    const Roster dayDecided = host.file;
    host.failNextSaves = 2;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    EXPECT_TRUE(sameRoster(game.roster, dayDecided)); // memory is the file's again
    EXPECT_EQ(game.curDay, 3);
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::NothingNew);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed); // a second failure keeps the result
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.bout.fought, 1);
    EXPECT_FALSE(game.unsavedBout);
    EXPECT_EQ(game.curDay, 4);
    expectFile(host, 1, 4);
    EXPECT_EQ(host.file[39].cbw, 1);

    // A kept bout is dropped when another program rewrote the file on the
    // same day: the day is produced again from what the file holds.
    dayStep(game, host);
    host.failNextSaves = 1;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    host.file[0].rlw += 1;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    EXPECT_FALSE(game.unsavedBout);
    EXPECT_EQ(host.bout.fought, 2);
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::Produced);
    EXPECT_EQ(game.curDay, 4);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.bout.fought, 3);
    expectFile(host, 2, 5);

    // A kept bout is dropped once the file has moved on (a new career, say).
    dayStep(game, host);
    host.failNextSaves = 1;
    EXPECT_EQ(fightDay(game, host), BoutOutcome::SaveFailed);
    host.file = makeRoster(1);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
    EXPECT_FALSE(game.unsavedBout);
    game.lastResultsDay = 0; // as saving a new career sets it
    EXPECT_EQ(dayStep(game, host).outcome, StepOutcome::Produced);
    EXPECT_EQ(fightDay(game, host), BoutOutcome::DayDone);
    EXPECT_EQ(host.bout.fought, 5);
    EXPECT_EQ(host.file[39].cbw, 1);
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
        EXPECT_EQ(dayStep(game, host).sheet.kind, step.sheet.kind); // every time
        EXPECT_EQ(fightDay(game, host), BoutOutcome::Refused);
        EXPECT_EQ(host.bout.fought + host.saves, 0);
        EXPECT_EQ(game.rng.state(), 5u);
    }
    for (const int players : {0, 2}) {
        Roster roster = makeRoster(3);
        roster[39].isPlayer = roster[12].isPlayer = players == 2;
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
    host.file = makeRoster(1); // a new career was written meanwhile
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

// (The day-16 scenario proves the finish itself through both front-ends.)
TEST(FinishInterruptedBasho, TouchesNoBashoThatIsNotAtItsEndNorOneBeingQuit)
{
    FakeDayHost playing(makeRoster(1));
    Game game = playing.start(1);
    EXPECT_EQ(finishInterruptedBasho(game, playing), BoutOutcome::Refused);
    FakeDayHost ending(makeRoster(16));
    game = ending.start(1);
    ending.end.stop = true;
    EXPECT_EQ(finishInterruptedBasho(game, ending), BoutOutcome::Stopped);
    EXPECT_TRUE(ending.end.calls.empty() && playing.end.calls.empty());
}
