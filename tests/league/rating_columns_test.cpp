#include "league/rating_columns.h"

#include <gtest/gtest.h>

#include "forms/runtime.h"
#include "league/shared.h"
#include "test_env.h"

namespace dravik {
namespace {

struct Fixture {
    test::TestEnv t;
    explicit Fixture(int16_t showAll) {
        InitSharedState(*t.state, t.state->WorkFilePath);
        // As the reader sets the counts.
        t.state->SkaterStatCount = showAll == -1 ? 15 : 7;
        t.state->GoalieStatCount = showAll == -1 ? 13 : 7;
    }
};

std::array<int16_t, 15> skater(std::initializer_list<int16_t> first) {
    std::array<int16_t, 15> r{};
    r.fill(50);
    int i = 0;
    for (int16_t v : first) r[i++] = v;
    return r;
}

TEST(RatingColumns, FullSetsShowEveryStoredRatingThenTheOverall) {
    Fixture f(-1);
    std::array<int16_t, 15> s{};
    for (int i = 0; i < 15; ++i) s[i] = static_cast<int16_t>(60 + i);
    RatingColumns c = SkaterColumns(*f.t.state, -1, s, 77);
    EXPECT_EQ(c.count, 15);
    EXPECT_EQ(c.caption[1], "CK");
    EXPECT_EQ(c.caption[15], "PO");
    EXPECT_EQ(c.value[1], "60");
    EXPECT_EQ(c.value[15], "74");
    EXPECT_EQ(c.caption[16], "OV");
    EXPECT_EQ(c.value[16], "77");

    std::array<int16_t, 13> g{};
    for (int i = 0; i < 13; ++i) g[i] = static_cast<int16_t>(80 + i);
    RatingColumns gc = GoalieColumns(*f.t.state, -1, g, 85);
    EXPECT_EQ(gc.count, 13);
    EXPECT_EQ(gc.caption[8], "HS");
    EXPECT_EQ(gc.value[13], "92");
    EXPECT_EQ(gc.caption[14], "OV");
    EXPECT_EQ(gc.value[14], "85");
}

struct GroupedCase {
    const char* what;
    std::initializer_list<int16_t> first;  // CK FG DI ...
    int column;
    const char* value;
};

TEST(RatingColumns, GroupedMeansRoundToTheNearest) {
    const GroupedCase cases[] = {
        {"IT of 70 70 71", {70, 70, 71}, 1, "70"},
        {"IT of 70 71 71", {70, 71, 71}, 1, "71"},
        {"PY of SK ST DU", {0, 0, 0, 90, 91, 92}, 2, "91"},
        {"SC alone", {0, 0, 0, 0, 0, 0, 0, 0, 0, 33}, 4, "33"},
    };
    for (const auto& c : cases) {
        Fixture f(0);
        RatingColumns cols = SkaterColumns(*f.t.state, 0, skater(c.first), 1);
        EXPECT_EQ(cols.count, 7) << c.what;
        EXPECT_EQ(cols.value[c.column], c.value) << c.what;
        EXPECT_EQ(cols.caption[8], "OV") << c.what;
    }
}

TEST(RatingColumns, GroupedGoalieColumns) {
    Fixture f(0);
    const std::array<int16_t, 13> g{80, 81, 82, 83, 84, 60, 61, 62, 63, 70, 71, 73, 40};
    RatingColumns c = GoalieColumns(*f.t.state, 0, g, 9);
    const char* captions[] = {"", "PH", "RD", "SC", "HS", "RT", "ME", "PO", "OV"};
    const char* values[] = {"", "82", "60", "61", "62", "63", "71", "40", "9"};
    for (int i = 1; i <= 8; ++i) {
        EXPECT_EQ(c.caption[i], captions[i]) << i;
        EXPECT_EQ(c.value[i], values[i]) << i;
    }
}

TEST(RatingColumns, AnOtherShowAllValueGivesTheFirstSevenFullColumnsAndStillOV) {
    Fixture f(1);  // the reader gives 7/7 for anything but -1
    RatingColumns c = SkaterColumns(*f.t.state, 1, skater({11, 12, 13, 14, 15, 16, 17}), 5);
    EXPECT_EQ(c.count, 7);
    EXPECT_EQ(c.caption[1], "CK");
    EXPECT_EQ(c.value[7], "17");
    EXPECT_EQ(c.caption[8], "OV");  // row 0 would give "FO"
    EXPECT_EQ(c.value[8], "5");
}

TEST(RatingColumns, AGroupedSumPast16BitsIsOverflow) {
    Fixture f(0);
    try {
        SkaterColumns(*f.t.state, 0, skater({30000, 30000, 1}), 0);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

}  // namespace
}  // namespace dravik
