#pragma once
// The 26 slot labels of a lines window, described once: each label's name,
// how many it has, which skater slot of the rules engine's table it shows
// and writes, and what a click on it takes. The word of a label element is
// looked up in SkaterSlots (group, unit = the element's index, defense or
// forward, place), so the labels cannot drift from the lines checks and the
// line makers. The two goalie labels stand outside that table.
//
// What a click takes comes from the slot's group and the label, not from
// SlotKind: any skater takes a normal, power-play, penalty-kill or
// penalty-shot slot whatever his position; only the extra forwards, the
// extra defensemen and the goalies have rules of their own.

#include <array>
#include <cstdint>

#include "league/records.h"
#include "lines/slot_ids.h"
#include "rules/slots.h"

namespace dravik {

enum class SlotRule : uint8_t { Skater, Goalie, ExtraForward, ExtraDefense };

struct SlotLabel {
    const char* name;
    int8_t count;  // elements 1..count; 0 for a single label
    SlotGroup group;
    bool defense;
    int8_t place;  // within the unit (C or first forward 1, LW or second 2, RW 3; D 1, 2); 0 for the extras
    int8_t goalieWord;  // the two goalie labels: their word; -1 otherwise
    SlotRule rule;
};

// Indexed by the ids of slot_ids.h.
inline constexpr std::array<SlotLabel, SlotLabelCount> SlotLabels{{
    {"lblNormalTrioC", 4, SlotGroup::Normal, false, 1, -1, SlotRule::Skater},
    {"lblNormalTrioLW", 4, SlotGroup::Normal, false, 2, -1, SlotRule::Skater},
    {"lblNormalTrioRW", 4, SlotGroup::Normal, false, 3, -1, SlotRule::Skater},
    {"lblNormalTrioD1", 4, SlotGroup::Normal, true, 1, -1, SlotRule::Skater},
    {"lblNormalTrioD2", 4, SlotGroup::Normal, true, 2, -1, SlotRule::Skater},
    {"lblPPTrioC", 2, SlotGroup::PowerPlay, false, 1, -1, SlotRule::Skater},
    {"lblPPTrioLW", 2, SlotGroup::PowerPlay, false, 2, -1, SlotRule::Skater},
    {"lblPPTrioRW", 2, SlotGroup::PowerPlay, false, 3, -1, SlotRule::Skater},
    {"lblPPDuoD1", 2, SlotGroup::PowerPlay, true, 1, -1, SlotRule::Skater},
    {"lblPPDuoD2", 2, SlotGroup::PowerPlay, true, 2, -1, SlotRule::Skater},
    {"lblPKTrioC", 2, SlotGroup::PenaltyKill, false, 1, -1, SlotRule::Skater},
    {"lblPKTrioW", 2, SlotGroup::PenaltyKill, false, 2, -1, SlotRule::Skater},
    {"lblPKDuoD1", 2, SlotGroup::PenaltyKill, true, 1, -1, SlotRule::Skater},
    {"lblPKDuoD2", 2, SlotGroup::PenaltyKill, true, 2, -1, SlotRule::Skater},
    {"lbl44TrioC", 2, SlotGroup::FourVsFour, false, 1, -1, SlotRule::Skater},
    {"lbl44TrioW", 2, SlotGroup::FourVsFour, false, 2, -1, SlotRule::Skater},
    {"lbl44DuoD1", 2, SlotGroup::FourVsFour, true, 1, -1, SlotRule::Skater},
    {"lbl44DuoD2", 2, SlotGroup::FourVsFour, true, 2, -1, SlotRule::Skater},
    {"lblPK3TrioC", 2, SlotGroup::PenaltyKill3, false, 1, -1, SlotRule::Skater},
    {"lblPK3DuoD1", 2, SlotGroup::PenaltyKill3, true, 1, -1, SlotRule::Skater},
    {"lblPK3DuoD2", 2, SlotGroup::PenaltyKill3, true, 2, -1, SlotRule::Skater},
    {"lblStartGoaler", 0, SlotGroup::Normal, false, 0, slot::StartGoaler, SlotRule::Goalie},
    {"lblBackupGoaler", 0, SlotGroup::Normal, false, 0, slot::BackupGoaler, SlotRule::Goalie},
    {"lblExtraForward", 5, SlotGroup::ExtraForward, false, 0, -1, SlotRule::ExtraForward},
    {"lblExtraDefense", 5, SlotGroup::ExtraDefense, true, 0, -1, SlotRule::ExtraDefense},
    {"lblPenaltyShot", 5, SlotGroup::PenaltyShot, false, 0, -1, SlotRule::Skater},
}};

// The DayLines word of element `index` of a label; -1 when the label has no
// such element.
constexpr int SlotLabelWord(const SlotLabel& l, int index) {
    if (l.goalieWord >= 0) return index == 0 ? l.goalieWord : -1;
    if (index < 1 || index > l.count) return -1;
    for (const SkaterSlot& s : SkaterSlots) {
        if (s.group != l.group || s.unit != index || (s.kind == SlotKind::Defense) != l.defense) continue;
        if (l.place == 0 || s.place == l.place) return s.word;
    }
    return -1;
}

constexpr int SlotLabelWord(int id, int index) { return SlotLabelWord(SlotLabels[id], index); }

}  // namespace dravik
