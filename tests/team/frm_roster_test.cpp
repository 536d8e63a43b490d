#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "league/overall.h"
#include "leaguewriter/sample.h"
#include "rules/payroll.h"
#include "rules/waiver.h"
#include "support/roster_client.h"
#include "team/lines_file.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;
constexpr int Farm = 0, Scratches = 1, Pro = 2;

TEST(Roster, OpensWithItsListsCountersAndControls) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(c.dialogs.shown().empty()) << c.dialogs.messages().front();
    EXPECT_EQ(r->Caption(), std::string(RosterClient::Prefix) + " - Halden Ravens - Roster");
    EXPECT_EQ(r->lblTeamName.Caption(), "Roster for Halden Ravens");
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 20");
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 4");
    EXPECT_EQ(r->lblPlayer(Farm).Caption(), "Farm Player = 23");
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Complete");
    // The injured scratch is not healthy.
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 4, 20, 23}));
    EXPECT_FALSE(r->chkProtected.Visible());
    EXPECT_FALSE(r->lblProtectedTotal.Visible());
    for (const CommandButton* b :
         {&r->cmdToScratchesFromFarm, &r->cmdToFarm, &r->cmdToPro, &r->cmdToScratchesFromPro, &r->cmdCaptain,
          &r->cmdAssistant, &r->cmdTradeAvailable})
        EXPECT_FALSE(b->Enabled()) << b->Name();
    EXPECT_TRUE(r->cmdAutoRoster.Enabled());
    EXPECT_TRUE(r->cmdAutoRosterPartial.Enabled());

    // Sorted ignoring case, keyed number and kind; goalies never carry a role.
    const SmallLeague& f = c.fx;
    EXPECT_EQ(c.texts(Scratches), (Lines{"Injured Scratch", "Scratch C", "Scratch D", "Scratch G"}));
    EXPECT_EQ(c.keys(Scratches), (std::vector<int32_t>{f.injuredScratch * 10 + 3, f.scratchC * 10 + 1,
                                                       f.scratchD * 10 + 4, f.scratchG * 10 + 5}));
    EXPECT_EQ(c.roster()->lstPlayer(Pro).List(c.find(Pro, f.pro.C[0])), "Pro C1 (C)");
    EXPECT_EQ(c.roster()->lstPlayer(Pro).List(c.find(Pro, f.pro.D[0])), "Pro D1 (A)");
    EXPECT_EQ(c.roster()->lstPlayer(Pro).List(c.findGoalie(Pro, f.pro.G[0])), "Pro G1");
}

TEST(Roster, ALoadWithTheAutomaticRosterDisabledAndInTheOffSeason) {
    RosterClient c;
    c.fx.rules().AutoMadeDisabled = True;
    c.fx.rules().OffSeason = True;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(r->cmdAutoRoster.Enabled());
    EXPECT_FALSE(r->cmdAutoRosterPartial.Enabled());
    EXPECT_TRUE(r->chkProtected.Visible());
    EXPECT_FALSE(r->chkProtected.Enabled());
    EXPECT_TRUE(r->lblProtectedTotal.Visible());
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 0");
}

TEST(Roster, ABadTeamClosesTheWindowAtOnce) {
    RosterClient c;
    c.place();
    RunMenu(c.app, menu::SetRoster, 0);
    EXPECT_EQ(c.roster(), nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_TRUE(c.main().Visible());
}

// ---------------------------------------------------------------------------
// Filling the lists.

TEST(RosterFill, FarmPlayersBreakingTheFarmLimitsAreRaisedToTheScratches) {
    struct Case {
        const char* what;
        bool goalie;
        int overallAboveLimit;  // the player's overall minus FarmMaxOverall
        int32_t salary;
        int32_t farmMaxSalary;
        bool raised;
    };
    const Case cases[] = {
        {"a skater at the overall limit stays", false, 0, 300000, 400000, false},
        {"a skater one above it goes up", false, 1, 300000, 400000, true},
        {"a goalie one above it goes up", true, 1, 300000, 400000, true},
        {"a salary above the farm maximum goes up", false, -5, 400001, 400000, true},
        {"a salary at the farm maximum stays", false, -5, 400000, 400000, false},
        {"a farm maximum of 0 never raises", false, -5, 9000000, 0, false},
        {"nor does a negative one", true, -5, 9000000, -1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        SmallLeague& f = c.fx;
        const int16_t n = k.goalie ? f.farm.G[0] : f.farm.C[0];
        const int16_t overall = PlayerOverall(f.env, k.goalie ? pos::G : pos::C, n);
        f.rules().FarmMaxOverall = static_cast<uint8_t>(overall - k.overallAboveLimit);
        f.rules().FarmMaxSalary = k.farmMaxSalary;
        (k.goalie ? f.goalie(n).Salary : f.skater(n).Salary) = k.salary;
        f.farmDay(2).Slots[k.goalie ? slot::StartGoaler : slot::NormalTrio] = n;
        f.state->PlayerStates[n].Status = status::Farm;
        f.state->GoalieStates[n].Status = status::Farm;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int32_t key = k.goalie ? n * 10 + 5 : c.skaterKey(n);
        const uint8_t statusNow = k.goalie ? c.goalie(n).RosterStatus : c.skater(n).RosterStatus;
        EXPECT_EQ(statusNow, k.raised ? status::Scratch : status::Farm);
        EXPECT_EQ(c.listOf(key), k.raised ? Scratches : Farm);
        // Only the record's status: no state, no lines.
        EXPECT_EQ(k.goalie ? c.state().GoalieStates[n].Status : c.state().PlayerStates[n].Status,
                  status::Farm);
        EXPECT_EQ(c.team().Farm.Lines[1].Slots[k.goalie ? slot::StartGoaler : slot::NormalTrio], n);
    }
}

TEST(RosterFill, PlayersWithoutAStatusOrAPositionAreLeftOut) {
    RosterClient c;
    SmallLeague& f = c.fx;
    const int16_t noStatus = f.addSkater(SmallLeague::Team, pos::C, 3, "  Lost Status  ");
    const int16_t noPosition = f.addSkater(SmallLeague::Team, 0, status::Scratch, "No Position");
    f.skater(noPosition).Protected = True;
    const int16_t goalie = f.addGoalie(SmallLeague::Team, 7, "Lost Goalie");
    f.rules().MaxProtectedPlayers = 5;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(c.dialogs.messages(), (Lines{"Lost Status has no status!", "No Position has no position!",
                                           "Lost Goalie has no status!"}));
    for (const auto& s : c.dialogs.shown()) EXPECT_EQ(s.icon(), mb::Exclamation);
    EXPECT_EQ(c.listOf(c.skaterKey(noStatus)), -1);
    EXPECT_EQ(c.listOf(goalie * 10 + 5), -1);
    EXPECT_EQ(c.listOf(noPosition * 10), -1);
    // The skater without a position is counted, his protection is not.
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 5, 20, 24}));
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 4");
    EXPECT_EQ(c.team().ProtectedCount, 0);
}

TEST(RosterFill, TheFilterLowersTheCaptionsNotTheCounts) {
    RosterClient c;
    c.fx.skater(c.fx.pro.D[3]).Protected = True;
    c.fx.rules().MaxProtectedPlayers = 5;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    ASSERT_TRUE(c.user.click(r->chkPosition(pos::D)));
    EXPECT_EQ(r->chkPosition(pos::D).Value(), 0);
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 14");
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 3");
    EXPECT_EQ(r->lblPlayer(Farm).Caption(), "Farm Player = 16");
    EXPECT_EQ(c.find(Pro, c.fx.pro.D[3]), -1);
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 4, 20, 23}));
    EXPECT_EQ(c.team().ProtectedCount, 1);

    ASSERT_TRUE(c.user.click(r->chkPosition(pos::G)));
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 12");
    ASSERT_TRUE(c.user.click(r->chkPosition(pos::D)));
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 18");
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(RosterFill, ARepairingCheckIsFollowedByASecondRefill) {
    // Whether the repaired roster passes or not, the lists show it as the
    // check left it: the hurt player among the scratches, the counters
    // counting what is listed.
    enum class Hurt { SecondRightWing, ExtraDressedCenter, SecondCenterAfterAMove };
    struct Case {
        const char* what;
        Hurt who;
        uint8_t condition;
        const char* proCount;
        const char* scratchCount;
        const char* complete;
        std::array<int16_t, 4> rosterCount;
    };
    const Case cases[] = {
        {"a repair that leaves too few dressed, at opening", Hurt::SecondRightWing, 80, "Pro Player = 19",
         "Scratches Player = 5", "Roster Is Incomplete", {23, 5, 19, 22}},
        {"a repair that passes, at opening", Hurt::ExtraDressedCenter, 60, "Pro Player = 20",
         "Scratches Player = 4", "Roster Is Complete", {23, 4, 20, 22}},
        {"a repair that passes, after a move", Hurt::SecondCenterAfterAMove, 60, "Pro Player = 20",
         "Scratches Player = 4", "Roster Is Complete", {23, 4, 20, 22}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        int16_t hurt = c.fx.pro.RW[1];
        if (k.who == Hurt::ExtraDressedCenter) {
            hurt = c.fx.scratchC;
            c.fx.skater(hurt).RosterStatus = status::Dressed;
            c.fx.state->PlayerStates[hurt].Status = status::Dressed;
        }
        const bool byMove = k.who == Hurt::SecondCenterAfterAMove;
        if (byMove)
            hurt = c.fx.pro.C[1];
        else
            c.fx.skater(hurt).Condition = k.condition;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        if (byMove) {
            c.skater(hurt).Condition = k.condition;  // hurt in the last game
            c.select(Scratches, {c.skaterKey(c.fx.scratchC)});
            ASSERT_TRUE(c.user.click(r->cmdToPro));
            EXPECT_EQ(c.listOf(c.skaterKey(c.fx.scratchC)), Pro);
        }
        EXPECT_EQ(c.skater(hurt).RosterStatus, status::Scratch);
        EXPECT_EQ(c.listOf(c.skaterKey(hurt)), Scratches);
        EXPECT_EQ(r->lblPlayer(Pro).Caption(), k.proCount);
        EXPECT_EQ(r->lblPlayer(Scratches).Caption(), k.scratchCount);
        EXPECT_EQ(r->lblComplete.Caption(), k.complete);
        EXPECT_EQ(r->RosterCount(), k.rosterCount);
    }
}

TEST(RosterFill, SkippingTheCheckLeavesTheLabelsAndGivesNoWarning) {
    RosterClient c;
    c.fx.rules().OffSeason = True;
    c.fx.rules().MaxProtectedPlayers = 1;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.skater(c.fx.pro.C[1]).Protected = True;
    c.skater(c.fx.pro.C[2]).Protected = True;
    c.skater(c.fx.pro.RW[1]).Condition = 80;
    Flag skip = True;
    r->ShowPlayer(skip);
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Complete");
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 0");
    EXPECT_EQ(c.team().ProtectedCount, 2);
    EXPECT_EQ(c.skater(c.fx.pro.RW[1]).RosterStatus, status::Dressed);  // nothing checked
    EXPECT_TRUE(c.dialogs.shown().empty());

    Flag check = False;
    r->ShowPlayer(check);
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Incomplete");
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 2");
    EXPECT_EQ(c.dialogs.messages(), Lines{"Too Many Protected Players!"});
}

TEST(RosterFill, TooManyProtectedPlayersIsSaidOnceAtOpening) {
    RosterClient c;
    c.fx.rules().OffSeason = True;
    c.fx.rules().MaxProtectedPlayers = 2;
    for (int16_t n : {c.fx.pro.C[1], c.fx.farm.D[2]}) c.fx.skater(n).Protected = True;
    c.fx.goalie(c.fx.scratchG).Protected = True;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(c.dialogs.messages(), Lines{"Too Many Protected Players!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(c.team().ProtectedCount, 3);
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 3");
}

TEST(RosterFill, ItemTextsCarryTheRoleAndTradeMarks) {
    struct Case {
        const char* what;
        bool goalie;
        bool captain, assistant1, assistant2;
        Flag trade;
        const char* text;
    };
    const Case cases[] = {
        {"a plain skater", false, false, false, false, 0, "Pro RW2"},
        {"a trade-available skater", false, false, false, false, -1, "Pro RW2*"},
        {"a stored 1 is available too", false, false, false, false, 1, "Pro RW2*"},
        {"the captain", false, true, false, false, 0, "Pro RW2 (C)"},
        {"a trade-available captain", false, true, false, false, -1, "Pro RW2 (C) *"},
        {"the second assistant", false, false, false, true, 0, "Pro RW2 (A)"},
        {"a trade-available assistant", false, false, true, false, -1, "Pro RW2 (A) *"},
        {"a captain also recorded as assistant", false, true, true, false, 0, "Pro RW2 (C)"},
        {"a goalie whose number is the captain's", true, true, false, false, 0, "Pro G2"},
        {"a trade-available goalie", true, true, true, false, -1, "Pro G2*"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        SmallLeague& f = c.fx;
        // A goalie's roles are tested with his own number in the skaters' role slots.
        const int16_t n = k.goalie ? f.pro.G[1] : f.pro.RW[1];
        TeamInfo& t = f.team();
        t.Captain = k.captain ? n : 0;
        t.Assistant1 = k.assistant1 ? n : 0;
        t.Assistant2 = k.assistant2 ? n : 0;
        (k.goalie ? f.goalie(n).TradeAvailable : f.skater(n).TradeAvailable) = k.trade;
        ASSERT_NE(c.open(), nullptr);
        const int at = k.goalie ? c.findGoalie(Pro, n) : c.find(Pro, n);
        ASSERT_GE(at, 0);
        EXPECT_EQ(c.roster()->lstPlayer(Pro).List(at), k.text);
    }
}

// ---------------------------------------------------------------------------
// Selection and the ratings panel.

TEST(RosterSelection, TwoScratchesEnableOnlyTheirMovesAndAProClickClearsThem) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.select(Scratches, {c.skaterKey(c.fx.scratchC), c.skaterKey(c.fx.scratchD)});
    ListBox& scratches = r->lstPlayer(Scratches);
    EXPECT_EQ(scratches.SelCount(), 2);
    EXPECT_TRUE(r->cmdToFarm.Enabled());
    EXPECT_TRUE(r->cmdToPro.Enabled());
    for (const Control* b : std::initializer_list<const Control*>{
             &r->cmdToScratchesFromFarm, &r->cmdToScratchesFromPro, &r->cmdCaptain, &r->cmdAssistant,
             &r->cmdTradeAvailable, &r->chkProtected})
        EXPECT_FALSE(b->Enabled()) << b->Name();
    for (int i = 0; i <= 16; ++i) EXPECT_FALSE(r->lblStat(i).Visible()) << i;

    const int16_t lw = c.fx.pro.LW[2];
    c.select(Pro, {c.skaterKey(lw)});
    EXPECT_EQ(scratches.SelCount(), 0);
    EXPECT_EQ(scratches.ListIndex(), -1);
    EXPECT_EQ(c.state().CurrentPlayerIndex, lw);
    EXPECT_EQ(c.state().ShowGoalie, False);
    EXPECT_EQ(c.state().EditGuard, False);
    EXPECT_TRUE(r->cmdToScratchesFromPro.Enabled());
    EXPECT_FALSE(r->cmdToFarm.Enabled());
    EXPECT_FALSE(r->cmdToPro.Enabled());
    for (const Control* b : std::initializer_list<const Control*>{&r->cmdCaptain, &r->cmdAssistant,
                                                                  &r->cmdTradeAvailable, &r->chkProtected})
        EXPECT_TRUE(b->Enabled()) << b->Name();
    EXPECT_TRUE(r->lblStatLabel(0).Visible());
    EXPECT_EQ(r->lblStatLabel(0).Caption(), "PO");
    EXPECT_EQ(r->lblStat(0).Caption(), "LW");

    c.select(Farm, {c.fx.farm.G[0] * 10 + 5});
    EXPECT_EQ(r->lstPlayer(Pro).SelCount(), 0);
    EXPECT_EQ(c.state().ShowGoalie, True);
    EXPECT_EQ(r->lblStat(0).Caption(), "G");
    EXPECT_TRUE(r->cmdToScratchesFromFarm.Enabled());
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(RosterStats, FullRatingsShowEveryColumnAndTheOverall) {
    struct Case {
        const char* what;
        bool goalie;
        Flag overallColumn;
        int columns;  // rating columns
    };
    const Case cases[] = {
        {"a skater with the overall", false, True, 15},
        {"a goalie with the overall", true, True, 13},
        {"a skater without it", false, False, 15},
        {"a goalie without it", true, False, 13},
    };
    const Lines skaterCaptions{"CK", "FG", "DI", "SK", "ST", "DU", "PH", "FO",
                               "PA", "SC", "DF", "EX", "LD", "MO", "PO"};
    const Lines goalieCaptions{"SK", "DU", "ST", "SZ", "AG", "RB", "SC", "HS", "RT", "EX", "LD", "MO", "PO"};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        c.fx.rules().ShowAllRatings = True;
        c.fx.rules().ShowOverallColumn = k.overallColumn;
        const int16_t n = k.goalie ? c.fx.pro.G[1] : c.fx.pro.D[2];
        const std::span<int16_t> ratings = k.goalie ? std::span<int16_t>(c.fx.goalie(n).Ratings)
                                                    : std::span<int16_t>(c.fx.skater(n).Ratings);
        for (std::size_t i = 0; i < ratings.size(); ++i) ratings[i] = static_cast<int16_t>(50 + i);
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.select(Pro, {k.goalie ? n * 10 + 5 : c.skaterKey(n)});
        const int16_t overall = PlayerOverall(c.env(), k.goalie ? pos::G : pos::D, n);
        EXPECT_EQ(r->ShownOverall(), overall);
        const Lines& captions = k.goalie ? goalieCaptions : skaterCaptions;
        for (int i = 1; i <= k.columns; ++i) {
            EXPECT_EQ(r->lblStatLabel(i).Caption(), captions[i - 1]) << i;
            EXPECT_EQ(r->lblStat(i).Caption(), std::to_string(49 + i)) << i;
            EXPECT_TRUE(r->lblStatLabel(i).Visible() && r->lblStat(i).Visible()) << i;
        }
        const int ov = k.columns + 1;
        EXPECT_EQ(r->lblStat(ov).Visible(), k.overallColumn == True);
        EXPECT_EQ(r->lblStatLabel(ov).Visible(), k.overallColumn == True);
        if (k.overallColumn == True) {
            EXPECT_EQ(r->lblStatLabel(ov).Caption(), "OV");
            EXPECT_EQ(r->lblStat(ov).Caption(), std::to_string(overall));
        }
        for (int i = ov + 1; i <= 16; ++i) EXPECT_FALSE(r->lblStat(i).Visible()) << i;
    }
}

TEST(RosterStats, GroupedRatingsRoundTheirMeans) {
    struct Case {
        int16_t ck, fg, di;
        const char* it;
    };
    for (const Case& k : {Case{70, 70, 71, "70"}, Case{70, 71, 71, "71"}}) {
        SCOPED_TRACE(k.it);
        RosterClient c;
        c.fx.rules().ShowOverallColumn = True;
        const int16_t n = c.fx.pro.C[2];
        auto& rt = c.fx.skater(n).Ratings;
        rt[0] = k.ck;
        rt[1] = k.fg;
        rt[2] = k.di;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.select(Pro, {c.skaterKey(n)});
        EXPECT_EQ(r->lblStatLabel(1).Caption(), "IT");
        EXPECT_EQ(r->lblStat(1).Caption(), k.it);
        EXPECT_EQ(r->lblStatLabel(7).Caption(), "PO");
        EXPECT_EQ(r->lblStatLabel(8).Caption(), "OV");
        EXPECT_TRUE(r->lblStat(8).Visible());
        EXPECT_FALSE(r->lblStat(9).Visible());
    }
}

TEST(RosterStats, TheRecordSetsTheTickAndTheRoleAndTradeButtons) {
    struct Case {
        const char* what;
        int list;
        bool goalie;
        Flag protect, noTrade;
        bool roles, trade;
    };
    const Case cases[] = {
        {"a pro skater keeps every button", Pro, false, False, False, true, true},
        {"a farm skater loses the roles", Farm, false, False, False, false, true},
        {"a goalie loses the roles", Pro, true, False, False, false, true},
        {"a no-trade clause loses the trade button", Scratches, false, False, True, true, false},
        {"a protected player ticks the box", Pro, false, True, False, true, true},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        c.fx.rules().OffSeason = True;
        c.fx.rules().MaxProtectedPlayers = 5;
        SmallLeague& f = c.fx;
        const int16_t n = k.goalie         ? f.pro.G[1]
                          : k.list == Pro  ? f.pro.RW[3]
                          : k.list == Farm ? f.farm.RW[3]
                                           : f.scratchC;
        Flag& protect = k.goalie ? f.goalie(n).Protected : f.skater(n).Protected;
        protect = k.protect;
        (k.goalie ? f.goalie(n).NoTrade : f.skater(n).NoTrade) = k.noTrade;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int16_t countBefore = c.team().ProtectedCount;
        c.state().DataChanged = False;
        c.select(k.list, {k.goalie ? n * 10 + 5 : c.skaterKey(n)});
        EXPECT_EQ(r->cmdCaptain.Enabled(), k.roles);
        EXPECT_EQ(r->cmdAssistant.Enabled(), k.roles);
        EXPECT_EQ(r->cmdTradeAvailable.Enabled(), k.trade);
        EXPECT_EQ(r->chkProtected.Value(), k.protect == True ? 1 : 0);
        // Ticking by program is no change.
        EXPECT_EQ(k.goalie ? c.goalie(n).Protected : c.skater(n).Protected, k.protect);
        EXPECT_EQ(c.team().ProtectedCount, countBefore);
        EXPECT_EQ(c.state().DataChanged, False);
        EXPECT_EQ(c.state().EditGuard, False);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(RosterStats, ABadRecordEndsInItsOwnBoxAndLeavesTheGuardDown) {
    struct Case {
        const char* what;
        int16_t index;
        Flag goalie;
        const char* message;
    };
    const Case cases[] = {
        {"a kind flag that is neither", 3, 1, "Integrity Check Failed!"},
        {"a skater past the array", 10001, False, "9 - Subscript out of range in ShowStats!"},
        {"a goalie past the array", 1001, True, "9 - Subscript out of range in ShowStats!"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.state().CurrentPlayerIndex = k.index;
        c.state().ShowGoalie = k.goalie;
        r->ShowStats();
        EXPECT_EQ(c.dialogs.messages(), Lines{k.message});
        EXPECT_EQ(c.dialogs.shown().at(0).icon(), mb::Critical);
        EXPECT_EQ(c.state().EditGuard, False);
        // The window still answers clicks.
        c.select(Pro, {c.skaterKey(c.fx.pro.C[1])});
        EXPECT_TRUE(r->cmdCaptain.Enabled());
    }
}

// ---------------------------------------------------------------------------
// Moves.

enum class Button { ToScratchesFromFarm, ToFarm, ToPro, ToScratchesFromPro };

CommandButton& buttonOf(frmRoster& r, Button b) {
    switch (b) {
        case Button::ToScratchesFromFarm:
            return r.cmdToScratchesFromFarm;
        case Button::ToFarm:
            return r.cmdToFarm;
        case Button::ToPro:
            return r.cmdToPro;
        case Button::ToScratchesFromPro:
            break;
    }
    return r.cmdToScratchesFromPro;
}

int sourceOf(Button b) {
    return b == Button::ToScratchesFromFarm ? Farm : b == Button::ToScratchesFromPro ? Pro : Scratches;
}

TEST(RosterMoves, AMoveChangesRecordStateCountsListsAndLines) {
    RosterClient c;
    const int16_t n = c.fx.scratchC;
    c.fx.proDay(3).Slots[slot::NormalTrio + 2] = n;
    c.fx.farmDay(5).Slots[slot::NormalTrio + 2] = n;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.state().DataChanged = False;
    c.select(Scratches, {c.skaterKey(n)});
    ASSERT_TRUE(c.user.click(r->cmdToPro));
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(c.skater(n).RosterStatus, status::Dressed);
    EXPECT_EQ(c.state().PlayerStates[n].Status, status::Dressed);
    EXPECT_EQ(c.team().ProLines[2].Slots[slot::NormalTrio + 2], 0);
    EXPECT_EQ(c.team().Farm.Lines[4].Slots[slot::NormalTrio + 2], 0);
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 3, 21, 23}));
    EXPECT_EQ(c.find(Scratches, n), -1);
    EXPECT_EQ(r->lstPlayer(Pro).List(c.find(Pro, n)), "Scratch C");
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 21");
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 3");
    // Nineteen dressed skaters are one too many.
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Incomplete");
    EXPECT_EQ(c.state().DataChanged, True);
    for (const CommandButton* b :
         {&r->cmdToScratchesFromFarm, &r->cmdToFarm, &r->cmdToPro, &r->cmdToScratchesFromPro, &r->cmdCaptain,
          &r->cmdAssistant, &r->cmdTradeAvailable})
        EXPECT_FALSE(b->Enabled()) << b->Name();
    EXPECT_FALSE(r->lblStat(0).Visible());

    // Back again: the dressed-scratches moves leave the healthy count alone.
    c.select(Pro, {c.skaterKey(n)});
    ASSERT_TRUE(c.user.click(r->cmdToScratchesFromPro));
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 4, 20, 23}));
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Complete");
}

TEST(RosterMoves, EveryButtonRefusesUnfitAndContractlessPlayersOfBothKinds) {
    enum class Defect { Injury, Suspension, Contract, FarmSalary };
    struct Case {
        Button button;
        bool goalie;
        Defect defect;
    };
    std::vector<Case> cases;
    for (Button b : {Button::ToScratchesFromFarm, Button::ToFarm, Button::ToPro, Button::ToScratchesFromPro})
        for (bool goalie : {false, true})
            for (Defect d : {Defect::Injury, Defect::Suspension, Defect::Contract, Defect::FarmSalary})
                if (d != Defect::FarmSalary || b == Button::ToFarm) cases.push_back({b, goalie, d});
    for (const Case& k : cases) {
        const int source = sourceOf(k.button);
        SCOPED_TRACE(testing::Message() << "button " << static_cast<int>(k.button) << " goalie " << k.goalie
                                        << " defect " << static_cast<int>(k.defect));
        RosterClient c;
        SmallLeague& f = c.fx;
        const int16_t n = k.goalie ? (source == Farm  ? f.farm.G[1]
                                      : source == Pro ? f.pro.G[1]
                                                      : f.scratchG)
                                   : (source == Farm  ? f.farm.C[3]
                                      : source == Pro ? f.pro.C[3]
                                                      : f.scratchC);
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int32_t key = k.goalie ? n * 10 + 5 : c.skaterKey(n);
        c.select(source, {key});
        uint8_t& condition = k.goalie ? c.goalie(n).Condition : c.skater(n).Condition;
        uint8_t& suspension = k.goalie ? c.goalie(n).Suspension : c.skater(n).Suspension;
        uint8_t& contract = k.goalie ? c.goalie(n).ContractYears : c.skater(n).ContractYears;
        int32_t& salary = k.goalie ? c.goalie(n).Salary : c.skater(n).Salary;
        const char* expected = nullptr;
        switch (k.defect) {
            case Defect::Injury:
                condition = 94;
                expected = k.goalie ? "Cannot Move an Injured Goalie!" : "Cannot Move an Injured Player!";
                break;
            case Defect::Suspension:
                suspension = 1;
                expected = "Cannot Move an Suspended Player!";
                break;
            case Defect::Contract:
                contract = 0;
                expected = k.goalie ? "Goalie without a contract can not be move!"
                                    : "Player without a contract can not be move!";
                break;
            case Defect::FarmSalary:
                salary = c.rules().FarmMaxSalary + 1;
                expected = k.goalie ? "Goalie Salary is too high to be send in the Farm!"
                                    : "Player Salary is too high to be send in the Farm!";
                break;
        }
        const auto counts = r->RosterCount();
        c.state().DataChanged = False;
        ASSERT_TRUE(c.user.click(buttonOf(*r, k.button)));
        EXPECT_EQ(c.dialogs.messages(), Lines{expected});
        EXPECT_EQ(c.dialogs.shown().at(0).icon(), mb::Exclamation);
        EXPECT_EQ(k.goalie ? c.goalie(n).RosterStatus : c.skater(n).RosterStatus, source);
        const int at = c.findKey(source, key);
        ASSERT_GE(at, 0);
        EXPECT_TRUE(r->lstPlayer(source).Selected(at));
        EXPECT_EQ(r->RosterCount(), counts);
        EXPECT_EQ(c.state().DataChanged, False);
    }
}

TEST(RosterMoves, AKeyOfNoKnownKindIsRefused) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const int16_t n = c.fx.scratchC;
    c.select(Scratches, {c.skaterKey(n)});
    r->lstPlayer(Scratches).setItemData(c.find(Scratches, n), n * 10 + 7);
    ASSERT_TRUE(c.user.click(r->cmdToPro));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Unable to extract position information!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(c.skater(n).RosterStatus, status::Scratch);
}

TEST(RosterMoves, TheWaiverQuestionDecidesAFarmMove) {
    struct Case {
        bool goalie;
        int16_t answer;
    };
    for (const Case& k :
         {Case{false, mb::No}, Case{false, mb::Yes}, Case{true, mb::No}, Case{true, mb::Yes}}) {
        SCOPED_TRACE(testing::Message() << "goalie " << k.goalie << " answer " << k.answer);
        RosterClient c;
        c.fx.rules().WaiversAllowed = True;
        const int16_t n = k.goalie ? c.fx.scratchG : c.fx.scratchC;
        const int32_t key = k.goalie ? n * 10 + 5 : c.fx.scratchC * 10 + pos::C;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.state().DataChanged = False;
        c.select(Scratches, {key});
        c.dialogs.answerMessage(k.answer);
        ASSERT_TRUE(c.user.click(r->cmdToFarm));
        ASSERT_EQ(c.dialogs.shown().size(), 1u);
        EXPECT_EQ(c.dialogs.shown()[0].prompt, k.goalie ? "Do you want to send this goalie to waiver?"
                                                        : "Do you want to send this player to waiver?");
        EXPECT_EQ(c.dialogs.shown()[0].style, mb::YesNo | mb::Information);
        const uint8_t statusNow = k.goalie ? c.goalie(n).RosterStatus : c.skater(n).RosterStatus;
        const uint8_t suspension = k.goalie ? c.goalie(n).Suspension : c.skater(n).Suspension;
        if (k.answer == mb::No) {
            EXPECT_EQ(statusNow, status::Scratch);
            EXPECT_EQ(suspension, 0);
            EXPECT_EQ(c.listOf(key), Scratches);
            EXPECT_EQ(c.state().DataChanged, False);
            continue;
        }
        EXPECT_EQ(statusNow, status::Farm);
        EXPECT_EQ(suspension, 99);
        EXPECT_EQ(c.listOf(key), Farm);
        // On waivers he is suspended: he cannot come back up.
        c.dialogs.clear();
        c.select(Farm, {key});
        ASSERT_TRUE(c.user.click(r->cmdToScratchesFromFarm));
        EXPECT_EQ(c.dialogs.messages(), Lines{"Cannot Move an Suspended Player!"});
        EXPECT_EQ(c.listOf(key), Farm);
    }
}

TEST(RosterMoves, FarmPlayersStopAtTheProLimit) {
    RosterClient c;
    c.fx.rules().MaxProPlayers = 24;  // one place above the 23 healthy pro players
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const auto& fc = c.fx.farm.C;
    c.select(Farm, {c.skaterKey(fc[1]), c.skaterKey(fc[2]), c.skaterKey(fc[3])});
    ASSERT_TRUE(c.user.click(r->cmdToScratchesFromFarm));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Maximum Pro Players Limit Reached!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
    EXPECT_EQ(c.listOf(c.skaterKey(fc[1])), Scratches);
    EXPECT_EQ(c.skater(fc[1]).RosterStatus, status::Scratch);
    for (int16_t n : {fc[2], fc[3]}) {
        EXPECT_EQ(c.skater(n).RosterStatus, status::Farm);
        const int at = c.find(Farm, n);
        ASSERT_GE(at, 0);
        EXPECT_TRUE(r->lstPlayer(Farm).Selected(at));
    }
    EXPECT_EQ(r->RosterCount()[3], 24);
    EXPECT_EQ(r->lblPlayer(Farm).Caption(), "Farm Player = 22");
}

TEST(RosterMoves, ToFarmJudgesEachSelectedPlayerByHisOwnOverall) {
    // The ratings panel shows the first player clicked, alone at the time.
    for (bool starShown : {true, false}) {
        SCOPED_TRACE(starShown ? "the over-limit player shown" : "an eligible player shown");
        RosterClient c;
        const int16_t star = c.fx.addSkater(SmallLeague::Team, pos::C, status::Scratch, "Scratch Star", 80);
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int32_t low = c.skaterKey(c.fx.scratchC), mid = c.skaterKey(c.fx.scratchD),
                      high = c.skaterKey(star);
        if (starShown)
            c.select(Scratches, {high, mid, low});
        else
            c.select(Scratches, {low, mid, high});
        EXPECT_EQ(r->ShownOverall(), PlayerOverall(c.env(), pos::C, starShown ? star : c.fx.scratchC));
        ASSERT_TRUE(c.user.click(r->cmdToFarm));
        EXPECT_EQ(c.dialogs.messages(), Lines{"Player Overall is too high to be sent to farm!"});
        EXPECT_EQ(c.listOf(high), Scratches);
        EXPECT_EQ(c.skater(star).RosterStatus, status::Scratch);
        EXPECT_EQ(c.listOf(low), Farm);
        EXPECT_EQ(c.listOf(mid), Farm);
        EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{25, 3, 20, 22}));
    }
}

TEST(RosterMoves, ThePassedDeadlineStopsToFarmBeforeAnyMove) {
    RosterClient c;
    c.fx.rules().TradeDeadlinePassed = True;
    c.fx.rules().DeadlineBlocksMoves = True;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.select(Scratches, {c.skaterKey(c.fx.scratchC), c.skaterKey(c.fx.scratchD), c.fx.scratchG * 10 + 5});
    ASSERT_TRUE(c.user.click(r->cmdToFarm));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Trade Deadline is Passed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(r->lstPlayer(Scratches).ListCount(), 4);
    EXPECT_EQ(r->lstPlayer(Scratches).SelCount(), 3);
    EXPECT_EQ(c.skater(c.fx.scratchC).RosterStatus, status::Scratch);
}

TEST(RosterMoves, AMovedCaptainLosesHisRoleAndKeepsHisMarkUntilTheNextRefill) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const int16_t captain = c.fx.pro.C[0];
    c.select(Pro, {c.skaterKey(captain)});
    ASSERT_TRUE(c.user.click(r->cmdToScratchesFromPro));
    EXPECT_EQ(c.team().Captain, 0);
    EXPECT_EQ(r->lstPlayer(Scratches).List(c.find(Scratches, captain)), "Pro C1 (C)");
    ASSERT_TRUE(c.user.click(r->chkPosition(pos::G)));  // a refill
    EXPECT_EQ(r->lstPlayer(Scratches).List(c.find(Scratches, captain)), "Pro C1");
}

TEST(RosterMoves, AMoveTheCheckUndoesLeavesTheListsAsTheRecordsSay) {
    RosterClient c;
    const int16_t n = c.fx.scratchC;
    c.fx.skater(n).Salary = c.fx.rules().MinSalary - 1;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const int32_t key = c.skaterKey(n);
    c.select(Scratches, {key, c.skaterKey(c.fx.scratchD)});
    ASSERT_TRUE(c.user.click(r->cmdToPro));
    EXPECT_EQ(c.skater(n).RosterStatus, status::Scratch);
    EXPECT_EQ(c.skater(c.fx.scratchD).RosterStatus, status::Dressed);
    EXPECT_EQ(c.listOf(key), Scratches);
    EXPECT_EQ(c.listOf(c.skaterKey(c.fx.scratchD)), Pro);
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 21");
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 3");
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 3, 21, 23}));
}

// ---------------------------------------------------------------------------
// Team roles, protection and the trade mark.

std::vector<RecordingLog::Entry> teamLog(const RecordingLog& log) {
    std::vector<RecordingLog::Entry> out;
    for (const auto& e : log.entries)
        if (e.kind == RecordingLog::Entry::TeamMessage) out.push_back(e);
    return out;
}

TEST(RosterRoles, AnAssistantMadeCaptainLeavesHisAssistantSlot) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const int16_t assistant = c.fx.pro.D[0];
    c.state().DataChanged = False;
    c.select(Pro, {c.skaterKey(assistant)});
    ASSERT_TRUE(c.user.click(r->cmdCaptain));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Pro D1 has been selected as captain for Halden Ravens."});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(c.team().Captain, assistant);
    EXPECT_EQ(c.team().Assistant1, 0);
    EXPECT_EQ(c.team().Assistant2, c.fx.pro.LW[0]);
    EXPECT_EQ(teamLog(c.log),
              (std::vector<RecordingLog::Entry>{{RecordingLog::Entry::TeamMessage, RosterClient::Team, 0,
                                                 "Pro D1 has been selected as captain."}}));
    // Refilled: the former captain has lost his mark.
    EXPECT_EQ(r->lstPlayer(Pro).List(c.find(Pro, assistant)), "Pro D1 (C)");
    EXPECT_EQ(r->lstPlayer(Pro).List(c.find(Pro, c.fx.pro.C[0])), "Pro C1");
    EXPECT_EQ(r->lstPlayer(Pro).ListIndex(), -1);
    EXPECT_EQ(c.state().DataChanged, True);
}

TEST(RosterRoles, RolesAreRefusedToGoaliesFarmPlayersAndHoldersOfARole) {
    struct Row {
        int list;
        int32_t (*key)(RosterClient&);
        bool captainButton;
        const char* message;
    };
    const Row rows[] = {
        {Pro, [](RosterClient& c) { return c.fx.pro.G[1] * 10 + 5; }, true, "Goalie cannot be Captain!"},
        {Pro, [](RosterClient& c) { return c.fx.pro.G[1] * 10 + 5; }, false, "Goalie cannot be Assistant!"},
        {Farm, [](RosterClient& c) { return c.skaterKey(c.fx.farm.C[0]); }, true,
         "Farm Player cannot be Captain!"},
        {Farm, [](RosterClient& c) { return c.skaterKey(c.fx.farm.C[0]); }, false,
         "Farm Player cannot be Assistant!"},
        {Pro, [](RosterClient& c) { return c.skaterKey(c.fx.pro.C[0]); }, false,
         "Pro C1 is already a captain for Halden Ravens."},
        {Pro, [](RosterClient& c) { return c.skaterKey(c.fx.pro.LW[0]); }, false,
         "Pro LW1 is already an assistant for Halden Ravens."},
    };
    for (const Row& k : rows) {
        SCOPED_TRACE(k.message);
        RosterClient c;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.select(k.list, {k.key(c)});
        // The buttons a goalie or farm skater has disabled are still the
        // window's handlers: run them as the list click left them.
        CommandButton& b = k.captainButton ? r->cmdCaptain : r->cmdAssistant;
        b.setEnabled(true);
        const TeamInfo before = c.team();
        c.state().DataChanged = False;
        ASSERT_TRUE(c.user.click(b));
        EXPECT_EQ(c.dialogs.messages(), Lines{k.message});
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
        EXPECT_EQ(c.team().Captain, before.Captain);
        EXPECT_EQ(c.team().Assistant1, before.Assistant1);
        EXPECT_EQ(c.team().Assistant2, before.Assistant2);
        EXPECT_TRUE(teamLog(c.log).empty());
        EXPECT_EQ(c.state().DataChanged, False);
    }
}

TEST(RosterRoles, TheAssistantQuestionPicksTheSlotAndCancelStillRefills) {
    struct Case {
        int16_t answer;
        bool first, second;
        const char* told;
    };
    const Case cases[] = {
        {mb::Yes, true, false, "Pro C2 has been selected as assistant #1 for Halden Ravens."},
        {mb::No, false, true, "Pro C2 has been selected as assistant #2 for Halden Ravens."},
        {mb::Cancel, false, false, nullptr},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.answer);
        RosterClient c;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int16_t n = c.fx.pro.C[1];
        c.select(Pro, {c.skaterKey(n)});
        c.skater(n).TradeAvailable = True;  // shows only after a refill
        c.dialogs.answerMessage(k.answer);
        ASSERT_TRUE(c.user.click(r->cmdAssistant));
        ASSERT_GE(c.dialogs.shown().size(), 1u);
        EXPECT_EQ(c.dialogs.shown()[0].prompt,
                  "Do you want Pro C2 to be assistant #1 (Yes) or assistant #2 (No)?");
        EXPECT_EQ(c.dialogs.shown()[0].style, mb::YesNoCancel | mb::Question);
        EXPECT_EQ(c.team().Assistant1, k.first ? n : c.fx.pro.D[0]);
        EXPECT_EQ(c.team().Assistant2, k.second ? n : c.fx.pro.LW[0]);
        if (k.told) {
            EXPECT_EQ(c.dialogs.messages(), (Lines{c.dialogs.shown()[0].prompt, k.told}));
            EXPECT_EQ(c.dialogs.shown()[1].icon(), mb::Information);
            EXPECT_EQ(teamLog(c.log),
                      (std::vector<RecordingLog::Entry>{{RecordingLog::Entry::TeamMessage, RosterClient::Team,
                                                         0, "Pro C2 has been selected as assistant."}}));
        } else {
            EXPECT_EQ(c.dialogs.shown().size(), 1u);
            EXPECT_TRUE(teamLog(c.log).empty());
        }
        EXPECT_EQ(r->lstPlayer(Pro).List(c.find(Pro, n)), k.told ? "Pro C2 (A) *" : "Pro C2*");
        EXPECT_EQ(c.state().DataChanged, True);
    }
}

TEST(RosterRoles, ProtectionStopsAtTheMaximumAndTheTickFollowsTheRecord) {
    RosterClient c;
    c.fx.rules().OffSeason = True;
    c.fx.rules().MaxProtectedPlayers = 1;
    const int16_t first = c.fx.pro.C[1], second = c.fx.pro.C[2];
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);

    c.select(Pro, {c.skaterKey(first)});
    ASSERT_TRUE(c.user.click(r->chkProtected));
    EXPECT_TRUE(c.dialogs.shown().empty());
    EXPECT_EQ(c.skater(first).Protected, True);
    EXPECT_EQ(c.state().PlayerStates[first].Protected, True);
    EXPECT_EQ(c.team().ProtectedCount, 1);
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 1");

    c.select(Pro, {c.skaterKey(second)});
    ASSERT_TRUE(c.user.click(r->chkProtected));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Maximum Number of Protected Players Reached!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
    EXPECT_EQ(r->chkProtected.Value(), 0);
    EXPECT_EQ(c.skater(second).Protected, False);
    EXPECT_EQ(c.team().ProtectedCount, 1);
    EXPECT_EQ(c.state().EditGuard, False);

    // A goalie too, through his own record and state.
    c.dialogs.clear();
    c.select(Pro, {c.skaterKey(first)});
    ASSERT_TRUE(c.user.click(r->chkProtected));
    EXPECT_EQ(c.skater(first).Protected, False);
    EXPECT_EQ(c.state().PlayerStates[first].Protected, False);
    EXPECT_EQ(c.team().ProtectedCount, 0);
    const int16_t g = c.fx.scratchG;
    c.select(Scratches, {g * 10 + 5});
    ASSERT_TRUE(c.user.click(r->chkProtected));
    EXPECT_EQ(c.goalie(g).Protected, True);
    EXPECT_EQ(c.state().GoalieStates[g].Protected, True);
    EXPECT_EQ(c.team().ProtectedCount, 1);
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(RosterRoles, UntickingAtACountOf0StaysAt0) {
    RosterClient c;
    c.fx.rules().OffSeason = True;
    c.fx.rules().MaxProtectedPlayers = 3;
    const int16_t n = c.fx.pro.RW[2];
    c.fx.skater(n).Protected = True;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.select(Pro, {c.skaterKey(n)});
    EXPECT_EQ(r->chkProtected.Value(), 1);
    c.team().ProtectedCount = 0;
    ASSERT_TRUE(c.user.click(r->chkProtected));
    EXPECT_EQ(c.team().ProtectedCount, 0);
    EXPECT_EQ(c.skater(n).Protected, False);
    EXPECT_EQ(r->lblProtectedTotal.Caption(), " Total Protected Players: 0");
    EXPECT_EQ(c.state().DataChanged, True);
}

TEST(RosterRoles, TheTradeButtonTogglesTheMarkInPlace) {
    struct Case {
        const char* what;
        int list;
        bool goalie;
        int16_t (*number)(const SmallLeague&);
        Flag stored;
        const char* after;
        Flag flagAfter;
    };
    const Case cases[] = {
        {"a captain", Pro, false, [](const SmallLeague& f) { return f.pro.C[0]; }, 0, "Pro C1 (C)*", True},
        {"an assistant", Pro, false, [](const SmallLeague& f) { return f.pro.D[0]; }, 0, "Pro D1 (A)*", True},
        {"a goalie", Scratches, true, [](const SmallLeague& f) { return f.scratchG; }, 0, "Scratch G*", True},
        {"an offered captain", Pro, false, [](const SmallLeague& f) { return f.pro.C[0]; }, True,
         "Pro C1 (C)", False},
        {"an offered goalie", Pro, true, [](const SmallLeague& f) { return f.pro.G[0]; }, True, "Pro G1",
         False},
        {"a stored 1 is already offered", Farm, false, [](const SmallLeague& f) { return f.farm.RW[1]; }, 1,
         "Farm RW2", False},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        RosterClient c;
        const int16_t n = k.number(c.fx);
        (k.goalie ? c.fx.goalie(n).TradeAvailable : c.fx.skater(n).TradeAvailable) = k.stored;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int32_t key = k.goalie ? n * 10 + 5 : c.skaterKey(n);
        c.select(k.list, {key});
        c.state().DataChanged = False;
        ASSERT_TRUE(c.user.click(r->cmdTradeAvailable));
        EXPECT_TRUE(c.dialogs.shown().empty());
        EXPECT_EQ(r->lstPlayer(k.list).List(c.findKey(k.list, key)), k.after);
        EXPECT_EQ(k.goalie ? c.goalie(n).TradeAvailable : c.skater(n).TradeAvailable, k.flagAfter);
        EXPECT_EQ(
            k.goalie ? c.state().GoalieStates[n].TradeAvailable : c.state().PlayerStates[n].TradeAvailable,
            k.flagAfter);
        EXPECT_EQ(c.state().DataChanged, True);
    }
}

TEST(RosterRoles, ANoTradeRecordIsClearedAndRefused) {
    RosterClient c;
    const int16_t n = c.fx.pro.LW[3];
    c.fx.skater(n).TradeAvailable = True;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.select(Pro, {c.skaterKey(n)});
    c.skater(n).NoTrade = True;  // as a league file could hold it beside the mark
    ASSERT_TRUE(c.user.click(r->cmdTradeAvailable));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Integrity Check Failed!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(c.skater(n).TradeAvailable, False);
    EXPECT_EQ(c.state().PlayerStates[n].TradeAvailable, False);
    EXPECT_FALSE(r->cmdTradeAvailable.Enabled());
    EXPECT_EQ(r->lstPlayer(Pro).List(c.find(Pro, n)), "Pro LW4*");  // rewritten at the next refill
}

TEST(RosterRoles, TheAutomaticRosterButtonsRefillTheLists) {
    for (bool partial : {false, true}) {
        SCOPED_TRACE(partial ? "partial" : "full");
        RosterClient c;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        // A scratch better than the last dressed centre: both makers dress him.
        const int16_t star = c.fx.scratchC;
        c.skater(star).Ratings.fill(79);
        ASSERT_TRUE(c.user.click(partial ? r->cmdAutoRosterPartial : r->cmdAutoRoster));
        EXPECT_EQ(c.skater(star).RosterStatus, status::Dressed);
        EXPECT_EQ(c.listOf(c.skaterKey(star)), Pro);
        EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Complete");
    }
}

// ---------------------------------------------------------------------------
// Closing and the player card.

TEST(RosterHandOver, ClosingReturnsToTheMainWindow) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_FALSE(c.main().Visible());
    ASSERT_TRUE(c.user.click(r->cmdExit));
    EXPECT_EQ(c.roster(), nullptr);
    EXPECT_TRUE(c.main().Visible());
    EXPECT_EQ(c.app.forms().get<frmTeam>(), nullptr);
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(RosterHandOver, ClosingReturnsToTheSheetWithItsFinanceRecomputed) {
    RosterClient c;
    frmRoster* r = c.openFromSheet();
    ASSERT_NE(r, nullptr);
    frmTeam* sheet = c.app.forms().get<frmTeam>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(c.state().CallerFormName, "Team");
    const std::string before = sheet->lblProPayRoll.Caption();
    c.select(Farm, {c.skaterKey(c.fx.farm.C[1])});
    ASSERT_TRUE(c.user.click(r->cmdToScratchesFromFarm));
    EXPECT_EQ(sheet->lblProPayRoll.Caption(), before);
    ASSERT_TRUE(c.user.closeWindow(*r));
    EXPECT_EQ(c.roster(), nullptr);
    EXPECT_TRUE(sheet->Visible());
    EXPECT_EQ(c.app.forms().activeForm(), sheet);
    EXPECT_NE(sheet->lblProPayRoll.Caption(), before);
    EXPECT_EQ(sheet->lblProPayRoll.Caption(),
              c.formats.currencyWhole(roundToInt32(ProPayroll(c.env(), RosterClient::Team))));
    EXPECT_FALSE(c.main().Visible());
}

TEST(RosterHandOver, AnUnknownCallerOrAMissingSheetFallsBackToTheMainWindow) {
    struct Case {
        const char* caller;
        bool sheetClosed;
        Lines messages;
    };
    const Case cases[] = {
        {"Lines", false, {"Integrity Check Failed!"}},
        {"", false, {"Integrity Check Failed!"}},
        {"Team", true, {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.caller);
        RosterClient c;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        c.state().CallerFormName = k.caller;
        ASSERT_TRUE(c.user.click(r->cmdExit));
        EXPECT_EQ(c.dialogs.messages(), k.messages);
        EXPECT_EQ(c.roster(), nullptr);
        EXPECT_TRUE(c.main().Visible());
    }
}

TEST(RosterHandOver, ClosingRunsTheRosterCheckWithItsBox) {
    RosterClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.select(Scratches, {c.skaterKey(c.fx.scratchC)});
    ASSERT_TRUE(c.user.click(r->cmdToPro));  // nineteen dressed skaters
    EXPECT_TRUE(c.dialogs.shown().empty());
    ASSERT_TRUE(c.user.click(r->cmdExit));
    EXPECT_EQ(c.dialogs.messages(),
              Lines{"Halden Ravens Roster Error : \r\nToo many players available in Pro Team! 19 Dressed. 18 "
                    "Required.\r\nSome errors will be automatically fixed.\r\n"});
    EXPECT_TRUE(c.main().Visible());
}

}  // namespace
}  // namespace dravik::test
