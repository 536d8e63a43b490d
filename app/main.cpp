// dravik-client: the Dravik Hockey Simulator Client. It takes no arguments:
// start-up reopens the league opened last.

#include <QApplication>

#include "league/env.h"
#include "league/state.h"
#include "lines/install_lines.h"
#include "main/client_app.h"
#include "market/install_market.h"
#include "platform/clock.h"
#include "platform/codepage.h"
#include "platform/folders.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings_file.h"
#include "platform/shell.h"
#include "qt/qt_application.h"
#include "qt/qt_backend.h"
#include "qt/qt_dialogs.h"
#include "team/frm_team.h"

int main(int argc, char** argv) {
    using namespace dravik;
    // Decided once, before any league text is read; a warning of the choice
    // comes first on standard error.
    SystemCodePage();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramTitle);
    setUpApplication(app);

    QtDialogs dialogs;
    QtSettingsStore settings(defaultSettingsPath(ProgramTitle));
    LogHooks log;
    MonotonicClock clock;
    FileInstanceLock lock(runtimeFolder(), ProgramTitle);
    XdgShellOpen shell;
    LocaleFormats formats;
    ClientApp client(ClientServices{dialogs, settings, log, clock, lock, shell, formats,
                                    programFolder(ProgramTitle), waitPump()});
    InstallTeamWindows(client);
    InstallLinesWindows(client);
    InstallMarketWindows(client);
    // Before start-up: the main window centres itself on the screen in twips.
    QtBackend backend(client.forms());
    dialogs.setOwner([&backend] { return backend.dialogOwner(); });

    if (!client.start() || client.forms().ended()) return 0;
    return QApplication::exec();
}
