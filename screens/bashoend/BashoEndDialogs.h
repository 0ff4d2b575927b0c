// The end-of-basho screens of the game, opened modally one after another.
#pragma once

#include "rules/bashoend/BashoEnd.h"

// Opens the globals yushoScreen, chankoScreen, potentialScreen, ageingScreen and
// newBanzukeScreen modally, each on the Game the sequence passes in; each
// returns when the player has closed the screen. stopped()
// turns true once the program is quitting (after quit() every later exec()
// would return at once), so the sequence opens no further screen.
class BashoEndDialogs : public BashoEndScreens {
public:
    BashoEndDialogs();

    void yusho(Game& game) override;
    void chanko(Game& game) override;
    void potential(Game& game) override;
    void age(Game& game) override;
    void newBanzuke(Game& game) override;
    bool stopped() const override;
};
