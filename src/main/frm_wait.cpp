#include "main/frm_wait.h"

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/state.h"
#include "platform/clock.h"

namespace dravik {

frmWait::frmWait(FormManager& forms) : Form(forms, "frmWait") {
    setActivates(false);
    // The wait window's caption is its message, not the product name that
    // every other window's caption starts with: it names what the user is
    // waiting for. Keep it that way.
    setCaption("Please Wait .....");
    Move(0, 0, 3975, 1335);
    CentreOnScreen();
    lblWait.setCaption("Please Wait .....");
    lblWait.Move(metrics::WideMargin, 360, 3495, 375);
}

FormsWaitWindow::FormsWaitWindow(FormManager& forms, Clock& clock, std::function<void()> pump)
    : forms_(forms), clock_(clock), pump_(std::move(pump)) {}

void FormsWaitWindow::ShowWaitForm() {
    try {
        if (forms_.isVisible<frmWait>()) return;
        frmWait* wait = forms_.load<frmWait>();
        if (!wait) return;
        wait->Show();
        // Long enough for the window to be painted before the file work
        // keeps the program busy.
        pumpFor(
            clock_, 100, pump_ ? pump_ : [] {});
    } catch (...) {
    }
}

void FormsWaitWindow::HideWaitForm() {
    try {
        if (frmWait* wait = forms_.get<frmWait>()) wait->Unload();
    } catch (...) {
    }
}

}  // namespace dravik
