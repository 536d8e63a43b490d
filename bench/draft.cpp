// The draft list window on the full-size league with every skater and goalie
// unsigned, so that a fantasy draft lists them all (11,000 candidates):
// opening the window, a filter click (a whole refill), and a choose and a
// move on a full list of 1001 entries.

#include <benchmark/benchmark.h>

#include <string>

#include "bench_program.h"
#include "forms/forms.h"
#include "leaguewriter/sample.h"
#include "main/frm_main.h"
#include "market/frm_draft.h"

namespace dravik {
namespace {

struct DraftBench : BenchServices {
    ClientApp app{services()};
    User user{app.forms()};

    DraftBench() {
        InstallDraftList(app);
        app.start();
        leaguewriter::BuildFullLeague(app.league());
        for (int n = 1; n <= 10000; ++n) app.league().Players[n].Team = 0;
        for (int g = 1; g <= 1000; ++g) app.league().Goalies[g].Team = 0;
        app.league().League.FantasyDraft = True;
        app.league().League.EntryDraft = False;
        app.state().CurrentTeam = 1;
    }
    frmDraft& open() {
        frmMain& m = *app.mainWindow();
        app.forms().run(m, "mnuDraft", "Click", [&] { app.openers().draftList(m); });
        return *app.forms().get<frmDraft>();
    }
    void close(frmDraft& d) { app.forms().run(d, "cmdExit", "Click", [&] { d.Unload(); }); }
};

void BM_DraftOpenFantasy(benchmark::State& s) {
    DraftBench b;
    int listed = 0;
    for (auto _ : s) {
        frmDraft& d = b.open();
        listed = d.lstPlayers.ListCount();
        s.PauseTiming();
        b.close(d);
        s.ResumeTiming();
    }
    if (listed != 11000) s.SkipWithError(("listed " + std::to_string(listed) + ", " + (b.dialogs.shown().empty() ? "" : b.dialogs.shown()[0].prompt)).c_str());
}
BENCHMARK(BM_DraftOpenFantasy)->Unit(benchmark::kMillisecond);

void BM_DraftFilterClick(benchmark::State& s) {
    DraftBench b;
    frmDraft& d = b.open();
    for (auto _ : s) {
        b.user.click(d.chkPosition(5));  // goalies out, then in again
        benchmark::DoNotOptimize(d.lstPlayers.ListCount());
    }
}
BENCHMARK(BM_DraftFilterClick)->Unit(benchmark::kMillisecond);

// A full list: the choose of a candidate already held, and an entry moved down
// and back up, each refilling the 1001 entries.
void BM_DraftChooseOnAFullList(benchmark::State& s) {
    DraftBench b;
    frmDraft& d = b.open();
    for (int i = 0; i < 1001; ++i) {
        b.user.selectItem(d.lstPlayers, i);
        b.user.click(d.cmdChoose);
    }
    if (d.lstDraftList.ListCount() != 1001) s.SkipWithError("the list is not full");
    b.user.selectItem(d.lstPlayers, 500);
    for (auto _ : s) b.user.click(d.cmdChoose);
}
BENCHMARK(BM_DraftChooseOnAFullList)->Unit(benchmark::kMillisecond);

void BM_DraftMoveOnAFullList(benchmark::State& s) {
    DraftBench b;
    frmDraft& d = b.open();
    for (int i = 0; i < 1001; ++i) {
        b.user.selectItem(d.lstPlayers, i);
        b.user.click(d.cmdChoose);
    }
    b.user.selectItem(d.lstDraftList, 500);
    bool down = true;
    for (auto _ : s) {
        b.user.click(down ? d.cmdDown : d.cmdUp);
        down = !down;
    }
    if (!b.dialogs.shown().empty()) s.SkipWithError(b.dialogs.shown().front().prompt.c_str());
}
BENCHMARK(BM_DraftMoveOnAFullList)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace dravik

BENCHMARK_MAIN();
