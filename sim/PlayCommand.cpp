// kirimaki-sim play: not written yet.
#include "sim/Args.h"
#include "sim/Commands.h"

int runPlay(const std::vector<std::string>&)
{
    throw UsageError("the play subcommand is not available yet");
}
