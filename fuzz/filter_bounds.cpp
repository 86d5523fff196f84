// SPDX-License-Identifier: GPL-3.0-or-later
// The filter row read, its effective bounds and the filtered list. Input:
// the minimum and maximum texts, a flags field (',' for the comma locale) and
// the Qcd keys of a list, blank-separated, all separated by '|'.
//
// Properties: the reading fails exactly when a text does not convert, with the
// first failing text's message; L is the minimum when above 0, else 0; U is
// the maximum when above 0, else 1e15, and never below L; the filtered list
// holds exactly the rows with L <= key <= U, in list order, unchanged.
#include <cmath>

#include "engine/NumberReading.h"
#include "fuzz/FuzzInput.h"
#include "optimisation/OptimisationMessages.h"
#include "optimisation/ResultFilter.h"

using namespace pilecalc;
using pilecalc::fuzz::show;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto f = fuzz::fields(data, size, 4);
    const char16_t sep = f[2].find(u',') != std::u16string::npos ? u',' : u'.';
    const std::string input = show(f[0]) + " " + show(f[1]);

    const FilterReading reading = readFilterBounds(f[0], f[1], sep);
    const auto minimum = readLocaleDecimal(f[0], sep);
    const auto maximum = readLocaleDecimal(f[1], sep);
    if (!minimum || !maximum) {
        FUZZ_CHECK(!reading.ok(), input + ": read although a bound is no number");
        FUZZ_CHECK(*reading.error == notAFloatMessage(!minimum ? f[0] : f[1]),
                   input + ": message " + show(*reading.error));
        return 0;
    }
    FUZZ_CHECK(reading.ok(), input + ": refused two numbers");
    const FilterBounds b = reading.bounds;
    const std::string context = input + " gave [" + show(b.lower) + ", " + show(b.upper) + "]";
    FUZZ_CHECK(b.lower == (*minimum > 0.0 ? *minimum : 0.0), context + ": lower bound");
    const double upper = *maximum > 0.0 ? *maximum : 1e15;
    FUZZ_CHECK(b.upper == (upper < b.lower ? b.lower : upper), context + ": upper bound");
    FUZZ_CHECK(b.lower >= 0.0 && b.lower <= b.upper, context + ": bounds out of order");

    ResultList list;
    std::u16string_view keys = f[3];
    std::uint32_t number = 0;
    while (!keys.empty() && list.size() < 4096) {
        const auto blank = keys.find(u' ');
        const auto token = keys.substr(0, blank);
        keys = blank == std::u16string_view::npos ? std::u16string_view{} : keys.substr(blank + 1);
        const auto key = readLocaleDecimal(token, sep);
        if (!key) continue;
        ResultRow row;
        row.number = ++number;
        row.QcdKey = *key;
        row.Qcd = *key + 0.25;
        list.append(row);
    }
    const ResultList kept = list.filtered(b);
    std::size_t next = 0;
    for (const ResultRow& row : list.rows()) {
        if (!(b.lower <= row.QcdKey && row.QcdKey <= b.upper)) continue;
        FUZZ_CHECK(next < kept.size(), context + ": row " + std::to_string(row.number) + " missing");
        const ResultRow& got = kept.row(next++);
        FUZZ_CHECK(
            got.number == row.number && fuzz::sameBits(got.QcdKey, row.QcdKey) && fuzz::sameBits(got.Qcd, row.Qcd),
            context + ": row " + std::to_string(row.number) + " missing or changed");
    }
    FUZZ_CHECK(next == kept.size(), context + ": rows outside the bounds kept");
    return 0;
}
