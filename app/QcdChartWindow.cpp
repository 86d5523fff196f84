// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QcdChartWindow.h"

#include <QAreaSeries>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "platform/DocumentsFolder.h"
#include "platform/ErrorReport.h"

namespace pilecalc::app {

QcdChartWindow::QcdChartWindow(const ResultList& list, const QString& title, std::optional<FilterBounds> band,
                               std::function<void(std::uint32_t)> pick, QWidget* parent)
    : QWidget(parent, Qt::Window), m_pick(std::move(pick)) {
    setObjectName(QStringLiteral("QcdChartWindow"));
    setWindowTitle(title + QStringLiteral(" — Qcd 图示"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(760, 520);

    m_chart = new QChart;
    m_chart->setTitle(title);
    m_chart->legend()->setVisible(true);
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    auto* xAxis = new QValueAxis;
    xAxis->setTitleText(QStringLiteral("桩身直径 d (mm)"));
    xAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* yAxis = new QValueAxis;
    yAxis->setTitleText(QStringLiteral("桩承载力 Qcd (kN)"));
    yAxis->setLabelFormat(QStringLiteral("%.0f"));
    m_chart->addAxis(xAxis, Qt::AlignBottom);
    m_chart->addAxis(yAxis, Qt::AlignLeft);

    double dMin = std::numeric_limits<double>::max(), dMax = std::numeric_limits<double>::lowest();
    double qMin = dMin, qMax = dMax;
    for (const QcdSeries& s : qcdSeries(list)) {
        auto* series = new QScatterSeries;
        series->setName(QString::fromStdU16String(s.name));
        series->setMarkerSize(9);
        QList<QPointF> points;
        points.reserve(static_cast<qsizetype>(s.points.size()));
        std::vector<std::uint32_t> numbers;
        numbers.reserve(s.points.size());
        for (const QcdPoint& p : s.points) {
            points << QPointF(p.d, p.Qcd);
            numbers.push_back(p.number);
            dMin = std::min(dMin, p.d);
            dMax = std::max(dMax, p.d);
            qMin = std::min(qMin, p.Qcd);
            qMax = std::max(qMax, p.Qcd);
        }
        series->replace(points);
        const std::size_t k = m_series.size();
        connect(series, &QScatterSeries::clicked, this,
                [this, k](const QPointF& at) { platform::runGuarded(this, [&] { clickPoint(k, at); }); });
        m_series.push_back(series);
        m_numbers.push_back(std::move(numbers));
    }
    if (m_series.empty()) dMin = dMax = qMin = qMax = 0.0;

    // Axes first, with round tick values; the band then spans the whole width.
    const double dPad = std::max((dMax - dMin) * 0.05, 50.0);
    xAxis->setRange(dMin - dPad, dMax + dPad);
    xAxis->applyNiceNumbers();
    double upperQ = qMax;
    if (band) {
        // A filter without an upper bound would stretch the band to 1e15 kN: it stops
        // well above the charted piles instead.
        upperQ = std::min(band->upper, std::max(qMax, band->lower) * 1.5 + 1.0);
        qMin = std::min(qMin, band->lower);
        qMax = std::max(qMax, upperQ);
    }
    const double qPad = std::max((qMax - qMin) * 0.05, 100.0);
    yAxis->setRange(std::max(0.0, qMin - qPad), qMax + qPad);
    yAxis->applyNiceNumbers();

    if (band) {
        // The area does not own its edges: they are its children, so they go with it.
        m_band = new QAreaSeries;
        auto* lower = new QLineSeries(m_band);
        auto* upper = new QLineSeries(m_band);
        lower->append(xAxis->min(), band->lower);
        lower->append(xAxis->max(), band->lower);
        upper->append(xAxis->min(), upperQ);
        upper->append(xAxis->max(), upperQ);
        m_band->setUpperSeries(upper);
        m_band->setLowerSeries(lower);
        m_band->setName(QStringLiteral("筛选范围 %1 ≤ Qcd ≤ %2 kN").arg(band->lower).arg(band->upper));
        m_band->setColor(QColor(255, 200, 0, 60));
        m_band->setBorderColor(QColor(230, 160, 0));
        // Added first, so it lies behind the piles' points and every point stays clickable.
        m_chart->addSeries(m_band);
        m_band->attachAxis(xAxis);
        m_band->attachAxis(yAxis);
    }
    for (QScatterSeries* series : m_series) {
        m_chart->addSeries(series);
        series->attachAxis(xAxis);
        series->attachAxis(yAxis);
    }

    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_exportButton = new QPushButton(QStringLiteral("导出图片"), this);
    m_exportButton->setObjectName(QStringLiteral("cbt_ChartPng"));
    connect(m_exportButton, &QPushButton::clicked, this, [this] { platform::runGuarded(this, [&] { exportPng(); }); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_exportButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_view);
    layout->addLayout(buttons);
}

void QcdChartWindow::clickPoint(std::size_t k, const QPointF& at) {
    if (k >= m_series.size()) return;
    const QList<QPointF> points = m_series[k]->points();
    for (qsizetype i = 0; i < points.size(); ++i) {
        if (points[i] == at) {
            m_pick(m_numbers[k][static_cast<std::size_t>(i)]);
            return;
        }
    }
}

bool QcdChartWindow::savePng(const QString& path) const { return m_view->grab().save(path, "PNG"); }

void QcdChartWindow::exportPng() {
    const platform::FolderLookup folder = platform::prepareDocumentsFolder();
    auto* dialog = new QFileDialog(this, QStringLiteral("导出图片"), folder.ok() ? folder.path : QString(),
                                   QStringLiteral("PNG 图片 (*.png)"));
    dialog->setObjectName(QStringLiteral("dlg_ChartPng"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("png"));
    dialog->selectFile(QStringLiteral("嵌岩桩优化Qcd图示.png"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &QFileDialog::fileSelected, this, [this](const QString& path) {
        if (!savePng(path)) platform::showErrorReport(this, QStringLiteral("无法写入“%1”").arg(path));
    });
    dialog->open();
}

}  // namespace pilecalc::app
