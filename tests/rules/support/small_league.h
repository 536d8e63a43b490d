#pragma once
// A small league built in code for the rules engine's tests.
//
// Team 7 ("Halden Ravens", farm club "Halden Fledglings") holds a full legal
// pro roster: 18 dressed skaters (4 C, 4 LW, 4 RW, 6 D) and 2 dressed goalies,
// three healthy scratches (a center, a defenseman, a goalie) and one injured
// scratch; a farm club of 18 fit skaters in the same shape, 2 fit goalies and
// three unfit farm players. Its captain is pro.C[0], its assistants pro.D[0]
// and pro.LW[0]. Team 12 ("Norrvik Pike") owns three players of its own.
// Skaters and goalies are both numbered from 1, so skater 1 (pro.C[0]) and
// goalie 1 (pro.G[0]) share a number. Every player has a contract and a salary
// within the league's limits; pro players rate higher than farm players, and
// within a group the first one rates highest. The league's roster limits are
// the reader's defaults; farm clubs are managed, without a full lineup.
//
// Numbers worth knowing: every rating of a player is one value; within each
// position the pro lineup rates 80, 78, 76, ... and the farm lineup 52, 50,
// 48, ...; the scratches 62 (C), 61 (D), 60 (RW, G). With the league weights
// at 0 but CK's 50, a forward's overall is 0.86 of his rating, a
// defenseman's 0.85 and a goalie's 0.80, so every farm player is under
// FarmMaxOverall 55. Salaries are 300000 (MinSalary 50000, MaxSalary 5000000,
// FarmMaxSalary 400000, farm players at 50 percent); MaxProPlayers is 25, of
// which the roster uses 23; team 7 pays two coaches 400000 and 100000 and
// plays 82 games. Money is written in the United States form ("$1,234.00").
//
// Nothing is put in any line set: fillProLines and fillFarmLines make a
// complete, legal day.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "league/records.h"
#include "test_env.h"

namespace dravik::test {

class SmallLeague : public TestEnv {
public:
    static constexpr int16_t Team = 7;
    static constexpr int16_t OtherTeam = 12;
    static constexpr int16_t EmptyTeam = 30;  // in use, nobody on it

    // A club's dressed lineup, best first within each position.
    struct Lineup {
        std::array<int16_t, 4> C{}, LW{}, RW{};
        std::array<int16_t, 6> D{};
        std::array<int16_t, 2> G{};
    };

    Lineup pro;                                        // dressed for team 7
    Lineup farm;                                       // on team 7's farm club, all fit
    int16_t scratchC = 0, scratchD = 0, scratchG = 0;  // healthy pro scratches
    int16_t injuredScratch = 0;                        // an RW with condition 80
    int16_t injuredFarm = 0;                           // an LW with condition 70
    int16_t suspendedFarm = 0;                         // a D suspended for 3 games
    int16_t injuredFarmG = 0;                          // a goalie with condition 60
    int16_t otherC = 0, otherD = 0, otherG = 0;        // team 12: dressed C, farm D, dressed G

    SmallLeague();

    // Adding people: the next free number, in use, fit, with a two-year
    // contract, the given salary, and every rating set to `rating`.
    int16_t addSkater(int16_t team, int position, uint8_t rosterStatus, const std::string& name,
                      int16_t rating = 60, int32_t salary = 300000);
    int16_t addGoalie(int16_t team, uint8_t rosterStatus, const std::string& name, int16_t rating = 60,
                      int32_t salary = 300000);
    int16_t addCoach(int16_t team, const std::string& name, int32_t salary);

    PlayerInfo& skater(int16_t n) { return league->Players[n]; }
    GoalieInfo& goalie(int16_t n) { return league->Goalies[n]; }
    CoachInfo& coach(int16_t n) { return league->Coaches[n]; }
    TeamInfo& team(int16_t n = Team) { return league->Teams[n]; }
    LeagueInfo& rules() { return league->League; }
    DayLines& proDay(int day, int16_t t = Team) { return league->Teams[t].ProLines.at(day - 1); }
    DayLines& farmDay(int day, int16_t t = Team) { return league->Teams[t].Farm.Lines.at(day - 1); }
    std::string skaterName(int16_t n) const { return league->Players[n].Name.trimmed(); }
    std::string goalieName(int16_t n) const { return league->Goalies[n].Name.trimmed(); }

    // Every rating of the player set to `rating`.
    void rate(int16_t skater, int16_t rating);
    void rateGoalie(int16_t goalie, int16_t rating);

    // A complete, legal day built from a lineup: normal lines 1-3 by
    // position with D pairs 1-2, 3-4, 5-6 and line 4 repeating pair 1-2;
    // power play and penalty units from the first two forwards trios and D
    // pairs; five different extra forwards, defensemen and penalty-shot
    // takers; G[0] starts, G[1] backs up. It uses all 18 skaters.
    static void fillLines(DayLines& set, const Lineup& lineup);
    void fillProLines(int day) { fillLines(proDay(day), pro); }
    void fillFarmLines(int day) { fillLines(farmDay(day), farm); }

    // Every skater slot of the set that holds the skater (the goalie slots
    // not included), by word number.
    static std::vector<int> wordsHolding(const DayLines& set, int16_t skater);

private:
    Lineup addLineup(int16_t team, uint8_t rosterStatus, const std::string& prefix, int16_t topRating);
    int16_t nextSkater_ = 1;
    int16_t nextGoalie_ = 1;
    int16_t nextCoach_ = 1;
};

}  // namespace dravik::test
