// SPDX-License-Identifier: GPL-3.0-or-later
#include "optimisation/QcdSeries.h"

#include <map>

namespace pilecalc {

std::vector<QcdSeries> qcdSeries(const ResultList& list) {
    std::vector<QcdSeries> series;
    if (list.empty()) return series;
    bool oneDepth = true;
    const std::u16string firstDepth = list.cell(0, resultColumn::hr);
    for (std::size_t i = 1; i < list.size() && oneDepth; ++i) oneDepth = list.cell(i, resultColumn::hr) == firstDepth;

    std::map<std::u16string, std::size_t> index;  // series of each hr (or frk) text
    for (std::size_t i = 0; i < list.size(); ++i) {
        const std::u16string key = list.cell(i, oneDepth ? resultColumn::frk : resultColumn::hr);
        auto [it, added] = index.try_emplace(key, series.size());
        if (added) {
            std::u16string name;
            if (oneDepth)
                name = u"frk = " + key + u" MPa";
            else
                name = u"hr = " + key + (!key.empty() && key.back() == u'd' ? u"" : u" mm");
            series.push_back({std::move(name), {}});
        }
        const ResultRow& row = list.row(i);
        series[it->second].points.push_back({row.dKey, row.QcdKey, row.number});
    }
    return series;
}

long long rowOfNumber(const ResultList& list, std::uint32_t number) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list.row(i).number == number) return static_cast<long long>(i);
    return -1;
}

}  // namespace pilecalc
