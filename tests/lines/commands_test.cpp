// The commands on a whole game day: copy to one day or to all, wipe, the
// automatic line makers and the explanation, in both windows.

#include <gtest/gtest.h>

#include <optional>

#include "lines/slot_labels.h"
#include "rules/autolines.h"
#include "rules/autolinesfarm.h"
#include "rules/linecheck.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using Change = std::function<void(LeagueData&)>;
using Texts = std::vector<std::string>;

// Day 1 (pro and farm) full, with strategy 1, 2, 2, pull-goalie values 3 and
// 880 and words 46, 47 of its own; every other day empty but for a mark in
// every word, so that what a copy writes and keeps can be told apart.
void MarkDays(LeagueData& l, const Lineup& pro, const Lineup& farmLineup) {
    for (bool farm : {false, true}) {
        auto& days = farm ? l.Teams[Team].Farm.Lines : l.Teams[Team].ProLines;
        FillLines(days[0], farm ? farmLineup : pro);
        DayLines& one = days[0];
        one.Slots[slot::Strategy] = 1;
        one.Slots[slot::Strategy + 1] = 2;
        one.Slots[slot::Strategy + 2] = 2;
        one.Slots[slot::PullGoalerMinGoal] = 3;
        one.Slots[slot::PullGoalerMinPct] = 880;
        one.Slots[46] = 705;
        one.Slots[47] = 706;
        for (int d = 2; d <= 10; ++d)
            for (int w = 0; w < slot::Count; ++w) days[d - 1].Slots[w] = static_cast<int16_t>(100 * d + w);
    }
}

// Day `to` as a copy of day `from` makes it.
DayLines CopyOf(const DayLines& from, const DayLines& to) {
    DayLines out = from;
    out.Slots[46] = to.Slots[46];
    out.Slots[47] = to.Slots[47];
    return out;
}

Change WithGames(int games) {
    return [games](LeagueData& l) {
        for (int16_t g = 1; g <= games; ++g) AddGameOfTeam(l, g, true);
    };
}

TEST(LinesCopy, TheReplyIsReadAsANumberAndCopiesToThatDay) {
    const std::string range3 = "Please entry a number between 1 and 3.";
    const std::string range10 = "Please entry a number between 1 and 10.";
    auto asked = [](int to) {
        return "Are you want to you want to copy the lines from day 1 to day " + std::to_string(to) + "?";
    };
    auto copied = [](int to) { return "Lines 1 was successfully copy to Lines " + std::to_string(to) + "."; };
    struct Case {
        const char* name;
        int games;
        std::optional<std::string> reply;  // none: the box is cancelled
        int target;                        // the day written; 0 = none
        Texts messages;
    };
    const Case cases[] = {
        {"0 is out of range", 3, "0", 0, {range3}},
        {"-1 is out of range", 3, "-1", 0, {range3}},
        {"4 is past the games found", 3, "4", 0, {range3}},
        {"the last game day", 3, "3", 3, {asked(3), copied(3)}},
        {"a cancelled box", 3, std::nullopt, 0, {range3}},
        {"an empty reply", 3, "", 0, {range3}},
        {"2.5 rounds to even", 10, "2.5", 2, {asked(2), copied(2)}},
        {"2x reads 2", 10, "2x", 2, {asked(2), copied(2)}},
        {"3.5 rounds to even", 10, "3.5", 4, {asked(4), copied(4)}},
        {"a blank between the digits", 10, "1 0", 10, {asked(10), copied(10)}},
        {"hexadecimal", 10, "&H9", 9, {asked(9), copied(9)}},
        {"no digit after the sign", 10, "--5", 0, {range10}},
        {"beyond 16 bits", 10, "99999", 0, {"6 - Overflow in cmdCopy!"}},
        {"twenty digits", 10, "12345678901234567890", 0, {"6 - Overflow in cmdCopy!"}},
        {"too small for a double", 10, "0." + std::string(400, '0') + "1", 0, {range10}},
        {"too large for a double despite e-",
         10,
         "1" + std::string(400, '0') + "e-5",
         0,
         {"6 - Overflow in cmdCopy!"}},
        {"the shown day itself", 10, "1", 1, {asked(1), copied(1)}},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c(WithGames(k.games));
            MarkDays(c.league(), c.pro, c.pro);
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            const TeamInfo before = c.team();
            const Texts labels = SlotCaptions(*w);
            c.dialogs.clear();
            c.state().DataChanged = False;
            if (k.reply) c.dialogs.answerInput(*k.reply);
            ASSERT_TRUE(c.click(w->cmdCopy));

            ASSERT_FALSE(c.dialogs.shown().empty());
            const auto& box = c.dialogs.shown()[0];
            EXPECT_EQ(box.kind, ScriptedDialogs::Kind::Input);
            EXPECT_EQ(box.prompt, "What day do you have to copy your lines?");
            EXPECT_EQ(box.title, ProductName);
            EXPECT_EQ(box.defaultText, "");
            EXPECT_EQ(c.dialogs.messages(), k.messages);
            for (int d = 1; d <= 10; ++d) {
                SCOPED_TRACE(d);
                const DayLines& was = farm ? before.Farm.Lines[d - 1] : before.ProLines[d - 1];
                const DayLines& now = DayOf(c, farm, d);
                EXPECT_EQ(now, d == k.target ? CopyOf(DayOf(c, farm, 1), was) : was);
                EXPECT_EQ(DayOf(c, !farm, d), farm ? before.ProLines[d - 1] : before.Farm.Lines[d - 1]);
            }
            EXPECT_EQ(c.state().DataChanged, False);
            EXPECT_EQ(w->CurrentDay, 1);
            EXPECT_EQ(SlotCaptions(*w), labels);
        }
    }
}

TEST(LinesCopy, TheQuestionsAndNoticesAsTheyStand) {
    TeamClient c(WithGames(3));
    MarkDays(c.league(), c.pro, c.pro);
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    c.dialogs.clear();
    c.dialogs.answerInput("2");
    ASSERT_TRUE(c.click(w->cmdCopy));
    ASSERT_TRUE(c.click(w->cmdCopyAll));
    const auto& shown = c.dialogs.shown();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[1].style, mb::YesNo | mb::Question);
    EXPECT_EQ(shown[2].style, mb::OKOnly | mb::Information);
    EXPECT_EQ(shown[3].prompt,
              "Are you want to you want to copy the lines from day 1 to day all the others day?");
    EXPECT_EQ(shown[3].style, mb::YesNo | mb::Question);
    EXPECT_EQ(shown[4].prompt, "Lines 1 was successfully copy to day all the others day.");
    EXPECT_EQ(shown[4].style, mb::OKOnly | mb::Information);
    for (const auto& s : shown) EXPECT_EQ(s.title, ProductName);

    // A range refusal is an exclamation.
    c.dialogs.clear();
    c.dialogs.answerInput("7");
    ASSERT_TRUE(c.click(w->cmdCopy));
    EXPECT_EQ(c.dialogs.shown().at(1).style, mb::OKOnly | mb::Exclamation);
}

TEST(LinesCopy, CopyAllWritesEveryOtherDayOfTheTenWhateverTheGamesFound) {
    struct Case {
        const char* name;
        bool farm;
        int games;
        int from;
        bool yes;
    };
    const Case cases[] = {
        {"pro, from day 1, three games", false, 3, 1, true},
        {"farm, from day 1, three games", true, 3, 1, true},
        {"pro, from day 10", false, 10, 10, true},
        {"farm, from day 10", true, 10, 10, true},
        {"no game found", false, 0, 1, true},
        {"answered No", false, 3, 1, false},
        {"farm, answered No", true, 3, 1, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient c(WithGames(k.games));
        MarkDays(c.league(), c.pro, c.pro);
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        if (k.from != 1) {
            ASSERT_TRUE(c.user.scroll(w->vscDay, User::Scroll::Track, k.from));
        }
        ASSERT_EQ(w->CurrentDay, k.from);
        const TeamInfo before = c.team();
        c.dialogs.clear();
        c.state().DataChanged = False;
        if (!k.yes) c.dialogs.answerMessage(mb::No);
        ASSERT_TRUE(c.click(w->cmdCopyAll));

        const std::string from = std::to_string(k.from);
        Texts expected{"Are you want to you want to copy the lines from day " + from +
                       " to day all the others day?"};
        if (k.yes) expected.push_back("Lines " + from + " was successfully copy to day all the others day.");
        EXPECT_EQ(c.dialogs.messages(), expected);
        const DayLines source = DayOf(c, k.farm, k.from);
        for (int d = 1; d <= 10; ++d) {
            SCOPED_TRACE(d);
            const DayLines& was = k.farm ? before.Farm.Lines[d - 1] : before.ProLines[d - 1];
            EXPECT_EQ(DayOf(c, k.farm, d), k.yes && d != k.from ? CopyOf(source, was) : was);
            EXPECT_EQ(DayOf(c, !k.farm, d), k.farm ? before.ProLines[d - 1] : before.Farm.Lines[d - 1]);
        }
        EXPECT_EQ(c.state().DataChanged, False);
        EXPECT_EQ(w->CurrentDay, k.from);
    }
}

TEST(LinesWipe, EmptiesTheShownDayButKeepsItsPullGoalieValues) {
    for (bool farm : {false, true}) {
        for (bool yes : {true, false}) {
            SCOPED_TRACE(std::string(farm ? "farm" : "pro") + (yes ? ", Yes" : ", No"));
            Lineup farmLineup;
            TeamClient c([&](LeagueData& l) { farmLineup = AddFarmClub(l); });
            MarkDays(c.league(), c.pro, farmLineup);
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            ASSERT_EQ(w->lblComplete.Caption(), "Lines are Complete");
            const TeamInfo before = c.team();
            const Texts labels = SlotCaptions(*w);
            c.dialogs.clear();
            c.state().DataChanged = False;
            if (!yes) c.dialogs.answerMessage(mb::No);
            ASSERT_TRUE(c.click(w->cmdWipeLines));

            ASSERT_EQ(c.dialogs.messages(), Texts{"Are you sure you want to wipe your lines?"});
            EXPECT_EQ(c.dialogs.shown()[0].style, mb::YesNo | mb::Question);
            DayLines expected = farm ? before.Farm.Lines[0] : before.ProLines[0];
            if (yes)
                for (int word = 0; word < slot::PullGoalerMinGoal; ++word)
                    if (word != 46 && word != 47) expected.Slots[word] = 0;
            EXPECT_EQ(DayOf(c, farm, 1), expected);
            for (int d = 1; d <= 10; ++d)
                EXPECT_EQ(DayOf(c, !farm, d), farm ? before.ProLines[d - 1] : before.Farm.Lines[d - 1]);
            if (!yes) {
                EXPECT_EQ(SlotCaptions(*w), labels);
                EXPECT_EQ(c.state().DataChanged, False);
                continue;
            }
            // Shown again and checked.
            EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), farm ? "Unknown Player" : "");
            EXPECT_EQ(w->slotLabel(lbl::StartGoaler, 0).Caption(), farm ? "Unknown Goalie" : "");
            EXPECT_EQ(w->lblPoint.Caption(), "5");
            EXPECT_EQ(w->txtPullGoalerMinGoal.Text(), "3");
            EXPECT_EQ(w->txtPullGoalerMinPct.Text(), "880");
            EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
            EXPECT_TRUE(w->cmdDebug.Enabled());
            EXPECT_EQ(c.state().DataChanged, True);
        }
    }
}

// The window's automatic lines are the rules engine's: the same maker run on
// a twin of the league gives the day the window shows.
TEST(LinesAutoLines, TheWindowShowsWhatTheLineMakerBuilt) {
    struct Case {
        const char* name;
        bool farm;
        bool partial;
        Change change;
        Texts messages;
    };
    const Texts done{"Auto Lines Function has been run successfully."};
    const Case cases[] = {
        {"pro, an empty day", false, false, [](LeagueData& l) { l.Teams[Team].ProLines[0] = DayLines{}; },
         done},
        {"pro, over a full day", false, false, {}, done},
        {"partial, three gaps",
         false,
         true,
         [](LeagueData& l) {
             for (int word : {0, 20, slot::BackupGoaler}) l.Teams[Team].ProLines[0].Slots[word] = 0;
         },
         {"Auto Lines Partial Function has been run successfully."}},
        {"partial, an empty day is made whole", false, true,
         [](LeagueData& l) { l.Teams[Team].ProLines[0] = DayLines{}; }, done},
        {"farm, a full lineup", true, false, [](LeagueData& l) { AddFarmClub(l); }, done},
        {"farm, a light lineup with one fit goalie", true, false,
         [](LeagueData& l) {
             AddFarmClub(l);
             l.League.FarmFullLineup = False;
             l.Goalies[76].Condition = 50;
         },
         done},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        TeamClient twin(k.change);
        AsLoaded(twin);
        twin.state().CurrentTeam = Team;
        if (k.farm)
            AutoLinesFarm(twin.env(), Team, True, 1);
        else if (k.partial)
            AutoLinesPartial(twin.env(), Team, True, 1);
        else
            AutoLines(twin.env(), Team, True, 1);
        EXPECT_EQ(twin.dialogs.messages(), k.messages);

        TeamClient c(k.change);
        LinesWindow* w = OpenLines(c, k.farm);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(c.user.selectTab(w->TabLine, 2));
        c.dialogs.clear();
        c.state().DataChanged = False;
        CommandButton& button = k.partial ? static_cast<frmLine*>(w)->cmdPartialLine : w->cmdAutoLines;
        ASSERT_TRUE(c.click(button));
        EXPECT_EQ(c.dialogs.messages(), k.messages);
        EXPECT_EQ(DayOf(c, k.farm, 1), DayOf(twin, k.farm, 1));
        EXPECT_EQ(c.state().DataChanged, True);

        // Place and Check ran: the labels, the bars and the status are the made day's.
        LinesWindow* shown = OpenLines(twin, k.farm);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(SlotCaptions(*w), SlotCaptions(*shown));
        EXPECT_EQ(w->lblPoint.Caption(), shown->lblPoint.Caption());
        for (int i = 0; i <= 2; ++i) EXPECT_EQ(w->hscStats(i).Value(), shown->hscStats(i).Value());
        EXPECT_EQ(w->lblComplete.Caption(), "Lines are Complete");
        EXPECT_FALSE(w->cmdDebug.Enabled());
        EXPECT_EQ(w->TabLine.Tab(), 2);
        if (k.farm && c.league().League.FarmFullLineup == False) {
            EXPECT_EQ(DayOf(c, true, 1).Slots[slot::BackupGoaler], 0);
            EXPECT_EQ(w->slotLabel(lbl::BackupGoaler, 0).Caption(), "Unknown Goalie");
        }
    }
}

TEST(LinesAutoLines, AMakerThatGivesUpStillHasTheDayShownAgain) {
    // Too few fit dressed skaters: the maker gives up and says so.
    TeamClient c;
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    for (int n = 701; n <= 705; ++n) c.league().Players[n].Condition = 50;
    c.dialogs.clear();
    ASSERT_TRUE(c.click(w->cmdAutoLines));
    ASSERT_FALSE(c.dialogs.messages().empty());
    EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
    for (int id = 0; id < SlotLabelCount; ++id) {
        const SlotLabel& l = SlotLabels[id];
        for (int i = l.count == 0 ? 0 : 1; i <= l.count; ++i) {
            const int16_t n = DayOf(c, false, 1).Slots[SlotLabelWord(l, i)];
            const std::string name = l.rule == SlotRule::Goalie ? c.league().Goalies[n].Name.trimmed()
                                                                : c.league().Players[n].Name.trimmed();
            EXPECT_EQ(w->slotLabel(id, i).Caption(), n == 0 ? "" : name);
        }
    }
}

TEST(LinesAutoLines, TheButtonsOfALeagueWithoutThemDoNothing) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm ? "farm" : "pro");
        TeamClient c([](LeagueData& l) {
            l.League.AutoMadeDisabled = True;
            l.Teams[Team].ProLines[0] = DayLines{};
        });
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        c.dialogs.clear();
        const DayLines before = DayOf(c, farm, 1);
        EXPECT_FALSE(c.click(w->cmdAutoLines));
        if (!farm) {
            EXPECT_FALSE(c.click(static_cast<frmLine*>(w)->cmdPartialLine));
        }
        EXPECT_EQ(DayOf(c, farm, 1), before);
        EXPECT_TRUE(c.dialogs.shown().empty());
    }
}

TEST(LinesDebug, TheFindingsAreShownAndTheDisplayKeepsWhatItShowed) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm ? "farm" : "pro");
        Lineup farmLineup;
        TeamClient c([&](LeagueData& l) { farmLineup = AddFarmClub(l); });
        MarkDays(c.league(), c.pro, farmLineup);
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(c.click(w->cmdWipeLines));
        ASSERT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
        const DayLines wiped = DayOf(c, farm, 1);
        const Texts labels = SlotCaptions(*w);
        c.state().DataChanged = False;

        TeamClient twin([&](LeagueData& l) { AddFarmClub(l); });
        MarkDays(twin.league(), twin.pro, farmLineup);
        AsLoaded(twin);
        DayOf(twin, farm, 1) = wiped;
        (farm ? CheckLineFarm : CheckLine)(twin.env(), Team, True, 1, False);

        c.dialogs.clear();
        ASSERT_TRUE(c.click(w->cmdDebug));
        EXPECT_EQ(c.dialogs.messages(), twin.dialogs.messages());
        ASSERT_EQ(c.dialogs.shown().size(), 1u);
        EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Information);
        EXPECT_EQ(SlotCaptions(*w), labels);
        EXPECT_EQ(w->lblComplete.Caption(), "Lines are Incomplete");
        EXPECT_TRUE(w->cmdDebug.Enabled());
        EXPECT_EQ(c.state().DataChanged, False);
    }
}

TEST(LinesDebug, APlayerTheCheckTakesOutStaysShown) {
    // An incomplete day (its last penalty-shot place empty), then the first
    // centre hurt since the last check.
    TeamClient c([](LeagueData& l) { l.Teams[Team].ProLines[0].Slots[slot::PenaltyShot + 4] = 0; });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(w->cmdDebug.Enabled());
    const int16_t centre = DayOf(c, false, 1).Slots[0];
    const std::string name = c.league().Players[centre].Name.trimmed();
    ASSERT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), name);
    c.league().Players[centre].Condition = 50;
    c.dialogs.clear();
    ASSERT_TRUE(c.click(w->cmdDebug));
    ASSERT_EQ(c.dialogs.shown().size(), 1u);
    EXPECT_NE(c.dialogs.shown()[0].prompt.find(name + " is injured or suspended."), std::string::npos)
        << c.dialogs.shown()[0].prompt;
    EXPECT_EQ(DayOf(c, false, 1).Slots[0], 0);
    EXPECT_EQ(w->slotLabel(lbl::NormalTrioC, 1).Caption(), name);
}

}  // namespace
}  // namespace dravik::test
