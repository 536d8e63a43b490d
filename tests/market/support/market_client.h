#pragma once
// The team windows' headless program (team_client.h) with the market
// windows installed over it, and the seams a window of that layer uses to
// open the player card.

#include <cstdint>
#include <functional>

#include "league/records.h"
#include "team_client.h"

namespace dravik::test {

struct MarketClient : TeamClient {
    explicit MarketClient(const std::function<void(LeagueData&)>& change = {});

    // The rating switch with the column counts a league load sets for it.
    void useRatings(Flag showAll, Flag showOverall = True);

    // Opens the card from `opener` as the roster, free-agent and draft windows
    // do: the three globals, then the card opener inside a handler of the
    // opener. The card, or null when it did not stay open.
    template <class Card>
    Card* openCard(Form& opener, int16_t number, Flag goalie, int16_t callerCode) {
        state().CurrentPlayerIndex = number;
        state().ShowGoalie = goalie;
        state().CallerCode = callerCode;
        app.forms().run(opener, "lstPlayer", "DblClick", [&] { app.openers().playerCard(opener); });
        return window<Card>();
    }
};

}  // namespace dravik::test
