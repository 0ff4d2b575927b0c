// The end-of-basho screens clicked through by the autopilot (kirimaki-sim play).
#pragma once

#include "rules/bashoend/BashoEnd.h"

class Autopilot;
class CareerStore;
class PlayerBout;
class Transcript;

// Runs each end-of-basho step on the game as a player who presses every
// offered button, writes the screens' captions to the transcript (yusho,
// junyusho, chanko, buy, potential, age, banzuke) and saves to the store
// wherever the game saves; a failed save throws FileError. The player's playoff bouts go to
// playoffBout, which writes their bout lines. The playoff's pauses are not
// waited for.
class AutopilotBashoEnd : public BashoEndScreens {
public:
    AutopilotBashoEnd(Autopilot& pilot, Transcript& transcript, PlayerBout& playoffBout, CareerStore& store);

    void yusho(Game& game) override;
    void chanko(Game& game) override;
    void potential(Game& game) override;
    void age(Game& game) override;
    void newBanzuke(Game& game) override;

private:
    Autopilot& m_pilot;
    Transcript& m_transcript;
    PlayerBout& m_playoffBout;
    CareerStore& m_store;
};
