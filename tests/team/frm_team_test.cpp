// The team sheet: opening behind the main window's gates, its fields, the
// finance summary, the Save to File gate, the hand-overs to the roster and
// tickets windows, the pro lines' roster gate, the e-mail and messenger
// edits, and the file commands on the window.

#include "team/frm_team.h"

#include <gtest/gtest.h>

#include <map>

#include "leaguewriter/builder.h"
#include "lines/frm_line.h"
#include "main/frm_wait.h"
#include "rules/payroll.h"
#include "support/team_client.h"
#include "team/frm_roster.h"
#include "team/frm_ticket.h"
#include "team/lines_file.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;
using Change = std::function<void(LeagueData&)>;

const char* const Title = "Dravik Hockey Simulator Client - Halden.zcl - Halden Ravens";

TEST(TeamSheet, OpensFromADoubleClickOnTheTeamWithEveryField) {
    TeamClient c;
    frmTeam* sheet = c.openSheet();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->Visible());
    EXPECT_FALSE(c.main().Visible());
    EXPECT_EQ(c.app.forms().activeForm(), sheet);
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(sheet->Caption(), Title);

    struct Shown {
        const char* name;
        std::string value;
    };
    const frmTeam& s = *sheet;
    const Shown texts[] = {
        {"txtTeamName", s.txtTeamName.Text()},
        {"txtAbbre", s.txtAbbre.Text()},
        {"txtProMorale", s.txtProMorale.Text()},
        {"txtGm", s.txtGm.Text()},
        {"txtEmail", s.txtEmail.Text()},
        {"txtMessenger", s.txtMessenger.Text()},
        {"txtCity", s.txtCity.Text()},
        {"txtFarmTeamName", s.txtFarmTeamName.Text()},
        {"txtFarmAbbre", s.txtFarmAbbre.Text()},
        {"txtFarmMorale", s.txtFarmMorale.Text()},
        {"lblDivision", s.lblDivision.Caption()},
        {"lblConference", s.lblConference.Caption()},
        {"lblCoach", s.lblCoach.Caption()},
        {"lblFarmCoach", s.lblFarmCoach.Caption()},
        {"lblLoadLine", s.lblLoadLine.Caption()},
        {"lblProPayRoll", s.lblProPayRoll.Caption()},
        {"lblFarmPayRoll", s.lblFarmPayRoll.Caption()},
        {"lblFinance", s.lblFinance.Caption()},
    };
    const std::map<std::string, std::string> expected = {
        {"txtTeamName", "Halden Ravens"},
        {"txtAbbre", "HRV"},
        {"txtProMorale", "60"},
        {"txtGm", "Kari Holm"},
        {"txtEmail", "kari@halden.invalid"},
        {"txtMessenger", "kholm"},
        {"txtCity", "Halden"},
        {"txtFarmTeamName", "Halden Fledglings"},
        {"txtFarmAbbre", "HFL"},
        {"txtFarmMorale", "45"},
        {"lblDivision", "Fjord Division"},
        {"lblConference", "Northern Conference"},
        {"lblCoach", "Ole Brenna"},
        {"lblFarmCoach", "Per Lunde"},
        {"lblLoadLine", "3"},
        {"lblProPayRoll", "$10,000,000"},  // 20 players at 500,000
        {"lblFarmPayRoll", "$0"},          // farm clubs are off
        {"lblFinance", "$10,000,000"},
    };
    for (const Shown& x : texts) EXPECT_EQ(x.value, expected.at(x.name)) << x.name;

    // Only the e-mail and messenger boxes take input.
    for (const TextBox* box : {&s.txtTeamName, &s.txtAbbre, &s.txtProMorale, &s.txtGm, &s.txtCity,
                               &s.txtFarmTeamName, &s.txtFarmAbbre, &s.txtFarmMorale})
        EXPECT_FALSE(box->Enabled()) << box->Name();
    EXPECT_TRUE(s.txtEmail.Enabled());
    EXPECT_TRUE(s.txtMessenger.Enabled());
    EXPECT_EQ(s.txtEmail.MaxLength(), 40);
    EXPECT_EQ(s.txtMessenger.MaxLength(), 40);
    EXPECT_EQ(s.txtAbbre.MaxLength(), 3);
    EXPECT_EQ(s.txtProMorale.MaxLength(), 2);

    Lines captions;
    s.Label1.forEach([&](const Label& l) { captions.push_back(l.Caption()); });
    EXPECT_EQ(captions, (Lines{"Team Name :",
                               "Division :",
                               "Conference :",
                               "Team Abbreviation :",
                               "PayRoll :",
                               "Morale :",
                               "General Manager :",
                               "Email :",
                               "Messenger ID :",
                               "City :",
                               "Coach :",
                               "Number of Load Lines :",
                               "Team Name :",
                               "Team Abbreviation :",
                               "PayRoll :",
                               " Morale :",
                               "Coach :",
                               "Current Bank Account :",
                               "Home Games Remaining ............",
                               "Average Attendance Per Game ..",
                               "Average Income Per Game..........",
                               "Estimated Season Revenue ......",
                               "Games Remaining ........................",
                               "Expenses Per Game ....................",
                               "Estimated Season Expenses ....",
                               "Projected Bank Account ....."}));
    EXPECT_EQ(s.Frame1.Caption(), "Farm Team :");
    for (int i = 12; i <= 16; ++i) EXPECT_EQ(s.Label1(i).Container(), &s.Frame1);
    EXPECT_EQ(s.txtFarmTeamName.Container(), &s.Frame1);

    Lines buttons;
    for (const CommandButton* b : {&s.CmdRoster, &s.cmdLines, &s.cmdFarmLines, &s.cmdTicketArena,
                                   &s.cmdSaveToFile, &s.cmdLoadFile, &s.cmdExit})
        buttons.push_back(b->Caption());
    EXPECT_EQ(buttons, (Lines{"Roster", "Lines", "Farm Lines", "Tickets && Arena", "Save to File",
                              "Load File", "Exit"}));
    EXPECT_EQ(captionDisplayText(s.cmdTicketArena.Caption()), "Tickets & Arena");
    EXPECT_FALSE(s.cmdFarmLines.Enabled());  // the league does not manage farm clubs
    EXPECT_TRUE(s.cmdSaveToFile.Enabled());  // day 1 is complete
}

TEST(TeamSheet, EveryControlLiesInsideTheWindowWithoutOverlapping) {
    TeamClient c;
    frmTeam& s = *c.openSheet();
    struct Box {
        const Control* c;
        int left, top, right, bottom;
    };
    std::vector<Box> boxes;
    for (const Control* k : s.tabOrder()) {
        if (k == &s.Frame1) continue;
        int left = k->Left(), top = k->Top();
        if (k->Container() == &s.Frame1) {
            EXPECT_LE(k->Left() + k->Width(), s.Frame1.Width()) << k->Name();
            EXPECT_LE(k->Top() + k->Height(), s.Frame1.Height()) << k->Name();
            left += s.Frame1.Left();
            top += s.Frame1.Top();
        }
        boxes.push_back({k, left, top, left + k->Width(), top + k->Height()});
    }
    boxes.push_back({&s.Frame1, s.Frame1.Left(), s.Frame1.Top(), s.Frame1.Left() + s.Frame1.Width(),
                     s.Frame1.Top() + s.Frame1.Height()});
    // The client area: the outer size less the frame and title bar.
    for (const Box& b : boxes) {
        EXPECT_GT(b.c->Width(), 0) << b.c->Name();
        EXPECT_LE(b.right, s.Width() - 120) << b.c->Name();
        EXPECT_LE(b.bottom, s.Height() - 345) << b.c->Name();
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box &a = boxes[i], &b = boxes[j];
            const bool inFrame = a.c == &s.Frame1 || b.c == &s.Frame1;
            if (inFrame) continue;
            const bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << a.c->Name() << a.c->Index() << " and " << b.c->Name() << b.c->Index();
        }
}

TEST(TeamSheet, ViewTeamAsksThePasswordFirst) {
    TeamClient c([](LeagueData& l) { l.Teams[Team].Password = PasswordDigest("fjord"); });
    c.user.selectItem(c.main().lstDivision(2), 0);

    c.dialogs.answerInput("Fjord");
    c.user.clickMenu(c.main().mnuViewTeam);
    EXPECT_EQ(c.window<frmTeam>(), nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Password is incorrect!"});

    c.dialogs.answerInput("fjord");
    c.user.clickMenu(c.main().mnuViewTeam);
    ASSERT_NE(c.window<frmTeam>(), nullptr);
    EXPECT_TRUE(c.window<frmTeam>()->Visible());
    EXPECT_FALSE(c.main().Visible());
}

TEST(TeamSheet, ASheetWithNoValidTeamClosesAtOnce) {
    TeamClient c;
    RunMenu(c.app, menu::ViewTeam, 0);
    EXPECT_EQ(c.window<frmTeam>(), nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_TRUE(c.main().Visible());
}

TEST(TeamSheet, ALoadErrorLeavesTheFieldsNotReachedAsTheyWere) {
    struct Case {
        const char* name;
        Change change;
        const char* coach;
        const char* farmCoach;
        const char* division;
        const char* conference;
        const char* finance;
    };
    const Case cases[] = {
        {"a division outside 1..6", [](LeagueData& l) { l.Teams[Team].Division = 9; }, "Ole Brenna",
         "Per Lunde", "Division", "Conference", "0"},
        {"a conference outside 1..2", [](LeagueData& l) { l.League.Divisions[1].Conference = 3; },
         "Ole Brenna", "Per Lunde", "Fjord Division", "Conference", "0"},
        {"a coach outside 1..500", [](LeagueData& l) { l.Teams[Team].Coach = 501; }, "", "", "Division",
         "Conference", "0"},
        {"a farm coach outside 1..500", [](LeagueData& l) { l.Teams[Team].Farm.Coach = 501; }, "Ole Brenna",
         "", "Division", "Conference", "0"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        c.dialogs.clear();  // the main window's own word on a bad division
        frmTeam* s = c.openSheetThroughSeam();
        ASSERT_NE(s, nullptr);
        EXPECT_TRUE(s->Visible());
        EXPECT_EQ(c.dialogs.messages(), Lines{"9 - Subscript out of range in FormLoad FrmTeam!"});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_EQ(s->txtTeamName.Text(), "Halden Ravens");
        EXPECT_EQ(s->lblCoach.Caption(), k.coach);
        EXPECT_EQ(s->lblFarmCoach.Caption(), k.farmCoach);
        EXPECT_EQ(s->lblDivision.Caption(), k.division);
        EXPECT_EQ(s->lblConference.Caption(), k.conference);
        EXPECT_EQ(s->lblFinance.Caption(), k.finance);
        EXPECT_EQ(s->lblEstimatedBankAccount.Caption(), "0");
    }
}

TEST(TeamSheet, ATeamWithoutCoachesShowsEmptyCoachLabels) {
    TeamClient c([](LeagueData& l) {
        l.Teams[Team].Coach = 0;
        l.Teams[Team].Farm.Coach = -1;
    });
    frmTeam* s = c.openSheet();
    EXPECT_EQ(s->lblCoach.Caption(), "");
    EXPECT_EQ(s->lblFarmCoach.Caption(), "");
    EXPECT_TRUE(c.dialogs.shown().empty());
}

// ---------------------------------------------------------------------------
// The finance summary.

struct Finance {
    int16_t gamesInSeason = 82, gamesPlayed = 20, homeGamesPlayed = 10;
    int32_t bank = 5000000, income = 1000000, attendance = 1500;
    Flag hide = 0;
};

// In layout order: bank, home games left, attendance, income, revenue,
// games left, expense, season expense, projected bank.
using FinanceLabels = std::array<std::string, 9>;

FinanceLabels financeOf(const frmTeam& s) {
    return {s.lblFinance.Caption(),
            s.lblHGLeft.Caption(),
            s.lblAverageAttendance.Caption(),
            s.lblAverageIncome.Caption(),
            s.lblEstimatedRevenue.Caption(),
            s.lblGameLeft.Caption(),
            s.lblExpensesPerGame.Caption(),
            s.lblEstimatedSeasonExpense.Caption(),
            s.lblEstimatedBankAccount.Caption()};
}

TEST(TeamSheet, FinanceSummary) {
    struct Case {
        const char* name;
        Finance f;
        Change more;
        FinanceLabels shown;
        Lines messages;
    };
    // The team's expenses are 12,300,000 a season: 150,000 a game over 82
    // games, 151,852 over 81, 148,193 over 83.
    const std::vector<Case> cases = {
        {"82 games, 20 played, 10 at home",
         {},
         {},
         {"$5,000,000", "31", "150.00", "$100,000", "$3,100,000", "62", "$150,000", "$9,300,000",
          "($1,200,000)"},
         {}},
        {"81 games: half a home game left",
         {.gamesInSeason = 81, .attendance = 1234},
         {},
         {"$5,000,000", "30.5", "123.40", "$100,000", "$3,050,000", "61", "$151,852", "$9,262,972",
          "($1,212,972)"},
         {}},
        {"the revenue rounds halves to even",
         {.gamesInSeason = 83,
          .gamesPlayed = 1,
          .homeGamesPlayed = 1,
          .bank = 20000000,
          .income = 1,
          .attendance = 7},
         {},
         {"$20,000,000", "40.5", "7.00", "$1", "$40", "82", "$148,193", "$12,151,826", "$7,848,214"},
         {}},
        {"one game in the season",
         {.gamesInSeason = 1, .gamesPlayed = 0, .homeGamesPlayed = 1},
         {},
         {"$5,000,000", "0", "0", "$0", "$0", "0", "$0", "$0", "$5,000,000"},
         {}},
        {"no season at all",
         {.gamesInSeason = 0, .gamesPlayed = 0, .homeGamesPlayed = 0},
         {},
         {"$5,000,000", "0", "0", "$0", "$0", "0", "$0", "$0", "$5,000,000"},
         {}},
        {"a negative season",
         {.gamesInSeason = -4},
         {},
         {"$5,000,000", "0", "0", "$0", "$0", "0", "$0", "$0", "$5,000,000"},
         {}},
        {"no home game played yet",
         {.gamesPlayed = 5, .homeGamesPlayed = 0, .income = 0, .attendance = 0},
         {},
         {"$5,000,000", "41", "0", "$0", "$0", "77", "$0", "$0", "$5,000,000"},
         {}},
        {"estimates hidden",
         {.hide = True},
         {},
         {"$5,000,000", "31", "0", "$0", "$0", "62", "$0", "$0", "$5,000,000"},
         {}},
        {"estimates hidden by any non-zero value",
         {.hide = 1},
         {},
         {"$5,000,000", "31", "0", "$0", "$0", "62", "$0", "$0", "$5,000,000"},
         {}},
        {"games left overflow 16 bits",
         {.gamesInSeason = 32767, .gamesPlayed = -1},
         {},
         {"$5,000,000", "0", "0", "0", "0", "0", "0", "0", "0"},
         {"6 - Overflow in UpdateFinance!"}},
        {"the season's expense overflows 32 bits",
         {.gamesPlayed = 0},
         [](LeagueData& l) { l.Coaches[3].Salary = l.Coaches[4].Salary = 2000000000; },
         {"$5,000,000", "0", "0", "0", "0", "0", "0", "0", "0"},
         {"6 - Overflow in UpdateFinance!"}},
        {"the projected bank account overflows 32 bits",
         {.bank = 2146000000},
         {},
         {"$2,146,000,000", "31", "150.00", "$100,000", "0", "62", "$150,000", "$9,300,000", "0"},
         {"6 - Overflow in UpdateFinance!"}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c([&](LeagueData& l) {
            TeamInfo& t = l.Teams[Team];
            l.Coaches[3].Salary = 1800000;  // with 20 players at 500,000: 12,300,000
            t.GamesInSeason = k.f.gamesInSeason;
            t.GamesPlayed = k.f.gamesPlayed;
            t.HomeGamesPlayed = k.f.homeGamesPlayed;
            t.BankAccount = k.f.bank;
            t.TotalIncome = k.f.income;
            t.TotalAttendance = k.f.attendance;
            l.League.HideFinanceEstimates = k.f.hide;
            if (k.more) k.more(l);
        });
        frmTeam* s = c.openSheet();
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(financeOf(*s), k.shown);
        EXPECT_EQ(c.dialogs.messages(), k.messages);
        if (!k.messages.empty()) {
            EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
        }
    }
}

TEST(TeamSheet, PayrollsRoundHalvesToEven) {
    const std::pair<int32_t, const char*> cases[] = {{205, "$102"}, {207, "$104"}};
    for (const auto& [salary, shown] : cases) {
        SCOPED_TRACE(salary);
        TeamClient c([salary](LeagueData& l) {
            l.League.FarmLinesEnabled = True;
            l.League.FarmSalaryPercent = 50;
            leaguewriter::AddSkater(l, 790, Team, pos::C, status::Farm).Salary = salary;
        });
        frmTeam* s = c.openSheet();
        EXPECT_EQ(s->lblFarmPayRoll.Caption(), shown);
    }
}

// ---------------------------------------------------------------------------
// The Save to File gate, set each time the sheet becomes active.

TEST(TeamSheet, SaveToFileNeedsDayOneOfProAndFarmLines) {
    struct Case {
        const char* name;
        Change change;
        bool enabled;
    };
    const Case cases[] = {
        {"farm clubs off, pro day 1 complete", {}, true},
        {"pro day 1 incomplete",
         [](LeagueData& l) { l.Teams[Team].ProLines[0].Slots[slot::BackupGoaler] = 0; }, false},
        {"farm day 1 incomplete", [](LeagueData& l) { AddFarmClub(l); }, false},
        {"farm day 1 complete", [](LeagueData& l) { FillLines(l.Teams[Team].Farm.Lines[0], AddFarmClub(l)); },
         true},
        {"only day 2 incomplete", [](LeagueData& l) { l.Teams[Team].ProLines[1].Slots[0] = 9999; }, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        frmTeam* s = c.openSheet();
        EXPECT_EQ(s->cmdSaveToFile.Enabled(), k.enabled);
        EXPECT_TRUE(c.dialogs.shown().empty());
        EXPECT_TRUE(c.log.entries.empty());  // the checks log nothing either
    }
}

TEST(TeamSheet, TheRosterWindowHandsBackWithTheFinanceRecomputed) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    c.state().CallerFormName = "Main";
    ASSERT_TRUE(c.click(s->CmdRoster));
    frmRoster* roster = c.window<frmRoster>();
    ASSERT_NE(roster, nullptr);
    EXPECT_EQ(c.state().CallerFormName, "Team");
    EXPECT_TRUE(roster->Visible());
    EXPECT_FALSE(s->Visible());
    EXPECT_EQ(roster->lblTeamName.Caption(), "Roster for Halden Ravens");
    EXPECT_EQ(roster->Caption(), std::string(Title) + " - Roster");

    c.league().Players[701].Salary = 1500000;  // a move made in the roster window
    EXPECT_EQ(s->lblProPayRoll.Caption(), "$10,000,000");
    ASSERT_TRUE(c.click(roster->cmdExit));
    EXPECT_EQ(c.window<frmRoster>(), nullptr);
    EXPECT_TRUE(s->Visible());
    EXPECT_EQ(c.app.forms().activeForm(), s);
    EXPECT_EQ(s->lblProPayRoll.Caption(), "$11,000,000");
}

TEST(TeamSheet, TheRosterWindowOpenedFromTheMainWindowReturnsThere) {
    TeamClient c;
    c.user.selectItem(c.main().lstDivision(2), 0);
    c.user.clickMenu(c.main().mnuSetRoster);
    frmRoster* roster = c.window<frmRoster>();
    ASSERT_NE(roster, nullptr);
    EXPECT_EQ(c.state().CallerFormName, "Main");
    ASSERT_TRUE(c.user.closeWindow(*roster));
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.window<frmTeam>(), nullptr);
}

TEST(TeamSheet, LinesOpenOnlyBehindAPassingRosterCheck) {
    struct Case {
        const char* name;
        Change change;
    };
    const Case cases[] = {
        {"too few centers", [](LeagueData& l) { l.League.MinCenters = 5; }},
        {"over the salary cap",
         [](LeagueData& l) {
             l.League.SalaryCapMode = 1;
             l.League.SalaryCapAmount = 1000000;
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        frmTeam* s = c.openSheet();
        c.state().CallerFormName = "Main";
        ASSERT_TRUE(c.click(s->cmdLines));
        EXPECT_EQ(c.window<frmLine>(), nullptr);
        EXPECT_TRUE(s->Visible());
        EXPECT_EQ(c.dialogs.messages(),
                  Lines{"Roster is incomplete!\r\nYou cannot make your lines if your roster is incomplete!"});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
        EXPECT_EQ(c.state().CallerFormName, "Main");
    }
}

TEST(TeamSheet, TicketsOpenWithoutTouchingTheCaller) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    c.state().CallerFormName = "Main";
    ASSERT_TRUE(c.click(s->cmdTicketArena));
    ASSERT_NE(c.window<frmTicket>(), nullptr);
    EXPECT_TRUE(c.window<frmTicket>()->Visible());
    EXPECT_FALSE(s->Visible());
    EXPECT_EQ(c.state().CallerFormName, "Main");
}

TEST(TeamSheet, ClosingReturnsToTheMainWindow) {
    for (bool byCloseBox : {false, true}) {
        SCOPED_TRACE(byCloseBox);
        TeamClient c;
        frmTeam* s = c.openSheet();
        if (byCloseBox)
            ASSERT_TRUE(c.user.closeWindow(*s));
        else
            ASSERT_TRUE(c.click(s->cmdExit));
        EXPECT_EQ(c.window<frmTeam>(), nullptr);
        EXPECT_TRUE(c.main().Visible());
        EXPECT_EQ(c.app.forms().activeForm(), &c.main());
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

// ---------------------------------------------------------------------------
// The two edits.

TEST(TeamSheet, EmailAndMessengerAreStoredWhenTheyLoseTheFocus) {
    struct Case {
        const char* name;
        TextBox frmTeam::*box;
        FixedText<40> TeamInfo::*field;
        const char* typed;
        std::string stored;  // all 40 characters
        const char* log;
    };
    const Case cases[] = {
        {"an e-mail address", &frmTeam::txtEmail, &TeamInfo::Email, " gm@ravens.invalid ",
         " gm@ravens.invalid" + std::string(22, ' '),
         "Halden Ravens Email Address was change to gm@ravens.invalid."},
        {"an empty e-mail address", &frmTeam::txtEmail, &TeamInfo::Email, "", std::string(40, ' '),
         "Halden Ravens Email Address was change to ."},
        {"a messenger id", &frmTeam::txtMessenger, &TeamInfo::MessengerId, "ravens#1!",
         "ravens#1!" + std::string(31, ' '), "Halden Ravens Messenger Address was change to ravens#1!."},
        {"45 characters typed: the box takes 40", &frmTeam::txtEmail, &TeamInfo::Email,
         "abcdefghij0123456789abcdefghij0123456789XXXXX", "abcdefghij0123456789abcdefghij0123456789",
         "Halden Ravens Email Address was change to abcdefghij0123456789abcdefghij0123456789."},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c;
        frmTeam* s = c.openSheet();
        TextBox& box = s->*k.box;
        ASSERT_TRUE(c.user.typeText(box, k.typed));
        c.log.entries.clear();
        c.state().DataChanged = False;
        ASSERT_TRUE(c.user.focus(s->cmdExit));
        EXPECT_EQ((c.team().*k.field).raw(), k.stored);
        ASSERT_EQ(c.log.entries.size(), 1u);
        EXPECT_EQ(c.log.entries[0].text, k.log);
        EXPECT_EQ(c.state().DataChanged, True);
        EXPECT_EQ(box.Text(), std::string(k.typed).substr(0, 40));
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(TeamSheet, ClosingTheSheetKeepsATypedAddress) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    ASSERT_TRUE(c.user.typeText(s->txtMessenger, "closing"));
    ASSERT_TRUE(c.user.closeWindow(*s));
    EXPECT_EQ(c.team().MessengerId.trimmed(), "closing");
}

// ---------------------------------------------------------------------------
// The file commands on the window.

TEST(TeamSheet, SaveAndLoadBackThroughTheWindow) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    ASSERT_TRUE(c.click(s->cmdSaveToFile));
    const std::string target = c.file("HaldenRavens.zln");
    EXPECT_EQ(c.dialogs.messages(), Lines{"Lines file for Halden Ravens successfully save at\r\n" + target});
    EXPECT_EQ(FilesIn(c.folder.path().string()), Lines{"HaldenRavens.zln"});
    EXPECT_FALSE(c.app.forms().isLoaded<frmWait>());

    // Change the team in memory; the file brings it back.
    c.team().Name = "Renamed";
    c.team().Coach = 4;
    c.team().BankAccount = 1;
    s->ReloadForm();
    EXPECT_EQ(s->txtTeamName.Text(), "Renamed");
    c.dialogs.clear();
    c.dialogs.answerFile(target);
    ASSERT_TRUE(c.click(s->cmdLoadFile));
    ASSERT_EQ(c.dialogs.shown().size(), 2u);
    const auto& dialog = c.dialogs.shown()[0];
    EXPECT_EQ(dialog.kind, ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(dialog.prompt, "ZELT Client File (*.zln) |*.zln|All Files (*.*) | *.*");
    EXPECT_EQ(dialog.initialFolder, c.folder.path().string());
    EXPECT_EQ(dialog.flags, 4);
    EXPECT_EQ(c.dialogs.shown()[1].prompt,
              "Lines file for Halden Ravens successfully load from\r\n" + target);
    EXPECT_EQ(c.dialogs.shown()[1].icon(), mb::Information);
    EXPECT_EQ(s->txtTeamName.Text(), "Halden Ravens");
    EXPECT_EQ(s->Caption(), Title);
    EXPECT_EQ(s->lblCoach.Caption(), "Ole Brenna");
    EXPECT_EQ(s->lblFinance.Caption(), "$10,000,000");
    EXPECT_EQ(FilesIn(c.folder.path().string()), Lines{"HaldenRavens.zln"});
}

TEST(TeamSheet, ACancelledOrFailedLoadLeavesTheSheetAsItWas) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    c.team().Name = "Renamed";  // in memory only: the sheet still shows the old name

    c.dialogs.answerFile(std::nullopt);
    ASSERT_TRUE(c.click(s->cmdLoadFile));
    EXPECT_TRUE(c.dialogs.messages().empty());

    const std::string missing = c.file("Nowhere.zln");
    c.dialogs.answerFile(missing);
    ASSERT_TRUE(c.click(s->cmdLoadFile));
    EXPECT_EQ(c.dialogs.messages(), Lines{"File for Renamed unsuccessfully load from\r\n" + missing});
    EXPECT_EQ(s->txtTeamName.Text(), "Halden Ravens");
    EXPECT_EQ(c.team().Name.trimmed(), "Renamed");
}

TEST(TeamSheet, SavingAsksThePasswordAgain) {
    TeamClient c([](LeagueData& l) { l.Teams[Team].Password = PasswordDigest("fjord"); });
    c.dialogs.answerInput("fjord");
    frmTeam* s = c.openSheet();
    ASSERT_NE(s, nullptr);
    c.dialogs.clear();
    c.dialogs.answerInput("wrong");
    ASSERT_TRUE(c.click(s->cmdSaveToFile));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Password is incorrect!"});
    EXPECT_TRUE(FilesIn(c.folder.path().string()).empty());
}

}  // namespace
}  // namespace dravik::test
