// The end-of-basho screens of the game, each shown modally in turn.
#include "screens/bashoend/BashoEndDialogs.h"

#include "screens/bashoend/AgeingScreen.h"
#include "screens/bashoend/ChankoScreen.h"
#include "screens/bashoend/YushoScreen.h"
#include "screens/bashoend/PotentialScreen.h"
#include "screens/bashoend/QuitWatch.h"
#include "screens/bashoend/NewBanzukeScreen.h"

#include <stdexcept>

namespace {

// The screens are created at start-up; a missing one is a wiring fault.
template <typename Screen>
void openModally(Screen* screen, const char* name)
{
    if (!screen)
        throw std::logic_error(std::string("the ") + name + " screen was not created");
    screen->exec();
}

} // namespace

BashoEndDialogs::BashoEndDialogs()
{
    watchApplicationQuit();
}

void BashoEndDialogs::yusho(Game&) { openModally(yushoScreen, "yusho"); }
void BashoEndDialogs::chanko(Game&) { openModally(chankoScreen, "chanko"); }
void BashoEndDialogs::potential(Game&) { openModally(potentialScreen, "potential"); }
void BashoEndDialogs::age(Game&) { openModally(ageingScreen, "age"); }
void BashoEndDialogs::newBanzuke(Game&) { openModally(newBanzukeScreen, "new banzuke"); }

bool BashoEndDialogs::stopped() const
{
    return applicationQuitting();
}
