#pragma once
// Free agents for the market windows' tests, added to the team windows'
// league (team_league.h): team 7 "Halden Ravens" is the manager's, team 12
// "Norrvik Pike" another team. The league is set to the off-season with
// MaxOffers 10 (OfferLimitBase 5), RFA below 26, young below 20, teamless
// people listed and the overall shown. The free agents, in list order:
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
// Skater 9 of the Pike is under contract, and so are both teams' own
// players (the Ravens' 701..718, goalies 71 and 72).

#include <cstdint>

#include "league/records.h"
#include "league/state.h"
#include "team_league.h"

namespace dravik::test {

namespace person {
inline constexpr int16_t Arne = 5, Bjorn = 6, Carl = 8, Erik = 10, Finn = 11, Geir = 12;
inline constexpr int16_t Hans = 10007, Ivar = 11000, Jon = 10008, Knut = 10009;
}  // namespace person

// Adds the free agents and the settings above to a built team league.
void AddFreeAgents(LeagueData& league);

}  // namespace dravik::test
