#include "forms/runtime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace dravik {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        double in, out;
    } cases[] = {
        {60.5, 60},   {61.5, 62},   {72.5, 72},  {73.5, 74}, {-0.5, 0},  {-1.5, -2}, {-2.5, -2},
        {0.49999, 0}, {0.50001, 1}, {99.49, 99}, {2.0, 2},   {-7.2, -7}, {-7.6, -8},
    };
    for (auto c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}

TEST(CheckedArithmetic, OverflowRaisesErrorSix) {
    EXPECT_EQ(add16(32766, 1), 32767);
    EXPECT_EQ(sub16(-32767, 1), -32768);
    EXPECT_EQ(add32(2147483646, 1), 2147483647);
    auto overflows = [](auto f) {
        try {
            f();
        } catch (const RuntimeError& e) {
            return e.number() == err::Overflow;
        }
        return false;
    };
    EXPECT_TRUE(overflows([] { add16(32767, 1); }));
    EXPECT_TRUE(overflows([] { sub16(-32768, 1); }));
    EXPECT_TRUE(overflows([] { mul32(65536, 32768); }));
    EXPECT_TRUE(overflows([] { roundToInt16(32767.5); }));  // rounds to 32768
    EXPECT_EQ(roundToInt16(32766.5), 32766);
    EXPECT_TRUE(overflows([] { roundToInt32(std::nan("")); }));
}

TEST(RuntimeError, StandardTextIsNumberDashDescriptionAndClosing) {
    EXPECT_EQ(errorText(RuntimeError(err::Overflow), " in UpdateFinance!"), "6 - Overflow in UpdateFinance!");
    EXPECT_EQ(errorText(RuntimeError(err::InvalidCall), " in Zlib Decompress!"),
              "5 - Invalid procedure call or argument in Zlib Decompress!");
    EXPECT_EQ(RuntimeError(err::SubscriptOutOfRange).description(), "Subscript out of range");
}

TEST(LeadingNumber, Saturates) {
    EXPECT_EQ(LeadingNumber(""), 0);
    EXPECT_EQ(LeadingNumber("-"), 0);
    EXPECT_EQ(LeadingNumber("42abc"), 42);
    EXPECT_EQ(LeadingNumber(std::string(400, '9')), 1000000);
    EXPECT_EQ(LeadingNumber("-" + std::string(400, '9')), -1000000);
}

TEST(LeadingValue, ReadsTheNumberATextBeginsWith) {
    struct Case {
        const char* name;
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"empty", "", 0},
        {"no number", "abc", 0},
        {"a plain number", "3", 3},
        {"a decimal", "2.5", 2.5},
        {"stops at the first other character", "2x", 2},
        {"blanks inside are skipped", "1 0", 10},
        {"tabs and line feeds too", "\t-1\n2", -12},
        {"a plus sign", "+7", 7},
        {"a second point ends it", "1.2.3", 1.2},
        {"E exponent", "15E-1", 1.5},
        {"D exponent", "2d2", 200},
        {"an exponent without digits is no exponent", "4E", 4},
        {"a second sign is no digit", "--5", 0},
        {"a lone sign", "-", 0},
        {"hexadecimal", "&H1F", 31},
        {"octal", "&o17", 15},
        {"hexadecimal stops at a non-digit", "&HAg", 10},
        {"an ampersand of no base", "&X1", 0},
        {"twenty digits", "12345678901234567890", 12345678901234567890.0},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        EXPECT_DOUBLE_EQ(LeadingValue(k.text), k.value);
    }
    // Beyond a double's range: infinity, which the conversion after it refuses.
    EXPECT_TRUE(std::isinf(LeadingValue("1E999")));
    EXPECT_EQ(LeadingValue("1E-999"), 0.0);
    // The direction comes from the value, digits and exponent together.
    struct Range {
        const char* name;
        std::string text;
        bool overflows;
    };
    const Range ranges[] = {
        {"many zeros after the point, no exponent", "0." + std::string(400, '0') + "1", false},
        {"many digits before a negative exponent", "1" + std::string(400, '0') + "e-5", true},
        {"a negative sign keeps a huge value huge", "-1" + std::string(400, '0'), true},
        {"a positive exponent on a tiny mantissa", "0." + std::string(400, '0') + "1E5", false},
        {"leading zeros before the point count for nothing", std::string(400, '0') + "1E-999", false},
        {"an exponent beyond any integer", "1E" + std::string(30, '9'), true},
        {"a negative exponent beyond any integer", "1E-" + std::string(30, '9'), false},
    };
    for (const Range& k : ranges) {
        SCOPED_TRACE(k.name);
        const double v = LeadingValue(k.text);
        if (k.overflows)
            EXPECT_TRUE(std::isinf(v)) << v;
        else
            EXPECT_EQ(v, 0.0);
    }
    EXPECT_THROW(roundToInt16(LeadingValue("1E999")), RuntimeError);
}

}  // namespace
}  // namespace dravik
