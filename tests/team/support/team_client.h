#pragma once
// A headless program for the team windows' tests: the real ClientApp with
// this layer's windows installed, on doubles (scripted dialogs, memory
// settings, a recording log, fake clock, lock and shell, en_US formats),
// a temporary program folder, and the small league of team_league.h in
// place as if its file had been opened.

#include <QLocale>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main_menus.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "team/frm_team.h"
#include "team_league.h"
#include "test_env.h"

namespace dravik::test {

struct TeamClient {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLog log;
    FakeClock clock{0, 25};  // each reading moves on, so the wait window's pause ends
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;  // the program folder
    ClientApp app{
        ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(), {}}};
    User user{app.forms()};
    Lineup pro;

    // Starts the program with the league in place and the main window's
    // lists filled. `change` may alter the league first.
    explicit TeamClient(const std::function<void(LeagueData&)>& change = {});

    frmMain& main() { return *app.mainWindow(); }
    Env& env() { return app.env(); }
    LeagueData& league() { return app.league(); }
    ProgramState& state() { return app.state(); }
    TeamInfo& team() { return app.league().Teams[Team]; }
    template <class T>
    T* window() {
        return app.forms().get<T>();
    }
    std::string file(const std::string& name) const { return folder.file(name); }

    // Double-clicks team 7 in its division list, as a user does; the sheet
    // when it opened.
    frmTeam* openSheet();
    // Opens it as the main window's seam does once its gates have passed,
    // for a team its lists may not hold.
    frmTeam* openSheetThroughSeam();
    // Clicks a button as a user: true when the click went through.
    bool click(CommandButton& button) { return user.click(button); }
};

// Files in a folder, by name.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace dravik::test
