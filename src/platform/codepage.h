#pragma once
// Texts inside the league are bytes of the Windows-1252 code page. These
// convert them at the boundary to Qt's Unicode strings and back, by a table of
// our own (Qt has no converter for it on every system).
//
// Every byte 0..255 survives a round trip: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1 control characters
// of the same value. A character the code page cannot hold becomes "?".

#include <QString>
#include <string>
#include <string_view>

namespace dravik {

// The Unicode character a byte stands for.
char16_t cp1252ToUnicode(unsigned char byte);

QString fromCp1252(std::string_view bytes);
std::string toCp1252(const QString& text);

}  // namespace dravik
