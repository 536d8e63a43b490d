// The lines windows' player list: who is listed, the position filters, the
// farm placeholders, and what a selection sets and shows in the ratings
// panel and beside "Playing the Following Lines :".

#include <gtest/gtest.h>

#include "league/overall.h"
#include "leaguewriter/builder.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddGoalie;
using leaguewriter::AddSkater;
using Change = std::function<void(LeagueData&)>;
using Texts = std::vector<std::string>;

// Team 7's fit dressed players as the pro list shows them, sorted by name.
Texts ProRoster() {
    Texts t{"Goalie 71", "Goalie 72"};
    for (int n = 701; n <= 718; ++n) t.push_back("Skater " + std::to_string(n));
    return t;
}

// Beside team 7's roster: players the lists must tell apart.
void Candidates(LeagueData& l) {
    AddSkater(l, 790, Team, pos::D, status::Dressed, "anna Berg").Condition = 95;  // lower case sorts in
    AddSkater(l, 791, Team, pos::C).Condition = 94;
    AddSkater(l, 792, Team, pos::LW).Suspension = 1;
    AddSkater(l, 793, Team, pos::RW, status::Scratch);
    AddSkater(l, 794, Team, pos::RW, status::Farm, "Farm Wing");
    AddSkater(l, 795, Team, pos::C, status::Farm, "Farm Unfit").Condition = 94;
    AddSkater(l, 796, OtherTeam, pos::C, status::Farm);
    AddSkater(l, 797, Team, pos::D, status::Farm, "Farm Wing");  // same name: both listed
    AddGoalie(l, 79, Team, status::Farm, "Farm Goalie");
    AddGoalie(l, 78, Team, status::Farm).Suspension = 2;
    AddGoalie(l, 77, Team, status::Dressed).Condition = 90;
    AddGoalie(l, 76, Team, status::Scratch);
    l.Players[798].Team = Team;  // not in use
    l.Players[798].Condition = 100;
    l.Players[798].RosterStatus = status::Dressed;
    l.Players[798].Position = pos::C;
}

std::vector<int32_t> Keys(const ListBox& list) {
    std::vector<int32_t> out;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.ItemData(i));
    return out;
}

TEST(LinesPlayerList, ListsTheClubsFitPlayersSortedByNameWithTheirKeys) {
    struct Case {
        const char* name;
        bool farm;
        Change change;
        Texts entries;
        std::vector<int32_t> keys;
    };
    Texts pro = ProRoster();
    pro.insert(pro.begin(), "anna Berg");
    std::vector<int32_t> proKeys{7904, 715, 725};
    for (int n = 701; n <= 718; ++n)
        proKeys.push_back(n * 10 + (n <= 704 ? 1 : n <= 708 ? 2 : n <= 712 ? 3 : 4));
    const Case cases[] = {
        {"pro", false, Candidates, pro, proKeys},
        {"farm with placeholders",
         true,
         [](LeagueData& l) {
             Candidates(l);
             l.League.FarmLinesEnabled = True;
         },
         {"Farm Goalie", "Farm Wing", "Farm Wing", "Unknown Goalie", "Unknown Player"},
         {795, 7943, 7974, 320005, 320001}},
        {"farm with a full lineup",
         true,
         [](LeagueData& l) {
             Candidates(l);
             l.League.FarmLinesEnabled = True;
             l.League.FarmFullLineup = True;
         },
         {"Farm Goalie", "Farm Wing", "Farm Wing"},
         {795, 7943, 7974}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(k.change);
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(Entries(w->lstPlayer), k.entries);
        EXPECT_EQ(Keys(w->lstPlayer), k.keys);
        EXPECT_EQ(w->lstPlayer.ListIndex(), -1);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesPlayerList, TheFiltersRefillTheListAndKeepTheSelection) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        TeamClient c([](LeagueData& l) {
            Candidates(l);
            l.League.FarmLinesEnabled = True;
        });
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        const int16_t number = farm ? 794 : 790;
        ASSERT_TRUE(Select(c, *w, farm ? "Farm Wing" : "anna Berg"));
        EXPECT_EQ(c.state().CurrentPlayerIndex, number);
        EXPECT_TRUE(w->lblStat(0).Visible());

        // Each box off, then all of them: the goalies and the defensemen go,
        // the placeholders stay.
        for (int i = 1; i <= 5; ++i) ASSERT_TRUE(c.user.click(w->chkPosition(i)));
        EXPECT_EQ(Entries(w->lstPlayer), (farm ? Texts{"Unknown Goalie", "Unknown Player"} : Texts{}));
        EXPECT_EQ(w->lstPlayer.ListIndex(), -1);
        for (int i = 0; i <= 16; ++i) {
            EXPECT_FALSE(w->lblStat(i).Visible()) << i;
            EXPECT_FALSE(w->lblStatLabel(i).Visible()) << i;
        }
        EXPECT_EQ(c.state().CurrentPlayerIndex, number);
        // Nothing highlighted: a slot click does nothing.
        const DayLines before = DayOf(c, farm, 1);
        ASSERT_TRUE(ClickSlot(c, *w, lbl::NormalTrioC, 1));
        EXPECT_EQ(DayOf(c, farm, 1), before);

        ASSERT_TRUE(c.user.click(w->chkPosition(3)));
        const Texts wings = farm ? Texts{"Farm Wing", "Unknown Goalie", "Unknown Player"}
                                 : Texts{"Skater 709", "Skater 710", "Skater 711", "Skater 712"};
        EXPECT_EQ(Entries(w->lstPlayer), wings);
        EXPECT_EQ(w->chkPosition(3).Value(), 1);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesPlayerList, ASkaterWithoutPositionIsReportedAtEveryRefillAndNeverListed) {
    TeamClient c([](LeagueData& l) {
        AddSkater(l, 799, Team, pos::C, status::Dressed, "  Nils Nowhere ").Position = 0;
        AddSkater(l, 800, Team, pos::C, status::Dressed, "Odd Five").Position = 5;
        AddSkater(l, 801, Team, pos::C, status::Scratch, "Not Dressed").Position = 0;  // not eligible: silent
    });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    const Texts once{"Nils Nowhere has no position!", "Odd Five has no position!"};
    EXPECT_EQ(c.dialogs.messages(), once);
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(Entries(w->lstPlayer), ProRoster());

    c.dialogs.clear();
    ASSERT_TRUE(c.user.click(w->chkPosition(5)));  // a goalie filter still walks every skater
    EXPECT_EQ(c.dialogs.messages(), once);
    c.dialogs.clear();
    ASSERT_TRUE(c.user.click(w->chkPosition(5)));
    EXPECT_EQ(c.dialogs.messages(), once);
    EXPECT_EQ(Entries(w->lstPlayer), ProRoster());
}

// ---------------------------------------------------------------------------
// A selection and the ratings panel.

struct Panel {
    std::string title;
    Texts captions;  // the visible pairs, "caption=value"
    std::string playing;
};

Panel PanelOf(LinesWindow& w) {
    Panel p{w.frmStat.Caption(), {}, w.lblPlaying.Caption()};
    for (int i = 0; i <= 16; ++i) {
        EXPECT_EQ(w.lblStat(i).Visible(), w.lblStatLabel(i).Visible()) << i;
        if (w.lblStat(i).Visible())
            p.captions.push_back(std::to_string(i) + ":" + w.lblStatLabel(i).Caption() + "=" +
                                 w.lblStat(i).Caption());
    }
    return p;
}

void Rated(LeagueData& l) {
    PlayerInfo& p = l.Players[702];
    for (int i = 0; i < 15; ++i) p.Ratings[i] = static_cast<int16_t>(i + 1);
    GoalieInfo& g = l.Goalies[71];
    for (int i = 0; i < 13; ++i) g.Ratings[i] = static_cast<int16_t>(i + 1);
}

TEST(LinesPlayerList, ASelectionShowsThePlayersRatingsAndWhereHePlays) {
    struct Case {
        const char* name;
        bool farm;
        int16_t showAll, showOverall;
        const char* entry;
        int16_t number, kind;
        Flag goalie;
        Texts pairs;              // without the overall
        const char* overallPair;  // "16:OV" etc.; null when hidden
        const char* playing;
    };
    const Texts fullSkater{"0:PO=C",   "1:CK=1",   "2:FG=2",   "3:DI=3",  "4:SK=4",   "5:ST=5",
                           "6:DU=6",   "7:PH=7",   "8:FO=8",   "9:PA=9",  "10:SC=10", "11:DF=11",
                           "12:EX=12", "13:LD=13", "14:MO=14", "15:PO=15"};
    const Texts fullGoalie{"0:PO=G", "1:SK=1", "2:DU=2", "3:ST=3",   "4:SZ=4",   "5:AG=5",   "6:RB=6",
                           "7:SC=7", "8:HS=8", "9:RT=9", "10:EX=10", "11:LD=11", "12:MO=12", "13:PO=13"};
    const Texts groupedSkater{"0:PO=C",  "1:IT=2",  "2:PY=5",  "3:PC=8",
                              "4:SC=10", "5:DF=11", "6:ME=13", "7:PO=15"};
    const Texts groupedGoalie{"0:PO=G", "1:PH=3", "2:RD=6",  "3:SC=7",
                              "4:HS=8", "5:RT=9", "6:ME=11", "7:PO=13"};
    // Skater 702 is centre of line 2, of the second power-play, penalty-kill,
    // 4 vs 4 and 3-man units, second extra forward and penalty-shot taker.
    const char* where = "(7) - L-2C, PP-2C, 44-2F, PK-2F, PK3-2F, EF-2, PS-2, ";
    const Case cases[] = {
        {"full ratings with the overall", false, True, True, "Skater 702", 702, 1, False, fullSkater, "16:OV",
         where},
        {"a goalie with the overall", false, True, True, "Goalie 71", 71, 5, True, fullGoalie, "14:OV", ""},
        {"grouped ratings", false, 0, True, "Skater 702", 702, 1, False, groupedSkater, "8:OV", where},
        {"grouped goalie without the overall", false, 0, 0, "Goalie 71", 71, 5, True, groupedGoalie, nullptr,
         ""},
        // Any non-zero value shows the full row's captions and values, but
        // only -1 counts 15 of them at a league load; only -1 adds the overall.
        {"ShowAllRatings 1, ShowOverallColumn 1", false, 1, 1, "Skater 702", 702, 1, False,
         Texts(fullSkater.begin(), fullSkater.begin() + 8), nullptr, where},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c([&](LeagueData& l) {
            Rated(l);
            l.League.ShowAllRatings = k.showAll;
            l.League.ShowOverallColumn = k.showOverall;
        });
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(Select(c, *w, k.entry));
        EXPECT_EQ(c.state().CurrentPlayerIndex, k.number);
        EXPECT_EQ(w->SelectedKind, k.kind);
        EXPECT_EQ(c.state().ShowGoalie, k.goalie);
        Texts pairs = k.pairs;
        if (k.overallPair)
            pairs.push_back(std::string(k.overallPair) + "=" +
                            std::to_string(PlayerOverall(c.env(), k.kind, k.number)));
        const Panel p = PanelOf(*w);
        EXPECT_EQ(p.title, k.entry);
        EXPECT_EQ(p.captions, pairs);
        EXPECT_EQ(p.playing, k.playing);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesPlayerList, TheFarmPanelKeepsItsTitleAndThePlaceholdersSelectNobody) {
    TeamClient c([](LeagueData& l) {
        l.League.FarmLinesEnabled = True;
        AddSkater(l, 794, Team, pos::RW, status::Farm, "Farm Wing");
        AddGoalie(l, 79, Team, status::Farm, "Farm Goalie");
        l.Teams[Team].Farm.Lines[0].Slots[slot::NormalTrio + 2] = 794;
    });
    LinesWindow* w = OpenLines(c, true);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Select(c, *w, "Farm Wing"));
    EXPECT_EQ(w->frmStat.Caption(), "Stats");
    EXPECT_EQ(w->lblStat(0).Caption(), "RW");
    EXPECT_EQ(w->lblPlaying.Caption(), "(1) - L-3C, ");

    struct Case {
        const char* entry;
        int16_t kind;
        Flag goalie;
    };
    for (const Case& k : {Case{"Unknown Player", 1, False}, Case{"Unknown Goalie", 5, True}}) {
        SCOPED_TRACE(k.entry);
        ASSERT_TRUE(Select(c, *w, "Farm Wing"));
        ASSERT_TRUE(Select(c, *w, k.entry));
        EXPECT_EQ(c.state().CurrentPlayerIndex, 0);
        EXPECT_EQ(w->SelectedKind, k.kind);
        EXPECT_EQ(c.state().ShowGoalie, k.goalie);
        const Panel p = PanelOf(*w);
        EXPECT_EQ(p.title, "Stats");
        EXPECT_TRUE(p.captions.empty());
        EXPECT_EQ(p.playing, "");
    }
    EXPECT_TRUE(c.dialogs.shown().empty());
}

TEST(LinesPlayerList, ASelectionThatFailsKeepsWhatThePanelReceived) {
    // The grouped means add in 16 bits: a mean that overflows ends the click,
    // and the pairs written before it stay on show.
    struct Case {
        const char* name;
        std::vector<int> huge;  // the ratings set to 32000; the others are 60
        Texts pairs;
    };
    const Case cases[] = {
        {"the first mean overflows", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14}, {"0:PO=LW"}},
        {"the mean of EX, LD and MO overflows",
         {11, 12, 13},
         {"0:PO=LW", "1:IT=60", "2:PY=60", "3:PC=60", "4:SC=60", "5:DF=60"}},
    };
    for (const Case& k : cases) {
        for (bool farm : {false, true}) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c([&](LeagueData& l) {
                l.League.FarmLinesEnabled = True;
                l.League.ShowAllRatings = 0;
                auto& r = AddSkater(l, 794, Team, pos::LW, farm ? status::Farm : status::Dressed, "Strong Man")
                              .Ratings;
                r.fill(60);
                for (int i : k.huge) r[i] = 32000;
            });
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            ASSERT_TRUE(Select(c, *w, "Strong Man"));
            EXPECT_EQ(c.dialogs.messages(), Texts{std::string("6 - Overflow") +
                                                  (farm ? " in LstPlayer_Click!" : " in lstPlayer_Click!")});
            EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
            EXPECT_EQ(c.state().CurrentPlayerIndex, 794);
            const Panel p = PanelOf(*w);
            EXPECT_EQ(p.title, farm ? "Stats" : "Strong Man");
            EXPECT_EQ(p.captions, k.pairs);
            EXPECT_TRUE(w->Visible());
        }
    }
}

}  // namespace
}  // namespace dravik::test
