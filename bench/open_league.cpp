// Opening the full-size league from its compressed file, as the main window
// does (working copy, records, lists), against the least any reader must do:
// a bare uncompress of the same file plus one write and one read of its
// unpacked bytes. Prints the ratio, which should stay at or under 1.5.
//
// The wait window's 100 ms paint pause runs on a clock that has always
// already passed it, so it is not counted here; BM_WaitPause measures it
// apart on the real clock.

#include <benchmark/benchmark.h>
#include <unistd.h>
#include <zlib.h>

#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "forms/dialogs.h"
#include "league/env.h"
#include "league/state.h"
#include "leaguewriter/sample.h"
#include "leaguewriter/writer.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"

namespace {

using namespace dravik;

struct Fixture {
    std::string folder;
    std::string league;  // the compressed full-size league
    Fixture() {
        std::string t = (std::filesystem::temp_directory_path() / "dravik-bench-XXXXXX").string();
        if (!mkdtemp(t.data())) std::abort();
        folder = t;
        league = folder + "/Full League.zcl";
        auto data = std::make_unique<LeagueData>();
        leaguewriter::BuildFullLeague(*data);
        leaguewriter::WriteLeagueFile(*data, league);
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_BareUnpackWriteRead(benchmark::State& state) {
    const Fixture& f = fixture();
    const std::string copy = f.folder + "/bare.ztm";
    for (auto _ : state) {
        std::string packed = readAll(f.league);
        uint32_t n = static_cast<uint8_t>(packed[0]) | static_cast<uint8_t>(packed[1]) << 8 |
                     static_cast<uint8_t>(packed[2]) << 16 |
                     static_cast<uint32_t>(static_cast<uint8_t>(packed[3])) << 24;
        std::string out(n, '\0');
        uLongf len = n;
        if (uncompress(reinterpret_cast<Bytef*>(out.data()), &len,
                       reinterpret_cast<const Bytef*>(packed.data()) + 4, packed.size() - 4) != Z_OK)
            std::abort();
        {
            std::ofstream o(copy, std::ios::binary | std::ios::trunc);
            o.write(out.data(), static_cast<std::streamsize>(len));
        }
        std::string back = readAll(copy);
        benchmark::DoNotOptimize(back.data());
        std::remove(copy.c_str());
    }
}

struct Program {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    FakeClock clock{0, 1000};  // every read is past the pause
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    ClientApp app;
    explicit Program(const std::string& folder)
        : app(ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder, {}}) {
        if (!app.start()) std::abort();
    }
};

void BM_OpenLeague(benchmark::State& state) {
    const Fixture& f = fixture();
    Program p(f.folder);
    frmMain& main = *p.app.mainWindow();
    for (auto _ : state) {
        p.app.forms().run(main, "mnuOpen", "Click", [&] { main.OpenLeagueClient(f.league); });
        if (p.app.league().Teams[100].InUse != True || !p.dialogs.messages().empty()) std::abort();
    }
}

void BM_WaitPause(benchmark::State& state) {
    const Fixture& f = fixture();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    MonotonicClock clock;
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    ClientApp app(
        ClientServices{dialogs, settings, log, clock, lock, shell, formats, f.folder, [] { usleep(1000); }});
    if (!app.start()) std::abort();
    for (auto _ : state) {
        app.env().wait.ShowWaitForm();
        app.env().wait.HideWaitForm();
    }
}

BENCHMARK(BM_BareUnpackWriteRead)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_OpenLeague)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WaitPause)->Unit(benchmark::kMillisecond)->Iterations(5);

// Keeps the mean time of each benchmark, to print the ratio at the end.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Iteration && r.iterations > 0)
                mean[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> mean;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto bare = reporter.mean.find("BM_BareUnpackWriteRead/min_time:3.000");
    auto open = reporter.mean.find("BM_OpenLeague/min_time:3.000");
    if (bare != reporter.mean.end() && open != reporter.mean.end())
        std::cout << "open / (bare uncompress + write + read) = " << open->second / bare->second
                  << " (at most 1.5)\n";
    benchmark::Shutdown();
    return 0;
}
