#include "lines/install_lines.h"

#include "forms/form_manager.h"
#include "lines/frm_farm_line.h"
#include "lines/frm_line.h"
#include "main/client_app.h"

namespace dravik {

void InstallLinesWindows(ClientApp& app) {
    WindowOpeners& o = app.openers();
    o.proLines = [&app](Form& opener) { opener.open<frmLine>(app); };
    o.farmLines = [&app](Form& opener) { opener.open<frmFarmLine>(app); };
}

}  // namespace dravik
