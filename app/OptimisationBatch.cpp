// SPDX-License-Identifier: GPL-3.0-or-later
// The batch run of the optimisation layer. The pure core (optimisation/BatchRun) computes
// every combination with the compute operation's own reading, computation and display
// precision and keeps the rows compactly; the window then brings its main layer to the
// state that computing the combinations one by one through cbt_computeClick leaves, by
// running the last two of them through that very handler.
//
// A run longer than a fraction of a second keeps the window alive: it computes in short
// slices, shows its progress a few times a second, and stops early when the user presses
// "停止" (the relabelled "计算") or Esc, keeping the rows computed so far.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <chrono>

#include "app/FontColour.h"
#include "app/MainWindow.h"
#include "app/OptimisationViews.h"
#include "app/RangesGridDelegate.h"
#include "app/ScaledLayer.h"
#include "optimisation/BatchRun.h"
#include "optimisation/OptimisationMessages.h"
#include "optimisation/OptimisationRange.h"
#include "optimisation/ResultSorting.h"

using namespace pilecalc;
using namespace std::chrono_literals;
using pilecalc::app::qs;
using pilecalc::app::resultModel;

namespace {

// A run that ends within this time never gives the event loop a turn.
constexpr auto kQuietRun = 150ms;
// Slices of a longer run, and how often its progress text is renewed.
constexpr auto kSlice = 30ms;
constexpr auto kProgressEvery = 250ms;

// While a run computes: Esc asks it to stop, and so does closing the window.
class StopListener final : public QObject {
  public:
    explicit StopListener(MainWindow& window) : m_window(window) { qApp->installEventFilter(this); }
    ~StopListener() override { qApp->removeEventFilter(this); }
    StopListener(const StopListener&) = delete;
    StopListener& operator=(const StopListener&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            m_window.requestOptimisationStop();
            return true;
        }
        if (event->type() == QEvent::Close && watched == &m_window) m_window.requestOptimisationStop();
        return false;
    }

  private:
    MainWindow& m_window;
};

// Every control of the layer but the stop button is disabled while the run computes,
// and gets its own state back afterwards, whatever way the run ends.
class RunningLayer {
  public:
    RunningLayer(QPushButton* compute, const std::array<QWidget*, 7>& others, bool& running)
        : m_compute(compute), m_running(running), m_controls(others) {
        for (std::size_t i = 0; i < m_controls.size(); ++i) {
            m_enabled[i] = m_controls[i]->isEnabled();
            m_controls[i]->setEnabled(false);
        }
        m_computeEnabled = m_compute->isEnabled();
        m_computeText = m_compute->text();
        m_compute->setText(QStringLiteral("停止"));
        m_compute->setEnabled(true);
        m_running = true;
    }
    ~RunningLayer() {
        m_running = false;
        m_compute->setText(m_computeText);
        m_compute->setEnabled(m_computeEnabled);
        for (std::size_t i = 0; i < m_controls.size(); ++i) m_controls[i]->setEnabled(m_enabled[i]);
    }
    RunningLayer(const RunningLayer&) = delete;
    RunningLayer& operator=(const RunningLayer&) = delete;

  private:
    QPushButton* m_compute;
    bool& m_running;
    std::array<QWidget*, 7> m_controls;
    std::array<bool, 7> m_enabled{};
    bool m_computeEnabled = true;
    QString m_computeText;
};

// While a run computes its progress bar, which otherwise lies below the client area,
// stands in the layer over the help line, and the status line is black whatever it was.
class ProgressInLayer {
  public:
    ProgressInLayer(QProgressBar* bar, app::ScaledLayer* layer, QLabel* help, QLabel* status)
        : m_bar(bar), m_home(bar->parentWidget()), m_homeRect(bar->geometry()), m_help(help),
          m_helpHidden(help->isHidden()) {
        help->hide();
        bar->setParent(layer);
        bar->setGeometry(layer->toPixels(QRect(10, 584, 260, 16)));
        bar->show();
        app::setFontColour(status, app::kBlack);
    }
    ~ProgressInLayer() {
        m_bar->hide();
        m_bar->setParent(m_home);
        m_bar->setGeometry(m_homeRect);
        m_help->setVisible(!m_helpHidden);
    }
    ProgressInLayer(const ProgressInLayer&) = delete;
    ProgressInLayer& operator=(const ProgressInLayer&) = delete;

  private:
    QProgressBar* m_bar;
    QWidget* m_home;
    QRect m_homeRect;
    QLabel* m_help;
    bool m_helpHidden;
};

}  // namespace

void MainWindow::cbt_YHcomputeClick() {
    if (m_batchRunning) {  // the button reads "停止" while a run computes
        requestOptimisationStop();
        return;
    }
    app::ResultListModel& raw = resultModel(Grid2_Youhuajieguo);
    app::ResultListModel& filtered = resultModel(Grid3_Youhuasaixuan);
    raw.clear();
    filtered.clear();
    Grid2_Youhuajieguo->show();
    Grid3_Youhuasaixuan->hide();
    lb_YHxingxi->clear();
    m_optimisationMode = app::OptimisationMode::On;

    const char16_t sep = decimalSeparator();
    RangeCellTexts cells;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            cells[row][column] = app::rangesCellText(Grid1_Youhuaxuanxiang, row, column + 1).toStdU16String();
        }
    }
    const RangeReading reading = readRanges(cells, sep);
    if (!reading.ok()) {
        if (reading.stop->kind != RangeStopKind::Negative) app::throwConversionError(reading.stop->message);
        app::setFontColour(lb_YHxingxi, app::kRed);
        lb_YHxingxi->setText(qs(reading.stop->message));
        return;
    }
    // The count is a 64-bit product: a run too long to be useful is refused before
    // anything is computed.
    if (exceedsCombinationLimit(reading.ranges)) {
        app::setFontColour(lb_YHxingxi, app::kRed);
        lb_YHxingxi->setText(qs(combinationLimitMessage(combinationCount(reading.ranges), sep)));
        return;
    }

    img_Logo->hide();
    lb_shuoming->show();
    pb_YH_jingdu->setRange(0, 100);
    pb_YH_jingdu->setValue(0);

    BatchSettings settings;
    settings.weathered = ckb_zhongfenghua->isChecked();
    settings.reduction = cbe_zhongfenghua->currentText().toStdU16String();
    settings.gammaCR = cbe_Gamacr->currentText().toStdU16String();
    settings.mode = precisionMode();
    settings.decimalSeparator = sep;
    const CombinationTexts before{cbe_dd->currentText().toStdU16String(), cbe_hr->currentText().toStdU16String(),
                                  edt_frk->text().toStdU16String()};

    BatchRun run(reading.ranges, settings);
    run.runFor(kQuietRun);
    if (!run.done()) {
        m_batchStopRequested = false;
        const RunningLayer running(cbt_YHcompute,
                                   {Grid1_Youhuaxuanxiang, Grid2_Youhuajieguo, Grid3_Youhuasaixuan, cbt_zhangkai,
                                    cbt_YHsaixuan, cbt_YHsave, cbt_YHfanhui},
                                   m_batchRunning);
        const ProgressInLayer progress(pb_YH_jingdu, YouHuaFormLayer, lb_huzhu, lb_YHxingxi);
        const StopListener listener(*this);
        auto shown = std::chrono::steady_clock::now() - kProgressEvery;
        while (!run.done() && !m_batchStopRequested) {
            const auto now = std::chrono::steady_clock::now();
            if (now - shown >= kProgressEvery) {
                lb_YHxingxi->setText(qs(runningMessage(run.percentDone())));
                pb_YH_jingdu->setValue(static_cast<int>(run.percentDone()));
                shown = now;
            }
            QApplication::processEvents();
            if (!m_batchStopRequested) run.runFor(kSlice);
        }
        m_batchStopRequested = false;
    }
    const bool cancelled = !run.done();

    // The main layer: the last combination (or the rejected one) goes through the compute
    // handler after its predecessor, so every change reaction, colour and status text is
    // the handler's own. A change reaction anywhere in the run brings "计算" back for good.
    const std::optional<BatchStop> stop = run.stop();
    std::optional<std::uint64_t> last;
    if (stop) {
        last = stop->combination;
    } else if (run.rowsProduced() > 0) {
        last = run.rowsProduced() - 1;
    }
    if (last) {
        const bool textsChanged = run.combinationTexts(0) != before || run.inputTextsChangedUpTo(*last);
        auto replay = [this](const CombinationTexts& texts) {
            cbe_dd->setEditText(qs(texts.d));
            cbe_hr->setEditText(qs(texts.hr));
            edt_frk->setText(qs(texts.frk));
            cbt_computeClick();
        };
        if (*last >= 1) replay(run.combinationTexts(*last - 1));
        replay(run.combinationTexts(*last));
        if (textsChanged) bringBackCompute();
    }
    const double percent = run.percentDone();
    const std::uint64_t rows = run.rowsProduced();
    raw.setList(run.takeRows());

    if (stop) {
        // The compute handler has written its stop message; the buttons, the sort states
        // and the headers stay as they were before the run.
        pb_YH_jingdu->setValue(static_cast<int>(percent));
        return;
    }
    pb_YH_jingdu->setValue(0);
    app::setFontColour(lb_YHxingxi, app::kBlack);
    if (cancelled) {
        lb_YHxingxi->setText(qs(batchCancelledMessage(rows, sep)));
        cbt_YHsaixuan->setEnabled(rows > 0);
        cbt_YHsave->setEnabled(rows > 0);
    } else if (rows == 0) {
        lb_YHxingxi->setText(qs(std::u16string(optimisationMessages::noRows)));
        cbt_YHcompute->setEnabled(false);
    } else {
        lb_YHxingxi->setText(qs(batchDoneMessage(rows, sep)));
        cbt_YHcompute->setEnabled(false);
        cbt_YHsaixuan->setEnabled(true);
        cbt_YHsave->setEnabled(true);
    }
    m_sort = {};
    for (app::ResultListModel* model : {&raw, &filtered}) {
        model->setHeader(resultColumn::d, qs(diameterHeader(SortOrder::None)));
        model->setHeader(resultColumn::Qcd, qs(QcdHeader(SortOrder::None)));
    }
}
