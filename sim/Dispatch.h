// Runs one kirimaki-sim command line and turns its failures into exit statuses.
#pragma once

#include <string>
#include <vector>

// argv without the program name: the subcommand, then its options; or
// --help or --version alone (printed on standard output, 0). Usage errors
// print one line and a hint to use --help to standard error and give 2; a
// file that cannot be read or written, or a career that cannot be played,
// gives 1 with one line.
int runSim(const std::vector<std::string>& argv);
