#pragma once
// How a window hands back when it closes: the windows of a team's tasks find
// the window to show again by its name among the loaded windows (the forms
// layer never loads one implicitly), the main window standing in whenever
// that one is not there, so the program never sits with no window to close
// it from.

#include <string_view>

namespace dravik {

class ClientApp;
class Form;
class FormManager;

// The loaded window of that name, or null.
Form* FindLoadedWindow(FormManager& forms, std::string_view name);

// Hides `window` and shows the window CallerFormName names: "Main" or "Team"
// (the team sheet). Any other value is an integrity failure; the main window
// is shown then, and when the team sheet is not loaded.
void ReturnToCaller(ClientApp& app, Form& window);

}  // namespace dravik
