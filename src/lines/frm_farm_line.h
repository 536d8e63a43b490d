#pragma once
// The farm lines window: the current team's farm lines (FarmTeamInfo.Lines).

#include "lines/lines_window.h"

namespace dravik {

class frmFarmLine : public LinesWindow {
public:
    frmFarmLine(FormManager& forms, ClientApp& app);
};

}  // namespace dravik
