// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/IconvDecode.h"
#include "platform/TextEncoding.h"

namespace pilecalc::platform {
namespace {

// Sets one environment variable for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        ::setenv(name, value, 1);
    }
    ~ScopedEnv() {
        if (m_old) {
            ::setenv(m_name, m_old->c_str(), 1);
        } else {
            ::unsetenv(m_name);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* m_name;
    std::optional<std::string> m_old;
};

struct CodesetCase {
    const char* name;
    const char* lcAll;
    QByteArray expected;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const CodesetCase& c, std::ostream* os) { *os << c.name; }

class SystemCodeset : public ::testing::TestWithParam<CodesetCase> {};

TEST_P(SystemCodeset, followsTheEnvironmentLocale) {
    const ScopedEnv env("LC_ALL", GetParam().lcAll);
    EXPECT_EQ(systemCodeset(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Locales, SystemCodeset,
                         ::testing::Values(CodesetCase{"c_locale_is_ascii", "C", "ANSI_X3.4-1968"},
                                           CodesetCase{"posix_locale_is_ascii", "POSIX", "ANSI_X3.4-1968"},
                                           CodesetCase{"utf8_locale", "C.UTF-8", "UTF-8"},
                                           CodesetCase{"locale_not_installed_keeps_its_named_codeset",
                                                       "xx_NOWHERE.GBK", "GBK"},
                                           CodesetCase{"locale_not_installed_with_modifier", "zh_CN.GB18030@x",
                                                       "GB18030"},
                                           CodesetCase{"locale_not_installed_unknown_codeset_falls_back_to_c",
                                                       "xx_NOWHERE.NOSUCHSET", "ANSI_X3.4-1968"},
                                           CodesetCase{"locale_not_installed_without_codeset_falls_back_to_c",
                                                       "xx_NOWHERE", "ANSI_X3.4-1968"}),
                         [](const auto& info) { return std::string(info.param.name); });

const QByteArray kBom("\xEF\xBB\xBF");

struct EncoderCase {
    const char* name;
    QByteArray codeset;
    ResultFileKind kind;
    QString text;
    QByteArray prefix;
    QByteArray bytes;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const EncoderCase& c, std::ostream* os) { *os << c.name; }

class Encoding : public ::testing::TestWithParam<EncoderCase> {};

TEST_P(Encoding, givesTheFileBytes) {
    const auto& c = GetParam();
    const ResultEncoder encoder(c.codeset, c.kind);
    EXPECT_EQ(encoder.prefix().toHex(' '), c.prefix.toHex(' '));
    EXPECT_EQ(encoder.encode(c.text).toHex(' '), c.bytes.toHex(' '));
}

using K = ResultFileKind;

INSTANTIATE_TEST_SUITE_P(
    Codesets, Encoding,
    ::testing::Values(
        EncoderCase{"gbk_ideographs", "GBK", K::Memo, QStringLiteral("嵌岩桩"), {}, "\xC7\xB6\xD1\xD2\xD7\xAE"},
        EncoderCase{"gbk_full_width_colon_and_brackets",
                    "GBK",
                    K::Memo,
                    QStringLiteral("：《》"),
                    {},
                    "\xA3\xBA\xA1\xB6\xA1\xB7"},
        EncoderCase{"gbk_greek_letters", "GBK", K::OptimisationTable, QStringLiteral("ζγ"), {}, "\xA6\xC6\xA6\xC3"},
        EncoderCase{"gbk_ascii_unchanged", "GBK", K::Memo, QStringLiteral("ZH1 25.00 kN"), {}, "ZH1 25.00 kN"},
        EncoderCase{"gbk_lacks_emoji_question_mark", "GBK", K::Memo, QStringLiteral("a\U0001F600b"), {}, "a?b"},
        EncoderCase{"gbk_lone_surrogate_question_mark",
                    "GBK",
                    K::Memo,
                    QString(QChar(u'x')) + QChar(char16_t{0xD800}) + QChar(u'y'),
                    {},
                    "x?y"},
        EncoderCase{"gb18030_ideographs", "GB18030", K::OptimisationTable, QStringLiteral("桩"), {}, "\xD7\xAE"},
        EncoderCase{"utf8_memo_has_bom", "UTF-8", K::Memo, QStringLiteral("桩"), kBom, "\xE6\xA1\xA9"},
        EncoderCase{"utf8_list_has_no_bom", "UTF-8", K::OptimisationTable, QStringLiteral("桩"), {}, "\xE6\xA1\xA9"},
        EncoderCase{"utf8_name_spelt_lower_case", "utf8", K::Memo, QStringLiteral("桩"), kBom, "\xE6\xA1\xA9"},
        EncoderCase{"ascii_locale_memo_falls_back_to_utf8", "ANSI_X3.4-1968", K::Memo, QStringLiteral("桩"), kBom,
                    "\xE6\xA1\xA9"},
        EncoderCase{"ascii_locale_list_falls_back_to_utf8",
                    "ANSI_X3.4-1968",
                    K::OptimisationTable,
                    QStringLiteral("桩"),
                    {},
                    "\xE6\xA1\xA9"},
        EncoderCase{"latin1_locale_falls_back_to_utf8", "ISO-8859-1", K::Memo, QStringLiteral("γ桩"), kBom,
                    "\xCE\xB3\xE6\xA1\xA9"},
        EncoderCase{"unknown_codeset_falls_back_to_utf8",
                    "NO-SUCH-CHARSET",
                    K::OptimisationTable,
                    QStringLiteral("桩"),
                    {},
                    "\xE6\xA1\xA9"},
        EncoderCase{"empty_codeset_falls_back_to_utf8", "", K::Memo, QStringLiteral("桩"), kBom, "\xE6\xA1\xA9"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Encoding, gb18030RoundTripsEveryCharacterGbkCannot) {
    const QString text = QStringLiteral("ζs ∑ 《港口工程桩基规范》 \U0001F600 计算时间：");
    const ResultEncoder gb18030("GB18030", ResultFileKind::Memo);
    EXPECT_EQ(test::decodeWithIconv(gb18030.encode(text), "GB18030"), text);
    const ResultEncoder gbk("GBK", ResultFileKind::Memo);
    EXPECT_EQ(test::decodeWithIconv(gbk.encode(text), "GBK"), QString(text).replace(QStringLiteral("\U0001F600"), "?"));
}

TEST(Encoding, longTextGrowsTheBufferWithoutLosingBytes) {
    QString text;
    for (int i = 0; i < 5000; ++i) text += QStringLiteral("嵌岩桩a");
    const ResultEncoder gbk("GBK", ResultFileKind::Memo);
    const QByteArray bytes = gbk.encode(text);
    EXPECT_EQ(bytes.size(), 5000 * 7);
    EXPECT_EQ(test::decodeWithIconv(bytes, "GBK"), text);
    EXPECT_TRUE(gbk.encode(QString()).isEmpty());
}

}  // namespace
}  // namespace pilecalc::platform
