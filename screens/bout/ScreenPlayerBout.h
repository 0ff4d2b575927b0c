// The game's way of fighting the player's bout: the bout screen, modally.
#pragma once

#include "rules/bout/PlayerBout.h"

// Shows the bout screen (the global boutScreen) modally; the bout is set up when
// the screen is shown and recorded before it can be closed.
class ScreenPlayerBout : public PlayerBout {
public:
    void fight(Game& game) override;
};
