// What the program holding a career learns of every read and write of its
// file, so that it can keep a record beside it (the history) in step with it.
#pragma once

#include "rules/core/Rikishi.h"

// What the player chose in his bout, in the order he chose it.
enum class PlayerMove {
    Tachiai, // code 1..4
    Exchange, // code 1..6
    Monoii, // the judges decided: code 1 he won, 2 he lost, 3 a tori-naoshi
    ToriNaoshi, // the rematch began
    Result, // the bout's result is recorded: code 1 he won, 2 he lost
};

// The rules know nothing of what a witness does with what it is told: each
// front-end hands one to its Game, and both tell it the very same rosters at
// the very same moments, since every load and save goes through Game.
class CareerWitness {
public:
    virtual ~CareerWitness() = default;
    // The file was read and holds `roster`.
    virtual void loaded(const Roster& roster) = 0;
    // `roster` is about to be written: whatever the step did is kept now,
    // before the file, which stays the truth should the two disagree.
    virtual void saving(const Roster& roster) = 0;
    // The write of `roster` finished; when it failed the file holds what it
    // held before, and what saving() kept of the step is given up.
    virtual void saved(const Roster& roster, bool written) = 0;
    // A playoff bout between roster indices `first` and `second` was decided;
    // it reaches the file with the next save (the yusho's).
    virtual void playoffBout(int first, int second, bool firstWon) = 0;
    // A step of the player's bout; it belongs to the next bout of his that
    // reaches the file. Nothing by default.
    virtual void playerMove(PlayerMove, int) {}
};
