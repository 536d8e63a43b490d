// The strategy bars (a shared budget of 5, refused moves snap back without a
// word) and the two pull-goalie boxes (a number checked when the box loses
// the focus, a refusal keeping the focus in the box), in both windows.

#include <gtest/gtest.h>

#include "support/lines_client.h"

namespace dravik::test {
namespace {

using Scroll = User::Scroll;
using Texts = std::vector<std::string>;

constexpr int StrategyPage = 4;

struct Move {
    int bar;
    Scroll how;
    int value = 0;  // Track only
};

TEST(LinesStrategy, TheBarsShareABudgetOfFiveAndARefusedMoveSnapsBack) {
    struct Case {
        const char* name;
        std::array<int16_t, 3> stored;
        std::vector<Move> moves;
        std::array<int16_t, 3> after;  // bars, shown values and words alike
        const char* pointsLeft;
    };
    const Case cases[] = {
        {"the last point is taken", {2, 1, 1}, {{2, Scroll::SmallUp}}, {2, 1, 2}, "0"},
        {"one more is refused", {2, 1, 1}, {{2, Scroll::SmallUp}, {0, Scroll::SmallUp}}, {2, 1, 2}, "0"},
        {"a drag beyond the budget is refused", {2, 1, 1}, {{1, Scroll::Track, 5}}, {2, 1, 1}, "1"},
        {"lowering frees points", {2, 2, 1}, {{0, Scroll::Track, 0}}, {0, 2, 1}, "2"},
        {"above the budget a step down into it is taken",
         {2, 2, 2},
         {{2, Scroll::SmallDown}},
         {2, 2, 1},
         "0"},
        {"far above the budget nothing is taken",
         {3, 3, 3},
         {{0, Scroll::Track, 0}, {1, Scroll::SmallDown}},
         {3, 3, 3},
         "-4"},
    };
    for (bool farm : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(std::string(k.name) + (farm ? ", farm" : ", pro"));
            TeamClient c([&](LeagueData& l) {
                DayLines& d = farm ? l.Teams[Team].Farm.Lines[0] : l.Teams[Team].ProLines[0];
                for (int i = 0; i <= 2; ++i) d.Slots[slot::Strategy + i] = k.stored[i];
            });
            LinesWindow* w = OpenLines(c, farm);
            ASSERT_NE(w, nullptr);
            // Loading the bars wrote nothing back and snapped nothing, even above the budget.
            for (int i = 0; i <= 2; ++i) {
                EXPECT_EQ(w->hscStats(i).Value(), k.stored[i]);
                EXPECT_EQ(DayOf(c, farm, 1).Slots[slot::Strategy + i], k.stored[i]);
            }
            ASSERT_TRUE(c.user.selectTab(w->TabLine, StrategyPage));
            c.state().DataChanged = False;
            c.dialogs.clear();
            for (const Move& m : k.moves) c.user.scroll(w->hscStats(m.bar), m.how, m.value);

            for (int i = 0; i <= 2; ++i) {
                SCOPED_TRACE(i);
                EXPECT_EQ(w->hscStats(i).Value(), k.after[i]);
                EXPECT_EQ(w->lblStatsPoint(i).Caption(), std::to_string(k.after[i]));
                EXPECT_EQ(DayOf(c, farm, 1).Slots[slot::Strategy + i], k.after[i]);
            }
            EXPECT_EQ(w->lblPoint.Caption(), k.pointsLeft);
            EXPECT_EQ(w->PointsLeft, std::stoi(k.pointsLeft));
            EXPECT_TRUE(c.dialogs.shown().empty());
            EXPECT_EQ(c.state().DataChanged, False);
            // The other club's day is not the shown one.
            for (int i = 0; i <= 2; ++i) EXPECT_EQ(DayOf(c, !farm, 1).Slots[slot::Strategy + i], 0);
        }
    }
}

TEST(LinesPullGoalie, ATypedNumberIsTakenWhenTheBoxLosesTheFocus) {
    const std::string onlyNumbers = "Only numbers are allowed in that textbox!";
    struct Case {
        const char* text;
        std::string message;  // empty: taken
        int16_t stored;       // the word afterwards
    };
    const Case cases[] = {
        {"", "No Valid Input!", 3},
        {" 5", "No Valid Input!", 3},
        {"abc", "No Valid Input!", 3},
        {"-", "No Valid Input!", 3},
        {"5a", onlyNumbers, 3},
        {"5 ", onlyNumbers, 3},
        {"-3", "", -3},
        {"12-3", "", 12},
        {"--5", "", 0},
        {"0", "", 0},
        {"32767", "", 32767},
        {"-32768", "", -32768},
        // Beyond what the day's word holds: refused as a bad input is.
        {"40000", "No Valid Input!", 3},
        {"-32769", "No Valid Input!", 3},
        {"123456789012345678901234", "No Valid Input!", 3},
    };
    for (bool farm : {false, true}) {
        for (bool goals : {true, false}) {
            for (const Case& k : cases) {
                SCOPED_TRACE(std::string("\"") + k.text + "\"" + (farm ? ", farm" : ", pro") +
                             (goals ? ", goals" : ", save pct"));
                TeamClient c([&](LeagueData& l) {
                    DayLines& d = farm ? l.Teams[Team].Farm.Lines[0] : l.Teams[Team].ProLines[0];
                    d.Slots[slot::PullGoalerMinGoal] = 3;
                    d.Slots[slot::PullGoalerMinPct] = 3;
                });
                LinesWindow* w = OpenLines(c, farm);
                ASSERT_NE(w, nullptr);
                ASSERT_TRUE(c.user.selectTab(w->TabLine, StrategyPage));
                TextBox& box = goals ? w->txtPullGoalerMinGoal : w->txtPullGoalerMinPct;
                TextBox& other = goals ? w->txtPullGoalerMinPct : w->txtPullGoalerMinGoal;
                const int word = goals ? slot::PullGoalerMinGoal : slot::PullGoalerMinPct;
                const int otherWord = goals ? slot::PullGoalerMinPct : slot::PullGoalerMinGoal;
                c.state().DataChanged = False;
                c.dialogs.clear();
                ASSERT_TRUE(c.user.typeText(box, k.text));
                c.user.click(other);

                EXPECT_EQ(DayOf(c, farm, 1).Slots[word], k.stored);
                EXPECT_EQ(DayOf(c, farm, 1).Slots[otherWord], 3);
                EXPECT_EQ(DayOf(c, !farm, 1).Slots[word], 0);
                EXPECT_EQ(box.Text(), k.text);  // kept as typed either way
                EXPECT_EQ(c.state().EditGuard, False);
                if (k.message.empty()) {
                    EXPECT_TRUE(c.dialogs.shown().empty());
                    EXPECT_TRUE(other.hasFocus());
                    EXPECT_EQ(c.state().DataChanged, True);
                } else {
                    ASSERT_EQ(c.dialogs.messages(), Texts{k.message});
                    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Exclamation);
                    EXPECT_TRUE(box.hasFocus());
                    EXPECT_EQ(c.state().DataChanged, False);
                }
            }
        }
    }
}

TEST(LinesPullGoalie, ARefusedTextKeepsTheWindowOpenWithTheFocusInItsBox) {
    for (bool farm : {false, true}) {
        SCOPED_TRACE(farm ? "farm" : "pro");
        TeamClient c;
        LinesWindow* w = OpenLines(c, farm);
        ASSERT_NE(w, nullptr);
        ASSERT_TRUE(c.user.selectTab(w->TabLine, StrategyPage));
        ASSERT_TRUE(c.user.typeText(w->txtPullGoalerMinGoal, "abc"));
        c.dialogs.clear();
        c.user.click(w->cmdExit);
        EXPECT_EQ(c.dialogs.messages(), Texts{"No Valid Input!"});
        ASSERT_EQ(LinesOf(c, farm), w);
        EXPECT_TRUE(w->Visible());
        EXPECT_TRUE(w->txtPullGoalerMinGoal.hasFocus());

        // Once a number stands there, the window closes and the day holds it.
        ASSERT_TRUE(c.user.typeText(w->txtPullGoalerMinGoal, "4"));
        c.user.click(w->cmdExit);
        EXPECT_EQ(LinesOf(c, farm), nullptr);
        EXPECT_EQ(DayOf(c, farm, 1).Slots[slot::PullGoalerMinGoal], 4);
    }
}

TEST(LinesPullGoalie, AFailureInsideIsTheStandardBoxAndTheWindowGoesOn) {
    TeamClient c;
    LinesWindow* w = OpenLines(c, false);
    ASSERT_NE(w, nullptr);
    ASSERT_TRUE(c.user.selectTab(w->TabLine, StrategyPage));
    w->CurrentDay = 11;  // a day no line set has
    c.dialogs.clear();
    ASSERT_TRUE(c.user.typeText(w->txtPullGoalerMinGoal, "4"));
    c.user.click(w->txtPullGoalerMinPct);
    EXPECT_EQ(c.dialogs.messages(),
              Texts{"9 - Subscript out of range in frmLine.txtPullGoalerMinGoal_LostFocus!"});
    EXPECT_EQ(c.dialogs.shown()[0].icon(), mb::Critical);
    EXPECT_EQ(c.window<frmLine>(), w);
    EXPECT_EQ(c.state().EditGuard, False);

    // The bars have no box of their own either. (Moving the focus to the
    // bar first checks the box that had it, which fails the same way.)
    c.dialogs.clear();
    ASSERT_TRUE(c.user.scroll(w->hscStats(0), Scroll::SmallUp));
    EXPECT_EQ(c.dialogs.messages(),
              (Texts{"9 - Subscript out of range in frmLine.txtPullGoalerMinPct_LostFocus!",
                     "9 - Subscript out of range in frmLine.hscStats_Change!"}));
    EXPECT_EQ(c.window<frmLine>(), w);
}

}  // namespace
}  // namespace dravik::test
