#pragma once
// The pro lines window, as a placeholder until the lines editor is built:
// its opening guard and its closing check and hand-over.

#include "main/placeholder_window.h"

namespace dravik {

class frmLine : public PlaceholderWindow {
public:
    frmLine(FormManager& forms, ClientApp& app);

private:
    void placeholderLoad() override;
    void Form_Unload() override;
    bool teamValid_ = false;
};

}  // namespace dravik
