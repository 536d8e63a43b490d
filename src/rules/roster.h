#pragma once
// The roster check: judges one team's pro and farm rosters against the
// league's limits, repairing on the spot what it can.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// True when the roster is valid. Repairs while it checks: a dressed player
// who may not dress, and a farm player too good or too expensive for the
// farm, go to the pro scratches and leave every line set and team role.
// The findings (repairs included) go to LogMessage when logErrors is -1 and
// into one box when showMessages and ShowMessages are both -1. With
// checkSalaryCap -1 the salary-cap check runs too (its reports follow
// showMessages) and a cap it finds exceeded makes the roster invalid.
// Sets RosterChangedByCheck to 1 when it moved anyone, else to 0.
Flag CheckRoster(Env& env, int16_t team, Flag logErrors, Flag checkSalaryCap, Flag showMessages);

}  // namespace dravik
