// The running game's hold on its career.
#pragma once

#include "rules/core/CareerLock.h"

#include <memory>
#include <string>

// Takes the lock of the career saved at savePath for the game's whole run.
// When another program holds it, the player is told so in a box naming the
// file (with `quiet`, as a self-test runs, in one line on standard error
// instead) and null is returned: the game quits before it shows anything
// else, and writes nothing.
std::unique_ptr<CareerLock> lockCareerOrSay(const std::string& savePath, bool quiet);
