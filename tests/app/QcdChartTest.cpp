// SPDX-License-Identifier: GPL-3.0-or-later
// The Qcd chart of the optimisation list on screen: its series hold exactly the list's
// piles, the filter's bounds show as a band, and a click on a point picks that pile
// back as a double click on its row does.
#include <QAreaSeries>
#include <QChart>
#include <QImage>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QTableView>
#include <QTest>
#include <QValueAxis>
#include <map>

#include "AppTests.h"
#include "OptimisationTestKit.h"
#include "WindowFixture.h"
#include "app/OptimisationViews.h"
#include "app/QcdChartWindow.h"

using pilecalc::app::QcdChartWindow;
using pilecalc::test::RangeTexts;

namespace {

// (d, Qcd) of every listed pile as its cells show them, grouped by the series' name.
std::map<QString, QList<QPointF>> listPoints(QTableView* view, int groupColumn, const QString& prefix,
                                             const QString& unit) {
    std::map<QString, QList<QPointF>> out;
    for (const QStringList& row : pilecalc::test::listCells(view)) {
        const QString key = row[groupColumn].trimmed();
        const QString suffix = key.endsWith('d') ? QString() : unit;
        out[prefix + key + suffix] << QPointF(row[1].toDouble(), row[2].toDouble());
    }
    return out;
}

std::map<QString, QList<QPointF>> chartPoints(const QcdChartWindow& chart) {
    std::map<QString, QList<QPointF>> out;
    for (QScatterSeries* s : chart.pointSeries()) out[s->name()] = s->points();
    return out;
}

}  // namespace

class QcdChartTest : public QObject {
    Q_OBJECT
    PILECALC_WINDOW_FIXTURE

    void runBatch(const RangeTexts& ranges) {
        w().show();
        w().cbt_YouHuaClick();
        pilecalc::test::writeRanges(w(), ranges);
        ui(w()).cbt_YHcompute->click();
    }
    QcdChartWindow* openChart() {
        ui(w()).cbt_YHchart->click();
        return w().findChild<QcdChartWindow*>();
    }

  private slots:
    void init() { fixture.start(); }
    void cleanup() { PILECALC_FINISH_WINDOW_TEST(); }

    // Raw and filtered list: one series per hr with exactly the list's points in list
    // order, axis titles with units, a legend, and the band only for the filtered list.
    void seriesHoldTheListsPoints() {
        runBatch(pilecalc::test::defaultRanges());
        QcdChartWindow* chart = openChart();
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        QVERIFY(!chart->isModal());
        QCOMPARE(chart->pointSeries().size(), std::size_t{3});
        QCOMPARE(chartPoints(*chart), listPoints(ui(w()).Grid2_Youhuajieguo, 3, "hr = ", " mm"));
        QVERIFY(!chart->band());
        QVERIFY(chart->chart()->legend()->isVisible());
        QStringList titles;
        for (QAbstractAxis* axis : chart->chart()->axes()) titles << axis->titleText();
        QCOMPARE(titles, (QStringList{"桩身直径 d (mm)", "桩承载力 Qcd (kN)"}));

        pilecalc::test::writeFilterBounds(w(), "12000", "20000");
        ui(w()).cbt_YHsaixuan->click();
        chart = openChart();
        QVERIFY(chart);
        QCOMPARE(w().findChildren<QcdChartWindow*>().size(), 1);  // the earlier chart is replaced
        QCOMPARE(chartPoints(*chart), listPoints(ui(w()).Grid3_Youhuasaixuan, 3, "hr = ", " mm"));
        QVERIFY(chart->band());
        QCOMPARE(chart->band()->lowerSeries()->at(0).y(), 12000.0);
        QCOMPARE(chart->band()->upperSeries()->at(0).y(), 20000.0);
        for (const auto& [name, points] : chartPoints(*chart))
            for (const QPointF& p : points) QVERIFY(12000.0 <= p.y() && p.y() <= 20000.0);
    }

    // A fixed hr: one series per frk.
    void fixedDepthGivesOneSeriesPerStrength() {
        runBatch({{"1000", "2000", "500"}, {"2.0d", "2.0d", "1.0d"}, {"30", "50", "10"}});
        QcdChartWindow* chart = openChart();
        QVERIFY(chart);
        QCOMPARE(chartPoints(*chart), listPoints(ui(w()).Grid2_Youhuajieguo, 4, "frk = ", " MPa"));
        QCOMPARE(chart->pointSeries().size(), std::size_t{3});
        QCOMPARE(chart->pointSeries()[0]->name(), QString("frk = 30.00 MPa"));
    }

    // A point click leaves the window exactly as a double click on that pile's row does,
    // also after the list was sorted while the chart was open.
    void pointClickPicksThePileBack() {
        runBatch(pilecalc::test::defaultRanges());
        QcdChartWindow* chart = openChart();
        QVERIFY(chart);
        const QList<QStringList> rows = pilecalc::test::listCells(ui(w()).Grid2_Youhuajieguo);
        w().Grid2_YouhuajieguoHeaderClick(2);  // sorted by Qcd: the rows move
        const QList<QStringList> sorted = pilecalc::test::listCells(ui(w()).Grid2_Youhuajieguo);
        QVERIFY(sorted != rows);

        QScatterSeries* series = chart->pointSeries()[1];
        const QPointF point = series->at(2);  // the third pile of the second hr
        int target = -1;
        for (int r = 0; r < sorted.size(); ++r)
            if (sorted[r][3].trimmed() + "" == series->name().mid(5) && sorted[r][1].toDouble() == point.x() &&
                sorted[r][2].toDouble() == point.y())
                target = r;
        QVERIFY(target >= 0);

        emit series->clicked(point);
        QCOMPARE(w().optimisationMode(), OptimisationMode::Off);  // back on the main layer
        const QStringList byChart = pilecalc::test::mainLayerState(w());
        QCOMPARE(ui(w()).cbe_dd->currentText(), sorted[target][1].trimmed());
        QCOMPARE(ui(w()).cbe_hr->currentText(), sorted[target][3].trimmed());
        QCOMPARE(ui(w()).edt_frk->text(), sorted[target][4].trimmed());

        // The same pile by its row, after another one was picked in between.
        w().cbt_YouHuaClick();
        w().Grid2_YouhuajieguoCellDblClick(0, target == 0 ? 1 : 0);
        QVERIFY(pilecalc::test::mainLayerState(w()) != byChart);
        w().cbt_YouHuaClick();
        w().Grid2_YouhuajieguoCellDblClick(0, target);
        QCOMPARE(pilecalc::test::mainLayerState(w()), byChart);
    }

    void chartSavesAsPng() {
        runBatch(pilecalc::test::defaultRanges());
        QcdChartWindow* chart = openChart();
        QVERIFY(chart);
        QVERIFY(chart->findChild<QPushButton*>("cbt_ChartPng"));
        const QString path = fixture.documents() + "/chart.png";
        QVERIFY(chart->savePng(path));
        const QImage image(path);
        QVERIFY(!image.isNull());
        QVERIFY(image.width() > 300 && image.height() > 200);
    }
};

static pilecalc::test::RegisterTest<QcdChartTest> registerQcdChart;
#include "QcdChartTest.moc"
