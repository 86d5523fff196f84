// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "reports/SheetTable.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

// A report text becomes a number only when the number's format shows the very same
// text again; everything else stays the text it is.
TEST(SheetTable, aCellIsANumberOnlyWhenItsFormatShowsTheSameText) {
    struct Case {
        const char* name;
        std::u16string shown;
        char16_t sep;
        SheetCell::Kind kind;
        double value;
        std::string format;
    };
    using K = SheetCell::Kind;
    const Case cases[] = {
        {"wholeForce", u"  13744 ", u'.', K::Number, 13744, "0"},
        {"twoDecimals", u"1234.50", u'.', K::Number, 1234.5, "0.00"},
        {"oneDecimalWithComma", u"27609,9", u',', K::Number, 27609.9, "0.0"},
        {"zero", u"0", u'.', K::Number, 0, "0"},
        {"coefficient", u"0.0490", u'.', K::Number, 0.049, "0.0000"},
        {"negative", u"-12.5", u'.', K::Number, -12.5, "0.0"},
        {"shareWhole", u"28%", u'.', K::Number, 28, "0\"%\""},
        {"shareDecimals", u"67.70%", u'.', K::Number, 67.7, "0.00\"%\""},
        {"depthInDiameters", u"1.5d", u'.', K::Text, 0, ""},
        {"yes", u"是", u'.', K::Text, 0, ""},
        {"sectionKeepsInnerBlanks", u" 圆  桩 ", u'.', K::Text, 0, ""},
        {"leadingZeroWouldBeLost", u"01000", u'.', K::Text, 0, ""},
        {"negativeZeroWouldLoseItsSign", u"-0.00", u'.', K::Text, 0, ""},
        {"scientific", u"1.2E+12", u'.', K::Text, 0, ""},
        {"otherSeparator", u"12.5", u',', K::Text, 0, ""},
        {"pointWithoutDecimals", u"12.", u'.', K::Text, 0, ""},
        {"tooManyDigitsToComeBack", u"1234567890.1234567", u'.', K::Text, 0, ""},
        {"pileName", u"ZH-01", u'.', K::Text, 0, ""},
        {"blank", u"   ", u'.', K::Empty, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SheetCell cell = sheetCell(c.shown, c.sep);
        EXPECT_EQ(cell.kind, c.kind);
        if (c.kind == K::Number) {
            EXPECT_EQ(cell.value, c.value);
            EXPECT_EQ(cell.format, c.format);
        }
        // The cell keeps the text without its outer blanks.
        const auto first = c.shown.find_first_not_of(u' ');
        const std::u16string trimmed =
            first == std::u16string::npos ? std::u16string() : c.shown.substr(first, c.shown.find_last_not_of(u' ') - first + 1);
        EXPECT_EQ(test::toUtf8(cell.text), test::toUtf8(trimmed));
    }
}

TEST(SheetTable, footerNotesLeaveOutTheRules) {
    const Lines footer = {std::u16string(170, u'-'), u" 注: 采用《港口工程桩基规范》(JTS 167-4-2012)公式计算",
                          std::u16string(170, u'='), u"计算时间：2025/3/14 9:26:53"};
    EXPECT_EQ(footerNotes(footer), (Lines{u"注: 采用《港口工程桩基规范》(JTS 167-4-2012)公式计算", u"计算时间：2025/3/14 9:26:53"}));
}

}  // namespace
}  // namespace pilecalc
