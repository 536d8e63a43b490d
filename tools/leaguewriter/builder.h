#pragma once
// Small helpers that put a league together in code, for tests and for the
// sample leagues. Each helper fills one record with plain, valid values (a
// person is fit to dress: condition 100, no suspension, a one-year contract,
// ratings of 60) and returns it, so a test sets only the fields it is about.

#include <cstdint>
#include <string_view>

#include "league/records.h"
#include "league/state.h"

namespace dravik::leaguewriter {

// Salary of a person made by the helpers: within the bounds that
// UsePlainSettings sets.
inline constexpr int32_t DefaultSalary = 500000;

// Plain league settings under which the helpers' people are fit to dress:
// the default roster limits written out, salaries 100,000..10,000,000, no
// salary cap, farm clubs off, full rating sets.
void UsePlainSettings(LeagueInfo& league);

// A team in use with its farm club, in the given division; no password
// (32 blanks). An empty name becomes "Team <number>".
TeamInfo& AddTeam(LeagueData& league, int16_t number, std::string_view name = {}, uint8_t division = 1);

// A skater of the team (0 = none) at the position (1..4) and roster status
// (0 farm, 1 pro scratch, 2 pro dressed). An empty name becomes
// "Skater <number>".
PlayerInfo& AddSkater(LeagueData& league, int16_t number, int16_t team, uint8_t position,
                      uint8_t rosterStatus = status::Dressed, std::string_view name = {});

// A goalie of the team; an empty name becomes "Goalie <number>".
GoalieInfo& AddGoalie(LeagueData& league, int16_t number, int16_t team,
                      uint8_t rosterStatus = status::Dressed, std::string_view name = {});

// A coach of the team (0 = not hired); an empty name becomes "Coach <number>".
CoachInfo& AddCoach(LeagueData& league, int16_t number, int16_t team, std::string_view name = {});

// Schedule entry `entry` (game number `entry`): a pro game of team1 against
// team2 and a farm game between their farm clubs, both unplayed.
ScheduleGame& AddGame(LeagueData& league, int16_t entry, int16_t team1, int16_t team2);

}  // namespace dravik::leaguewriter
