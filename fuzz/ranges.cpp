// SPDX-License-Identifier: GPL-3.0-or-later
// The ranges grid read and derived. Input: the nine cells (d, hr, frk rows;
// minimum, maximum, step), a flags field (',' for the comma locale) and three
// more texts read as a raw minimum, maximum and step for deriveRange alone,
// all separated by '|'.
//
// Properties: readRanges stops at the first cell, in row order, that holds a
// control character or does not convert or at the first row with a negative end, naming that cell; a range
// it returns is what deriveRange makes of the converted cells. deriveRange on
// any numbers (NaN and infinities included) gives at least one value, the
// two ends when the step does not fit, and values that start at the minimum,
// never decrease, never pass the maximum and advance at most one step at a
// time. combinationCount is the exact product or saturates.
#include <cmath>
#include <limits>
#include <stdexcept>

#include "engine/NumberReading.h"
#include "fuzz/FuzzInput.h"
#include "optimisation/OptimisationMessages.h"
#include "optimisation/OptimisationRange.h"

using namespace pilecalc;
using pilecalc::fuzz::show;

namespace {

double anyDouble(std::u16string_view text, char16_t sep) {
    if (const auto v = readLocaleDecimal(text, sep)) return *v;
    if (text == u"nan") return std::numeric_limits<double>::quiet_NaN();
    if (text == u"inf") return std::numeric_limits<double>::infinity();
    if (text == u"-inf") return -std::numeric_limits<double>::infinity();
    return 0.0;
}

void checkRange(const OptimisationRange& r, double minimum, double maximum, double step, const std::string& context) {
    FUZZ_CHECK(r.count >= 1, context + ": no value");
    FUZZ_CHECK(fuzz::sameBits(r.min, minimum), context + ": minimum changed");
    if (!(minimum < maximum)) {
        FUZZ_CHECK(r.count == 1, context + ": more than the minimum alone");
        return;
    }
    FUZZ_CHECK(r.max == maximum, context + ": maximum changed");
    if (!(step > 0.0) || step > maximum - minimum) {
        FUZZ_CHECK(r.count == 2, context + ": not the two ends");
    } else {
        FUZZ_CHECK(r.count >= 2 && r.step == step, context + ": count " + std::to_string(r.count));
    }
    if (r.count > 20000) return;  // long enough; the run's own limit is tested elsewhere
    const std::vector<double> values = rangeValues(r);
    FUZZ_CHECK(values.size() == r.count && values.front() == r.min, context + ": values");
    for (std::size_t i = 1; i < values.size(); ++i) {
        FUZZ_CHECK(values[i] >= values[i - 1] && values[i] <= r.max, context + ": value " + show(values[i]));
        // One rounding of value + step may add up to half a unit in the last place.
        const double ulp = std::nextafter(values[i], INFINITY) - values[i];
        FUZZ_CHECK(values[i] - values[i - 1] <= r.step + ulp, context + ": an advance longer than a step");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 13);
    const char16_t sep = f[9].find(u',') != std::u16string::npos ? u',' : u'.';
    RangeCellTexts cells;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] =
                f[static_cast<std::size_t>(row * 3 + column)];
        }
    }
    std::string input;
    for (std::size_t i = 0; i < 9; ++i) input += show(f[i]) + " ";

    const RangeReading reading = readRanges(cells, sep);
    const bool inDiameters = cells[kRangeRowHr][0].find(u'd') != std::u16string::npos;
    FUZZ_CHECK(reading.ranges.hrInDiameters == inDiameters, input + ": depth form");

    // The reference walk: convert a row's three cells, then check its ends.
    OptimisationRange* derived[3] = {nullptr, nullptr, nullptr};
    OptimisationRanges expected;
    OptimisationRange* targets[3] = {&expected.d, &expected.hr, &expected.frk};
    for (int row = 0; row < 3; ++row) {
        double value[3] = {};
        for (int column = 0; column < 3; ++column) {
            const std::u16string_view cell = cells[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
            std::u16string_view text = cell;
            if (fuzz::hasControl(cell)) {
                FUZZ_CHECK(!reading.ok() && reading.stop->kind == RangeStopKind::NotANumber &&
                               reading.stop->row == row && reading.stop->column == column &&
                               reading.stop->message == notAFloatMessage(cell),
                           input + ": expected a control character stop at row " + std::to_string(row) + " column " +
                               std::to_string(column));
                return 0;
            }
            if (row == kRangeRowHr && inDiameters) {
                const auto marker = text.find(u'd');
                text = marker == std::u16string_view::npos ? std::u16string_view{} : text.substr(0, marker);
            }
            const auto number = readLocaleDecimal(text, sep);
            if (!number) {
                FUZZ_CHECK(!reading.ok() && reading.stop->kind == RangeStopKind::NotANumber &&
                               reading.stop->row == row && reading.stop->column == column &&
                               reading.stop->message == notAFloatMessage(text),
                           input + ": expected a conversion stop at row " + std::to_string(row) + " column " +
                               std::to_string(column));
                return 0;
            }
            value[column] = *number;
        }
        if (value[0] < 0.0 || value[1] < 0.0) {
            FUZZ_CHECK(!reading.ok() && reading.stop->kind == RangeStopKind::Negative && reading.stop->row == row &&
                           reading.stop->column == (value[0] < 0.0 ? 0 : 1),
                       input + ": expected a negative stop at row " + std::to_string(row));
            return 0;
        }
        *targets[row] = deriveRange(value[0], value[1], value[2]);
        derived[row] = targets[row];
        checkRange(*targets[row], value[0], value[1], value[2], input + "row " + std::to_string(row));
    }
    FUZZ_CHECK(reading.ok(), input + ": stopped although every cell is sound");
    const OptimisationRange* got[3] = {&reading.ranges.d, &reading.ranges.hr, &reading.ranges.frk};
    for (int row = 0; row < 3; ++row) {
        FUZZ_CHECK(fuzz::sameBits(got[row]->min, derived[row]->min) &&
                       fuzz::sameBits(got[row]->max, derived[row]->max) &&
                       fuzz::sameBits(got[row]->step, derived[row]->step) && got[row]->count == derived[row]->count,
                   input + ": row " + std::to_string(row) + " differs from deriveRange");
    }
    unsigned __int128 product = 1;
    for (const OptimisationRange* r : got) product *= r->count;
    const std::uint64_t count = combinationCount(reading.ranges);
    const std::uint64_t saturated = std::numeric_limits<std::uint64_t>::max();
    FUZZ_CHECK(product > saturated ? count == saturated : count == static_cast<std::uint64_t>(product),
               input + ": combination count " + std::to_string(count));
    FUZZ_CHECK(exceedsCombinationLimit(reading.ranges) == (count > kCombinationLimit), input + ": limit");

    // deriveRange on numbers the grid never passes.
    const double minimum = anyDouble(f[10], sep);
    const double maximum = anyDouble(f[11], sep);
    const double step = anyDouble(f[12], sep);
    const OptimisationRange r = deriveRange(minimum, maximum, step);
    const std::string context = "deriveRange(" + show(minimum) + ", " + show(maximum) + ", " + show(step) + ")";
    if (std::isfinite(minimum) && std::isfinite(maximum) && std::isfinite(maximum - minimum)) {
        checkRange(r, minimum, maximum, step, context);
    } else {
        FUZZ_CHECK(r.count >= 1, context + ": no value");
    }
    return 0;
}
