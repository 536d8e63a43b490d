#pragma once
// The automatic roster: decides, from the league's limits, the players'
// fitness, contracts and overall ratings and the salary cap, which of a
// team's skaters and goalies are dressed, which sit in the pro scratches and
// which go to the farm club.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// Dresses the position minimums and then the best others up to
// MaxDressedSkaters, and the best two goalies, promoting farm players the
// salary cap lets up; unfit dressed players go to the scratches first. A
// full run (partial 0) then sends the scratches waivers and the farm limits
// let go to the farm, unless the trade deadline blocks moves. A partial run
// (partial -1) prefers the players already on the pro roster and sends
// nobody down. showMessages -1 shows the availability failures and the
// closing notice (the latter only while ShowMessages is -1 too). Every move
// is logged.
void AutoRoster(Env& env, int16_t team, Flag showMessages, Flag partial);

}  // namespace dravik
