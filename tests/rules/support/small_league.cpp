#include "small_league.h"

#include <QLocale>

#include "rules/currency.h"

namespace dravik::test {

namespace {

void makePlaceholders(LeagueData& lg) {
    // As the league reader makes them after every read.
    PlayerInfo& p = lg.Players[0];
    p = PlayerInfo{};
    p.InUse = True;
    p.Name = "Unknown Player";
    p.Country = "CAN";
    p.Age = 30;
    p.Weight = 200;
    p.Height = 70;
    p.Position = 1;
    p.ContractYears = 1;
    p.Salary = 1000;
    p.Condition = 100;
    p.Ratings.fill(lg.League.UnknownPlayerRating);
    p.Ratings[sr::DU] = 80;

    GoalieInfo& g = lg.Goalies[0];
    g = GoalieInfo{};
    g.InUse = True;
    g.Name = "Unknown Goalie";
    g.Country = "CAN";
    g.Age = 30;
    g.Weight = 200;
    g.Height = 70;
    g.ContractYears = 1;
    g.Salary = 1000;
    g.Condition = 100;
    g.Ratings.fill(lg.League.UnknownPlayerRating);
    g.Ratings[gr::DU] = 80;
}

void makeTeam(LeagueData& lg, int16_t n, const std::string& name, const std::string& farmName) {
    TeamInfo& t = lg.Teams[n];
    t.InUse = True;
    t.Number = n;
    t.Name = name;
    t.Farm.Name = farmName;
    t.GamesInSeason = 82;
}

}  // namespace

SmallLeague::SmallLeague() {
    // Money reads as in the United States in every rules test.
    static const LocaleFormats us(QLocale(QLocale::English, QLocale::UnitedStates));
    SetRulesFormats(&us);

    LeagueInfo& r = league->League;
    // The reader's defaults for the roster limits and the CK weight.
    r.MaxDressedSkaters = 18;
    r.MaxDressedGoalies = 2;
    r.MinCenters = 3;
    r.MinLeftWings = 3;
    r.MinRightWings = 3;
    r.MinDefense = 6;
    r.OverallWeightCK = 50;
    r.MaxProPlayers = 25;
    r.FarmMaxOverall = 55;
    r.MinSalary = 50000;
    r.MaxSalary = 5000000;
    r.FarmMaxSalary = 400000;
    r.FarmSalaryPercent = 50;
    r.UnknownPlayerRating = 40;
    r.FarmLinesEnabled = True;
    r.FarmFullLineup = False;
    makePlaceholders(*league);

    // What the main window's load sets up.
    state->ShowMessages = True;
    const char* names[] = {"C", "LW", "RW", "D", "G"};
    for (int i = 1; i <= 5; ++i) state->PositionNames[i] = names[i - 1];
    for (auto& s : state->PlayerStates) s.Status = status::NotSet;
    for (auto& s : state->GoalieStates) s.Status = status::NotSet;

    makeTeam(*league, Team, "Halden Ravens", "Halden Fledglings");
    makeTeam(*league, OtherTeam, "Norrvik Pike", "Norrvik Minnows");
    makeTeam(*league, EmptyTeam, "Ostby Larks", "Ostby Wrens");

    pro = addLineup(Team, status::Dressed, "Pro", 80);
    scratchC = addSkater(Team, pos::C, status::Scratch, "Scratch C", 62);
    scratchD = addSkater(Team, pos::D, status::Scratch, "Scratch D", 61);
    injuredScratch = addSkater(Team, pos::RW, status::Scratch, "Injured Scratch", 60);
    skater(injuredScratch).Condition = 80;
    scratchG = addGoalie(Team, status::Scratch, "Scratch G", 60);

    farm = addLineup(Team, status::Farm, "Farm", 52);
    injuredFarm = addSkater(Team, pos::LW, status::Farm, "Injured Farm", 40);
    skater(injuredFarm).Condition = 70;
    suspendedFarm = addSkater(Team, pos::D, status::Farm, "Suspended Farm", 40);
    skater(suspendedFarm).Suspension = 3;
    injuredFarmG = addGoalie(Team, status::Farm, "Injured Farm G", 40);
    goalie(injuredFarmG).Condition = 60;

    otherC = addSkater(OtherTeam, pos::C, status::Dressed, "Other C", 70);
    otherD = addSkater(OtherTeam, pos::D, status::Farm, "Other D", 50);
    otherG = addGoalie(OtherTeam, status::Dressed, "Other G", 70);

    addCoach(Team, "Pro Coach", 400000);
    addCoach(Team, "Farm Coach", 100000);
    addCoach(OtherTeam, "Other Coach", 250000);

    team().Captain = pro.C[0];
    team().Assistant1 = pro.D[0];
    team().Assistant2 = pro.LW[0];
}

SmallLeague::Lineup SmallLeague::addLineup(int16_t t, uint8_t rosterStatus, const std::string& prefix,
                                           int16_t topRating) {
    Lineup l;
    auto fill = [&](auto& numbers, int position, const std::string& label) {
        for (std::size_t i = 0; i < numbers.size(); ++i)
            numbers[i] = addSkater(t, position, rosterStatus, prefix + " " + label + std::to_string(i + 1),
                                   static_cast<int16_t>(topRating - 2 * static_cast<int>(i)));
    };
    fill(l.C, pos::C, "C");
    fill(l.LW, pos::LW, "LW");
    fill(l.RW, pos::RW, "RW");
    fill(l.D, pos::D, "D");
    for (std::size_t i = 0; i < l.G.size(); ++i)
        l.G[i] = addGoalie(t, rosterStatus, prefix + " G" + std::to_string(i + 1),
                           static_cast<int16_t>(topRating - 2 * static_cast<int>(i)));
    return l;
}

int16_t SmallLeague::addSkater(int16_t t, int position, uint8_t rosterStatus, const std::string& name,
                               int16_t rating, int32_t salary) {
    int16_t n = nextSkater_++;
    PlayerInfo& p = skater(n);
    p = PlayerInfo{};
    p.InUse = True;
    p.Number = n;
    p.Name = name;
    p.Team = t;
    p.Country = "NOR";
    p.Age = 25;
    p.Position = static_cast<uint8_t>(position);
    p.ContractYears = 2;
    p.Salary = salary;
    p.Condition = 100;
    p.RosterStatus = rosterStatus;
    p.Ratings.fill(rating);
    return n;
}

int16_t SmallLeague::addGoalie(int16_t t, uint8_t rosterStatus, const std::string& name, int16_t rating,
                               int32_t salary) {
    int16_t n = nextGoalie_++;
    GoalieInfo& g = goalie(n);
    g = GoalieInfo{};
    g.InUse = True;
    g.Number = n;
    g.Name = name;
    g.Team = t;
    g.Country = "NOR";
    g.Age = 25;
    g.ContractYears = 2;
    g.Salary = salary;
    g.Condition = 100;
    g.RosterStatus = rosterStatus;
    g.Ratings.fill(rating);
    return n;
}

int16_t SmallLeague::addCoach(int16_t t, const std::string& name, int32_t salary) {
    int16_t n = nextCoach_++;
    CoachInfo& c = coach(n);
    c = CoachInfo{};
    c.InUse = True;
    c.Number = n;
    c.Name = name;
    c.Team = t;
    c.ContractYears = 2;
    c.Salary = salary;
    return n;
}

void SmallLeague::rate(int16_t n, int16_t rating) { skater(n).Ratings.fill(rating); }

void SmallLeague::rateGoalie(int16_t n, int16_t rating) { goalie(n).Ratings.fill(rating); }

void SmallLeague::fillLines(DayLines& set, const Lineup& l) {
    auto& w = set.Slots;
    for (int line = 0; line < 4; ++line) {
        int pair = line == 3 ? 0 : line;  // line 4 repeats pair 1
        w[slot::NormalTrio + line] = l.C[line];
        w[slot::NormalTrio + 4 + line] = l.LW[line];
        w[slot::NormalTrio + 8 + line] = l.RW[line];
        w[slot::NormalDuo + line] = l.D[2 * pair];
        w[slot::NormalDuo + 4 + line] = l.D[2 * pair + 1];
    }
    for (int u = 0; u < 2; ++u) {
        w[slot::PPTrio + u] = l.C[u];
        w[slot::PPTrio + 2 + u] = l.LW[u];
        w[slot::PPTrio + 4 + u] = l.RW[u];
        w[slot::PPDuo + u] = l.D[2 * u];
        w[slot::PPDuo + 2 + u] = l.D[2 * u + 1];
        for (int trio : {slot::PKTrio, slot::FourVsFourTrio}) {
            w[trio + u] = l.C[u];
            w[trio + 2 + u] = l.LW[u];
            w[trio + 4 + u] = l.D[2 * u];      // the unit's D1
            w[trio + 6 + u] = l.D[2 * u + 1];  // and D2
        }
        w[slot::PK3Trio + 2 + u] = l.C[u];
        w[slot::PK3Duo + u] = l.D[2 * u];
        w[slot::PK3Duo + 2 + u] = l.D[2 * u + 1];
    }
    const std::array<int16_t, 5> forwards{l.C[0], l.C[1], l.C[2], l.C[3], l.LW[0]};
    const std::array<int16_t, 5> shooters{l.C[0], l.C[1], l.C[2], l.RW[0], l.RW[1]};
    for (int k = 0; k < 5; ++k) {
        w[slot::ExtraForward + k] = forwards[k];
        w[slot::ExtraDefense + k] = l.D[k];
        w[slot::PenaltyShot + k] = shooters[k];
    }
    w[slot::StartGoaler] = l.G[0];
    w[slot::BackupGoaler] = l.G[1];
}

std::vector<int> SmallLeague::wordsHolding(const DayLines& set, int16_t n) {
    std::vector<int> out;
    for (int word = 0; word <= slot::LastPlayerSlot; ++word) {
        bool skaterSlot = word != 46 && word != 47 && word != slot::StartGoaler && word != slot::BackupGoaler;
        if (skaterSlot && set.Slots[word] == n) out.push_back(word);
    }
    return out;
}

}  // namespace dravik::test
