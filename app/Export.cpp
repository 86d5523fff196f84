// SPDX-License-Identifier: GPL-3.0-or-later
// Print and export of what the window shows: the results viewer's text (the
// calculation book or the summary table) and the optimisation list on screen.
// A PDF carries the text exactly as the viewer lays it out; a workbook carries the
// table's figures as numbers (the book has no table form: its workbook is the
// summary table of the same piles).
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

#include "app/BackgroundSave.h"
#include "app/MainWindow.h"
#include "app/MemoFont.h"
#include "app/OptimisationViews.h"
#include "optimisation/ListSheet.h"
#include "platform/Clock.h"
#include "platform/DocumentsFolder.h"
#include "platform/ErrorReport.h"
#include "platform/PdfReport.h"
#include "platform/XlsxWorkbook.h"
#include "reports/SheetTable.h"
#include "reports/SummaryTable.h"

using namespace pilecalc;

namespace {

const QString kBookTitle = QStringLiteral("嵌岩桩计算书");
// The table's head below its title line: rule, the two heading lines, rule.
constexpr std::size_t kRepeatedHeadFirst = 1;
constexpr std::size_t kRepeatedHeadLines = 4;

bool isXlsx(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("xlsx"), Qt::CaseInsensitive) == 0; }
bool isPdf(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0; }

QString unknownFormat(const QString& path) {
    return QStringLiteral("无法导出为“%1”：请选择 .pdf 或 .xlsx 文件").arg(QFileInfo(path).fileName());
}

// A list of a million piles takes a while to export: the cursor says so until it is done.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// The writers' own reason, named with the file for the user.
QString failed(const QString& path, const QString& reason) {
    return reason.isEmpty() ? QString() : QStringLiteral("无法导出“%1”：%2").arg(QDir::toNativeSeparators(path), reason);
}
// The workbook is written on a worker thread while the window waits for it as for a
// save: a long one shows the busy cursor (and the progress on status), Esc stops it.
QString workbook(QWidget& window, QLabel* status, const QString& path, const SheetTable& table) {
    const platform::SaveOutcome outcome = app::runSave(window, status, [&](platform::SaveControl& control) {
        platform::SaveOutcome done;
        const std::string error =
            platform::writeWorkbook(QFile::encodeName(path).toStdString(), table, platform::kXlsxSheetRows, &control);
        done.ok = error.empty();
        done.stopped = control.stop;
        done.error = QString::fromStdString(error);
        return done;
    });
    if (outcome.stopped) return {};  // the user stopped it: nothing to report
    return failed(path, outcome.error);
}

}  // namespace

platform::PrintText MainWindow::viewerPrintText() const {
    platform::PrintText text;
    const bool book = m_viewerPage == app::ViewerPage::Book;
    text.lines = m_run.lines(book ? ReportText::Book : ReportText::Table);
    text.title = kBookTitle;
    text.orientation = book ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (!book) {
        text.repeatFirst = kRepeatedHeadFirst;
        text.repeatCount = kRepeatedHeadLines;
    }
    text.font = app::memoFont(12);
    return text;
}

const ResultList* MainWindow::shownList(std::u16string* titleWord) const {
    struct Shown {
        QTableView* list;
        std::u16string_view titleWord;
    };
    const Shown lists[] = {{Grid2_Youhuajieguo, u"嵌岩桩优化计算原始结果"}, {Grid3_Youhuasaixuan, u"嵌岩桩优化计算筛选结果"}};
    for (const Shown& shown : lists) {
        const ResultList& rows = app::resultModel(shown.list).list();
        if (shown.list->isHidden() || rows.empty()) continue;
        if (titleWord) *titleWord = std::u16string(shown.titleWord);
        return &rows;
    }
    return nullptr;
}

QString MainWindow::exportViewerTo(const QString& path) {
    if (m_run.pileCount() == 0) return QStringLiteral("没有可导出的计算结果");
    if (isPdf(path)) return failed(path, platform::writePdf(path, viewerPrintText()));
    if (isXlsx(path)) return workbook(*this, nullptr, path, summarySheet(m_run, decimalSeparator()));
    return unknownFormat(path);
}

QString MainWindow::exportListTo(const QString& path) {
    std::u16string titleWord;
    const ResultList* rows = shownList(&titleWord);
    if (!rows) return QStringLiteral("没有可导出的优化结果");
    const Lines footer = SummaryFooter(platform::timeText(m_clock(), QLocale()).toStdU16String());
    if (isPdf(path)) {
        platform::PrintText text;
        text.lines = rows->tableLines(titleWord);
        text.lines.insert(text.lines.end(), footer.begin(), footer.end());
        text.title = QString::fromStdU16String(titleWord);
        text.orientation = QPageLayout::Landscape;
        text.repeatFirst = kRepeatedHeadFirst;
        text.repeatCount = kRepeatedHeadLines;
        text.font = app::memoFont(12);
        return failed(path, platform::writePdf(path, text));
    }
    if (isXlsx(path)) return workbook(*this, lb_YHxingxi, path, listSheet(*rows, titleWord, footerNotes(footer)));
    return unknownFormat(path);
}

void MainWindow::cbt_PrintClick() {
    if (m_run.pileCount() == 0) return;
    const platform::PrintText text = viewerPrintText();
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageLayout(platform::printPageLayout(text));
    printer->setDocName(text.title);
    auto* preview = new QPrintPreviewDialog(printer, this);
    preview->setObjectName(QStringLiteral("dlg_PrintPreview"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    // The text as it was when the preview opened; the printer lives as long as the preview.
    connect(preview, &QPrintPreviewDialog::paintRequested, preview,
            [text](QPrinter* target) { platform::paintText(*target, text); });
    connect(preview, &QObject::destroyed, [printer] { delete printer; });
    preview->open();
}

// The save dialog of both exports, opened without waiting: the export runs when a
// name is chosen. Its extension decides the format; a name without one takes the
// selected filter's.
void MainWindow::openExportDialog(const QString& baseName, bool list) {
    const platform::FolderLookup folder = platform::prepareDocumentsFolder();
    auto* dialog = new QFileDialog(this, QStringLiteral("导出"), folder.ok() ? folder.path : QString());
    dialog->setObjectName(QStringLiteral("dlg_Export"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    dialog->setNameFilters({QStringLiteral("PDF 文件 (*.pdf)"), QStringLiteral("Excel 工作簿 (*.xlsx)")});
    dialog->setDefaultSuffix(QStringLiteral("pdf"));
    dialog->selectFile(baseName + QStringLiteral(".pdf"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::filterSelected, dialog, [dialog](const QString& filter) {
        dialog->setDefaultSuffix(filter.contains(QLatin1String("xlsx")) ? QStringLiteral("xlsx") : QStringLiteral("pdf"));
    });
    connect(dialog, &QFileDialog::fileSelected, this, [this, list](const QString& path) {
        platform::runGuarded(this, [&] {
            QString error;
            {
                const BusyCursor busy;
                error = list ? exportListTo(path) : exportViewerTo(path);
            }
            if (!error.isEmpty()) platform::showErrorReport(this, error);
        });
    });
    dialog->open();
}

void MainWindow::cbt_ExportClick() {
    if (m_run.pileCount() == 0) return;
    const bool book = m_viewerPage == app::ViewerPage::Book;
    openExportDialog(book ? QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_文本")
                          : QStringLiteral("嵌岩桩计算书(依据JTS167-4-2012)_表格"),
                     false);
}

void MainWindow::cbt_YHexportClick() {
    std::u16string titleWord;
    if (!shownList(&titleWord)) return;
    openExportDialog(QString::fromStdU16String(titleWord) + QStringLiteral("(依据JTS167-4-2012)_表格"), true);
}
