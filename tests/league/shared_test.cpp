#include "league/shared.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_env.h"

namespace dravik {
namespace {

struct WaiverCase {
    const char* what;
    int16_t team;
    int16_t person;
    int skater;  // the skater marked, 0 = none
    int goalie;  // the goalie marked, 0 = none
};

class MarkOnWaiversTest : public testing::TestWithParam<WaiverCase> {};

TEST_P(MarkOnWaiversTest, MarksThePersonOrRefusesABadNumber) {
    const WaiverCase& c = GetParam();
    test::TestEnv t;
    t.league->Players[7].Team = 5;  // the player's own team plays no part
    MarkOnWaivers(t.env, c.team, c.person);

    for (int i = 1; i <= 10000; ++i)
        ASSERT_EQ(t.league->Players[i].Suspension, i == c.skater ? 99 : 0) << "skater " << i;
    for (int i = 1; i <= 1000; ++i)
        ASSERT_EQ(t.league->Goalies[i].Suspension, i == c.goalie ? 99 : 0) << "goalie " << i;
    EXPECT_EQ(t.league->Players[0].Suspension, 0);
    EXPECT_EQ(t.league->Goalies[0].Suspension, 0);

    if (c.skater == 0 && c.goalie == 0) {
        ASSERT_EQ(t.dialogs.shown().size(), 1u);
        EXPECT_EQ(t.dialogs.shown()[0].prompt, "Integrity Check Failed!");
        EXPECT_EQ(t.dialogs.shown()[0].icon(), mb::Critical);
        EXPECT_EQ(t.dialogs.shown()[0].title, "Dravik Hockey Simulator Client");
        EXPECT_EQ(t.state->LastMsgBoxResult, mb::OK);
    } else {
        EXPECT_TRUE(t.dialogs.shown().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MarkOnWaiversTest,
    testing::Values(WaiverCase{"LastSkater", 1, 10000, 10000, 0}, WaiverCase{"FirstGoalie", 1, 10001, 0, 1},
                    WaiverCase{"FirstSkaterOfTeam100", 100, 1, 1, 0},
                    WaiverCase{"LastGoalie", 50, 11000, 0, 1000},
                    WaiverCase{"AnotherTeamsSkater", 1, 7, 7, 0}, WaiverCase{"PersonZero", 1, 0, 0, 0},
                    WaiverCase{"Person11001", 1, 11001, 0, 0}, WaiverCase{"NegativePerson", 1, -1, 0, 0},
                    WaiverCase{"TeamZero", 0, 5, 0, 0}, WaiverCase{"Team101", 101, 5, 0, 0},
                    WaiverCase{"NegativeTeam", -3, 5, 0, 0}),
    [](const testing::TestParamInfo<WaiverCase>& info) { return std::string(info.param.what); });

TEST(MarkOnWaivers, OverwritesAnEarlierSuspension) {
    test::TestEnv t;
    t.league->Players[12].Suspension = 3;
    t.league->Players[12].Condition = 90;
    MarkOnWaivers(t.env, 4, 12);
    EXPECT_EQ(t.league->Players[12].Suspension, 99);
    EXPECT_EQ(t.league->Players[12].Condition, 90);
}

TEST(IsTradeDeadlinePassed, TrueOnlyForMinusOne) {
    test::TestEnv t;
    const std::pair<int16_t, Flag> cases[] = {{-1, True}, {0, False}, {1, False}, {2, False}, {-2, False}};
    for (auto [stored, expected] : cases) {
        t.league->League.TradeDeadlinePassed = stored;
        EXPECT_EQ(IsTradeDeadlinePassed(t.env), expected) << stored;
    }
}

TEST(InitSharedState, SetsWhatTheMainWindowSetsAtStart) {
    auto state = std::make_unique<ProgramState>();
    state->PlayerStates[3].Protected = True;
    InitSharedState(*state, "/home/gm/.local/share/DravikClient/ClientTemp.ztm");

    EXPECT_EQ(state->ShowMessages, True);
    EXPECT_EQ(state->WorkFilePath, "/home/gm/.local/share/DravikClient/ClientTemp.ztm");
    EXPECT_EQ(state->WindowTitlePrefix, "Dravik Hockey Simulator Client");
    const std::vector<std::string> positions = {"C", "LW", "RW", "D", "G"};
    for (int p = 1; p <= 5; ++p) EXPECT_EQ(state->PositionNames[p], positions[p - 1]);

    using Row16 = std::array<std::string, 17>;
    using Row14 = std::array<std::string, 15>;
    EXPECT_EQ(state->SkaterStatLabels[0], (Row16{"", "CK", "FG", "DI", "SK", "ST", "DU", "PH", "FO", "PA",
                                                 "SC", "DF", "EX", "LD", "MO", "PO", "OV"}));
    EXPECT_EQ(state->SkaterStatLabels[1], (Row16{"", "IT", "PY", "PC", "SC", "DF", "ME", "PO", "OV"}));
    EXPECT_EQ(state->GoalieStatLabels[0], (Row14{"", "SK", "DU", "ST", "SZ", "AG", "RB", "SC", "HS", "RT",
                                                 "EX", "LD", "MO", "PO", "OV"}));
    EXPECT_EQ(state->GoalieStatLabels[1], (Row14{"", "PH", "RD", "SC", "HS", "RT", "ME", "PO", "OV"}));

    for (int i = 1; i <= 10000; ++i) ASSERT_EQ(state->PlayerStates[i].Status, 10) << i;
    for (int i = 1; i <= 1000; ++i) ASSERT_EQ(state->GoalieStates[i].Status, 10) << i;
    EXPECT_EQ(state->PlayerStates[3].Protected, True);  // only Status is set
    // Left as they start.
    EXPECT_EQ(state->CurrentTeam, 0);
    EXPECT_EQ(state->SkaterStatCount, 0);
    EXPECT_EQ(state->DataChanged, 0);
}

struct GuardCase {
    const char* name;
    EditGuardScope::Leaving leaving;
    Flag before;
    Flag after;
};

class EditGuardScopeTest : public testing::TestWithParam<GuardCase> {};

TEST_P(EditGuardScopeTest, RaisesTheGuardAndPutsItDownAsItSays) {
    const GuardCase& c = GetParam();
    for (bool fails : {false, true}) {
        SCOPED_TRACE(fails ? "left by an error" : "left normally");
        Flag guard = c.before;
        try {
            EditGuardScope scope(guard, c.leaving);
            EXPECT_EQ(guard, True);
            if (fails) raiseError(err::InvalidPropertyValue);
        } catch (const RuntimeError&) {
        }
        EXPECT_EQ(guard, c.after);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Leavings, EditGuardScopeTest,
    testing::Values(GuardCase{"RestoreGivesBackFalse", EditGuardScope::RestorePrevious, False, False},
                    // A change inside another keeps the outer one's guard up.
                    GuardCase{"RestoreKeepsAnOuterGuard", EditGuardScope::RestorePrevious, True, True},
                    GuardCase{"SetFalseLowersAnOuterGuard", EditGuardScope::SetFalse, True, False},
                    GuardCase{"SetFalseFromFalse", EditGuardScope::SetFalse, False, False}),
    [](const testing::TestParamInfo<GuardCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace dravik
