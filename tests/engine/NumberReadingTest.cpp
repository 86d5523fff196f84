// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "engine/NumberReading.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

struct ReadCase {
    const char16_t* text;
    std::optional<double> expected;
};

TEST(ReadPeriodDecimal, acceptsOnlyAPeriodNumberAfterLeadingBlanks) {
    const ReadCase cases[] = {
        {u"1000", 1000.0},     {u"  25", 25.0},     {u"0.70", 0.70},     {u"-1000", -1000.0},
        {u"+1.5", 1.5},        {u"1e3", 1000.0},    {u"1.5E-1", 0.15},   {u".5", 0.5},
        {u"5.", 5.0},          {u"1000 ", std::nullopt}, {u"1,000", std::nullopt}, {u"", std::nullopt},
        {u"abc", std::nullopt}, {u"1.5d", std::nullopt}, {u"1e", std::nullopt}, {u".", std::nullopt},
        {u"-", std::nullopt},  {u"1e999", std::nullopt}, {u"1e-999", 0.0},  {u"1 000", std::nullopt},
        {u"\t5", std::nullopt}, {u"５", std::nullopt},
        // Exponents of any length: out of range is no number, below range is zero.
        {u"1e9223372036854775807", std::nullopt}, {u"-1e9223372036854775807", std::nullopt},
        {u"1e9223372036854775808", std::nullopt}, {u"1e99999999999999999999999999", std::nullopt},
        {u"1e-9223372036854775808", 0.0}, {u"0.0001e-99999999999999999999", 0.0},
        {u"0e9223372036854775807", 0.0}, {u"1.7976931348623157e308", 1.7976931348623157e308},
        {u"1.8e308", std::nullopt},
        {u"5\n", std::nullopt}, {u"5\r\n", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readPeriodDecimal(c.text), c.expected) << test::toUtf8(c.text);
    }
}

TEST(ReadLocaleDecimal, acceptsBlanksAroundAndTheLocaleSeparatorOrAPeriod) {
    const ReadCase comma[] = {
        {u" 1,5 ", 1.5}, {u"1.5", 1.5}, {u"2000", 2000.0}, {u"1,5,0", std::nullopt}, {u"", std::nullopt},
        {u"  ", std::nullopt}, {u"1.5D", std::nullopt}, {u"-3", -3.0},
        {u" 1e9223372036854775807 ", std::nullopt}, {u"1,5e-9223372036854775808", 0.0},
        {u"1,5\t", std::nullopt},
    };
    for (const auto& c : comma) EXPECT_EQ(readLocaleDecimal(c.text, u','), c.expected) << test::toUtf8(c.text);

    const ReadCase period[] = {
        {u" 1.5 ", 1.5}, {u"1,5", std::nullopt}, {u"3.7037037037037", 3.7037037037037},
    };
    for (const auto& c : period) EXPECT_EQ(readLocaleDecimal(c.text, u'.'), c.expected) << test::toUtf8(c.text);
}

TEST(ContainsControlCharacter, findsWhatWouldBreakAReportLine) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"1.5d", false},          {u"1.5d 说明", false},        {u"", false},
        {u"1.5d\nX", true},        {u"1.5d\rX", true},           {u"\t1000", true},
        {std::u16string(u"1.5d\0X", 6), true}, {u"1.5d\x1f", true}, {u"1.5d\x7f", true},
        {u"1.5d\x85", true},       {u"1.5d\u2028", true},        {u"1.5d\u2029", true},
        {u"1.5d\u00a0", false},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(containsControlCharacter(text), expected) << test::toUtf8(text);
    }
}

}  // namespace
}  // namespace pilecalc
