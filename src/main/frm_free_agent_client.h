#pragma once
// The free-agent offers window, as a placeholder until it is built: opened
// from the main window, it returns there when it closes.

#include "main/placeholder_window.h"

namespace dravik {

class frmFreeAgentClient : public PlaceholderWindow {
public:
    frmFreeAgentClient(FormManager& forms, ClientApp& app)
        : PlaceholderWindow(forms, app, "frmFreeAgentClient", "Free Agents") {}

private:
    void Form_Unload() override { returnToMain(); }
};

}  // namespace dravik
