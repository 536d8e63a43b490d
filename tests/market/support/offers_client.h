#pragma once
// The market windows' program (market_client.h) with the free-agent window
// installed and the free agents of free_agents.h in the league, team 7
// chosen: what the free-agent window's tests act on.

#include <functional>
#include <string>
#include <vector>

#include "free_agents.h"
#include "market/frm_free_agent_client.h"
#include "market_client.h"

namespace dravik::test {

struct OffersClient : MarketClient {
    explicit OffersClient(const std::function<void(LeagueData&)>& change = {});

    FreeAgentOffer& offer(int16_t key) { return app.state().FreeAgentOffers[key]; }

    // Opens the window as the main window's menu does once its gates have
    // passed; null when it did not open.
    frmFreeAgentClient* openOffers();
    frmFreeAgentClient& agents() { return *window<frmFreeAgentClient>(); }

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
