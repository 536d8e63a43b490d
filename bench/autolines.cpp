// AutoLines for every team in use of the full-size league (100 teams,
// every skater and goalie record in use), built in memory by the league
// file writer. One iteration makes day 1 of one team, the teams in turn, so
// the time per iteration is the time per team.

#include "rules/autolines.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "forms/dialogs.h"
#include "league/env.h"
#include "leaguewriter/sample.h"
#include "platform/settings.h"

namespace dravik {
namespace {

struct FullLeague {
    std::unique_ptr<LeagueData> league = std::make_unique<LeagueData>();
    std::unique_ptr<ProgramState> state = std::make_unique<ProgramState>();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;  // keeps nothing
    WaitWindow wait;
    Env env{*league, *state, dialogs, settings, log, wait};
    std::vector<int16_t> teams;

    FullLeague() {
        leaguewriter::BuildFullLeague(*league);
        state->ShowMessages = True;
        const char* names[] = {"C", "LW", "RW", "D", "G"};
        for (int i = 1; i <= 5; ++i) state->PositionNames[i] = names[i - 1];
        for (int16_t t = 1; t <= 100; ++t)
            if (league->Teams[t].InUse == True) teams.push_back(t);
    }
};

void BM_AutoLinesPerTeam(benchmark::State& s) {
    FullLeague lg;
    std::size_t next = 0;
    for (auto _ : s) {
        int16_t team = lg.teams[next];
        next = (next + 1) % lg.teams.size();
        AutoLines(lg.env, team, False, 1);
        benchmark::DoNotOptimize(lg.league->Teams[team].ProLines[0]);
    }
    // A run that stopped at a gate or a check would have said so.
    if (!lg.dialogs.shown().empty()) s.SkipWithError(lg.dialogs.shown().front().prompt.c_str());
    s.counters["teams"] = static_cast<double>(lg.teams.size());
    s.SetItemsProcessed(s.iterations());
}
BENCHMARK(BM_AutoLinesPerTeam)->Unit(benchmark::kMicrosecond);

// Every team in use, one after the other, per iteration.
void BM_AutoLinesWholeLeague(benchmark::State& s) {
    FullLeague lg;
    for (auto _ : s)
        for (int16_t team : lg.teams) AutoLines(lg.env, team, False, 1);
    if (!lg.dialogs.shown().empty()) s.SkipWithError(lg.dialogs.shown().front().prompt.c_str());
    s.SetItemsProcessed(s.iterations() * static_cast<int64_t>(lg.teams.size()));
}
BENCHMARK(BM_AutoLinesWholeLeague)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dravik

BENCHMARK_MAIN();
