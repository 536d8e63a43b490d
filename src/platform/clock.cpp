#include "platform/clock.h"

#include <QElapsedTimer>

namespace dravik {

int64_t MonotonicClock::tickCount() {
    // Milliseconds since the monotonic clock's reference (system start on
    // Linux): a 64-bit count, so no wrap-round to deal with.
    QElapsedTimer timer;
    timer.start();
    return timer.msecsSinceReference();
}

void pumpFor(Clock& clock, int64_t ms, const std::function<void()>& pump) {
    const int64_t start = clock.tickCount();
    do {
        pump();
    } while (clock.tickCount() <= start + ms);
}

}  // namespace dravik
