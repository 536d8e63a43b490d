#include "team/frm_edit_player_least.h"

#include "forms/form_manager.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "team/frm_roster.h"

namespace dravik::least {

frmEditPlayer::frmEditPlayer(FormManager& forms, ClientApp& app)
    : Form(forms, "frmEditPlayer"), app_(app), env_(app.env()) {
    Move(0, 0, 5400, 2160);
    setCaption("Player");
    lblName.Move(240, 240, 4800, 255);
    cmdExit.setCaption("Exit");
    cmdExit.Move(2033, 960, 1335, 375);
    cmdExit.Click = [this] { Unload(); };
}

void frmEditPlayer::Form_Load() {
    CentreOnScreen();
    const ProgramState& s = env_.state;
    const bool goalie = s.ShowGoalie == True;
    const int16_t n = s.CurrentPlayerIndex;
    if (goalie ? !env_.league.Goalies.inBounds(n) : !env_.league.Players.inBounds(n)) {
        IntegrityCheckFailed(env_);
        Unload();
        return;
    }
    const std::string name =
        goalie ? env_.league.Goalies[n].Name.trimmed() : env_.league.Players[n].Name.trimmed();
    setCaption(s.WindowTitlePrefix + " - " + name);
    lblName.setCaption(name);
}

void frmEditPlayer::Form_Unload() {
    Hide();
    if (env_.state.CallerCode == 2) {
        if (frmRoster* roster = forms().get<frmRoster>()) {
            roster->ShowStats();
            roster->Show();
            return;
        }
    }
    if (frmMain* main = app_.mainWindow()) main->Show();
}

}  // namespace dravik::least
