// Runs one kirimaki-sim command line and turns its failures into exit statuses.
#pragma once

#include <string>
#include <vector>

// argv without the program name: the subcommand, then its options. Usage
// errors print one line to standard error and give 2; a file that cannot be
// read or written, or a career that cannot be played, gives 1.
int runSim(const std::vector<std::string>& argv);
