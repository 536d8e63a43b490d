// The day display (every slot caption, the strategy bars, the pull-goalie
// boxes), its failures, and the status check with the pro window's Save to
// File on the team sheet.

#include <gtest/gtest.h>

#include "leaguewriter/builder.h"
#include "lines/slot_labels.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddSkater;
using Change = std::function<void(LeagueData&)>;
using Texts = std::vector<std::string>;

// The caption every label of a day filled by FillLines(day, pro) shows,
// with the words in `empty` emptied.
Texts Expected(TeamClient& c, bool farm, const std::vector<int>& empty) {
    Texts out;
    const DayLines& day = DayOf(c, false, 1);
    for (int id = 0; id < SlotLabelCount; ++id) {
        const SlotLabel& l = SlotLabels[id];
        for (int i = l.count == 0 ? 0 : 1; i <= l.count; ++i) {
            const int word = SlotLabelWord(l, i);
            const bool goalie = l.rule == SlotRule::Goalie;
            int16_t n = day.Slots[word];
            if (std::find(empty.begin(), empty.end(), word) != empty.end()) n = 0;
            std::string caption = n == 0 ? "" : (goalie ? "Goalie " : "Skater ") + std::to_string(n);
            if (n == 0 && farm) caption = goalie ? "Unknown Goalie" : "Unknown Player";
            out.push_back(std::string(l.name) + "(" + std::to_string(i) + ")=" + caption);
        }
    }
    return out;
}

TEST(LinesPlace, EverySlotLabelShowsItsWordsPlayer) {
    struct Case {
        const char* name;
        bool farm;
        std::vector<int> empty;  // words emptied in the day
    };
    const Case cases[] = {
        {"a full pro day", false, {}},
        {"empty pro slots stay blank", false, {0, 19, 48, 53, slot::StartGoaler, 70}},
        {"a full farm day", true, {}},
        {"empty farm slots name the placeholders", true, {0, 19, 48, 53, slot::BackupGoaler, 70}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        // Farm clubs off: the farm check repairs nothing in the pro players' day.
        TeamClient c([&](LeagueData& l) {
            DayLines day = l.Teams[Team].ProLines[0];
            for (int w : k.empty) day.Slots[w] = 0;
            day.Slots[46] = 705;  // no label shows words 46 and 47
            day.Slots[47] = 706;
            (k.farm ? l.Teams[Team].Farm.Lines[0] : l.Teams[Team].ProLines[0]) = day;
        });
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(SlotCaptions(*w), Expected(c, k.farm, k.empty));
        EXPECT_EQ(w->lblPlaying.Caption(), "");
    }
}

TEST(LinesPlace, TheStrategyAndPullGoalieValuesOfTheDay) {
    struct Case {
        const char* name;
        std::array<int16_t, 5> words;  // 71..75
        Texts points;                  // lblStatsPoint 0..2
        const char* left;
        const char* minGoal;
        const char* minPct;
    };
    const Case cases[] = {
        {"within the budget", {1, 2, 2, 3, 880}, {"1", "2", "2"}, "0", "3", "880"},
        {"0 shows the league's defaults", {0, 0, 0, 0, 0}, {"0", "0", "0"}, "5", "2", "905"},
        {"above the budget", {3, 3, 3, -1, 12}, {"3", "3", "3"}, "-4", "-1", "12"},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c([&](LeagueData& l) {
                l.League.DefaultPullGoalerMinGoal = 2;
                l.League.DefaultPullGoalerMinPct = 905;
                DayLines& d = farm ? l.Teams[Team].Farm.Lines[0] : l.Teams[Team].ProLines[0];
                for (int i = 0; i < 5; ++i) d.Slots[slot::Strategy + i] = k.words[i];
            });
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            EXPECT_TRUE(c.dialogs.shown().empty());
            Texts points;
            for (int i = 0; i <= 2; ++i) {
                points.push_back(w->lblStatsPoint(i).Caption());
                EXPECT_EQ(w->hscStats(i).Value(), k.words[i]);
            }
            EXPECT_EQ(points, k.points);
            EXPECT_EQ(w->lblPoint.Caption(), k.left);
            EXPECT_EQ(w->PointsLeft, std::stoi(k.left));
            EXPECT_EQ(w->StrategyLoaded, True);
            EXPECT_EQ(w->txtPullGoalerMinGoal.Text(), k.minGoal);
            EXPECT_EQ(w->txtPullGoalerMinPct.Text(), k.minPct);
            // The defaults are only shown.
            const DayLines& d = DayOf(c, farm, 1);
            EXPECT_EQ(d.Slots[slot::PullGoalerMinGoal], k.words[3]);
            EXPECT_EQ(d.Slots[slot::PullGoalerMinPct], k.words[4]);
        }
    }
}

TEST(LinesPlace, AStoredValueNoRecordOrBarHoldsEndsThePlaceInItsBox) {
    struct Case {
        const char* name;
        int word;
        int16_t value;
        const char* message;
        const char* filledBefore;  // a label filled before the failure: lblExtraForward(1)
        bool slotsDone;            // every slot label filled, the failure in the strategy
    };
    const Case cases[] = {
        {"a skater slot of 10001", slot::NormalTrio, 10001, "9 - Subscript out of range in Place!",
         "Skater 701", false},
        {"a negative skater slot", slot::PenaltyShot + 4, -2, "9 - Subscript out of range in Place!",
         "Skater 701", false},
        {"a goalie slot of 1001", slot::BackupGoaler, 1001, "9 - Subscript out of range in Place!",
         "Skater 701", false},
        {"a strategy of 7", slot::Strategy + 1, 7, "380 - Invalid property value in Place!", "Skater 701",
         true},
        {"a strategy of -1", slot::Strategy, -1, "380 - Invalid property value in Place!", "Skater 701",
         true},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c([&](LeagueData& l) {
                l.League.FarmLinesEnabled = True;
                FillLines(l.Teams[Team].Farm.Lines[0], c.pro);
                DayLines& d = farm ? l.Teams[Team].Farm.Lines[0] : l.Teams[Team].ProLines[0];
                d.Slots[k.word] = k.value;
            });
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            ASSERT_FALSE(c.dialogs.shown().empty());
            EXPECT_EQ(c.dialogs.shown()[0].prompt, k.message);
            EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
            EXPECT_TRUE(w->Visible());  // the opening went on
            EXPECT_EQ(w->slotLabel(lbl::ExtraForward, 1).Caption(), k.filledBefore);
            EXPECT_EQ(w->slotLabel(lbl::BackupGoaler, 0).Caption().empty(), !k.slotsDone);
            EXPECT_EQ(w->StrategyLoaded, False);
            EXPECT_EQ(w->lblPoint.Caption(), "5");  // the layout's, never reached
        }
    }
}

// A display that fails half-way leaves the strategy bars off even when the
// day shown before had them on.
TEST(LinesPlace, AFailureOnAnotherDayTurnsTheStrategyBarsOff) {
    TeamClient c([](LeagueData& l) {
        leaguewriter::AddGame(l, 1, Team, OtherTeam);
        leaguewriter::AddGame(l, 2, Team, OtherTeam);
        l.League.NextDayInfoAvailable = True;
        l.Teams[Team].ProLines[1].Slots[slot::NormalTrio] = 10001;
    });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->StrategyLoaded, True);
    ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::SmallUp));
    EXPECT_EQ(c.dialogs.messages(), Texts{"9 - Subscript out of range in Place!"});
    EXPECT_EQ(w->StrategyLoaded, False);
    EXPECT_EQ(w->lblGame.Caption(), "Lines 2 - For Game 2 vs Norrvik Pike");
}

// ---------------------------------------------------------------------------
// The status.

TEST(LinesCheck, WhereTheSelectedSkaterPlaysIsTakenAfterTheProCheckAndBeforeTheFarmOne) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm);
        Lineup farmClub;
        TeamClient c([&](LeagueData& l) {
            farmClub = AddFarmClub(l);
            FillLines(l.Teams[Team].Farm.Lines[0], farmClub);
        });
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        const int16_t skater = farm ? farmClub.C[1] : c.pro.C[1];
        ASSERT_TRUE(Select(c, *w, "Skater " + std::to_string(skater)));
        const std::string where = "(7) - L-2C, PP-2C, 44-2F, PK-2F, PK3-2F, EF-2, PS-2, ";
        EXPECT_EQ(w->lblPlaying.Caption(), where);
        EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");

        // He is hurt: the check takes him out of every line set.
        c.league().Players[skater].Condition = 50;
        c.state().DataChanged = False;
        w->Check();
        EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
        EXPECT_TRUE(w->cmdDebug.Enabled());
        EXPECT_EQ(w->lblPlaying.Caption(), farm ? where : "(0) - ");
        EXPECT_EQ(DayOf(c, farm, 1).Slots[slot::NormalTrio + 1], 0);
        // His name stays on the label until the day is shown again.
        EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 2).Caption(), "Skater " + std::to_string(skater));
        EXPECT_EQ(c.state().DataChanged, True);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesCheck, AGoalieOrNoSelectionLeavesThePlayingLineAlone) {
    TeamClient c;
    // What another window left selected: a goalie.
    c.state().CurrentPlayerIndex = 71;
    c.state().ShowGoalie = True;
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblPlaying.Caption(), "");
    w->lblPlaying.setCaption("as it was");
    w->Check();
    EXPECT_EQ(w->lblPlaying.Caption(), "as it was");

    // A skater left selected elsewhere counts from the opening on.
    c.click(w->cmdExit);
    c.state().CurrentPlayerIndex = 714;
    c.state().ShowGoalie = False;
    w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblPlaying.Caption(), "(7) - L-1D, L-4D, PP-1D, 44-1D, PK-1D, PK3-1D, ED-2, ");
    c.state().CurrentPlayerIndex = 0;
    w->lblPlaying.setCaption("as it was");
    w->Check();
    EXPECT_EQ(w->lblPlaying.Caption(), "as it was");
}

TEST(LinesCheck, ASkaterWithoutASlotReadsZero) {
    TeamClient c([](LeagueData& l) { AddSkater(l, 790, Team, pos::D); });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(Select(c, *w, "Skater 790"));
    EXPECT_EQ(w->lblPlaying.Caption(), "(0) - ");
}

TEST(LinesCheck, WithFarmLinesOffTheFarmDayIsAlwaysComplete) {
    TeamClient c;  // farm clubs off; the farm day is empty
    LinesWindow* w = OpenLines(c, true);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");
    EXPECT_FALSE(w->cmdDebug.Enabled());
    EXPECT_EQ(c.state().DataChanged, True);
}

TEST(LinesCheck, ProDayOneCompleteEnablesSaveWhateverDayIsShown) {
    TeamClient c([](LeagueData& l) {
        AddFarmClub(l);  // the sheet's own gate stays shut: farm day 1 is empty
        for (int16_t e = 1; e <= 3; ++e) leaguewriter::AddGame(l, e, Team, OtherTeam);
        l.League.NextDayInfoAvailable = True;
        l.Teams[Team].ProLines[0].Slots[slot::StartGoaler] = 0;
    });
    frmTeam* sheet = c.openSheet();
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(c.click(sheet->cmdLines));
    LinesWindow* w = c.window<frmLine>();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(sheet->cmdSaveToFile.Enabled());
    ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::Track, 3));
    EXPECT_FALSE(sheet->cmdSaveToFile.Enabled());

    // Day 1 is mended elsewhere; a click on day 3 opens the way.
    c.team().ProLines[0].Slots[slot::StartGoaler] = c.pro.G[0];
    ASSERT_TRUE(Select(c, *w, "Goalie 72"));
    ASSERT_TRUE(ClickSlot(c, *w, lbl::StartGoaler, 0));
    EXPECT_EQ(DayOf(c, false, 3).Slots[slot::StartGoaler], 72);
    EXPECT_TRUE(sheet->cmdSaveToFile.Enabled());
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
    EXPECT_TRUE(c.dialogs.shown().empty());
}

}  // namespace
}  // namespace dravik::test
