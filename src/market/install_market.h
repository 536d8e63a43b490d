#pragma once
// The market layer's windows in the program: the player card (and, with
// them, the free-agent offers and draft list windows) take over their
// openers from any stand-in of a lower layer. Called after the team layer's
// installer.

namespace dravik {

class ClientApp;

void InstallMarketWindows(ClientApp& app);

}  // namespace dravik
