#pragma once
// The candidate list the automatic makers rank players in
// (ProgramState::SortIndex / SortValue).

#include <cstdint>

#include "league/env.h"

namespace dravik {

// n: a skater number, or 10000 + a goalie number; for a goalie n is reduced
// to the goalie number on return.
void Insert(Env& env, int16_t& n);

// Empties the list (every element of both arrays 0).
void EmptyCandidates(Env& env);

}  // namespace dravik
