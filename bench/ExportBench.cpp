// SPDX-License-Identifier: GPL-3.0-or-later
// Exporting a 2,000,000-row optimisation list as an Excel workbook: two sheets
// (Excel's 1,048,576-row limit), 17 cells a row, streamed to disk.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "optimisation/BatchRun.h"
#include "optimisation/ListSheet.h"
#include "platform/XlsxWorkbook.h"

namespace pilecalc {
namespace {

// d 1000..1990 by 10 (100) x hr 1.0d..5.95d by 0.05d (100) x frk 10..29.9 MPa by 0.1 (200).
ResultList twoMillionRows() {
    OptimisationRanges r;
    r.d = deriveRange(1000, 1990, 10);
    r.hr = deriveRange(1.0, 5.95, 0.05);
    r.hrInDiameters = true;
    r.frk = deriveRange(10, 29.9, 0.1);
    BatchRun run(r, BatchSettings{});
    run.step(~0ull);
    return run.takeRows();
}

void BM_ListWorkbook(benchmark::State& state) {
    static const ResultList list = twoMillionRows();
    const std::string path = (std::filesystem::temp_directory_path() / "pilecalc-bench-list.xlsx").string();
    for (auto _ : state) {
        const std::string error =
            platform::writeWorkbook(path, listSheet(list, u"嵌岩桩优化计算原始结果", {u"计算时间：bench"}));
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
    state.counters["rows"] = static_cast<double>(list.size());
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}
BENCHMARK(BM_ListWorkbook)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

}  // namespace
}  // namespace pilecalc

BENCHMARK_MAIN();
