#pragma once
// The automatic farm line makers: one game day of a team's farm lines from
// its fit farm players, ranked by overall rating.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// Where the farm club dresses a full lineup (FarmFullLineup -1) this is
// AutoLinesFarmFull. Otherwise it clears the day and builds it from the best
// 17 fit, unsuspended farm skaters, without a roster check: at most 4 per
// forward position by position, the rest of the normal forwards from the
// best left, the defense with copies for 6 and 7 defensemen, the first two
// of each forward position on the power play. Then, like the full maker,
// the special units, extras, goalies and strategy. A team outside 1..100 or
// a day outside 1..10 is "Integrity Check Failed!". showDone -1 shows the
// closing notice while ShowMessages is -1.
void AutoLinesFarm(Env& env, int16_t team, Flag showDone, int16_t day);

// The farm club's counterpart of AutoLines: the roster gate (its notices
// name the farm club), then a dressed lineup from the fit farm skaters (the
// position minimums first, then the best others up to MaxDressedSkaters;
// "Integrity Check Failed!" and the day left as it was when the minimums
// alone reach it), and every unit built as AutoLines builds it.
void AutoLinesFarmFull(Env& env, int16_t team, Flag showDone, int16_t day);

}  // namespace dravik
