// The game's bout: the bout screen shown modally.
#include "screens/bout/ScreenPlayerBout.h"

#include "screens/bout/BoutScreen.h"

void FightDialogBout::fight(Game& game)
{
    if (Fight)
        Fight->fight(game);
}
