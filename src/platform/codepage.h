#pragma once
// Texts inside the league are bytes of the system's single-byte code page:
// the Windows ANSI code page of the user's language, which is what the
// league's simulator wrote them in on its own system (Windows-1252 for
// Western languages, 1250 Central European, 1251 Cyrillic, ...). These
// convert them at the boundary to Qt's Unicode strings and back.
//
// Every byte 0..255 survives a round trip: a byte the code page leaves
// undefined stands for the character of its own value (0x81 for U+0081 in
// Windows-1252), which the code page gives to no other byte. A character
// the code page cannot hold becomes "?".

#include <QString>
#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace dravik {

// The environment variable that sets the code page, whatever the locale:
// a number such as 1250.
inline constexpr const char* CodePageVariable = "DRAVIK_CLIENT_CODEPAGE";

inline constexpr int WesternCodePage = 1252;

// The code pages the program runs with: the Windows ANSI code pages of one
// byte a character.
inline constexpr std::array<int, 10> SupportedCodePages{874,  1250, 1251, 1252, 1253,
                                                        1254, 1255, 1256, 1257, 1258};

// The code page Windows gives the language of a locale name
// (language[_territory][.codeset][@modifier]): "cs_CZ.UTF-8" gives 1250,
// "ru_RU" 1251, "sr_RS@latin" 1250. Every other language, "C", "POSIX" and
// the languages whose Windows code page takes more than one byte a
// character (Japanese, Chinese, Korean) give 1252.
int CodePageOfLocale(std::string_view locale);

// The code page to run with, from the values of $DRAVIK_CLIENT_CODEPAGE,
// $LC_ALL, $LC_CTYPE and $LANG (null when unset). A set, non-empty override
// wins; one that names no supported code page gives 1252 and a warning.
// Otherwise the first set, non-empty locale variable of the three decides.
struct CodePageChoice {
    int number;
    std::string warning;  // one line for standard error, or empty
};
CodePageChoice ChooseCodePage(const char* override, const char* lcAll, const char* lcCtype, const char* lang);

// One code page's table, taken from the system's iconv.
class CodePage {
public:
    // `number` is one of SupportedCodePages. When the system has no table
    // for it, every byte stands for the character of its own value and
    // available() is false.
    explicit CodePage(int number);

    int number() const { return number_; }
    bool available() const { return available_; }

    char16_t toUnicode(unsigned char byte) const { return chars_[byte]; }
    QString toUnicode(std::string_view bytes) const;
    std::string fromUnicode(const QString& text) const;

private:
    int number_;
    bool available_ = false;
    std::array<char16_t, 256> chars_{};
    // The byte of every character of the basic plane, "?" for those the
    // code page does not hold.
    std::unique_ptr<std::array<char, 0x10000>> bytes_;
};

// The code page the program runs with, decided once, from the environment,
// the first time it is asked for (the program asks at start). A warning of
// the choice, or a missing table (then 1252 is used), goes to standard
// error as one line.
const CodePage& SystemCodePage();

// Runs the program as on a system of another code page while it lives; for
// tests.
class ScopedSystemCodePage {
public:
    explicit ScopedSystemCodePage(int number);
    ~ScopedSystemCodePage();
    ScopedSystemCodePage(const ScopedSystemCodePage&) = delete;
    ScopedSystemCodePage& operator=(const ScopedSystemCodePage&) = delete;

private:
    CodePage page_;
    const CodePage* previous_;
};

// Conversions with the system code page.
QString fromCodePage(std::string_view bytes);
std::string toCodePage(const QString& text);
char16_t codePageToUnicode(unsigned char byte);

// The older names of the same conversions, from when the code page was
// always Windows-1252.
inline QString fromCp1252(std::string_view bytes) { return fromCodePage(bytes); }
inline std::string toCp1252(const QString& text) { return toCodePage(text); }
inline char16_t cp1252ToUnicode(unsigned char byte) { return codePageToUnicode(byte); }

}  // namespace dravik
