// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/PileCase.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

PileInputTexts startInputs() { return PileInputTexts{u"1000", u"1.0d", u"25", u"0.70", u"1.80", true}; }

TEST(ReadPileCase, startInputsPassWithoutHints) {
    const PileReading r = readPileCase(startInputs(), u'.');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.pile.d, 1000.0);
    EXPECT_EQ(r.pile.hr, 1000.0);
    EXPECT_TRUE(r.pile.hrInDiameters);
    EXPECT_EQ(r.pile.frk, 25.0);
    EXPECT_TRUE(r.pile.weathered);
    EXPECT_EQ(r.pile.reduction, 0.70);
    EXPECT_EQ(r.pile.gammaCR, 1.80);
    EXPECT_FALSE(r.lowStrengthHint);
    EXPECT_FALSE(r.gammaHint);
}

// One field changed from the start inputs per row; the expected outcome is
// the first failing check (or none) and the two hint flags.
struct CheckCase {
    const char* name;
    PileInputTexts texts;
    PileField failedField;  // PileField::None with ok = true means success
    bool ok;
    const char16_t* message;
    bool lowStrengthHint;
    bool gammaHint;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.name; }

PileInputTexts with(void (*change)(PileInputTexts&)) {
    PileInputTexts t = startInputs();
    change(t);
    return t;
}

class Checks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(Checks, runInOrderWithExactBounds) {
    const CheckCase& c = GetParam();
    const PileReading r = readPileCase(c.texts, u'.');
    EXPECT_EQ(r.ok(), c.ok);
    if (!c.ok) {
        ASSERT_TRUE(r.failure.has_value());
        EXPECT_EQ(r.failure->field, c.failedField);
        EXPECT_EQ(r.failure->message, c.message);
    }
    EXPECT_EQ(r.lowStrengthHint, c.lowStrengthHint);
    EXPECT_EQ(r.gammaHint, c.gammaHint);
}

constexpr auto kD = PileField::d;
constexpr auto kHr = PileField::hr;
constexpr auto kFrk = PileField::frk;
constexpr auto kNone = PileField::None;
constexpr auto kRed = PileField::reduction;
constexpr auto kGam = PileField::gammaCR;
constexpr const char16_t* kOk = u"";

INSTANTIATE_TEST_SUITE_P(
    Table, Checks,
    ::testing::Values(
        CheckCase{"d_zero", with([](auto& t) { t.d = u"0"; }), kD, false, u"桩身直径数据有错", false, false},
        CheckCase{"d_empty", with([](auto& t) { t.d = u""; }), kD, false, u"桩身直径数据有错", false, false},
        CheckCase{"d_negative", with([](auto& t) { t.d = u"-1000"; }), kD, false, u"桩身直径数据有错", false, false},
        CheckCase{"d_trailing_blank", with([](auto& t) { t.d = u"1000 "; }), kD, false, u"桩身直径数据有错", false,
                  false},
        CheckCase{"d_with_comma", with([](auto& t) { t.d = u"1,000"; }), kD, false, u"桩身直径数据有错", false, false},
        CheckCase{"d_and_frk_zero_report_only_d", with([](auto& t) { t.d = u"0"; t.frk = u"0"; }), kD, false,
                  u"桩身直径数据有错", false, false},
        CheckCase{"hr_multiplier_ignores_text_after_d", with([](auto& t) { t.hr = u"1.5d2"; }), kNone, true, kOk,
                  false, false},
        CheckCase{"hr_printable_text_after_d_is_ignored", with([](auto& t) { t.hr = u"1.5d 嵌岩"; }), kNone, true,
                  kOk, false, false},
        CheckCase{"hr_pasted_line_break_after_d", with([](auto& t) { t.hr = u"1.5d\nX"; }), kHr, false,
                  u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_carriage_return_after_d", with([](auto& t) { t.hr = u"1.5d\r"; }), kHr, false,
                  u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_tab_after_d", with([](auto& t) { t.hr = u"1.5d\tX"; }), kHr, false, u"嵌岩深度数据有错",
                  false, false},
        CheckCase{"hr_nul_after_d", with([](auto& t) { t.hr = std::u16string(u"1.5d\0X", 6); }), kHr, false,
                  u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_paragraph_separator_after_d", with([](auto& t) { t.hr = u"1.5d\u2029X"; }), kHr, false,
                  u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_huge_exponent_mm_is_no_number", with([](auto& t) { t.hr = u"1e9223372036854775807"; }), kHr,
                  false, u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_huge_exponent_multiple_is_no_number",
                  with([](auto& t) { t.hr = u"1e9223372036854775807d"; }), kHr, false, u"嵌岩深度数据有错", false,
                  false},
        CheckCase{"d_huge_exponent", with([](auto& t) { t.d = u"1e9223372036854775807"; }), kD, false,
                  u"桩身直径数据有错", false, false},
        CheckCase{"d_line_break", with([](auto& t) { t.d = u"1000\n"; }), kD, false, u"桩身直径数据有错", false,
                  false},
        CheckCase{"frk_huge_exponent", with([](auto& t) { t.frk = u"1e9223372036854775807"; }), kFrk, false,
                  u"岩石单轴抗压强度有错", false, false},
        CheckCase{"reduction_huge_exponent_is_no_number",
                  with([](auto& t) { t.reduction = u"1e9223372036854775807"; }), kRed, false,
                  u"中风化岩石折减系数有错", false, false},
        CheckCase{"reduction_huge_negative_exponent_reads_zero",
                  with([](auto& t) { t.reduction = u"1e-9223372036854775808"; }), kNone, true, kOk, false, false},
        CheckCase{"gamma_huge_exponent", with([](auto& t) { t.gammaCR = u"1e9223372036854775807"; }), kGam, false,
                  u"嵌岩段抗力分项系数有错", false, false},
        CheckCase{"gamma_tab", with([](auto& t) { t.gammaCR = u"1.80\t"; }), kGam, false,
                  u"嵌岩段抗力分项系数有错", false, false},
        CheckCase{"hr_letter_d_alone", with([](auto& t) { t.hr = u"d"; }), kHr, false, u"嵌岩深度数据有错", false,
                  false},
        CheckCase{"hr_upper_case_D_is_no_marker", with([](auto& t) { t.hr = u"1.5D"; }), kHr, false,
                  u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_letters", with([](auto& t) { t.hr = u"abc"; }), kHr, false, u"嵌岩深度数据有错", false, false},
        CheckCase{"hr_negative_multiple", with([](auto& t) { t.hr = u"-1d"; }), kHr, false, u"嵌岩深度数据有错",
                  false, false},
        CheckCase{"hr_negative_mm", with([](auto& t) { t.hr = u"-500"; }), kHr, false, u"嵌岩深度数据有错", false,
                  false},
        CheckCase{"hr_zero_multiple_fails_the_ratio", with([](auto& t) { t.hr = u"0d"; }), kNone, false,
                  u"嵌岩深度小于1倍桩径", false, false},
        CheckCase{"hr_zero_mm_fails_the_ratio", with([](auto& t) { t.hr = u"0"; }), kNone, false,
                  u"嵌岩深度小于1倍桩径", false, false},
        CheckCase{"hr_ratio_exactly_one_passes", with([](auto& t) { t.hr = u"1000"; }), kNone, true, kOk, false,
                  false},
        CheckCase{"hr_ratio_0_99_fails", with([](auto& t) { t.hr = u"0.99d"; }), kNone, false,
                  u"嵌岩深度小于1倍桩径", false, false},
        CheckCase{"hr_ratio_7_5_passes", with([](auto& t) { t.hr = u"7.5d"; }), kNone, true, kOk, false, false},
        CheckCase{"hr_with_blanks_around", with([](auto& t) { t.hr = u" 1500 "; }), kNone, true, kOk, false,
                  false},
        CheckCase{"frk_zero", with([](auto& t) { t.frk = u"0"; }), kFrk, false, u"岩石单轴抗压强度有错", false,
                  false},
        CheckCase{"frk_9_9_hints", with([](auto& t) { t.frk = u"9.9"; }), kNone, true, kOk, true, false},
        CheckCase{"frk_exactly_10_no_hint", with([](auto& t) { t.frk = u"10"; }), kNone, true, kOk, false, false},
        CheckCase{"frk_hint_survives_a_later_failure", with([](auto& t) { t.frk = u"5"; t.gammaCR = u"1"; }),
                  kGam, false, u"嵌岩段抗力分项系数有错", true, false},
        CheckCase{"reduction_zero_passes", with([](auto& t) { t.reduction = u"0"; }), kNone, true, kOk, false,
                  false},
        CheckCase{"reduction_one_passes", with([](auto& t) { t.reduction = u"1"; }), kNone, true, kOk, false, false},
        CheckCase{"reduction_above_one", with([](auto& t) { t.reduction = u"1.01"; }), kRed, false,
                  u"中风化岩石折减系数有错", false, false},
        CheckCase{"reduction_empty", with([](auto& t) { t.reduction = u""; }), kRed, false,
                  u"中风化岩石折减系数有错", false, false},
        CheckCase{"reduction_not_read_when_not_weathered",
                  with([](auto& t) { t.reduction = u"abc"; t.weathered = false; }), kNone, true, kOk, false, false},
        CheckCase{"gamma_one_fails", with([](auto& t) { t.gammaCR = u"1"; }), kGam, false, u"嵌岩段抗力分项系数有错",
                  false, false},
        CheckCase{"gamma_empty_fails", with([](auto& t) { t.gammaCR = u""; }), kGam, false,
                  u"嵌岩段抗力分项系数有错", false, false},
        CheckCase{"gamma_1_01_hints", with([](auto& t) { t.gammaCR = u"1.01"; }), kNone, true, kOk, false, true},
        CheckCase{"gamma_1_69_hints", with([](auto& t) { t.gammaCR = u"1.69"; }), kNone, true, kOk, false, true},
        CheckCase{"gamma_1_699_no_hint", with([](auto& t) { t.gammaCR = u"1.699"; }), kNone, true, kOk, false,
                  false},
        CheckCase{"gamma_1_70_no_hint", with([](auto& t) { t.gammaCR = u"1.70"; }), kNone, true, kOk, false,
                  false},
        CheckCase{"gamma_3_no_upper_bound", with([](auto& t) { t.gammaCR = u"3"; }), kNone, true, kOk, false,
                  false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadPileCase, depthNotationsGiveTheSameDepth) {
    PileInputTexts multiple = startInputs();
    multiple.hr = u"1.5d";
    PileInputTexts mm = startInputs();
    mm.hr = u"1500";
    const PileReading a = readPileCase(multiple, u'.');
    const PileReading b = readPileCase(mm, u'.');
    ASSERT_TRUE(a.ok() && b.ok());
    EXPECT_EQ(a.pile.hr, 1500.0);
    EXPECT_TRUE(a.pile.hrInDiameters);
    EXPECT_EQ(b.pile.hr, 1500.0);
    EXPECT_FALSE(b.pile.hrInDiameters);
}

TEST(ReadPileCase, notWeatheredReadsAReductionOfOne) {
    PileInputTexts t = startInputs();
    t.weathered = false;
    const PileReading r = readPileCase(t, u'.');
    ASSERT_TRUE(r.ok());
    EXPECT_FALSE(r.pile.weathered);
    EXPECT_EQ(r.pile.reduction, 1.0);
}

TEST(ReadPileCase, commaLocaleStillComputesTheProgramsOwnTexts) {
    // The start texts and list items carry a period; the depth is read with
    // the locale's comma or a period, the other fields with a period only.
    PileReading r = readPileCase(startInputs(), u',');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.pile.hr, 1000.0);

    PileInputTexts t = startInputs();
    t.hr = u"1,5d";
    r = readPileCase(t, u',');
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.pile.hr, 1500.0);

    t = startInputs();
    t.frk = u"25,5";
    r = readPileCase(t, u',');
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.failure->field, PileField::frk);
}

}  // namespace
}  // namespace pilecalc
