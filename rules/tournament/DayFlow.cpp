// The sequence of a tournament day, shared by the game's screens and the headless front-end.
#include "rules/tournament/DayFlow.h"

#include "rules/bout/PlayerBout.h"
#include "rules/core/BodyRatings.h"
#include "rules/core/Game.h"
#include "rules/bashoend/BashoEnd.h"
#include "rules/tournament/CareerCheck.h"
#include "rules/tournament/DayResults.h"
#include "rules/tournament/Torikumi.h"
#include "rules/core/CurrentDay.h"

#include <cstring>

namespace {

// After the bouts of these days the leaderboard is shown.
constexpr std::int32_t kFirstLeaderboardDay = 8;

} // namespace

bool DayHost::stopped()
{
    return bashoEndScreens().stopped();
}

DayStep dayStep(Game& game, DayHost& host)
{
    DayStep step;
    // The roster in memory may hold the player's bout, copied back but not
    // saved yet (the leaderboard is open): a step that produces nothing must
    // not replace it with the older file.
    const Roster before = game.roster;
    if (!host.load(game)) {
        step.outcome = StepOutcome::LoadFailed;
        return step;
    }
    if (careerState(game.roster) != CareerState::Playable) {
        followRosterDay(game);
        step.outcome = StepOutcome::Produced;
        step.sheet = problemSheet(game.roster);
        return step;
    }
    if (game.roster[0].day <= game.lastResultsDay) {
        game.roster = before;
        step.outcome = StepOutcome::NothingNew;
        return step;
    }

    followRosterDay(game);
    const Roster inFile = game.roster;
    step.sheet = produceDay(game);
    host.dayProduced(step.sheet);
    // A resumed day decided nothing: the file already holds it. A day that
    // could not be saved is not taken as done: the file has none of it.
    if (!step.sheet.resumed && !host.save(game)) {
        game.roster = inFile;
        step.outcome = StepOutcome::SaveFailed;
        return step;
    }
    game.lastResultsDay = game.curDay;
    step.outcome = StepOutcome::Produced;
    return step;
}

namespace {

// The bout was fought already and only its save failed: save the same
// result, so the bout is neither lost nor fought a second time.
BoutOutcome saveKeptBout(Game& game, DayHost& host)
{
    const UnsavedStep unsaved = *game.unsavedBout;
    if (std::memcmp(unsaved.inFile.data(), game.roster.data(), sizeof game.roster) == 0) {
        const Roster inFile = game.roster;
        game.roster = unsaved.result;
        if (!host.save(game)) {
            game.roster = inFile;
            return BoutOutcome::SaveFailed;
        }
        game.unsavedBout.reset();
        followRosterDay(game);
        host.boutFinished();
        return BoutOutcome::DayDone;
    }
    // Another program wrote the file since (a copy put back, an older
    // version): that bout is gone, and so is the day it was fought on,
    // which the file may not hold. The day step reads the file afresh.
    game.unsavedBout.reset();
    game.lastResultsDay = 0;
    return BoutOutcome::Refused;
}

} // namespace

BoutOutcome fightDay(Game& game, DayHost& host)
{
    if (!host.load(game))
        return BoutOutcome::LoadFailed;
    followRosterDay(game);
    // The copies belong to the day that was produced; a file that has moved
    // on since (a new career, say) must not receive them.
    if (careerState(game.roster) != CareerState::Playable || game.curDay != game.lastResultsDay) {
        game.unsavedBout.reset();
        return BoutOutcome::Refused;
    }

    if (game.unsavedBout)
        return saveKeptBout(game, host);

    const Roster inFile = game.roster;
    host.boutStarting();
    host.playerBout().fight(game);
    if (host.stopped())
        return BoutOutcome::Stopped;
    host.boutFinished();
    copyBoutBack(game);

    if (game.curDay != kScheduleDays) {
        if (game.curDay >= kFirstLeaderboardDay)
            host.leaderboard(game);
        advanceDay(game);
        if (!host.save(game)) {
            game.unsavedBout = UnsavedStep{inFile, game.roster};
            game.roster = inFile;
            followRosterDay(game);
            return BoutOutcome::SaveFailed;
        }
        return BoutOutcome::DayDone;
    }

    host.bashoEnding();
    BashoEndScreens& screens = host.bashoEndScreens();
    runBashoEnd(game, screens);
    return screens.stopped() ? BoutOutcome::Stopped : BoutOutcome::BashoEnded;
}

BoutOutcome finishInterruptedBasho(Game& game, DayHost& host)
{
    // The sheet that offered this may be old: another screen can have written
    // a new career since, which must not be revised.
    if (!host.load(game))
        return BoutOutcome::LoadFailed;
    followRosterDay(game);
    if (careerState(game.roster) != CareerState::BashoUnfinished)
        return BoutOutcome::Refused;
    computeBodyRatings(game.roster);
    BashoEndScreens& screens = host.bashoEndScreens();
    if (screens.stopped())
        return BoutOutcome::Stopped;
    screens.newBanzuke(game);
    return BoutOutcome::BashoEnded;
}
