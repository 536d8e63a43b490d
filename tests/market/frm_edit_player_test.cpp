// The player card: one record shown read-only, the position repair of every
// opening, the ratings in full or grouped, the hand-back to the window that
// opened it, and a display cut short by an error.

#include "market/frm_edit_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "forms/forms.h"
#include "league/overall.h"
#include "leaguewriter/builder.h"
#include "main/hand_over.h"
#include "support/market_client.h"
#include "team/frm_roster.h"

namespace dravik::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::string Title = std::string(ProductName) + " - Halden.zcl";

frmEditPlayer* openFromMain(MarketClient& c, int16_t number, Flag goalie, int16_t callerCode = 0) {
    return c.openCard<frmEditPlayer>(c.main(), number, goalie, callerCode);
}

std::vector<std::string> entries(const ListBox& list) {
    std::vector<std::string> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

struct Column {
    std::string caption, value;
    bool operator==(const Column&) const = default;
};
void PrintTo(const Column& c, std::ostream* os) { *os << c.caption << "=" << c.value; }

// The rating columns shown, from the left; a hidden column ends them.
std::vector<Column> shownColumns(const frmEditPlayer& card) {
    std::vector<Column> out;
    for (int i = 1; i <= 16; ++i) {
        if (!card.lblStatLabel(i).Visible()) {
            for (int j = i; j <= 16; ++j) {
                EXPECT_FALSE(card.lblStatLabel(j).Visible()) << j;
                EXPECT_FALSE(card.txtStats(j).Visible()) << j;
            }
            break;
        }
        EXPECT_TRUE(card.txtStats(i).Visible()) << i;
        out.push_back({card.lblStatLabel(i).Caption(), card.txtStats(i).Text()});
    }
    return out;
}

// Nothing on an open card can be typed into, ticked or pressed but Exit (and
// the team box, which nothing reads).
void expectReadOnly(frmEditPlayer& card) {
    for (const TextBox* box :
         {&card.txtName, &card.txtCountry, &card.txtAge, &card.txtWeight, &card.txtHeight, &card.txtContract,
          &card.txtSalary, &card.txtCondition, &card.txtInjury, &card.txtSuspension})
        EXPECT_FALSE(box->Enabled()) << box->Name();
    for (const CheckBox* box : {&card.chkRookie, &card.chkNoTrade, &card.chkNoApplyRerate})
        EXPECT_FALSE(box->Enabled()) << box->Name();
    for (int i = 1; i <= 16; ++i) EXPECT_FALSE(card.txtStats(i).Enabled()) << i;
    for (int i = 1; i <= 4; ++i) EXPECT_FALSE(card.optPosition(i).Enabled()) << i;
    EXPECT_FALSE(card.optGoaler.Enabled());
    EXPECT_FALSE(card.lstPlayer.Enabled());
    for (const Control* hidden : std::initializer_list<const Control*>{
             &card.chkEdit, &card.cmdSearch, &card.cmdNewPlayer, &card.cmdNewGoaler, &card.cmdErase}) {
        EXPECT_FALSE(hidden->Enabled()) << hidden->Name();
        EXPECT_FALSE(hidden->Visible()) << hidden->Name();
    }
    EXPECT_TRUE(card.cmdExit.Enabled());
    EXPECT_TRUE(card.txtTeam.Enabled());
}

TEST(PlayerCard, ShowsTheSkaterAskedForReadOnly) {
    MarketClient c([](LeagueData& l) {
        PlayerInfo& p = l.Players[706];  // a left wing of team 7
        p.Name = "  Eirik Dahl";
        p.Country = "NOR";
        p.Age = 27;
        p.Weight = 201;
        p.Height = 73;
        p.ContractYears = 3;
        p.Salary = 1234567;
        p.Condition = 100;
        p.Injury = "Sprained knee";
        p.Suspension = 2;
    });
    frmEditPlayer* card = openFromMain(c, 706, False);
    ASSERT_NE(card, nullptr);
    EXPECT_TRUE(card->Visible());
    EXPECT_FALSE(c.main().Visible());
    EXPECT_EQ(card->Caption(), Title + " - Show Player");
    const FormManager::Screen screen = c.app.forms().screen();
    EXPECT_EQ(card->Left(), (screen.width - card->Width()) / 2);
    EXPECT_EQ(card->Top(), (screen.height - card->Height()) / 2);
    EXPECT_THAT(entries(card->lstPlayer), ElementsAre("Eirik Dahl (LW)"));
    EXPECT_EQ(card->lstPlayer.ListIndex(), 0);
    EXPECT_EQ(card->lstPlayer.ItemData(0), 7062);
    EXPECT_EQ(card->ShownKind(), 2);
    EXPECT_EQ(c.state().CurrentPlayerIndex, 706);

    EXPECT_EQ(card->txtName.Text(), "Eirik Dahl");
    EXPECT_EQ(card->txtTeam.Text(), TeamName);
    EXPECT_EQ(card->txtCountry.Text(), "NOR");
    EXPECT_EQ(card->txtAge.Text(), "27");
    EXPECT_EQ(card->txtWeight.Text(), "201");
    EXPECT_EQ(card->txtHeight.Text(), "73");
    EXPECT_EQ(card->txtContract.Text(), "3");
    EXPECT_EQ(card->txtSalary.Text(), "1234567");
    EXPECT_EQ(card->txtCondition.Text(), "100");
    EXPECT_EQ(card->txtInjury.Text(), "");
    EXPECT_EQ(card->txtSuspension.Text(), "2");

    for (int i = 1; i <= 4; ++i) {
        EXPECT_TRUE(card->optPosition(i).Visible()) << i;
        EXPECT_EQ(card->optPosition(i).Value(), i == 2) << i;
    }
    EXPECT_FALSE(card->optGoaler.Visible());
    EXPECT_FALSE(card->optGoaler.Value());
    expectReadOnly(*card);
    EXPECT_EQ(c.state().EditGuard, False);
    EXPECT_THAT(c.dialogs.messages(), IsEmpty());
    EXPECT_EQ(c.state().DataChanged, False);
}

TEST(PlayerCard, AGoalieShowsTheGoalieOptionAndHisCountryAsStored) {
    MarketClient c([](LeagueData& l) { l.Goalies[72].Country = "SE "; });
    frmEditPlayer* card = openFromMain(c, 72, True);
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(entries(card->lstPlayer), ElementsAre("Goalie 72 (G)"));
    EXPECT_EQ(card->lstPlayer.ItemData(0), 725);
    EXPECT_EQ(card->ShownKind(), 5);
    EXPECT_EQ(card->txtCountry.Text(), "SE ");
    EXPECT_TRUE(card->optGoaler.Visible());
    EXPECT_TRUE(card->optGoaler.Value());
    for (int i = 1; i <= 4; ++i) {
        EXPECT_FALSE(card->optPosition(i).Visible()) << i;
        EXPECT_FALSE(card->optPosition(i).Value()) << i;
    }
    expectReadOnly(*card);
}

TEST(PlayerCard, ASkatersCountryIsTrimmed) {
    MarketClient c([](LeagueData& l) { l.Players[701].Country = "SE "; });
    EXPECT_EQ(openFromMain(c, 701, False)->txtCountry.Text(), "SE");
}

TEST(PlayerCard, TeamBox) {
    struct Case {
        const char* name;
        int16_t team;
        std::string shown;
    };
    const Case cases[] = {
        {"own team", Team, TeamName},
        {"another team", OtherTeam, "Norrvik Pike"},
        {"no team", 0, ""},
        {"a team not in use", 40, ""},
    };
    for (const Case& k : cases) {
        MarketClient c([&](LeagueData& l) { l.Players[1201].Team = k.team; });
        frmEditPlayer* card = openFromMain(c, 1201, False);
        ASSERT_NE(card, nullptr) << k.name;
        EXPECT_EQ(card->txtTeam.Text(), k.shown) << k.name;
        EXPECT_THAT(c.dialogs.messages(), IsEmpty()) << k.name;
    }
}

TEST(PlayerCard, InjuryShowsOnlyBelowFullCondition) {
    struct Case {
        uint8_t condition;
        std::string injury;
    };
    for (const Case& k : {Case{99, "Broken wrist"}, Case{100, ""}, Case{0, "Broken wrist"}}) {
        MarketClient c([&](LeagueData& l) {
            l.Goalies[71].Condition = k.condition;
            l.Goalies[71].Injury = "Broken wrist  ";
        });
        frmEditPlayer* card = openFromMain(c, 71, True);
        EXPECT_EQ(card->txtCondition.Text(), std::to_string(k.condition));
        EXPECT_EQ(card->txtInjury.Text(), k.injury) << int(k.condition);
    }
}

TEST(PlayerCard, AFlagIsTickedOnlyWhenItHoldsTrue) {
    struct Case {
        Flag rookie, noTrade, noRerate;
        int ticks[3];
    };
    const Case cases[] = {
        {-1, 0, 1, {1, 0, 0}},
        {1, -1, 0, {0, 1, 0}},
        {0, 1, -1, {0, 0, 1}},
    };
    for (const Case& k : cases) {
        for (bool goalie : {false, true}) {
            MarketClient c([&](LeagueData& l) {
                auto set = [&](auto& p) {
                    p.Rookie = k.rookie;
                    p.NoTrade = k.noTrade;
                    p.NoApplyRerate = k.noRerate;
                };
                goalie ? set(l.Goalies[71]) : set(l.Players[701]);
            });
            frmEditPlayer* card = openFromMain(c, goalie ? 71 : 701, goalie ? True : False);
            EXPECT_EQ(card->chkRookie.Value(), k.ticks[0]) << k.rookie;
            EXPECT_EQ(card->chkNoTrade.Value(), k.ticks[1]) << k.noTrade;
            EXPECT_EQ(card->chkNoApplyRerate.Value(), k.ticks[2]) << k.noRerate;
            // Setting the boxes wrote nothing back.
            if (goalie) {
                EXPECT_EQ(c.league().Goalies[71].Rookie, k.rookie);
            } else {
                EXPECT_EQ(c.league().Players[701].Rookie, k.rookie);
            }
        }
    }
}

// Ratings 70, 71, 73, ... for the skater; 80, 81, ... for the goalie.
void rateInSteps(LeagueData& l) {
    const int16_t skater[15] = {70, 71, 73, 60, 61, 62, 50, 51, 52, 40, 41, 30, 31, 33, 20};
    for (int i = 0; i < 15; ++i) l.Players[701].Ratings[i] = skater[i];
    for (int i = 0; i < 13; ++i) l.Goalies[71].Ratings[i] = static_cast<int16_t>(80 + i);
}

TEST(PlayerCard, RatingColumns) {
    struct Case {
        const char* name;
        Flag showAll, showOverall;
        bool goalie;
        std::vector<Column> columns;  // the overall, when shown, as "?"
    };
    const std::vector<Case> cases = {
        {"grouped skater",
         0,
         True,
         false,
         {{"IT", "71"},
          {"PY", "61"},
          {"PC", "51"},
          {"SC", "40"},
          {"DF", "41"},
          {"ME", "31"},
          {"PO", "20"},
          {"OV", "?"}}},
        {"grouped goalie",
         0,
         True,
         true,
         {{"PH", "82"},
          {"RD", "85"},
          {"SC", "86"},
          {"HS", "87"},
          {"RT", "88"},
          {"ME", "90"},
          {"PO", "92"},
          {"OV", "?"}}},
        {"grouped without the overall",
         0,
         1,
         false,
         {{"IT", "71"}, {"PY", "61"}, {"PC", "51"}, {"SC", "40"}, {"DF", "41"}, {"ME", "31"}, {"PO", "20"}}},
        // Any switch other than 0 shows stored ratings, but only -1 shows all of them.
        {"ShowAllRatings 1, skater",
         1,
         True,
         false,
         {{"CK", "70"},
          {"FG", "71"},
          {"DI", "73"},
          {"SK", "60"},
          {"ST", "61"},
          {"DU", "62"},
          {"PH", "50"},
          {"OV", "?"}}},
        {"ShowAllRatings 1, goalie",
         1,
         True,
         true,
         {{"SK", "80"},
          {"DU", "81"},
          {"ST", "82"},
          {"SZ", "83"},
          {"AG", "84"},
          {"RB", "85"},
          {"SC", "86"},
          {"OV", "?"}}},
        {"every goalie rating",
         True,
         True,
         true,
         {{"SK", "80"},
          {"DU", "81"},
          {"ST", "82"},
          {"SZ", "83"},
          {"AG", "84"},
          {"RB", "85"},
          {"SC", "86"},
          {"HS", "87"},
          {"RT", "88"},
          {"EX", "89"},
          {"LD", "90"},
          {"MO", "91"},
          {"PO", "92"},
          {"OV", "?"}}},
    };
    for (const Case& k : cases) {
        MarketClient c(rateInSteps);
        c.useRatings(k.showAll, k.showOverall);
        const int16_t number = k.goalie ? 71 : 701;
        frmEditPlayer* card = openFromMain(c, number, k.goalie ? True : False);
        ASSERT_NE(card, nullptr) << k.name;
        std::vector<Column> expected = k.columns;
        if (!expected.empty() && expected.back().value == "?")
            expected.back().value = std::to_string(PlayerOverall(c.env(), k.goalie ? 5 : 1, number));
        EXPECT_EQ(shownColumns(*card), expected) << k.name;
        EXPECT_THAT(c.dialogs.messages(), IsEmpty()) << k.name;
    }
}

TEST(PlayerCard, EverySkaterRatingWithTheOverallInColumnSixteen) {
    MarketClient c(rateInSteps);
    c.useRatings(True, True);
    frmEditPlayer* card = openFromMain(c, 701, False);
    const std::vector<Column> shown = shownColumns(*card);
    ASSERT_EQ(shown.size(), 16u);
    const char* captions[15] = {"CK", "FG", "DI", "SK", "ST", "DU", "PH", "FO",
                                "PA", "SC", "DF", "EX", "LD", "MO", "PO"};
    for (int i = 0; i < 15; ++i) {
        EXPECT_EQ(shown[i].caption, captions[i]);
        EXPECT_EQ(shown[i].value, std::to_string(c.league().Players[701].Ratings[i]));
    }
    EXPECT_EQ(shown[15], (Column{"OV", std::to_string(PlayerOverall(c.env(), 1, 701))}));
}

TEST(PlayerCard, ASkaterWithoutPositionIsMadeACenterOnceAtAnyOpening) {
    MarketClient c([](LeagueData& l) {
        l.Players[1202].Position = 0;
        l.Players[1202].Name = "Jon Vik ";
        l.Players[1201].Position = 7;
        // Records not in use are left as they are.
        leaguewriter::AddSkater(l, 3000, 0, pos::C).Position = 0;
        l.Players[3000].InUse = False;
    });
    // Opening the card of somebody else announces both, in record order.
    frmEditPlayer* card = openFromMain(c, 701, False);
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(c.dialogs.messages(), ElementsAre("Skater 1201 has no position! He's now center.",
                                                  "Jon Vik has no position! He's now center."));
    for (const auto& box : c.dialogs.shown()) {
        EXPECT_EQ(box.icon(), mb::Exclamation);
        EXPECT_EQ(box.title, ProductName);
    }
    EXPECT_EQ(c.league().Players[1201].Position, 1);
    EXPECT_EQ(c.league().Players[1202].Position, 1);
    EXPECT_EQ(c.league().Players[3000].Position, 0);
    EXPECT_EQ(c.state().DataChanged, False);
    EXPECT_EQ(card->txtName.Text(), "Skater 701");

    ASSERT_TRUE(c.click(card->cmdExit));
    c.dialogs.clear();
    card = openFromMain(c, 1202, False);
    ASSERT_NE(card, nullptr);
    EXPECT_THAT(c.dialogs.messages(), IsEmpty());
    EXPECT_THAT(entries(card->lstPlayer), ElementsAre("Jon Vik (C)"));
    EXPECT_TRUE(card->optPosition(1).Value());
}

TEST(PlayerCard, ANumberMatchingNoRecordInUseGivesAnEmptyReadOnlyCard) {
    struct Case {
        const char* name;
        int16_t number;
        Flag goalie;
        std::function<void(LeagueData&)> change;
    };
    const Case cases[] = {
        {"no such skater", 999, False, {}},
        {"a goalie number asked as a skater", 121, False, {}},
        {"a skater number asked as a goalie", 701, True, {}},
        {"ShowGoalie neither 0 nor -1", 701, 1, {}},
        {"an entry-draft candidate's key", 10003, True, {}},
        // The record is matched by the number it holds, not by its place.
        {"a record holding another number", 703, False, [](LeagueData& l) { l.Players[703].Number = 9703; }},
        {"a record not in use", 703, False, [](LeagueData& l) { l.Players[703].InUse = False; }},
    };
    for (const Case& k : cases) {
        MarketClient c(k.change);
        frmEditPlayer* card = openFromMain(c, k.number, k.goalie);
        ASSERT_NE(card, nullptr) << k.name;
        EXPECT_TRUE(card->Visible()) << k.name;
        EXPECT_EQ(card->lstPlayer.ListCount(), 0) << k.name;
        EXPECT_EQ(card->txtName.Text(), "") << k.name;
        EXPECT_EQ(card->txtTeam.Text(), "") << k.name;
        EXPECT_THAT(shownColumns(*card), IsEmpty()) << k.name;
        EXPECT_EQ(card->Caption(), Title + " - Show Player") << k.name;
        EXPECT_EQ(c.state().CurrentPlayerIndex, k.number) << k.name;
        EXPECT_THAT(c.dialogs.messages(), IsEmpty()) << k.name;
        expectReadOnly(*card);
    }
}

TEST(PlayerCard, NumberZeroListsEveryoneInUseAndShowsTheFirstEntry) {
    MarketClient c;
    frmEditPlayer* card = openFromMain(c, 0, False);
    ASSERT_NE(card, nullptr);
    // 18 skaters and 2 goalies of team 7, 2 skaters and a goalie of team 12.
    EXPECT_EQ(card->lstPlayer.ListCount(), 23);
    EXPECT_EQ(card->lstPlayer.ListIndex(), 0);
    const int32_t key = card->lstPlayer.ItemData(0);
    EXPECT_EQ(c.state().CurrentPlayerIndex, key / 10);
    EXPECT_EQ(card->ShownKind(), key % 10);
    EXPECT_EQ(card->txtName.Text() + " (" + c.state().PositionNames[key % 10] + ")", card->lstPlayer.List(0));
    expectReadOnly(*card);
    EXPECT_EQ(c.state().EditGuard, False);
}

TEST(PlayerCard, AFailedDisplayKeepsWhatItFilledReleasesTheGuardAndEndsReadOnly) {
    struct Case {
        const char* name;
        std::function<void(LeagueData&)> change;
        Flag showAll;
        std::string box;
        std::string team;
        bool flagsSet;
    };
    const Case cases[] = {
        {"a team beyond the league", [](LeagueData& l) { l.Players[701].Team = 101; }, True,
         "9 - Subscript out of range in LstPlayer_Click", "", false},
        {"a negative team", [](LeagueData& l) { l.Players[701].Team = -3; }, True,
         "9 - Subscript out of range in LstPlayer_Click", "", false},
        {"a group beyond 16 bits", [](LeagueData& l) { l.Players[701].Ratings[0] = 32767; }, 0,
         "6 - Overflow in LstPlayer_Click", TeamName, true},
    };
    for (const Case& k : cases) {
        MarketClient c([&](LeagueData& l) {
            k.change(l);
            l.Players[701].Rookie = True;
        });
        c.useRatings(k.showAll);
        frmEditPlayer* card = openFromMain(c, 701, False);
        ASSERT_NE(card, nullptr) << k.name;
        // Loading shows the entry it finds and then the first entry, the same
        // one: each display fails alike.
        EXPECT_THAT(c.dialogs.messages(), ElementsAre(k.box, k.box)) << k.name;
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical) << k.name;
        EXPECT_EQ(c.state().EditGuard, False) << k.name;
        EXPECT_EQ(card->txtName.Text(), "Skater 701") << k.name;
        EXPECT_EQ(card->txtTeam.Text(), k.team) << k.name;
        EXPECT_EQ(card->chkRookie.Value(), k.flagsSet ? 1 : 0) << k.name;
        EXPECT_THAT(shownColumns(*card), IsEmpty()) << k.name;
        EXPECT_TRUE(card->Visible()) << k.name;
        EXPECT_EQ(card->Caption(), Title + " - Show Player") << k.name;
        expectReadOnly(*card);
    }
}

TEST(PlayerCard, TheGroupSwitchGovernsTheInputs) {
    MarketClient c;
    frmEditPlayer* card = openFromMain(c, 701, False);
    ASSERT_NE(card, nullptr);
    card->chkEdit.setValue(1);
    for (const Control* on : std::initializer_list<const Control*>{
             &card->txtName, &card->txtSuspension, &card->chkNoApplyRerate, &card->optGoaler,
             &card->optPosition(4), &card->txtStats(16), &card->cmdErase})
        EXPECT_TRUE(on->Enabled()) << on->Name();
    card->chkEdit.setValue(0);
    expectReadOnly(*card);
}

TEST(PlayerCard, ClosingReturnsToTheWindowCallerCodeNames) {
    struct Case {
        const char* name;
        int16_t callerCode;
        const char* opener;  // the window loaded first and opening the card; null: the main window
        const char* back;    // the window shown again
    };
    const Case cases[] = {
        {"roster", 2, "frmRoster", "frmRoster"},
        {"free agents", 3, "frmFreeAgentClient", "frmFreeAgentClient"},
        {"draft list", 4, "frmDraft", "frmDraft"},
        {"any other code", 7, nullptr, "frmMain"},
        {"no code", 0, "frmDraft", "frmMain"},
        {"the roster is not loaded", 2, nullptr, "frmMain"},
        {"the free agents are not loaded", 3, "frmDraft", "frmMain"},
        {"the draft list is not loaded", 4, nullptr, "frmMain"},
    };
    for (bool closeBox : {false, true}) {
        for (const Case& k : cases) {
            MarketClient c;
            Form* opener = &c.main();
            if (k.opener) {
                c.state().CurrentTeam = Team;
                const std::string name = k.opener;
                c.app.forms().run(c.main(), "mnu", "Click", [&] {
                    WindowOpeners& o = c.app.openers();
                    if (name == "frmRoster") o.roster(c.main());
                    if (name == "frmFreeAgentClient") o.freeAgents(c.main());
                    if (name == "frmDraft") o.draftList(c.main());
                });
                opener = FindLoadedWindow(c.app.forms(), name);
                ASSERT_NE(opener, nullptr) << k.name;
            }
            frmEditPlayer* card = c.openCard<frmEditPlayer>(*opener, 702, False, k.callerCode);
            ASSERT_NE(card, nullptr) << k.name;
            EXPECT_FALSE(opener->Visible()) << k.name;

            ASSERT_TRUE(closeBox ? c.user.closeWindow(*card) : c.click(card->cmdExit)) << k.name;
            EXPECT_EQ(c.window<frmEditPlayer>(), nullptr) << k.name;
            Form* back = FindLoadedWindow(c.app.forms(), k.back);
            ASSERT_NE(back, nullptr) << k.name;
            EXPECT_TRUE(back->Visible()) << k.name;
            EXPECT_EQ(c.app.forms().activeForm(), back) << k.name;
            for (Form* f : c.app.forms().loadedForms()) {
                if (f != back) {
                    EXPECT_FALSE(f->Visible()) << k.name << " " << f->Name();
                }
            }
            EXPECT_EQ(c.state().CallerCode, k.callerCode) << k.name;
            EXPECT_EQ(c.state().CurrentPlayerIndex, 702) << k.name;
            EXPECT_THAT(c.dialogs.messages(), IsEmpty()) << k.name;
        }
    }
}

TEST(PlayerCard, EachOpeningBuildsTheCardAnew) {
    MarketClient c;
    frmEditPlayer* card = openFromMain(c, 701, False);
    ASSERT_TRUE(c.click(card->cmdExit));
    c.league().Players[701].Salary = 777;
    card = openFromMain(c, 71, True);
    EXPECT_THAT(entries(card->lstPlayer), ElementsAre("Goalie 71 (G)"));
    ASSERT_TRUE(c.click(card->cmdExit));
    card = openFromMain(c, 701, False);
    EXPECT_THAT(entries(card->lstPlayer), ElementsAre("Skater 701 (C)"));
    EXPECT_EQ(card->txtSalary.Text(), "777");
    EXPECT_TRUE(card->optPosition(1).Value());
    EXPECT_FALSE(card->optGoaler.Visible());
}

TEST(PlayerCard, EveryControlLiesInsideTheWindowWithoutOverlapping) {
    MarketClient c;
    frmEditPlayer& s = *openFromMain(c, 701, False);
    struct Box {
        const Control* c;
        int left, top, right, bottom;
    };
    std::vector<Box> boxes;
    for (const Control* k : s.tabOrder()) {
        int left = k->Left(), top = k->Top();
        if (k->Container() == &s.Frame1) {
            EXPECT_LE(k->Left() + k->Width(), s.Frame1.Width()) << k->Name() << k->Index();
            EXPECT_LE(k->Top() + k->Height(), s.Frame1.Height()) << k->Name() << k->Index();
            left += s.Frame1.Left();
            top += s.Frame1.Top();
        }
        boxes.push_back({k, left, top, left + k->Width(), top + k->Height()});
    }
    for (const Box& b : boxes) {
        EXPECT_GT(b.c->Width(), 0) << b.c->Name();
        EXPECT_LE(b.right, s.Width() - 120) << b.c->Name();
        EXPECT_LE(b.bottom, s.Height() - 345) << b.c->Name();
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        for (std::size_t j = i + 1; j < boxes.size(); ++j) {
            const Box &a = boxes[i], &b = boxes[j];
            if (a.c == &s.Frame1 || b.c == &s.Frame1) continue;
            const bool overlap = a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
            EXPECT_FALSE(overlap) << a.c->Name() << a.c->Index() << " and " << b.c->Name() << b.c->Index();
        }
}

}  // namespace
}  // namespace dravik::test
