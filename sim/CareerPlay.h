// Playing a career on, day by day, as `play` does: shared by `play` (with the
// save file) and the study (in memory).
#pragma once

#include <cstdint>
#include <functional>

struct Game;
class Autopilot;
class CareerStore;
class Transcript;

// Reads the career from the store and checks that it can be played: exactly
// one player's wrestler, a day of 1 to 15, or 16 for a basho whose end was
// cut short (playCareer finishes it first). Throws FileError otherwise.
void loadPlayableCareer(Game& game, CareerStore& store);

// How far to play: N days, or until N end-of-basho sequences have run.
struct PlayLength {
    bool countDays = false;
    std::int64_t count = 1;
};

// Called after each end-of-basho sequence, with the new banzuke in game.roster.
using BashoEndObserver = std::function<void(const Game&)>;

// Plays the loaded career on as a player who keeps pressing the day results
// screen's buttons: each day the day step, the player's bout by the autopilot,
// the leaderboard on days 8 to 14, the day's end and every save the game
// makes, at the same points, to the store; after day 15 the end of the basho.
void playCareer(Game& game, Autopilot& pilot, Transcript& transcript, CareerStore& store, PlayLength length,
                const BashoEndObserver& bashoEnded = {});
