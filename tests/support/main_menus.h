#pragma once
// The main window's commands as the window tests set them up: what a menu's
// handler does once its gates (a team chosen, its password, its roster) have
// passed, and what "&Open ..." does with the chosen file. The gates are the
// main window's own tests' business; a window's tests start behind them.

#include <filesystem>
#include <functional>
#include <string>

#include "forms/form.h"
#include "main/client_app.h"
#include "main/frm_main.h"

namespace dravik::test {

// A menu that opens a window through its seam; the roster and lines menus
// name the main window as the caller first, the others leave it as it is.
struct MainMenu {
    const char* name;
    std::function<void(Form& opener)> WindowOpeners::*opener;
    bool namesCaller;
};

namespace menu {
inline constexpr MainMenu ViewTeam{"mnuViewTeam", &WindowOpeners::teamSheet, false};
inline constexpr MainMenu SetRoster{"mnuSetRoster", &WindowOpeners::roster, true};
inline constexpr MainMenu SetLines{"mnuSetLines", &WindowOpeners::proLines, true};
inline constexpr MainMenu SetFarmLines{"mnuSetFarmLines", &WindowOpeners::farmLines, true};
inline constexpr MainMenu FreeAgents{"mnuFreeAgents", &WindowOpeners::freeAgents, false};
inline constexpr MainMenu Draft{"mnuDraft", &WindowOpeners::draftList, false};
}  // namespace menu

// Makes `team` current and runs the menu's opener inside its click, as the
// main window's handler does behind its gates.
inline void RunMenu(ClientApp& app, const MainMenu& menu, int16_t team) {
    app.state().CurrentTeam = team;
    if (menu.namesCaller) app.state().CallerFormName = "Main";
    frmMain& main = *app.mainWindow();
    app.forms().run(main, menu.name, "Click", [&] { (app.openers().*menu.opener)(main); });
}

// RunMenu, then the window it opened, or null when it did not stay open.
template <class Window>
Window* OpenFromMenu(ClientApp& app, const MainMenu& menu, int16_t team) {
    RunMenu(app, menu, team);
    return app.forms().get<Window>();
}

// Opens a league file as "&Open ..." does with the file chosen in its dialog.
inline void OpenLeagueFile(ClientApp& app, const std::string& path) {
    frmMain& main = *app.mainWindow();
    app.forms().run(main, "mnuOpen", "Click", [&] { main.OpenLeagueClient(path); });
}

// Copies a league file into the program folder under its own name and opens
// the copy, leaving the original as it was.
inline void OpenLeagueCopy(ClientApp& app, const std::string& source) {
    const std::filesystem::path copy =
        std::filesystem::path(app.programFolder()) / std::filesystem::path(source).filename();
    std::filesystem::copy_file(source, copy);
    OpenLeagueFile(app, copy.string());
}

}  // namespace dravik::test
