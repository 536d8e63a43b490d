#include "platform/formats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/codepage.h"

namespace dravik {
namespace {

const LocaleFormats us(QLocale(QLocale::English, QLocale::UnitedStates));
const LocaleFormats fr(QLocale(QLocale::French, QLocale::France));

// Windows-1252 bytes used below.
#define NBSP "\xA0"
#define EURO "\x80"

TEST(Formats, CurrencyWithoutDecimals) {
    struct Case {
        const Formats& formats;
        double amount;
        std::string text;
    } cases[] = {
        {us, 1234567, "$1,234,567"},
        {us, -1234567, "($1,234,567)"},
        {us, 0, "$0"},
        {us, 999.4, "$999"},
        {us, 12.6, "$13"},
        {us, 2147483647, "$2,147,483,647"},
        // The narrow no-break space French groups with has no byte of its own.
        {fr, 1234567, "1" NBSP "234" NBSP "567" NBSP EURO},
        {fr, -1234, "(1" NBSP "234" NBSP EURO ")"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.formats.currencyWhole(c.amount), c.text) << c.amount;
}

TEST(Formats, CurrencyWithTheUsualDecimals) {
    struct Case {
        const Formats& formats;
        double amount;
        std::string text;
    } cases[] = {
        {us, 1234.5, "$1,234.50"},
        {us, -12.25, "($12.25)"},
        {us, 0, "$0.00"},
        {us, 1500000, "$1,500,000.00"},
        {fr, 1234.5, "1" NBSP "234,50" NBSP EURO},
    };
    for (const auto& c : cases) EXPECT_EQ(c.formats.currency(c.amount), c.text) << c.amount;
}

TEST(Formats, GeneralNumberIsTheShortestFormWithoutGrouping) {
    struct Case {
        const Formats& formats;
        double value;
        std::string text;
    } cases[] = {
        {us, 31, "31"},
        {us, 30.5, "30.5"},
        {fr, 30.5, "30,5"},
        {us, -2.25, "-2.25"},
        {us, 0.1, "0.1"},
        {us, 1234567, "1234567"},
        {fr, 1234567, "1234567"},
        {us, -0.0, "0"},
        {us, 0.0001, "0.0001"},
        {us, 1e-7, "1E-07"},
        {us, 999999999999999, "999999999999999"},
        {us, 1e15, "1E+15"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.formats.generalNumber(c.value), c.text) << c.value;
}

TEST(Formats, FixedTwoDecimalsWithoutGrouping) {
    struct Case {
        const Formats& formats;
        double value;
        std::string text;
    } cases[] = {
        // clang-format off
        {us, 123.456, "123.46"},
        {us, 1234567.891, "1234567.89"},
        {us, 5, "5.00"},
        {us, 0.1, "0.10"},
        {us, 0, "0.00"},
        {us, 0.004, "0.00"},
        {fr, 123.456, "123,46"},
        {fr, 12345.5, "12345,50"},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(c.formats.fixedTwo(c.value), c.text) << c.value;
}

constexpr double kSecond = 1.0 / 86400;

TEST(Formats, OleDatesAsMonthDayYearAndHoursMinutes) {
    struct Case {
        const char* why;
        double oleDate;
        std::string date, time;
    } cases[] = {
        {"midnight", 45000, "March 15 2023", "00:00"},
        {"fraction is the time", 45000.75, "March 15 2023", "18:00"},
        {"two digits each", 45321 + (9 * 3600 + 5 * 60) * kSecond, "January 30 2024", "09:05"},
        {"rounds down below half a second", 45000 + 86399.4 * kSecond, "March 15 2023", "23:59"},
        {"rounds up to the next day", 45000 + 86399.6 * kSecond, "March 16 2023", "00:00"},
        {"rounds up to the next minute", 45000 + (14 * 3600 + 10 * 60 + 59.6) * kSecond, "March 15 2023",
         "14:11"},
        {"day zero", 0, "December 30 1899", "00:00"},
        {"day one", 1, "December 31 1899", "00:00"},
        {"first day of 1900", 2, "January 1 1900", "00:00"},
        {"negative: days back, time forward", -1.25, "December 29 1899", "06:00"},
        {"negative half is noon of day zero", -0.5, "December 30 1899", "12:00"},
        {"negative rounds up into the next day", -1 - 86399.6 * kSecond, "December 30 1899", "00:00"},
        {"first day of the range", -657434, "January 1 100", "00:00"},
        {"and its noon", -657434.5, "January 1 100", "12:00"},
        {"last day of the range", 2958465.5, "December 31 9999", "12:00"},
        {"last second does not round past the range", 2958465 + 86399.9 * kSecond, "December 31 9999",
         "23:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(us.monthDayYear(c.oleDate), c.date) << c.why;
        EXPECT_EQ(us.hoursMinutes(c.oleDate), c.time) << c.why;
    }
}

TEST(Formats, MonthNamesAreTheLocales) {
    EXPECT_EQ(fr.monthDayYear(45000), "mars 15 2023");
    EXPECT_EQ(fr.monthDayYear(45000 + 153), "ao\xFBt 15 2023");  // Windows-1252 u circumflex
    // On a Czech or Russian system the names come in that system's code page.
    {
        ScopedSystemCodePage czech(1250);
        const LocaleFormats cs(QLocale(QLocale::Czech, QLocale::CzechRepublic));
        const std::string month = cs.monthDayYear(45000).substr(0, 6);
        EXPECT_TRUE(month == "b\xF8\x65zen" || month == "b\xF8\x65zna") << month;  // březen, března
    }
    {
        ScopedSystemCodePage russian(1251);
        const LocaleFormats ru(QLocale(QLocale::Russian, QLocale::Russia));
        EXPECT_EQ(ru.monthDayYear(45000).substr(0, 4), "\xEC\xE0\xF0\xF2");  // март, марта
    }
}

TEST(Formats, DatesOutsideTheRangeGiveEmptyText) {
    const double bad[] = {std::nan(""),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          1e300,
                          -1e300,
                          -657435,
                          2958466};
    for (double d : bad) {
        EXPECT_EQ(us.monthDayYear(d), "") << d;
        EXPECT_EQ(us.hoursMinutes(d), "") << d;
    }
}

}  // namespace
}  // namespace dravik
