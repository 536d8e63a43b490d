#include "team_league.h"

#include <QLocale>
#include <memory>

#include "league/env.h"
#include "league/password.h"
#include "leaguewriter/builder.h"
#include "platform/formats.h"
#include "platform/settings.h"
#include "rules/currency.h"

namespace dravik::test {

namespace {

Lineup addLineup(LeagueData& league, int16_t team, int16_t firstSkater, int16_t firstGoalie, uint8_t status) {
    using leaguewriter::AddGoalie;
    using leaguewriter::AddSkater;
    Lineup l;
    int16_t n = firstSkater;
    for (auto& c : l.C) c = AddSkater(league, n++, team, pos::C, status).Number;
    for (auto& w : l.LW) w = AddSkater(league, n++, team, pos::LW, status).Number;
    for (auto& w : l.RW) w = AddSkater(league, n++, team, pos::RW, status).Number;
    for (auto& d : l.D) d = AddSkater(league, n++, team, pos::D, status).Number;
    l.G[0] = AddGoalie(league, firstGoalie, team, status).Number;
    l.G[1] = AddGoalie(league, static_cast<int16_t>(firstGoalie + 1), team, status).Number;
    return l;
}

}  // namespace

Lineup BuildTeamLeague(LeagueData& league) {
    // The rules engine writes money in the United States form in these tests.
    static const LocaleFormats us(QLocale(QLocale::English, QLocale::UnitedStates));
    SetRulesFormats(&us);

    LeagueInfo& info = league.League;
    leaguewriter::UsePlainSettings(info);
    info.LeagueKey = LeagueKey;
    info.ConferenceNames[0] = "Northern Conference";
    info.ConferenceNames[1] = "Southern Conference";
    info.Divisions[1].Name = "Fjord Division";

    TeamInfo& t = leaguewriter::AddTeam(league, Team, TeamName, 2);
    t.Abbreviation = "HRV";
    t.GeneralManager = "Kari Holm";
    t.Email = "kari@halden.invalid";
    t.MessengerId = "kholm";
    t.City = "Halden";
    t.ArenaName = "Ravnehallen";
    t.Farm.Name = "Halden Fledglings";
    t.Farm.Abbreviation = "HFL";
    t.Farm.Morale = 45;
    t.Morale = 60;
    t.LoadLineCount = 3;
    t.Coach = 3;
    t.Farm.Coach = 4;
    leaguewriter::AddCoach(league, 3, Team, "Ole Brenna");
    leaguewriter::AddCoach(league, 4, Team, "Per Lunde");
    leaguewriter::AddTeam(league, OtherTeam, "Norrvik Pike", 4);

    const Lineup pro = addLineup(league, Team, 701, 71, status::Dressed);
    FillLines(t.ProLines[0], pro);
    leaguewriter::AddSkater(league, 1201, OtherTeam, pos::C);
    leaguewriter::AddSkater(league, 1202, OtherTeam, pos::D, status::Farm);
    leaguewriter::AddGoalie(league, 121, OtherTeam);
    return pro;
}

void FillLines(DayLines& set, const Lineup& l) {
    auto& w = set.Slots;
    for (int line = 0; line < 4; ++line) {
        const int pair = line == 3 ? 0 : line;
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
            w[trio + 4 + u] = l.D[2 * u];
            w[trio + 6 + u] = l.D[2 * u + 1];
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

Lineup AddFarmClub(LeagueData& league) {
    league.League.FarmLinesEnabled = True;
    league.League.FarmFullLineup = True;
    league.League.FarmMaxSalary = 0;
    return addLineup(league, Team, 751, 75, status::Farm);
}

std::string PasswordDigest(const std::string& password) {
    auto league = std::make_unique<LeagueData>();
    auto state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    WaitWindow wait;
    Env env{*league, *state, dialogs, settings, log, wait};
    return DigestStrToHexStr(env, password);
}

}  // namespace dravik::test
