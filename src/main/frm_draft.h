#pragma once
// The draft list window, as a placeholder until it is built: opened from the
// main window, it returns there when it closes.

#include "main/placeholder_window.h"

namespace dravik {

class frmDraft : public PlaceholderWindow {
public:
    frmDraft(FormManager& forms, ClientApp& app) : PlaceholderWindow(forms, app, "frmDraft", "Draft List") {}

private:
    void Form_Unload() override { returnToMain(); }
};

}  // namespace dravik
