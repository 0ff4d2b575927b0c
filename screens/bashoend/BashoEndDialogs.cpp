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
void openModally(Screen* screen, const char* name, Game& game)
{
    if (!screen)
        throw std::logic_error(std::string("the ") + name + " screen was not created");
    screen->execFor(game);
}

} // namespace

BashoEndDialogs::BashoEndDialogs()
{
    watchApplicationQuit();
}

void BashoEndDialogs::yusho(Game& game) { openModally(yushoScreen, "yusho", game); }
void BashoEndDialogs::chanko(Game& game) { openModally(chankoScreen, "chanko", game); }
void BashoEndDialogs::potential(Game& game) { openModally(potentialScreen, "potential", game); }
void BashoEndDialogs::age(Game& game) { openModally(ageingScreen, "age", game); }
void BashoEndDialogs::newBanzuke(Game& game) { openModally(newBanzukeScreen, "new banzuke", game); }

bool BashoEndDialogs::stopped() const
{
    return applicationQuitting();
}
