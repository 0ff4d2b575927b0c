// How a front-end lets the player fight a bout that the rules ask for.
#pragma once

struct Game;

// The rules fill game.playerCopy, game.opponentCopy and game.curDay and then
// call fight(); when it returns, the bout has been fought and recorded in the
// two copies (a tournament day) or in game.playoffWins / playoffLosses (a
// playoff bout, curDay 16 or more). The game shows the bout screen modally;
// the headless front-end clicks through it by its autopilot.
class PlayerBout {
public:
    virtual ~PlayerBout() = default;
    virtual void fight(Game& game) = 0;
};
