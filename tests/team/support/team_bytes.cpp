// The byte helpers of team_league.h, apart from its Qt-using parts: Qt's
// headers define the word "slots" away, which the stored layouts use.

#include "league/layouts.h"
#include "team_league.h"

namespace dravik::test {

std::string LoadableState(const LeagueData& league, const ProgramState& state, int16_t team) {
    std::string out(layout::StoredSize<TeamInfo>, '\0');
    layout::encode(league.Teams[team], reinterpret_cast<uint8_t*>(out.data()));
    uint8_t s[layout::StoredSize<PlayerState>];
    for (const PlayerState& p : state.PlayerStates) {
        layout::encode(p, s);
        out.append(reinterpret_cast<const char*>(s), sizeof s);
    }
    for (const PlayerState& p : state.GoalieStates) {
        layout::encode(p, s);
        out.append(reinterpret_cast<const char*>(s), sizeof s);
    }
    auto person = [&out](uint8_t status, Flag protect, Flag trade) {
        out += std::to_string(status) + "," + std::to_string(protect) + "," + std::to_string(trade) + ";";
    };
    for (const PlayerInfo& p : league.Players) person(p.RosterStatus, p.Protected, p.TradeAvailable);
    for (const GoalieInfo& g : league.Goalies) person(g.RosterStatus, g.Protected, g.TradeAvailable);
    return out;
}

}  // namespace dravik::test
