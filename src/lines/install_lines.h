#pragma once
// The lines layer's windows in the program: frmLine and frmFarmLine take
// over the main window's and the team sheet's lines openers. Called after
// the team layer's installer.

namespace dravik {

class ClientApp;

void InstallLinesWindows(ClientApp& app);

}  // namespace dravik
