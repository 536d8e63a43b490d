#include "league/list_key.h"

#include "forms/runtime.h"

namespace dravik {

int32_t EncodeListKey(int16_t number, int kind, NegativeKeys negative) {
    const int32_t tens = mul32(number, 10);
    if (number < 0 && negative == NegativeKeys::Digits) return sub32(tens, kind);
    return add32(tens, kind);
}

ListKey DecodeListKey(int32_t key, NegativeKeys negative) {
    const int16_t number = toInt16(key / 10);
    // The remainder takes the key's sign; as a digit it has none.
    const int32_t last = key % 10;
    const int32_t kind = negative == NegativeKeys::Digits && last < 0 ? -last : last;
    return {number, static_cast<int16_t>(kind)};
}

}  // namespace dravik
