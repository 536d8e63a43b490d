// A click on a unit heading shows the unit's rating and overall averages in
// the ratings panel: sums of the unit's players (the placeholder for an
// empty slot), divided by the unit's full size, halves to even.

#include <gtest/gtest.h>

#include "league/overall.h"
#include "leaguewriter/builder.h"
#include "support/lines_client.h"

namespace dravik::test {
namespace {

using leaguewriter::AddSkater;
using Texts = std::vector<std::string>;

enum Heading { Normal, PowerPlay, FourVsFour, PenaltyKill, PenaltyKill3 };

// The unit's words, written out here rather than taken from the window's table.
std::vector<int> UnitWords(Heading h, int l) {
    switch (h) {
        case Normal:
            return {l - 1, l + 3, l + 7, l + 11, l + 15};
        case PowerPlay:
            return {l + 19, l + 21, l + 23, l + 25, l + 27};
        case FourVsFour:
            return {l + 37, l + 39, l + 41, l + 43};
        case PenaltyKill:
            return {l + 29, l + 31, l + 33, l + 35};
        case PenaltyKill3:
            return {l + 47, l + 49, l + 51};
    }
    return {};
}

bool ClickHeading(TeamClient& c, LinesWindow& w, Heading h, int l) {
    ControlArray<Label>* arrays[] = {&w.lblNormalTrio, &w.lblPPTrio, &w.lbl44Trio, &w.lblPKTrio,
                                     &w.lblPK3Trio};
    Label& heading = (*arrays[h])(l);
    if (w.TabLine.Tab() != heading.ContainerTab()) c.user.selectTab(w.TabLine, heading.ContainerTab());
    return c.user.click(heading);
}

// Skaters 901.. of no team, every rating 60, CK as given; placed in the unit's
// words in order (0 leaves the slot empty).
void PlaceUnit(TeamClient& c, DayLines& day, Heading h, int l, const std::vector<int16_t>& ck) {
    const std::vector<int> words = UnitWords(h, l);
    for (std::size_t k = 0; k < words.size(); ++k) {
        if (ck.at(k) == 0) {
            day.Slots[words[k]] = 0;
            continue;
        }
        const int16_t n = static_cast<int16_t>(901 + k);
        PlayerInfo& p = AddSkater(c.league(), n, 0, pos::C);
        p.Ratings[0] = ck[k];
        day.Slots[words[k]] = n;
    }
}

TEST(LinesAverages, EachRatingIsTheUnitsSumOverItsSizeHalvesToEven) {
    struct Case {
        const char* name;
        Heading heading;
        int line;
        std::vector<int16_t> ck;  // per slot, 0 = empty
        const char* title;
        const char* average;
    };
    const Case cases[] = {
        {"4 players, 290", PenaltyKill, 1, {72, 72, 73, 73}, "PK Lines #1", "72"},
        {"4 players, 294", FourVsFour, 2, {73, 73, 74, 74}, "4 vs 4 Lines #2", "74"},
        {"3 players, 200", PenaltyKill3, 2, {66, 67, 67}, "PK3 Lines #2", "67"},
        {"5 players, 363", Normal, 4, {72, 72, 73, 73, 73}, "Normal Lines #4", "73"},
        {"power play", PowerPlay, 2, {60, 60, 60, 60, 65}, "PP Lines #2", "61"},
        // The placeholder's 60 stands in for the empty slot; 5 still divides.
        {"an empty slot", Normal, 1, {80, 80, 80, 80, 0}, "Normal Lines #1", "76"},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c([](LeagueData& l) { l.League.UnknownPlayerRating = 60; });
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            PlaceUnit(c, DayOf(c, farm, 1), k.heading, k.line, k.ck);
            c.state().DataChanged = False;
            const DayLines before = DayOf(c, farm, 1);
            ASSERT_TRUE(ClickHeading(c, *w, k.heading, k.line));
            EXPECT_TRUE(c.dialogs.shown().empty());
            EXPECT_EQ(w->frmStat.Caption(), k.title);
            EXPECT_EQ(w->lblStatLabel(0).Caption(), "PO");
            EXPECT_TRUE(w->lblStatLabel(0).Visible());
            EXPECT_EQ(w->lblStat(0).Caption(), "T");
            EXPECT_TRUE(w->lblStat(0).Visible());
            EXPECT_EQ(w->lblStatLabel(1).Caption(), "CK");
            EXPECT_EQ(w->lblStat(1).Caption(), k.average);
            EXPECT_EQ(w->lblStat(2).Caption(), "60");  // FG of every player
            EXPECT_TRUE(w->lblStat(1).Visible());
            // A click only reads.
            EXPECT_EQ(DayOf(c, farm, 1), before);
            EXPECT_EQ(c.state().DataChanged, False);
        }
    }
}

TEST(LinesAverages, TheCaptionsAndTheOverallPairFollowTheLeague) {
    // Reduced ratings: CK, FG, DI average 70, 71, 71, so IT is 212 / 3 = 71.
    for (int16_t showAll : {int16_t{-1}, int16_t{1}, int16_t{0}}) {
        for (Flag overallColumn : {True, False}) {
            SCOPED_TRACE("ShowAllRatings " + std::to_string(showAll) + ", overall " +
                         std::to_string(overallColumn));
            TeamClient c([&](LeagueData& l) {
                l.League.ShowAllRatings = showAll;
                l.League.ShowOverallColumn = overallColumn;
            });
            LinesWindow* w = OpenLines(c, false);
            ASSERT_NE(w, nullptr);
            DayLines& day = DayOf(c, false, 1);
            PlaceUnit(c, day, PenaltyKill3, 1, {70, 70, 70});
            for (int n = 901; n <= 903; ++n) {
                c.league().Players[n].Ratings[1] = 71;
                c.league().Players[n].Ratings[2] = n == 901 ? 70 : 72;  // 214 / 3 = 71.33
            }
            // A defenseman at forward counts with his own overall.
            c.league().Players[901].Position = pos::D;
            int16_t overallSum = 0;
            for (int n = 901; n <= 903; ++n)
                overallSum += PlayerOverall(c.env(), c.league().Players[n].Position, static_cast<int16_t>(n));
            const std::string overall = std::to_string(roundToInt16(overallSum / 3.0));

            // What the list left in the pair after the last rating stays when no overall is shown.
            // A load shows all 15 for -1 only; a 1 shows the first 7 full captions.
            const int count = showAll == True ? 15 : 7;
            ASSERT_EQ(c.state().SkaterStatCount, count);
            w->lblStatLabel(count + 1).setCaption("xx");
            w->lblStat(count + 1).setCaption("yy");
            ASSERT_TRUE(ClickHeading(c, *w, PenaltyKill3, 1));
            EXPECT_TRUE(c.dialogs.shown().empty());

            Texts captions, values;
            for (int k = 1; k <= count + 1; ++k) {
                captions.push_back(w->lblStatLabel(k).Caption());
                values.push_back(w->lblStat(k).Caption());
            }
            const bool shown = overallColumn == True;
            if (showAll != 0) {
                Texts full{"CK", "FG", "DI", "SK", "ST", "DU", "PH", "FO",
                           "PA", "SC", "DF", "EX", "LD", "MO", "PO"};
                full.resize(static_cast<std::size_t>(count));
                // The overall pair reads "OV" as it does for a selected player, never "FO".
                full.push_back(shown ? "OV" : "xx");
                EXPECT_EQ(captions, full);
                EXPECT_EQ(values[0], "70");
                EXPECT_EQ(values[1], "71");
                EXPECT_EQ(values[2], "71");
            } else {
                EXPECT_EQ(captions, (Texts{"IT", "PY", "PC", "SC", "DF", "ME", "PO", shown ? "OV" : "xx"}));
                EXPECT_EQ(values[0], "71");
                EXPECT_EQ(values[1], "60");
            }
            EXPECT_EQ(values[count], shown ? overall : "yy");
            EXPECT_EQ(w->lblStat(count + 1).Visible(), shown);
        }
    }
}

TEST(LinesAverages, AnEmptyUnitShowsThePlaceholder) {
    TeamClient c([](LeagueData& l) {
        l.League.UnknownPlayerRating = 45;
        l.League.ShowOverallColumn = True;
    });
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    PlaceUnit(c, DayOf(c, false, 1), FourVsFour, 1, {0, 0, 0, 0});
    ASSERT_TRUE(ClickHeading(c, *w, FourVsFour, 1));
    Texts values;
    for (int k = 1; k <= 16; ++k) values.push_back(w->lblStat(k).Caption());
    const std::string overall = std::to_string(PlayerOverall(c.env(), 1, 0));
    EXPECT_EQ(values, (Texts{"45", "45", "45", "45", "45", "80", "45", "45", "45", "45", "45", "45", "45",
                             "45", "45", overall}));
}

TEST(LinesAverages, ABadSlotOrAnOverflowEndsTheClickInItsBox) {
    struct Case {
        const char* name;
        Heading heading;
        int16_t slotValue;  // into the unit's first word; 0 keeps the players
        int16_t rating;     // CK of each player
        const char* message;
    };
    const Case cases[] = {
        {"a slot past the records", Normal, 10001, 60, "9 - Subscript out of range in lblNormalTrio!"},
        {"a negative slot", PowerPlay, -1, 60, "9 - Subscript out of range in lblPPTrio!"},
        {"a sum beyond 16 bits", PenaltyKill, 0, 10000, "6 - Overflow in lblPKTrio!"},
        {"a sum beyond 16 bits", FourVsFour, 0, 10000, "6 - Overflow in lbl44Trio!"},
        {"a sum beyond 16 bits", PenaltyKill3, 0, 12000, "6 - Overflow in lblPK3Trio!"},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.message) + (farm ? ", farm" : ", pro"));
            TeamClient c;
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            DayLines& day = DayOf(c, farm, 1);
            const std::size_t size = UnitWords(k.heading, 1).size();
            PlaceUnit(c, day, k.heading, 1, std::vector<int16_t>(size, k.rating));
            if (k.slotValue != 0) day.Slots[UnitWords(k.heading, 1)[0]] = k.slotValue;
            w->frmStat.setCaption("before");
            ASSERT_TRUE(ClickHeading(c, *w, k.heading, 1));
            ASSERT_EQ(c.dialogs.messages(), Texts{k.message});
            EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
            EXPECT_EQ(w->frmStat.Caption(), "before");  // nothing shown yet
            EXPECT_EQ(LinesOf(c, farm), w);
        }
    }
}

}  // namespace
}  // namespace dravik::test
