// What every kirimaki-sim subcommand shares: options, the career, the transcript.
#pragma once

#include "rules/core/CareerLock.h"
#include "history/HistoryRecorder.h"
#include "rules/core/Game.h"
#include "sim/Args.h"
#include "sim/Autopilot.h"
#include "sim/CareerStore.h"
#include "sim/Transcript.h"

#include <memory>
#include <vector>

// --file, --seed and --transcript.
std::vector<OptionSpec> commonOptions();
// --tachiai, --moves and --train.
std::vector<OptionSpec> autopilotOptions();
std::vector<OptionSpec> operator+(std::vector<OptionSpec> a, const std::vector<OptionSpec>& b);

// The autopilot lists, validated (a usage error for a bad list).
Autopilot autopilotFrom(const Args& args);

// --seed N, or the clock in seconds as the game seeds itself.
void seedFrom(const Args& args, Rng& rng);

// The save file of --file (default rikishi.r) into game.savePath.
void useSaveFile(const Args& args, Game& game);

// Locks the career of game.savePath for as long as the lock lives, before
// anything is read; throws FileError naming the file when another program
// holds it. A folder where no lock file can be made goes on without one
// (its saves fail and are reported).
std::unique_ptr<CareerLock> lockOrFail(const Game& game);

// --no-history, for the commands that write the career.
OptionSpec noHistoryOption();
// The career's history, recording every load and save of `game` from now
// on, unless --no-history was given (null then: no file is made). Taken
// under the career's lock. What the player is to be told about the history
// goes to standard error, once; the command goes on whatever it says.
std::unique_ptr<HistoryRecorder> recordHistory(const Args& args, Game& game);

// Loads game.savePath, or throws FileError naming the file.
void loadOrFail(Game& game);
// Saves game.roster, or throws FileError saying what failed and where (the
// old file stays).
void saveOrFail(const Game& game);
