#pragma once
// How the windows of a team's tasks open and hand back. Each opens for the
// current team only; when it closes it finds the window to show again by its
// name among the loaded windows (the forms layer never loads one implicitly),
// the main window standing in whenever that one is not there, so the program
// never sits with no window to close it from.

#include <functional>
#include <string_view>

namespace dravik {

class ClientApp;
class Form;
class FormManager;
struct Env;

// What a team window does with a current team outside 1..100.
enum class OnBadTeam {
    Close,     // closes itself at once
    StayOpen,  // stays open, empty
};

// The first thing a team window does on opening: true when CurrentTeam names
// a team (1..100). Any other shows "Integrity Check Failed!" (critical), then
// `window` closes or stays as `onBadTeam` says, and the answer is false.
bool GuardCurrentTeam(Env& env, Form& window, OnBadTeam onBadTeam);

// The loaded window of that name, or null.
Form* FindLoadedWindow(FormManager& forms, std::string_view name);

// Hides `window` and shows the window CallerFormName names: "Main" or "Team"
// (the team sheet, which `beforeSheet`, when given, brings up to date just
// before it is shown). Any other value is an integrity failure; the main
// window is shown then, and when the team sheet is not loaded.
void ReturnToCaller(ClientApp& app, Form& window, const std::function<void(Form& sheet)>& beforeSheet = {});

}  // namespace dravik
