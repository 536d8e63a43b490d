// The windows the main window hands over to before they are built: the
// free-agent and draft windows.

#include <gtest/gtest.h>

#include "leaguewriter/builder.h"
#include "main/frm_draft.h"
#include "main/frm_free_agent_client.h"
#include "support/test_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddTeam;

// Team 1 with a complete roster; off-season with a fantasy draft, so every
// menu shows.
struct MarketProgram {
    TestClient t;
    frmMain* m = nullptr;
    MarketProgram() {
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

struct MarketCase {
    const char* name;
    MenuItem frmMain::*item;
    bool draft;
};
void PrintTo(const MarketCase& c, std::ostream* os) { *os << c.name; }

class MarketWindow : public ::testing::TestWithParam<MarketCase> {};

TEST_P(MarketWindow, OpensFromTheMainWindowAndHandsBackWhenClosed) {
    MarketProgram p;
    p.t.state().CallerFormName = "untouched";
    ASSERT_TRUE(p.t.user.clickMenu(p.m->*GetParam().item));
    FormManager& forms = p.t.app.forms();
    Form* window =
        GetParam().draft ? static_cast<Form*>(forms.get<frmDraft>()) : forms.get<frmFreeAgentClient>();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->Visible());
    EXPECT_FALSE(p.m->Visible());
    EXPECT_EQ(forms.activeForm(), window);
    EXPECT_EQ(p.t.state().CallerFormName, "untouched");

    ASSERT_TRUE(p.t.user.closeWindow(*window));
    EXPECT_FALSE(forms.isLoaded<frmDraft>());
    EXPECT_FALSE(forms.isLoaded<frmFreeAgentClient>());
    EXPECT_TRUE(p.m->Visible());
    EXPECT_EQ(forms.activeForm(), p.m);
    EXPECT_TRUE(p.t.dialogs.shown().empty());
}

INSTANTIATE_TEST_SUITE_P(Windows, MarketWindow,
                         ::testing::Values(MarketCase{"FreeAgents", &frmMain::mnuFreeAgents, false},
                                           MarketCase{"DraftList", &frmMain::mnuDraft, true}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik::test
