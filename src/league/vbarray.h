#pragma once
// Fixed-bound arrays and fixed-length texts as the league's records hold them.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "forms/runtime.h"

// The bounds test runs for every record a routine walks, the same way each
// time: coverage instrumentation of it tells a fuzzer nothing and costs
// every walk over the league's records.
#if defined(__clang__)
#define DRAVIK_NO_COVERAGE __attribute__((no_sanitize("coverage")))
#else
#define DRAVIK_NO_COVERAGE
#endif

namespace dravik {

// An array with the bounds Lo..Hi inclusive. Indexing outside them is
// run-time error 9 ("Subscript out of range"), never a stray read or write.
template <class T, int Lo, int Hi>
class BoundedArray {
public:
    static_assert(Hi >= Lo);
    static constexpr int lower = Lo;
    static constexpr int upper = Hi;
    static constexpr std::size_t count = static_cast<std::size_t>(Hi - Lo + 1);

    DRAVIK_NO_COVERAGE T& operator[](int64_t i) {
        if (i < Lo || i > Hi) raiseError(err::SubscriptOutOfRange);
        return items_[static_cast<std::size_t>(i - Lo)];
    }
    DRAVIK_NO_COVERAGE const T& operator[](int64_t i) const {
        if (i < Lo || i > Hi) raiseError(err::SubscriptOutOfRange);
        return items_[static_cast<std::size_t>(i - Lo)];
    }
    static constexpr bool inBounds(int64_t i) { return i >= Lo && i <= Hi; }

    // Resets every element to its zero value.
    void erase() { items_.fill(T{}); }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    friend bool operator==(const BoundedArray&, const BoundedArray&) = default;

private:
    std::array<T, count> items_{};
};

// A fixed-length text of N bytes in the league's code page. Assigning pads
// with blanks or cuts to N; an erased text holds N bytes of code 0.
template <std::size_t N>
struct FixedText {
    std::array<char, N> bytes{};

    static constexpr std::size_t size() { return N; }

    // All N stored bytes.
    std::string raw() const { return std::string(bytes.data(), N); }

    // The text with leading and trailing blanks (code 32) removed.
    std::string trimmed() const {
        std::string_view v(bytes.data(), N);
        std::size_t b = v.find_first_not_of(' ');
        if (b == std::string_view::npos) return {};
        std::size_t e = v.find_last_not_of(' ');
        return std::string(v.substr(b, e - b + 1));
    }

    void assign(std::string_view s) {
        std::size_t n = std::min(N, s.size());
        std::copy_n(s.data(), n, bytes.data());
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(n), bytes.end(), ' ');
    }
    FixedText& operator=(std::string_view s) {
        assign(s);
        return *this;
    }

    friend bool operator==(const FixedText&, const FixedText&) = default;
};

}  // namespace dravik
