// The lists' order follows the letters of the system code page.

#include "main/text.h"

#include <gtest/gtest.h>

namespace dravik {
namespace {

TEST(ListOrderKeys, TheWesternKeysComeOutOfTheCodePagesOwnLetters) {
    EXPECT_TRUE(ListOrderKeysOf(CodePage(1252)) == WesternListOrderKeys());
}

TEST(ListOrderKeys, EachCodePageSortsItsLettersAsTheirPlainLetters) {
    struct Case {
        int page;
        const char* a;
        const char* b;
        int sign;
        const char* why;
    } cases[] = {
        {1250, "Gy\xF5r", "\xA3\xF3\x64\x9F", -1, "Gyor before Lodz"},
        {1250, "\xA3\xF3\x64\x9F", "P\xF8\x65rov", -1, "L stroke as l"},
        {1250, "P\xF8\x65rov", "\xD8\x65\xE8\x61ny", -1, "R caron as r"},
        {1250, "\xD8\x65\xE8\x61ny", "\x8Eilina", -1, "Z caron as z"},
        {1250, "Re\xE8\x61ny", "\xD8\x65\xE8\x61ny", -1, "the plain letter first"},
        {1250, "\xB3uk", "\xA3UK", 0, "case only"},
        {1251, "\xC6\xD3\xCA", "\xE6\xF3\xEA", 0, "Cyrillic case only"},
        {1251, "\xA8\xEB\xEA\xE0\xE1", "\xC5\xEB\xEA\xE0\xE2", -1, "Io as Ie"},
        {1251, "\xA8\xEB\xEA\xE0", "\xC6", -1, "Io before Zhe"},
        {1251, "Zeta", "\xC0", -1, "Cyrillic after Latin"},
        {1253, "\xDC\xE2", "\xE1\xE3", -1, "alpha with tonos as alpha"},
        {1252, "\xC9mile", "Eric", -1, "Western as ever"},
    };
    auto sign = [](int r) { return (r > 0) - (r < 0); };
    for (const Case& c : cases) {
        useListOrderKeys(ListOrderKeysOf(CodePage(c.page)));
        EXPECT_EQ(sign(compareListText(c.a, c.b)), c.sign) << c.page << " " << c.why;
        EXPECT_EQ(sign(compareListText(c.b, c.a)), -c.sign) << c.page << " " << c.why;
    }
    useListOrderKeys(WesternListOrderKeys());
}

}  // namespace
}  // namespace dravik
