#include "rules/currency.h"

#include <cmath>
#include <cstdio>

namespace dravik {

namespace {

// Digits of a non-negative amount with the given decimals, grouped by three.
std::string grouped(double amount, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, amount);
    std::string digits(buf);
    std::string fraction;
    if (auto dot = digits.find('.'); dot != std::string::npos) {
        fraction = digits.substr(dot);
        digits.erase(dot);
    }
    std::string out;
    int n = static_cast<int>(digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += digits[static_cast<std::size_t>(i)];
    }
    return out + fraction;
}

std::string usCurrency(double amount, int decimals) {
    // A rounded zero is no negative amount.
    double scale = std::pow(10.0, decimals);
    bool negative = std::round(std::fabs(amount) * scale) != 0.0 && amount < 0;
    return (negative ? "-$" : "$") + grouped(std::fabs(amount), decimals);
}

const UsCurrencyFormat builtIn;
const CurrencyFormat* installed = nullptr;

}  // namespace

std::string UsCurrencyFormat::currency(double amount) const { return usCurrency(amount, 2); }

std::string UsCurrencyFormat::currencyWhole(double amount) const { return usCurrency(amount, 0); }

const CurrencyFormat& currencyFormat() { return installed ? *installed : builtIn; }

void setCurrencyFormat(const CurrencyFormat* format) { installed = format; }

}  // namespace dravik
