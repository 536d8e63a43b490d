// What a screen reader reads for the text boxes and lists: each one carries
// the text of the caption label a sighted user reads beside or above it.
// Every window of the program on the sample league (the market windows on
// its off-season), read through Qt's accessibility interface as the desktop
// reads it; and a small window whose layout puts the label search to the
// test.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QListWidget>
#include <QMainWindow>
#include <QMessageBox>
#include <QTabBar>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "lines/frm_farm_line.h"
#include "lines/frm_line.h"
#include "market/frm_draft.h"
#include "market/frm_edit_player.h"
#include "market/frm_free_agent_client.h"
#include "qt/qt_backend.h"
#include "qt/qt_dialogs.h"
#include "support/qt_client.h"
#include "support/qt_test.h"
#include "team/frm_roster.h"
#include "team/frm_team.h"
#include "team/frm_ticket.h"

namespace dravik::test {
namespace {

// The name the desktop's accessibility bus gives the widget.
QString spokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name) : QString();
}

std::string controlName(const Control& c) {
    return c.Index() < 0 ? c.Name() : c.Name() + "(" + std::to_string(c.Index()) + ")";
}

enum class Window {
    Main,
    TeamSheet,
    Tickets,
    Roster,
    ProLines,
    FarmLines,
    FreeAgents,
    DraftList,
    PlayerCard
};

struct NameRow {
    Window window;
    const char* box;   // the widget's object name: the control's, "(index)" for an element
    const char* name;  // "" where no label names the box
};

// Every text box and list box of every window. The roster and lines windows
// show team 3 and team 1 of the sample, the card its first skater with a
// team, the free agents a skater (the rating captions are a skater's).
const NameRow Names[] = {
    {Window::Main, "lstDivision(1)", "Boreal Division"},
    {Window::Main, "lstDivision(2)", "Tundra Division"},
    {Window::Main, "lstDivision(3)", "Glacier Division"},
    {Window::Main, "lstDivision(4)", "Summit Division"},
    {Window::Main, "lstDivision(5)", "Prairie Division"},
    {Window::Main, "lstDivision(6)", "Coastal Division"},

    {Window::TeamSheet, "txtTeamName", "Team Name :"},
    {Window::TeamSheet, "txtAbbre", "Team Abbreviation :"},
    {Window::TeamSheet, "txtProMorale", "Morale :"},
    {Window::TeamSheet, "txtGm", "General Manager :"},
    {Window::TeamSheet, "txtEmail", "Email :"},
    {Window::TeamSheet, "txtMessenger", "Messenger ID :"},
    {Window::TeamSheet, "txtCity", "City :"},
    // In the "Farm Team :" frame, by their own captions, not the frame's.
    {Window::TeamSheet, "txtFarmTeamName", "Team Name :"},
    {Window::TeamSheet, "txtFarmAbbre", "Team Abbreviation :"},
    {Window::TeamSheet, "txtFarmMorale", "Morale :"},  // " Morale :" on screen

    {Window::Tickets, "txtArena", "Arena Name:"},
    {Window::Tickets, "txtArenaCapacity(1)", "Level 1 :"},
    {Window::Tickets, "txtArenaCapacity(2)", "Level 2 :"},
    {Window::Tickets, "txtArenaCapacity(3)", "Level 3 :"},
    {Window::Tickets, "txtArenaCapacity(4)", "Level 4 :"},
    {Window::Tickets, "txtArenaCapacity(5)", "Luxury Box :"},
    // The level's caption, past the capacity box between them.
    {Window::Tickets, "txtTicket(1)", "Level 1 :"},
    {Window::Tickets, "txtTicket(2)", "Level 2 :"},
    {Window::Tickets, "txtTicket(3)", "Level 3 :"},
    {Window::Tickets, "txtTicket(4)", "Level 4 :"},
    {Window::Tickets, "txtTicket(5)", "Luxury Box :"},

    // The counters above the lists, as they stand.
    {Window::Roster, "lstPlayer(0)", "Farm Player = 23"},
    {Window::Roster, "lstPlayer(1)", "Scratches Player = 3"},
    {Window::Roster, "lstPlayer(2)", "Pro Player = 20"},

    // The window's heading stands above the list; the pull-goalie boxes
    // are read on the strategy page.
    {Window::ProLines, "lstPlayer", "Lines for Harrowgate Lynx"},
    {Window::ProLines, "txtPullGoalerMinGoal", "Minimum # of Goals :"},
    {Window::ProLines, "txtPullGoalerMinPct", "Save PCT Under :"},
    {Window::FarmLines, "lstPlayer", "Lines for Millbrook Kits"},
    {Window::FarmLines, "txtPullGoalerMinGoal", "Minimum # of Goals :"},
    {Window::FarmLines, "txtPullGoalerMinPct", "Save PCT Under :"},

    {Window::FreeAgents, "lstPlayers", "Players"},
    {Window::FreeAgents, "txtAge", "Age :"},
    // The player's salary, and the offer's beside "Salary:".
    {Window::FreeAgents, "txtSalary", "Salary :"},
    {Window::FreeAgents, "txtOffer", "Salary:"},
    {Window::FreeAgents, "txtDuration", "Duration:"},
    {Window::FreeAgents, "txtBonus", "Bonus:"},
    {Window::FreeAgents, "txtComment", "Comments: (Max 1000 Characters)"},
    {Window::FreeAgents, "txtStats(1)", "CK"},
    {Window::FreeAgents, "txtStats(2)", "FG"},
    {Window::FreeAgents, "txtStats(3)", "DI"},
    {Window::FreeAgents, "txtStats(4)", "SK"},
    {Window::FreeAgents, "txtStats(5)", "ST"},
    {Window::FreeAgents, "txtStats(6)", "DU"},
    {Window::FreeAgents, "txtStats(7)", "PH"},
    {Window::FreeAgents, "txtStats(8)", "FO"},
    {Window::FreeAgents, "txtStats(9)", "PA"},
    {Window::FreeAgents, "txtStats(10)", "SC"},
    {Window::FreeAgents, "txtStats(11)", "DF"},
    {Window::FreeAgents, "txtStats(12)", "EX"},
    {Window::FreeAgents, "txtStats(13)", "LD"},
    {Window::FreeAgents, "txtStats(14)", "MO"},
    {Window::FreeAgents, "txtStats(15)", "PO"},
    {Window::FreeAgents, "txtStats(16)", "OV"},

    {Window::DraftList, "lstPlayers", "Players"},
    {Window::DraftList, "lstDraftList", "0 Players List"},

    // Nothing stands beside or above the card's list.
    {Window::PlayerCard, "lstPlayer", ""},
    {Window::PlayerCard, "txtName", "Name :"},
    {Window::PlayerCard, "txtTeam", "Team :"},
    {Window::PlayerCard, "txtCountry", "Country :"},
    {Window::PlayerCard, "txtAge", "Age :"},
    {Window::PlayerCard, "txtWeight", "Weight :"},
    {Window::PlayerCard, "txtHeight", "Height :"},
    {Window::PlayerCard, "txtContract", "Contract :"},
    {Window::PlayerCard, "txtSalary", "Salary :"},
    {Window::PlayerCard, "txtCondition", "Condition :"},
    {Window::PlayerCard, "txtInjury", "Injury :"},
    {Window::PlayerCard, "txtSuspension", "Suspension :"},
    {Window::PlayerCard, "txtStats(1)", "CK"},
    {Window::PlayerCard, "txtStats(2)", "FG"},
    {Window::PlayerCard, "txtStats(3)", "DI"},
    {Window::PlayerCard, "txtStats(4)", "SK"},
    {Window::PlayerCard, "txtStats(5)", "ST"},
    {Window::PlayerCard, "txtStats(6)", "DU"},
    {Window::PlayerCard, "txtStats(7)", "PH"},
    {Window::PlayerCard, "txtStats(8)", "FO"},
    {Window::PlayerCard, "txtStats(9)", "PA"},
    {Window::PlayerCard, "txtStats(10)", "SC"},
    {Window::PlayerCard, "txtStats(11)", "DF"},
    {Window::PlayerCard, "txtStats(12)", "EX"},
    {Window::PlayerCard, "txtStats(13)", "LD"},
    {Window::PlayerCard, "txtStats(14)", "MO"},
    {Window::PlayerCard, "txtStats(15)", "PO"},
    {Window::PlayerCard, "txtStats(16)", "OV"},
};

// Opens the window on the program started by the caller, as its command
// would; returns it, or null.
Form* openWindow(QtClient& c, frmMain& main, Window window) {
    ProgramState& state = c.app.state();
    FormManager& forms = c.app.forms();
    constexpr int16_t Team = 1;  // no password in the sample
    state.CurrentTeam = Team;
    state.CallerFormName = "Main";
    switch (window) {
        case Window::Main:
            return &main;
        case Window::TeamSheet:
        case Window::Tickets: {
            frmTeam* sheet = c.open<frmTeam>(menu::ViewTeam, Team);
            if (!sheet || window == Window::TeamSheet) return sheet;
            mouseClick(c.backend.widget(sheet->cmdTicketArena));
            settle();
            return forms.get<frmTicket>();
        }
        case Window::Roster:
            return c.open<frmRoster>(menu::SetRoster, 3);
        case Window::ProLines:
        case Window::FarmLines: {
            LinesWindow* lines = window == Window::ProLines
                                     ? static_cast<LinesWindow*>(c.open<frmLine>(menu::SetLines, Team))
                                     : c.open<frmFarmLine>(menu::SetFarmLines, Team);
            if (!lines) return nullptr;
            auto* strip = c.backend.widget(lines->TabLine)->findChild<QTabBar*>();
            mouseClick(strip, strip->tabRect(4).center());  // "Strategy"
            settle();
            return lines;
        }
        case Window::FreeAgents: {
            frmFreeAgentClient* w = c.open<frmFreeAgentClient>(menu::FreeAgents, Team);
            if (!w) return nullptr;
            // A skater, picked as a user picks him.
            auto* list = qobject_cast<QListWidget*>(c.backend.widget(w->lstPlayers));
            for (int i = 0; i < w->lstPlayers.ListCount(); ++i)
                if (w->lstPlayers.ItemData(i) <= 10000) {
                    list->scrollToItem(list->item(i));
                    mouseClick(list->viewport(), list->visualItemRect(list->item(i)).center());
                    settle();
                    break;
                }
            return w;
        }
        case Window::DraftList:
            return c.open<frmDraft>(menu::Draft, Team);
        case Window::PlayerCard: {
            const LeagueData& league = c.app.league();
            for (int16_t n = 1; n <= 10000 && state.CurrentPlayerIndex == 0; ++n)
                if (league.Players[n].InUse == True && league.Players[n].Team != 0)
                    state.CurrentPlayerIndex = n;
            state.ShowGoalie = False;
            state.CallerCode = 3;  // the free agents are not open: the main window stands in
            forms.run(main, "lstPlayers", "Click", [&] { c.app.openers().playerCard(main); });
            settle();
            return forms.get<frmEditPlayer>();
        }
    }
    return nullptr;
}

class QtAccessibleNames : public ::testing::TestWithParam<Window> {};

TEST_P(QtAccessibleNames, EveryBoxReadsTheCaptionOfItsLabel) {
    const Window window = GetParam();
    QtClient c;
    if (window == Window::FreeAgents || window == Window::DraftList) {
        auto offSeason = std::make_unique<LeagueData>();
        leaguewriter::BuildOffSeasonSampleLeague(*offSeason);
        leaguewriter::WriteLeagueFile(*offSeason, c.league);
    }
    // Any box would be a failure here; answered so the test cannot hang.
    std::vector<QString> boxes;
    DialogAnswerer answerer([&](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        ASSERT_NE(box, nullptr);
        boxes.push_back(box->text());
        mouseClick(box->buttons().front());
    });
    frmMain& main = c.start();
    Form* form = openWindow(c, main, window);
    ASSERT_NE(form, nullptr);
    QWidget* top = c.backend.window(*form);
    ASSERT_NE(top, nullptr);
    ASSERT_TRUE(top->isVisible());
    EXPECT_TRUE(boxes.empty()) << boxes.front().toStdString();

    std::set<std::string> listed;
    for (const NameRow& row : Names) {
        if (row.window != window) continue;
        listed.insert(row.box);
        auto* w = top->findChild<QWidget*>(QString::fromUtf8(row.box));
        ASSERT_NE(w, nullptr) << row.box;
        EXPECT_TRUE(w->isVisible()) << row.box;
        EXPECT_EQ(spokenName(w).toStdString(), row.name) << row.box;
    }
    for (const Control* ctl : form->tabOrder()) {
        if (ctl->kind() == Control::Kind::TextBox || ctl->kind() == Control::Kind::ListBox) {
            EXPECT_TRUE(listed.count(controlName(*ctl))) << controlName(*ctl) << " is missing from the table";
        }
    }
}

std::string windowName(const ::testing::TestParamInfo<Window>& info) {
    const char* const names[] = {"MainWindow", "TeamSheet",  "Tickets",   "Roster",    "ProLines",
                                 "FarmLines",  "FreeAgents", "DraftList", "PlayerCard"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Windows, QtAccessibleNames,
                         ::testing::Values(Window::Main, Window::TeamSheet, Window::Tickets, Window::Roster,
                                           Window::ProLines, Window::FarmLines, Window::FreeAgents,
                                           Window::DraftList, Window::PlayerCard),
                         windowName);

// A window laid out to tell the label search's rules apart: which label
// stands nearer, which is on the box's own frame or page, what stands
// between a heading and a box.
class frmLayout : public Form {
public:
    explicit frmLayout(FormManager& forms) : Form(forms, "frmLayout") {
        Move(0, 0, 9000, 6000);
        // A row: two captions left of a box, a unit right of it.
        lblPlayer.setCaption("Player");
        lblPlayer.Move(120, 150, 900, 255);
        lblName.setCaption("Name :");
        lblName.Move(1080, 150, 900, 255);
        txtName.Move(2040, 120, 1500, 315);
        lblUnit.setCaption("kg");
        lblUnit.Move(3600, 150, 600, 255);
        // A column heading over two boxes, and a box beside the heading.
        lblColumn.setCaption("Goals");
        lblColumn.Move(4800, 120, 1200, 255);
        txtFirst.Move(4800, 420, 1200, 315);
        txtSecond.Move(4800, 780, 1200, 315);
        txtAside.Move(6300, 420, 900, 315);
        // A frame whose caption heads a box; a caption outside the frame on
        // the box's row.
        fraFarm.setCaption("Farm Team :");
        fraFarm.Move(1500, 1200, 2400, 1200);
        lblFarm.setContainer(fraFarm);
        lblFarm.setCaption("Team Name :");
        lblFarm.Move(120, 300, 1500, 255);
        txtFarm.setContainer(fraFarm);
        txtFarm.Move(120, 600, 1800, 315);
        lblOutside.setCaption("Outside :");
        lblOutside.Move(120, 1830, 1200, 255);
        // A frame holding no caption of its own.
        fraOnly.setCaption("Stats");
        fraOnly.Move(1500, 2600, 3000, 800);
        txtOnly.setContainer(fraOnly);
        txtOnly.Move(120, 300, 1200, 315);
        lblOnly.setCaption("Only :");
        lblOnly.Move(120, 2930, 1200, 255);
        // A box on the first page, a caption of the second page on its row.
        tabPages.addTab("One");
        tabPages.addTab("Two");
        tabPages.Move(5000, 1200, 3800, 2000);
        txtPageOne.setContainer(tabPages, 0);
        txtPageOne.Move(1400, 600, 1500, 315);
        lblPageTwo.setContainer(tabPages, 1);
        lblPageTwo.setCaption("Two's :");
        lblPageTwo.Move(120, 630, 1200, 255);
        lblBeside.setCaption("Beside :");
        lblBeside.Move(3960, 1830, 900, 255);
        // A list under its heading.
        lblTeams.setCaption("Teams");
        lblTeams.Move(120, 3600, 1200, 255);
        lstTeams.Move(120, 3900, 2400, 1500);
    }
    Label lblName{this, "lblName"};
    Label lblPlayer{this, "lblPlayer"};  // after the nearer caption in the tab order
    TextBox txtName{this, "txtName"};
    Label lblUnit{this, "lblUnit"};
    Label lblColumn{this, "lblColumn"};
    TextBox txtFirst{this, "txtFirst"};
    TextBox txtSecond{this, "txtSecond"};
    TextBox txtAside{this, "txtAside"};
    Frame fraFarm{this, "fraFarm"};
    Label lblFarm{this, "lblFarm"};
    TextBox txtFarm{this, "txtFarm"};
    Label lblOutside{this, "lblOutside"};
    Frame fraOnly{this, "fraOnly"};
    TextBox txtOnly{this, "txtOnly"};
    Label lblOnly{this, "lblOnly"};
    TabControl tabPages{this, "tabPages"};
    TextBox txtPageOne{this, "txtPageOne"};
    Label lblPageTwo{this, "lblPageTwo"};
    Label lblBeside{this, "lblBeside"};
    Label lblTeams{this, "lblTeams"};
    ListBox lstTeams{this, "lstTeams"};
};

struct LayoutWorld {
    QApplication& app = qtApp();
    QtDialogs dialogs;
    FormManager forms{dialogs, "Product"};
    QtBackend backend{forms};
    frmLayout* layout = nullptr;

    LayoutWorld() {
        layout = forms.start<frmLayout>();
        settle();
    }
    QString name(const Control& c) { return backend.widget(c)->accessibleName(); }
};

struct LayoutRow {
    const char* proves;
    TextBox frmLayout::*box;
    const char* name;
};

const LayoutRow LayoutNames[] = {
    {"the nearest caption left of the box, never one right of it", &frmLayout::txtName, "Name :"},
    {"a heading over the box", &frmLayout::txtFirst, "Goals"},
    {"a box between the heading and the box", &frmLayout::txtSecond, ""},
    {"a heading beside the box, not over it", &frmLayout::txtAside, ""},
    {"its own frame's caption before a nearer one outside the frame", &frmLayout::txtFarm, "Team Name :"},
    {"a caption outside a frame that holds none", &frmLayout::txtOnly, "Only :"},
    {"never a caption of another page", &frmLayout::txtPageOne, "Beside :"},
};

TEST(QtAccessibleNamesLayout, EachBoxIsNamedByTheLabelItsLayoutGivesIt) {
    LayoutWorld world;
    for (const LayoutRow& row : LayoutNames)
        EXPECT_EQ(world.name(world.layout->*row.box).toStdString(), row.name) << row.proves;
}

TEST(QtAccessibleNamesLayout, ANameFollowsItsLabelAndTheBoxsPlace) {
    LayoutWorld world;
    frmLayout& w = *world.layout;
    EXPECT_EQ(world.name(w.lstTeams), "Teams");
    // The label's text as drawn, through the system's code page.
    w.lblTeams.setCaption("Saint-\xC9lodie  Teams = 4");
    EXPECT_EQ(world.name(w.lstTeams), QString::fromUtf8("Saint-\u00C9lodie Teams = 4"));
    w.lblTeams.setVisible(false);
    EXPECT_EQ(world.name(w.lstTeams), "");
    w.lblTeams.setVisible(true);
    EXPECT_EQ(world.name(w.lstTeams), QString::fromUtf8("Saint-\u00C9lodie Teams = 4"));
    // Moved right of the unit, the box is named by it.
    w.txtSecond.Move(4260, 120, 400, 315);
    EXPECT_EQ(world.name(w.txtSecond), "kg");
}

}  // namespace
}  // namespace dravik::test
