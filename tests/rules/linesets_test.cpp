#include "rules/linesets.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "rules/slots.h"
#include "support/small_league.h"

namespace dravik {
namespace {

using test::SmallLeague;
constexpr int16_t T = SmallLeague::Team;

// The 67 skater slots in the order they are listed, with their labels:
// (word, label). Written out from the layout of a line set, apart from the
// table the code uses.
std::vector<std::pair<int, std::string>> expectedLabels() {
    std::vector<std::pair<int, std::string>> out;
    auto n = [](int i) { return std::to_string(i); };
    for (int i = 1; i <= 4; ++i) {
        out.push_back({i - 1, "L-" + n(i) + "C, "});
        out.push_back({3 + i, "L-" + n(i) + "LW, "});
        out.push_back({7 + i, "L-" + n(i) + "RW, "});
        out.push_back({11 + i, "L-" + n(i) + "D, "});
        out.push_back({15 + i, "L-" + n(i) + "D, "});
    }
    for (int i = 1; i <= 2; ++i) {
        out.push_back({19 + i, "PP-" + n(i) + "C, "});
        out.push_back({21 + i, "PP-" + n(i) + "LW, "});
        out.push_back({23 + i, "PP-" + n(i) + "RW, "});
        out.push_back({25 + i, "PP-" + n(i) + "D, "});
        out.push_back({27 + i, "PP-" + n(i) + "D, "});
    }
    for (int i = 1; i <= 2; ++i)
        for (int base : {37, 39, 41, 43})
            out.push_back({base + i, "44-" + n(i) + (base < 41 ? "F, " : "D, ")});
    for (int i = 1; i <= 2; ++i)
        for (int base : {29, 31, 33, 35})
            out.push_back({base + i, "PK-" + n(i) + (base < 33 ? "F, " : "D, ")});
    for (int i = 1; i <= 2; ++i)
        for (int base : {47, 49, 51}) out.push_back({base + i, "PK3-" + n(i) + (base == 47 ? "F, " : "D, ")});
    for (int k = 1; k <= 5; ++k) {
        out.push_back({55 + k, "EF-" + n(k) + ", "});
        out.push_back({60 + k, "ED-" + n(k) + ", "});
        out.push_back({65 + k, "PS-" + n(k) + ", "});
    }
    return out;
}

TEST(PlayOnLine, EverySlotHasItsLabelAndIsCountedOnce) {
    auto labels = expectedLabels();
    ASSERT_EQ(labels.size(), 67u);
    for (bool pro : {true, false}) {
        for (const auto& [word, label] : labels) {
            SmallLeague lg;
            DayLines& set = pro ? lg.proDay(4) : lg.farmDay(4);
            set.Slots[word] = 555;
            // The other club's set of the day holds him everywhere; it is not looked at.
            (pro ? lg.farmDay(4) : lg.proDay(4)).Slots.fill(555);
            auto text = pro ? PlayOnLineString(lg.env, T, 555, 4) : PlayOnLineStringFarm(lg.env, T, 555, 4);
            auto count =
                pro ? PlayOnLineInteger(lg.env, T, 555, 4) : PlayOnLineIntegerFarm(lg.env, T, 555, 4);
            EXPECT_EQ(text, label) << "word " << word;
            EXPECT_EQ(count, 1) << "word " << word;
        }
    }
}

TEST(PlayOnLine, ListsTheSlotsInTheirOrder) {
    SmallLeague lg;
    std::string all;
    for (const auto& [word, label] : expectedLabels()) {
        lg.proDay(2).Slots[word] = 555;
        all += label;
    }
    // Goalie slots and the words that hold no skater are not looked at.
    for (int word : {46, 47, 54, 55, 71, 72, 73, 74, 75}) lg.proDay(2).Slots[word] = 555;
    EXPECT_EQ(PlayOnLineString(lg.env, T, 555, 2), all);
    EXPECT_EQ(PlayOnLineInteger(lg.env, T, 555, 2), 67);
    EXPECT_EQ(PlayOnLineString(lg.env, T, 556, 2), "");
    EXPECT_EQ(PlayOnLineInteger(lg.env, T, 556, 2), 0);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(PlayOnLine, ExamplesOfOneDay) {
    SmallLeague lg;
    DayLines& d = lg.proDay(1);
    d.Slots[5] = 40;   // normal line 2 LW
    d.Slots[22] = 40;  // PP 1 LW
    d.Slots[33] = 40;  // PK 2 W
    d.Slots[58] = 40;  // extra forward 3
    EXPECT_EQ(PlayOnLineString(lg.env, T, 40, 1), "L-2LW, PP-1LW, PK-2F, EF-3, ");
    EXPECT_EQ(PlayOnLineInteger(lg.env, T, 40, 1), 4);

    d.Slots[0] = 41;   // normal line 1 C
    d.Slots[20] = 41;  // PP 1 C
    EXPECT_EQ(PlayOnLineString(lg.env, T, 41, 1), "L-1C, PP-1C, ");
    EXPECT_EQ(PlayOnLineInteger(lg.env, T, 41, 1), 2);
}

TEST(PlayOnLine, ABadTeamOrDayIsTheErrorBoxAndNothing) {
    struct Case {
        int16_t team, day;
    };
    for (Case c : {Case{T, 0}, Case{T, 11}, Case{0, 1}, Case{101, 1}}) {
        SmallLeague lg;
        EXPECT_EQ(PlayOnLineString(lg.env, c.team, 1, c.day), "");
        EXPECT_EQ(PlayOnLineStringFarm(lg.env, c.team, 1, c.day), "");
        EXPECT_EQ(PlayOnLineInteger(lg.env, c.team, 1, c.day), 0);
        EXPECT_EQ(PlayOnLineIntegerFarm(lg.env, c.team, 1, c.day), 0);
        EXPECT_EQ(lg.dialogs.messages(),
                  (std::vector<std::string>{"9 - Subscript out of range in PlayOnLineString!",
                                            "9 - Subscript out of range in PlayOnLineStringFarm!",
                                            "9 - Subscript out of range in PlayOnLineInteger!",
                                            "9 - Subscript out of range in PlayOnLineIntegerFarm!"}));
        EXPECT_EQ(lg.dialogs.shown().at(0).icon(), mb::Critical);
    }
}

// Every pro and farm day of team 7 gets the legal lines of its club, and
// each farm day also holds pro.C[0] (skater 1) as its first extra forward.
SmallLeague& withLinesEverywhere(SmallLeague& lg) {
    for (int d = 1; d <= 10; ++d) {
        lg.fillProLines(d);
        lg.fillFarmLines(d);
        lg.farmDay(d).Slots[slot::ExtraForward] = lg.pro.C[0];
    }
    return lg;
}

TEST(WipePlayerFromTeamLines, ASkaterLeavesEverySetAndHisRole) {
    SmallLeague lg;
    withLinesEverywhere(lg);
    int16_t captain = lg.pro.C[0];
    ASSERT_EQ(captain, 1);
    ASSERT_EQ(lg.pro.G[0], 1);  // a goalie with the same number
    lg.proDay(3).Slots[slot::BackupGoaler] = 1;
    lg.proDay(1, SmallLeague::OtherTeam) = lg.proDay(1);
    TeamInfo before = lg.team();

    WipePlayerFromTeamLines(lg.env, T, captain);

    TeamInfo& t = lg.team();
    for (int d = 1; d <= 10; ++d) {
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.proDay(d), captain).empty()) << d;
        EXPECT_TRUE(SmallLeague::wordsHolding(lg.farmDay(d), captain).empty()) << d;
        EXPECT_EQ(lg.proDay(d).Slots[slot::StartGoaler], 1) << "goalie 1 stays";
    }
    EXPECT_EQ(lg.proDay(3).Slots[slot::BackupGoaler], 1);
    EXPECT_EQ(t.Captain, 0);
    EXPECT_EQ(t.Assistant1, before.Assistant1);
    EXPECT_EQ(t.Assistant2, before.Assistant2);
    // Nobody else moved, and other teams keep their lines.
    for (int d = 0; d < 10; ++d) {
        for (int w = 0; w < slot::Count; ++w) {
            if (before.ProLines[d].Slots[w] != captain || w == slot::StartGoaler || w == slot::BackupGoaler) {
                EXPECT_EQ(t.ProLines[d].Slots[w], before.ProLines[d].Slots[w]);
            }
        }
    }
    EXPECT_EQ(lg.proDay(1, SmallLeague::OtherTeam).Slots[0], captain);

    WipePlayerFromTeamLines(lg.env, T, lg.pro.D[0]);
    EXPECT_EQ(t.Assistant1, 0);
    WipePlayerFromTeamLines(lg.env, T, lg.pro.LW[0]);
    EXPECT_EQ(t.Assistant2, 0);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(WipePlayerFromTeamLines, AGoalieLeavesOnlyTheGoalieSlots) {
    SmallLeague lg;
    withLinesEverywhere(lg);
    lg.farmDay(5).Slots[slot::StartGoaler] = 1;
    lg.farmDay(6).Slots[slot::BackupGoaler] = 1;
    TeamInfo before = lg.team();

    WipePlayerFromTeamLines(lg.env, T, GoalieOffset + 1);

    TeamInfo after = lg.team();
    for (int d = 0; d < 10; ++d) {
        for (DayLines* sets : {&before.ProLines[d], &before.Farm.Lines[d]})
            for (int w : {slot::StartGoaler, slot::BackupGoaler})
                if (sets->Slots[w] == 1) sets->Slots[w] = 0;
    }
    EXPECT_EQ(after, before) << "skater 1 keeps his slots and the captaincy";
    EXPECT_EQ(after.Captain, 1);
}

TEST(WipePlayerFromTeamLines, NumbersAtTheBorderAndNobody) {
    SmallLeague lg;
    lg.proDay(2).Slots[0] = 10000;
    lg.proDay(2).Slots[slot::StartGoaler] = 1;
    lg.proDay(2).Slots[slot::BackupGoaler] = 2;
    WipePlayerFromTeamLines(lg.env, T, 10000);
    EXPECT_EQ(lg.proDay(2).Slots[0], 0);
    EXPECT_EQ(lg.proDay(2).Slots[slot::StartGoaler], 1);

    WipePlayerFromTeamLines(lg.env, T, 10001);
    EXPECT_EQ(lg.proDay(2).Slots[slot::StartGoaler], 0);
    EXPECT_EQ(lg.proDay(2).Slots[slot::BackupGoaler], 2);

    lg.fillProLines(3);
    TeamInfo before = lg.team();
    WipePlayerFromTeamLines(lg.env, T, 0);
    EXPECT_EQ(lg.team(), before);
    EXPECT_TRUE(lg.dialogs.shown().empty());
}

TEST(WipePlayerFromTeamLines, ABadTeamChangesNothing) {
    for (int16_t bad : {int16_t{0}, int16_t{101}}) {
        SmallLeague lg;
        WipePlayerFromTeamLines(lg.env, bad, 1);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
        EXPECT_EQ(lg.dialogs.shown().at(0).icon(), mb::Critical);
        EXPECT_EQ(lg.state->LastMsgBoxResult, mb::OK);
    }
}

TEST(WipesLines, EmptiesThePlayersAndStrategyOfOneSet) {
    for (Flag pro : {Flag{-1}, Flag{0}, Flag{1}, Flag{5}}) {
        SmallLeague lg;
        for (int d = 1; d <= 10; ++d)
            for (int w = 0; w < slot::Count; ++w) {
                lg.proDay(d).Slots[w] = static_cast<int16_t>(w + 1);
                lg.farmDay(d).Slots[w] = static_cast<int16_t>(w + 1);
            }
        TeamInfo before = lg.team();

        WipesLines(lg.env, T, 3, pro);

        DayLines& wiped = pro == True ? lg.proDay(3) : lg.farmDay(3);
        DayLines& other = pro == True ? lg.farmDay(3) : lg.proDay(3);
        for (int w = 0; w < slot::Count; ++w) {
            bool kept = w == 46 || w == 47 || w == 74 || w == 75;
            EXPECT_EQ(wiped.Slots[w], kept ? w + 1 : 0) << "word " << w;
        }
        EXPECT_EQ(other, pro == True ? before.Farm.Lines[2] : before.ProLines[2]);
        for (int d = 1; d <= 10; ++d)
            if (d != 3) {
                EXPECT_EQ(lg.proDay(d), before.ProLines[d - 1]);
                EXPECT_EQ(lg.farmDay(d), before.Farm.Lines[d - 1]);
            }
        for (int16_t n : {int16_t{1}, int16_t{20}, int16_t{70}})
            EXPECT_EQ(
                pro == True ? PlayOnLineInteger(lg.env, T, n, 3) : PlayOnLineIntegerFarm(lg.env, T, n, 3), 0);
        EXPECT_TRUE(lg.dialogs.shown().empty());
    }
}

TEST(WipesLines, ABadTeamOrDayChangesNothing) {
    struct Case {
        int16_t team, day;
    };
    for (Case c : {Case{0, 1}, Case{101, 1}, Case{T, 0}, Case{T, 11}}) {
        SmallLeague lg;
        lg.fillProLines(1);
        lg.fillProLines(10);
        TeamInfo before = lg.team();
        WipesLines(lg.env, c.team, c.day, True);
        EXPECT_EQ(lg.team(), before);
        EXPECT_EQ(lg.dialogs.messages(), std::vector<std::string>{"Integrity Check Failed!"});
    }
}

}  // namespace
}  // namespace dravik
