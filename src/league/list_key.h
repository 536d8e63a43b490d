#pragma once
// The item data of a roster, lines or player-card list entry: the record
// number followed by one kind digit (1..4 a skater's position, 5 a goalie),
// so that one 32-bit value tells both which array and which record.

#include <cstdint>

namespace dravik {

struct ListKey {
    int16_t number = 0;
    int16_t kind = 0;
    friend bool operator==(const ListKey&, const ListKey&) = default;
};

// How a key holds a negative record number. Only a damaged record has one,
// and each list keeps what it has always made of it; a number of 0 or more
// keys and reads the same either way.
enum class NegativeKeys {
    // The number's digits, then the kind digit: -1 and 5 make -15, read back
    // as -1 and 5 (the roster and the player card).
    Digits,
    // Ten times the number plus the kind: -1 and 5 make -5, read back by
    // whole division by ten as 0 and -5 (the lines windows).
    Tens,
};

// 7254 for skater 725 at position 4, 7065 for goalie 706.
int32_t EncodeListKey(int16_t number, int kind, NegativeKeys negative = NegativeKeys::Digits);

// The number and kind a key holds: all but its last digit, and that digit.
// A number past 16 bits is error 6 (Overflow).
ListKey DecodeListKey(int32_t key, NegativeKeys negative = NegativeKeys::Digits);

}  // namespace dravik
