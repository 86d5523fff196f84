// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/NumberFormat.h"
#include "engine/PileResult.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

struct FixedCase {
    const char* name;
    double value;
    int precision;
    int decimals;
    const char16_t* expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const FixedCase& c, std::ostream* os) { *os << c.name; }

class FormatFixedTable : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedTable, roundsTheEighteenDigitExpansion) {
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixed(c.value, c.precision, c.decimals, u'.'), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatFixedTable,
    ::testing::Values(
        FixedCase{"exact_half_rounds_away_from_zero", 12.125, 7, 2, u"12.13"},
        FixedCase{"negative_half_rounds_away_from_zero", -12.125, 7, 2, u"-12.13"},
        FixedCase{"binary_value_below_the_half_rounds_down", 2.675, 7, 2, u"2.67"},
        FixedCase{"just_below_a_half_rounds_down", 1.0049999999999999, 7, 2, u"1.00"},
        FixedCase{"seventh_significant_digit_limits_decimals", 184725.63, 7, 2, u"184725.60"},
        FixedCase{"one_decimal_past_seven_digits", 1847256.3, 7, 1, u"1847256.0"},
        FixedCase{"rounding_at_the_seventh_digit_carries", 439822.97, 7, 2, u"439823.00"},
        FixedCase{"whole_units", 7635.8152, 7, 0, u"7636"},
        FixedCase{"half_unit_goes_up", 0.5, 7, 0, u"1"},
        FixedCase{"below_half_unit_is_zero", 0.49, 7, 0, u"0"},
        FixedCase{"small_value_gets_leading_zeros", 0.049, 7, 4, u"0.0490"},
        FixedCase{"tiny_value_rounds_to_zero", 0.0004, 7, 2, u"0.00"},
        FixedCase{"tiny_negative_loses_its_sign", -0.0004, 7, 2, u"0.00"},
        FixedCase{"zero_with_decimals", 0.0, 7, 2, u"0.00"},
        FixedCase{"zero_without_decimals", 0.0, 7, 0, u"0"},
        FixedCase{"carry_adds_an_integer_digit", 9.996, 7, 2, u"10.00"},
        FixedCase{"precision_five_four_decimals", 0.0945, 5, 4, u"0.0945"},
        FixedCase{"precision_six_two_decimals", 25.0, 6, 2, u"25.00"},
        FixedCase{"ten_million_is_scientific_at_seven", 12345678.9, 7, 2, u"1.234568E7"},
        FixedCase{"carry_past_the_precision_turns_scientific", 9999999.6, 7, 0, u"1E7"},
        FixedCase{"million_at_precision_six_is_scientific", 1234567.0, 6, 0, u"1.23457E6"},
        FixedCase{"exactly_precision_digits_stays_fixed", 999999.4, 6, 0, u"999999"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormatFixed, usesTheGivenDecimalSeparatorAndNoGrouping) {
    EXPECT_EQ(FormatFixed(13744.468, 7, 2, u','), u"13744,47");
    EXPECT_EQ(FormatFixed(1.5, 7, 0, u','), u"2");
    EXPECT_EQ(FormatFixed(12345678.9, 7, 2, u','), u"1,234568E7");
}

TEST(FormatFixed, neverWritesNotANumberOrInfinity) {
    for (double v : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
                     -std::numeric_limits<double>::infinity()}) {
        const std::u16string text = FormatFixed(v, 7, 2, u'.');
        EXPECT_EQ(text.find(u'n'), std::u16string::npos);
        EXPECT_EQ(text.find(u'i'), std::u16string::npos);
        EXPECT_TRUE(formatGeneral(v, u'.').empty());
    }
}

// The default pile of the worked example in every display mode.
struct ModeRow {
    PrecisionMode mode;
    const char16_t* Qcs;
    const char16_t* Qcp;
    const char16_t* Qck;
    const char16_t* Qcd;
    const char16_t* share;  // sideShare with the mode's decimals
};

TEST(FormatForce, defaultPileInTheFivePrecisionModes) {
    PileCase p;
    p.d = 1000;
    p.hr = 1000;
    p.frk = 25;
    p.weathered = true;
    p.reduction = 0.70;
    p.gammaCR = 1.80;
    const PileResult r = computePile(p);
    const ModeRow rows[] = {
        {PrecisionMode::TwoDecimals, u"3848.45", u"9896.02", u"13744.47", u"7635.82", u"28.00"},
        {PrecisionMode::OneDecimal, u"3848.5", u"9896.0", u"13744.5", u"7635.8", u"28.0"},
        {PrecisionMode::WholeUnits, u"3848", u"9896", u"13744", u"7636", u"28"},
        {PrecisionMode::TruncateTens, u"3840", u"9890", u"13740", u"7630", u"28"},
        {PrecisionMode::TruncateHundreds, u"3800", u"9800", u"13700", u"7600", u"28"},
    };
    for (const ModeRow& row : rows) {
        SCOPED_TRACE(static_cast<int>(row.mode));
        EXPECT_EQ(formatForce(r.Qcs, row.mode, u'.'), row.Qcs);
        EXPECT_EQ(formatForce(r.Qcp, row.mode, u'.'), row.Qcp);
        EXPECT_EQ(formatForce(r.Qck, row.mode, u'.'), row.Qck);
        EXPECT_EQ(formatForce(r.Qcd, row.mode, u'.'), row.Qcd);
        EXPECT_EQ(FormatFixed(r.sideShare, 7, decimalsOf(row.mode), u'.'), row.share);
        EXPECT_EQ(FormatFixed(r.zetaS, 7, 4, u'.'), u"0.0490");
        EXPECT_EQ(FormatFixed(r.zetaP, 7, 4, u'.'), u"0.5040");
    }
}

TEST(FormatForce, truncationCutsEachValueOnItsOwn) {
    EXPECT_EQ(formatForce(7699.9, PrecisionMode::TruncateHundreds, u'.'), u"7600");
    EXPECT_EQ(formatForce(42750.79, PrecisionMode::TruncateHundreds, u'.'), u"42700");
    EXPECT_EQ(formatForce(20357.52, PrecisionMode::TruncateHundreds, u'.'), u"20300");
    EXPECT_EQ(formatForce(63108.31, PrecisionMode::TruncateHundreds, u'.'), u"63100");
    EXPECT_EQ(formatForce(7635.82, PrecisionMode::WholeUnits, u'.'), u"7636");
    EXPECT_EQ(formatForce(7635.82, PrecisionMode::TruncateTens, u'.'), u"7630");
    EXPECT_EQ(formatForce(99.9, PrecisionMode::TruncateHundreds, u'.'), u"0");
}

struct GeneralCase {
    double value;
    const char16_t* expected;
};

TEST(FormatGeneral, shortestTextWithFifteenSignificantDigits) {
    const GeneralCase cases[] = {
        {1000, u"1000"},
        {2.5, u"2.5"},
        {100.0 / 27.0, u"3.7037037037037"},
        {1.35, u"1.35"},
        {1.0 + 0.35 + 0.35, u"1.7"},
        {0.1 + 0.2, u"0.3"},
        {27, u"27"},
        {100, u"100"},
        {0, u"0"},
        {-1500, u"-1500"},
        {0.00001, u"0.00001"},
        {0.000001, u"1E-6"},
        {1e15, u"1E15"},
        {999999999999999.0, u"999999999999999"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatGeneral(c.value, u'.'), c.expected) << c.value;
    EXPECT_EQ(formatGeneral(2.5, u','), u"2,5");
}

TEST(ShareLabel, captionWithTheModesDecimalsOrPlainWithoutAShare) {
    EXPECT_EQ(shareLabel(kSideShareCaption, 28.0, true, PrecisionMode::WholeUnits, u'.'), u"侧阻力Qcs(kN) [ 28% ]");
    EXPECT_EQ(shareLabel(kEndShareCaption, 72.0, true, PrecisionMode::TwoDecimals, u','), u"端阻力Qcp(kN) [ 72,00% ]");
    // Shares are never cut to tens, whatever the mode does to the forces.
    EXPECT_EQ(shareLabel(kEndShareCaption, 67.74, true, PrecisionMode::TruncateHundreds, u'.'),
              u"端阻力Qcp(kN) [ 68% ]");
    EXPECT_EQ(shareLabel(kSideShareCaption, 0.0, false, PrecisionMode::OneDecimal, u'.'), u"侧阻力Qcs(kN)");
}

}  // namespace
}  // namespace pilecalc
