#pragma once
// Paths are native UTF-8; captions and messages are texts of the league's
// single-byte code page. These convert between the two where a path is
// shown, or a shown text is used as a path or address, and give the lists
// the order of the code page's letters.

#include <string>
#include <string_view>

#include "forms/list_order.h"
#include "platform/codepage.h"

namespace dravik {

// A character the code page has no byte for becomes "?".
std::string PathToText(std::string_view path);
std::string TextToPath(std::string_view text);

// The list order's keys for a code page: a letter's lower-case form as its
// case-folded key, and its plain letter (the first of its canonical
// decomposition, or the letter it is written like: "æ" a, "ß" s, "ð" d,
// "þ" t, "œ" and "ø" o, "ł" l, "đ" d, "ı" i) as its base key, each where
// the code page holds it. For Windows-1252 these are WesternListOrderKeys().
ListOrderKeys ListOrderKeysOf(const CodePage& page);

}  // namespace dravik
