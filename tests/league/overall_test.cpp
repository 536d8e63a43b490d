#include "league/overall.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "test_env.h"

namespace dravik {
namespace {

using Skater = std::array<int16_t, 15>;  // CK FG DI SK ST DU PH FO PA SC DF EX LD MO PO
using Goalie = std::array<int16_t, 13>;  // SK DU ST SZ AG RB SC HS RT EX LD MO PO

struct Weights {
    int16_t ck;
    uint8_t fg, di, du, phpa, sc, exld;
};
const Weights kExample{50, 20, 20, 20, 30, 40, 10};
const Weights kNone{0, 0, 0, 0, 0, 0, 0};

const Skater kCenter{70, 60, 65, 80, 75, 70, 60, 72, 68, 74, 55, 50, 45, 60, 55};
const Skater kDefenseman{75, 65, 60, 70, 85, 80, 50, 40, 55, 45, 78, 60, 62, 60, 50};
const Goalie kGoalie{82, 70, 75, 68, 72, 70, 78, 74, 76, 60, 50, 60, 55};

class Overall : public ::testing::Test {
protected:
    void weights(const Weights& w) {
        LeagueInfo& L = t.league->League;
        L.OverallWeightCK = w.ck;
        L.OverallWeightFG = w.fg;
        L.OverallWeightDI = w.di;
        L.OverallWeightDU = w.du;
        L.OverallWeightPHPA = w.phpa;
        L.OverallWeightSC = w.sc;
        L.OverallWeightEXLD = w.exld;
    }
    int16_t skater(int16_t kind, const Skater& r, int16_t number = 17) {
        t.league->Players[number].Ratings = r;
        return PlayerOverall(t.env, kind, number);
    }
    int16_t goalie(const Goalie& r, int16_t number = 3) {
        t.league->Goalies[number].Ratings = r;
        return PlayerOverall(t.env, 5, number);
    }
    test::TestEnv t;
};

TEST_F(Overall, WorkedExamples) {
    weights(kExample);
    EXPECT_EQ(skater(1, kCenter), 60);
    EXPECT_EQ(skater(4, kDefenseman), 61);  // DF 78 > SC 45: defensive weights
    Skater offensive = kDefenseman;
    offensive[9] = 80;                   // DF 78 <= SC 80: offensive weights
    EXPECT_EQ(skater(4, offensive), 62);
    EXPECT_EQ(goalie(kGoalie), 60);
    weights({50, 20, 20, 20, 150, 150, 10});
    EXPECT_EQ(goalie(kGoalie), 65);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(Overall, AllForwardPositionsShareOneWeighting) {
    weights(kExample);
    for (int16_t kind : {1, 2, 3}) EXPECT_EQ(skater(kind, kCenter), 60) << kind;
}

TEST_F(Overall, DefensemanWithDefenseEqualToScoringTakesTheOffensiveSet) {
    weights(kExample);
    Skater even = kDefenseman;
    even[9] = 78;  // SC = DF: the offensive set sums to 62.26, the defensive one to 63.28
    EXPECT_EQ(skater(4, even), 62);
    even[9] = 77;  // DF now greater
    EXPECT_EQ(skater(4, even), 63);
}

TEST_F(Overall, SinglePrecisionRunningSumInItsFixedOrderDecidesNearHalves) {
    // Plain base terms, exact sums of x.5 in decimals. Kept in float between
    // terms and added first to last, the sum lands just above 42.5 (43) and
    // just below 53.5 (53); added in double, or last to first, they would
    // give 42 and 54.
    weights(kNone);
    EXPECT_EQ(skater(1, {74, 92, 32, 69, 7, 52, 25, 49, 64, 72, 64, 50, 3, 10, 20}), 43);
    EXPECT_EQ(skater(1, {31, 61, 72, 80, 71, 88, 43, 90, 48, 48, 82, 40, 85, 74, 86}), 53);
}

TEST_F(Overall, RoundsHalvesToEvenAndCapsAtNinetyNine) {
    // Only FG counts here (no base weight, league weight 250 / 5000 = 0.05):
    // the sum is exactly FG / 20.
    weights({0, 250, 0, 0, 0, 0, 0});
    struct Row {
        int16_t fg;
        int16_t overall;
    };
    const Row rows[] = {
        {1210, 60},  // 60.5
        {1230, 62},  // 61.5
        {1450, 72},  // 72.5
        {1470, 74},  // 73.5
        {1989, 99},  // 99.45
        {1990, 99},  // 99.5 rounds to 100, capped
        {3000, 99},  // 150
        {-30, -2},   // -1.5: no lower bound
    };
    for (const Row& r : rows) {
        Skater s{};
        s[1] = r.fg;
        EXPECT_EQ(skater(2, s), r.overall) << r.fg;
    }
    weights({1000, 20, 20, 20, 30, 40, 10});
    Skater star;
    star.fill(99);
    EXPECT_EQ(skater(1, star), 99);  // 108.9
}

TEST_F(Overall, ZeroRatingsAndZeroWeights) {
    weights(kExample);
    EXPECT_EQ(skater(1, Skater{}), 0);
    EXPECT_EQ(skater(4, Skater{}), 0);
    EXPECT_EQ(goalie(Goalie{}), 0);
    weights(kNone);
    EXPECT_EQ(skater(1, kCenter), 56);  // base terms only: 56.11
}

TEST_F(Overall, WhichRatingsCountThroughWhichWeights) {
    // A defenseman's CK is weighted by wDI: wCK moves forwards only.
    weights({255, 20, 20, 20, 30, 40, 10});
    EXPECT_EQ(skater(4, kDefenseman), 61);
    EXPECT_EQ(skater(1, kCenter), 63);

    // Raised to 3000, any rating with a weight would move the overall by
    // ten points or more.
    weights(kExample);
    Skater c = kCenter, d = kDefenseman;
    Goalie g = kGoalie;
    c[13] = 3000;          // MO
    d[13] = d[7] = 3000;   // MO, FO
    g[11] = 3000;          // MO
    EXPECT_EQ(skater(1, c), 60);
    EXPECT_EQ(skater(4, d), 61);
    EXPECT_EQ(goalie(g), 60);

    // FG has no base weight and counts only through wFG.
    Skater fg = kCenter;
    fg[1] = 3000;
    EXPECT_EQ(skater(1, fg), 72);  // about 71.88: 2940 more FG at 20 / 5000
    weights({50, 0, 20, 20, 30, 40, 10});
    EXPECT_EQ(skater(1, fg), 60);
    EXPECT_EQ(skater(4, {75, 3000, 60, 70, 85, 80, 50, 40, 55, 45, 78, 60, 62, 60, 50}), skater(4, kDefenseman));
}

TEST_F(Overall, GoalieFourRatingTermUsesTheMeanOfTwoWeights) {
    // wSC 200 and wPHPA 150: B = 175 / 1667 (65.76); the mean is not
    // squeezed into a byte.
    weights({50, 20, 20, 20, 150, 200, 10});
    EXPECT_EQ(goalie(kGoalie), 66);
}

TEST_F(Overall, GoalieFourRatingSumThatOverflowsDropsOnlyThatTerm) {
    weights(kExample);
    Goalie g = kGoalie;
    g[5] = g[6] = g[7] = g[8] = -9000;  // -36000 does not fit 16 bits
    EXPECT_EQ(goalie(g), -3300);        // with the term it would be about -3489
    g[5] = g[6] = g[7] = -8000;
    g[8] = -8768;  // exactly -32768 still fits
    EXPECT_EQ(goalie(g), -3186);
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(Overall, SumBelowTheSixteenBitRangeRatesZero) {
    weights({32767, 0, 0, 0, 0, 0, 0});
    Skater s{};
    s[0] = -32768;
    EXPECT_EQ(skater(1, s), 0);
}

TEST_F(Overall, RecordNumbersAtTheEdges) {
    weights(kExample);
    EXPECT_EQ(skater(1, kCenter, 0), 60);  // the placeholder is rated like any other
    EXPECT_EQ(skater(1, kCenter, 10000), 60);
    EXPECT_EQ(goalie(kGoalie, 0), 60);
    EXPECT_EQ(goalie(kGoalie, 1000), 60);
    // Outside the arrays: 0, silently.
    for (int16_t n : {10001, -1, 32767}) EXPECT_EQ(PlayerOverall(t.env, 1, n), 0) << n;
    for (int16_t n : {1001, -1}) EXPECT_EQ(PlayerOverall(t.env, 5, n), 0) << n;
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(Overall, UnknownKindIsAnIntegrityFailure) {
    weights(kExample);
    t.league->Players[17].Ratings = kCenter;
    for (int16_t kind : {0, 6, -1}) {
        t.dialogs.clear();
        t.state->LastMsgBoxResult = 0;
        EXPECT_EQ(PlayerOverall(t.env, kind, 17), 0) << kind;
        ASSERT_EQ(t.dialogs.shown().size(), 1u);
        EXPECT_EQ(t.dialogs.shown()[0].prompt, "Integrity Check Failed!");
        EXPECT_EQ(t.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
        EXPECT_EQ(t.dialogs.shown()[0].title, ProductName);
        EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
    }
}

}  // namespace
}  // namespace dravik
