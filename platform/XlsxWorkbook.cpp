// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/XlsxWorkbook.h"

#include <xlsxwriter.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <system_error>
#include <vector>

#include "reports/TextColumns.h"

namespace pilecalc::platform {
namespace {

std::string utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

class Workbook {
  public:
    explicit Workbook(const std::string& path) {
        lxw_workbook_options options{};
        // Rows go to disk as they are written: a list of millions of piles
        // never sits in memory as cells.
        options.constant_memory = LXW_TRUE;
        m_book = workbook_new_opt(path.c_str(), &options);
        if (m_book) {
            m_header = workbook_add_format(m_book);
            format_set_bold(m_header);
        }
    }
    ~Workbook() {
        if (m_book) workbook_close(m_book);  // only after a failure; close() clears m_book
    }
    bool ok() const { return m_book != nullptr; }

    lxw_format* numberFormat(const std::string& format) {
        auto [it, added] = m_formats.try_emplace(format, nullptr);
        if (added) {
            it->second = workbook_add_format(m_book);
            format_set_num_format(it->second, format.c_str());
        }
        return it->second;
    }
    lxw_format* header() const { return m_header; }
    lxw_worksheet* addSheet(const std::string& name) { return workbook_add_worksheet(m_book, name.c_str()); }

    lxw_error close() {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        return error;
    }

  private:
    lxw_workbook* m_book = nullptr;
    lxw_format* m_header = nullptr;
    std::map<std::string, lxw_format*> m_formats;
};

// Column widths in Excel's character units: an ideograph counts two, as in the text.
void fitColumns(lxw_worksheet* sheet, const std::vector<int>& widths) {
    for (std::size_t c = 0; c < widths.size(); ++c) {
        const auto col = static_cast<lxw_col_t>(c);
        worksheet_set_column(sheet, col, col, std::min(widths[c], 250) + 2.0, nullptr);
    }
}

std::u16string sheetName(const SheetTable& table, std::size_t index) {
    std::u16string name = table.name.empty() ? std::u16string(u"Sheet") : table.name;
    for (char16_t& c : name)
        if (c == u'[' || c == u']' || c == u':' || c == u'*' || c == u'?' || c == u'/' || c == u'\\') c = u'_';
    if (name.size() > 24) name.resize(24);
    if (index > 0) {
        const std::string n = std::to_string(index + 1);
        name += u" (" + std::u16string(n.begin(), n.end()) + u")";
    }
    return name;
}

}  // namespace

std::string writeWorkbook(const std::string& path, const SheetTable& table, std::size_t sheetRows,
                          SaveControl* control) {
    if (sheetRows < 2) return "a sheet must hold a header and one row";
    const std::filesystem::path target(path);
    const std::filesystem::path partial = target.string() + ".partial";
    std::error_code ignored;
    std::string failure;
    {
        Workbook book(partial.string());
        if (!book.ok()) return "cannot create " + partial.string();

        const std::size_t perSheet = sheetRows - 1;
        std::size_t sheets = std::max<std::size_t>(1, (table.rowCount + perSheet - 1) / perSheet);
        // The notes need a blank row and their lines below the last row; when the
        // last sheet is too full for them they open a sheet of their own.
        const std::size_t lastRows = table.rowCount - (sheets - 1) * perSheet;
        if (!table.notes.empty() && lastRows + 1 + table.notes.size() > perSheet) ++sheets;
        std::vector<SheetCell> cells;
        if (control) control->lineTotal = table.rowCount;
        for (std::size_t s = 0; s < sheets && failure.empty(); ++s) {
            lxw_worksheet* sheet = book.addSheet(utf8(sheetName(table, s)));
            if (!sheet) {
                failure = "cannot add a worksheet";
                break;
            }
            std::vector<int> widths(table.headers.size(), 0);
            for (std::size_t c = 0; c < table.headers.size(); ++c) {
                worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(c), utf8(table.headers[c]).c_str(),
                                       book.header());
                widths[c] = DisplayWidth(table.headers[c]);
            }
            worksheet_freeze_panes(sheet, 1, 0);

            const std::size_t first = std::min(table.rowCount, s * perSheet);
            const std::size_t last = std::min(table.rowCount, first + perSheet);
            for (std::size_t i = first; i < last; ++i) {
                if (control && i % 1024 == 0) {
                    control->linesWritten = i;
                    if (control->stop) {
                        failure = "stopped";
                        break;
                    }
                }
                table.row(i, cells);
                const auto r = static_cast<lxw_row_t>(i - first + 1);
                for (std::size_t c = 0; c < cells.size(); ++c) {
                    const SheetCell& cell = cells[c];
                    const auto col = static_cast<lxw_col_t>(c);
                    if (cell.kind == SheetCell::Kind::Number) {
                        worksheet_write_number(sheet, r, col, cell.value, book.numberFormat(cell.format));
                    } else if (cell.kind == SheetCell::Kind::Text) {
                        worksheet_write_string(sheet, r, col, utf8(cell.text).c_str(), nullptr);
                    }
                    if (c < widths.size()) widths[c] = std::max(widths[c], DisplayWidth(cell.text));
                }
            }
            fitColumns(sheet, widths);
            if (s + 1 == sheets) {
                // One blank row, then the note and the time line under the first column.
                auto r = static_cast<lxw_row_t>(last - first + 2);
                for (const auto& note : table.notes) worksheet_write_string(sheet, r++, 0, utf8(note).c_str(), nullptr);
            }
        }
        if (control) control->linesWritten = table.rowCount;
        const lxw_error closed = book.close();
        if (failure.empty() && closed != LXW_NO_ERROR) failure = lxw_strerror(closed);
    }
    if (!failure.empty()) {
        std::filesystem::remove(partial, ignored);
        return failure;
    }
    std::error_code renamed;
    std::filesystem::rename(partial, target, renamed);
    if (renamed) {
        std::filesystem::remove(partial, ignored);
        return renamed.message();
    }
    return {};
}

}  // namespace pilecalc::platform
