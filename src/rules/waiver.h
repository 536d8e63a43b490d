#pragma once
// The waiver test: whether sending one player from the pro roster to the
// farm club needs waivers under the league's settings.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// id: a skater 1..10000, or 10000 + a goalie number. True (-1) when the
// league uses waivers, the trade deadline has not passed, the player is
// exempt neither by pro games nor by age, and his overall is at most
// FarmMaxOverall. A person number outside 0..11000 reads no record: the wait
// window is hidden, the " in WaiverCheck!" error box is shown and the answer
// is false.
Flag WaiverCheck(Env& env, int16_t id);

}  // namespace dravik
