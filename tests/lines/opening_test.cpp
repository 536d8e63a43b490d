// The lines windows' frame: the opening and what it lays out and enables,
// the game days found in the schedule, the day change, and the closing with
// its day-1 check and the hand-back by CallerFormName.

#include <gtest/gtest.h>

#include <map>

#include "leaguewriter/builder.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using Change = std::function<void(LeagueData&)>;
using Texts = std::vector<std::string>;

const std::string Prefix = "Dravik Hockey Simulator Client - Halden.zcl";

void EmptyProDayOne(LeagueData& l) { l.Teams[Team].ProLines[0] = DayLines{}; }

TEST(LinesOpening, CaptionsAndEnabledStatesOfBothWindows) {
    struct Case {
        const char* name;
        bool farm;
        Change change;
        const char* caption;
        const char* teamName;
        bool autoLines, partial;
    };
    const Case cases[] = {
        {"pro", false, {}, " - Halden Ravens - Lines", "Lines for Halden Ravens ", true, true},
        {"farm", true, {}, " - Halden Fledglings - Lines", "Lines for Halden Fledglings ", true, false},
        {"pro, automatic lines off", false, [](LeagueData& l) { l.League.AutoMadeDisabled = True; },
         " - Halden Ravens - Lines", "Lines for Halden Ravens ", false, false},
        {"farm, automatic lines off", true, [](LeagueData& l) { l.League.AutoMadeDisabled = True; },
         " - Halden Fledglings - Lines", "Lines for Halden Fledglings ", false, false},
        // Only exactly -1 switches them off.
        {"pro, automatic lines flag 1", false, [](LeagueData& l) { l.League.AutoMadeDisabled = 1; },
         " - Halden Ravens - Lines", "Lines for Halden Ravens ", true, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->Visible());
        EXPECT_TRUE(c.dialogs.shown().empty());
        EXPECT_EQ(w->Caption(), Prefix + k.caption);
        EXPECT_EQ(w->lblTeamName.Caption(), k.teamName);
        EXPECT_EQ(w->CurrentDay, 1);
        EXPECT_EQ(w->TabLine.Tab(), 0);
        EXPECT_EQ(w->cmdAutoLines.Enabled(), k.autoLines);
        if (!k.farm) {
            EXPECT_EQ(static_cast<frmLine*>(w)->cmdPartialLine.Enabled(), k.partial);
        }
        // No game day: day 1 alone, no copying.
        EXPECT_EQ(w->lblGame.Caption(), "Next Day Information Unavailable");
        EXPECT_FALSE(w->vscDay.Enabled());
        EXPECT_FALSE(w->cmdCopy.Enabled());
        for (CommandButton* b : {&w->cmdCopyAll, &w->cmdWipeLines, &w->cmdExit}) EXPECT_TRUE(b->Enabled());
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(w->chkPosition(i).Value(), 1);
    }
}

TEST(LinesOpening, TheLayoutCaptionsOfEveryControl) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c;
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        Texts pages;
        for (int t = 0; t < w->TabLine.Tabs(); ++t) pages.push_back(w->TabLine.TabCaption(t));
        EXPECT_EQ(pages, (Texts{"Normal", "PP / 4 vs 4", "Penalty Kill", "Others", "Strategy"}));

        Texts fixed;
        w->Label1.forEach([&](const Label& l) { fixed.push_back(l.Caption()); });
        EXPECT_EQ(fixed, (Texts{"C",
                                "LW",
                                "RW",
                                "D",
                                "D",  // normal
                                "PowerPlay",
                                "C",
                                "LW",
                                "RW",
                                "D",
                                "D",
                                "4 vs 4",
                                "C",
                                "W",
                                "D",
                                "D",  // special
                                "5 vs 4 Penalty Kill",
                                "C",
                                "W",
                                "D",
                                "D",
                                "* vs 3 Penalty Kill",
                                "C",
                                "D",
                                "D",
                                "Penalty Shots",
                                "Extra Defensemen",
                                "Extra Forwards",
                                "Starting Goalie",
                                "Backup Goalie",
                                "Strategy",
                                "Minimum # of Goals :",
                                "Save PCT Under :",
                                "Playing the Following Lines :"}));

        for (int i = 1; i <= 4; ++i) EXPECT_EQ(w->lblNormalTrio(i).Caption(), "Lines #" + std::to_string(i));
        for (ControlArray<Label>* a : {&w->lblPPTrio, &w->lbl44Trio, &w->lblPKTrio, &w->lblPK3Trio})
            for (int i = 1; i <= 2; ++i) EXPECT_EQ((*a)(i).Caption(), "Lines #" + std::to_string(i));
        const char* positions[] = {"Center", "Left Wing", "Right Wing", "Defense", "Goalie"};
        for (int i = 1; i <= 5; ++i) EXPECT_EQ(w->chkPosition(i).Caption(), positions[i - 1]);

        EXPECT_EQ(w->cmdAutoLines.Caption(), "Auto Made Lines");
        EXPECT_EQ(w->cmdCopy.Caption(), "Copy Lines");
        EXPECT_EQ(w->cmdCopyAll.Caption(), "Copy All Lines");
        EXPECT_EQ(w->cmdWipeLines.Caption(), "Wipe Lines");
        EXPECT_EQ(w->cmdDebug.Caption(), "Why are my lines incomplete?");
        EXPECT_EQ(w->cmdExit.Caption(), "Exit");
        if (!farm) {
            EXPECT_EQ(static_cast<frmLine*>(w)->cmdPartialLine.Caption(), "Partial Auto Made Lines");
        }
        EXPECT_EQ(w->lblPointLeft.Caption(), "Points Left :");
        const char* styles[] = {"Physical Style : ", "Defense Style : ", "Offense Style : "};
        for (int i = 0; i <= 2; ++i) {
            EXPECT_EQ(w->lblStats(i).Caption(), styles[i]);
            EXPECT_EQ(w->hscStats(i).Min(), 0);
            EXPECT_EQ(w->hscStats(i).Max(), 5);
            EXPECT_EQ(w->hscStats(i).SmallChange(), 1);
            EXPECT_EQ(w->hscStats(i).LargeChange(), 1);
        }
        EXPECT_EQ(w->frmStat.Caption(), "Stats");
        EXPECT_EQ(w->lblStatLabel(0).Caption(), "PO");
        EXPECT_EQ(w->lblStatLabel.Count(), 17);
        EXPECT_EQ(w->lblStat.Count(), 17);
    }
}

// Within each container (the form, a page, the panel) no two controls
// overlap, and each lies inside its container.
TEST(LinesOpening, EveryControlLiesInsideItsContainerWithoutOverlapping) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c;
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        struct Box {
            const Control* c;
            int left, top, right, bottom;
        };
        std::map<std::pair<const Control*, int>, std::vector<Box>> byPlace;
        for (const Control* k : w->tabOrder()) {
            EXPECT_GT(k->Width(), 0) << k->Name();
            EXPECT_GT(k->Height(), 0) << k->Name();
            byPlace[{k->Container(), k->Container() ? k->ContainerTab() : 0}].push_back(
                {k, k->Left(), k->Top(), k->Left() + k->Width(), k->Top() + k->Height()});
        }
        // A button is wide enough for its caption at about 100 twips a character.
        for (const Control* k : w->tabOrder()) {
            if (k->kind() == Control::Kind::CommandButton) {
                EXPECT_GE(k->Width(),
                          100 * static_cast<int>(static_cast<const CommandButton*>(k)->Caption().size()))
                    << k->Name();
            }
        }
        for (const auto& [place, boxes] : byPlace) {
            const Control* holder = place.first;
            const int width = holder ? holder->Width() : w->Width() - 120;
            const int height = holder ? holder->Height() : w->Height() - 345;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const Box& a = boxes[i];
                EXPECT_LE(a.right, width) << a.c->Name() << a.c->Index();
                EXPECT_LE(a.bottom, height) << a.c->Name() << a.c->Index();
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    const Box& b = boxes[j];
                    const bool apart =
                        a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
                    EXPECT_TRUE(apart)
                        << a.c->Name() << a.c->Index() << " and " << b.c->Name() << b.c->Index();
                }
            }
        }
    }
}

// ---------------------------------------------------------------------------
// Game days.

struct DaysCase {
    const char* name;
    bool farm;
    Change change;
    int days;                     // 0: the day bar disabled
    std::vector<int16_t> games;   // GameOfDay 1..days
    std::vector<Flag> firstTeam;  // IsFirstTeamOfDay 1..days
};

void PrintTo(const DaysCase& c, std::ostream* os) { *os << c.name; }

class GameDays : public ::testing::TestWithParam<DaysCase> {};

TEST_P(GameDays, AreTheTeamsNextUnplayedGamesInEntryOrder) {
    const DaysCase& k = GetParam();
    TeamClient c(k.change);
    LinesWindow* w = OpenLines(c, k.farm);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(w->vscDay.Enabled(), k.days > 0);
    EXPECT_EQ(w->cmdCopy.Enabled(), k.days > 0);
    EXPECT_EQ(w->vscDay.Min(), 1);
    EXPECT_EQ(w->vscDay.Max(), k.days == 0 ? 10 : k.days);
    EXPECT_EQ(w->vscDay.Value(), 1);
    std::vector<int16_t> games(w->GameOfDay.begin() + 1, w->GameOfDay.begin() + 1 + k.days);
    std::vector<Flag> first(w->IsFirstTeamOfDay.begin() + 1, w->IsFirstTeamOfDay.begin() + 1 + k.days);
    EXPECT_EQ(games, k.games);
    EXPECT_EQ(first, k.firstTeam);
    for (int d = k.days + 1; d <= 10; ++d) EXPECT_EQ(w->GameOfDay[d], 0) << d;
    if (k.days == 0) {
        EXPECT_EQ(w->lblGame.Caption(), "Next Day Information Unavailable");
    }
}

void threeGames(LeagueData& l) {
    AddGameOfTeam(l, 4, true);
    AddGameOfTeam(l, 9, false);
    AddGameOfTeam(l, 20, true);
}

INSTANTIATE_TEST_SUITE_P(
    Schedules, GameDays,
    ::testing::Values(DaysCase{"NoNextDayInformation",
                               false,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.League.NextDayInfoAvailable = 0;
                               },
                               0,
                               {},
                               {}},
                      DaysCase{"NextDayInformationFlagOfOne",
                               false,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.League.NextDayInfoAvailable = 1;
                               },
                               0,
                               {},
                               {}},
                      DaysCase{"NextDayInformationDisabled",
                               true,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.League.NextDayInfoDisabled = True;
                               },
                               0,
                               {},
                               {}},
                      DaysCase{"NoGameOfTheTeam",
                               false,
                               [](LeagueData& l) {
                                   AddGameOfTeam(l, 1, true);
                                   l.Schedule[1].ProTeam1 = 3;
                               },
                               0,
                               {},
                               {}},
                      DaysCase{"AScheduledFlagOfOneIsNoGame",
                               false,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.Schedule[9].ProScheduled = 1;
                               },
                               2,
                               {4, 20},
                               {True, True}},
                      DaysCase{"ThreeGamesEitherSide", false, threeGames, 3, {4, 9, 20}, {True, False, True}},
                      DaysCase{"ThreeFarmGames", true, threeGames, 3, {4, 9, 20}, {True, False, True}},
                      DaysCase{"APlayedGameBetweenIsSkipped",
                               false,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.Schedule[9].ProPlayed = 1;
                               },
                               2,
                               {4, 20},
                               {True, True}},
                      // The farm game of the entry is still to be played: the pro window
                      // ignores it, the farm window takes it.
                      DaysCase{"ProAndFarmApartInThePro",
                               false,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.Schedule[4].ProPlayed = 1;
                                   l.Schedule[20].FarmScheduled = 0;
                               },
                               2,
                               {9, 20},
                               {False, True}},
                      DaysCase{"ProAndFarmApartInTheFarm",
                               true,
                               [](LeagueData& l) {
                                   threeGames(l);
                                   l.Schedule[4].ProPlayed = 1;
                                   l.Schedule[20].FarmScheduled = 0;
                               },
                               2,
                               {4, 9},
                               {True, False}},
                      DaysCase{"BothSidesCountOnceAsSecond",
                               false,
                               [](LeagueData& l) {
                                   AddGameOfTeam(l, 6, true);
                                   l.Schedule[6].ProTeam2 = Team;
                               },
                               1,
                               {6},
                               {False}},
                      DaysCase{"OnlyTheFirstTenOfTwelve",
                               false,
                               [](LeagueData& l) {
                                   for (int16_t e = 1; e <= 12; ++e)
                                       AddGameOfTeam(l, static_cast<int16_t>(e * 10), e % 2 == 0);
                               },
                               10,
                               {10, 20, 30, 40, 50, 60, 70, 80, 90, 100},
                               {False, True, False, True, False, True, False, True, False, True}},
                      DaysCase{"TheLastEntryCounts",
                               false,
                               [](LeagueData& l) { AddGameOfTeam(l, 5000, false); },
                               1,
                               {5000},
                               {False}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinesDays, TheUpArrowShowsTheNextDayAndStopsAtTheLast) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c([](LeagueData& l) {
            threeGames(l);
            l.Schedule[9].GameNumber = 118;
        });
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        const std::string opponent = farm ? "Norrvik Pike Farm" : "Norrvik Pike";
        EXPECT_EQ(w->lblGame.Caption(), "Lines 1 - For Game 4 vs " + opponent);

        ASSERT_TRUE(c.user.selectTab(w->TabLine, 4));
        ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::SmallUp));
        EXPECT_EQ(w->CurrentDay, 2);
        // The team is the entry's second team: the opponent is its first.
        EXPECT_EQ(w->lblGame.Caption(), "Lines 2 - For Game 118 vs " + opponent);
        EXPECT_EQ(w->TabLine.Tab(), 0);

        ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::SmallUp));
        c.user.scroll(w->vscDay, User::Scroll::SmallUp);
        EXPECT_EQ(w->CurrentDay, 3);
        EXPECT_EQ(w->lblGame.Caption(), "Lines 3 - For Game 20 vs " + opponent);
        ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::SmallDown));
        EXPECT_EQ(w->CurrentDay, 2);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesDays, ADayChangeShowsTheDayAndItsStatus) {
    TeamClient c([](LeagueData& l) {
        threeGames(l);
        FillLines(l.Teams[Team].ProLines[2], Lineup{});  // names nobody: incomplete
    });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");
    EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), "Skater 701");
    ASSERT_TRUE(Select(c, *w, "Skater 702"));
    const int selected = w->lstPlayer.ListIndex();
    ASSERT_TRUE(c.user.click(w->chkPosition(5)));  // goalies off
    ASSERT_TRUE(Select(c, *w, "Skater 702"));

    ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::Track, 2));
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
    EXPECT_TRUE(w->cmdDebug.Enabled());
    EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), "");
    // The list, its filters and the selection stay; where he plays is told
    // for the new day.
    EXPECT_EQ(w->lstPlayer.ListIndex(), selected - 2);
    EXPECT_EQ(w->lstPlayer.ListCount(), 18);
    EXPECT_EQ(w->chkPosition(5).Value(), 0);
    EXPECT_EQ(c.state().CurrentPlayerIndex, 702);
    EXPECT_TRUE(w->lblStat(0).Visible());
    EXPECT_EQ(w->lblPlaying.Caption(), "(0) - ");

    ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::Track, 1));
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");
    EXPECT_FALSE(w->cmdDebug.Enabled());
    EXPECT_EQ(w->lblPlaying.Caption(), "(7) - L-2C, PP-2C, 44-2F, PK-2F, PK3-2F, EF-2, PS-2, ");
}

// ---------------------------------------------------------------------------
// Closing.

TEST(LinesClosing, SetLinesHandsOverAndClosingWithIncompleteLinesSaysSo) {
    TeamClient c(EmptyProDayOne);
    ASSERT_TRUE(c.user.selectItem(c.main().lstDivision(2), 0));
    ASSERT_TRUE(c.user.clickMenu(c.main().mnuSetLines));
    frmLine* lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    EXPECT_TRUE(lines->Visible());
    EXPECT_FALSE(c.main().Visible());
    EXPECT_EQ(c.app.forms().activeForm(), lines);
    EXPECT_EQ(lines->Caption(), Prefix + " - Halden Ravens - Lines");
    EXPECT_EQ(c.state().CallerFormName, "Main");
    EXPECT_TRUE(c.dialogs.shown().empty());

    ASSERT_TRUE(c.click(lines->cmdExit));
    ASSERT_EQ(c.dialogs.shown().size(), 1u);
    EXPECT_EQ(c.dialogs.shown()[0].prompt, "Lines for Day #1 are Incomplete!");
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(c.dialogs.shown()[0].style & 0xF, mb::OKOnly);
    EXPECT_EQ(c.window<frmLine>(), nullptr);
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.app.forms().activeForm(), &c.main());
}

TEST(LinesClosing, FarmLinesOpenWithoutARosterCheckAndClosingWithIncompleteLinesSaysSo) {
    TeamClient c([](LeagueData& l) {
        AddFarmClub(l);
        l.League.MinCenters = 9;  // the pro roster check would fail
    });
    ASSERT_TRUE(c.user.selectItem(c.main().lstDivision(2), 0));
    ASSERT_TRUE(c.user.pressShortcut(c.main(), 'F'));
    frmFarmLine* farm = c.window<frmFarmLine>();
    ASSERT_NE(farm, nullptr);
    EXPECT_TRUE(farm->Visible());
    EXPECT_FALSE(c.main().Visible());
    EXPECT_TRUE(c.dialogs.shown().empty());

    ASSERT_TRUE(c.user.closeWindow(*farm));
    EXPECT_EQ(c.dialogs.messages(), Texts{"Farm Lines for Day #1 are Incomplete!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(c.window<frmFarmLine>(), nullptr);
    EXPECT_TRUE(c.main().Visible());
}

TEST(LinesClosing, CompleteLinesCloseWithoutAWord) {
    TeamClient c;
    ASSERT_TRUE(c.user.selectItem(c.main().lstDivision(2), 0));
    ASSERT_TRUE(c.user.clickMenu(c.main().mnuSetLines));
    ASSERT_TRUE(c.app.forms().isVisible<frmLine>());
    ASSERT_TRUE(c.click(c.window<frmLine>()->cmdExit));
    ASSERT_TRUE(c.user.clickMenu(c.main().mnuSetFarmLines));
    ASSERT_TRUE(c.app.forms().isVisible<frmFarmLine>());
    ASSERT_TRUE(c.click(c.window<frmFarmLine>()->cmdExit));
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_TRUE(c.main().Visible());
}

TEST(LinesClosing, OnlyDayOneCountsWhateverDayIsShown) {
    struct Case {
        const char* name;
        int brokenDay;  // the day whose starting goalie is taken out
        bool warned;
    };
    const Case cases[] = {{"day 1 incomplete, day 2 shown complete", 1, true},
                          {"day 1 complete, day 2 shown incomplete", 2, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c([&](LeagueData& l) {
            threeGames(l);
            FillLines(l.Teams[Team].ProLines[1], c.pro);
            l.Teams[Team].ProLines[k.brokenDay - 1].Slots[slot::StartGoaler] = 0;
        });
        LinesWindow* w = OpenLines(c, false);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::SmallUp));
        ASSERT_TRUE(c.user.closeWindow(*w));
        EXPECT_EQ(c.dialogs.messages(), k.warned ? Texts{"Lines for Day #1 are Incomplete!"} : Texts{});
    }
}

struct GuardCase {
    const char* name;
    bool farm;
    int16_t team;
};
void PrintTo(const GuardCase& c, std::ostream* os) { *os << c.name; }

class LinesGuard : public ::testing::TestWithParam<GuardCase> {};

// A refused window closes without judging a day 1 it has no team for.
TEST_P(LinesGuard, ATeamOutsideOneToAHundredClosesTheWindowAtOnce) {
    TeamClient c;
    RunMenu(c.app, GetParam().farm ? menu::SetFarmLines : menu::SetLines, GetParam().team);

    EXPECT_EQ(c.dialogs.messages(), Texts{"Integrity Check Failed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(c.window<frmLine>(), nullptr);
    EXPECT_EQ(c.window<frmFarmLine>(), nullptr);
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.app.forms().activeForm(), &c.main());
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
    bool fromTeamSheet;  // opened from the team sheet (else from the main window)
    bool backToSheet;
    bool integrityFailure;
};
void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.name; }

class LinesReturn : public ::testing::TestWithParam<ReturnCase> {};

TEST_P(LinesReturn, ClosingShowsTheWindowCallerFormNameNames) {
    const ReturnCase& k = GetParam();
    TeamClient c(EmptyProDayOne);
    FormManager& forms = c.app.forms();
    Form* opener = &c.main();
    frmTeam* sheet = nullptr;
    if (k.fromTeamSheet) {
        sheet = c.openSheet();
        ASSERT_NE(sheet, nullptr);
        opener = sheet;
    }
    c.state().CurrentTeam = Team;
    c.state().CallerFormName = k.caller;
    WindowOpeners& o = c.app.openers();
    forms.run(*opener, "test", "Open", [&] { (k.farm ? o.farmLines : o.proLines)(*opener); });
    LinesWindow* lines = LinesOf(c, k.farm);
    ASSERT_NE(lines, nullptr);
    EXPECT_TRUE(lines->Visible());
    EXPECT_FALSE(opener->Visible());

    ASSERT_TRUE(c.user.closeWindow(*lines));
    Texts expected;
    if (!k.farm) expected.push_back("Lines for Day #1 are Incomplete!");  // the farm clubs are not managed
    if (k.integrityFailure) expected.push_back("Integrity Check Failed!");
    EXPECT_EQ(c.dialogs.messages(), expected);
    EXPECT_EQ(c.window<frmLine>(), nullptr);
    EXPECT_EQ(c.window<frmFarmLine>(), nullptr);
    Form* back = k.backToSheet ? static_cast<Form*>(sheet) : &c.main();
    EXPECT_TRUE(back->Visible());
    EXPECT_EQ(forms.activeForm(), back);
    if (k.backToSheet) {
        EXPECT_FALSE(c.main().Visible());
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
                      ReturnCase{"ProToNoWindow", false, "", false, false, true},
                      // Compared exactly.
                      ReturnCase{"ProToLowerCaseMain", false, "main", false, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinesClosing, TheMainWindowClosedTakesTheLinesWindowWithoutItsUnload) {
    TeamClient c(EmptyProDayOne);
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    // The lines window would say its lines are incomplete if it were closed.
    c.app.forms().run(*w, "test", "EndProgram", [&] { c.main().Unload(); });
    EXPECT_TRUE(c.app.forms().ended());
    EXPECT_TRUE(c.app.forms().loadedForms().empty());
    EXPECT_TRUE(c.dialogs.shown().empty());
}

// ---------------------------------------------------------------------------
// The pro window's check and the team sheet's Save to File.

TEST(LinesAndTheTeamSheet, TheGateIsSetAgainWhenALinesWindowHandsBack) {
    Lineup farm;
    TeamClient c([&](LeagueData& l) { farm = AddFarmClub(l); });
    frmTeam* s = c.openSheet();
    EXPECT_FALSE(s->cmdSaveToFile.Enabled());

    // The pro lines editor's check enables the button as soon as pro day 1
    // is complete, whatever the farm lines hold...
    ASSERT_TRUE(c.click(s->cmdLines));
    frmLine* lines = c.window<frmLine>();
    ASSERT_NE(lines, nullptr);
    c.state().DataChanged = False;
    lines->Check();
    EXPECT_TRUE(s->cmdSaveToFile.Enabled());
    EXPECT_EQ(c.state().DataChanged, True);
    // ... and coming back re-evaluates the gate: farm day 1 is incomplete.
    ASSERT_TRUE(c.click(lines->cmdExit));
    EXPECT_TRUE(s->Visible());
    EXPECT_FALSE(s->cmdSaveToFile.Enabled());

    // Fill the farm day through its window, then come back.
    FillLines(c.team().Farm.Lines[0], farm);
    ASSERT_TRUE(c.click(s->cmdFarmLines));
    ASSERT_TRUE(c.click(c.window<frmFarmLine>()->cmdExit));
    EXPECT_TRUE(s->cmdSaveToFile.Enabled());
}

TEST(LinesAndTheTeamSheet, TheLinesChecksNeverDisableSaveNorOpenASheet) {
    TeamClient c;
    frmTeam* s = c.openSheet();
    ASSERT_TRUE(c.click(s->cmdLines));
    frmLine* lines = c.window<frmLine>();
    c.team().ProLines[0].Slots[slot::StartGoaler] = 0;
    lines->Check();
    EXPECT_TRUE(s->cmdSaveToFile.Enabled());  // as the sheet's activation left it

    // From the main window, with no sheet loaded.
    ASSERT_TRUE(c.click(lines->cmdExit));
    ASSERT_TRUE(c.click(s->cmdExit));
    c.team().ProLines[0].Slots[slot::StartGoaler] = c.pro.G[0];
    c.user.selectItem(c.main().lstDivision(2), 0);
    c.user.clickMenu(c.main().mnuSetLines);
    ASSERT_NE(c.window<frmLine>(), nullptr);
    c.window<frmLine>()->Check();
    EXPECT_EQ(c.window<frmTeam>(), nullptr);
}

// The pro lines editor's check only ever enables Save to File: a button the
// sheet's activation disabled stays disabled while pro day 1 is incomplete.
TEST(LinesAndTheTeamSheet, TheLinesCheckLeavesADisabledSaveDisabledWhileProDayOneIsIncomplete) {
    struct Case {
        const char* name;
        Change change;
    };
    // (With pro day 1 complete the opening's own check enables the button:
    // see TheGateIsSetAgainWhenALinesWindowHandsBack.)
    const Case cases[] = {
        {"pro day 1 incomplete from the start",
         [](LeagueData& l) { l.Teams[Team].ProLines[0].Slots[slot::BackupGoaler] = 0; }},
        {"farm day 1 incomplete too",
         [](LeagueData& l) {
             AddFarmClub(l);
             l.Teams[Team].ProLines[0].Slots[slot::StartGoaler] = 0;
         }},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        frmTeam* s = c.openSheet();
        ASSERT_FALSE(s->cmdSaveToFile.Enabled());
        ASSERT_TRUE(c.click(s->cmdLines));
        frmLine* lines = c.window<frmLine>();
        ASSERT_NE(lines, nullptr);
        EXPECT_FALSE(s->cmdSaveToFile.Enabled());  // after the opening's check
        c.state().DataChanged = False;
        lines->Check();
        EXPECT_FALSE(s->cmdSaveToFile.Enabled());
        EXPECT_EQ(c.state().DataChanged, True);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

// ---------------------------------------------------------------------------
// Hand-overs.

TEST(LinesAndTheTeamSheet, TheLinesWindowsOpenWithTheSheetAsCaller) {
    TeamClient c([](LeagueData& l) { l.League.FarmLinesEnabled = True; });
    frmTeam* s = c.openSheet();
    EXPECT_TRUE(s->cmdFarmLines.Enabled());

    ASSERT_TRUE(c.click(s->cmdLines));
    EXPECT_EQ(c.state().CallerFormName, "Team");
    ASSERT_NE(c.window<frmLine>(), nullptr);
    EXPECT_TRUE(c.window<frmLine>()->Visible());
    EXPECT_FALSE(s->Visible());
    ASSERT_TRUE(c.click(c.window<frmLine>()->cmdExit));
    EXPECT_TRUE(s->Visible());

    c.state().CallerFormName = "Main";
    ASSERT_TRUE(c.click(s->cmdFarmLines));
    EXPECT_EQ(c.state().CallerFormName, "Team");
    ASSERT_NE(c.window<frmFarmLine>(), nullptr);
    ASSERT_TRUE(c.click(c.window<frmFarmLine>()->cmdExit));
    EXPECT_TRUE(s->Visible());
    EXPECT_TRUE(c.dialogs.shown().empty());
}

}  // namespace
}  // namespace dravik::test
