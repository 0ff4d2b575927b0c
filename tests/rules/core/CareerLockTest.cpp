// The career lock: one holder at a time, released with its holder, however it ends.
#include "rules/core/CareerLock.h"

#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <sys/wait.h>
#include <unistd.h>

TEST(CareerLock, OneHolderAtATimeAndAKilledHolderBlocksNobody)
{
    TempDir dir;
    const std::string career = dir.file("rikishi.r");
    {
        const CareerLock first(career);
        EXPECT_EQ(first.state(), CareerLock::State::Held);
        // flock belongs to the open file, so a second open is refused even
        // in the same process, as another program would be.
        const CareerLock second(career);
        EXPECT_TRUE(second.heldElsewhere());
        // Another career in the same folder is another lock.
        EXPECT_EQ(CareerLock(dir.file("other.r")).state(), CareerLock::State::Held);
    }
    // The lock file stays, so that no two programs ever lock different files.
    EXPECT_TRUE(std::filesystem::exists(CareerLock::lockPathFor(career)));

    // A holder killed outright: the next program gets the lock at once.
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const CareerLock held(career);
        const char state = held.state() == CareerLock::State::Held ? 'y' : 'n';
        (void)!write(ready[1], &state, 1);
        for (;;)
            pause();
    }
    char state = 0;
    ASSERT_EQ(read(ready[0], &state, 1), 1);
    EXPECT_EQ(state, 'y');
    EXPECT_TRUE(CareerLock(career).heldElsewhere());
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(CareerLock(career).state(), CareerLock::State::Held);
    close(ready[0]);
    close(ready[1]);

    // Where no lock file can be made, no save can be made either: the
    // program goes on without one and its saves report the failure.
    EXPECT_EQ(CareerLock(dir.file("no-such-folder/rikishi.r")).state(), CareerLock::State::NoLockFile);
    EXPECT_EQ(careerOpenElsewhereMessage(career), "This career is open in another program: " + career);
}
