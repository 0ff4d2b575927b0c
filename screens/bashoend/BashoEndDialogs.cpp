// The end-of-basho screens of the game, each shown modally in turn.
#include "screens/bashoend/BashoEndDialogs.h"

#include "screens/ScreenDialog.h"
#include "screens/bashoend/QuitWatch.h"

#include <stdexcept>
#include <string>

namespace {

// The screens are made by their owner; a missing one is a wiring fault.
void openModally(ScreenDialog* screen, const char* name, Game& game)
{
    if (!screen)
        throw std::logic_error(std::string("the ") + name + " screen was not created");
    screen->execFor(game);
}

} // namespace

BashoEndDialogs::BashoEndDialogs(const BashoEndScreenSet& screens) : m_screens(screens)
{
    watchApplicationQuit();
}

void BashoEndDialogs::yusho(Game& game) { openModally(m_screens.yusho, "yusho", game); }
void BashoEndDialogs::chanko(Game& game) { openModally(m_screens.chanko, "chanko", game); }
void BashoEndDialogs::potential(Game& game) { openModally(m_screens.potential, "potential", game); }
void BashoEndDialogs::age(Game& game) { openModally(m_screens.age, "age", game); }
void BashoEndDialogs::newBanzuke(Game& game) { openModally(m_screens.newBanzuke, "new banzuke", game); }

bool BashoEndDialogs::stopped() const
{
    return applicationQuitting();
}
