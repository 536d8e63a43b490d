#pragma once
// The pro lines window, as a placeholder until the lines editor is built:
// its opening guard and its closing check and hand-over.

#include "main/placeholder_window.h"

namespace dravik {

class frmLine : public PlaceholderWindow {
public:
    frmLine(FormManager& forms, ClientApp& app);

    // Run after each change of the lines: once day 1 of the pro lines is
    // complete, enables the team sheet's Save to File when the sheet is
    // loaded. It never disables it (the sheet's activation does) and never
    // loads a sheet.
    void Check();

private:
    void placeholderLoad() override;
    void Form_Unload() override;
    bool teamValid_ = false;
};

}  // namespace dravik
