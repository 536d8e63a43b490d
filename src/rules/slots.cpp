#include "rules/slots.h"

namespace dravik {

namespace {

// Every word that holds a skater is in the table once, and nothing else is.
constexpr bool coversTheSkaterWords() {
    int count = 0;
    for (int word = 0; word < slot::Count; ++word) {
        bool skaterWord = word <= 45 || (word >= 48 && word <= 53) || (word >= 56 && word <= 70);
        int i = SkaterSlotOfWord(word);
        if (skaterWord != (i >= 0)) return false;
        if (i >= 0 && SkaterSlots[i].word != word) return false;
        count += i >= 0;
    }
    return count == SkaterSlotCount;
}
static_assert(coversTheSkaterWords());

// The check walk visits every slot once and every unit once.
constexpr bool walksEverythingOnce() {
    std::array<int, SkaterSlotCount> slots{};
    std::array<int, LineUnitCount> units{};
    for (const WalkStep& s : CheckWalk) {
        if (s.op == WalkStep::Slot) ++slots[s.index];
        if (s.op == WalkStep::Unit) ++units[s.index];
    }
    for (int c : slots)
        if (c != 1) return false;
    for (int c : units)
        if (c != 1) return false;
    return true;
}
static_assert(walksEverythingOnce());

// The unused words are the first pair of the 3-man forwards' words, and
// only they.
constexpr bool unusedWordsAreThePK3FirstPair() {
    for (int word = 0; word < slot::Count; ++word)
        if (IsUnusedWord(word) != (word == slot::PK3Trio || word == slot::PK3Trio + 1)) return false;
    return true;
}
static_assert(unusedWordsAreThePK3FirstPair());

}  // namespace

DayLines& TeamLineSet(Env& env, int16_t team, int16_t day, bool pro) {
    TeamInfo& t = env.league.Teams[team];
    if (day < 1 || day > 10) raiseError(err::SubscriptOutOfRange);
    auto d = (day - 1);
    return pro ? t.ProLines[d] : t.Farm.Lines[d];
}

}  // namespace dravik
