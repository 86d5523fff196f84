// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

namespace pilecalc {

// The checked inputs of one rock-socketed pile. After a successful
// readPileCase: d > 0, hr / d >= 1, frk > 0, 0 <= reduction <= 1, gammaCR > 1.
struct PileCase {
    double d = 0.0;              // mm: pile diameter
    double hr = 0.0;             // mm: socket depth (multiplier x d in the "1.5d" notation)
    bool hrInDiameters = false;  // true when the depth was typed as a multiple of d
    double frk = 0.0;            // MPa: standard uniaxial compressive strength of the rock
    bool weathered = false;      // socket lies in moderately weathered rock
    double reduction = 1.0;      // factor on both socket coefficients; 1.0 when not weathered
    double gammaCR = 0.0;        // partial resistance factor of the socket
};

// The input a failure or a hint is about.
enum class PileField { None, d, hr, frk, reduction, gammaCR };

struct InputFailure {
    PileField field = PileField::None;  // None: no single control is to blame (hr/d < 1)
    std::u16string message;             // shown in the status line
};

// The six input texts as the user typed them, plus the check box.
struct PileInputTexts {
    std::u16string d;
    std::u16string hr;
    std::u16string frk;
    std::u16string reduction;
    std::u16string gammaCR;
    bool weathered = true;
};

// Outcome of checking the inputs. The hint flags are kept even when a later
// check fails, because the window colours the inputs check by check.
struct PileReading {
    PileCase pile;                        // meaningful only when ok()
    std::optional<InputFailure> failure;  // the first check that failed
    bool lowStrengthHint = false;         // frk < 10 MPa: better treated as a bored pile
    bool gammaHint = false;               // gammaCR < 1.699: below the code range 1.7 to 1.8
    bool ok() const { return !failure.has_value(); }
    // True when the check of this field passed: the reading got past it. The window
    // colours each input as its check passes, in the order of the checks.
    bool passedCheckOf(PileField field) const;
};

// The limits of the inputs, each written once: the compute operation's checks
// and the change reactions both test them.
namespace limits {
inline bool diameterValid(double d) { return d > 0.0; }
inline bool depthValid(double hrOrMultiple) { return hrOrMultiple >= 0.0; }
inline bool strengthValid(double frk) { return frk > 0.0; }
// frk in MPa below which the pile is better treated as an ordinary bored pile.
inline bool lowStrength(double frk) { return frk < 10.0; }
inline bool socketAtLeastOneDiameter(double hr, double d) { return hr / d >= 1.0; }
inline bool reductionValid(double r) { return r >= 0.0 && r <= 1.0; }
inline bool gammaValid(double gammaCR) { return gammaCR > 1.0; }
// 1.699, not 1.7: a typed "1.70" is inside the code range 1.7 to 1.8 and gets no hint.
inline bool gammaBelowCodeRange(double gammaCR) { return gammaCR < 1.699; }
// The edit reaction lets frk 0 pass; the computation refuses it.
inline bool strengthEditValid(double frk) { return frk >= 0.0; }
}  // namespace limits

// Reads and checks one pile's inputs in the fixed order of the checks and
// stops at the first failure. d, frk, the reduction and gammaCR are read with
// a period decimal point; the socket depth with the locale's separator (a
// period is accepted as well, so the program's own "1.0d" always reads).
PileReading readPileCase(const PileInputTexts& texts, char16_t decimalSeparator);

namespace messages {
inline constexpr char16_t diameterWrong[] = u"桩身直径数据有错";
inline constexpr char16_t depthWrong[] = u"嵌岩深度数据有错";
inline constexpr char16_t strengthWrong[] = u"岩石单轴抗压强度有错";
inline constexpr char16_t strengthEditWrong[] = u"岩石单轴抗压强度值有错";  // the edit reaction's wording
inline constexpr char16_t lowStrengthHint[] = u"提示：frk<10MPa,宜按灌注桩计算";
inline constexpr char16_t depthBelowDiameter[] = u"嵌岩深度小于1倍桩径";
inline constexpr char16_t reductionWrong[] = u"中风化岩石折减系数有错";
inline constexpr char16_t gammaWrong[] = u"嵌岩段抗力分项系数有错";
inline constexpr char16_t gammaHint[] = u"提示：γcR规范值为1.7～1.8";
}  // namespace messages

}  // namespace pilecalc
