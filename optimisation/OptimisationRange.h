// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three enumerated items of an optimisation run: pile diameter d (mm),
// socket depth hr (mm, or a multiple of d) and rock strength frk (MPa), each
// read from a minimum, a maximum and a step typed into the ranges grid.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace pilecalc {

// Largest number of combinations one run may enumerate: a list of that
// size is about 150 MB and computes in a few seconds.
inline constexpr std::uint64_t kCombinationLimit = 2'000'000;

struct OptimisationRange {
    double min = 0.0;         // first value
    double max = 0.0;         // largest value; an advance past it lands on it
    double step = 0.0;        // increment between consecutive values
    std::uint64_t count = 1;  // number of values; saturates at UINT64_MAX
};

// Comparisons are plain, without tolerance:
// - minimum not less than maximum (NaN included): the minimum alone;
// - step <= 0 (or NaN), or step > maximum - minimum: the two ends;
// - otherwise Trunc(range / step + 0.5) + 1 values, saturated when absurd.
OptimisationRange deriveRange(double minimum, double maximum, double step);

// The values: min, then each previous value plus step, accumulated in double
// precision and replaced by max when it passes max. So a last step shorter
// than half a step is dropped (1000..2000 by 300 ends at 1900) and a longer
// one lands on max (by 400 ends at 2000). Throws std::length_error when the
// count exceeds kCombinationLimit: no run enumerates that many.
std::vector<double> rangeValues(const OptimisationRange& range);

// Advancing one value: add the step, never pass the maximum.
inline double advance(double value, const OptimisationRange& range) {
    const double next = value + range.step;
    return next > range.max ? range.max : next;
}

struct OptimisationRanges {
    OptimisationRange d;         // mm
    OptimisationRange hr;        // mm, or multiples of d when hrInDiameters
    OptimisationRange frk;       // MPa
    bool hrInDiameters = false;  // the depth minimum cell holds a "d"
};

// Product of the three counts in 64 bits, saturating instead of wrapping.
std::uint64_t combinationCount(const OptimisationRanges& ranges);

// Above kCombinationLimit the run is refused before anything is computed.
bool exceedsCombinationLimit(const OptimisationRanges& ranges);

// Texts of the ranges grid: rows d, hr, frk; columns minimum, maximum, step.
using RangeCellTexts = std::array<std::array<std::u16string, 3>, 3>;

inline constexpr int kRangeRowD = 0;
inline constexpr int kRangeRowHr = 1;
inline constexpr int kRangeRowFrk = 2;

enum class RangeStopKind {
    Negative,    // a minimum or maximum below 0: red status text, nothing listed
    NotANumber,  // a cell that does not convert: the toolkit's error report
};

struct RangeStop {
    RangeStopKind kind = RangeStopKind::NotANumber;
    int row = 0;             // kRangeRowD, kRangeRowHr or kRangeRowFrk
    int column = 0;          // 0 minimum, 1 maximum, 2 step (a negative stop names the first negative)
    std::u16string message;  // "桩径不能为负值", or "'abc' is not a valid floating point value"
};

struct RangeReading {
    OptimisationRanges ranges;  // meaningful only when ok()
    std::optional<RangeStop> stop;
    bool ok() const { return !stop.has_value(); }
};

// Reads row by row, d then hr then frk; in a row the three cells convert
// (minimum, maximum, step) before the sign check, and the first problem
// stops the reading, so a negative d hides a bad depth cell. Numbers are read
// with the locale's separator (a period is accepted too), blanks around them
// allowed. The depth row is in multiples of d when its minimum cell contains
// a "d"; then each cell's text before its first "d" is converted (a cell
// without one converts as the empty text and fails).
RangeReading readRanges(const RangeCellTexts& cells, char16_t decimalSeparator);

}  // namespace pilecalc
