// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/windows/AnsiCodePage.h"

namespace pilecalc::platform::windows {
namespace {

// Bytes as spaced hex pairs, so a failure shows which byte differs.
std::string hex(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (!out.empty()) out += ' ';
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// The check runs the suite in a locale whose code page it names; a suite that
// silently ran in the wrong code page would test nothing of the other.
TEST(AnsiCodePage, isTheOneTheCheckAsksFor) {
    const char* expected = std::getenv("PILECALC_EXPECT_ACP");
    if (!expected) GTEST_SKIP() << "PILECALC_EXPECT_ACP not set; code page " << ansiCodePage();
    EXPECT_EQ(ansiCodePage(), static_cast<unsigned>(std::strtoul(expected, nullptr, 10)));
}

struct AnsiCase {
    const char* name;
    unsigned codePage;
    std::u16string text;
    std::string bytes;
    bool exact;
};

void PrintTo(const AnsiCase& c, std::ostream* os) { *os << c.name; }

class AnsiConversion : public ::testing::TestWithParam<AnsiCase> {};

TEST_P(AnsiConversion, givesTheFileBytes) {
    const auto& c = GetParam();
    if (ansiCodePage() != c.codePage) GTEST_SKIP() << "runs in code page " << c.codePage;
    const AnsiText out = toAnsiCodePage(c.text);
    EXPECT_EQ(hex(out.bytes), hex(c.bytes));
    EXPECT_EQ(out.exact, c.exact);
}

INSTANTIATE_TEST_SUITE_P(
    CodePages, AnsiConversion,
    ::testing::Values(AnsiCase{"cp936_ideographs", 936, u"嵌岩桩", "\xC7\xB6\xD1\xD2\xD7\xAE", true},
                      AnsiCase{"cp936_full_width_colon_and_brackets", 936, u"：《》", "\xA3\xBA\xA1\xB6\xA1\xB7", true},
                      AnsiCase{"cp936_greek_letters", 936, u"ζγ", "\xA6\xC6\xA6\xC3", true},
                      AnsiCase{"cp936_report_line", 936, u"ZH1 Qcd=7636kN\r\n", "ZH1 Qcd=7636kN\r\n", true},
                      AnsiCase{"cp936_lacks_hangul_default_character", 936, u"a한b", "a?b", false},
                      AnsiCase{"cp936_lone_surrogate_default_character", 936,
                               std::u16string{u'x', char16_t{0xD800}, u'y'}, "x?y", false},
                      AnsiCase{"cp1252_chinese_becomes_default_characters", 1252, u"嵌岩桩", "???", false},
                      AnsiCase{"cp1252_western_letters_exact", 1252, u"é°ß", "\xE9\xB0\xDF", true},
                      AnsiCase{"cp1252_report_line", 1252, u"ZH1 Qcd=7636kN\r\n", "ZH1 Qcd=7636kN\r\n", true},
                      AnsiCase{"cp936_empty_text", 936, u"", "", true},
                      AnsiCase{"cp1252_empty_text", 1252, u"", "", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AnsiConversion, longTextKeepsEveryByte) {
    std::u16string text;
    for (int i = 0; i < 5000; ++i) text += u"嵌岩桩a";
    const AnsiText out = toAnsiCodePage(text);
    if (ansiCodePage() == 936) {
        ASSERT_EQ(out.bytes.size(), 5000u * 7);
        EXPECT_EQ(out.bytes.substr(7 * 4999),
                  "\xC7\xB6\xD1\xD2\xD7\xAE"
                  "a");
        EXPECT_TRUE(out.exact);
    } else if (ansiCodePage() == 1252) {
        ASSERT_EQ(out.bytes.size(), 5000u * 4);
        EXPECT_EQ(out.bytes.substr(4 * 4999), "???a");
        EXPECT_FALSE(out.exact);
    } else {
        GTEST_SKIP() << "expected bytes known for code pages 936 and 1252";
    }
}

}  // namespace
}  // namespace pilecalc::platform::windows
