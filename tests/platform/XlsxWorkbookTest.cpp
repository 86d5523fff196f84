// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks are read back with Python's openpyxl (support/WorkbookReader.h).
#include <gtest/gtest.h>

#include <QProcess>
#include <QStringList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "engine/NumberFormat.h"
#include "platform/XlsxWorkbook.h"
#include "reports/ReportPiles.h"
#include "reports/RunRecord.h"
#include "reports/SheetTable.h"
#include "reports/SummaryTable.h"
#include "support/Utf.h"
#include "support/WorkbookReader.h"

namespace pilecalc {
namespace {

using Cell = test::WorkbookCell;
using Sheet = test::WorkbookSheet;

std::vector<Sheet> readBack(const QString& path) {
    QString error;
    auto sheets = test::readWorkbook(path, &error);
    EXPECT_FALSE(sheets.empty()) << error.toStdString();
    return sheets;
}

// The words of a table line, split at blanks ("圆  桩" gives two).
std::vector<std::string> words(const std::string& line) {
    std::vector<std::string> out;
    std::string word;
    for (char c : line + ' ') {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            out.push_back(word);
            word.clear();
        }
    }
    return out;
}

std::string shown(const Cell& cell) { return test::shownText(cell); }

const test::PileTexts kPiles[] = {
    {},                                                                                          // hr as "1.0d"
    {.d = u"1200", .hr = u"3000", .frk = u"40", .weathered = false, .gammaCR = u"1.75"},        // 否, mm
    {.d = u"1500", .hr = u"1.5d", .frk = u"80.5", .reduction = u"0.75", .gammaCR = u"1.70"},  // "1.5d"
};

TEST(XlsxWorkbook, summaryTableHoldsTheTextFiguresAsNumbersInEveryPrecisionMode) {
    RunRecord run;
    const PrecisionMode modes[] = {PrecisionMode::TwoDecimals, PrecisionMode::OneDecimal, PrecisionMode::WholeUnits,
                                   PrecisionMode::TruncateTens, PrecisionMode::TruncateHundreds};
    for (PrecisionMode mode : modes) {
        for (const auto& t : kPiles) {
            const auto p = test::makePile(t);
            run.record({{t.d, t.hr, t.frk, t.reduction, t.gammaCR, t.weathered}, p.pile, p.result, mode,
                        u"2026/12/10 11:30:05"},
                       u'.');
        }
    }
    QTemporaryDir dir;
    const QString path = dir.filePath("表.xlsx");
    ASSERT_EQ(platform::writeWorkbook(path.toStdString(), summarySheet(run, u'.')), "");
    EXPECT_FALSE(QFile::exists(path + ".partial"));
    const auto sheets = readBack(path);
    ASSERT_EQ(sheets.size(), 1u);
    const Sheet& s = sheets[0];
    EXPECT_EQ(s.name, "桩汇总表");
    EXPECT_EQ(s.frozen, "A2");
    EXPECT_EQ(s.cells.at({1, 1}).value, "基桩编号");
    EXPECT_EQ(s.cells.at({1, 17}).value, "桩承载力 Qcd(kN)");

    const Lines& table = run.tableLines();
    const int piles = run.pileCount();
    std::size_t numbers = 0;
    for (int i = 0; i < piles; ++i) {
        SCOPED_TRACE("pile " + std::to_string(i + 1));
        const PrecisionMode mode = run.piles()[static_cast<std::size_t>(i)].mode;
        const std::vector<std::string> expected = words(test::toUtf8(table[kSummaryHeaderLines + static_cast<std::size_t>(i)]));
        std::vector<std::string> got;
        for (int c = 1; c <= 17; ++c) {
            const auto it = s.cells.find({i + 2, c});
            if (it == s.cells.end()) continue;  // undefined shares leave the cell empty, as the text does
            const Cell& cell = it->second;
            for (const auto& w : words(shown(cell))) got.push_back(w);
            if (cell.kind == 'n') ++numbers;
            // Forces carry exactly the mode's decimals in their number format.
            if (c == 10 || c == 13 || c == 15 || c == 17) {
                ASSERT_EQ(cell.kind, 'n');
                const int D = decimalsOf(mode);
                EXPECT_EQ(cell.format, D == 0 ? "0" : "0." + std::string(static_cast<std::size_t>(D), '0'));
            }
        }
        EXPECT_EQ(got, expected);
        EXPECT_EQ(s.cells.at({i + 2, 6}).kind, 's');  // 是 / 否
        EXPECT_EQ(s.cells.at({i + 2, 1}).kind, 's');  // ZH1
    }
    EXPECT_EQ(s.cells.at({2, 4}).value, "1.0d");
    EXPECT_EQ(s.cells.at({4, 4}).value, "1.5d");
    EXPECT_EQ(s.cells.at({3, 4}).kind, 'n');  // 3000 mm
    EXPECT_EQ(s.cells.at({3, 6}).value, "否");
    EXPECT_GT(numbers, static_cast<std::size_t>(piles * 12));

    // The footer's note and time line one blank row below the last pile.
    EXPECT_EQ(s.cells.at({piles + 3, 1}).value, test::toUtf8(table[table.size() - 3]).substr(1));
    EXPECT_EQ(s.cells.at({piles + 4, 1}).value, "计算时间：2026/12/10 11:30:05");
    // Every column is at least as wide as its widest text (an ideograph two).
    EXPECT_GE(s.widths.at("A"), 8.0);
    EXPECT_GE(s.widths.at("F"), 16.0);
}

std::u16string ascii(const std::string& s) { return std::u16string(s.begin(), s.end()); }

// A table of n rows with one number column and a text column.
SheetTable countingTable(std::size_t rows) {
    SheetTable t;
    t.name = u"列表";
    t.headers = {u"n", u"名"};
    t.rowCount = rows;
    t.row = [](std::size_t i, std::vector<SheetCell>& cells) {
        cells = {sheetCell(ascii(std::to_string(i + 1)), u'.'), sheetCell(u"ZH-" + ascii(std::to_string(i + 1)), u'.')};
    };
    t.notes = {u"注", u"计算时间：x"};
    return t;
}

TEST(XlsxWorkbook, aLongTableGoesOnInFurtherSheetsEachWithItsHeader) {
    struct Case {
        const char* name;
        std::size_t rows;
        std::vector<int> sheetRows;  // data rows per sheet
        int notesSheet;              // index of the sheet with the notes
    };
    // Sheets of 5 rows: a header and 4 data rows.
    const Case cases[] = {
        {"fitsOneSheetWithItsNotes", 1, {1}, 0},
        {"exactlyFullSheetsNotesOnANewOne", 8, {4, 4, 0}, 2},
        {"lastSheetTooFullForTheNotes", 7, {4, 3, 0}, 2},
        {"notesFitBelowTheLastRows", 5, {4, 1}, 1},
        {"emptyTable", 0, {0}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString path = dir.filePath("list.xlsx");
        ASSERT_EQ(platform::writeWorkbook(path.toStdString(), countingTable(c.rows), 5), "");
        const auto sheets = readBack(path);
        ASSERT_EQ(sheets.size(), c.sheetRows.size());
        int n = 0;
        for (std::size_t k = 0; k < sheets.size(); ++k) {
            const Sheet& s = sheets[k];
            EXPECT_EQ(s.name, k == 0 ? "列表" : "列表 (" + std::to_string(k + 1) + ")");
            EXPECT_EQ(s.frozen, "A2");
            EXPECT_EQ(s.cells.at({1, 1}).value, "n");
            EXPECT_EQ(s.cells.at({1, 2}).value, "名");
            for (int r = 0; r < c.sheetRows[k]; ++r) {
                ++n;
                EXPECT_EQ(s.cells.at({r + 2, 1}).kind, 'n');
                EXPECT_EQ(std::stod(s.cells.at({r + 2, 1}).value), n);
                EXPECT_EQ(s.cells.at({r + 2, 2}).value, "ZH-" + std::to_string(n));
            }
            const int notesRow = c.sheetRows[k] + 3;
            EXPECT_EQ(s.cells.count({notesRow, 1}) == 1, static_cast<int>(k) == c.notesSheet);
            EXPECT_LE(s.maxRow, 5);
        }
        EXPECT_EQ(n, static_cast<int>(c.rows));
    }
}

// The real limit once: a table one row longer than an Excel sheet holds. The
// sheets' sizes are read from their dimension records, not cell by cell.
TEST(XlsxWorkbook, oneRowMoreThanExcelHoldsOpensASecondSheet) {
    QTemporaryDir dir;
    const QString path = dir.filePath("big.xlsx");
    SheetTable t = countingTable(platform::kXlsxSheetRows);  // with the header, one too many
    ASSERT_EQ(platform::writeWorkbook(path.toStdString(), t), "");
    QProcess python;
    python.start(test::systemPython(), {"-c",
                             "import sys, zipfile, re\n"
                             "z = zipfile.ZipFile(sys.argv[1])\n"
                             "for n in ('xl/worksheets/sheet1.xml', 'xl/worksheets/sheet2.xml'):\n"
                             "    head = z.open(n).read(4096).decode()\n"
                             "    print(re.search(r'<dimension ref=\"([^\"]+)\"', head).group(1))\n"
                             "    print('sheet3' in ' '.join(z.namelist()))\n",
                             path});
    ASSERT_TRUE(python.waitForFinished(120000));
    ASSERT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    const QStringList out = QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(out, (QStringList{"A1:B1048576", "False", "A1:B5", "False"}));
}

}  // namespace
}  // namespace pilecalc

namespace pilecalc {
namespace {

// A stopped export leaves the earlier file as it was and no partial file; a finished
// one has counted every row.
TEST(XlsxWorkbook, aStoppedExportKeepsTheEarlierFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("list.xlsx");
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    platform::SaveControl stopped;
    stopped.stop = true;
    EXPECT_EQ(platform::writeWorkbook(path.toStdString(), countingTable(5000), platform::kXlsxSheetRows, &stopped),
              "stopped");
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("earlier"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"list.xlsx"});

    platform::SaveControl counted;
    EXPECT_EQ(platform::writeWorkbook(path.toStdString(), countingTable(5000), platform::kXlsxSheetRows, &counted), "");
    EXPECT_EQ(counted.lineTotal.load(), 5000u);
    EXPECT_EQ(counted.linesWritten.load(), 5000u);
    EXPECT_EQ(readBack(path)[0].maxRow, 5004);  // header, rows, blank, two notes
}

}  // namespace
}  // namespace pilecalc
