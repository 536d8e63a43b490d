#pragma once
// The automatic pro line makers: one game day of a team's pro lines from its
// dressed, fit skaters and goalies, ranked by overall rating.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// Builds the whole day anew: normal lines, power play, penalty kill, 4 vs 4,
// 3-man penalty kill, extras, penalty shots, goalies and the strategy. The
// roster is checked first; an incomplete one gets one automatic roster run,
// and when it is still incomplete the lines are left as they are. A team
// outside 1..100 or a day outside 1..10 is "Integrity Check Failed!", as is
// a list of dressed fit skaters outside 18..MaxDressedSkaters (the day then
// stays as it was). showDone -1 shows the closing notice while ShowMessages
// is -1.
void AutoLines(Env& env, int16_t team, Flag showDone, int16_t day);

// Keeps every skater slot that holds a fit dressed skater of the team and
// refills the others, walking the slots as the lines check does, from the
// lowest-ranked listed skater up: nobody twice in a unit or a group of five
// extras, nor on both normal lines 1 and 2 where the league forbids it. Both
// goalies are chosen anew only when one slot is empty; the strategy stays.
// A blank day gets AutoLines instead. A slot left empty shows "Auto Lines
// Partial Function Error." whatever showDone says.
void AutoLinesPartial(Env& env, int16_t team, Flag showDone, int16_t day);

}  // namespace dravik
