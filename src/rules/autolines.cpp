#include "rules/autolines.h"

#include <string>

#include "rules/candidates.h"
#include "rules/linecheck.h"
#include "rules/linemaker.h"
#include "rules/linesets.h"
#include "rules/slots.h"

namespace dravik {

using namespace linemaker;

namespace {

bool validTeamAndDay(int16_t team, int16_t day) { return team >= 1 && team <= 100 && day >= 1 && day <= 10; }

constexpr GoalieRule ProGoalies{status::Dressed, false, GoalieRule::Stop, true};

// The team's dressed fit skaters, in number order until MaxDressedSkaters
// are listed; their number must be 18..MaxDressedSkaters. Returns the
// number of defensemen listed, or -1 (after "Integrity Check Failed!").
int listDressedSkaters(Env& env, int16_t team) {
    const int16_t most = env.league.League.MaxDressedSkaters;
    EmptyCandidates(env);
    int defense = 0;
    for (int n = 1; n <= 10000; ++n) {
        const PlayerInfo& p = env.league.Players[n];
        if (p.InUse != True || p.RosterStatus != status::Dressed || p.Team != team || p.Condition < 95)
            continue;
        if (p.Position == pos::D) ++defense;
        auto number = static_cast<int16_t>(n);
        Insert(env, number);
        if (env.state.SortValue[0] >= most) break;
    }
    int count = env.state.SortValue[0];
    if (count > most || count < 18) {
        IntegrityCheckFailed(env);
        return -1;
    }
    return defense;
}

// One run of the partial maker over a day whose skater list stands.
class PartialRun {
public:
    PartialRun(Env& env, int16_t team, DayLines& set) : env_(env), team_(team), set_(set), list_(env) {}

    // False when a slot stays empty.
    bool refillSkaters() {
        bool complete = true;
        for (const WalkStep& step : CheckWalk) {
            if (step.op != WalkStep::Slot) continue;
            const SkaterSlot& s = SkaterSlots[step.index];
            if (keeps(set_.Slots[s.word])) continue;
            refill(s);
            if (set_.Slots[s.word] == 0) complete = false;
        }
        return complete;
    }

private:
    bool keeps(int16_t n) const {
        const auto& players = env_.league.Players;
        if (n == 0 || !players.inBounds(n)) return false;
        const PlayerInfo& p = players[n];
        return p.RosterStatus == status::Dressed && p.Team == team_ && p.Suspension == 0 && p.Condition >= 95;
    }

    // The lowest-ranked listed skater of the slot's kind who may stand there.
    void refill(const SkaterSlot& s) {
        int16_t& slot = set_.Slots[s.word];
        slot = 0;
        for (int k = list_.count(); k >= 1; --k) {
            if (s.defense() ? !list_.defense(k) : !list_.forward(k)) continue;
            slot = list_.at(k);
            if (!standsTwice(s, slot)) return;
            slot = 0;
        }
    }

    bool holds(const LineUnit& u, int skip, int16_t n) const {
        for (int i = 0; i < u.size; ++i) {
            const SkaterSlot& other = SkaterSlots[u.slots[i]];
            if (other.word != skip && set_.Slots[other.word] == n) return true;
        }
        return false;
    }

    bool standsTwice(const SkaterSlot& s, int16_t n) const {
        if (holds(LineUnits[s.dupUnit], s.word, n)) return true;
        if (s.group == SlotGroup::Normal && (s.unit == 1 || s.unit == 2) &&
            env_.league.League.NoSamePlayerLines1And2 == True)
            return holds(LineUnits[s.unit == 1 ? 1 : 0], s.word, n);
        return false;
    }

    Env& env_;
    int16_t team_;
    DayLines& set_;
    CandidateList list_;
};

}  // namespace

void AutoLines(Env& env, int16_t team, Flag showDone, int16_t day) {
    if (!validTeamAndDay(team, day)) {
        IntegrityCheckFailed(env);
        return;
    }
    try {
        const std::string name = env.league.Teams[team].Name.trimmed();
        if (!RosterGate(env, team, name)) return;
        // The list is judged before the day is cleared: a refused run leaves it as it was.
        int defense = listDressedSkaters(env, team);
        if (defense < 0) return;
        WipesLines(env, team, day, True);
        DayLines& set = TeamLineSet(env, team, day, true);
        FullNormalLines(env, set, defense);
        SpecialUnitsAndExtras(env, set);
        if (!ListGoalies(env, team, ProGoalies)) return;
        ChooseGoalies(env, set);
        Finish(env, set, name, showDone);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in AutoLines!");
    }
}

void AutoLinesPartial(Env& env, int16_t team, Flag showDone, int16_t day) {
    if (!validTeamAndDay(team, day)) {
        IntegrityCheckFailed(env);
        return;
    }
    try {
        if (CheckLineEmpty(env, team, day) == True) {
            AutoLines(env, team, showDone, day);
            return;
        }
        const std::string name = env.league.Teams[team].Name.trimmed();
        if (!RosterGate(env, team, name)) return;
        if (listDressedSkaters(env, team) < 0) return;
        DayLines& set = TeamLineSet(env, team, day, true);
        bool complete = PartialRun(env, team, set).refillSkaters();
        if (!ListGoalies(env, team, ProGoalies)) return;
        // Two goalies in place are kept as they are.
        if (set.Slots[slot::StartGoaler] == 0 || set.Slots[slot::BackupGoaler] == 0) ChooseGoalies(env, set);
        if (complete) {
            env.log.LogMessage("Auto Lines Partial Function has been run for " + name + ".");
            if (showDone == True && env.state.ShowMessages == True)
                MsgBox(env, "Auto Lines Partial Function has been run successfully.",
                       mb::OKOnly | mb::Information);
        } else {
            MsgBox(env, "Auto Lines Partial Function Error.", mb::OKOnly | mb::Information);
        }
        env.state.DataChanged = True;
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in AutoLinesPartial!");
    }
}

}  // namespace dravik
