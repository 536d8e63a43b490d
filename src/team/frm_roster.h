#pragma once
// The roster window, as far as the team sheet needs it until the roster
// window itself is built: it opens for the current team and hands back to
// the window CallerFormName names, the team sheet after recomputing its
// finance block.

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

class frmRoster : public Form {
public:
    frmRoster(FormManager& forms, ClientApp& app);

    // Shows the ratings of the player CurrentPlayerIndex and ShowGoalie name;
    // the player card calls it when it hands back to the roster.
    void ShowStats() {}

    Label lblTeamName{this, "lblTeamName"};
    Label lblInfo{this, "lblInfo"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;

    ClientApp& app_;
    Env& env_;
};

}  // namespace dravik
