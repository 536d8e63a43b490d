#include "platform/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace dravik {
namespace {

TEST(MonotonicClock, CountsMillisecondsForward) {
    MonotonicClock clock;
    const int64_t before = clock.tickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const int64_t after = clock.tickCount();
    EXPECT_GE(after - before, 30);
    EXPECT_LT(after - before, 5000);
}

TEST(PumpFor, PumpsUntilTheCountHasPassedTheWait) {
    struct Case {
        const char* why;
        int64_t start, stepPerRead, advancePerPump;
        int pumps;
    } cases[] = {
        // Reads at 10, 20, ..., 100 keep pumping; 110 is past 0 + 100.
        {"clock moves on each read", 0, 10, 0, 11},
        {"time passes inside the pump", 0, 0, 60, 2},
        {"one long pump is enough", 0, 0, 500, 1},
        {"no trouble where a 32-bit count would wrap", (int64_t{1} << 32) - 50, 0, 40, 3},
    };
    for (const auto& c : cases) {
        FakeClock clock(c.start, c.stepPerRead);
        int pumps = 0;
        pumpFor(clock, 100, [&] {
            ++pumps;
            clock.advance(c.advancePerPump);
        });
        EXPECT_EQ(pumps, c.pumps) << c.why;
        EXPECT_GT(clock.now() - c.start, 100) << c.why;
    }
}

TEST(PumpFor, RealClockWaitsAtLeastTheTime) {
    MonotonicClock clock;
    const auto start = std::chrono::steady_clock::now();
    int pumps = 0;
    pumpFor(clock, 100, [&] {
        ++pumps;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    EXPECT_GE(pumps, 2);
}

}  // namespace
}  // namespace dravik
