#pragma once
// A headless program for the free-agent window's tests: the real ClientApp
// with the window installed, on doubles (scripted dialogs, memory settings,
// fake clock, lock and shell, en_US formats), a temporary program folder,
// and the league of market_league.h in place as if its file had been
// opened, team 7 chosen. The player card is a stand-in that records its
// visit and hands back as the card does for CallerCode 3.

#include <QLocale>
#include <functional>
#include <string>
#include <vector>

#include "forms/forms.h"
#include "main/client_app.h"
#include "main/frm_main.h"
#include "market/frm_free_agent_client.h"
#include "market_league.h"
#include "platform/clock.h"
#include "platform/formats.h"
#include "platform/instance_lock.h"
#include "platform/settings.h"
#include "platform/shell.h"
#include "test_env.h"

namespace dravik::test {

class CardStandIn : public Form {
public:
    explicit CardStandIn(FormManager& forms) : Form(forms, "frmEditPlayer") {}
    void Form_Unload() override;
};

struct MarketClient {
    ScriptedDialogs dialogs;
    MemorySettings settings;
    RecordingLog log;
    FakeClock clock{0, 25};
    FakeInstanceLock lock;
    RecordingShellOpen shell;
    LocaleFormats formats{QLocale(QLocale::English, QLocale::UnitedStates)};
    TempDir folder;
    ClientApp app{
        ClientServices{dialogs, settings, log, clock, lock, shell, formats, folder.path().string(), {}}};
    User user{app.forms()};
    int cardOpenings = 0;

    explicit MarketClient(const std::function<void(LeagueData&)>& change = {});

    frmMain& main() { return *app.mainWindow(); }
    Env& env() { return app.env(); }
    LeagueData& league() { return app.league(); }
    ProgramState& state() { return app.state(); }
    FreeAgentOffer& offer(int16_t key) { return app.state().FreeAgentOffers[key]; }
    std::string file(const std::string& name) const { return folder.file(name); }

    // Opens the window as the main window's menu does once its gates have passed.
    frmFreeAgentClient* open();
    frmFreeAgentClient& window() { return *app.forms().get<frmFreeAgentClient>(); }

    // The entries' texts, in list order.
    std::vector<std::string> entries();
    // Clicks the entry with that text; false when there is none.
    bool pick(const std::string& text);
    // Types into the box and leaves it with Tab.
    void enter(TextBox& box, const std::string& text);
    // Picks the entry and enters salary, duration and bonus for it.
    void offerTo(const std::string& text, const std::string& salary, const std::string& duration,
                 const std::string& bonus = "0");
};

}  // namespace dravik::test
