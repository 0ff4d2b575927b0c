// kirimaki-sim new: not written yet.
#include "sim/Args.h"
#include "sim/Commands.h"

int runNew(const std::vector<std::string>&)
{
    throw UsageError("the new subcommand is not available yet");
}
