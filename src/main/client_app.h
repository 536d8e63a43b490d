#pragma once
// The program as one object: the league data and program state, the window
// manager, the services around them and the Env every routine is given.
// The real program builds it with the system's services (app/main.cpp),
// tests with doubles; either way start() runs the program's start-up.
//
//     ClientApp app(services);
//     forms observer, screen size and window openers set here
//     if (!app.start()) return 0;   // refused as a second instance
//     ... event loop, until app.forms().ended() ...

#include <functional>
#include <memory>
#include <string>

#include "forms/dialogs.h"
#include "forms/form.h"
#include "forms/form_manager.h"
#include "league/env.h"
#include "league/state.h"
#include "main/frm_wait.h"

namespace dravik {

class Clock;
class Formats;
class InstanceLock;
class SettingsStore;
class ShellOpen;
class frmMain;

// What the program runs on. Every reference must outlive the ClientApp.
struct ClientServices {
    Dialogs& dialogs;
    SettingsStore& settings;  // the per-user settings, under the program's title
    LogHooks& log;
    Clock& clock;                // the wait window's paint pause
    InstanceLock& instanceLock;  // tried once, before any window shows
    ShellOpen& shell;            // the About window's link
    const Formats& formats;      // the main window's date label
    std::string programFolder;   // native path without a trailing "/"
    // Lets pending paint and timer events run during the wait window's
    // pause (never user input). Empty: nothing to pump.
    std::function<void()> pumpEvents;
};

// How the main window opens the windows of a team's tasks. Each opener is
// called once the command's gates have passed and its globals are set
// (CurrentTeam, CallerFormName where the command sets it), from a handler
// of the main window, and does the hand-over: load the window, show it not
// modal, hide the opener (Form::open does all three). An empty opener opens
// nothing.
//
// Each window layer's installer fills the openers of its windows (the team,
// lines and market layers: InstallTeamWindows, InstallLinesWindows,
// InstallMarketWindows), called before start-up.
struct WindowOpeners {
    std::function<void(Form& opener)> teamSheet;   // frmTeam: double click, "&View Team"
    std::function<void(Form& opener)> roster;      // frmRoster: "Set &Roster"
    std::function<void(Form& opener)> proLines;    // frmLine: "Set &Lines"
    std::function<void(Form& opener)> farmLines;   // frmFarmLine: "Set &Farm Lines"
    std::function<void(Form& opener)> freeAgents;  // frmFreeAgentClient: "&Free Agents"
    std::function<void(Form& opener)> draftList;   // frmDraft: the draft list menu
    // frmEditPlayer, the read-only player card: opened from the roster, the
    // free agents and the draft list once CurrentPlayerIndex, ShowGoalie and
    // CallerCode (2, 3, 4: where it returns) are set.
    std::function<void(Form& opener)> playerCard;
};

class ClientApp {
public:
    explicit ClientApp(ClientServices services);
    ~ClientApp();
    ClientApp(const ClientApp&) = delete;
    ClientApp& operator=(const ClientApp&) = delete;

    // Start-up. When another instance is running, shows the product name
    // followed by " is already running!" and returns false before any window
    // is loaded: the program ends. Otherwise loads and shows the main window
    // (its load prepares the shared state and reopens the last league);
    // false when the program ended while starting.
    bool start();

    FormManager& forms() { return forms_; }
    Env& env() { return env_; }
    LeagueData& league() { return *league_; }
    ProgramState& state() { return *state_; }
    const ClientServices& services() const { return services_; }
    const std::string& programFolder() const { return services_.programFolder; }
    WindowOpeners& openers() { return openers_; }
    // The main window while the program runs, else null.
    frmMain* mainWindow() const;

private:
    ClientServices services_;
    std::unique_ptr<LeagueData> league_;
    std::unique_ptr<ProgramState> state_;
    FormManager forms_;
    FormsWaitWindow wait_;
    Env env_;
    WindowOpeners openers_;
};

}  // namespace dravik
