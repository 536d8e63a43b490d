#pragma once
// The ids of a lines window's 26 slot labels: indexes into SlotLabels
// (slot_labels.h), which describes each.

namespace dravik {

inline constexpr int SlotLabelCount = 26;

namespace lbl {
inline constexpr int NormalTrioC = 0, NormalTrioLW = 1, NormalTrioRW = 2, NormalTrioD1 = 3, NormalTrioD2 = 4,
                     PPTrioC = 5, PPTrioLW = 6, PPTrioRW = 7, PPDuoD1 = 8, PPDuoD2 = 9, PKTrioC = 10,
                     PKTrioW = 11, PKDuoD1 = 12, PKDuoD2 = 13, FourTrioC = 14, FourTrioW = 15, FourDuoD1 = 16,
                     FourDuoD2 = 17, PK3TrioC = 18, PK3DuoD1 = 19, PK3DuoD2 = 20, StartGoaler = 21,
                     BackupGoaler = 22, ExtraForward = 23, ExtraDefense = 24, PenaltyShot = 25;
}

}  // namespace dravik
