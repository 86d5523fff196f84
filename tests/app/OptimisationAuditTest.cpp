// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile texts in the ranges grid and edits written through the grid's model: a run
// never crashes and never lists or shows a figure that is not a number, and any text
// written into an editable range cell counts as an accepted edit.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <algorithm>

#include "AppTests.h"
#include "OptimisationTestKit.h"
#include "WindowFixture.h"
#include "app/FontColour.h"

using namespace pilecalc::test;
using pilecalc::app::fontColour;
using pilecalc::app::kRed;

namespace {

// Every text a user can read after a run: the list cells, the status lines and the
// main layer's inputs and outputs.
QStringList visibleTexts(MainWindow& w) {
    QStringList texts;
    for (const QStringList& row : listCells(ui(w).Grid2_Youhuajieguo)) texts << row;
    texts << ui(w).lb_YHxingxi->text() << mainLayerState(w);
    return texts;
}

bool showsNonFinite(const QStringList& texts) {
    for (const QString& t : texts) {
        if (t.contains("nan", Qt::CaseInsensitive) || t.contains("inf", Qt::CaseInsensitive)) return true;
    }
    return false;
}

}  // namespace

class OptimisationAuditTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Outcome of a run on hostile ranges: the error report's text (empty: none), the
    // status line's start, and the rows listed (-1: any number).
    void hostileRangesNeverShowNonFiniteFigures_data() {
        QTest::addColumn<RangeTexts>("ranges");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("rows");
        const QString stop = "运行中止，主界面可查看中止位置、原因";
        QTest::newRow("d up to 1e308 by 500: refused")
            << RangeTexts{{"1000", "1e308", "500"}, {"1.0d", "1.0d", "0d"}, {"30", "30", "0"}} << ""
            << "组合数 " << 0;
        QTest::newRow("d ends 1000 and 1e308")
            << RangeTexts{{"1000", "1e308", "0"}, {"1.0d", "1.0d", "0d"}, {"30", "30", "0"}} << "" << stop << 1;
        QTest::newRow("frk ends 30 and 1e308")
            << RangeTexts{{"1000", "1000", "0"}, {"1.0d", "1.0d", "0d"}, {"30", "1e308", "0"}} << "" << stop << 1;
        QTest::newRow("depth in mm up to 1e308 on a 0.001 mm pile")
            << RangeTexts{{"0.001", "0.001", "0"}, {"1000", "1e308", "0"}, {"30", "30", "0"}} << "" << stop << -1;
        QTest::newRow("d minimum 0") << RangeTexts{{"0", "2000", "500"}, {"1.0d", "3.0d", "1.0d"}, {"30", "50", "10"}}
                                     << "" << stop << 0;
        QTest::newRow("tiny frk step: refused")
            << RangeTexts{{"1000", "1000", "0"}, {"1.0d", "1.0d", "0d"}, {"30", "50", "1e-300"}} << ""
            << "组合数 " << 0;
        QTest::newRow("just above the limit: refused")
            << RangeTexts{{"1000", "2000", "0.001"}, {"1.0d", "2.0d", "0d"}, {"30", "30", "0"}} << ""
            << "组合数 2000002 超过上限" << 0;
        QTest::newRow("nan in the d minimum")
            << RangeTexts{{"nan", "2000", "500"}, {"1.0d", "3.0d", "1.0d"}, {"30", "50", "10"}}
            << "'nan' is not a valid floating point value."
            << "" << 0;
        QTest::newRow("inf in the frk maximum")
            << RangeTexts{{"1000", "2000", "500"}, {"1.0d", "3.0d", "1.0d"}, {"30", "inf", "10"}}
            << "'inf' is not a valid floating point value."
            << "" << 0;
        QTest::newRow("overflowing depth step")
            << RangeTexts{{"1000", "2000", "500"}, {"1000", "3000", "1e400"}, {"30", "50", "10"}}
            << "'1e400' is not a valid floating point value."
            << "" << 0;
        QTest::newRow("empty d minimum") << RangeTexts{{"", "2000", "500"},
                                                       {"1.0d", "3.0d", "1.0d"},
                                                       {"30", "50", "10"}}
                                         << "'' is not a valid floating point value."
                                         << "" << 0;
    }
    void hostileRangesNeverShowNonFiniteFigures() {
        QFETCH(RangeTexts, ranges);
        QFETCH(QString, dialog);
        QFETCH(QString, status);
        QFETCH(int, rows);
        w().cbt_YouHuaClick();
        writeRanges(w(), ranges);
        ui(w()).cbt_YHcompute->click();
        QCOMPARE(fixture.takeDialog(), dialog);
        const QString shown = ui(w()).lb_YHxingxi->text();
        if (status.isEmpty()) {
            QVERIFY2(shown.isEmpty(), qPrintable(shown));
        } else {
            QVERIFY2(shown.startsWith(status), qPrintable(shown));
            QCOMPARE(fontColour(ui(w()).lb_YHxingxi), kRed);
        }
        if (rows >= 0) QCOMPARE(ui(w()).Grid2_Youhuajieguo->model()->rowCount(), rows);
        const QStringList texts = visibleTexts(w());
        QVERIFY2(!showsNonFinite(texts), qPrintable(texts.join(" | ")));
    }

    // Awkward ranges: accumulated fractional steps, values that round on a half, a
    // strength below the hint threshold, reversed ranges and steps of every kind. The
    // listed cells, the main layer and the layer's own state are those of running every
    // pile through the compute handler.
    void awkwardRangesMatchThePileByPileRun_data() {
        QTest::addColumn<RangeTexts>("ranges");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("weathered");
        QTest::newRow("d by tenths of a mm")
            << RangeTexts{{"1000", "1000.5", "0.1"}, {"1.0d", "1.2d", "0.05d"}, {"25", "25", "0"}} << 0 << true;
        QTest::newRow("depth in mm by a third")
            << RangeTexts{{"1200", "1300", "40"}, {"1300.25", "2300", "333.3"}, {"30", "31", "0.25"}} << 1 << false;
        QTest::newRow("strength halves below the hint")
            << RangeTexts{{"1500", "1500", "0"}, {"2.0d", "2.0d", "0d"}, {"9.985", "10.005", "0.005"}} << 2 << true;
        QTest::newRow("reversed d, negative step, step past the range")
            << RangeTexts{{"2000", "1000", "100"}, {"1.0d", "5.5d", "-1d"}, {"5", "60", "100"}} << 3 << true;
        QTest::newRow("hundreds, share columns from cut figures")
            << RangeTexts{{"800", "2600", "450"}, {"1.0d", "4.0d", "0.7d"}, {"15", "85", "35"}} << 4 << false;
    }
    void awkwardRangesMatchThePileByPileRun() {
        QFETCH(RangeTexts, ranges);
        QFETCH(int, mode);
        QFETCH(bool, weathered);
        auto reference = std::make_unique<MainWindow>();
        reference->setClockForTesting(fixedTime);
        for (MainWindow* win : {&w(), reference.get()}) {
            ui(*win).ckb_zhongfenghua->setChecked(weathered);
            ui(*win).popbox_jingdu->setCurrentIndex(mode);
            win->cbt_YouHuaClick();
            writeRanges(*win, ranges);
        }
        ui(w()).cbt_YHcompute->click();
        const QList<QStringList> expected = literalBatch(*reference, ranges);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(listCells(ui(w()).Grid2_Youhuajieguo), expected);
        QCOMPARE(mainLayerState(w()), mainLayerState(*reference));
        QCOMPARE(optimisationLayerState(w()), optimisationLayerState(*reference));
    }

    // With a comma as the decimal separator the keys are read with it: a header click
    // sorts the forces as numbers, the filter takes comma bounds, and a pick-back of a
    // fractional pile computes to the listed figures.
    void commaLocaleSortsFiltersAndPicksBack() {
        QLocale::setDefault(QLocale(QLocale::German));
        ui(w()).popbox_jingdu->setCurrentIndex(0);
        w().cbt_YouHuaClick();
        writeRanges(w(), {{"900", "1100,5", "100,25"}, {"1,0d", "1,5d", "0,5d"}, {"8,5", "30", "10,75"}});
        ui(w()).cbt_YHcompute->click();
        QTableView* raw = ui(w()).Grid2_Youhuajieguo;
        QCOMPARE(raw->model()->rowCount(), 18);
        auto column = [](QTableView* list, int c) {
            // The forces carry the comma; the diameters keep the period that the
            // diameter field reads.
            QList<double> values;
            for (int r = 0; r < list->model()->rowCount(); ++r) {
                QString text = list->model()->index(r, c).data().toString();
                const bool separatorAsDesigned = c == 1 ? !text.contains(',') : text.contains(',');
                bool ok = false;
                values << QLocale::c().toDouble(text.replace(',', '.'), &ok);
                if (!ok || !separatorAsDesigned) values.back() = -1.0;
            }
            return values;
        };
        for (int c : {1, 2}) {
            w().Grid2_YouhuajieguoHeaderClick(c);
            const QList<double> keys = column(raw, c);
            QVERIFY(!keys.contains(-1.0));
            QVERIFY2(std::is_sorted(keys.begin(), keys.end()), qPrintable(ui(w()).lb_YHxingxi->text()));
        }
        const QList<double> forces = column(raw, 2);
        const double middle = forces[forces.size() / 2];
        writeFilterBounds(w(), QString::number(middle, 'f', 2).replace('.', ','), "0");
        ui(w()).cbt_YHsaixuan->click();
        QTableView* filtered = ui(w()).Grid3_Youhuasaixuan;
        QCOMPARE(filtered->model()->rowCount(),
                 std::count_if(forces.begin(), forces.end(), [middle](double f) { return f >= middle; }));
        const QStringList picked = listCells(filtered).first();
        w().Grid3_YouhuasaixuanCellDblClick(0, 0);
        w().cbt_computeClick();
        QCOMPARE(ui(w()).edt_ra->text(), picked[2]);
        QCOMPARE(ui(w()).edt_Qrk->text(), picked[14]);
        QCOMPARE(ui(w()).lb_shuoming->text().isEmpty(), false);
    }

    // The same text written again through the model is accepted like the same text
    // accepted in the cell editor: it enables the button of its row, and nothing else.
    void sameTextWrittenThroughTheModel_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("compute");
        QTest::addColumn<bool>("filter");
        QTest::newRow("d minimum") << 0 << 1 << true << false;
        QTest::newRow("hr step") << 1 << 3 << true << false;
        QTest::newRow("filter maximum") << 4 << 2 << false << true;
        QTest::newRow("filter step, read-only") << 4 << 3 << false << false;
        QTest::newRow("item name, read-only") << 2 << 0 << false << false;
    }
    void sameTextWrittenThroughTheModel() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, compute);
        QFETCH(bool, filter);
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHcompute->setEnabled(false);
        ui(w()).cbt_YHsaixuan->setEnabled(false);
        QAbstractItemModel* model = ui(w()).Grid1_Youhuaxuanxiang->model();
        const QModelIndex cell = model->index(row, column);
        const QString before = cell.data().toString();
        QVERIFY(model->setData(cell, before));
        QCOMPARE(cell.data().toString(), before);
        QCOMPARE(ui(w()).cbt_YHcompute->isEnabled(), compute);
        QCOMPARE(ui(w()).cbt_YHsaixuan->isEnabled(), filter);
    }

    // Typing into the editor and leaving it with Tab: the text is stored, the button of
    // its row comes on, and the next cell becomes current, with its editor open only
    // when that cell takes edits.
    void tabAcceptsAndMovesOn_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("compute");
        QTest::addColumn<bool>("filter");
        QTest::addColumn<bool>("nextEditable");
        QTest::newRow("d minimum to d maximum") << 0 << 1 << true << false << true;
        QTest::newRow("d step to its description") << 0 << 3 << true << false << false;
        QTest::newRow("filter minimum to filter maximum") << 4 << 1 << false << true << true;
        QTest::newRow("filter maximum to filter step") << 4 << 2 << false << true << false;
    }
    void tabAcceptsAndMovesOn() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(bool, compute);
        QFETCH(bool, filter);
        QFETCH(bool, nextEditable);
        w().show();
        QVERIFY(QTest::qWaitForWindowExposed(&w()));
        w().cbt_YouHuaClick();
        ui(w()).cbt_YHcompute->setEnabled(false);
        ui(w()).cbt_YHsaixuan->setEnabled(false);
        QTableWidget* grid = ui(w()).Grid1_Youhuaxuanxiang;
        grid->setCurrentCell(row, column);
        auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->model()->index(row, column)));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "1234");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(grid->item(row, column)->text(), QString("1234"));
        QCOMPARE(ui(w()).cbt_YHcompute->isEnabled(), compute);
        QCOMPARE(ui(w()).cbt_YHsaixuan->isEnabled(), filter);
        QCOMPARE(grid->currentRow(), row);
        QCOMPARE(grid->currentColumn(), column + 1);
        QCOMPARE(grid->indexWidget(grid->model()->index(row, column + 1)) != nullptr, nextEditable);
    }
};

static pilecalc::test::RegisterTest<OptimisationAuditTest> registerOptimisationAudit;
#include "OptimisationAuditTest.moc"
