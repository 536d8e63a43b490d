#pragma once
// Paths are native UTF-8; captions and messages are texts of the league's
// single-byte code page. These convert between the two where a path is
// shown, or a shown text is used as a path or address.

#include <string>
#include <string_view>

namespace dravik {

// A character the code page has no byte for becomes "?".
std::string PathToText(std::string_view path);
std::string TextToPath(std::string_view text);

}  // namespace dravik
