#include "offers_client.h"

#include <gtest/gtest.h>

namespace dravik::test {

OffersClient::OffersClient(const std::function<void(LeagueData&)>& change)
    : MarketClient([&change](LeagueData& l) {
          AddFreeAgents(l);
          if (change) change(l);
      }) {
    state().CurrentTeam = Team;
}

frmFreeAgentClient* OffersClient::openOffers() {
    app.forms().run(main(), "mnuFreeAgents", "Click", [this] { app.openers().freeAgents(main()); });
    return window<frmFreeAgentClient>();
}

std::vector<std::string> OffersClient::entries() {
    std::vector<std::string> out;
    ListBox& list = agents().lstPlayers;
    for (int i = 0; i < list.ListCount(); ++i) out.push_back(list.List(i));
    return out;
}

bool OffersClient::pick(const std::string& text) {
    ListBox& list = agents().lstPlayers;
    for (int i = 0; i < list.ListCount(); ++i)
        if (list.List(i) == text) return user.selectItem(list, i);
    return false;
}

void OffersClient::enter(TextBox& box, const std::string& text) {
    user.typeText(box, text);
    user.pressTab(agents());
}

void OffersClient::offerTo(const std::string& text, const std::string& salary, const std::string& duration,
                           const std::string& bonus) {
    EXPECT_TRUE(pick(text)) << text;
    enter(agents().txtOffer, salary);
    enter(agents().txtDuration, duration);
    enter(agents().txtBonus, bonus);
}

}  // namespace dravik::test
