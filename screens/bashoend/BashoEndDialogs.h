// The end-of-basho screens of the game, opened modally one after another.
#pragma once

#include "rules/bashoend/BashoEnd.h"

class ScreenDialog;

// The five screens the owner made for the end of the basho, in the order
// the sequence opens them.
struct BashoEndScreenSet {
    ScreenDialog* yusho = nullptr;
    ScreenDialog* chanko = nullptr;
    ScreenDialog* potential = nullptr;
    ScreenDialog* age = nullptr;
    ScreenDialog* newBanzuke = nullptr;
};

// Opens the yusho, chanko, potential, ageing and new-banzuke screens
// modally, each on the Game the sequence passes in; each returns when the
// player has closed the screen. stopped() turns true once the program is
// quitting (after quit() every later exec() would return at once), so the
// sequence opens no further screen.
class BashoEndDialogs : public BashoEndScreens {
public:
    explicit BashoEndDialogs(const BashoEndScreenSet& screens);

    void yusho(Game& game) override;
    void chanko(Game& game) override;
    void potential(Game& game) override;
    void age(Game& game) override;
    void newBanzuke(Game& game) override;
    bool stopped() const override;

private:
    BashoEndScreenSet m_screens;
};
