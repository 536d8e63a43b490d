#pragma once
// Money as the user reads it. The salary-cap reports show an amount in the
// regional currency format with its default number of decimals; the team
// sheet shows whole currency amounts. The program installs the locale-backed
// formatter of the platform once it has one; until then, and in tests, the
// built-in United States English form applies ("$1,234.00", "$1,234").

#include <string>

namespace dravik {

class CurrencyFormat {
public:
    virtual ~CurrencyFormat() = default;
    // Symbol, digit grouping and the regional default number of decimals.
    virtual std::string currency(double amount) const = 0;
    // Symbol and digit grouping, no decimals.
    virtual std::string currencyWhole(double amount) const = 0;
};

// "$1,234.00" and "$1,234"; negative amounts read "-$1,234.00".
class UsCurrencyFormat : public CurrencyFormat {
public:
    std::string currency(double amount) const override;
    std::string currencyWhole(double amount) const override;
};

// The formatter in force (the built-in one unless another was installed).
const CurrencyFormat& currencyFormat();
// Installs a formatter that outlives its use; nullptr restores the built-in one.
void setCurrencyFormat(const CurrencyFormat* format);

}  // namespace dravik
