// SPDX-License-Identifier: GPL-3.0-or-later
// The two number readers against the C library's strtod on the grammar they
// accept: [sign] digits [separator digits] [(e|E) [sign] digits], at least one
// mantissa digit, nothing else. A value they return is exactly strtod's (a
// result below the smallest normal double may read as a zero of its sign); an
// overflowing number is never read; an ordinary one always is. The locale
// reader with separator s equals the period reader on the text with its
// trailing blanks dropped and s turned into a period.
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "engine/NumberReading.h"
#include "fuzz/FuzzInput.h"

using namespace pilecalc;
using pilecalc::fuzz::sameBits;
using pilecalc::fuzz::show;

namespace {

bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

struct Grammar {
    std::string ascii;       // the accepted text with a '.' separator, for strtod
    int exponentDigits = 0;  // digits after the exponent marker
};

// The number grammar over the whole view, written out character by character.
std::optional<Grammar> match(std::u16string_view s, char16_t separator) {
    Grammar g;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) g.ascii.push_back(static_cast<char>(s[i++]));
    int mantissa = 0;
    for (; i < s.size() && isDigit(s[i]); ++i, ++mantissa) g.ascii.push_back(static_cast<char>(s[i]));
    if (i < s.size() && (s[i] == separator || s[i] == u'.')) {
        g.ascii.push_back('.');
        for (++i; i < s.size() && isDigit(s[i]); ++i, ++mantissa) g.ascii.push_back(static_cast<char>(s[i]));
    }
    if (mantissa == 0) return std::nullopt;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        g.ascii.push_back('e');
        ++i;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) g.ascii.push_back(static_cast<char>(s[i++]));
        for (; i < s.size() && isDigit(s[i]); ++i, ++g.exponentDigits) g.ascii.push_back(static_cast<char>(s[i]));
        if (g.exponentDigits == 0) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    return g;
}

std::string showOptional(const std::optional<double>& v) { return v ? show(*v) : std::string("none"); }

// number: the text after leading (and for the locale reader trailing) blanks.
void checkAgainstStrtod(std::u16string_view whole, std::u16string_view number, char16_t separator,
                        const std::optional<double>& read, const char* reader) {
    const auto grammar = match(number, separator);
    const std::string context = std::string(reader) + " of " + show(whole) + " gave " + showOptional(read);
    if (!grammar) {
        FUZZ_CHECK(!read, context + ": the text is no number");
        return;
    }
    errno = 0;
    char* end = nullptr;
    const double reference = std::strtod(grammar->ascii.c_str(), &end);
    const bool overflow = std::isinf(reference);
    const bool underflow = std::fabs(reference) < DBL_MIN;  // zero included
    if (read) {
        FUZZ_CHECK(std::isfinite(*read), context);
        FUZZ_CHECK(!overflow, context + ", strtod overflows");
        const bool exact = sameBits(*read, reference);
        const bool flushed = underflow && *read == 0.0 && std::signbit(*read) == std::signbit(reference);
        FUZZ_CHECK(exact || flushed, context + ", strtod " + show(reference));
    } else {
        // Every ordinary number reads; extreme texts may be refused.
        const bool ordinary =
            !overflow && (reference == 0.0 || !underflow) && grammar->exponentDigits <= 4 && number.size() <= 64;
        FUZZ_CHECK(!ordinary, context + ", strtod " + show(reference));
    }
}

std::u16string_view trimLeft(std::u16string_view s) {
    while (!s.empty() && s.front() == u' ') s.remove_prefix(1);
    return s;
}

std::u16string_view trimRight(std::u16string_view s) {
    while (!s.empty() && s.back() == u' ') s.remove_suffix(1);
    return s;
}

bool sameReading(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() && (!a || sameBits(*a, *b));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::u16string text = fuzz::decodeText({reinterpret_cast<const char*>(data), size});

    const auto period = readPeriodDecimal(text);
    checkAgainstStrtod(text, trimLeft(text), u'.', period, "readPeriodDecimal");

    for (const char16_t separator : {u'.', u','}) {
        const auto locale = readLocaleDecimal(text, separator);
        checkAgainstStrtod(text, trimRight(trimLeft(text)), separator, locale,
                           separator == u'.' ? "readLocaleDecimal(.)" : "readLocaleDecimal(,)");
        std::u16string periodText(trimRight(text));
        for (char16_t& c : periodText) {
            if (c == separator) c = u'.';
        }
        const auto viaPeriod = readPeriodDecimal(periodText);
        FUZZ_CHECK(sameReading(locale, viaPeriod), "readLocaleDecimal of " + show(text) + " gave " +
                                                       showOptional(locale) + ", the period reader " +
                                                       showOptional(viaPeriod));
    }
    return 0;
}
