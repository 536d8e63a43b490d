#pragma once
// The lines checks: one game day of a team's pro or farm lines, judged
// against the roster and the league's rules. They repair while they check:
// a skater who may not play there is taken out of every line set of the
// team (and of his team role), a goalie who may not play loses his slot of
// that day. Empty slots and duplicates are reported, never repaired.
//
// Each check gathers its findings one per line; they go to LogMessage when
// logErrors is -1, and into one information box (or "Lines are perfect!")
// when showMessages and ShowMessages are both -1. The result is -1 only when
// there was nothing to report.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// True when every player slot of the day's pro set is empty (the strategy
// and pull-goalie values do not count).
Flag CheckLineEmpty(Env& env, int16_t team, int16_t day);

// The day's pro lines: every slot filled with a fit dressed player of the
// team, nobody twice in one unit, and, where the league says so, nobody on
// both normal lines 1 and 2; two different goalies.
Flag CheckLine(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors);

// The day's farm lines, against the farm roster. Passes at once while farm
// clubs are off. Where the farm club dresses a full lineup it is
// CheckFarmLinesFull; otherwise empty slots are allowed and skipped.
// Either way the lines may hold at most MaxDressedSkaters different skaters.
Flag CheckLineFarm(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors);

// The full farm check: the pro check on the farm set, with the farm roster,
// and at least 18 different skaters.
Flag CheckFarmLinesFull(Env& env, int16_t team, Flag showMessages, int16_t day, Flag logErrors);

}  // namespace dravik
