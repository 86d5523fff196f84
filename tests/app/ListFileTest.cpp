// SPDX-License-Identifier: GPL-3.0-or-later
// The streaming list writer against the line-by-line writer it replaced: for lists of
// every size that changes the pile-number width, in UTF-8, GBK and GB18030, in every
// precision mode and both decimal conventions, the files are the same byte for byte.
// Also the save through the window: a long save shows its progress and stops on Esc.
#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <limits>
#include <random>
#include <thread>

#include "AppTests.h"
#include "WindowFixture.h"
#include "app/FontColour.h"
#include "optimisation/ListFileLines.h"
#include "app/ScaledLayer.h"
#include "optimisation/BatchRun.h"
#include "platform/LineStream.h"
#include "platform/ResultFile.h"
#include "reports/SummaryTable.h"

using namespace pilecalc;

namespace {

const QString kRawFile = "嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt";

struct ListCase {
    OptimisationRanges ranges;
    BatchSettings settings;
};

ResultList buildList(const ListCase& c) {
    BatchRun run(c.ranges, c.settings);
    run.step(~0ull);
    return run.takeRows();
}

OptimisationRanges ranges(double dMin, double dMax, double dStep, double hrMin, double hrMax, double hrStep,
                          bool inDiameters, double frkMin, double frkMax, double frkStep) {
    OptimisationRanges r;
    r.d = deriveRange(dMin, dMax, dStep);
    r.hr = deriveRange(hrMin, hrMax, hrStep);
    r.hrInDiameters = inDiameters;
    r.frk = deriveRange(frkMin, frkMax, frkStep);
    return r;
}

// The list file as it was written before the streaming writer: every line built as a
// whole (ResultList::tableLine), turned into a QString and encoded on its own.
platform::SaveOutcome referenceSave(const QString& folder, const QByteArray& codeset, const ResultList& rows,
                                    const Lines& footer) {
    const Lines head = optimisationTableHead(u"嵌岩桩优化计算原始结果");
    const std::size_t lineCount = head.size() + rows.size() + footer.size();
    const auto lineAt = [&](std::size_t k) -> std::u16string {
        if (k < head.size()) return head[k];
        k -= head.size();
        if (k < rows.size()) return rows.tableLine(k);
        return footer[k - rows.size()];
    };
    return platform::saveOptimisationFile({folder, codeset}, kRawFile, lineCount, lineAt);
}

// Compares two files in pieces, so a file of hundreds of megabytes needs little memory.
// Returns the offset of the first difference, -1 when equal.
qint64 firstDifference(const QString& a, const QString& b) {
    QFile fa(a);
    QFile fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly)) return 0;
    if (fa.size() != fb.size()) return qMin(fa.size(), fb.size());
    qint64 offset = 0;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(1 << 20);
        const QByteArray y = fb.read(1 << 20);
        if (x != y) {
            qint64 i = 0;
            while (i < x.size() && i < y.size() && x[i] == y[i]) ++i;
            return offset + i;
        }
        offset += x.size();
    }
    return -1;
}

}  // namespace

Q_DECLARE_METATYPE(ListCase)

class ListFileTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void compareWithReference(const ListCase& c, std::size_t expectedRows) {
        const ResultList rows = buildList(c);
        QCOMPARE(rows.size(), expectedRows);
        const Lines footer = SummaryFooter(u"2025/3/14 9:26:53");
        // GB18030 differs from GBK in none of these characters; a huge list is checked in
        // the two sets users meet.
        const QList<const char*> codesets =
            expectedRows > 100000 ? QList<const char*>{"UTF-8", "GBK"} : QList<const char*>{"UTF-8", "GBK", "GB18030"};
        for (const char* codeset : codesets) {
            QTemporaryDir old;
            QTemporaryDir streamed;
            const platform::SaveOutcome before = referenceSave(old.path(), codeset, rows, footer);
            QVERIFY2(before.ok, qPrintable(before.error));
            const ResultListLines lines(rows, u"嵌岩桩优化计算原始结果", footer);
            const platform::SaveOutcome after = platform::streamResultFile(
                {streamed.path(), codeset}, kRawFile, platform::ResultFileKind::OptimisationTable, lines);
            QVERIFY2(after.ok, qPrintable(after.error));
            const qint64 difference = firstDifference(before.path, after.path);
            QVERIFY2(difference < 0, qPrintable(QString("%1: files differ at byte %2").arg(codeset).arg(difference)));
            QCOMPARE(QDir(streamed.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kRawFile});
        }
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    void sameBytesAsTheLineByLineWriter_data() {
        QTest::addColumn<ListCase>("list");
        QTest::addColumn<int>("rows");
        const BatchSettings start;
        BatchSettings comma = start;
        comma.decimalSeparator = u',';
        comma.mode = PrecisionMode::TwoDecimals;
        comma.reduction = u"0.75";  // the factor is read with a period in every locale
        BatchSettings fresh = start;
        fresh.weathered = false;
        fresh.mode = PrecisionMode::OneDecimal;
        fresh.gammaCR = u"1.70";
        BatchSettings tens = start;
        tens.mode = PrecisionMode::TruncateTens;
        BatchSettings hundreds = start;
        hundreds.mode = PrecisionMode::TruncateHundreds;
        hundreds.gammaCR = u"1.8";

        QTest::newRow("9 rows numbered ZH-1 to ZH-9")
            << ListCase{ranges(1000, 1200, 100, 1.0, 3.0, 1.0, true, 20, 20, 0), start} << 9;
        QTest::newRow("10 rows numbered ZH-01 to ZH-10")
            << ListCase{ranges(1000, 1000, 0, 2.0, 2.0, 0, true, 10, 100, 10), start} << 10;
        QTest::newRow("120 rows numbered ZH-001 to ZH-120")
            << ListCase{ranges(1000, 1900, 100, 1.0, 3.0, 1.0, true, 20, 50, 10), start} << 120;
        QTest::newRow("120 rows, comma locale, two decimals")
            << ListCase{ranges(1000, 1900, 100, 1.0, 3.0, 1.0, true, 20, 50, 10), comma} << 120;
        QTest::newRow("120 rows, unweathered, one decimal, hr in mm")
            << ListCase{ranges(1000, 1900, 100, 2000, 4000, 1000, false, 20, 50, 10), fresh} << 120;
        QTest::newRow("120 rows cut to tens")
            << ListCase{ranges(1000, 1900, 100, 1.0, 3.0, 1.0, true, 20, 50, 10), tens} << 120;
        QTest::newRow("120 rows cut to hundreds, short gammaCR text")
            << ListCase{ranges(1000, 1900, 100, 1.0, 3.0, 1.0, true, 20, 50, 10), hundreds} << 120;
        QTest::newRow("100000 rows, wider numbers than the field")
            << ListCase{ranges(800, 2780, 20, 1.0, 10.9, 0.1, true, 5, 50, 5), start} << 100000;
        // d 1000..1990 by 10 × hr 2000..2990 mm by 10 × frk 10..209 by 1.
        QTest::newRow("2000000 rows") << ListCase{ranges(1000, 1990, 10, 2000, 2990, 10, false, 10, 209, 1), start}
                                      << 2000000;
    }
    void sameBytesAsTheLineByLineWriter() {
        QFETCH(ListCase, list);
        QFETCH(int, rows);
        compareWithReference(list, static_cast<std::size_t>(rows));
    }

    // The list's own force formatter gives formatForce's text for every value: random
    // forces over the whole range, values one to three steps of a double around every
    // kind of tie (k.5, x.x5, x.xx5 and the 7th significant digit), exact halves,
    // all-nines carries, and the values it hands back (below 1, huge, not finite).
    void forceTextsAsFormatForce() {
        std::vector<double> values{0.0,
                                   -0.0,
                                   0.3,
                                   0.99999999,
                                   1.0,
                                   -1.0,
                                   9.995,
                                   99.995,
                                   999999.95,
                                   9999999.4,
                                   9999999.5,
                                   99999999.0,
                                   1e15,
                                   9007199254740991.0,
                                   9007199254740992.0,
                                   1e300,
                                   std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN(),
                                   std::numeric_limits<double>::denorm_min()};
        std::mt19937_64 random(20250314);
        std::uniform_real_distribution<double> exponent(0.0, 9.0);
        for (int i = 0; i < 300000; ++i) {
            const double v = std::pow(10.0, exponent(random));
            values.push_back(v);
            values.push_back(-v);
        }
        // Around ties at 0, 1 and 2 decimals and at the 7th significant digit.
        // The tie's digits spread evenly over 1 to 8 digits, so that every rounding place
        // (the decimals, or the 7th significant digit) meets ties that no double holds.
        for (int i = 0; i < 40000; ++i) {
            const auto n = static_cast<std::int64_t>(std::pow(10.0, exponent(random) * 8.0 / 9.0));
            for (const double scale : {1.0, 10.0, 100.0, 1000.0, 0.1, 0.01}) {
                double tie = (static_cast<double>(n) + 0.5) / scale;
                for (int step = 0; step < 3; ++step) {
                    values.push_back(tie);
                    tie = std::nextafter(tie, 0.0);
                }
                tie = (static_cast<double>(n) + 0.5) / scale;
                for (int step = 0; step < 3; ++step) {
                    tie = std::nextafter(tie, 1e300);
                    values.push_back(tie);
                }
                values.push_back(static_cast<double>(n) / scale - 0.0000000001);
            }
        }
        for (std::int64_t nines = 9; nines < 100000000000000000; nines = nines * 10 + 9) {
            values.push_back(static_cast<double>(nines) / 1000.0);
        }
        int compared = 0;
        for (const double v : values) {
            for (const PrecisionMode mode :
                 {PrecisionMode::TwoDecimals, PrecisionMode::OneDecimal, PrecisionMode::WholeUnits,
                  PrecisionMode::TruncateTens, PrecisionMode::TruncateHundreds}) {
                for (const char16_t sep : {u'.', u','}) {
                    std::u16string fast = u"x";
                    appendForce(fast, v, mode, sep);
                    const std::u16string expected = u"x" + formatForce(v, mode, sep);
                    if (fast != expected) {
                        QFAIL(
                            qPrintable(QString("%1 in mode %2: %3, expected %4")
                                           .arg(v, 0, 'g', 17)
                                           .arg(int(mode))
                                           .arg(QString::fromStdU16String(fast), QString::fromStdU16String(expected))));
                    }
                    ++compared;
                }
            }
        }
        QVERIFY(compared > 10000000);
    }

    // The book and the table through the same writer: lines joined by CR LF, the UTF-8
    // mark on memo files, nothing after the last line.
    void memoFilesAsBefore() {
        Lines lines{u"嵌岩桩计算书", u"ZH1  圆  桩  1000", u"计算时间：2025/3/14 9:26:53"};
        for (int n = 0; n < 30000; ++n) lines.push_back(u"    嵌岩段总极限侧阻力标准值Qcs:    3848 kN");
        for (const char* codeset : {"UTF-8", "GBK", "ANSI_X3.4-1968"}) {
            QTemporaryDir old;
            QTemporaryDir streamed;
            const auto before = platform::saveMemoFile({old.path(), codeset}, "book.txt", lines);
            const platform::LinesSource source(lines);
            const auto after = platform::streamResultFile({streamed.path(), codeset}, "book.txt",
                                                          platform::ResultFileKind::Memo, source);
            QVERIFY(before.ok && after.ok);
            QCOMPARE(firstDifference(before.path, after.path), qint64(-1));
        }
    }

    // A save stopped part way keeps the earlier file and leaves no temporary file.
    void stoppedSaveKeepsTheEarlierFile() {
        const ResultList rows = buildList({ranges(1000, 1990, 10, 2000, 2990, 10, false, 10, 59, 1), {}});
        const ResultListLines lines(rows, u"嵌岩桩优化计算原始结果", SummaryFooter(u"2025/3/14 9:26:53"));
        QTemporaryDir dir;
        const QString path = QDir(dir.path()).filePath(kRawFile);
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier list");
        earlier.close();
        for (const int stopAfterBlocks : {0, 3, 60}) {
            platform::SaveControl control;
            std::atomic<bool> watching{true};
            std::thread stopper([&] {
                while (watching && control.linesWritten < std::uint64_t(stopAfterBlocks) * 4096)
                    std::this_thread::yield();
                control.stop = true;
            });
            const auto outcome = platform::streamResultFile(
                {dir.path(), "GBK"}, kRawFile, platform::ResultFileKind::OptimisationTable, lines, &control);
            watching = false;
            stopper.join();
            QVERIFY(!outcome.ok);
            QVERIFY(outcome.stopped);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), QByteArray("earlier list"));
            QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{kRawFile});
        }
    }

    // Through the window: a save of a million rows takes longer than half a second, so it
    // shows "存盘中 n %" and the busy cursor; Esc stops it, the earlier file stays, "存盘"
    // stays enabled and the status line gets its text back.
    void longSaveShowsProgressAndStopsOnEsc() {
        w().show();
        w().cbt_YouHuaClick();
        const char* cells[3][3] = {{"1000", "1990", "10"}, {"2000", "2990", "10"}, {"10", "109", "1"}};
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                ui(w()).Grid1_Youhuaxuanxiang->item(row, column + 1)->setText(cells[row][column]);
            }
        }
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 1000000);
        const QString statusBefore = ui(w()).lb_YHxingxi->text();
        const QString path = QDir(fixture.documents()).filePath(kRawFile);
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier list");
        earlier.close();

        QStringList seen;
        bool busyCursor = false;
        bool clickSwallowed = true;
        QTimer watcher;
        watcher.setInterval(20);
        connect(&watcher, &QTimer::timeout, this, [&] {
            const QString text = ui(w()).lb_YHxingxi->text();
            if (!text.startsWith("存盘中 ")) return;
            seen << text;
            busyCursor = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::BusyCursor;
            // A click meanwhile does nothing: the list cannot change under the save.
            const bool wasEnabled = ui(w()).cbt_YHsaixuan->isEnabled();
            QTest::mouseClick(ui(w()).cbt_YHfanhui, Qt::LeftButton);
            clickSwallowed =
                clickSwallowed && ui(w()).YouHuaFormLayer->isVisible() && ui(w()).cbt_YHsaixuan->isEnabled() == wasEnabled;
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(ui(w()).Grid2_Youhuajieguo, &esc);
            watcher.stop();
        });
        watcher.start();
        ui(w()).cbt_YHsave->click();
        watcher.stop();

        QVERIFY2(!seen.isEmpty(), "no progress was shown");
        QVERIFY2(QRegularExpression("^存盘中 \\d{1,3} %$").match(seen.first()).hasMatch(), qPrintable(seen.first()));
        QVERIFY(busyCursor);
        QVERIFY(clickSwallowed);
        QVERIFY(!QApplication::overrideCursor());
        QCOMPARE(ui(w()).lb_YHxingxi->text(), statusBefore);
        QCOMPARE(pilecalc::app::fontColour(ui(w()).lb_YHxingxi), pilecalc::app::kBlack);
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("earlier list"));
        QCOMPARE(QDir(fixture.documents()).entryList(QDir::Files | QDir::Hidden), QStringList{kRawFile});

        // Saved to the end when nobody stops it.
        ui(w()).cbt_YHsave->click();
        QVERIFY(!ui(w()).cbt_YHsave->isEnabled());
        QVERIFY(QFileInfo(path).size() > 100'000'000);
        QCOMPARE(ui(w()).lb_YHxingxi->text(), statusBefore);
    }
};

static pilecalc::test::RegisterTest<ListFileTest> registerListFile;
#include "ListFileTest.moc"
