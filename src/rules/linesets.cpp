#include "rules/linesets.h"

#include "rules/slots.h"

namespace dravik {

namespace {

bool validTeam(int16_t team) { return team >= 1 && team <= 100; }
bool validDay(int16_t day) { return day >= 1 && day <= 10; }

void clearSkaterSlots(DayLines& set, int16_t value) {
    for (const SkaterSlot& s : SkaterSlots)
        if (set.Slots[s.word] == value) set.Slots[s.word] = 0;
}

std::string playOnString(Env& env, int16_t team, int16_t number, int16_t day, bool pro) {
    const DayLines& set = TeamLineSet(env, team, day, pro);
    std::string text;
    for (const SkaterSlot& s : SkaterSlots)
        if (set.Slots[s.word] == number) text += s.label();
    return text;
}

int16_t playOnCount(Env& env, int16_t team, int16_t number, int16_t day, bool pro) {
    const DayLines& set = TeamLineSet(env, team, day, pro);
    int16_t count = 0;
    for (const SkaterSlot& s : SkaterSlots)
        if (set.Slots[s.word] == number) ++count;
    return count;
}

}  // namespace

void WipePlayerFromTeamLines(Env& env, int16_t team, int16_t id) {
    try {
        if (!validTeam(team)) {
            IntegrityCheckFailed(env);
            return;
        }
        TeamInfo& t = env.league.Teams[team];
        for (int d = 0; d < 10; ++d) {
            if (id > GoalieOffset) {
                auto g = static_cast<int16_t>(id - GoalieOffset);
                for (DayLines* set : {&t.ProLines[d], &t.Farm.Lines[d]})
                    for (int word : {slot::StartGoaler, slot::BackupGoaler})
                        if (set->Slots[word] == g) set->Slots[word] = 0;
            } else {
                clearSkaterSlots(t.ProLines[d], id);
                clearSkaterSlots(t.Farm.Lines[d], id);
                for (int16_t* role : {&t.Captain, &t.Assistant1, &t.Assistant2})
                    if (*role == id) *role = 0;
            }
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in WipePlayerFromTeamLines!");
    }
}

void ClearSkaterValueFromTeamLines(Env& env, int16_t team, int16_t value) {
    TeamInfo& t = env.league.Teams[team];
    for (int d = 0; d < 10; ++d) {
        clearSkaterSlots(t.ProLines[d], value);
        clearSkaterSlots(t.Farm.Lines[d], value);
    }
}

void WipesLines(Env& env, int16_t team, int16_t day, Flag pro) {
    try {
        if (!validTeam(team) || !validDay(day)) {
            IntegrityCheckFailed(env);
            return;
        }
        DayLines& set = TeamLineSet(env, team, day, pro == True);
        for (int word = 0; word < slot::Count; ++word) {
            // The unused first pair of the 3-man forwards and the pull-goalie
            // values survive.
            bool keep =
                IsUnusedWord(word) || word == slot::PullGoalerMinGoal || word == slot::PullGoalerMinPct;
            if (!keep) set.Slots[word] = 0;
        }
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in WipesLines!");
    }
}

std::string PlayOnLineString(Env& env, int16_t team, int16_t number, int16_t day) {
    try {
        return playOnString(env, team, number, day, true);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in PlayOnLineString!");
        return {};
    }
}

std::string PlayOnLineStringFarm(Env& env, int16_t team, int16_t number, int16_t day) {
    try {
        return playOnString(env, team, number, day, false);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in PlayOnLineStringFarm!");
        return {};
    }
}

int16_t PlayOnLineInteger(Env& env, int16_t team, int16_t number, int16_t day) {
    try {
        return playOnCount(env, team, number, day, true);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in PlayOnLineInteger!");
        return 0;
    }
}

int16_t PlayOnLineIntegerFarm(Env& env, int16_t team, int16_t number, int16_t day) {
    try {
        return playOnCount(env, team, number, day, false);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in PlayOnLineIntegerFarm!");
        return 0;
    }
}

}  // namespace dravik
