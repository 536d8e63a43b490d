#pragma once
// The About window: thanks, the program's version and a link to its web
// page.

#include <cstdint>
#include <string>

#include "forms/controls.h"
#include "forms/form.h"

namespace dravik {

class ClientApp;
class ShellOpen;
struct Env;

// The address lblWebSite shows and opens.
inline constexpr const char* WebSiteAddress = "https://dravik-hockey.example.org/client";
// The picture the About window shows, by its resource name.
inline constexpr const char* AboutPicture = "about";

class frmAbout : public Form {
public:
    frmAbout(FormManager& forms, ClientApp& app);

    Image imgLogo{this, "imgLogo"};
    Label lblThank{this, "lblThank"};
    Label lblVersion{this, "lblVersion"};
    Label lblWebSite{this, "lblWebSite"};
    CommandButton cmdExit{this, "cmdExit"};

private:
    void Form_Load() override;
    void Form_Unload() override;
    void lblWebSite_Click();

    ClientApp& app_;
};

// "Version : major.minor.revision" of this build.
std::string VersionText();

// Asks the shell to open the path or web address (a text of the league's
// code page) showing it in the given mode (1 normal); returns what the
// shell returns, 0 after a failure (its message shown, " in OpenLocation
// Function!").
int32_t OpenLocation(Env& env, ShellOpen& shell, const std::string& path, int32_t showMode);

}  // namespace dravik
