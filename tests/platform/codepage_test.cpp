#include "platform/codepage.h"

#include <gtest/gtest.h>

#include <set>

namespace dravik {
namespace {

std::string everyByte() {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    return all;
}

TEST(CodePage, EveryByteRoundTripsUnderEachSupportedCodePage) {
    const std::string all = everyByte();
    for (int number : SupportedCodePages) {
        const CodePage page(number);
        EXPECT_TRUE(page.available()) << number;
        const QString text = page.toUnicode(all);
        ASSERT_EQ(text.size(), 256) << number;
        EXPECT_EQ(page.fromUnicode(text), all) << number;
        std::set<char16_t> distinct;
        for (QChar c : text) distinct.insert(c.unicode());
        EXPECT_EQ(distinct.size(), 256u) << number;
        for (int b = 0; b < 0x80; ++b) EXPECT_EQ(page.toUnicode(static_cast<unsigned char>(b)), b) << number;
    }
}

TEST(CodePage, WithoutATableEveryByteStandsForItsOwnValue) {
    const CodePage page(932);  // multi-byte: never given a table
    EXPECT_FALSE(page.available());
    const std::string all = everyByte();
    const QString text = page.toUnicode(all);
    for (int b = 0; b < 256; ++b) EXPECT_EQ(text.at(b).unicode(), b) << b;
    EXPECT_EQ(page.fromUnicode(text), all);
    EXPECT_EQ(page.fromUnicode(QString(QChar(0x20AC))), "?");
}

TEST(CodePage, BytesStandForTheCodePagesOwnLetters) {
    // Written out from the code pages' published tables, not from iconv.
    struct Case {
        int page;
        unsigned char byte;
        char16_t character;
        const char* why;
    } cases[] = {
        {1250, 0xF8, u'\u0159', "r caron"},
        {1250, 0xB3, u'\u0142', "l stroke"},
        {1250, 0xF5, u'\u0151', "o double acute"},
        {1250, 0x8A, u'\u0160', "S caron"},
        {1250, 0x81, u'\u0081', "undefined keeps its own value"},
        {1251, 0xC6, u'\u0416', "Cyrillic capital zhe"},
        {1251, 0xE0, u'\u0430', "Cyrillic small a"},
        {1251, 0xA8, u'\u0401', "Cyrillic capital io"},
        {1251, 0x88, u'\u20AC', "euro sign"},
        {1251, 0x98, u'\u0098', "undefined keeps its own value"},
        {1253, 0xC1, u'\u0391', "Greek capital alpha"},
        {1253, 0xAA, u'\u00AA', "undefined above 0x9F keeps its own value"},
        {1254, 0xF0, u'\u011F', "g breve"},
        {1255, 0xE0, u'\u05D0', "alef"},
        {1256, 0xC7, u'\u0627', "Arabic alef"},
        {1257, 0xE8, u'\u010D', "c caron"},
        {1258, 0xF5, u'\u01A1', "o horn"},
        {874, 0xA1, u'\u0E01', "Thai ko kai"},
        {1252, 0x80, u'\u20AC', "euro sign"},
        {1252, 0xE9, u'\u00E9', "e acute"},
    };
    for (const Case& c : cases) {
        const CodePage page(c.page);
        EXPECT_EQ(page.toUnicode(c.byte), c.character) << c.page << " " << c.why;
        EXPECT_EQ(page.fromUnicode(QString(QChar(c.character))), std::string(1, static_cast<char>(c.byte)))
            << c.page << " " << c.why;
    }
}

TEST(CodePage, Windows1252HighControlRangeMapsToItsCharacters) {
    const char16_t expected[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
    };
    const CodePage page(1252);
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(page.toUnicode(static_cast<unsigned char>(0x80 + i)), expected[i]) << i;
    for (int b = 0xA0; b < 256; ++b) EXPECT_EQ(page.toUnicode(static_cast<unsigned char>(b)), b) << b;
}

TEST(CodePage, CharactersWithoutAByteBecomeQuestionMarks) {
    struct Case {
        const char* why;
        int page;
        QString text;
        std::string bytes;
    } cases[] = {
        {"C1 control that the code page redefines", 1252, QString(QChar(0x0080)), "?"},
        {"C1 control 0x9F (0x9F is Y diaeresis)", 1252, QString(QChar(0x009F)), "?"},
        {"Latin Extended-A", 1252, QString::fromUtf8("\xC4\x80"), "?"},  // U+0100
        {"Cyrillic in Western", 1252, QString::fromUtf8("\xD0\x96"), "?"},
        {"Czech r caron in Western", 1252, QString::fromUtf8("\xC5\x99\x65ka"), "?eka"},
        {"Cyrillic in Central European", 1250, QString::fromUtf8("\xD0\x96"), "?"},
        {"Czech in Cyrillic", 1251, QString::fromUtf8("\xC5\x99"), "?"},
        {"outside the basic plane is one character", 1250, QString::fromUtf8("a\360\237\230\200b"), "a?b"},
        {"lone surrogate", 1252, QString(QChar(0xD800)) + "x", "?x"},
        {"lone low surrogate", 1251, QString(QChar(0xDC00)) + "x", "?x"},
        {"mixed", 1252, QString::fromUtf8("Montr\303\251al \342\202\254 5 \342\200\231"),
         "Montr\351al \200 5 \222"},
        {"question mark itself", 1250, "?", "?"},
    };
    for (const auto& c : cases) EXPECT_EQ(CodePage(c.page).fromUnicode(c.text), c.bytes) << c.why;
}

TEST(CodePage, EmbeddedNulsAreKept) {
    const std::string bytes("a\0b", 3);
    const CodePage page(1251);
    EXPECT_EQ(page.toUnicode(bytes).size(), 3);
    EXPECT_EQ(page.fromUnicode(page.toUnicode(bytes)), bytes);
}

TEST(CodePage, LocaleLanguagesMapToTheirWindowsCodePage) {
    struct Case {
        const char* locale;
        int page;
    } cases[] = {
        {"cs_CZ.UTF-8", 1250},
        {"sk_SK", 1250},
        {"pl_PL.ISO-8859-2", 1250},
        {"hu_HU.utf8", 1250},
        {"sr_RS@latin", 1250},
        {"sr_RS", 1251},
        {"ru_RU", 1251},
        {"uk_UA.UTF-8", 1251},
        {"uz_UZ@cyrillic", 1251},
        {"uz_UZ", 1254},
        {"el_GR.UTF-8", 1253},
        {"tr_TR", 1254},
        {"he_IL", 1255},
        {"ar_EG.UTF-8", 1256},
        {"lt_LT", 1257},
        {"vi_VN", 1258},
        {"th_TH.UTF-8", 874},
        {"de_DE", 1252},
        {"en_US.UTF-8", 1252},
        {"ja_JP", 1252},
        {"zh_CN.GB18030", 1252},
        {"ko_KR.EUC-KR", 1252},
        {"C", 1252},
        {"C.UTF-8", 1252},
        {"POSIX", 1252},
        {"cs", 1250},
        {"csb_PL", 1252},
        {"", 1252},
    };
    for (const Case& c : cases) EXPECT_EQ(CodePageOfLocale(c.locale), c.page) << c.locale;
}

TEST(CodePage, TheOverrideWinsAndTheLocaleVariablesTakeTurns) {
    struct Case {
        const char* why;
        const char* override;
        const char* lcAll;
        const char* lcCtype;
        const char* lang;
        int page;
    } cases[] = {
        {"nothing set", nullptr, nullptr, nullptr, nullptr, 1252},
        {"LANG alone", nullptr, nullptr, nullptr, "cs_CZ.UTF-8", 1250},
        {"LC_CTYPE over LANG", nullptr, nullptr, "ru_RU.UTF-8", "cs_CZ.UTF-8", 1251},
        {"LC_ALL over both", nullptr, "el_GR", "ru_RU.UTF-8", "cs_CZ.UTF-8", 1253},
        {"empty LC_ALL is unset", nullptr, "", "ru_RU.UTF-8", "cs_CZ.UTF-8", 1251},
        {"override over the locale", "1257", "cs_CZ.UTF-8", nullptr, nullptr, 1257},
        {"override of Thai", "874", nullptr, nullptr, "de_DE", 874},
        {"override to Western", "1252", nullptr, nullptr, "ru_RU", 1252},
        {"empty override is unset", "", nullptr, nullptr, "ru_RU", 1251},
    };
    for (const Case& c : cases) {
        const CodePageChoice choice = ChooseCodePage(c.override, c.lcAll, c.lcCtype, c.lang);
        EXPECT_EQ(choice.number, c.page) << c.why;
        EXPECT_EQ(choice.warning, "") << c.why;
    }
}

TEST(CodePage, AnUnknownOverrideFallsBackToWesternWithOneLine) {
    for (const char* value : {"932", "65001", "cp1250", "1250 ", "-1250", "01250x", "12500"}) {
        const CodePageChoice choice = ChooseCodePage(value, nullptr, nullptr, "cs_CZ.UTF-8");
        EXPECT_EQ(choice.number, 1252) << value;
        EXPECT_EQ(choice.warning,
                  std::string("dravik-client: DRAVIK_CLIENT_CODEPAGE=") + value +
                      " is not a code page of one byte a character (874, 1250 to 1258); using 1252")
            << value;
    }
}

TEST(CodePage, TheSystemCodePageConvertsAndCanBeReplacedForATest) {
    const int before = SystemCodePage().number();
    {
        ScopedSystemCodePage czech(1250);
        EXPECT_EQ(SystemCodePage().number(), 1250);
        EXPECT_EQ(fromCodePage("\xF8\x65ka"), QString::fromUtf8("\xC5\x99\x65ka"));
        EXPECT_EQ(toCodePage(QString::fromUtf8("\xC5\x99\x65ka")), "\xF8\x65ka");
        EXPECT_EQ(fromCp1252("\xB3"), QString(QChar(0x0142)));  // the older names follow it
        EXPECT_EQ(toCp1252(QString(QChar(0x0151))), "\xF5");
        EXPECT_EQ(cp1252ToUnicode(0x8A), u'\u0160');
        {
            ScopedSystemCodePage russian(1251);
            EXPECT_EQ(fromCodePage("\xC6"), QString(QChar(0x0416)));
        }
        EXPECT_EQ(SystemCodePage().number(), 1250);
    }
    EXPECT_EQ(SystemCodePage().number(), before);
}

}  // namespace
}  // namespace dravik
