#include "platform/codepage.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const QString text = fromCp1252(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(toCp1252(text), all);
}

TEST(CodePage, BytesOutside0x80To0x9FAreLatin1) {
    for (int b = 0; b < 256; ++b) {
        if (b >= 0x80 && b <= 0x9F) continue;
        EXPECT_EQ(fromCp1252(std::string(1, static_cast<char>(b))).at(0).unicode(), b) << b;
    }
}

TEST(CodePage, HighControlRangeMapsToItsCharacters) {
    // The code page's own table for 0x80..0x9F, written out independently.
    const char16_t expected[32] = {
        u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
        u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
        u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
        u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
    };
    for (int i = 0; i < 32; ++i) {
        const char byte = static_cast<char>(0x80 + i);
        EXPECT_EQ(fromCp1252(std::string(1, byte)).at(0).unicode(), expected[i]) << std::hex << 0x80 + i;
        EXPECT_EQ(toCp1252(QString(QChar(expected[i]))), std::string(1, byte)) << std::hex << 0x80 + i;
    }
}

TEST(CodePage, CharactersWithoutAByteBecomeQuestionMarks) {
    struct Case {
        const char* why;
        QString text;
        std::string bytes;
    } cases[] = {
        {"C1 control that the code page redefines", QString(QChar(0x0080)), "?"},
        {"C1 control 0x9F (0x9F is Y diaeresis)", QString(QChar(0x009F)), "?"},
        {"Latin Extended-A", QString::fromUtf8("\xC4\x80"), "?"},  // U+0100
        {"Cyrillic", QString::fromUtf8("\xD0\x96"), "?"},
        {"outside the basic plane is one character", QString::fromUtf8("a\360\237\230\200b"), "a?b"},
        {"lone surrogate", QString(QChar(0xD800)) + "x", "?x"},
        {"mixed", QString::fromUtf8("Montr\303\251al \342\202\254 5 \342\200\231"),
         "Montr\351al \200 5 \222"},
    };
    for (const auto& c : cases) EXPECT_EQ(toCp1252(c.text), c.bytes) << c.why;
}

TEST(CodePage, EmbeddedNulsAreKept) {
    const std::string bytes("a\0b", 3);
    EXPECT_EQ(fromCp1252(bytes).size(), 3);
    EXPECT_EQ(toCp1252(fromCp1252(bytes)), bytes);
}

}  // namespace
}  // namespace dravik
