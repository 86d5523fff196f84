// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The points of the Qcd chart of a result list: Qcd (kN, as the list shows it)
// against d (mm), one series per socket depth hr, or per rock strength frk when
// every pile of the list has the same hr. Each point remembers its pile's
// production number, so a click on it finds the pile again in its list.
#include <cstdint>
#include <string>
#include <vector>

#include "optimisation/ResultList.h"

namespace pilecalc {

struct QcdPoint {
    double d = 0.0;            // mm, the d cell read back as a number
    double Qcd = 0.0;          // kN, the Qcd cell read back as a number
    std::uint32_t number = 0;  // the pile's production number (ResultRow::number)
};

struct QcdSeries {
    std::u16string name;  // "hr = 1.5d", "hr = 3000 mm" or "frk = 30.00 MPa"
    std::vector<QcdPoint> points;  // in list order
};

// The series in the order their first pile appears in the list.
std::vector<QcdSeries> qcdSeries(const ResultList& list);

// The row of the pile with that production number, or -1 when the list no longer holds it.
long long rowOfNumber(const ResultList& list, std::uint32_t number);

}  // namespace pilecalc
