#pragma once
// The wait window shown around long file work, and the wait service on it.

#include <functional>

#include "forms/controls.h"
#include "forms/form.h"
#include "league/env.h"

namespace dravik {

class Clock;
class FormManager;

// "Please Wait .....". It never takes activation: showing or closing it
// leaves the active window, and so every Activate handler, alone.
class frmWait : public Form {
public:
    explicit frmWait(FormManager& forms);
    Label lblWait{this, "lblWait"};
};

class FormsWaitWindow : public WaitWindow {
public:
    // pump lets pending events run (paints); it may be empty.
    FormsWaitWindow(FormManager& forms, Clock& clock, std::function<void()> pump);

    // Shows the wait window unless it is visible already (then returns at
    // once), then lets events run until 100 ms have passed on the clock.
    // Never fails: any error on the way is skipped.
    void ShowWaitForm() override;
    // Closes and releases the wait window; any error is skipped.
    void HideWaitForm() override;

private:
    FormManager& forms_;
    Clock& clock_;
    std::function<void()> pump_;
};

}  // namespace dravik
