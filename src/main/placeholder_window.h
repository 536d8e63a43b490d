#pragma once
// Stand-ins for the windows of the free-agent offers and the draft list
// until those windows are built: each opens and closes as its window will
// (the hand-over back to its caller) and shows nothing but a note and an
// Exit button. Each is replaced whole
// by its real window, which then fills its opener in WindowOpeners.

#include <string>
#include <string_view>

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
struct Env;

class PlaceholderWindow : public Form {
public:
    Label lblInfo{this, "lblInfo"};
    CommandButton cmdExit{this, "cmdExit"};

protected:
    PlaceholderWindow(FormManager& forms, ClientApp& app, std::string name, std::string_view title);

    Env& env();
    // Hides the window and shows the main window.
    void returnToMain();

    ClientApp& app_;

private:
    void Form_Load() override;
    // The window's own load, after the caption is set.
    virtual void placeholderLoad() {}
    std::string title_;
};

// The loaded window of that name, or null.
Form* FindLoadedWindow(FormManager& forms, std::string_view name);

// Hides `window` and shows the window CallerFormName names: "Main" or "Team"
// (the team sheet). Any other value is an integrity failure; the main window
// is shown then, and when the team sheet is not loaded.
void ReturnToCaller(ClientApp& app, Form& window);

// Points the free-agent and draft openers at the placeholders.
void InstallPlaceholderWindows(ClientApp& app);

}  // namespace dravik
