#pragma once
// The candidate list the automatic makers rank players in
// (ProgramState::SortIndex / SortValue): SortValue[0] is the count,
// SortIndex[k] / SortValue[k] the k-th candidate's record number and overall,
// best first, equal overalls in the order they were inserted.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// n: a skater number, or 10000 + a goalie number; for a goalie n is reduced
// to the goalie number on return. No duplicate test and no argument guard.
// A failing step shows "<n> - <description> Insert!", a line break and
// "Trying to continue.", and the insertion goes on (an overall that cannot be
// computed counts 0). A full list (11000 entries) takes no more: that
// insertion shows the error 9 box and leaves the list as it was.
void Insert(Env& env, int16_t& n);

// Empties the list (every element of both arrays 0).
void EmptyCandidates(Env& env);

}  // namespace dravik
