// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "engine/EditChecks.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

enum class Field { d, frk, reduction, gammaCR };

struct EditCase {
    const char* name;
    Field field;
    const char16_t* text;
    char16_t separator;
    CheckTone tone;
    const char16_t* message;
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

EditCheck run(Field field, std::u16string_view text, char16_t sep) {
    switch (field) {
        case Field::d: return checkDiameterEdit(text, sep);
        case Field::frk: return checkStrengthEdit(text, sep);
        case Field::reduction: return checkReductionEdit(text, sep);
        case Field::gammaCR: return checkGammaEdit(text, sep);
    }
    return {};
}

class EditChecks : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditChecks, giveTheToneAndMessageOfTheEditedField) {
    const EditCase& c = GetParam();
    const EditCheck check = run(c.field, c.text, c.separator);
    EXPECT_EQ(check.tone, c.tone);
    EXPECT_EQ(check.message, c.message);
}

constexpr auto kOk = CheckTone::Passed;
constexpr auto kBad = CheckTone::Failed;
constexpr auto kHint = CheckTone::Hint;

INSTANTIATE_TEST_SUITE_P(
    Table, EditChecks,
    ::testing::Values(
        EditCase{"d_positive_passes", Field::d, u"1200", u'.', kOk, u""},
        EditCase{"d_zero_fails", Field::d, u"0", u'.', kBad, u"桩身直径数据有错"},
        EditCase{"d_letters_fail", Field::d, u"abc", u'.', kBad, u"桩身直径数据有错"},
        EditCase{"d_blanks_around_pass_on_edit", Field::d, u" 1000 ", u'.', kOk, u""},
        EditCase{"d_comma_in_comma_locale", Field::d, u"1000,5", u',', kOk, u""},
        EditCase{"d_line_break_fails", Field::d, u"1000\n", u'.', kBad, u"桩身直径数据有错"},
        EditCase{"d_huge_exponent_fails", Field::d, u"1e9223372036854775807", u'.', kBad, u"桩身直径数据有错"},
        EditCase{"frk_zero_passes_on_edit", Field::frk, u"0", u'.', kOk, u""},
        EditCase{"frk_low_gives_no_hint_on_edit", Field::frk, u"5", u'.', kOk, u""},
        EditCase{"frk_negative_has_its_edit_wording", Field::frk, u"-1", u'.', kBad, u"岩石单轴抗压强度值有错"},
        EditCase{"reduction_one_passes", Field::reduction, u"1.00", u'.', kOk, u""},
        EditCase{"reduction_zero_passes", Field::reduction, u"0", u'.', kOk, u""},
        EditCase{"reduction_two_fails", Field::reduction, u"2", u'.', kBad, u"中风化岩石折减系数有错"},
        EditCase{"reduction_empty_fails", Field::reduction, u"", u'.', kBad, u"中风化岩石折减系数有错"},
        EditCase{"gamma_in_code_range_passes", Field::gammaCR, u"1.75", u'.', kOk, u""},
        EditCase{"gamma_1_699_gives_no_hint", Field::gammaCR, u"1.699", u'.', kOk, u""},
        EditCase{"gamma_1_6_hints", Field::gammaCR, u"1.6", u'.', kHint, u"提示：γcR规范值为1.7～1.8"},
        EditCase{"gamma_comma_hint", Field::gammaCR, u"1,6", u',', kHint, u"提示：γcR规范值为1.7～1.8"},
        EditCase{"gamma_one_fails", Field::gammaCR, u"1", u'.', kBad, u"嵌岩段抗力分项系数有错"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pilecalc
