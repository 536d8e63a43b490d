#pragma once
// Operations on a team's 20 line sets (10 pro days, 10 farm days): taking a
// player out of all of them, emptying one day, and telling where a skater
// plays on one day.

#include <cstdint>
#include <string>

#include "league/env.h"

namespace dravik {

// Takes a player out of every line set of the team. id up to 10000 is a
// skater: every skater slot holding him is emptied and he loses the
// captaincy or assistant role he holds. Above 10000 it is goalie id - 10000:
// the goalie slots holding him are emptied, nothing else.
void WipePlayerFromTeamLines(Env& env, int16_t team, int16_t id);

// Empties one day: every player slot and the strategy; the pull-goalie values
// stay. pro -1 is the pro set, any other value the farm set.
void WipesLines(Env& env, int16_t team, int16_t day, Flag pro);

// Where skater `number` plays on the day: the labels of the slots that hold
// him ("L-1C, PP-1C, "), or how many they are.
std::string PlayOnLineString(Env& env, int16_t team, int16_t number, int16_t day);
std::string PlayOnLineStringFarm(Env& env, int16_t team, int16_t number, int16_t day);
int16_t PlayOnLineInteger(Env& env, int16_t team, int16_t number, int16_t day);
int16_t PlayOnLineIntegerFarm(Env& env, int16_t team, int16_t number, int16_t day);

// Empties every skater slot of the team's 20 line sets that holds `value`,
// whatever it is; roles and goalie slots are left alone. For slot values that
// name no skater, which WipePlayerFromTeamLines would misread.
void ClearSkaterValueFromTeamLines(Env& env, int16_t team, int16_t value);

}  // namespace dravik
