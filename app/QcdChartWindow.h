// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Qcd chart of an optimisation list: a window of its own (not modal) with Qcd
// against d, one scatter series per hr (or per frk when hr is fixed), the filter's Qcd
// bounds as a band when the filtered list is charted, and a legend. A click on a point
// hands its pile's production number to the window, which picks the pile back as a
// double click on its row does. "导出图片" writes the chart as a PNG.
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "optimisation/QcdSeries.h"
#include "optimisation/ResultList.h"

class QChart;
class QChartView;
class QScatterSeries;
class QAreaSeries;
class QPushButton;

namespace pilecalc::app {

class QcdChartWindow final : public QWidget {
    Q_OBJECT
  public:
    // pick runs with the production number of a clicked point.
    QcdChartWindow(const ResultList& list, const QString& title, std::optional<FilterBounds> band,
                   std::function<void(std::uint32_t number)> pick, QWidget* parent);

    const std::vector<QScatterSeries*>& pointSeries() const { return m_series; }
    QAreaSeries* band() const { return m_band; }
    QChart* chart() const { return m_chart; }

    // A click on the point at `at` of series k (what a mouse click on it emits).
    void clickPoint(std::size_t k, const QPointF& at);
    // Writes the chart as a PNG; false when the file cannot be written.
    bool savePng(const QString& path) const;

  private:
    void exportPng();

    QChart* m_chart = nullptr;
    QChartView* m_view = nullptr;
    std::vector<QScatterSeries*> m_series;
    std::vector<std::vector<std::uint32_t>> m_numbers;  // production number of each point, per series
    QAreaSeries* m_band = nullptr;
    QPushButton* m_exportButton = nullptr;
    std::function<void(std::uint32_t)> m_pick;
};

}  // namespace pilecalc::app
