// The automatic line makers on the generated leagues: on every team in use
// they fill day 1 of the pro and the farm lines so that the lines checks
// pass, without touching a roster and without a message.

#include <gtest/gtest.h>

#include <memory>

#include "leaguewriter/sample.h"
#include "rules/autolines.h"
#include "rules/autolinesfarm.h"
#include "rules/linecheck.h"
#include "support/league_file.h"
#include "test_env.h"

namespace dravik::leaguewriter {
namespace {

void expectEveryTeamGetsLegalLines(test::TestEnv& t) {
    t.state->ShowMessages = True;
    const auto before = std::make_unique<LeagueData>();
    before->Players = t.league->Players;
    before->Goalies = t.league->Goalies;
    int teams = 0;
    for (int16_t team = 1; team <= 100; ++team) {
        TeamInfo& tm = t.league->Teams[team];
        if (tm.InUse != True) continue;
        ++teams;
        tm.ProLines[0] = DayLines{};
        tm.Farm.Lines[0] = DayLines{};
        AutoLines(t.env, team, False, 1);
        AutoLinesFarm(t.env, team, False, 1);
        const DayLines pro = tm.ProLines[0];
        EXPECT_EQ(CheckLine(t.env, team, False, 1, False), True) << "pro lines of team " << team;
        EXPECT_EQ(CheckLineFarm(t.env, team, False, 1, False), True) << "farm lines of team " << team;
        // Complete and valid: the partial maker finds nothing to do.
        AutoLinesPartial(t.env, team, False, 1);
        EXPECT_TRUE(tm.ProLines[0] == pro) << "team " << team;
    }
    EXPECT_GE(teams, 30);
    EXPECT_TRUE(t.dialogs.shown().empty()) << t.dialogs.shown().front().prompt;
    EXPECT_EQ(t.log.entries.size(), 3u * teams);
    EXPECT_TRUE(t.league->Players == before->Players);
    EXPECT_TRUE(t.league->Goalies == before->Goalies);
}

TEST(SampleMakersTest, EveryTeamOfTheBuiltSample) {
    test::TestEnv t;
    ASSERT_TRUE(test::LoadBuiltSample(*t.league)) << BuiltSampleLeaguePath();
    // The farm makers' full form runs where the farm club dresses a full lineup.
    ASSERT_EQ(t.league->League.FarmFullLineup, True);
    expectEveryTeamGetsLegalLines(t);
}

// The same league with farm clubs that need not dress a full lineup: the
// simple farm maker.
TEST(SampleMakersTest, EveryTeamOfTheBuiltSampleWithTheSimpleFarmMaker) {
    test::TestEnv t;
    ASSERT_TRUE(test::LoadBuiltSample(*t.league)) << BuiltSampleLeaguePath();
    t.league->League.FarmFullLineup = False;
    expectEveryTeamGetsLegalLines(t);
}

// The benchmark makes lines for every team of the full-size league.
TEST(SampleMakersTest, EveryTeamOfTheFullLeague) {
    test::TestEnv t;
    BuildFullLeague(*t.league);
    expectEveryTeamGetsLegalLines(t);
}

}  // namespace
}  // namespace dravik::leaguewriter
