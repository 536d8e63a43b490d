#include <gtest/gtest.h>

#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "league/overall.h"
#include "support/roster_client.h"

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
    for (const CommandButton* b : {&r->cmdToScratchesFromFarm, &r->cmdToFarm, &r->cmdToPro,
                                   &r->cmdToScratchesFromPro, &r->cmdCaptain, &r->cmdAssistant,
                                   &r->cmdTradeAvailable})
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
    c.state().CurrentTeam = 0;
    c.state().CallerFormName = "Main";
    c.app.forms().run(c.main(), "mnuSetRoster", "Click", [&] { c.app.openers().roster(c.main()); });
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
        EXPECT_EQ(k.goalie ? c.state().GoalieStates[n].Status : c.state().PlayerStates[n].Status, status::Farm);
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
    EXPECT_EQ(c.dialogs.messages(),
              (Lines{"Lost Status has no status!", "No Position has no position!", "Lost Goalie has no status!"}));
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
    RosterClient c;
    const int16_t hurt = c.fx.pro.RW[1];
    c.fx.skater(hurt).Condition = 80;  // dressed but not fit to dress
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(c.skater(hurt).RosterStatus, status::Scratch);
    EXPECT_EQ(c.listOf(c.skaterKey(hurt)), Scratches);
    EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 19");
    EXPECT_EQ(r->lblPlayer(Scratches).Caption(), "Scratches Player = 5");
    EXPECT_EQ(r->RosterCount(), (std::array<int16_t, 4>{23, 5, 19, 22}));
    EXPECT_EQ(r->lblComplete.Caption(), "Roster Is Incomplete");
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
    for (const Control* b : std::initializer_list<const Control*>{&r->cmdToScratchesFromFarm, &r->cmdToScratchesFromPro,
                             &r->cmdCaptain, &r->cmdAssistant, &r->cmdTradeAvailable, &r->chkProtected})
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
        const std::span<int16_t> ratings =
            k.goalie ? std::span<int16_t>(c.fx.goalie(n).Ratings) : std::span<int16_t>(c.fx.skater(n).Ratings);
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
        const int16_t n = k.goalie ? f.pro.G[1] : k.list == Pro ? f.pro.RW[3] : k.list == Farm ? f.farm.RW[3] : f.scratchC;
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

}  // namespace
}  // namespace dravik::test
