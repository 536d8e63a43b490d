#include "forms/runtime.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace dravik {

std::string errorDescription(int number) {
    switch (number) {
        case 5: return "Invalid procedure call or argument";
        case 6: return "Overflow";
        case 7: return "Out of memory";
        case 9: return "Subscript out of range";
        case 11: return "Division by zero";
        case 13: return "Type mismatch";
        case 51: return "Internal error";
        case 52: return "Bad file name or number";
        case 53: return "File not found";
        case 59: return "Bad record length";
        case 61: return "Disk full";
        case 62: return "Input past end of file";
        case 63: return "Bad record number";
        case 70: return "Permission denied";
        case 75: return "Path/File access error";
        case 340: return "Control array element doesn't exist";
        case 380: return "Invalid property value";
        case 381: return "Invalid property array index";
        case 32755: return "Cancel was selected.";
        default: return "Application-defined or object-defined error";
    }
}

RuntimeError::RuntimeError(int number) : RuntimeError(number, errorDescription(number)) {}

RuntimeError::RuntimeError(int number, std::string description)
    : std::runtime_error(std::to_string(number) + " - " + description),
      number_(number),
      description_(std::move(description)) {}

void raiseError(int number) { throw RuntimeError(number); }

std::string errorText(const RuntimeError& e, std::string_view closing) {
    std::string s = std::to_string(e.number());
    s += " - ";
    s += e.description();
    s += closing;
    return s;
}

int16_t toInt16(int64_t v) {
    if (v < std::numeric_limits<int16_t>::min() || v > std::numeric_limits<int16_t>::max())
        raiseError(err::Overflow);
    return static_cast<int16_t>(v);
}

int32_t toInt32(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        raiseError(err::Overflow);
    return static_cast<int32_t>(v);
}

double roundHalfEven(double v) {
    if (!std::isfinite(v)) raiseError(err::Overflow);
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; do it by hand so nothing can.
    double fl = std::floor(v);
    double diff = v - fl;
    if (diff > 0.5) return fl + 1.0;
    if (diff < 0.5) return fl;
    return std::fmod(fl, 2.0) == 0.0 ? fl : fl + 1.0;
}

int16_t roundToInt16(double v) {
    double r = roundHalfEven(v);
    if (r < -32768.0 || r > 32767.0) raiseError(err::Overflow);
    return static_cast<int16_t>(r);
}

int32_t roundToInt32(double v) {
    double r = roundHalfEven(v);
    if (r < -2147483648.0 || r > 2147483647.0) raiseError(err::Overflow);
    return static_cast<int32_t>(r);
}

int32_t LeadingNumber(std::string_view text) {
    constexpr int32_t Saturated = 1000000;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (negative) ++i;
    int32_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(Saturated, value * 10 + (text[i] - '0'));
    return negative ? -value : value;
}

namespace {

// The power of ten of the first non-zero digit of a number spelled as digits,
// an optional point and an optional "e" exponent; the exponent saturates, far
// beyond any double.
long long decimalMagnitude(std::string_view number) {
    constexpr long long Saturated = 1000000000;
    const std::size_t e = std::min(number.find('e'), number.size());
    const std::string_view mantissa = number.substr(0, e);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    long long place = static_cast<long long>(point) - 1;  // power of ten of the digit at i
    std::size_t i = 0;
    for (; i < mantissa.size(); ++i) {
        if (i == point) continue;
        if (mantissa[i] != '0') break;
        --place;
    }
    if (i == mantissa.size()) return -Saturated;  // all zeros: nothing to overflow
    long long exponent = 0;
    bool negative = false;
    for (std::size_t j = e + 1; j < number.size(); ++j) {
        if (number[j] == '-')
            negative = true;
        else
            exponent = std::min(Saturated, exponent * 10 + (number[j] - '0'));
    }
    return place + (negative ? -exponent : exponent);
}

}  // namespace

double LeadingValue(std::string_view text) {
    std::string kept;  // the text without the characters the reading skips
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') kept.push_back(c);

    if (kept.size() >= 2 && kept[0] == '&') {
        const char base = static_cast<char>(kept[1] & ~0x20);
        const int radix = base == 'H' ? 16 : base == 'O' ? 8 : 0;
        if (radix == 0) return 0.0;
        double v = 0.0;
        for (std::size_t i = 2; i < kept.size(); ++i) {
            const char c = kept[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0 || digit >= radix) break;
            v = v * radix + digit;
        }
        return v;
    }

    // Gather the number's characters in the one spelling from_chars reads
    // (no plus sign, E for the exponent); it reads no locale, so a decimal
    // comma of the user's system cannot change what a reply means.
    std::string number;
    std::size_t i = 0;
    bool negative = false;
    if (i < kept.size() && (kept[i] == '-' || kept[i] == '+')) negative = kept[i++] == '-';
    bool digits = false, point = false;
    for (; i < kept.size(); ++i) {
        const char c = kept[i];
        if (c >= '0' && c <= '9') {
            digits = true;
            number.push_back(c);
        } else if (c == '.' && !point) {
            point = true;
            number.push_back(c);
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (i < kept.size() && (kept[i] == 'E' || kept[i] == 'e' || kept[i] == 'D' || kept[i] == 'd')) {
        std::string exponent = "e";
        std::size_t j = i + 1;
        if (j < kept.size() && (kept[j] == '-' || kept[j] == '+')) {
            if (kept[j] == '-') exponent.push_back('-');
            ++j;
        }
        const std::size_t first = j;
        for (; j < kept.size() && kept[j] >= '0' && kept[j] <= '9'; ++j) exponent.push_back(kept[j]);
        if (j > first) number += exponent;
    }
    double v = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too large, or too small to tell from 0: which one is the power of
        // ten of the leading digit, digits and exponent together ("0.000...1"
        // is tiny without an exponent, "1000...0e-5" huge with a negative one).
        v = decimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -v : v;
}

}  // namespace dravik
