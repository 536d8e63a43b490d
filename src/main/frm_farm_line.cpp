#include "main/frm_farm_line.h"

#include "league/env.h"
#include "rules/linecheck.h"

namespace dravik {

frmFarmLine::frmFarmLine(FormManager& forms, ClientApp& app)
    : PlaceholderWindow(forms, app, "frmFarmLine", "Farm Lines") {}

void frmFarmLine::placeholderLoad() {
    const int16_t team = env().state.CurrentTeam;
    if (team < 1 || team > 100) {
        IntegrityCheckFailed(env());
        Unload();
        return;
    }
    teamValid_ = true;
}

void frmFarmLine::Form_Unload() {
    // A window that refused its team at load has no lines to judge.
    if (teamValid_ && CheckLineFarm(env(), env().state.CurrentTeam, False, 1, False) != True)
        MsgBox(env(), "Farm Lines for Day #1 are Incomplete!", mb::OKOnly | mb::Exclamation);
    returnToCaller();
}

}  // namespace dravik
