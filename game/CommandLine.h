// The game's command line: its own options beside Qt's, --help and --version.
#pragma once

#include <optional>
#include <string>

struct GameOptions {
    bool userData = false; // keep the career in the player's data folder
    bool selfTest = false; // start up, make a sample career if none, quit
};

// Reads argv before Qt starts, so that --help, --version and usage errors
// need no display. Qt's own options (-platform NAME, -style=NAME, ...) are
// skipped with their values; Qt reads them itself later. Returns the exit
// status when the program is to end here: 0 after printing the help (to
// standard output) or the version, 2 after a usage error (one line and a
// hint to use --help, on standard error).
std::optional<int> readCommandLine(int argc, char** argv, GameOptions& options);

// The game's --help text.
std::string gameHelpText();
