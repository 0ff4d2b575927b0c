// The subcommands of kirimaki-sim. Each takes the arguments after its
// name, throws UsageError or FileError, and returns the exit status.
#pragma once

#include "sim/Args.h"
#include "sim/CareerPlay.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct Game;
class Transcript;

int runNew(const std::vector<std::string>& arguments);
int runShow(const std::vector<std::string>& arguments);
int runBout(const std::vector<std::string>& argv);
int runPlay(const std::vector<std::string>& argv);
int runStudy(const std::vector<std::string>& args);
int runStudyMerge(const std::vector<std::string>& args);
int runHistory(const std::vector<std::string>& args);

// The options of play and bout, checked as the subcommands check them before
// anything is read or written (UsageError otherwise). The screen pilot takes
// the same command lines.
Args playArgs(const std::vector<std::string>& argv, PlayLength& length);

struct BoutOptions {
    std::size_t player = 0;
    std::size_t opponent = 0;
    bool dayGiven = false; // --day D; otherwise record 0's day
    std::int32_t day = 0;
    bool write = false;
};
Args boutArgs(const std::vector<std::string>& argv, BoutOptions& options);

// Before the bout, on the loaded roster: the day from --day or record 0's
// (throws when it is not 1 to 16), the two wrestlers' copies, no playoff
// bouts yet. After it: on a playoff day the playoff's wins and losses as a
// transcript line; with --write the copies go back into the roster and the
// file is saved (FileError on a failed save), without it nothing changes.
void startBout(Game& game, const BoutOptions& options);
void keepBout(Game& game, const BoutOptions& options, Transcript& transcript);
