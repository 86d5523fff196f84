// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumberReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace pilecalc {
namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// Rough power of ten of a rebuilt ASCII number ("-12.5e3" gives 4): only its
// sign matters, to tell an underflow from an overflow. Exponents of any
// length are clamped, so "1e9223372036854775807" is a huge number and never
// wraps around into a tiny one.
long long decimalMagnitude(const std::string& ascii) {
    constexpr long long kClamp = 1'000'000'000'000LL;  // far beyond any double, far from overflow
    long long position = 0;  // digits before the point, counted from the first non-zero digit
    bool seenNonZero = false;
    bool afterPoint = false;
    long long leadingFractionZeros = 0;
    std::size_t i = 0;
    for (; i < ascii.size() && ascii[i] != 'e'; ++i) {
        const char c = ascii[i];
        if (c == '.') {
            afterPoint = true;
        } else if (c >= '0' && c <= '9') {
            if (c != '0') seenNonZero = true;
            if (!afterPoint && seenNonZero) ++position;
            if (afterPoint && !seenNonZero) ++leadingFractionZeros;
        }
    }
    long long exponent = 0;
    if (i < ascii.size()) {
        ++i;
        bool negative = false;
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
        for (; i < ascii.size(); ++i) {
            exponent = std::min(kClamp, exponent * 10 + (ascii[i] - '0'));
        }
        if (negative) exponent = -exponent;
    }
    return (position > 0 ? position : -leadingFractionZeros) + exponent;
}

// Parses [sign] digits [sep digits] [(e|E) [sign] digits] spanning the whole
// view. At least one mantissa digit is required, and an exponent marker needs
// digits after it. The accepted text is rebuilt in ASCII with a "." so the
// standard library converts it exactly (correctly rounded).
std::optional<double> parseNumber(std::u16string_view s, char16_t sep1, char16_t sep2) {
    std::string ascii;
    ascii.reserve(s.size());
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-') ascii.push_back('-');
        ++i;
    }
    int mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ascii.push_back(static_cast<char>(s[i]));
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && (s[i] == sep1 || s[i] == sep2)) {
        ascii.push_back('.');
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ascii.push_back(static_cast<char>(s[i]));
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        ascii.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
            ascii.push_back(static_cast<char>(s[i]));
            ++i;
        }
        int exponentDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ascii.push_back(static_cast<char>(s[i]));
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;

    double value = 0.0;
    const char* first = ascii.data();
    const char* last = ascii.data() + ascii.size();
    // from_chars does not take a leading '+'; the sign was already reduced to '-'.
    auto [end, ec] = std::from_chars(first, last, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to represent reads as zero; too large is not a number here.
        if (decimalMagnitude(ascii) < 0) return ascii.front() == '-' ? -0.0 : 0.0;
        return std::nullopt;
    }
    if (ec != std::errc() || end != last || !std::isfinite(value)) return std::nullopt;
    return value;
}

}  // namespace

bool containsControlCharacter(std::u16string_view text) {
    for (char16_t c : text) {
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029) return true;
    }
    return false;
}

std::optional<double> readPeriodDecimal(std::u16string_view text) {
    std::size_t start = 0;
    while (start < text.size() && text[start] == u' ') ++start;
    return parseNumber(text.substr(start), u'.', u'.');
}

std::optional<double> readLocaleDecimal(std::u16string_view text, char16_t decimalSeparator) {
    std::size_t start = 0;
    std::size_t end = text.size();
    while (start < end && text[start] == u' ') ++start;
    while (end > start && text[end - 1] == u' ') --end;
    return parseNumber(text.substr(start, end - start), decimalSeparator, u'.');
}

}  // namespace pilecalc
