// SPDX-License-Identifier: GPL-3.0-or-later
// What the user does with the result lists: filter by Qcd, sort by header clicks, take a
// pile back into the main inputs, fold and expand the columns, and save the list.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <limits>

#include "support/TestFiles.h"
#include "AppTests.h"
#include "OptimisationTestKit.h"
#include "WindowFixture.h"
#include "app/FontColour.h"
#include "app/ScaledLayer.h"
#include "platform/Clock.h"
#include "platform/DocumentsFolder.h"
#include "platform/TextEncoding.h"
#include "reports/OptimisationTable.h"
#include "reports/SummaryTable.h"

using namespace pilecalc::test;
using pilecalc::app::fontColour;
using pilecalc::app::kBlack;

namespace {

using pilecalc::test::readFile;

double key(const QString& cell) { return QLocale::c().toDouble(cell); }

// The exchange sort as the lists were first designed, rows moved whole: the reference
// for the order a header click must give, ties included.
void exchangeSort(QList<QStringList>& rows, int column) {
    for (int i = 0; i < rows.size(); ++i) {
        double k = key(rows[i][column]);
        for (int j = i; j < rows.size(); ++j) {
            if (k > key(rows[j][column])) {
                std::swap(rows[i], rows[j]);
                k = key(rows[i][column]);
            }
        }
    }
}

// 27 piles with d of 900, 1000 and 1100 (900 sorts first as a number, last as a text),
// nine of each, and Qcd cut to hundreds so that some piles share a Qcd.
RangeTexts tiedRanges() { return {{"900", "1100", "100"}, {"1.0d", "2.0d", "0.5d"}, {"20", "40", "10"}}; }

const QString kRawFile = "嵌岩桩优化计算原始结果(依据JTS167-4-2012)_表格.txt";
const QString kFilteredFile = "嵌岩桩优化计算筛选结果(依据JTS167-4-2012)_表格.txt";

}  // namespace

class OptimisationListTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void runBatch(const RangeTexts& ranges, int mode = 2) {
        w().show();
        ui(w()).popbox_jingdu->setCurrentIndex(mode);
        w().cbt_YouHuaClick();
        writeRanges(w(), ranges);
        ui(w()).cbt_YHcompute->click();
    }
    QTableView* shownList() {
        return ui(w()).Grid2_Youhuajieguo->isHidden() ? ui(w()).Grid3_Youhuasaixuan : ui(w()).Grid2_Youhuajieguo;
    }
    // A real click on a header section, wherever the section is shown.
    void clickHeader(QTableView* list, int column) {
        QHeaderView* header = list->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    void doubleClickRow(QTableView* list, int row) {
        list->doItemsLayout();
        list->scrollTo(list->model()->index(row, 0));
        QCoreApplication::processEvents();
        const QRect place = list->visualRect(list->model()->index(row, 0));
        // A double click is a click followed by the double-click press.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place.center());
    }
    QString status() { return ui(w()).lb_YHxingxi->text(); }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Both lists open folded on pile number, d and Qcd, with their headers right-aligned
    // to eight columns (a CJK character counts two), and cells that cannot be edited.
    void resultListsAsCreated() {
        const QStringList headers{"  桩编号", "   d(mm)", " Qcd(kN)", "  hr(mm)", "frk(MPa)", "  中风化",
                                  "折减系数", "    hr/d", "      ζs", " Qcs(kN)", "侧阻占比", "      ζp",
                                  " Qcp(kN)", "端阻占比", " Qck(kN)", "     γcR", "    备注"};
        runBatch(defaultRanges());
        for (QTableView* list : {ui(w()).Grid2_Youhuajieguo, ui(w()).Grid3_Youhuasaixuan}) {
            QCOMPARE(listHeaders(list), headers);
            for (int c = 0; c < 17; ++c) QCOMPARE(list->isColumnHidden(c), c > 2);
            QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
            QVERIFY(list->horizontalHeader()->sectionsMovable());
            QVERIFY(list->horizontalHeader()->sectionsClickable());
        }
        w().cbt_zhangkaiClick();  // shown, every column has its width
        for (QTableView* list : {ui(w()).Grid2_Youhuajieguo, ui(w()).Grid3_Youhuasaixuan}) {
            for (int c = 0; c < 17; ++c) QCOMPARE(list->columnWidth(c), c == 2 ? 80 : c == 16 ? 120 : 70);
        }
        const QModelIndex cell = ui(w()).Grid2_Youhuajieguo->model()->index(3, 1);
        QVERIFY(!(cell.flags() & Qt::ItemIsEditable));
        QCOMPARE(cell.data(Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::Alignment(Qt::AlignCenter));
    }

    // ---- filter ----
    // Bounds are given as texts; "@n" stands for the Qcd text of raw row n. lower/upper
    // are the bounds the texts must amount to (-1: that row's Qcd).
    void filterKeepsRowsInsideTheBounds_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<double>("lower");
        QTest::addColumn<double>("upper");
        const double none = std::numeric_limits<double>::infinity();
        QTest::newRow("0 and 0: every pile") << "0"
                                             << "0" << 0.0 << none;
        QTest::newRow("negative bounds set none") << "-5"
                                                  << "-1" << 0.0 << none;
        QTest::newRow("10000 and 0: at least 10000") << "10000"
                                                     << "0" << 10000.0 << none;
        QTest::newRow("12000 and 11000: exactly 12000") << "12000"
                                                        << "11000" << 12000.0 << 12000.0;
        QTest::newRow("the start bounds") << "10000"
                                          << "15000" << 10000.0 << 15000.0;
        QTest::newRow("bounds on a listed Qcd are inclusive") << "@4"
                                                              << "@4" << -1.0 << -1.0;
        QTest::newRow("above every pile") << "1e9"
                                          << "0" << 1e9 << none;
    }
    void filterKeepsRowsInsideTheBounds() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(double, lower);
        QFETCH(double, upper);
        runBatch(defaultRanges(), 4);  // hundreds: Qcd values such as 12000 occur
        const QList<QStringList> raw = listCells(ui(w()).Grid2_Youhuajieguo);
        auto resolve = [&](QString& text, double& bound) {
            if (!text.startsWith('@')) return;
            text = raw[text.mid(1).toInt()][2];
            bound = key(text);
        };
        resolve(minimum, lower);
        resolve(maximum, upper);
        QList<QStringList> expected;
        for (const QStringList& row : raw) {
            if (lower <= key(row[2]) && key(row[2]) <= upper) expected << row;
        }

        writeFilterBounds(w(), minimum, maximum);
        ui(w()).cbt_YHsaixuan->click();
        QCOMPARE(listCells(ui(w()).Grid3_Youhuasaixuan), expected);
        QVERIFY(!ui(w()).Grid3_Youhuasaixuan->isHidden());
        QVERIFY(ui(w()).Grid2_Youhuajieguo->isHidden());
        QCOMPARE(status(), expected.isEmpty() ? QString("无满足条件桩，调整区间再筛选")
                                              : QString("筛选完成，桩数：%1 根").arg(expected.size()));
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kBlack);
        QVERIFY(!ui(w()).cbt_YHsaixuan->isEnabled());
        QCOMPARE(ui(w()).cbt_YHsave->isEnabled(), !expected.isEmpty());
        QCOMPARE(listCells(ui(w()).Grid2_Youhuajieguo), raw);  // the raw list stays whole
    }

    void unreadableBoundChangesNothing_data() {
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("maximum");
        QTest::addColumn<QString>("dialog");
        QTest::newRow("letters in the minimum") << "abc"
                                                << "15000"
                                                << "'abc' is not a valid floating point value.";
        QTest::newRow("empty maximum") << "10000"
                                       << ""
                                       << "'' is not a valid floating point value.";
    }
    void unreadableBoundChangesNothing() {
        QFETCH(QString, minimum);
        QFETCH(QString, maximum);
        QFETCH(QString, dialog);
        runBatch(tiedRanges());
        clickHeader(ui(w()).Grid2_Youhuajieguo, 1);  // sorted by d
        const QList<QStringList> raw = listCells(ui(w()).Grid2_Youhuajieguo);
        const QStringList before = optimisationLayerState(w());
        writeFilterBounds(w(), minimum, maximum);  // "筛选" enabled again
        const QStringList enabled = optimisationLayerState(w());

        ui(w()).cbt_YHsaixuan->click();
        QCOMPARE(fixture.takeDialog(), dialog);
        QCOMPARE(optimisationLayerState(w()), enabled);
        QCOMPARE(before.mid(2), enabled.mid(2));
        QCOMPARE(listCells(ui(w()).Grid2_Youhuajieguo), raw);
        QCOMPARE(ui(w()).Grid3_Youhuasaixuan->model()->rowCount(), 0);
    }

    void filterBeforeAnyBatchShowsAnEmptyList() {
        w().cbt_YouHuaClick();
        writeFilterBounds(w(), "0", "0");
        ui(w()).cbt_YHsaixuan->click();
        QCOMPARE(status(), QString("无满足条件桩，调整区间再筛选"));
        QVERIFY(!ui(w()).Grid3_Youhuasaixuan->isHidden());
        QVERIFY(!ui(w()).cbt_YHsaixuan->isEnabled());
        QVERIFY(!ui(w()).cbt_YHsave->isEnabled());
    }

    // A sorted raw list filters in its order; the states start again from none, and a
    // second filter run starts from the whole raw list, not from the last result.
    void filterFollowsTheRawOrder() {
        runBatch(tiedRanges());
        clickHeader(ui(w()).Grid2_Youhuajieguo, 2);  // Qcd ascending
        clickHeader(ui(w()).Grid2_Youhuajieguo, 2);  // Qcd descending
        const QList<QStringList> raw = listCells(ui(w()).Grid2_Youhuajieguo);
        writeFilterBounds(w(), raw[20][2], raw[5][2]);
        ui(w()).cbt_YHsaixuan->click();
        QCOMPARE(listCells(ui(w()).Grid3_Youhuasaixuan), raw.mid(5, 16));
        QCOMPARE(w().QcdOrder(), pilecalc::SortOrder::None);
        QCOMPARE(listHeaders(ui(w()).Grid3_Youhuasaixuan).mid(1, 2), QStringList({"   d(mm)", " Qcd(kN)"}));
        QCOMPARE(listHeaders(ui(w()).Grid2_Youhuajieguo)[2], QString("Qcd(kN)▼"));  // left as it was

        writeFilterBounds(w(), "0", raw[25][2]);
        ui(w()).cbt_YHsaixuan->click();
        QCOMPARE(listCells(ui(w()).Grid3_Youhuasaixuan), raw.mid(25));
    }

    // ---- sort ----
    // Header clicks in sequence (-1: the d column after it was dragged to the far right)
    // on the raw or the filtered list; the list must end in the order of the designed
    // exchange sort and its reversals.
    void headerClicksSortAndReverse_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<int>("dOrder");
        QTest::addColumn<int>("QcdOrder");
        const QStringList dUp{" d(mm)▲", " Qcd(kN)"}, dDown{" d(mm)▼", " Qcd(kN)"}, qUp{"   d(mm)", "Qcd(kN)▲"},
            qDown{"   d(mm)", "Qcd(kN)▼"}, plain{"   d(mm)", " Qcd(kN)"};
        QTest::newRow("d three times") << QList<int>{1, 1, 1} << false
                                       << QStringList{"d升序排列完成", "d降序排列完成", "d升序排列完成"} << dUp << 1
                                       << 0;
        QTest::newRow("d, Qcd, d") << QList<int>{1, 2, 1} << false
                                   << QStringList{"d升序排列完成", "Qcd升序排列完成", "d升序排列完成"} << dUp << 1 << 0;
        QTest::newRow("Qcd twice on the filtered list")
            << QList<int>{2, 2} << true << QStringList{"Qcd升序排列完成", "Qcd降序排列完成"} << qDown << 0 << 2;
        QTest::newRow("pile number and hr refused")
            << QList<int>{0, 3} << false << QStringList{"仅支持d、Qcd排序", "仅支持d、Qcd排序"} << plain << 0 << 0;
        QTest::newRow("Qcd then another column keeps the order")
            << QList<int>{2, 9} << false << QStringList{"Qcd升序排列完成", "仅支持d、Qcd排序"} << qUp << 0 << 1;
        QTest::newRow("moved d column sorts by d")
            << QList<int>{-1, -1} << true << QStringList{"d升序排列完成", "d降序排列完成"} << dDown << 2 << 0;
    }
    void headerClicksSortAndReverse() {
        QFETCH(QList<int>, clicks);
        QFETCH(bool, filtered);
        QFETCH(QStringList, messages);
        QFETCH(QStringList, headers);
        QFETCH(int, dOrder);
        QFETCH(int, QcdOrder);
        runBatch(tiedRanges(), 4);
        w().cbt_zhangkaiClick();  // every column shown
        if (filtered) {
            writeFilterBounds(w(), "0", "0");
            w().cbt_YHsaixuanClick();
        }
        QTableView* list = shownList();
        list->horizontalHeader()->moveSection(list->horizontalHeader()->visualIndex(1), 16);

        QList<QStringList> expected = listCells(list);
        int state[3] = {0, 0, 0};  // by key column 1 (d) and 2 (Qcd)
        QStringList seen;
        for (int click : clicks) {
            const int column = click < 0 ? 1 : click;
            ui(w()).cbt_YHsave->setEnabled(false);
            clickHeader(list, column);
            seen << status();
            if (column == 1 || column == 2) {
                QVERIFY(ui(w()).cbt_YHsave->isEnabled());
                if (state[column] == 0) {
                    exchangeSort(expected, column);
                    state[column] = 1;
                } else {
                    std::reverse(expected.begin(), expected.end());
                    state[column] = 3 - state[column];
                }
                state[3 - column] = 0;
            }
            QCOMPARE(listCells(list), expected);
            QCOMPARE(list->currentIndex().row(), 0);  // the first row selected
            QCOMPARE(list->currentIndex().column(), column);
            QVERIFY(list->selectionModel()->isRowSelected(0, {}));
        }
        QCOMPARE(seen, messages);
        QCOMPARE(listHeaders(list).mid(1, 2), headers);
        QCOMPARE(static_cast<int>(w().dOrder()), dOrder);
        QCOMPARE(static_cast<int>(w().QcdOrder()), QcdOrder);
        QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kBlack);
        // Numbers, not texts: 900 comes before 1000 once sorted by d.
        if (dOrder == 1) QCOMPARE(listCells(list).first()[1], QString("900"));
    }

    void oneRowNeedsNoSort() {
        runBatch({{"1000", "1000", "0"}, {"2.0d", "2.0d", "0d"}, {"30", "30", "0"}});
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 1);
        const QStringList headers = listHeaders(ui(w()).Grid2_Youhuajieguo);
        clickHeader(ui(w()).Grid2_Youhuajieguo, 1);
        QCOMPARE(status(), QString("无需排序"));
        QCOMPARE(listHeaders(ui(w()).Grid2_Youhuajieguo), headers);
        QCOMPARE(w().dOrder(), pilecalc::SortOrder::None);
        QVERIFY(!ui(w()).Grid2_Youhuajieguo->currentIndex().isValid());
    }

    // ---- pick-back ----
    // The listed pile that the main layer already holds: no input changes, no reaction.
    void pickingTheShownPileChangesNothing() {
        runBatch(defaultRanges());
        QStringList before = mainLayerState(w());
        doubleClickRow(ui(w()).Grid2_Youhuajieguo, 26);
        QVERIFY(!ui(w()).MainFormLayer->isHidden());
        QVERIFY(ui(w()).YouHuaFormLayer->isHidden());
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);
        QStringList after = mainLayerState(w());
        QCOMPARE(after.mid(0, after.size() - 1), before.mid(0, before.size() - 1));
        QVERIFY(!ui(w()).edt_ra->text().isEmpty());
    }

    // A pile in rock that is not weathered, from the filtered list, taken back while the
    // box is ticked: the box is cleared (disabling the factor), then "1.00" is written and
    // checked; every change blanks the outputs and brings back "计算"; γcR stays.
    void pickingAnUnweatheredPile() {
        ui(w()).ckb_zhongfenghua->setChecked(false);
        runBatch(defaultRanges());
        w().cbt_YHfanhuiClick();
        ui(w()).ckb_zhongfenghua->setChecked(true);
        ui(w()).cbe_zhongfenghua->setEditText("0.75");
        ui(w()).cbe_Gamacr->setEditText("1.75");
        w().cbt_computeClick();  // recorded: "结果" in place of "计算"
        QVERIFY(ui(w()).cbt_compute->isHidden());

        w().cbt_YouHuaClick();
        writeFilterBounds(w(), "0", "0");
        ui(w()).cbt_YHsaixuan->click();
        const QStringList row = listCells(ui(w()).Grid3_Youhuasaixuan)[4];
        QCOMPARE(row.mid(5, 2), QStringList({"否", "1.00"}));
        doubleClickRow(ui(w()).Grid3_Youhuasaixuan, 4);

        QCOMPARE(ui(w()).cbe_dd->currentText(), row[1]);
        QCOMPARE(ui(w()).cbe_hr->currentText(), row[3]);
        QCOMPARE(ui(w()).edt_frk->text(), row[4]);
        QVERIFY(!ui(w()).ckb_zhongfenghua->isChecked());
        QVERIFY(!ui(w()).cbe_zhongfenghua->isEnabled());
        QCOMPARE(ui(w()).cbe_zhongfenghua->currentText(), QString("1.00"));
        QCOMPARE(fontColour(ui(w()).cbe_zhongfenghua), kBlack);
        QCOMPARE(ui(w()).cbe_Gamacr->currentText(), QString("1.75"));
        QCOMPARE(ui(w()).edt_ra->text(), QString());
        QVERIFY(!ui(w()).cbt_compute->isHidden());
        QVERIFY(ui(w()).cbt_View->isHidden());
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);
        // Computed in full on the main layer, it is recorded as the next pile.
        w().cbt_computeClick();
        QCOMPARE(w().pileCount(), 2);
        QCOMPARE(ui(w()).edt_Qrk->text(), row[14]);
        // The lists, their order and the sort states wait unchanged.
        w().cbt_YouHuaClick();
        QCOMPARE(listCells(ui(w()).Grid3_Youhuasaixuan)[4], row);
    }

    // ---- column toggle ----
    void toggleShowsAndFoldsColumnsOnEmptyLists() {
        w().cbt_YouHuaClick();
        QTableView* lists[] = {ui(w()).Grid2_Youhuajieguo, ui(w()).Grid3_Youhuasaixuan};
        auto shown = [&](QTableView* list) {
            QList<int> columns;
            for (int c = 0; c < 17; ++c) {
                if (!list->isColumnHidden(c)) columns << c;
            }
            return columns;
        };
        QList<int> all;
        for (int c = 0; c < 17; ++c) all << c;
        for (int round = 0; round < 2; ++round) {
            ui(w()).cbt_zhangkai->click();
            QCOMPARE(ui(w()).cbt_zhangkai->text(), QString("折叠"));
            QVERIFY(!ui(w()).Grid1_Youhuaxuanxiang->isColumnHidden(4));
            for (QTableView* list : lists) QCOMPARE(shown(list), all);
            ui(w()).cbt_zhangkai->click();
            QCOMPARE(ui(w()).cbt_zhangkai->text(), QString("展开"));
            QVERIFY(ui(w()).Grid1_Youhuaxuanxiang->isColumnHidden(4));
            for (QTableView* list : lists) QCOMPARE(shown(list), QList<int>({0, 1, 2}));
        }
        for (QTableView* list : lists) QCOMPARE(list->model()->rowCount(), 0);
        QCOMPARE(ui(w()).Grid1_Youhuaxuanxiang->rowCount(), 5);
    }

    // ---- saving ----
    // The list on screen, numbered 1..N in its present order with as many digits as N
    // has, every line closed by CR LF, the footer with the time of the save.
    void savedListFile_data() {
        QTest::addColumn<RangeTexts>("ranges");
        QTest::addColumn<bool>("sortByQcd");
        QTest::addColumn<bool>("filtered");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("lastNumber");
        QTest::newRow("9 rows") << RangeTexts{{"1000", "1000", "0"}, {"1.0d", "3.0d", "1.0d"}, {"30", "50", "10"}}
                                << false << false << 9 << "ZH-9";
        QTest::newRow("10 rows sorted by Qcd")
            << RangeTexts{{"1000", "1000", "0"}, {"2.0d", "2.0d", "0d"}, {"10", "100", "10"}} << true << false << 10
            << "ZH-10";
        QTest::newRow("120 rows") << RangeTexts{{"1000", "1900", "100"}, {"1.0d", "3.0d", "1.0d"}, {"20", "50", "10"}}
                                  << false << false << 120 << "ZH-120";
        QTest::newRow("filtered 120 rows renumbered")
            << RangeTexts{{"1000", "1900", "100"}, {"1.0d", "3.0d", "1.0d"}, {"20", "50", "10"}} << true << true << 120
            << "ZH-120";
    }
    void savedListFile() {
        QFETCH(RangeTexts, ranges);
        QFETCH(bool, sortByQcd);
        QFETCH(bool, filtered);
        QFETCH(int, rows);
        QFETCH(QString, lastNumber);
        runBatch(ranges);
        if (filtered) {
            writeFilterBounds(w(), "0", "0");
            ui(w()).cbt_YHsaixuan->click();
        }
        if (sortByQcd) clickHeader(shownList(), 2);
        const QList<QStringList> cells = listCells(shownList());
        QCOMPARE(cells.size(), rows);

        ui(w()).cbt_YHsave->click();
        QVERIFY(!ui(w()).cbt_YHsave->isEnabled());
        const QString path = QDir(fixture.documents()).filePath(filtered ? kFilteredFile : kRawFile);
        QVERIFY(!QFile::exists(QDir(fixture.documents()).filePath(filtered ? kRawFile : kFilteredFile)));
        const QByteArray bytes = readFile(path);

        pilecalc::Lines lines =
            pilecalc::optimisationTableHead(filtered ? u"嵌岩桩优化计算筛选结果" : u"嵌岩桩优化计算原始结果");
        for (int i = 0; i < cells.size(); ++i) {
            std::array<std::u16string, 17> texts;
            std::array<std::u16string_view, 17> views;
            for (int c = 0; c < 17; ++c) {
                texts[c] = cells[i][c].toStdU16String();
                views[c] = texts[c];
            }
            lines.push_back(pilecalc::optimisationTableRow(static_cast<std::size_t>(i) + 1, cells.size(), views));
        }
        for (const auto& line :
             pilecalc::SummaryFooter(pilecalc::platform::timeText(fixedTime(), QLocale()).toStdU16String())) {
            lines.push_back(line);
        }
        QString text;
        for (const auto& line : lines) text += QString::fromStdU16String(line) + "\r\n";
        const pilecalc::platform::ResultEncoder encoder(pilecalc::platform::systemCodeset(),
                                                        pilecalc::platform::ResultFileKind::OptimisationTable);
        QCOMPARE(bytes, encoder.prefix() + encoder.encode(text));

        // Independently of the line builders: one CR LF per line, the last line included,
        // and the rows numbered from 1 in the order on screen.
        QCOMPARE(bytes.count("\r\n"), qsizetype(5 + rows + 4));
        QVERIFY(bytes.endsWith("\r\n"));
        const QStringList fileLines = QString::fromStdU16String(std::u16string(text.toStdU16String())).split("\r\n");
        QVERIFY(fileLines[5].trimmed().startsWith(QString("ZH-") +
                                                  QString("1").rightJustified(lastNumber.size() - 3, '0')));
        QVERIFY(fileLines[4 + rows].trimmed().startsWith(lastNumber + " "));
        QVERIFY(fileLines[5].contains(cells[0][1]));
    }

    // A file that cannot be written: the error is shown and "存盘" stays enabled.
    void failedSaveChangesNothing() {
        runBatch(defaultRanges());
        // A documents folder that cannot be created: its parent is a plain file.
        QFile plain(QDir(fixture.documents()).filePath("plain"));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        plain.close();
        pilecalc::platform::setDocumentsFolderForTesting(QDir(fixture.documents()).filePath("plain/folder"));
        ui(w()).cbt_YHsave->click();
        QVERIFY(!fixture.takeDialog().isEmpty());
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());
        QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), 27);
    }

    // Nothing on screen to save: nothing written, the button left as it is.
    void nothingToSave() {
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHsave->setEnabled(true);
        ui(w()).cbt_YHsave->click();
        QVERIFY(ui(w()).cbt_YHsave->isEnabled());
        QVERIFY(QDir(fixture.documents()).entryList(QDir::Files).isEmpty());
    }
};

static pilecalc::test::RegisterTest<OptimisationListTest> registerOptimisationList;
#include "OptimisationListTest.moc"
