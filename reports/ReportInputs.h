// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace pilecalc {

// The input texts the reports repeat verbatim: the book and the table show
// d, hr and the partial factor as the engineer typed them ("1.0d", "1000"),
// never re-formatted from the parsed numbers.
struct TypedInputs {
    std::u16string d;        // pile diameter text, mm
    std::u16string hr;       // socket depth text, mm or a multiple of d ("1.5d")
    std::u16string gammaCR;  // partial resistance factor text
};

// A report text: one entry per line, no line-break characters inside.
using Lines = std::vector<std::u16string>;

}  // namespace pilecalc
