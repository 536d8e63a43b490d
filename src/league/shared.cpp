#include "league/shared.h"

#include <array>

namespace dravik {

void MarkOnWaivers(Env& env, int16_t team, int16_t person) {
    if (team < 1 || team > 100 || person < 1 || person > MaxPerson) {
        IntegrityCheckFailed(env);
        return;
    }
    if (person <= GoalieOffset)
        env.league.Players[person].Suspension = 99;
    else
        env.league.Goalies[person - GoalieOffset].Suspension = 99;
}

Flag IsTradeDeadlinePassed(Env& env) { return env.league.League.TradeDeadlinePassed == True ? True : False; }

namespace {

template <std::size_t N>
void setCaptions(std::array<std::string, N>& row, std::initializer_list<const char*> captions) {
    row.fill(std::string());
    std::size_t column = 1;  // column 0 is unused
    for (const char* c : captions) row.at(column++) = c;
}

}  // namespace

void InitSharedState(ProgramState& state, const std::string& workFilePath) {
    state.ShowMessages = True;
    state.WorkFilePath = workFilePath;
    const char* positions[] = {"C", "LW", "RW", "D", "G"};
    for (int p = 1; p <= 5; ++p) state.PositionNames[p] = positions[p - 1];
    state.WindowTitlePrefix = ProductName;
    setCaptions(state.SkaterStatLabels[0], {"CK", "FG", "DI", "SK", "ST", "DU", "PH", "FO", "PA", "SC", "DF",
                                            "EX", "LD", "MO", "PO", "OV"});
    setCaptions(state.SkaterStatLabels[1], {"IT", "PY", "PC", "SC", "DF", "ME", "PO", "OV"});
    setCaptions(state.GoalieStatLabels[0],
                {"SK", "DU", "ST", "SZ", "AG", "RB", "SC", "HS", "RT", "EX", "LD", "MO", "PO", "OV"});
    setCaptions(state.GoalieStatLabels[1], {"PH", "RD", "SC", "HS", "RT", "ME", "PO", "OV"});
    for (auto& s : state.PlayerStates) s.Status = status::NotSet;
    for (auto& s : state.GoalieStates) s.Status = status::NotSet;
}

}  // namespace dravik
