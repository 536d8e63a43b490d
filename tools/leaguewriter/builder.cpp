#include "leaguewriter/builder.h"

#include <string>

namespace dravik::leaguewriter {

namespace {

std::string orDefault(std::string_view name, const char* kind, int number) {
    if (!name.empty()) return std::string(name);
    return std::string(kind) + " " + std::to_string(number);
}

}  // namespace

void UsePlainSettings(LeagueInfo& league) {
    league.DivisionCount = 6;
    league.LeagueKey = "TEST1";
    for (int d = 0; d < 6; ++d) {
        league.Divisions[d].Name = "Division " + std::to_string(d + 1);
        league.Divisions[d].Conference = d < 3 ? 1 : 2;
    }
    league.ConferenceNames[0] = "Conference 1";
    league.ConferenceNames[1] = "Conference 2";
    league.MaxProPlayers = 30;
    league.FarmMaxOverall = 99;
    league.MinSalary = 100000;
    league.MaxSalary = 10000000;
    league.ShowAllRatings = True;
    league.MaxDressedSkaters = 18;
    league.MaxDressedGoalies = 2;
    league.MinCenters = 3;
    league.MinLeftWings = 3;
    league.MinRightWings = 3;
    league.MinDefense = 6;
    league.OverallWeightCK = 50;
}

TeamInfo& AddTeam(LeagueData& league, int16_t number, std::string_view name, uint8_t division) {
    TeamInfo& t = league.Teams[number];
    t = TeamInfo{};
    t.InUse = True;
    t.Number = number;
    std::string n = orDefault(name, "Team", number);
    t.Name = n;
    t.Abbreviation = "T" + std::to_string(number % 100);
    t.GeneralManager = "";
    t.MessengerId = "";
    t.Email = "";
    t.City = n;
    t.ArenaName = n + " Arena";
    t.Password = "";  // blanks: no password
    t.Division = division;
    t.ArenaCapacity = {8000, 6000, 3000, 1000, 50};
    t.TicketPrice = {20, 35, 60, 110, 400};
    t.BankAccount = 10000000;
    t.GamesInSeason = 82;
    t.Morale = 50;
    t.Farm.Name = n + " Farm";
    t.Farm.Abbreviation = "F" + std::to_string(number % 100);
    t.Farm.Morale = 50;
    return t;
}

PlayerInfo& AddSkater(LeagueData& league, int16_t number, int16_t team, uint8_t position,
                      uint8_t rosterStatus, std::string_view name) {
    PlayerInfo& p = league.Players[number];
    p = PlayerInfo{};
    p.InUse = True;
    p.Number = number;
    p.Name = orDefault(name, "Skater", number);
    p.Team = team;
    p.Country = "CAN";
    p.Age = 25;
    p.Weight = 195;
    p.Height = 72;
    p.Position = position;
    p.ContractYears = 1;
    p.Salary = DefaultSalary;
    p.Injury = "";
    p.Condition = 100;
    p.RosterStatus = rosterStatus;
    p.Ratings.fill(60);
    return p;
}

GoalieInfo& AddGoalie(LeagueData& league, int16_t number, int16_t team, uint8_t rosterStatus,
                      std::string_view name) {
    GoalieInfo& g = league.Goalies[number];
    g = GoalieInfo{};
    g.InUse = True;
    g.Number = number;
    g.Name = orDefault(name, "Goalie", number);
    g.Team = team;
    g.Country = "CAN";
    g.Age = 27;
    g.Weight = 190;
    g.Height = 73;
    g.ContractYears = 1;
    g.Salary = DefaultSalary;
    g.Injury = "";
    g.Condition = 100;
    g.RosterStatus = rosterStatus;
    g.Ratings.fill(60);
    return g;
}

CoachInfo& AddCoach(LeagueData& league, int16_t number, int16_t team, std::string_view name) {
    CoachInfo& c = league.Coaches[number];
    c = CoachInfo{};
    c.InUse = True;
    c.Number = number;
    c.Name = orDefault(name, "Coach", number);
    c.Team = team;
    c.Country = "CAN";
    c.Age = 50;
    c.ContractYears = 1;
    c.Salary = DefaultSalary;
    c.Ratings.fill(60);
    return c;
}

ScheduleGame& AddGame(LeagueData& league, int16_t entry, int16_t team1, int16_t team2) {
    ScheduleGame& s = league.Schedule[entry];
    s = ScheduleGame{};
    s.GameNumber = entry;
    s.ProScheduled = True;
    s.ProTeam1 = team1;
    s.ProTeam2 = team2;
    s.FarmScheduled = True;
    s.FarmTeam1 = team1;
    s.FarmTeam2 = team2;
    return s;
}

}  // namespace dravik::leaguewriter
