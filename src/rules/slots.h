#pragma once
// The skater slots of a line set (DayLines), described once: each slot's word,
// its group and unit, what it is meant for, the label that tells where a
// skater plays, and the unit inside which a skater may stand only once (for
// the extras, their group of five). The line-set operations walk the table
// in its own order; the lines checks (and the line makers) walk it in the
// order of their walk below, which gives the findings their order.

#include <array>
#include <cstdint>
#include <string>

#include "league/env.h"

namespace dravik {

enum class SlotGroup : uint8_t {
    Normal,        // normal lines 1-4
    PowerPlay,     // units 1-2
    FourVsFour,    // units 1-2
    PenaltyKill,   // units 1-2
    PenaltyKill3,  // 3-man penalty kill, units 1-2
    ExtraForward,  // 1-5
    ExtraDefense,  // 1-5
    PenaltyShot,   // 1-5
};

// What a slot is meant for: a forward position, any forward, or a defenseman.
enum class SlotKind : uint8_t { Center, LeftWing, RightWing, Forward, Defense };

struct SkaterSlot {
    int8_t word;  // index into DayLines::Slots
    SlotGroup group;
    int8_t unit;  // line or unit number; for the extras, the slot's number 1..5
    SlotKind kind;
    int8_t
        place;  // forwards: 1..3 within the unit (C, LW, RW; or first, second); defense: 1..2; extras: 1..5
    const char* labelPrefix;  // where-he-plays label: prefix, unit, suffix ("L-" 2 "LW, ")
    const char* labelSuffix;
    int8_t dupUnit;  // index into LineUnits

    std::string label() const { return labelPrefix + std::to_string(unit) + labelSuffix; }
    bool defense() const { return kind == SlotKind::Defense; }
};

// A unit: the slots inside which a skater may stand only once, in their order.
struct LineUnit {
    SlotGroup group;
    int8_t number;  // line or unit number; 0 for the groups of five extras
    int8_t size;
    std::array<int8_t, 5> slots;  // indices into SkaterSlots
};

inline constexpr int SkaterSlotCount = 67;
inline constexpr int LineUnitCount = 15;

namespace detail {

struct SlotTables {
    std::array<SkaterSlot, SkaterSlotCount> slots{};
    std::array<LineUnit, LineUnitCount> units{};
    std::array<int8_t, slot::Count> byWord{};  // table index of a word, -1 for no skater slot
};

constexpr SlotTables makeSlotTables() {
    SlotTables t{};
    for (auto& w : t.byWord) w = -1;
    int n = 0;
    int units = 0;
    auto unit = [&](SlotGroup g, int number) {
        t.units[units] = LineUnit{g, static_cast<int8_t>(number), 0, {}};
        return units++;
    };
    auto add = [&](int u, int word, int number, SlotKind kind, int place, const char* prefix,
                   const char* suffix) {
        LineUnit& lu = t.units[u];
        t.slots[n] = SkaterSlot{static_cast<int8_t>(word),
                                lu.group,
                                static_cast<int8_t>(number),
                                kind,
                                static_cast<int8_t>(place),
                                prefix,
                                suffix,
                                static_cast<int8_t>(u)};
        lu.slots[lu.size++] = static_cast<int8_t>(n);
        t.byWord[word] = static_cast<int8_t>(n);
        ++n;
    };
    using K = SlotKind;
    for (int i = 1; i <= 4; ++i) {
        int u = unit(SlotGroup::Normal, i);
        add(u, i - 1, i, K::Center, 1, "L-", "C, ");
        add(u, 3 + i, i, K::LeftWing, 2, "L-", "LW, ");
        add(u, 7 + i, i, K::RightWing, 3, "L-", "RW, ");
        add(u, 11 + i, i, K::Defense, 1, "L-", "D, ");
        add(u, 15 + i, i, K::Defense, 2, "L-", "D, ");
    }
    for (int i = 1; i <= 2; ++i) {
        int u = unit(SlotGroup::PowerPlay, i);
        add(u, 19 + i, i, K::Center, 1, "PP-", "C, ");
        add(u, 21 + i, i, K::LeftWing, 2, "PP-", "LW, ");
        add(u, 23 + i, i, K::RightWing, 3, "PP-", "RW, ");
        add(u, 25 + i, i, K::Defense, 1, "PP-", "D, ");
        add(u, 27 + i, i, K::Defense, 2, "PP-", "D, ");
    }
    // The 4 vs 4 group comes before the penalty kill, although its words come later.
    for (int i = 1; i <= 2; ++i) {
        int u = unit(SlotGroup::FourVsFour, i);
        add(u, 37 + i, i, K::Forward, 1, "44-", "F, ");
        add(u, 39 + i, i, K::Forward, 2, "44-", "F, ");
        add(u, 41 + i, i, K::Defense, 1, "44-", "D, ");
        add(u, 43 + i, i, K::Defense, 2, "44-", "D, ");
    }
    for (int i = 1; i <= 2; ++i) {
        int u = unit(SlotGroup::PenaltyKill, i);
        add(u, 29 + i, i, K::Forward, 1, "PK-", "F, ");
        add(u, 31 + i, i, K::Forward, 2, "PK-", "F, ");
        add(u, 33 + i, i, K::Defense, 1, "PK-", "D, ");
        add(u, 35 + i, i, K::Defense, 2, "PK-", "D, ");
    }
    // Words 46-47, the first pair of the 3-man forwards, are never used.
    for (int i = 1; i <= 2; ++i) {
        int u = unit(SlotGroup::PenaltyKill3, i);
        add(u, 47 + i, i, K::Forward, 1, "PK3-", "F, ");
        add(u, 49 + i, i, K::Defense, 1, "PK3-", "D, ");
        add(u, 51 + i, i, K::Defense, 2, "PK3-", "D, ");
    }
    int ef = unit(SlotGroup::ExtraForward, 0);
    int ed = unit(SlotGroup::ExtraDefense, 0);
    int ps = unit(SlotGroup::PenaltyShot, 0);
    for (int k = 1; k <= 5; ++k) {
        add(ef, 55 + k, k, K::Forward, k, "EF-", ", ");
        add(ed, 60 + k, k, K::Defense, k, "ED-", ", ");
        add(ps, 65 + k, k, K::Forward, k, "PS-", ", ");
    }
    return t;
}

inline constexpr SlotTables Tables = makeSlotTables();

}  // namespace detail

// Every skater slot, in the order the line-set operations walk them: normal
// lines, power play, 4 vs 4, penalty kill, 3-man penalty kill (unit by unit,
// slot by slot), then the extras by number: extra forward k, extra
// defenseman k, penalty shot k.
inline constexpr const std::array<SkaterSlot, SkaterSlotCount>& SkaterSlots = detail::Tables.slots;

// The units, in the same order: normal lines 1-4, power play 1-2, 4 vs 4
// 1-2, penalty kill 1-2, 3-man penalty kill 1-2, extra forwards, extra
// defense, penalty shots.
inline constexpr const std::array<LineUnit, LineUnitCount>& LineUnits = detail::Tables.units;

// The table index of a word, or -1 when the word is no skater slot.
constexpr int SkaterSlotOfWord(int word) {
    return word >= 0 && word < slot::Count ? detail::Tables.byWord[word] : -1;
}

// A player word that no slot uses: neither a skater slot of the table nor a
// goalie's, that is words 46 and 47, the first pair of the 3-man forwards.
// Nothing writes them; a copy of a day leaves the target's own, a wipe keeps
// them.
constexpr bool IsUnusedWord(int word) {
    return word >= 0 && word <= slot::LastPlayerSlot && SkaterSlotOfWord(word) < 0 &&
           word != slot::StartGoaler && word != slot::BackupGoaler;
}

// The walk of the lines checks and line makers: each normal line slot by slot
// and then its unit; the rule on lines 1 and 2; each special-unit line in the
// order PP C, LW, RW, then for d = 1, 2: PP D d, PK forward d, PK D d, 4 vs 4
// forward d, 4 vs 4 D d, PK3 D d, then the PK3 forward, and then its PP, PK,
// 4 vs 4 and PK3 units; the extras by number (forward, defense, penalty
// shot), and then the three groups of five. The goalies come after.
struct WalkStep {
    enum Op : uint8_t { Slot, Unit, LinesOneAndTwo } op;
    int8_t index;  // Slot: into SkaterSlots; Unit: into LineUnits
};

inline constexpr int CheckWalkLength = SkaterSlotCount + LineUnitCount + 1;

namespace detail {

constexpr std::array<WalkStep, CheckWalkLength> makeCheckWalk() {
    std::array<WalkStep, CheckWalkLength> w{};
    int n = 0;
    auto slotAt = [&](int word) { w[(n++)] = {WalkStep::Slot, Tables.byWord[word]}; };
    auto unitOf = [&](int word) {
        int8_t s = Tables.byWord[word];
        w[(n++)] = {WalkStep::Unit, Tables.slots[s].dupUnit};
    };
    for (int line = 1; line <= 4; ++line) {
        for (int word : {line - 1, 3 + line, 7 + line, 11 + line, 15 + line}) slotAt(word);
        unitOf(line - 1);
    }
    w[(n++)] = {WalkStep::LinesOneAndTwo, 0};
    for (int u = 1; u <= 2; ++u) {
        for (int word : {19 + u, 21 + u, 23 + u}) slotAt(word);
        for (int d = 0; d < 2; ++d)
            for (int word : {25 + u + 2 * d, 29 + u + 2 * d, 33 + u + 2 * d, 37 + u + 2 * d, 41 + u + 2 * d,
                             49 + u + 2 * d})
                slotAt(word);
        slotAt(47 + u);
        for (int word : {19 + u, 29 + u, 37 + u, 47 + u}) unitOf(word);
    }
    for (int k = 1; k <= 5; ++k)
        for (int word : {55 + k, 60 + k, 65 + k}) slotAt(word);
    for (int word : {56, 61, 66}) unitOf(word);
    return w;
}

}  // namespace detail

inline constexpr std::array<WalkStep, CheckWalkLength> CheckWalk = detail::makeCheckWalk();

// The pro (pro = true) or farm line set of a team's day. A team outside
// 1..100 or a day outside 1..10 is run-time error 9.
DayLines& TeamLineSet(Env& env, int16_t team, int16_t day, bool pro);

}  // namespace dravik
