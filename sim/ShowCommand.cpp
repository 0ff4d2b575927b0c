// kirimaki-sim show: not written yet.
#include "sim/Args.h"
#include "sim/Commands.h"

int runShow(const std::vector<std::string>&)
{
    throw UsageError("the show subcommand is not available yet");
}
