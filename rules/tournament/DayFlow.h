// A tournament day as both front-ends play it: the day step, the player's
// bout and what follows it (leaderboard, advance and save, or the basho's end).
#pragma once

#include "rules/tournament/DaySheet.h"

struct Game;
class PlayerBout;
class BashoEndScreens;

// What a front-end supplies to the day flow. The game opens its screens and
// reports failures in message boxes; the headless front-end runs its
// autopilot, writes the transcript and throws on a failed file.
class DayHost {
public:
    virtual ~DayHost() = default;
    // Reads the save file into game.roster. False when it cannot be opened:
    // the host has told the player, the roster is as it was, and the flow stops.
    virtual bool load(Game& game) = 0;
    // Writes game.roster. False when the file could not be written: the host
    // has told the player (once), the old file is intact, and the step that
    // asked is not taken as done.
    virtual bool save(const Game& game) = 0;
    // A day was produced and is about to be saved: the screen shows it now,
    // so that a failure is reported over the day it concerns. Nothing by default.
    virtual void dayProduced(const DaySheet&) {}
    // Shows the leaderboard of game.curDay over game.roster (days 8 to 14).
    virtual void leaderboard(Game& game) = 0;
    virtual PlayerBout& playerBout() = 0;
    virtual BashoEndScreens& bashoEndScreens() = 0;
    // The screen's own moments around the bout (hide before it, show again
    // after it, hide before the basho's end). Nothing by default.
    virtual void boutStarting() {}
    virtual void boutFinished() {}
    virtual void bashoEnding() {}
    // True once the program is quitting: the flow opens nothing further and
    // leaves an unrecorded bout out of the roster. By default the end-of-basho
    // screens' own answer.
    virtual bool stopped();
};

enum class StepOutcome {
    LoadFailed, // the save file could not be read; nothing changed
    NothingNew, // this day was produced already; the roster in memory is left as it is
    Produced, // a new sheet: the day's lines, or what keeps the career from a day
    SaveFailed, // the day was produced but could not be saved: the roster in
                // memory is the file's again and the day is still due, so
                // the next step decides it (nothing of it reached the file)
};

struct DayStep {
    StepOutcome outcome = StepOutcome::NothingNew;
    DaySheet sheet;
};

// The day step, run when the day results screen is opened, on Next Day and
// when the player comes back to that screen from another window of the game.
// Reads the file. Only when its day is later than game.lastResultsDay does it
// keep what it read, set game.curDay and produce the day; otherwise it puts
// the roster in memory back as it was, since that may hold a bout not saved
// yet. Producing a day: the 19 computer bouts decided in line order 0..19
// (table positions 38-2k, 39-2k), the player's pair copied into
// game.playerCopy / game.opponentCopy, the roster saved and
// game.lastResultsDay set to the day; when that save fails, nothing of the
// day is kept (SaveFailed) and the next step produces it. A roster that already holds the day's
// computer results (a restart in the middle of the day) is shown without
// deciding them again and not saved. A roster that cannot be played
// (CareerCheck.h) produces, at every step, a sheet that says why; nothing is
// written.
DayStep dayStep(Game& game, DayHost& host);

enum class BoutOutcome {
    LoadFailed, // the save file could not be read; no bout was fought
    Refused, // the file no longer holds the day that was produced (or cannot
             // be played); no bout was fought: run the day step again
    DayDone, // the bout is in the roster, the day advanced and saved
    SaveFailed, // the bout was fought but the advanced day could not be
                // saved: the roster in memory is the file's (the day's bout
                // still pending) and the result waits in game.unsavedBout;
                // the next fightDay saves it instead of fighting again
    BashoEnded, // day 15: the end-of-basho sequence has run
    Stopped, // the program is quitting; the sequence stopped early
};

// The player's bout and what follows it: reload the file (the day step saved
// it), fight through host.playerBout(), copy the two records back to their
// slots; then on days 1 to 14 the leaderboard (days 8 to 14), every day + 1,
// the body ratings, game.curDay from record 0 and a save; after day 15 the
// end-of-basho sequence instead. A bout kept after a failed save
// (game.unsavedBout) is saved on the next call, without a fight, as long as
// the file still holds the day it was fought on; a file that changed meanwhile
// refuses it (Refused, the day to be produced again from the file). When the program quits during the bout,
// nothing of it is taken into the roster: a restart resumes the day.
BoutOutcome fightDay(Game& game, DayHost& host);

// A career saved at day 16 (the program ended during the end of a basho):
// reload the file and, if it is still at day 16 with one player's wrestler,
// compute the body ratings of all 40, then run the banzuke revision, which
// starts the next basho and saves. BashoEnded when the revision has run;
// Refused when the file is no longer at day 16; LoadFailed or Stopped
// (quitting) with nothing changed.
BoutOutcome finishInterruptedBasho(Game& game, DayHost& host);
