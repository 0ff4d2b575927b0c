// kirimaki-sim bout: not written yet.
#include "sim/Args.h"
#include "sim/Commands.h"

int runBout(const std::vector<std::string>&)
{
    throw UsageError("the bout subcommand is not available yet");
}
