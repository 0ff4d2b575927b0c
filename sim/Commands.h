// The subcommands of kirimaki-sim. Each takes the arguments after its
// name, throws UsageError or FileError, and returns the exit status.
#pragma once

#include <string>
#include <vector>

int runNew(const std::vector<std::string>& args);
int runShow(const std::vector<std::string>& args);
int runBout(const std::vector<std::string>& args);
int runPlay(const std::vector<std::string>& args);
int runStudy(const std::vector<std::string>& args);
