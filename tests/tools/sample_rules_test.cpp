// The generated leagues under the league's own rules: every team in use
// passes the roster check and the pro and farm lines checks of day 1 as it
// stands, and nothing needs repairing.

#include <gtest/gtest.h>

#include <memory>

#include "leaguewriter/sample.h"
#include "rules/linecheck.h"
#include "rules/roster.h"
#include "support/league_file.h"
#include "test_env.h"

namespace dravik::leaguewriter {
namespace {

// Checks run quietly (no boxes, no log) but would still repair; a sample
// that needed a repair would show in the records afterwards.
void expectEveryTeamPasses(test::TestEnv& t) {
    t.state->ShowMessages = True;
    const auto before = std::make_unique<LeagueData>();
    before->Teams = t.league->Teams;
    before->Players = t.league->Players;
    before->Goalies = t.league->Goalies;
    int teams = 0;
    for (int16_t team = 1; team <= 100; ++team) {
        if (t.league->Teams[team].InUse != True) continue;
        ++teams;
        EXPECT_EQ(CheckRoster(t.env, team, False, True, False), True) << "roster of team " << team;
        EXPECT_EQ(t.state->RosterChangedByCheck, 0) << "team " << team;
        EXPECT_EQ(CheckLine(t.env, team, False, 1, False), True) << "pro lines of team " << team;
        EXPECT_EQ(CheckLineFarm(t.env, team, False, 1, False), True) << "farm lines of team " << team;
    }
    EXPECT_GE(teams, 30);
    EXPECT_TRUE(t.dialogs.shown().empty());
    EXPECT_TRUE(t.log.entries.empty()) << t.log.entries.front().text;
    EXPECT_TRUE(t.league->Teams == before->Teams);
    EXPECT_TRUE(t.league->Players == before->Players);
    EXPECT_TRUE(t.league->Goalies == before->Goalies);
}

TEST(SampleRulesTest, EveryTeamOfTheBuiltSamplePasses) {
    test::TestEnv t;
    ASSERT_TRUE(test::LoadBuiltSample(*t.league)) << BuiltSampleLeaguePath();
    // The farm rules of the roster check and the full farm lines check take
    // part only with managed farm clubs that dress a full lineup.
    ASSERT_EQ(t.league->League.FarmLinesEnabled, True);
    ASSERT_EQ(t.league->League.FarmFullLineup, True);
    ASSERT_NE(t.league->League.SalaryCapMode, 0);
    expectEveryTeamPasses(t);
}

// The benchmarks make lines for every team of the full-size league: its
// rosters must be as sound as the sample's.
TEST(SampleRulesTest, EveryTeamOfTheFullLeaguePasses) {
    test::TestEnv t;
    BuildFullLeague(*t.league);
    expectEveryTeamPasses(t);
}

// The hurt skater is the only difference from the sample, and the roster
// check's only repair: he goes back to the scratches, and the roster passes.
TEST(SampleRulesTest, TheHurtSkaterIsSentToTheScratchesAndTheRosterPasses) {
    test::TestEnv t;
    BuildHurtSampleLeague(*t.league);
    const auto sample = std::make_unique<LeagueData>();
    BuildSampleLeague(*sample);
    int16_t hurt = 0;
    for (int16_t n = 1; n <= 10000; ++n)
        if (!(t.league->Players[n] == sample->Players[n])) {
            EXPECT_EQ(hurt, 0) << "a second change: " << n;
            hurt = n;
        }
    ASSERT_NE(hurt, 0);
    const PlayerInfo& p = t.league->Players[hurt];
    EXPECT_EQ(p.Team, HurtSampleTeam);
    EXPECT_EQ(p.RosterStatus, status::Dressed);
    EXPECT_EQ(p.Condition, 60);
    EXPECT_TRUE(t.league->Teams[HurtSampleTeam].Password.trimmed().empty());

    EXPECT_EQ(CheckRoster(t.env, HurtSampleTeam, False, True, False), True);
    EXPECT_EQ(t.state->RosterChangedByCheck, 1);
    EXPECT_EQ(p.RosterStatus, status::Scratch);
}

}  // namespace
}  // namespace dravik::leaguewriter
