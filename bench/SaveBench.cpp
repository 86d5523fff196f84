// SPDX-License-Identifier: GPL-3.0-or-later
// Saving a 2,000,000-row optimisation list through the window, from the click on "存盘"
// to the file closed and in place, in the two encodings users meet (UTF-8 and GBK), and
// how much memory the save needs on top of the list it writes.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>

#include "app/MainWindow.h"
#include "support/WindowControls.h"
#include "platform/DocumentsFolder.h"

namespace {

const QString kRawFile = QStringLiteral("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt");

// kB of the process's resident memory: "VmRSS" now, "VmHWM" the peak since the last reset.
long statusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
    }
    return -1;
}

// CPU seconds the whole process (every thread) has used so far.
double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Starts a new peak measurement (Linux: writing 5 to clear_refs resets VmHWM).
bool resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    return static_cast<bool>(clear);
}

// d 1000..1990 by 10 (100 values) × hr 2000..2990 mm by 10 (100) × frk 10..209 by 1 (200).
// Made on first use and destroyed before the application object.
std::unique_ptr<MainWindow> g_window;

MainWindow& windowWithTwoMillionRows() {
    if (g_window) return *g_window;
    g_window = std::make_unique<MainWindow>();
    MainWindow* w = g_window.get();
    w->show();
    w->cbt_YouHuaClick();
    const char* cells[3][3] = {{"1000", "1990", "10"}, {"2000", "2990", "10"}, {"10", "209", "1"}};
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            ui(*w).Grid1_Youhuaxuanxiang->item(row, column + 1)->setText(QString::fromLatin1(cells[row][column]));
        }
    }
    ui(*w).cbt_YHcompute->click();
    QApplication::processEvents();
    return *g_window;
}

void BM_SaveTwoMillionRows(benchmark::State& state, const char* locale) {
    MainWindow& w = windowWithTwoMillionRows();
    const int rows = ui(w).Grid2_Youhuajieguo->model()->rowCount();
    if (rows != 2000000) {
        state.SkipWithError(qPrintable("unexpected row count " + QString::number(rows)));
        return;
    }
    // The result files follow the locale's character set, read when a save starts.
    const QByteArray savedLocale = qgetenv("LC_ALL");
    qputenv("LC_ALL", locale);
    const QString path = QDir(pilecalc::platform::documentsFolder()).filePath(kRawFile);
    long extraKb = 0;
    double cpu = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(path);
        const long before = statusKb("VmRSS");
        resetPeak();
        const double cpuBefore = processCpuSeconds();
        state.ResumeTiming();
        ui(w).cbt_YHsave->setEnabled(true);
        ui(w).cbt_YHsave->click();
        state.PauseTiming();
        cpu += processCpuSeconds() - cpuBefore;
        extraKb = std::max(extraKb, statusKb("VmHWM") - before);
        state.ResumeTiming();
    }
    qputenv("LC_ALL", savedLocale);
    const double bytes = static_cast<double>(QFileInfo(path).size());
    if (bytes < 300e6) state.SkipWithError(qPrintable("file of " + QString::number(bytes) + " bytes"));
    state.counters["file_MB"] = bytes / 1e6;
    // On a busy machine the wall time waits for the CPU; this is what the save itself used.
    state.counters["save_cpu_s"] = cpu / static_cast<double>(state.iterations());
    state.counters["peak_extra_MB"] = static_cast<double>(extraKb) / 1024.0;
    state.counters["MB_per_s"] =
        benchmark::Counter(bytes * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_SaveTwoMillionRows, utf8, "C.UTF-8")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_CAPTURE(BM_SaveTwoMillionRows, gbk, "zh_CN.GBK")->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // On the disk, not in memory: the benchmark measures a real save.
    QTemporaryDir documents(QCoreApplication::applicationDirPath() + "/save-bench-XXXXXX");
    pilecalc::platform::setDocumentsFolderForTesting(documents.path());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
