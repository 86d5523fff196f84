// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Prints a fixed-column report text on A4 pages, to a printer or a PDF file.
// Every character sits on a grid of equal cells: a character the text counts
// two columns wide (an ideograph) takes two cells, every other one cell, so the
// columns line up exactly as in the text whatever the font's own advances. The
// font is sized so the widest line fills the page width. Each page carries a
// running head (the title and "第 n 页 共 m 页"); the lines of a table's head
// are repeated at the top of every later page.
#include <QFont>
#include <QPageLayout>
#include <QString>
#include <cstddef>

#include "reports/ReportInputs.h"

class QPagedPaintDevice;

namespace pilecalc::platform {

struct PrintText {
    Lines lines;
    QString title;                                         // running head, left
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::size_t repeatFirst = 0;                           // first line repeated on later pages
    std::size_t repeatCount = 0;                           // 0: nothing repeated
    QFont font;                                            // a fixed-pitch font with the Chinese glyphs
};

// A4 in the text's orientation with 15 mm margins.
QPageLayout printPageLayout(const PrintText& text);

// Paints the text on the device with its present page layout, one newPage()
// between pages. Returns the number of pages painted.
int paintText(QPagedPaintDevice& device, const PrintText& text);

// Writes the text as a PDF (fonts embedded); empty on success, else the reason.
QString writePdf(const QString& path, const PrintText& text);

}  // namespace pilecalc::platform
