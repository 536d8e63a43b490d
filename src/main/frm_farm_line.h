#pragma once
// The farm lines window, as a placeholder until the lines editor is built:
// its opening guard and its closing check and hand-over.

#include "main/placeholder_window.h"

namespace dravik {

class frmFarmLine : public PlaceholderWindow {
public:
    frmFarmLine(FormManager& forms, ClientApp& app);

private:
    void placeholderLoad() override;
    void Form_Unload() override;
    bool teamValid_ = false;
};

}  // namespace dravik
