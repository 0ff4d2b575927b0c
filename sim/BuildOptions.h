// The options of `new` that define a build: the creation screen's values.
#pragma once

#include "rules/career/CreationValues.h"
#include "sim/Args.h"

#include <vector>

// --shikona, --real-name, --height, --weight and --stats.
std::vector<OptionSpec> buildOptions();

// The values the options give, the creation screen's opening values for the
// rest; a usage error for a value out of range or a name that cannot be stored.
CreationValues creationValuesFrom(const Args& args);
