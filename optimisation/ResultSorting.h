// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A click on a result list's header: sort by d or Qcd, or reverse a list
// already sorted by that key. One pair of states serves both lists, since a
// batch and a filter run both reset it and only one list is shown at a time.
#include <string>

#include "optimisation/ResultList.h"

namespace pilecalc {

enum class SortOrder : int { None = 0, Ascending = 1, Descending = 2 };

struct SortState {
    SortOrder dOrder = SortOrder::None;
    SortOrder QcdOrder = SortOrder::None;
};

struct HeaderClickOutcome {
    std::u16string message;       // for lb_YHxingxi, black
    bool reordered = false;       // sorted or reversed: enable the save button, show the headers below
    bool selectFirstRow = false;  // select row 0 of the clicked column (every click on a list of 2+ rows)
    std::u16string dHeader;       // when reordered: " d(mm)▲", "   d(mm)", ...
    std::u16string QcdHeader;     // when reordered: "Qcd(kN)▼", " Qcd(kN)", ...
};

// column is the clicked column's position as created (resultColumn). Fewer
// than two rows: "无需排序" and nothing else. Columns other than d and Qcd:
// "仅支持d、Qcd排序", order and states unchanged. Otherwise a key in state
// None is sorted ascending, a sorted key reversed; the other key becomes None.
HeaderClickOutcome clickResultHeader(ResultList& list, int column, SortState& state);

// The d and Qcd headers for a state, each right-aligned to 8 columns with
// the mark "▲" or "▼" (two columns wide) on the sorted key.
std::u16string diameterHeader(SortOrder order);
std::u16string QcdHeader(SortOrder order);

}  // namespace pilecalc
