#pragma once
// Stand-ins for the windows of the lines editors, the free-agent offers and
// the draft list until those windows are built: each opens and closes as
// its window will (the opening guard and the hand-over back to its caller)
// and shows nothing but a note and an Exit button. Each is replaced whole
// by its real window, which then fills its opener in WindowOpeners.

#include <string>
#include <string_view>

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

class PlaceholderWindow : public Form {
protected:
    PlaceholderWindow(FormManager& forms, ClientApp& app, std::string name, std::string_view title);

    Env& env();
    // Hides the window and shows the main window.
    void returnToMain();
    // Hides the window and shows the window CallerFormName names: "Main" or
    // "Team" (the team sheet). Any other value is an integrity failure.
    void returnToCaller();

    ClientApp& app_;

public:
    Label lblInfo{this, "lblInfo"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    std::string title_;
    void Form_Load() override;
    virtual void placeholderLoad() {}
};

// The loaded window of that name, or null.
Form* FindLoadedWindow(FormManager& forms, std::string_view name);

// Points the lines, free-agent and draft openers at the placeholders.
void InstallPlaceholderWindows(ClientApp& app);

}  // namespace dravik
