// One writer per career: an advisory lock on a file beside the save file.
#pragma once

#include <string>

// Held by every program that writes a career (the game for as long as it
// runs; `new`, `play` and `bout --write` of the headless front-end), from
// before its first read until it ends. The lock is flock(2) on
// `<save file>.lock`, a file that is created when missing and never removed,
// so that no two programs ever lock two different files. The kernel drops
// the lock with its holder, so a killed program never blocks the next one.
// Taking it never waits.
class CareerLock {
public:
    enum class State {
        Held, // this program holds the lock
        HeldElsewhere, // another program holds it: this one must not write
        NoLockFile, // no lock file can be made (a read-only or missing
                    // folder, where no save can be made either)
    };

    explicit CareerLock(const std::string& savePath);
    ~CareerLock();
    CareerLock(const CareerLock&) = delete;
    CareerLock& operator=(const CareerLock&) = delete;

    State state() const { return m_state; }
    bool heldElsewhere() const { return m_state == State::HeldElsewhere; }

    // The lock file of the career saved at savePath.
    static std::string lockPathFor(const std::string& savePath);

private:
    int m_fd = -1;
    State m_state = State::NoLockFile;
};

// What a program that is refused the lock says: the career's full path.
std::string careerOpenElsewhereMessage(const std::string& savePath);
