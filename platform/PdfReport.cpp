// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/PdfReport.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "reports/TextColumns.h"

namespace pilecalc::platform {
namespace {

// Lines of the running head: the head line itself and one empty line below it.
constexpr int kHeadLines = 2;
constexpr double kLineSpacing = 1.25;  // line pitch in font heights (em)
// A short text would otherwise be drawn in a poster font: its size stops at that of
// a printed book, the widest line then fits with room to spare.
constexpr double kLargestPointSize = 12.0;

QString pageText(int n, int m) { return QStringLiteral("第 %1 页 共 %2 页").arg(n).arg(m); }

struct Geometry {
    double cell = 0.0;     // width of one text column
    double pitch = 0.0;    // line pitch
    double ascent = 0.0;
    QFont font;
    int rows = 0;          // lines that fit a page below the running head
};

Geometry geometryFor(QPaintDevice& device, const QRectF& page, const PrintText& text) {
    int columns = 1;
    for (const auto& line : text.lines) columns = std::max(columns, DisplayWidth(line));
    // The running head needs its title and the page count side by side.
    columns = std::max(columns, DisplayWidth(text.title.toStdU16String()) + 24);

    Geometry g;
    QFont font = text.font;
    font.setPixelSize(1000);
    QFontMetricsF reference(font, &device);
    // The em a cell pair can hold: no glyph may spill into its neighbour.
    const double latin = std::max(reference.horizontalAdvance(QLatin1Char('0')), 1.0);
    const double wide = std::max(reference.horizontalAdvance(QChar(0x4E2D)), 1.0);
    const double perEm = std::max(latin, wide / 2) / 1000;  // cell width per pixel of font size
    const double largest = kLargestPointSize * device.logicalDpiY() / 72.0;
    g.cell = std::min(page.width() / columns, largest * perEm);
    font.setPixelSize(std::max(1, static_cast<int>(g.cell / perEm)));
    g.font = font;
    QFontMetricsF metrics(font, &device);
    g.ascent = metrics.ascent();
    g.pitch = std::max(metrics.height(), font.pixelSize() * kLineSpacing);
    g.rows = std::max(1, static_cast<int>(page.height() / g.pitch) - kHeadLines);
    return g;
}

// [first, end) of the text's own lines on each page; later pages give the
// repeated head its room first.
std::vector<std::pair<std::size_t, std::size_t>> paginate(const PrintText& text, int rows) {
    std::vector<std::pair<std::size_t, std::size_t>> pages;
    const std::size_t repeated = std::min(text.repeatCount, static_cast<std::size_t>(std::max(rows - 1, 0)));
    std::size_t next = 0;
    do {
        const std::size_t room = static_cast<std::size_t>(rows) - (pages.empty() ? 0 : repeated);
        const std::size_t end = std::min(text.lines.size(), next + room);
        pages.emplace_back(next, end);
        next = end;
    } while (next < text.lines.size());
    return pages;
}

// One line on the column grid, a glyph per cell (two cells for a wide one).
void drawGridLine(QPainter& painter, const Geometry& g, const std::u16string& line, double baseline) {
    int column = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::size_t units = (line[i] >= 0xD800 && line[i] < 0xDC00 && i + 1 < line.size()) ? 2 : 1;
        const std::u16string_view ch(line.data() + i, units);
        if (ch != u" ")
            painter.drawText(QPointF(column * g.cell, baseline),
                             QString::fromUtf16(ch.data(), static_cast<qsizetype>(ch.size())));
        column += DisplayWidth(ch);
        i += units - 1;
    }
}

}  // namespace

QPageLayout printPageLayout(const PrintText& text) {
    return QPageLayout(QPageSize(QPageSize::A4), text.orientation, QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
}

int paintText(QPagedPaintDevice& device, const PrintText& text) {
    const QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QPainter painter(&device);
    if (!painter.isActive()) return 0;
    const QRectF area(0, 0, page.width(), page.height());
    const Geometry g = geometryFor(device, area, text);
    const auto pages = paginate(text, g.rows);
    const std::size_t repeated = std::min(text.repeatCount, static_cast<std::size_t>(std::max(g.rows - 1, 0)));
    painter.setFont(g.font);
    painter.setPen(Qt::black);

    const int total = static_cast<int>(pages.size());
    for (int n = 0; n < total; ++n) {
        if (n > 0) device.newPage();
        double baseline = g.ascent;
        // Running head: the title at the left edge, the page count at the right.
        drawGridLine(painter, g, text.title.toStdU16String(), baseline);
        const std::u16string count = pageText(n + 1, total).toStdU16String();
        const int columns = static_cast<int>(area.width() / g.cell + 0.5);
        painter.save();
        painter.translate((columns - DisplayWidth(count)) * g.cell, 0);
        drawGridLine(painter, g, count, baseline);
        painter.restore();
        baseline += g.pitch * kHeadLines;

        if (n > 0) {
            for (std::size_t k = 0; k < repeated && text.repeatFirst + k < text.lines.size(); ++k) {
                drawGridLine(painter, g, text.lines[text.repeatFirst + k], baseline);
                baseline += g.pitch;
            }
        }
        for (std::size_t i = pages[static_cast<std::size_t>(n)].first; i < pages[static_cast<std::size_t>(n)].second;
             ++i) {
            drawGridLine(painter, g, text.lines[i], baseline);
            baseline += g.pitch;
        }
    }
    painter.end();
    return total;
}

QString writePdf(const QString& path, const PrintText& text) {
    const QString partial = path + QStringLiteral(".partial");
    int pages = 0;
    {
        QPdfWriter writer(partial);
        writer.setCreator(QStringLiteral("嵌岩桩承载力计算"));
        writer.setTitle(text.title);
        writer.setPageLayout(printPageLayout(text));
        pages = paintText(writer, text);
    }
    if (pages == 0) {
        QFile::remove(partial);
        return QStringLiteral("文件无法写入");
    }
    // Replaces an earlier file in one step: it stays whole until the new one is.
    std::error_code failed;
    std::filesystem::rename(QFile::encodeName(partial).toStdString(), QFile::encodeName(path).toStdString(), failed);
    if (failed) {
        QFile::remove(partial);
        return QString::fromStdString(failed.message());
    }
    return {};
}

}  // namespace pilecalc::platform
