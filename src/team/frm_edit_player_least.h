#pragma once
// The least player card: the player's name and an Exit button, until the
// read-only card of the market windows takes its place in the
// WindowOpeners::playerCard seam. It lives in a namespace of its own so
// that both cards can be linked into one program.

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

namespace least {

class frmEditPlayer : public Form {
public:
    frmEditPlayer(FormManager& forms, ClientApp& app);

    Label lblName{this, "lblName"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    // Back to the roster (its ratings panel showing the player again) when
    // the roster opened the card and is still loaded, else to the main window.
    void Form_Unload() override;

    ClientApp& app_;
    Env& env_;
};

}  // namespace least
}  // namespace dravik
