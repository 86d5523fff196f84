// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Number texts shared by the calculation book, the summary table and the
// optimisation lists: the precision mode decides decimals and coarsening of
// the kN figures, the shares never get coarsened.
#include <cstdint>
#include <string>

#include "engine/NumberFormat.h"
#include "engine/PileResult.h"

namespace pilecalc::reportformat {

// Significant digits of the report figures.
inline constexpr int kForcePrecision = 10;       // Qcs, Qcp, Qck, the table's Qcd and its γcR
inline constexpr int kInputPrecision = 6;        // frk, the reduction factor, ratio, A, U2, the book summary's Qcd
inline constexpr int kCoefficientPrecision = 5;  // zetaS, zetaP with four decimals
inline constexpr int kSharePrecision = 7;

// A kN figure as a report row shows it in a mode (cut to tens/hundreds in
// modes 3 and 4, then the mode's decimals).
std::u16string force(double kN, int precision, PrecisionMode mode, char16_t sep);

// A share with the mode's decimals and "%"; empty (no "%") when the pile has
// no defined shares, so a blank cell keeps its column instead of "nan%".
std::u16string share(double percent, bool defined, int decimals, char16_t sep);

// "ZH" followed by the pile number.
std::u16string pileName(int n);

// A pile of an optimisation list: "ZH-" and its number zero-filled to the digits
// of the list's length (ZH-01 .. ZH-27 for 27 rows, ZH-1 .. ZH-8 for 8).
std::u16string listPileName(std::uint64_t number, std::uint64_t count);

}  // namespace pilecalc::reportformat
