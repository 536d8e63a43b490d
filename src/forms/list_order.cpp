#include "forms/list_order.h"

#include <array>
#include <cstdint>

namespace dravik {
namespace {

ListOrderKeys makeWesternKeys() {
    ListOrderKeys t{};
    for (int c = 0; c < 256; ++c) t.lower[c] = t.base[c] = static_cast<unsigned char>(c);
    auto lower = [&](int upper, int low) { t.lower[upper] = static_cast<unsigned char>(low); };
    for (int c = 'A'; c <= 'Z'; ++c) lower(c, c + 32);
    lower(0x8A, 0x9A);  // Š
    lower(0x8C, 0x9C);  // Œ
    lower(0x8E, 0x9E);  // Ž
    lower(0x9F, 0xFF);  // Ÿ
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7) lower(c, c + 32);  // À..Þ, but not ×

    for (int c = 0; c < 256; ++c) t.base[c] = t.lower[c];
    auto base = [&](int from, int to, char letter) {
        for (int c = from; c <= to; ++c) t.base[c] = static_cast<unsigned char>(letter);
    };
    // The lower-case range; upper case reaches it through the first table.
    base(0x9A, 0x9A, 's');
    base(0x9C, 0x9C, 'o');
    base(0x9E, 0x9E, 'z');
    base(0xFF, 0xFF, 'y');
    base(0xDF, 0xDF, 's');  // ß
    base(0xE0, 0xE6, 'a');  // à á â ã ä å æ
    base(0xE7, 0xE7, 'c');
    base(0xE8, 0xEB, 'e');
    base(0xEC, 0xEF, 'i');
    base(0xF0, 0xF0, 'd');
    base(0xF1, 0xF1, 'n');
    base(0xF2, 0xF6, 'o');
    base(0xF8, 0xF8, 'o');
    base(0xF9, 0xFC, 'u');
    base(0xFD, 0xFD, 'y');
    base(0xFE, 0xFE, 't');
    for (int c = 0; c < 256; ++c) t.base[c] = t.base[t.lower[c]];
    return t;
}

ListOrderKeys& keysInUse() {
    static ListOrderKeys keys = WesternListOrderKeys();
    return keys;
}

int compareBy(std::string_view a, std::string_view b, const std::array<unsigned char, 256>& key) {
    std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        int x = key[static_cast<unsigned char>(a[i])];
        int y = key[static_cast<unsigned char>(b[i])];
        if (x != y) return x - y;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

const ListOrderKeys& WesternListOrderKeys() {
    static const ListOrderKeys keys = makeWesternKeys();
    return keys;
}

void useListOrderKeys(const ListOrderKeys& keys) { keysInUse() = keys; }

int compareListText(std::string_view a, std::string_view b) {
    const ListOrderKeys& t = keysInUse();
    int primary = compareBy(a, b, t.base);
    if (primary != 0) return primary;
    return compareBy(a, b, t.lower);
}

}  // namespace dravik
