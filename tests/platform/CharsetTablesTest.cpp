// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <string>

#include "platform/IconvDecode.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {
namespace {

// The Chinese sets must give the C library's bytes, character for character,
// whatever converter Qt brings: files written before and after read the same.
struct TableCase {
    const char* name;
    QByteArray codeset;
    QString text;
    QByteArray bytes;
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class CharsetTables : public ::testing::TestWithParam<TableCase> {};

TEST_P(CharsetTables, matchTheCLibrary) {
    const auto& c = GetParam();
    const ResultEncoder encoder(c.codeset, ResultFileKind::Memo);
    ASSERT_FALSE(encoder.writesUtf8());
    EXPECT_EQ(encoder.encode(c.text).toHex(' '), c.bytes.toHex(' '));
}

INSTANTIATE_TEST_SUITE_P(
    Sets, CharsetTables,
    ::testing::Values(
        TableCase{"gb2312_ideographs", "GB2312", QStringLiteral("嵌岩桩"), "\xC7\xB6\xD1\xD2\xD7\xAE"},
        TableCase{"gb2312_katakana_middle_dot_is_its_dot", "GB2312", QStringLiteral("\u30FB"), "\xA1\xA4"},
        TableCase{"gb2312_horizontal_bar_is_its_dash", "GB2312", QStringLiteral("\u2015"), "\xA1\xAA"},
        TableCase{"gb2312_lacks_latin_middle_dot_and_em_dash", "GB2312", QStringLiteral("a\u00B7\u2014b"), "a??b"},
        TableCase{"gb2312_lacks_gbk_roman_numerals", "GB2312", QStringLiteral("\u2170\u2179"), "??"},
        TableCase{"gb2312_lacks_gbk_vertical_forms", "GB2312", QStringLiteral("\uFE35"), "?"},
        TableCase{"gb2312_lacks_gbk_extension_rows", "GB2312", QStringLiteral("\u4E02"), "?"},
        TableCase{"euc_cn_is_gb2312", "EUC-CN", QStringLiteral("\u30FB桩"), "\xA1\xA4\xD7\xAE"},
        TableCase{"gbk_middle_dot_and_em_dash", "GBK", QStringLiteral("\u00B7\u2014"), "\xA1\xA4\xA1\xAA"},
        TableCase{"gbk_lacks_private_use", "GBK", QStringLiteral("x\uE000y"), "x?y"},
        TableCase{"gbk_lacks_c1_controls", "GBK", QStringLiteral("x\u0080y"), "x?y"},
        TableCase{"gbk_drops_language_tags", "GBK", QStringLiteral("x\U000E0041y"), "xy"},
        TableCase{"gb18030_2005_vertical_comma", "GB18030", QStringLiteral("\uFE10"), "\xA6\xD9"},
        TableCase{"gb18030_2005_moved_ideograph", "GB18030", QStringLiteral("\u9FB4"), "\xFE\x59"},
        TableCase{"gb18030_2005_moved_supplementary_ideograph", "GB18030", QStringLiteral("\U00020087"), "\xFE\x51"},
        TableCase{"gb18030_lacks_vacated_private_use", "GB18030", QStringLiteral("\uE78D"), "?"},
        TableCase{"gb18030_keeps_language_tags", "GB18030", QStringLiteral("\U000E0041"), "\xD3\x36\x9C\x33"},
        TableCase{"gb18030_four_byte_latin_capital", "GB18030", QStringLiteral("\u00C0"), "\x81\x30\x86\x38"}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole text goes in one piece when nothing needs a rule, and character by
// character when something does; both must give the same bytes.
TEST(CharsetTables, oneRuleInALongTextChangesOnlyItsCharacter) {
    const QString line = QStringLiteral("ZH1 嵌岩桩 ζs=0.0490 《港口工程桩基规范》");
    const ResultEncoder gb2312("GB2312", ResultFileKind::Memo);
    const QByteArray plain = gb2312.encode(line);
    EXPECT_EQ(test::decodeWithIconv(plain, "GB2312"), line);
    EXPECT_EQ(gb2312.encode(line + QStringLiteral("\u00B7") + line), plain + "?" + plain);
}

// A set that does not write the figures as ASCII bytes would garble them.
TEST(CharsetTables, setsThatRewriteAsciiFallBackToUtf8) {
    for (const char* codeset : {"UTF-16", "UTF-32LE", "IBM037"}) {
        EXPECT_TRUE(ResultEncoder(codeset, ResultFileKind::OptimisationTable).writesUtf8()) << codeset;
    }
}

}  // namespace
}  // namespace pilecalc::platform
