#pragma once
// What a team pays: salaries per season game, the payrolls that count
// against the salary caps, and the salary-cap check. None of these change
// league data.
//
// The payrolls are summed in single precision, rounded after every salary,
// because the figures the team sheet shows and the cap decisions follow that
// running total; callers that need a whole amount round it halves to even.

#include <cstdint>

#include "league/env.h"

namespace dravik {

// Salaries of the team's players (farm players at the farm rate while the
// farm club is managed) and coaches, per game of its season; 0 when the
// league turns the expense off or the season has no games.
int32_t ExpensePerGame(Env& env, int16_t team);

// Counted salaries of the pro club (dressed and scratches under contract),
// with the payroll bonus when the league adds it.
float ProPayroll(Env& env, int16_t team);

// Counted salaries of the farm club; 0 for any team while farm clubs are off.
float FarmPayroll(Env& env, int16_t team);

// Salaries of the team's coaches.
float CoachPayroll(Env& env, int16_t team);

// True when neither the pro cap nor the farm club's cap is exceeded. Each
// finding (over the cap, farm club over its cap, under the minimum payroll,
// which only warns) is shown in its own box when showMessages is -1, whatever
// ShowMessages holds, and otherwise handed to LogMessage.
Flag CheckSalaryCap(Env& env, int16_t team, Flag showMessages);

}  // namespace dravik
