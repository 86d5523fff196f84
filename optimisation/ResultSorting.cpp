// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/ResultSorting.h"

#include "optimisation/OptimisationMessages.h"
#include "reports/TextColumns.h"

namespace pilecalc {
namespace {

std::u16string marked(std::u16string_view label, SortOrder order) {
    std::u16string text(label);
    if (order == SortOrder::Ascending) text += u"▲";
    if (order == SortOrder::Descending) text += u"▼";
    return AlignRight(text, u" ", 8);
}

std::u16string doneMessage(SortKey key, SortOrder order) {
    std::u16string text = key == SortKey::Diameter ? u"d" : u"Qcd";
    text += order == SortOrder::Descending ? u"降序排列完成" : u"升序排列完成";
    return text;
}

}  // namespace

std::u16string diameterHeader(SortOrder order) { return marked(u"d(mm)", order); }

std::u16string QcdHeader(SortOrder order) { return marked(u"Qcd(kN)", order); }

HeaderClickOutcome clickResultHeader(ResultList& list, int column, SortState& state) {
    HeaderClickOutcome outcome;
    if (list.size() < 2) {
        outcome.message = optimisationMessages::sortNotNeeded;
        return outcome;
    }
    outcome.selectFirstRow = true;
    if (column != resultColumn::d && column != resultColumn::Qcd) {
        outcome.message = optimisationMessages::sortUnsupported;
        return outcome;
    }
    const SortKey key = column == resultColumn::d ? SortKey::Diameter : SortKey::Qcd;
    SortOrder& own = key == SortKey::Diameter ? state.dOrder : state.QcdOrder;
    SortOrder& other = key == SortKey::Diameter ? state.QcdOrder : state.dOrder;
    if (own == SortOrder::None) {
        list.sortAscending(key);
        own = SortOrder::Ascending;
    } else {
        // The state always matches the list on screen, so reversing gives
        // the opposite order without comparing a key.
        list.reverse();
        own = own == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending;
    }
    other = SortOrder::None;
    outcome.reordered = true;
    outcome.message = doneMessage(key, own);
    outcome.dHeader = diameterHeader(state.dOrder);
    outcome.QcdHeader = QcdHeader(state.QcdOrder);
    return outcome;
}

}  // namespace pilecalc
