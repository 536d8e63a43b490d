// The roster window and the program's player card: a double click opens the
// card for the entry, and closing the card brings the roster back as it was
// left, its ratings shown afresh.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "league/overall.h"
#include "leaguewriter/sample.h"
#include "market/frm_edit_player.h"
#include "market/install_market.h"
#include "roster_client.h"
#include "rules/waiver.h"
#include "team/lines_file.h"

namespace dravik::test {
namespace {

using Lines = std::vector<std::string>;
constexpr int Farm = 0, Scratches = 1, Pro = 2;

// The roster's program with the market layer's windows over it.
struct RosterCardClient : RosterClient {
    RosterCardClient() { InstallMarketWindows(app); }
};

TEST(RosterHandOver, ThePlayerCardComesBackToTheRosterAsItWasLeft) {
    for (bool closeBox : {false, true}) {
        SCOPED_TRACE(closeBox ? "close box" : "Exit");
        RosterCardClient c;
        c.fx.rules().ShowAllRatings = True;
        c.fx.rules().ShowOverallColumn = True;
        frmRoster* r = c.open();
        ASSERT_NE(r, nullptr);
        const int16_t n = c.fx.pro.RW[0];
        c.select(Scratches, {c.skaterKey(c.fx.scratchC), c.skaterKey(c.fx.scratchD)});
        ListBox& pro = r->lstPlayer(Pro);
        const int at = c.find(Pro, n);
        ASSERT_TRUE(c.user.doubleClickItem(pro, at));
        auto* card = c.app.forms().get<frmEditPlayer>();
        ASSERT_NE(card, nullptr);
        EXPECT_TRUE(card->Visible());
        EXPECT_FALSE(r->Visible());
        EXPECT_EQ(c.state().CallerCode, 2);
        EXPECT_EQ(c.state().CurrentPlayerIndex, n);
        EXPECT_EQ(c.state().ShowGoalie, False);
        EXPECT_EQ(card->txtName.Text(), "Pro RW1");

        c.skater(n).Ratings[0] = 33;  // what the card hands back is shown afresh
        if (closeBox)
            ASSERT_TRUE(c.user.closeWindow(*card));
        else
            ASSERT_TRUE(c.user.click(card->cmdExit));
        EXPECT_EQ(c.app.forms().get<frmEditPlayer>(), nullptr);
        EXPECT_TRUE(r->Visible());
        EXPECT_FALSE(c.main().Visible());
        EXPECT_EQ(r->lblStat(1).Caption(), "33");
        EXPECT_EQ(r->lblStat(16).Caption(), std::to_string(PlayerOverall(c.env(), pos::RW, n)));
        EXPECT_EQ(pro.ListIndex(), at);
        EXPECT_TRUE(pro.Selected(at));
        EXPECT_EQ(pro.SelCount(), 1);
        EXPECT_EQ(r->lstPlayer(Scratches).SelCount(), 0);
        EXPECT_EQ(r->lblPlayer(Pro).Caption(), "Pro Player = 20");
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(RosterHandOver, TheCardOpenedForAGoalieOrFromElsewhere) {
    RosterCardClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    const int16_t g = c.fx.pro.G[0];
    ASSERT_TRUE(c.user.doubleClickItem(r->lstPlayer(Pro), c.findGoalie(Pro, g)));
    auto* card = c.app.forms().get<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(c.state().ShowGoalie, True);
    EXPECT_EQ(card->txtName.Text(), "Pro G1");
    // Any caller but the roster gets the main window back.
    c.state().CallerCode = 3;
    ASSERT_TRUE(c.user.click(card->cmdExit));
    EXPECT_TRUE(c.main().Visible());
    EXPECT_FALSE(r->Visible());
}

TEST(RosterHandOver, ADoubleClickWithoutACurrentItemOpensNothing) {
    RosterCardClient c;
    frmRoster* r = c.open();
    ASSERT_NE(r, nullptr);
    c.app.forms().run(*r, "lstPlayer", "DblClick", [&] { r->lstPlayer.DblClick(Pro); });
    EXPECT_EQ(c.app.forms().get<frmEditPlayer>(), nullptr);
    EXPECT_EQ(c.state().CallerCode, 0);
    EXPECT_TRUE(r->Visible());
}

// ---------------------------------------------------------------------------
// A manager's evening on the sample league, from the team sheet to the saved
// team lines file.

TEST(RosterOnTheSample, MovesAndANewCaptainReachTheTeamLinesFile) {
    RosterCardClient c;
    OpenLeagueCopy(c.app, leaguewriter::BuiltSampleLeaguePath());
    ASSERT_TRUE(c.dialogs.shown().empty());
    const int16_t team = 1;  // no password
    frmTeam* sheet = OpenFromMenu<frmTeam>(c.app, menu::ViewTeam, team);
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(c.user.click(sheet->CmdRoster));
    frmRoster* r = c.roster();
    ASSERT_NE(r, nullptr);
    ASSERT_TRUE(c.dialogs.shown().empty()) << c.dialogs.messages().front();
    LeagueData& lg = c.app.league();
    const TeamInfo& t = lg.Teams[team];
    const DayLines proDay1 = t.ProLines[0], farmDay1 = t.Farm.Lines[0];

    // The healthy scratches: one that needs waivers goes down, the other up.
    int16_t down = 0, up = 0;
    for (int32_t key : c.keys(Scratches)) {
        const int16_t n = static_cast<int16_t>(key / 10);
        if (key % 10 == 5 || lg.Players[n].Condition < 95) continue;
        (down == 0 && WaiverCheck(c.env(), n) == True ? down : up) = n;
    }
    ASSERT_NE(down, 0);
    ASSERT_NE(up, 0);
    ASSERT_LE(PlayerOverall(c.env(), lg.Players[down].Position, down), c.rules().FarmMaxOverall);
    ASSERT_LE(lg.Players[down].Salary, c.rules().FarmMaxSalary);
    c.select(Scratches, {c.skaterKey(down)});
    c.dialogs.answerMessage(mb::Yes);
    ASSERT_TRUE(c.user.click(r->cmdToFarm));
    EXPECT_EQ(c.dialogs.messages(), Lines{"Do you want to send this player to waiver?"});
    EXPECT_EQ(c.listOf(c.skaterKey(down)), Farm);
    c.select(Scratches, {c.skaterKey(up)});
    ASSERT_TRUE(c.user.click(r->cmdToPro));
    EXPECT_EQ(c.listOf(c.skaterKey(up)), Pro);

    // A new captain from the dressed skaters.
    int16_t captain = 0;
    for (int32_t key : c.keys(Pro))
        if (key % 10 != 5 && key / 10 != t.Captain && key / 10 != t.Assistant1 && key / 10 != t.Assistant2)
            captain = static_cast<int16_t>(key / 10);
    c.select(Pro, {c.skaterKey(captain)});
    ASSERT_TRUE(c.user.click(r->cmdCaptain));
    EXPECT_EQ(t.Captain, captain);

    // His card, and back.
    ASSERT_TRUE(c.user.doubleClickItem(r->lstPlayer(Pro), c.find(Pro, captain)));
    auto* card = c.app.forms().get<frmEditPlayer>();
    ASSERT_NE(card, nullptr);
    ASSERT_TRUE(c.user.click(card->cmdExit));
    EXPECT_TRUE(r->Visible());
    EXPECT_EQ(r->lstPlayer(Pro).ListIndex(), c.find(Pro, captain));

    // Back to the sheet, and save.
    c.dialogs.clear();
    ASSERT_TRUE(c.user.click(r->cmdExit));
    ASSERT_TRUE(sheet->Visible());
    ASSERT_TRUE(sheet->cmdSaveToFile.Enabled());
    c.dialogs.clear();
    ASSERT_TRUE(c.user.click(sheet->cmdSaveToFile));
    const std::optional<std::string> path = TeamLinesPath(c.folder.path().string(), t);
    ASSERT_TRUE(path && std::filesystem::exists(*path))
        << (c.dialogs.shown().empty() ? "" : c.dialogs.messages().back());

    // Undo everything in memory, then read the file back.
    lg.Players[down].RosterStatus = status::Scratch;
    lg.Players[up].RosterStatus = status::Scratch;
    lg.Teams[team].Captain = 0;
    c.state().PlayerStates[down].Status = status::Scratch;
    c.state().PlayerStates[up].Status = status::Scratch;
    ASSERT_EQ(LoadTeamLinesFile(c.env(), team, *path), LoadResult::Loaded);
    EXPECT_EQ(lg.Players[down].RosterStatus, status::Farm);
    EXPECT_EQ(lg.Players[up].RosterStatus, status::Dressed);
    EXPECT_EQ(lg.Players[down].Suspension, 99);
    EXPECT_EQ(t.Captain, captain);
    EXPECT_EQ(t.ProLines[0], proDay1);
    EXPECT_EQ(t.Farm.Lines[0], farmDay1);
}

}  // namespace
}  // namespace dravik::test
