#pragma once
// What the automatic line makers share, inside the rules engine: slots named
// through the slot table, the candidate list as they read it, the roster
// gate, and the steps that the pro maker and the full farm maker take alike
// once their list of skaters stands (the simple farm maker shares the
// special units, the goalies and the closing).

#include <cstdint>
#include <string>

#include "league/env.h"
#include "rules/slots.h"

namespace dravik::linemaker {

// The word of the place-th forward (defense false) or defenseman of a
// group's unit (line or unit number). For the groups of five, unit and place
// are both the extra number.
constexpr int SlotWord(SlotGroup group, int unit, bool defense, int place) {
    for (const SkaterSlot& s : SkaterSlots)
        if (s.group == group && s.unit == unit && (s.kind == SlotKind::Defense) == defense &&
            s.place == place)
            return s.word;
    return -1;
}

// The candidate list (SortIndex / SortValue) as the makers read it, by list
// place 1..count.
class CandidateList {
public:
    explicit CandidateList(Env& env) : env_(env) {}
    int count() const { return env_.state.SortValue[0]; }
    int16_t at(int place) const { return env_.state.SortIndex[place]; }
    int position(int place) const { return env_.league.Players[at(place)].Position; }
    bool forward(int place) const {
        int p = position(place);
        return p >= pos::C && p <= pos::RW;
    }
    bool defense(int place) const { return position(place) == pos::D; }

private:
    Env& env_;
};

// CheckRoster (salary cap included, quietly); when it fails, one full
// AutoRoster and CheckRoster once more. The notices name the team, then
// `club` (the team again, or its farm club); they show while ShowMessages
// is -1. False when the roster is still incomplete.
bool RosterGate(Env& env, int16_t team, const std::string& club);

// The normal lines of a full lineup from the candidate list, best first:
// forwards by position line by line, an empty forward slot taking the best
// forward left, then a second pass that lets the best forwards fill what is
// still empty; lines 1 and 2 repeated on the power play; the defense (count
// cut to 8) pair by pair, with the copies for 5, 6 and 7 defensemen.
void FullNormalLines(Env& env, DayLines& set, int defenseCount);

// The listed defensemen, best first, into D1, D2 of line 1, then lines 2,
// 3, 4, until `count` are placed; then the copies: with 6 line 4 repeats
// line 1's pair, with 7 line 4's D2 is line 1's D1, and with 5 (only when
// copyFive) lines 3 and 4 are completed from lines 1 and 2.
void PlaceDefense(Env& env, DayLines& set, int count, bool copyFive);

// The penalty-kill, 4 vs 4 and 3-man forwards (the first four forwards),
// the special-unit defense pairs (the first four defensemen), the extras and
// the penalty-shot takers (the first five of each), in list order.
void SpecialUnitsAndExtras(Env& env, DayLines& set);

// Which goalies are listed, and how a shortage is handled.
struct GoalieRule {
    uint8_t rosterStatus;  // dressed for the pro club, farm for the farm club
    bool unsuspendedOnly;
    enum Shortage : uint8_t {
        Stop,      // fewer than two: "Integrity Check Failed!", the maker stops
        WarnOnly,  // fewer than two: "Integrity Check Failed!", the maker goes on
        Quiet,     // fewer than two: nothing said
    } shortage;
    bool checkInUse;  // a listed goalie not in use: "Integrity Check Failed!", stop
};

// Lists the team's fit goalies of the rule's roster status in the candidate
// list, best first. False when the maker stops here.
bool ListGoalies(Env& env, int16_t team, const GoalieRule& rule);

// Starting and backup goalie from the listed goalies: the second listed
// starts only when the first's condition is at most 97 and the second's at
// least 99. A lone goalie starts; a slot nobody is listed for stays empty.
void ChooseGoalies(Env& env, DayLines& set);

// Strategy 1, 2, 2, the log text naming `club`, the closing notice when
// showDone and ShowMessages are -1, and DataChanged.
void Finish(Env& env, DayLines& set, const std::string& club, Flag showDone);

}  // namespace dravik::linemaker
