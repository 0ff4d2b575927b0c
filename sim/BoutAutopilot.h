// The headless front-end's way of fighting the player's bout: the autopilot
// clicks through the bout exactly as a player clicks the bout screen.
#pragma once

#include "rules/bout/PlayerBout.h"

#include <memory>

class Autopilot;
class Transcript;
class BoutEngine;
class CareerStore;

class AutopilotBout : public PlayerBout {
public:
    // With a store, Close saves game.roster there as the bout screen does (a
    // failed save throws FileError); without one (nullptr) nothing is written.
    AutopilotBout(Autopilot& pilot, Transcript& transcript, CareerStore* saveOnClose);
    ~AutopilotBout() override;
    AutopilotBout(const AutopilotBout&) = delete;
    AutopilotBout& operator=(const AutopilotBout&) = delete;

    // Fights the bout in game.playerCopy / opponentCopy at game.curDay,
    // writing its transcript lines; the playoff line is the caller's.
    void fight(Game& game) override;

private:
    // The bonus screen: the first listed ability still offered, again and
    // again, then Done.
    void spendBonus(Game& game);

    Autopilot& m_pilot;
    Transcript& m_transcript;
    CareerStore* m_saveOnClose = nullptr;
    std::unique_ptr<BoutEngine> m_engine; // lives as long as this object
};
