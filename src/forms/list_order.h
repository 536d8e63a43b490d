#pragma once
// The one order in which sorted list boxes keep their entries.
//
// Texts are bytes of the system's single-byte code page. Two texts are
// compared in two steps:
//  1. letter by letter on a key that ignores case and accents: every letter
//     of the code page counts as its plain lower-case letter (in
//     Windows-1252 "A", "a", "Á", "à" as "a"; "Æ"/"æ" as "a", "ß" as "s",
//     "Ð"/"ð" as "d", "Þ"/"þ" as "t", "Š", "Ž", "Œ", "Ÿ" as "s", "z", "o",
//     "y"); every other byte keeps its code, compared as unsigned (so a blank
//     comes before digits, digits before letters, and a text before its own
//     extensions: "Ann" < "Anna");
//  2. when those keys are equal, on the texts with case ignored but accents
//     kept, byte by byte ("Eric" < "Éric").
// Texts that differ only in letter case are equal; a list box adds a text
// after the entries that are equal to it.

#include <array>
#include <string_view>

namespace dravik {

// Negative when a comes first, 0 when equal, positive when b comes first.
int compareListText(std::string_view a, std::string_view b);

// The two keys of every byte of a code page.
struct ListOrderKeys {
    std::array<unsigned char, 256> lower;  // case folded, accents kept
    std::array<unsigned char, 256> base;   // case and accents folded
    friend bool operator==(const ListOrderKeys&, const ListOrderKeys&) = default;
};

// The keys of Windows-1252, in use until others are given.
const ListOrderKeys& WesternListOrderKeys();

// Orders every list from now on by the keys of another code page (the
// program gives its system code page's at start).
void useListOrderKeys(const ListOrderKeys& keys);

}  // namespace dravik
