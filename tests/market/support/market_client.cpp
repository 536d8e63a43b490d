#include "market_client.h"

#include "market/install_market.h"

namespace dravik::test {

MarketClient::MarketClient(const std::function<void(LeagueData&)>& change) : TeamClient(change) {
    InstallMarketWindows(app);
    useRatings(league().League.ShowAllRatings, league().League.ShowOverallColumn);
}

void MarketClient::useRatings(Flag showAll, Flag showOverall) {
    LeagueInfo& info = league().League;
    info.ShowAllRatings = showAll;
    info.ShowOverallColumn = showOverall;
    const bool full = showAll == True;
    state().SkaterStatCount = full ? 15 : 7;
    state().GoalieStatCount = full ? 13 : 7;
}

}  // namespace dravik::test
