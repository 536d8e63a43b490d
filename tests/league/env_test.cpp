#include "league/env.h"

#include <gtest/gtest.h>

#include "test_env.h"

namespace dravik {
namespace {

TEST(MsgBox, TitledWithProductNameAndStoresTheAnswer) {
    test::TestEnv t;
    t.dialogs.answerMessage(mb::No);
    EXPECT_EQ(MsgBox(t.env, "Sure?", mb::YesNo | mb::Question), mb::No);
    EXPECT_EQ(t.state->LastMsgBoxResult, mb::No);
    EXPECT_EQ(t.dialogs.shown().at(0).title, "Dravik Hockey Simulator Client");
    ShowErrorBox(t.env, RuntimeError(err::FileNotFound), " in OpenLeagueClient!");
    EXPECT_EQ(t.dialogs.shown().at(1).prompt, "53 - File not found in OpenLeagueClient!");
    EXPECT_EQ(t.dialogs.shown().at(1).icon(), mb::Critical);
    EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
}

TEST(BoundedArray, IndexOutsideTheBoundsIsErrorNine) {
    auto league = std::make_unique<LeagueData>();
    EXPECT_NO_THROW(league->Players[0]);
    EXPECT_NO_THROW(league->Players[10000]);
    for (int bad : {-1, 10001, 40000}) {
        try {
            league->Players[bad];
            ADD_FAILURE() << bad;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::SubscriptOutOfRange);
        }
    }
    EXPECT_THROW(league->Teams[0], RuntimeError);
    EXPECT_THROW(league->Teams[101], RuntimeError);
}

TEST(FixedText, AssignPadsWithBlanksAndTrimRemovesOnlyBlanks) {
    FixedText<5> t;
    EXPECT_EQ(t.raw(), std::string(5, '\0'));
    t = "ab";
    EXPECT_EQ(t.raw(), "ab   ");
    t = "abcdefg";
    EXPECT_EQ(t.raw(), "abcde");
    t = " a\tb ";
    EXPECT_EQ(t.trimmed(), "a\tb");
}

}  // namespace
}  // namespace dravik
