// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/OptimisationRange.h"

#include <limits>
#include <stdexcept>
#include <string_view>

#include "engine/NumberReading.h"
#include "optimisation/OptimisationMessages.h"

namespace pilecalc {
namespace {

constexpr std::uint64_t kSaturated = std::numeric_limits<std::uint64_t>::max();
constexpr double kTwoPow64 = 18446744073709551616.0;

// The part of a depth cell that holds the multiplier.
std::u16string_view beforeFirstD(std::u16string_view text) {
    const auto marker = text.find(u'd');
    return marker == std::u16string_view::npos ? std::u16string_view{} : text.substr(0, marker);
}

}  // namespace

OptimisationRange deriveRange(double minimum, double maximum, double step) {
    if (!(minimum < maximum)) return {minimum, minimum, 0.0, 1};
    const double range = maximum - minimum;
    if (!(step > 0.0) || step > range) return {minimum, maximum, range, 2};
    // range / step can overflow to infinity for a tiny step; the count then
    // saturates instead of converting an out-of-range double (undefined).
    const double halfUp = range / step + 0.5;
    const std::uint64_t count = halfUp < kTwoPow64 ? static_cast<std::uint64_t>(halfUp) + 1 : kSaturated;
    return {minimum, maximum, step, count};
}

std::vector<double> rangeValues(const OptimisationRange& range) {
    if (range.count > kCombinationLimit) throw std::length_error("range has too many values");
    std::vector<double> values;
    values.reserve(static_cast<std::size_t>(range.count));
    double value = range.min;
    for (std::uint64_t k = 0; k < range.count; ++k) {
        values.push_back(value);
        value = advance(value, range);
    }
    return values;
}

std::uint64_t combinationCount(const OptimisationRanges& r) {
    std::uint64_t total = 1;
    for (std::uint64_t count : {r.d.count, r.hr.count, r.frk.count}) {
        if (count != 0 && total > kSaturated / count) return kSaturated;
        total *= count;
    }
    return total;
}

bool exceedsCombinationLimit(const OptimisationRanges& ranges) { return combinationCount(ranges) > kCombinationLimit; }

RangeReading readRanges(const RangeCellTexts& cells, char16_t sep) {
    RangeReading reading;
    const bool inDiameters = cells[kRangeRowHr][0].find(u'd') != std::u16string::npos;
    reading.ranges.hrInDiameters = inDiameters;

    static constexpr const char16_t* kNegative[3] = {optimisationMessages::diameterNegative,
                                                     optimisationMessages::depthNegative,
                                                     optimisationMessages::strengthNegative};
    OptimisationRange* targets[3] = {&reading.ranges.d, &reading.ranges.hr, &reading.ranges.frk};

    for (int row = 0; row < 3; ++row) {
        double value[3] = {};
        for (int column = 0; column < 3; ++column) {
            const std::u16string_view cell = cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            const std::u16string_view text = (row == kRangeRowHr && inDiameters) ? beforeFirstD(cell) : cell;
            // A control character hidden after the "d" is refused like any bad
            // number: the cell is quoted whole so the user sees what is wrong.
            if (containsControlCharacter(cell)) {
                reading.stop = RangeStop{RangeStopKind::NotANumber, row, column, notAFloatMessage(cell)};
                return reading;
            }
            const auto number = readLocaleDecimal(text, sep);
            if (!number) {
                reading.stop = RangeStop{RangeStopKind::NotANumber, row, column, notAFloatMessage(text)};
                return reading;
            }
            value[column] = *number;
        }
        if (value[0] < 0.0 || value[1] < 0.0) {
            reading.stop = RangeStop{RangeStopKind::Negative, row, value[0] < 0.0 ? 0 : 1, kNegative[row]};
            return reading;
        }
        *targets[row] = deriveRange(value[0], value[1], value[2]);
    }
    return reading;
}

}  // namespace pilecalc
