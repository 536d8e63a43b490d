#include "team/frm_roster.h"

#include "forms/form_manager.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "team/frm_team.h"

namespace dravik {

frmRoster::frmRoster(FormManager& forms, ClientApp& app)
    : Form(forms, "frmRoster"), app_(app), env_(app.env()) {
    Move(0, 0, 5400, 2640);
    setCaption("Roster");
    lblTeamName.Move(240, 240, 4800, 255);
    lblInfo.setCaption("The roster lists and moves are still to come.");
    lblInfo.Move(240, 720, 4800, 255);
    cmdExit.setCaption("Exit");
    cmdExit.Move(2033, 1440, 1335, 375);
    cmdExit.Click = [this] { Unload(); };
}

void frmRoster::Form_Load() {
    CentreOnScreen();
    const int16_t current = env_.state.CurrentTeam;
    if (current < 1 || current > 100) {
        IntegrityCheckFailed(env_);
        Unload();
        return;
    }
    const std::string name = env_.league.Teams[current].Name.trimmed();
    setCaption(env_.state.WindowTitlePrefix + " - " + name + " - Roster");
    lblTeamName.setCaption("Roster for " + name);
}

void frmRoster::Form_Unload() {
    Hide();
    const std::string& caller = env_.state.CallerFormName;
    Form* back = nullptr;
    if (caller == "Team") {
        if (frmTeam* sheet = forms().get<frmTeam>()) {
            sheet->UpdateFinance();
            back = sheet;
        }
    } else if (caller != "Main") {
        IntegrityCheckFailed(env_);
    }
    // The main window also stands in when there is no window to return to,
    // so that the program never sits without a window to close it from.
    if (!back) back = app_.mainWindow();
    if (back) back->Show();
}

}  // namespace dravik
