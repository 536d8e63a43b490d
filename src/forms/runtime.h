#pragma once
// Run-time errors and the arithmetic rules the program's routines rely on:
// numbered errors with the customary descriptions, checked 16- and 32-bit
// arithmetic that raises Overflow instead of wrapping, and rounding of halves
// to even.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace dravik {

// Customary run-time error numbers.
namespace err {
inline constexpr int InvalidCall = 5;
inline constexpr int Overflow = 6;
inline constexpr int OutOfMemory = 7;
inline constexpr int SubscriptOutOfRange = 9;
inline constexpr int DivisionByZero = 11;
inline constexpr int TypeMismatch = 13;
inline constexpr int InternalError = 51;
inline constexpr int BadFileName = 52;
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int ControlArrayElementMissing = 340;
inline constexpr int InvalidPropertyValue = 380;
inline constexpr int InvalidPropertyArrayIndex = 381;
inline constexpr int CancelSelected = 32755;
}  // namespace err

// The description the platform gives an error number ("Overflow", ...).
std::string errorDescription(int number);

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);
    int number() const { return number_; }
    const std::string& description() const { return description_; }

private:
    int number_;
    std::string description_;
};

[[noreturn]] void raiseError(int number);

// The text of the standard error box: number, " - ", description, closing text.
std::string errorText(const RuntimeError& e, std::string_view closing);

// Checked narrowing: a value outside the type's range is error 6.
int16_t toInt16(int64_t v);
int32_t toInt32(int64_t v);

// 16- and 32-bit arithmetic that raises Overflow rather than wrapping.
inline int16_t add16(int64_t a, int64_t b) { return toInt16(a + b); }
inline int16_t sub16(int64_t a, int64_t b) { return toInt16(a - b); }
inline int16_t mul16(int64_t a, int64_t b) { return toInt16(a * b); }
inline int32_t add32(int64_t a, int64_t b) { return toInt32(a + b); }
inline int32_t sub32(int64_t a, int64_t b) { return toInt32(a - b); }
inline int32_t mul32(int64_t a, int64_t b) { return toInt32(a * b); }

// Nearest whole number, halves to even (60.5 -> 60, 61.5 -> 62). Not a
// number or infinity is Overflow.
double roundHalfEven(double v);

// Real to 16- or 32-bit whole number: round halves to even, then check the range.
int16_t roundToInt16(double v);
int32_t roundToInt32(double v);

// The number a typed text begins with, as the customary numeric reading of a
// reply does: blanks, tabs and line feeds are skipped wherever they stand; an
// optional sign, digits with at most one decimal point and an optional
// exponent (E or D, a sign, digits) are read up to the first other
// character; "&H" and "&O" start a hexadecimal or octal number. No number at
// the start reads 0. The result is real and never overflows here (a number
// too large for a double is infinity): the caller's conversion judges its
// range.
double LeadingValue(std::string_view text);

// The whole number a text box's text starts with: decimal digits after an
// optional minus sign, read up to the first character that cannot continue
// it; 0 when there is none. Saturates at 1,000,000 either way, far outside
// any box's range, so any number of digits reads as out of range.
int32_t LeadingNumber(std::string_view text);

}  // namespace dravik
