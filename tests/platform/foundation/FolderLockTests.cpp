#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "platform/foundation/FolderLock.h"
#include "tests/support/TestEnvironment.h"

using fnd::FolderLock;

class FolderLockTest : public testing_support::TestEnvironment {};

TEST_F(FolderLockTest, ASecondHolderIsRefusedAndReadsTheNoteUntilTheFirstLetsGo) {
    const auto folder = temporary / "data" / "nested";
    FolderLock first;
    ASSERT_EQ(first.acquire(folder, ".lock"), FolderLock::Outcome::Acquired) << first.error();
    ASSERT_TRUE(first.setNote("http://127.0.0.1:4000/"));

    FolderLock second;
    EXPECT_EQ(second.acquire(folder, ".lock"), FolderLock::Outcome::HeldElsewhere);
    EXPECT_EQ(second.holderNote(), "http://127.0.0.1:4000/");
    EXPECT_FALSE(second.held());

    first.release();
    EXPECT_EQ(second.acquire(folder, ".lock"), FolderLock::Outcome::Acquired);
    EXPECT_EQ(second.holderNote(), "");

    std::ofstream(temporary / "file") << "not a folder";
    FolderLock blocked;
    EXPECT_EQ(blocked.acquire(temporary / "file" / "below", ".lock"), FolderLock::Outcome::Failed);
    EXPECT_NE(blocked.error().find("file"), std::string::npos);
}

TEST_F(FolderLockTest, TheLockOfAProcessThatDiesIsFreed) {
    int ready[2];
    int hold[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(hold), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FolderLock lock;
        char answer =
            lock.acquire(temporary, ".lock") == FolderLock::Outcome::Acquired && lock.setNote("child") ? 'y'
                                                                                                       : 'n';
        if (write(ready[1], &answer, 1) != 1) _exit(1);
        char never;
        while (read(hold[0], &never, 1) != 0) {
        }
        _exit(0);
    }
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    FolderLock mine;
    EXPECT_EQ(mine.acquire(temporary, ".lock"), FolderLock::Outcome::HeldElsewhere);
    EXPECT_EQ(mine.holderNote(), "child");

    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    for (int fd : {ready[0], ready[1], hold[0], hold[1]}) close(fd);
    EXPECT_EQ(mine.acquire(temporary, ".lock"), FolderLock::Outcome::Acquired);
}
