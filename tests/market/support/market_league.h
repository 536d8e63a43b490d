#pragma once
// A small league for the market windows' tests, built in code.
//
// Team 7 "Halden Ravens" is the manager's (league key "HALDN", off-season,
// MaxOffers 10, RFA below 26, young below 20, salaries 100,000..10,000,000,
// teamless people listed); team 12 "Norrvik Pike" is another team. The free
// agents, in list order:
//   "Arne Berg (C)-RFA"   skater 5, Pike, 24
//   "Bjorn Dahl (D)"      skater 6, Pike, 30
//   "Carl Ek (LW)"        skater 8, no team, 22
//   "Erik Gran (RW)"      skater 10, no team, 31, three contract years
//   "Finn Hauge (LW)-RFA" skater 11, Pike, 18: young, another team's
//   "Geir Lie (C)-RFA"    skater 12, Ravens, 18: young, the team's own
//   "Hans Moe (G)*"       goalie 7, Pike, 24
//   "Ivar Nes (G)"        goalie 1000, no team, 28
//   "Jon Oft (G)*"        goalie 8, no team, 19
//   "Knut Rud (G)*"       goalie 9, Pike, 18: young, another team's
// Skater 9 of the Pike is under contract and skater 20 not in use; the
// Ravens' own skaters 701..703 and goalie 71 are under contract. Money is
// written in the United States form.

#include <cstdint>

#include "league/records.h"
#include "league/state.h"

namespace dravik::test {

inline constexpr int16_t Team = 7;
inline constexpr int16_t OtherTeam = 12;
inline constexpr const char* TeamName = "Halden Ravens";
inline constexpr const char* LeagueKey = "HALDN";

namespace person {
inline constexpr int16_t Arne = 5, Bjorn = 6, Carl = 8, Erik = 10, Finn = 11, Geir = 12;
inline constexpr int16_t Hans = 10007, Ivar = 11000, Jon = 10008, Knut = 10009;
}  // namespace person

// Fills an erased league.
void BuildMarketLeague(LeagueData& league);

// The rating column counts a league load sets for the league's rating mode.
void SetStatCounts(const LeagueData& league, ProgramState& state);

}  // namespace dravik::test
