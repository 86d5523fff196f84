// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The checks that run while the user edits an input, before any computation.
// They read with the locale's decimal separator and use the same limits as the
// compute operation, except frk, which passes at 0 here (the next computation
// refuses it with its own message). The depth is not checked on edit: only a
// computation knows d.
#include <string>
#include <string_view>

namespace pilecalc {

// How the edited control and the status line show the outcome.
enum class CheckTone {
    Passed,  // control black, status text emptied
    Failed,  // control and status red, the message shown
    Hint,    // control and status magenta, the hint shown
};

struct EditCheck {
    CheckTone tone = CheckTone::Passed;
    std::u16string message;  // empty when passed
};

EditCheck checkDiameterEdit(std::u16string_view text, char16_t decimalSeparator);
EditCheck checkStrengthEdit(std::u16string_view text, char16_t decimalSeparator);
// Checked on every edit, ticked box or not, although a cleared box means it is not used.
EditCheck checkReductionEdit(std::u16string_view text, char16_t decimalSeparator);
// γcR above 1 passes; below the code range it passes with the hint.
EditCheck checkGammaEdit(std::u16string_view text, char16_t decimalSeparator);

}  // namespace pilecalc
