// Every window of the program keeps its controls inside its client area,
// clear of its edges: a control that reaches an edge has its border cut off
// when it is drawn. Hidden controls count too, since they are shown later.
//
// The market layer's program links every window layer, so this is where
// each window can be opened as the program opens it.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

#include "forms/metrics.h"
#include "league/leagueimage.h"
#include "lines/frm_farm_line.h"
#include "lines/frm_line.h"
#include "main/frm_about.h"
#include "main/frm_wait.h"
#include "market/frm_draft.h"
#include "market/frm_edit_player.h"
#include "market/frm_free_agent_client.h"
#include "main_menus.h"
#include "support/market_client.h"
#include "team/frm_roster.h"
#include "team/frm_ticket.h"

namespace dravik::test {
namespace {

using metrics::MenuBarHeight, metrics::TitleBarHeight, metrics::WindowBorder;

// How far every control stays at least from each edge of the client area.
constexpr int EdgeMargin = 60;

struct Area {
    int width, height;
};

Area clientArea(const Form& f) {
    const bool menus =
        std::any_of(f.menuBar().begin(), f.menuBar().end(), [](const MenuItem* m) { return m->Visible(); });
    return {f.Width() - 2 * WindowBorder,
            f.Height() - TitleBarHeight - 2 * WindowBorder - (menus ? MenuBarHeight : 0)};
}

struct Rect {
    int left, top, right, bottom;
};

// Positions are relative to the frame or tab control holding the control;
// its rectangle in the client area adds every container's position.
Rect inClientArea(const Control& c) {
    int left = c.Left(), top = c.Top();
    for (const Control* holder = c.Container(); holder; holder = holder->Container()) {
        left += holder->Left();
        top += holder->Top();
    }
    return {left, top, left + c.Width(), top + c.Height()};
}

std::string nameOf(const Control& c) {
    return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

// A league on which every window opens: six divisions (the main window at
// its full width; with four it narrows and leaves its third column outside,
// as it should), team 7 chosen, a fantasy draft open.
struct EveryWindowClient : MarketClient {
    EveryWindowClient()
        : MarketClient([](LeagueData& l) {
              l.League.DivisionCount = 6;
              l.League.FantasyDraft = True;
              MakePlaceholders(l);
          }) {
        state().CurrentTeam = Team;
        state().CallerFormName = "Main";
    }
};

struct WindowCase {
    const char* name;
    std::function<Form*(EveryWindowClient&)> open;
};

void PrintTo(const WindowCase& w, std::ostream* os) { *os << w.name; }

// A window the main window's team menu opens.
template <class T>
WindowCase ThroughMenu(const char* name, const MainMenu& menu) {
    return {name, [&menu](EveryWindowClient& c) -> Form* { return OpenFromMenu<T>(c.app, menu, Team); }};
}

const WindowCase Windows[] = {
    {"MainWindow", [](EveryWindowClient& c) -> Form* { return &c.main(); }},
    {"About",
     [](EveryWindowClient& c) -> Form* {
         c.user.clickMenu(c.main().mnuAbout);
         return c.window<frmAbout>();
     }},
    {"WaitWindow", [](EveryWindowClient& c) -> Form* { return c.app.forms().load<frmWait>(); }},
    {"TeamSheet", [](EveryWindowClient& c) -> Form* { return c.openSheet(); }},
    {"Tickets",
     [](EveryWindowClient& c) -> Form* {
         frmTeam* sheet = c.openSheet();
         if (!sheet || !c.click(sheet->cmdTicketArena)) return nullptr;
         return c.window<frmTicket>();
     }},
    ThroughMenu<frmRoster>("Roster", menu::SetRoster),
    ThroughMenu<frmLine>("ProLines", menu::SetLines),
    ThroughMenu<frmFarmLine>("FarmLines", menu::SetFarmLines),
    ThroughMenu<frmFreeAgentClient>("FreeAgents", menu::FreeAgents),
    ThroughMenu<frmDraft>("DraftList", menu::Draft),
    {"PlayerCard",
     [](EveryWindowClient& c) -> Form* {
         frmRoster* roster = OpenFromMenu<frmRoster>(c.app, menu::SetRoster, Team);
         if (!roster) return nullptr;
         return c.openCard<frmEditPlayer>(*roster, c.pro.C[0], False, 2);
     }},
};

class WindowEdges : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowEdges, EveryControlLiesInsideTheClientAreaClearOfItsEdges) {
    EveryWindowClient c;
    Form* w = GetParam().open(c);
    ASSERT_NE(w, nullptr) << "the window did not open";
    ASSERT_FALSE(w->tabOrder().empty());
    const Area area = clientArea(*w);
    for (const Control* k : w->tabOrder()) {
        const Rect r = inClientArea(*k);
        const std::string where = w->Name() + "." + nameOf(*k);
        EXPECT_GE(r.left, EdgeMargin) << where << " left";
        EXPECT_GE(r.top, EdgeMargin) << where << " top";
        EXPECT_LE(r.right, area.width - EdgeMargin)
            << where << " right, client area " << area.width << " wide";
        EXPECT_LE(r.bottom, area.height - EdgeMargin)
            << where << " bottom, client area " << area.height << " high";
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowEdges, testing::ValuesIn(Windows),
                         [](const testing::TestParamInfo<WindowCase>& info) { return info.param.name; });

}  // namespace
}  // namespace dravik::test
