#include "main/client_app.h"

#include "main/frm_main.h"
#include "main/text.h"
#include "platform/instance_lock.h"

namespace dravik {

ClientApp::ClientApp(ClientServices services)
    : services_(std::move(services)),
      league_(std::make_unique<LeagueData>()),
      state_(std::make_unique<ProgramState>()),
      forms_(services_.dialogs, ProductName),
      wait_(forms_, services_.clock, services_.pumpEvents),
      env_{*league_, *state_, services_.dialogs, services_.settings, services_.log, wait_} {
    // An error that escapes a handler is shown like every other box, its
    // answer kept.
    forms_.setErrorReporter(
        [this](const RuntimeError& e, const std::string& closing) { ShowErrorBox(env_, e, closing); });
    // The lists sort the letters of the code page the league's texts are in.
    useListOrderKeys(ListOrderKeysOf(SystemCodePage()));
}

ClientApp::~ClientApp() = default;

bool ClientApp::start() {
    if (!services_.instanceLock.tryAcquire()) {
        MsgBox(env_, std::string(ProductName) + " is already running!", mb::OKOnly | mb::Critical);
        return false;
    }
    return forms_.start<frmMain>(*this) != nullptr;
}

frmMain* ClientApp::mainWindow() const { return forms_.get<frmMain>(); }

}  // namespace dravik
