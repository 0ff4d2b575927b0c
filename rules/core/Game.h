// The state of a running career: the roster and the few values beside it.
#pragma once

#include "rules/core/CareerWitness.h"
#include "rules/core/Rikishi.h"
#include "rules/core/Rng.h"
#include "rules/core/SaveFile.h"

#include <cstdint>
#include <optional>
#include <string>

// A step whose result could not be saved: the roster the file held when the
// step began and the roster the step left. Kept so that the step's button
// saves the same result again rather than deciding it anew.
struct UnsavedStep {
    Roster inFile{};
    Roster result{};
};

// The positions last proposed by a scroll event of the creation screen's
// height bar and weight bar. They belong to the program's run, not to one
// creation screen: a new screen goes on from what the previous one left, and
// only a new run starts them at 0.
struct BodyScrollMemory {
    std::int32_t lastHeightPos = 0;
    std::int32_t lastWeightPos = 0;
};

// Everything the rules and the screens work on. The game keeps one instance
// for the whole run and hands it to every screen; the headless front-end and
// the tests make their own, and two instances share nothing. None of the
// values beside the roster is ever saved.
struct Game {
    Roster roster{}; // zero-filled until a load or a new career
    Rikishi playerCopy{}; // the player's record during a bout or training
    Rikishi opponentCopy{}; // his opponent's record during a bout
    std::int32_t curDay = 0; // record 0's day while the tournament screens run
    std::int32_t pointPool = 0; // points to spend on (or take from) playerCopy
    std::int32_t lastResultsDay = 0; // the last day whose results were produced
    std::int32_t playoffWins = 0; // the player's latest playoff bout
    std::int32_t playoffLosses = 0;
    Rng rng; // the one generator of the program
    std::string savePath = kSaveFileName;
    std::optional<UnsavedStep> unsavedBout; // the player's bout, fought but not saved
    // The save file as this program last read or wrote it: a save refuses to
    // replace a file that another program has written since. Bookkeeping of
    // the file, not of the career, so a save of a const Game keeps it.
    mutable FileStamp fileSeen;

    // What lasts as long as the run, beside the career itself.
    BodyScrollMemory bodyScroll; // the creation screen's two bars
    std::int32_t viewNumber = 1; // the wrestler the viewer shows (1..40)
    // Whether anybody reads the captions the rules write for the screens (a
    // screen, a transcript). A study of thousands of careers in memory reads
    // none: the rules then skip the texts, never a draw or a value.
    bool captionsWanted = true;

    // Told of every load and save of this career; only the program's own
    // instance has one (a copy for a study or a test keeps none).
    CareerWitness* witness = nullptr;

    LoadResult load();
    SaveResult save() const;
    // A new career replaces whatever the file holds (its old career is kept
    // as the backup).
    SaveResult saveNew() const;
};

// The caption to write to, or none when nobody reads the game's captions.
inline std::string* wantedCaption(const Game& game, std::string& caption)
{
    return game.captionsWanted ? &caption : nullptr;
}
