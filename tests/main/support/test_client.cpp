#include "test_client.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "league/leagueimage.h"
#include "leaguewriter/builder.h"

namespace dravik::test {

frmMain& TestClient::start() {
    EXPECT_TRUE(app.start());
    return *app.mainWindow();
}

void TestClient::open(const std::string& path) { OpenLeagueFile(app, path); }

void TestClient::openThroughMenu(const std::string& path) {
    dialogs.answerFile(path);
    user.clickMenu(main().mnuOpen);
}

std::unique_ptr<LeagueData> EmptyLeague() {
    auto league = std::make_unique<LeagueData>();
    leaguewriter::UsePlainSettings(league->League);
    league->League.ClientFileDate = 45610.8125;  // 14 November 2024, 19:30
    return league;
}

void AddFullRoster(LeagueData& league, int16_t team) {
    using leaguewriter::AddGoalie;
    using leaguewriter::AddSkater;
    int16_t n = static_cast<int16_t>(team * 100);
    // 4 C, 4 LW, 4 RW, 6 D dressed: 18 skaters; 2 goalies.
    const uint8_t positions[] = {pos::C, pos::LW, pos::RW};
    for (uint8_t p : positions)
        for (int k = 0; k < 4; ++k) AddSkater(league, n++, team, p);
    for (int k = 0; k < 6; ++k) AddSkater(league, n++, team, pos::D);
    AddGoalie(league, static_cast<int16_t>(team * 10), team);
    AddGoalie(league, static_cast<int16_t>(team * 10 + 1), team);
}

std::string WriteLeague(const LeagueData& league, const std::string& path, leaguewriter::FileForm form) {
    leaguewriter::WriteLeagueFile(league, path, form);
    return path;
}

void WriteLeagueTo(const LeagueData& league, const std::vector<std::string>& paths) {
    const std::string packed = leaguewriter::PackLeagueImage(BuildLeagueImage(league));
    for (const auto& p : paths) leaguewriter::WriteFileBytes(p, packed);
}

std::unique_ptr<LeagueData> CopyOf(const LeagueData& l) {
    auto c = std::make_unique<LeagueData>();
    c->League = l.League;
    c->DraftNameList = l.DraftNameList;
    c->Teams = l.Teams;
    c->Players = l.Players;
    c->Goalies = l.Goalies;
    c->Coaches = l.Coaches;
    c->Schedule = l.Schedule;
    return c;
}

bool SameLeague(const LeagueData& a, const LeagueData& b) {
    return a.League == b.League && a.DraftNameList == b.DraftNameList && a.Teams == b.Teams &&
           a.Players == b.Players && a.Goalies == b.Goalies && a.Coaches == b.Coaches &&
           a.Schedule == b.Schedule;
}

WindowState Observe(TestClient& t) {
    frmMain& m = t.main();
    WindowState w;
    w.caption = m.Caption();
    w.titlePrefix = t.state().WindowTitlePrefix;
    w.conference1 = m.lblConference(1).Caption();
    w.conference2 = m.lblConference(2).Caption();
    w.date = m.lblDate.Caption();
    for (int d = 1; d <= 6; ++d) {
        w.lists.push_back(Items(m.lstDivision(d)));
        w.listVisible.push_back(m.lstDivision(d).Visible());
    }
    w.left = m.Left();
    w.top = m.Top();
    w.width = m.Width();
    w.height = m.Height();
    w.teamMenu = m.mnuTeam.Enabled();
    w.csvEnabled = m.mnuOutputRatingCSV.Enabled();
    w.csvVisible = m.mnuOutputRatingCSV.Visible();
    w.freeAgentsVisible = m.mnuFreeAgents.Visible();
    w.draftVisible = m.mnuDraft.Visible();
    w.draftCaption = m.mnuDraft.Caption();
    w.lastLoadLeague = t.settings.get("Settings", "LastLoadLeague");
    w.currentTeam = t.state().CurrentTeam;
    w.skaterStatCount = t.state().SkaterStatCount;
    w.goalieStatCount = t.state().GoalieStatCount;
    w.teamsPlaced = m.TeamsPlaced();
    return w;
}

std::vector<std::string> Items(const ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> out;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

}  // namespace dravik::test
