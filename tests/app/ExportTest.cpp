// SPDX-License-Identifier: GPL-3.0-or-later
// Print and export of the viewer's text and of the optimisation list on screen. The
// PDFs are read back with poppler's pdftotext and pdfinfo, the workbooks with openpyxl:
// tools that share nothing with the writers.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <cmath>

#include "AppTests.h"
#include "OptimisationTestKit.h"
#include "WindowFixture.h"
#include "optimisation/ResultList.h"
#include "platform/Clock.h"
#include "reports/SummaryTable.h"
#include "reports/TextColumns.h"
#include "support/WorkbookReader.h"

namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString withoutBlanks(QString line) { return line.remove(QRegularExpression(QStringLiteral("\\s"))); }

// The lines of a text, blanks taken out and empty lines left out.
QStringList compact(const pilecalc::Lines& lines, std::size_t first = 0, std::size_t count = SIZE_MAX) {
    QStringList out;
    for (std::size_t i = first; i < lines.size() && i - first < count; ++i) {
        const QString l = withoutBlanks(QString::fromStdU16String(lines[i]));
        if (!l.isEmpty()) out << l;
    }
    return out;
}

struct PdfPages {
    QStringList heads;               // first line of each page, blanks out
    QList<QStringList> pageLines;    // the other lines of each page, blanks out, empty ones dropped
    QStringList sizes;               // "595.276 x 841.89" of each page
};

PdfPages readPdf(const QString& path) {
    PdfPages pdf;
    QStringList pages = run("pdftotext", {"-layout", path, "-"}).split(u'\f');
    if (!pages.isEmpty() && withoutBlanks(pages.last()).isEmpty()) pages.removeLast();
    for (const QString& page : pages) {
        QStringList lines;
        for (const QString& l : page.split(u'\n')) {
            const QString c = withoutBlanks(l);
            if (!c.isEmpty()) lines << c;
        }
        pdf.heads << (lines.isEmpty() ? QString() : lines.takeFirst());
        pdf.pageLines << lines;
    }
    const QRegularExpression size(QStringLiteral("Page +\\d+ size: +([0-9.]+ x [0-9.]+) pts"));
    auto it = size.globalMatch(run("pdfinfo", {"-f", "1", "-l", "100000", path}));
    while (it.hasNext()) pdf.sizes << it.next().captured(1);
    return pdf;
}

// A4 in whole points, as the PDF's media box gives it.
const QString kPortrait = "595 x 842";
const QString kLandscape = "842 x 595";

}  // namespace

class ExportTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void computePiles(int count) {
        const char* diameters[] = {"1000", "1200", "1500", "1800", "2000"};
        const char* depths[] = {"1.0d", "3000", "1.5d"};
        for (int k = 0; k < count; ++k) {
            ui(w()).cbe_dd->setEditText(diameters[k % 5]);
            ui(w()).cbe_hr->setEditText(depths[k % 3]);
            ui(w()).popbox_jingdu->setCurrentIndex(k % 5);
            ui(w()).cbt_compute->click();
        }
        QCOMPARE(w().pileCount(), count);
    }
    QString documentsFile(const QString& name) { return QDir(fixture.documents()).filePath(name); }

    // The pages must hold the text's lines in order, each page under a running head with
    // the title and its number, later pages of a table under its repeated head lines.
    void checkPages(const PdfPages& pdf, const pilecalc::Lines& text, const QString& title, std::size_t repeated) {
        const QStringList head = compact(text, 1, repeated);
        QStringList lines;
        const int m = static_cast<int>(pdf.pageLines.size());
        for (int n = 0; n < m; ++n) {
            QCOMPARE(pdf.heads[n], QString("%1第%2页共%3页").arg(title).arg(n + 1).arg(m));
            QStringList page = pdf.pageLines[n];
            if (n > 0 && repeated > 0) {
                QCOMPARE(page.mid(0, head.size()), head);
                page = page.mid(head.size());
            }
            lines << page;
        }
        QCOMPARE(lines, compact(text));
        QVERIFY(lines.last().startsWith("计算时间："));
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Three piles' book: four portrait A4 pages (a 12 pt grid) whose text is the
    // book's lines, the memo's font embedded.
    void bookAsPdfOnPortraitPages() {
        computePiles(3);
        const QString path = documentsFile("book.pdf");
        QCOMPARE(w().exportViewerTo(path), QString());
        const PdfPages pdf = readPdf(path);
        QCOMPARE(pdf.pageLines.size(), 4);
        QCOMPARE(pdf.sizes, QStringList(4, kPortrait));
        checkPages(pdf, w().bookLines(), "嵌岩桩计算书", 0);

        const QStringList fonts = run("pdffonts", {path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fonts.isEmpty());
        for (const QString& font : fonts) {
            QVERIFY2(font.contains("WenQuanYi") || font.contains("SimHei"), qPrintable(font));
            QVERIFY2(font.contains(QRegularExpression(" yes +(yes|no) +yes ")), qPrintable(font));  // embedded, unicode
        }
    }

    // The table: landscape pages, the column heads repeated on every later page, and
    // the characters of each line on one grid: the same column in the PDF as in the
    // text (an ideograph two columns).
    void tableAsPdfOnLandscapePagesWithItsHeadRepeated_data() {
        QTest::addColumn<int>("piles");
        QTest::addColumn<int>("pages");
        QTest::newRow("thirtyPilesFitOnePage") << 30 << 1;
        QTest::newRow("seventyPilesTakeTwoPages") << 70 << 2;
    }
    void tableAsPdfOnLandscapePagesWithItsHeadRepeated() {
        QFETCH(int, piles);
        QFETCH(int, pages);
        computePiles(piles);
        ui(w()).cbt_View->click();
        ui(w()).cbt_PageBook->click();
        QCOMPARE(w().viewerPage(), pilecalc::app::ViewerPage::Table);
        const QString path = documentsFile("table.pdf");
        QCOMPARE(w().exportViewerTo(path), QString());
        const PdfPages pdf = readPdf(path);
        QCOMPARE(pdf.pageLines.size(), pages);
        QCOMPARE(pdf.sizes, QStringList(pages, kLandscape));
        checkPages(pdf, w().tableLines(), "嵌岩桩计算书", 4);

        // Every word starts where its column puts it: x = left + column * cell for one
        // left edge and one cell width across the whole row, an ideograph two cells.
        const QString boxes = run("pdftotext", {"-bbox", path, "-"});
        const QRegularExpression word(QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)</word>"));
        for (int n : {1, piles}) {
            const QString row = QString::fromStdU16String(w().tableLines()[4 + static_cast<std::size_t>(n)]);
            QList<int> columns;
            const QRegularExpression figure(QStringLiteral("\\S+"));
            for (auto it = figure.globalMatch(row); it.hasNext();)
                columns << pilecalc::DisplayWidth(row.left(it.next().capturedStart()).toStdU16String());
            QList<double> starts;
            QString lineY;
            for (auto it = word.globalMatch(boxes); it.hasNext();) {
                const auto m = it.next();
                if (m.captured(3) == QString("ZH%1").arg(n)) lineY = m.captured(2);
                if (!lineY.isEmpty() && m.captured(2) == lineY) starts << m.captured(1).toDouble();
                if (!lineY.isEmpty() && m.captured(2) != lineY) break;
            }
            QCOMPARE(starts.size(), columns.size());
            const double cell = (starts.last() - starts.first()) / (columns.last() - columns.first());
            for (int k = 0; k < columns.size(); ++k)
                QVERIFY2(std::abs(starts[k] - (starts.first() + (columns[k] - columns.first()) * cell)) < 0.01,
                         qPrintable(QString("word %1 of ZH%2").arg(k).arg(n)));
        }
    }

    // The viewer's workbook is the summary table of the same piles, whatever the page.
    void viewerWorkbookHoldsTheTable() {
        computePiles(5);
        const QString path = documentsFile("table.xlsx");
        QCOMPARE(w().exportViewerTo(path), QString());
        QString error;
        const auto sheets = pilecalc::test::readWorkbook(path, &error);
        QVERIFY2(sheets.size() == 1, qPrintable(error));
        QCOMPARE(sheets[0].cells.at({6, 1}).value, std::string("ZH5"));
        QCOMPARE(sheets[0].cells.at({6, 17}).kind, 'n');
        QCOMPARE(sheets[0].frozen, std::string("A2"));
        QVERIFY(!w().exportViewerTo(documentsFile("table.txt")).isEmpty());  // neither format
        // A folder that is not there: the reason with the file's name, and nothing left behind.
        for (const QString name : {"missing/table.xlsx", "missing/table.pdf"}) {
            const QString error = w().exportViewerTo(documentsFile(name));
            QVERIFY2(error.startsWith("无法导出“") && error.contains(name), qPrintable(error));
        }
        QCOMPARE(QDir(fixture.documents()).entryList(QDir::Files), QStringList{"table.xlsx"});
    }

    // The list on screen, raw and then filtered: its 17 columns, numbers as numbers,
    // each cell showing the list's text (the pile numbers those of the list file).
    void listWorkbookHoldsTheListOnScreen() {
        w().show();
        w().cbt_YouHuaClick();
        pilecalc::test::writeRanges(w(), pilecalc::test::defaultRanges());
        ui(w()).cbt_YHcompute->click();
        for (bool filtered : {false, true}) {
            if (filtered) {
                pilecalc::test::writeFilterBounds(w(), "10000", "20000");
                ui(w()).cbt_YHsaixuan->click();
                QVERIFY(!ui(w()).Grid3_Youhuasaixuan->isHidden());
            }
            QTableView* view = filtered ? ui(w()).Grid3_Youhuasaixuan : ui(w()).Grid2_Youhuajieguo;
            const QList<QStringList> cells = pilecalc::test::listCells(view);
            QVERIFY(!cells.isEmpty());
            const QString path = documentsFile(filtered ? "filtered.xlsx" : "raw.xlsx");
            QCOMPARE(w().exportListTo(path), QString());
            QString error;
            const auto sheets = pilecalc::test::readWorkbook(path, &error);
            QVERIFY2(sheets.size() == 1, qPrintable(error));
            const auto& s = sheets[0];
            QCOMPARE(QString::fromStdString(s.name), filtered ? QString("嵌岩桩优化计算筛选结果") : QString("嵌岩桩优化计算原始结果"));
            QCOMPARE(s.cells.at({1, 3}).value, std::string("Qcd(kN)"));
            const int digits = QString::number(cells.size()).size();
            for (int r = 0; r < cells.size(); ++r) {
                QCOMPARE(QString::fromStdString(s.cells.at({r + 2, 1}).value),
                         QString("ZH-%1").arg(r + 1, digits, 10, QChar('0')));
                for (int c = 1; c < 16; ++c) {
                    const auto it = s.cells.find({r + 2, c + 1});
                    const QString shown = it == s.cells.end() ? QString() : QString::fromStdString(pilecalc::test::shownText(it->second));
                    QCOMPARE(shown, cells[r][c].trimmed());
                }
                for (int c : {1, 2, 4, 9, 12, 14}) QCOMPARE(s.cells.at({r + 2, c + 1}).kind, 'n');
                QCOMPARE(s.cells.at({r + 2, 6}).kind, 's');  // 是 / 否
            }
            QVERIFY(s.cells.at({static_cast<int>(cells.size()) + 4, 1}).value.starts_with("计算时间："));

            // The PDF of the same list: landscape, its lines those of the list file.
            const QString pdfPath = documentsFile(filtered ? "filtered.pdf" : "raw.pdf");
            QCOMPARE(w().exportListTo(pdfPath), QString());
            const std::u16string word = filtered ? u"嵌岩桩优化计算筛选结果" : u"嵌岩桩优化计算原始结果";
            pilecalc::Lines lines = w().shownList()->tableLines(word);
            for (const auto& l : pilecalc::SummaryFooter(
                     pilecalc::platform::timeText(pilecalc::test::fixedTime(), QLocale()).toStdU16String()))
                lines.push_back(l);
            const PdfPages pdf = readPdf(pdfPath);
            QCOMPARE(pdf.sizes, QStringList(pdf.pageLines.size(), kLandscape));
            checkPages(pdf, lines, QString::fromStdU16String(word), 4);
        }
    }

    // The buttons: a print preview and the export dialogs open without blocking; the
    // export dialog starts in the documents folder with the text file's base name, and
    // choosing a name writes the format its extension names.
    void buttonsOpenPreviewAndExportDialogs() {
        w().show();
        computePiles(2);
        ui(w()).cbt_View->click();
        QVERIFY(ui(w()).cbt_Print->isVisible());
        ui(w()).cbt_Print->click();
        auto* preview = w().findChild<QPrintPreviewDialog*>("dlg_PrintPreview");
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        preview->close();

        ui(w()).cbt_Export->click();
        auto* dialog = w().findChild<QFileDialog*>("dlg_Export");
        QVERIFY(dialog);
        QVERIFY(dialog->isVisible());
        QCOMPARE(QDir(dialog->directory()).canonicalPath(), QDir(fixture.documents()).canonicalPath());
        QCOMPARE(dialog->findChild<QLineEdit*>()->text(), QString("嵌岩桩计算书(依据JTS167-4-2012)_文本.pdf"));
        dialog->selectFile(documentsFile("chosen.xlsx"));
        static_cast<QDialog*>(dialog)->accept();
        QVERIFY(QFile::exists(documentsFile("chosen.xlsx")));
        QVERIFY(!QFile::exists(documentsFile("chosen.xlsx.partial")));

        ui(w()).cbt_Exit->click();
        w().cbt_YouHuaClick();
        pilecalc::test::writeRanges(w(), pilecalc::test::defaultRanges());
        ui(w()).cbt_YHcompute->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the first dialog is gone
        ui(w()).cbt_YHexport->click();
        auto* listDialog = w().findChild<QFileDialog*>("dlg_Export");
        QVERIFY(listDialog && listDialog->isVisible());
        QCOMPARE(listDialog->findChild<QLineEdit*>()->text(), QString("嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.pdf"));
        listDialog->selectFile(documentsFile("list"));  // no extension: the filter's, PDF
        static_cast<QDialog*>(listDialog)->accept();
        QVERIFY(QFile::exists(documentsFile("list.pdf")));
    }
};

static pilecalc::test::RegisterTest<ExportTest> registerExport;
#include "ExportTest.moc"
