#include "platform/codepage.h"

#include <iconv.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace dravik {
namespace {

struct LanguagePage {
    std::string_view language;
    std::string_view modifier;  // empty: any script not listed apart
    int page;
};

// The Windows ANSI code page of each language that has one other than 1252.
// A language with a Latin and a Cyrillic script lists the one its plain
// glibc locale uses, and the other by its modifier.
constexpr LanguagePage kLanguagePages[] = {
    {"cs", "", 1250},      {"sk", "", 1250}, {"pl", "", 1250}, {"hu", "", 1250},  {"sl", "", 1250},
    {"hr", "", 1250},      {"ro", "", 1250}, {"sq", "", 1250}, {"bs", "", 1250},  {"tk", "", 1250},
    {"sr", "latin", 1250}, {"sr", "", 1251}, {"ru", "", 1251}, {"uk", "", 1251},  {"be", "", 1251},
    {"bg", "", 1251},      {"mk", "", 1251}, {"kk", "", 1251}, {"ky", "", 1251},  {"tt", "", 1251},
    {"mn", "", 1251},      {"ba", "", 1251}, {"tg", "", 1251}, {"sah", "", 1251}, {"uz", "cyrillic", 1251},
    {"el", "", 1253},      {"tr", "", 1254}, {"az", "", 1254}, {"uz", "", 1254},  {"he", "", 1255},
    {"iw", "", 1255},      {"ar", "", 1256}, {"fa", "", 1256}, {"ur", "", 1256},  {"ug", "", 1256},
    {"ckb", "", 1256},     {"lt", "", 1257}, {"lv", "", 1257}, {"et", "", 1257},  {"vi", "", 1258},
    {"th", "", 874},
};

bool isSupported(int number) {
    return std::find(SupportedCodePages.begin(), SupportedCodePages.end(), number) !=
           SupportedCodePages.end();
}

bool isSet(const char* value) { return value != nullptr && *value != '\0'; }

// The character one byte stands for, or -1 when the code page leaves the
// byte undefined. Each byte is converted alone, from a fresh state, so
// that the code pages with combining marks never hold a byte back.
int decodeByte(iconv_t cd, unsigned char byte) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in = static_cast<char>(byte);
    char* inPtr = &in;
    std::size_t inLeft = 1;
    unsigned char out[16];
    char* outPtr = reinterpret_cast<char*>(out);
    std::size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return -1;
    if (iconv(cd, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return -1;
    if (sizeof out - outLeft != 4) return -1;  // not exactly one character
    const char32_t c = out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
    return c > 0xFFFF ? -1 : static_cast<int>(c);
}

CodePage decideFromEnvironment() {
    CodePageChoice choice = ChooseCodePage(std::getenv(CodePageVariable), std::getenv("LC_ALL"),
                                           std::getenv("LC_CTYPE"), std::getenv("LANG"));
    if (!choice.warning.empty()) std::fprintf(stderr, "%s\n", choice.warning.c_str());
    CodePage page(choice.number);
    if (page.available() || choice.number == WesternCodePage) {
        if (!page.available())
            std::fprintf(stderr, "dravik-client: the system has no table for code page %d\n", page.number());
        return page;
    }
    std::fprintf(stderr, "dravik-client: the system has no table for code page %d; using %d\n", choice.number,
                 WesternCodePage);
    return CodePage(WesternCodePage);
}

const CodePage* replaced = nullptr;

}  // namespace

int CodePageOfLocale(std::string_view locale) {
    std::string_view modifier;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at + 1);
        locale = locale.substr(0, at);
    }
    const std::string_view language = locale.substr(0, std::min(locale.find('_'), locale.find('.')));
    std::string lower(language);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    for (bool exact : {true, false}) {
        for (const LanguagePage& l : kLanguagePages) {
            if (l.language != lower) continue;
            if (exact ? l.modifier == modifier && !modifier.empty() : l.modifier.empty()) return l.page;
        }
    }
    return WesternCodePage;
}

CodePageChoice ChooseCodePage(const char* override, const char* lcAll, const char* lcCtype,
                              const char* lang) {
    if (isSet(override)) {
        const std::string_view text(override);
        const bool digits = text.size() <= 5 && std::all_of(text.begin(), text.end(),
                                                            [](char c) { return c >= '0' && c <= '9'; });
        const int number = digits ? std::atoi(override) : 0;
        if (isSupported(number)) return {number, {}};
        return {WesternCodePage,
                std::string("dravik-client: ") + CodePageVariable + "=" + override +
                    " is not a code page of one byte a character (874, 1250 to 1258); using " +
                    std::to_string(WesternCodePage)};
    }
    for (const char* locale : {lcAll, lcCtype, lang})
        if (isSet(locale)) return {CodePageOfLocale(locale), {}};
    return {WesternCodePage, {}};
}

CodePage::CodePage(int number) : number_(number), bytes_(std::make_unique<std::array<char, 0x10000>>()) {
    const std::string name = "CP" + std::to_string(number);
    iconv_t cd = isSupported(number) ? iconv_open("UTF-32LE", name.c_str()) : reinterpret_cast<iconv_t>(-1);
    available_ = cd != reinterpret_cast<iconv_t>(-1);
    for (int b = 0; b < 256; ++b) {
        const int c = available_ ? decodeByte(cd, static_cast<unsigned char>(b)) : -1;
        chars_[b] = static_cast<char16_t>(c < 0 ? b : c);
    }
    if (available_) iconv_close(cd);
    bytes_->fill('?');
    for (int b = 0; b < 256; ++b) (*bytes_)[chars_[b]] = static_cast<char>(b);
}

QString CodePage::toUnicode(std::string_view bytes) const {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[i] = QChar(chars_[static_cast<unsigned char>(bytes[i])]);
    return text;
}

std::string CodePage::fromUnicode(const QString& text) const {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isSurrogate()) {
            // A character outside the basic plane is one character, so one
            // "?", not one for each half of its surrogate pair.
            if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ++i;
            bytes.push_back('?');
            continue;
        }
        bytes.push_back((*bytes_)[c.unicode()]);
    }
    return bytes;
}

const CodePage& SystemCodePage() {
    static const CodePage decided = decideFromEnvironment();
    return replaced != nullptr ? *replaced : decided;
}

ScopedSystemCodePage::ScopedSystemCodePage(int number) : page_(number), previous_(replaced) {
    replaced = &page_;
}

ScopedSystemCodePage::~ScopedSystemCodePage() { replaced = previous_; }

QString fromCodePage(std::string_view bytes) { return SystemCodePage().toUnicode(bytes); }

std::string toCodePage(const QString& text) { return SystemCodePage().fromUnicode(text); }

char16_t codePageToUnicode(unsigned char byte) { return SystemCodePage().toUnicode(byte); }

}  // namespace dravik
