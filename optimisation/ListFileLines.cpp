// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ListFileLines.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include "engine/NumberFormat.h"
#include "engine/NumberReading.h"
#include "reports/OptimisationTable.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

// Cached layouts per value are kept only for lists of ordinary size.
constexpr std::size_t kMaxCachedValues = 1 << 16;
constexpr std::size_t kMaxCachedPairs = 1 << 18;
constexpr std::size_t kCoefficientSlots = 1024;

// text right-aligned in width display columns, then pad blanks.
void appendRight(std::u16string& out, std::u16string_view text, int width, int pad) {
    const int fill = width - DisplayWidth(text);
    if (fill > 0) out.append(static_cast<std::size_t>(fill), u' ');
    out += text;
    if (pad > 0) out.append(static_cast<std::size_t>(pad), u' ');
}

std::u16string rightField(std::u16string_view text, int width, int pad) {
    std::u16string out;
    appendRight(out, text, width, pad);
    return out;
}

std::u16string centreField(std::u16string_view text) { return AlignCentre(text, u" ", 8) + Blanks(2); }

// FormatFixed(value, 7, decimals) for 1 <= |value| < 2^53, step by step as it works:
// the value's decimal expansion to 18 significant digits, correctly rounded (ties to
// even, as to_chars does), then rounded half up at the 7th significant digit or the
// decimals-th decimal, whichever comes first. A double is m * 2^q with an integer m of
// 53 bits, so its integer part and its binary fraction are exact 64-bit integers, and
// each decimal of the fraction comes out of one exact multiplication by 10.
// Returns false (nothing appended) for the values it does not cover.
bool appendFixed7(std::u16string& out, double value, int decimals) {
    constexpr int kPrecision = 7;
    constexpr int kExpansion = 18;
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1.0 && magnitude < 9007199254740992.0) || decimals < 0 || decimals > 8) return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int exponent2 = static_cast<int>((bits >> 52) & 0x7FF) - 1075;  // magnitude = m * 2^exponent2
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int fractionBits = -exponent2;  // 0 .. 52 in this range
    const std::uint64_t mask = (std::uint64_t(1) << fractionBits) - 1;
    const std::uint64_t integer = m >> fractionBits;
    std::uint64_t fraction = m & mask;

    char digits[kExpansion + 1];
    int intDigits = 0;
    {
        char reversed[20];
        for (std::uint64_t t = integer; t > 0; t /= 10) reversed[intDigits++] = static_cast<char>('0' + t % 10);
        for (int i = 0; i < intDigits; ++i) digits[i] = reversed[intDigits - 1 - i];
    }
    for (int i = intDigits; i < kExpansion; ++i) {
        fraction *= 10;  // < 10 * 2^52: no overflow
        digits[i] = static_cast<char>('0' + (fraction >> fractionBits));
        fraction &= mask;
    }
    int point = intDigits;  // digits before the decimal point
    const auto carryFrom = [&](int last) {
        int i = last;
        while (i >= 0 && digits[i] == '9') digits[i--] = '0';
        if (i >= 0) {
            ++digits[i];
            return;
        }
        digits[0] = '1';  // all nines: 10^point, one digit more before the point
        ++point;
    };
    if (fractionBits > 0) {
        const std::uint64_t half = std::uint64_t(1) << (fractionBits - 1);
        const bool odd = (digits[kExpansion - 1] - '0') % 2 == 1;
        if (fraction > half || (fraction == half && odd)) carryFrom(kExpansion - 1);
    }
    // The shown rounding: half up on the first dropped digit.
    const int keep = std::min(kPrecision, point + decimals);
    const bool up = digits[keep] >= '5';
    for (int i = keep; i < kExpansion; ++i) digits[i] = '0';
    if (up) carryFrom(keep - 1);
    if (point > kPrecision) return false;  // scientific form: left to FormatFixed

    if (value < 0.0) out += u'-';
    for (int i = 0; i < point; ++i) out += static_cast<char16_t>(i < keep ? digits[i] : '0');
    if (decimals > 0) out += u'.';
    for (int k = 0; k < decimals; ++k) {
        const int i = point + k;
        out += static_cast<char16_t>(i < keep ? digits[i] : '0');
    }
    return true;
}

// The value of a force text as readLocaleDecimal gives it, for the plain texts the
// output fields show ("-12345", "3848.45"): the digits as an exact integer divided by
// the exact power of ten, which IEEE division rounds correctly, as from_chars does.
// Anything else (scientific form, too many digits) is left to readLocaleDecimal.
std::optional<double> readForce(std::u16string_view text, char16_t sep) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == u'-';
    if (negative) ++i;
    std::int64_t digits = 0;
    int count = 0;
    int decimals = -1;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c >= u'0' && c <= u'9') {
            digits = digits * 10 + (c - u'0');
            if (decimals >= 0) ++decimals;
            if (++count > 15) return readLocaleDecimal(text, sep);
        } else if (c == sep && decimals < 0) {
            decimals = 0;
        } else {
            return readLocaleDecimal(text, sep);
        }
    }
    if (count == 0) return readLocaleDecimal(text, sep);
    constexpr double kPowers[] = {1.0, 10.0, 100.0, 1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8, 1e9,  1e10,  1e11, 1e12, 1e13, 1e14, 1e15};
    const double value = static_cast<double>(digits) / kPowers[decimals < 0 ? 0 : decimals];
    return negative ? -value : value;
}

// A share as the list shows it: from the two shown texts, so it carries their rounding.
// FormatFixed(x, 15, 0) of a share between 0 and 10^6 is x rounded half away from zero:
// the ties (k + 0.5) are exact doubles, and every other double lies further from a tie
// than the 18-digit expansion can blur, so rounding the expansion and rounding the
// value agree. Other values go through FormatFixed itself.
void appendShare(std::u16string& out, const std::u16string& part, const std::u16string& total, char16_t sep) {
    const auto p = readForce(part, sep);
    const auto t = readForce(total, sep);
    if (!p || !t || *t == 0.0) {
        appendRight(out, u"", 6, 4);
        return;
    }
    const double x = *p / *t * 100.0;
    if (!(x >= 0.0 && x < 1e6)) {
        appendRight(out, FormatFixed(x, 15, 0, sep) + u"%", 6, 4);
        return;
    }
    char16_t text[12];
    std::size_t n = 0;
    auto whole = static_cast<std::uint32_t>(std::round(x));
    do {
        text[n++] = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    const int fill = 6 - static_cast<int>(n + 1);
    if (fill > 0) out.append(static_cast<std::size_t>(fill), u' ');
    while (n > 0) out += text[--n];
    out += u"%    ";
}

// Fields laid out on first use, by position in a value list.
class FieldCache {
  public:
    FieldCache(std::size_t size, std::size_t limit) : m_fields(size <= limit ? size : 0) {}
    template <class Make>
    const std::u16string& get(std::size_t index, Make&& make) {
        if (index >= m_fields.size()) {
            m_uncached = make();
            return m_uncached;
        }
        std::optional<std::u16string>& field = m_fields[index];
        if (!field) field = make();
        return *field;
    }

  private:
    std::vector<std::optional<std::u16string>> m_fields;
    std::u16string m_uncached;
};

// Coefficient fields by the value's bits: a list holds few distinct ζs and ζp.
class CoefficientCache {
  public:
    const std::u16string& get(double value, char16_t sep) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        Slot& slot = m_slots[(bits ^ (bits >> 29) ^ (bits >> 41)) % kCoefficientSlots];
        if (!slot.used || slot.bits != bits) {
            slot.used = true;
            slot.bits = bits;
            slot.field = rightField(FormatFixed(value, 7, 4, sep), 7, 3);
        }
        return slot.field;
    }

  private:
    struct Slot {
        bool used = false;
        std::uint64_t bits = 0;
        std::u16string field;
    };
    std::array<Slot, kCoefficientSlots> m_slots;
};

class ListFormatter final : public LineFormatter {
  public:
    explicit ListFormatter(const ResultListLines& source)
        : m_source(source),
          m_rows(source.rows()),
          m_ctx(*m_rows.context()),
          m_sep(m_ctx.separator()),
          m_mode(m_ctx.mode()),
          m_d(m_ctx.dValues().size(), kMaxCachedValues),
          m_hr(m_ctx.hrValues().size(), kMaxCachedValues),
          m_frk(m_ctx.frkValues().size(), kMaxCachedValues),
          m_pairs(m_ctx.dValues().size() * m_ctx.hrValues().size(), kMaxCachedPairs) {
        m_digits = formatInteger(m_rows.size() == 0 ? 1 : m_rows.size()).size();
        const BatchSettings& s = m_ctx.settings();
        m_shape = centreField(u"圆  桩");
        m_weatheredReduction =
            centreField(s.weathered ? u"是" : u"否") + centreField(s.weathered ? s.reduction : u"1.00");
        m_gammaCR = centreField(s.gammaCR);
    }

    void appendLine(std::size_t k, std::u16string& out) override {
        const std::size_t head = m_source.head().size();
        if (k < head) {
            out += m_source.head()[k];
        } else if (k - head < m_rows.size()) {
            appendRow(k - head, out);
        } else {
            out += m_source.footer()[k - head - m_rows.size()];
        }
    }

  private:
    void appendNumber(std::size_t i, std::u16string& out) const {
        char16_t digits[24];
        std::size_t n = 0;
        for (std::size_t v = i; v > 0 || n == 0; v /= 10) digits[n++] = static_cast<char16_t>(u'0' + v % 10);
        const std::size_t shown = std::max(n, m_digits);
        const std::size_t width = 3 + shown;  // "ZH-" and the zero-filled number
        const std::size_t fill = width < 8 ? 8 - width : 0;
        out += u' ';
        out.append(fill - fill / 2, u' ');  // the odd blank goes to the left
        out += u"ZH-";
        out.append(shown - n, u'0');
        while (n > 0) out += digits[--n];
        out.append(fill / 2 + 2, u' ');
    }

    void appendRow(std::size_t index, std::u16string& out) {
        const ResultRow& r = m_rows.row(index);
        const CombinationIndexes at = m_ctx.indexesOf(r.number - 1);
        appendNumber(index + 1, out);
        out += m_shape;
        out += m_d.get(at.d, [&] { return rightField(m_ctx.dText(at.d), 6, 4); });
        out += m_hr.get(at.hr, [&] { return rightField(m_ctx.hrText(at.hr), 6, 4); });
        out += m_frk.get(at.frk, [&] { return rightField(m_ctx.frkText(at.frk), 6, 4); });
        out += m_weatheredReduction;
        out += m_pairs.get(at.d * m_ctx.hrValues().size() + at.hr,
                           [&] { return rightField(FormatFixed(m_ctx.hrPerD(at), 15, 2, m_sep), 6, 4); });
        std::u16string& Qcs = m_force[0];
        std::u16string& Qcp = m_force[1];
        std::u16string& Qck = m_force[2];
        std::u16string& Qcd = m_force[3];
        for (std::u16string& text : m_force) text.clear();
        appendForce(Qcs, r.Qcs, m_mode, m_sep);
        appendForce(Qcp, r.Qcp, m_mode, m_sep);
        appendForce(Qck, r.Qck, m_mode, m_sep);
        appendForce(Qcd, r.Qcd, m_mode, m_sep);
        out += m_coefficients.get(r.zetaS, m_sep);
        appendRight(out, Qcs, 7, 3);
        appendShare(out, Qcs, Qck, m_sep);
        out += m_coefficients.get(r.zetaP, m_sep);
        appendRight(out, Qcp, 7, 3);
        appendShare(out, Qcp, Qck, m_sep);
        appendRight(out, Qck, 7, 3);
        out += m_gammaCR;
        appendRight(out, Qcd, 7, 2);
    }

    const ResultListLines& m_source;
    const ResultList& m_rows;
    const RunContext& m_ctx;
    char16_t m_sep;
    PrecisionMode m_mode;
    std::size_t m_digits = 1;
    std::u16string m_shape;
    std::u16string m_weatheredReduction;
    std::u16string m_gammaCR;
    FieldCache m_d;
    FieldCache m_hr;
    FieldCache m_frk;
    FieldCache m_pairs;
    CoefficientCache m_coefficients;
    std::array<std::u16string, 4> m_force;  // Qcs, Qcp, Qck, Qcd of the row, reused
};

}  // namespace

void appendForce(std::u16string& out, double kN, PrecisionMode mode, char16_t decimalSeparator) {
    const std::size_t at = out.size();
    if (appendFixed7(out, coarsenForce(kN, mode), decimalsOf(mode))) {
        if (decimalsOf(mode) > 0) out[out.size() - static_cast<std::size_t>(decimalsOf(mode)) - 1] = decimalSeparator;
        return;
    }
    out.resize(at);
    out += formatForce(kN, mode, decimalSeparator);
}

ResultListLines::ResultListLines(const ResultList& rows, std::u16string_view titleWord, Lines footer)
    : m_rows(rows), m_head(optimisationTableHead(titleWord)), m_footer(std::move(footer)) {}

std::unique_ptr<LineFormatter> ResultListLines::formatter() const {
    return std::make_unique<ListFormatter>(*this);
}

}  // namespace pilecalc
