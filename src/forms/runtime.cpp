#include "forms/runtime.h"

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

}  // namespace dravik
