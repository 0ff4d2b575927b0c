// The game's bout: the bout screen shown modally.
#include "bout/FightDialogBout.h"

#include "bout/FightUnit.h"

void FightDialogBout::fight(Game& game)
{
    if (Fight)
        Fight->fight(game);
}
