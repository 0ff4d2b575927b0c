// The game's bout: the bout screen shown modally.
#include "screens/bout/ScreenPlayerBout.h"

#include "screens/bout/BoutScreen.h"

void ScreenPlayerBout::fight(Game& game)
{
    m_boutScreen->fight(game);
}
