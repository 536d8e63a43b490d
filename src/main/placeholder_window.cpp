#include "main/placeholder_window.h"

#include "forms/form_manager.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_draft.h"
#include "main/frm_free_agent_client.h"
#include "main/frm_main.h"

namespace dravik {

PlaceholderWindow::PlaceholderWindow(FormManager& forms, ClientApp& app, std::string name,
                                     std::string_view title)
    : Form(forms, std::move(name)), app_(app), title_(title) {
    Move(0, 0, 4800, 2400);
    lblInfo.setCaption(std::string(title) + ": this window is still to come.");
    lblInfo.Move(240, 360, 4200, 495);
    cmdExit.setCaption("Exit");
    cmdExit.Move(1733, 1200, 1335, 375);
    cmdExit.Click = [this] { Unload(); };
}

Env& PlaceholderWindow::env() { return app_.env(); }

void PlaceholderWindow::Form_Load() {
    CentreOnScreen();
    setCaption(env().state.WindowTitlePrefix + " - " + title_);
    placeholderLoad();
}

void PlaceholderWindow::returnToMain() {
    Hide();
    if (frmMain* main = app_.mainWindow()) main->Show();
}

void ReturnToCaller(ClientApp& app, Form& window) {
    window.Hide();
    const std::string& caller = app.env().state.CallerFormName;
    Form* back = nullptr;
    if (caller == "Team") {
        back = FindLoadedWindow(app.forms(), "frmTeam");
    } else if (caller != "Main") {
        IntegrityCheckFailed(app.env());
    }
    // The main window also stands in when the window to return to is not
    // there, so the program never sits with no window to close it from.
    if (!back) back = app.mainWindow();
    if (back) back->Show();
}

Form* FindLoadedWindow(FormManager& forms, std::string_view name) {
    for (Form* f : forms.loadedForms())
        if (f->Name() == name) return f;
    return nullptr;
}

void InstallPlaceholderWindows(ClientApp& app) {
    WindowOpeners& o = app.openers();
    o.freeAgents = [&app](Form& opener) { opener.open<frmFreeAgentClient>(app); };
    o.draftList = [&app](Form& opener) { opener.open<frmDraft>(app); };
}

}  // namespace dravik
