// The game's way of fighting the player's bout: the bout screen, modally.
#pragma once

#include "rules/bout/PlayerBout.h"

class BoutScreen;

// Shows the bout screen it was made with modally; the bout is set up when
// the screen is shown and recorded before it can be closed.
class ScreenPlayerBout : public PlayerBout {
public:
    explicit ScreenPlayerBout(BoutScreen& screen) : m_boutScreen(&screen) {}
    void fight(Game& game) override;

private:
    BoutScreen* m_boutScreen = nullptr; // never null
};
