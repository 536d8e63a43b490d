#include "free_agents.h"

#include "leaguewriter/builder.h"

namespace dravik::test {

namespace {

void freeSkater(LeagueData& league, int16_t n, int16_t team, uint8_t position, uint8_t age, const char* name,
                uint8_t years = 0) {
    PlayerInfo& p = leaguewriter::AddSkater(league, n, team, position, status::Dressed, name);
    p.Age = age;
    p.ContractYears = years;
}

void freeGoalie(LeagueData& league, int16_t n, int16_t team, uint8_t age, const char* name) {
    GoalieInfo& g = leaguewriter::AddGoalie(league, n, team, status::Dressed, name);
    g.Age = age;
    g.ContractYears = 0;
}

}  // namespace

void AddFreeAgents(LeagueData& league) {
    LeagueInfo& info = league.League;
    info.OffSeason = True;
    info.MaxOffers = 10;
    info.OfferLimitBase = 5;
    info.RFAAge = 26;
    info.YoungPlayerAge = 20;
    info.ListUnsignedFreeAgents = True;
    info.ShowOverallColumn = True;

    freeSkater(league, 5, OtherTeam, pos::C, 24, "Arne Berg");
    freeSkater(league, 6, OtherTeam, pos::D, 30, "Bjorn Dahl");
    freeSkater(league, 8, 0, pos::LW, 22, "Carl Ek");
    freeSkater(league, 9, OtherTeam, pos::RW, 27, "Dag Fosse", 2);
    freeSkater(league, 10, 0, pos::RW, 31, "Erik Gran", 3);
    freeSkater(league, 11, OtherTeam, pos::LW, 18, "Finn Hauge");
    freeSkater(league, 12, Team, pos::C, 18, "Geir Lie");
    freeGoalie(league, 7, OtherTeam, 24, "Hans Moe");
    freeGoalie(league, 1000, 0, 28, "Ivar Nes");
    freeGoalie(league, 8, 0, 19, "Jon Oft");
    freeGoalie(league, 9, OtherTeam, 18, "Knut Rud");
}

}  // namespace dravik::test
