#pragma once
// Small routines over the shared state: the waiver mark, the trade-deadline
// test, the edit guard's scope, and the start-up values of the program state.

#include <cstdint>
#include <string>

#include "league/env.h"

namespace dravik {

// Marks a player as sent to waivers (Suspension 99): the skater `person`
// when it is 10000 or less, else goalie person - 10000. A team outside
// 1..100 or a person outside 1..11000 shows "Integrity Check Failed!" and
// changes nothing; the team is checked and not otherwise used.
void MarkOnWaivers(Env& env, int16_t team, int16_t person);

// True (-1) exactly when the league's TradeDeadlinePassed holds -1; any
// other value, 1 included, is false (0).
Flag IsTradeDeadlinePassed(Env& env);

// EditGuard raised while a window changes its own controls, so that the
// handlers those changes fire stand still; put down however the change ends,
// so an error on the way never leaves every handler dead. How it is put down
// is the user's to say: RestorePrevious gives back the value it found (a
// change made inside another keeps the outer one's guard), SetFalse leaves
// it False whatever it was.
class EditGuardScope {
public:
    enum Leaving { RestorePrevious, SetFalse };
    EditGuardScope(Flag& guard, Leaving leaving)
        : guard_(guard), after_(leaving == RestorePrevious ? guard : False) {
        guard_ = True;
    }
    ~EditGuardScope() { guard_ = after_; }
    EditGuardScope(const EditGuardScope&) = delete;
    EditGuardScope& operator=(const EditGuardScope&) = delete;

private:
    Flag& guard_;
    Flag after_;
};

// What the main window sets at start: ShowMessages, WorkFilePath (the
// program folder's "ClientTemp.ztm", made by the caller), PositionNames,
// WindowTitlePrefix, both rating caption tables, and Status 10 (not set) in
// every PlayerStates and GoalieStates element.
void InitSharedState(ProgramState& state, const std::string& workFilePath);

}  // namespace dravik
