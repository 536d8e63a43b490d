#include "platform/formats.h"

#include <QDate>
#include <QString>
#include <cmath>
#include <optional>

#include "platform/codepage.h"

namespace dravik {
namespace {

std::string toLabelText(QString text) {
    for (QChar& c : text) {
        switch (c.unicode()) {
            case 0x202F:  // narrow no-break space
            case 0x2009:  // thin space
            case 0x2007:  // figure space
                c = QChar(0x00A0);
                break;
            case 0x2212:  // minus sign
                c = QChar('-');
                break;
            default:
                break;
        }
    }
    return toCodePage(text);
}

struct OleDateTime {
    QDate date;
    int seconds;  // since midnight, 0..86399
};

// The OLE Automation date range, 1 January 100 to 31 December 9999, both
// whole days: a negative date's fraction is its time, so day -657434 runs
// down to (not including) -657435.
constexpr double kOleBelow = -657435.0;
constexpr double kOleEnd = 2958466.0;

std::optional<OleDateTime> splitOleDate(double oleDate) {
    if (!std::isfinite(oleDate) || oleDate <= kOleBelow || oleDate >= kOleEnd) return std::nullopt;
    const double days = std::trunc(oleDate);
    // The fraction is the time of day whichever way the days count.
    const double seconds = std::round(std::fabs(oleDate - days) * 86400.0);
    OleDateTime result{QDate(1899, 12, 30).addDays(static_cast<qint64>(days)), static_cast<int>(seconds)};
    if (result.seconds >= 86400) {  // rounded up to the next midnight
        result.date = result.date.addDays(1);
        result.seconds = 0;
        if (result.date.year() > 9999) {  // the last second of the range rounds no further
            result.date = QDate(9999, 12, 31);
            result.seconds = 86399;
        }
    }
    return result;
}

QString twoDigits(int v) { return QString::number(v).rightJustified(2, '0'); }

}  // namespace

LocaleFormats::LocaleFormats(const QLocale& locale) : locale_(locale), plain_(locale) {
    plain_.setNumberOptions(plain_.numberOptions() | QLocale::OmitGroupSeparator);
}

std::string LocaleFormats::currencyWhole(double amount) const {
    return toLabelText(locale_.toCurrencyString(amount, QString(), 0));
}

std::string LocaleFormats::currency(double amount) const {
    return toLabelText(locale_.toCurrencyString(amount));
}

std::string LocaleFormats::generalNumber(double value) const {
    if (value == 0) value = 0;  // no "-0"
    const double magnitude = std::fabs(value);
    const char form = (value != 0 && (magnitude >= 1e15 || magnitude < 1e-4)) ? 'g' : 'f';
    return toLabelText(plain_.toString(value, form, QLocale::FloatingPointShortest));
}

std::string LocaleFormats::fixedTwo(double value) const {
    return toLabelText(plain_.toString(value, 'f', 2));
}

std::string LocaleFormats::monthDayYear(double oleDate) const {
    const auto d = splitOleDate(oleDate);
    if (!d) return {};
    // Digits are written here rather than by the locale, which would group
    // the year ("2,024").
    return toLabelText(locale_.monthName(d->date.month(), QLocale::LongFormat) + ' ' +
                       QString::number(d->date.day()) + ' ' + QString::number(d->date.year()));
}

std::string LocaleFormats::hoursMinutes(double oleDate) const {
    const auto d = splitOleDate(oleDate);
    if (!d) return {};
    return toLabelText(twoDigits(d->seconds / 3600) + ':' + twoDigits(d->seconds / 60 % 60));
}

}  // namespace dravik
