#pragma once
// The roster window's tests run the real program (this layer's windows
// installed, on doubles) over the rules engine's small league: build and
// change the league on `fx` first, then open() places it in the program as
// if its file had been opened and opens the roster for team 7. From then on
// the program's own league (skater(), goalie(), team()) is the one that counts.

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
#include "small_league.h"
#include "team/frm_roster.h"
#include "team/frm_team.h"
#include "test_env.h"

namespace dravik::test {

struct RosterClient {
    static constexpr int16_t Team = SmallLeague::Team;
    static constexpr const char* Prefix = "Dravik Hockey Simulator Client - Small.zcl";

    SmallLeague fx;  // the league before it is placed
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLog log;
    FakeClock clock{0, 25};
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;
    ClientApp app{
        ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(), {}}};
    User user{app.forms()};

    RosterClient();

    // Copies fx's league and player states into the program, with the rating
    // column counts the reader sets (15/13 when ShowAllRatings is -1, else 7/7).
    void place();
    // place(), then opens the roster for team 7 as the main window's "Set
    // &Roster" does once its gates have passed. The window, or null when it
    // closed itself.
    frmRoster* open();
    // place(), opens the team sheet, then clicks its roster button.
    frmRoster* openFromSheet();

    frmMain& main() { return *app.mainWindow(); }
    Env& env() { return app.env(); }
    ProgramState& state() { return app.state(); }
    PlayerInfo& skater(int16_t n) { return app.league().Players[n]; }
    GoalieInfo& goalie(int16_t n) { return app.league().Goalies[n]; }
    TeamInfo& team() { return app.league().Teams[Team]; }
    LeagueInfo& rules() { return app.league().League; }
    frmRoster* roster() { return app.forms().get<frmRoster>(); }

    // The entry of list `list` whose key is that skater's or goalie's; -1 when
    // he is not listed.
    int find(int list, int16_t skater) { return findKey(list, skaterKey(skater)); }
    int findGoalie(int list, int16_t goalie) { return findKey(list, goalie * 10 + 5); }
    int findKey(int list, int32_t key);
    int32_t skaterKey(int16_t n) { return skater(n).Number * 10 + skater(n).Position; }
    // Which list shows the key: 0..2, or -1.
    int listOf(int32_t key);
    // Clicks the skaters' (or goalies') entries as a user, the first plainly
    // and the others with Ctrl held.
    void select(int list, const std::vector<int32_t>& keys);
    std::vector<std::string> texts(int list);
    std::vector<int32_t> keys(int list);
};

}  // namespace dravik::test
