#include "platform/instance_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "test_env.h"

namespace dravik {
namespace {

constexpr const char* kTitle = "DravikClient";

// Runs body in a child process and returns its exit code.
template <typename F>
int inChild(F body) {
    const pid_t pid = fork();
    if (pid == 0) _exit(body());
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FileInstanceLock, LivesInTheGivenFolderUnderTheTitle) {
    test::TempDir runtime;
    FileInstanceLock lock(runtime.path().string(), kTitle);
    EXPECT_EQ(lock.path(), runtime.path().string() + "/DravikClient.lock");
    ASSERT_TRUE(lock.tryAcquire());
    EXPECT_TRUE(std::filesystem::exists(lock.path()));
    lock.release();
    EXPECT_FALSE(std::filesystem::exists(lock.path()));
}

TEST(FileInstanceLock, SecondLockInTheSameProcessIsRefusedUntilReleased) {
    test::TempDir runtime;
    FileInstanceLock first(runtime.path().string(), kTitle);
    FileInstanceLock second(runtime.path().string(), kTitle);
    ASSERT_TRUE(first.tryAcquire());
    EXPECT_TRUE(first.tryAcquire()) << "taking a held lock again keeps it";
    EXPECT_FALSE(second.tryAcquire());
    first.release();
    EXPECT_TRUE(second.tryAcquire());
}

TEST(FileInstanceLock, AnotherProcessIsRefusedWhileTheLockIsHeld) {
    test::TempDir runtime;
    const std::string folder = runtime.path().string();
    FileInstanceLock lock(folder, kTitle);
    ASSERT_TRUE(lock.tryAcquire());
    EXPECT_EQ(inChild([&] { return FileInstanceLock(folder, kTitle).tryAcquire() ? 1 : 0; }), 0);
    lock.release();
    EXPECT_EQ(inChild([&] { return FileInstanceLock(folder, kTitle).tryAcquire() ? 1 : 0; }), 1);
}

TEST(FileInstanceLock, LockOfAKilledInstanceDoesNotBlockTheNextStart) {
    test::TempDir runtime;
    const std::string folder = runtime.path().string();
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        FileInstanceLock lock(folder, kTitle);
        const char held = lock.tryAcquire() ? 'y' : 'n';
        if (write(ready[1], &held, 1) != 1) _exit(2);
        for (;;) pause();  // until killed; the lock file stays behind
    }
    close(ready[1]);
    char held = 0;
    ASSERT_EQ(read(ready[0], &held, 1), 1);
    close(ready[0]);
    ASSERT_EQ(held, 'y');

    FileInstanceLock next(folder, kTitle);
    EXPECT_FALSE(next.tryAcquire()) << "the first instance still runs";
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    ASSERT_TRUE(std::filesystem::exists(next.path())) << "a killed process leaves its lock file";
    EXPECT_TRUE(next.tryAcquire());
}

TEST(FileInstanceLock, NoLockPossibleDoesNotRefuseTheStart) {
    test::TempDir tmp;
    test::writeFile(tmp.file("plain"), "x");
    FileInstanceLock lock(tmp.file("plain") + "/runtime", kTitle);  // a folder under a file
    EXPECT_TRUE(lock.tryAcquire());
}

}  // namespace
}  // namespace dravik
