#include "lines/slot_labels.h"

namespace dravik {
namespace {

// Every player word but the unused ones belongs to exactly one label
// element; the unused words and the strategy and pull-goalie words to none.
constexpr bool labelsCoverEverySlotOnce() {
    std::array<int, slot::Count> uses{};
    for (const SlotLabel& l : SlotLabels) {
        const int first = l.goalieWord >= 0 ? 0 : 1;
        const int last = l.goalieWord >= 0 ? 0 : l.count;
        for (int i = first; i <= last; ++i) {
            const int w = SlotLabelWord(l, i);
            if (w < 0) return false;
            ++uses[w];
        }
    }
    for (int w = 0; w < slot::Count; ++w) {
        const bool slotWord = w <= slot::LastPlayerSlot && !IsUnusedWord(w);
        if (uses[w] != (slotWord ? 1 : 0)) return false;
    }
    return true;
}

static_assert(labelsCoverEverySlotOnce());
static_assert(SlotLabelWord(lbl::PK3TrioC, 1) == 48 && SlotLabelWord(lbl::PK3TrioC, 2) == 49);

}  // namespace
}  // namespace dravik
