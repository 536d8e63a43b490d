#pragma once
// The pro lines window: the current team's pro lines (TeamInfo.ProLines).

#include "lines/lines_window.h"

namespace dravik {

class frmLine : public LinesWindow {
public:
    frmLine(FormManager& forms, ClientApp& app);

    CommandButton cmdPartialLine{this, "cmdPartialLine"};

    // Fills only the empty slots of the shown day.
    void cmdPartialLine_Click();
};

}  // namespace dravik
