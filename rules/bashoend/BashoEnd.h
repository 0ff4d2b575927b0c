// The end of a basho: yusho, chanko, potential, ageing, ratings, new banzuke.
#pragma once

struct Game;

// The five end-of-basho screens as a front-end supplies them. Each runs its
// step on the game and returns when the player has closed it: the game opens
// the modal screen, the headless front-end runs its autopilot.
class BashoEndScreens {
public:
    virtual ~BashoEndScreens() = default;
    virtual void yusho(Game& game) = 0; // decides the yusho and any playoff, saves
    virtual void chanko(Game& game) = 0; // spends game.pointPool on game.playerCopy
    virtual void potential(Game& game) = 0; // the potential step, saves
    virtual void age(Game& game) = 0; // the ageing step, saves
    virtual void newBanzuke(Game& game) = 0; // the banzuke revision, saves
    // True once the program is quitting: the sequence opens no further screen.
    virtual bool stopped() const { return false; }
};

// Runs the sequence after the player's bout of day 15 has been copied back
// into the roster: every day := day + 1 (16), the yusho, the chanko points
// (cbw - 6 from 7 wins, plus potential) spent on a copy of the player's record
// when there are any, his potential reset to 0, potential and ageing, the
// body ratings of all 40, and the revision. Writes nothing itself: the
// screens that follow each change save the roster.
void runBashoEnd(Game& game, BashoEndScreens& screens);
