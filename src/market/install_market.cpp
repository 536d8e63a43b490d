#include "market/install_market.h"

#include "forms/form_manager.h"
#include "main/client_app.h"
#include "market/frm_edit_player.h"

namespace dravik {

void InstallMarketWindows(ClientApp& app) {
    WindowOpeners& o = app.openers();
    o.playerCard = [&app](Form& opener) { opener.open<frmEditPlayer>(app); };
}

}  // namespace dravik
