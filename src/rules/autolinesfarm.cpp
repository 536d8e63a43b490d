#include "rules/autolinesfarm.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "rules/candidates.h"
#include "rules/linemaker.h"
#include "rules/linesets.h"
#include "rules/slots.h"

namespace dravik {

using namespace linemaker;

namespace {

bool validTeamAndDay(int16_t team, int16_t day) { return team >= 1 && team <= 100 && day >= 1 && day <= 10; }

constexpr GoalieRule SimpleGoalies{status::Farm, true, GoalieRule::Quiet, false};
constexpr GoalieRule FullGoalies{status::Farm, false, GoalieRule::WarnOnly, true};

// Candidates by position code (the stored byte, so no position is out of reach).
using PositionCounts = std::array<int, 256>;

bool farmSkater(const PlayerInfo& p, int16_t team) {
    return p.InUse == True && p.RosterStatus == status::Farm && p.Team == team && p.Condition >= 95;
}

void insertSkater(Env& env, int n) {
    auto number = static_cast<int16_t>(n);
    Insert(env, number);
}

void simpleMaker(Env& env, int16_t team, Flag showDone, int16_t day) {
    WipesLines(env, team, day, False);
    DayLines& set = TeamLineSet(env, team, day, false);
    auto& w = set.Slots;

    EmptyCandidates(env);
    PositionCounts counts{};
    for (int n = 1; n <= 10000; ++n) {
        const PlayerInfo& p = env.league.Players[n];
        if (!farmSkater(p, team) || p.Suspension != 0) continue;
        ++counts[p.Position];
        insertSkater(env, n);
    }
    // Only the best 17 play; at most 4 of a forward position by position.
    if (env.state.SortValue[0] > 17) env.state.SortValue[0] = 17;
    for (int position : {pos::C, pos::LW, pos::RW}) counts[position] = std::min(counts[position], 4);

    CandidateList list(env);
    std::vector<bool> used(static_cast<std::size_t>(list.count()) + 1, false);
    for (int position : {pos::C, pos::LW, pos::RW}) {
        int line = 1;
        for (int k = 1; k <= list.count() && line <= counts[position]; ++k) {
            if (list.position(k) != position) continue;
            w[SlotWord(SlotGroup::Normal, line, false, position)] = list.at(k);
            used[k] = true;
            ++line;
        }
    }
    for (int line = 1; line <= 4; ++line) {
        for (int place = 1; place <= 3; ++place) {
            int16_t& slotValue = w[SlotWord(SlotGroup::Normal, line, false, place)];
            if (slotValue != 0) continue;
            for (int k = 1; k <= list.count(); ++k) {
                if (used[k] || !list.forward(k)) continue;
                slotValue = list.at(k);
                used[k] = true;
                break;
            }
        }
    }
    PlaceDefense(env, set, std::min(counts[pos::D], 8), false);
    for (int position : {pos::C, pos::LW, pos::RW}) {
        int unit = 1;
        for (int k = 1; k <= list.count() && unit <= 2; ++k)
            if (list.position(k) == position)
                w[SlotWord(SlotGroup::PowerPlay, unit++, false, position)] = list.at(k);
    }

    SpecialUnitsAndExtras(env, set);
    ListGoalies(env, team, SimpleGoalies);
    ChooseGoalies(env, set);
    Finish(env, set, env.league.Teams[team].Farm.Name.trimmed(), showDone);
}

// The dressed farm lineup, rebuilt in the candidate list from `pool` (the
// fit farm skaters, best first): the position minimums, then the best
// others up to MaxDressedSkaters. Returns the defensemen listed, or -1
// (after "Integrity Check Failed!") when the minimums alone fill the lineup.
int dressFarmLineup(Env& env, const std::vector<int16_t>& pool) {
    const LeagueInfo& r = env.league.League;
    EmptyCandidates(env);
    PositionCounts counts{};
    std::vector<bool> taken(pool.size(), false);
    const std::pair<int, int16_t> minimums[] = {{pos::C, r.MinCenters},
                                                {pos::LW, r.MinLeftWings},
                                                {pos::RW, r.MinRightWings},
                                                {pos::D, r.MinDefense}};
    for (auto [position, minimum] : minimums) {
        for (std::size_t i = 0; i < pool.size() && counts[position] < minimum; ++i) {
            if (env.league.Players[pool[i]].Position != position) continue;
            insertSkater(env, pool[i]);
            ++counts[position];
            taken[i] = true;
        }
    }
    if (env.state.SortValue[0] >= r.MaxDressedSkaters) {
        IntegrityCheckFailed(env);
        return -1;
    }
    for (std::size_t i = 0; i < pool.size() && env.state.SortValue[0] < r.MaxDressedSkaters; ++i) {
        if (taken[i]) continue;
        insertSkater(env, pool[i]);
        ++counts[env.league.Players[pool[i]].Position];
    }
    return counts[pos::D];
}

}  // namespace

void AutoLinesFarm(Env& env, int16_t team, Flag showDone, int16_t day) {
    if (!validTeamAndDay(team, day)) {
        IntegrityCheckFailed(env);
        return;
    }
    if (env.league.League.FarmFullLineup == True) {
        AutoLinesFarmFull(env, team, showDone, day);
        return;
    }
    try {
        simpleMaker(env, team, showDone, day);
    } catch (const RuntimeError& e) {
        ShowErrorBox(env, e, " in AutoLinesFarm!");
    }
}

void AutoLinesFarmFull(Env& env, int16_t team, Flag showDone, int16_t day) {
    if (!validTeamAndDay(team, day)) {
        IntegrityCheckFailed(env);
        return;
    }
    try {
        const std::string farmName = env.league.Teams[team].Farm.Name.trimmed();
        if (!RosterGate(env, team, farmName)) return;

        // Suspended farm skaters are in the pool: the full maker has never
        // asked about suspensions.
        EmptyCandidates(env);
        for (int n = 1; n <= 10000; ++n)
            if (farmSkater(env.league.Players[n], team)) insertSkater(env, n);
        CandidateList list(env);
        std::vector<int16_t> pool;
        pool.reserve(static_cast<std::size_t>(list.count()));
        for (int k = 1; k <= list.count(); ++k) pool.push_back(list.at(k));

        // Judged before the day is cleared: a refused run leaves it as it was.
        int defense = dressFarmLineup(env, pool);
        if (defense < 0) return;
        WipesLines(env, team, day, False);
        DayLines& set = TeamLineSet(env, team, day, false);
        FullNormalLines(env, set, defense);
        SpecialUnitsAndExtras(env, set);
        if (!ListGoalies(env, team, FullGoalies)) return;
        ChooseGoalies(env, set);
        Finish(env, set, farmName, showDone);
    } catch (const RuntimeError& e) {
        // Reported under the pro maker's name, whose steps it takes.
        ShowErrorBox(env, e, " in AutoLines!");
    }
}

}  // namespace dravik
