#include "rules/candidates.h"

#include <gtest/gtest.h>

#include <vector>

#include "league/overall.h"
#include "test_env.h"

namespace dravik {
namespace {

const char* const kOutOfRange = "9 - Subscript out of range Insert!\r\nTrying to continue.";

struct Entry {
    int16_t index, value;
    friend bool operator==(const Entry&, const Entry&) = default;
};

void PrintTo(const Entry& e, std::ostream* os) { *os << "{" << e.index << ", " << e.value << "}"; }

class Candidates : public ::testing::Test {
protected:
    Candidates() {
        // Only FG counts for skaters (no base weight, 250 / 5000 = 0.05):
        // a forward's overall is FG / 20.
        t.league->League.OverallWeightFG = 250;
    }
    // A center whose overall is exactly `overall`.
    void skater(int number, int overall) {
        PlayerInfo& p = t.league->Players[number];
        p.InUse = True;
        p.Position = pos::C;
        p.Ratings = {};
        p.Ratings[1] = static_cast<int16_t>(overall * 20);
    }
    void goalie(int number, int16_t sk) {
        t.league->Goalies[number].InUse = True;
        t.league->Goalies[number].Ratings = {};
        t.league->Goalies[number].Ratings[0] = sk;
    }
    void insert(int16_t n) { Insert(t.env, n); }

    std::vector<Entry> list() const {
        std::vector<Entry> out;
        for (int k = 1; k <= t.state->SortValue[0]; ++k) out.push_back({t.state->SortIndex[k], t.state->SortValue[k]});
        return out;
    }
    test::TestEnv t;
};

TEST_F(Candidates, FirstInsertIntoAnEmptyList) {
    skater(12, 64);
    insert(12);
    EXPECT_EQ(t.state->SortValue[0], 1);
    EXPECT_EQ(list(), (std::vector<Entry>{{12, 64}}));
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(Candidates, DescendingOverallEqualOnesInInsertionOrder) {
    skater(11, 70);
    skater(12, 80);
    skater(13, 70);
    skater(14, 90);
    for (int16_t n : {11, 12, 13, 14}) insert(n);
    EXPECT_EQ(list(), (std::vector<Entry>{{14, 90}, {12, 80}, {11, 70}, {13, 70}}));

    // More equal values, at the front, the middle and the end.
    skater(15, 90);
    skater(16, 70);
    skater(17, 75);
    skater(18, 50);
    for (int16_t n : {15, 16, 17, 18}) insert(n);
    EXPECT_EQ(list(), (std::vector<Entry>{{14, 90}, {15, 90}, {12, 80}, {17, 75}, {11, 70}, {13, 70}, {16, 70}, {18, 50}}));
}

TEST_F(Candidates, PlayerInsertedTwiceIsListedTwice) {
    skater(21, 60);
    skater(22, 60);
    insert(21);
    insert(22);
    insert(21);
    EXPECT_EQ(list(), (std::vector<Entry>{{21, 60}, {22, 60}, {21, 60}}));
}

TEST_F(Candidates, GoalieNumberIsReducedInTheCallersVariable) {
    skater(5, 40);  // skater 5 must not be taken for goalie 5
    goalie(5, 900);
    int16_t expected = PlayerOverall(t.env, pos::G, 5);
    ASSERT_EQ(expected, 72);  // 900 * 0.08
    int16_t n = 10005;
    Insert(t.env, n);
    EXPECT_EQ(n, 5);
    EXPECT_EQ(list(), (std::vector<Entry>{{5, 72}}));

    goalie(1000, 500);  // 10000 + 1000, the last goalie
    n = 11000;
    Insert(t.env, n);
    EXPECT_EQ(n, 1000);
    EXPECT_EQ(list(), (std::vector<Entry>{{5, 72}, {1000, 40}}));
    EXPECT_TRUE(t.dialogs.shown().empty());
}

TEST_F(Candidates, TenThousandIsTheLastSkaterNotAGoalie) {
    skater(10000, 55);
    goalie(0, 900);
    int16_t n = 10000;
    Insert(t.env, n);
    EXPECT_EQ(n, 10000);
    EXPECT_EQ(list(), (std::vector<Entry>{{10000, 55}}));
}

TEST_F(Candidates, EmptyingClearsBothArrays) {
    skater(1, 50);
    skater(2, 60);
    insert(1);
    insert(2);
    EmptyCandidates(t.env);
    EXPECT_EQ(t.state->SortValue[0], 0);
    for (int16_t v : t.state->SortIndex) ASSERT_EQ(v, 0);
    for (int16_t v : t.state->SortValue) ASSERT_EQ(v, 0);
    insert(1);
    EXPECT_EQ(list(), (std::vector<Entry>{{1, 50}}));
}

TEST_F(Candidates, OverallThatCannotBeComputedCountsZeroAndTheInsertGoesOn) {
    skater(1, 50);
    insert(1);
    // A skater number below the array: the record cannot be read.
    int16_t n = -3;
    Insert(t.env, n);
    EXPECT_EQ(n, -3);
    ASSERT_EQ(t.dialogs.shown().size(), 1u);
    EXPECT_EQ(t.dialogs.shown()[0].prompt, kOutOfRange);
    EXPECT_EQ(t.dialogs.shown()[0].style, mb::OKOnly | mb::Critical);
    EXPECT_EQ(t.dialogs.shown()[0].title, ProductName);
    EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
    // A goalie beyond the array rates 0 without a word.
    n = 11500;
    Insert(t.env, n);
    EXPECT_EQ(n, 1500);
    EXPECT_EQ(t.dialogs.shown().size(), 1u);
    // An empty skater record has no position: the rating refuses it.
    insert(30);
    ASSERT_EQ(t.dialogs.shown().size(), 2u);
    EXPECT_EQ(t.dialogs.shown()[1].prompt, "Integrity Check Failed!");
    EXPECT_EQ(list(), (std::vector<Entry>{{1, 50}, {-3, 0}, {1500, 0}, {30, 0}}));
}

TEST_F(Candidates, AFullListTakesNoMoreAndNothingIsWrittenPastIt) {
    // Fill all 11000 entries with descending values, the last one by Insert.
    ProgramState& st = *t.state;
    for (int k = 1; k <= 10999; ++k) {
        st.SortIndex[k] = static_cast<int16_t>(k);
        st.SortValue[k] = static_cast<int16_t>(20000 - k);
    }
    st.SortValue[0] = 10999;
    skater(7, 1);
    insert(7);
    ASSERT_TRUE(t.dialogs.shown().empty());
    ASSERT_EQ(st.SortValue[0], 11000);
    EXPECT_EQ(st.SortIndex[11000], 7);
    EXPECT_EQ(st.SortValue[11000], 1);

    const std::vector<Entry> before = list();
    skater(8, 99);  // would go to the front
    goalie(2, 800);
    for (int16_t n : {8, 10002}) {
        t.dialogs.clear();
        int16_t v = n;
        Insert(t.env, v);
        ASSERT_EQ(t.dialogs.messages(), std::vector<std::string>{kOutOfRange});
        EXPECT_EQ(list(), before);
        EXPECT_EQ(st.SortValue[0], 11000);
    }
}

}  // namespace
}  // namespace dravik
