// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "LiteralExchangeSort.h"
#include "optimisation/BatchRun.h"
#include "optimisation/OptimisationMessages.h"
#include "optimisation/ResultFilter.h"
#include "optimisation/ResultSorting.h"
#include "reports/TextColumns.h"
#include "support/Utf.h"

namespace pilecalc {
namespace {

using test::toUtf8;

ResultList runGrid(const RangeCellTexts& cells, char16_t sep = u'.') {
    const RangeReading reading = readRanges(cells, sep);
    EXPECT_TRUE(reading.ok());
    BatchSettings s;
    s.decimalSeparator = sep;
    BatchRun run(reading.ranges, s);
    run.step(~0ull);
    return run.takeRows();
}

ResultList defaultList() {
    return runGrid({{{u"1000", u"2000", u"500"}, {u"1.0d", u"3.0d", u"1.0d"}, {u"30.00", u"50.00", u"10.00"}}});
}

std::vector<std::string> column(const ResultList& list, int c) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < list.size(); ++i) out.push_back(toUtf8(list.cell(i, c)));
    return out;
}

std::vector<std::uint32_t> numbers(const ResultList& list) {
    std::vector<std::uint32_t> out;
    for (const ResultRow& r : list.rows()) out.push_back(r.number);
    return out;
}

// Filter bounds: the effective range and which default rows pass.
struct BoundsCase {
    const char* name;
    const char16_t* minimum;
    const char16_t* maximum;
    double lower, upper;
};
void PrintTo(const BoundsCase& c, std::ostream* os) { *os << c.name; }

class FilterBoundsTable : public ::testing::TestWithParam<BoundsCase> {};

TEST_P(FilterBoundsTable, effectiveRangeAndInclusivePassing) {
    const BoundsCase& c = GetParam();
    const FilterReading reading = readFilterBounds(c.minimum, c.maximum, u'.');
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.bounds.lower, c.lower);
    EXPECT_EQ(reading.bounds.upper, c.upper);

    const ResultList raw = defaultList();
    const ResultList kept = raw.filtered(reading.bounds);
    std::size_t expected = 0;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const double q = raw.row(i).QcdKey;
        if (c.lower <= q && q <= c.upper) ++expected;
    }
    EXPECT_EQ(kept.size(), expected);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        EXPECT_GE(kept.row(i).QcdKey, c.lower);
        EXPECT_LE(kept.row(i).QcdKey, c.upper);
    }
}

INSTANTIATE_TEST_SUITE_P(Bounds, FilterBoundsTable,
                         ::testing::Values(BoundsCase{"zeroZero_noBounds", u"0", u"0", 0, 1e15},
                                           BoundsCase{"lowerOnly", u"10000", u"0", 10000, 1e15},
                                           BoundsCase{"lowerAboveUpper_exactlyLower", u"12000", u"11000", 12000, 12000},
                                           BoundsCase{"negativeMeansNoBound", u"-5", u"-1", 0, 1e15},
                                           BoundsCase{"defaultRange", u"10000", u"15000", 10000, 15000},
                                           BoundsCase{"blanksAround", u" 9163 ", u" 9163", 9163, 9163}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Filter, zeroZeroKeepsEveryRowInOrderWithItsNumber) {
    const ResultList raw = defaultList();
    const ResultList kept = raw.filtered(effectiveBounds(0, 0));
    EXPECT_EQ(numbers(kept), numbers(raw));
}

TEST(Filter, equalityAtBothEndsPasses) {
    // Row ZH-01 shows Qcd 9163 and ZH-04 shows 11985.
    const ResultList kept = defaultList().filtered(effectiveBounds(9163, 11985));
    EXPECT_EQ(column(kept, resultColumn::number), (std::vector<std::string>{"ZH-01", "ZH-04"}));
    EXPECT_EQ(toUtf8(filterDoneMessage(kept.size())), "筛选完成，桩数：2 根");
}

TEST(Filter, lowerAboveUpperPassesOnlyTheExactValue) {
    EXPECT_EQ(column(defaultList().filtered(effectiveBounds(12217, 11000)), resultColumn::Qcd),
              (std::vector<std::string>{"12217"}));
    EXPECT_TRUE(defaultList().filtered(effectiveBounds(12000, 11000)).empty());
}

TEST(Filter, keepsTheRawListsPresentOrderAndNumbers) {
    ResultList raw = defaultList();
    raw.sortAscending(SortKey::Qcd);
    raw.reverse();
    const ResultList kept = raw.filtered(effectiveBounds(10000, 15000));
    EXPECT_EQ(column(kept, resultColumn::Qcd), (std::vector<std::string>{"13525", "12217", "11985"}));
    EXPECT_EQ(column(kept, resultColumn::number), (std::vector<std::string>{"ZH-07", "ZH-02", "ZH-04"}));
}

TEST(Filter, emptyRawListGivesAnEmptyList) { EXPECT_TRUE(ResultList().filtered(effectiveBounds(0, 0)).empty()); }

struct BadBound {
    const char* name;
    const char16_t* minimum;
    const char16_t* maximum;
    const char* message;
};
void PrintTo(const BadBound& c, std::ostream* os) { *os << c.name; }

class FilterConversion : public ::testing::TestWithParam<BadBound> {};

TEST_P(FilterConversion, failsWithTheOffendingText) {
    const BadBound& c = GetParam();
    const FilterReading reading = readFilterBounds(c.minimum, c.maximum, u'.');
    ASSERT_FALSE(reading.ok());
    EXPECT_EQ(toUtf8(*reading.error), c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilterConversion,
    ::testing::Values(BadBound{"emptyMinimum", u"", u"15000", "'' is not a valid floating point value"},
                      BadBound{"lettersInMaximum", u"10000", u"15k", "'15k' is not a valid floating point value"},
                      BadBound{"minimumReportedFirst", u"x", u"y", "'x' is not a valid floating point value"},
                      BadBound{"commaInPeriodLocale", u"10,5", u"0", "'10,5' is not a valid floating point value"},
                      BadBound{"hugeExponentIsNoBound", u"1e9223372036854775807", u"0",
                               "'1e9223372036854775807' is not a valid floating point value"},
                      BadBound{"lineBreakInMaximum", u"10000", u"15000\n", "'15000\n' is not a valid floating point value"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Filter, commaLocaleReadsTheBoundsAndTheKeys) {
    const ResultList raw =
        runGrid({{{u"1000", u"2000", u"500"}, {u"1,0d", u"3,0d", u"1,0d"}, {u"30", u"50", u"10"}}}, u',');
    const FilterReading reading = readFilterBounds(u"9162,5", u"9163", u',');
    ASSERT_TRUE(reading.ok());
    EXPECT_EQ(reading.bounds.lower, 9162.5);
    EXPECT_EQ(column(raw.filtered(reading.bounds), resultColumn::number), (std::vector<std::string>{"ZH-01"}));
}

// Header clicks in sequence on one list: messages, states, headers, order.
struct Click {
    int column;
    const char* message;
    SortOrder dOrder;
    SortOrder QcdOrder;
    const char* dHeader;  // nullptr: headers not touched
    const char* QcdHeader;
};

void clickAll(ResultList& list, SortState& state, const std::vector<Click>& clicks) {
    for (std::size_t k = 0; k < clicks.size(); ++k) {
        const Click& c = clicks[k];
        const HeaderClickOutcome out = clickResultHeader(list, c.column, state);
        EXPECT_EQ(toUtf8(out.message), c.message) << "click " << k;
        EXPECT_EQ(state.dOrder, c.dOrder) << "click " << k;
        EXPECT_EQ(state.QcdOrder, c.QcdOrder) << "click " << k;
        EXPECT_EQ(out.reordered, c.dHeader != nullptr) << "click " << k;
        if (c.dHeader) {
            EXPECT_EQ(toUtf8(out.dHeader), c.dHeader) << "click " << k;
            EXPECT_EQ(toUtf8(out.QcdHeader), c.QcdHeader) << "click " << k;
        }
    }
}

TEST(Sorting, diameterThreeTimes_ascendingDescendingAscending) {
    ResultList list = defaultList();
    list.sortAscending(SortKey::Qcd);  // start from another order so the d sort has work to do
    SortState state;
    const std::vector<std::uint32_t> start = numbers(list);

    clickAll(list, state, {{1, "d升序排列完成", SortOrder::Ascending, SortOrder::None, " d(mm)▲", " Qcd(kN)"}});
    const std::vector<std::uint32_t> ascending = numbers(list);
    for (std::size_t i = 1; i < list.size(); ++i) EXPECT_LE(list.row(i - 1).dKey, list.row(i).dKey);

    clickAll(list, state, {{1, "d降序排列完成", SortOrder::Descending, SortOrder::None, " d(mm)▼", " Qcd(kN)"}});
    std::vector<std::uint32_t> reversed = ascending;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(numbers(list), reversed);  // equal diameters swap too

    clickAll(list, state, {{1, "d升序排列完成", SortOrder::Ascending, SortOrder::None, " d(mm)▲", " Qcd(kN)"}});
    EXPECT_EQ(numbers(list), ascending);
    EXPECT_NE(numbers(list), start);
}

TEST(Sorting, diameterThenQcdThenDiameterEachSortsInFull) {
    ResultList list = defaultList();
    list.reverse();
    SortState state;
    clickAll(list, state,
             {{1, "d升序排列完成", SortOrder::Ascending, SortOrder::None, " d(mm)▲", " Qcd(kN)"},
              {2, "Qcd升序排列完成", SortOrder::None, SortOrder::Ascending, "   d(mm)", "Qcd(kN)▲"},
              {2, "Qcd降序排列完成", SortOrder::None, SortOrder::Descending, "   d(mm)", "Qcd(kN)▼"},
              {1, "d升序排列完成", SortOrder::Ascending, SortOrder::None, " d(mm)▲", " Qcd(kN)"}});
    // The last click sorted the Qcd-descending list: ties of d keep the
    // exchange sort's order of that list, checked against a fresh sort.
    ResultList expected = defaultList();
    expected.sortAscending(SortKey::Qcd);
    expected.reverse();
    expected.sortAscending(SortKey::Diameter);
    EXPECT_EQ(numbers(list), numbers(expected));
    EXPECT_EQ(column(list, resultColumn::d).front(), "1000");
}

TEST(Sorting, otherColumnsAndShortListsChangeNothing) {
    ResultList list = defaultList();
    list.reverse();
    const std::vector<std::uint32_t> before = numbers(list);
    SortState state{SortOrder::Descending, SortOrder::None};
    for (int c : {0, 3, 8, 16}) {
        const HeaderClickOutcome out = clickResultHeader(list, c, state);
        EXPECT_EQ(toUtf8(out.message), "仅支持d、Qcd排序");
        EXPECT_TRUE(out.selectFirstRow);
        EXPECT_FALSE(out.reordered);
    }
    EXPECT_EQ(numbers(list), before);
    EXPECT_EQ(state.dOrder, SortOrder::Descending);

    ResultList one = defaultList().filtered(effectiveBounds(9163, 9163));
    ASSERT_EQ(one.size(), 1u);
    SortState untouched;
    const HeaderClickOutcome out = clickResultHeader(one, 1, untouched);
    EXPECT_EQ(toUtf8(out.message), "无需排序");
    EXPECT_FALSE(out.selectFirstRow);
    EXPECT_FALSE(out.reordered);
    EXPECT_EQ(untouched.dOrder, SortOrder::None);
    ResultList none;
    EXPECT_EQ(toUtf8(clickResultHeader(none, 2, untouched).message), "无需排序");
}

TEST(Sorting, keysCompareAsNumbersNotText) {
    ResultList list = runGrid({{{u"900", u"1100", u"100"}, {u"1.0d", u"1.0d", u"0d"}, {u"30", u"30", u"0"}}});
    list.reverse();
    EXPECT_EQ(column(list, resultColumn::d), (std::vector<std::string>{"1100", "1000", "900"}));
    list.sortAscending(SortKey::Diameter);
    EXPECT_EQ(column(list, resultColumn::d), (std::vector<std::string>{"900", "1000", "1100"}));
}

TEST(Sorting, sortedListFilteredThenSortedAgainMovesNothing) {
    ResultList raw = defaultList();
    raw.sortAscending(SortKey::Diameter);
    raw.reverse();
    raw.sortAscending(SortKey::Diameter);
    ResultList kept = raw.filtered(effectiveBounds(0, 0));
    const std::vector<std::uint32_t> before = numbers(kept);
    SortState fresh;
    clickAll(kept, fresh, {{1, "d升序排列完成", SortOrder::Ascending, SortOrder::None, " d(mm)▲", " Qcd(kN)"}});
    EXPECT_EQ(numbers(kept), before);
}

// Whole rows move with their keys: the list sorted in place equals the
// literal loop run on the same list, whatever order the list starts in.
TEST(Sorting, listOrderEqualsTheLiteralLoopOnWholeRows) {
    const ResultList base = runGrid({{{u"1000", u"1400", u"100"}, {u"1.0d", u"3.0d", u"0.5d"}, {u"20", u"60", u"5"}}});
    ASSERT_EQ(base.size(), 5u * 5u * 9u);
    std::mt19937 rng(31);
    for (int trial = 0; trial < 40; ++trial) {
        ResultList list = base;
        // Start from a mixed order: a few sorts and reversals by both keys.
        for (int k = 0; k < trial % 4; ++k) {
            list.sortAscending(rng() % 2 ? SortKey::Diameter : SortKey::Qcd);
            if (rng() % 2) list.reverse();
        }
        const SortKey key = trial % 2 ? SortKey::Diameter : SortKey::Qcd;
        std::vector<double> keys;
        for (std::size_t i = 0; i < list.size(); ++i) keys.push_back(list.key(i, key));
        std::vector<std::uint32_t> expected;
        for (std::uint32_t from : test::literalExchangeSort(keys)) expected.push_back(list.row(from).number);
        list.sortAscending(key);
        EXPECT_EQ(numbers(list), expected) << "trial " << trial;
    }
}

TEST(Headers, rightAlignedToEightColumns) {
    EXPECT_EQ(toUtf8(resultColumnHeader(resultColumn::d)), "   d(mm)");
    EXPECT_EQ(toUtf8(resultColumnHeader(resultColumn::Qcd)), " Qcd(kN)");
    EXPECT_EQ(toUtf8(resultColumnHeader(resultColumn::number)), "  桩编号");
    EXPECT_EQ(toUtf8(resultColumnHeader(resultColumn::sideShare)), "侧阻占比");
    EXPECT_EQ(toUtf8(resultColumnHeader(resultColumn::zetaS)), "      ζs");
    EXPECT_EQ(toUtf8(diameterHeader(SortOrder::None)), "   d(mm)");
    EXPECT_EQ(toUtf8(QcdHeader(SortOrder::Descending)), "Qcd(kN)▼");
}

TEST(TableLines, rowsNumberedInTheirPresentOrder) {
    ResultList list = defaultList();
    list.reverse();
    const Lines lines = list.tableLines(u"嵌岩桩优化计算原始结果");
    ASSERT_EQ(lines.size(), 5u + 27u);
    EXPECT_EQ(lines[0].size(), 159u);
    // The list's first row is pile ZH-27, written as row ZH-01 of the file.
    EXPECT_EQ(toUtf8(lines[5]).substr(0, 12), "   ZH-01    ");
    EXPECT_NE(toUtf8(lines[5]).find("162295"), std::string::npos);
    EXPECT_EQ(lines[5], list.tableLine(0));
    EXPECT_EQ(DisplayWidth(lines[5]), 170);
}

}  // namespace
}  // namespace pilecalc

namespace pilecalc {
namespace {

TEST(TableLines, fileNumbersFollowTheListLength) {
    struct Case {
        const char16_t* frkMax;
        std::size_t rows;
        const char* first;
        const char* last;
    } cases[] = {{u"110", 9, "ZH-1 ", "ZH-9 "}, {u"120", 10, "ZH-01", "ZH-10"}, {u"1220", 120, "ZH-001", "ZH-120"}};
    for (const Case& c : cases) {
        const ResultList list =
            runGrid({{{u"1000", u"1000", u"0"}, {u"1.0d", u"1.0d", u"0d"}, {u"30", c.frkMax, u"10"}}});
        ASSERT_EQ(list.size(), c.rows);
        const Lines lines = list.tableLines(u"嵌岩桩优化计算筛选结果");
        ASSERT_EQ(lines.size(), 5 + c.rows);
        EXPECT_NE(toUtf8(lines[5]).find(c.first), std::string::npos) << toUtf8(lines[5]);
        EXPECT_NE(toUtf8(lines.back()).find(c.last), std::string::npos) << toUtf8(lines.back());
        EXPECT_NE(toUtf8(lines[0]).find(" 嵌岩桩优化计算筛选结果 "), std::string::npos);
    }
}

}  // namespace
}  // namespace pilecalc
