// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What every row of one optimisation run shares: the enumerated values, the
// constant main-layer settings and the texts a row step writes into the
// inputs. Rows keep only their number and figures and make their cell texts
// from this context on demand.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/NumberFormat.h"
#include "engine/PileCase.h"
#include "optimisation/OptimisationRange.h"

namespace pilecalc {

// The main-layer inputs that stay the same for every combination.
struct BatchSettings {
    bool weathered = true;                 // state of the weathering check box
    std::u16string reduction = u"0.70";    // text of the reduction factor field
    std::u16string gammaCR = u"1.80";      // text of the partial resistance factor field
    PrecisionMode mode = kStartPrecision;  // display precision of the outputs
    char16_t decimalSeparator = u'.';      // the locale's
};

// The three input texts a combination writes into the main layer.
struct CombinationTexts {
    std::u16string d;    // general format with a period: the field reads periods only
    std::u16string hr;   // "2.0d" (one decimal) in multiples, else the general format
    std::u16string frk;  // two decimals with a period: "30.00"
    friend bool operator==(const CombinationTexts&, const CombinationTexts&) = default;
};

// Position of each value of a combination in its item's value list.
struct CombinationIndexes {
    std::size_t d = 0;
    std::size_t hr = 0;
    std::size_t frk = 0;
};

class RunContext {
  public:
    // Throws std::length_error when the ranges exceed kCombinationLimit.
    RunContext(const OptimisationRanges& ranges, BatchSettings settings);

    const BatchSettings& settings() const { return m_settings; }
    char16_t separator() const { return m_settings.decimalSeparator; }
    PrecisionMode mode() const { return m_settings.mode; }

    // Number of combinations (at most kCombinationLimit) and the digits the
    // pile numbers are zero-filled to (27 combinations: ZH-01 .. ZH-27).
    std::uint64_t total() const { return m_total; }
    int numberDigits() const { return m_numberDigits; }

    const std::vector<double>& dValues() const { return m_d; }
    const std::vector<double>& hrValues() const { return m_hr; }
    const std::vector<double>& frkValues() const { return m_frk; }

    // d outer, hr middle, frk inner: combination k (0-based) and back.
    CombinationIndexes indexesOf(std::uint64_t combination) const;

    std::u16string dText(std::size_t index) const;
    std::u16string hrText(std::size_t index) const;
    std::u16string frkText(std::size_t index) const;
    CombinationTexts textsOf(std::uint64_t combination) const;

    // The inputs every combination shares: weathering, reduction and γcR.
    PileInputTexts constantInputs() const;

    // The row's hr/d: the multiplier itself, or hr / d in mm, both from the
    // unrounded values (the depth text may carry fewer decimals).
    double hrPerD(const CombinationIndexes& at) const;

    // "ZH-" and the 1-based production number zero-filled to numberDigits() (listPileName).
    std::u16string pileNumber(std::uint64_t number) const;

  private:
    OptimisationRanges m_ranges;
    BatchSettings m_settings;
    std::vector<double> m_d;
    std::vector<double> m_hr;
    std::vector<double> m_frk;
    std::uint64_t m_total = 0;
    int m_numberDigits = 1;
};

}  // namespace pilecalc
