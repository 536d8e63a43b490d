// The main window with a league: the division lists, choosing a team, the
// team commands and their gates, the About window, the wait window, Exit.

#include <gtest/gtest.h>

#include "league/password.h"
#include "leaguewriter/builder.h"
#include "main/frm_about.h"
#include "main/frm_wait.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddTeam;

// Divisions 1 to 6, one team each, numbered by division.
std::unique_ptr<LeagueData> SixDivisions() {
    auto l = EmptyLeague();
    for (int d = 1; d <= 6; ++d) AddTeam(*l, static_cast<int16_t>(d), {}, static_cast<uint8_t>(d));
    return l;
}

std::unique_ptr<LeagueData> FourDivisions() {
    auto l = SixDivisions();
    l->League.DivisionCount = 4;
    return l;
}

TEST(PlaceTeam, AFourDivisionLeagueShowsListsOneTwoFourAndFiveInTheNarrowWindow) {
    TestClient t;
    frmMain& m = t.start();
    t.open(WriteLeague(*FourDivisions(), t.file("Four.zcl")));
    EXPECT_EQ(m.Width(), 5640);
    EXPECT_EQ(m.Height(), 6545);
    for (int d = 1; d <= 6; ++d) {
        SCOPED_TRACE(d);
        const bool shown = d != 3 && d != 6;
        EXPECT_EQ(m.lstDivision(d).Visible(), shown);
        EXPECT_EQ(m.lblDivision(d).Visible(), shown);
        EXPECT_EQ(m.lblDivision(d).Caption(), shown ? "Division " + std::to_string(d) : "Division Name");
        // Teams of divisions 3 and 6 sit in their hidden lists all the same.
        EXPECT_EQ(Items(m.lstDivision(d)), std::vector<std::string>{"Team " + std::to_string(d)});
    }
    // The third column lies beyond the narrow window.
    EXPECT_GT(m.lstDivision(3).Left(), m.Width() - 100);
}

TEST(PlaceTeam, ListsAreEmptiedEachTimeAndListsThreeAndSixOnceShownStayShown) {
    TestClient t;
    frmMain& m = t.start();
    auto four = FourDivisions();
    four->Teams[1].Name = "Old Team";
    auto six = SixDivisions();
    WriteLeagueTo(*four, {t.file("Four.zcl")});
    WriteLeagueTo(*six, {t.file("Six.zcl")});

    t.open(t.file("Four.zcl"));
    t.open(t.file("Six.zcl"));
    EXPECT_EQ(m.Width(), 8275);
    for (int d = 1; d <= 6; ++d) EXPECT_TRUE(m.lstDivision(d).Visible()) << d;
    EXPECT_EQ(Items(m.lstDivision(1)), std::vector<std::string>{"Team 1"});

    t.open(t.file("Four.zcl"));
    EXPECT_EQ(m.Width(), 5640);
    EXPECT_TRUE(m.lstDivision(3).Visible());
    EXPECT_TRUE(m.lstDivision(6).Visible());
    EXPECT_EQ(m.lblDivision(3).Caption(), "Division 3");
    EXPECT_EQ(Items(m.lstDivision(1)), std::vector<std::string>{"Old Team"});
    EXPECT_EQ(Items(m.lstDivision(3)), std::vector<std::string>{"Team 3"});
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(PlaceTeam, TeamsAreSortedAndAClickMakesTheEntrysTeamCurrent) {
    TestClient t;
    frmMain& m = t.start();
    auto l = EmptyLeague();
    AddTeam(*l, 1, "B", 1);
    AddTeam(*l, 2, "A", 1);
    AddTeam(*l, 3, "c", 1);
    AddTeam(*l, 4, "Lone", 4);
    t.open(WriteLeague(*l, t.file("Sorted.zcl")));

    ListBox& list = m.lstDivision(1);
    EXPECT_EQ(Items(list), (std::vector<std::string>{"A", "B", "c"}));
    EXPECT_EQ(list.ItemData(0), 2);
    EXPECT_EQ(list.ItemData(1), 1);
    EXPECT_EQ(list.ItemData(2), 3);

    ASSERT_TRUE(t.user.selectItem(list, 0));
    EXPECT_EQ(t.state().CurrentTeam, 2);
    // Choosing in another list clears the first: one selection in all six.
    ASSERT_TRUE(t.user.selectItem(m.lstDivision(4), 0));
    EXPECT_EQ(t.state().CurrentTeam, 4);
    EXPECT_EQ(list.ListIndex(), -1);
    ASSERT_TRUE(t.user.selectItem(list, 1));
    EXPECT_EQ(t.state().CurrentTeam, 1);
    EXPECT_EQ(m.lstDivision(4).ListIndex(), -1);
    EXPECT_EQ(m.TeamsPlaced(), True);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(PlaceTeam, ATeamOutsideTheSixDivisionsIsLeftOutAndToldOnce) {
    TestClient t;
    frmMain& m = t.start();
    auto l = SixDivisions();
    AddTeam(*l, 7, "Nowhere", 0);
    AddTeam(*l, 8, "Beyond", 7);
    AddTeam(*l, 9, "After", 2);
    t.open(WriteLeague(*l, t.file("Odd.zcl")));

    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.shown()[0].prompt, "9 - Subscript out of range in PlaceTeam!");
    EXPECT_EQ(t.dialogs.shown()[0].icon(), mb::Critical);
    // The teams after it are listed, and the league is in place.
    EXPECT_EQ(Items(m.lstDivision(2)), (std::vector<std::string>{"After", "Team 2"}));
    for (int d = 1; d <= 6; ++d)
        for (const auto& name : Items(m.lstDivision(d))) EXPECT_TRUE(name != "Nowhere" && name != "Beyond");
    EXPECT_EQ(m.TeamsPlaced(), True);
    EXPECT_TRUE(m.mnuTeam.Enabled());
    EXPECT_EQ(m.Caption(), "Dravik Hockey Simulator Client - Odd");
}

// ---- Team commands.

// The six windows a team command opens, recorded instead of opened.
struct Opened {
    std::vector<std::string> windows;
    std::vector<std::string> callers;  // CallerFormName when each was opened
    std::vector<int16_t> teams;
};

void recordOpeners(TestClient& t, Opened& opened) {
    auto record = [&t, &opened](const char* window) {
        return [&t, &opened, window](Form& opener) {
            EXPECT_EQ(&opener, t.app.mainWindow());
            opened.windows.push_back(window);
            opened.callers.push_back(t.state().CallerFormName);
            opened.teams.push_back(t.state().CurrentTeam);
        };
    };
    WindowOpeners& o = t.app.openers();
    o.teamSheet = record("frmTeam");
    o.roster = record("frmRoster");
    o.proLines = record("frmLine");
    o.farmLines = record("frmFarmLine");
    o.freeAgents = record("frmFreeAgentClient");
    o.draftList = record("frmDraft");
}

struct Command {
    const char* name;
    MenuItem frmMain::*item;
    const char* window;
    const char* caller;  // what the command sets CallerFormName to ("" = not set)
};
void PrintTo(const Command& c, std::ostream* os) { *os << c.name; }

const Command commands[] = {
    {"ViewTeam", &frmMain::mnuViewTeam, "frmTeam", ""},
    {"SetRoster", &frmMain::mnuSetRoster, "frmRoster", "Main"},
    {"SetLines", &frmMain::mnuSetLines, "frmLine", "Main"},
    {"SetFarmLines", &frmMain::mnuSetFarmLines, "frmFarmLine", "Main"},
    {"FreeAgents", &frmMain::mnuFreeAgents, "frmFreeAgentClient", ""},
    {"DraftList", &frmMain::mnuDraft, "frmDraft", ""},
};

// Team 1 without a password, team 2 with the password "secret"; both with
// a complete roster. Off-season with a fantasy draft: every menu shows.
struct CommandLeague {
    TestClient t;
    Opened opened;
    frmMain* m = nullptr;
    explicit CommandLeague(bool fillRosters = true) {
        m = &t.start();
        auto l = EmptyLeague();
        l->League.OffSeason = True;
        l->League.FantasyDraft = True;
        AddTeam(*l, 1, "Open Gate", 1);
        AddTeam(*l, 2, "Locked Door", 2).Password = DigestStrToHexStr(t.env(), "secret");
        if (fillRosters) {
            AddFullRoster(*l, 1);
            AddFullRoster(*l, 2);
        }
        t.open(WriteLeague(*l, t.file("Commands.zcl")));
        EXPECT_TRUE(t.dialogs.shown().empty());
        recordOpeners(t, opened);
    }
};

class TeamCommand : public ::testing::TestWithParam<Command> {
protected:
    bool run(CommandLeague& c) { return c.t.user.clickMenu(c.m->*GetParam().item); }
};

TEST_P(TeamCommand, WithNoTeamChosenSaysSoAndOpensNothing) {
    CommandLeague c;
    c.t.state().CallerFormName = "";
    ASSERT_TRUE(run(c));
    ASSERT_EQ(c.t.dialogs.shown().size(), 1u);
    const auto& box = c.t.dialogs.shown()[0];
    EXPECT_EQ(box.prompt, "No Team is Selected!");
    EXPECT_EQ(box.icon(), mb::Information);
    EXPECT_EQ(box.title, "Dravik Hockey Simulator Client");
    EXPECT_TRUE(c.opened.windows.empty());
    EXPECT_EQ(c.t.state().CallerFormName, "");
}

// The current team keeps its number across leagues; one the league now
// loaded does not hold is no choice at all.
TEST_P(TeamCommand, ATeamTheLeagueDoesNotHoldCountsAsNoTeam) {
    CommandLeague c;
    for (int16_t team : {int16_t{5}, int16_t{101}, int16_t{-1}}) {
        SCOPED_TRACE(team);
        c.t.dialogs.clear();
        c.t.state().CurrentTeam = team;
        ASSERT_TRUE(run(c));
        EXPECT_EQ(c.t.dialogs.messages(), std::vector<std::string>{"No Team is Selected!"});
        EXPECT_TRUE(c.opened.windows.empty());
    }
}

TEST_P(TeamCommand, AWrongPasswordOpensNothing) {
    CommandLeague c;
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(2), 0));
    c.t.dialogs.answerInput("Secret");
    ASSERT_TRUE(run(c));
    ASSERT_EQ(c.t.dialogs.shown().size(), 2u);
    EXPECT_EQ(c.t.dialogs.shown()[0].prompt, "Password Required!");
    EXPECT_EQ(c.t.dialogs.shown()[1].prompt, "Password is incorrect!");
    EXPECT_TRUE(c.opened.windows.empty());
}

TEST_P(TeamCommand, TheRightPasswordOpensTheWindowForTheTeam) {
    CommandLeague c;
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(2), 0));
    c.t.dialogs.answerInput("secret");
    ASSERT_TRUE(run(c));
    ASSERT_EQ(c.t.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.t.dialogs.shown()[0].kind, ScriptedDialogs::Kind::Input);
    EXPECT_EQ(c.opened.windows, std::vector<std::string>{GetParam().window});
    EXPECT_EQ(c.opened.callers, std::vector<std::string>{GetParam().caller});
    EXPECT_EQ(c.opened.teams, std::vector<int16_t>{2});
}

TEST_P(TeamCommand, ATeamWithoutAPasswordOpensWithoutAQuestion) {
    CommandLeague c;
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(1), 0));
    ASSERT_TRUE(run(c));
    EXPECT_TRUE(c.t.dialogs.shown().empty());
    EXPECT_EQ(c.opened.windows, std::vector<std::string>{GetParam().window});
    EXPECT_EQ(c.opened.teams, std::vector<int16_t>{1});
}

INSTANTIATE_TEST_SUITE_P(Commands, TeamCommand, ::testing::ValuesIn(commands),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TeamCommands, TheShortcutsReachTheTeamMenu) {
    CommandLeague c;
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(1), 0));
    for (char key : {'T', 'R', 'L', 'F'}) EXPECT_TRUE(c.t.user.pressShortcut(*c.m, key)) << key;
    EXPECT_EQ(c.opened.windows, (std::vector<std::string>{"frmTeam", "frmRoster", "frmLine", "frmFarmLine"}));
}

TEST(TeamCommands, ADoubleClickChoosesTheTeamAndOpensItsSheetBehindThePassword) {
    CommandLeague c;
    c.t.dialogs.answerInput("secret");
    ASSERT_TRUE(c.t.user.doubleClickItem(c.m->lstDivision(2), 0));
    EXPECT_EQ(c.t.state().CurrentTeam, 2);
    EXPECT_EQ(c.t.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.opened.windows, std::vector<std::string>{"frmTeam"});

    c.t.dialogs.clear();
    ASSERT_TRUE(c.t.user.doubleClickItem(c.m->lstDivision(2), 0));
    EXPECT_EQ(c.t.dialogs.messages(), std::vector<std::string>{"Password is incorrect!"});
    EXPECT_EQ(c.opened.windows.size(), 1u);
}

TEST(TeamCommands, SetLinesWithAnIncompleteRosterSaysSoAndOpensNothing) {
    CommandLeague c(false);
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(1), 0));
    ASSERT_TRUE(c.t.user.clickMenu(c.m->mnuSetLines));
    ASSERT_EQ(c.t.dialogs.shown().size(), 1u);
    const auto& box = c.t.dialogs.shown()[0];
    EXPECT_EQ(box.prompt,
              "Roster is not Complete!\r\nYou cannot make your lines if your roster is not done!");
    EXPECT_EQ(box.icon(), mb::Exclamation);
    EXPECT_TRUE(c.opened.windows.empty());
    EXPECT_EQ(c.t.state().CallerFormName, "");

    // The farm lines need no roster check.
    ASSERT_TRUE(c.t.user.clickMenu(c.m->mnuSetFarmLines));
    EXPECT_EQ(c.t.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.opened.windows, std::vector<std::string>{"frmFarmLine"});
}

TEST(TeamCommands, WithoutAnOpenerFilledACommandOpensNothing) {
    CommandLeague c;
    c.t.app.openers() = WindowOpeners{};
    ASSERT_TRUE(c.t.user.selectItem(c.m->lstDivision(1), 0));
    EXPECT_TRUE(c.t.user.clickMenu(c.m->mnuViewTeam));
    EXPECT_TRUE(c.m->Visible());
    EXPECT_EQ(c.t.app.forms().loadedForms().size(), 1u);
}

// ---- About, Exit, wait window.

TEST(About, ShowsTheVersionAndHandsBackToTheMainWindow) {
    TestClient t;
    frmMain& m = t.start();
    ASSERT_TRUE(t.user.clickMenu(m.mnuAbout));
    frmAbout* about = t.app.forms().get<frmAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->Visible());
    EXPECT_FALSE(m.Visible());
    EXPECT_EQ(t.app.forms().activeForm(), about);
    EXPECT_EQ(about->Caption(), "Dravik Hockey Simulator Client - About");
    EXPECT_EQ(about->lblVersion.Caption(), "Version : " + std::to_string(DRAVIK_VERSION_MAJOR) + "." +
                                               std::to_string(DRAVIK_VERSION_MINOR) + "." +
                                               std::to_string(DRAVIK_VERSION_PATCH));
    EXPECT_FALSE(about->lblThank.Caption().empty());
    const auto screen = t.app.forms().screen();
    EXPECT_EQ(about->Left(), (screen.width - about->Width()) / 2);
    EXPECT_EQ(about->Top(), (screen.height - about->Height()) / 2);

    ASSERT_TRUE(t.user.click(about->cmdExit));
    EXPECT_FALSE(t.app.forms().isLoaded<frmAbout>());
    EXPECT_TRUE(m.Visible());
    EXPECT_EQ(t.app.forms().activeForm(), &m);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(About, TheCaptionFollowsTheLeagueAndTheCloseBoxHandsBackToo) {
    TestClient t;
    frmMain& m = t.start();
    t.open(WriteLeague(*SixDivisions(), t.file("Cup.zcl")));
    ASSERT_TRUE(t.user.clickMenu(m.mnuAbout));
    frmAbout* about = t.app.forms().get<frmAbout>();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->Caption(), "Dravik Hockey Simulator Client - Cup - About");
    ASSERT_TRUE(t.user.closeWindow(*about));
    EXPECT_FALSE(t.app.forms().isLoaded<frmAbout>());
    EXPECT_TRUE(m.Visible());
}

TEST(About, TheWebSiteLinkOpensThroughTheShellAndKeepsItsResult) {
    TestClient t;
    frmMain& m = t.start();
    ASSERT_TRUE(t.user.clickMenu(m.mnuAbout));
    frmAbout* about = t.app.forms().get<frmAbout>();
    t.shell.result = 42;
    ASSERT_TRUE(t.user.click(about->lblWebSite));
    EXPECT_EQ(t.shell.calls, (std::vector<RecordingShellOpen::Call>{{WebSiteAddress, 1}}));
    EXPECT_EQ(t.state().LastMsgBoxResult, 42);
    t.shell.result = shell::NoAssociation;
    ASSERT_TRUE(t.user.click(about->lblWebSite));
    EXPECT_EQ(t.state().LastMsgBoxResult, shell::NoAssociation);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(Exit, EndsTheProgramWithoutAsking) {
    TestClient t;
    frmMain& m = t.start();
    t.open(WriteLeague(*SixDivisions(), t.file("Exit.zcl")));
    ASSERT_TRUE(t.user.pressShortcut(m, 'Q'));
    EXPECT_TRUE(t.app.forms().ended());
    EXPECT_TRUE(t.app.forms().loadedForms().empty());
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST(WaitWindow, ShowsWithoutTakingActivationPausesAndGoes) {
    TestClient t;
    frmMain& m = t.start();
    const int64_t before = t.clock.now();
    t.env().wait.ShowWaitForm();
    frmWait* wait = t.app.forms().get<frmWait>();
    ASSERT_NE(wait, nullptr);
    EXPECT_TRUE(wait->Visible());
    EXPECT_EQ(wait->Caption(), "Please Wait .....");
    EXPECT_EQ(wait->lblWait.Caption(), "Please Wait .....");
    EXPECT_EQ(t.app.forms().activeForm(), &m);
    EXPECT_GT(t.clock.now() - before, 100);
    EXPECT_LE(t.clock.now() - before, 110);
    const int pumps = t.pumps;
    EXPECT_GT(pumps, 0);

    // Already showing: back at once, no second pause.
    t.env().wait.ShowWaitForm();
    EXPECT_EQ(t.pumps, pumps);

    t.env().wait.HideWaitForm();
    EXPECT_FALSE(t.app.forms().isLoaded<frmWait>());
    EXPECT_EQ(t.app.forms().activeForm(), &m);
    t.env().wait.HideWaitForm();  // nothing to close: no error
    EXPECT_TRUE(t.dialogs.shown().empty());
}

}  // namespace
}  // namespace dravik::test
