// Where a headless command keeps the career between the game's saves.
#pragma once

#include "rules/core/Game.h"

// Every point where the game reads or writes its save file goes through one
// of these, so that `play` and the study run the same code: the one with the
// file, the other in memory.
class CareerStore {
public:
    virtual ~CareerStore() = default;
    // Reads the career into game.roster; throws FileError when it cannot.
    virtual void load(Game& game) = 0;
    // Keeps game.roster; throws FileError when it cannot (the old one stays).
    virtual void save(const Game& game) = 0;
};

// The save file at game.savePath, read and written exactly as the game does.
class SaveFileStore : public CareerStore {
public:
    void load(Game& game) override;
    void save(const Game& game) override;
};

// The career in memory: what a save would have written, and a load reads back.
class MemoryStore : public CareerStore {
public:
    explicit MemoryStore(const Roster& start) : m_saved(start) {}
    void load(Game& game) override { game.roster = m_saved; }
    void save(const Game& game) override { m_saved = game.roster; }

private:
    Roster m_saved;
};
