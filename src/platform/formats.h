#pragma once
// Numbers, money and dates as the user's regional settings show them. Every
// result is text of the system code page (std::string bytes), ready for a label.

#include <QLocale>
#include <string>

namespace dravik {

class Formats {
public:
    virtual ~Formats() = default;
    // Money with the currency symbol, digit grouping and the regional form
    // of negative amounts, no decimals ("$1,235", "($1,235)" in en_US).
    virtual std::string currencyWhole(double amount) const = 0;
    // The same with the currency's usual number of decimals ("$1,234.50").
    virtual std::string currency(double amount) const = 0;
    // The shortest form that shows the value, no grouping, the regional
    // decimal separator: 31, 30.5 ("30,5" in fr_FR). Beyond 15 digits, or
    // below 0.0001, an exponent: "1E+15", "1E-07".
    virtual std::string generalNumber(double value) const = 0;
    // Exactly two decimals, no grouping: 123.456 gives "123.46".
    virtual std::string fixedTwo(double value) const = 0;
    // An OLE Automation date (days since 30 December 1899, the time of day
    // as the fraction) as "mmmm d yyyy": regional full month name, day
    // without a leading zero, the year in full ("January 5 2024"). A negative
    // date counts its days back from 30 December 1899 while its fraction
    // still runs forward from midnight (-1.25 is 29 December 1899, 06:00).
    // The date is rounded to the nearest second first (but never past the
    // last second of 9999). A date that is not a number or lies outside
    // years 100 to 9999 gives the empty text.
    virtual std::string monthDayYear(double oleDate) const = 0;
    // The time of an OLE Automation date as "hh:mm", 24 hours, two digits
    // each ("06:05", "23:59"); rounded and checked as monthDayYear.
    virtual std::string hoursMinutes(double oleDate) const = 0;
};

// Formats of one QLocale (the system's by default; tests pin one).
//
// Characters the code page does not hold become their nearest neighbour
// before the conversion: the narrow no-break and thin spaces some locales
// group digits with become the no-break space (0xA0), the minus sign U+2212
// becomes "-". Anything else without a byte becomes "?".
class LocaleFormats : public Formats {
public:
    explicit LocaleFormats(const QLocale& locale = QLocale::system());
    std::string currencyWhole(double amount) const override;
    std::string currency(double amount) const override;
    std::string generalNumber(double value) const override;
    std::string fixedTwo(double value) const override;
    std::string monthDayYear(double oleDate) const override;
    std::string hoursMinutes(double oleDate) const override;

private:
    QLocale locale_;
    QLocale plain_;  // the same without digit grouping
};

}  // namespace dravik
