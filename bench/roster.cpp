// The roster window on the team with the most players of the full-size
// league (100 teams, every skater and goalie record in use), built in memory
// by the league file writer: opening it (the lists, the counters and both
// roster checks of its load) and closing it, a refill with its check, and a
// move between the dressed players and the scratches. Each should stay well
// under 20 ms.

#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "bench_program.h"
#include "forms/forms.h"
#include "league/env.h"
#include "league/shared.h"
#include "leaguewriter/sample.h"
#include "main/frm_main.h"
#include "team/frm_roster.h"
#include "team/frm_team.h"

namespace dravik {
namespace {

struct Program : BenchServices {
    ClientApp app{services()};
    User user{app.forms()};
    int16_t team = 0;
    int players = 0;

    Program() {
        InstallTeamWindows(app);
        app.start();
        leaguewriter::BuildFullLeague(app.league());
        ProgramState& s = app.state();
        useLoadedCounts(app);
        s.WindowTitlePrefix = std::string(ProductName) + " - Full.zcl";
        std::map<int16_t, int> count;
        for (const PlayerInfo& p : app.league().Players)
            if (p.InUse == True && p.Team >= 1) ++count[p.Team];
        for (const GoalieInfo& g : app.league().Goalies)
            if (g.InUse == True && g.Team >= 1) ++count[g.Team];
        for (auto [t, n] : count)
            if (n > players) team = t, players = n;
        s.CurrentTeam = team;
        s.CallerFormName = "Main";
    }

    frmRoster* open() {
        frmMain& main = *app.mainWindow();
        app.forms().run(main, "mnuSetRoster", "Click", [&] { app.openers().roster(main); });
        return app.forms().get<frmRoster>();
    }

    bool failed(benchmark::State& s) {
        if (dialogs.shown().empty()) return false;
        s.SkipWithError(dialogs.shown().front().prompt.c_str());
        return true;
    }
};

void BM_RosterOpenAndClose(benchmark::State& s) {
    Program p;
    for (auto _ : s) {
        frmRoster* r = p.open();
        if (!r) {
            s.SkipWithError("the roster did not open");
            return;
        }
        benchmark::DoNotOptimize(r->RosterCount());
        p.user.click(r->cmdExit);
    }
    if (p.failed(s)) return;
    s.counters["players"] = p.players;
}
BENCHMARK(BM_RosterOpenAndClose)->Unit(benchmark::kMillisecond);

void BM_RosterRefillWithCheck(benchmark::State& s) {
    Program p;
    frmRoster* r = p.open();
    if (!r) return s.SkipWithError("the roster did not open");
    for (auto _ : s) {
        Flag check = False;
        r->ShowPlayer(check);
        benchmark::DoNotOptimize(r->RosterCount());
    }
    if (p.failed(s)) return;
    s.counters["players"] = p.players;
}
BENCHMARK(BM_RosterRefillWithCheck)->Unit(benchmark::kMillisecond);

// One iteration sends the first dressed player to the scratches and brings
// him back: two moves, each with its lines wipe and silent roster check.
void BM_RosterMove(benchmark::State& s) {
    Program p;
    frmRoster* r = p.open();
    if (!r) return s.SkipWithError("the roster did not open");
    ListBox& pro = r->lstPlayer(2);
    ListBox& scratches = r->lstPlayer(1);
    for (auto _ : s) {
        const int32_t key = pro.ItemData(0);
        p.user.selectItem(pro, 0);
        p.user.click(r->cmdToScratchesFromPro);
        for (int i = 0; i < scratches.ListCount(); ++i)
            if (scratches.ItemData(i) == key) p.user.selectItem(scratches, i);
        p.user.click(r->cmdToPro);
    }
    if (p.failed(s)) return;
    s.counters["players"] = p.players;
    s.SetItemsProcessed(2 * s.iterations());
}
BENCHMARK(BM_RosterMove)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace dravik

BENCHMARK_MAIN();
