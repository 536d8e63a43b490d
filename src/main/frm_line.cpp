#include "main/frm_line.h"

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

void frmLine::Form_Unload() {
    // A window that refused its team at load has no lines to judge.
    if (teamValid_ && CheckLine(env(), env().state.CurrentTeam, False, 1, False) != True)
        MsgBox(env(), "Lines for Day #1 are Incomplete!", mb::OKOnly | mb::Exclamation);
    returnToCaller();
}

}  // namespace dravik
