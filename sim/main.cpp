// kirimaki-sim: the game's rules from a shell, for tests, studies and replays.
#include "sim/Dispatch.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return runSim(std::vector<std::string>(argv + 1, argv + argc));
}
