// SPDX-License-Identifier: GPL-3.0-or-later
// A batch of 100,000 combinations through the window, from the click on "计算" to the
// list on screen: the fast core run, the replay of the last piles through the compute
// handler, the model filled and the window's pending events (layout, paint) processed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "app/MainWindow.h"
#include "platform/DocumentsFolder.h"
#include "support/WindowControls.h"

namespace {

// d 1000..1990 by 10 (100 values) × hr 2000..2990 mm by 10 (100) × frk 10..100 by 10 (10).
void writeHundredThousand(MainWindow& w) {
    const char* cells[3][3] = {{"1000", "1990", "10"}, {"2000", "2990", "10"}, {"10", "100", "10"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            ui(w).Grid1_Youhuaxuanxiang->item(row, column + 1)->setText(QString::fromLatin1(cells[row][column]));
        }
    }
}

void BM_WindowBatch(benchmark::State& state) {
    MainWindow w;
    w.show();
    w.cbt_YouHuaClick();
    writeHundredThousand(w);
    QApplication::processEvents();
    for (auto _ : state) {
        ui(w).cbt_YHcompute->setEnabled(true);
        ui(w).cbt_YHcompute->click();
        QApplication::processEvents();
        ui(w).Grid2_Youhuajieguo->viewport()->repaint();
    }
    const int rows = ui(w).Grid2_Youhuajieguo->model()->rowCount();
    if (rows != 100000) state.SkipWithError(qPrintable("unexpected row count " + QString::number(rows)));
    state.counters["rows"] = rows;
    state.counters["rows_per_s"] = benchmark::Counter(
        static_cast<double>(rows) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WindowBatch)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir documents;  // nothing of a benchmark lands in the user's documents
    pilecalc::platform::setDocumentsFolderForTesting(documents.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
