#include "market_client.h"

#include <gtest/gtest.h>

namespace dravik::test {

void CardStandIn::Form_Unload() {
    Hide();
    for (Form* f : forms().loadedForms())
        if (f->Name() == "frmFreeAgentClient") f->Show();
}

MarketClient::MarketClient(const std::function<void(LeagueData&)>& change) {
    InstallFreeAgents(app);
    app.openers().playerCard = [this](Form& opener) {
        ++cardOpenings;
        opener.open<CardStandIn>();
    };
    EXPECT_TRUE(app.start());
    BuildMarketLeague(app.league());
    if (change) change(app.league());
    SetStatCounts(app.league(), app.state());
    state().WindowTitlePrefix = std::string(ProductName) + " - Halden.zcl";
    state().CurrentTeam = Team;
}

frmFreeAgentClient* MarketClient::open() {
    app.forms().run(main(), "mnuFreeAgents", "Click", [this] { app.openers().freeAgents(main()); });
    return app.forms().get<frmFreeAgentClient>();
}

std::vector<std::string> MarketClient::entries() {
    std::vector<std::string> out;
    ListBox& list = window().lstPlayers;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

bool MarketClient::pick(const std::string& text) {
    ListBox& list = window().lstPlayers;
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == text) return user.selectItem(list, i);
    return false;
}

void MarketClient::enter(TextBox& box, const std::string& text) {
    user.typeText(box, text);
    user.pressTab(window());
}

void MarketClient::offerTo(const std::string& text, const std::string& salary, const std::string& duration,
                           const std::string& bonus) {
    EXPECT_TRUE(pick(text)) << text;
    enter(window().txtOffer, salary);
    enter(window().txtDuration, duration);
    enter(window().txtBonus, bonus);
}

}  // namespace dravik::test
