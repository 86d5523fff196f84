// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace pilecalc {
namespace {

// A positive value as significant digits and the position of the decimal
// point: value = 0.d1d2d3... x 10^exponent. Zero has no digits.
struct DecimalDigits {
    std::string digits;  // '0'..'9', no leading zero
    int exponent = 0;    // number of digits before the decimal point
};

constexpr int kExpansionDigits = 18;

DecimalDigits expand(double magnitude) {
    DecimalDigits out;
    if (magnitude == 0.0) return out;
    char buf[64];
    // 17 digits after the point in scientific form: 18 significant digits,
    // correctly rounded from the exact binary value.
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific,
                                   kExpansionDigits - 1);
    (void)ec;
    const std::string text(buf, end);
    const auto e = text.find('e');
    out.digits.reserve(kExpansionDigits);
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.') out.digits.push_back(text[i]);
    }
    int exp10 = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exp10);
    out.exponent = exp10 + 1;
    return out;
}

// Keeps `keep` significant digits, rounding half away from zero on the
// first dropped digit. keep <= 0 rounds at or above the leading digit.
void roundTo(DecimalDigits& d, int keep) {
    if (d.digits.empty()) return;
    if (keep >= static_cast<int>(d.digits.size())) return;
    if (keep < 0) {
        d.digits.clear();
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<std::size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) d.exponent = 0;
}

char16_t digitAt(const DecimalDigits& d, int index) {
    if (index < 0 || index >= static_cast<int>(d.digits.size())) return u'0';
    return static_cast<char16_t>(d.digits[static_cast<std::size_t>(index)]);
}

std::u16string scientific(const DecimalDigits& d, bool negative, char16_t sep) {
    std::u16string out;
    if (negative) out.push_back(u'-');
    out.push_back(digitAt(d, 0));
    if (d.digits.size() > 1) {
        out.push_back(sep);
        for (std::size_t i = 1; i < d.digits.size(); ++i) out.push_back(static_cast<char16_t>(d.digits[i]));
    }
    out.push_back(u'E');
    const int exp10 = d.exponent - 1;
    for (char c : std::to_string(exp10)) out.push_back(static_cast<char16_t>(c));
    return out;
}

std::u16string nonFinite() { return u""; }

}  // namespace

int decimalsOf(PrecisionMode mode) {
    switch (mode) {
        case PrecisionMode::TwoDecimals: return 2;
        case PrecisionMode::OneDecimal: return 1;
        default: return 0;
    }
}

double coarsenForce(double kN, PrecisionMode mode) {
    switch (mode) {
        case PrecisionMode::TruncateTens: return std::trunc(kN / 10.0) * 10.0;
        case PrecisionMode::TruncateHundreds: return std::trunc(kN / 100.0) * 100.0;
        default: return kN;
    }
}

std::u16string FormatFixed(double value, int precision, int decimals, char16_t sep) {
    if (!std::isfinite(value)) return nonFinite();
    decimals = std::max(decimals, 0);
    precision = std::max(precision, 1);
    DecimalDigits d = expand(std::fabs(value));
    roundTo(d, std::min(precision, d.exponent + decimals));
    const bool negative = value < 0.0 && !d.digits.empty();

    if (d.exponent > precision) return scientific(d, negative, sep);

    std::u16string out;
    out.reserve(static_cast<std::size_t>(std::max(d.exponent, 1) + decimals + 2));
    if (negative) out.push_back(u'-');
    if (d.exponent <= 0) {
        out.push_back(u'0');
    } else {
        for (int i = 0; i < d.exponent; ++i) out.push_back(digitAt(d, i));
    }
    if (decimals > 0) {
        out.push_back(sep);
        for (int k = 0; k < decimals; ++k) out.push_back(digitAt(d, d.exponent + k));
    }
    return out;
}

std::u16string formatGeneral(double value, char16_t sep) {
    if (!std::isfinite(value)) return nonFinite();
    constexpr int kPrecision = 15;
    DecimalDigits d = expand(std::fabs(value));
    roundTo(d, kPrecision);
    if (d.digits.empty()) return u"0";
    const bool negative = value < 0.0;
    if (d.exponent > kPrecision || d.exponent < -4) return scientific(d, negative, sep);

    std::u16string out;
    if (negative) out.push_back(u'-');
    if (d.exponent <= 0) {
        out.push_back(u'0');
    } else {
        for (int i = 0; i < d.exponent; ++i) out.push_back(digitAt(d, i));
    }
    const int fractionDigits = static_cast<int>(d.digits.size()) - d.exponent;
    if (fractionDigits > 0) {
        out.push_back(sep);
        for (int i = d.exponent; i < static_cast<int>(d.digits.size()); ++i) out.push_back(digitAt(d, i));
    }
    return out;
}

std::u16string formatInteger(std::uint64_t value) {
    std::u16string out;
    for (char c : std::to_string(value)) out.push_back(static_cast<char16_t>(c));
    return out;
}

std::u16string formatForce(double kN, PrecisionMode mode, char16_t sep) {
    return FormatFixed(coarsenForce(kN, mode), 7, decimalsOf(mode), sep);
}

std::u16string shareLabel(std::u16string_view caption, double share, bool defined, PrecisionMode mode,
                          char16_t decimalSeparator) {
    std::u16string label(caption);
    if (!defined) return label;
    return label + u" [ " + FormatFixed(share, 7, decimalsOf(mode), decimalSeparator) + u"% ]";
}

}  // namespace pilecalc
