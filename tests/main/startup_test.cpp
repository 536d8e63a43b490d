// Start-up: the single-instance refusal, the start state of the main
// window and the shared state, and reopening the last league.

#include <gtest/gtest.h>

#include "leaguewriter/builder.h"
#include "main/frm_wait.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

TEST(StartUp, ASecondInstanceIsRefusedBeforeAnyWindowLoads) {
    TestClient t;
    t.lock.otherInstanceRunning = true;
    EXPECT_FALSE(t.app.start());

    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    const auto& box = t.dialogs.shown()[0];
    EXPECT_EQ(box.prompt, "Dravik Hockey Simulator Client is already running!");
    EXPECT_EQ(box.icon(), mb::Critical);
    EXPECT_EQ(box.buttons(), mb::OKOnly);
    EXPECT_EQ(box.title, "Dravik Hockey Simulator Client");
    EXPECT_EQ(t.state().LastMsgBoxResult, mb::OK);
    EXPECT_TRUE(t.app.forms().loadedForms().empty());
    EXPECT_EQ(t.app.mainWindow(), nullptr);
}

TEST(StartUp, TheFirstInstanceHoldsTheLock) {
    TestClient t;
    t.start();
    EXPECT_TRUE(t.lock.held);
    EXPECT_EQ(t.lock.attempts, 1);
}

TEST(StartUp, WithoutALeagueTheWindowShowsTheStartState) {
    TestClient t;
    frmMain& m = t.start();

    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_TRUE(m.Visible());
    EXPECT_EQ(t.app.forms().activeForm(), &m);
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client");
    EXPECT_EQ(m.TeamsPlaced(), False);

    EXPECT_EQ(m.lblConference(1).Caption(), "No League File Load!");
    EXPECT_TRUE(m.lblConference(1).Visible());
    EXPECT_EQ(m.lblConference(2).Caption(), "Conference Name");
    EXPECT_FALSE(m.lblConference(2).Visible());
    for (int d = 1; d <= 6; ++d) {
        SCOPED_TRACE(d);
        EXPECT_EQ(m.lblDivision(d).Caption(), "Division Name");
        EXPECT_FALSE(m.lblDivision(d).Visible());
        EXPECT_FALSE(m.lstDivision(d).Visible());
        EXPECT_TRUE(m.lstDivision(d).Sorted());
        EXPECT_EQ(m.lstDivision(d).ListCount(), 0);
    }
    EXPECT_EQ(m.lblDate.Caption(), "Client File Date : ");
    EXPECT_TRUE(m.lblDate.Visible());

    // The geometry the layout gives, in twips: left, top, width, height.
    struct Box {
        const Control* control;
        int left, top, width, height;
    };
    const Box boxes[] = {
        {&m.lblConference(1), 104, 105, 7600, 450},  {&m.lblConference(2), 104, 2865, 7600, 450},
        {&m.lblDivision(1), 315, 615, 2340, 255},    {&m.lblDivision(2), 2955, 615, 2340, 255},
        {&m.lblDivision(3), 5640, 615, 2340, 255},   {&m.lblDivision(4), 315, 3360, 2340, 255},
        {&m.lblDivision(5), 3000, 3360, 2340, 255},  {&m.lblDivision(6), 5640, 3360, 2340, 255},
        {&m.lstDivision(1), 240, 990, 2460, 1620},   {&m.lstDivision(2), 2925, 990, 2460, 1620},
        {&m.lstDivision(3), 5565, 990, 2460, 1620},  {&m.lstDivision(4), 240, 3735, 2460, 1620},
        {&m.lstDivision(5), 2925, 3735, 2460, 1620}, {&m.lstDivision(6), 5565, 3735, 2460, 1620},
        {&m.lblDate, 195, 5400, 5220, 255},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.control->Name() + "(" + std::to_string(b.control->Index()) + ")");
        EXPECT_EQ(b.control->Left(), b.left);
        EXPECT_EQ(b.control->Top(), b.top);
        EXPECT_EQ(b.control->Width(), b.width);
        EXPECT_EQ(b.control->Height(), b.height);
    }
}

TEST(StartUp, MenusStartWithTheirCaptionsShortcutsAndStates) {
    TestClient t;
    frmMain& m = t.start();
    struct Row {
        const MenuItem* item;
        const char* caption;
        char shortcut;
        bool enabled, visible, reachable;
    };
    const Row rows[] = {
        {&m.mnuFile, "&File", 0, true, true, true},
        {&m.mnuOpen, "&Open ...", 'O', true, true, true},
        {&m.mnuExit, "E&xit", 'Q', true, true, true},
        {&m.mnuTeam, "&Team", 0, false, true, false},
        {&m.mnuViewTeam, "&View Team", 'T', true, true, false},
        {&m.mnuSetRoster, "Set &Roster", 'R', true, true, false},
        {&m.mnuSetLines, "Set &Lines", 'L', true, true, false},
        {&m.mnuSetFarmLines, "Set &Farm Lines", 'F', true, true, false},
        {&m.mnuFreeAgents, "&Free Agents", 0, true, false, false},
        {&m.mnuDraft, "&Draft List", 0, true, false, false},
        {&m.mnuHelp, "&Help", 0, true, true, true},
        {&m.mnuAbout, "&About", 0, true, true, true},
        {&m.mnuOutputRatingCSV, "Output Ratings CSV", 0, false, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.item->Name());
        EXPECT_EQ(r.item->Caption(), r.caption);
        EXPECT_EQ(r.item->Shortcut(), r.shortcut);
        EXPECT_EQ(r.item->Enabled(), r.enabled);
        EXPECT_EQ(r.item->Visible(), r.visible);
        EXPECT_EQ(r.item->reachable(), r.reachable);
    }
    // The menu bar: File, Team, Help; the rating export last under Help.
    ASSERT_EQ(m.menuBar().size(), 3u);
    EXPECT_EQ(m.mnuHelp.items().back(), &m.mnuOutputRatingCSV);
    // A shortcut under the disabled "&Team" does nothing.
    EXPECT_FALSE(t.user.pressShortcut(m, 'T'));
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(StartUp, PreparesTheSharedState) {
    TestClient t;
    t.start();
    const ProgramState& s = t.state();
    EXPECT_EQ(s.ShowMessages, True);
    EXPECT_EQ(s.WorkFilePath, t.file("ClientTemp.ztm"));
    EXPECT_EQ(s.PositionNames[1], "C");
    EXPECT_EQ(s.PositionNames[5], "G");
    EXPECT_EQ(s.WindowTitlePrefix, "Dravik Hockey Simulator Client");
    EXPECT_EQ(s.SkaterStatLabels[0][16], "OV");
    EXPECT_EQ(s.GoalieStatLabels[1][8], "OV");
    EXPECT_EQ(s.PlayerStates[1].Status, status::NotSet);
    EXPECT_EQ(s.PlayerStates[10000].Status, status::NotSet);
    EXPECT_EQ(s.GoalieStates[1000].Status, status::NotSet);
    EXPECT_EQ(s.CurrentTeam, 0);
}

struct LastLeagueCase {
    const char* name;
    const char* setting;  // "" = not set; "missing" = a file that is gone
};
void PrintTo(const LastLeagueCase& c, std::ostream* os) { *os << c.name; }

class StartWithoutLastLeague : public ::testing::TestWithParam<LastLeagueCase> {};

TEST_P(StartWithoutLastLeague, StartsInTheNoLeagueStateWithoutAMessage) {
    TestClient t;
    std::string setting = GetParam().setting;
    if (setting == "missing") setting = t.file("Gone League.zcl");
    if (!setting.empty()) t.settings.set("Settings", "LastLoadLeague", setting);
    frmMain& m = t.start();
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client");
    EXPECT_EQ(m.lblConference(1).Caption(), "No League File Load!");
    EXPECT_FALSE(m.mnuTeam.Enabled());
    EXPECT_FALSE(t.app.forms().isLoaded<frmWait>());
    EXPECT_EQ(t.settings.get("Settings", "LastLoadLeague"), setting);
}

INSTANTIATE_TEST_SUITE_P(Cases, StartWithoutLastLeague,
                         ::testing::Values(LastLeagueCase{"NotSet", ""},
                                           LastLeagueCase{"FileGone", "missing"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUp, ReopensTheLastLeague) {
    TestClient t;
    auto league = EmptyLeague();
    leaguewriter::AddTeam(*league, 1, "Harbour Gulls", 1);
    const std::string path = WriteLeague(*league, t.file("Winter League.zcl"));
    t.settings.set("Settings", "LastLoadLeague", path);

    frmMain& m = t.start();
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Winter League");
    EXPECT_EQ(Items(m.lstDivision(1)), std::vector<std::string>{"Harbour Gulls"});
    EXPECT_TRUE(m.Visible());
    EXPECT_EQ(t.app.forms().activeForm(), &m);
    // The wait window came and went; the pause let events run.
    EXPECT_FALSE(t.app.forms().isLoaded<frmWait>());
    EXPECT_GT(t.pumps, 0);
}

}  // namespace
}  // namespace dravik::test
