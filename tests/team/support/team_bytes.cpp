// The byte helpers of team_league.h, apart from its Qt-using parts: Qt's
// headers define the word "slots" away, which the stored layouts use.
#include <zlib.h>

#include "league/layouts.h"
#include "team_league.h"

namespace dravik::test {

std::string Unpack(const std::string& container) {
    if (container.size() < 4) return {};
    uint32_t n = 0;
    for (int i = 3; i >= 0; --i) n = (n << 8) | static_cast<uint8_t>(container[i]);
    std::string out(n, '\0');
    uLongf got = n;
    if (uncompress(reinterpret_cast<Bytef*>(out.data()), &got,
                   reinterpret_cast<const Bytef*>(container.data() + 4),
                   static_cast<uLong>(container.size() - 4)) != Z_OK ||
        got != n)
        return {};
    return out;
}

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
