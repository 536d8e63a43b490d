#pragma once
// A headless program for the main window's tests: the real ClientApp on
// doubles (scripted dialogs, memory settings, a fake clock, lock and shell,
// en_US formats) with a temporary program folder, and small leagues written
// as client league files.

#include <QLocale>
#include <memory>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "leaguewriter/writer.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main_menus.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "test_env.h"

namespace dravik::test {

struct TestClient {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLog log;
    FakeClock clock;
    int pumps = 0;  // events let run during wait pauses
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;  // the program folder
    ClientApp app{
        ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(), [this] {
                           ++pumps;
                           clock.advance(10);
                       }}};
    User user{app.forms()};

    // Starts the program; the main window must be up.
    frmMain& start();
    frmMain& main() { return *app.mainWindow(); }
    Env& env() { return app.env(); }
    LeagueData& league() { return app.league(); }
    ProgramState& state() { return app.state(); }
    std::string file(const std::string& name) const { return folder.file(name); }

    // Runs code as the main window's handler would (what "&Open ..." does
    // with the chosen file, without the dialog).
    void open(const std::string& path);
    // The file through the open dialog, as a user would.
    void openThroughMenu(const std::string& path);
};

// Six divisions, two conferences; teams added by the test.
std::unique_ptr<LeagueData> EmptyLeague();

// A team of the league with a complete, valid roster (skaters and goalies
// numbered from first*100).
void AddFullRoster(LeagueData& league, int16_t team);

// Writes the league as a client league file in the folder and returns its path.
std::string WriteLeague(const LeagueData& league, const std::string& path,
                        leaguewriter::FileForm form = leaguewriter::FileForm::Compressed);

// Writes the same packed league to every path (packing once).
void WriteLeagueTo(const LeagueData& league, const std::vector<std::string>& paths);

// A heap copy of league data, and a comparison of every member.
std::unique_ptr<LeagueData> CopyOf(const LeagueData& league);
bool SameLeague(const LeagueData& a, const LeagueData& b);

// What the main window and the program show of the loaded league.
struct WindowState {
    std::string caption, titlePrefix, conference1, conference2, date;
    std::vector<std::vector<std::string>> lists;
    std::vector<bool> listVisible;
    int left, top, width, height;
    bool teamMenu, csvEnabled, csvVisible, freeAgentsVisible, draftVisible;
    std::string draftCaption, lastLoadLeague;
    int16_t currentTeam, skaterStatCount, goalieStatCount;
    Flag teamsPlaced;
    bool operator==(const WindowState&) const = default;
};
WindowState Observe(TestClient& t);

// The items of a list, in list order.
std::vector<std::string> Items(const ListBox& list);

// Files in a folder, by name.
std::vector<std::string> FilesIn(const std::string& folder);

}  // namespace dravik::test
