// SPDX-License-Identifier: GPL-3.0-or-later
// The number formats written and read back. Input: a value text (read with a
// period; when it is no number, its first eight code units are taken as the
// bits of a double, so infinities, NaNs and subnormals come up too), then
// the precision P, the decimals D and a flags field (',' for the comma
// locale), separated by '|'.
//
// FormatFixed: no text for a non-finite value; otherwise the fixed shape with
// exactly D decimals and at most P significant digits (or the scientific
// shape when the integer part is longer than P digits); the text reads back
// within half a unit of the rounding place; for P and D up to 15, formatting
// the read-back value gives the same text again. formatForce in the cutting
// modes gives a multiple of 10 or 100 within one such step of the value, and
// the list files' own integer formatter (appendForce) gives the same text.
// formatGeneral: at most 15 significant digits, no trailing zero or
// separator, scientific exactly outside 1e-5 <= |v| < 1e15, reads back within
// 15 digits and formats again to the same text.
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/NumberFormat.h"
#include "engine/NumberReading.h"
#include "fuzz/FuzzInput.h"
#include "optimisation/ListFileLines.h"

using namespace pilecalc;
using pilecalc::fuzz::show;

namespace {

int smallInteger(std::u16string_view text, int fallback) {
    bool negative = false;
    int value = 0;
    bool any = false;
    for (char16_t c : text) {
        if (c == u'-') negative = true;
        if (c >= u'0' && c <= u'9') {
            value = std::min(value * 10 + (c - u'0'), 1000);
            any = true;
        }
    }
    return any ? (negative ? -value : value) : fallback;
}

double valueOf(std::u16string_view text) {
    if (const auto v = readPeriodDecimal(text)) return *v;
    unsigned char bytes[8] = {};
    for (std::size_t i = 0; i < 8 && i < text.size(); ++i) bytes[i] = static_cast<unsigned char>(text[i]);
    double v = 0.0;
    std::memcpy(&v, bytes, sizeof v);
    return v;
}

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct Shape {
    bool scientific = false;
    std::size_t integerDigits = 0;
    std::size_t fractionDigits = 0;
    std::size_t significant = 0;  // digits from the first non-zero one to the last non-zero one
    bool hasSeparator = false;
    bool trailingZero = false;  // the fraction ends in 0
};

// [-]digits[sep digits][E[-]digits]; nullopt for anything else.
std::optional<Shape> shapeOf(std::u16string_view s, char16_t sep) {
    Shape shape;
    std::size_t i = 0;
    if (i < s.size() && s[i] == u'-') ++i;
    std::u16string mantissa;
    for (; i < s.size() && isDigit(s[i]); ++i, ++shape.integerDigits) mantissa.push_back(s[i]);
    if (shape.integerDigits == 0) return std::nullopt;
    if (i < s.size() && s[i] == sep) {
        shape.hasSeparator = true;
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++shape.fractionDigits) mantissa.push_back(s[i]);
        if (shape.fractionDigits == 0) return std::nullopt;
        shape.trailingZero = mantissa.back() == u'0';
    }
    if (i < s.size() && s[i] == u'E') {
        shape.scientific = true;
        ++i;
        if (i < s.size() && s[i] == u'-') ++i;
        std::size_t exponentDigits = 0;
        for (; i < s.size() && isDigit(s[i]); ++i) ++exponentDigits;
        if (exponentDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    const auto first = mantissa.find_first_not_of(u'0');
    if (first != std::u16string::npos) shape.significant = mantissa.find_last_not_of(u'0') - first + 1;
    return shape;
}

// A text that rounded a value near the largest double beyond it (1.8E308):
// no reader can take it back, and no format of that many digits can avoid it.
bool beyondDoubleRange(std::u16string_view text, char16_t sep) {
    std::string ascii;
    for (char16_t c : text) ascii.push_back(c == sep ? '.' : static_cast<char>(c));
    return std::isinf(std::strtod(ascii.c_str(), nullptr));
}

// Number of digits before the decimal point of |v| > 0 (0.05 has -1).
int digitsBeforePoint(double magnitude) { return static_cast<int>(std::floor(std::log10(magnitude))) + 1; }

void checkFixed(double v, int precision, int decimals, char16_t sep) {
    const std::u16string out = FormatFixed(v, precision, decimals, sep);
    const std::string context = "FormatFixed(" + show(v) + ", " + std::to_string(precision) + ", " +
                                std::to_string(decimals) + ") = " + show(out);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(out.empty(), context);
        return;
    }
    const int P = std::max(precision, 1);
    const int D = std::max(decimals, 0);
    const auto shape = shapeOf(out, sep);
    FUZZ_CHECK(shape.has_value(), context + ": not a number's shape");
    FUZZ_CHECK(shape->significant <= static_cast<std::size_t>(P), context + ": more than P significant digits");
    if (!shape->scientific) {
        FUZZ_CHECK(shape->fractionDigits == static_cast<std::size_t>(D) && shape->hasSeparator == (D > 0),
                   context + ": not exactly D decimals");
        FUZZ_CHECK(shape->integerDigits == 1 || out[out[0] == u'-' ? 1 : 0] != u'0', context + ": leading zero");
        FUZZ_CHECK(shape->integerDigits <= static_cast<std::size_t>(P), context + ": integer part wider than P");
    }
    const auto back = readLocaleDecimal(out, sep);
    if (!back) {
        FUZZ_CHECK(beyondDoubleRange(out, sep), context + ": does not read back");
        return;
    }
    const double w = *back;
    FUZZ_CHECK(w == 0.0 || std::signbit(w) == std::signbit(v), context + ": sign changed");
    FUZZ_CHECK(out[0] != u'-' || w != 0.0, context + ": a minus on zero");
    const double larger = std::max(std::fabs(v), std::fabs(w));
    if (larger > 0.0 && larger >= DBL_MIN) {
        const int e = digitsBeforePoint(larger);
        const double unit = std::max(std::pow(10.0, -D), std::pow(10.0, e - P));
        FUZZ_CHECK(std::fabs(w - v) <= 0.5 * unit * (1 + 1e-9) + 1e-15 * larger,
                   context + ": reads back as " + show(w));
    }
    if (P <= 15 && D <= 15) {
        const std::u16string again = FormatFixed(w, precision, decimals, sep);
        FUZZ_CHECK(again == out, context + ": formatting " + show(w) + " again gives " + show(again));
    }
}

void checkForce(double kN, char16_t sep) {
    for (PrecisionMode mode : {PrecisionMode::TwoDecimals, PrecisionMode::OneDecimal, PrecisionMode::WholeUnits,
                               PrecisionMode::TruncateTens, PrecisionMode::TruncateHundreds}) {
        const std::u16string out = formatForce(kN, mode, sep);
        const std::string context =
            "formatForce(" + show(kN) + ", mode " + std::to_string(static_cast<int>(mode)) + ") = " + show(out);
        if (!std::isfinite(kN)) {
            FUZZ_CHECK(out.empty(), context);
            std::u16string row;
            appendForce(row, kN, mode, sep);
            FUZZ_CHECK(row.empty(), context + ": appendForce gives " + show(row));
            continue;
        }
        FUZZ_CHECK(out == FormatFixed(coarsenForce(kN, mode), 7, decimalsOf(mode), sep), context);
        // The list files' integer formatter writes the same text into a row.
        std::u16string row = u"ZH-1 ";
        appendForce(row, kN, mode, sep);
        FUZZ_CHECK(row == u"ZH-1 " + out, context + ": appendForce gives " + show(row));
        const double step = mode == PrecisionMode::TruncateTens ? 10.0 : 100.0;
        if ((mode == PrecisionMode::TruncateTens || mode == PrecisionMode::TruncateHundreds) && std::fabs(kN) < 1e6) {
            const auto back = readLocaleDecimal(out, sep);
            FUZZ_CHECK(back && std::fmod(*back, step) == 0.0 && std::fabs(*back - kN) < step,
                       context + ": not a multiple of the step just below the value");
            FUZZ_CHECK(*back == 0.0 || std::signbit(*back) == std::signbit(kN), context + ": sign changed");
        }
    }
}

void checkGeneral(double v, char16_t sep) {
    const std::u16string out = formatGeneral(v, sep);
    const std::string context = "formatGeneral(" + show(v) + ") = " + show(out);
    if (!std::isfinite(v)) {
        FUZZ_CHECK(out.empty(), context);
        return;
    }
    const auto shape = shapeOf(out, sep);
    FUZZ_CHECK(shape.has_value(), context + ": not a number's shape");
    FUZZ_CHECK(shape->significant <= 15, context + ": more than 15 significant digits");
    FUZZ_CHECK(!shape->trailingZero, context + ": trailing zero");
    FUZZ_CHECK((out[0] == u'-') == (v < 0.0), context + ": sign");
    if (std::fabs(v) < DBL_MIN) return;  // subnormals: neither the reader nor 15 digits hold them
    const auto back = readLocaleDecimal(out, sep);
    if (!back) {
        FUZZ_CHECK(beyondDoubleRange(out, sep), context + ": does not read back");
        return;
    }
    const double w = *back;
    // Half a unit of the 15th digit, plus the read-back double's own rounding.
    FUZZ_CHECK(std::fabs(w - v) <= 5.3e-15 * std::fabs(v), context + ": reads back as " + show(w));
    const double magnitude = std::fabs(w);
    FUZZ_CHECK(shape->scientific == (magnitude >= 1e15 || magnitude < 1e-5),
               context + ": scientific form where plain is due or the other way round");
    const std::u16string again = formatGeneral(w, sep);
    FUZZ_CHECK(again == out, context + ": formatting " + show(w) + " again gives " + show(again));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 4);
    const double v = valueOf(f[0]);
    const int precision = smallInteger(f[1], 7);
    const int decimals = smallInteger(f[2], 2);
    const char16_t sep = f[3].find(u',') != std::u16string::npos ? u',' : u'.';

    checkFixed(v, precision, std::min(decimals, 400), sep);
    checkFixed(v, 7, decimals % 8, sep);  // the displays' precision
    checkForce(v, sep);
    checkGeneral(v, sep);

    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const std::u16string integer = formatInteger(bits);
    const std::string expected = std::to_string(bits);
    FUZZ_CHECK(integer == std::u16string(expected.begin(), expected.end()), "formatInteger(" + expected + ")");
    return 0;
}
