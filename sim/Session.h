// What every kirimaki-sim subcommand shares: options, the career, the transcript.
#pragma once

#include "rules/core/Game.h"
#include "sim/Args.h"
#include "sim/Autopilot.h"
#include "sim/CareerStore.h"
#include "sim/Transcript.h"

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

// Loads game.savePath, or throws FileError naming the file.
void loadOrFail(Game& game);
// Saves game.roster, or throws FileError saying what failed and where (the
// old file stays).
void saveOrFail(const Game& game);
