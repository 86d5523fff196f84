// SPDX-License-Identifier: GPL-3.0-or-later
// Throughput of the optimisation core on lists of the sizes users build:
// 100,000 combinations are ordinary, a million possible.
#include <benchmark/benchmark.h>

#include <fstream>
#include <map>
#include <string>

#include "optimisation/BatchRun.h"

namespace pilecalc {
namespace {

// d 1000..1990 by 10 (100 values) x hr 1.0d..5.95d by 0.05d (100) x frk
// values from 10 MPa by 0.1 MPa: frkCount values.
OptimisationRanges rangesFor(int frkCount) {
    OptimisationRanges r;
    r.d = deriveRange(1000, 1990, 10);
    r.hr = deriveRange(1.0, 5.95, 0.05);
    r.hrInDiameters = true;
    r.frk = deriveRange(10, 10 + 0.1 * (frkCount - 1), 0.1);
    return r;
}

ResultList buildList(int frkCount) {
    BatchRun run(rangesFor(frkCount), BatchSettings{});
    run.step(~0ull);
    return run.takeRows();
}

const ResultList& listOf(std::int64_t rows) {
    static std::map<std::int64_t, ResultList> lists;
    auto it = lists.find(rows);
    if (it == lists.end()) it = lists.emplace(rows, buildList(static_cast<int>(rows / 10000))).first;
    return it->second;
}

void BM_BatchRun(benchmark::State& state) {
    const auto ranges = rangesFor(static_cast<int>(state.range(0) / 10000));
    std::uint64_t rows = 0;
    for (auto _ : state) {
        BatchRun run(ranges, BatchSettings{});
        run.step(~0ull);
        rows = run.rowsProduced();
        benchmark::DoNotOptimize(run.rows().rows().data());
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(rows) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BatchRun)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

enum Start { Production = 0, OtherKeyAscending = 1, ReversedOwnKey = 2 };

// Sorts a copy of the list by one key, starting from the production order,
// from the order of the other key, or from its own descending order.
void BM_Sort(benchmark::State& state) {
    const std::int64_t rows = state.range(0);
    const SortKey key = state.range(1) == 0 ? SortKey::Diameter : SortKey::Qcd;
    const SortKey other = key == SortKey::Diameter ? SortKey::Qcd : SortKey::Diameter;
    ResultList start = listOf(rows);
    if (state.range(2) == OtherKeyAscending) start.sortAscending(other);
    if (state.range(2) == ReversedOwnKey) {
        start.sortAscending(key);
        start.reverse();
    }
    for (auto _ : state) {
        state.PauseTiming();
        ResultList list = start;
        state.ResumeTiming();
        list.sortAscending(key);
        benchmark::DoNotOptimize(list.rows().data());
    }
    state.SetLabel(std::string(key == SortKey::Diameter ? "by d" : "by Qcd") +
                   (state.range(2) == Production          ? " from production order"
                    : state.range(2) == OtherKeyAscending ? " from the other key's order"
                                                          : " from its own descending order"));
}
BENCHMARK(BM_Sort)
    ->ArgsProduct({{100000, 1000000}, {0, 1}, {Production, OtherKeyAscending, ReversedOwnKey}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Memory of a 100,000-row list: the rows' own bytes and the growth of the
// resident set while the list is built (the list is kept alive meanwhile).
void BM_ListMemory(benchmark::State& state) {
    double rssMiB = 0.0;
    double bytesPerRow = 0.0;
    for (auto _ : state) {
        const long before = residentKiB();
        ResultList list = buildList(static_cast<int>(state.range(0) / 10000));
        const long after = residentKiB();
        rssMiB = static_cast<double>(after - before) / 1024.0;
        bytesPerRow =
            static_cast<double>(list.rows().capacity() * sizeof(ResultRow)) / static_cast<double>(list.size());
        benchmark::DoNotOptimize(list.rows().data());
    }
    state.counters["rss_growth_MiB"] = rssMiB;
    state.counters["bytes_per_row"] = bytesPerRow;
}
BENCHMARK(BM_ListMemory)->Arg(100000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pilecalc

BENCHMARK_MAIN();
