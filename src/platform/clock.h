#pragma once
// A monotonic tick count in milliseconds, for short pauses (the wait window's
// paint pause). It never wraps and never goes back when the wall clock is set.

#include <cstdint>
#include <functional>

namespace dravik {

class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t tickCount() = 0;
};

// The system's monotonic clock (QElapsedTimer).
class MonotonicClock : public Clock {
public:
    int64_t tickCount() override;
};

// A clock for tests: stands still unless advanced, or moves by a fixed step
// each time it is read, so a loop that waits on it ends.
class FakeClock : public Clock {
public:
    explicit FakeClock(int64_t start = 0, int64_t stepPerRead = 0) : now_(start), step_(stepPerRead) {}
    int64_t tickCount() override {
        int64_t t = now_;
        now_ += step_;
        return t;
    }
    void advance(int64_t ms) { now_ += ms; }
    int64_t now() const { return now_; }

private:
    int64_t now_;
    int64_t step_;
};

// Notes the tick count, then calls pump until the count has passed the noted
// value plus ms. pump is called at least once.
void pumpFor(Clock& clock, int64_t ms, const std::function<void()>& pump);

}  // namespace dravik
