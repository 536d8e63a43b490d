#pragma once
// The program as app/main.cpp builds it, with every window layer installed,
// for the tests that drive the real windows through the Qt backend.

#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QLocale>
#include <filesystem>
#include <string>

#include "league/env.h"
#include "leaguewriter/sample.h"
#include "lines/install_lines.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main_menus.h"
#include "market/frm_free_agent_client.h"
#include "market/install_market.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "qt/qt_application.h"
#include "qt/qt_backend.h"
#include "qt/qt_dialogs.h"
#include "qt_test.h"
#include "team/frm_team.h"
#include "test_env.h"

namespace dravik::test {

// The sample league, reopened at start, on doubles where the real service
// would reach outside the test: settings in memory, a lock and shell that
// record, a clock that moves 10 ms at each reading.
struct QtClient {
    QApplication& qt = qtApp();
    QtDialogs dialogs;
    MemorySettings settings;
    LogHooks log;
    FakeClock clock{0, 10};
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;
    ClientApp app{ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(),
                                 waitPump()}};
    QtBackend backend{app.forms()};
    std::string league = folder.file("Sample League.zcl");

    QtClient() {
        InstallTeamWindows(app);
        InstallLinesWindows(app);
        InstallMarketWindows(app);
        dialogs.setOwner([this] { return backend.dialogOwner(); });
        std::filesystem::copy_file(leaguewriter::BuiltSampleLeaguePath(), league);
        settings.set("Settings", "LastLoadLeague", league);
    }
    frmMain& start() {
        EXPECT_TRUE(app.start());
        settle();
        return *app.mainWindow();
    }
    // Opens a window as the main window's menu does behind its gates, and
    // lets the backend draw it; the window, or null when it did not stay open.
    template <class Window>
    Window* open(const MainMenu& menu, int16_t team) {
        RunMenu(app, menu, team);
        settle();
        return app.forms().get<Window>();
    }
    QListWidget* list(frmMain& main, int division) {
        return qobject_cast<QListWidget*>(backend.widget(main.lstDivision(division)));
    }
};

}  // namespace dravik::test
