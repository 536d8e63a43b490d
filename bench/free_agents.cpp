// The free-agent window on the full-size league where every skater and
// goalie is a free agent (11,000 entries): opening it, a filter click that
// refills the whole list, and a search that runs through it, on the model
// alone; then the opening again with the Qt backend drawing the window.
// Each model figure should stay under 50 ms, the search under 10 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <string>

#include "bench_program.h"
#include "forms/dialogs.h"
#include "forms/user.h"
#include "league/env.h"
#include "league/state.h"
#include "leaguewriter/sample.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "market/frm_free_agent_client.h"
#include "qt/qt_backend.h"

namespace {

using namespace dravik;

// A running program with the league in place, team 1 chosen.
struct Program : BenchServices {
    ClientApp app{services()};
    User user{app.forms()};
    std::unique_ptr<QtBackend> backend;

    explicit Program(bool drawn) {
        InstallFreeAgents(app);
        if (drawn) backend = std::make_unique<QtBackend>(app.forms());
        if (!app.start()) std::abort();
        leaguewriter::BuildFreeAgentLeague(app.league());
        useLoadedCounts(app);
        app.state().CurrentTeam = 1;
    }
    frmFreeAgentClient& open() {
        frmMain& main = *app.mainWindow();
        app.forms().run(main, "mnuFreeAgents", "Click", [&] { app.openers().freeAgents(main); });
        frmFreeAgentClient* w = app.forms().get<frmFreeAgentClient>();
        if (!w || w->lstPlayers.ListCount() != MaxPerson) std::abort();
        return *w;
    }
    void close(frmFreeAgentClient& w) {
        if (!user.click(w.cmdExit)) std::abort();
    }
};

void openAndClose(benchmark::State& state, bool drawn) {
    Program p(drawn);
    for (auto _ : state) {
        frmFreeAgentClient& w = p.open();
        state.PauseTiming();
        p.close(w);
        if (drawn) QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_OpenFreeAgents(benchmark::State& state) { openAndClose(state, false); }
void BM_OpenFreeAgentsDrawn(benchmark::State& state) { openAndClose(state, true); }

// Every offer made, so both states of the filter list all 11,000.
void BM_FilterClick(benchmark::State& state) {
    Program p(false);
    frmFreeAgentClient& w = p.open();
    for (int key = 1; key <= MaxPerson; ++key) {
        FreeAgentOffer& o = p.app.state().FreeAgentOffers[key];
        o.Player = static_cast<int16_t>(key);
        o.Duration = 1;
        o.Salary = p.app.league().League.MinSalary;
    }
    for (auto _ : state) {
        if (!p.user.click(w.chkShowPlayerWithOffer) || w.lstPlayers.ListCount() != MaxPerson) std::abort();
    }
}

// The last entry's text: found only at the end of the list.
void BM_Search(benchmark::State& state) {
    Program p(false);
    frmFreeAgentClient& w = p.open();
    const std::string last = w.lstPlayers.List(w.lstPlayers.ListCount() - 1);
    for (auto _ : state) {
        p.dialogs.answerInput(last);
        if (!p.user.click(w.cmdSearch) || w.lstPlayers.ListIndex() != w.lstPlayers.ListCount() - 1) std::abort();
        state.PauseTiming();
        w.lstPlayers.setListIndex(0);
        p.dialogs.clear();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_OpenFreeAgents)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_FilterClick)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_Search)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_OpenFreeAgentsDrawn)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
