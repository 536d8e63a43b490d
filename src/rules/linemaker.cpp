#include "rules/linemaker.h"

#include <algorithm>
#include <vector>

#include "rules/autoroster.h"
#include "rules/candidates.h"
#include "rules/roster.h"

namespace dravik::linemaker {

namespace {

constexpr const char* CRLF = "\r\n";

static_assert(SlotWord(SlotGroup::Normal, 1, false, 1) == slot::NormalTrio);
static_assert(SlotWord(SlotGroup::Normal, 4, true, 2) == slot::NormalDuo + 7);
static_assert(SlotWord(SlotGroup::PenaltyKill3, 1, false, 1) == slot::PK3Trio + 2);
static_assert(SlotWord(SlotGroup::PenaltyShot, 5, false, 5) == slot::PenaltyShot + 4);

constexpr int normalForward(int line, int place) { return SlotWord(SlotGroup::Normal, line, false, place); }
constexpr int normalDefense(int line, int place) { return SlotWord(SlotGroup::Normal, line, true, place); }

// Whether a list place has been placed on a normal line: one mark a place.
class Marks {
public:
    explicit Marks(int count) : used_(static_cast<std::size_t>(std::max(count, 0)) + 1, false) {}
    bool used(int place) const { return used_[static_cast<std::size_t>(place)]; }
    void mark(int place) { used_[static_cast<std::size_t>(place)] = true; }
    void clear() { std::fill(used_.begin(), used_.end(), false); }

private:
    std::vector<bool> used_;
};

}  // namespace

bool RosterGate(Env& env, int16_t team, const std::string& club) {
    if (CheckRoster(env, team, False, True, False) == True) return true;
    const std::string name = env.league.Teams[team].Name.trimmed();
    if (env.state.ShowMessages == True)
        MsgBox(env,
               "Roster for " + name + " is incomplete!" + CRLF + "Trying Auto Rosters Function for " + club +
                   ".",
               mb::OKOnly | mb::Information);
    AutoRoster(env, team, False, False);
    if (CheckRoster(env, team, False, True, False) == True) return true;
    if (env.state.ShowMessages == True)
        MsgBox(env,
               "Roster for " + name + " is still incomplete!" + CRLF + "Cannot make lines for " + club + ".",
               mb::OKOnly | mb::Information);
    return false;
}

void FullNormalLines(Env& env, DayLines& set, int defenseCount) {
    CandidateList list(env);
    Marks marks(list.count());
    auto& w = set.Slots;
    auto best = [&](auto wanted) {
        for (int k = 1; k <= list.count(); ++k)
            if (!marks.used(k) && wanted(k)) return k;
        return 0;
    };
    auto forward = [&](int k) { return list.forward(k); };
    auto put = [&](int line, int place, int k) {
        if (k == 0) return;
        w[normalForward(line, place)] = list.at(k);
        if (line <= 2) w[SlotWord(SlotGroup::PowerPlay, line, false, place)] = list.at(k);
        marks.mark(k);
    };

    for (int line = 1; line <= 4; ++line) {
        for (int place = 1; place <= 3; ++place)  // the place is the position code: C, LW, RW
            put(line, place, best([&](int k) { return list.position(k) == place; }));
        for (int place = 1; place <= 3; ++place)
            if (w[normalForward(line, place)] == 0) put(line, place, best(forward));
    }
    // Too few forwards: the best play a second normal line.
    marks.clear();
    for (int line = 1; line <= 4; ++line)
        for (int place = 1; place <= 3; ++place)
            if (w[normalForward(line, place)] == 0) put(line, place, best(forward));

    PlaceDefense(env, set, std::min(defenseCount, 8), true);
}

void PlaceDefense(Env& env, DayLines& set, int count, bool copyFive) {
    CandidateList list(env);
    auto& w = set.Slots;
    int placed = 0;
    for (int k = 1; k <= list.count() && placed < count; ++k) {
        if (!list.defense(k)) continue;
        w[normalDefense(placed / 2 + 1, placed % 2 + 1)] = list.at(k);
        ++placed;
    }
    if (count == 5 && copyFive) {
        w[normalDefense(3, 2)] = w[normalDefense(1, 1)];
        w[normalDefense(4, 1)] = w[normalDefense(1, 2)];
        w[normalDefense(4, 2)] = w[normalDefense(2, 1)];
    } else if (count == 6) {
        w[normalDefense(4, 1)] = w[normalDefense(1, 1)];
        w[normalDefense(4, 2)] = w[normalDefense(1, 2)];
    } else if (count == 7) {
        w[normalDefense(4, 2)] = w[normalDefense(1, 1)];
    }
}

void SpecialUnitsAndExtras(Env& env, DayLines& set) {
    CandidateList list(env);
    auto& w = set.Slots;
    std::vector<int16_t> forwards, defense;  // the first five of each, in list order
    for (int k = 1; k <= list.count(); ++k) {
        if (list.forward(k) && forwards.size() < 5) forwards.push_back(list.at(k));
        if (list.defense(k) && defense.size() < 5) defense.push_back(list.at(k));
    }
    for (std::size_t i = 0; i < std::min<std::size_t>(forwards.size(), 4); ++i) {
        int unit = static_cast<int>(i) / 2 + 1, place = static_cast<int>(i) % 2 + 1;
        w[SlotWord(SlotGroup::PenaltyKill, unit, false, place)] = forwards[i];
        w[SlotWord(SlotGroup::FourVsFour, unit, false, place)] = forwards[i];
        // The first two forwards are the 3-man units' forwards.
        if (i < 2) w[SlotWord(SlotGroup::PenaltyKill3, static_cast<int>(i) + 1, false, 1)] = forwards[i];
    }
    for (std::size_t i = 0; i < std::min<std::size_t>(defense.size(), 4); ++i) {
        int unit = static_cast<int>(i) / 2 + 1, place = static_cast<int>(i) % 2 + 1;
        for (SlotGroup g :
             {SlotGroup::PowerPlay, SlotGroup::PenaltyKill, SlotGroup::FourVsFour, SlotGroup::PenaltyKill3})
            w[SlotWord(g, unit, true, place)] = defense[i];
    }
    for (std::size_t i = 0; i < forwards.size(); ++i) {
        int k = static_cast<int>(i) + 1;
        w[SlotWord(SlotGroup::ExtraForward, k, false, k)] = forwards[i];
        w[SlotWord(SlotGroup::PenaltyShot, k, false, k)] = forwards[i];
    }
    for (std::size_t i = 0; i < defense.size(); ++i) {
        int k = static_cast<int>(i) + 1;
        w[SlotWord(SlotGroup::ExtraDefense, k, true, k)] = defense[i];
    }
}

bool ListGoalies(Env& env, int16_t team, const GoalieRule& rule) {
    EmptyCandidates(env);
    for (int g = 1; g <= 1000; ++g) {
        const GoalieInfo& p = env.league.Goalies[g];
        if (p.InUse != True || p.RosterStatus != rule.rosterStatus || p.Team != team || p.Condition < 95)
            continue;
        if (rule.unsuspendedOnly && p.Suspension != 0) continue;
        auto person = static_cast<int16_t>(GoalieOffset + g);
        Insert(env, person);
    }
    CandidateList list(env);
    if (list.count() < 2 && rule.shortage != GoalieRule::Quiet) {
        IntegrityCheckFailed(env);
        if (rule.shortage == GoalieRule::Stop) return false;
    }
    if (rule.checkInUse) {
        for (int k = 1; k <= std::min(list.count(), 2); ++k) {
            if (env.league.Goalies[list.at(k)].InUse != True) {
                IntegrityCheckFailed(env);
                return false;
            }
        }
    }
    return true;
}

void ChooseGoalies(Env& env, DayLines& set) {
    CandidateList list(env);
    int16_t first = list.count() >= 1 ? list.at(1) : 0;
    int16_t second = list.count() >= 2 ? list.at(2) : 0;
    // A tired first goalie gives way to a rested second one.
    if (first != 0 && second != 0 && env.league.Goalies[first].Condition <= 97 &&
        env.league.Goalies[second].Condition >= 99)
        std::swap(first, second);
    set.Slots[slot::StartGoaler] = first;
    set.Slots[slot::BackupGoaler] = second;
}

void Finish(Env& env, DayLines& set, const std::string& club, Flag showDone) {
    // Offense, defense, physical.
    set.Slots[slot::Strategy] = 1;
    set.Slots[slot::Strategy + 1] = 2;
    set.Slots[slot::Strategy + 2] = 2;
    env.log.LogMessage("Auto Lines Function has been run for " + club + ".");
    if (showDone == True && env.state.ShowMessages == True)
        MsgBox(env, "Auto Lines Function has been run successfully.", mb::OKOnly | mb::Information);
    env.state.DataChanged = True;
}

}  // namespace dravik::linemaker
