// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Test helper: a workbook as Python's openpyxl reads it back. openpyxl shares
// nothing with the writer, so what it finds in the cells (numbers or texts, their
// number formats, the frozen panes) is what a spreadsheet program finds.
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/NumberFormat.h"
#include "support/Utf.h"

namespace pilecalc::test {

struct WorkbookCell {
    char kind = 0;       // 'n' number, 's' text
    std::string value;   // the text, or the number's repr (it round-trips the double)
    std::string format;  // number format
};

struct WorkbookSheet {
    std::string name;
    std::string frozen;  // top-left cell of the scrolling part, "A2" for a frozen header row
    int maxRow = 0;
    std::map<std::pair<int, int>, WorkbookCell> cells;  // (row, column), both from 1; empty cells absent
    std::map<std::string, double> widths;               // by column letter
};

// The system's Python, where the Debian package puts openpyxl (a python3 first on the
// PATH, such as a user's own installation, may not have it).
inline QString systemPython() {
    return QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                             : QStringLiteral("python3");
}

// Sheets in order; error tells why there are none.
inline std::vector<WorkbookSheet> readWorkbook(const QString& path, QString* error) {
    static const char* const script = R"PY(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
out = sys.stdout
for ws in book.worksheets:
    out.write("sheet\t%s\t%s\t%d\n" % (ws.title, ws.freeze_panes, ws.max_row))
    for letter, dim in ws.column_dimensions.items():
        out.write("width\t%s\t%s\t%r\n" % (ws.title, letter, dim.width))
    for row in ws.iter_rows():
        for c in row:
            if c.value is None:
                continue
            kind = "n" if isinstance(c.value, (int, float)) and not isinstance(c.value, bool) else "s"
            value = repr(float(c.value)) if kind == "n" else c.value
            out.write("cell\t%s\t%d\t%d\t%s\t%s\t%s\n" % (ws.title, c.row, c.column, kind, value, c.number_format))
)PY";
    QProcess python;
    python.start(systemPython(), {QStringLiteral("-c"), QString::fromUtf8(script), path});
    std::vector<WorkbookSheet> sheets;
    if (!python.waitForFinished(300000) || python.exitCode() != 0) {
        if (error) *error = QString::fromUtf8(python.readAllStandardError());
        return sheets;
    }
    for (const QString& line : QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split('\t');
        if (f[0] == "sheet") {
            sheets.push_back({f[1].toStdString(), f[2].toStdString(), f[3].toInt(), {}, {}});
        } else if (f[0] == "width" && !sheets.empty()) {
            sheets.back().widths[f[2].toStdString()] = f[3].toDouble();
        } else if (f[0] == "cell" && !sheets.empty() && f.size() >= 7) {
            sheets.back().cells[{f[2].toInt(), f[3].toInt()}] = {f[4].toStdString()[0], f[5].toStdString(),
                                                                  f[6].toStdString()};
        }
    }
    return sheets;
}

// A cell as a spreadsheet shows it: a number written with its format's decimals
// (and the "%" a share format adds), a text as it is.
inline std::string shownText(const WorkbookCell& cell) {
    if (cell.kind != 'n') return cell.value;
    std::string format = cell.format;
    const bool percent = format.size() > 3 && format.ends_with("\"%\"");
    if (percent) format.resize(format.size() - 3);
    const auto point = format.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(format.size() - point - 1);
    return toUtf8(FormatFixed(std::strtod(cell.value.c_str(), nullptr), 15, decimals, u'.')) + (percent ? "%" : "");
}

}  // namespace pilecalc::test
