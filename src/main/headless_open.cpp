#include "main/headless_open.h"

#include <stdlib.h>

#include <QLocale>
#include <filesystem>
#include <stdexcept>

#include "forms/dialogs.h"
#include "league/files.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "platform/clock.h"
#include "platform/folders.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

class ScratchFolder {
public:
    ScratchFolder() {
        std::string pattern = (fs::temp_directory_path() / "dravik-open-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) throw std::runtime_error("no temporary program folder");
        path_ = pattern;
    }
    ~ScratchFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// Only the league file itself may be left in the folder.
bool onlyLeagueFileLeft(const std::string& folder, const std::string& leagueFile) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().string() != leagueFile) return false;
    return true;
}

HeadlessOpenResult openIn(const std::string& folder, const std::string& path, bool skipZip) {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    if (skipZip) settings.set("Settings", "SkipZIPClient", "YES");
    LogHooks log;
    FakeClock clock(0, 25);  // each reading moves on, so the wait window's pause ends
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats(QLocale(QLocale::English, QLocale::UnitedStates));
    ClientApp app(ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder, {}});

    HeadlessOpenResult result;
    if (app.start()) {
        frmMain* main = app.mainWindow();
        app.forms().run(*main, "mnuOpen", "Click", [&] { main->OpenLeagueClient(path); });
        result.opened = settings.get("Settings", "LastLoadLeague") == path;
    }
    result.messages = dialogs.messages();
    result.workingCopyRemoved = onlyLeagueFileLeft(folder, path);
    return result;
}

}  // namespace

HeadlessOpenResult OpenLeagueFileHeadless(const std::string& path, bool skipZip) {
    ScratchFolder folder;
    return openIn(folder.path(), path, skipZip);
}

HeadlessOpenResult OpenLeagueBytesHeadless(std::string_view fileBytes, bool skipZip) {
    ScratchFolder folder;
    const std::string path = folder.path() + "/League.zcl";
    WriteWholeFile(path, fileBytes, /*durable=*/false);
    return openIn(folder.path(), path, skipZip);
}

}  // namespace dravik
