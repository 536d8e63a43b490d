#pragma once
// What the window benchmarks run on: the real program (ClientApp) on
// doubles, as the tests do (scripted dialogs, memory settings, a fake clock
// whose every reading is past the wait window's pause, a fake lock and shell,
// United States formats), with a fresh program folder that goes at the end.
//
//     struct Program : BenchServices {
//         ClientApp app{services()};
//         ...
//     };

#include <stdlib.h>

#include <QLocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "forms/dialogs.h"
#include "league/env.h"
#include "main/client_app.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"

namespace dravik {

struct BenchServices {
    std::string folder = makeFolder();
    ScriptedDialogs dialogs;
    MemorySettings settings;
    LogHooks log;  // keeps nothing
    FakeClock clock{0, 1000};
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};

    BenchServices() = default;
    BenchServices(const BenchServices&) = delete;
    BenchServices& operator=(const BenchServices&) = delete;
    ~BenchServices() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }

    ClientServices services() {
        return ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder, {}};
    }

    // The rating column counts a league load sets, for a league put in place
    // by hand.
    static void useLoadedCounts(ClientApp& app) {
        const bool full = app.league().League.ShowAllRatings == True;
        app.state().SkaterStatCount = full ? 15 : 7;
        app.state().GoalieStatCount = full ? 13 : 7;
    }

private:
    static std::string makeFolder() {
        std::string t = (std::filesystem::temp_directory_path() / "dravik-bench-XXXXXX").string();
        if (!mkdtemp(t.data())) std::abort();
        return t;
    }
};

}  // namespace dravik
