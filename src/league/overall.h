#pragma once
// The overall rating of a skater or goalie: never stored, computed on demand.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// kind: position code 1..4 for a skater, 5 for a goalie; number: the record
// number (a goalie's own number, without the 10000 offset).
int16_t PlayerOverall(Env& env, int16_t kind, int16_t number);

}  // namespace dravik
