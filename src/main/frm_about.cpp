#include "main/frm_about.h"

#include <new>

#include "forms/form_manager.h"
#include "forms/metrics.h"
#include "league/env.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "main/text.h"
#include "platform/shell.h"

#ifndef DRAVIK_VERSION_MAJOR
#error "the build gives the program's version"
#endif

namespace dravik {

frmAbout::frmAbout(FormManager& forms, ClientApp& app) : Form(forms, "frmAbout"), app_(app) {
    Move(0, 0, 5550, 3780);
    imgLogo.setPicture(AboutPicture);
    using metrics::ButtonHeight, metrics::LabelHeight, metrics::WideMargin;
    imgLogo.Move(WideMargin, WideMargin, 960, 960);
    lblThank.Move(1440, WideMargin, 3855, 1455);
    lblVersion.Move(1440, 1815, 3855, LabelHeight);
    lblWebSite.setCaption(WebSiteAddress);
    lblWebSite.Move(1440, 2190, 3855, LabelHeight);
    cmdExit.setCaption("Exit");
    cmdExit.Move(2108, 2790, 1335, ButtonHeight);

    lblWebSite.Click = [this] { lblWebSite_Click(); };
    cmdExit.Click = [this] { Unload(); };
}

std::string VersionText() {
    return "Version : " + std::to_string(DRAVIK_VERSION_MAJOR) + "." + std::to_string(DRAVIK_VERSION_MINOR) +
           "." + std::to_string(DRAVIK_VERSION_PATCH);
}

void frmAbout::Form_Load() {
    Env& env = app_.env();
    try {
        CentreOnScreen();
        setCaption(env.state.WindowTitlePrefix + " - About");
        lblThank.setCaption(
            "Thank you for managing your team with the Dravik Hockey Simulator Client, and thanks to every "
            "general manager whose ideas and reports made it better.");
        lblVersion.setCaption(VersionText());
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " inFormLoad!");
    }
}

void frmAbout::Form_Unload() {
    Hide();
    if (frmMain* main = app_.mainWindow()) main->Show();
}

void frmAbout::lblWebSite_Click() {
    Env& env = app_.env();
    env.state.LastMsgBoxResult = toInt16(OpenLocation(env, app_.services().shell, lblWebSite.Caption(), 1));
}

int32_t OpenLocation(Env& env, ShellOpen& shell, const std::string& path, int32_t showMode) {
    try {
        return shell.open(TextToPath(path), showMode);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in OpenLocation Function!");
    } catch (const std::exception&) {
        ShowErrorBox(env, RuntimeError(err::InvalidCall), " in OpenLocation Function!");
    }
    return 0;
}

}  // namespace dravik
