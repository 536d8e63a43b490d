// The free-agent offers window: opening and the offer limit, the list and
// its filter, what a selection shows, the young-player rule, the offer
// boxes and the order in which leaving them stores, the search, the card
// and the way back, and saving from the window.

#include "market/frm_free_agent_client.h"

#include <gtest/gtest.h>

#include "league/overall.h"
#include "market/frm_edit_player.h"
#include "support/offers_client.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;

const Lines AllEntries = {"Arne Berg (C)-RFA", "Bjorn Dahl (D)", "Carl Ek (LW)",  "Erik Gran (RW)",
                          "Finn Hauge (LW)-RFA", "Geir Lie (C)-RFA", "Hans Moe (G)*", "Ivar Nes (G)",
                          "Jon Oft (G)*",   "Knut Rud (G)*"};

// The texts of the four offer boxes.
Lines OfferBoxes(frmFreeAgentClient& w) {
    return {w.txtOffer.Text(), w.txtDuration.Text(), w.txtBonus.Text(), w.txtComment.Text()};
}
bool OfferBoxesEnabled(frmFreeAgentClient& w) {
    return w.txtOffer.Enabled() && w.txtDuration.Enabled() && w.txtBonus.Enabled() && w.txtComment.Enabled();
}
bool OfferBoxesDisabled(frmFreeAgentClient& w) {
    return !w.txtOffer.Enabled() && !w.txtDuration.Enabled() && !w.txtBonus.Enabled() && !w.txtComment.Enabled();
}
// Captions and values of the rating columns shown.
Lines Columns(frmFreeAgentClient& w) {
    Lines out;
    for (int k = 1; k <= 16; ++k)
        if (w.lblStatLabel(k).Visible()) out.push_back(w.lblStatLabel(k).Caption() + "=" + w.txtStats(k).Text());
    return out;
}

// ---------------------------------------------------------------------------
// Opening.

TEST(FreeAgentWindow, OpensWithTheTeamTheLimitAndEveryFreeAgentSortedByName) {
    OffersClient c;
    c.state().FreeAgentOffers[person::Carl].Salary = 900000;  // left by an earlier opening
    frmFreeAgentClient* w = c.openOffers();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->Visible());
    EXPECT_FALSE(c.main().Visible());
    EXPECT_EQ(w->Caption(), std::string(ProductName) + " - Halden.zcl - Free Agent Client");
    EXPECT_EQ(w->lblTeam.Caption(), "Free Agents Offer For : Halden Ravens");
    EXPECT_EQ(w->lblMaxOffer.Caption(), "You can make 10 offers in total.");
    EXPECT_EQ(w->lblInfo.Caption(),
              "Don't use a comma, a period or a dollar sign ($) in the salary, duration and bonus text box. -- You "
              "need to fill the salary and duration textbox for a offer to be save.");
    EXPECT_EQ(w->chkShowPlayerWithOffer.Caption(), "Show players who has received an offer only");
    EXPECT_EQ(w->chkShowPlayerWithOffer.Value(), 0);
    EXPECT_EQ(c.entries(), AllEntries);
    EXPECT_EQ(w->lstPlayers.ItemData(6), 10007);
    // The first entry is shown as a click shows it, and its offer opened.
    EXPECT_EQ(w->lstPlayers.ListIndex(), 0);
    EXPECT_EQ(w->SelectedOfferPlayer, person::Arne);
    EXPECT_EQ(c.offer(person::Arne).Player, person::Arne);
    EXPECT_EQ(OfferBoxes(*w), (Lines{"0", "0", "0", ""}));
    EXPECT_TRUE(OfferBoxesEnabled(*w));
    EXPECT_EQ(c.offer(person::Carl), FreeAgentOffer{});
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(FreeAgentWindow, ControlsFollowTheirTabOrderAndTypingLimits) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    Lines order;
    for (Control* control : w.tabOrder())
        if (control->focusable() && control->Name() != "txtStats") order.push_back(control->Name());
    EXPECT_EQ(order, (Lines{"lstPlayers", "txtOffer", "txtDuration", "txtBonus", "txtComment", "cmdExit",
                            "cmdSaveToFile", "cmdSearch", "txtAge", "txtSalary", "chkShowPlayerWithOffer"}));
    EXPECT_EQ(w.txtOffer.MaxLength(), 10);
    EXPECT_EQ(w.txtDuration.MaxLength(), 1);
    EXPECT_EQ(w.txtBonus.MaxLength(), 10);
    EXPECT_EQ(w.txtComment.MaxLength(), 1000);
    EXPECT_TRUE(w.txtComment.MultiLine());
    EXPECT_EQ(w.txtAge.MaxLength(), 2);
    EXPECT_EQ(w.txtSalary.MaxLength(), 9);
    EXPECT_EQ(w.txtStats(16).MaxLength(), 2);
    EXPECT_EQ(w.Frame1.Caption(), "Stats");
    EXPECT_EQ(w.lblPlayer.Caption(), "Players");
    EXPECT_EQ(w.Label5.Caption(), "Comments: (Max 1000 Characters)");
}

struct LimitCase {
    const char* name;
    int16_t base, teamCount;
    const char* caption;
    int16_t maxOffers, baseAfter;
};
void PrintTo(const LimitCase& c, std::ostream* os) { *os << c.name; }

class OutsideTheOffSeason : public ::testing::TestWithParam<LimitCase> {};

TEST_P(OutsideTheOffSeason, TheLimitIsTheBaseLessTheTeamsCount) {
    const LimitCase& p = GetParam();
    OffersClient c([&](LeagueData& l) {
        l.League.OffSeason = False;
        l.League.OfferLimitBase = p.base;
        l.Teams[Team].OfferLimitTeamCount = p.teamCount;
    });
    frmFreeAgentClient& w = *c.openOffers();
    EXPECT_EQ(w.lblMaxOffer.Caption(), p.caption);
    EXPECT_EQ(c.league().League.MaxOffers, p.maxOffers);
    EXPECT_EQ(c.league().League.OfferLimitBase, p.baseAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OutsideTheOffSeason,
    ::testing::Values(
        LimitCase{"ABaseOfZeroMeansAHundred", 0, 3, "You can make 97 offers to players you do not owned.", 97, 100},
        LimitCase{"TheLeaguesBase", 5, 2, "You can make 3 offers to players you do not owned.", 3, 5},
        LimitCase{"ACountPastTheBase", 5, 7, "You can make -2 offers to players you do not owned.", -2, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FreeAgentWindow, ALimitPastSixteenBitsEndsTheOpeningWithTheOffersCleared) {
    OffersClient c([](LeagueData& l) {
        l.League.OffSeason = False;
        l.League.OfferLimitBase = -32000;
        l.Teams[Team].OfferLimitTeamCount = 1000;
    });
    c.state().FreeAgentOffers[person::Carl] = FreeAgentOffer{person::Carl, OtherTeam, 900000, 2, 0, {}};
    frmFreeAgentClient& w = *c.openOffers();
    EXPECT_EQ(c.dialogs.messages(), Lines{"6 - Overflow in FormLoad frmFreeAgentClient!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(c.offer(person::Carl), FreeAgentOffer{});
    EXPECT_EQ(w.lstPlayers.ListCount(), 0);
}

TEST(FreeAgentWindow, WithoutAValidTeamItOpensEmptyAndItsBoxesStoreNothing) {
    OffersClient c;
    c.state().CurrentTeam = 0;
    c.state().FreeAgentOffers[person::Carl] = FreeAgentOffer{person::Carl, 0, 900000, 2, 0, {}};
    frmFreeAgentClient& w = *c.openOffers();
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_TRUE(w.Visible());
    EXPECT_EQ(w.lstPlayers.ListCount(), 0);
    EXPECT_EQ(w.lblTeam.Caption(), "Free Agents Offer For :");
    c.dialogs.clear();
    for (TextBox* box : {&w.txtOffer, &w.txtDuration, &w.txtBonus, &w.txtComment}) c.enter(*box, "12-");
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(c.offer(person::Carl).Salary, 900000);
}

// ---------------------------------------------------------------------------
// The list.

TEST(FreeAgentWindow, WhoIsListed) {
    OffersClient c([](LeagueData& l) {
        l.League.ListUnsignedFreeAgents = False;
        l.Players[person::Bjorn].InUse = False;
        l.Players[person::Arne].Position = 7;  // no position: left out, the rest listed
    });
    c.openOffers();
    EXPECT_EQ(c.entries(), (Lines{"Finn Hauge (LW)-RFA", "Geir Lie (C)-RFA", "Hans Moe (G)*", "Knut Rud (G)*"}));
    // The first entry shown is a young player of another team.
    EXPECT_EQ(c.dialogs.messages(), Lines{"Finn Hauge is not allowed to sign with another team that Norrvik Pike."});
}

TEST(FreeAgentWindow, TheFilterListsOnlyMadeOffers) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    ASSERT_TRUE(c.user.click(w.chkShowPlayerWithOffer));
    EXPECT_EQ(w.lstPlayers.ListCount(), 0);
    EXPECT_EQ(OfferBoxes(w), (Lines{"", "", "", ""}));
    EXPECT_EQ(w.txtAge.Text(), "");
    EXPECT_EQ(w.txtSalary.Text(), "");
    EXPECT_EQ(w.txtStats(1).Text(), "");
    EXPECT_TRUE(OfferBoxesDisabled(w));
    // A double click on the empty list opens nothing.
    c.app.forms().run(w, "lstPlayers", "DblClick", w.lstPlayers.DblClick);
    EXPECT_EQ(c.window<frmEditPlayer>(), nullptr);

    ASSERT_TRUE(c.user.click(w.chkShowPlayerWithOffer));
    c.offerTo("Hans Moe (G)*", "100000", "1");
    c.offerTo("Carl Ek (LW)", "99999", "1");  // raised to the minimum: made
    c.offerTo("Bjorn Dahl (D)", "500000", "0");
    ASSERT_TRUE(c.user.click(w.chkShowPlayerWithOffer));
    EXPECT_EQ(c.entries(), (Lines{"Carl Ek (LW)", "Hans Moe (G)*"}));
    EXPECT_TRUE(OfferBoxesEnabled(w));
    EXPECT_EQ(OfferBoxes(w), (Lines{"100000", "1", "0", ""}));

    c.enter(w.txtDuration, "0");
    ASSERT_TRUE(c.user.click(w.chkShowPlayerWithOffer));
    ASSERT_TRUE(c.user.click(w.chkShowPlayerWithOffer));
    EXPECT_EQ(c.entries(), Lines{"Hans Moe (G)*"});
}

// ---------------------------------------------------------------------------
// What a selection shows.

struct ShownCase {
    const char* name;
    const char* entry;
    const char* age;
    const char* salary;
    const char* status;
};
void PrintTo(const ShownCase& c, std::ostream* os) { *os << c.name; }

class SelectingAnEntry : public ::testing::TestWithParam<ShownCase> {};

TEST_P(SelectingAnEntry, ShowsAgeSalaryAndStatus) {
    const ShownCase& p = GetParam();
    OffersClient c([](LeagueData& l) {
        l.Players[person::Bjorn].Salary = 1250000;
        l.Goalies[8].Salary = 0;
    });
    frmFreeAgentClient& w = *c.openOffers();
    ASSERT_TRUE(c.pick(p.entry));
    EXPECT_EQ(w.txtAge.Text(), p.age);
    EXPECT_EQ(w.txtSalary.Text(), p.salary);
    EXPECT_EQ(w.lblStatus.Caption(), p.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectingAnEntry,
    ::testing::Values(ShownCase{"AYoungSkaterOfATeamIsRestricted", "Arne Berg (C)-RFA", "24", "500000", "Status : RFA"},
                      ShownCase{"AnOlderOneIsUnrestricted", "Bjorn Dahl (D)", "30", "1250000", "Status : UFA"},
                      ShownCase{"ATeamlessSkaterIsUnrestricted", "Carl Ek (LW)", "22", "500000", "Status : UFA"},
                      ShownCase{"AGoalieOfATeam", "Hans Moe (G)*", "24", "500000", "Status : RFA"},
                      ShownCase{"ATeamlessYoungGoalieIsUnrestricted", "Jon Oft (G)*", "19", "0", "Status : UFA"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FreeAgentWindow, FullRatingsWithTheOverallAndNoColumnLeftFromTheOnePersonBefore) {
    OffersClient c([](LeagueData& l) {
        for (int k = 0; k < 15; ++k) l.Players[person::Arne].Ratings[k] = static_cast<int16_t>(50 + k);
        for (int k = 0; k < 13; ++k) l.Goalies[7].Ratings[k] = static_cast<int16_t>(70 + k);
    });
    frmFreeAgentClient& w = *c.openOffers();
    const std::string skaterOverall = std::to_string(PlayerOverall(c.env(), pos::C, person::Arne));
    EXPECT_EQ(Columns(w), (Lines{"CK=50", "FG=51", "DI=52", "SK=53", "ST=54", "DU=55", "PH=56", "FO=57", "PA=58",
                                 "SC=59", "DF=60", "EX=61", "LD=62", "MO=63", "PO=64", "OV=" + skaterOverall}));
    ASSERT_TRUE(c.pick("Hans Moe (G)*"));
    const std::string goalieOverall = std::to_string(PlayerOverall(c.env(), pos::G, 7));
    EXPECT_EQ(Columns(w), (Lines{"SK=70", "DU=71", "ST=72", "SZ=73", "AG=74", "RB=75", "SC=76", "HS=77", "RT=78",
                                 "EX=79", "LD=80", "MO=81", "PO=82", "OV=" + goalieOverall}));
}

TEST(FreeAgentWindow, GroupedRatingsOfAnyNonZeroSettingShowTheFullSetAndZeroTheGroups) {
    for (const int16_t setting : {int16_t{1}, int16_t{0}}) {
        SCOPED_TRACE(setting);
        OffersClient c([&](LeagueData& l) {
            l.League.ShowAllRatings = setting;
            l.League.ShowOverallColumn = setting == 0 ? True : False;
            for (int k = 0; k < 15; ++k) l.Players[person::Arne].Ratings[k] = static_cast<int16_t>(50 + k);
        });
        // A league load shows 7 columns for any setting but -1.
        c.state().SkaterStatCount = 7;
        c.state().GoalieStatCount = 7;
        frmFreeAgentClient& w = *c.openOffers();
        if (setting == 1) {
            EXPECT_EQ(Columns(w), (Lines{"CK=50", "FG=51", "DI=52", "SK=53", "ST=54", "DU=55", "PH=56"}));
        } else {
            const std::string overall = std::to_string(PlayerOverall(c.env(), pos::C, person::Arne));
            EXPECT_EQ(Columns(w), (Lines{"IT=51", "PY=54", "PC=57", "SC=59", "DF=60", "ME=62", "PO=64",
                                         "OV=" + overall}));
        }
    }
}

// ---------------------------------------------------------------------------
// The young-player rule.

struct YoungCase {
    const char* name;
    const char* entry;
    int16_t key;
    const char* refusal;  // null: the offer opens
};
void PrintTo(const YoungCase& c, std::ostream* os) { *os << c.name; }

class YoungPlayer : public ::testing::TestWithParam<YoungCase> {};

TEST_P(YoungPlayer, OfAnotherTeamCannotBeOfferedAnything) {
    const YoungCase& p = GetParam();
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    w.txtComment.setText("typed before");
    ASSERT_TRUE(c.pick(p.entry));
    if (p.refusal) {
        EXPECT_EQ(c.dialogs.messages(), Lines{p.refusal});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
        EXPECT_EQ(OfferBoxes(w), (Lines{"0", "0", "0", ""}));
        EXPECT_TRUE(OfferBoxesDisabled(w));
        EXPECT_EQ(c.offer(p.key).Player, 0);
        // The next person the rule lets through opens again.
        c.dialogs.clear();
        ASSERT_TRUE(c.pick("Carl Ek (LW)"));
        EXPECT_TRUE(OfferBoxesEnabled(w));
        EXPECT_TRUE(c.dialogs.shown().empty());
    } else {
        EXPECT_TRUE(c.dialogs.shown().empty());
        EXPECT_TRUE(OfferBoxesEnabled(w));
        EXPECT_EQ(c.offer(p.key).Player, p.key);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, YoungPlayer,
    ::testing::Values(
        YoungCase{"ASkater", "Finn Hauge (LW)-RFA", person::Finn,
                  "Finn Hauge is not allowed to sign with another team that Norrvik Pike."},
        YoungCase{"AGoalie", "Knut Rud (G)*", person::Knut,
                  "Knut Rud is not allowed to sign with another team that Norrvik Pike."},
        YoungCase{"OfTheTeamItselfIsFree", "Geir Lie (C)-RFA", person::Geir, nullptr},
        YoungCase{"WithoutATeamIsFree", "Jon Oft (G)*", person::Jon, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// The offer boxes.

enum class Box { Offer, Duration, Bonus, Comment };

struct InputCase {
    const char* name;
    Box box;
    const char* typed;
    Lines messages;
    bool kept;  // the focus stays in the box
    // The offer afterwards: salary, duration, bonus (from 300000, 2, 1000).
    int32_t salary;
    int16_t duration;
    int32_t bonus;
    const char* boxText;  // the box's text afterwards
};
void PrintTo(const InputCase& c, std::ostream* os) { *os << c.name; }

class OfferInput : public ::testing::TestWithParam<InputCase> {};

TEST_P(OfferInput, IsCheckedWhenItsBoxIsLeft) {
    const InputCase& p = GetParam();
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.state().FreeAgentOffers[person::Arne] = FreeAgentOffer{person::Arne, 0, 300000, 2, 1000, {}};
    ASSERT_TRUE(c.pick("Bjorn Dahl (D)"));
    ASSERT_TRUE(c.pick("Arne Berg (C)-RFA"));
    TextBox* boxes[] = {&w.txtOffer, &w.txtDuration, &w.txtBonus, &w.txtComment};
    TextBox& box = *boxes[static_cast<int>(p.box)];
    c.enter(box, p.typed);
    EXPECT_EQ(c.dialogs.messages(), p.messages);
    EXPECT_EQ(box.hasFocus(), p.kept);
    const FreeAgentOffer& o = c.offer(person::Arne);
    EXPECT_EQ(o.Salary, p.salary);
    EXPECT_EQ(o.Duration, p.duration);
    EXPECT_EQ(o.Bonus, p.bonus);
    EXPECT_EQ(box.Text(), p.boxText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OfferInput,
    ::testing::Values(
        InputCase{"ASalary", Box::Offer, "750000", {}, false, 750000, 2, 1000, "750000"},
        InputCase{"AboveTheMaximum", Box::Offer, "10000001", {"Maximum Salary is $10,000,000"}, false, 10000000, 2,
                  1000, "10000000"},
        InputCase{"BelowTheMinimum", Box::Offer, "99999", {"Minimum Salary is $100,000"}, false, 100000, 2, 1000,
                  "100000"},
        InputCase{"Negative", Box::Offer, "-5", {"Minimum Salary is $100,000"}, false, 100000, 2, 1000, "100000"},
        InputCase{"ZeroKeepsTheSalary", Box::Offer, "0", {}, false, 300000, 2, 1000, "0"},
        InputCase{"AnEmptySalary", Box::Offer, "", {"No Valid Input!"}, true, 300000, 2, 1000, ""},
        InputCase{"ALoneMinus", Box::Offer, "-", {"No Valid Input!"}, true, 300000, 2, 1000, "-"},
        InputCase{"AMinusAfterTheDigits", Box::Offer, "12-", {"13 - Type mismatch in txtOffer LostFocus."}, false,
                  300000, 2, 1000, "12-"},
        InputCase{"AMinusBetweenDigits", Box::Offer, "1-2", {"13 - Type mismatch in txtOffer LostFocus."}, false,
                  300000, 2, 1000, "1-2"},
        InputCase{"PastThirtyTwoBits", Box::Offer, "2147483648", {"6 - Overflow in txtOffer LostFocus."}, false,
                  300000, 2, 1000, "2147483648"},
        InputCase{"ALetter", Box::Offer, "12k", {"Only numbers are allowed in that textbox!"}, true, 300000, 2, 1000,
                  "12k"},
        InputCase{"ADuration", Box::Duration, "7", {}, false, 300000, 7, 1000, "7"},
        InputCase{"ADurationTakesOneCharacter", Box::Duration, "12", {}, false, 300000, 1, 1000, "1"},
        InputCase{"ADurationOfAMinus", Box::Duration, "-", {"No Valid Input!"}, true, 300000, 2, 1000, "-"},
        InputCase{"AnEmptyDuration", Box::Duration, "", {"No Valid Input!"}, true, 300000, 2, 1000, ""},
        InputCase{"ANegativeBonus", Box::Bonus, "-5000", {}, false, 300000, 2, -5000, "-5000"},
        InputCase{"ABonusPastThirtyTwoBits", Box::Bonus, "2147483648", {"6 - Overflow in txtBonus LostFocus."},
                  false, 300000, 2, 1000, "2147483648"},
        InputCase{"ABonusWithAMinusAfter", Box::Bonus, "12-", {"13 - Type mismatch in txtBonus LostFocus."}, false,
                  300000, 2, 1000, "12-"},
        InputCase{"AnEmptyBonus", Box::Bonus, "", {"No Valid Input!"}, true, 300000, 2, 1000, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FreeAgentWindow, AMinimumAboveTheMaximumShowsBothBoundsAndStoresTheMinimum) {
    OffersClient c([](LeagueData& l) {
        l.League.MinSalary = 2000000;
        l.League.MaxSalary = 1000000;
    });
    frmFreeAgentClient& w = *c.openOffers();
    c.enter(w.txtOffer, "3000000");
    EXPECT_EQ(c.dialogs.messages(), (Lines{"Maximum Salary is $1,000,000", "Minimum Salary is $2,000,000"}));
    EXPECT_EQ(c.offer(person::Arne).Salary, 2000000);
    EXPECT_EQ(w.txtOffer.Text(), "2000000");
}

TEST(FreeAgentWindow, TheCommentTakesNumbersLettersBlanksAndPeriodsOnly) {
    const std::pair<const char*, bool> cases[] = {
        {"Fast. Strong 2 way player", true},
        {"", true},
        {"Good hands, fast", false},
        {"Line one\r\nLine two", false},
    };
    for (const auto& [typed, stored] : cases) {
        SCOPED_TRACE(typed);
        OffersClient c;
        frmFreeAgentClient& w = *c.openOffers();
        c.enter(w.txtComment, typed);
        if (stored) {
            EXPECT_TRUE(c.dialogs.shown().empty());
            EXPECT_EQ(c.offer(person::Arne).Comment.raw(), typed + std::string(1000 - std::strlen(typed), ' '));
        } else {
            EXPECT_EQ(c.dialogs.messages(), Lines{"Only numbers, letters and spaces are allowed in that textbox!"});
            EXPECT_TRUE(w.txtComment.hasFocus());
            EXPECT_EQ(c.offer(person::Arne).Comment, FixedText<1000>{});
        }
    }
}

TEST(FreeAgentWindow, AStoredOfferIsShownAgainWithItsCommentTrimmed) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.offerTo("Arne Berg (C)-RFA", "750000", "3", "25000");
    c.enter(w.txtComment, "  Captain material  ");
    ASSERT_TRUE(c.pick("Bjorn Dahl (D)"));
    EXPECT_EQ(OfferBoxes(w), (Lines{"0", "0", "0", ""}));
    ASSERT_TRUE(c.pick("Arne Berg (C)-RFA"));
    EXPECT_EQ(OfferBoxes(w), (Lines{"750000", "3", "25000", "Captain material"}));
}

TEST(FreeAgentWindow, LeavingABoxForAnotherEntryStoresIntoTheOfferShownBefore) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.user.typeText(w.txtOffer, "650000");
    ASSERT_TRUE(c.pick("Hans Moe (G)*"));
    EXPECT_EQ(c.offer(person::Arne).Salary, 650000);
    EXPECT_EQ(c.offer(person::Hans).Salary, 0);
    EXPECT_EQ(w.txtOffer.Text(), "0");
}

TEST(FreeAgentWindow, GoalieOneThousandTakesTheLastOffer) {
    OffersClient c;
    c.openOffers();
    c.offerTo("Ivar Nes (G)", "400000", "2", "0");
    EXPECT_EQ(c.agents().SelectedOfferPlayer, person::Ivar);
    EXPECT_EQ(c.offer(11000), (FreeAgentOffer{11000, 0, 400000, 2, 0, {}}));
}

// ---------------------------------------------------------------------------
// The search.

struct SearchCase {
    const char* name;
    const char* typed;
    const char* selected;
    Lines messages;
};
void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.name; }

class Search : public ::testing::TestWithParam<SearchCase> {};

TEST_P(Search, SelectsTheFirstEntryThatHoldsTheText) {
    const SearchCase& p = GetParam();
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    ASSERT_TRUE(c.pick("Ivar Nes (G)"));
    c.dialogs.answerInput(p.typed);
    ASSERT_TRUE(c.user.click(w.cmdSearch));
    ASSERT_FALSE(c.dialogs.shown().empty());
    EXPECT_EQ(c.dialogs.shown()[0].prompt, "Complete or Part of the Player Name?");
    EXPECT_EQ(c.dialogs.shown()[0].title, "Player Search");
    EXPECT_EQ(c.dialogs.messages(), p.messages);
    EXPECT_EQ(w.lstPlayers.List(w.lstPlayers.ListIndex()), p.selected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Search,
    ::testing::Values(SearchCase{"NothingTypedFindsTheFirst", "", "Arne Berg (C)-RFA", {}},
                      SearchCase{"APartOfAName", "Moe", "Hans Moe (G)*", {}},
                      SearchCase{"LetterCaseCounts", "hans", "Ivar Nes (G)", {"Player not found!"}},
                      SearchCase{"TheMarkIsPartOfTheText", "RFA", "Arne Berg (C)-RFA", {}},
                      SearchCase{"SoIsThePosition", "(LW)", "Carl Ek (LW)", {}},
                      SearchCase{"NoneHoldsIt", "Zed", "Ivar Nes (G)", {"Player not found!"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FreeAgentWindow, AFoundEntryIsShownAsAClickShowsIt) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.dialogs.answerInput("Dahl");
    ASSERT_TRUE(c.user.click(w.cmdSearch));
    EXPECT_EQ(w.SelectedOfferPlayer, person::Bjorn);
    EXPECT_EQ(w.txtAge.Text(), "30");
    EXPECT_EQ(c.offer(person::Bjorn).Player, person::Bjorn);
}

// ---------------------------------------------------------------------------
// The card, closing and opening again.

TEST(FreeAgentWindow, TheCardIsOpenedForTheEntryAndTheOffersOutliveIt) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.offerTo("Arne Berg (C)-RFA", "750000", "3");
    const struct {
        const char* entry;
        int16_t index;
        Flag goalie;
    } cases[] = {{"Hans Moe (G)*", 7, True}, {"Ivar Nes (G)", 1000, True}, {"Bjorn Dahl (D)", 6, False}};
    for (const auto& card : cases) {
        SCOPED_TRACE(card.entry);
        ListBox& list = w.lstPlayers;
        int at = 0;
        while (list.List(at) != card.entry) ++at;
        ASSERT_TRUE(c.user.doubleClickItem(list, at));
        EXPECT_EQ(c.state().CurrentPlayerIndex, card.index);
        EXPECT_EQ(c.state().ShowGoalie, card.goalie);
        EXPECT_EQ(c.state().CallerCode, 3);
        frmEditPlayer* shown = c.window<frmEditPlayer>();
        ASSERT_NE(shown, nullptr);
        EXPECT_TRUE(shown->Visible());
        EXPECT_FALSE(w.Visible());
        ASSERT_TRUE(c.click(shown->cmdExit));
        EXPECT_EQ(c.window<frmEditPlayer>(), nullptr);
        EXPECT_TRUE(w.Visible());
    }
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(w.lstPlayers.List(w.lstPlayers.ListIndex()), "Bjorn Dahl (D)");
    EXPECT_EQ(c.offer(person::Arne).Salary, 750000);
    ASSERT_TRUE(c.pick("Arne Berg (C)-RFA"));
    EXPECT_EQ(OfferBoxes(w), (Lines{"750000", "3", "0", ""}));
}

TEST(FreeAgentWindow, ExitReturnsToTheMainWindowAndTheNextOpeningClearsTheOffers) {
    OffersClient c;
    frmFreeAgentClient* w = c.openOffers();
    c.offerTo("Arne Berg (C)-RFA", "750000", "3");
    ASSERT_TRUE(c.user.click(w->cmdExit));
    EXPECT_FALSE(c.app.forms().isLoaded<frmFreeAgentClient>());
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.offer(person::Arne).Salary, 750000);  // until the next opening
    w = c.openOffers();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(c.offer(person::Arne), (FreeAgentOffer{person::Arne, 0, 0, 0, 0, {}}));
    EXPECT_EQ(OfferBoxes(*w), (Lines{"0", "0", "0", ""}));
}

// ---------------------------------------------------------------------------
// Saving from the window.

TEST(FreeAgentWindow, SaveToFilePressedFromATypedBoxStoresItFirst) {
    OffersClient c;
    frmFreeAgentClient& w = *c.openOffers();
    c.enter(w.txtOffer, "750000");
    c.user.typeText(w.txtDuration, "3");
    ASSERT_TRUE(c.user.click(w.cmdSaveToFile));
    EXPECT_EQ(c.offer(person::Arne).Duration, 3);
    ASSERT_EQ(c.dialogs.messages().size(), 1u);
    EXPECT_EQ(c.dialogs.messages()[0],
              "Arne Berg was offer $750,000 for 3 year(s) with $0 in bonus.\r\n"
              "Client league file save for Halden Ravens succesfully at " +
                  c.file("HaldenRavens.zfa") + "\r");
    EXPECT_EQ(readFile(c.file("HaldenRavens.zfa")).size() > 4, true);
}

TEST(FreeAgentWindow, ANegativeLimitStillSavesOffersToTheTeamsOwnPlayers) {
    OffersClient c([](LeagueData& l) {
        l.League.OffSeason = False;
        l.League.OfferLimitBase = 5;
        l.Teams[Team].OfferLimitTeamCount = 8;
    });
    frmFreeAgentClient& w = *c.openOffers();
    EXPECT_EQ(c.league().League.MaxOffers, -3);
    c.offerTo("Geir Lie (C)-RFA", "200000", "2");
    ASSERT_TRUE(c.user.click(w.cmdSaveToFile));
    ASSERT_EQ(c.dialogs.messages().size(), 1u);
    EXPECT_EQ(c.dialogs.messages()[0].rfind("Geir Lie was offer $200,000 for 2 year(s) with $0 in bonus.\r\n", 0),
              0u);
    c.dialogs.clear();
    c.offerTo("Carl Ek (LW)", "200000", "2");
    ASSERT_TRUE(c.user.click(w.cmdSaveToFile));
    EXPECT_EQ(c.dialogs.messages(), Lines{"There is more that -3 offers!"});
}

}  // namespace
}  // namespace dravik::test
