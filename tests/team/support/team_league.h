#pragma once
// A small league for the team windows' tests, built in code.
//
// Team 7 "Halden Ravens" (farm club "Halden Fledglings", division 2 of
// conference 1, league key "HALDN") holds a legal pro roster: 4 C, 4 LW,
// 4 RW, 6 D and 2 G dressed, skaters 701..718 and goalies 71, 72, and a
// complete, legal day 1 of pro lines; its coach is 3 "Ole Brenna", its farm
// coach 4 "Per Lunde". Team 12 "Norrvik Pike" owns skaters 1201, 1202 and
// goalie 121. Farm clubs are off, so the farm check passes at once. Money
// is written in the United States form. No team has a password.

#include <array>
#include <cstdint>
#include <string>

#include "league/records.h"
#include "league/state.h"

namespace dravik::test {

inline constexpr int16_t Team = 7;
inline constexpr int16_t OtherTeam = 12;
inline constexpr const char* TeamName = "Halden Ravens";
inline constexpr const char* LeagueKey = "HALDN";

struct Lineup {
    std::array<int16_t, 4> C{}, LW{}, RW{};
    std::array<int16_t, 6> D{};
    std::array<int16_t, 2> G{};
};

// Fills an erased league and returns team 7's lineup.
Lineup BuildTeamLeague(LeagueData& league);

// A complete, legal day from the lineup: normal lines 1-3 by position with D
// pairs 1-2, 3-4, 5-6, line 4 repeating pair 1-2; power play and penalty
// units from the first two trios and pairs; five different extra forwards,
// defensemen and penalty-shot takers; G[0] starts, G[1] backs up.
void FillLines(DayLines& set, const Lineup& lineup);

// Turns the farm clubs on with a full farm lineup for team 7 (skaters
// 751..768, goalies 75, 76, all on the farm) whose day 1 is left empty, so
// that the farm check fails until FillLines fills it.
Lineup AddFarmClub(LeagueData& league);

// Everything reading a team lines file for `team` may change, as bytes: the
// team record, both state arrays, and the status, protected and
// trade-available fields of every skater and goalie.
std::string LoadableState(const LeagueData& league, const ProgramState& state, int16_t team);

// The MD5 text digest of a password, as the league stores it.
std::string PasswordDigest(const std::string& password);

}  // namespace dravik::test
