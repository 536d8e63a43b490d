#include "main/frm_line.h"

#include "forms/control.h"
#include "league/env.h"
#include "rules/linecheck.h"

namespace dravik {

frmLine::frmLine(FormManager& forms, ClientApp& app)
    : PlaceholderWindow(forms, app, "frmLine", "Pro Lines") {}

void frmLine::placeholderLoad() {
    const int16_t team = env().state.CurrentTeam;
    if (team < 1 || team > 100) {
        IntegrityCheckFailed(env());
        Unload();
        return;
    }
    teamValid_ = true;
}

void frmLine::Check() {
    if (CheckLine(env(), env().state.CurrentTeam, False, 1, False) == True) {
        // The sheet lives in a layer above this one: its button is found by name.
        if (Form* sheet = FindLoadedWindow(forms(), "frmTeam"))
            for (Control* c : sheet->tabOrder())
                if (c->Name() == "cmdSaveToFile") c->setEnabled(true);
    }
    env().state.DataChanged = True;
}

void frmLine::Form_Unload() {
    // A window that refused its team at load has no lines to judge.
    if (teamValid_ && CheckLine(env(), env().state.CurrentTeam, False, 1, False) != True)
        MsgBox(env(), "Lines for Day #1 are Incomplete!", mb::OKOnly | mb::Exclamation);
    returnToCaller();
}

}  // namespace dravik
