// The windows the main window hands over to before they are built: the pro
// and farm lines windows (opening guard, the day-1 check on closing, the
// return by CallerFormName).

#include <gtest/gtest.h>

#include "leaguewriter/builder.h"
#include "leaguewriter/sample.h"
#include "main/frm_farm_line.h"
#include "main/frm_line.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddTeam;

// The team sheet's place in the hand-over.
class TeamSheetStandIn : public Form {
public:
    explicit TeamSheetStandIn(FormManager& forms) : Form(forms, "frmTeam") {}
};

// Team 1 with a complete roster and empty lines; the farm clubs managed
// with full lineups; off-season with a fantasy draft, so every menu shows.
struct LinesProgram {
    TestClient t;
    frmMain* m = nullptr;
    LinesProgram() {
        m = &t.start();
        auto l = EmptyLeague();
        l->League.OffSeason = True;
        l->League.FantasyDraft = True;
        AddTeam(*l, 1, "Gulls", 1);
        AddFullRoster(*l, 1);
        t.open(WriteLeague(*l, t.file("Lines.zcl")));
        EXPECT_TRUE(t.dialogs.shown().empty());
        EXPECT_TRUE(t.user.selectItem(m->lstDivision(1), 0));
    }
};

TEST(LinesWindow, SetLinesHandsOverAndClosingWithIncompleteLinesSaysSo) {
    LinesProgram p;
    ASSERT_TRUE(p.t.user.clickMenu(p.m->mnuSetLines));
    frmLine* lines = p.t.app.forms().get<frmLine>();
    ASSERT_NE(lines, nullptr);
    EXPECT_TRUE(lines->Visible());
    EXPECT_FALSE(p.m->Visible());
    EXPECT_EQ(p.t.app.forms().activeForm(), lines);
    EXPECT_EQ(lines->Caption(), "Dravik Hockey Simulator Client - Lines - Pro Lines");
    EXPECT_EQ(p.t.state().CallerFormName, "Main");
    EXPECT_TRUE(p.t.dialogs.shown().empty());

    ASSERT_TRUE(p.t.user.click(lines->cmdExit));
    ASSERT_EQ(p.t.dialogs.shown().size(), 1u);
    EXPECT_EQ(p.t.dialogs.shown()[0].prompt, "Lines for Day #1 are Incomplete!");
    EXPECT_EQ(p.t.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_FALSE(p.t.app.forms().isLoaded<frmLine>());
    EXPECT_TRUE(p.m->Visible());
    EXPECT_EQ(p.t.app.forms().activeForm(), p.m);
}

TEST(FarmLinesWindow, OpensWithoutARosterCheckAndClosingWithIncompleteLinesSaysSo) {
    TestClient t;
    frmMain& m = t.start();
    auto l = EmptyLeague();
    l->League.FarmLinesEnabled = True;
    l->League.FarmFullLineup = True;
    AddTeam(*l, 1, "Empty Club", 1);  // no players: the roster is incomplete
    t.open(WriteLeague(*l, t.file("Farm.zcl")));
    ASSERT_TRUE(t.user.selectItem(m.lstDivision(1), 0));

    ASSERT_TRUE(t.user.pressShortcut(m, 'F'));
    frmFarmLine* farm = t.app.forms().get<frmFarmLine>();
    ASSERT_NE(farm, nullptr);
    EXPECT_TRUE(farm->Visible());
    EXPECT_FALSE(m.Visible());
    EXPECT_TRUE(t.dialogs.shown().empty());

    ASSERT_TRUE(t.user.closeWindow(*farm));
    EXPECT_EQ(t.dialogs.messages(), std::vector<std::string>{"Farm Lines for Day #1 are Incomplete!"});
    EXPECT_EQ(t.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_FALSE(t.app.forms().isLoaded<frmFarmLine>());
    EXPECT_TRUE(m.Visible());
}

TEST(LinesWindows, CompleteLinesCloseWithoutAWord) {
    TestClient t;
    frmMain& m = t.start();
    auto sample = std::make_unique<LeagueData>();
    leaguewriter::BuildSampleLeague(*sample);
    t.open(WriteLeague(*sample, t.file("Sample League.zcl")));
    ASSERT_TRUE(t.dialogs.shown().empty());
    // Team 1 of the sample has no password.
    t.state().CurrentTeam = 1;

    ASSERT_TRUE(t.user.clickMenu(m.mnuSetLines));
    ASSERT_TRUE(t.app.forms().isVisible<frmLine>());
    ASSERT_TRUE(t.user.click(t.app.forms().get<frmLine>()->cmdExit));
    ASSERT_TRUE(t.user.clickMenu(m.mnuSetFarmLines));
    ASSERT_TRUE(t.app.forms().isVisible<frmFarmLine>());
    ASSERT_TRUE(t.user.click(t.app.forms().get<frmFarmLine>()->cmdExit));
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_TRUE(m.Visible());
}

struct GuardCase {
    const char* name;
    bool farm;
    int16_t team;
};
void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class LinesGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(LinesGuard, ATeamOutsideOneToAHundredClosesTheWindowAtOnce) {
    LinesProgram p;
    p.t.state().CurrentTeam = GetParam().team;
    p.t.state().CallerFormName = "Main";
    WindowOpeners& o = p.t.app.openers();
    p.t.app.forms().run(*p.m, "test", "Open", [&] { (GetParam().farm ? o.farmLines : o.proLines)(*p.m); });

    EXPECT_EQ(p.t.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
    EXPECT_EQ(p.t.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_FALSE(p.t.app.forms().isLoaded<frmLine>());
    EXPECT_FALSE(p.t.app.forms().isLoaded<frmFarmLine>());
    EXPECT_TRUE(p.m->Visible());
    EXPECT_EQ(p.t.app.forms().activeForm(), p.m);
}

INSTANTIATE_TEST_SUITE_P(Teams, LinesGuard,
                         ::testing::Values(GuardCase{"ProNoTeam", false, 0},
                                           GuardCase{"ProTeam101", false, 101},
                                           GuardCase{"ProNegative", false, -3},
                                           GuardCase{"FarmNoTeam", true, 0},
                                           GuardCase{"FarmTeam101", true, 101}),
                         [](const auto& info) { return std::string(info.param.name); });

struct ReturnCase {
    const char* name;
    bool farm;
    const char* caller;
    bool fromTeamSheet;  // opened from a team sheet (else from the main window)
    bool backToSheet;
    bool integrityFailure;
};
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class LinesReturn : public ::testing::TestWithParam<ReturnCase> {};

TEST_P(LinesReturn, ClosingShowsTheWindowCallerFormNameNames) {
    const ReturnCase& c = GetParam();
    LinesProgram p;
    FormManager& forms = p.t.app.forms();
    Form* opener = p.m;
    TeamSheetStandIn* sheet = nullptr;
    if (c.fromTeamSheet) {
        forms.run(*p.m, "test", "Sheet", [&] { sheet = p.m->open<TeamSheetStandIn>(); });
        ASSERT_NE(sheet, nullptr);
        opener = sheet;
    }
    p.t.state().CallerFormName = c.caller;
    WindowOpeners& o = p.t.app.openers();
    forms.run(*opener, "test", "Open", [&] { (c.farm ? o.farmLines : o.proLines)(*opener); });
    Form* lines = c.farm ? static_cast<Form*>(forms.get<frmFarmLine>()) : forms.get<frmLine>();
    ASSERT_NE(lines, nullptr);
    EXPECT_TRUE(lines->Visible());
    EXPECT_FALSE(opener->Visible());

    ASSERT_TRUE(p.t.user.closeWindow(*lines));
    std::vector<std::string> expected;
    if (!c.farm) expected.push_back("Lines for Day #1 are Incomplete!");  // the farm clubs are not managed
    if (c.integrityFailure) expected.push_back("Integrity Check Failed!");
    EXPECT_EQ(p.t.dialogs.messages(), expected);
    EXPECT_FALSE(forms.isLoaded<frmLine>());
    EXPECT_FALSE(forms.isLoaded<frmFarmLine>());
    Form* back = c.backToSheet ? static_cast<Form*>(sheet) : p.m;
    EXPECT_TRUE(back->Visible());
    EXPECT_EQ(forms.activeForm(), back);
    if (c.backToSheet) {
        EXPECT_FALSE(p.m->Visible());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Callers, LinesReturn,
    ::testing::Values(ReturnCase{"ProToMain", false, "Main", false, false, false},
                      ReturnCase{"FarmToMain", true, "Main", false, false, false},
                      ReturnCase{"ProToTeamSheet", false, "Team", true, true, false},
                      ReturnCase{"FarmToTeamSheet", true, "Team", true, true, false},
                      // The main window stands in, so the program never sits without a window.
                      ReturnCase{"ProToTeamSheetNotLoaded", false, "Team", false, false, false},
                      ReturnCase{"ProToAnUnknownWindow", false, "Roster", false, false, true},
                      ReturnCase{"FarmToAnUnknownWindow", true, "Roster", false, false, true},
                      ReturnCase{"ProToNoWindow", false, "", false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MainWindowClosed, TheOtherWindowsGoWithoutTheirUnloadHandlers) {
    LinesProgram p;
    ASSERT_TRUE(p.t.user.clickMenu(p.m->mnuSetLines));
    ASSERT_TRUE(p.t.app.forms().isVisible<frmLine>());
    // The lines window would say its lines are incomplete if it were closed.
    p.t.app.forms().run(*p.t.app.forms().get<frmLine>(), "test", "EndProgram", [&] { p.m->Unload(); });
    EXPECT_TRUE(p.t.app.forms().ended());
    EXPECT_TRUE(p.t.app.forms().loadedForms().empty());
    EXPECT_TRUE(p.t.dialogs.shown().empty());
}

}  // namespace
}  // namespace dravik::test
