// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

TEST(DisplayWidth, countsIdeographRangeAsTwoColumns) {
    EXPECT_EQ(DisplayWidth(u""), 0);
    EXPECT_EQ(DisplayWidth(u"ζs"), 2);
    EXPECT_EQ(DisplayWidth(u"计算时间："), 9);
    EXPECT_EQ(DisplayWidth(u"《港口工程桩基规范》"), 20);
    EXPECT_EQ(DisplayWidth(std::u16string(1, char16_t{0x0FFF})), 1);
    EXPECT_EQ(DisplayWidth(std::u16string(1, char16_t{0x1000})), 2);
    EXPECT_EQ(DisplayWidth(std::u16string(1, char16_t{0x9FA5})), 2);
    EXPECT_EQ(DisplayWidth(std::u16string(1, char16_t{0x9FA6})), 1);
    EXPECT_EQ(DisplayWidth(u"\U0001F600"), 2);  // a surrogate pair: two units, neither in range
    EXPECT_EQ(DisplayWidth(u"▲"), 2);
}

struct AlignCase {
    const char* name;
    std::u16string result;
    std::u16string expected;
};

void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class Aligning : public ::testing::TestWithParam<AlignCase> {};

TEST_P(Aligning, padsWithTheFillAndNeverCuts) { EXPECT_EQ(GetParam().result, GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, Aligning,
    ::testing::Values(AlignCase{"right_number", AlignRight(u"1000", u" ", 6), u"  1000"},
                      AlignCase{"left_pile_number", AlignLeft(u"ZH12", u" ", 6), u"ZH12  "},
                      AlignCase{"centre_even", AlignCentre(u"圆  桩", u" ", 8), u" 圆  桩 "},
                      AlignCase{"centre_one_ideograph", AlignCentre(u"是", u" ", 8), u"   是   "},
                      AlignCase{"centre_odd_extra_goes_left", AlignCentre(u"28%", u" ", 8), u"   28%  "},
                      AlignCase{"right_two_ideographs", AlignRight(u"软岩", u" ", 12), u"        软岩"},
                      AlignCase{"right_three_ideographs", AlignRight(u"极软岩", u" ", 12), u"      极软岩"},
                      AlignCase{"zero_fill", AlignRight(u"7", u"0", 3), u"007"},
                      AlignCase{"wider_than_field_unchanged", AlignRight(u"12000.5", u" ", 6), u"12000.5"},
                      AlignCase{"exact_width_unchanged", AlignCentre(u"ZH1234", u" ", 6), u"ZH1234"},
                      AlignCase{"empty_text_gives_fill", AlignLeft(u"", u" ", 4), u"    "},
                      AlignCase{"sort_mark_counts_two", AlignRight(u"d(mm)▲", u" ", 8), u" d(mm)▲"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Blanks, nonPositiveCountIsEmpty) {
    EXPECT_EQ(Blanks(3), u"   ");
    EXPECT_EQ(Blanks(0), u"");
    EXPECT_EQ(Blanks(-3), u"");
}

}  // namespace
}  // namespace pilecalc
