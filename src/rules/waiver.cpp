#include "rules/waiver.h"

#include "league/overall.h"
#include "league/shared.h"

namespace dravik {

namespace {

template <class Person>
bool exempt(const LeagueInfo& league, const Person& p) {
    if (p.ProExperience < league.WaiverExemptGames) return true;
    return p.Age <= league.WaiverExemptAge;
}

}  // namespace

Flag WaiverCheck(Env& env, int16_t id) {
    try {
        const LeagueInfo& league = env.league.League;
        if (league.WaiversAllowed == 0) return False;
        // After the deadline nobody is claimed, whether or not moves are blocked.
        if (IsTradeDeadlinePassed(env) == True) return False;
        // Checked before any record is read.
        if (id < 0 || id > MaxPerson) raiseError(err::SubscriptOutOfRange);
        bool free;
        int16_t overall;
        if (id <= GoalieOffset) {
            const PlayerInfo& p = env.league.Players[id];
            free = exempt(league, p);
            overall = PlayerOverall(env, p.Position, id);
        } else {
            auto g = static_cast<int16_t>(id - GoalieOffset);
            free = exempt(league, env.league.Goalies[g]);
            overall = PlayerOverall(env, pos::G, g);
        }
        return !free && overall <= league.FarmMaxOverall ? True : False;
    } catch (const RuntimeError& e) {
        // The error box must not open behind the wait window.
        env.wait.HideWaitForm();
        ShowErrorBox(env, e, " in WaiverCheck!");
        return False;
    }
}

}  // namespace dravik
