// The pro lines window on the full-size league (100 teams, every skater and
// goalie record in use), opened from its compressed file as the main window
// does: opening the window for the team with the most players, and a day
// change in it. Both should stay well under 20 ms.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "bench_program.h"
#include "forms/dialogs.h"
#include "forms/user.h"
#include "league/env.h"
#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "lines/frm_line.h"
#include "lines/install_lines.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "team/frm_team.h"

namespace {

using namespace dravik;

struct Program : BenchServices {
    std::unique_ptr<ClientApp> app = std::make_unique<ClientApp>(services());
    User user{app->forms()};
    int16_t team = 0;

    Program() {
        InstallTeamWindows(*app);
        InstallLinesWindows(*app);
        if (!app->start()) std::abort();
        const std::string file = folder + "/Full League.zcl";
        {
            auto data = std::make_unique<LeagueData>();
            leaguewriter::BuildFullLeague(*data);
            leaguewriter::WriteLeagueFile(*data, file);
        }
        frmMain& main = *app->mainWindow();
        app->forms().run(main, "mnuOpen", "Click", [&] { main.OpenLeagueClient(file); });
        if (!dialogs.messages().empty()) std::abort();

        // The team with the most players: the longest list to fill.
        int most = -1;
        for (int16_t t = 1; t <= 100; ++t) {
            int n = 0;
            for (const PlayerInfo& p : app->league().Players) n += p.InUse == True && p.Team == t;
            for (const GoalieInfo& g : app->league().Goalies) n += g.InUse == True && g.Team == t;
            if (n > most) {
                most = n;
                team = t;
            }
        }
    }

    frmLine* open() {
        app->state().CurrentTeam = team;
        app->state().CallerFormName = "Main";
        frmMain& main = *app->mainWindow();
        app->forms().run(main, "mnuSetLines", "Click", [&] { app->openers().proLines(main); });
        return app->forms().get<frmLine>();
    }
};

Program& program() {
    static Program p;
    return p;
}

void BM_OpenProLines(benchmark::State& s) {
    Program& p = program();
    int listed = 0;
    for (auto _ : s) {
        frmLine* w = p.open();
        if (!w || !w->Visible()) std::abort();
        listed = w->lstPlayer.ListCount();
        s.PauseTiming();
        if (!p.dialogs.shown().empty()) s.SkipWithError(p.dialogs.shown().front().prompt.c_str());
        p.user.closeWindow(*w);
        p.dialogs.clear();
        s.ResumeTiming();
    }
    s.counters["team"] = p.team;
    s.counters["listed"] = listed;
}

void BM_DayChange(benchmark::State& s) {
    Program& p = program();
    frmLine* w = p.open();
    if (!w || w->vscDay.Max() < 2) {
        s.SkipWithError("the team has fewer than two game days");
        return;
    }
    int day = 1;
    for (auto _ : s) {
        day = day == 1 ? 2 : 1;
        p.user.scroll(w->vscDay, User::Scroll::Track, day);
        if (w->CurrentDay != day) std::abort();
    }
    p.user.closeWindow(*w);
    p.dialogs.clear();
}

BENCHMARK(BM_OpenProLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DayChange)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
